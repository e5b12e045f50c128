#pragma once

#include "app/mainwindow/mainwindowcontroller.h"
#include "app/mainwindow/mainwindowview.h"

#include <QPixmap>
#include <QWidget>

#include <array>
#include <memory>
#include <string>

class Browser;
class CircuitSharing;
class CircuitGridModel;
class CircuitGridView;
class ClickableLabel;
class QFrame;
class QTableView;
class Tframe_ExerciseStart;
class Tfrm_CircuitEdit;
class Tfrm_CircuitInfo;
class Tfrm_ExerciseFrame;

// The one working window: the button bar, the grid of every stored circuit and
// the holder in which one of the four frames is in front at a time. It lays
// them out and hands every action to its controller.
class Tform_Main final : public QWidget, private MainWindowView {
    Q_OBJECT
public:
    explicit Tform_Main(QWidget* parent = nullptr);
    ~Tform_Main() override;

    // Fills the grid from the circuit folder (rows after the last file are left as they were).
    void scancircuits() override;

    // The reaction to a click on the grid or a keyboard move of its selected row.
    void grd_circuitsClick();
    void grd_circuitsDblClick();

    void btn_startMouseDown();
    void btn_newClick();
    void btn_infoMouseDown();
    void btn_removeMouseDown();
    void btn_exerciseMouseDown();

    void pnl_buttonholderMouseMove();

    // The path in column 4 of the selected row ("" for an empty row).
    std::string selectedpath() const override;
    std::string selectedname() const override;
    int selectedrow() const;
    // Makes the row of the circuit stored at the path the selected one.
    void selectcircuit(const std::string& path);
    // Starts the circuit in that file as Start on the bar and then the
    // runner's Start would: listed afresh, selected, loaded and run. Changes
    // nothing while a run is in progress or when the file is not listed.
    // Raises IoError when it cannot be read.
    enum class Started { Yes, RunUnderWay, NotListed };
    Started startcircuitat(const std::string& path);
    bool runInProgress() const override;

    CircuitGridModel* grid() const { return m_grid; }
    QTableView* gridView() const;
    Tframe_ExerciseStart* runnerFrame() const { return frame_ExerciseStart1; }
    Tfrm_CircuitEdit* circuitEditFrame() const { return frm_CircuitEdit1; }
    Tfrm_CircuitInfo* circuitInfoFrame() const { return frm_CircuitInfo1; }
    Tfrm_ExerciseFrame* exerciseFrame() const { return frm_ExerciseFrame1; }

    // The one way a frame of the holder comes to the front.
    void bringToFront(QWidget* frame);

    // Where the frames open encyclopedia pages; the desktop's browser unless set.
    void setBrowser(Browser& browser);

    // Imports a file named from outside (a second start, a file manager's
    // double click) and shows what it added. Raises IoError.
    void importcircuits(const std::string& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // One picture button of the bar with its normal and hover pictures.
    struct BarPictures {
        ClickableLabel* image = nullptr;
        QPixmap normal;
        QPixmap hover;
    };

    void buildButtonBar(QWidget* holder);
    void buildCircuitList(QWidget* holder);
    void buildFrames(QWidget* holder);
    BarPictures& pictures(BarButton button);

    // MainWindowView
    void bringToFront(MainFrame frame) override;
    void showButtonPicture(BarButton button, bool hover) override;
    void showMessage(MainMessage message) override;
    bool confirmRemoval(const std::optional<std::string>& circuitname) override;
    bool confirmQuitDuringRun() override;
    void intialisecircuit(const std::string& path) override;
    void bringRunnerStartToFront() override;
    void newcircuit() override;
    void modifycircuit(const std::string& path) override;
    void showcircuitinfo(const std::string& path) override;
    void clearcells() override;
    void releasecircuit(const std::string& path) override;

    MainWindowController m_controller{*this};
    std::unique_ptr<CircuitSharing> m_sharing;
    std::array<BarPictures, 5> m_buttons;
    QWidget* pnl_buttonholder = nullptr;
    CircuitGridView* grd_circuits = nullptr;
    CircuitGridModel* m_grid = nullptr;
    QFrame* pnl_frameholder = nullptr;
    Tframe_ExerciseStart* frame_ExerciseStart1 = nullptr;
    Tfrm_CircuitEdit* frm_CircuitEdit1 = nullptr;
    Tfrm_CircuitInfo* frm_CircuitInfo1 = nullptr;
    Tfrm_ExerciseFrame* frm_ExerciseFrame1 = nullptr;
};
