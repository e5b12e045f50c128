// The program in other languages: every translation against the designed
// windows, which are laid out in fixed pixels (no text may be wider than the
// control that shows it; English is checked too, as the yardstick), and every
// text on screen taken from the translation sources.
#include "app/history/historyopen.h"
#include "app/startup/languagechoice.h"
#include "appfixture.h"
#include "data/apppaths.h"
#include "data/exercises.h"
#include "editors/circuitedit.h"
#include "testsupport/testdialogs.h"
#include "ui/dialogs.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialog>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTableView>
#include <QTextDocument>
#include <QTimer>
#include <QTranslator>

#include <filesystem>

namespace {

// One line of text against the room it has; "" when it fits.
QString overflow(const QWidget& widget, const QString& text, int room) {
    const QFontMetrics metrics(widget.font());
    QString found;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        // Blanks at the end of a line take no room anyone sees.
        const int needed = metrics.horizontalAdvance(line.trimmed());
        if (needed > room)
            found += QStringLiteral("%1 \"%2\": %3 px in %4; ")
                         .arg(widget.objectName(), line)
                         .arg(needed)
                         .arg(room);
    }
    return found;
}

// What in `root` does not fit: labels, buttons, group titles, list items,
// memo lines, grid headers and menu entries.
QString overflowsIn(QWidget* root) {
    QString found;
    QList<QWidget*> widgets = root->findChildren<QWidget*>();
    widgets.prepend(root);
    for (QWidget* widget : widgets) {
        if (auto* menu = qobject_cast<QMenu*>(widget)) {
            menu->ensurePolished();
            menu->adjustSize(); // lays out the entries as a popup would
            for (QAction* action : menu->actions()) {
                // The room left of the text: the check mark's column and the margins.
                const int room = menu->actionGeometry(action).width() - 2 * menu->fontMetrics().height();
                found += overflow(*menu, QString(action->text()).remove(QLatin1Char('&')), room);
            }
        } else if (auto* label = qobject_cast<QLabel*>(widget); label && !label->wordWrap() &&
                                                         label->pixmap().isNull()) {
            found += overflow(*label, label->text(), label->contentsRect().width());
        } else if (auto* button = qobject_cast<QAbstractButton*>(widget);
                   button && !button->text().isEmpty()) {
            const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
            found += overflow(*button, button->text(), button->width() - icon - 8);
        } else if (auto* group = qobject_cast<QGroupBox*>(widget)) {
            found += overflow(*group, group->title(), group->width() - 8);
        } else if (auto* list = qobject_cast<QComboBox*>(widget)) {
            for (int i = 0; i < list->count(); ++i)
                found += overflow(*list, list->itemText(i), list->width() - 24);
        } else if (auto* memo = qobject_cast<QPlainTextEdit*>(widget);
                   memo && memo->lineWrapMode() == QPlainTextEdit::NoWrap) {
            const int margins = 2 * static_cast<int>(memo->document()->documentMargin());
            found += overflow(*memo, memo->toPlainText(), memo->viewport()->width() - margins);
        } else if (auto* header = qobject_cast<QHeaderView*>(widget);
                   header && header->orientation() == Qt::Horizontal) {
            for (int i = 0; i < header->count(); ++i) {
                if (header->isSectionHidden(i))
                    continue;
                const QString text =
                    header->model()->headerData(i, header->orientation()).toString();
                found += overflow(*header, text, header->sectionSize(i) - 6);
            }
        }
    }
    return found;
}

class Clipping : public AppFixture {
protected:
    void TearDown() override {
        AppFixture::TearDown();
        QCoreApplication::removeTranslator(&m_translator);
    }

    // The first circuit's "Circuit plan" dialog, opened from its editor.
    QString overflowsInPlanDialog() {
        doubleClickAt(m_main->gridView()->viewport(), cellCentre(0, 0), Qt::LeftButton);
        click(m_main->circuitEditFrame(), "btn_circuitplan");
        QWidget* dialog = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("dlg_circuitplan") && window->isVisible())
                dialog = window;
        if (!dialog)
            return QStringLiteral("the circuit plan dialog did not open; ");
        const QString found = overflowsIn(dialog);
        dialog->close();
        return found;
    }

    // The real message boxes' buttons (OK, Cancel, Yes, No), closed as they show.
    static QString overflowsInMessageBoxes() {
        QString found;
        TestDialogs::uninstall();
        for (const bool yesNo : {false, true}) {
            QTimer::singleShot(0, [&found] {
                QWidget* box = QApplication::activeModalWidget();
                found += box ? overflowsIn(box) : QStringLiteral("no message box; ");
                if (auto* dialog = qobject_cast<QDialog*>(box))
                    dialog->reject();
            });
            if (yesNo)
                Dialogs::ask(nullptr, QStringLiteral("?"));
            else
                Dialogs::confirm(nullptr, QStringLiteral("?"));
        }
        TestDialogs::install();
        return found;
    }

    QTranslator m_translator;
};

TEST_F(Clipping, everyLanguageFitsTheDesignedWindows) {
    std::vector<std::string> languages{""};
    const std::string folder = translationsfolder(programfolder());
    for (const std::string& code : translationsin(folder))
        languages.push_back(code);
    ASSERT_GT(languages.size(), 7u) << "translations missing in " << folder;
    QString found;
    for (const std::string& code : languages) {
        if (!code.empty()) {
            ASSERT_TRUE(m_translator.load(QString::fromStdString(folder + "stridewell_" + code + ".qm")));
            QCoreApplication::installTranslator(&m_translator);
        }
        startProgram();
        clickStartLink();
        showtraininghistory();
        QWidget* history = nullptr;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->objectName() == QLatin1String("form_History"))
                history = window;
        ASSERT_NE(history, nullptr);
        QString here = overflowsIn(m_launcher.get()) + overflowsIn(m_main.get()) + overflowsIn(history);
        history->close();
        here += overflowsInPlanDialog() + overflowsInMessageBoxes();
        if (!here.isEmpty())
            found += QString::fromStdString(code.empty() ? "en" : code) + ": " + here + "\n";
        m_launcher.reset();
        m_main.reset();
        QCoreApplication::removeTranslator(&m_translator);
    }
    EXPECT_TRUE(found.isEmpty()) << found.toStdString();
}

} // namespace

namespace {

// Every text looked up is marked, so a text on screen without the marks was
// never looked up: it is not in the translation sources.
class MarkingTranslator final : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        Q_UNUSED(context)
        Q_UNUSED(disambiguation)
        QString text = QString::fromUtf8(source);
        if (n >= 0)
            text.replace(QLatin1String("%n"), QString::number(n));
        return QStringLiteral("\u2039") + text + QStringLiteral("\u203A");
    }
};

// Numbers, clock digits and separators need no words.
bool wordless(const QString& text) {
    for (const QChar c : text)
        if (c.isLetter())
            return false;
    return true;
}

// What the data say, shown as written: the library's names and descriptions,
// and the circuits' names.
bool fromTheData(const QString& text) {
    const std::string bytes = text.toStdString();
    const ExerciseTable& table = exercisetable();
    for (int i = 0; i < table.librarysize; ++i)
        if (table[i].name == bytes || table[i].description == bytes)
            return true;
    return std::filesystem::exists(circuitsfolder() + bytes + ".cir");
}

// The texts in `root` that were not looked up, as "name: text".
QStringList unmarkedIn(QWidget* root) {
    QStringList found;
    const auto check = [&found](const QWidget& widget, const QString& text) {
        if (!text.isEmpty() && !wordless(text) && !text.contains(QChar(0x2039)) &&
            !fromTheData(text))
            found += widget.objectName() + QStringLiteral(": ") + text;
    };
    for (QWidget* widget : root->findChildren<QWidget*>()) {
        if (auto* label = qobject_cast<QLabel*>(widget))
            check(*label, label->text());
        else if (auto* button = qobject_cast<QAbstractButton*>(widget))
            check(*button, button->text());
        else if (auto* group = qobject_cast<QGroupBox*>(widget))
            check(*group, group->title());
        if (auto* header = qobject_cast<QHeaderView*>(widget);
            header && header->orientation() == Qt::Horizontal)
            for (int i = 0; i < header->count(); ++i)
                check(*header, header->model()->headerData(i, Qt::Horizontal).toString());
        check(*widget, widget->toolTip());
        check(*widget, widget->accessibleName());
    }
    return found;
}

TEST_F(AppFixture, everyTextOnScreenComesFromTheTranslationSources) {
    MarkingTranslator marking;
    QCoreApplication::installTranslator(&marking);
    startProgram();
    clickStartLink();
    QStringList found = unmarkedIn(m_launcher.get()) + unmarkedIn(m_main.get());
    // The runner with a circuit loaded, and the editors.
    selectRow(0);
    click(bar(), "btn_start");
    found += unmarkedIn(m_main.get());
    click(bar(), "btn_exercise");
    found += unmarkedIn(m_main.get());
    // A message box's text is worded too.
    TestDialogs::setNextAnswer(false);
    click(bar(), "btn_remove");
    for (const QString& shown : TestDialogs::takeShown())
        if (!shown.contains(QChar(0x2039)))
            found += QStringLiteral("message: ") + shown;
    QCoreApplication::removeTranslator(&marking);
    found.removeDuplicates();
    EXPECT_TRUE(found.isEmpty()) << found.join(QLatin1Char('\n')).toStdString();
}

} // namespace
