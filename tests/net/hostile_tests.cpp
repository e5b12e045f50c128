// Broken and hostile servers against the update: every bad answer ends as a
// reported failure, nothing outside the Circuits folder is written and the
// library file is never lost.
#include "updatefixture.h"

#include <gtest/gtest.h>

#include <iostream>

namespace {

struct BadAnswer {
    const char* kind;
    const char* failure; // the failure reported, kind and detail
    RawHttpServer::Script script;
};

RawHttpServer::Script sends(std::string bytes) {
    return [bytes](RawConnection& c, const std::atomic<bool>&) { c.send(bytes); };
}

std::vector<BadAnswer> badAnswers() {
    const std::string ok = "HTTP/1.0 200 OK\r\n";
    std::vector<BadAnswer> answers{
        {"404 page with a length", "Status 404",
         sends("HTTP/1.0 404 Not Found\r\nContent-Length: 9\r\n\r\nnot found")},
        {"500 page without a length", "Status 500",
         sends("HTTP/1.0 500 Oops\r\n\r\nName\r\nType\r\nText\r\n")},
        {"304 without a body", "Status 304", sends("HTTP/1.0 304 Not Modified\r\n\r\n")},
        {"interim answer only", "NoAnswer", sends("HTTP/1.1 100 Continue\r\n\r\n")},
        {"length that is no number", "Unreadable",
         sends(ok + "Content-Length: ten\r\n\r\n0123456789")},
        {"negative length", "Unreadable", sends(ok + "Content-Length: -5\r\n\r\nabcde")},
        {"length beyond 32 bits", "TooLarge", sends(ok + "Content-Length: 99999999999\r\n\r\nabc")},
        {"body shorter than its length", "CutShort",
         sends(ok + "Content-Length: 5000\r\n\r\n" + std::string(100, 'x'))},
        {"body without a length", "NoLength", sends(ok + "\r\nName\r\nType\r\nText\r\n")},
        {"garbage instead of a status line", "Unreadable", sends("SURPRISE\r\n\r\nName\r\n")},
        {"closed without an answer", "NoAnswer", sends("")},
        {"head that never ends", "TooLarge",
         [](RawConnection& c, const std::atomic<bool>& stopping) {
             c.send("HTTP/1.0 200 OK\r\n");
             for (int i = 0; i < 20000 && !stopping; ++i) {
                 if (!c.send("X-Filler: 0123456789012345678901234567890123456789\r\n"))
                     return;
             }
         }},
        {"silence after the connection", "TimedOut",
         [](RawConnection& c, const std::atomic<bool>& stopping) { c.pause(5000, stopping); }},
        {"one byte at a time", "TimedOut",
         [ok](RawConnection& c, const std::atomic<bool>& stopping) {
             // Within the size cap, so only its pace fails it.
             c.send(ok + "Content-Length: 1000\r\n\r\n");
             for (int i = 0; i < 1000 && !stopping && c.send("x"); ++i)
                 c.pause(40, stopping);
         }},
        {"length over the size cap", "TooLarge", sends(ok + "Content-Length: 50000000\r\n\r\nabc")},
        {"endless body without a length", "TooLarge",
         [ok](RawConnection& c, const std::atomic<bool>& stopping) {
             c.send(ok + "\r\n");
             const std::string block(4096, 'z');
             while (!stopping && c.send(block)) {
             }
         }},
        {"redirect to ftp", "RedirectedAway",
         sends("HTTP/1.0 302 Found\r\nLocation: ftp://127.0.0.1/x\r\nContent-Length: 0\r\n\r\n")},
        {"redirect to a local file", "RedirectedAway",
         sends("HTTP/1.0 302 Found\r\nLocation: file:///etc/passwd\r\nContent-Length: 0\r\n\r\n")},
        {"endless redirects", "TooManyRedirects",
         sends("HTTP/1.0 302 Found\r\nLocation: /again\r\nContent-Length: 0\r\n\r\n")},
    };
    return answers;
}

class HostileServerTest : public ::testing::Test, public UpdateFixture {
protected:
    HostileServerTest() {
        app().writeFile("exercises.lst", record(4, "Plank", "Abdominal", "Hold still") +
                                             record(9, "Squats", "Lower Body", "Sit back"));
        app().writeFile("Circuits/Mine.cir", "Mine\r\nAbdominal\r\n30\r\n10\r\nPlank\r\n");
        app().writeFile("newexercises.lst", "last time's exercise list\r\n");
        app().writeFile("newcircuits.lst", "last time's circuit list\r\n");
    }
};

TEST_F(HostileServerTest, everyBadAnswer_endsInAFailureReportAndChangesNoFile) {
    const auto before = folderSnapshot(app().path());
    int tried = 0;
    for (BadAnswer& answer : badAnswers()) {
        RawHttpServer server(answer.script);
        auto update = makeUpdate(server.port());

        update->lbl_checkexercisesClick();
        ASSERT_TRUE(settle(*update)) << answer.kind;
        EXPECT_EQ(reports(), Reports{"listFailed exercises " + std::string(answer.failure)})
            << answer.kind;

        update->lbl_checkcicruitsClick();
        ASSERT_TRUE(settle(*update)) << answer.kind;
        EXPECT_EQ(reports(), Reports{"listFailed circuits " + std::string(answer.failure)})
            << answer.kind;

        EXPECT_EQ(folderSnapshot(app().path()), before) << answer.kind;
        tried += 2;
    }
    std::cout << "[ figures  ] " << tried << " bad list answers of " << badAnswers().size()
              << " kinds: every one reported as a failure, no file changed\n";
}

TEST_F(HostileServerTest, badCircuitAnswers_endTheChainAndWriteOnlyTheList) {
    int tried = 0;
    for (BadAnswer& answer : badAnswers()) {
        auto before = folderSnapshot(app().path());
        // A good list naming one new circuit; the circuit itself answers badly.
        RawHttpServer server([&answer](RawConnection& c, const std::atomic<bool>& stopping) {
            if (c.request().rfind("GET /kinoradex/newcircuits.lst ", 0) == 0)
                c.send("HTTP/1.0 200 OK\r\nContent-Length: 9\r\n\r\nNew.cir\r\n");
            else
                answer.script(c, stopping);
        });
        auto update = makeUpdate(server.port());
        update->lbl_checkcicruitsClick();
        ASSERT_TRUE(settle(*update)) << answer.kind;
        EXPECT_EQ(reports(), Reports{"circuitFailed New.cir " + std::string(answer.failure)})
            << answer.kind;

        auto after = folderSnapshot(app().path());
        EXPECT_EQ(after["newcircuits.lst"], "New.cir\r\n");
        after.erase("newcircuits.lst");
        before.erase("newcircuits.lst");
        EXPECT_EQ(after, before) << answer.kind;
        ++tried;
    }
    std::cout << "[ figures  ] " << tried << " bad circuit answers of " << badAnswers().size()
              << " kinds: every chain ended with a report, nothing but the list written\n";
}

// Whatever answers at the content host is judged before anything is written
// or merged: a redirect elsewhere is not followed, and a page, binary bytes,
// an empty circuit or a circuit without exercises are refused, with the reason.
TEST_F(HostileServerTest, repliesThatAreNotTheFile_areRefusedAndNothingIsWritten) {
    const auto answer = [](const std::string& type, const std::string& body) {
        return "HTTP/1.0 200 OK\r\nContent-Type: " + type +
               "\r\nContent-Length: " + std::to_string(body.size()) + "\r\n\r\n" + body;
    };
    const std::string portal = "<!DOCTYPE html>\n<html><head><title>Sign in</title></head>"
                               "<body>Wi-Fi</body></html>\n";
    // The same page served as plain text gives itself away by its first tag.
    const std::string plainPortal = "\r\n  <html>\n<title>Hotel</title>\n</html>\n";
    const std::string binary = std::string("Plank\r\nAbdominal\r\nHold\0still\r\n", 30);
    struct Case {
        const char* kind;
        std::string exercises; // the answer to the exercise list, and its report
        std::string exercisesReport;
        std::string circuit; // the answer to one circuit, and its report
        std::string circuitReport;
    };
    const std::string refusedList = "listFailed exercises Refused ";
    const std::string refusedCircuit = "circuitFailed New.cir Refused ";
    const std::vector<Case> cases{
        {"portal page", answer("text/html; charset=utf-8", portal), refusedList + "is a web page",
         answer("text/html", portal), refusedCircuit + "is a web page"},
        {"portal page as text", answer("text/plain", plainPortal), refusedList + "is a web page",
         answer("text/plain", plainPortal), refusedCircuit + "is a web page"},
        {"NUL bytes", answer("text/plain", binary), refusedList + "holds NUL bytes",
         answer("application/octet-stream",
                std::string("New\r\nCore\r\n30\r\n10\r\nPl\0ank\r\n", 27)),
         refusedCircuit + "holds NUL bytes"},
        {"empty", answer("text/plain", ""), "nothingNew exercises", answer("text/plain", ""),
         refusedCircuit + "is empty"},
        {"circuit without exercises", answer("text/plain", ""), "nothingNew exercises",
         answer("text/plain", "New\r\nCore\r\n30\r\n10\r\n\r\n"),
         refusedCircuit + "has no exercises"},
        {"circuit without a name", answer("text/plain", ""), "nothingNew exercises",
         answer("text/plain", "\r\nCore\r\n30\r\n10\r\nPlank\r\n"),
         refusedCircuit + "has no circuit name"},
        {"circuit with a bad key", answer("text/plain", ""), "nothingNew exercises",
         answer("text/plain", "New\r\nCore\r\n30 rounds=2\r\n10\r\nPlank\r\nSquat\tsides=3\r\n"),
         refusedCircuit + "has a bad key on line 6: \"sides\" must be a number from 1 to 2"},
    };
    for (const Case& c : cases) {
        auto before = folderSnapshot(app().path());
        RawHttpServer server([&c](RawConnection& connection, const std::atomic<bool>&) {
            const std::string& request = connection.request();
            if (request.rfind("GET /kinoradex/newexercises.lst ", 0) == 0)
                connection.send(c.exercises);
            else if (request.rfind("GET /kinoradex/newcircuits.lst ", 0) == 0)
                connection.send("HTTP/1.0 200 OK\r\nContent-Length: 9\r\n\r\nNew.cir\r\n");
            else
                connection.send(c.circuit);
        });
        auto update = makeUpdate(server.port());
        update->lbl_checkexercisesClick();
        ASSERT_TRUE(settle(*update)) << c.kind;
        EXPECT_EQ(reports(), Reports{c.exercisesReport}) << c.kind;
        EXPECT_EQ(folderSnapshot(app().path()), before) << c.kind;

        update->lbl_checkcicruitsClick();
        ASSERT_TRUE(settle(*update)) << c.kind;
        EXPECT_EQ(reports(), Reports{c.circuitReport}) << c.kind;
        auto after = folderSnapshot(app().path());
        after.erase("newcircuits.lst");
        before.erase("newcircuits.lst");
        EXPECT_EQ(after, before) << c.kind;
    }

    // A redirect to another port of the same host reaches nobody there.
    RawHttpServer elsewhere(sends("HTTP/1.0 200 OK\r\nContent-Length: 24\r\n\r\n"
                                  "Sneaky\r\nAbdominal\r\nHold\r\n"));
    const std::string location =
        "Location: http://127.0.0.1:" + std::to_string(elsewhere.port()) + "/list\r\n";
    RawHttpServer redirecting(
        sends("HTTP/1.0 302 Found\r\n" + location + "Content-Length: 0\r\n\r\n"));
    const auto before = folderSnapshot(app().path());
    auto update = makeUpdate(redirecting.port());
    update->lbl_checkexercisesClick();
    ASSERT_TRUE(settle(*update));
    EXPECT_EQ(reports(), Reports{"listFailed exercises RedirectedAway"});
    EXPECT_EQ(elsewhere.connections(), 0);
    EXPECT_EQ(redirecting.connections(), 1);
    EXPECT_EQ(folderSnapshot(app().path()), before);

    // A redirect on the same host is followed, past the page nginx sends with it.
    const std::string page = "<html>\r\n<head><title>301 Moved Permanently</title></head>\r\n"
                             "<body>\r\n<center><h1>301 Moved Permanently</h1></center>\r\n"
                             "<hr><center>nginx</center>\r\n</body>\r\n</html>\r\n";
    RawHttpServer moved([&](RawConnection& connection, const std::atomic<bool>&) {
        if (connection.request().rfind("GET /kinoradex/newexercises.lst ", 0) == 0)
            connection.send("HTTP/1.1 301 Moved Permanently\r\nContent-Type: text/html\r\n"
                            "Content-Length: " +
                            std::to_string(page.size()) +
                            "\r\nLocation: /kinoradex/v2/newexercises.lst\r\n"
                            "Connection: close\r\n\r\n" +
                            page);
        else
            connection.send(answer("text/plain", "Lunges\r\nLower Body\r\nStep forward\r\n"));
    });
    update = makeUpdate(moved.port());
    update->lbl_checkexercisesClick();
    ASSERT_TRUE(settle(*update));
    EXPECT_EQ(reports(), Reports{"exercisesAdded 1"});
    EXPECT_EQ(moved.connections(), 2);

    // A circuit with old Mac line ends reads as a circuit, so it is taken.
    const std::string macCircuit = "New\rCore\r30\r10\rPlank\r";
    RawHttpServer mac([&](RawConnection& connection, const std::atomic<bool>&) {
        if (connection.request().rfind("GET /kinoradex/newcircuits.lst ", 0) == 0)
            connection.send("HTTP/1.0 200 OK\r\nContent-Length: 9\r\n\r\nNew.cir\r\n");
        else
            connection.send(answer("text/plain", macCircuit));
    });
    update = makeUpdate(mac.port());
    update->lbl_checkcicruitsClick();
    ASSERT_TRUE(settle(*update));
    EXPECT_EQ(reports(), Reports{"circuitsAdded 1"});
    EXPECT_EQ(folderSnapshot(app().path())["Circuits/New.cir"], macCircuit);
}

} // namespace
