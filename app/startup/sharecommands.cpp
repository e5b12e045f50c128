#include "app/startup/sharecommands.h"

#include "app/print/cardprinting.h"
#include "app/startup/instancelock.h"
#include "app/startup/translation.h"
#include "data/apppaths.h"
#include "data/catalogue.h"
#include "data/circuitbundle.h"
#include "data/datafolder.h"
#include "data/fileimport.h"
#include "data/ioerror.h"

#include <QGuiApplication>

#include <cstdio>
#include <exception>

namespace {

int refuse(const std::string& problem) {
    std::fprintf(stderr, "stridewell: %s\n", problem.c_str());
    return 1;
}

// The circuit of that name, or "" after telling so.
std::string circuitnamed(const std::string& name) {
    const std::string path = circuitpathnamed(name);
    if (path.empty())
        refuse("there is no circuit named '" + name + "' in " +
               folderwithoutseparator(circuitsfolder()));
    return path;
}

// A line on stdout; false (after telling so) when it cannot be written.
bool say(const std::string& line) {
    return std::printf("%s\n", line.c_str()) >= 0;
}

int finish() {
    if (std::fflush(stdout) == 0 && !std::ferror(stdout))
        return 0;
    return refuse("write error");
}

} // namespace

int exportcommand(const std::string& name, const std::string& file) {
    try {
        const std::string path = circuitnamed(name);
        if (path.empty())
            return 1;
        ExerciseTable& library = exercisetable();
        loadexercises(library, exerciselibrarypath());
        // Sent without the records it could not read, the circuit would lose them.
        checklibrarysave(library, exerciselibrarypath());
        exportcircuit(path, library, exerciselibrarypath(), file);
        say("exported '" + name + "' to " + file);
        return finish();
    } catch (const std::exception& error) {
        return refuse(error.what());
    }
}

int importcommand(const std::string& file) {
    // A copy running on the folder keeps its own table and would undo the
    // import with its next save: the file goes to it instead, or nowhere.
    int argc = 1;
    char name[] = "stridewell";
    char* argv[] = {name, nullptr};
    const QCoreApplication app(argc, argv);
    const InstanceLock lock(applicationfolder());
    if (lock.heldElsewhere())
        return refuse("Stridewell is running on " + folderwithoutseparator(applicationfolder()) +
                      "; import the file in its window, or close it first");
    try {
        ExerciseTable& library = exercisetable();
        loadexercises(library, exerciselibrarypath());
        const FileImport result =
            importfile(file, library, exerciselibrarypath(), circuitsfolder());
        std::string notes;
        for (const PeerNote& note : result.notes)
            notes += (notes.empty() ? "" : "; ") + englishpeernote(note);
        if (result.added.circuits.empty())
            return refuse(englishtext(FileText{FileTextId::ImportNothing, {file}, {}}) +
                          (notes.empty() ? "" : ": " + notes));
        for (const std::string& circuit : result.added.circuits)
            say("added circuit '" + circuit + "'");
        for (const std::string& exercise : result.added.exercises)
            say("added exercise '" + exercise + "'");
        for (const std::string& exercise : result.added.exercisesLeftOut)
            say("left out exercise '" + exercise + "': the library is full");
        for (const PeerNote& note : result.notes)
            say("note: " + englishpeernote(note));
        return finish();
    } catch (const std::exception& error) {
        return refuse(error.what());
    }
}

int printcommand(const std::string& name, const std::string& file, const std::string& language) {
    const std::string path = circuitnamed(name);
    if (path.empty())
        return 1;
    // Fonts and pages need an application, never a display.
    qputenv("QT_QPA_PLATFORM", "offscreen");
    int argc = 1;
    char program[] = "stridewell";
    char* argv[] = {program, nullptr};
    const QGuiApplication app(argc, argv);
    installtranslationfor(language);
    try {
        loadexercises(exercisetable(), exerciselibrarypath());
        const CardPrintResult result = writecircuitcardpdf(path, file, defaultcardpage());
        if (result != CardPrintResult::Done)
            return refuse(cardprintwords(result).toStdString());
        say("printed '" + name + "' to " + file);
        return finish();
    } catch (const std::exception& error) {
        return refuse(error.what());
    }
}
