// Actions on the main window hit the circuit the user sees: the grid's
// selection follows the circuit being edited, the removal names what it
// deletes, and a removed circuit is never written back by the editor.
#include "appfixture.h"

#include "data/apppaths.h"
#include "editors/circuitedit.h"
#include "testsupport/testdialogs.h"

#include <QLineEdit>
#include <QTest>

#include <filesystem>

namespace {
int circuitFiles() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry :
         std::filesystem::directory_iterator(circuitsfolder()))
        ++count;
    return count;
}
} // namespace

TEST_F(AppFixture, selectionFollowsTheEditedCircuit_andRemoveDeletesOnlyIt) {
    startProgram();
    clickStartLink();
    selectRow(0);
    const std::string first = cell(0, 4);
    auto* name = m_main->circuitEditFrame()->findChild<QLineEdit*>("edt_circuitname");
    ASSERT_NE(name, nullptr);

    click(bar(), "btn_new");
    EXPECT_EQ(m_main->selectedpath(), circuitsfolder() + "New Circuit.cir");

    // A rename re-sorts the grid: the selection moves with the circuit.
    name->setFocus();
    name->selectAll();
    QTest::keyClicks(name, "Abs");
    EXPECT_EQ(m_main->selectedrow(), 0);
    EXPECT_EQ(m_main->selectedpath(), circuitsfolder() + "Abs.cir");

    TestDialogs::setNextAnswer(true);
    click(bar(), "btn_remove");
    const QStringList shown = TestDialogs::takeShown();
    ASSERT_EQ(shown.size(), 1);
    EXPECT_TRUE(shown[0].endsWith(QStringLiteral("Circuit: Abs"))) << shown[0].toStdString();
    EXPECT_FALSE(fileexists(circuitsfolder() + "Abs.cir"));
    EXPECT_TRUE(fileexists(first));
    EXPECT_EQ(circuitFiles(), starterCircuits());

    // The editor let the removed circuit go: keys and leaving write nothing.
    EXPECT_FALSE(name->isEnabled());
    EXPECT_TRUE(name->text().isEmpty());
    QTest::keyClicks(name, "Z");
    click(bar(), "btn_exercise");
    EXPECT_EQ(circuitFiles(), starterCircuits());
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());

    // New makes it editable again.
    click(bar(), "btn_new");
    EXPECT_TRUE(name->isEnabled());
    EXPECT_EQ(circuitFiles(), starterCircuits() + 1);
}
