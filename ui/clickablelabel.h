#pragma once

#include <QLabel>

#include <functional>

// A label or picture that reports presses, clicks and pointer movement: the
// toolkit's picture controls and link labels of the design.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    explicit ClickableLabel(QWidget* parent = nullptr);

    std::function<void()> onPress;  // any mouse button went down
    std::function<void()> onClick;  // a completed primary-button click
    std::function<void()> onMove;   // the pointer moved over it
    std::function<void()> onLeave;  // the pointer left it

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool m_pressedPrimary = false;
};
