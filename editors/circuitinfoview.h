#pragma once

#include <string>
#include <vector>

enum class InfoCaption { Name, Type, Exercises, TotalTime, ExerciseInterval, RestInterval };

// What the circuit information panel's rules need of its screen. Texts are the
// file's bytes; the view converts them for display. Setting the lines is no
// selection: it sets off nothing.
class CircuitInfoView {
public:
    virtual ~CircuitInfoView() = default;

    virtual void setCaption(InfoCaption caption, const std::string& text) = 0;
    virtual void setExerciseLines(const std::vector<std::string>& names) = 0;
    virtual int selectedExerciseLine() const = 0; // -1: none
    virtual void setDescription(const std::string& text) = 0;
    virtual void showLink(bool shown) = 0;
    virtual void openAddress(const std::string& address) = 0;
};
