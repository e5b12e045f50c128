#pragma once

#include "app/mainwindow/mainwindowview.h"

#include <array>

// The rules of the main window's actions: which frame each action brings to
// the front and in what order it hands the selected circuit on, the refusal
// while a run is in progress, the removal of a circuit and the buttons' hover
// pictures.
class MainWindowController final {
public:
    explicit MainWindowController(MainWindowView& view);

    void btn_startMouseDown();
    void btn_newClick();
    void btn_infoMouseDown();
    void btn_removeMouseDown();
    void btn_exerciseMouseDown();
    // A primary-button double click on the grid.
    void grd_circuitsDblClick();
    // A click on the grid or a keyboard move of its selected row.
    void grd_circuitsClick();

    // The pointer moved over a button, or over the bar's own background.
    void buttonMouseMove(BarButton button);
    void pnl_buttonholderMouseMove();

    // The window is asked to close; true when it may. A circuit that is running
    // is not ended behind the user's back: the user is asked first. A close the
    // program asks for itself is never held up, as nobody may be there to answer.
    bool closeRequested(CloseRequest from);

private:
    // Shows the refusal while a run is in progress; true when refused.
    bool refuseWhileRunning();
    void removeSelectedCircuit();

    MainWindowView& m_view;
    std::array<bool, 5> m_hovered{}; // per button: its hover picture is shown
};
