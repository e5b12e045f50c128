#pragma once

#include "runner/runaids.h"
#include "runner/runsettings.h"

#include <QObject>

#include <functional>

class QAction;
class QActionGroup;
class QMenu;
class QWidget;

// The run options on a context menu of the runner frame: the right button
// anywhere on the frame (or the menu key) opens it, each option a check mark,
// the cue's sound and the volume on submenus of their own. A change is
// applied at once and remembered in the settings file; the clock's tool tip
// tells where the options are.
class RunOptionsMenu final : public QObject {
    Q_OBJECT
public:
    using Apply = std::function<void(const RunOptions&)>;

    // Loads the remembered options and hands them to apply straight away,
    // then again after every change.
    RunOptionsMenu(QWidget* frame, Apply apply, RunSettings settings = RunSettings());

    const RunOptions& options() const { return m_options; }

    // The clock's tool tip, in English; shown through tr().
    static constexpr const char* kClockHint =
        QT_TR_NOOP("Right-click for the run options: spoken exercise names, a countdown, "
                   "keeping the screen awake");

signals:
    // The user chose a sound or a volume, now applied: the cue is to be heard
    // once as it will sound. Never on loading the options.
    void soundChosen();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void addOption(const QString& text, bool RunOptions::*option);
    void addSoundMenu();
    void addVolumeMenu();
    QMenu* addSubmenu(const QString& title, const char* objectName);
    // A check item of a submenu, exclusive within `group`.
    QAction* addChoice(QMenu* submenu, QActionGroup* group, const QString& text, bool checked);
    void changed(bool RunOptions::*option, bool on);
    void soundChanged(const RunOptions& changed);

    QWidget* m_frame;
    Apply m_apply;
    RunSettings m_settings;
    RunOptions m_options;
    QMenu* m_menu;
};
