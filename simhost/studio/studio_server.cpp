#include "simhost/studio/studio_server.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#ifdef _WIN32
#include <io.h>
#include <windows.h>
// windows.h first: shellapi.h needs its types.
#include <shellapi.h>
#else
#include <unistd.h>
#endif

#include "simhost/studio/net_socket.h"

namespace simhost {

namespace {

// The event stream says it is alive this often, so that a page that went away is noticed
// soon, its thread freed, and a question it was asked answered Cancel.
constexpr std::chrono::seconds kKeepAlive{2};

void Stream(EventStream &events, const HttpResponse &answer, const std::function<bool(const std::string &)> &send) {
    uint64_t next = answer.eventsAfter;
    // Sent at once, so that the page knows the stream is open before any event.
    if (send("retry: 1000\n: connected\n\n")) {
        while (const std::optional<std::string> coming = events.Next(next, kKeepAlive)) {
            if (!send(coming->empty() ? ": alive\n\n" : *coming)) break;
        }
    }
    events.Detach();
}

std::atomic<int> interrupts{0};
std::atomic<int64_t> firstInterrupt{0};

int64_t NowMs() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now().time_since_epoch())
        .count();
}

// The first interrupt asks the studio to stop, as a watcher sees; a second ends the
// program here and now, for someone who will not wait on the step that runs. One that
// comes within a moment of the first is the same one told twice, as a tool that signals
// both the program and its process group tells it.
extern "C" void OnInterrupt(int signal) {
    // Windows puts back the default at each signal.
    std::signal(signal, OnInterrupt);
    if (interrupts.fetch_add(1) == 0) {
        firstInterrupt = NowMs();
        return;
    }
    if (NowMs() - firstInterrupt < 250) return;
    static const char kSaid[] =
        "simhost: interrupted again: stopped at once, without the plug-in's exit event or writing the settings\n";
#ifdef _WIN32
    _write(2, kSaid, sizeof kSaid - 1);
#else
    if (write(2, kSaid, sizeof kSaid - 1) < 0) std::_Exit(128 + signal);
#endif
    std::_Exit(128 + signal);
}

void OnInterrupts(void (*handler)(int)) {
    std::signal(SIGINT, handler);
    std::signal(SIGTERM, handler);
#ifdef SIGBREAK
    std::signal(SIGBREAK, handler);
#endif
}

void OpenInBrowser(const std::string &address, std::ostream &errors) {
#ifdef _WIN32
    const auto opened =
        reinterpret_cast<intptr_t>(ShellExecuteA(nullptr, "open", address.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (opened <= 32) errors << "simhost: cannot open a web browser; open the address above by hand\n";
#else
    // The address holds only what this program made: digits, letters, dots and colons.
    const std::string command = "xdg-open '" + address + "' >/dev/null 2>&1 &";
    if (std::system(command.c_str()) != 0) {
        errors << "simhost: cannot open a web browser; open the address above by hand\n";
    }
#endif
}

int ExitCode(StepResult result) { return result == StepResult::Ok ? 0 : result == StepResult::Failed ? 1 : 2; }

}  // namespace

struct StudioServer::Impl {
    explicit Impl(ServerLimits limits) : http(limits) {}
    HttpServer http;
    std::atomic<EventStream *> events{nullptr};
};

StudioServer::StudioServer(ServerLimits limits) : impl_(std::make_unique<Impl>(limits)) {}

StudioServer::~StudioServer() = default;

int StudioServer::Bind(const std::string &address, int port) { return impl_->http.Bind(address, port); }

void StudioServer::Serve(StudioApi &api) {
    impl_->events = &api.events();
    HttpHandlers handlers;
    handlers.admit = [&api](const HttpRequest &head) { return api.Admit(head); };
    handlers.handle = [&api](const HttpRequest &request) {
        HttpResponse answer = api.Handle(request);
        // Each page reading events holds a connection for as long as it reads.
        if (answer.eventStream && !api.events().Attach(kMostReaders)) {
            return Problem(503, std::to_string(kMostReaders) + " pages read the events already; close one");
        }
        return answer;
    };
    handlers.stream = [&api](const HttpResponse &answer, const std::function<bool(const std::string &)> &send) {
        Stream(api.events(), answer, send);
    };
    impl_->http.Serve(std::move(handlers));
}

void StudioServer::Stop() {
    if (EventStream *events = impl_->events) events->Close();
    impl_->http.Stop();
}

int Serve(ServeOptions options, std::ostream &out, std::ostream &errors) {
    StudioServer server;
    const std::string &address = options.studio.listenAddress;
    const bool forwarded = !options.bindAddress.empty();
    const std::string &bound = forwarded ? options.bindAddress : address;
    const int port = server.Bind(bound, options.studio.port);
    if (port == 0) {
        // Whether another port would do tells a taken port from an address that is not
        // this machine's.
        StudioServer probe;
        if (probe.Bind(bound, 0) != 0) {
            errors << "simhost: port " << options.studio.port << " is taken; choose another with --port\n";
        } else {
            errors << "simhost: cannot listen on " << bound << "; " << (forwarded ? "--bind" : "--listen")
                   << " takes an address of this machine\n";
        }
        return 2;
    }
    options.studio.port = port;
    StudioApi api(options.studio);
    const StudioStart start = api.Start(options.sessionFile);
    out << start.transcript;
    errors << start.errors;
    if (start.result != StepResult::Ok) {
        const StudioStart end = api.Close();
        out << end.transcript;
        errors << end.errors;
        return ExitCode(start.result);
    }
    if (!net::Loopback(address)) {
        errors << "simhost: warning: --listen " << address << " serves the studio to other machines over plain "
               << "HTTP; the token in its address is the only guard, and anyone who sees it can drive the studio\n";
    } else if (forwarded && !net::Loopback(bound)) {
        // The names a page may use stay the listen address's, so a page elsewhere is still
        // refused; but a program that reaches the bound address may name it as it likes.
        errors << "simhost: warning: --bind " << bound << " takes connections from whatever reaches that address, "
               << "answered as if made to " << address << "; the token in the studio's address is the only guard\n";
    }
    // Taken from before the address is out: whoever has it may interrupt at once.
    interrupts = 0;
    OnInterrupts(OnInterrupt);
    out << "simhost: the studio is at " << api.PageAddress() << "\n"
        << "simhost: Ctrl-C stops it\n";
    out.flush();
    if (options.open) OpenInBrowser(api.PageAddress(), errors);

    std::atomic<bool> served{false};
    std::thread watcher([&] {
        while (!served && interrupts == 0) std::this_thread::sleep_for(std::chrono::milliseconds(50));
        if (served) return;
        // What waits its turn is dropped; the step that runs finishes; then the server ends.
        api.Stopping();
        server.Stop();
    });
    server.Serve(api);
    served = true;
    watcher.join();

    const StudioStart end = api.Close();
    out << end.transcript;
    errors << end.errors;
    out << "simhost: the studio stopped\n";
    out.flush();
    // Only now: a second interrupt while the modeller closed ended the program at once.
    OnInterrupts(SIG_DFL);
    return ExitCode(end.result);
}

}  // namespace simhost
