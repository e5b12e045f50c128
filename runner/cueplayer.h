#pragma once

#include "runner/cuesound.h"

#include <atomic>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct CueBackend;
struct CueSample;

// The cue played through the sound module. The module is loaded and the
// sound device opened on a worker thread started by prepare() (or the first
// play), so that neither the frame nor the program's start-up waits for them
// or carries the sound libraries before a circuit is about to run. Until the
// cue is ready, and for good when the module or the device cannot be opened,
// the cue is silent and nothing else changes. Plays are asynchronous and
// overlap on their own mixing channels.
//
// A player may hold several sounds, one per CueTone in order, all opened
// together: a change of sound is heard at once, with nothing to open.
class CuePlayer final : public CueSound {
public:
    // wave: a whole RIFF WAVE file.
    explicit CuePlayer(std::string wave);
    // waves: one whole RIFF WAVE file per tone, in CueTone's order.
    explicit CuePlayer(std::vector<std::string> waves);
    ~CuePlayer() override;
    CuePlayer(const CuePlayer&) = delete;
    CuePlayer& operator=(const CuePlayer&) = delete;

    void prepare() override;
    void play() override;
    // A tone without a sound of its own plays the first.
    void choose(CueTone tone) override;
    void setVolume(int percent) override;
    void preview() override;

    // Starts the opening if need be and waits for it to end; true when the
    // cue can sound.
    bool waitUntilOpened();
    // Cues sounding right now (0 while silent).
    int soundingCount() const;

private:
    void open();
    void playChosen();

    std::vector<std::string> m_waves; // until opened
    const CueBackend* m_backend = nullptr;
    std::vector<CueSample*> m_samples; // as m_waves; null where one could not be opened
    std::atomic<bool> m_ready{false};
    std::atomic<size_t> m_chosen{0};
    // A preview asked for before the cue was ready; whichever thread sees
    // both this and m_ready set plays it, once.
    std::atomic<bool> m_previewDue{false};
    // The volume may be set while the worker opens the samples.
    std::mutex m_volumeLock;
    int m_volume = kFullVolume;
    bool m_started = false; // the opening has begun; only the owning thread looks
    std::thread m_opener;
};
