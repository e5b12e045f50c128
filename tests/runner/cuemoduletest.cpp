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
#include <vector>

namespace {

std::string storedWave() {
    const QByteArray wave = assetbytes(QStringLiteral("cue.wav"));
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
