// Feeds arbitrary bytes as another timer's export: the reader either refuses
// them with an IoError or gives circuits that the program takes in as they
// are. Every circuit's lines read back through the circuit reader as a file
// of as many exercises, none over the limits, with no word the reader does
// not know; its name can be a file name; its records name each of its
// exercises once; and its bundle writes and reads back whole.

#include "data/circuitbundle.h"
#include "data/circuitfile.h"
#include "data/filenames.h"
#include "data/ioerror.h"
#include "data/peers/peerimport.h"
#include "data/textreader.h"
#include "fuzzsupport.h"

#include <algorithm>
#include <cstdint>
#include <memory>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const std::unique_ptr<ExerciseTable> emptyLibrary = std::make_unique<ExerciseTable>();
    static const std::unique_ptr<TCircuit2> circuit = std::make_unique<TCircuit2>();
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    PeerImport read;
    try {
        read = readpeerexport(bytes, "fuzz.json");
    } catch (const IoError& error) {
        check(error.words().id == FileTextId::ImportForeign);
        return 0;
    }
    for (const PeerNote& note : read.notes)
        check(!englishpeernote(note).empty());
    for (const CircuitBundle& bundle : read.circuits) {
        const std::vector<std::string>& lines = bundle.circuitLines;
        check(lines.size() >= 4 && lines.size() - 4 <= kMaxCircuitExercises);
        const std::string& name = lines[0];
        check(isplainfilename(name) && name.size() <= 200 &&
              name.find_first_of("<>:\"|?*") == std::string::npos);

        std::string text;
        for (const std::string& line : lines) {
            check(line.find_first_of("\r\n") == std::string::npos);
            text += line + "\n";
        }
        TextReader reader(text, "fuzz.cir", 1);
        readcircuit(reader, *emptyLibrary, *circuit); // raises on anything it cannot read
        check(circuit->circuitname == name && circuit->circuittype == lines[1]);
        check(static_cast<size_t>(circuit->exercisecount) == lines.size() - 4);
        check(circuit->exerciseinterval <= kMaxKeySeconds &&
              circuit->restinterval <= kMaxKeySeconds);
        check(circuit->keys.unknown.empty());

        std::vector<std::string> named;
        for (int i = 0; i < circuit->exercisecount; ++i) {
            const TExercise2& entry = circuit->exercises[static_cast<size_t>(i)];
            check(!entry.name.empty() && entry.keys.unknown.empty() && !entry.keys.reps);
            if (std::find(named.begin(), named.end(), entry.name) == named.end())
                named.push_back(entry.name);
        }
        check(named.size() == bundle.exercises.size());
        for (size_t i = 0; i < named.size(); ++i)
            check(bundle.exercises[i].name == named[i] && bundle.exercises[i].number == 0);

        const CircuitBundle again = readbundle(bundlebytes(bundle), "again.stridewell");
        check(again.circuitLines == lines && again.exercises.size() == bundle.exercises.size());
    }
    return 0;
}
