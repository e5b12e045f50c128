// The program with files it did not write beside it, and a second copy on the
// same folder: nothing the user has is lost.
#include "appfixture.h"

#include "app/mainwindow/circuitgridmodel.h"
#include "app/startup/instancelock.h"
#include "data/apppaths.h"
#include "editors/circuitedit.h"
#include "editors/circuitinfoform.h"
#include "editors/exerciseframe.h"
#include "testsupport/testdialogs.h"

#include <QApplication>
#include <QLineEdit>
#include <QSysInfo>
#include <QTableView>
#include <QTest>

#include <filesystem>
#include <fstream>
#include <sys/wait.h>
#include <unistd.h>

namespace {

std::string readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

std::string firstLine(const std::string& path) {
    const std::string bytes = readBytes(path);
    return bytes.substr(0, bytes.find('\r'));
}

// The widget that takes the user's next keystroke.
QWidget* keyTarget(QWidget* window) {
    QWidget* focus = QApplication::focusWidget();
    return focus ? focus : window;
}

} // namespace

TEST_F(AppFixture, handMadeFiles_startGoesOnAndTheLibraryIsNeverOverwritten) {
    // A circuit with a non-numeric interval sorts first; the library has one
    // mistyped online line.
    m_folder.writeFile("Circuits/Broken.cir", "Broken\r\nUpper Body\r\nthirty\r\n10\r\n");
    const std::string library =
        readBytes(exerciselibrarypath()) + "900\r\nTypo\r\nAbdominal\r\nText\r\nyes\r\n";
    m_folder.writeFile("exercises.lst", library);
    startProgram();

    clickStartLink();

    const QStringList shown = TestDialogs::takeShown();
    ASSERT_EQ(shown.size(), 2) << shown.join('|').toStdString();
    EXPECT_TRUE(shown[0].contains(QStringLiteral("Broken.cir (Invalid numeric input)")));
    EXPECT_EQ(shown[1], QStringLiteral("Invalid numeric input"));
    for (int row = 0; row < starterCircuits(); ++row)
        EXPECT_TRUE(fileexists(cell(row, 4))) << row; // every other circuit is listed
    EXPECT_EQ(cell(starterCircuits(), 4), "");

    // New, Delete and Save are refused, naming the file and the reason, and
    // the file stays byte for byte.
    click(bar(), "btn_exercise");
    for (const char* tool : {"btn_newex", "btn_deleteex", "btn_save"}) {
        click(m_main->exerciseFrame(), tool);
        const QStringList refusals = TestDialogs::takeShown();
        ASSERT_FALSE(refusals.isEmpty()) << tool;
        EXPECT_TRUE(refusals.last().contains(QString::fromStdString(exerciselibrarypath())));
        EXPECT_TRUE(refusals.last().contains(QStringLiteral("Invalid numeric input")));
        EXPECT_EQ(readBytes(exerciselibrarypath()), library) << tool;
    }
}

TEST_F(AppFixture, renamingThenPressingABarButton_storesTheWholeNameAndFocusStaysInFront) {
    startProgram();
    clickStartLink();
    m_main->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main.get()));
    const std::string name = cell(0, 0);
    QTableView* grid = m_main->gridView();
    selectRow(0);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                       grid->visualRect(m_main->grid()->index(0, 0)).center());
    ASSERT_EQ(frontFrame(), m_main->circuitEditFrame());
    auto* field = m_main->findChild<QLineEdit*>(QStringLiteral("edt_circuitname"));
    field->setFocus();
    field->end(false);
    QTest::keyClicks(field, "X");

    click(bar(), "btn_info");

    // Line 1 holds the whole name, and the grid lists the file as it is now.
    const std::string renamed = circuitsfolder() + name + "X.cir";
    EXPECT_EQ(firstLine(renamed), name + "X");
    EXPECT_FALSE(fileexists(circuitsfolder() + name + ".cir"));
    int row = 0;
    while (row < starterCircuits() && cell(row, 4) != renamed)
        ++row;
    ASSERT_LT(row, starterCircuits());
    EXPECT_TRUE(fileexists(cell(row, 4)));

    // Nothing typed from here reaches the hidden editor, Tab included.
    EXPECT_FALSE(m_main->circuitEditFrame()->isAncestorOf(QApplication::focusWidget()));
    for (int tab = 0; tab < 30; ++tab) {
        QTest::keyClick(keyTarget(m_main.get()), Qt::Key_Tab);
        ASSERT_FALSE(m_main->circuitEditFrame()->isAncestorOf(QApplication::focusWidget())) << tab;
    }
    // Once inside the front frame, Tab goes round within it.
    EXPECT_TRUE(m_main->circuitInfoFrame()->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(keyTarget(m_main.get()), Qt::Key_Backspace);
    QTest::keyClicks(keyTarget(m_main.get()), "z");
    EXPECT_FALSE(fileexists(circuitsfolder() + "z.cir"));
    EXPECT_TRUE(fileexists(renamed));

    // A text set without keystrokes (as an accessibility client does) runs
    // the change reaction like typing: no second file keeps the old name.
    selectRow(row);
    QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {},
                       grid->visualRect(m_main->grid()->index(row, 0)).center());
    ASSERT_EQ(frontFrame(), m_main->circuitEditFrame());
    field->setText(QString::fromStdString(name + "Y"));
    click(bar(), "btn_exercise");
    EXPECT_EQ(firstLine(circuitsfolder() + name + "Y.cir"), name + "Y");
    EXPECT_FALSE(fileexists(renamed));
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());

    // Closing the window stores what the name field shows, as leaving it does.
    click(bar(), "btn_new");
    QTest::keyClicks(field, "W");
    const std::string last = circuitsfolder() + "New CircuitW.cir";
    ASSERT_TRUE(fileexists(last));
    std::filesystem::remove(last);
    m_main->close();
    EXPECT_EQ(firstLine(last), "New CircuitW");
}

TEST(InstanceLock, secondCopyIsRefused_staleLockTakenOver_temporariesOnlyWithTheLock) {
    TempFolder folder;
    folder.writeFile(".stridewell-a1b2c3", "left by a killed save");
    {
        const InstanceLock first(folder.path());
        ASSERT_TRUE(first.obtained());
        const InstanceLock second(folder.path());
        EXPECT_TRUE(second.heldElsewhere());
        EXPECT_FALSE(second.obtained());
        EXPECT_EQ(removeleftovertemporaries(second, folder.path()), 0);
        EXPECT_TRUE(folder.exists(".stridewell-a1b2c3"));
        EXPECT_NE(alreadyrunningmessage(folder.path()).find(folder.path()), std::string::npos);
        EXPECT_EQ(removeleftovertemporaries(first, folder.path()), 1);
    }
    // A lock left by a copy that crashed: its process is gone.
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(0);
    ::waitpid(child, nullptr, 0);
    folder.writeFile(".stridewell.lock", std::to_string(child) + "\nstridewell\n" +
                                             QSysInfo::machineHostName().toStdString() + "\n");
    const InstanceLock after(folder.path());
    EXPECT_TRUE(after.obtained());
}
