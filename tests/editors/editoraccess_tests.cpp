// The editors as a screen reader and the keyboard alone meet them: every
// control named for what it does, reached by Tab in reading order, and a
// circuit built without the mouse.
#include "editors/circuitedit.h"
#include "editors/circuitinfoform.h"
#include "editors/exerciseframe.h"

#include "data/catalogue.h"
#include "data/exercises.h"
#include "testsupport/accessiblewalk.h"
#include "testsupport/recordingbrowser.h"
#include "testsupport/tempfolder.h"
#include "testsupport/testdialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class NoGrid final : public CircuitGrid {
public:
    void setcell(int, int, const std::string&) override {}
};

std::string joined(const QStringList& texts) {
    return texts.join(QStringLiteral(" | ")).toStdString();
}

std::string objectNames(const QList<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* widget : widgets)
        names += widget->objectName();
    return joined(names);
}

// On this platform a list to pick from gives the entry it shows as its name;
// what it is for comes from its own accessible name, else from the caption it
// is labelled by, which a screen reader reads before it.
QString spokenName(const AccessibleElement& control) {
    if (control.role != QAccessible::ComboBox)
        return control.name;
    if (!control.widget->accessibleName().isEmpty())
        return control.widget->accessibleName();
    QAccessibleInterface* node = QAccessible::queryAccessibleInterface(control.widget);
    const auto labels = node->relations(QAccessible::Label);
    return labels.isEmpty() ? QString() : labels.first().first->text(QAccessible::Name);
}

// "object name=spoken name" of every control, in the order a screen reader walks them.
std::string namedControls(QWidget* root) {
    QStringList named;
    for (const AccessibleElement& control : interactiveElements(root))
        named += control.widget->objectName() + QLatin1Char('=') + spokenName(control);
    return joined(named);
}

// The column heads a screen reader reads with each cell of a grid.
QStringList columnHeads(QWidget* view) {
    QAccessibleTableInterface* table =
        QAccessible::queryAccessibleInterface(view)->tableInterface();
    QStringList heads;
    for (int column = 0; table && column < table->columnCount(); ++column)
        heads += table->columnDescription(column);
    return heads;
}

void showActive(QWidget* window) {
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    // A dialog over its window takes the keys as the desktop hands them over.
    QApplication::setActiveWindow(window);
}

void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

class EditorAccess : public ::testing::Test {
protected:
    EditorAccess() {
        folder.makeApplicationFolder();
        ExerciseTable& table = exercisetable();
        table = ExerciseTable{};
        table[0] = TExercise{5, "Push Up", "Upper Body", "Arms straight.", 1};
        table[1] = TExercise{6, "Crunch", "Abdominal", "Curl up.", 0};
        table[2] = TExercise{7, "Dip", "Upper Body", "Elbows back.", 1};
        table.librarysize = 3;
        TestDialogs::takeShown();
    }
    ~EditorAccess() override { exercisetable() = ExerciseTable{}; }

    QStringList circuitLines(const std::string& name) const {
        QStringList lines = QString::fromStdString(folder.readFile("Circuits/" + name + ".cir"))
                                .split(QStringLiteral("\r\n"));
        if (!lines.isEmpty() && lines.last().isEmpty())
            lines.removeLast();
        return lines;
    }

    TempFolder folder;
    NoGrid grid;
};

TEST_F(EditorAccess, circuitEditor_namesEachControlForItsJobAndTabsInReadingOrder) {
    Tfrm_CircuitEdit editor;
    editor.setCatalogueGrid(&grid);
    editor.newcircuit();
    showActive(&editor);

    // The picture buttons say their action, not the title of their group.
    EXPECT_EQ(
        namedControls(&editor),
        joined(QStringList{"edt_circuitname=Circuit Name", "cmb_circuittype=Circuit Type",
                           "spn_exercise=Exercise Interval", "spn_restint=Rest Interval",
                           "btn_circuitplan=Rounds and times...", "btn_share=Share",
                           "lst_circuitex=Circuits Exercises", "cmb_exercises=Exercise to add",
                           "btn_newexercise=Add", "btn_moveup=Move Up", "btn_movedown=Move Down",
                           "btn_delete=Remove"}));
    const QList<QWidget*> chain = tabOrderOf(&editor);
    EXPECT_EQ(
        objectNames(chain),
        joined(QStringList{"edt_circuitname", "cmb_circuittype", "spn_exercise", "spn_restint",
                           "btn_circuitplan", "btn_share", "lst_circuitex", "cmb_exercises",
                           "btn_newexercise", "btn_moveup", "btn_movedown", "btn_delete"}));
    EXPECT_EQ(accessFaultsIn(&editor, chain).toStdString(), "");
}

TEST_F(EditorAccess, circuitEditor_buildsAndStoresACircuitWithKeysAlone) {
    Tfrm_CircuitEdit editor;
    editor.setCatalogueGrid(&grid);
    editor.newcircuit();
    showActive(&editor);
    editor.findChild<QWidget*>("edt_circuitname")->setFocus(Qt::TabFocusReason);

    press(Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(QApplication::focusWidget(), "Legs");
    int tabs = 0;
    while (QApplication::focusWidget()->objectName() != "cmb_exercises" && tabs++ < 20)
        press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "cmb_exercises");
    press(Qt::Key_Down); // Push Up, Dip: the second of the upper body
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "btn_newexercise");
    press(Qt::Key_Space);
    EXPECT_EQ(joined(circuitLines("Legs")), "Legs | Upper Body | 30 | 15 | Dip");

    // Enter presses the focused button too; Shift+Tab goes back.
    press(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "btn_moveup");
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Tab, Qt::ShiftModifier);
    press(Qt::Key_Up);
    press(Qt::Key_Tab);
    press(Qt::Key_Return);
    EXPECT_EQ(joined(circuitLines("Legs").mid(4)), "Dip | Push Up");
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(EditorAccess, planDialog_opensWithEnterIsNamedThroughoutAndClosesWithEscape) {
    Tfrm_CircuitEdit editor;
    editor.setCatalogueGrid(&grid);
    editor.newcircuit();
    showActive(&editor);
    editor.findChild<QWidget*>("btn_circuitplan")->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    QPointer<QDialog> dialog = editor.findChild<QDialog*>("dlg_circuitplan");
    ASSERT_TRUE(dialog && dialog->isVisible());
    showActive(dialog);

    const QList<QWidget*> chain = tabOrderOf(dialog);
    EXPECT_EQ(accessFaultsIn(dialog, chain).toStdString(), "");
    EXPECT_EQ(columnHeads(dialog->findChild<QTableView*>("grd_plan")).value(0).toStdString(),
              "Exercise");

    dialog->findChild<QWidget*>("spn_rounds")->setFocus();
    press(Qt::Key_Escape);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(dialog.isNull());
}

TEST_F(EditorAccess, informationPanel_namesListDescriptionLinkAndShare) {
    folder.writeFile("Circuits/Arms.cir", "Arms\r\nUpper Body\r\n30\r\n15\r\nPush Up\r\nDip\r\n");
    RecordingBrowser browser;
    Tfrm_CircuitInfo panel;
    panel.setBrowser(browser);
    panel.showcircuitinfo(folder.path() + "Circuits/Arms.cir");
    showActive(&panel);
    auto* list = panel.findChild<QListWidget*>("lst_exercises");
    list->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Down); // the keyboard selects a line as a click does: the link shows

    EXPECT_EQ(
        namedControls(&panel),
        joined(QStringList{"lst_exercises=Exercises", "mmo_exdescription=Exercise description",
                           "lbl_openbrowser=Click here for more information on the selected "
                           "exercise.",
                           "btn_share=Share"}));
    const QList<QWidget*> chain = tabOrderOf(&panel);
    EXPECT_EQ(objectNames(chain), joined(QStringList{"lst_exercises", "mmo_exdescription",
                                                     "lbl_openbrowser", "btn_share"}));
    EXPECT_EQ(accessFaultsIn(&panel, chain).toStdString(), "");
}

TEST_F(EditorAccess, exerciseEditor_namesGridColumnsFieldsAndTools) {
    folder.writeFile("exercises.lst", "10\r\nPush Up\r\nUpper Body\r\nArms straight\r\n0\r\n");
    Tfrm_ExerciseFrame editor;
    editor.loadexercises();
    showActive(&editor);

    EXPECT_EQ(
        namedControls(&editor),
        joined(QStringList{"grd_circuits=Exercise library", "txt_exname=Exercise Name",
                           "txt_extype=Exercise Type", "mmo_exdescription=Exercise Description",
                           "btn_save=Save the exercise library", "btn_newex=Add a new exercise",
                           "btn_deleteex=Delete the selected exercise"}));
    auto* grid = editor.findChild<QTableView*>("grd_circuits");
    EXPECT_EQ(joined(columnHeads(grid)), "Exercise Name | Type | Exercise Description");
    const QList<QWidget*> chain = tabOrderOf(&editor);
    EXPECT_EQ(objectNames(chain),
              joined(QStringList{"grd_circuits", "txt_exname", "txt_extype", "mmo_exdescription",
                                 "btn_save", "btn_newex", "btn_deleteex"}));
    EXPECT_EQ(accessFaultsIn(&editor, chain).toStdString(), "");
}

} // namespace
