#pragma once

#include "runner/runobserver.h"

#include <vector>

// Several observers of one run, each told in the order they were added.
class RunObservers final : public RunObserver {
public:
    // The observer is kept alive by the caller as long as this.
    void add(RunObserver& observer) { m_observers.push_back(&observer); }

    void runStarted(const TCircuit2& circuit, int exerciseCount) override {
        for (RunObserver* each : m_observers)
            each->runStarted(circuit, exerciseCount);
    }
    void countingChosen(bool exact) override {
        for (RunObserver* each : m_observers)
            each->countingChosen(exact);
    }
    void secondRun() override {
        for (RunObserver* each : m_observers)
            each->secondRun();
    }
    void exerciseCompleted(bool roundEnded) override {
        for (RunObserver* each : m_observers)
            each->exerciseCompleted(roundEnded);
    }
    void runFinished() override {
        for (RunObserver* each : m_observers)
            each->runFinished();
    }
    void circuitLeft() override {
        for (RunObserver* each : m_observers)
            each->circuitLeft();
    }

private:
    std::vector<RunObserver*> m_observers;
};
