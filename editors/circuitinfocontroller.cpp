#include "editors/circuitinfocontroller.h"

#include "data/circuitplan.h"
#include "data/contentaddress.h"
#include "data/encyclopedianames.h"
#include "data/durationtext.h"

#include <utility>
#include <vector>

CircuitInfoController::CircuitInfoController(CircuitInfoView& view, const ExerciseTable& table)
    : m_view(view), m_table(table) {}

void CircuitInfoController::showcircuitinfo(const std::string& path) {
    readcircuit(path, m_table, m_readCircuit); // raises before anything is shown
    std::swap(infocircuit, m_readCircuit);

    // The count is every exercise line of the file, as the grid shows it, also
    // for a file of more than the 100 a circuit holds; the time is the plan's.
    const TCircuit2& c = infocircuit;
    m_view.setCaption(InfoCaption::Name, c.circuitname);
    m_view.setCaption(InfoCaption::Type, c.circuittype);
    m_view.setCaption(InfoCaption::Exercises, std::to_string(c.exercisecount));
    m_view.setCaption(InfoCaption::TotalTime, plannedtimetext(c));
    m_view.setCaption(InfoCaption::ExerciseInterval, durationtext(c.exerciseinterval));
    m_view.setCaption(InfoCaption::RestInterval, durationtext(c.restinterval));

    // A circuit of one round without warm-up or cool-down shows none of these.
    const CircuitKeys& keys = c.keys;
    const bool rounds = keys.rounds > 1;
    const auto shownIf = [](bool shown, std::string value) {
        return shown ? std::optional(std::move(value)) : std::nullopt;
    };
    m_view.setCaption(InfoCaption::Rounds, shownIf(rounds, std::to_string(keys.rounds)));
    m_view.setCaption(InfoCaption::RoundRest,
                      shownIf(rounds && keys.roundrest,
                              keys.roundrest ? durationtext(*keys.roundrest) : std::string()));
    m_view.setCaption(InfoCaption::WarmUp, shownIf(keys.warmup > 0, durationtext(keys.warmup)));
    m_view.setCaption(InfoCaption::CoolDown,
                      shownIf(keys.cooldown > 0, durationtext(keys.cooldown)));

    std::vector<std::string> lines;
    for (const TExercise2& entry : c.exercises) {
        if (entry.name.empty())
            break;
        lines.push_back(entry.name);
    }
    m_view.setExerciseLines(lines);
}

void CircuitInfoController::lst_exercisesClick() {
    const int row = m_view.selectedExerciseLine();
    if (row < 0 || row >= kCircuitEntries)
        return;
    // The list holds one line per entry: the entry's own bytes find the record,
    // also when the name is not UTF-8.
    infoexercise =
        findexercisebyname(m_table, infocircuit.exercises[static_cast<size_t>(row)].name);
    const TExercise& record = m_table[infoexercise];
    m_view.setDescription(record.description);
    m_view.showLink(record.online == 1);
}

void CircuitInfoController::libraryChanged() {
    infoexercise = kNoExercise;
    m_view.setDescription({});
    m_view.showLink(false);
}

void CircuitInfoController::lbl_openbrowserClick() {
    const TExercise& record = m_table[infoexercise];
    m_view.openAddress(kinoradexpageaddress(encyclopedianame(record.number, record.name)));
}
