#pragma once

// The four formats the peer import reads; inside the peers folder only. Each
// pair: whether a JSON document has the shape of the format, and its reader,
// which adds the circuits of the workouts it finds to `into`, with their
// notes, and gives how many workouts the file holds.

#include "data/peers/jsonvalue.h"
#include "data/peers/peerimport.h"

#include <cstddef>

namespace peers {

bool isjawt(const JsonValue& root);
size_t readjawt(const JsonValue& root, PeerImport& into);

bool isopenhiit(const JsonValue& root);
size_t readopenhiit(const JsonValue& root, PeerImport& into);

bool isfeeel(const JsonValue& root);
size_t readfeeel(const JsonValue& root, PeerImport& into);

bool istimermachine(const JsonValue& root);
size_t readtimermachine(const JsonValue& root, PeerImport& into);

} // namespace peers
