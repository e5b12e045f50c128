#include "data/datafolder.h"
#include "data/ioerror.h"
#include "testsupport/tempfolder.h"

#include <filesystem>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {

// An installed tree: bin/ for the program, share/stridewell/ with the starter data.
struct InstalledTree {
    InstalledTree() {
        root.writeFile("bin/.keep", "");
        root.writeFile("share/stridewell/exercises.lst",
                       "1\r\nPlank\r\nAbdominal\r\nHold\r\n0\r\n");
        root.writeFile("share/stridewell/Circuits/Core.cir",
                       "Core\r\nAbdominal\r\n30\r\n10\r\nPlank\r\n");
        root.writeFile("share/stridewell/Circuits/Legs.cir", "Legs\r\nLower Body\r\n30\r\n10\r\n");
        root.writeFile("share/stridewell/Circuits/notes.txt", "not a circuit");
    }
    std::string bin() const { return root.path() + "bin/"; }
    std::string starter() const { return root.path() + "share/stridewell/"; }
    TempFolder root;
};

TEST(DataFolder, choice_followsTheOptionThenAWritablePortableFolderThenTheUsersDataFolder) {
    TempFolder portable;
    InstalledTree installed;
    const std::string home = "/home/someone";

    // --data-dir wins over everything.
    EXPECT_EQ(choosedatafolder({portable.path(), "/elsewhere", "/xdg", home}), "/elsewhere/");
    EXPECT_EQ(choosedatafolder({portable.path(), "mine/", "/xdg", home}),
              (fs::current_path() / "mine/").string());
    // A portable copy that can write beside itself keeps its data there.
    EXPECT_EQ(choosedatafolder({portable.path(), "", "/xdg", home}), portable.path());
    EXPECT_EQ(installedstarterfolder(portable.path()), "");
    EXPECT_EQ(starterfolder(portable.path()), "");
    portable.writeFile("exercises.lst", "");
    EXPECT_EQ(starterfolder(portable.path()), portable.path());

    // An installed copy never writes beside itself, even when it could.
    EXPECT_EQ(installedstarterfolder(installed.bin()), installed.starter());
    EXPECT_EQ(starterfolder(installed.bin()), installed.starter());
    EXPECT_EQ(choosedatafolder({installed.bin(), "", "/xdg", home}), "/xdg/stridewell/");
    EXPECT_EQ(choosedatafolder({installed.bin(), "", "", home}),
              "/home/someone/.local/share/stridewell/");
    // A relative $XDG_DATA_HOME is not a valid one.
    EXPECT_EQ(choosedatafolder({installed.bin(), "", "xdg", home}),
              "/home/someone/.local/share/stridewell/");

    // A folder the program cannot write to. As the administrator, permission
    // bits stop nothing, so a folder of the kernel's stands in.
    std::string readOnly = portable.path() + "locked/";
    fs::create_directory(readOnly);
    ::chmod(readOnly.c_str(), 0555);
    if (::geteuid() == 0)
        readOnly = "/proc/";
    EXPECT_FALSE(folderwritable(readOnly));
    EXPECT_EQ(choosedatafolder({readOnly, "", "/xdg", home}), "/xdg/stridewell/");
    EXPECT_THROW(choosedatafolder({readOnly, "", "", ""}), IoError);
}

TEST(DataFolder, prepare_seedsANewFolderOnceAndNeverOverAFileThere) {
    InstalledTree installed;
    TempFolder user;

    // A new folder, deep down: made whole, with the starter library and circuits only.
    const std::string fresh = user.path() + "share/stridewell";
    preparedatafolder(fresh, installed.starter());
    EXPECT_EQ(user.readFile("share/stridewell/exercises.lst"),
              installed.root.readFile("share/stridewell/exercises.lst"));
    EXPECT_EQ(user.readFile("share/stridewell/Circuits/Core.cir"),
              installed.root.readFile("share/stridewell/Circuits/Core.cir"));
    EXPECT_TRUE(user.exists("share/stridewell/Circuits/Legs.cir"));
    EXPECT_FALSE(user.exists("share/stridewell/Circuits/notes.txt"));
    size_t entries = 0;
    for (const auto& entry : fs::directory_iterator(user.path() + "share"))
        entries += entry.path().filename() == "stridewell" ? 1 : 100; // no building folder left
    EXPECT_EQ(entries, 1U);

    // Once in use, the folder is never seeded again: a removed starter circuit
    // stays removed and the user's library stays as it is.
    fs::remove(fresh + "/Circuits/Legs.cir");
    user.writeFile("share/stridewell/exercises.lst", "mine");
    preparedatafolder(fresh, installed.starter());
    EXPECT_FALSE(user.exists("share/stridewell/Circuits/Legs.cir"));
    EXPECT_EQ(user.readFile("share/stridewell/exercises.lst"), "mine");

    // An existing folder the program never used (say, one named with
    // --data-dir) is seeded too; other files in it stay.
    TempFolder empty;
    fs::remove(empty.path() + "Circuits");
    empty.writeFile("notes.txt", "the user's");
    preparedatafolder(empty.path(), installed.starter());
    EXPECT_TRUE(empty.exists("exercises.lst"));
    EXPECT_TRUE(empty.exists("Circuits/Core.cir"));
    EXPECT_EQ(empty.readFile("notes.txt"), "the user's");

    // A new folder of a user in another language starts with the starter
    // data in it, where there are such; else with the English ones.
    installed.root.writeFile("share/stridewell/de/exercises.lst", "Liegestütz");
    installed.root.writeFile("share/stridewell/de/Circuits/Beine.cir", "Beine");
    EXPECT_EQ(starterfolderin(installed.starter(), "de"), installed.starter() + "de/");
    EXPECT_EQ(starterfolderin(installed.starter(), "pl"), installed.starter());
    EXPECT_EQ(starterfolderin(installed.starter(), ""), installed.starter());
    EXPECT_EQ(starterfolderin(installed.starter(), "../de"), installed.starter());
    preparedatafolder(user.path() + "german", starterfolderin(installed.starter(), "de"));
    EXPECT_EQ(user.readFile("german/exercises.lst"), "Liegestütz");
    EXPECT_TRUE(user.exists("german/Circuits/Beine.cir"));
    EXPECT_FALSE(user.exists("german/Circuits/Core.cir"));

    // A new folder without starter data still gets its Circuits folder.
    preparedatafolder(user.path() + "bare/", "");
    EXPECT_TRUE(fs::is_directory(user.path() + "bare/Circuits"));
    EXPECT_FALSE(user.exists("bare/exercises.lst"));

    // A folder that cannot be made is an IoError with the runtime's text.
    user.writeFile("plainfile", "x");
    EXPECT_THROW(preparedatafolder(user.path() + "plainfile/stridewell", installed.starter()),
                 IoError);
}

TEST(DataFolder, prepare_removesTheBuildingFolderOfAStartThatWasKilled) {
    InstalledTree installed;
    TempFolder user;
    // The process number of a start that has ended.
    const pid_t ended = ::fork();
    if (ended == 0)
        ::_exit(0);
    ASSERT_GT(ended, 0);
    ::waitpid(ended, nullptr, 0);
    const std::string abandoned = ".stridewell-" + std::to_string(ended);
    user.writeFile(abandoned + "/Circuits/Core.cir", "half");
    user.writeFile(".stridewell-1/kept", "a copy still starting"); // process 1 is alive
    user.writeFile(".stridewell-notes/kept", "not the program's name");

    preparedatafolder(user.path() + "stridewell", installed.starter());
    EXPECT_TRUE(user.exists("stridewell/Circuits/Core.cir"));
    EXPECT_FALSE(user.exists(abandoned));
    EXPECT_TRUE(user.exists(".stridewell-1/kept"));
    EXPECT_TRUE(user.exists(".stridewell-notes/kept"));
}

} // namespace
