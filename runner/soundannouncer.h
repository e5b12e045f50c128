#pragma once

#include "runner/cueplayer.h"
#include "runner/runaids.h"

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

struct CueBackend;
struct CueSample;
struct SpeechBackend;

// Spoken phrases and the countdown tick through the cue's sound device.
// Phrases are synthesised on a worker thread, started by the first prepare()
// or speak(), which also loads the speech module; a prepared phrase starts
// the moment it is spoken. Each phrase sounds on a free mixing channel beside
// the cue; a new phrase silences the one before, so skipping through a
// circuit never piles voices up. Without the speech module or a sound device
// every phrase is silent and nothing else changes.
class SoundAnnouncer final : public RunAnnouncer {
public:
    // tickWave: the countdown tick as a whole RIFF WAVE file. It is opened in
    // the background at once. language: the voice's, by its code ("de",
    // "pt-br"); without a voice for it, phrases are spoken in English.
    explicit SoundAnnouncer(std::string tickWave, std::string language = "en");
    ~SoundAnnouncer() override;
    SoundAnnouncer(const SoundAnnouncer&) = delete;
    SoundAnnouncer& operator=(const SoundAnnouncer&) = delete;

    void prepare(const std::string& phrase) override;
    void speak(const std::string& phrase) override;
    void countdownTick() override;
    void setVolume(int percent) override;

    // Waits until the worker has nothing left to do; true when `phrase` is
    // ready to start at once.
    bool waitUntilPrepared(const std::string& phrase);

    // Phrases kept ready: the few around the current moment of a run.
    static constexpr size_t kKeptPhrases = 12;

private:
    struct Ready {
        std::string phrase;
        CueSample* sample;
    };
    using Clock = std::chrono::steady_clock;

    void ensureWorker();
    void work();
    CueSample* synthesise(const std::string& phrase);
    void keep(const std::string& phrase, CueSample* sample);
    void startSpeaking(CueSample* sample);
    Ready* findReady(const std::string& phrase);

    CuePlayer m_tick;
    const std::string m_language;
    std::mutex m_lock;
    std::condition_variable m_wake;
    std::condition_variable m_idle;
    std::deque<std::string> m_waiting; // phrases to synthesise, first first
    std::vector<Ready> m_ready;        // most recently used last
    std::string m_due;                 // spoken before it was ready
    Clock::time_point m_dueSince;
    CueSample* m_speaking = nullptr;
    int m_volume = kFullVolume;
    const CueBackend* m_sound = nullptr; // set by the worker
    const SpeechBackend* m_speech = nullptr;
    bool m_busy = false;   // the worker is synthesising
    bool m_silent = false; // no speech module or no sound device
    bool m_stopping = false;
    std::thread m_worker;
};
