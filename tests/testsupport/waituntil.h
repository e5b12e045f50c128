#pragma once

#include <chrono>
#include <functional>

// Asks `condition` again and again, a millisecond apart, until it holds or the
// time is up; true when it held. For tests without an event loop to run (a
// Qt test waits with QTest::qWaitFor, which keeps the events flowing). The
// time is a limit for a machine under load, not an expected duration.
bool waituntil(const std::function<bool()>& condition,
               std::chrono::milliseconds timeout = std::chrono::seconds(10));
