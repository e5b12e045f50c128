#pragma once

#include "app/print/cardpage.h"
#include "data/exercises.h"

#include <QString>

#include <cstdint>
#include <string>

class QWidget;
struct CardPrinter;

// A circuit printed as a card of one page: its name and type, rounds,
// warm-up and cool-down, each exercise with its times and the first two lines
// of its description, and the planned time. Printing is a module loaded on the
// first print (cardprinter.h); without it nothing is printed and the result
// says so.

// How a print ended, for the caller to word (cardprintwords). A file that
// cannot be read or written raises IoError instead.
enum class CardPrintResult : uint8_t {
    Done,          // printed, or the PDF written
    Cancelled,     // the user closed the print dialog
    NoPrintModule, // the print module is missing or belongs to another build
    PaintFailed,   // the printer or the PDF could not be painted on
};

// Letter where the system's measurement system is the US one, else A4.
CardPage defaultcardpage();

// Reads the circuit, taking the descriptions from `table`, and replaces
// pdfPath with its card. Raises IoError when the circuit cannot be read
// (before anything is written) or the PDF cannot be written (the previous
// file stays whole). Needs a QGuiApplication; no window is opened.
CardPrintResult writecircuitcardpdf(const std::string& circuitPath, const std::string& pdfPath,
                                    CardPage page, const ExerciseTable& table = exercisetable());

// Reads the circuit (raising IoError before any dialog), then shows the print
// dialog over `parent` and prints the card. When the user chooses to print to
// a PDF file, the file is replaced as a whole, raising IoError when it cannot
// be. Run it inside the windows' error guard.
CardPrintResult printcircuitcard(QWidget* parent, const std::string& circuitPath,
                                 const ExerciseTable& table = exercisetable());

// What the user reads for NoPrintModule and PaintFailed; empty for the others,
// which need no message.
QString cardprintwords(CardPrintResult result);

// Makes later prints use `printer` instead of the module (null: as if it were
// missing) until restoreCardPrinter(). For tests.
void replaceCardPrinter(const CardPrinter* printer);
void restoreCardPrinter();
