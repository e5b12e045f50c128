#include "app/startup/usagewords.h"

#include "app/startup/translation.h"

#include <QCoreApplication>

namespace {

//: The answer to --help. Keep the option names and the layout of the columns;
//: lines of at most 79 characters.
const char* const kUsage = QT_TRANSLATE_NOOP("CommandLine", "Usage: stridewell [OPTION]...\n"
               "A timer for circuit training: keeps a library of exercises, builds circuits\n"
               "from them and counts each circuit down with a cue at every change.\n"
               "\n"
               "      --data-dir=DIR  keep the exercise library and circuits in DIR\n"
               "      --plan=FILE     print the phases of a circuit file and its planned\n"
               "                      time in seconds, one per line, and exit\n"
               "      --lang=CODE     speak this language (de, fr, es, it, pt_BR, nl, pl;\n"
               "                      en for English) instead of the desktop's\n"
               "      --help          display this help and exit\n"
               "      --version       output version information and exit\n"
               "\n"
               "Without --data-dir the data live beside the program when it can write\n"
               "there, else in $XDG_DATA_HOME/stridewell (~/.local/share/stridewell),\n"
               "which is made and filled with starter exercises and circuits on first start.\n");

//: The end of the answer to --help. Keep the option names and the layout of
//: the columns; lines of at most 79 characters.
const char* const kOpenOptions = QT_TRANSLATE_NOOP("CommandLine", "\n"
               "What the program opens with, in the copy already running on the data folder\n"
               "when there is one:\n"
               "      --run=NAME      start the circuit of that name\n"
               "      --run-last      start the circuit run last\n"
               "      --history       open the training history\n"
               "      FILE            import FILE and show what it added\n"
               "\n"
               "Without a display, one line on stdout per thing done:\n"
               "      --export NAME FILE  write the circuit NAME with its exercises to FILE\n"
               "      --import FILE       add the circuits (and exercises) of FILE: a\n"
               "                          .stridewell file or another timer's export\n"
               "      --print NAME FILE   write the card of the circuit NAME to FILE (PDF)\n");

} // namespace

std::string usagewords(const std::string& languageOption) {
    // The core application alone: the translators hang on it, and no window
    // system is touched.
    int argc = 1;
    char name[] = "stridewell";
    char* argv[] = {name, nullptr};
    const QCoreApplication application(argc, argv);
    installtranslationfor(chosenlanguage(languageOption, {}));
    return (QCoreApplication::translate("CommandLine", kUsage) +
            QCoreApplication::translate("CommandLine", kOpenOptions))
        .toStdString();
}
