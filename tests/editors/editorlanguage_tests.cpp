// The editors in another language: captions, messages and the type lists
// come from the installed translation; names and types from files stay as
// written.
#include "editors/circuitedit.h"
#include "editors/circuitinfoform.h"
#include "editors/exerciseframe.h"

#include "data/catalogue.h"
#include "data/exercises.h"
#include "testsupport/tempfolder.h"
#include "testsupport/testdialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <QTranslator>
#include <gtest/gtest.h>

#include <map>
#include <utility>

namespace {

// A translation made in the test: context and English text to the other text.
class WordTranslator final : public QTranslator {
public:
    std::map<std::pair<QString, QString>, QString> words;

    QString translate(const char* context, const char* sourceText, const char* = nullptr,
                      int = -1) const override {
        const auto found =
            words.find({QString::fromLatin1(context), QString::fromUtf8(sourceText)});
        return found == words.end() ? QString() : found->second;
    }
    bool isEmpty() const override { return false; }
};

class NoGrid final : public CircuitGrid {
public:
    void setcell(int, int, const std::string&) override {}
};

class EditorLanguage : public ::testing::Test {
protected:
    EditorLanguage() {
        folder.makeApplicationFolder();
        exercisetable() = ExerciseTable{};
        TestDialogs::takeShown();
    }
    ~EditorLanguage() override {
        QCoreApplication::removeTranslator(&translator);
        exercisetable() = ExerciseTable{};
    }
    // Installed before the frames are made, as the program does at start-up.
    void speak(std::map<std::pair<QString, QString>, QString> words) {
        translator.words = std::move(words);
        QCoreApplication::installTranslator(&translator);
    }
    std::string fileLine(const std::string& file, int index) const {
        const std::string text = folder.readFile("Circuits/" + file);
        size_t start = 0;
        for (int i = 0; i < index; ++i)
            start = text.find("\r\n", start) + 2;
        return text.substr(start, text.find("\r\n", start) - start);
    }

    TempFolder folder;
    WordTranslator translator;
    NoGrid grid;
};

TEST_F(EditorLanguage, translation_wordsCaptionsAndMessagesAroundNamesAsWritten) {
    speak({{{"EditorWords", "Circuit Name: %1"}, "Zirkelname: %1"},
           {{"Tfrm_CircuitEdit", "Circuit Name"}, "Zirkelname"},
           {{"EditorWords", "Another circuit is already stored as \"%1\". Choose another name "
                            "before modifying this circuit."},
            QString::fromUtf8("Ein anderer Zirkel heißt schon „%1“.")},
           {{"EditorWords", "The circuit keeps its name \"%1\"."},
            QString::fromUtf8("Der Zirkel behält den Namen „%1“.")}});
    // A name that looks like a placeholder stays as written.
    folder.writeFile("Circuits/Arms %2.cir", "Arms %2\r\nArme\r\n30\r\n15\r\n");

    Tfrm_CircuitInfo panel;
    panel.showcircuitinfo(folder.path() + "Circuits/Arms %2.cir");
    EXPECT_EQ(panel.findChild<QLabel*>("lbl_CircName")->text(), "Zirkelname: Arms %2");
    EXPECT_EQ(panel.findChild<QLabel*>("lbl_CircType")->text(), "Circuit Type: Arme");

    Tfrm_CircuitEdit editor;
    editor.setCatalogueGrid(&grid);
    editor.show(); // a hidden editor leaves its name field to hideEvent
    EXPECT_EQ(editor.findChild<QLabel*>("Label1")->text(), "Zirkelname");
    editor.newcircuit();
    auto* name = editor.findChild<QLineEdit*>("edt_circuitname");
    name->selectAll();
    QTest::keyClicks(name, "Arms %2");
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(name, &out);
    EXPECT_EQ(TestDialogs::takeShown(),
              QStringList{QString::fromUtf8("Ein anderer Zirkel heißt schon „Arms %2“.\n"
                                            "Der Zirkel behält den Namen „New Circuit“.")});
}

TEST_F(EditorLanguage, typeLists_offerAndStoreTheTranslatedWordsAndKeepOtherTypes) {
    const QString upper = QString::fromUtf8("Oberkörper");
    speak({{{"EditorWords", "Upper Body"}, upper},
           {{"EditorWords", "Multiple Area Workout"}, QStringLiteral("Ganzkörper")},
           {{"EditorWords", "New Circuit"}, QStringLiteral("Neuer Zirkel")}});
    ExerciseTable& table = exercisetable();
    table[0] = TExercise{5, "Push Up", "Upper Body", "", 0};
    table[1] = TExercise{6, "Liegestütz", "Oberkörper", "", 0};
    table[2] = TExercise{7, "Crunch", "Abdominal", "", 0};
    table.librarysize = 3;

    Tfrm_CircuitEdit editor;
    editor.setCatalogueGrid(&grid);
    auto* types = editor.findChild<QComboBox*>("cmb_circuittype");
    auto* choices = editor.findChild<QComboBox*>("cmb_exercises");
    editor.newcircuit();
    EXPECT_EQ(types->currentText(), upper);
    EXPECT_EQ(fileLine("Neuer Zirkel.cir", 1), "Oberkörper");
    // A type is data: the English word of a record is another type.
    ASSERT_EQ(choices->count(), 1);
    EXPECT_EQ(choices->itemText(0), QString::fromUtf8("Liegestütz"));

    types->setFocus();
    QTest::keyClick(types, Qt::Key_End); // the user's pick: the type of every area
    EXPECT_EQ(fileLine("Neuer Zirkel.cir", 1), "Ganzkörper");
    EXPECT_EQ(choices->count(), 3);

    // A circuit whose file holds the English word keeps it through a change.
    folder.writeFile("Circuits/Old.cir", "Old\r\nUpper Body\r\n30\r\n15\r\n");
    editor.modifycircuit(folder.path() + "Circuits/Old.cir");
    EXPECT_EQ(types->currentIndex(), -1);
    QTest::mouseClick(editor.findChild<QWidget*>("btn_newexercise"), Qt::LeftButton);
    EXPECT_EQ(fileLine("Old.cir", 1), "Upper Body");
    EXPECT_EQ(fileLine("Old.cir", 4), "Push Up");

    // The exercise editor's list offers the same words and stores the one picked.
    folder.writeFile("exercises.lst", "5\r\nPush Up\r\nAbdominal\r\nd\r\n0\r\n");
    Tfrm_ExerciseFrame exercises;
    exercises.loadexercises();
    auto* exerciseType = exercises.findChild<QComboBox*>("txt_extype");
    exerciseType->setFocus();
    QTest::keyClick(exerciseType, Qt::Key_Home);
    EXPECT_EQ(exercisetable()[0].extype, "Oberkörper");
    EXPECT_NE(folder.readFile("exercises.lst").find("Push Up\r\nOberkörper\r\n"),
              std::string::npos);
    EXPECT_TRUE(TestDialogs::takeShown().isEmpty());
}

} // namespace
