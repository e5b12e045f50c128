#include "appfixture.h"

#include "data/circuitfile.h"
#include "runner/circuitstartframe.h"
#include "testsupport/accessiblewalk.h"

#include <QAccessible>
#include <QApplication>
#include <QLabel>
#include <QTableView>
#include <QTest>

#include <utility>
#include <vector>

namespace {

using Shown = std::vector<std::pair<QAccessible::Role, QString>>;

Shown rolesAndNames(const std::vector<AccessibleElement>& elements) {
    Shown shown;
    for (const AccessibleElement& element : elements)
        shown.emplace_back(element.role, element.name);
    return shown;
}

QStringList objectNames(const QList<QWidget*>& widgets) {
    QStringList names;
    for (const QWidget* widget : widgets)
        names += widget->objectName();
    return names;
}

// Pictures shown to a reader without a name: artwork that should be left out.
QStringList namelessPictures(QWidget* root) {
    QStringList found;
    for (const AccessibleElement& element : shownElements(root))
        if (element.role == QAccessible::Graphic && element.name.isEmpty())
            found += element.widget ? element.widget->objectName() : QStringLiteral("?");
    return found;
}

QString accessibleName(QWidget* widget) {
    return QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name);
}

QWidget* focused() { return QApplication::focusWidget(); }

// Presses key on whatever holds the focus until the named widget of root has
// it; false after twenty presses.
bool pressUntilFocused(QWidget* root, const char* name, Qt::Key key,
                       Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    for (int press = 0; press < 20; ++press) {
        if (focused() && focused()->objectName() == QLatin1String(name) &&
            root->isAncestorOf(focused()))
            return true;
        if (!focused())
            return false;
        QTest::keyClick(focused(), key, modifiers);
    }
    return false;
}

} // namespace

TEST_F(AppFixture, screenReaders_findEveryControlNamedAndReachable_andNoArtwork) {
    startProgram();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_launcher.get()));
    EXPECT_EQ(rolesAndNames(interactiveElements(m_launcher.get())),
              (Shown{{QAccessible::EditableText, QStringLiteral("Disclaimer")},
                     {QAccessible::Link, QStringLiteral("Start Stridewell Now")},
                     {QAccessible::Link, QStringLiteral("Check for new Circuits")},
                     {QAccessible::Link, QStringLiteral("Check for new Exercises")},
                     {QAccessible::Link, QStringLiteral("Launch Kinoradex")},
                     {QAccessible::Link, QStringLiteral("Your training history")},
                     {QAccessible::Button, QStringLiteral("Close Stridewell")}}));
    const QList<QWidget*> launcherTabs = tabOrderOf(m_launcher.get());
    EXPECT_EQ(objectNames(launcherTabs),
              (QStringList{"mmo_disclaimer", "lbl_startstridewell", "lbl_checkcicruits",
                           "lbl_checkexercises", "lbl_kinora", "lbl_history", "Image5"}));
    EXPECT_EQ(accessFaultsIn(m_launcher.get(), launcherTabs).toStdString(), "");
    EXPECT_EQ(namelessPictures(m_launcher.get()), QStringList{});

    clickStartLink();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main.get()));
    EXPECT_EQ(focused(), m_main->gridView()) << "the arrows choose a circuit at once";
    selectRow(0);
    click(bar(), "btn_start");
    ASSERT_EQ(frontFrame(), runner());
    const Shown controls = rolesAndNames(interactiveElements(m_main.get()));
    EXPECT_EQ(Shown(controls.begin(), controls.begin() + 6),
              (Shown{{QAccessible::Button, QStringLiteral("Information About The Selected Circuit")},
                     {QAccessible::Button, QStringLiteral("Start The Selected Circuit")},
                     {QAccessible::Button, QStringLiteral("Create A New Circuit")},
                     {QAccessible::Button, QStringLiteral("Delete The Selected Circuit")},
                     {QAccessible::Button, QStringLiteral("Modify Exercises")},
                     {QAccessible::Table, QStringLiteral("Available Circuits")}}));
    EXPECT_EQ(rolesAndNames(interactiveElements(runner())),
              (Shown{{QAccessible::List, QStringLiteral("Your Circuit")},
                     {QAccessible::Button, QStringLiteral("Start the circuit")},
                     {QAccessible::Link,
                      QStringLiteral("Click here for instructions on the exercise (Will pause "
                                     "your circuit)")}}));
    // Tab goes from the bar through the grid into the front frame, in reading order.
    const QList<QWidget*> mainTabs = tabOrderOf(m_main.get());
    EXPECT_EQ(objectNames(mainTabs),
              (QStringList{"btn_info", "btn_start", "btn_new", "btn_remove", "btn_exercise",
                           "grd_circuits", "lst_exercises", "btn_start", "lbl_launch"}));
    EXPECT_EQ(accessFaultsIn(m_main.get(), mainTabs).toStdString(), "");
    EXPECT_EQ(namelessPictures(m_main.get()), QStringList{});
    // The grid's columns are named by the titles above it.
    QAccessibleInterface* grid = QAccessible::queryAccessibleInterface(m_main->gridView());
    ASSERT_TRUE(grid && grid->tableInterface());
    EXPECT_EQ(grid->tableInterface()->columnDescription(0), QStringLiteral("Circuit Name"));
    EXPECT_EQ(grid->tableInterface()->columnDescription(3), QStringLiteral("Circuit Time"));

    // The clock reads as the time it shows, the phase picture as its word.
    bool clockFound = false;
    for (const AccessibleElement& element : shownElements(runner()))
        if (element.role == QAccessible::Clock) {
            clockFound = true;
            const TCircuit2 circuit = readcircuit(cell(0, 4));
            const uint32_t rest = circuit.restinterval;
            EXPECT_EQ(element.name, QStringLiteral("%1:%2")
                                        .arg(rest / 60, 2, 10, QLatin1Char('0'))
                                        .arg(rest % 60, 2, 10, QLatin1Char('0')));
        }
    EXPECT_TRUE(clockFound);
    auto* phase = runner()->findChild<QLabel*>(QStringLiteral("img_status"));
    EXPECT_EQ(accessibleName(phase), QStringLiteral("Rest"));
}

TEST_F(AppFixture, keyboardAlone_runsACircuitFromTheLauncherToItsFinish) {
    startProgram();
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_launcher.get()));
    ASSERT_TRUE(pressUntilFocused(m_launcher.get(), "lbl_startstridewell", Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitForWindowActive(m_main.get()));
    EXPECT_FALSE(m_launcher->isVisible());

    // The grid holds the focus: Down and Up choose the first circuit, the bar's
    // Start lies a few Backtabs before it and acts on Enter as on a press.
    QTest::keyClick(focused(), Qt::Key_Down);
    QTest::keyClick(focused(), Qt::Key_Up);
    const TCircuit2 circuit = readcircuit(cell(0, 4));
    ASSERT_TRUE(pressUntilFocused(bar(), "btn_start", Qt::Key_Backtab));
    QTest::keyClick(focused(), Qt::Key_Enter);
    ASSERT_EQ(frontFrame(), runner());
    EXPECT_EQ(statusText(), QString::fromStdString(circuit.circuitname));

    // Enter on the runner's Start starts the run (it is not the key that ends
    // a repetition phase while Start holds the focus); Stop takes the focus.
    ASSERT_TRUE(pressUntilFocused(runner(), "btn_start", Qt::Key_Tab));
    QTest::keyClick(focused(), Qt::Key_Enter);
    ASSERT_TRUE(m_main->runnerFrame()->runInProgress());
    EXPECT_EQ(focused()->objectName(), QStringLiteral("btn_stop"));
    EXPECT_EQ(accessibleName(focused()), QStringLiteral("Stop the circuit"));
    auto* status = runner()->findChild<QLabel*>(QStringLiteral("lbl_exercisename"));
    const QString first = QString::fromStdString(circuit.exercises[0].name);
    EXPECT_EQ(accessibleName(status), QStringLiteral("Next: ") + first);

    // The time-left line is told to a reader once a phase, not every second.
    auto* timeLeft = runner()->findChild<QLabel*>(QStringLiteral("lbl_timeleft"));
    const QString atStart = timeLeft->text();
    EXPECT_EQ(timeLeft->accessibleName(), atStart);
    m_main->runnerFrame()->exercisetimerTimer();
    EXPECT_NE(timeLeft->text(), atStart);
    EXPECT_EQ(timeLeft->accessibleName(), atStart);
    for (uint32_t tick = 1; tick <= circuit.restinterval; ++tick)
        m_main->runnerFrame()->exercisetimerTimer();
    EXPECT_EQ(accessibleName(status), QStringLiteral("Now: ") + first);
    EXPECT_EQ(timeLeft->accessibleName(), timeLeft->text());

    // Space stops and Space goes on, on the button in front.
    QTest::keyClick(focused(), Qt::Key_Space);
    EXPECT_FALSE(m_main->runnerFrame()->runInProgress());
    EXPECT_EQ(focused()->objectName(), QStringLiteral("btn_start"));
    QTest::keyClick(focused(), Qt::Key_Space);
    ASSERT_TRUE(m_main->runnerFrame()->runInProgress());

    const uint32_t ticks = static_cast<uint32_t>(circuit.exercisecount) *
                           (circuit.exerciseinterval + circuit.restinterval + 2);
    for (uint32_t tick = 0; tick < ticks && m_main->runnerFrame()->runInProgress(); ++tick)
        m_main->runnerFrame()->exercisetimerTimer();
    EXPECT_EQ(accessibleName(status), QStringLiteral("Finished"));
    EXPECT_FALSE(m_main->runnerFrame()->runInProgress());
    EXPECT_TRUE(runner()->isAncestorOf(focused())) << "the focus stays in the runner";

    // Tab goes round within the runner; F6 is the way out: to the bar, to the
    // grid, back into the front frame, and Shift+F6 the other way.
    QTest::keyClick(focused(), Qt::Key_F6);
    EXPECT_TRUE(bar()->isAncestorOf(focused()));
    QTest::keyClick(focused(), Qt::Key_F6);
    EXPECT_EQ(focused(), m_main->gridView());
    QTest::keyClick(focused(), Qt::Key_F6);
    EXPECT_TRUE(runner()->isAncestorOf(focused()));
    QTest::keyClick(focused(), Qt::Key_F6, Qt::ShiftModifier);
    EXPECT_EQ(focused(), m_main->gridView());
}
