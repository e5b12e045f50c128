#include "contentserver.h"

#include "contentpages.h"

#include <httplib.h>

#include <chrono>
#include <thread>

namespace {

constexpr const char* kText = "text/plain";
constexpr const char* kHtml = "text/html";

void notfound(httplib::Response& res, const std::string& what) {
    res.status = 404;
    res.set_content(notfoundpage(what), kHtml);
}

} // namespace

ContentServer::ContentServer(std::filesystem::path folder)
    : m_folder(std::move(folder)), m_server(std::make_unique<httplib::Server>()) {
    addroutes();
}

ContentServer::~ContentServer() {
    stop();
}

void ContentServer::setlog(std::function<void(const std::string&)> log) {
    m_log = std::move(log);
}

void ContentServer::addroutes() {
    const auto serveList = [this](const std::string& name) {
        return [this, name](const httplib::Request&, httplib::Response& res) {
            if (const auto bytes = m_folder.listfile(name))
                res.set_content(*bytes, kText);
            else
                notfound(res, "There is no " + name + " at the moment.");
        };
    };
    m_server->Get("/kinoradex/newexercises.lst", serveList("newexercises.lst"));
    m_server->Get("/kinoradex/newcircuits.lst", serveList("newcircuits.lst"));

    // The path arrives decoded, so "%2F" in a name is a "/" here and refused.
    m_server->Get(R"(/kinoradex/circuits/(.*))",
                  [this](const httplib::Request& req, httplib::Response& res) {
                      const std::string name = req.matches[1];
                      if (const auto bytes = m_folder.circuitfile(name))
                          res.set_content(*bytes, kText);
                      else
                          notfound(res, "There is no circuit " + name + ".");
                  });

    m_server->Get(
        "/kinoradex/index.php", [this](const httplib::Request& req, httplib::Response& res) {
            const std::vector<ListedExercise> exercises =
                parseexerciselist(m_folder.listfile("newexercises.lst").value_or(std::string()));
            if (!req.has_param("show")) {
                res.set_content(indexpage(exercises), kHtml);
                return;
            }
            const std::string name = req.get_param_value("show");
            if (const auto page = exercisepage(exercises, name))
                res.set_content(*page, kHtml);
            else
                notfound(res, "Kinoradex has no page for " + name + ".");
        });

    m_server->set_error_handler([](const httplib::Request& req, httplib::Response& res) {
        if (res.body.empty())
            notfound(res, "Nothing is served at " + req.path + ".");
    });
    m_server->set_logger([this](const httplib::Request& req, const httplib::Response& res) {
        if (m_log)
            m_log(req.method + " " + req.target + " " + std::to_string(res.status));
    });
}

int ContentServer::bind(const std::string& host, int port) {
    if (port == 0)
        return m_server->bind_to_any_port(host);
    return m_server->bind_to_port(host, port) ? port : -1;
}

bool ContentServer::listen() {
    return m_server->listen_after_bind();
}

bool ContentServer::waitUntilListening(int timeoutMs) const {
    for (int waited = 0; !m_server->is_running(); ++waited) {
        if (waited >= timeoutMs)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

void ContentServer::stop() {
    m_server->stop();
}
