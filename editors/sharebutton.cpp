#include "editors/sharebutton.h"

#include "ui/errorguard.h"
#include "ui/fixedlayout.h"

#include <QCoreApplication>
#include <QMenu>
#include <QPushButton>

namespace {

struct ShareWords {
    Q_DECLARE_TR_FUNCTIONS(ShareButton)
};

} // namespace

QPushButton* makesharebutton(QWidget* parent, const char* name, const QRect& place,
                             std::function<void(ShareAction)> chosen) {
    auto* button = placeControl<QPushButton>(parent, name, place);
    //: Button 145 pixels wide with a menu: send, take in or print circuits.
    button->setText(ShareWords::tr("Share"));
    auto* menu = new QMenu(button);
    menu->setObjectName(QStringLiteral("mnu_share"));
    const struct {
        const char* objectName;
        QString text;
        ShareAction action;
    } entries[] = {
        //: Menu entry: writes the circuit with its exercises to one file.
        {"act_exportcircuit", ShareWords::tr("Export circuit..."), ShareAction::Export},
        //: Menu entry: adds the circuits of a file (also other timers' exports).
        {"act_importcircuits", ShareWords::tr("Import..."), ShareAction::Import},
        //: Menu entry: prints the circuit card, or saves it as a PDF.
        {"act_printcircuit", ShareWords::tr("Print circuit..."), ShareAction::Print},
    };
    for (const auto& entry : entries) {
        QAction* action = menu->addAction(entry.text);
        action->setObjectName(QString::fromLatin1(entry.objectName));
        QObject::connect(action, &QAction::triggered, button,
                         [button, chosen, which = entry.action] {
                             guarded(button, [&] { chosen(which); });
                         });
    }
    button->setMenu(menu);
    return button;
}
