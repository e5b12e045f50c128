#pragma once

// The cue that sounds at every change of phase. The run logic only asks for it
// to start; the sound plays on by itself and overlapping plays sound together.
class CueSound {
public:
    virtual ~CueSound() = default;
    // Gets the sound ready in the background, ahead of the first play; a play
    // before it is ready is silent. Later calls do nothing.
    virtual void prepare() {}
    virtual void play() = 0;
};
