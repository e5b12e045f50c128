// The cost of one keystroke in the exercise description field with a full
// library of 500 exercises: the change, the refresh and the save of the whole
// file. Run with QT_QPA_PLATFORM=offscreen where there is no display.

#include "data/apppaths.h"
#include "data/exercises.h"
#include "editors/exerciseeditcontroller.h"
#include "editors/exerciseframe.h"
#include "testsupport/tempfolder.h"

#include <QApplication>
#include <QPlainTextEdit>
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

namespace {

std::string fullLibrary() {
    std::string bytes;
    for (int i = 0; i < kLibraryCapacity; ++i)
        bytes += std::to_string(i + 1) + "\r\nExercise " + std::to_string(i) +
                 "\r\nAbdominal\r\nA description of exercise " + std::to_string(i) +
                 ", long enough to be typical of the library\r\n0\r\n";
    return bytes;
}

// A fresh application folder holding a full library, removed at the end.
class BenchFolder final {
public:
    // Synced: on the disk; else in memory, where a sync costs nothing.
    explicit BenchFolder(bool synced) {
        std::string pattern = ((synced ? std::filesystem::temp_directory_path()
                                       : std::filesystem::path(memoryfolder())) /
                               "stridewell-bench-XXXXXX")
                                  .string();
        if (!mkdtemp(pattern.data()))
            std::abort();
        m_path = pattern;
        setapplicationfolder(m_path);
        std::FILE* file = std::fopen(exerciselibrarypath().c_str(), "wb");
        const std::string bytes = fullLibrary();
        std::fwrite(bytes.data(), 1, bytes.size(), file);
        std::fclose(file);
    }
    ~BenchFolder() { std::filesystem::remove_all(m_path); }
    BenchFolder(const BenchFolder&) = delete;
    BenchFolder& operator=(const BenchFolder&) = delete;

private:
    std::string m_path;
};

// Types one character, then takes it back: every iteration is one keystroke.
void typeOrErase(QPlainTextEdit* memo, bool erase) {
    QTextCursor cursor = memo->textCursor();
    cursor.movePosition(QTextCursor::End);
    if (erase)
        cursor.deletePreviousChar();
    else
        cursor.insertText(QStringLiteral("x"));
}

void frameKeystroke(benchmark::State& state, bool sync) {
    BenchFolder folder(sync);
    Tfrm_ExerciseFrame frame;
    frame.loadexercises();
    frame.show();
    auto* memo = frame.findChild<QPlainTextEdit*>(QStringLiteral("mmo_exdescription"));
    bool erase = false;
    for (auto _ : state) {
        typeOrErase(memo, erase);
        erase = !erase;
    }
}

void BM_FrameKeystroke(benchmark::State& state) {
    frameKeystroke(state, true);
}
void BM_FrameKeystrokeNoSync(benchmark::State& state) {
    frameKeystroke(state, false);
}

// The rules alone, behind a screen that does nothing, and without the sync.
class SilentView final : public ExerciseEditView {
public:
    std::string description;
    void setCell(int, int, const std::string&) override {}
    int rowCount() const override { return 500; }
    void setRowCount(int) override {}
    int currentRow() const override { return 0; }
    void setCurrentRow(int) override {}
    bool setNameText(const std::string&) override { return false; }
    std::string nameText() const override { return {}; }
    void setTypeText(const std::string&) override {}
    bool setDescriptionText(const std::string& text) override {
        const bool changed = text != description;
        description = text;
        return changed;
    }
    std::string descriptionText() const override { return description; }
    void showToolPicture(ExerciseTool, bool) override {}
    std::string storedWord(StoredWord) const override { return "New Exercise"; }
    void showMessage(const EditorText&) override {}
    bool askRenameInCircuits(const EditorText&) override { return false; }
    void reportLibraryChange() override {}
};

void BM_ControllerKeystrokeNoSync(benchmark::State& state) {
    BenchFolder folder(false);
    SilentView view;
    auto table = std::make_unique<ExerciseTable>();
    ExerciseEditController controller(view, *table);
    controller.loadexercises();
    const std::string base = view.description;
    bool erase = false;
    for (auto _ : state) {
        view.description = erase ? base : base + "x";
        controller.mmo_exdescriptionChange();
        erase = !erase;
    }
}

} // namespace

BENCHMARK(BM_FrameKeystroke)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_FrameKeystrokeNoSync)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);
BENCHMARK(BM_ControllerKeystrokeNoSync)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
