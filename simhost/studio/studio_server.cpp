#include "simhost/studio/studio_server.h"

#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <thread>

#include <httplib.h>

#ifdef _WIN32
#include <shellapi.h>
#endif

namespace simhost {

namespace {

// The event stream says it is alive this often, so that a page that went away is noticed
// soon, its thread freed, and a question it was asked answered Cancel.
constexpr std::chrono::seconds kKeepAlive{2};
// Pages reading events at once; each holds one of the server's threads.
constexpr size_t kMostReaders = 8;

HttpRequest FromWire(const httplib::Request &wire) {
    HttpRequest request{wire.method, wire.target, {}, wire.body};
    for (const auto &[name, value] : wire.headers) request.headers.emplace_back(name, value);
    return request;
}

void Stream(EventStream &events, uint64_t after, httplib::Response &wire) {
    if (!events.Attach(kMostReaders)) {
        wire.status = 503;
        wire.set_content(
            "{\"error\":\"" + std::to_string(kMostReaders) + " pages read the events already; close one\"}",
            "application/json");
        return;
    }
    auto next = std::make_shared<uint64_t>(after);
    auto greeted = std::make_shared<bool>(false);
    wire.set_chunked_content_provider(
        "text/event-stream",
        [&events, next, greeted](size_t, httplib::DataSink &sink) {
            std::string text;
            if (!*greeted) {
                // Sent at once, so that the page knows the stream is open before any event.
                *greeted = true;
                text = "retry: 1000\n: connected\n\n";
            } else {
                const std::optional<std::string> coming = events.Next(*next, kKeepAlive);
                if (!coming) {
                    sink.done();
                    return false;
                }
                text = coming->empty() ? ": alive\n\n" : *coming;
            }
            return sink.is_writable() && sink.write(text.data(), text.size());
        },
        [&events](bool) { events.Detach(); });
}

std::atomic<bool> interrupted{false};

extern "C" void OnInterrupt(int) { interrupted = true; }

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
    httplib::Server server;
    EventStream *events = nullptr;
};

StudioServer::StudioServer() : impl_(std::make_unique<Impl>()) {
    // A port that another server listens on must be refused, not shared: the library's
    // own choice on Linux, SO_REUSEPORT, would let a second studio take half the requests
    // of the first. SO_REUSEADDR only lets a studio restart on its port at once.
    impl_->server.set_socket_options([](socket_t sock) {
        int yes = 1;
#ifdef _WIN32
        setsockopt(sock, SOL_SOCKET, SO_EXCLUSIVEADDRUSE, reinterpret_cast<const char *>(&yes), sizeof yes);
#else
        setsockopt(sock, SOL_SOCKET, SO_REUSEADDR, &yes, sizeof yes);
#endif
    });
    // Each page reading events holds a thread, and so does a command whose question waits
    // on the person: threads enough for every reader and as many requests again.
    impl_->server.new_task_queue = [] { return new httplib::ThreadPool(3 * kMostReaders); };
    impl_->server.set_payload_max_length(StudioApi::kUploadBodyLimit);
    // A short keep-alive lets the server stop soon after it is told to.
    impl_->server.set_keep_alive_timeout(2);
}

StudioServer::~StudioServer() = default;

int StudioServer::Bind(const std::string &address, int port) {
    if (port == 0) return std::max(impl_->server.bind_to_any_port(address), 0);
    return impl_->server.bind_to_port(address, port) ? port : 0;
}

void StudioServer::Serve(StudioApi &api) {
    impl_->events = &api.events();
    const auto handle = [&api](const httplib::Request &wire, httplib::Response &answer) {
        const HttpResponse response = api.Handle(FromWire(wire));
        answer.status = response.status;
        for (const auto &[name, value] : response.headers) answer.set_header(name, value);
        if (response.eventStream) {
            Stream(api.events(), response.eventsAfter, answer);
        } else {
            answer.set_content(response.body, response.contentType);
        }
    };
    httplib::Server &server = impl_->server;
    server.Get(".*", handle);
    server.Post(".*", handle);
    server.Put(".*", handle);
    server.Patch(".*", handle);
    server.Delete(".*", handle);
    server.Options(".*", handle);
    server.listen_after_bind();
}

void StudioServer::Stop() {
    if (impl_->events != nullptr) impl_->events->Close();
    impl_->server.stop();
}

int Serve(ServeOptions options, std::ostream &out, std::ostream &errors) {
    StudioServer server;
    const std::string &address = options.studio.listenAddress;
    const int port = server.Bind(address, options.studio.port);
    if (port == 0) {
        // Whether another port would do tells a taken port from an address that is not
        // this machine's.
        StudioServer probe;
        if (probe.Bind(address, 0) != 0) {
            errors << "simhost: port " << options.studio.port << " is taken; choose another with --port\n";
        } else {
            errors << "simhost: cannot listen on " << address << "; --listen takes an address of this machine\n";
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
    out << "simhost: the studio is at " << api.PageAddress() << "\n"
        << "simhost: Ctrl-C stops it\n";
    out.flush();
    if (options.open) OpenInBrowser(api.PageAddress(), errors);

    interrupted = false;
    std::signal(SIGINT, OnInterrupt);
    std::signal(SIGTERM, OnInterrupt);
    std::atomic<bool> served{false};
    // Told again until it has stopped: an interrupt may come before the server listens.
    std::thread watcher([&] {
        while (!served) {
            if (interrupted) server.Stop();
            std::this_thread::sleep_for(std::chrono::milliseconds(100));
        }
    });
    server.Serve(api);
    served = true;
    watcher.join();
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);

    const StudioStart end = api.Close();
    out << end.transcript;
    errors << end.errors;
    out << "simhost: the studio stopped\n";
    return ExitCode(end.result);
}

}  // namespace simhost
