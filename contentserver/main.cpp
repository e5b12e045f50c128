// stridewell-contentserver [OPTIONS] FOLDER PORT [ADDRESS]
// Serves a content folder to Stridewell until interrupted.
#include "contentserver/contentserver.h"

#include <csignal>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iostream>
#include <string>
#include <vector>

namespace {

ContentServer* g_server = nullptr;

void stopOnSignal(int) {
    if (g_server)
        g_server->stop(); // only sets a flag: safe here
}

int usage() {
    std::cerr << "usage: stridewell-contentserver [OPTIONS] FOLDER PORT [ADDRESS]\n"
                 "  FOLDER   content folder (newexercises.lst, newcircuits.lst, circuits/)\n"
                 "  PORT     port to listen on, 1-65535\n"
                 "  ADDRESS  address to listen on (default 127.0.0.1; 0.0.0.0 for all)\n"
                 "options:\n"
                 "  --head-timeout SECONDS   time for a request's whole head (default 10)\n"
                 "  --idle-timeout SECONDS   time a connection may stay silent (default 10)\n"
                 "  --max-connections N      connections open at once (default 500)\n";
    return 2;
}

// A whole number from min to max; none otherwise.
bool readnumber(const char* text, long min, long max, long& value) {
    char* end = nullptr;
    value = std::strtol(text, &end, 10);
    return end != text && *end == '\0' && value >= min && value <= max;
}

} // namespace

int main(int argc, char** argv) {
    ContentServerLimits limits;
    std::vector<const char*> arguments;
    for (int i = 1; i < argc; ++i) {
        const char* option = argv[i];
        if (std::strncmp(option, "--", 2) != 0) {
            arguments.push_back(option);
            continue;
        }
        long value = 0;
        if (i + 1 >= argc)
            return usage();
        const char* text = argv[++i];
        if (std::strcmp(option, "--head-timeout") == 0 && readnumber(text, 1, 3600, value))
            limits.headTimeoutMs = static_cast<int>(value * 1000);
        else if (std::strcmp(option, "--idle-timeout") == 0 && readnumber(text, 1, 3600, value))
            limits.idleTimeoutS = static_cast<int>(value);
        else if (std::strcmp(option, "--max-connections") == 0 &&
                 readnumber(text, 1, 100000, value))
            limits.maxConnections = static_cast<int>(value);
        else
            return usage();
    }
    if (arguments.size() < 2 || arguments.size() > 3)
        return usage();
    const std::filesystem::path folder = arguments[0];
    long port = 0;
    if (!readnumber(arguments[1], 1, 65535, port))
        return usage();
    const std::string address = arguments.size() == 3 ? arguments[2] : "127.0.0.1";
    if (!std::filesystem::is_directory(folder)) {
        std::cerr << "stridewell-contentserver: " << folder.string() << " is not a folder\n";
        return 1;
    }

    ContentServer server(folder, limits);
    server.setlog([](const std::string& line) { std::cout << line << std::endl; });
    if (server.bind(address, static_cast<int>(port)) < 0) {
        std::cerr << "stridewell-contentserver: cannot listen on " << address << ":" << port
                  << "\n";
        return 1;
    }
    g_server = &server;
    std::signal(SIGINT, stopOnSignal);
    std::signal(SIGTERM, stopOnSignal);
    std::signal(SIGPIPE, SIG_IGN); // a client gone mid-answer is no reason to end
    std::cout << "Serving " << folder.string() << " at http://" << address << ":" << port
              << "/kinoradex/" << std::endl;
    if (!server.listen()) {
        std::cerr << "stridewell-contentserver: cannot serve\n";
        return 1;
    }
    return 0;
}
