// The circuit editor frame driven with real keys and clicks.
#include "editors/circuitedit.h"

#include "data/catalogue.h"
#include "data/exercises.h"
#include "testsupport/tempfolder.h"
#include "testsupport/testdialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>

namespace {

class CellGrid final : public CircuitGrid {
public:
    std::map<std::pair<int, int>, std::string> cells;
    void setcell(int column, int row, const std::string& text) override {
        cells[{column, row}] = text;
    }
};

QStringList fileLines(const TempFolder& folder, const std::string& name) {
    QString text = QString::fromStdString(folder.readFile("Circuits/" + name + ".cir"));
    QStringList lines = text.split(QStringLiteral("\r\n"));
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

class CircuitEditFrameTest : public ::testing::Test {
protected:
    CircuitEditFrameTest() {
        folder.makeApplicationFolder();
        ExerciseTable& table = exercisetable();
        table = ExerciseTable{};
        table[0] = TExercise{5, "Push Up", "Upper Body", "", 0};
        table[1] = TExercise{6, "Crunch", "Abdominal", "", 0};
        table[2] = TExercise{7, "Dip", "Upper Body", "", 0};
        table.librarysize = 3;
        frame.setCatalogueGrid(&grid);
        TestDialogs::takeShown();
    }
    ~CircuitEditFrameTest() override { exercisetable() = ExerciseTable{}; }

    template <class T> T* child(const char* name) const {
        T* found = frame.findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    QLineEdit* nameField() const { return child<QLineEdit>("edt_circuitname"); }
    QSpinBox* spin(const char* name) const { return child<QSpinBox>(name); }
    static QLineEdit* editorOf(QSpinBox* box) { return box->findChild<QLineEdit*>(); }
    static void typeOver(QSpinBox* box, const QString& keys) {
        editorOf(box)->selectAll();
        QTest::keyClicks(box, keys);
    }
    void leaveNameField() const {
        QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
        QApplication::sendEvent(nameField(), &out);
    }

    TempFolder folder;
    CellGrid grid;
    Tfrm_CircuitEdit frame;
};

TEST_F(CircuitEditFrameTest, typingAName_renamesPerKeyAndStoresWholeNameOnLeaving) {
    frame.newcircuit();
    ASSERT_EQ(fileLines(folder, "New Circuit"),
              (QStringList{"New Circuit", "Upper Body", "30", "15"}));
    EXPECT_EQ(grid.cells[std::make_pair(0, 0)], "New Circuit");

    nameField()->selectAll();
    QTest::keyClicks(nameField(), "Legs");

    EXPECT_FALSE(folder.exists("Circuits/New Circuit.cir"));
    EXPECT_FALSE(folder.exists("Circuits/Leg.cir"));
    // Line 1 is the file's name at every key, and the grid follows.
    EXPECT_EQ(fileLines(folder, "Legs").value(0), "Legs");
    EXPECT_EQ(grid.cells[std::make_pair(0, 0)], "Legs");

    leaveNameField();
    EXPECT_EQ(fileLines(folder, "Legs").value(0), "Legs");
    EXPECT_EQ(grid.cells[std::make_pair(0, 0)], "Legs");
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(CircuitEditFrameTest, refusedNameWhileTyping_isSaidBesideTheFieldAndNoKeyIsLost) {
    frame.show(); // a hidden editor takes no leaving of the field
    frame.newcircuit();
    auto* problem = child<QLabel>("lbl_nameproblem");
    nameField()->selectAll();
    QTest::keyClicks(nameField(), "Arms/Legs");

    EXPECT_EQ(nameField()->text(), QStringLiteral("Arms/Legs"));
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
    EXPECT_FALSE(problem->isHidden());
    EXPECT_TRUE(problem->text().contains(QLatin1Char('/')));
    EXPECT_TRUE(folder.exists("Circuits/Arms.cir")); // the last valid name, stored

    // Leaving the field says once that the circuit keeps its settled name.
    leaveNameField();
    const QStringList shown = TestDialogs::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("keeps its name \"New Circuit\"")));
    EXPECT_EQ(nameField()->text(), QStringLiteral("New Circuit"));
    EXPECT_TRUE(problem->isHidden());
    EXPECT_TRUE(folder.exists("Circuits/New Circuit.cir"));
    EXPECT_FALSE(folder.exists("Circuits/Arms.cir"));
}

TEST_F(CircuitEditFrameTest, focusLostToAnotherWindow_isNotLeavingTheField) {
    frame.newcircuit();
    nameField()->selectAll();
    QTest::keyClicks(nameField(), "Ab");
    QFocusEvent away(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
    ASSERT_EQ(fileLines(folder, "Ab").value(0), "Ab");
    std::filesystem::remove(folder.path() + "Circuits/Ab.cir");
    QApplication::sendEvent(nameField(), &away);
    EXPECT_FALSE(folder.exists("Circuits/Ab.cir")); // nothing was stored
}

TEST_F(CircuitEditFrameTest, typingIntoTheExerciseInterval_clampsToTheRange) {
    frame.newcircuit();
    QSpinBox* exercise = spin("spn_exercise");

    typeOver(exercise, "20000");
    EXPECT_EQ(exercise->text(), "10000");
    EXPECT_EQ(fileLines(folder, "New Circuit").value(2), "10000");
    EXPECT_EQ(frame.workingcircuit().exerciseinterval, 10000u);

    editorOf(exercise)->selectAll();
    QTest::keyClick(exercise, Qt::Key_Backspace);
    EXPECT_EQ(exercise->text(), "1");
    EXPECT_EQ(fileLines(folder, "New Circuit").value(2), "1");

    // Letters are not whole numbers: the field does not take them.
    QTest::keyClicks(exercise, "x");
    EXPECT_EQ(exercise->text(), "1");
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(CircuitEditFrameTest, arrowsStepByOneWithinTheRange) {
    frame.newcircuit();
    QSpinBox* rest = spin("spn_restint");
    QTest::keyClick(rest, Qt::Key_Up);
    EXPECT_EQ(rest->text(), "16");
    EXPECT_EQ(fileLines(folder, "New Circuit").value(3), "16");

    typeOver(rest, "100000");
    QTest::keyClick(rest, Qt::Key_Up);
    EXPECT_EQ(rest->text(), "100000");
    typeOver(rest, "2");
    QTest::keyClick(rest, Qt::Key_Down);
    QTest::keyClick(rest, Qt::Key_Down);
    EXPECT_EQ(rest->text(), "1");
    EXPECT_EQ(fileLines(folder, "New Circuit").value(3), "1");
}

TEST_F(CircuitEditFrameTest, typePickAndListButtons_storeEachChange) {
    frame.newcircuit();
    auto* type = child<QComboBox>("cmb_circuittype");
    auto* choices = child<QComboBox>("cmb_exercises");
    auto* lines = child<QListWidget>("lst_circuitex");

    QTest::mouseClick(child<QPushButton>("btn_newexercise"), Qt::LeftButton);
    choices->setCurrentIndex(1);
    QTest::mouseClick(child<QPushButton>("btn_newexercise"), Qt::LeftButton);
    ASSERT_EQ(lines->count(), 2);
    EXPECT_EQ(fileLines(folder, "New Circuit").mid(4), (QStringList{"Push Up", "Dip"}));

    lines->setCurrentRow(1);
    QTest::mouseClick(child<QPushButton>("btn_moveup"), Qt::LeftButton);
    EXPECT_EQ(lines->item(0)->text(), "Dip");
    EXPECT_EQ(lines->currentRow(), 0);
    EXPECT_EQ(fileLines(folder, "New Circuit").mid(4), (QStringList{"Dip", "Push Up"}));

    QTest::mouseClick(child<QPushButton>("btn_delete"), Qt::LeftButton);
    EXPECT_EQ(fileLines(folder, "New Circuit").mid(4), QStringList{"Push Up"});
    EXPECT_EQ(lines->currentRow(), -1);

    QTest::keyClick(type, Qt::Key_Down); // the user's pick
    EXPECT_EQ(type->currentText(), "Abdominal");
    EXPECT_EQ(fileLines(folder, "New Circuit").value(1), "Abdominal");
    EXPECT_EQ(choices->count(), 1);
    EXPECT_EQ(choices->currentText(), "Crunch");
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(CircuitEditFrameTest, emptyName_isReportedThroughTheMessageDialog) {
    frame.newcircuit();
    nameField()->selectAll();
    QTest::keyClick(nameField(), Qt::Key_Backspace);
    QTest::keyClicks(spin("spn_exercise"), "5");
    EXPECT_EQ(TestDialogs::takeShown(), QStringList{"Circuit needs a name before modifying it."});
    EXPECT_EQ(spin("spn_exercise")->text(), "30");
}

TEST_F(CircuitEditFrameTest, failedWriteInAReaction_isReportedNotThrown) {
    frame.newcircuit();
    const std::string path = folder.path() + "Circuits/New Circuit.cir";
    std::filesystem::remove(path);
    std::filesystem::create_directory(path); // the write cannot replace a folder

    typeOver(spin("spn_restint"), "7");
    const QStringList shown = TestDialogs::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_FALSE(shown[0].isEmpty());
}

TEST_F(CircuitEditFrameTest, modifyCircuit_showsTheStoredCircuit) {
    folder.writeFile("Circuits/Core.cir", "Core\r\nAbdominal\r\n40\r\n20\r\nCrunch\r\nGone\r\n");
    frame.modifycircuit(folder.path() + "Circuits/Core.cir");

    EXPECT_EQ(nameField()->text(), "Core");
    EXPECT_EQ(child<QComboBox>("cmb_circuittype")->currentText(), "Abdominal");
    EXPECT_EQ(spin("spn_exercise")->text(), "40");
    EXPECT_EQ(spin("spn_restint")->text(), "20");
    EXPECT_EQ(child<QListWidget>("lst_circuitex")->count(), 2);
    EXPECT_EQ(child<QComboBox>("cmb_exercises")->currentText(), "Crunch");
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(CircuitEditFrameTest, roundsAndTimes_okStoresWhatWasTypedAndCancelNothing) {
    frame.show();
    frame.newcircuit();
    QTest::mouseClick(child<QPushButton>("btn_newexercise"), Qt::LeftButton);
    const std::string before = folder.readFile("Circuits/New Circuit.cir");
    auto* button = child<QPushButton>("btn_circuitplan");
    const auto openPlan = [&] {
        QTest::mouseClick(button, Qt::LeftButton);
        return QPointer<QDialog>(frame.findChild<QDialog*>(QStringLiteral("dlg_circuitplan")));
    };
    const auto gone = [](const QPointer<QDialog>& dialog) {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return dialog.isNull();
    };

    QPointer<QDialog> dialog = openPlan();
    ASSERT_TRUE(dialog);
    EXPECT_TRUE(dialog->isVisible() && dialog->isModal());
    EXPECT_EQ(dialog->windowTitle(), "Circuit plan");
    dialog->findChild<QSpinBox*>("spn_rounds")->setValue(5);
    QTest::keyClick(dialog, Qt::Key_Escape);
    EXPECT_TRUE(gone(dialog));
    EXPECT_EQ(folder.readFile("Circuits/New Circuit.cir"), before);

    dialog = openPlan();
    ASSERT_TRUE(dialog);
    QSpinBox* rounds = dialog->findChild<QSpinBox*>("spn_rounds");
    EXPECT_EQ(rounds->accessibleName(), "Rounds");
    editorOf(rounds)->selectAll();
    QTest::keyClicks(rounds, "4");
    auto* table = dialog->findChild<QTableView*>("grd_plan");
    const QModelIndex rest = table->model()->index(0, 1);
    const QModelIndex work = table->model()->index(0, 2);
    EXPECT_EQ(rest.data().toString(), "15"); // the circuit's, greyed; its editor opens empty
    EXPECT_TRUE(rest.data(Qt::EditRole).toString().isEmpty());
    table->edit(work);
    auto* cell = qobject_cast<QLineEdit*>(table->indexWidget(work));
    ASSERT_NE(cell, nullptr);
    QTest::keyClicks(cell, "40");
    QTest::keyClick(cell, Qt::Key_Return); // commits the cell, not the dialog
    QCoreApplication::processEvents();
    ASSERT_FALSE(gone(dialog));
    EXPECT_EQ(work.data().toString(), "40");
    table->edit(rest); // emptied: stays the circuit's
    QTest::keyClick(qobject_cast<QLineEdit*>(table->indexWidget(rest)), Qt::Key_Return);
    QCoreApplication::processEvents();

    auto* buttons = dialog->findChild<QDialogButtonBox*>();
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    EXPECT_TRUE(gone(dialog));
    EXPECT_EQ(fileLines(folder, "New Circuit").mid(2),
              (QStringList{"30 rounds=4", "15", "Push Up\twork=40"}));
    EXPECT_EQ(frame.workingcircuit().keys.rounds, 4u);
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());

    // A typing slip in a cell: OK says so and stays.
    dialog = openPlan();
    ASSERT_TRUE(dialog);
    table = dialog->findChild<QTableView*>("grd_plan");
    table->model()->setData(table->model()->index(0, 4), QStringLiteral("3"));
    buttons = dialog->findChild<QDialogButtonBox*>();
    QTest::mouseClick(buttons->button(QDialogButtonBox::Ok), Qt::LeftButton);
    const QStringList shown = TestDialogs::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].contains(QStringLiteral("\"Push Up\", column \"Sides\"")));
    EXPECT_FALSE(gone(dialog));
    EXPECT_EQ(dialog->findChild<QLabel*>("lbl_planproblem")->text(), shown[0]);
    dialog->reject();

    frame.releaseifedited(folder.path() + "Circuits/New Circuit.cir");
    EXPECT_FALSE(button->isEnabled());
}

} // namespace
