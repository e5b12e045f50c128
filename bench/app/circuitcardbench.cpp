// The printed circuit card: a circuit of 100 exercises, each with a long
// description, read and written as a PDF of one page, as `--print` does it.
// Runs headless (QT_QPA_PLATFORM=offscreen is set when nothing else is).
#include "app/print/cardprinting.h"
#include "testsupport/tempfolder.h"

#include <QGuiApplication>

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

namespace {

const std::string kDescription =
    "Stand with feet shoulder-width apart, push your hips back and bend your knees as if "
    "sitting into a chair, keeping your chest up and your weight on your heels; pause at the "
    "bottom, then drive through your heels to stand tall again.";

void BM_HundredExerciseCardToPdf(benchmark::State& state) {
    TempFolder folder;
    std::string library;
    std::string circuit = "Hundred\r\nMultiple Area Workout\r\n40 rounds=3 warmup=120\r\n20\r\n";
    for (int number = 1; number <= 100; ++number) {
        const std::string name = "Exercise " + std::to_string(number);
        library += std::to_string(1000 + number) + "\r\n" + name + "\r\nLower Body\r\n" +
                   kDescription + "\r\n1\r\n";
        circuit += name + (number % 3 == 0 ? "\treps=12 sides=2\r\n" : "\r\n");
    }
    folder.writeFile("exercises.lst", library);
    folder.writeFile("Circuits/Hundred.cir", circuit);
    auto table = std::make_unique<ExerciseTable>();
    loadexercises(*table, folder.path() + "exercises.lst");

    for (auto _ : state) {
        const CardPrintResult result =
            writecircuitcardpdf(folder.path() + "Circuits/Hundred.cir",
                                folder.path() + "Hundred.pdf", CardPage::A4, *table);
        if (result != CardPrintResult::Done) {
            state.SkipWithError("the card was not written");
            return;
        }
    }
}
BENCHMARK(BM_HundredExerciseCardToPdf)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (qgetenv("QT_QPA_PLATFORM").isEmpty())
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    ::benchmark::Initialize(&argc, argv);
    ::benchmark::RunSpecifiedBenchmarks();
    ::benchmark::Shutdown();
    return 0;
}
