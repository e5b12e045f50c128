#include "app/mainwindow/circuitsharing.h"

#include "app/mainwindow/importwords.h"
#include "app/print/cardprinting.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QFile>

namespace {

std::string pathbytes(const QString& path) {
    return QFile::encodeName(path).toStdString();
}

} // namespace

CircuitSharing::CircuitSharing(QWidget& window, std::function<void(const std::string&)> added)
    : m_window(window), m_added(std::move(added)) {}

void CircuitSharing::choose(ShareAction action, const std::string& circuitPath) {
    switch (action) {
    case ShareAction::Export: m_controller.exportCircuit(circuitPath); break;
    case ShareAction::Import: m_controller.importCircuits(); break;
    case ShareAction::Print: m_controller.printCircuit(circuitPath); break;
    }
}

void CircuitSharing::importFrom(const std::string& path) {
    m_controller.importFrom(path);
}

std::optional<std::string> CircuitSharing::askExportPath(const std::string& suggested) {
    const auto path = Dialogs::saveFileName(
        &m_window, tr("Export circuit"),
        QDir::homePath() + QLatin1Char('/') + QFile::decodeName(suggested.c_str()),
        //: File types of the save dialog; keep "(*.stridewell)", "(*)" and ";;".
        tr("Stridewell circuits (*.stridewell);;All files (*)"));
    return path ? std::optional(pathbytes(*path)) : std::nullopt;
}

std::optional<std::string> CircuitSharing::askImportPath() {
    const auto path = Dialogs::openFileName(
        &m_window, tr("Import circuits"),
        //: File types of the open dialog; keep the patterns in brackets and ";;".
        tr("Circuits and other timers' exports (*.stridewell *.json *.feeel *.txt);;"
           "All files (*)"));
    return path ? std::optional(pathbytes(*path)) : std::nullopt;
}

void CircuitSharing::showImport(const std::string& path, const FileImport& result) {
    Dialogs::selectableMessage(&m_window, importreportwords(path, result));
}

void CircuitSharing::showAdded(const std::string& select) {
    if (m_added)
        m_added(select);
}

void CircuitSharing::printCard(const std::string& circuitPath) {
    const QString problem = cardprintwords(printcircuitcard(&m_window, circuitPath));
    if (!problem.isEmpty())
        Dialogs::message(&m_window, problem);
}
