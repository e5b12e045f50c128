#include "editors/editorwords.h"

#include "ui/filewords.h"
#include "ui/textconv.h"

#include <QStringList>

#include <cstdlib>

namespace {
QString arg(const EditorText& text, size_t index) {
    return index < text.args.size() ? totext(text.args[index]) : QString();
}

// A count among the arguments, for the texts that change with the number.
int count(const EditorText& text, size_t index) {
    return index < text.args.size() ? std::atoi(text.args[index].c_str()) : 0;
}
} // namespace

QString EditorWords::text(const EditorText& text) {
    // The arguments are put in with one multi-argument arg(), so a name that
    // holds "%2" stays as written.
    switch (text.id) {
    case EditorTextId::None:
        return {};
    case EditorTextId::CircuitNeedsName:
        return tr("Circuit needs a name before modifying it.");
    case EditorTextId::CircuitNameDotsOnly:
        return tr("A circuit name cannot be made of dots only.");
    case EditorTextId::CircuitNameControl:
        return tr("A circuit name cannot contain control characters such as tabs.");
    case EditorTextId::CircuitNameCharacter:
        //: %1 is one of the characters the sentence lists after it.
        return tr("A circuit name cannot contain the character %1. Leave out / \\ < > : \" | ? "
                  "and *.")
            .arg(arg(text, 0));
    case EditorTextId::CircuitNameTaken:
        //: %1 is a circuit's name.
        return tr("Another circuit is already stored as \"%1\". Choose another name before "
                  "modifying this circuit.")
            .arg(arg(text, 0));
    case EditorTextId::CircuitNameKept:
        //: Follows the reason a new name was refused. %1 is the circuit's name.
        return tr("The circuit keeps its name \"%1\".").arg(arg(text, 0));
    case EditorTextId::CircuitNothingOpen:
        return tr("Create a circuit or open one before modifying it.");
    case EditorTextId::CircuitNeedsType:
        return tr("Choose a circuit type before modifying this circuit.");
    case EditorTextId::CircuitTooLong: // the refusal the file writer would give
        return filetextwords({FileTextId::CircuitTooLong, text.args, {}});
    case EditorTextId::CircuitFull:
        return tr("A circuit holds at most %1 exercises. Remove one before adding another.")
            .arg(arg(text, 0));
    case EditorTextId::ExerciseNameWithTab:
        return tr("An exercise name cannot hold a tab character.");
    case EditorTextId::LibraryFull:
        return tr("The exercise library is full: it holds %1 exercises. Delete an exercise before "
                  "adding a new one.")
            .arg(arg(text, 0));
    case EditorTextId::LibraryTruncated:
        //: exercises.lst is a file name and stays as it is.
        return tr("exercises.lst holds more exercises than the library can take. Only the first "
                  "%1 exercises were loaded.")
            .arg(arg(text, 0));
    case EditorTextId::RenameInCircuits: {
        // English has its own sentence for one circuit; other languages take
        // their plural forms from %n.
        const int circuits = count(text, 0);
        QString question;
        if (circuits == 1)
            //: A question with Yes and No. %1 is the exercise's old name, %2 the new one.
            question = tr("%n circuit uses \"%1\". Rename it to \"%2\" in that circuit too?",
                          nullptr, circuits);
        else
            //: A question with Yes and No. %1 is the exercise's old name, %2 the new one.
            question = tr("%n circuits use \"%1\". Rename it to \"%2\" in those circuits too?",
                          nullptr, circuits);
        return question.arg(arg(text, 1), arg(text, 2));
    }
    }
    return {};
}

QString EditorWords::message(const EditorMessage& message) {
    QStringList lines;
    for (const EditorText& each : message)
        lines << text(each);
    return lines.join(QLatin1Char('\n'));
}

QString EditorWords::storedWord(StoredWord word) {
    switch (word) {
    case StoredWord::NewCircuit:
        //: A new circuit's name, also its file name; a number follows when it is taken.
        return tr("New Circuit");
    case StoredWord::NewExercise:
        //: A new exercise's name in the exercise library.
        return tr("New Exercise");
    case StoredWord::NewExerciseDescription:
        return tr("Enter a description for your new exercise");
    // The types are stored in the files as shown; the lists are 145 pixels wide.
    case StoredWord::UpperBody:
        //: A type of exercise and of circuit, in a list 145 pixels wide.
        return tr("Upper Body");
    case StoredWord::Abdominal:
        //: A type of exercise and of circuit, in a list 145 pixels wide.
        return tr("Abdominal");
    case StoredWord::LowerBody:
        //: A type of exercise and of circuit, in a list 145 pixels wide.
        return tr("Lower Body");
    case StoredWord::MultipleArea:
        //: The type of circuit that takes exercises of every type; in a list 145 pixels wide.
        return tr("Multiple Area Workout");
    }
    return {};
}

QString EditorWords::infoCaption(InfoCaption caption, const std::string& value) {
    const QString shown = totext(value);
    // The captions of the information panel start at fixed places so that
    // their colons line up: keep them about as long as the English.
    switch (caption) {
    case InfoCaption::Name:
        //: Information panel; %1 is the circuit's name. Keep the length.
        return tr("Circuit Name: %1").arg(shown);
    case InfoCaption::Type:
        //: Information panel; %1 is the circuit's type as its file holds it. Keep the length.
        return tr("Circuit Type: %1").arg(shown);
    case InfoCaption::Exercises:
        //: Information panel; %1 is a count. Keep the length.
        return tr("Exercises: %1").arg(shown);
    case InfoCaption::TotalTime:
        //: Information panel; %1 is a duration. Keep the length.
        return tr("Total Circuit Time: %1").arg(shown);
    case InfoCaption::ExerciseInterval:
        //: Information panel; %1 is a duration. Keep the length.
        return tr("Exercise Interval: %1").arg(shown);
    case InfoCaption::RestInterval:
        //: Information panel; %1 is a duration. Keep the length.
        return tr("Rest Interval: %1").arg(shown);
    case InfoCaption::Rounds:
        //: Information panel, above the description 217 pixels wide; %1 is a count.
        return tr("Rounds: %1").arg(shown);
    case InfoCaption::RoundRest:
        //: Information panel, above the description 217 pixels wide; %1 is a duration.
        return tr("Rest Between Rounds: %1").arg(shown);
    case InfoCaption::WarmUp:
        //: Information panel, above the description 217 pixels wide; %1 is a duration.
        return tr("Warm-up: %1").arg(shown);
    case InfoCaption::CoolDown:
        //: Information panel, above the description 217 pixels wide; %1 is a duration.
        return tr("Cool-down: %1").arg(shown);
    }
    return {};
}

QString EditorWords::planColumn(PlanColumn column) {
    switch (column) {
    case PlanColumn::Exercise:
        //: Column title of the circuit plan: the exercise's name.
        return tr("Exercise");
    case PlanColumn::Rest:
        //: Column title of the circuit plan: seconds of rest before the exercise.
        return tr("Rest before");
    case PlanColumn::Work:
        //: Column title of the circuit plan: seconds of work.
        return tr("Work");
    case PlanColumn::Reps:
        //: Column title of the circuit plan: repetitions.
        return tr("Reps");
    case PlanColumn::Sides:
        //: Column title of the circuit plan: 1 or 2 sides of the body, one after the other.
        return tr("Sides");
    }
    return {};
}

QString EditorWords::planProblem(const PlanProblem& problem) {
    const QString exercise = totext(problem.exercise);
    const QString column = planColumn(problem.column);
    const QString typed = totext(problem.text);
    QString what;
    switch (problem.kind) {
    case PlanProblem::Kind::None:
        return {};
    case PlanProblem::Kind::NotWholeNumber:
        //: %1 is the exercise's name, %2 a column title, %3 the text typed into the cell.
        what = tr("Exercise \"%1\", column \"%2\": \"%3\" is not a whole number.")
                   .arg(exercise, column, typed);
        break;
    case PlanProblem::Kind::OutOfRange:
        //: %1 is the exercise's name, %2 a column title, %3 the number typed into the cell.
        what =
            tr("Exercise \"%1\", column \"%2\": %3 is out of range.").arg(exercise, column, typed);
        break;
    }
    const QString low = QString::number(problem.low);
    const QString high = QString::number(problem.high);
    QString how;
    switch (problem.column) {
    case PlanColumn::Rest:
        how = tr("Type a whole number from %1 to %2, or empty the cell to use the circuit's rest "
                 "interval.")
                  .arg(low, high);
        break;
    case PlanColumn::Work:
        how = tr("Type a whole number from %1 to %2, or empty the cell to use the circuit's "
                 "exercise interval.")
                  .arg(low, high);
        break;
    case PlanColumn::Reps:
        how = tr("Type a whole number from %1 to %2, or empty the cell for a timed exercise.")
                  .arg(low, high);
        break;
    case PlanColumn::Exercise:
    case PlanColumn::Sides:
        how =
            tr("Type a whole number from %1 to %2, or empty the cell for one side.").arg(low, high);
        break;
    }
    return what + QLatin1Char(' ') + how;
}
