// The cue's sound device on SDL2_mixer, built as a module of its own.
#include "runner/cuebackend.h"

#include <SDL.h>
#include <SDL_mixer.h>
#include <dlfcn.h>

#include <algorithm>
#include <climits>
#include <mutex>
#include <type_traits>

struct CueSample {
    Mix_Chunk* chunk;
};

namespace {

constexpr int kFrequency = 48000; // the cue's own format, so nothing is resampled
constexpr int kOutputChannels = 2;
constexpr int kChunkSize = 1024; // about 21 ms: short enough for a prompt cue
constexpr int kMixingChannels = 16;

// The device is shared by every sample of the process: the first opens it,
// the last closes it.
std::mutex g_deviceLock;
int g_deviceUsers = 0;

void ignoreAlsaError(const char*, int, const char*, int, const char*, ...) {}

// The program prints nothing, with or without a sound device. ALSA writes its
// own complaints to stderr ("cannot find card '0'") while SDL looks for a
// device, so its handler is silenced first, in the very library SDL loads
// later (it stays loaded). The sound servers are tried before raw ALSA; a
// driver named in SDL_AUDIODRIVER still takes precedence.
void quietAudioLibraries() {
    SDL_SetHintWithPriority(SDL_HINT_AUDIODRIVER, "pipewire,pulseaudio,alsa", SDL_HINT_DEFAULT);
    using Handler = void (*)(const char*, int, const char*, int, const char*, ...);
    using SetHandler = int (*)(Handler);
    void* alsa = ::dlopen("libasound.so.2", RTLD_NOW | RTLD_LOCAL);
    if (!alsa)
        return;
    if (const auto set = reinterpret_cast<SetHandler>(::dlsym(alsa, "snd_lib_error_set_handler")))
        set(&ignoreAlsaError);
}

bool acquireDevice() {
    std::lock_guard lock(g_deviceLock);
    if (g_deviceUsers == 0) {
        // Ctrl+C and SIGTERM keep their usual meaning for the program.
        SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
        quietAudioLibraries();
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

CueSample* openSample(const char* wave, size_t size) {
    if (size == 0 || size > INT_MAX || !acquireDevice())
        return nullptr;
    SDL_RWops* source = SDL_RWFromConstMem(wave, static_cast<int>(size));
    Mix_Chunk* chunk = source ? Mix_LoadWAV_RW(source, 1) : nullptr; // holds its own copy
    if (!chunk) {
        releaseDevice();
        return nullptr;
    }
    return new CueSample{chunk};
}

void playSample(CueSample* sample) {
    // Any free channel: a cue still sounding is not cut off.
    Mix_PlayChannel(-1, sample->chunk, 0);
}

int soundingSamples() {
    return Mix_Playing(-1);
}

void closeSample(CueSample* sample) {
    Mix_FreeChunk(sample->chunk); // halts the channels still playing it
    delete sample;
    releaseDevice();
}

void haltSample(CueSample* sample) {
    for (int channel = 0; channel < kMixingChannels; ++channel)
        if (Mix_GetChunk(channel) == sample->chunk && Mix_Playing(channel))
            Mix_HaltChannel(channel);
}

void setSampleVolume(CueSample* sample, int percent) {
    // Scaled by the mixer as it plays: the decoded sound stays as it is.
    Mix_VolumeChunk(sample->chunk, std::clamp(percent, 0, 100) * MIX_MAX_VOLUME / 100);
}

void threadEnding() {
    SDL_TLSCleanup(); // SDL keeps its error text per thread
}

constexpr CueBackend kBackend{kCueBackendVersion, &openSample,   &playSample, &soundingSamples,
                              &closeSample,       &threadEnding, &haltSample, &setSampleVolume};

} // namespace

extern "C" __attribute__((visibility("default"))) const CueBackend* stridewell_cue_backend() {
    return &kBackend;
}

static_assert(std::is_same_v<decltype(&stridewell_cue_backend), CueBackendEntry>);
