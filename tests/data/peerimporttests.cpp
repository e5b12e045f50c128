// Other interval timers' exports read into circuits: every sample export as a
// user should get it, foreign and broken files refused, and hostile JSON and
// workouts read without harm.
#include "data/circuitfile.h"
#include "data/ioerror.h"
#include "data/peers/jsonvalue.h"
#include "data/peers/peercircuit.h"
#include "data/peers/peerimport.h"
#include "datahelpers.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
const std::string kType = "Multiple Area Workout";

std::vector<Lines> circuitsOf(const PeerImport& read) {
    std::vector<Lines> circuits;
    for (const CircuitBundle& bundle : read.circuits)
        circuits.push_back(bundle.circuitLines);
    return circuits;
}

FileText refusalOf(std::string_view bytes, const std::string& path) {
    try {
        readpeerexport(bytes, path);
    } catch (const IoError& error) {
        return error.words();
    }
    ADD_FAILURE() << "read: " << bytes.substr(0, 60);
    return {};
}

// The samples come from the folder the environment names, else the one next
// to the source tree; a build without them skips these tests.
class PeerSamples : public ::testing::Test {
protected:
    void SetUp() override {
        const char* named = std::getenv("STRIDEWELL_IMPORT_SAMPLES");
        m_folder = named && *named ? named : STRIDEWELL_IMPORT_SAMPLES_DIR;
        if (!std::filesystem::is_directory(m_folder))
            GTEST_SKIP() << "no import samples at " << m_folder;
    }

    std::string path(const std::string& sample) const { return m_folder + "/" + sample; }

    std::string bytesOf(const std::string& sample) const {
        std::ifstream file(path(sample), std::ios::binary);
        EXPECT_TRUE(file) << sample;
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }

    PeerImport read(const std::string& sample) const {
        return readpeerexport(bytesOf(sample), path(sample));
    }

    std::string m_folder;
};

TEST_F(PeerSamples, jawt_workoutFilesAndBackups_keepRoundsRestsWarmupsAndNames) {
    PeerImport read = this->read("jawt-1.json");
    EXPECT_EQ(read.format, PeerFormat::Jawt);
    EXPECT_EQ(circuitsOf(read), (std::vector<Lines>{{"Workout", kType, "30", "0", "Exercise"}}));
    EXPECT_TRUE(read.notes.empty());

    // The last rest of a set is the rest between rounds; one-round sets of one
    // exercise around it are the warm-up and the cool-down.
    read = this->read("jawt-3.json");
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{{"Full body circuit", kType,
                                   "40 rounds=3 roundrest=60 warmup=60 cooldown=120", "20",
                                   "Push-ups", "Squats", "Plank"},
                                  {"Tabata", kType, "20 rounds=8", "10", "Burpees"},
                                  {"Side plank both sides", kType, "30 rounds=2 roundrest=30", "5",
                                   "Side plank left", "Side plank right"}}));
    EXPECT_TRUE(read.notes.empty());
    const std::vector<TExercise>& records = read.circuits[0].exercises;
    ASSERT_EQ(records.size(), 3u) << "rests are no exercises";
    EXPECT_EQ(records[2].name, "Plank");
    EXPECT_EQ(records[2].extype, kType);
    EXPECT_EQ(records[2].description, "");
    EXPECT_EQ(records[2].online, 0);

    // Rest words of three of the app's languages; names as written.
    read = this->read("jawt-5.json");
    EXPECT_EQ(
        circuitsOf(read),
        (std::vector<Lines>{{"утренняя круговая 💪", kType, "40 rounds=4 roundrest=60 warmup=45",
                             "15", "Übung mit Hantel", "腹筋", "Esercizio à la carte"}}));
}

TEST_F(PeerSamples, jawt_emptyOversizedAndLatin1Workouts_areSaidInNotes) {
    PeerImport read = this->read("jawt-4.json");
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{{"Empty", kType, "30", "15"},
                                  {"Legacy", kType, "30 rounds=2", "15", "Exercise"},
                                  {"Core #1", kType, "45", "0", "Crunches"},
                                  {"Core_1", kType, "45", "0", "Leg raises"}}));
    EXPECT_EQ(read.notes, (std::vector<PeerNote>{
                              {PeerNoteId::ImportedEmpty, {"Empty"}},
                              {PeerNoteId::RefusedTooLong, {"Marathon block", "10800", "3600"}}}));

    // Written a byte a character: read as Latin-1, and said so.
    read = this->read("jawt-6.json");
    ASSERT_EQ(read.circuits.size(), 1u);
    const Lines& lines = read.circuits[0].circuitLines;
    EXPECT_EQ(lines[0], "CB@5==OO -@C3-20O =ª") << "file name signs replaced";
    EXPECT_EQ(lines[2], "40 rounds=4 roundrest=60 warmup=45");
    EXPECT_EQ(lines[4], "Übung mit Hantel");
    EXPECT_EQ(lines.back(), "Esercizio à la carte\trest=15");
    EXPECT_EQ(read.notes,
              (std::vector<PeerNote>{{PeerNoteId::ReadAsLatin1, {path("jawt-6.json")}}}));
}

TEST_F(PeerSamples, foreignAndBrokenFiles_areRefusedNamingTheFile) {
    for (const char* sample : {"jawt-2.json", "jawt-7.json"}) {
        const FileText refusal = refusalOf(bytesOf(sample), path(sample));
        EXPECT_EQ(refusal.id, FileTextId::ImportForeign) << sample;
        EXPECT_EQ(refusal.args, Lines{path(sample)});
        EXPECT_EQ(englishtext(refusal),
                  path(sample) + " is neither a Stridewell circuit nor an export of Just Another "
                                 "Workout Timer, OpenHIIT, Feeel or TimeR Machine");
    }
    for (const char* bytes : {"", "<html></html>", "{}", "[1, 2]", "\"Workout\"", "{\"sets\": []}",
                              "{\"workouts\": {}}", "[{\"name\": \"x\"}]", "{\"timers\": 3}"})
        EXPECT_EQ(refusalOf(bytes, "x.json").id, FileTextId::ImportForeign) << bytes;
}

TEST_F(PeerSamples, openHiit_timersAndLegacyWorkouts_takeTheirOneTimes) {
    PeerImport read = this->read("openhiit-1.json");
    EXPECT_EQ(read.format, PeerFormat::OpenHiit);
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{{"Full body circuit", kType,
                                   "40 rounds=3 roundrest=60 warmup=120 cooldown=120", "20",
                                   "Push-ups", "Squats", "Plank", "Lunges"}}));
    EXPECT_TRUE(read.notes.empty());

    // Extra names passed over, missing ones "Work", a rest between rounds of
    // 0 the rest time; a timer beyond the limits refused by name.
    read = this->read("openhiit-2.json");
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{{"утренняя круговая — 朝のサーキット 💪", kType, "3599", "600",
                                   "Приседания", "腕立て伏せ", "Planche 🧘"},
                                  {"Legacy-migrated", kType, "30 rounds=4", "15", "Burpees",
                                   "Mountain climbers", "Work", "Work", "Work", "Work"}}));
    EXPECT_EQ(read.circuits[1].exercises.size(), 3u) << "each record once";
    EXPECT_EQ(read.notes, (std::vector<PeerNote>{
                              {PeerNoteId::RefusedTooManyRounds, {"Endurance ∞", "1000", "99"}}}));

    read = this->read("openhiit-3.json");
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{{"Tuesday workout", kType,
                                   "45 rounds=3 roundrest=60 warmup=300 cooldown=180", "15",
                                   "Burpee", "Push-ups", "Rows"},
                                  {"Plain timer", kType, "20", "10", "Work", "Work", "Work", "Work",
                                   "Work", "Work", "Work", "Work"}}));
}

TEST_F(PeerSamples, feeel_exerciseIdsAreNamed_ownTimesAndBreaksKept) {
    PeerImport read = this->read("feeel-1.json");
    EXPECT_EQ(read.format, PeerFormat::Feeel);
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{{"Scientific 7 minute workout", kType, "30", "10",
                                   "Jumping Jacks", "Wall Squat", "Push Ups", "Crunches",
                                   "Step-ups", "Squats", "Arnold Shoulder Press", "Plank",
                                   "High knees", "Lunges", "Push-up rotations",
                                   "Side Plank\twork=15", "Side plank right\trest=5 work=15"}}));
    EXPECT_TRUE(read.notes.empty());

    // The first exercise's own break is the lead-in.
    read = this->read("feeel-2.json");
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{{"Morning circuit", kType, "40", "20",
                                   "Jumping Jacks\trest=15 work=60", "Push Ups", "Squats",
                                   "Side Plank\twork=30", "Side plank right\trest=5 work=30",
                                   "Lunges\trest=30", "Child's pose\twork=90"}}));

    read = this->read("feeel-3.json");
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{
                  {"Тренировка «пустая» 🏋️", kType, "3600", "600"}}));
    EXPECT_EQ(read.notes,
              (std::vector<PeerNote>{
                  {PeerNoteId::ImportedEmpty, {"Тренировка «пустая» 🏋️"}}}));

    read = this->read("feeel-4.json");
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{{"From a newer Feeel", kType, "30", "10", "Mountain climbers",
                                   "Feeel exercise 99999\twork=45", "4-count burpees"}}));
    EXPECT_EQ(read.notes,
              (std::vector<PeerNote>{{PeerNoteId::UnknownExercise,
                                      {"From a newer Feeel", "99999", "Feeel exercise 99999"}}}));
}

TEST_F(PeerSamples, timerMachine_stepsGroupsAndAlerts_becomeRoundsAndRests) {
    // Alerts between steps take their time: rests.
    PeerImport read = this->read("timermachine-1.json");
    EXPECT_EQ(read.format, PeerFormat::TimerMachine);
    EXPECT_EQ(circuitsOf(read),
              (std::vector<Lines>{{"Two Stages Timer", kType, "90 rounds=3 warmup=10 cooldown=10",
                                   "5", "High Intensity", "Low Intensity\twork=30"}}));
    EXPECT_TRUE(read.notes.empty());

    // A last step of one round after a group joins the end step as the cool-down.
    read = this->read("timermachine-2.json");
    EXPECT_EQ(
        circuitsOf(read),
        (std::vector<Lines>{{"Exercise Plan", kType, "180 rounds=5", "10", "Run 3 minutes",
                             "Walk 2 minutes\twork=120"},
                            {"Circuit A", kType, "40 rounds=3 roundrest=60 warmup=300 cooldown=130",
                             "20", "Push-ups", "Squats", "Side plank\twork=60"}}));
    EXPECT_TRUE(read.notes.empty());

    read = this->read("timermachine-3.json");
    EXPECT_EQ(circuitsOf(read), (std::vector<Lines>{{"Workout", kType, "30", "15"}}));
    EXPECT_EQ(read.notes,
              (std::vector<PeerNote>{
                  {PeerNoteId::InTrash, {"Ультрамарафон 🏃‍♀️ 長距離"}},
                  {PeerNoteId::ImportedEmpty, {"Workout"}}}));
}

// Whatever a sample gives, the circuit reader takes it back as written.
TEST_F(PeerSamples, everyImportedCircuit_readsBackThroughTheCircuitReader) {
    TempFolder folder;
    const auto library = makeTable({});
    int circuits = 0;
    for (const auto& entry : std::filesystem::directory_iterator(m_folder)) {
        const std::string sample = entry.path().filename().string();
        if (entry.path().extension() != ".json")
            continue;
        PeerImport read;
        try {
            read = this->read(sample);
        } catch (const IoError&) {
            continue;
        }
        for (const CircuitBundle& bundle : read.circuits) {
            std::string bytes;
            for (const std::string& line : bundle.circuitLines)
                bytes += line + "\n";
            folder.writeFile("Circuits/c.cir", bytes);
            const TCircuit2 circuit = readcircuit(folder.path() + "Circuits/c.cir", *library);
            ++circuits;
            EXPECT_EQ(circuit.circuitname, bundle.circuitLines[0]) << sample;
            EXPECT_EQ(circuit.keys.unknown, "") << sample;
            ASSERT_EQ(static_cast<size_t>(circuit.exercisecount), bundle.circuitLines.size() - 4);
            std::vector<std::string> named;
            for (int i = 0; i < circuit.exercisecount; ++i) {
                const TExercise2& own = circuit.exercises[static_cast<size_t>(i)];
                EXPECT_EQ(own.keys.unknown, "") << sample;
                if (std::find(named.begin(), named.end(), own.name) == named.end())
                    named.push_back(own.name);
            }
            std::vector<std::string> recorded;
            for (const TExercise& record : bundle.exercises)
                recorded.push_back(record.name);
            EXPECT_EQ(recorded, named) << sample << ": each record once, in the order first named";
        }
    }
    EXPECT_GE(circuits, 20);
}

// --- The JSON reader ---------------------------------------------------------

TEST(JsonReader, brokenTexts_sayWhatIsWrongAndWhere) {
    struct Case {
        std::string text;
        JsonProblem problem;
        size_t offset;
    };
    const std::vector<Case> cases{
        {"", JsonProblem::Syntax, 0},
        {"  ", JsonProblem::Syntax, 2},
        {"[1,]", JsonProblem::Syntax, 3},
        {"{\"a\" 1}", JsonProblem::Syntax, 5},
        {"{\"a\":1,}", JsonProblem::Syntax, 7},
        {"{1:2}", JsonProblem::Syntax, 1},
        {"01", JsonProblem::Syntax, 1},
        {"1.", JsonProblem::Syntax, 2},
        {"-", JsonProblem::Syntax, 1},
        {"1e+", JsonProblem::Syntax, 3},
        {"+1", JsonProblem::Syntax, 0},
        {"tru", JsonProblem::Syntax, 0},
        {"[1] 2", JsonProblem::Syntax, 4},
        {"\"abc", JsonProblem::Syntax, 4},
        {"\"a\tb\"", JsonProblem::BadString, 2},
        {"\"\\x\"", JsonProblem::BadString, 1},
        {"\"\\u12G4\"", JsonProblem::BadString, 1},
        {"\"\\u12\"", JsonProblem::BadString, 1},
        {"[\"\\", JsonProblem::Syntax, 3},
        {std::string("[\0]", 3), JsonProblem::Syntax, 1},
    };
    for (const Case& c : cases) {
        const JsonRead read = readjson(c.text);
        EXPECT_FALSE(read) << c.text;
        EXPECT_EQ(read.problem, c.problem) << c.text;
        EXPECT_EQ(read.offset, c.offset) << c.text;
    }
}

TEST(JsonReader, nestingBeyondTheLimit_isRefusedWithoutGoingDeeper) {
    const auto nested = [](size_t depth) {
        return std::string(depth, '[') + std::string(depth, ']');
    };
    EXPECT_TRUE(readjson(nested(kJsonDepthLimit)));
    const JsonRead deep = readjson(nested(kJsonDepthLimit + 1));
    EXPECT_EQ(deep.problem, JsonProblem::TooDeep);
    EXPECT_EQ(deep.offset, static_cast<size_t>(kJsonDepthLimit));
    // A million open brackets would end a reader that recursed for each.
    EXPECT_EQ(readjson(std::string(1'000'000, '[')).problem, JsonProblem::TooDeep);
    std::string objects;
    for (int i = 0; i < 100'000; ++i)
        objects += "{\"a\":";
    EXPECT_EQ(readjson(objects).problem, JsonProblem::TooDeep);
}

TEST(JsonReader, values_keepTheirOrderTextsAndNumbers) {
    const JsonRead read = readjson("\xEF\xBB\xBF {\"b\": [1, -0, 3e1, 30.5, 1e19, 1e400, "
                                   "99999999999999999999], \"a\": true, \"b\": null, \"c\": "
                                   "\"\\u00e9\\ud83d\\udcaa\\ud800x\\u0000\\\"\\n\"}");
    ASSERT_TRUE(read);
    const JsonValue root = read.document->root();
    ASSERT_EQ(root.size(), 4u);
    EXPECT_EQ(root.key(0), "b");
    EXPECT_EQ(root.key(3), "c");
    EXPECT_TRUE(root.find("b")->isNull()) << "a key given twice: the last one";
    EXPECT_FALSE(root.find("d"));
    const JsonValue numbers = root.item(0);
    ASSERT_EQ(numbers.size(), 7u);
    EXPECT_EQ(numbers.item(1).text(), "-0");
    EXPECT_EQ(numbers.item(2).integer(), 30);
    EXPECT_EQ(numbers.item(3).integer(), std::nullopt);
    EXPECT_EQ(numbers.item(3).number(), 30.5);
    EXPECT_EQ(numbers.item(4).integer(), std::nullopt) << "beyond 64 bits";
    EXPECT_EQ(numbers.item(5).number(), std::numeric_limits<double>::infinity());
    EXPECT_EQ(numbers.item(6).integer(), std::nullopt);
    EXPECT_EQ(numbers.item(6).text(), "99999999999999999999");
    EXPECT_EQ(root.item(3).text(), std::string("é💪\xEF\xBF\xBDx\0\"\n", 13));
    EXPECT_FALSE(read.document->readLatin1());
}

TEST(JsonReader, bytesThatAreNotUtf8_areReadAsLatin1AndSaidSo) {
    const JsonRead latin = readjson("[\"Caf\xE9\", \"\xC3\xA9t\xE9\", \"ok\"]");
    ASSERT_TRUE(latin);
    EXPECT_TRUE(latin.document->readLatin1());
    EXPECT_EQ(latin.document->root().item(0).text(), "Café");
    EXPECT_EQ(latin.document->root().item(1).text(), "Ã©té") << "a string is one or the other";
    EXPECT_EQ(latin.document->root().item(2).text(), "ok");
    EXPECT_EQ(readjson("[\"\xFF\"] \xFF").problem, JsonProblem::Syntax) << "outside strings";
}

// --- Hostile workouts ----------------------------------------------------------

TEST(PeerImport, hostileWorkouts_areNotedOneByOneWhileTheOthersImport) {
    std::string workouts = "{\"workouts\": [";
    const auto add = [&workouts](const std::string& workout) {
        workouts += (workouts.back() == '[' ? "" : ",") + workout;
    };
    add("{\"title\": 5, \"sets\": []}");
    add("{\"title\": \"Minus\", \"sets\": [{\"repetitions\": 1, \"exercises\": [{\"name\": "
        "\"A\", \"duration\": -1}]}]}");
    add("{\"title\": \"Typed\", \"sets\": [{\"repetitions\": \"1\", \"exercises\": []}]}");
    add("{\"title\": \"Huge\", \"sets\": [{\"repetitions\": 1, \"exercises\": [{\"name\": "
        "\"A\", \"duration\": 1e400}]}]}");
    add("{\"title\": \"Many\", \"sets\": [{\"repetitions\": 100, \"exercises\": [{\"name\": "
        "\"A\", \"duration\": 9}]}]}");
    std::string many = "{\"title\": \"Crowd\", \"sets\": [{\"repetitions\": 1, \"exercises\": [";
    for (int i = 0; i < 101; ++i)
        many += std::string(i == 0 ? "" : ",") + "{\"name\": \"E" + std::to_string(i) +
                "\", \"duration\": 5}";
    add(many + "]}]}");
    add("[]");
    add("{\"title\": null, \"sets\": null}");
    add("{\"title\": \"A/B: <C>?\\r\\n\", \"sets\": [{\"repetitions\": 2, \"exercises\": "
        "[{\"name\": \"\\tSquat\\u0085\", \"duration\": 20}, {\"name\": \"Zero\", \"duration\": "
        "0}, {\"name\": \"ROUND REST\", \"duration\": 40}, {\"name\": \"\", \"duration\": 25}]}]}");
    const PeerImport read = readpeerexport(workouts + "]}", "b.json");

    EXPECT_EQ(circuitsOf(read), (std::vector<Lines>{{"Workout", kType, "30", "0", "Exercise"},
                                                    {"A-B- -C--", kType, "20 rounds=2 roundrest=0",
                                                     "40", "Squat", "Exercise\twork=25"}}));
    const std::string most = std::to_string(std::numeric_limits<uint64_t>::max());
    EXPECT_EQ(read.notes,
              (std::vector<PeerNote>{{PeerNoteId::Unreadable, {"", "1"}},
                                     {PeerNoteId::Unreadable, {"Minus", "2"}},
                                     {PeerNoteId::Unreadable, {"Typed", "3"}},
                                     {PeerNoteId::RefusedTooLong, {"Huge", most, "3600"}},
                                     {PeerNoteId::RefusedTooManyRounds, {"Many", "100", "99"}},
                                     {PeerNoteId::RefusedTooManyExercises, {"Crowd", "101", "100"}},
                                     {PeerNoteId::Unreadable, {"", "7"}},
                                     {PeerNoteId::ZeroLengthLeftOut, {"A-B- -C--", "1"}}}));
    EXPECT_EQ(englishpeernote(read.notes[0]),
              "Workout 1 of the file could not be read and was not imported");
}

TEST(PeerImport, partsOfDifferentRounds_becomeNumberedCircuits) {
    // Warm-up, two parts, cool-down: the rest after the warm-up leads in.
    const PeerImport jawt = readpeerexport(
        "{\"title\": \"Legs\", \"sets\": ["
        "{\"repetitions\": 1, \"exercises\": [{\"name\": \"Jog\", \"duration\": 300},"
        " {\"name\": \"Rest\", \"duration\": 30}]},"
        "{\"repetitions\": 3, \"exercises\": [{\"name\": \"A\", \"duration\": 40},"
        " {\"name\": \"Rest\", \"duration\": 20}, {\"name\": \"B\", \"duration\": 40},"
        " {\"name\": \"Pause\", \"duration\": 60}]},"
        "{\"repetitions\": 2, \"exercises\": [{\"name\": \"C\", \"duration\": 30},"
        " {\"name\": \"Descanso\", \"duration\": 10}]},"
        "{\"repetitions\": 1, \"exercises\": [{\"name\": \"Stretch\", \"duration\": 120}]}]}",
        "w.json");
    EXPECT_EQ(circuitsOf(jawt),
              (std::vector<Lines>{
                  {"Legs 1", kType, "40 rounds=3 roundrest=60 warmup=300", "20", "A\trest=30", "B"},
                  {"Legs 2", kType, "30 rounds=2 cooldown=120", "10", "C"}}));
    EXPECT_EQ(jawt.notes, (std::vector<PeerNote>{{PeerNoteId::SplitIntoCircuits, {"Legs", "2"}}}));

    // A timer played twice over a step and a group: no warm-up, the parts in
    // their order, times in milliseconds rounded half up.
    const PeerImport timers = readpeerexport(
        "{\"timers\": [{\"name\": \"T\", \"loop\": 2, \"steps\": ["
        "{\"label\": \"A\", \"length\": 1500},"
        "{\"step_type\": \"group\", \"loop\": 3, \"steps\": [{\"label\": \"B\", \"length\": 1499},"
        " {\"label\": \"Rest\", \"length\": 1000}]}]}]}",
        "t.json");
    EXPECT_EQ(circuitsOf(timers), (std::vector<Lines>{{"T 1", kType, "2", "0", "A"},
                                                      {"T 2", kType, "1 rounds=3", "1", "B"},
                                                      {"T 3", kType, "2", "0", "A"},
                                                      {"T 4", kType, "1 rounds=3", "1", "B"}}));
    EXPECT_EQ(timers.notes, (std::vector<PeerNote>{{PeerNoteId::SplitIntoCircuits, {"T", "4"}},
                                                   {PeerNoteId::Rounded, {"T"}}}));
}

TEST(PeerImport, hugeCountsAndManyWorkouts_costNoMoreThanTheirBytes) {
    // Neither a trillion work intervals nor groups nested to the JSON limit,
    // each played 99 times, are ever laid out.
    const PeerImport openhiit =
        readpeerexport("[{\"name\": \"Big\", \"activeIntervals\": 1000000000000, \"timeSettings\": "
                       "\"{\\\"workTime\\\": 20, \\\"restarts\\\": 0}\"}]",
                       "o.json");
    EXPECT_EQ(openhiit.notes, (std::vector<PeerNote>{{PeerNoteId::RefusedTooManyExercises,
                                                      {"Big", "1000000000000", "100"}}}));
    std::string nested = "{\"label\": \"A\", \"length\": 1000}";
    for (int depth = 0; depth < 29; ++depth)
        nested = "{\"step_type\": \"group\", \"loop\": 99, \"steps\": [" + nested + "]}";
    const PeerImport deep = readpeerexport(
        "{\"timers\": [{\"name\": \"Deep\", \"steps\": [" + nested + "]}]}", "d.json");
    EXPECT_EQ(deep.notes,
              (std::vector<PeerNote>{
                  {PeerNoteId::RefusedTooManyRounds,
                   {"Deep", std::to_string(std::numeric_limits<uint64_t>::max()), "99"}}}));

    std::string backup = "{\"workouts\": [";
    for (int i = 0; i < 100'000; ++i)
        backup += std::string(i == 0 ? "" : ",") +
                  "{\"title\": \"W\", \"sets\": [{\"repetitions\": 2, \"exercises\": [{\"name\": "
                  "\"A\", \"duration\": 30}]}]}";
    const PeerImport many = readpeerexport(backup + "]}", "m.json");
    EXPECT_EQ(many.circuits.size(), 100'000u);
    EXPECT_TRUE(many.notes.empty());
}

// --- Names and rests ---------------------------------------------------------------

TEST(PeerNames, restWordsInTheAppsLanguages_markRestsInAnyLetterCase) {
    for (const char* rest :
         {"Rest",         "Round rest", "PAUSE",     "rest 2",   "Break!",         "Ruhe",  "Repos",
          "Récupération", "DESCANSO",   "Riposo",    "Pauze",    "Przerwa",        "Отдых", "ОТДЫХ",
          "Перерыв",      "Dinlenme",   "ODPOČINEK", "Ανάπαυση", "休息 « pause »", "«Rest»"})
        EXPECT_TRUE(peers::isrestname(rest)) << rest;
    for (const char* work : {"Wrist curls", "Breakdance", "Restless legs", "Übung", "Push-ups", "",
                             "отдыхающий", "Interest"})
        EXPECT_FALSE(peers::isrestname(work)) << work;
}

TEST(PeerNames, namesFromOutside_becomeOneLineAndFileNames) {
    EXPECT_EQ(peers::circuitname("  Legs\r\nDay\t2 "), "Legs  Day 2");
    EXPECT_EQ(peers::circuitname("a\\b/c<d>e:f\"g|h?i*j"), "a-b-c-d-e-f-g-h-i-j");
    EXPECT_EQ(peers::circuitname("..", "Timer"), "Timer");
    EXPECT_EQ(peers::circuitname("\xEF\xBB\xBF\xC2\x85"), "Workout") << "a mark and a C1 control";
    // Cut on a character's edge: "é" is two bytes.
    const std::string cut = peers::circuitname(std::string(179, 'x') + "é");
    EXPECT_EQ(cut, std::string(179, 'x'));
    EXPECT_EQ(peers::exercisename(std::string(300, 'y')).size(), 200u);
    EXPECT_EQ(peers::exercisename(" \x7F "), "Exercise");

    EXPECT_EQ(peers::secondsofmilliseconds(1500), 2u);
    EXPECT_EQ(peers::secondsofmilliseconds(1499), 1u);
    EXPECT_EQ(peers::secondsofmilliseconds(std::numeric_limits<uint64_t>::max()),
              std::numeric_limits<uint64_t>::max() / 1000 + 1);
}

} // namespace
