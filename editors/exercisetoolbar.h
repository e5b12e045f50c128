#pragma once

#include <QFrame>

#include <functional>

// The tool bar under the exercise fields. It reports pointer movement over
// its own background only, not over the images on it.
class ExerciseToolBar final : public QFrame {
    Q_OBJECT
public:
    explicit ExerciseToolBar(QWidget* parent = nullptr);

    std::function<void()> onMove;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
