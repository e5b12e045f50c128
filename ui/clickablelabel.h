#pragma once

#include <QLabel>

#include <functional>

// A label or picture that reports presses, clicks and pointer movement: the
// toolkit's picture controls and link labels of the design.
//
// One that acts is made a button or a link: Tab reaches it (a click does not
// take the focus, so the mouse works as it always did), Enter, Return and
// Space act on it as a primary click does, a rounded frame marks it while it
// holds the focus, and screen readers meet it as a button or link named by
// its accessible name, else its text, else its tool tip. A label that only
// shows a picture is kept from screen readers altogether: it says nothing.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    enum class Role { Picture, Button, Link };

    explicit ClickableLabel(QWidget* parent = nullptr);

    void setRole(Role role);
    Role role() const { return m_role; }

    // What a primary click runs: onPress, then onClick.
    void activate();

    std::function<void()> onPress;  // any mouse button went down
    std::function<void()> onClick;  // a completed primary-button click
    std::function<void()> onMove;   // the pointer moved over it
    std::function<void()> onLeave;  // the pointer left it

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    bool activatedBy(const QKeyEvent& key) const;

    Role m_role = Role::Picture;
    bool m_pressedPrimary = false;
};
