#include "runner/cueplayer.h"

#include "runner/cuemodule.h"

CuePlayer::CuePlayer(std::string wave) : m_wave(std::move(wave)) {}

CuePlayer::~CuePlayer() {
    if (m_opener.joinable())
        m_opener.join();
    if (m_sample) {
        m_backend->close(m_sample);
        m_sample = nullptr;
    }
}

void CuePlayer::open() {
    if (m_wave.empty())
        return; // nothing to play, so the module is not worth loading
    m_backend = cueBackend();
    if (!m_backend)
        return;
    m_sample = m_backend->open(m_wave.data(), m_wave.size());
    m_wave.clear();
    m_wave.shrink_to_fit(); // the sample holds its own converted copy
    if (m_sample)
        m_ready.store(true, std::memory_order_release);
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

void CuePlayer::play() {
    if (m_ready.load(std::memory_order_acquire))
        m_backend->play(m_sample);
    else
        prepare(); // this cue is lost, the next one sounds
}

bool CuePlayer::waitUntilOpened() {
    prepare();
    if (m_opener.joinable())
        m_opener.join();
    return m_ready.load(std::memory_order_acquire);
}

int CuePlayer::soundingCount() const {
    if (!m_ready.load(std::memory_order_acquire))
        return 0;
    return m_backend->sounding();
}
