// Spoken names: how long espeak-ng takes to synthesise a typical phrase, and
// how soon a phrase prepared ahead is heard after speak() (the phase change):
// from the call to the first mixing pass of the sound device that holds the
// voice. Runs on SDL's dummy audio driver unless SDL_AUDIODRIVER says otherwise;
// the dummy driver mixes in real time, one 1024-frame chunk (21 ms) at a time.
#include "runner/soundannouncer.h"
#include "runner/speechmodule.h"
#include "ui/pictures.h"

#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <atomic>
#include <chrono>
#include <cstdlib>
#include <string>
#include <thread>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

const char kPhrase[] = "Next: Mountain Climbers";

// The first phrase of the process: the speech module and the sound device are
// loaded and opened on the worker, then the phrase is made. Once only.
void speechFirstPrepare(benchmark::State& state) {
    for (auto _ : state) {
        const QByteArray tick = assetbytes(QStringLiteral("tick.wav"));
        SoundAnnouncer announcer(std::string(tick.constData(), static_cast<size_t>(tick.size())));
        const Clock::time_point asked = Clock::now();
        announcer.prepare(kPhrase);
        if (!announcer.waitUntilPrepared(kPhrase))
            state.SkipWithError("no speech module or no sound device");
        state.SetIterationTime(std::chrono::duration<double>(Clock::now() - asked).count());
    }
}

void speechSynthesis(benchmark::State& state) {
    const SpeechBackend* backend = speechBackend();
    if (!backend) {
        state.SkipWithError("no speech module");
        return;
    }
    size_t samples = 0;
    int rate = 0;
    for (auto _ : state) {
        samples = 0;
        rate = backend->synthesise(
            kPhrase, [](void* count, const short*, size_t n) { *static_cast<size_t*>(count) += n; },
            &samples);
    }
    state.counters["phrase_s"] = rate > 0 ? static_cast<double>(samples) / rate : 0;
}

// The moment the mixer first put out anything but silence after being armed.
std::atomic<bool> g_armed{false};
std::atomic<Clock::rep> g_heard{0};

void listen(void*, Uint8* stream, int length) {
    if (!g_armed.load())
        return;
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    for (int i = 0; i < length / 2; ++i)
        if (samples[i] != 0) {
            g_heard.store(Clock::now().time_since_epoch().count());
            g_armed.store(false);
            return;
        }
}

void speechHeardAfterSpeak(benchmark::State& state) {
    const QByteArray tick = assetbytes(QStringLiteral("tick.wav"));
    SoundAnnouncer announcer(std::string(tick.constData(), static_cast<size_t>(tick.size())));
    announcer.prepare(kPhrase);
    if (!announcer.waitUntilPrepared(kPhrase)) {
        state.SkipWithError("no speech module or no sound device");
        return;
    }
    Mix_SetPostMix(&listen, nullptr); // the device is open now: the phrase is on it
    double worst = 0;
    for (auto _ : state) {
        g_heard.store(0);
        g_armed.store(true);
        const Clock::time_point spoken = Clock::now();
        announcer.speak(kPhrase);
        const Clock::time_point until = spoken + std::chrono::seconds(2);
        while (g_heard.load() == 0 && Clock::now() < until)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        if (g_heard.load() == 0) {
            state.SkipWithError("the phrase was never mixed");
            break;
        }
        const double seconds = std::chrono::duration<double>(Clock::duration(g_heard.load()) -
                                                             spoken.time_since_epoch())
                                   .count();
        worst = std::max(worst, seconds * 1000);
        state.SetIterationTime(seconds);
        // Silence before the next round, so the next sound heard is its own.
        Mix_HaltChannel(-1);
        std::this_thread::sleep_for(std::chrono::milliseconds(60));
    }
    Mix_SetPostMix(nullptr, nullptr);
    state.counters["worst_ms"] = worst;
}

} // namespace

BENCHMARK(speechFirstPrepare)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(speechSynthesis)->Unit(benchmark::kMillisecond);
BENCHMARK(speechHeardAfterSpeak)->UseManualTime()->Iterations(40)->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    ::setenv("SDL_AUDIODRIVER", "dummy", 0);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
