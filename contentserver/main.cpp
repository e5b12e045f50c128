// stridewell-contentserver FOLDER PORT [ADDRESS]
// Serves a content folder to Stridewell until interrupted.
#include "contentserver.h"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <string>

namespace {

ContentServer* g_server = nullptr;

void stopOnSignal(int) {
    if (g_server)
        g_server->stop();
}

int usage() {
    std::cerr << "usage: stridewell-contentserver FOLDER PORT [ADDRESS]\n"
                 "  FOLDER   content folder (newexercises.lst, newcircuits.lst, circuits/)\n"
                 "  PORT     port to listen on, 1-65535\n"
                 "  ADDRESS  address to listen on (default 127.0.0.1; 0.0.0.0 for all)\n";
    return 2;
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3 || argc > 4)
        return usage();
    const std::filesystem::path folder = argv[1];
    char* end = nullptr;
    const long port = std::strtol(argv[2], &end, 10);
    if (*end != '\0' || port < 1 || port > 65535)
        return usage();
    const std::string address = argc == 4 ? argv[3] : "127.0.0.1";
    if (!std::filesystem::is_directory(folder)) {
        std::cerr << "stridewell-contentserver: " << folder.string() << " is not a folder\n";
        return 1;
    }

    ContentServer server(folder);
    server.setlog([](const std::string& line) { std::cout << line << std::endl; });
    if (server.bind(address, static_cast<int>(port)) < 0) {
        std::cerr << "stridewell-contentserver: cannot listen on " << address << ":" << port
                  << "\n";
        return 1;
    }
    g_server = &server;
    std::signal(SIGINT, stopOnSignal);
    std::signal(SIGTERM, stopOnSignal);
    std::cout << "Serving " << folder.string() << " at http://" << address << ":" << port
              << "/kinoradex/" << std::endl;
    server.listen();
    return 0;
}
