// A small HTTP/1.1 server that carries bytes between sockets and a request layer: a
// thread for each connection, up to a cap; a deadline for every request's head and body;
// and no body byte read before the layer has admitted the request's head and said how
// long its body may be. What it answers itself (a head too slow, too large, or a body
// sent without a length) never reaches the layer.
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <functional>
#include <memory>
#include <string>
#include <variant>

#include "simhost/studio/http_message.h"

namespace simhost {

struct ServerLimits {
    // Connections served at once; past them a connection is answered 503 and closed, its
    // request unread. Each holds a thread, and a page holds several (its event stream,
    // a command waiting on the host, its answer to a question).
    size_t mostConnections = 128;
    // The whole request line and headers must come within this, from the connection or
    // from a request's first byte: a client sending a line a second holds a thread no
    // longer than this.
    std::chrono::milliseconds headDeadline = std::chrono::seconds(10);
    size_t mostHeadBytes = 16 * 1024;
    // A body must come within the first, and the second more for each MiB of it.
    std::chrono::milliseconds bodyDeadline = std::chrono::seconds(10);
    std::chrono::milliseconds bodyDeadlinePerMiB = std::chrono::seconds(1);
    // A kept-alive connection with no new request this long is closed.
    std::chrono::milliseconds idle = std::chrono::seconds(2);
    // A peer that takes nothing of a response for this long is gone.
    std::chrono::milliseconds sendStall = std::chrono::seconds(10);
};

// What the server asks of the request layer.
struct HttpHandlers {
    // The request's head (its body empty): a refusal, or the most bytes its body may hold.
    std::function<std::variant<HttpResponse, size_t>(const HttpRequest &head)> admit;
    // The whole request: the answer. What it throws is answered 500, its text on standard
    // error only.
    std::function<HttpResponse(const HttpRequest &request)> handle;
    // For an answer that is an event stream, once its head is sent: writes the stream
    // through `send` until `send` fails or the stream ends.
    std::function<void(const HttpResponse &answer, const std::function<bool(const std::string &)> &send)> stream;
};

class HttpServer {
public:
    explicit HttpServer(ServerLimits limits = {});
    ~HttpServer();
    HttpServer(const HttpServer &) = delete;
    HttpServer &operator=(const HttpServer &) = delete;

    // Listens on the address and port (0: any free one); returns the port, or 0 when it
    // cannot be had. Clients may connect from then on; Serve takes their connections.
    int Bind(const std::string &address, int port);
    // Serves until Stop, then waits for every connection's thread to end.
    void Serve(HttpHandlers handlers);
    // From any thread: no new connection or request is taken; each connection ends once
    // the request it carries is answered.
    void Stop();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

// The status line's words for a status.
const char *StatusText(int status);

}  // namespace simhost
