#include "app/print/cardprinting.h"

#include "app/print/cardprinter.h"
#include "data/atomicfile.h"
#include "data/circuitcard.h"
#include "data/circuitfile.h"
#include "data/durationtext.h"
#include "data/moduleloader.h"
#include "runner/phasecolours.h"
#include "ui/fonts.h"
#include "ui/textconv.h"

#include <QCoreApplication>
#include <QFile>
#include <QLocale>

#include <memory>

namespace {

bool complete(const CardPrinter& printer) {
    return printer.writePdf != nullptr && printer.printWithDialog != nullptr;
}

constinit ModuleTable<CardPrinter> g_printer{STRIDEWELL_PRINT_MODULE, kCardPrinterEntry,
                                             kCardPrinterVersion, &complete};

// The card's words in the user's language (translation context
// "CircuitCardWords"). Names, types and descriptions go in as the files hold
// them; the times are the program's durations, as every window shows them.
class CircuitCardWords final {
    Q_DECLARE_TR_FUNCTIONS(CircuitCardWords)
public:
    static CardSheet sheet(const CircuitCard& card);
    static QString problem(CardPrintResult result);
};

QString duration(uint64_t seconds) {
    return QString::fromStdString(durationtext(seconds));
}

CardSheet CircuitCardWords::sheet(const CircuitCard& card) {
    CardSheet sheet;
    sheet.title = totext(card.name);
    sheet.subtitle = totext(card.type);
    //: Printed circuit card: above the circuit's planned time, top right.
    sheet.plannedLabel = tr("Planned time");
    sheet.plannedValue = duration(card.plannedseconds);

    // The line under the title; what a circuit does not have is left out, as
    // in the information panel. A fact without a colour is drawn in ink.
    //: Printed circuit card: the number of exercises, followed by the count.
    sheet.facts.push_back({tr("Exercises"), QString::number(card.rows.size()), {}});
    //: Printed circuit card: the number of rounds, followed by the count.
    sheet.facts.push_back({tr("Rounds"), QString::number(card.rounds), {}});
    if (card.roundrest)
        //: Printed circuit card, followed by a duration.
        sheet.facts.push_back({tr("Rest between rounds"), duration(*card.roundrest), restColour()});
    if (card.warmup > 0)
        //: Printed circuit card, followed by a duration.
        sheet.facts.push_back({tr("Warm-up"), duration(card.warmup), calmColour()});
    if (card.cooldown > 0)
        //: Printed circuit card, followed by a duration.
        sheet.facts.push_back({tr("Cool-down"), duration(card.cooldown), calmColour()});

    // The first column holds the row's number and has no title.
    //: Column title of the printed circuit card: the exercise's name.
    sheet.columns[1] = tr("Exercise");
    //: Column title of the printed circuit card: the time of work; a narrow column.
    sheet.columns[2] = tr("Work");
    //: Column title of the printed circuit card: the rest before the exercise; a narrow column.
    sheet.columns[3] = tr("Rest before");
    //: Column title of the printed circuit card: repetitions; a narrow column.
    sheet.columns[4] = tr("Reps");
    //: Column title of the printed circuit card: 1, or 2 for left then right; a narrow column.
    sheet.columns[5] = tr("Sides");
    //: Column title of the printed circuit card: the exercise's description.
    sheet.columns[6] = tr("Description");

    const QString none(QChar(0x2013)); // an en dash: a timed exercise has no repetitions
    sheet.rows.reserve(card.rows.size());
    int number = 0;
    for (const CircuitCardRow& row : card.rows) {
        sheet.rows.push_back({QString::number(++number), totext(row.name),
                              duration(row.workseconds), duration(row.restseconds),
                              row.reps > 0 ? QString::number(row.reps) : none,
                              QString::number(row.sides), totext(row.description)});
    }
    //: Printed circuit card, in place of the table of a circuit without exercises.
    sheet.noRows = tr("This circuit has no exercises.");
    sheet.footer = QStringLiteral("Stridewell"); // the program's name is not translated

    sheet.headingFace = centurygothicfont(12);
    sheet.textFace = verdanafont(12);
    sheet.workColour = exerciseColour();
    sheet.restColour = restColour();
    sheet.calmColour = calmColour();
    return sheet;
}

QString CircuitCardWords::problem(CardPrintResult result) {
    switch (result) {
    case CardPrintResult::Done:
    case CardPrintResult::Cancelled:
        return {};
    case CardPrintResult::NoPrintModule:
        return tr("Printing is not available: the print module of this installation is missing "
                  "or belongs to another version of the program.");
    case CardPrintResult::PaintFailed:
        return tr("The circuit card could not be printed.");
    }
    return {};
}

// The record is large (101 entries): it lives on the heap for the read.
CircuitCard readcard(const std::string& circuitPath, const ExerciseTable& table) {
    auto circuit = std::make_unique<TCircuit2>();
    readcircuit(circuitPath, table, *circuit);
    return buildcircuitcard(*circuit);
}

void writepdf(const std::string& path, const QByteArray& pdf) {
    writefileatomically(path, std::string(pdf.constData(), static_cast<size_t>(pdf.size())));
}

} // namespace

CardPage defaultcardpage() {
    // Only the US system: the UK's imperial system prints on A4.
    return QLocale::system().measurementSystem() == QLocale::ImperialUSSystem ? CardPage::Letter
                                                                              : CardPage::A4;
}

CardPrintResult writecircuitcardpdf(const std::string& circuitPath, const std::string& pdfPath,
                                    CardPage page, const ExerciseTable& table) {
    const CircuitCard card = readcard(circuitPath, table);
    const CardPrinter* printer = g_printer.get();
    if (!printer)
        return CardPrintResult::NoPrintModule;
    QByteArray pdf;
    if (!printer->writePdf(CircuitCardWords::sheet(card), page, pdf))
        return CardPrintResult::PaintFailed;
    writepdf(pdfPath, pdf);
    return CardPrintResult::Done;
}

CardPrintResult printcircuitcard(QWidget* parent, const std::string& circuitPath,
                                 const ExerciseTable& table) {
    const CircuitCard card = readcard(circuitPath, table);
    const CardPrinter* printer = g_printer.get();
    if (!printer)
        return CardPrintResult::NoPrintModule;
    QString pdfPath;
    QByteArray pdf;
    switch (printer->printWithDialog(CircuitCardWords::sheet(card), defaultcardpage(), parent,
                                     pdfPath, pdf)) {
    case CardDialogEnd::Printed:
        return CardPrintResult::Done;
    case CardDialogEnd::Cancelled:
        return CardPrintResult::Cancelled;
    case CardDialogEnd::Failed:
        return CardPrintResult::PaintFailed;
    case CardDialogEnd::PdfChosen:
        writepdf(QFile::encodeName(pdfPath).toStdString(), pdf);
        return CardPrintResult::Done;
    }
    return CardPrintResult::PaintFailed;
}

QString cardprintwords(CardPrintResult result) {
    return CircuitCardWords::problem(result);
}

void replaceCardPrinter(const CardPrinter* printer) {
    g_printer.replace(printer);
}

void restoreCardPrinter() {
    g_printer.restore();
}
