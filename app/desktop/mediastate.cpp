#include "app/desktop/mediastate.h"

#include "data/durationtext.h"

#include <algorithm>

MediaState mediastateof(const MediaRun& run) {
    const RunMoment& moment = run.moment;
    MediaState state;
    switch (moment.state) {
    case RunState::Running:
        state.playback = MediaState::Playback::Playing;
        break;
    case RunState::Stopped:
        state.playback = MediaState::Playback::Paused;
        break;
    case RunState::Idle:
    case RunState::Loaded:
    case RunState::Finished:
        state.playback = MediaState::Playback::Stopped;
        break;
    }
    state.title = moment.status;
    state.album = run.circuitName;
    if (moment.planned)
        state.comment = shortdurationtext(std::max<int64_t>(moment.circuitLeft, 0));
    state.lengthMicroseconds = moment.intervalLength * 1000000;
    // A repetition phase counts up; a timed one down.
    const int64_t into = moment.kind == PhaseKind::Reps ? moment.intervalLeft
                                                        : moment.intervalLength - moment.intervalLeft;
    state.positionMicroseconds = std::max<int64_t>(into, 0) * 1000000;
    // As the interfaces mean them, properties of what is loaded, not of the
    // moment: clients (playerctl) pass over a player that cannot play. A Play
    // while running and a Pause while stopped do nothing, as the keys.
    const bool loaded = moment.state != RunState::Idle;
    state.canPlay = loaded;
    state.canPause = loaded;
    state.canGoNext = run.canSkipForward;
    state.canGoPrevious = run.canSkipBack;
    return state;
}

bool worthtelling(const MediaState& before, const MediaState& after) {
    MediaState withoutClock = after;
    withoutClock.comment = before.comment;
    withoutClock.positionMicroseconds = before.positionMicroseconds;
    return !(withoutClock == before);
}

const char* playbackname(MediaState::Playback playback) {
    switch (playback) {
    case MediaState::Playback::Playing:
        return "Playing";
    case MediaState::Playback::Paused:
        return "Paused";
    case MediaState::Playback::Stopped:
        break;
    }
    return "Stopped";
}
