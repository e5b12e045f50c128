#include "runner/soundannouncer.h"

#include "runner/cuemodule.h"
#include "runner/pcmwave.h"
#include "runner/speechmodule.h"
#include "ui/textconv.h"

#include <algorithm>

#include <sys/resource.h>
#include <unistd.h>

namespace {

// A name longer than this is cut before it is spoken: a hand-made file may
// hold a "name" of many pages, which would take minutes to say.
constexpr int kMaxSpokenCharacters = 120;
// And no phrase runs longer than about 20 seconds at espeak-ng's 22050 Hz.
constexpr size_t kMaxSamples = 1u << 19;
// A phrase asked for before it was ready still sounds if it is ready this
// soon after its moment; later it would name what is no longer happening.
constexpr auto kLateLimit = std::chrono::seconds(1);
constexpr int kWorkerNiceness = 10;

struct Collected {
    std::vector<int16_t> samples;
};

void collect(void* context, const short* samples, size_t count) {
    auto& collected = *static_cast<Collected*>(context);
    const size_t room = kMaxSamples - std::min(kMaxSamples, collected.samples.size());
    collected.samples.insert(collected.samples.end(), samples, samples + std::min(count, room));
}

} // namespace

SoundAnnouncer::SoundAnnouncer(std::string tickWave, std::string language)
    : m_tick(std::move(tickWave)), m_language(std::move(language)) {
    m_tick.prepare();
}

SoundAnnouncer::~SoundAnnouncer() {
    {
        std::lock_guard lock(m_lock);
        m_stopping = true;
    }
    m_wake.notify_all();
    if (m_worker.joinable())
        m_worker.join();
    for (const Ready& ready : m_ready)
        m_sound->close(ready.sample);
}

void SoundAnnouncer::prepare(const std::string& phrase) {
    std::lock_guard lock(m_lock);
    if (phrase.empty() || m_silent || findReady(phrase))
        return;
    if (std::find(m_waiting.begin(), m_waiting.end(), phrase) == m_waiting.end())
        m_waiting.push_back(phrase);
    ensureWorker();
    m_wake.notify_one();
}

void SoundAnnouncer::speak(const std::string& phrase) {
    std::lock_guard lock(m_lock);
    if (phrase.empty() || m_silent)
        return;
    m_due.clear();
    if (Ready* ready = findReady(phrase)) {
        startSpeaking(ready->sample);
        return;
    }
    // Its moment has come: what was said before stops, and this phrase goes
    // ahead of every other one waiting.
    if (m_speaking) {
        m_sound->halt(m_speaking);
        m_speaking = nullptr;
    }
    m_due = phrase;
    m_dueSince = Clock::now();
    m_waiting.erase(std::remove(m_waiting.begin(), m_waiting.end(), phrase), m_waiting.end());
    m_waiting.push_front(phrase);
    ensureWorker();
    m_wake.notify_one();
}

void SoundAnnouncer::countdownTick() {
    m_tick.play();
}

void SoundAnnouncer::setVolume(int percent) {
    m_tick.setVolume(percent);
    std::lock_guard lock(m_lock);
    if (percent == m_volume)
        return;
    m_volume = percent;
    // Phrases made from now on are set as they are kept.
    if (m_sound)
        for (const Ready& ready : m_ready)
            m_sound->setVolume(ready.sample, percent);
}

bool SoundAnnouncer::waitUntilPrepared(const std::string& phrase) {
    std::unique_lock lock(m_lock);
    m_idle.wait(lock, [this] { return m_silent || (m_waiting.empty() && !m_busy); });
    return findReady(phrase) != nullptr;
}

void SoundAnnouncer::ensureWorker() {
    if (!m_worker.joinable())
        m_worker = std::thread([this] { work(); });
}

void SoundAnnouncer::work() {
    // Phrases are made seconds ahead of their moment: the worker yields the
    // processor to the user-interface thread and the sound device.
    ::setpriority(PRIO_PROCESS, static_cast<id_t>(::gettid()), kWorkerNiceness);
    // Both modules are loaded here, off the user-interface thread.
    const CueBackend* sound = cueBackend();
    const SpeechBackend* speech = sound ? speechBackend() : nullptr;
    std::unique_lock lock(m_lock);
    m_sound = sound;
    m_speech = speech;
    if (!sound || !speech) {
        m_silent = true;
        m_waiting.clear();
        m_due.clear();
        m_idle.notify_all();
    }
    while (!m_silent) {
        m_busy = false;
        if (m_waiting.empty())
            m_idle.notify_all();
        m_wake.wait(lock, [this] { return m_stopping || !m_waiting.empty(); });
        if (m_stopping)
            break;
        const std::string phrase = std::move(m_waiting.front());
        m_waiting.pop_front();
        if (findReady(phrase))
            continue;
        m_busy = true;
        lock.unlock();
        CueSample* sample = synthesise(phrase);
        lock.lock();
        const bool due = m_due == phrase;
        if (due)
            m_due.clear();
        if (!sample)
            continue;
        keep(phrase, sample);
        if (due && Clock::now() - m_dueSince < kLateLimit)
            startSpeaking(sample);
    }
    lock.unlock();
    if (sound)
        sound->threadEnding();
}

CueSample* SoundAnnouncer::synthesise(const std::string& phrase) {
    const QByteArray text = totext(phrase).left(kMaxSpokenCharacters).toUtf8();
    Collected collected;
    int rate = 0;
    if (m_language != "en") {
        rate = m_speech->synthesiseIn(m_language.c_str(), text.constData(), &collect, &collected);
        if (rate <= 0)
            collected.samples.clear(); // no voice for it: English rather than silence
    }
    if (rate <= 0)
        rate = m_speech->synthesise(text.constData(), &collect, &collected);
    if (rate <= 0)
        return nullptr;
    const std::vector<int16_t> heard = trimsilence(collected.samples);
    if (heard.empty())
        return nullptr;
    const std::string wave = monowavefile(heard, rate);
    return m_sound->open(wave.data(), wave.size());
}

void SoundAnnouncer::keep(const std::string& phrase, CueSample* sample) {
    if (m_volume != kFullVolume)
        m_sound->setVolume(sample, m_volume);
    m_ready.push_back({phrase, sample});
    if (m_ready.size() <= kKeptPhrases)
        return;
    // The least recently used phrase goes, unless it is sounding right now.
    const auto oldest = std::find_if(m_ready.begin(), m_ready.end(),
                                     [this](const Ready& r) { return r.sample != m_speaking; });
    m_sound->close(oldest->sample);
    m_ready.erase(oldest);
}

void SoundAnnouncer::startSpeaking(CueSample* sample) {
    if (m_speaking)
        m_sound->halt(m_speaking);
    m_sound->play(sample);
    m_speaking = sample;
}

SoundAnnouncer::Ready* SoundAnnouncer::findReady(const std::string& phrase) {
    const auto found = std::find_if(m_ready.begin(), m_ready.end(),
                                    [&phrase](const Ready& r) { return r.phrase == phrase; });
    if (found == m_ready.end())
        return nullptr;
    // Used again: it moves to the recent end.
    std::rotate(found, found + 1, m_ready.end());
    return &m_ready.back();
}
