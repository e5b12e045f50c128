// The program as a whole on the offscreen platform: the typical road from the
// launcher's start link through a run, and every action of the main window.
#include "appfixture.h"

#include "app/mainwindow/circuitgridmodel.h"
#include "data/apppaths.h"
#include "data/exercises.h"
#include "editors/circuitedit.h"
#include "editors/circuitinfoform.h"
#include "editors/exerciseframe.h"
#include "runner/circuitstartframe.h"
#include "testsupport/testdialogs.h"
#include "ui/errorguard.h"
#include "ui/pictures.h"

#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTableView>
#include <QTest>
#include <QTextDocument>
#include <QTimer>
#include <QWheelEvent>

#include <filesystem>

namespace {

const QString kRefusal = QStringLiteral("Circuit must be stopped before clicking here");

QString labelText(QWidget* root, const char* name) {
    auto* label = root->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QString();
}

int filledRows(const CircuitGridModel& grid) {
    int rows = 0;
    while (rows < 500 && !grid.cell(rows, 4).empty())
        ++rows;
    return rows;
}

} // namespace

TEST_F(AppFixture, startLink_fillsGridLoadsLibraryAndDescribesFirstCircuit) {
    startProgram();
    ASSERT_TRUE(m_launcher->isVisible());
    ASSERT_FALSE(m_main->isVisible());

    clickStartLink();

    EXPECT_TRUE(m_main->isVisible());
    EXPECT_FALSE(m_launcher->isVisible());
    EXPECT_EQ(filledRows(*m_main->grid()), starterCircuits());
    EXPECT_GE(exercisetable().librarysize, 30);
    EXPECT_EQ(frontFrame(), m_main->circuitInfoFrame());
    const QString firstName = QString::fromStdString(cell(0, 0));
    EXPECT_EQ(labelText(m_main->circuitInfoFrame(), "lbl_CircName"),
              QStringLiteral("Circuit Name: ") + firstName);
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(AppFixture, startLink_withoutLibrary_reportsFileNotFoundAndStopsThere) {
    std::filesystem::remove(m_folder.path() + "exercises.lst");
    startProgram();

    clickStartLink();

    EXPECT_EQ(TestDialogs::takeShown(), QStringList{QStringLiteral("File not found")});
    EXPECT_TRUE(m_main->isVisible());
    EXPECT_EQ(filledRows(*m_main->grid()), starterCircuits()); // the scan came before the load
    EXPECT_NE(frontFrame(), m_main->circuitInfoFrame());
    EXPECT_TRUE(m_launcher->isVisible());
}

TEST_F(AppFixture, startLink_withNoCircuits_showsEmptyGrid) {
    for (const auto& entry : std::filesystem::directory_iterator(circuitsfolder()))
        std::filesystem::remove(entry.path());
    startProgram();

    clickStartLink();

    EXPECT_EQ(filledRows(*m_main->grid()), 0);
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
    EXPECT_GE(exercisetable().librarysize, 30);
}

TEST_F(AppFixture, run_namesExercisesAndRefusesOtherActionsUntilStopped) {
    startProgram();
    clickStartLink();
    selectRow(1);
    const TCircuit2 circuit = readcircuit(cell(1, 4));

    click(bar(), "btn_start");
    ASSERT_EQ(frontFrame(), m_main->runnerFrame());
    EXPECT_EQ(statusText(), QString::fromStdString(circuit.circuitname));

    click(runner(), "btn_start");
    ASSERT_TRUE(m_main->runnerFrame()->runInProgress());
    const QString first = QString::fromStdString(circuit.exercises[0].name);
    EXPECT_EQ(statusText(), QStringLiteral("Next: ") + first);
    for (uint32_t tick = 0; tick <= circuit.restinterval; ++tick)
        m_main->runnerFrame()->exercisetimerTimer();
    EXPECT_EQ(statusText(), QStringLiteral("Now: ") + first);

    // While running: four refusals, a silent start and a silent double click.
    for (const char* name : {"btn_info", "btn_new", "btn_remove", "btn_exercise"}) {
        click(bar(), name);
        EXPECT_EQ(TestDialogs::takeShown(), QStringList{kRefusal}) << name;
        EXPECT_EQ(frontFrame(), m_main->runnerFrame()) << name;
    }
    click(bar(), "btn_start");
    doubleClickAt(m_main->gridView()->viewport(), cellCentre(1, 0), Qt::LeftButton);
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
    EXPECT_EQ(frontFrame(), m_main->runnerFrame());
    EXPECT_EQ(statusText(), QStringLiteral("Now: ") + first);

    // A single click still describes the row behind the runner.
    selectRow(2);
    EXPECT_EQ(labelText(m_main->circuitInfoFrame(), "lbl_CircName"),
              QStringLiteral("Circuit Name: ") + QString::fromStdString(cell(2, 0)));
    EXPECT_EQ(frontFrame(), m_main->runnerFrame());

    click(runner(), "btn_stop");
    EXPECT_FALSE(m_main->runnerFrame()->runInProgress());
    EXPECT_EQ(statusText(), QStringLiteral("Stopped"));
    click(bar(), "btn_info");
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
    EXPECT_EQ(frontFrame(), m_main->circuitInfoFrame());
}

TEST_F(AppFixture, removal_cancelKeepsEverything_okDeletesAndKeepsSelectionIndex) {
    startProgram();
    clickStartLink();
    selectRow(1);
    const std::string second = cell(1, 4);
    const std::string third = cell(2, 4);

    TestDialogs::setNextAnswer(false);
    click(bar(), "btn_remove");
    // The designed question, naming the circuit it will delete.
    EXPECT_EQ(TestDialogs::takeShown(),
              QStringList{QStringLiteral("This will delete the circuit and is not undoable. "
                                         "Continue?\n\nCircuit: ") +
                          QString::fromStdString(cell(1, 0))});
    EXPECT_TRUE(fileexists(second));
    EXPECT_EQ(cell(1, 4), second);

    TestDialogs::setNextAnswer(true);
    click(bar(), "btn_remove");
    TestDialogs::takeShown();
    EXPECT_FALSE(fileexists(second));
    EXPECT_EQ(filledRows(*m_main->grid()), starterCircuits() - 1);
    EXPECT_EQ(m_main->selectedrow(), 1);
    EXPECT_EQ(cell(1, 4), third);
}

TEST_F(AppFixture, removal_ofLastFilledRow_leavesSelectionOnEmptyRow) {
    startProgram();
    clickStartLink();
    const int lastRow = starterCircuits() - 1;
    selectRow(lastRow);
    const std::string last = cell(lastRow, 4);

    TestDialogs::setNextAnswer(true);
    click(bar(), "btn_remove");

    EXPECT_FALSE(fileexists(last));
    EXPECT_EQ(m_main->selectedrow(), lastRow);
    EXPECT_EQ(m_main->selectedpath(), "");
    EXPECT_EQ(filledRows(*m_main->grid()), lastRow);
}

TEST_F(AppFixture, newDoubleClickAndLibraryButton_bringTheirFramesForward) {
    startProgram();
    clickStartLink();

    click(bar(), "btn_new");
    EXPECT_EQ(frontFrame(), m_main->circuitEditFrame());
    EXPECT_TRUE(fileexists(circuitsfolder() + "New Circuit.cir"));
    // The editor rescans the catalogue.
    EXPECT_EQ(filledRows(*m_main->grid()), starterCircuits() + 1);

    click(bar(), "btn_exercise");
    EXPECT_EQ(frontFrame(), m_main->exerciseFrame());

    // Only a primary-button double click opens the editor.
    QWidget* rows = m_main->gridView()->viewport();
    doubleClickAt(rows, cellCentre(0, 0), Qt::RightButton);
    doubleClickAt(rows, cellCentre(0, 0), Qt::MiddleButton);
    EXPECT_EQ(frontFrame(), m_main->exerciseFrame());
    EXPECT_EQ(m_main->selectedrow(), 0);
    doubleClickAt(rows, cellCentre(0, 0), Qt::LeftButton);
    EXPECT_EQ(frontFrame(), m_main->circuitEditFrame());

    // A single click while the editor is in front leaves it there.
    selectRow(1);
    EXPECT_EQ(frontFrame(), m_main->circuitEditFrame());
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(AppFixture, hover_showsHoverPictureUntilPointerCrossesTheBar) {
    startProgram();
    clickStartLink();
    auto* info = bar()->findChild<QLabel*>(QStringLiteral("btn_info"));
    const qint64 hover = picture(QStringLiteral("main_info2.jpg")).cacheKey();
    const qint64 normal = picture(QStringLiteral("main_info1.jpg")).cacheKey();

    QTest::mouseMove(info, QPoint(10, 10));
    EXPECT_EQ(info->pixmap().cacheKey(), hover);
    // Leaving the window without crossing the bar keeps the hover picture.
    QTest::mouseMove(m_main->gridView()->viewport(), QPoint(10, 10));
    EXPECT_EQ(info->pixmap().cacheKey(), hover);
    QTest::mouseMove(bar(), QPoint(400, 60));
    EXPECT_EQ(info->pixmap().cacheKey(), normal);
}

TEST_F(AppFixture, closingMainWindow_endsTheProgram) {
    startProgram();
    clickStartLink();
    bool closed = false;
    QTimer::singleShot(0, m_main.get(), [this, &closed] { closed = m_main->close(); });
    // Without the close ending the event loop this would run into the guard timer.
    EXPECT_EQ(runEventLoop(), 0);
    EXPECT_TRUE(closed);
}

TEST_F(AppFixture, keyboardMoveOfSelectedRow_describesTheNewRow) {
    startProgram();
    clickStartLink();
    QTest::keyClick(m_main->gridView(), Qt::Key_Down);
    EXPECT_EQ(m_main->selectedrow(), 1);
    EXPECT_EQ(labelText(m_main->circuitInfoFrame(), "lbl_CircName"),
              QStringLiteral("Circuit Name: ") + QString::fromStdString(cell(1, 0)));
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

TEST_F(AppFixture, emptySelectedRow_startAndInfoReportTheFailedRead_removeOnlyRescans) {
    startProgram();
    clickStartLink();
    selectRow(7); // below the five stored circuits
    auto* runnerStart = runner()->findChild<QWidget*>(QStringLiteral("btn_start"));
    auto* runnerStop = runner()->findChild<QWidget*>(QStringLiteral("btn_stop"));

    click(bar(), "btn_start");
    EXPECT_EQ(TestDialogs::takeShown(), QStringList{QStringLiteral("File not found")});
    EXPECT_EQ(frontFrame(), m_main->runnerFrame());
    // The failed load ends the action: the runner's Start is not brought forward.
    const QList<QWidget*> order =
        runnerStart->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    EXPECT_GT(order.indexOf(runnerStop), order.indexOf(runnerStart));

    click(bar(), "btn_info");
    EXPECT_EQ(TestDialogs::takeShown(), QStringList{QStringLiteral("File not found")});
    EXPECT_EQ(frontFrame(), m_main->circuitInfoFrame());

    TestDialogs::setNextAnswer(true);
    click(bar(), "btn_remove");
    TestDialogs::takeShown();
    EXPECT_EQ(filledRows(*m_main->grid()), starterCircuits());
}

TEST_F(AppFixture, finishedRun_letsEveryButtonActAgain) {
    startProgram();
    clickStartLink();
    const TCircuit2 circuit = readcircuit(cell(0, 4));
    click(bar(), "btn_start");
    click(runner(), "btn_start");
    const uint32_t ticks = static_cast<uint32_t>(circuit.exercisecount) *
                           (circuit.exerciseinterval + circuit.restinterval + 2);
    for (uint32_t tick = 0; tick < ticks; ++tick)
        m_main->runnerFrame()->exercisetimerTimer();
    ASSERT_EQ(statusText(), QStringLiteral("Finished"));
    EXPECT_FALSE(m_main->runnerFrame()->runInProgress());

    click(bar(), "btn_exercise");
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
    EXPECT_EQ(frontFrame(), m_main->exerciseFrame());
}

TEST_F(AppFixture, layout_placesGridColumnsButtonsAndFramesAsDesigned) {
    startProgram();
    clickStartLink();
    EXPECT_EQ(m_main->size(), QSize(597, 659));
    QTableView* grid = m_main->gridView();
    EXPECT_EQ(grid->columnViewportPosition(3), 456);
    EXPECT_GT(grid->columnViewportPosition(3) + grid->columnWidth(3), grid->viewport()->width());
    // The key is held but never displayed.
    EXPECT_EQ(grid->model()->columnCount(), 4);
    EXPECT_FALSE(cell(0, 4).empty());
    EXPECT_FALSE(grid->horizontalScrollBar()->isVisible());

    // The arrow keys from the first column, a click on "Circuit Time" and a
    // sideways wheel leave the columns under their titles.
    clickAt(grid->viewport(), cellCentre(1, 0));
    ASSERT_EQ(m_main->selectedrow(), 1);
    for (int press = 0; press < 3; ++press)
        QTest::keyClick(grid, Qt::Key_Right);
    EXPECT_EQ(grid->columnViewportPosition(0), 0);
    clickAt(grid->viewport(), QPoint(500, cellCentre(1, 3).y()));
    ASSERT_EQ(m_main->selectedrow(), 1);
    QWheelEvent wheel(QPointF(100, 20), grid->viewport()->mapToGlobal(QPointF(100, 20)), {},
                      QPoint(-120, 0), Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(grid->viewport(), &wheel);
    EXPECT_EQ(grid->columnViewportPosition(0), 0);
    EXPECT_EQ(grid->columnViewportPosition(3), 456);
    EXPECT_EQ(m_main->selectedpath(), cell(1, 4));
    const QPoint barOrigin = bar()->mapTo(m_main.get(), QPoint(0, 0));
    EXPECT_EQ(barOrigin, QPoint(9, 9)); // 8, 8 inside the holder's border
    int left = 1;
    for (const char* name : {"btn_info", "btn_start", "btn_new", "btn_remove", "btn_exercise"}) {
        auto* button = bar()->findChild<QWidget*>(QString::fromLatin1(name));
        EXPECT_EQ(button->geometry(), QRect(left, 9, 48, 48)) << name;
        left += 56;
    }
    for (QWidget* frame : {static_cast<QWidget*>(m_main->runnerFrame()),
                           static_cast<QWidget*>(m_main->circuitInfoFrame()),
                           static_cast<QWidget*>(m_main->circuitEditFrame()),
                           static_cast<QWidget*>(m_main->exerciseFrame())})
        EXPECT_EQ(frame->geometry(), QRect(1, 1, 575, 335));
}

// Names and descriptions come from files and from the content server: markup
// in them is shown as the characters it is made of, never obeyed, in every
// place it reaches.
TEST_F(AppFixture, markupInNamesAndDescriptions_isShownAsWrittenEverywhere) {
    const std::string name = "<b>Big</b> Press";
    const std::string description = "<font size=7 color=red>HUGE</font><img src=\"/etc/hosts\">";
    const std::string circuitName = "<u>Core</u> & more";
    std::filesystem::remove_all(m_folder.path() + "Circuits");
    m_folder.writeFile("exercises.lst",
                       "1\r\n" + name + "\r\nUpper Body\r\n" + description + "\r\n1\r\n");
    m_folder.writeFile("Circuits/Markup.cir",
                       circuitName + "\r\n<i>Type</i>\r\n30\r\n10\r\n" + name + "\r\n");
    // What a user sees of a text in a place that takes it with `format`.
    const auto seen = [](const QString& text, Qt::TextFormat format = Qt::AutoText) {
        if (format == Qt::PlainText || (format == Qt::AutoText && !Qt::mightBeRichText(text)))
            return text;
        QTextDocument document;
        document.setHtml(text);
        return document.toPlainText();
    };
    const auto labelSeen = [&seen](QWidget* root, const char* objectName) {
        auto* label = root->findChild<QLabel*>(QString::fromLatin1(objectName));
        return label ? seen(label->text(), label->textFormat()) : QString();
    };
    const QString shownName = QString::fromStdString(name);
    const QString shownDescription = QString::fromStdString(description);

    startProgram();
    clickStartLink();
    selectRow(0);
    EXPECT_EQ(QString::fromStdString(cell(0, 0)), QString::fromStdString(circuitName));
    QWidget* info = m_main->circuitInfoFrame();
    EXPECT_EQ(labelSeen(info, "lbl_CircName"),
              QStringLiteral("Circuit Name: ") + QString::fromStdString(circuitName));
    EXPECT_EQ(labelSeen(info, "lbl_CircType"), QStringLiteral("Circuit Type: <i>Type</i>"));
    auto* infoList = info->findChild<QListWidget*>(QStringLiteral("lst_exercises"));
    ASSERT_NE(infoList, nullptr);
    ASSERT_EQ(infoList->count(), 1);
    EXPECT_EQ(infoList->item(0)->text(), shownName);
    infoList->setCurrentRow(0);
    EXPECT_EQ(info->findChild<QPlainTextEdit*>(QStringLiteral("mmo_exdescription"))->toPlainText(),
              shownDescription);

    click(bar(), "btn_start");
    ASSERT_EQ(frontFrame(), m_main->runnerFrame());
    auto* hint = runner()->findChild<QWidget*>(QStringLiteral("img_exhold"));
    ASSERT_NE(hint, nullptr);
    EXPECT_EQ(seen(hint->toolTip()), shownDescription);
    EXPECT_EQ(runner()->findChild<QListWidget*>(QStringLiteral("lst_exercises"))->item(0)->text(),
              shownName);
    click(runner(), "btn_start");
    EXPECT_EQ(labelSeen(runner(), "lbl_exercisename"), QStringLiteral("Next: ") + shownName);
    click(runner(), "btn_stop");

    click(bar(), "btn_exercise");
    auto* library = m_main->exerciseFrame()->findChild<QTableView*>();
    ASSERT_NE(library, nullptr);
    const QAbstractItemModel* rows = library->model();
    bool listed = false;
    for (int column = 0; column < rows->columnCount(); ++column)
        listed = listed || rows->index(0, column).data().toString() == shownName;
    EXPECT_TRUE(listed);

    // An error naming such a text, reported as every failed reaction is, in a
    // real message box.
    TestDialogs::uninstall();
    QString boxSeen;
    QTimer answer;
    QObject::connect(&answer, &QTimer::timeout, [&] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* box = qobject_cast<QMessageBox*>(window);
            if (box && box->isVisible()) {
                boxSeen = seen(box->text(), box->textFormat());
                box->accept();
            }
        }
    });
    answer.start(10);
    reporterror(nullptr, shownName + QStringLiteral(" could not be read"));
    TestDialogs::install();
    EXPECT_EQ(boxSeen, shownName + QStringLiteral(" could not be read"));
}
