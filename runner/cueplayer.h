#pragma once

#include "runner/cuesound.h"

#include <atomic>
#include <string>
#include <thread>

struct CueBackend;
struct CueSample;

// The cue played through the sound module. The module is loaded and the
// sound device opened on a worker thread started by prepare() (or the first
// play), so that neither the frame nor the program's start-up waits for them
// or carries the sound libraries before a circuit is about to run. Until the
// cue is ready, and for good when the module or the device cannot be opened,
// the cue is silent and nothing else changes. Plays are asynchronous and
// overlap on their own mixing channels.
class CuePlayer final : public CueSound {
public:
    // wave: a whole RIFF WAVE file.
    explicit CuePlayer(std::string wave);
    ~CuePlayer() override;
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    void prepare() override;
    void play() override;

    // Starts the opening if need be and waits for it to end; true when the
    // cue can sound.
    bool waitUntilOpened();
    // Cues sounding right now (0 while silent).
    int soundingCount() const;

private:
    void open();

    std::string m_wave;
    const CueBackend* m_backend = nullptr;
    CueSample* m_sample = nullptr;
    std::atomic<bool> m_ready{false};
    bool m_started = false; // the opening has begun; only the owning thread looks
    std::thread m_opener;
};
