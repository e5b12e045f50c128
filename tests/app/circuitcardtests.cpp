// The printed circuit card, read back with poppler's tools: one page of the
// paper asked for, every name and time where it belongs, descriptions cut
// after two lines, and no file left behind by a read or write that failed.
#include "app/print/cardprinting.h"
#include "data/circuitfile.h"
#include "data/circuitplan.h"
#include "data/durationtext.h"
#include "data/ioerror.h"
#include "testsupport/tempfolder.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTimer>

#include <gtest/gtest.h>

#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <unistd.h>

namespace {

// Long enough to need four lines in the description column.
const std::string kLongDescription =
    "Hands just wider than shoulders, body straight from head to heels; lower your chest to "
    "just above the floor and press back up without letting your hips sag, breathing out as "
    "you push and keeping your neck long until the very last repetition";

// Long enough for two lines even in the small print of a hundred rows.
std::string drillDescription() {
    std::string text = "Begin standing tall;";
    for (int step = 0; step < 30; ++step)
        text += " step forward, then back";
    return text + " and finish standing";
}

std::string libraryRecord(int number, const std::string& name, const std::string& description) {
    return std::to_string(number) + "\r\n" + name + "\r\nUpper Body\r\n" + description +
           "\r\n1\r\n";
}

// What poppler reads in a PDF.
struct PdfSeen {
    int pages = 0;
    QString size;      // "595.276 x 841.89 pts (A4)"
    QStringList lines; // the text as laid out
    QString text;
};

std::optional<QString> output(const QString& program, const QStringList& arguments) {
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return QString::fromUtf8(process.readAllStandardOutput());
}

bool havePoppler() {
    return !QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty() &&
           !QStandardPaths::findExecutable(QStringLiteral("pdfinfo")).isEmpty();
}

PdfSeen look(const std::string& path) {
    PdfSeen seen;
    const QString file = QString::fromStdString(path);
    const std::optional<QString> info = output(QStringLiteral("pdfinfo"), {file});
    const std::optional<QString> text =
        output(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), file, QStringLiteral("-")});
    if (!info || !text)
        return seen;
    for (const QString& line : info->split('\n')) {
        if (line.startsWith(QStringLiteral("Pages:")))
            seen.pages = line.mid(6).trimmed().toInt();
        if (line.startsWith(QStringLiteral("Page size:")))
            seen.size = line.mid(10).trimmed();
    }
    seen.text = *text;
    seen.lines = text->split('\n');
    return seen;
}

// The index of the first line holding `words`; -1 when none does.
int lineWith(const PdfSeen& seen, const QString& words) {
    for (int index = 0; index < seen.lines.size(); ++index)
        if (seen.lines[index].contains(words))
            return index;
    return -1;
}

class CircuitCardPdf : public ::testing::Test {
protected:
    void SetUp() override {
        std::string library = libraryRecord(1000, "Push-Up", kLongDescription) +
                              libraryRecord(1250, "Side Plank", "Lie on one side, hips up.") +
                              libraryRecord(1500, "Squat", "Sit back as onto a chair.");
        for (int number = 1; number <= kMaxCircuitExercises; ++number)
            library += libraryRecord(2000 + number, drillName(number), drillDescription());
        m_folder.writeFile("exercises.lst", library);
        loadexercises(*m_table, m_folder.path() + "exercises.lst");

        m_folder.writeFile("Circuits/Morning Mix.cir",
                           "Morning Mix\r\nMultiple Area Workout\r\n"
                           "40 rounds=3 roundrest=75 warmup=120 cooldown=90\r\n20\r\n"
                           "Push-Up\treps=15 work=45\r\n"
                           "Side Plank\twork=30 sides=2\r\n"
                           "Squat\trest=25\r\n"
                           "Skipping\r\n");
        std::string hundred = "Hundred\r\nUpper Body\r\n30\r\n10\r\n";
        for (int number = 1; number <= kMaxCircuitExercises; ++number)
            hundred += drillName(number) + "\r\n";
        m_folder.writeFile("Circuits/Hundred.cir", hundred);
    }

    static std::string drillName(int number) {
        char name[32];
        std::snprintf(name, sizeof name, "Drill %03d", number);
        return name;
    }

    std::string circuit(const std::string& name) const {
        return m_folder.path() + "Circuits/" + name + ".cir";
    }

    TempFolder m_folder;
    std::unique_ptr<ExerciseTable> m_table = std::make_unique<ExerciseTable>();
};

QString duration(uint64_t seconds) {
    return QString::fromStdString(durationtext(seconds));
}

int entriesIn(const std::string& folder) {
    return static_cast<int>(std::distance(std::filesystem::directory_iterator(folder),
                                          std::filesystem::directory_iterator()));
}

// Answers the print dialog once it is up, as long as it lives; Qt's own
// dialog, found by its class name so the tests need not link Qt Print Support.
class PrintDialogAnswer final {
public:
    explicit PrintDialogAnswer(std::function<void(QDialog&)> answer) {
        QObject::connect(&m_timer, &QTimer::timeout, [this, answer = std::move(answer)] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (!dialog || !dialog->inherits("QPrintDialog"))
                return;
            m_timer.stop();
            answer(*dialog);
        });
        m_timer.start(20);
    }

private:
    QTimer m_timer;
};

} // namespace

TEST_F(CircuitCardPdf, circuitWithKeys_showsEveryValueInItsRowOnOneA4Page) {
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) not found";
    const std::string pdf = m_folder.path() + "Morning Mix.pdf";
    ASSERT_EQ(writecircuitcardpdf(circuit("Morning Mix"), pdf, CardPage::A4, *m_table),
              CardPrintResult::Done);

    const PdfSeen seen = look(pdf);
    EXPECT_EQ(seen.pages, 1);
    EXPECT_TRUE(seen.size.contains(QStringLiteral("(A4)"))) << seen.size.toStdString();
    const std::string text = seen.text.toStdString();
    EXPECT_TRUE(seen.text.contains(QStringLiteral("Morning Mix"))) << text;
    EXPECT_TRUE(seen.text.contains(QStringLiteral("Multiple Area Workout"))) << text;
    // The line under the title: rounds, the rest between them, warm-up, cool-down.
    const QString facts = seen.lines.value(lineWith(seen, QStringLiteral("Rounds")));
    EXPECT_TRUE(facts.contains(QRegularExpression(QStringLiteral("Rounds\\s+3\\s"))))
        << facts.toStdString();
    for (const QString& value : {duration(75), duration(120), duration(90)})
        EXPECT_TRUE(facts.contains(value)) << facts.toStdString();
    const uint64_t planned = plannedseconds(readcircuit(circuit("Morning Mix"), *m_table));
    EXPECT_TRUE(seen.text.contains(duration(planned))) << text;

    // Each exercise's own work, rest, repetitions and sides, in that order on
    // its own line; the circuit's times where it gives none, a dash for no
    // repetitions. A name the library does not know is printed all the same.
    const QString dash(QChar(0x2013));
    const auto expectRow = [&seen](const QString& name, const QString& work, const QString& rest,
                                   const QString& reps, const QString& sides) {
        const QString line = seen.lines.value(lineWith(seen, name));
        const QRegularExpression cells(
            QStringLiteral("%1\\s+%2\\s+%3\\s+%4(\\s|$)").arg(work, rest, reps, sides));
        EXPECT_TRUE(line.contains(cells)) << name.toStdString() << ": " << line.toStdString();
    };
    expectRow(QStringLiteral("Push-Up"), duration(45), duration(20), QStringLiteral("15"),
              QStringLiteral("1"));
    expectRow(QStringLiteral("Side Plank"), duration(30), duration(20), dash, QStringLiteral("2"));
    expectRow(QStringLiteral("Squat"), duration(40), duration(25), dash, QStringLiteral("1"));
    expectRow(QStringLiteral("Skipping"), duration(40), duration(20), dash, QStringLiteral("1"));

    // The long description: its first line beside the name, a second that
    // ends in an ellipsis, and nothing of its end; a short one stays whole.
    const int first = lineWith(seen, QStringLiteral("Hands just wider"));
    EXPECT_EQ(first, lineWith(seen, QStringLiteral("Push-Up")));
    EXPECT_TRUE(seen.lines.value(first + 1).trimmed().endsWith(QChar(0x2026)))
        << seen.lines.value(first + 1).toStdString();
    EXPECT_FALSE(seen.text.contains(QStringLiteral("last repetition"))) << text;
    EXPECT_EQ(seen.text.count(QChar(0x2026)), 1) << text;
    EXPECT_TRUE(seen.text.contains(QStringLiteral("Sit back as onto a chair."))) << text;
}

TEST_F(CircuitCardPdf, hundredExercises_fitOneLetterPageEachWithItsDescriptionCut) {
    if (!havePoppler())
        GTEST_SKIP() << "poppler-utils (pdftotext, pdfinfo) not found";
    const std::string pdf = m_folder.path() + "Hundred.pdf";
    ASSERT_EQ(writecircuitcardpdf(circuit("Hundred"), pdf, CardPage::Letter, *m_table),
              CardPrintResult::Done);

    const PdfSeen seen = look(pdf);
    EXPECT_EQ(seen.pages, 1);
    EXPECT_TRUE(seen.size.startsWith(QStringLiteral("612 x 792 pts"))) << seen.size.toStdString();
    for (int number = 1; number <= kMaxCircuitExercises; ++number)
        EXPECT_GE(lineWith(seen, QString::fromStdString(drillName(number))), 0) << number;
    EXPECT_EQ(seen.text.count(QChar(0x2026)), kMaxCircuitExercises);
    EXPECT_FALSE(seen.text.contains(QStringLiteral("finish standing")));
    const uint64_t planned = plannedseconds(readcircuit(circuit("Hundred"), *m_table));
    EXPECT_TRUE(seen.text.contains(duration(planned)));
}

TEST_F(CircuitCardPdf, failedReadOrWrite_raisesAndLeavesNoFile) {
    const std::string folder = m_folder.path() + "cards";
    std::filesystem::create_directory(folder);
    const auto entries = [&folder] { return entriesIn(folder); };

    // A circuit that is not there: nothing is written.
    EXPECT_THROW(writecircuitcardpdf(circuit("Gone"), folder + "/gone.pdf", CardPage::A4, *m_table),
                 IoError);
    EXPECT_EQ(entries(), 0);

    // A folder in the way of the PDF: the card is made, its temporary file
    // removed again.
    std::filesystem::create_directory(folder + "/taken.pdf");
    EXPECT_THROW(
        writecircuitcardpdf(circuit("Morning Mix"), folder + "/taken.pdf", CardPage::A4, *m_table),
        IoError);
    EXPECT_EQ(entries(), 1);
    std::filesystem::remove(folder + "/taken.pdf");

    // A folder that may not be written to (root may write anywhere).
    if (::geteuid() != 0) {
        std::filesystem::permissions(folder, std::filesystem::perms::owner_read |
                                                 std::filesystem::perms::owner_exec);
        EXPECT_THROW(writecircuitcardpdf(circuit("Morning Mix"), folder + "/card.pdf", CardPage::A4,
                                         *m_table),
                     IoError);
        std::filesystem::permissions(folder, std::filesystem::perms::owner_all);
        EXPECT_EQ(entries(), 0);
    }

    // Without the print module nothing is printed, and the caller is told.
    replaceCardPrinter(nullptr);
    EXPECT_EQ(
        writecircuitcardpdf(circuit("Morning Mix"), folder + "/card.pdf", CardPage::A4, *m_table),
        CardPrintResult::NoPrintModule);
    restoreCardPrinter();
    EXPECT_EQ(entries(), 0);
    EXPECT_FALSE(cardprintwords(CardPrintResult::NoPrintModule).isEmpty());
}

TEST_F(CircuitCardPdf, printDialog_cancelPrintsNothingAndAChosenPdfFileIsWritten) {
    const std::string folder = m_folder.path() + "cards";
    std::filesystem::create_directory(folder);
    {
        PrintDialogAnswer cancel([](QDialog& dialog) { dialog.reject(); });
        EXPECT_EQ(printcircuitcard(nullptr, circuit("Morning Mix"), *m_table),
                  CardPrintResult::Cancelled);
    }
    EXPECT_EQ(entriesIn(folder), 0);

    // Qt's dialog lists "Print to File (PDF)" after the printers.
    const std::string pdf = folder + "/Morning Mix.pdf";
    PrintDialogAnswer toFile([&pdf](QDialog& dialog) {
        auto* printers = dialog.findChild<QComboBox*>(QStringLiteral("printers"));
        auto* file = dialog.findChild<QLineEdit*>(QStringLiteral("filename"));
        if (!printers || !file) {
            ADD_FAILURE() << "the print dialog has no printer list or file name";
            dialog.reject();
            return;
        }
        printers->setCurrentIndex(printers->count() - 1);
        file->setText(QString::fromStdString(pdf));
        dialog.accept();
    });
    EXPECT_EQ(printcircuitcard(nullptr, circuit("Morning Mix"), *m_table), CardPrintResult::Done);
    EXPECT_EQ(entriesIn(folder), 1); // no temporary file left beside it
    if (havePoppler()) {
        const PdfSeen seen = look(pdf);
        EXPECT_EQ(seen.pages, 1);
        EXPECT_TRUE(seen.text.contains(QStringLiteral("Morning Mix")));
    } else {
        EXPECT_TRUE(std::filesystem::file_size(pdf) > 0);
    }
}
