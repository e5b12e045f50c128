// The run as the desktop's media controls see it.
#include "app/desktop/mediastate.h"

#include <gtest/gtest.h>

namespace {

RunMoment momentIn(RunState state) {
    RunMoment moment;
    moment.state = state;
    moment.kind = PhaseKind::Work;
    moment.resting = false;
    moment.intervalLength = 40;
    moment.intervalLeft = 30;
    moment.circuitLeft = 754;
    moment.planned = true;
    moment.status = "Now: Push-Up";
    return moment;
}

TEST(MediaState, followsTheRunsStateAndItsEdges) {
    const std::string circuit = "Core";
    struct Case {
        RunState state;
        bool canSkipForward, canSkipBack;
        MediaState::Playback playback;
        bool canPlay, canPause;
    };
    const Case cases[] = {
        {RunState::Idle, false, false, MediaState::Playback::Stopped, false, false},
        {RunState::Loaded, false, false, MediaState::Playback::Stopped, true, true},
        {RunState::Running, true, false, MediaState::Playback::Playing, true, true},
        {RunState::Stopped, true, true, MediaState::Playback::Paused, true, true},
        {RunState::Finished, false, true, MediaState::Playback::Stopped, true, true},
    };
    for (const Case& each : cases) {
        const RunMoment moment = momentIn(each.state);
        const MediaState state =
            mediastateof({moment, circuit, each.canSkipForward, each.canSkipBack});
        SCOPED_TRACE(playbackname(state.playback));
        EXPECT_EQ(state.playback, each.playback);
        EXPECT_EQ(state.canPlay, each.canPlay);
        EXPECT_EQ(state.canPause, each.canPause);
        EXPECT_EQ(state.canGoNext, each.canSkipForward);
        EXPECT_EQ(state.canGoPrevious, each.canSkipBack);
        EXPECT_EQ(state.title, "Now: Push-Up");
        EXPECT_EQ(state.album, "Core");
        EXPECT_EQ(state.comment, "12:34");
        EXPECT_EQ(state.lengthMicroseconds, 40'000'000);
        EXPECT_EQ(state.positionMicroseconds, 10'000'000);
    }

    // A repetition phase counts up: its clock is how far it is.
    RunMoment reps = momentIn(RunState::Running);
    reps.kind = PhaseKind::Reps;
    reps.intervalLeft = 7;
    EXPECT_EQ(mediastateof({reps, circuit, true, true}).positionMicroseconds, 7'000'000);
}

TEST(MediaState, aTickIsNotWorthTellingAChangeOfPhaseIs) {
    const std::string circuit = "Core";
    RunMoment moment = momentIn(RunState::Running);
    const MediaState before = mediastateof({moment, circuit, true, false});
    moment.intervalLeft -= 1;
    moment.circuitLeft -= 1;
    const MediaState ticked = mediastateof({moment, circuit, true, true});
    EXPECT_TRUE(worthtelling(before, ticked)) << "Previous became possible";
    const MediaState again = mediastateof({moment, circuit, true, false});
    moment.intervalLeft -= 1;
    moment.circuitLeft -= 1;
    EXPECT_FALSE(worthtelling(again, mediastateof({moment, circuit, true, false})));
    moment.status = "Next: Squat";
    EXPECT_TRUE(worthtelling(again, mediastateof({moment, circuit, true, false})));
    moment.state = RunState::Stopped;
    EXPECT_TRUE(worthtelling(again, mediastateof({moment, circuit, true, false})));
}

} // namespace
