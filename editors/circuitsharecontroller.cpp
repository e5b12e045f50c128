#include "editors/circuitsharecontroller.h"

#include "data/apppaths.h"
#include "data/circuitbundle.h"
#include "data/exercises.h"

#include <filesystem>

CircuitShareController::CircuitShareController(CircuitShareView& view) : m_view(view) {}

void CircuitShareController::exportCircuit(const std::string& circuitPath) {
    if (circuitPath.empty())
        return;
    const std::string name = std::filesystem::path(circuitPath).stem().string();
    const std::optional<std::string> destination = m_view.askExportPath(name + ".stridewell");
    if (!destination)
        return;
    // A library that did not load whole would send the circuit without the
    // records it lacks; its reason is the better message.
    checklibrarysave(exercisetable(), exerciselibrarypath());
    exportcircuit(circuitPath, exercisetable(), exerciselibrarypath(), *destination);
}

void CircuitShareController::printCircuit(const std::string& circuitPath) {
    if (!circuitPath.empty())
        m_view.printCard(circuitPath);
}

void CircuitShareController::importCircuits() {
    if (const std::optional<std::string> path = m_view.askImportPath())
        importFrom(*path);
}

void CircuitShareController::importFrom(const std::string& path) {
    const FileImport result =
        importfile(path, exercisetable(), exerciselibrarypath(), circuitsfolder());
    if (!result.added.circuits.empty())
        m_view.showAdded(circuitsfolder() + result.added.circuits.front() + ".cir");
    m_view.showImport(path, result);
}
