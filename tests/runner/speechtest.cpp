// Spoken phrases: the real synthesiser module, and the announcer that
// prepares phrases ahead and plays them through the cue's sound device.
#include "runner/cuemodule.h"
#include "runner/soundannouncer.h"
#include "runner/speechmodule.h"
#include "stderrcapture.h"
#include "testsupport/waituntil.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace {

struct Spoken {
    std::vector<int16_t> samples;
    int rate = 0;
};

Spoken speakToSamples(const SpeechBackend& backend, const char* text) {
    Spoken spoken;
    spoken.rate = backend.synthesise(
        text,
        [](void* context, const short* samples, size_t count) {
            auto& out = static_cast<Spoken*>(context)->samples;
            out.insert(out.end(), samples, samples + count);
        },
        &spoken);
    return spoken;
}

double rms(const std::vector<int16_t>& samples) {
    double sum = 0;
    for (const int16_t sample : samples)
        sum += static_cast<double>(sample) * sample;
    return samples.empty() ? 0 : std::sqrt(sum / static_cast<double>(samples.size()));
}

TEST(Speech, realPhrase_nonSilentSamplesOfPlausibleLength_andNothingPrinted) {
    StderrCapture stderrText;
    const SpeechBackend* backend = speechBackend();
    ASSERT_NE(backend, nullptr) << "the speech module beside the tests";
    ASSERT_EQ(backend->version, kSpeechBackendVersion);

    const Spoken phrase = speakToSamples(*backend, "Next: Jumping Jacks");
    ASSERT_GE(phrase.rate, 8000);
    ASSERT_LE(phrase.rate, 48000);
    const double seconds = static_cast<double>(phrase.samples.size()) / phrase.rate;
    // Four syllables and a pause at a normal speaking pace.
    EXPECT_GT(seconds, 0.6);
    EXPECT_LT(seconds, 4.0);
    EXPECT_GT(rms(phrase.samples), 1000.0) << "a voice, not silence";

    // A longer phrase takes longer; a name that looks like markup is spoken
    // as plain text, not swallowed.
    const Spoken longer = speakToSamples(*backend, "Next: Jumping Jacks and Mountain Climbers");
    EXPECT_GT(longer.samples.size(), phrase.samples.size() * 3 / 2);
    const Spoken markup = speakToSamples(*backend, "<b>Squat</b> & [[p]]");
    EXPECT_GT(rms(markup.samples), 1000.0);

    EXPECT_EQ(stderrText.finish(), "");
}

TEST(Speech, germanVoice_speaksAGermanPhrase_unknownLanguageRefused) {
    const SpeechBackend* backend = speechBackend();
    ASSERT_NE(backend, nullptr);
    const auto sink = [](void* context, const short* samples, size_t count) {
        auto& out = static_cast<Spoken*>(context)->samples;
        out.insert(out.end(), samples, samples + count);
    };
    Spoken german;
    german.rate =
        backend->synthesiseIn("de", "N\u00e4chste \u00dcbung: Kniebeuge", sink, &german);
    if (german.rate == 0)
        GTEST_SKIP() << "no German voice for espeak-ng here";
    EXPECT_GT(static_cast<double>(german.samples.size()) / german.rate, 0.6);
    EXPECT_GT(rms(german.samples), 1000.0) << "a voice, not silence";

    Spoken none;
    EXPECT_EQ(backend->synthesiseIn("xx-nowhere", "Squat", sink, &none), 0);
    // English is there again after another language.
    EXPECT_GT(rms(speakToSamples(*backend, "Squat").samples), 1000.0);
}

// A stand-in sound device that records what the announcer asks of it.
struct Device {
    std::mutex lock;
    std::vector<std::string> waves; // opened, in order; a sample is its index
    std::vector<std::string> calls;
    char slots[64] = {};

    CueSample* sampleFor(size_t index) { return reinterpret_cast<CueSample*>(&slots[index]); }
    size_t indexOf(CueSample* sample) {
        return static_cast<size_t>(reinterpret_cast<char*>(sample) - slots);
    }
    void note(const char* what, CueSample* sample) {
        std::lock_guard guard(lock);
        calls.push_back(std::string(what) + " " + std::to_string(indexOf(sample)));
    }
    std::vector<std::string> takeCalls() {
        std::lock_guard guard(lock);
        return std::exchange(calls, {});
    }
};
Device g_device;

const CueBackend kRecordingDevice{
    kCueBackendVersion,
    [](const char* wave, size_t size) -> CueSample* {
        std::lock_guard guard(g_device.lock);
        g_device.waves.emplace_back(wave, size);
        return g_device.sampleFor(g_device.waves.size() - 1);
    },
    [](CueSample* sample) { g_device.note("play", sample); },
    [] { return 0; },
    [](CueSample* sample) { g_device.note("close", sample); },
    [] {},
    [](CueSample* sample) { g_device.note("halt", sample); },
    [](CueSample* sample, int percent) {
        g_device.note(("volume " + std::to_string(percent)).c_str(), sample);
    },
};

uint32_t le32(const std::string& bytes, size_t at) {
    uint32_t value = 0;
    for (size_t i = 0; i < 4; ++i)
        value |= static_cast<uint32_t>(static_cast<unsigned char>(bytes[at + i])) << (8 * i);
    return value;
}

class AnnouncerTest : public ::testing::Test {
protected:
    void SetUp() override { replaceCueBackend(&kRecordingDevice); }
    void TearDown() override { restoreCueBackend(); }
};

TEST_F(AnnouncerTest, preparedPhraseStartsAtOnce_newPhraseSilencesTheOld_fewAreKept) {
    const std::string tick = "RIFF the tick";
    auto announcer = std::make_unique<SoundAnnouncer>(tick);
    // The tick is opened in the background straight away, with nothing
    // prepared; a tick before it is open is silent.
    std::vector<std::string> ticks;
    waituntil([&] {
        announcer->countdownTick();
        ticks = g_device.takeCalls();
        return !ticks.empty();
    });
    EXPECT_EQ(ticks, std::vector<std::string>{"play 0"});
    ASSERT_EQ(g_device.waves.size(), 1u);
    EXPECT_EQ(g_device.waves[0], tick);

    // Prepared ahead: a RIFF WAVE of 16-bit mono speech that starts with the
    // voice, not with silence.
    announcer->prepare("Now: Squat");
    ASSERT_TRUE(announcer->waitUntilPrepared("Now: Squat"));
    ASSERT_EQ(g_device.waves.size(), 2u);
    const std::string& wave = g_device.waves[1];
    ASSERT_GT(wave.size(), 44u + 8000u);
    EXPECT_EQ(wave.substr(0, 4), "RIFF");
    EXPECT_EQ(wave.substr(8, 8), "WAVEfmt ");
    EXPECT_EQ(le32(wave, 20) & 0xFFFF, 1u) << "PCM";
    EXPECT_EQ(le32(wave, 20) >> 16, 1u) << "mono";
    EXPECT_EQ(le32(wave, 34) & 0xFFFF, 16u) << "bits per sample";
    EXPECT_EQ(le32(wave, 40), wave.size() - 44);
    const auto first = static_cast<int16_t>(le32(wave, 44) & 0xFFFF);
    EXPECT_GE(std::abs(first), 64);
    EXPECT_TRUE(g_device.takeCalls().empty()) << "preparing plays nothing";

    // Spoken: played on the caller's thread before speak() returns.
    announcer->speak("Now: Squat");
    EXPECT_EQ(g_device.takeCalls(), std::vector<std::string>{"play 1"});
    announcer->prepare("Now: Squat");
    EXPECT_TRUE(g_device.takeCalls().empty());
    EXPECT_EQ(g_device.waves.size(), 2u) << "a prepared phrase is not made twice";

    // A phrase nobody prepared: the one sounding stops at once, and the new
    // one sounds as soon as it is ready.
    announcer->speak("Next: Lunge");
    std::vector<std::string> calls = g_device.takeCalls();
    ASSERT_FALSE(calls.empty());
    EXPECT_EQ(calls.front(), "halt 1") << "before speak() returns";
    ASSERT_TRUE(announcer->waitUntilPrepared("Next: Lunge"));
    for (const std::string& call : g_device.takeCalls())
        calls.push_back(call);
    EXPECT_EQ(calls, (std::vector<std::string>{"halt 1", "play 2"}));

    // Only the most recent phrases are kept; the one sounding stays.
    for (size_t i = 0; i + 1 < SoundAnnouncer::kKeptPhrases; ++i)
        announcer->prepare("Now: Exercise " + std::to_string(i));
    ASSERT_TRUE(announcer->waitUntilPrepared("Now: Exercise 0"));
    EXPECT_EQ(g_device.takeCalls(), std::vector<std::string>{"close 1"});
    EXPECT_TRUE(announcer->waitUntilPrepared("Next: Lunge"));

    // The tick and the kept phrases are closed with the announcer.
    announcer.reset();
    const std::vector<std::string> closed = g_device.takeCalls();
    EXPECT_EQ(closed.size(), SoundAnnouncer::kKeptPhrases + 1);
    EXPECT_EQ(std::count(closed.begin(), closed.end(), "close 0"), 1);
}

// The volume reaches the tick and every phrase, whether set before they are
// made or while they are kept.
TEST_F(AnnouncerTest, volume_reachesTheTickAndEveryPhrase) {
    g_device.takeCalls();
    size_t next = 0; // the tick and the phrase are the next two samples, in either order
    {
        std::lock_guard guard(g_device.lock);
        next = g_device.waves.size();
    }
    SoundAnnouncer announcer("RIFF the tick");
    announcer.setVolume(50);
    announcer.prepare("Now: Plank");
    ASSERT_TRUE(announcer.waitUntilPrepared("Now: Plank"));
    std::vector<std::string> calls;
    ASSERT_TRUE(waituntil([&] {
        for (const std::string& call : g_device.takeCalls())
            calls.push_back(call);
        return calls.size() >= 2;
    }));
    std::sort(calls.begin(), calls.end());
    const auto both = [next](const std::string& what) {
        std::vector<std::string> expected{what + " " + std::to_string(next),
                                          what + " " + std::to_string(next + 1)};
        std::sort(expected.begin(), expected.end());
        return expected;
    };
    EXPECT_EQ(calls, both("volume 50"));

    announcer.setVolume(100);
    announcer.setVolume(100);
    calls = g_device.takeCalls();
    std::sort(calls.begin(), calls.end());
    EXPECT_EQ(calls, both("volume 100"));
}

} // namespace
