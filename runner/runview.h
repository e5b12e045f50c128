#pragma once

#include <string>

enum class CommandButton { Start, Stop };

// What the circuit run shows. The runner frame draws it; tests record it.
class RunView {
public:
    virtual ~RunView() = default;

    // The clock "mm:ss" as four digits. tenMinutes is above 9 for intervals of
    // 100 minutes or more (6000 s shows 10, 0, 0, 0: "100:00").
    virtual void showDigits(int tenMinutes, int minutes, int tenSeconds, int seconds) = 0;
    virtual void showPhase(bool resting) = 0;
    virtual void setStatus(const std::string& text) = 0;
    virtual void clearExercises() = 0;
    virtual void addExercise(const std::string& name) = 0;
    virtual void setDescriptionHint(const std::string& text) = 0;
    virtual void setLinkVisible(bool visible) = 0;
    virtual void bringToFront(CommandButton button) = 0;
    virtual void openPage(const std::string& address) = 0;
    // The one-second run timer; its first tick comes a full second after start.
    virtual void startRunTimer() = 0;
    virtual void stopRunTimer() = 0;
};
