// The studio's request layer: a request (method, target, headers, body) in, a response
// out, with no socket in sight, so that tests drive it directly and the web server only
// carries bytes. It guards every request (Host, Origin, token, route, size), first on its
// head alone so that the server reads no body it would refuse, runs commands of the
// session language on the host thread, keeps the session log, and publishes an event
// after every command that runs, whose number the command's answer carries; a line
// refused before it runs publishes none. The API is described in the README ("Studio").
#pragma once

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include <nlohmann/json.hpp>

#include "simhost/language/session_script.h"
#include "simhost/studio/event_stream.h"
#include "simhost/studio/host_thread.h"
#include "simhost/studio/http_message.h"
#include "simhost/studio/page_user.h"

namespace simhost {

struct StudioOptions {
    ScriptSettings script;
    // The address and port the server listens on: requests must name one of them.
    std::string listenAddress = "127.0.0.1";
    int port = 8310;
    // Every /api request carries it; empty: a random one is made.
    std::string token;
    // Commands may read and write only here and in the output folder; empty: the current
    // folder.
    std::string workingFolder;
    // How long the plug-in waits on the person's answer to a question, or their next
    // action in a dialog, before the host answers Cancel or presses Escape for them.
    std::chrono::milliseconds answerTimeout = std::chrono::minutes(2);
    // With no page open this long, nobody is there to answer.
    std::chrono::milliseconds pageAbsence = std::chrono::seconds(3);
};

// How a startup session went: its outcome and what it printed.
struct StudioStart {
    StepResult result = StepResult::Ok;
    std::string transcript;
    std::string errors;
};

class StudioApi {
public:
    static constexpr size_t kCommandBodyLimit = 64 * 1024;
    // The largest body the server reads at all: room for an uploaded mesh.
    static constexpr size_t kUploadBodyLimit = 64 * 1024 * 1024;

    explicit StudioApi(StudioOptions options);
    // The modeller closes, as at the end of a session, if Close has not run.
    ~StudioApi();
    StudioApi(const StudioApi &) = delete;
    StudioApi &operator=(const StudioApi &) = delete;

    // Loads the plug-in, checks the output folder and runs the session file, if one is
    // given, staying open at its end; the studio goes on from there. Anything but Ok
    // means the studio cannot start.
    StudioStart Start(const std::string &sessionFile = "");
    // The modeller closes: the plug-in's exit event, the settings written; what it says.
    StudioStart Close();

    // The checks a request's head must pass before its body is read: Host, Origin, the
    // token, the route and its method. The refusal, or the most bytes its body may hold.
    std::variant<HttpResponse, size_t> Admit(const HttpRequest &head) const;
    // The whole request, checked again as Admit checks its head, and its body's size.
    HttpResponse Handle(const HttpRequest &request);

    // The studio is stopping: the step that runs finishes, the commands that wait their
    // turn are answered 503 and named in the log as not run, and no more are taken.
    // Whatever waits on the person is answered as if nobody were there.
    void Stopping();

    EventStream &events() { return events_; }
    const std::string &token() const { return options_.token; }
    // The page's address, with the token: "http://127.0.0.1:8310/?token=...".
    std::string PageAddress() const;

private:
    struct Desk;
    struct Outcome;

    std::optional<HttpResponse> Refused(const HttpRequest &request, const std::string &path,
                                        const std::string &query) const;
    HttpResponse Command(const HttpRequest &request);
    HttpResponse Events(const HttpRequest &request);
    HttpResponse PersonActs(const HttpRequest &request, const std::string &path);
    HttpResponse Upload(const std::string &query, const std::string &body);
    // Runs a parsed line on the host thread: the step, the draw after a change to the
    // document, the log, the event.
    Outcome RunOnHost(const std::string &line, ScriptCommand command);
    // On the host thread: the plug-in's questions and dialogs wait on the person at the
    // page, for whatever the log did not queue.
    void AttendToPerson();
    // On the host thread: the state now, kept for /api/state, and an event of `kind`
    // (none for "") with the binary body its references point into. The state, and the
    // number of the latest event.
    std::pair<nlohmann::json, uint64_t> PublishState(const std::string &kind,
                                                     nlohmann::json event = nlohmann::json::object(),
                                                     std::shared_ptr<const std::string> binary = nullptr);
    HttpResponse EventData(const std::string &query) const;

    StudioOptions options_;
    std::string own_;                 // the address listened on, with the port
    std::vector<std::string> hosts_;  // what the Host header may say
    EventStream events_;
    PageUser person_;
    // The state as last published, with the event's number, as the JSON sent: a page asks
    // for it while the host thread may be waiting on the person, or running a long step.
    mutable std::mutex stateMutex_;
    std::shared_ptr<const std::string> state_;
    std::atomic<bool> stopping_{false};
    std::vector<std::string> notRun_;  // on the host thread: the lines the stop dropped
    HostThread host_;
    std::unique_ptr<Desk> desk_;  // touched on the host thread only
    bool closed_ = false;
};

}  // namespace simhost
