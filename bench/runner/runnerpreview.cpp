// Shows the runner frame as a window with a sample circuit, so it can be looked
// at (and screenshot) as a user sees it.
//   runner_preview [--rest S] [--ticks N] [--skip N] [--bigclock 1] [--hold MS] [--grab FILE.png]
// --rest sets the circuit's rest interval in seconds (default 15);
// --ticks N starts the run and counts N ticks at once; --skip N then skips N
// intervals forward; --bigclock 1 opens the big clock; --hold keeps the window
// up that long (default 3000 ms); --grab also saves the frame as a picture.
#include "app/mainwindow/runnerassembly.h"
#include "data/exercises.h"
#include "runner/circuitstartframe.h"
#include "testsupport/tempfolder.h"

#include <QApplication>
#include <QPixmap>
#include <QTimer>

#include <cstring>
#include <string>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    int ticks = -1;
    int holdMs = 3000;
    int skips = 0;
    bool bigClock = false;
    std::string rest = "15";
    QString grabFile;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--ticks") == 0)
            ticks = std::stoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--hold") == 0)
            holdMs = std::stoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--skip") == 0)
            skips = std::stoi(argv[i + 1]);
        else if (std::strcmp(argv[i], "--bigclock") == 0)
            bigClock = std::strcmp(argv[i + 1], "0") != 0;
        else if (std::strcmp(argv[i], "--rest") == 0)
            rest = argv[i + 1];
        else if (std::strcmp(argv[i], "--grab") == 0)
            grabFile = QString::fromLocal8Bit(argv[i + 1]);
    }

    TempFolder folder;
    folder.makeApplicationFolder();
    const char* names[] = {"Push Up", "Squat Jump",       "Plank",  "Walking Lunge",
                           "Burpee",  "Mountain Climber", "Crunch", "Tricep Dip"};
    ExerciseTable& table = exercisetable();
    std::string circuit = "Morning Circuit\r\nMultiple Area Workout\r\n45\r\n" + rest + "\r\n";
    for (int i = 0; i < 8; ++i) {
        table[i] = TExercise{static_cast<uint32_t>(i + 1), names[i], "Upper Body",
                             std::string("Keep the back straight during the ") + names[i],
                             static_cast<uint8_t>(i % 2 == 0)};
        circuit += std::string(names[i]) + "\r\n";
    }
    table.librarysize = 8;
    folder.writeFile("Circuits/morning.cir", circuit);

    Tframe_ExerciseStart frame;
    auto* runner = new RunnerAssembly(frame, folder.path());
    frame.setWindowTitle(QStringLiteral("Stridewell"));
    frame.intialisecircuit(folder.path() + "Circuits/morning.cir");
    frame.bringStartToFront();
    if (ticks >= 0) {
        frame.btn_startClick();
        for (int i = 0; i < ticks; ++i)
            frame.exercisetimerTimer();
        for (int i = 0; i < skips; ++i)
            frame.run().skipForward();
    }
    frame.move(0, 0);
    frame.show();
    if (bigClock)
        runner->toggleBigClock();
    if (!grabFile.isEmpty())
        QTimer::singleShot(200, &frame, [&] { frame.grab().save(grabFile); });
    QTimer::singleShot(holdMs, &app, &QApplication::quit);
    return app.exec();
}
