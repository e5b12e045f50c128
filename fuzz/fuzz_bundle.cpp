// Feeds arbitrary bytes as a circuit bundle (.stridewell): the reader either
// refuses them with an IoError or gives a bundle that writes back and reads
// again as the same bundle.

#include "fuzzsupport.h"
#include "data/circuitbundle.h"
#include "data/ioerror.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    CircuitBundle bundle;
    try {
        bundle = readbundle(bytes, "fuzz.stridewell");
    } catch (const IoError&) {
        return 0;
    }
    // A line of the bundle never holds a line end, so it writes back as read.
    const CircuitBundle again = readbundle(bundlebytes(bundle), "again.stridewell");
    check(again.circuitLines == bundle.circuitLines);
    check(again.exercises.size() == bundle.exercises.size());
    for (size_t i = 0; i < bundle.exercises.size(); ++i) {
        check(again.exercises[i].name == bundle.exercises[i].name);
        check(again.exercises[i].extype == bundle.exercises[i].extype);
        check(again.exercises[i].description == bundle.exercises[i].description);
        check(again.exercises[i].online == bundle.exercises[i].online);
    }
    return 0;
}
