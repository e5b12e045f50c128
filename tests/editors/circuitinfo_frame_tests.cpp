// The circuit information panel on the offscreen platform.
#include "editors/circuitinfoform.h"

#include "data/contentaddress.h"
#include "data/exercises.h"
#include "data/ioerror.h"
#include "testsupport/recordingbrowser.h"
#include "testsupport/tempfolder.h"

#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QTest>
#include <gtest/gtest.h>

namespace {

class CircuitInfoTest : public ::testing::Test {
protected:
    CircuitInfoTest() {
        folder.makeApplicationFolder();
        exercisetable() = ExerciseTable{};
        add(11, "Push Up", "Arms straight, body straight.", 1);
        add(12, "Crunch", "Curl up halfway.", 0);
        add(13, "Step & Go", "Step up, step down.", 1);
        panel.setBrowser(browser);
    }
    ~CircuitInfoTest() override { exercisetable() = ExerciseTable{}; }

    static void add(uint32_t number, const std::string& name, const std::string& description,
                    uint8_t online) {
        ExerciseTable& table = exercisetable();
        TExercise& slot = table[table.librarysize++];
        slot = TExercise{number, name, "Upper Body", description, online};
    }

    std::string store(const std::string& name, const std::string& body) const {
        folder.writeFile("Circuits/" + name + ".cir", body);
        return folder.path() + "Circuits/" + name + ".cir";
    }

    QString label(const char* name) const {
        auto* found = panel.findChild<QLabel*>(QString::fromLatin1(name));
        return found ? found->text() : QStringLiteral("<missing>");
    }
    QListWidget* list() const { return panel.findChild<QListWidget*>("lst_exercises"); }
    QString description() const {
        return panel.findChild<QPlainTextEdit*>("mmo_exdescription")->toPlainText();
    }
    QLabel* link() const { return panel.findChild<QLabel*>("lbl_openbrowser"); }
    void clickLine(int row) const {
        QListWidget* lines = list();
        const QRect place = lines->visualItemRect(lines->item(row));
        QTest::mouseClick(lines->viewport(), Qt::LeftButton, {}, place.center());
    }
    QStringList lines() const {
        QStringList texts;
        for (int row = 0; row < list()->count(); ++row)
            texts << list()->item(row)->text();
        return texts;
    }

    TempFolder folder;
    RecordingBrowser browser;
    Tfrm_CircuitInfo panel;
};

TEST_F(CircuitInfoTest, threeExerciseCircuit_showsItsDetailsAndLines) {
    panel.showcircuitinfo(
        store("Arms", "Arm Day\r\nUpper Body\r\n30\r\n15\r\nPush Up\r\nCrunch\r\nPush Up\r\n"));

    EXPECT_EQ(label("lbl_CircName"), "Circuit Name: Arm Day");
    EXPECT_EQ(label("lbl_CircType"), "Circuit Type: Upper Body");
    EXPECT_EQ(label("lbl_Exercises"), "Exercises: 3");
    EXPECT_EQ(label("lbl_totCTime"), "Total Circuit Time: 02:00");
    EXPECT_EQ(label("lbl_exInterval"), "Exercise Interval: 00:30");
    EXPECT_EQ(label("lbl_RestTime"), "Rest Interval: 00:15");
    EXPECT_EQ(lines(), (QStringList{"Push Up", "Crunch", "Push Up"}));
}

TEST_F(CircuitInfoTest, circuitOf150Exercises_showsTheGridsCountAndTime) {
    std::string body = "Long\r\nUpper Body\r\n10\r\n5\r\n";
    for (int i = 0; i < 150; ++i)
        body += "Push Up\r\n";
    panel.showcircuitinfo(store("Long", body));
    EXPECT_EQ(label("lbl_Exercises"), "Exercises: 150");
    EXPECT_EQ(label("lbl_totCTime"), "Total Circuit Time: 37:25"); // 150 x 10 + 149 x 5
    EXPECT_EQ(list()->count(), 100);
}

TEST_F(CircuitInfoTest, roundsWarmUpAndCoolDown_showOnlyForCircuitsThatUseThem) {
    const char* const planLines[] = {"lbl_rounds", "lbl_roundrest", "lbl_warmup", "lbl_cooldown"};
    panel.showcircuitinfo(store("Sides", "Sides\r\nUpper Body\r\n30 rounds=2 roundrest=60 "
                                         "cooldown=90\r\n15\r\nPush Up\r\nCrunch\tsides=2\r\n"));

    // 2 x (30 + 15 + 2 x 30), the second round after 60, then 90 of cool-down.
    EXPECT_EQ(label("lbl_totCTime"), "Total Circuit Time: 06:00");
    EXPECT_EQ(label("lbl_rounds"), "Rounds: 2");
    EXPECT_EQ(label("lbl_roundrest"), "Rest Between Rounds: 01:00");
    EXPECT_EQ(label("lbl_cooldown"), "Cool-down: 01:30");
    EXPECT_FALSE(panel.findChild<QLabel*>("lbl_warmup")->isVisibleTo(&panel));
    // One under another, clear of every other control of the panel.
    auto* cooldown = panel.findChild<QLabel*>("lbl_cooldown");
    EXPECT_EQ(cooldown->y(), panel.findChild<QLabel*>("lbl_roundrest")->y() + 16);
    QWidget* inside = cooldown->parentWidget();
    for (const char* name : planLines) {
        auto* line = panel.findChild<QLabel*>(name);
        if (!line->isVisibleTo(&panel))
            continue;
        EXPECT_EQ(line->font(), panel.findChild<QLabel*>("lbl_CircName")->font());
        for (QWidget* other : inside->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
            if (other == line || !other->isVisibleTo(&panel))
                continue;
            EXPECT_FALSE(line->geometry().intersects(other->geometry()))
                << name << " " << other->objectName().toStdString();
        }
    }

    panel.showcircuitinfo(store("Plain", "Plain\r\nUpper Body\r\n30 warmup=0\r\n15\r\n"));
    for (const char* name : planLines)
        EXPECT_FALSE(panel.findChild<QLabel*>(name)->isVisibleTo(&panel)) << name;
}

TEST_F(CircuitInfoTest, circuitWithoutExercises_showsZeroAndAnEmptyList) {
    panel.showcircuitinfo(store("Empty", "Empty\r\nAbdominal\r\n45\r\n75\r\n"));
    EXPECT_EQ(label("lbl_Exercises"), "Exercises: 0");
    EXPECT_EQ(label("lbl_totCTime"), "Total Circuit Time: 0");
    EXPECT_EQ(label("lbl_exInterval"), "Exercise Interval: 00:45");
    EXPECT_EQ(label("lbl_RestTime"), "Rest Interval: 01:15");
    EXPECT_EQ(list()->count(), 0);
}

TEST_F(CircuitInfoTest, blankExerciseLine_endsTheListButCountsInTheNumber) {
    panel.showcircuitinfo(
        store("Gap", "Gap\r\nUpper Body\r\n30\r\n15\r\nPush Up\r\n\r\nCrunch\r\n"));
    EXPECT_EQ(label("lbl_Exercises"), "Exercises: 3");
    EXPECT_EQ(lines(), QStringList{"Push Up"});
}

TEST_F(CircuitInfoTest, selectingALine_showsDescriptionAndLinkByOnlineMark) {
    panel.showcircuitinfo(
        store("Arms", "Arms\r\nUpper Body\r\n30\r\n15\r\nPush Up\r\nCrunch\r\nDeleted\r\n"));
    ASSERT_TRUE(link()->isVisibleTo(&panel));

    clickLine(1);
    EXPECT_EQ(description(), "Curl up halfway.");
    EXPECT_FALSE(link()->isVisibleTo(&panel));
    EXPECT_EQ(panel.selectedExerciseSlot(), 1);

    clickLine(0);
    EXPECT_EQ(description(), "Arms straight, body straight.");
    EXPECT_TRUE(link()->isVisibleTo(&panel));

    // A name no longer in the library lands on the empty spare slot.
    list()->setCurrentRow(2);
    EXPECT_EQ(panel.selectedExerciseSlot(), kNoExercise);
    EXPECT_EQ(description(), "");
    EXPECT_FALSE(link()->isVisibleTo(&panel));
}

TEST_F(CircuitInfoTest, showingAnotherCircuit_keepsTheSelectedDescriptionAndLink) {
    panel.showcircuitinfo(store("A", "A\r\nUpper Body\r\n30\r\n15\r\nCrunch\r\n"));
    clickLine(0);
    panel.showcircuitinfo(store("B", "B\r\nUpper Body\r\n30\r\n15\r\nPush Up\r\n"));
    EXPECT_EQ(description(), "Curl up halfway.");
    EXPECT_FALSE(link()->isVisibleTo(&panel));
    EXPECT_EQ(panel.selectedExerciseSlot(), 1);
    EXPECT_EQ(lines(), QStringList{"Push Up"});
}

TEST_F(CircuitInfoTest, failedRead_changesNothingAndRaises) {
    panel.showcircuitinfo(store("Arms", "Arms\r\nUpper Body\r\n30\r\n15\r\nPush Up\r\n"));
    const std::string bad = store("Bad", "Bad\r\nUpper Body\r\nsoon\r\n15\r\n");

    EXPECT_THROW(panel.showcircuitinfo(bad), IoError);
    EXPECT_THROW(panel.showcircuitinfo(""), IoError);
    EXPECT_THROW(panel.showcircuitinfo(folder.path() + "Circuits/None.cir"), IoError);

    EXPECT_EQ(label("lbl_CircName"), "Circuit Name: Arms");
    EXPECT_EQ(lines(), QStringList{"Push Up"});
    EXPECT_EQ(panel.shownCircuit().circuitname, "Arms");
}

TEST_F(CircuitInfoTest, linkClick_opensTheEncodedPageOfTheSelectedExercise) {
    // Before any selection the link belongs to slot 0.
    QTest::mouseClick(link(), Qt::LeftButton);
    EXPECT_EQ(browser.take(),
              QStringList{QString::fromStdString(kinoradexpageaddress("Push Up"))});

    panel.showcircuitinfo(store("Go", "Go\r\nUpper Body\r\n30\r\n15\r\nStep & Go\r\n"));
    clickLine(0);
    QTest::mouseClick(link(), Qt::LeftButton);
    const QStringList opened = browser.take();
    ASSERT_EQ(opened.size(), 1);
    EXPECT_TRUE(opened[0].endsWith("/kinoradex/index.php?show=Step%20%26%20Go"))
        << opened[0].toStdString();
}

TEST_F(CircuitInfoTest, exerciseInSlot300_showsThatSlotsDescription) {
    ExerciseTable& table = exercisetable();
    while (table.librarysize < kLibraryCapacity) {
        const int slot = table.librarysize;
        add(static_cast<uint32_t>(100 + slot), "Exercise " + std::to_string(slot),
            "Description " + std::to_string(slot), 0);
    }
    panel.showcircuitinfo(store("Deep", "Deep\r\nUpper Body\r\n30\r\n15\r\nExercise 300\r\n"));
    clickLine(0);
    EXPECT_EQ(panel.selectedExerciseSlot(), 300);
    EXPECT_EQ(description(), "Description 300");
}

} // namespace
