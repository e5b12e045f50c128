// Shows the circuit editor or the circuit information panel at the size they
// have in the main window, filled with a sample circuit in a temporary folder,
// for looking at the layout: circuitframes_preview edit|info [seconds]
#include "apppaths.h"
#include "circuitedit.h"
#include "circuitinfoform.h"
#include "exercises.h"

#include <QApplication>
#include <QListWidget>
#include <QTimer>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace {
void fillLibrary() {
    ExerciseTable& table = exercisetable();
    const char* rows[][4] = {
        {"Push Up", "Upper Body", "Hands under the shoulders, body straight, chest to the floor.",
         "1"},
        {"Tricep Dip", "Upper Body", "Hands on a bench behind you, lower and press.", "0"},
        {"Crunch", "Abdominal", "Curl the shoulders off the floor.", "1"},
        {"Squat", "Lower Body", "Feet shoulder wide, sit back and stand.", "1"},
        {"Burpee", "Multiple Area Workout", "Squat, kick back, push up, jump.", "1"},
        {"Shoulder Press", "Upper Body", "Press both arms overhead.", "0"},
    };
    for (const auto& row : rows) {
        TExercise& slot = table[table.librarysize];
        slot = TExercise{static_cast<uint32_t>(100 + table.librarysize), row[0], row[1], row[2],
                         static_cast<uint8_t>(row[3][0] - '0')};
        ++table.librarysize;
    }
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const std::string which = argc > 1 ? argv[1] : "edit";
    const int seconds = argc > 2 ? std::atoi(argv[2]) : 5;

    const auto folder = std::filesystem::temp_directory_path() / "stridewell-preview";
    std::filesystem::create_directories(folder / "Circuits");
    setapplicationfolder(folder.string());
    fillLibrary();
    const std::string path = circuitsfolder() + "Arm Blaster.cir";
    std::ofstream(path, std::ios::binary | std::ios::trunc)
        << "Arm Blaster\r\nUpper Body\r\n30\r\n15\r\nPush Up\r\nTricep Dip\r\nShoulder Press\r\n";

    QWidget window;
    window.setFixedSize(575, 335);
    window.move(0, 0);
    if (which == "info") {
        auto* info = new Tfrm_CircuitInfo(&window);
        info->showcircuitinfo(path);
        auto* list = info->findChild<QListWidget*>(QStringLiteral("lst_exercises"));
        list->setCurrentRow(0);
    } else {
        auto* edit = new Tfrm_CircuitEdit(&window);
        edit->modifycircuit(path);
    }
    window.show();
    QTimer::singleShot(seconds * 1000, &app, &QApplication::quit);
    const int result = app.exec();
    std::filesystem::remove_all(folder);
    return result;
}
