#pragma once

#include <optional>
#include <string>
#include <vector>

// The designed captions, then the lines only a circuit that uses rounds,
// warm-up or cool-down shows. Each is a caption the view words ("Circuit Name: ")
// followed by one value.
enum class InfoCaption {
    Name,
    Type,
    Exercises,
    TotalTime,
    ExerciseInterval,
    RestInterval,
    Rounds,
    RoundRest,
    WarmUp,
    CoolDown
};

// What the circuit information panel's rules need of its screen. Texts are the
// file's bytes; the view converts them for display. Setting the lines is no
// selection: it sets off nothing. No value hides one of the lines only some
// circuits show.
class CircuitInfoView {
public:
    virtual ~CircuitInfoView() = default;

    // The value is shown as written: a name, a type, a count or a time.
    virtual void setCaption(InfoCaption caption, const std::optional<std::string>& value) = 0;
    virtual void setExerciseLines(const std::vector<std::string>& names) = 0;
    virtual int selectedExerciseLine() const = 0; // -1: none
    virtual void setDescription(const std::string& text) = 0;
    virtual void showLink(bool shown) = 0;
    virtual void openAddress(const std::string& address) = 0;
};
