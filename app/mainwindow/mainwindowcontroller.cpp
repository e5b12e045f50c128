#include "app/mainwindow/mainwindowcontroller.h"

#include "data/apppaths.h"

#include <cstdio>

namespace {

size_t slot(BarButton button) {
    return static_cast<size_t>(button);
}

} // namespace

MainWindowController::MainWindowController(MainWindowView& view) : m_view(view) {}

bool MainWindowController::refuseWhileRunning() {
    if (!m_view.runInProgress())
        return false;
    m_view.showMessage(MainMessage::StopTheRunFirst);
    return true;
}

void MainWindowController::btn_startMouseDown() {
    if (m_view.runInProgress())
        return;
    m_view.bringToFront(MainFrame::Runner);
    m_view.intialisecircuit(m_view.selectedpath());
    m_view.bringRunnerStartToFront();
}

void MainWindowController::btn_newClick() {
    if (refuseWhileRunning())
        return;
    m_view.newcircuit();
    m_view.bringToFront(MainFrame::CircuitEdit);
}

void MainWindowController::btn_infoMouseDown() {
    if (refuseWhileRunning())
        return;
    m_view.bringToFront(MainFrame::CircuitInfo);
    m_view.showcircuitinfo(m_view.selectedpath());
}

void MainWindowController::btn_removeMouseDown() {
    if (refuseWhileRunning())
        return;
    removeSelectedCircuit();
}

void MainWindowController::btn_exerciseMouseDown() {
    if (refuseWhileRunning())
        return;
    m_view.bringToFront(MainFrame::ExerciseLibrary);
}

void MainWindowController::removeSelectedCircuit() {
    // The question names the circuit, and exactly that file is deleted.
    const std::string path = m_view.selectedpath();
    const std::string name = m_view.selectedname();
    if (!m_view.confirmRemoval(path.empty() ? std::nullopt : std::optional<std::string>(name)))
        return;
    // A file that is already gone (or an empty row) is not worth a message.
    if (!path.empty()) {
        m_view.releasecircuit(path);
        std::remove(path.c_str());
    }
    m_view.clearcells();
    m_view.scancircuits();
}

void MainWindowController::grd_circuitsDblClick() {
    if (m_view.runInProgress())
        return;
    const std::string path = m_view.selectedpath();
    if (path.empty())
        return;
    m_view.bringToFront(MainFrame::CircuitEdit);
    m_view.modifycircuit(path);
}

void MainWindowController::grd_circuitsClick() {
    // Also during a run: the information panel changes unseen behind the runner.
    const std::string path = m_view.selectedpath();
    if (fileexists(path))
        m_view.showcircuitinfo(path);
}

void MainWindowController::buttonMouseMove(BarButton button) {
    bool& hovered = m_hovered[slot(button)];
    if (hovered)
        return;
    hovered = true;
    m_view.showButtonPicture(button, true);
}

void MainWindowController::pnl_buttonholderMouseMove() {
    // The only way back to the normal pictures is a move over the bar itself.
    for (BarButton button : {BarButton::Remove, BarButton::Start, BarButton::New, BarButton::Info,
                             BarButton::Exercise}) {
        bool& hovered = m_hovered[slot(button)];
        if (!hovered)
            continue;
        m_view.showButtonPicture(button, false);
        hovered = false;
    }
}

bool MainWindowController::closeRequested(CloseRequest from) {
    // The run goes on while the question is open; Yes ends it with the
    // program, which leaves it in the history as a stopped run.
    if (from == CloseRequest::Program || !m_view.runInProgress())
        return true;
    return m_view.confirmQuitDuringRun();
}
