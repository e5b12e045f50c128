// The share menus of the information panel and the circuit editor: a circuit
// sent to a file comes back as a copy under a free name, listed and selected,
// and a file that cannot be taken in is told and changes nothing.
#include "appfixture.h"

#include "app/mainwindow/importwords.h"
#include "ui/textconv.h"

#include "data/apppaths.h"
#include "editors/circuitedit.h"
#include "editors/circuitinfoform.h"
#include "testsupport/testdialogs.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>

#include <fstream>

namespace {

void choose(QWidget* frame, const char* entry) {
    auto* button = frame->findChild<QPushButton*>("btn_share");
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isVisible());
    auto* action = button->menu()->findChild<QAction*>(entry);
    ASSERT_NE(action, nullptr);
    action->trigger();
}

std::string firstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

} // namespace

TEST_F(AppFixture, shareMenus_exportThenImport_addsAListedCopy_andARefusalChangesNothing) {
    startProgram();
    clickStartLink();
    selectRow(0);
    const std::string name = cell(0, 0);
    click(bar(), "btn_info");
    ASSERT_EQ(frontFrame(), m_main->circuitInfoFrame());

    const std::string sent = m_folder.path() + "sent.stridewell";
    TestDialogs::setNextFileName(QString::fromStdString(sent));
    choose(m_main->circuitInfoFrame(), "act_exportcircuit");
    EXPECT_EQ(firstLine(sent), "Stridewell circuit 1");
    TestDialogs::takeShown();

    // Imported from the editor: a copy beside the original, selected.
    click(bar(), "btn_new");
    TestDialogs::setNextFileName(QString::fromStdString(sent));
    choose(m_main->circuitEditFrame(), "act_importcircuits");
    const std::string copy = name + " (2)";
    EXPECT_EQ(m_main->selectedname(), copy);
    EXPECT_EQ(firstLine(circuitsfolder() + copy + ".cir"), copy);
    const QStringList shown = TestDialogs::takeShown();
    ASSERT_EQ(shown.size(), 2); // the file question, then the report
    EXPECT_TRUE(shown[1].contains(QStringLiteral("Added the circuit \"%1\".")
                                      .arg(QString::fromStdString(copy))))
        << shown[1].toStdString();

    // A cut file: the guard tells why, nothing is added.
    const std::string cut = m_folder.path() + "cut.stridewell";
    std::ofstream(cut) << "Stridewell circuit 1\ncircuit 4\nCut\nx\n30\n";
    const std::string selected = m_main->selectedpath();
    TestDialogs::setNextFileName(QString::fromStdString(cut));
    choose(m_main->circuitEditFrame(), "act_importcircuits");
    const QStringList refusal = TestDialogs::takeShown();
    ASSERT_EQ(refusal.size(), 2);
    EXPECT_TRUE(refusal[1].endsWith(QStringLiteral("is cut short"))) << refusal[1].toStdString();
    EXPECT_EQ(m_main->selectedpath(), selected);
    EXPECT_FALSE(fileexists(circuitsfolder() + "Cut.cir"));
}

// The windows' English wording of every note is the command line's, word for
// word, a workout's name that looks like a placeholder included.
TEST(ImportWords, englishIsTheCommandLinesText) {
    for (int id = 0; id <= static_cast<int>(PeerNoteId::Rounded); ++id) {
        for (const std::string& name : {std::string("Legs %2"), std::string()}) {
            const PeerNote note{static_cast<PeerNoteId>(id), {name, "7", "Caf\xC3\xA9"}};
            EXPECT_EQ(peernotewords(note), totext(englishpeernote(note))) << englishpeernote(note);
        }
    }
}
