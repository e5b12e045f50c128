// The cue's sound module: the real one through SDL's dummy driver, a missing
// one, and a stand-in that shows which thread does what.
#include "app/mainwindow/runnerassembly.h"
#include "runner/circuitstartframe.h"
#include "runner/cuemodule.h"
#include "runner/cueplayer.h"
#include "runner/runaidfactory.h"
#include "ui/pictures.h"
#include "runnerfixtures.h"

#include <gtest/gtest.h>

#include <mutex>
#include <string>
#include <thread>
#include <utility>
#include <vector>

namespace {

std::string storedWave(const char* name = "cue.wav") {
    const QByteArray wave = assetbytes(QLatin1String(name));
    return std::string(wave.constData(), static_cast<size_t>(wave.size()));
}

class CueModuleTest : public ::testing::Test {
protected:
    void TearDown() override { restoreCueBackend(); }
};

TEST_F(CueModuleTest, realModule_playersShareOneDeviceThatOutlivesEachOfThem) {
    const CueBackend* backend = cueBackend();
    ASSERT_NE(backend, nullptr);
    EXPECT_EQ(backend->version, kCueBackendVersion);

    CuePlayer first(storedWave());
    {
        CuePlayer second(storedWave());
        ASSERT_TRUE(first.waitUntilOpened());
        ASSERT_TRUE(second.waitUntilOpened());
        second.play();
        first.play();
        EXPECT_EQ(first.soundingCount(), 2);
    }
    EXPECT_EQ(first.soundingCount(), 1) << "the second player's cue stopped with it";
    first.play();
    EXPECT_EQ(first.soundingCount(), 2) << "the device stays open for the first player";
}

TEST_F(CueModuleTest, missingModule_cueIsSilent) {
    replaceCueBackend(nullptr);
    CuePlayer player(storedWave());
    EXPECT_FALSE(player.waitUntilOpened());
    player.play();
    EXPECT_EQ(player.soundingCount(), 0);
}

// A stand-in module that records every call and the thread making it.
struct Calls {
    std::mutex lock;
    std::vector<std::string> names;
    std::vector<std::thread::id> threads;
    std::string wave;
    bool openSucceeds = true;

    void note(const char* name) {
        std::lock_guard guard(lock);
        names.emplace_back(name);
        threads.push_back(std::this_thread::get_id());
    }
};
Calls g_calls;
CueSample* const kSample = reinterpret_cast<CueSample*>(&g_calls);

const CueBackend kRecording{
    kCueBackendVersion,
    [](const char* wave, size_t size) -> CueSample* {
        g_calls.note("open");
        g_calls.wave.assign(wave, size);
        return g_calls.openSucceeds ? kSample : nullptr;
    },
    [](CueSample* sample) { g_calls.note(sample == kSample ? "play" : "play?"); },
    [] {
        g_calls.note("sounding");
        return 7;
    },
    [](CueSample* sample) { g_calls.note(sample == kSample ? "close" : "close?"); },
    [] { g_calls.note("threadEnding"); },
    [](CueSample* sample) { g_calls.note(sample == kSample ? "halt" : "halt?"); },
    [](CueSample* sample, int) { g_calls.note(sample == kSample ? "volume" : "volume?"); },
};

TEST_F(CueModuleTest, openedOnTheWorkerAndClosedWithThePlayer) {
    g_calls.names.clear();
    g_calls.threads.clear();
    replaceCueBackend(&kRecording);
    { CuePlayer unprepared("RIFF wave bytes"); }
    EXPECT_TRUE(g_calls.names.empty()) << "a player nobody prepared loads nothing";
    {
        CuePlayer player("RIFF wave bytes");
        ASSERT_TRUE(player.waitUntilOpened());
        player.play();
        EXPECT_EQ(player.soundingCount(), 7);
    }
    const std::vector<std::string> expected{"open", "threadEnding", "play", "sounding", "close"};
    EXPECT_EQ(g_calls.names, expected);
    EXPECT_EQ(g_calls.wave, "RIFF wave bytes");
    const std::thread::id main = std::this_thread::get_id();
    ASSERT_EQ(g_calls.threads.size(), expected.size());
    EXPECT_NE(g_calls.threads[0], main) << "the device is opened on the worker";
    EXPECT_EQ(g_calls.threads[1], g_calls.threads[0]) << "the worker frees its own thread state";
    EXPECT_EQ(g_calls.threads[4], main);

    // A sample that cannot be opened is never played nor closed; without a
    // wave the module is not even asked.
    g_calls.names.clear();
    g_calls.openSucceeds = false;
    {
        CuePlayer player("not a wave");
        EXPECT_FALSE(player.waitUntilOpened());
        player.play();
        EXPECT_EQ(player.soundingCount(), 0);
        CuePlayer empty{std::string()};
        EXPECT_FALSE(empty.waitUntilOpened());
    }
    EXPECT_EQ(g_calls.names, (std::vector<std::string>{"open", "threadEnding"}));
    g_calls.openSucceeds = true;
}

// A stand-in module whose samples are told apart: the n-th opened is number n.
struct Numbered {
    std::mutex lock;
    std::vector<std::string> calls;
    char places[8] = {};
    int opened = 0;

    void note(const std::string& what, CueSample* sample) {
        std::lock_guard guard(lock);
        calls.push_back(what + " " + std::to_string(reinterpret_cast<char*>(sample) - places));
    }
    std::vector<std::string> take() {
        std::lock_guard guard(lock);
        return std::exchange(calls, {});
    }
};
Numbered g_numbered;

const CueBackend kNumbered{
    kCueBackendVersion,
    [](const char*, size_t) -> CueSample* {
        std::lock_guard guard(g_numbered.lock);
        return reinterpret_cast<CueSample*>(&g_numbered.places[g_numbered.opened++]);
    },
    [](CueSample* sample) { g_numbered.note("play", sample); },
    [] { return 0; },
    [](CueSample*) {},
    [] {},
    [](CueSample*) {},
    [](CueSample* sample, int percent) {
        g_numbered.note("volume " + std::to_string(percent), sample);
    },
};

TEST_F(CueModuleTest, chosenSoundAndVolume_reachTheModule_aPreviewWaitsForTheOpening) {
    replaceCueBackend(&kNumbered);
    CuePlayer player(std::vector<std::string>{"chime", "bell", "beeps", "gong"});
    player.setVolume(50);
    player.choose(CueTone::Gong);
    player.preview(); // nothing is open yet: heard as soon as it is
    ASSERT_TRUE(player.waitUntilOpened());
    EXPECT_EQ(g_numbered.take(),
              (std::vector<std::string>{"volume 50 0", "volume 50 1", "volume 50 2", "volume 50 3",
                                        "play 3"}));

    player.choose(CueTone::Bell);
    player.play();
    player.setVolume(100);
    player.setVolume(100);
    player.preview();
    EXPECT_EQ(g_numbered.take(),
              (std::vector<std::string>{"play 1", "volume 100 0", "volume 100 1", "volume 100 2",
                                        "volume 100 3", "play 1"}));

    // The real module decodes every stored sound and turns it down.
    restoreCueBackend();
    CuePlayer real(std::vector<std::string>{storedWave(), storedWave("cue_bell.wav"),
                                            storedWave("cue_doublebeep.wav"),
                                            storedWave("cue_gong.wav")});
    real.setVolume(30);
    ASSERT_TRUE(real.waitUntilOpened());
    for (const CueTone tone : {CueTone::Bell, CueTone::DoubleBeep, CueTone::Gong}) {
        real.choose(tone);
        real.preview();
    }
    EXPECT_EQ(real.soundingCount(), 3);
}

class PreparingCue final : public CueSound {
public:
    int prepares = 0;
    int plays = 0;
    void prepare() override { ++prepares; }
    void play() override { ++plays; }
};

// The sound device starts opening (on its worker) as soon as the runner is
// put together, so it is ready long before the first cue; nothing is played then.
TEST_F(CueModuleTest, frame_preparesItsCueWhenCreated) {
    const TempFolder folder;
    auto* cue = new PreparingCue;
    Tframe_ExerciseStart frame;
    new RunnerAssembly(frame, folder.path(), RunAidParts{.cue = std::unique_ptr<CueSound>(cue)});
    EXPECT_EQ(cue->prepares, 1);
    EXPECT_EQ(cue->plays, 0);
}

} // namespace
