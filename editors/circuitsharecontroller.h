#pragma once

#include "editors/circuitshareview.h"

#include <string>

// The rules of "Export circuit...", "Import..." and "Print circuit...", the
// same in the circuit editor and the information panel. Each works on the
// program's data folder and library table; a file that cannot be written or
// taken in raises IoError, which the caller's guard shows, and changes
// nothing.
class CircuitShareController final {
public:
    explicit CircuitShareController(CircuitShareView& view);

    // The circuit stored at `circuitPath` ("" for none: nothing happens).
    void exportCircuit(const std::string& circuitPath);
    void printCircuit(const std::string& circuitPath);
    // Asks for a file and imports it.
    void importCircuits();
    // Imports a file named from outside (a second start, a file manager).
    void importFrom(const std::string& path);

private:
    CircuitShareView& m_view;
};
