// Throughput of a to-string transfer over the loopback interface, with and
// without a progress handler: each piece of 1025 bytes then costs one
// blocking call into the main thread.
#include "net/httpget.h"

#include <QCoreApplication>

#include <benchmark/benchmark.h>
#include <httplib.h>

#include <thread>

namespace {

QCoreApplication& application() {
    static int argc = 1;
    static char name[] = "net_bench";
    static char* argv[] = {name, nullptr};
    static QCoreApplication app(argc, argv);
    return app;
}

class Server {
public:
    explicit Server(size_t bodySize) : m_body(bodySize, 'x') {
        m_server.Get("/body", [this](const httplib::Request&, httplib::Response& res) {
            res.set_content(m_body, "application/octet-stream");
        });
        m_port = m_server.bind_to_any_port("127.0.0.1");
        m_thread = std::thread([this] { m_server.listen_after_bind(); });
        while (!m_server.is_running())
            std::this_thread::yield();
    }
    ~Server() {
        m_server.stop();
        m_thread.join();
    }
    int port() const { return m_port; }

private:
    std::string m_body;
    httplib::Server m_server;
    int m_port = 0;
    std::thread m_thread;
};

void BM_DownloadString(benchmark::State& state) {
    application();
    const auto size = static_cast<size_t>(state.range(0));
    const bool withProgress = state.range(1) != 0;
    Server server(size);
    THTTPGet get;
    get.URL = "http://127.0.0.1/body";
    get.Port = server.port();
    get.WaitThread = true;
    size_t received = 0;
    int64_t progressCalls = 0;
    get.OnDoneString = [&](QObject*, const std::string& text) { received = text.size(); };
    if (withProgress)
        get.OnProgress = [&](QObject*, int32_t, int32_t) { ++progressCalls; };
    for (auto _ : state) {
        received = 0;
        get.DownloadString();
        if (received != size)
            state.SkipWithError("transfer failed");
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(size));
    state.counters["progress_calls"] =
        benchmark::Counter(static_cast<double>(progressCalls), benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_DownloadString)
    ->Args({64 * 1024, 0})
    ->Args({64 * 1024, 1})
    ->Args({1024 * 1024, 0})
    ->Args({1024 * 1024, 1})
    ->Unit(benchmark::kMillisecond);

} // namespace
