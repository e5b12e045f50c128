#pragma once

#include "runner/runview.h"

#include <cstdint>
#include <string>

// What the desktop's media controls show of the run and may ask of it (the
// lock screen, the media keys, a panel applet), in the terms of the
// MediaPlayer2 interfaces.
struct MediaState {
    enum class Playback { Stopped, Playing, Paused };
    Playback playback = Playback::Stopped;
    std::string title;     // the status label: "Now: Push-Up", "Next: Squat", "Finished"
    std::string album;     // the circuit's name
    std::string comment;   // the time left in the circuit: "12:34"
    int64_t lengthMicroseconds = 0;   // the interval under way
    int64_t positionMicroseconds = 0; // how far into it
    bool canPlay = false;
    bool canPause = false;
    bool canGoNext = false;
    bool canGoPrevious = false;

    bool operator==(const MediaState&) const = default;
};

// The run as the media controls see it. A run stopped part-way is Paused;
// a run loaded, finished or not begun is Stopped.
struct MediaRun {
    const RunMoment& moment; // worded: its status is the label's text
    const std::string& circuitName;
    bool canSkipForward;
    bool canSkipBack;
};
MediaState mediastateof(const MediaRun& run);

// Whether the controls must be told: anything but the time left and the
// position changed, which change every second and are read when asked.
bool worthtelling(const MediaState& before, const MediaState& after);

const char* playbackname(MediaState::Playback playback); // "Playing", "Paused", "Stopped"
