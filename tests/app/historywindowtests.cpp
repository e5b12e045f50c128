// The training history window: its totals, chart and table, following the
// file, the export, and the ways to reach it; the windows in another language
// and locale.
#include "appfixture.h"

#include "app/history/historywindow.h"
#include "data/circuitfile.h"
#include "data/historyfile.h"
#include "runner/circuitstartframe.h"
#include "testsupport/accessiblewalk.h"
#include "testsupport/testdialogs.h"

#include <QAccessible>
#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLocale>
#include <QTableView>
#include <QTest>
#include <QTranslator>

#include <map>
#include <tuple>
#include <utility>

namespace {

QString labelText(QWidget* window, const char* name) {
    auto* label = window->findChild<QLabel*>(QString::fromLatin1(name));
    return label ? label->text() : QStringLiteral("<no %1>").arg(QString::fromLatin1(name));
}

QString cellText(QWidget* window, int row, int column) {
    auto* table = window->findChild<QTableView*>(QStringLiteral("grd_runs"));
    return table->model()->index(row, column).data().toString();
}

int rows(QWidget* window) {
    return window->findChild<QTableView*>(QStringLiteral("grd_runs"))->model()->rowCount();
}

HistoryWindow* openHistoryWindow() {
    for (QWidget* widget : QApplication::topLevelWidgets())
        if (auto* window = qobject_cast<HistoryWindow*>(widget); window && window->isVisible())
            return window;
    return nullptr;
}

std::string record(const char* started, const char* name, int seconds, bool finished) {
    return std::string(started) + ",\"" + name + "\",Core,1200," + std::to_string(seconds) +
           (finished ? ",10,10,yes\r\n" : ",4,10,no\r\n");
}

// A few words of another language, by context, source text and
// disambiguation, installed for the life of the object.
class TinyTranslation final : public QTranslator {
public:
    using Key = std::tuple<QString, QString, QString>;
    explicit TinyTranslation(std::map<Key, QString> words)
        : m_words(std::move(words)) {
        QCoreApplication::installTranslator(this);
    }
    ~TinyTranslation() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation,
                      int) const override {
        const auto found =
            m_words.find({QString::fromLatin1(context), QString::fromUtf8(sourceText),
                          QString::fromUtf8(disambiguation)});
        return found == m_words.end() ? QString() : found->second;
    }

private:
    std::map<Key, QString> m_words;
};

// The locale of the whole application, given back when the test ends.
class DefaultLocale final {
public:
    explicit DefaultLocale(const QLocale& locale) { QLocale::setDefault(locale); }
    ~DefaultLocale() { QLocale::setDefault(m_before); }

private:
    QLocale m_before;
};

} // namespace

TEST_F(AppFixture, historyWindow_showsTotalsChartAndRunsFollowsTheFileAndExports) {
    // Wednesday 9 December 2026: the week began on Monday the 7th.
    m_folder.writeFile("history.csv",
                       std::string(kHistoryHeader) + "\r\n" +
                           record("2025-05-01T18:00:00+02:00", "Old", 2100, true) +
                           record("2026-11-30T07:00:00+01:00", "November", 300, true) +
                           record("2026-12-02T07:00:00+01:00", "Last week", 1200, false) +
                           "2026-12-03T07:00:00+01:00,Edited by hand,Core,1200,lots,1,10,no\r\n" +
                           record("2026-12-08T07:00:00+01:00", "Core, quick", 600, true));
    HistoryWindow window([] { return CivilDate{2026, 12, 9}; });
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(&window) > 0; }, 5000));

    EXPECT_EQ(window.windowTitle(), QStringLiteral("Your training history"));
    EXPECT_EQ(labelText(&window, "lbl_weektime"), QStringLiteral("10 min"));
    EXPECT_EQ(labelText(&window, "lbl_weekruns"), QStringLiteral("1 run"));
    EXPECT_EQ(labelText(&window, "lbl_monthtime"), QStringLiteral("30 min"));
    EXPECT_EQ(labelText(&window, "lbl_monthruns"), QStringLiteral("2 runs"));
    EXPECT_EQ(labelText(&window, "lbl_alltime"), QStringLiteral("1 h 10 min"));
    EXPECT_EQ(labelText(&window, "lbl_allruns"), QStringLiteral("4 runs"));
    EXPECT_TRUE(labelText(&window, "lbl_state").contains(QStringLiteral("1 damaged")));
    ASSERT_EQ(rows(&window), 4);
    EXPECT_EQ(cellText(&window, 0, 0), QStringLiteral("2026-12-08 07:00"));
    EXPECT_EQ(cellText(&window, 0, 1), QStringLiteral("Core, quick"));
    EXPECT_EQ(cellText(&window, 0, 2), QStringLiteral("10:00"));
    EXPECT_EQ(cellText(&window, 0, 3), QStringLiteral("Finished"));
    EXPECT_EQ(cellText(&window, 1, 3), QStringLiteral("Stopped after 4 of 10"));
    EXPECT_EQ(cellText(&window, 3, 1), QStringLiteral("Old"));

    // A run appended while the window is open shows up.
    HistoryEntry run;
    run.started = "2026-12-09T06:30:00+01:00";
    run.circuitname = "Today";
    run.secondsrun = 125;
    run.finished = true;
    appendhistory(historypath(), run);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(&window) == 5; }, 5000));
    EXPECT_EQ(labelText(&window, "lbl_weekruns"), QStringLiteral("2 runs"));
    EXPECT_EQ(labelText(&window, "lbl_weektime"), QStringLiteral("12 min"));
    EXPECT_EQ(cellText(&window, 0, 1), QStringLiteral("Today"));

    // Export: the well-formed runs, where the user chose; cancel writes nothing.
    const std::string exported = m_folder.path() + "export.csv";
    click(&window, "btn_export");
    EXPECT_FALSE(m_folder.exists("export.csv"));
    TestDialogs::setNextFileName(QString::fromStdString(exported));
    click(&window, "btn_export");
    const HistoryContents copy = readhistory(exported);
    EXPECT_EQ(copy.entries.size(), 5u);
    EXPECT_EQ(copy.damaged, 0u);
    EXPECT_EQ(m_folder.readFile("export.csv").rfind(kHistoryHeader, 0), 0u);
    EXPECT_TRUE(TestDialogs::takeShown().contains(QStringLiteral("Export your training history")));
}

// A real run through the program lands in the file; the launcher's fifth link
// and Ctrl+H in the main window open the window that shows it.
TEST_F(AppFixture, historyWindow_reachedFromLauncherLinkAndCtrlH_showsARealRun) {
    startProgram();
    auto* kinora = m_launcher->findChild<QLabel*>(QStringLiteral("lbl_kinora"));
    auto* link = m_launcher->findChild<QLabel*>(QStringLiteral("lbl_history"));
    ASSERT_NE(link, nullptr);
    EXPECT_EQ(link->text(), QStringLiteral("Your training history"));
    EXPECT_EQ(link->pos(), kinora->pos() + QPoint(0, 24));
    EXPECT_EQ(link->font(), kinora->font());
    EXPECT_EQ(link->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_FALSE(m_folder.exists("history.csv")) << "nothing of the history at start";
    click(m_launcher.get(), "lbl_history");
    HistoryWindow* window = openHistoryWindow();
    ASSERT_NE(window, nullptr);
    window->close();
    ASSERT_TRUE(QTest::qWaitFor([] { return openHistoryWindow() == nullptr; }, 5000));

    clickStartLink();
    const TCircuit2 circuit = readcircuit(cell(0, 4));
    click(bar(), "btn_start");
    click(runner(), "btn_start");
    const uint32_t ticks = static_cast<uint32_t>(circuit.exercisecount) *
                           (circuit.exerciseinterval + circuit.restinterval + 2);
    for (uint32_t tick = 0; tick < ticks; ++tick)
        m_main->runnerFrame()->exercisetimerTimer();

    QApplication::setActiveWindow(m_main.get());
    QTest::keyClick(m_main.get(), Qt::Key_H, Qt::ControlModifier);
    window = openHistoryWindow();
    ASSERT_NE(window, nullptr);
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(window) == 1; }, 5000));
    EXPECT_EQ(cellText(window, 0, 1), QString::fromStdString(circuit.circuitname));
    EXPECT_EQ(cellText(window, 0, 3), QStringLiteral("Finished"));
    EXPECT_EQ(labelText(window, "lbl_allruns"), QStringLiteral("1 run"));
    window->close();
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

// Windows made after a translation is installed speak it: the main window's
// removal question around the circuit's name as written, and the history's
// captions and outcomes; what has no translation stays English.
TEST_F(AppFixture, translation_wordsMainWindowQuestionAndHistoryCaptions) {
    const TinyTranslation german({
        {{"Tform_Main", "This will delete the circuit and is not undoable. Continue?", ""},
         QStringLiteral("Der Zirkel wird gelöscht. Weiter?")},
        {{"Tform_Main", "Circuit: %1", ""}, QStringLiteral("Zirkel: %1")},
        {{"HistoryWindow", "This week", ""}, QStringLiteral("Diese Woche")},
        {{"HistoryTableModel", "Finished", "outcome of a run"}, QStringLiteral("Beendet")},
    });
    startProgram();
    clickStartLink();
    TestDialogs::setNextAnswer(false);
    click(bar(), "btn_remove");
    EXPECT_EQ(TestDialogs::takeShown(),
              QStringList{QStringLiteral("Der Zirkel wird gelöscht. Weiter?\n\nZirkel: ") +
                          QString::fromStdString(cell(0, 0))});

    m_folder.writeFile("history.csv", std::string(kHistoryHeader) + "\r\n" +
                                          record("2026-12-08T07:00:00+01:00", "Core", 600, true));
    HistoryWindow window([] { return CivilDate{2026, 12, 9}; });
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(&window) > 0; }, 5000));
    QStringList captions;
    for (const QLabel* label : window.findChildren<QLabel*>())
        captions << label->text();
    EXPECT_TRUE(captions.contains(QStringLiteral("Diese Woche"))) << captions.join('|').toStdString();
    EXPECT_TRUE(captions.contains(QStringLiteral("This month")));
    // Both texts read "Finished" in English; only the outcome was translated.
    EXPECT_EQ(cellText(&window, 0, 3), QStringLiteral("Beendet"));
    EXPECT_EQ(window.findChild<QTableView*>()->model()->headerData(3, Qt::Horizontal).toString(),
              QStringLiteral("Finished"));
}

// The date column follows the user's locale; the file and its export keep
// their one locale-free form.
TEST_F(AppFixture, historyWindow_germanLocale_showsGermanDatesFileUnchanged) {
    const std::string history = std::string(kHistoryHeader) + "\r\n" +
                                record("2026-12-08T07:05:00+01:00", "Core", 4200, false);
    m_folder.writeFile("history.csv", history);
    const DefaultLocale german(QLocale(QLocale::German, QLocale::Germany));
    HistoryWindow window([] { return CivilDate{2026, 12, 9}; });
    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(&window) > 0; }, 5000));

    const QString started = cellText(&window, 0, 0);
    EXPECT_TRUE(started.startsWith(QStringLiteral("08.12."))) << started.toStdString();
    EXPECT_TRUE(started.endsWith(QStringLiteral("07:05"))) << started.toStdString();
    EXPECT_EQ(labelText(&window, "lbl_alltime"), QStringLiteral("1 h 10 min"));

    const std::string exported = m_folder.path() + "export.csv";
    TestDialogs::setNextFileName(QString::fromStdString(exported));
    click(&window, "btn_export");
    EXPECT_EQ(m_folder.readFile("history.csv"), history);
    EXPECT_NE(m_folder.readFile("export.csv").find("2026-12-08T07:05:00+01:00,Core,"),
              std::string::npos);
    TestDialogs::takeShown();
}

// What a screen reader and the keyboard alone meet: the table with its column
// heads and the export button, both reached by Tab; the chart read out week
// by week; Escape closes the window.
TEST_F(AppFixture, historyWindow_namedForScreenReadersReachedByTabClosedByEscape) {
    m_folder.writeFile("history.csv", std::string(kHistoryHeader) + "\r\n" +
                                          record("2026-12-08T07:00:00+01:00", "Core", 600, true));
    HistoryWindow window([] { return CivilDate{2026, 12, 9}; });
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    ASSERT_TRUE(QTest::qWaitFor([&] { return rows(&window) > 0; }, 5000));

    auto* table = window.findChild<QTableView*>(QStringLiteral("grd_runs"));
    const QList<QWidget*> chain = tabOrderOf(&window);
    EXPECT_EQ(accessFaultsIn(&window, chain).toStdString(), "");
    QStringList named;
    for (const AccessibleElement& control : interactiveElements(&window))
        named += control.widget->objectName() + QLatin1Char('=') + control.name;
    EXPECT_EQ(named.join(QStringLiteral(" | ")).toStdString(),
              "grd_runs=Runs | btn_export=Export as CSV...");
    // Each cell is read with its column's head.
    QAccessibleTableInterface* cells =
        QAccessible::queryAccessibleInterface(table)->tableInterface();
    ASSERT_NE(cells, nullptr);
    QStringList heads;
    for (int column = 0; column < cells->columnCount(); ++column)
        heads += cells->columnDescription(column);
    EXPECT_EQ(heads.join(QStringLiteral(" | ")).toStdString(),
              "Date | Circuit | Time run | Finished");

    QAccessibleInterface* chart =
        QAccessible::queryAccessibleInterface(window.findChild<QWidget*>("HistoryChart"));
    ASSERT_NE(chart, nullptr);
    EXPECT_EQ(chart->text(QAccessible::Name).toStdString(), "Minutes trained per week");
    const QString weeks = chart->text(QAccessible::Description);
    EXPECT_TRUE(weeks.startsWith(QStringLiteral("21 Sep: 0, 28 Sep: 0"))) << weeks.toStdString();
    EXPECT_TRUE(weeks.endsWith(QStringLiteral("30 Nov: 0, This week: 10"))) << weeks.toStdString();

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
}

// A desktop set to twice the usual text size gets twice the text, and the
// rows and columns grow with it.
TEST_F(AppFixture, historyWindow_largerDesktopText_growsItsTextRowsAndColumns) {
    const QFont desktop = QApplication::font();
    QFont larger = desktop;
    larger.setPointSizeF(18);
    QApplication::setFont(larger);
    HistoryWindow window([] { return CivilDate{2026, 12, 9}; });
    QApplication::setFont(desktop);

    EXPECT_EQ(window.font().pixelSize(), 18);
    auto* table = window.findChild<QTableView*>(QStringLiteral("grd_runs"));
    EXPECT_EQ(table->verticalHeader()->defaultSectionSize(), 36);
    EXPECT_EQ(table->columnWidth(0), 260);
    EXPECT_EQ(window.findChild<QLabel*>(QStringLiteral("lbl_weektime"))->font().pixelSize(), 36);

    HistoryWindow usual([] { return CivilDate{2026, 12, 9}; });
    EXPECT_EQ(usual.font().pixelSize(), 9);
    EXPECT_EQ(usual.findChild<QTableView*>(QStringLiteral("grd_runs"))->columnWidth(0), 130);
}
