#include "cueplayer.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <mutex>

namespace {

constexpr int kFrequency = 48000; // the cue's own format, so nothing is resampled
constexpr int kOutputChannels = 2;
constexpr int kChunkSize = 1024; // about 21 ms: short enough for a prompt cue
constexpr int kMixingChannels = 16;

// The device is shared by every player of the process: the first opens it, the
// last closes it.
std::mutex g_deviceLock;
int g_deviceUsers = 0;

bool acquireDevice() {
    std::lock_guard lock(g_deviceLock);
    if (g_deviceUsers == 0) {
        // Ctrl+C and SIGTERM keep their usual meaning for the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0)
            return false;
        if (Mix_OpenAudio(kFrequency, AUDIO_S16SYS, kOutputChannels, kChunkSize) != 0) {
            SDL_QuitSubSystem(SDL_INIT_AUDIO);
            return false;
        }
        Mix_AllocateChannels(kMixingChannels);
    }
    ++g_deviceUsers;
    return true;
}

void releaseDevice() {
    std::lock_guard lock(g_deviceLock);
    if (--g_deviceUsers == 0) {
        Mix_CloseAudio();
        SDL_QuitSubSystem(SDL_INIT_AUDIO);
    }
}

} // namespace

CuePlayer::CuePlayer(std::string wave) : m_wave(std::move(wave)) {
    m_opener = std::thread([this] {
        open();
        SDL_TLSCleanup(); // SDL keeps its error text per thread; this one ends here
    });
}

CuePlayer::~CuePlayer() {
    if (m_opener.joinable())
        m_opener.join();
    if (m_chunk) {
        Mix_FreeChunk(m_chunk); // halts the channels still playing it
        m_chunk = nullptr;
    }
    if (m_holdsDevice)
        releaseDevice();
}

void CuePlayer::open() {
    if (m_wave.empty() || !acquireDevice())
        return;
    m_holdsDevice = true;
    SDL_RWops* source = SDL_RWFromConstMem(m_wave.data(), static_cast<int>(m_wave.size()));
    m_chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr;
    m_wave.clear();
    m_wave.shrink_to_fit(); // the chunk holds its own converted copy
    if (m_chunk)
        m_ready.store(true, std::memory_order_release);
}

void CuePlayer::play() {
    if (!m_ready.load(std::memory_order_acquire))
        return;
    // Any free channel: a cue still sounding is not cut off.
    Mix_PlayChannel(-1, m_chunk, 0);
}

bool CuePlayer::waitUntilOpened() {
    if (m_opener.joinable())
        m_opener.join();
    return m_ready.load(std::memory_order_acquire);
}

int CuePlayer::soundingCount() const {
    if (!m_ready.load(std::memory_order_acquire))
        return 0;
    return Mix_Playing(-1);
}
