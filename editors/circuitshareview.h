#pragma once

#include "data/fileimport.h"

#include <optional>
#include <string>

// What sending, taking in and printing circuits need of the windows. Paths
// are the file system's bytes.
class CircuitShareView {
public:
    virtual ~CircuitShareView() = default;

    // Where to write a circuit file; nothing when the user cancels.
    // `suggested` is the file offered first ("Legs.stridewell").
    virtual std::optional<std::string> askExportPath(const std::string& suggested) = 0;
    // Which file to import; nothing when the user cancels.
    virtual std::optional<std::string> askImportPath() = 0;
    // What an import added, and what the user must be told besides; an
    // import that added no circuit says why (its notes).
    virtual void showImport(const std::string& path, const FileImport& result) = 0;
    // The circuits folder and the library changed: the lists show them
    // afresh, with the circuit stored at `select` selected.
    virtual void showAdded(const std::string& select) = 0;
    // Opens the print dialog on the circuit card.
    virtual void printCard(const std::string& circuitPath) = 0;
};
