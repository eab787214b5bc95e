// simhost: plays the modeller for the plug-in. This first form runs a short session that
// loads the plug-in, binds it, initialises and activates it and draws one view, printing
// each step and every host call the plug-in made.
#include <cstdio>
#include <cstring>
#include <exception>
#include <string>
#include <unistd.h>

#include "simhost/session.h"

namespace {

std::string DefaultPluginPath(const char *argv0) {
    std::string self = argv0;
    char resolved[4096];
    const ssize_t length = readlink("/proc/self/exe", resolved, sizeof resolved - 1);
    if (length > 0) self.assign(resolved, static_cast<size_t>(length));
    const auto slash = self.rfind('/');
    return (slash == std::string::npos ? std::string(".") : self.substr(0, slash)) + "/stelmarin.so";
}

int Usage(FILE *to) {
    std::fputs(
        "usage: simhost [--plugin PATH]\n"
        "  Loads the plug-in (default: stelmarin.so beside simhost), binds it to this host,\n"
        "  initialises and activates it, draws one view, and prints what happened.\n",
        to);
    return to == stdout ? 0 : 2;
}

void Step(simhost::Session &session, const char *what, int answer) {
    std::printf("%-34s -> %d\n", what, answer);
    std::fputs(session.host().trace.Format().c_str(), stdout);
    session.host().trace.Clear();
}

}  // namespace

int main(int argc, char **argv) {
    std::string plugin = DefaultPluginPath(argv[0]);
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) return Usage(stdout);
        if (std::strcmp(argv[i], "--plugin") == 0 && i + 1 < argc) {
            plugin = argv[++i];
            continue;
        }
        std::fprintf(stderr, "simhost: unknown argument '%s'\n", argv[i]);
        return Usage(stderr);
    }
    try {
        simhost::Session session(plugin);
        session.host().trace.recording = true;
        auto &p = session.plugin();
        std::printf("loaded %s\n", plugin.c_str());
        const uint32_t version = session.CheckVersion();
        std::printf("MQCheckVersion(0x%X)              -> 0x%X\n", simhost::kHostVersion, version);
        const std::string hostModule = simhost::HostModulePath();
        const int bound = session.Init(hostModule);
        std::printf("MQInit(%s) -> %d\n", hostModule.c_str(), bound);
        if (version == 0 || bound == 0) {
            std::fprintf(stderr, "simhost: the plug-in refused this host\n");
            return 1;
        }
        uint32_t product = 0;
        uint32_t id = 0;
        p.MQGetPlugInID(&product, &id);
        std::printf("plug-in %08X-%08X type %d: %s\n", product, id, p.MQGetPlugInType(), p.MQGetPlugInName());
        Step(session, "event 1 (initialise)", session.Initialize());
        Step(session, "event 100 (activate)", session.Activate(true));
        Step(session, "event 101 (activated?)", session.QueryActivated() ? 1 : 0);
        Step(session, "event 110 (draw)", session.Draw());
        Step(session, "event 2 (exit)", session.Exit());
        for (const auto &violation : session.host().violations) std::printf("VIOLATION %s\n", violation.c_str());
        return session.host().violations.empty() ? 0 : 1;
    } catch (const std::exception &error) {
        std::fprintf(stderr, "simhost: %s\n", error.what());
        return 1;
    }
}
