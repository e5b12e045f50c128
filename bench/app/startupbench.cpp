// Time from process start to the launcher being shown, and to the main window
// being filled after the start link, with the resident memory of the whole
// process. Run it under Xvfb (xvfb-run) or with QT_QPA_PLATFORM=offscreen.
//
// The start-up probe (app/startupprobe.h) is the program, printing these figures.
#include "data/circuitfile.h"
#include "testsupport/tempfolder.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>

namespace fs = std::filesystem;

namespace {

// A folder holding a copy of the program and the data to start it with.
class ProgramFolder {
public:
    explicit ProgramFolder(int extraCircuits) {
        const fs::path starter = fs::path(STRIDEWELL_SOURCE_DIR) / "starter";
        // The program with its modules, as a build lays them out.
        const fs::path built = fs::path(STRIDEWELL_EXECUTABLE).parent_path();
        fs::copy_file(STRIDEWELL_EXECUTABLE, fs::path(m_folder.path()) / "stridewell-startupprobe");
        for (const auto& entry : fs::directory_iterator(built))
            if (entry.path().filename().string().rfind("libstridewell_", 0) == 0)
                fs::copy_file(entry.path(), fs::path(m_folder.path()) / entry.path().filename());
        fs::copy(built / "translations", fs::path(m_folder.path()) / "translations");
        fs::copy_file(starter / "exercises.lst", fs::path(m_folder.path()) / "exercises.lst");
        for (const auto& entry : fs::directory_iterator(starter / "Circuits"))
            fs::copy_file(entry.path(),
                          fs::path(m_folder.path()) / "Circuits" / entry.path().filename());
        for (int i = 0; i < extraCircuits; ++i) {
            TCircuit2 circuit;
            circuit.circuitname = "Generated " + std::to_string(i);
            circuit.circuittype = "Multiple Area Workout";
            circuit.exerciseinterval = 30;
            circuit.restinterval = 15;
            for (int e = 0; e < 100; ++e)
                circuit.exercises[static_cast<size_t>(e)] = {500, "Push Up", "", 0, {}};
            writecircuit(m_folder.path() + "Circuits/" + circuit.circuitname + ".cir", circuit);
        }
    }

    // language: the desktop's language the program is started in.
    std::map<std::string, double> start(const std::string& language = "en_US") const {
        const std::string environment =
            "LC_ALL= LANG=" + language + ".UTF-8 LANGUAGE=" + language + " ";
        return figuresOf(environment + "SDL_AUDIODRIVER=dummy '" + m_folder.path() +
                         "stridewell-startupprobe'");
    }

    // The same figures of a bare Qt window, the yardstick.
    static std::map<std::string, double> startBareWindow() {
        return figuresOf("'" STRIDEWELL_BARE_WINDOW "'");
    }

private:
    // The process counts from its start time, which the kernel keeps in
    // 10 ms ticks; "launcher_wall_ms" is timed here, from the start of the
    // command to the line that reports the launcher shown.
    static std::map<std::string, double> figuresOf(const std::string& command) {
        std::map<std::string, double> figures;
        const auto started = std::chrono::steady_clock::now();
        FILE* output = ::popen(command.c_str(), "r");
        if (!output)
            return figures;
        char key[64];
        double value = 0;
        while (std::fscanf(output, "%63s %lf", key, &value) == 2) {
            figures[key] = value;
            if (std::string(key) == "launcher_shown_ms")
                figures["launcher_wall_ms"] = std::chrono::duration<double, std::milli>(
                                                  std::chrono::steady_clock::now() - started)
                                                  .count();
        }
        ::pclose(output);
        return figures;
    }

    TempFolder m_folder;
};

// range(0): extra circuits; range(1): 1 starts the program with a German
// desktop, and in turns with an English one.
void startUp(benchmark::State& state) {
    const ProgramFolder folder(static_cast<int>(state.range(0)));
    const std::string language = state.range(1) == 1 ? "de_DE" : "en_US";
    double launcher = 0, filled = 0, rss = 0, launcherRss = 0, speech = 0;
    double bareTotal = 0, launcherTotal = 0, bareRss = 0, translations = 0, englishTotal = 0;
    for (auto _ : state) {
        // In another language English starts in turns too, the yardstick of
        // what the translation costs.
        if (language != "en_US") {
            const auto english = folder.start();
            if (!english.count("launcher_shown_ms")) {
                state.SkipWithError("the program printed no figures");
                return;
            }
            englishTotal += english.at("launcher_wall_ms");
        }
        const auto bare = ProgramFolder::startBareWindow();
        if (!bare.count("launcher_shown_ms")) {
            state.SkipWithError("the bare window printed no figures");
            return;
        }
        bareTotal += bare.at("launcher_wall_ms");
        bareRss = bare.at("launcher_rss_kb") / 1024.0;
        const auto figures = folder.start(language);
        if (!figures.count("launcher_shown_ms")) {
            state.SkipWithError("the program printed no figures");
            return;
        }
        launcher = figures.at("launcher_wall_ms");
        launcherTotal += launcher;
        filled = figures.at("main_filled_ms");
        rss = figures.at("rss_kb") / 1024.0;
        launcherRss = figures.count("launcher_rss_kb") ? figures.at("launcher_rss_kb") / 1024.0 : -1;
        speech = figures.count("speech_library_loaded") ? figures.at("speech_library_loaded") : -1;
        translations = figures.count("translations_loaded") ? figures.at("translations_loaded") : -1;
        state.SetIterationTime(launcher / 1000.0);
    }
    state.counters["launcher_ms"] = launcher;
    state.counters["main_filled_ms"] = filled;
    state.counters["rss_MB"] = rss;
    state.counters["launcher_rss_MB"] = launcherRss;
    state.counters["speech_loaded"] = speech;
    state.counters["translations_loaded"] = translations;
    // Started in turns, so both see the same machine: the launcher's time over
    // the bare window's, averaged over every start.
    state.counters["launcher_over_bare"] = launcherTotal / bareTotal;
    state.counters["bare_window_rss_MB"] = bareRss;
    if (language != "en_US")
        state.counters["over_english"] = launcherTotal / englishTotal;
}

} // namespace

// The manual time is the time to the launcher; the counters show the last run.
BENCHMARK(startUp)
    ->Args({0, 0})
    ->Args({0, 1})
    ->Args({495, 0})
    ->UseManualTime()
    ->Iterations(15)
    ->Repetitions(1)
    ->ReportAggregatesOnly(false)
    ->Unit(benchmark::kMillisecond);
