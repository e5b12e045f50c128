#include "editors/exerciseframe.h"

#include "data/exercises.h"
#include "testsupport/tempfolder.h"
#include "testsupport/testdialogs.h"
#include "ui/clickablelabel.h"

#include <QAbstractItemModel>
#include <QComboBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QTableView>
#include <QTest>
#include <gtest/gtest.h>

#include <filesystem>
#include <memory>

namespace {

std::string record(uint32_t number, const std::string& name, const std::string& type,
                   const std::string& description) {
    return std::to_string(number) + "\r\n" + name + "\r\n" + type + "\r\n" + description +
           "\r\n0\r\n";
}

const std::string kLibrary = record(10, "Push Up", "Upper Body", "Arms straight") +
                             record(20, "Crunch", "Abdominal", "Knees bent") +
                             record(30, "Squat", "Lower Body", "Back straight");

class ExerciseFrame : public ::testing::Test {
protected:
    void SetUp() override {
        folder.makeApplicationFolder();
        TestDialogs::takeShown();
        frame = std::make_unique<Tfrm_ExerciseFrame>();
        grid = frame->findChild<QTableView*>("grd_circuits");
        name = frame->findChild<QLineEdit*>("txt_exname");
        type = frame->findChild<QComboBox*>("txt_extype");
        description = frame->findChild<QPlainTextEdit*>("mmo_exdescription");
        ASSERT_TRUE(grid && name && type && description);
        frame->show();
    }

    void load(const std::string& bytes) {
        folder.writeFile("exercises.lst", bytes);
        frame->loadexercises();
    }

    std::string file() const { return folder.readFile("exercises.lst"); }
    QString cell(int row, int column) const {
        return grid->model()->index(row, column).data().toString();
    }
    void clickRow(int row) {
        const QRect rect = grid->visualRect(grid->model()->index(row, 0));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, rect.center());
    }
    void clickTool(const char* objectName) {
        auto* tool = frame->findChild<ClickableLabel*>(objectName);
        ASSERT_NE(tool, nullptr);
        QTest::mouseClick(tool, Qt::LeftButton);
    }
    // Through the window, as the platform delivers it, so it travels up to
    // the parents that track the mouse.
    void moveOver(QWidget* widget, QPoint at) { QTest::mouseMove(widget, at); }
    QImage toolImage(const char* objectName) const {
        return frame->findChild<QLabel*>(objectName)->pixmap().toImage();
    }

    TempFolder folder;
    std::unique_ptr<Tfrm_ExerciseFrame> frame;
    QTableView* grid = nullptr;
    QLineEdit* name = nullptr;
    QComboBox* type = nullptr;
    QPlainTextEdit* description = nullptr;
};

TEST_F(ExerciseFrame, design_controlsAtTheirPlaces) {
    EXPECT_EQ(frame->size(), QSize(575, 335));
    EXPECT_EQ(grid->geometry(), QRect(0, 41, 575, 105));
    EXPECT_EQ(grid->columnWidth(0), 150);
    EXPECT_EQ(grid->columnWidth(1), 104);
    EXPECT_EQ(grid->columnWidth(2), 349);
    EXPECT_EQ(grid->model()->rowCount(), 500);
    EXPECT_EQ(name->width(), 193);
    EXPECT_EQ(type->width(), 145);
    EXPECT_EQ(description->size(), QSize(561, 41));
    EXPECT_EQ(type->count(), 4);
    EXPECT_EQ(type->itemText(3), "Multiple Area Workout");
    EXPECT_EQ(frame->findChild<QLabel*>("Panel6")->text(), "   Exercise Editor");

    auto* save = frame->findChild<ClickableLabel*>("btn_save");
    ASSERT_NE(save, nullptr);
    EXPECT_EQ(save->size(), QSize(38, 34));
    EXPECT_EQ(save->toolTip(), "Save the exercise library");
    EXPECT_EQ(frame->findChild<ClickableLabel*>("btn_newex")->toolTip(), "Add a new exercise");
    EXPECT_EQ(frame->findChild<ClickableLabel*>("btn_deleteex")->toolTip(),
              "Delete the selected exercise");
    EXPECT_FALSE(frame->findChild<QLabel*>("btn_save2")->isVisible());
    EXPECT_EQ(toolImage("btn_save"), toolImage("btn_save1"));
}

// Inside their designed boxes the grid ends on a whole row and the type box
// has room for its longest type.
TEST_F(ExerciseFrame, gridAndTypeBox_showWholeRowsAndWholeTypes) {
    std::string library; // more records than the grid shows
    for (uint32_t number = 1; number <= 12; ++number)
        library += record(number, "Move " + std::to_string(number), "Upper Body", "Slowly");
    load(library);
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
    const int shownHeight = grid->viewport()->height();
    const int row = grid->rowHeight(0);
    EXPECT_GE(row, grid->fontMetrics().height()) << "a row holds its text";
    EXPECT_EQ(shownHeight % row, 0) << shownHeight << " px in rows of " << row;
    // The last row shown ends, grid line and all, at the foot of the grid.
    const auto lastRowEnd = [this, shownHeight] {
        const int last = grid->rowAt(shownHeight - 1);
        return last < 0 ? -1 : grid->rowViewportPosition(last) + grid->rowHeight(last);
    };
    EXPECT_EQ(lastRowEnd(), shownHeight);
    // Scrolled down a page, the grid still ends on a whole row.
    QTest::keyClick(grid, Qt::Key_PageDown);
    EXPECT_GT(grid->rowAt(0), 0);
    EXPECT_EQ(lastRowEnd(), shownHeight);

    QStyleOptionComboBox option;
    option.initFrom(type);
    option.frame = true;
    option.editable = false;
    option.subControls = QStyle::SC_All;
    const QRect field = type->style()->subControlRect(QStyle::CC_ComboBox, &option,
                                                      QStyle::SC_ComboBoxEditField, type);
    const QRect arrow =
        type->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxArrow, type);
    EXPECT_LT(field.right(), arrow.left());
    EXPECT_TRUE(type->rect().contains(field));
    // The style draws the text a pixel inside the field on either side.
    const int room = field.width() - 2;
    for (int i = 0; i < type->count(); ++i)
        EXPECT_LE(type->fontMetrics().horizontalAdvance(type->itemText(i)), room)
            << type->itemText(i).toStdString();
}

TEST_F(ExerciseFrame, load_fillsGridAndFields) {
    load(kLibrary);
    EXPECT_EQ(grid->model()->rowCount(), 3);
    EXPECT_EQ(cell(1, 0), "Crunch");
    EXPECT_EQ(cell(2, 1), "Lower Body");
    EXPECT_EQ(cell(2, 2), "Back straight");
    EXPECT_EQ(name->text(), "Push Up");
    EXPECT_EQ(type->currentText(), "Upper Body");
    EXPECT_EQ(description->toPlainText(), "Arms straight");
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(file(), kLibrary);
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(ExerciseFrame, load_typeOutsideList_showsNoItem) {
    load(record(1, "Jog", "Cardio", "Easy"));
    EXPECT_EQ(type->currentIndex(), -1);
    EXPECT_EQ(file(), record(1, "Jog", "Cardio", "Easy"));
}

TEST_F(ExerciseFrame, clickingRow_showsItsRecord) {
    load(kLibrary);
    clickRow(2);
    EXPECT_EQ(exercisetable().selectedexercise, 2);
    EXPECT_EQ(name->text(), "Squat");
    EXPECT_EQ(type->currentText(), "Lower Body");
    EXPECT_EQ(description->toPlainText(), "Back straight");
    EXPECT_EQ(file(), kLibrary);
}

TEST_F(ExerciseFrame, keyboardMove_actsAsClick) {
    load(kLibrary);
    grid->setFocus();
    QTest::keyClick(grid, Qt::Key_Down);
    EXPECT_EQ(exercisetable().selectedexercise, 1);
    EXPECT_EQ(name->text(), "Crunch");
}

TEST_F(ExerciseFrame, typingDescription_savesEachKeystroke) {
    load(kLibrary);
    clickRow(1);
    description->moveCursor(QTextCursor::End);
    QTest::keyClick(description, Qt::Key_Exclam);
    EXPECT_EQ(exercisetable()[1].description, "Knees bent!");
    EXPECT_NE(file().find("Knees bent!\r\n"), std::string::npos);
    QTest::keyClick(description, Qt::Key_Backspace);
    EXPECT_EQ(file(), kLibrary);
    QTest::keyClicks(description, " low");
    EXPECT_EQ(cell(1, 2), "Knees bent low");
    EXPECT_NE(file().find("Knees bent low\r\n"), std::string::npos);
}

TEST_F(ExerciseFrame, enterInDescription_isRefused) {
    load(kLibrary);
    description->moveCursor(QTextCursor::End);
    QTest::keyClick(description, Qt::Key_Return);
    QTest::keyClick(description, Qt::Key_Enter);
    EXPECT_EQ(description->toPlainText(), "Arms straight");
    EXPECT_EQ(file(), kLibrary);
}

TEST_F(ExerciseFrame, pastedLinesInDescription_becomeOneLine) {
    load(kLibrary);
    description->moveCursor(QTextCursor::End);
    description->insertPlainText(", elbows in\nslowly");
    EXPECT_EQ(description->toPlainText(), "Arms straight, elbows in slowly");
    EXPECT_EQ(exercisetable()[0].description, "Arms straight, elbows in slowly");
    EXPECT_NE(file().find("Upper Body\r\nArms straight, elbows in slowly\r\n0\r\n20\r\n"),
              std::string::npos);
}

TEST_F(ExerciseFrame, clearingName_putsItBack) {
    load(kLibrary);
    name->setFocus();
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    EXPECT_EQ(name->text(), "Push Up");
    EXPECT_EQ(exercisetable()[0].name, "Push Up");
    EXPECT_EQ(file(), kLibrary);
}

TEST_F(ExerciseFrame, typingName_renamesRecordInGridAndFile) {
    load(kLibrary);
    name->setFocus();
    name->end(false);
    QTest::keyClicks(name, "s");
    EXPECT_EQ(cell(0, 0), "Push Ups");
    EXPECT_NE(file().find("10\r\nPush Ups\r\n"), std::string::npos);
}

TEST_F(ExerciseFrame, renameThenLeavingFieldAndFront_asksOnceAndReportsTheChange) {
    folder.writeFile("Circuits/core.cir", "Core\r\nAbdominal\r\n30\r\n10\r\nPush Up\r\n");
    load(kLibrary);
    QSignalSpy changes(frame.get(), &Tfrm_ExerciseFrame::libraryChanged);
    frame->activateWindow(); // focus moves only within the active window
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Press Up");
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());

    TestDialogs::setNextAnswer(true);
    description->setFocus(); // the name field is left
    frame->hide();
    EXPECT_EQ(TestDialogs::takeShown(),
              QStringList{"1 circuit uses \"Push Up\". Rename it to \"Press Up\" in that circuit "
                          "too?"});
    EXPECT_EQ(changes.count(), 1);
    EXPECT_EQ(folder.readFile("Circuits/core.cir"),
              "Core\r\nAbdominal\r\n30\r\n10\r\nPress Up\r\n");
}

TEST_F(ExerciseFrame, pickingType_storesIt) {
    load(kLibrary);
    type->setFocus();
    QTest::keyClick(type, Qt::Key_Down); // the user's pick from the keyboard
    EXPECT_EQ(type->currentText(), "Abdominal");
    EXPECT_EQ(exercisetable()[0].extype, "Abdominal");
    EXPECT_EQ(cell(0, 1), "Abdominal");
    EXPECT_NE(file().find("Push Up\r\nAbdominal\r\n"), std::string::npos);
}

TEST_F(ExerciseFrame, newButton_addsAndSelectsNewExercise) {
    load(kLibrary);
    clickTool("btn_newex");
    EXPECT_EQ(grid->model()->rowCount(), 4);
    EXPECT_EQ(grid->currentIndex().row(), 3);
    EXPECT_EQ(cell(3, 0), "New Exercise");
    EXPECT_EQ(name->text(), "New Exercise");
    EXPECT_EQ(type->currentIndex(), -1);
    EXPECT_EQ(description->toPlainText(), "Enter a description for your new exercise");
    EXPECT_EQ(file(), kLibrary + record(30 + 250 + 3, "New Exercise", "",
                                        "Enter a description for your new exercise"));
}

TEST_F(ExerciseFrame, deleteButton_removesSelectedAndShowsRowZero) {
    load(kLibrary);
    clickRow(1);
    clickTool("btn_deleteex");
    EXPECT_EQ(grid->model()->rowCount(), 2);
    EXPECT_EQ(grid->currentIndex().row(), 0);
    EXPECT_EQ(cell(1, 0), "Squat");
    EXPECT_EQ(name->text(), "Push Up");
    EXPECT_EQ(file(), record(10, "Push Up", "Upper Body", "Arms straight") +
                          record(30, "Squat", "Lower Body", "Back straight"));
}

TEST_F(ExerciseFrame, saveButton_rewritesFile) {
    load(kLibrary);
    std::filesystem::remove(folder.path() + "exercises.lst");
    clickTool("btn_save");
    EXPECT_EQ(file(), kLibrary);
}

TEST_F(ExerciseFrame, failingSave_isReportedNotThrown) {
    load(kLibrary);
    std::filesystem::remove(folder.path() + "exercises.lst");
    std::filesystem::create_directory(folder.path() + "exercises.lst");
    description->moveCursor(QTextCursor::End);
    QTest::keyClick(description, Qt::Key_Period);
    EXPECT_EQ(TestDialogs::takeShown().size(), 1);
    EXPECT_EQ(exercisetable()[0].description, "Arms straight.");
}

TEST_F(ExerciseFrame, latin1Record_staysByteIdenticalWhenShownAndNeighbourEdited) {
    const std::string library =
        record(1, "Caf\xE9 Dip", "Upper Body", "\xA0Slow \xE9") + record(2, "Step", "Lower Body",
                                                                         "Up\xC2\xA0"
                                                                         "and down");
    load(library);
    EXPECT_EQ(name->text(), QString::fromLatin1("Caf\xE9 Dip"));
    clickRow(1);
    EXPECT_EQ(file(), library);
    description->moveCursor(QTextCursor::End);
    QTest::keyClick(description, Qt::Key_Exclam);
    EXPECT_EQ(file(), record(1, "Caf\xE9 Dip", "Upper Body", "\xA0Slow \xE9") +
                          record(2, "Step", "Lower Body",
                                 "Up\xC2\xA0"
                                 "and down!"));
}

TEST_F(ExerciseFrame, hover_swapsPicturesAndToolBarRestores) {
    auto* save = frame->findChild<ClickableLabel*>("btn_save");
    auto* newex = frame->findChild<ClickableLabel*>("btn_newex");
    moveOver(save, {5, 5});
    EXPECT_EQ(toolImage("btn_save"), toolImage("btn_save2"));
    moveOver(newex, {5, 5});
    EXPECT_EQ(toolImage("btn_save"), toolImage("btn_save1"));
    EXPECT_EQ(toolImage("btn_newex"), toolImage("btn_newex2"));
    moveOver(frame->findChild<QWidget*>("ToolBar1"), {400, 20});
    EXPECT_EQ(toolImage("btn_newex"), toolImage("btn_newex1"));
}

} // namespace
