// The download component against real servers on the loopback interface.
#include "net/httpget.h"
#include "stalledlookup.h"
#include "testservers.h"
#include "umaskwatch.h"
#include "testsupport/tempfolder.h"
#include "testsupport/waituntil.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QElapsedTimer>

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <filesystem>
#include <iostream>

namespace {

// What a component reported, and to whom.
struct Events {
    int doneFile = 0;
    int doneString = 0;
    int error = 0;
    QObject* sender = nullptr;
    std::string fileName;
    int32_t fileSize = -1;
    std::string result;
    std::vector<std::pair<int32_t, int32_t>> progress; // TotalSize, Readed
    std::vector<bool> progressFromWorker;              // the sender was the running worker

    int total() const { return doneFile + doneString + error; }

    void attach(THTTPGet& get) {
        get.OnDoneFile = [this](QObject* s, const std::string& file, int32_t size) {
            ++doneFile;
            sender = s;
            fileName = file;
            fileSize = size;
        };
        get.OnDoneString = [this](QObject* s, const std::string& text) {
            ++doneString;
            sender = s;
            result = text;
        };
        get.OnError = [this](QObject* s) {
            ++error;
            sender = s;
        };
        get.OnProgress = [this, &get](QObject* s, int32_t totalSize, int32_t readed) {
            progress.emplace_back(totalSize, readed);
            progressFromWorker.push_back(s != &get && s == get.worker() &&
                                         qobject_cast<THTTPGetThread*>(s) != nullptr);
        };
    }
};

THTTPLimits quickLimits() {
    THTTPLimits limits;
    limits.ConnectTimeoutMs = 1000;
    limits.TimeoutMs = 3000;
    limits.LowSpeedTimeMs = 300;
    limits.MaxSize = 64 * 1024;
    return limits;
}

std::string bodyOf(size_t size) {
    std::string body(size, '\0');
    for (size_t i = 0; i < size; ++i)
        body[i] = static_cast<char>('a' + i % 26);
    return body;
}

// The component wired to a test server and a fresh folder.
class HttpGetTest : public ::testing::Test {
protected:
    void point(THTTPGet& get, int port, const std::string& path) {
        get.URL = "http://127.0.0.1" + path;
        get.Port = port;
        get.Limits = quickLimits();
        events.attach(get);
    }
    bool finish(int timeoutMs = 5000) {
        return spinUntil([this] { return events.total() > 0 && !component.busy(); }, timeoutMs);
    }
    std::string target() const { return folder.path() + "fetched.lst"; }

    TempFolder folder;
    Events events;
    THTTPGet component;
};

TEST(SplitUrl, schemeInAnyCase_isDroppedAndHostEndsAtFirstSlash) {
    for (const std::string prefix : {"http://", "HTTP://", "hTtP://", ""}) {
        const TUrlParts parts = THTTPGetThread::SplitUrl(prefix + "example.org/kinoradex/a b?x=/y");
        EXPECT_EQ(parts.Host, "example.org") << prefix;
        EXPECT_EQ(parts.ObjectPath, "/kinoradex/a b?x=/y") << prefix;
    }
    const TUrlParts withPort = THTTPGetThread::SplitUrl("http://host:8080/a");
    EXPECT_EQ(withPort.Host, "host:8080"); // the port stays part of the host text
    const TUrlParts noSlash = THTTPGetThread::SplitUrl("http://example.org");
    EXPECT_EQ(noSlash.Host, "");
    EXPECT_EQ(noSlash.ObjectPath, "example.org");
    EXPECT_EQ(THTTPGetThread::SplitUrl("https://a/b").Host, "https:"); // no other scheme known
}

TEST_F(HttpGetTest, request_asTheServerSeesIt) {
    HttpTestServer server;
    httplib::Request seen;
    const auto record = [&seen](const httplib::Request& req, httplib::Response& res) {
        seen = req;
        res.set_content("ok", "text/plain");
    };
    server.server().Get("/kinoradex/list.lst", record);
    server.server().Post("/kinoradex/list.lst", record);
    server.start();

    point(component, server.port(), "/kinoradex/list.lst");
    component.DownloadString();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.doneString, 1);
    EXPECT_EQ(seen.method, "GET");
    EXPECT_EQ(seen.path, "/kinoradex/list.lst");
    EXPECT_EQ(seen.version, "HTTP/1.0");
    EXPECT_EQ(seen.get_header_value("User-Agent"), "Corvane HTTPGet");
    EXPECT_EQ(seen.get_header_value("Accept"), "*/*");
    EXPECT_EQ(seen.get_header_value("Cache-Control"), "no-cache");
    EXPECT_EQ(seen.get_header_value("Pragma"), "no-cache");
    EXPECT_FALSE(seen.has_header("Referer"));
    EXPECT_TRUE(seen.body.empty());

    // A POST with a referrer, through the cache, without an agent.
    events = Events();
    component.PostQuery = "name=Plank&type=Abdominal";
    component.Referer = "http://127.0.0.1/kinoradex/index.php";
    component.UseCache = true;
    component.Agent.clear();
    component.AcceptTypes = "text/plain";
    events.attach(component);
    component.DownloadString();
    ASSERT_TRUE(finish());
    EXPECT_EQ(seen.method, "POST");
    EXPECT_EQ(seen.version, "HTTP/1.0");
    EXPECT_EQ(seen.get_header_value("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(seen.body, "name=Plank&type=Abdominal");
    EXPECT_EQ(seen.get_header_value("Referer"), "http://127.0.0.1/kinoradex/index.php");
    EXPECT_EQ(seen.get_header_value("Accept"), "text/plain");
    EXPECT_FALSE(seen.has_header("User-Agent"));
    EXPECT_FALSE(seen.has_header("Pragma"));
}

TEST_F(HttpGetTest, bodyWithLength_endsInDoneFileWithPiecesOfAtMost1025Bytes) {
    HttpTestServer server;
    const std::string body = bodyOf(3000);
    server.server().Get("/a", [&body](const httplib::Request&, httplib::Response& res) {
        res.set_content(body, "application/octet-stream");
    });
    server.start();
    point(component, server.port(), "/a");
    component.FileName = target();
    component.DownloadFile();
    ASSERT_TRUE(finish());

    EXPECT_EQ(events.doneFile, 1);
    EXPECT_EQ(events.total(), 1);
    EXPECT_EQ(events.sender, &component);
    EXPECT_EQ(events.fileName, target());
    EXPECT_EQ(events.fileSize, 3000);
    EXPECT_EQ(folder.readFile("fetched.lst"), body);
    EXPECT_TRUE(component.lastOutcome());

    ASSERT_FALSE(events.progress.empty());
    int32_t previous = 0;
    for (size_t i = 0; i < events.progress.size(); ++i) {
        const auto [totalSize, readed] = events.progress[i];
        EXPECT_EQ(totalSize, 3000);
        EXPECT_GT(readed, previous);
        EXPECT_LE(readed - previous, 1025);
        previous = readed;
        EXPECT_TRUE(events.progressFromWorker[i]); // not the component
    }
    EXPECT_EQ(previous, 3000);
}

TEST_F(HttpGetTest, bodyWithoutLength_failsAndLeavesTheOldFileAlone) {
    const std::string body = bodyOf(3000);
    RawHttpServer server([&body](RawConnection& c, const std::atomic<bool>&) {
        c.send("HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n" + body);
    });
    folder.writeFile("fetched.lst", "previous list\r\n");
    point(component, server.port(), "/a");
    component.FileName = target();
    component.DownloadFile();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.error, 1);
    EXPECT_EQ(events.total(), 1);
    ASSERT_FALSE(events.progress.empty());
    EXPECT_EQ(events.progress.back().second, 3000); // the whole body did arrive
    EXPECT_EQ(folder.readFile("fetched.lst"), "previous list\r\n");
    EXPECT_EQ(folderSnapshot(folder.path()).size(), 2U); // Circuits/ and the file
}

TEST_F(HttpGetTest, bodyWithoutLength_toAStringSucceeds) {
    const std::string body = bodyOf(3000);
    RawHttpServer server([&body](RawConnection& c, const std::atomic<bool>&) {
        c.send("HTTP/1.0 200 OK\r\n\r\n" + body);
    });
    point(component, server.port(), "/a");
    component.DownloadString();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.doneString, 1);
    EXPECT_EQ(events.result, body);
}

TEST_F(HttpGetTest, binaryDataWithoutLength_failsBeforeAnyByteIsRead) {
    RawHttpServer server([](RawConnection& c, const std::atomic<bool>&) {
        c.send("HTTP/1.0 200 OK\r\n\r\n" + bodyOf(3000));
    });
    point(component, server.port(), "/a");
    component.BinaryData = true;
    component.FileName = target();
    component.DownloadFile();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.error, 1);
    EXPECT_TRUE(events.progress.empty());
    EXPECT_FALSE(folder.exists("fetched.lst"));
}

TEST_F(HttpGetTest, emptyBody_failsToAStringButIsAnEmptyFile) {
    HttpTestServer server;
    server.server().Get("/empty", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("", "text/plain");
    });
    server.start();
    point(component, server.port(), "/empty");
    component.DownloadString();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.error, 1);

    events = Events();
    events.attach(component);
    component.FileName = target();
    component.DownloadFile();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.doneFile, 1);
    EXPECT_EQ(events.fileSize, 0);
    ASSERT_TRUE(folder.exists("fetched.lst"));
    EXPECT_EQ(folder.readFile("fetched.lst"), "");
}

TEST_F(HttpGetTest, errorStatus_isAFailureEvenWithAMatchingLength) {
    HttpTestServer server;
    server.server().Get("/missing", [](const httplib::Request&, httplib::Response& res) {
        res.status = 404;
        res.set_content("<html>Not here</html>", "text/html");
    });
    server.start();
    point(component, server.port(), "/missing");
    component.FileName = target();
    component.DownloadFile();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.error, 1);
    EXPECT_FALSE(folder.exists("fetched.lst"));
    EXPECT_TRUE(events.progress.empty());
}

TEST_F(HttpGetTest, unreachableServer_isAFailure) {
    point(component, closedPort(), "/kinoradex/newexercises.lst");
    component.FileName = target();
    component.DownloadFile();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.error, 1);
    EXPECT_FALSE(folder.exists("fetched.lst"));

    // An address without a host fails the same way.
    events = Events();
    point(component, closedPort(), "no-host-here");
    component.DownloadFile();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.error, 1);
}

TEST_F(HttpGetTest, fileThatCannotBeCreated_isAFailure) {
    HttpTestServer server;
    server.server().Get("/a", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("data", "text/plain");
    });
    server.start();
    point(component, server.port(), "/a");
    component.FileName = folder.path() + "no such folder/fetched.lst";
    component.DownloadFile();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.error, 1);
    EXPECT_FALSE(folder.exists("no such folder"));
}

// A server that sends a first piece and then keeps the connection open
// until the test ends it.
RawHttpServer::Script slowBody(int pieces, int pauseMs) {
    return [pieces, pauseMs](RawConnection& c, const std::atomic<bool>& stopping) {
        if (!c.send("HTTP/1.0 200 OK\r\nContent-Length: 50000\r\n\r\n"))
            return;
        for (int i = 0; i < pieces && !stopping; ++i) {
            if (!c.send(bodyOf(500)))
                return;
            c.pause(pauseMs, stopping);
        }
    };
}

TEST_F(HttpGetTest, cancel_endsInOneErrorAndNoFile) {
    RawHttpServer server(slowBody(1000, 20));
    point(component, server.port(), "/slow");
    component.Limits.TimeoutMs = 20000;
    component.FileName = target();
    component.DownloadFile();
    ASSERT_TRUE(spinUntil([this] { return !events.progress.empty(); }));
    component.Cancel();
    ASSERT_TRUE(finish(2000));
    EXPECT_EQ(events.error, 1);
    EXPECT_EQ(events.total(), 1);
    EXPECT_FALSE(component.lastOutcome());
    spinUntil([] { return false; }, 100); // nothing else follows
    EXPECT_EQ(events.total(), 1);
    EXPECT_EQ(folderSnapshot(folder.path()).size(), 1U); // only Circuits/
}

TEST_F(HttpGetTest, startWhileRunning_isIgnored) {
    RawHttpServer server(slowBody(3, 100));
    point(component, server.port(), "/slow");
    component.FileName = target();
    component.DownloadFile();
    const QObject* first = component.worker();
    component.URL = "http://127.0.0.1/other";
    component.DownloadString();
    component.DownloadFile();
    EXPECT_EQ(component.worker(), first);
    ASSERT_TRUE(finish());
    spinUntil([] { return false; }, 100); // nothing else follows
    EXPECT_EQ(events.total(), 1);
    EXPECT_EQ(server.connections(), 1);
}

TEST_F(HttpGetTest, startFromInsideDoneFile_beginsTheNextTransfer) {
    HttpTestServer server;
    server.server().Get(R"(/(\w+))", [](const httplib::Request& req, httplib::Response& res) {
        res.set_content("body of " + std::string(req.matches[1]), "text/plain");
    });
    server.start();
    point(component, server.port(), "/first");
    component.FileName = folder.path() + "first.txt";
    std::vector<std::string> done;
    component.OnDoneFile = [&](QObject*, const std::string& file, int32_t) {
        done.push_back(file);
        if (done.size() == 1) {
            component.URL = "http://127.0.0.1/second";
            component.FileName = folder.path() + "second.txt";
            component.DownloadFile();
            EXPECT_TRUE(component.busy());
        }
    };
    component.DownloadFile();
    ASSERT_TRUE(spinUntil([&] { return done.size() == 2 && !component.busy(); }));
    EXPECT_EQ(folder.readFile("first.txt"), "body of first");
    EXPECT_EQ(folder.readFile("second.txt"), "body of second");
}

TEST_F(HttpGetTest, waitThread_returnsAfterTheEventHasRun) {
    HttpTestServer server;
    server.server().Get("/a", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("waited", "text/plain");
    });
    server.start();
    point(component, server.port(), "/a");
    component.WaitThread = true;
    component.DownloadString();
    EXPECT_EQ(events.doneString, 1);
    EXPECT_EQ(events.result, "waited");
    EXPECT_FALSE(component.busy());
}

TEST_F(HttpGetTest, stalledServer_failsWithinTheLowSpeedWindow) {
    RawHttpServer server(slowBody(1, 10000)); // one piece, then silence
    point(component, server.port(), "/stall");
    component.FileName = target();
    QElapsedTimer timer;
    timer.start();
    component.DownloadFile();
    ASSERT_TRUE(finish(3000));
    EXPECT_EQ(events.error, 1);
    EXPECT_LT(timer.elapsed(), 2000);
    EXPECT_FALSE(folder.exists("fetched.lst"));
}

TEST_F(HttpGetTest, oversizedBody_isCutOffWithOrWithoutALength) {
    const int32_t cap = 10000;
    RawHttpServer withLength([](RawConnection& c, const std::atomic<bool>&) {
        c.send("HTTP/1.0 200 OK\r\nContent-Length: 20000\r\n\r\n" + bodyOf(20000));
    });
    RawHttpServer endless([](RawConnection& c, const std::atomic<bool>& stopping) {
        c.send("HTTP/1.0 200 OK\r\n\r\n");
        while (!stopping && c.send(bodyOf(4096))) {
        }
    });
    for (const int port : {withLength.port(), endless.port()}) {
        events = Events();
        point(component, port, "/big");
        component.Limits.MaxSize = cap;
        component.FileName = target();
        component.DownloadFile();
        ASSERT_TRUE(finish());
        EXPECT_EQ(events.error, 1);
        for (const auto& [totalSize, readed] : events.progress)
            EXPECT_LE(readed, cap);
        EXPECT_FALSE(folder.exists("fetched.lst"));
    }
}

TEST_F(HttpGetTest, redirects_areFollowedOnlyToHttpAndOnlyAFewTimes) {
    HttpTestServer server;
    server.server().Get("/moved", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("/here");
    });
    // nginx and Apache send a short page with their redirects.
    server.server().Get("/movedWithPage", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("/here", 301);
        res.set_content("<html><head><title>301 Moved Permanently</title></head>"
                        "<body><h1>301 Moved Permanently</h1></body></html>\r\n",
                        "text/html");
    });
    server.server().Get("/here", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("arrived", "text/plain");
    });
    server.server().Get("/loop", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("/loop");
    });
    server.server().Get("/ftp", [](const httplib::Request&, httplib::Response& res) {
        res.set_redirect("ftp://127.0.0.1/file");
    });
    server.start();

    for (const std::string path : {"/moved", "/movedWithPage"}) {
        events = Events();
        point(component, server.port(), path);
        component.DownloadString();
        ASSERT_TRUE(finish());
        EXPECT_EQ(events.result, "arrived") << path;
    }
    // The page's length is not taken for the file's.
    events = Events();
    point(component, server.port(), "/movedWithPage");
    component.FileName = target();
    component.DownloadFile();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.doneFile, 1);
    EXPECT_EQ(events.fileSize, 7);
    EXPECT_EQ(folder.readFile("fetched.lst"), "arrived");
    for (const std::string path : {"/loop", "/ftp"}) {
        events = Events();
        point(component, server.port(), path);
        component.DownloadString();
        ASSERT_TRUE(finish());
        EXPECT_EQ(events.error, 1) << path;
    }
}

TEST_F(HttpGetTest, destructionWhileRunning_deliversNothingAndLeavesNoFile) {
    RawHttpServer server(slowBody(1000, 20));
    {
        THTTPGet doomed;
        point(doomed, server.port(), "/slow");
        doomed.FileName = target();
        doomed.DownloadFile();
        ASSERT_TRUE(spinUntil([this] { return events.progress.size() >= 2; }));
        // Left unanswered, the worker's next progress call blocks it, holding
        // its hand-over lock.
        auto* run = qobject_cast<THTTPGetThread*>(const_cast<QObject*>(doomed.worker()));
        ASSERT_NE(run, nullptr);
        EXPECT_TRUE(waituntil([run] { return !run->noProgressPending(); }));
    }
    spinUntil([] { return false; }, 100); // nothing is delivered afterwards
    EXPECT_EQ(events.total(), 0);
    EXPECT_EQ(folderSnapshot(folder.path()).size(), 1U); // only Circuits/
}

// With the name servers silent, nothing waits for them: a cancel, a connect
// timeout and the component's end each return within a second.
TEST_F(HttpGetTest, stalledNameLookup_cancelTimeoutAndDestructionReturnWithinASecond) {
    const auto startStalled = [this](THTTPGet& get, int connectTimeoutMs = 30000) {
        const int lookups = g_stalledLookups;
        get.URL = std::string("http://") + kStalledHost + "/kinoradex/newexercises.lst";
        get.Limits = quickLimits();
        get.Limits.ConnectTimeoutMs = connectTimeoutMs;
        get.Limits.TimeoutMs = 30000;
        get.Limits.LowSpeedTimeMs = 30000;
        events.attach(get);
        get.DownloadString();
        return spinUntil([lookups] { return g_stalledLookups > lookups; });
    };
    QElapsedTimer timer;

    ASSERT_TRUE(startStalled(component));
    timer.start();
    component.Cancel();
    ASSERT_TRUE(finish(5000));
    const qint64 cancelMs = timer.elapsed();
    EXPECT_EQ(events.error, 1);
    EXPECT_LT(cancelMs, 1000);

    events = Events();
    timer.restart();
    ASSERT_TRUE(startStalled(component, 1000));
    ASSERT_TRUE(finish(5000));
    const qint64 timeoutMs = timer.elapsed();
    EXPECT_EQ(events.error, 1);
    EXPECT_LT(timeoutMs, 2000);

    qint64 destroyMs = 0;
    {
        THTTPGet doomed;
        ASSERT_TRUE(startStalled(doomed));
        timer.restart();
    }
    destroyMs = timer.elapsed();
    EXPECT_LT(destroyMs, 1000);
    std::cout << "[ figures  ] stalled lookup: cancel reported after " << cancelMs
              << " ms, a 1000 ms connect timeout after " << timeoutMs
              << " ms, destruction returned after " << destroyMs << " ms\n";
}

TEST_F(HttpGetTest, cancelAfterTheRunEnded_isAFailure) {
    HttpTestServer server;
    server.server().Get("/a", [](const httplib::Request&, httplib::Response& res) {
        res.set_content("data", "text/plain");
    });
    server.start();
    point(component, server.port(), "/a");
    component.OnProgress = nullptr; // the run must not wait for this thread
    component.DownloadString();
    // The run ends; its report waits in the event queue.
    const auto* run = qobject_cast<const QThread*>(component.worker());
    ASSERT_NE(run, nullptr);
    ASSERT_TRUE(waituntil([run] { return run->isFinished(); }));
    component.Cancel();
    ASSERT_TRUE(finish());
    EXPECT_EQ(events.error, 1);
    EXPECT_EQ(events.doneString, 0);
}

// A download touches nothing of the process: a program started meanwhile (the
// browser) inherits none of its sockets, and the file creation mask is never
// set, not even for a moment, so no file the main thread creates meanwhile is
// left open to everyone.
TEST_F(HttpGetTest, download_leavesNoSocketToChildrenAndTheUmaskAlone) {
    RawHttpServer server(slowBody(1000, 20));
    point(component, server.port(), "/slow");
    component.Limits.TimeoutMs = 20000;
    component.FileName = target();
    component.DownloadFile();
    ASSERT_TRUE(spinUntil([this] { return !events.progress.empty(); }));
    int sockets = 0;
    for (const auto& entry : std::filesystem::directory_iterator("/proc/self/fd")) {
        const int fd = std::stoi(entry.path().filename().string());
        sockaddr_in peer{};
        socklen_t length = sizeof peer;
        if (::getpeername(fd, reinterpret_cast<sockaddr*>(&peer), &length) != 0 ||
            peer.sin_family != AF_INET || ntohs(peer.sin_port) != server.port())
            continue;
        ++sockets;
        EXPECT_TRUE(::fcntl(fd, F_GETFD) & FD_CLOEXEC);
    }
    EXPECT_EQ(sockets, 1);
    component.Cancel();
    ASSERT_TRUE(finish());
    EXPECT_EQ(g_umaskCalls, 0);
}

} // namespace
