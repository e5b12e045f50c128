// The words of a check for news: each report of the update as the user reads
// it, and the launcher's update links against the content server, end to end.
#include "appfixture.h"

#include "app/launcher/updatemessages.h"
#include "data/circuitkeys.h"
#include "data/ioerror.h"
#include "net/contentupdate.h"
#include "net/replycheck.h"
#include "net/runningcontentserver.h"
#include "testsupport/testdialogs.h"

#include <QTest>

#include <filesystem>
#include <utility>
#include <vector>

namespace {

TEST(UpdateMessages, eachReport_readsAsTheUserKnowsIt) {
    TestDialogs::takeShown();
    UpdateMessages messages;
    messages.exercisesAdded(2, false);
    messages.exercisesAdded(0, true);
    messages.nothingNew(ContentList::Exercises);
    messages.nothingNew(ContentList::Circuits);
    messages.listFailed(ContentList::Exercises,
                        {TransferFailureKind::NoConnection, "localhost:80"});
    messages.listFailed(ContentList::Circuits, {TransferFailureKind::Refused, "", {ReplyFault::NulBytes, {}}});
    messages.circuitsAdded(3);
    // A name that looks like a placeholder stays as it is.
    messages.circuitFailed("50% Effort %1.cir", {TransferFailureKind::Refused, "", {ReplyFault::Empty, {}}});
    // A Latin-1 name, also in the path of the file that could not be written.
    messages.circuitFailed("Caf\xE9.cir",
                           {TransferFailureKind::NotWritten, "/data/Circuits/Caf\xE9.cir"});
    messages.stepFailed(std::make_exception_ptr(IoError("File not found")));
    messages.stepFailed(std::make_exception_ptr(42));
    EXPECT_EQ(TestDialogs::takeShown(),
              (QStringList{
                  "2 Exercises Added",
                  "0 Exercises Added. The exercise library is full (500 exercises)",
                  "No new exercises available at this time",
                  "No new circuits available at this time",
                  "New exercise file could not be found\nNo connection to localhost:80",
                  "New circuit file was refused: the server's answer holds NUL bytes",
                  "3 Circuits Added",
                  "Circuit 50% Effort %1.cir was refused: the server's answer is empty",
                  QString::fromUtf8("Circuit Caf\u00e9.cir could not be downloaded\n"
                                    "/data/Circuits/Caf\u00e9.cir could not be written"),
                  "File not found",
                  "Unexpected error",
              }));
}

TEST(UpdateMessages, transferFailures_giveTheirReasonInOneLine) {
    const std::vector<std::pair<TransferFailure, QString>> reasons{
        {{TransferFailureKind::None, ""}, ""},
        {{TransferFailureKind::HostNotFound, "content.example"},
         "The server name content.example is unknown"},
        {{TransferFailureKind::Status, "404"}, "The server answered 404"},
        {{TransferFailureKind::NoAnswer, ""}, "The server closed the connection without an answer"},
        {{TransferFailureKind::Unreadable, ""}, "The server's answer could not be read"},
        {{TransferFailureKind::NoLength, ""}, "The server's answer did not give its length"},
        {{TransferFailureKind::CutShort, ""}, "The server's answer was cut short"},
        {{TransferFailureKind::TooLarge, ""}, "The server's answer was too large"},
        {{TransferFailureKind::TimedOut, ""}, "The connection timed out"},
        {{TransferFailureKind::RedirectedAway, ""},
         "The server sent the program to another address"},
        {{TransferFailureKind::TooManyRedirects, ""},
         "The server redirected the program too often"},
        {{TransferFailureKind::Failed, ""}, "The download failed"},
    };
    for (const auto& [failure, text] : reasons)
        EXPECT_EQ(transferfailuretext(failure), text) << static_cast<int>(failure.kind);

    // A refusal reads in English as the check's own reason, a bad key with its line.
    const KeyProblem sides{KeyProblem::Kind::OutOfRange, "sides", 1, 2};
    for (const ReplyRefusal& refusal : std::vector<ReplyRefusal>{
             {ReplyFault::Empty, {}},         {ReplyFault::NulBytes, {}},
             {ReplyFault::WebPage, {}},       {ReplyFault::NoCircuitName, {}},
             {ReplyFault::NoIntervals, {}},   {ReplyFault::NoExercises, {}},
             {ReplyFault::BadKey, keyproblemtext({}, 6, sides)}})
        EXPECT_EQ(transferfailuretext({TransferFailureKind::Refused, "", refusal}),
                  QString::fromStdString("The server's answer " + refusalreason(refusal)));
    EXPECT_EQ(refusalreason({ReplyFault::BadKey, keyproblemtext({}, 6, sides)}),
              "has a bad key on line 6: \"sides\" must be a number from 1 to 2");
}

class UpdateLinks : public AppFixture {
protected:
    // Clicks the link and waits for the message its check ends with.
    QStringList check(TForm1& launcher, const char* link) {
        click(&launcher, link);
        QStringList shown;
        const bool ended = QTest::qWaitFor(
            [&] {
                shown += TestDialogs::takeShown();
                return !shown.isEmpty();
            },
            10000);
        EXPECT_TRUE(ended) << link;
        return shown;
    }
};

TEST_F(UpdateLinks, eachCheck_endsInTheMessageTheUserReads) {
    TempFolder content;
    content.writeFile("newexercises.lst", "Zercher Squat\r\nLower Body\r\nBar in the elbows\r\n"
                                          "Hollow Hold\r\nAbdominal\r\nBack flat\r\n");
    content.writeFile("newcircuits.lst", "Core Blast.cir\r\n");
    content.writeFile("circuits/Core Blast.cir",
                      "Core Blast\r\nAbdominal\r\n30\r\n10\r\nHollow Hold\r\n");
    RunningContentServer server(content.path());
    TForm1 launcher(nullptr, ContentServerAddress{"127.0.0.1", server.port()});
    launcher.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&launcher));

    EXPECT_EQ(check(launcher, "lbl_checkexercises"), QStringList{"2 Exercises Added"});
    EXPECT_EQ(check(launcher, "lbl_checkexercises"),
              QStringList{"No new exercises available at this time"});
    EXPECT_EQ(check(launcher, "lbl_checkcicruits"), QStringList{"1 Circuits Added"});

    content.writeFile("newcircuits.lst", "Gone.cir\r\n");
    EXPECT_EQ(check(launcher, "lbl_checkcicruits"),
              QStringList{"Circuit Gone.cir could not be downloaded\nThe server answered 404"});
    content.writeFile("newcircuits.lst", "<html><title>Sign in</title></html>\r\n");
    EXPECT_EQ(check(launcher, "lbl_checkcicruits"),
              QStringList{"New circuit file was refused: the server's answer is a web page"});
    std::filesystem::remove(content.path() + "newexercises.lst");
    EXPECT_EQ(check(launcher, "lbl_checkexercises"),
              QStringList{"New exercise file could not be found\nThe server answered 404"});
}

} // namespace
