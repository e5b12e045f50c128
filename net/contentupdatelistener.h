#pragma once

#include "net/transferfailure.h"

#include <cstdint>
#include <exception>
#include <string>

// The two lists a check for news fetches.
enum class ContentList : uint8_t { Exercises, Circuits };

// What a check for news came to, as ContentUpdate reports it: what happened
// and its figures, never the words. The window words each report for the
// user. Every report comes on the main thread and must not throw.
class ContentUpdateListener {
public:
    virtual ~ContentUpdateListener() = default;

    // The exercise list was merged and `added` new exercises stored.
    // libraryFull: the library ran out of room before the list's end (with
    // `added` possibly 0).
    virtual void exercisesAdded(int added, bool libraryFull) = 0;
    // The list named nothing new: every exercise is held, the circuit list is
    // empty, or the server's answer was empty (the list of last time is kept).
    virtual void nothingNew(ContentList list) = 0;
    // The list did not arrive: why, as the transfer saw it. A reply the
    // content check refused has kind Refused and the reason as its detail
    // ("is a web page").
    virtual void listFailed(ContentList list, const TransferFailure& failure) = 0;
    // The last circuit of a chain arrived; `added` circuits were fetched since
    // the check was asked for.
    virtual void circuitsAdded(int added) = 0;
    // The circuit file `name` did not arrive or was refused; the chain ends
    // there and the names not yet fetched wait for the next check.
    virtual void circuitFailed(const std::string& name, const TransferFailure& failure) = 0;
    // An error ended a step (a library that cannot be read or saved, a folder
    // that cannot be made), as it was thrown.
    virtual void stepFailed(std::exception_ptr error) = 0;
};
