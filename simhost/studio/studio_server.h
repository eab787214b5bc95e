// The studio's web server: it carries requests to the request layer (studio_api.h) and
// its answers back, streams the events, and is what `simhost serve` runs.
#pragma once

#include <memory>
#include <ostream>
#include <string>

#include "simhost/studio/http_server.h"
#include "simhost/studio/studio_api.h"

namespace simhost {

class StudioServer {
public:
    // Pages reading events at once; a reader more gets 503.
    static constexpr size_t kMostReaders = 8;

    explicit StudioServer(ServerLimits limits = {});
    ~StudioServer();
    StudioServer(const StudioServer &) = delete;
    StudioServer &operator=(const StudioServer &) = delete;

    // Listens on the address and port (0: any free one); returns the port, or 0 when it
    // cannot be had. From then on clients may connect: their requests wait for Serve.
    int Bind(const std::string &address, int port);
    // Serves `api`'s requests until Stop; returns once every connection has ended.
    void Serve(StudioApi &api);
    // Ends the event streams and the serving; from any thread, before Serve too.
    void Stop();

private:
    struct Impl;
    std::unique_ptr<Impl> impl_;
};

struct ServeOptions {
    StudioOptions studio;
    std::string sessionFile;  // run first, when given
    bool open = false;        // open the page in the system's web browser
    // The address the socket takes when it is not the one the page is reached by: a port
    // forward (a virtual machine's, a container's) carries connections made to the
    // listen address on this machine's side to this one. Empty: the listen address.
    std::string bindAddress;
};

// `simhost serve`: binds, runs the session, prints the page's address and serves until
// interrupted (Ctrl-C, or SIGTERM): the step that runs finishes, those queued are not
// run, and the modeller closes as at the end of a session. A second interrupt ends the
// program at once, without closing. Returns the exit status: 2 when the port is taken or
// the session's input is bad, 1 when a step of the session failed or closing did.
int Serve(ServeOptions options, std::ostream &out, std::ostream &errors);

}  // namespace simhost
