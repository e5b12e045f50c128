#include "runner/runoptionsmenu.h"

#include "ui/errorguard.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

namespace {

// The parts of the clock: its box, the clock itself or its digits and colon.
const char* const kClockParts[] = {"Image2", "pnl_clock", "img_m10s", "img_ms",
                                   "Image3", "img_s10s",  "img_s"};

QString toneName(CueTone tone) {
    switch (tone) {
    case CueTone::Chime:
        //: A cue sound on the run options' Sound submenu: the designed two-note chime.
        return RunOptionsMenu::tr("Chime");
    case CueTone::Bell:
        //: A cue sound on the Sound submenu: one struck bell.
        return RunOptionsMenu::tr("Bell");
    case CueTone::DoubleBeep:
        //: A cue sound on the Sound submenu: two short electronic beeps, as of a sports watch.
        return RunOptionsMenu::tr("Double beep");
    case CueTone::Gong:
        //: A cue sound on the Sound submenu: a low gong.
        return RunOptionsMenu::tr("Gong");
    }
    return {};
}

} // namespace

RunOptionsMenu::RunOptionsMenu(QWidget* frame, Apply apply, RunSettings settings)
    : QObject(frame), m_frame(frame), m_apply(std::move(apply)), m_settings(std::move(settings)),
      m_options(m_settings.load()), m_menu(new QMenu(frame)) {
    setObjectName(QStringLiteral("mnu_runoptions"));
    m_menu->setObjectName(QStringLiteral("mnu_runoptions"));
    //: A run option on the runner's context menu: the exercises' names are spoken.
    addOption(tr("Speak exercise names"), &RunOptions::speakNames);
    //: A run option: a tick sounds at 3, 2 and 1 seconds left.
    addOption(tr("Count down the last three seconds"), &RunOptions::countdown);
    //: A run option: the screen saver is held off while a circuit runs.
    addOption(tr("Keep the screen awake during a run"), &RunOptions::keepAwake);
    //: A run option: with two screens or more (a projector, a television), the big
    //: clock (F11) fills a screen the main window is not on.
    addOption(tr("Big clock on the other screen"), &RunOptions::bigClockElsewhere);
    //: A run option: an interval of 30 seconds lasts exactly 30 seconds, its clock
    //: showing 30 down to 1, instead of also showing 0 for a second.
    addOption(tr("Count each interval exactly"), &RunOptions::exactIntervals);
    m_menu->addSeparator();
    addSoundMenu();
    addVolumeMenu();

    const QString hint = tr(kClockHint);
    for (const char* part : kClockParts)
        if (auto* control = frame->findChild<QWidget*>(QLatin1String(part)))
            control->setToolTip(hint);

    // Right clicks on the frame's controls come up to the frame unless a
    // control has a menu of its own.
    frame->installEventFilter(this);
    m_apply(m_options);
}

void RunOptionsMenu::addOption(const QString& text, bool RunOptions::*option) {
    QAction* action = m_menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(m_options.*option);
    connect(action, &QAction::toggled, this, [this, option](bool on) { changed(option, on); });
}

QMenu* RunOptionsMenu::addSubmenu(const QString& title, const char* objectName) {
    QMenu* submenu = m_menu->addMenu(title);
    submenu->setObjectName(QLatin1String(objectName));
    submenu->setAccessibleName(title);
    return submenu;
}

QAction* RunOptionsMenu::addChoice(QMenu* submenu, QActionGroup* group, const QString& text,
                                   bool checked) {
    QAction* action = submenu->addAction(text);
    action->setCheckable(true);
    action->setChecked(checked);
    group->addAction(action);
    return action;
}

void RunOptionsMenu::addSoundMenu() {
    //: A submenu of the run options: the sound played at every change of phase.
    QMenu* sounds = addSubmenu(tr("Sound"), "mnu_runsound");
    auto* group = new QActionGroup(sounds);
    for (int i = 0; i < kCueToneCount; ++i) {
        const auto tone = static_cast<CueTone>(i);
        // Triggered also when chosen again: the user hears it once more.
        connect(addChoice(sounds, group, toneName(tone), m_options.cueTone == tone),
                &QAction::triggered, this, [this, tone] {
                    RunOptions changed = m_options;
                    changed.cueTone = tone;
                    soundChanged(changed);
                });
    }
}

void RunOptionsMenu::addVolumeMenu() {
    //: A submenu of the run options: how loud the cue, the countdown and the voice are.
    QMenu* volumes = addSubmenu(tr("Volume"), "mnu_runvolume");
    auto* group = new QActionGroup(volumes);
    for (int percent = kVolumeStep; percent <= kFullVolume; percent += kVolumeStep) {
        //: A volume on the Volume submenu, in percent of the designed loudness (%1 is 10 to 100).
        const QString text = tr("%1%").arg(percent);
        connect(addChoice(volumes, group, text, m_options.volume == percent), &QAction::triggered,
                this, [this, percent] {
                    RunOptions changed = m_options;
                    changed.volume = percent;
                    soundChanged(changed);
                });
    }
}

void RunOptionsMenu::changed(bool RunOptions::*option, bool on) {
    guarded(m_frame, [this, option, on] {
        m_options.*option = on;
        m_apply(m_options);
        // Applied even when it cannot be remembered; the error says why.
        m_settings.save(m_options);
    });
}

void RunOptionsMenu::soundChanged(const RunOptions& changed) {
    guarded(m_frame, [this, &changed] {
        m_options = changed;
        m_apply(m_options);
        emit soundChosen();
        // Applied and heard even when it cannot be remembered; the error says why.
        m_settings.save(m_options);
    });
}

bool RunOptionsMenu::eventFilter(QObject* watched, QEvent* event) {
    if (watched == m_frame && event->type() == QEvent::ContextMenu) {
        m_menu->popup(static_cast<QContextMenuEvent*>(event)->globalPos());
        return true;
    }
    return QObject::eventFilter(watched, event);
}
