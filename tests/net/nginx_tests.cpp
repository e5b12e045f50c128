// The sample nginx configuration of contentserver/, in front of a content
// folder and the project's content server: the program's update works through
// it. The test that runs nginx is skipped where nginx is not installed.
#include "runningcontentserver.h"
#include "testservers.h"
#include "testsupport/waituntil.h"
#include "updatefixture.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <csignal>
#include <filesystem>
#include <fstream>
#include <netinet/in.h>
#include <spawn.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace fs = std::filesystem;

namespace {

std::string findNginx() {
    for (const char* candidate : {"/usr/sbin/nginx", "/usr/local/sbin/nginx", "/usr/bin/nginx"}) {
        if (::access(candidate, X_OK) == 0)
            return candidate;
    }
    return {};
}

std::string readText(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Replaces every `from` in `text`; false when there is none, so the sample
// and this test cannot drift apart unnoticed.
bool replaceAll(std::string& text, const std::string& from, const std::string& to) {
    bool found = false;
    for (size_t at = text.find(from); at != std::string::npos;
         at = text.find(from, at + to.size())) {
        text.replace(at, from.size(), to);
        found = true;
    }
    return found;
}

// The sample configuration, running as nginx in the foreground on a free
// loopback port, with its own pid file, logs and temporary folders.
class RunningNginx final {
public:
    RunningNginx(const std::string& nginx, std::string site, const std::string& contentFolder,
                 int upstreamPort) {
        m_port = closedPort();
        const std::string root = m_work.path();
        // The sample marks the lines to change; the test changes them.
        m_sampleMatches =
            replaceAll(site, "listen [::]:80;", "") &&
            replaceAll(site, "listen 80;", "listen 127.0.0.1:" + std::to_string(m_port) + ";") &&
            replaceAll(site, "/srv/stridewell-content/", contentFolder) &&
            replaceAll(site, "127.0.0.1:8080", "127.0.0.1:" + std::to_string(upstreamPort));
        m_work.writeFile("site.conf", site);
        m_work.writeFile("nginx.conf", "daemon off;\nmaster_process off;\npid " + root +
                                           "nginx.pid;\n"
                                           "error_log " +
                                           root +
                                           "error.log;\n"
                                           "events { worker_connections 64; }\n"
                                           "http {\n  access_log off;\n"
                                           "  client_body_temp_path " +
                                           root +
                                           "body;\n"
                                           "  proxy_temp_path " +
                                           root +
                                           "proxy;\n"
                                           "  fastcgi_temp_path " +
                                           root +
                                           "fastcgi;\n"
                                           "  uwsgi_temp_path " +
                                           root +
                                           "uwsgi;\n"
                                           "  scgi_temp_path " +
                                           root +
                                           "scgi;\n"
                                           "  include " +
                                           root + "site.conf;\n}\n");
        const std::string conf = root + "nginx.conf";
        const std::string errors = root + "error.log";
        std::vector<std::string> args{nginx, "-p", root, "-e", errors, "-c", conf};
        std::vector<char*> argv;
        for (std::string& arg : args)
            argv.push_back(arg.data());
        argv.push_back(nullptr);
        if (::posix_spawn(&m_pid, nginx.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
            m_pid = -1;
    }
    ~RunningNginx() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGTERM);
            ::waitpid(m_pid, nullptr, 0);
        }
    }
    bool sampleMatches() const { return m_sampleMatches; }
    int port() const { return m_port; }
    std::string errors() const { return m_work.readFile("error.log"); }

    bool waitUntilListening() const {
        httplib::Client client("127.0.0.1", m_port);
        client.set_connection_timeout(0, 200000);
        bool answered = false;
        waituntil([&] {
            answered = static_cast<bool>(client.Get("/"));
            const bool ended = m_pid <= 0 || ::waitpid(m_pid, nullptr, WNOHANG) != 0;
            return answered || ended;
        });
        return answered;
    }

private:
    TempFolder m_work;
    pid_t m_pid = -1;
    int m_port = -1;
    bool m_sampleMatches = false;
};

// A deployer changes the lines marked CHANGE and no others: every line that
// names the port, the sample's content folder or the content server's address
// carries the mark. Runs without nginx.
TEST(NginxFront, sampleConfiguration_marksEveryLineADeployerChanges) {
    std::istringstream sample(
        readText(STRIDEWELL_SOURCE_DIR "/contentserver/nginx-stridewell.conf"));
    int folderLines = 0;
    int portLines = 0;
    std::string line;
    while (std::getline(sample, line)) {
        const std::string setting = line.substr(0, line.find('#'));
        const bool folder = setting.find("/srv/stridewell-content") != std::string::npos;
        const bool port = setting.find("listen ") != std::string::npos;
        folderLines += folder ? 1 : 0;
        portLines += port ? 1 : 0;
        if (folder || port || setting.find("127.0.0.1:8080") != std::string::npos) {
            EXPECT_NE(line.find("# CHANGE"), std::string::npos) << line;
        }
    }
    EXPECT_GT(folderLines, 0);
    EXPECT_GT(portLines, 0);
}

TEST(NginxFront, sampleConfiguration_servesTheUpdateTheEncyclopediaAndNothingElse) {
    const std::string nginx = findNginx();
    if (nginx.empty())
        GTEST_SKIP() << "nginx is not installed";

    UpdateFixture fixture;
    TempFolder content;
    content.writeFile("newexercises.lst", "Plank\r\nAbdominal\r\nHold still\r\n");
    content.writeFile("newcircuits.lst", "Core Blast.cir\r\n");
    content.writeFile("circuits/Core Blast.cir",
                      "Core Blast\r\nAbdominal\r\n30\r\n10\r\nPlank\r\n");
    content.writeFile("circuits/.draft.cir", "unpublished");
    content.writeFile("secret.txt", "outside the addresses");
    RunningContentServer server(content.path());
    RunningNginx front(nginx,
                       readText(STRIDEWELL_SOURCE_DIR "/contentserver/nginx-stridewell.conf"),
                       content.path(), server.port());
    ASSERT_TRUE(front.sampleMatches()) << "the sample's ports or folder changed";
    ASSERT_TRUE(front.waitUntilListening()) << front.errors();

    // The update, as the program runs it, through nginx.
    fixture.app().writeFile("exercises.lst",
                            UpdateFixture::record(3, "Squats", "Lower Body", "Sit"));
    auto update = fixture.makeUpdate(front.port());
    update->lbl_checkexercisesClick();
    ASSERT_TRUE(UpdateFixture::settle(*update));
    EXPECT_EQ(fixture.reports(), Reports{"exercisesAdded 1"});
    update->lbl_checkcicruitsClick();
    ASSERT_TRUE(UpdateFixture::settle(*update));
    EXPECT_EQ(fixture.reports(), Reports{"circuitsAdded 1"});
    EXPECT_EQ(fixture.app().readFile("Circuits/Core Blast.cir"),
              content.readFile("circuits/Core Blast.cir"));
    // nginx served the files itself: the content server saw none of them.
    for (const std::string& line : server.log())
        EXPECT_EQ(line.find(".lst"), std::string::npos) << line;

    httplib::Client client("127.0.0.1", front.port());
    // The encyclopedia comes from the content server behind it.
    const auto page = client.Get("/kinoradex/index.php?show=Plank");
    ASSERT_TRUE(page);
    EXPECT_EQ(page->status, 200);
    EXPECT_NE(page->body.find("Plank"), std::string::npos);
    // The lists are never served stale from a cache.
    const auto list = client.Get("/kinoradex/newcircuits.lst");
    ASSERT_TRUE(list);
    EXPECT_EQ(list->get_header_value("Cache-Control"), "no-cache");
    // Nothing else of the folder, and no writing.
    for (const char* path : {"/kinoradex/secret.txt", "/secret.txt",
                             "/kinoradex/circuits/.draft.cir", "/kinoradex/circuits/../secret.txt",
                             "/kinoradex/circuits/", "/kinoradex/circuits/%2e%2e/secret.txt"}) {
        const auto refused = client.Get(path);
        ASSERT_TRUE(refused) << path;
        EXPECT_GE(refused->status, 400) << path;
        EXPECT_EQ(refused->body.find("outside the addresses"), std::string::npos) << path;
    }
    const auto posted = client.Post("/kinoradex/newcircuits.lst", "x", "text/plain");
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->status, 405);
}

} // namespace
