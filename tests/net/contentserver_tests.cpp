// The content server: what it serves and what it refuses.
#include "contentserver/contentpages.h"
#include "runningcontentserver.h"
#include "testservers.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <cstdlib>
#include <filesystem>

namespace {

class ContentServerTest : public ::testing::Test {
protected:
    ContentServerTest() {
        content.writeFile("newexercises.lst", "Plank\r\nAbdominal\r\nHold <steady> & breathe\r\n"
                                              "Wall Sit\r\nLower Body\r\nBack to the \"wall\"\r\n");
        content.writeFile("newcircuits.lst", "Core.cir\r\n");
        content.writeFile("circuits/Core.cir", "Core\r\nAbdominal\r\n30\r\n10\r\nPlank\r\n");
        content.writeFile("circuits/Leg Day.cir", "Leg Day\r\nLower Body\r\n30\r\n10\r\n");
        outside.writeFile("secret.txt", "not for the network");
    }

    httplib::Result get(const std::string& path) {
        httplib::Client client("127.0.0.1", server.port());
        return client.Get(path.c_str());
    }

    TempFolder content;
    TempFolder outside;
    RunningContentServer server{content.path()};
};

TEST_F(ContentServerTest, listsAndCircuits_areServedByteForByteWithALength) {
    const auto list = get("/kinoradex/newexercises.lst");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->status, 200);
    EXPECT_EQ(list->body, content.readFile("newexercises.lst"));
    EXPECT_EQ(list->get_header_value("Content-Length"), std::to_string(list->body.size()));

    const auto circuit = get("/kinoradex/circuits/Leg%20Day.cir");
    ASSERT_TRUE(circuit);
    EXPECT_EQ(circuit->status, 200);
    EXPECT_EQ(circuit->body, content.readFile("circuits/Leg Day.cir"));
}

TEST_F(ContentServerTest, pathsOutsideTheFolder_areRefused) {
    std::filesystem::create_symlink(outside.path() + "secret.txt",
                                    content.path() + "circuits/link.cir");
    for (const std::string path :
         {"/kinoradex/circuits/../newexercises.lst", "/kinoradex/circuits/..%2Fnewexercises.lst",
          "/kinoradex/circuits/%2E%2E", "/kinoradex/circuits/", "/kinoradex/circuits/link.cir",
          "/kinoradex/circuits/sub%2Fx.cir", "/kinoradex/missing.cir", "/etc/passwd",
          "/kinoradex/newcircuits.lst/../../x", "/kinoradex/newexercisesXlst",
          "/kinoradex/newcircuits.lst%00.txt", "/kinoradex/circuits/Core.cir%00"}) {
        const auto result = get(path);
        ASSERT_TRUE(result) << path;
        EXPECT_EQ(result->status, 404) << path;
        EXPECT_EQ(result->body.find("not for the network"), std::string::npos) << path;
    }
}

TEST_F(ContentServerTest, missingList_isNotFound) {
    std::filesystem::remove(content.path() + "newcircuits.lst");
    const auto result = get("/kinoradex/newcircuits.lst");
    ASSERT_TRUE(result);
    EXPECT_EQ(result->status, 404);
}

TEST_F(ContentServerTest, encyclopediaPages_showTheListedExercisesEscaped) {
    const auto index = get("/kinoradex/index.php");
    ASSERT_TRUE(index);
    EXPECT_EQ(index->status, 200);
    EXPECT_NE(index->body.find("index.php?show=Wall%20Sit"), std::string::npos);
    EXPECT_NE(index->body.find(">Plank</a>"), std::string::npos);

    const auto page = get("/kinoradex/index.php?show=Plank");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("<h1>Plank</h1>"), std::string::npos);
    EXPECT_NE(page->body.find("Abdominal"), std::string::npos);
    EXPECT_NE(page->body.find("Hold &lt;steady&gt; &amp; breathe"), std::string::npos);
    EXPECT_EQ(page->body.find("<steady>"), std::string::npos);

    const auto unknown = get("/kinoradex/index.php?show=%3Cscript%3E");
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->status, 404);
    EXPECT_EQ(unknown->body.find("<script>"), std::string::npos);
    EXPECT_NE(unknown->body.find("&lt;script&gt;"), std::string::npos);
}

// Requests as they arrive on the wire, including what a client library
// would never send.
TEST_F(ContentServerTest, rawRequests_absoluteFormIsServedAndMalformedOnesGet400) {
    const auto statusOf = [](const std::string& answer) {
        return answer.rfind("HTTP/1.1 ", 0) == 0 ? std::atoi(answer.c_str() + 9) : 0;
    };
    const auto bodyOf = [](const std::string& answer) {
        const size_t end = answer.find("\r\n\r\n");
        return end == std::string::npos ? std::string() : answer.substr(end + 4);
    };
    const std::string list = content.readFile("newexercises.lst");
    // The absolute form, as sent to a proxy, is served like the origin form;
    // the program's own HTTP/1.0 requests name no host.
    for (const std::string request :
         {"GET http://127.0.0.1/kinoradex/newexercises.lst HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n",
          "GET HTTP://content.example.org:8080/kinoradex/newexercises.lst HTTP/1.0\r\n\r\n",
          "GET /kinoradex/newexercises.lst HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n",
          "GET /kinoradex/newexercises.lst HTTP/1.0\r\n\r\n"}) {
        const std::string answer = exchange(server.port(), request);
        EXPECT_EQ(statusOf(answer), 200) << request;
        EXPECT_EQ(bodyOf(answer), list) << request;
    }
    const std::string page = exchange(
        server.port(), "GET http://127.0.0.1/kinoradex/index.php?show=Plank HTTP/1.0\r\n\r\n");
    EXPECT_NE(bodyOf(page).find("<h1>Plank</h1>"), std::string::npos);

    // A file's length comes without its bytes for HEAD.
    const std::string head =
        exchange(server.port(), "HEAD /kinoradex/circuits/Core.cir HTTP/1.0\r\n\r\n");
    EXPECT_EQ(statusOf(head), 200);
    EXPECT_NE(head.find("Content-Length: " +
                        std::to_string(content.readFile("circuits/Core.cir").size()) + "\r\n"),
              std::string::npos);
    EXPECT_EQ(bodyOf(head), "");

    // HTTP/1.1 without a host or with two, and a broken escape in the path or
    // the query: 400, and nothing of the folder.
    for (const std::string request :
         {"GET /kinoradex/newexercises.lst HTTP/1.1\r\n\r\n",
          "GET /kinoradex/newexercises.lst HTTP/1.1\r\nHost: a\r\nHost: b\r\n\r\n",
          "GET /kinoradex/newexercises.lst%zz HTTP/1.0\r\n\r\n",
          "GET /kinoradex/circuits/Core%2.cir HTTP/1.0\r\n\r\n",
          "GET /kinoradex/circuits/Core.cir% HTTP/1.0\r\n\r\n",
          "GET /kinoradex/index.php?show=Pl%zzank HTTP/1.0\r\n\r\n",
          "GET /kinoradex/index.php?show=Plank%4 HTTP/1.0\r\n\r\n",
          "GET /kinoradex/index.php?%=Plank HTTP/1.0\r\n\r\n"}) {
        const std::string answer = exchange(server.port(), request);
        EXPECT_EQ(statusOf(answer), 400) << request;
        EXPECT_EQ(answer.find("Abdominal"), std::string::npos) << request;
    }
}

TEST(ContentPages, exerciseList_groupsOfThreeWithAShortLastGroup) {
    const auto exercises = parseexerciselist("A\r\nUpper Body\r\nd1\nB\nLower Body\n\n\n\n\nC\n");
    ASSERT_EQ(exercises.size(), 3U); // the blank group is no exercise
    EXPECT_EQ(exercises[0].description, "d1");
    EXPECT_EQ(exercises[1].name, "B");
    EXPECT_EQ(exercises[1].description, "");
    EXPECT_EQ(exercises[2].name, "C");
    EXPECT_EQ(exercises[2].extype, "");
}

} // namespace
