#include "runner/runoptionsmenu.h"

#include "ui/errorguard.h"

#include <QContextMenuEvent>
#include <QMenu>
#include <QWidget>

namespace {

// The parts of the clock: its box, the clock itself or its digits and colon.
const char* const kClockParts[] = {"Image2", "pnl_clock", "img_m10s", "img_ms",
                                   "Image3", "img_s10s",  "img_s"};

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

void RunOptionsMenu::changed(bool RunOptions::*option, bool on) {
    guarded(m_frame, [this, option, on] {
        m_options.*option = on;
        m_apply(m_options);
        // Applied even when it cannot be remembered; the error says why.
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
