#include "runner/cueplayer.h"

#include "runner/cuemodule.h"

#include <algorithm>

CuePlayer::CuePlayer(std::string wave) : CuePlayer(std::vector<std::string>{std::move(wave)}) {}

CuePlayer::CuePlayer(std::vector<std::string> waves) : m_waves(std::move(waves)) {}

CuePlayer::~CuePlayer() {
    if (m_opener.joinable())
        m_opener.join();
    for (CueSample* sample : m_samples)
        if (sample)
            m_backend->close(sample);
}

void CuePlayer::open() {
    const bool nothingToPlay = std::all_of(m_waves.begin(), m_waves.end(),
                                           [](const std::string& wave) { return wave.empty(); });
    if (nothingToPlay)
        return; // so the module is not worth loading
    m_backend = cueBackend();
    if (!m_backend)
        return;
    std::vector<CueSample*> samples;
    for (const std::string& wave : m_waves)
        samples.push_back(wave.empty() ? nullptr : m_backend->open(wave.data(), wave.size()));
    m_waves.clear();
    m_waves.shrink_to_fit(); // each sample holds its own converted copy
    {
        std::lock_guard lock(m_volumeLock);
        m_samples = std::move(samples);
        if (std::none_of(m_samples.begin(), m_samples.end(), [](CueSample* s) { return s; }))
            return;
        if (m_volume != kFullVolume)
            for (CueSample* sample : m_samples)
                if (sample)
                    m_backend->setVolume(sample, m_volume);
        m_ready.store(true);
    }
    if (m_previewDue.exchange(false))
        playChosen();
}

void CuePlayer::prepare() {
    if (m_started)
        return;
    m_started = true;
    m_opener = std::thread([this] {
        open();
        if (m_backend)
            m_backend->threadEnding();
    });
}

void CuePlayer::playChosen() {
    const size_t chosen = m_chosen.load();
    CueSample* sample = chosen < m_samples.size() ? m_samples[chosen] : nullptr;
    if (!sample)
        sample = m_samples.front();
    if (sample)
        m_backend->play(sample);
}

void CuePlayer::play() {
    if (m_ready.load())
        playChosen();
    else
        prepare(); // this cue is lost, the next one sounds
}

void CuePlayer::choose(CueTone tone) {
    m_chosen.store(static_cast<size_t>(tone));
}

void CuePlayer::setVolume(int percent) {
    std::lock_guard lock(m_volumeLock);
    if (percent == m_volume)
        return;
    m_volume = percent;
    if (!m_ready.load())
        return; // the worker applies it as it opens the samples
    for (CueSample* sample : m_samples)
        if (sample)
            m_backend->setVolume(sample, percent);
}

void CuePlayer::preview() {
    m_previewDue.store(true);
    if (m_ready.load()) {
        if (m_previewDue.exchange(false))
            playChosen();
    } else {
        prepare();
    }
}

bool CuePlayer::waitUntilOpened() {
    prepare();
    if (m_opener.joinable())
        m_opener.join();
    return m_ready.load();
}

int CuePlayer::soundingCount() const {
    if (!m_ready.load())
        return 0;
    return m_backend->sounding();
}
