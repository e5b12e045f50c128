#pragma once

// The sounds the cue can be played in, as the user chooses on the runner's
// options menu. The chime is the designed one.
enum class CueTone { Chime, Bell, DoubleBeep, Gong };
inline constexpr int kCueToneCount = 4;

// The designed loudness, in percent; the user may turn it down, never up.
inline constexpr int kFullVolume = 100;

// The cue that sounds at every change of phase. The run logic only asks for it
// to start; the sound plays on by itself and overlapping plays sound together.
class CueSound {
public:
    virtual ~CueSound() = default;
    // Gets the sound ready in the background, ahead of the first play; a play
    // before it is ready is silent. Later calls do nothing.
    virtual void prepare() {}
    virtual void play() = 0;

    // What the user chose, from the next play on: the sound, and its loudness
    // in percent of the designed one.
    virtual void choose(CueTone /*tone*/) {}
    virtual void setVolume(int /*percent*/) {}
    // Plays once because the user asked to hear the choice: if the sound is
    // not ready yet it plays when it is, rather than not at all.
    virtual void preview() { play(); }
};
