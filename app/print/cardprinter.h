#pragma once

#include "app/print/cardpage.h"
#include "data/moduleversion.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>

#include <cstdint>
#include <vector>

class QWidget;

// The painting side of a printed circuit card, kept in a module of its own
// (built from cardpainter.cpp) so that Qt Print Support is loaded on the
// first print and never at start-up. The program words the card and hands it
// over as a sheet; the module lays it out on one page and prints it. Both
// sides are built together from this header; the version, taken from the
// types and layout of everything that crosses, keeps a stale module beside a
// newer program from being used.

// One value of the line under the title: "Rounds" and "3".
struct CardFact {
    QString label;
    QString value;
    QColor colour; // the value's; none: the text's own
};

// One exercise, every cell worded.
struct CardSheetRow {
    QString number;
    QString name;
    QString work;
    QString rest;
    QString reps;
    QString sides;
    QString description; // whole: the painter cuts it to two lines
};

inline constexpr int kCardColumns = 7; // number, name, work, rest, reps, sides, description

// A card as it is printed. Names and descriptions are data and are drawn as
// plain text, whatever they look like.
struct CardSheet {
    QString title;    // the circuit's name
    QString subtitle; // its type
    QString plannedLabel;
    QString plannedValue;
    std::vector<CardFact> facts;
    QString columns[kCardColumns];
    std::vector<CardSheetRow> rows;
    QString noRows; // shown in place of the table when there are no rows
    QString footer;
    QFont headingFace; // families; the painter gives them their sizes
    QFont textFace;
    QColor workColour;
    QColor restColour;
    QColor calmColour;
};

// How a print through the print dialog ended.
enum class CardDialogEnd : uint8_t {
    Printed,
    Cancelled,
    PdfChosen, // the user chose a PDF file: its path and bytes are handed back, not written
    Failed,    // the printer could not be painted on
};

struct CardPrinter {
    int version;
    // The card as a PDF of one page into `pdf`; false when it could not be
    // painted.
    bool (*writePdf)(const CardSheet& sheet, CardPage page, QByteArray& pdf);
    // Shows the print dialog over `parent`, offering `page` first, and prints
    // the card on the printer chosen. When the user chooses a PDF file the
    // card is made into `pdf` for `pdfPath` instead, so that the program
    // replaces the file as it replaces every file it writes.
    CardDialogEnd (*printWithDialog)(const CardSheet& sheet, CardPage page, QWidget* parent,
                                     QString& pdfPath, QByteArray& pdf);
};

inline constexpr int kCardPrinterVersion = moduleversion({
    STRIDEWELL_MODULE_TYPE(QString),
    STRIDEWELL_MODULE_TYPE(QByteArray),
    STRIDEWELL_MODULE_TYPE(QFont),
    STRIDEWELL_MODULE_TYPE(QColor),
    STRIDEWELL_MODULE_TYPE(CardPage),
    STRIDEWELL_MODULE_TYPE(CardDialogEnd),
    STRIDEWELL_MODULE_TYPE(CardFact),
    STRIDEWELL_MODULE_MEMBER(CardFact, label),
    STRIDEWELL_MODULE_MEMBER(CardFact, value),
    STRIDEWELL_MODULE_MEMBER(CardFact, colour),
    STRIDEWELL_MODULE_TYPE(CardSheetRow),
    STRIDEWELL_MODULE_MEMBER(CardSheetRow, number),
    STRIDEWELL_MODULE_MEMBER(CardSheetRow, name),
    STRIDEWELL_MODULE_MEMBER(CardSheetRow, work),
    STRIDEWELL_MODULE_MEMBER(CardSheetRow, rest),
    STRIDEWELL_MODULE_MEMBER(CardSheetRow, reps),
    STRIDEWELL_MODULE_MEMBER(CardSheetRow, sides),
    STRIDEWELL_MODULE_MEMBER(CardSheetRow, description),
    STRIDEWELL_MODULE_TYPE(CardSheet),
    STRIDEWELL_MODULE_MEMBER(CardSheet, title),
    STRIDEWELL_MODULE_MEMBER(CardSheet, subtitle),
    STRIDEWELL_MODULE_MEMBER(CardSheet, plannedLabel),
    STRIDEWELL_MODULE_MEMBER(CardSheet, plannedValue),
    STRIDEWELL_MODULE_MEMBER(CardSheet, facts),
    STRIDEWELL_MODULE_MEMBER(CardSheet, columns),
    STRIDEWELL_MODULE_MEMBER(CardSheet, rows),
    STRIDEWELL_MODULE_MEMBER(CardSheet, noRows),
    STRIDEWELL_MODULE_MEMBER(CardSheet, footer),
    STRIDEWELL_MODULE_MEMBER(CardSheet, headingFace),
    STRIDEWELL_MODULE_MEMBER(CardSheet, textFace),
    STRIDEWELL_MODULE_MEMBER(CardSheet, workColour),
    STRIDEWELL_MODULE_MEMBER(CardSheet, restColour),
    STRIDEWELL_MODULE_MEMBER(CardSheet, calmColour),
    STRIDEWELL_MODULE_TYPE(CardPrinter),
    STRIDEWELL_MODULE_MEMBER(CardPrinter, version),
    STRIDEWELL_MODULE_MEMBER(CardPrinter, writePdf),
    STRIDEWELL_MODULE_MEMBER(CardPrinter, printWithDialog),
});
// The module's one exported function, of type CardPrinterEntry.
inline constexpr char kCardPrinterEntry[] = "stridewell_card_printer";
using CardPrinterEntry = const CardPrinter* (*)();
