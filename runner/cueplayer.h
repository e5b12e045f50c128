#pragma once

#include "cuesound.h"

#include <atomic>
#include <string>
#include <thread>

struct Mix_Chunk;

// The cue played through SDL2_mixer. The sound device is opened on a worker
// thread so that creating the frame never waits for it; until it is open, and
// for good when it cannot be opened, the cue is silent and nothing else changes.
// Plays are asynchronous and overlap on their own mixing channels.
class CuePlayer final : public CueSound {
public:
    // wave: a whole RIFF WAVE file.
    explicit CuePlayer(std::string wave);
    ~CuePlayer() override;
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    void play() override;

    // Waits for the opening to end; true when the cue can sound.
    bool waitUntilOpened();
    // Cues sounding right now (0 while silent).
    int soundingCount() const;

private:
    void open();

    std::string m_wave;
    Mix_Chunk* m_chunk = nullptr;
    bool m_holdsDevice = false;
    std::atomic<bool> m_ready{false};
    std::thread m_opener;
};
