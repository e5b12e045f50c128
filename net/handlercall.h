#pragma once

#include <QtGlobal>

#include <exception>
#include <utility>

// Runs a component's event handler from a Qt frame (a queued call). The
// handlers catch their own errors and report them (ContentUpdate hands them
// to its listener), so this only keeps a stray exception from crossing the
// event loop: it is logged and the reaction ends there.
template <class Handler> void callhandler(Handler&& handler) noexcept {
    try {
        std::forward<Handler>(handler)();
    } catch (const std::exception& error) {
        qCritical("A download's event handler failed: %s", error.what());
    } catch (...) {
        qCritical("A download's event handler failed");
    }
}
