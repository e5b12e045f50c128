#pragma once

#include "editors/circuitsharecontroller.h"
#include "editors/circuitshareview.h"
#include "editors/shareaction.h"

#include <QCoreApplication>

#include <functional>
#include <string>

class QWidget;

// The windows' side of sending, taking in and printing circuits: the file
// questions, the report of an import and the print dialog. The main window
// owns it; both share menus and a second start's import come here.
class CircuitSharing final : private CircuitShareView {
    Q_DECLARE_TR_FUNCTIONS(CircuitSharing)
public:
    // `added` shows the lists afresh, selecting the circuit stored at its path.
    CircuitSharing(QWidget& window, std::function<void(const std::string& select)> added);

    // Raise IoError, which the caller's guard shows.
    void choose(ShareAction action, const std::string& circuitPath);
    void importFrom(const std::string& path);

private:
    std::optional<std::string> askExportPath(const std::string& suggested) override;
    std::optional<std::string> askImportPath() override;
    void showImport(const std::string& path, const FileImport& result) override;
    void showAdded(const std::string& select) override;
    void printCard(const std::string& circuitPath) override;

    QWidget& m_window;
    std::function<void(const std::string&)> m_added;
    CircuitShareController m_controller{*this};
};
