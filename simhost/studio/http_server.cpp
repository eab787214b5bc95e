// Sections:
//   the wire       reading a head, writing an answer
//   a connection   its requests one after another, each admitted before its body is read
//   the server     the accept loop, the cap, stopping
#include "simhost/studio/http_server.h"

#include <algorithm>
#include <cctype>
#include <iostream>
#include <list>
#include <optional>
#include <string_view>
#include <thread>

#include "simhost/studio/net_socket.h"

namespace simhost {

using Clock = std::chrono::steady_clock;
using std::chrono::milliseconds;

namespace {

// How often a thread that waits on a socket looks whether the server is stopping.
constexpr milliseconds kGlance{100};
// A refused request may have sent part of its body already; so much of it, for so long,
// is read and thrown away before the connection closes, so that the client gets its
// answer rather than a reset.
constexpr size_t kMostDrained = 64 * 1024;
constexpr milliseconds kDrainTime{1000};
// Connections past the cap that are answered 503 on threads of their own; past these
// too, a connection is closed at once.
constexpr size_t kMostRefusing = 16;

// ---- the wire ----

bool TokenChar(char c) {
    return std::isalnum(static_cast<unsigned char>(c)) || std::string_view("!#$%&'*+-.^_`|~").find(c) != std::string_view::npos;
}

// A header's text with no byte that could end a line or the head.
std::string Clean(const std::string &text) {
    std::string clean = text;
    for (char &c : clean) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F) c = ' ';
    }
    return clean;
}

std::string AnswerHead(const HttpResponse &answer, std::optional<size_t> length, bool close) {
    std::string head = "HTTP/1.1 " + std::to_string(answer.status) + " " + StatusText(answer.status) + "\r\n";
    head += "Content-Type: " + Clean(answer.contentType) + "\r\n";
    if (length) head += "Content-Length: " + std::to_string(*length) + "\r\n";
    // Every answer is taken as the type it says it is, and a page's address is told to
    // no other site.
    head += "X-Content-Type-Options: nosniff\r\nReferrer-Policy: no-referrer\r\n";
    for (const auto &[name, value] : answer.headers) head += Clean(name) + ": " + Clean(value) + "\r\n";
    if (close) head += "Connection: close\r\n";
    return head + "\r\n";
}

struct Head {
    HttpRequest request;
    bool closeAfter = false;  // HTTP/1.0, or the client asked
};

// The request line and headers, as text without the blank line that ends them; else the
// refusal.
std::variant<Head, HttpResponse> ParseHead(const std::string &text) {
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        size_t end = text.find('\n', at);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(at, end - at);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(std::move(line));
        at = end + 1;
    }
    Head head;
    HttpRequest &request = head.request;
    const std::string &first = lines.front();
    const size_t space = first.find(' ');
    const size_t second = space == std::string::npos ? space : first.find(' ', space + 1);
    if (second == std::string::npos || first.find(' ', second + 1) != std::string::npos) {
        return Problem(400, "the request line is not METHOD TARGET HTTP/1.1");
    }
    request.method = first.substr(0, space);
    request.target = first.substr(space + 1, second - space - 1);
    const std::string version = first.substr(second + 1);
    if (request.method.empty() || !std::all_of(request.method.begin(), request.method.end(), TokenChar)) {
        return Problem(400, "the request's method is not a word");
    }
    if (request.target.empty() || request.target.front() != '/' ||
        std::any_of(request.target.begin(), request.target.end(),
                    [](char c) { return static_cast<unsigned char>(c) <= 0x20 || c == 0x7F; })) {
        return Problem(400, "the request's target is not a path");
    }
    if (version != "HTTP/1.1" && version != "HTTP/1.0") return Problem(505, "the server speaks HTTP/1.1");
    head.closeAfter = version == "HTTP/1.0";
    for (size_t i = 1; i < lines.size(); ++i) {
        const std::string &line = lines[i];
        const size_t colon = line.find(':');
        if (colon == 0 || colon == std::string::npos ||
            !std::all_of(line.begin(), line.begin() + static_cast<long>(colon), TokenChar)) {
            return Problem(400, "header line " + std::to_string(i) + " is not NAME: VALUE");
        }
        std::string value = line.substr(colon + 1);
        const size_t from = value.find_first_not_of(" \t");
        value = from == std::string::npos ? "" : value.substr(from, value.find_last_not_of(" \t") - from + 1);
        if (std::any_of(value.begin(), value.end(), [](char c) {
                return (static_cast<unsigned char>(c) < 0x20 && c != '\t') || c == 0x7F;
            })) {
            return Problem(400, "header line " + std::to_string(i) + " holds a control character");
        }
        request.headers.emplace_back(line.substr(0, colon), std::move(value));
    }
    if (const std::optional<std::string> connection = request.Header("Connection")) {
        const std::string words = Clean(*connection);
        std::string lower(words.size(), ' ');
        std::transform(words.begin(), words.end(), lower.begin(),
                       [](char c) { return static_cast<char>(std::tolower(static_cast<unsigned char>(c))); });
        if (lower.find("close") != std::string::npos) head.closeAfter = true;
        if (lower.find("keep-alive") != std::string::npos && version == "HTTP/1.0") head.closeAfter = false;
    }
    return head;
}

// The body's length as the head declares it: nullopt when it declares none; -1 when the
// declaration is not one number.
std::optional<long long> DeclaredLength(const HttpRequest &request) {
    std::optional<long long> length;
    for (const auto &[name, value] : request.headers) {
        if (!SameWord(name, "Content-Length")) continue;
        if (length || value.empty() || value.size() > 15 ||
            !std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; })) {
            return -1;
        }
        length = std::stoll(value);
    }
    return length;
}

}  // namespace

// ---- a connection ----

struct HttpServer::Impl {
    explicit Impl(ServerLimits given) : limits(given) {}

    enum class Got { Bytes, Closed, Late, Stopped };

    // Waits until `by` for more bytes, and appends them.
    Got ReadMore(const net::Socket &socket, std::string &into, Clock::time_point by) const {
        for (;;) {
            if (stopping) return Got::Stopped;
            const auto left = std::chrono::duration_cast<milliseconds>(by - Clock::now());
            if (left.count() <= 0) return Got::Late;
            const net::Ready ready = net::WaitReadable(socket, std::min(left, kGlance));
            if (ready == net::Ready::TimedOut) continue;
            if (ready == net::Ready::Failed) return Got::Closed;
            char buffer[16 * 1024];
            const long got = net::Receive(socket, buffer, sizeof buffer);
            if (got == 0) return Got::Closed;
            if (got > 0) {
                into.append(buffer, static_cast<size_t>(got));
                return Got::Bytes;
            }
        }
    }

    bool Send(const net::Socket &socket, const std::string &text) const {
        return net::SendAll(socket, text.data(), text.size(), limits.sendStall);
    }

    bool Answer(const net::Socket &socket, const HttpResponse &answer, bool close, bool headOnly) const {
        const std::string head = AnswerHead(answer, answer.body.size(), close);
        return headOnly ? Send(socket, head) : Send(socket, head + answer.body);
    }

    // Answers, then closes after reading and throwing away a little of what the client
    // still sends: its request was not read, and closing on unread bytes resets the
    // connection, which may lose the answer on its way.
    void AnswerAndClose(const net::Socket &socket, const HttpResponse &answer) const {
        if (!Answer(socket, answer, true, false)) return;
        net::ShutdownSending(socket);
        std::string drained;
        const Clock::time_point by = Clock::now() + kDrainTime;
        while (drained.size() < kMostDrained && ReadMore(socket, drained, by) == Got::Bytes) {
        }
    }

    // Reads exactly `length` bytes after what `pending` holds already, until `by`.
    bool ReadBody(const net::Socket &socket, std::string &pending, size_t length, std::string &body,
                  Clock::time_point by) const {
        body.reserve(length);
        for (;;) {
            const size_t take = std::min(length - body.size(), pending.size());
            body.append(pending, 0, take);
            pending.erase(0, take);
            if (body.size() == length) return true;
            if (ReadMore(socket, pending, by) != Got::Bytes) return false;
        }
    }

    // Whether a request's head is ready in `pending`: its text, or the answer that refuses
    // it; nullopt when the connection is over without a word.
    std::optional<std::variant<Head, HttpResponse>> ReadHead(const net::Socket &socket, std::string &pending,
                                                               Clock::time_point by, bool idle) const {
        for (;;) {
            const size_t start = pending.find_first_not_of("\r\n");
            if (start == std::string::npos) {
                pending.clear();
            } else {
                size_t end = pending.find("\r\n\r\n", start);
                size_t endLength = 4;
                if (const size_t bare = pending.find("\n\n", start); bare < end) {
                    end = bare;
                    endLength = 2;
                }
                if (end != std::string::npos && end <= limits.mostHeadBytes) {
                    const std::string text = pending.substr(start, end - start);
                    pending.erase(0, end + endLength);
                    return ParseHead(text);
                }
                if (pending.size() - start > limits.mostHeadBytes) {
                    return HttpResponse(Problem(431, "a request's line and headers may hold at most " +
                                                         std::to_string(limits.mostHeadBytes / 1024) + " KiB"));
                }
            }
            // A connection that sends nothing in its time is closed without a word: a
            // browser opens some ahead of need.
            const bool nothing = pending.empty();
            const Clock::time_point until = nothing && idle ? std::min(by, Clock::now() + limits.idle) : by;
            const Got got = ReadMore(socket, pending, until);
            if (got == Got::Late && !nothing) return HttpResponse(Problem(408, "the request's head came too slowly"));
            if (got != Got::Bytes) return std::nullopt;
            if (nothing && idle) by = Clock::now() + limits.headDeadline;
        }
    }

    void Serve(const net::Socket &socket) const {
        std::string pending;
        Clock::time_point by = Clock::now() + limits.headDeadline;
        for (bool first = true; !stopping; first = false) {
            std::optional<std::variant<Head, HttpResponse>> read = ReadHead(socket, pending, by, !first);
            if (!read) return;
            if (auto *refused = std::get_if<HttpResponse>(&*read)) return AnswerAndClose(socket, *refused);
            Head &head = std::get<Head>(*read);
            if (!Request(socket, head, pending)) return;
            by = Clock::now() + limits.headDeadline;
        }
    }

    // One request, from its head on; false when the connection is to close.
    bool Request(const net::Socket &socket, Head &head, std::string &pending) const {
        HttpRequest &request = head.request;
        const bool headOnly = request.method == "HEAD";
        const std::optional<long long> declared = DeclaredLength(request);
        const bool sendsBody = request.Header("Transfer-Encoding") || (declared && *declared != 0);
        std::variant<HttpResponse, size_t> admitted = Problem(500, "");
        try {
            admitted = handlers.admit(request);
        } catch (const std::exception &fault) {
            admitted = Fault(request, fault.what());
        }
        if (auto *refused = std::get_if<HttpResponse>(&admitted)) {
            // The unread body of a small refused request is thrown away, so that the
            // connection serves on; any other closes it.
            if (sendsBody && !(declared && *declared > 0 && static_cast<size_t>(*declared) <= kMostDrained)) {
                AnswerAndClose(socket, *refused);
                return false;
            }
            std::string ignored;
            if (sendsBody && !ReadBody(socket, pending, static_cast<size_t>(*declared), ignored,
                                       Deadline(static_cast<size_t>(*declared)))) {
                return false;
            }
            return Answer(socket, *refused, head.closeAfter || stopping, headOnly) && !head.closeAfter;
        }
        const size_t limit = std::get<size_t>(admitted);
        const bool takesBody = request.method == "POST" || request.method == "PUT" || request.method == "PATCH";
        if (request.Header("Transfer-Encoding") || (takesBody && !declared)) {
            AnswerAndClose(socket, Problem(411, "send the body with a Content-Length"));
            return false;
        }
        if (declared && *declared < 0) {
            AnswerAndClose(socket, Problem(400, "Content-Length is not one number"));
            return false;
        }
        const size_t length = declared ? static_cast<size_t>(*declared) : 0;
        if (length > limit) {
            AnswerAndClose(socket, Problem(413, "this request's body may be at most " + Size(limit)));
            return false;
        }
        if (length > 0 && request.Header("Expect") && SameWord(*request.Header("Expect"), "100-continue") &&
            !Send(socket, "HTTP/1.1 100 Continue\r\n\r\n")) {
            return false;
        }
        if (!ReadBody(socket, pending, length, request.body, Deadline(length))) {
            if (!stopping) AnswerAndClose(socket, Problem(408, "the request's body came too slowly"));
            return false;
        }
        HttpResponse answer;
        try {
            answer = handlers.handle(request);
        } catch (const std::exception &fault) {
            answer = Fault(request, fault.what());
        }
        if (answer.eventStream) {
            const bool opened = Send(socket, AnswerHead(answer, std::nullopt, true));
            handlers.stream(answer, [&](const std::string &text) { return opened && Send(socket, text); });
            return false;
        }
        const bool close = head.closeAfter || stopping;
        return Answer(socket, answer, close, headOnly) && !close;
    }

    Clock::time_point Deadline(size_t length) const {
        return Clock::now() + limits.bodyDeadline + limits.bodyDeadlinePerMiB * static_cast<long>(length >> 20);
    }

    static std::string Size(size_t bytes) {
        return bytes >= (size_t{1} << 20) ? std::to_string(bytes >> 20) + " MiB" : std::to_string(bytes >> 10) + " KiB";
    }

    // The server's own fault: said on standard error, never to the client.
    static HttpResponse Fault(const HttpRequest &request, const std::string &what) {
        std::cerr << ("simhost: the studio failed on " + request.method + " " +
                      request.target.substr(0, request.target.find('?')) + ": " + what + "\n");
        return Problem(500, "the studio failed on this request; its standard error says why");
    }

    ServerLimits limits;
    HttpHandlers handlers;
    net::Socket listener;
    std::atomic<bool> stopping{false};
    std::atomic<size_t> open{0};
    std::atomic<size_t> refusing{0};
};

// ---- the server ----

HttpServer::HttpServer(ServerLimits limits) : impl_(std::make_unique<Impl>(limits)) {}

HttpServer::~HttpServer() = default;

int HttpServer::Bind(const std::string &address, int port) {
    int bound = port;
    impl_->listener = net::Listen(address, bound);
    return impl_->listener.Valid() ? bound : 0;
}

void HttpServer::Serve(HttpHandlers handlers) {
    Impl &server = *impl_;
    server.handlers = std::move(handlers);
    struct Worker {
        std::thread thread;
        std::shared_ptr<std::atomic<bool>> done;
    };
    std::list<Worker> workers;
    const auto start = [&](net::Socket connection, std::atomic<size_t> &counted, bool refuse) {
        ++counted;
        auto done = std::make_shared<std::atomic<bool>>(false);
        workers.push_back({std::thread([&server, &counted, refuse, done, socket = std::move(connection)] {
                               if (refuse) {
                                   HttpResponse busy = Problem(503, "the studio serves as many connections as it "
                                                                    "can; try again in a moment");
                                   busy.headers.emplace_back("Retry-After", "1");
                                   server.AnswerAndClose(socket, busy);
                               } else {
                                   server.Serve(socket);
                               }
                               --counted;
                               *done = true;
                           }),
                           done});
    };
    while (!server.stopping && server.listener.Valid()) {
        for (auto worker = workers.begin(); worker != workers.end();) {
            if (*worker->done) {
                worker->thread.join();
                worker = workers.erase(worker);
            } else {
                ++worker;
            }
        }
        if (net::WaitReadable(server.listener, kGlance) != net::Ready::Yes) continue;
        net::Socket connection = net::Accept(server.listener);
        if (!connection.Valid()) continue;
        if (server.open < server.limits.mostConnections) {
            start(std::move(connection), server.open, false);
        } else if (server.refusing < kMostRefusing) {
            start(std::move(connection), server.refusing, true);
        }
    }
    // Clients that come from now on are refused by the system, not left waiting.
    server.listener = net::Socket();
    for (Worker &worker : workers) worker.thread.join();
}

void HttpServer::Stop() { impl_->stopping = true; }

const char *StatusText(int status) {
    switch (status) {
        case 100: return "Continue";
        case 200: return "OK";
        case 400: return "Bad Request";
        case 403: return "Forbidden";
        case 404: return "Not Found";
        case 405: return "Method Not Allowed";
        case 408: return "Request Timeout";
        case 409: return "Conflict";
        case 411: return "Length Required";
        case 413: return "Content Too Large";
        case 431: return "Request Header Fields Too Large";
        case 500: return "Internal Server Error";
        case 503: return "Service Unavailable";
        case 505: return "HTTP Version Not Supported";
        default: return status < 400 ? "OK" : status < 500 ? "Bad Request" : "Internal Server Error";
    }
}

}  // namespace simhost
