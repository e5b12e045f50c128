#pragma once

// The cue that sounds at every change of phase. The run logic only asks for it
// to start; the sound plays on by itself and overlapping plays sound together.
class CueSound {
public:
    virtual ~CueSound() = default;
    virtual void play() = 0;
};
