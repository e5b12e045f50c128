// The download transport as a module: where it is found, and what the
// component does with it, or without it.
#include "data/moduleloader.h"
#include "net/httpget.h"
#include "net/httpmodule.h"
#include "testservers.h"
#include "testsupport/tempfolder.h"

#include <gtest/gtest.h>
#include <httplib.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QPointer>
#include <QTest>
#include <QThread>

#include <atomic>
#include <chrono>
#include <iostream>
#include <string>
#include <thread>
#include <vector>

namespace {

TEST(HttpModule, foundBesideTheExecutableWithThisProgramsVersion) {
    const std::string folder = programFolder();
    EXPECT_EQ(folder, QCoreApplication::applicationDirPath().toStdString() + "/");

    const HttpTransport* transport = httpTransport();
    ASSERT_NE(transport, nullptr);
    EXPECT_EQ(transport->version, kHttpTransportVersion);
    EXPECT_EQ(httpTransport(), transport) << "loaded once";

    // The loader's own failures: no such file, no such entry.
    EXPECT_EQ(loadModuleEntry("libstridewell_nosuchmodule.so", kHttpTransportEntry), nullptr);
    EXPECT_EQ(loadModuleEntry(STRIDEWELL_HTTP_MODULE, "no_such_entry"), nullptr);
    const auto entry = reinterpret_cast<HttpTransportEntry>(
        loadModuleEntry(STRIDEWELL_HTTP_MODULE, kHttpTransportEntry));
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(entry(), transport);
}

// What a stand-in transport was asked for, and what it answers.
struct Script {
    std::vector<std::string> head;
    std::string body;
    long status = 200;
    bool completed = true;
    std::string address; // as the transport received it
    std::string agent;
};
Script g_script;

HttpTransferResult scriptedPerform(const THTTPRequest& request, const std::string& address,
                                   const std::atomic<bool>&, HttpTransferSink& sink) {
    g_script.address = address;
    g_script.agent = request.Agent;
    for (const std::string& line : g_script.head)
        if (!sink.headLine(line))
            return {};
    if (!g_script.body.empty() &&
        !sink.bodyBytes(g_script.status, g_script.body.data(), g_script.body.size()))
        return {};
    return {g_script.completed, g_script.status};
}

const HttpTransport kScripted{kHttpTransportVersion, &scriptedPerform};

class ReplacedTransportTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_script = Script();
        component.WaitThread = true;
        component.OnDoneString = [this](QObject*, const std::string& text) {
            ++doneString;
            result = text;
        };
        component.OnDoneFile = [this](QObject*, const std::string&, int32_t) { ++doneFile; };
        component.OnError = [this](QObject*) { ++error; };
    }
    void TearDown() override { restoreHttpTransport(); }

    TempFolder folder;
    THTTPGet component;
    int doneString = 0;
    int doneFile = 0;
    int error = 0;
    std::string result;
};

TEST_F(ReplacedTransportTest, missingModule_everyDownloadEndsInOnErrorAndSendsNothing) {
    HttpTestServer server;
    int requests = 0;
    server.server().Get("/a", [&requests](const httplib::Request&, httplib::Response& res) {
        ++requests;
        res.set_content("fresh", "text/plain");
    });
    server.start();
    replaceHttpTransport(nullptr);
    component.URL = "http://127.0.0.1/a";
    component.Port = server.port();

    component.DownloadString();
    EXPECT_EQ(error, 1);
    component.FileName = folder.path() + "fetched.lst";
    folder.writeFile("fetched.lst", "previous");
    component.DownloadFile();
    EXPECT_EQ(error, 2);
    EXPECT_EQ(doneString + doneFile, 0);
    EXPECT_FALSE(component.busy());
    EXPECT_EQ(folder.readFile("fetched.lst"), "previous");
    EXPECT_EQ(folderSnapshot(folder.path()).size(), 2U) << "no part file left";
    EXPECT_EQ(requests, 0);

    // With the module back, the same component downloads again.
    restoreHttpTransport();
    component.DownloadString();
    EXPECT_EQ(doneString, 1);
    EXPECT_EQ(result, "fresh");
    EXPECT_EQ(requests, 1);
}

TEST_F(ReplacedTransportTest, transportGetsAnEncodedAddressAndTheWorkerJudgesTheAnswer) {
    replaceHttpTransport(&kScripted);
    component.URL = "HTTP://example.org/kinoradex/Leg Day.php?x=1";
    component.Port = 8080;
    component.Agent = "probe";
    g_script.head = {"HTTP/1.0 301 Moved\r\n", "Content-Length: 999\r\n", "\r\n",
                     "HTTP/1.0 200 OK\r\n",    "Content-Length: 5\r\n",   "\r\n"};
    g_script.body = "hello";
    component.DownloadString();
    EXPECT_EQ(g_script.address, "http://example.org:8080/kinoradex/Leg%20Day.php?x=1");
    EXPECT_EQ(g_script.agent, "probe");
    EXPECT_EQ(doneString, 1) << "the length of the last head counts";
    EXPECT_EQ(result, "hello");

    struct Case {
        const char* what;
        long status;
        bool completed;
        const char* length;
    };
    const Case failures[] = {
        {"a status other than 2xx", 404, true, "5"},
        {"a transfer the transport did not complete", 200, false, "5"},
        {"a length that is not a number", 200, true, "5x"},
        {"a length the body does not reach", 200, true, "6"},
    };
    for (const Case& c : failures) {
        const int errorsBefore = error;
        g_script.status = c.status;
        g_script.completed = c.completed;
        g_script.head = {"HTTP/1.0 200 OK\r\n", std::string("Content-Length: ") + c.length + "\r\n",
                         "\r\n"};
        component.FileName = folder.path() + "fetched.lst";
        component.DownloadFile();
        EXPECT_EQ(error, errorsBefore + 1) << c.what;
        EXPECT_FALSE(folder.exists("fetched.lst")) << c.what;
        EXPECT_EQ(folderSnapshot(folder.path()).size(), 1U) << c.what << ": a part file was left";
    }
    EXPECT_EQ(doneFile, 0);
}

// A transfer held up where no stop request reaches it (a disk or a library
// that does not answer): destruction still returns within a second, nothing
// is reported, and the worker ends by itself later.
std::atomic<bool> g_heldUpEnded{false};
QPointer<QThread> g_heldUpWorker; // set by the worker before g_heldUpEnded

HttpTransferResult heldUpPerform(const THTTPRequest&, const std::string&,
                                 const std::atomic<bool>&, HttpTransferSink& sink) {
    const std::string piece = "first piece";
    sink.headLine("HTTP/1.0 200 OK\r\n");
    sink.bodyBytes(200, piece.data(), piece.size());
    // Deaf to the stop request for longer than destruction may take, so a
    // destruction that waited for the worker would show.
    std::this_thread::sleep_for(std::chrono::milliseconds(1200));
    const bool more = sink.bodyBytes(200, piece.data(), piece.size());
    g_heldUpWorker = QThread::currentThread();
    g_heldUpEnded = true;
    return {more, 200};
}

TEST_F(ReplacedTransportTest, heldUpTransfer_destructionReturnsWithinASecondAndTheWorkerEndsAlone) {
    const HttpTransport heldUp{kHttpTransportVersion, &heldUpPerform};
    replaceHttpTransport(&heldUp);
    g_heldUpEnded = false;
    int events = 0;
    int progress = 0;
    QElapsedTimer timer;
    {
        THTTPGet doomed;
        doomed.URL = "http://example.org/list";
        doomed.OnProgress = [&progress](QObject*, int32_t, int32_t) { ++progress; };
        doomed.OnDoneString = [&events](QObject*, const std::string&) { ++events; };
        doomed.OnError = [&events](QObject*) { ++events; };
        doomed.DownloadString();
        ASSERT_TRUE(spinUntil([&progress] { return progress == 1; }));
        timer.start();
    }
    const qint64 destroyMs = timer.elapsed();
    EXPECT_LT(destroyMs, 1000);
    ASSERT_TRUE(spinUntil([] { return g_heldUpEnded.load(); }, 3000));
    // Nothing can be reported once the worker has deleted itself.
    EXPECT_TRUE(QTest::qWaitFor([] { return g_heldUpWorker.isNull(); }, 5000));
    EXPECT_EQ(events, 0);
    EXPECT_EQ(progress, 1);
    std::cout << "[ figures  ] a transfer deaf to its stop request: destruction returned after "
              << destroyMs << " ms\n";
}

} // namespace
