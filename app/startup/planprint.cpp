#include "app/startup/planprint.h"

#include "data/circuitfile.h"
#include "data/circuitplan.h"
#include "data/ioerror.h"
#include "data/textencoding.h"

#include <memory>

PlanPrint printplan(const std::string& path) {
    PlanPrint print;
    // No library is loaded: the plan needs only the names as written.
    auto table = std::make_unique<ExerciseTable>();
    auto circuit = std::make_unique<TCircuit2>();
    try {
        readcircuit(path, *table, *circuit);
    } catch (const IoError& error) {
        const std::string reason = error.what();
        // A key's problem names the file and line already.
        print.problem = "stridewell: " +
                        (reason.starts_with(path + ", line ") ? reason : path + ": " + reason);
        return print;
    }
    const CircuitPlan plan = buildplan(*circuit);
    for (const PlanPhase& phase : plan.phases) {
        print.text += phasekindword(phase.kind);
        print.text += '\t' + std::to_string(phase.seconds) + '\t';
        if (phase.entry >= 0) {
            print.text += std::to_string(phase.round) + '\t';
            print.text += asutf8(circuit->exercises[static_cast<size_t>(phase.entry)].name);
        } else {
            print.text += '\t';
        }
        print.text += '\n';
    }
    print.text += "total\t" + std::to_string(plan.plannedseconds) + '\n';
    print.ok = true;
    return print;
}
