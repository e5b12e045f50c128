#pragma once

#include <QPixmap>
#include <QWidget>

#include <array>
#include <string>

class CircuitGridModel;
class ClickableLabel;
class QFrame;
class QTableView;
class Tframe_ExerciseStart;
class Tfrm_CircuitEdit;
class Tfrm_CircuitInfo;
class Tfrm_ExerciseFrame;

// The one working window: the button bar, the grid of every stored circuit and
// the holder in which one of the four frames is in front at a time.
class Tform_Main final : public QWidget {
    Q_OBJECT
public:
    explicit Tform_Main(QWidget* parent = nullptr);
    ~Tform_Main() override;

    // Fills the grid from the circuit folder (rows after the last file are left as they were).
    void scancircuits();

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
    std::string selectedpath() const;
    int selectedrow() const;

    CircuitGridModel* grid() const { return m_grid; }
    QTableView* gridView() const { return grd_circuits; }
    Tframe_ExerciseStart* runnerFrame() const { return frame_ExerciseStart1; }
    Tfrm_CircuitEdit* circuitEditFrame() const { return frm_CircuitEdit1; }
    Tfrm_CircuitInfo* circuitInfoFrame() const { return frm_CircuitInfo1; }
    Tfrm_ExerciseFrame* exerciseFrame() const { return frm_ExerciseFrame1; }

    // The frame in front of the holder.
    QWidget* frontFrame() const { return m_front; }
    void bringToFront(QWidget* frame);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One picture button of the bar with its normal and hover pictures.
    struct BarButton {
        ClickableLabel* image = nullptr;
        QPixmap normal;
        QPixmap hover;
        bool hovered = false;
    };
    enum Button { Info, Start, New, Remove, Exercise, ButtonCount };

    void buildButtonBar(QWidget* holder);
    void buildCircuitList(QWidget* holder);
    void buildFrames(QWidget* holder);
    void hoverButton(Button button);
    bool refuseWhileRunning();
    bool runInProgress() const;
    void removeSelectedCircuit();

    std::array<BarButton, ButtonCount> m_buttons;
    QWidget* pnl_buttonholder = nullptr;
    QTableView* grd_circuits = nullptr;
    CircuitGridModel* m_grid = nullptr;
    QFrame* pnl_frameholder = nullptr;
    Tframe_ExerciseStart* frame_ExerciseStart1 = nullptr;
    Tfrm_CircuitEdit* frm_CircuitEdit1 = nullptr;
    Tfrm_CircuitInfo* frm_CircuitInfo1 = nullptr;
    Tfrm_ExerciseFrame* frm_ExerciseFrame1 = nullptr;
    QWidget* m_front = nullptr;
    int m_rowBeforePress = -1; // the selected row when the last mouse press began
};
