// The request layer of the studio; what the person at the page does beyond sending lines
// is in studio_person.cpp. Sections:
//   the desk      starting, stopping and closing the modeller on the host thread
//   guarding      Host, Origin, token, route, before any body is read
//   routes        the page's files, state, mesh, log, the document as OBJ, command, events,
//                 an event's binary body
#include "simhost/studio/studio_api.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <random>
#include <sstream>
#include <variant>

#include <nlohmann/json.hpp>

#include "host/text_conversion.h"
#include "simhost/files/obj_mesh.h"
#include "simhost/host/safe_write.h"
#include "simhost/host/slot_names.h"
#include "simhost/language/command_support.h"
#include "simhost/studio/net_socket.h"
#include "simhost/studio/studio_assets.h"
#include "simhost/studio/studio_desk.h"
#include "simhost/studio/studio_state.h"

namespace simhost {

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

const char *ResultName(StepResult result) {
    switch (result) {
        case StepResult::Ok:
            return "ok";
        case StepResult::Failed:
            return "failed";
        case StepResult::BadInput:
            return "bad input";
    }
    return "failed";
}

// The lines of what a step printed; errors without the "studio:N: " that names the
// line, since the answer is to that line.
std::vector<std::string> Lines(const std::string &text, const std::string &named = "") {
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);) {
        lines.push_back(!named.empty() && line.rfind(named, 0) == 0 ? line.substr(named.size()) : line);
    }
    return lines;
}

std::string Joined(const std::vector<std::string> &lines) {
    std::string text;
    for (const std::string &line : lines) text += (text.empty() ? "" : "\n") + line;
    return text;
}

struct Route {
    const char *path;
    const char *method;
    size_t bodyLimit;
};
constexpr Route kRoutes[] = {{"/api/state", "GET", 0},
                             {"/api/mesh", "GET", 0},
                             {"/api/log", "GET", 0},
                             {"/api/document.obj", "GET", 0},
                             {"/api/events", "GET", 0},
                             {"/api/event-data", "GET", 0},
                             {"/api/command", "POST", StudioApi::kCommandBodyLimit},
                             {"/api/answer", "POST", StudioApi::kCommandBodyLimit},
                             {"/api/dialog", "POST", StudioApi::kCommandBodyLimit},
                             {"/api/upload", "POST", StudioApi::kUploadBodyLimit}};

// The page's own files and this server only: no script, style or frame from elsewhere,
// and no other site may show the page in a frame of its own.
constexpr const char *kPagePolicy =
    "default-src 'self'; script-src 'self'; style-src 'self'; img-src 'self' data: blob:; connect-src 'self'; "
    "object-src 'none'; base-uri 'none'; form-action 'self'; frame-ancestors 'none'";

std::pair<std::string, std::string> PathAndQuery(const std::string &target) {
    const size_t question = target.find('?');
    return {target.substr(0, question), question == std::string::npos ? "" : target.substr(question + 1)};
}

// A path with its %XX escapes decoded, as a browser would show it.
std::string PathDecoded(const std::string &path) {
    std::string decoded;
    for (size_t at = 0; at < path.size(); ++at) {
        if (path[at] == '%' && at + 2 < path.size() && std::isxdigit(static_cast<unsigned char>(path[at + 1])) &&
            std::isxdigit(static_cast<unsigned char>(path[at + 2]))) {
            decoded += static_cast<char>(std::stoi(path.substr(at + 1, 2), nullptr, 16));
            at += 2;
        } else {
            decoded += path[at];
        }
    }
    return decoded;
}

// The page's file at `path` ("/" is the page itself), if there is one.
const StudioAsset *Asset(const std::string &path) {
    const std::string file = path == "/" ? "/index.html" : path;
    for (const StudioAsset &asset : StudioAssets()) {
        if (asset.path == file) return &asset;
    }
    return nullptr;
}

}  // namespace

// ---- the desk ----

StudioApi::StudioApi(StudioOptions options)
    : options_(std::move(options)),
      person_([this] { return events_.Readers(); }, options_.answerTimeout, options_.pageAbsence) {
    if (options_.token.empty()) options_.token = RandomToken();
    if (options_.workingFolder.empty()) options_.workingFolder = fs::current_path().string();
    const std::string port = ":" + std::to_string(options_.port);
    const auto withPort = [&](const std::string &address) {
        return (address.find(':') != std::string::npos ? "[" + address + "]" : address) + port;
    };
    const std::string &listened = options_.listenAddress;
    own_ = withPort(listened);
    hosts_ = {own_};
    // This machine's own names answer too, when the server listens on it.
    if (listened == "127.0.0.1" || listened == "localhost") hosts_ = {"127.0.0.1" + port, "localhost" + port};
    if (!net::Loopback(listened)) {
        // Listening on every address, the server is reached by any of them; the page's
        // address names one that another machine can use, the first IPv4 one if any.
        if (listened.empty() || listened == "0.0.0.0" || listened == "::") {
            hosts_ = {"localhost" + port};
            std::string reachable;
            for (const std::string &address : net::OwnAddresses()) {
                hosts_.push_back(withPort(address));
                if (net::Loopback(address)) continue;
                const bool better = reachable.empty() || (reachable.find(':') != std::string::npos &&
                                                          address.find(':') == std::string::npos);
                if (better) reachable = address;
            }
            own_ = withPort(reachable.empty() ? "127.0.0.1" : reachable);
        }
        if (const std::string name = net::OwnHostName(); !name.empty()) hosts_.push_back(name + port);
    }
    desk_ = host_.Call([this] { return std::make_unique<Desk>(options_.script); });
}

StudioApi::~StudioApi() {
    person_.Leave();
    if (!closed_) Close();
    events_.Close();
    host_.Call([this] { desk_.reset(); });
}

std::string StudioApi::PageAddress() const { return "http://" + own_ + "/?token=" + options_.token; }

StudioStart StudioApi::Start(const std::string &sessionFile) {
    return host_.Call([&] {
        StudioStart start;
        ScriptRunner &runner = desk_->runner;
        try {
            runner.bench();
        } catch (const StepBadInput &error) {
            desk_->errors << options_.script.errorPrefix << error.what() << "\n";
            start.result = StepResult::BadInput;
        }
        if (start.result == StepResult::Ok) start.result = runner.CheckOutputFolder();
        if (start.result == StepResult::Ok && !sessionFile.empty()) {
            std::vector<std::string> commands;
            start.result = runner.RunFile(sessionFile, ScriptRunner::AtEnd::StayOpen, &commands);
            if (start.result == StepResult::Ok) {
                // The session's commands open the log, so that it replays from the start.
                desk_->log += "# from " + sessionFile + "\n";
                for (const std::string &command : commands) desk_->log += command + "\n";
            }
        }
        // The session file answers its own questions, as under `run`; from here on the
        // person at the page does.
        if (start.result == StepResult::Ok) AttendToPerson();
        runner.ConfinePaths({options_.workingFolder, options_.script.outDir});
        std::tie(start.transcript, start.errors) = desk_->TakePrinted();
        if (start.result == StepResult::Ok) PublishState("");
        return start;
    });
}

void StudioApi::Stopping() {
    stopping_ = true;
    person_.Leave();
}

StudioStart StudioApi::Close() {
    closed_ = true;
    // Whatever still waits on the person is answered as if nobody were there.
    person_.Leave();
    return host_.Call([this] {
        StudioStart end;
        end.result = desk_->runner.Finish("studio");
        std::tie(end.transcript, end.errors) = desk_->TakePrinted();
        for (const std::string &line : notRun_) {
            end.errors += options_.script.errorPrefix + "not run (the studio stopped): " + line + "\n";
        }
        return end;
    });
}

// ---- guarding ----

std::optional<HttpResponse> StudioApi::Refused(const HttpRequest &request, const std::string &path,
                                               const std::string &query) const {
    // Bytes that are not text are refused before anything reads them, the token among.
    if (!IsUtf8(PathDecoded(path))) return Problem(400, "the request's path is not UTF-8 text");
    const auto hostHeaders = std::count_if(request.headers.begin(), request.headers.end(),
                                           [](const auto &header) { return SameWord(header.first, "Host"); });
    // Two could be read two ways, by this server and by whatever stands between.
    if (hostHeaders > 1) return Problem(400, "the request names more than one Host");
    // A page elsewhere that has a name of its own resolve to this machine reaches the
    // server with its own name in Host; one that posts here says where it came from in
    // Origin. Either is refused, so only pages this server served drive it.
    const std::optional<std::string> host = request.Header("Host");
    if (!host) return Problem(400, "the request names no Host");
    if (!IsUtf8(*host)) return Problem(400, "the request's Host is not UTF-8 text");
    const std::optional<std::string> origin = request.Header("Origin");
    if (origin && !IsUtf8(*origin)) return Problem(400, "the request's Origin is not UTF-8 text");
    const auto ours = [&](const std::string &name) {
        return std::any_of(hosts_.begin(), hosts_.end(), [&](const std::string &h) { return SameWord(h, name); });
    };
    if (!ours(*host)) return Problem(403, "Host \"" + *host + "\" is not this server's address");
    if (origin) {
        const std::string scheme = "http://";
        if (origin->rfind(scheme, 0) != 0 || !ours(origin->substr(scheme.size()))) {
            return Problem(403, "Origin \"" + *origin + "\" is not this server's address");
        }
    }
    if (path.rfind("/api/", 0) == 0) {
        const std::optional<std::string> token =
            request.Header("X-Simhost-Token") ? request.Header("X-Simhost-Token") : QueryValue(query, "token");
        if (!token || !SameSecret(*token, options_.token)) {
            return Problem(403, "the request lacks this run's token (X-Simhost-Token, or ?token= in the address)");
        }
    }
    return std::nullopt;
}

std::variant<HttpResponse, size_t> StudioApi::Admit(const HttpRequest &head) const {
    const auto [path, query] = PathAndQuery(head.target);
    if (auto refusal = Refused(head, path, query)) return *refusal;
    const auto route = std::find_if(std::begin(kRoutes), std::end(kRoutes),
                                    [&target = path](const Route &r) { return target == r.path; });
    const char *method = "GET";
    size_t limit = 0;
    if (route != std::end(kRoutes)) {
        method = route->method;
        limit = route->bodyLimit;
    } else if (!Asset(path)) {
        return Problem(404, "no such page: " + path);
    }
    if (head.method != method) {
        HttpResponse refused = Problem(405, path + " takes " + method + " only");
        refused.headers.emplace_back("Allow", method);
        return refused;
    }
    return limit;
}

// ---- routes ----

HttpResponse StudioApi::Handle(const HttpRequest &request) {
    const std::variant<HttpResponse, size_t> admitted = Admit(request);
    if (const auto *refused = std::get_if<HttpResponse>(&admitted)) return *refused;
    const size_t limit = std::get<size_t>(admitted);
    const auto [path, query] = PathAndQuery(request.target);
    if (request.body.size() > limit) {
        return Problem(413, limit == 0 ? path + " takes no body"
                                       : "a request's body may be at most " + std::to_string(limit >> 10) + " KiB");
    }
    if (const StudioAsset *asset = Asset(path)) {
        HttpResponse page{200, std::string(asset->contentType), {}, std::string(asset->body), false};
        page.headers.emplace_back("Cache-Control", "no-store");
        // The page runs only its own files, talks only to this server, and shows in no
        // other site's frame.
        if (page.contentType.rfind("text/html", 0) == 0) {
            page.headers.emplace_back("Content-Security-Policy", kPagePolicy);
        }
        return page;
    }
    try {
        if (path == "/api/command") return Command(request);
        if (path == "/api/events") return Events(request);
        if (path == "/api/event-data") return EventData(query);
        if (path == "/api/answer" || path == "/api/dialog") return PersonActs(request, path);
        if (path == "/api/upload") return Upload(query, request.body);
        // The number of the latest event goes with the state, so that a page takes only
        // the events that came after it. The state is the one last published, so that a
        // page that opens while the plug-in waits on a question learns of the question.
        if (path == "/api/state") {
            std::shared_ptr<const std::string> state;
            {
                std::lock_guard lock(stateMutex_);
                state = state_;
            }
            return {200, "application/json", {}, state ? *state : "null", false};
        }
        // The meshes in one frame (README, "Studio"): the JSON, then the arrays it refers
        // to, which a page views where they lie.
        if (path == "/api/mesh") {
            std::string frame = host_.Request([this] {
                BinaryBody body;
                json mesh = MeshJson(desk_->runner.bench(), body);
                mesh["event"] = events_.Latest();
                return Framed(mesh, body);
            });
            HttpResponse mesh{200, "application/octet-stream", {}, std::move(frame), false};
            mesh.headers.emplace_back("Cache-Control", "no-store");
            return mesh;
        }
        // Save, as a download: the bytes `save` would write, of the document as it stands
        // between two commands.
        if (path == "/api/document.obj") {
            std::string text = host_.Request([this] { return ObjText(desk_->runner.bench().document()); });
            HttpResponse obj{200, "model/obj", {}, std::move(text), false};
            obj.headers.emplace_back("Content-Disposition", "attachment; filename=\"studio.obj\"");
            obj.headers.emplace_back("Cache-Control", "no-store");
            return obj;
        }
        // Read on the host thread, which publishes every event: the log holds the lines of
        // the events up to the number given with it, and none of those after.
        auto [text, event] = host_.Request([this] { return std::make_pair(desk_->log, events_.Latest()); });
        HttpResponse log{200, "text/plain; charset=utf-8", {}, std::move(text), false};
        log.headers.emplace_back("Content-Disposition", "attachment; filename=\"studio.session\"");
        log.headers.emplace_back("X-Simhost-Event", std::to_string(event));
        return log;
    } catch (const HostBusy &) {
        HttpResponse busy = Problem(503, std::to_string(HostThread::kMostWaiting) +
                                             " requests wait for the host already; send this one again in a moment");
        busy.headers.emplace_back("Retry-After", "2");
        return busy;
    } catch (const HostStopped &) {
        return Problem(503, "the studio is stopping");
    }
}

HttpResponse StudioApi::Command(const HttpRequest &request) {
    const std::string shape = "{\"line\": \"COMMAND\"}";
    auto parsed = JsonObjectBody(request, kCommandBodyLimit, shape);
    if (auto *refused = std::get_if<HttpResponse>(&parsed)) return *refused;
    const std::optional<std::string> given = TextField(std::get<json>(parsed), "line");
    if (!given) return Problem(400, "the body must be " + shape);
    const std::string &line = *given;
    if (line.find_first_of("\r\n") != std::string::npos) return Problem(400, "one command a request: no line breaks");
    // The registry refuses a line that is no command before anything runs; what it
    // parsed is what runs.
    std::optional<ScriptCommand> command;
    try {
        command = ParseScriptLine(line);
    } catch (const ScriptSyntaxError &error) {
        return Problem(400, error.what());
    }
    if (!command) return Problem(400, "the line holds no command");
    Outcome outcome = RunOnHost(line, std::move(*command));
    return JsonAnswer(outcome.status, std::move(outcome.body));
}

StudioApi::Outcome StudioApi::RunOnHost(const std::string &line, ScriptCommand command) {
    return host_.Request([this, line, command = std::move(command)] {
        Desk &desk = *desk_;
        // The stop came while the line waited its turn: the log says it did not run, so
        // that a replay does not take it for one that did.
        if (stopping_) {
            desk.log += "# not run (the studio stopped): " + line + "\n";
            notRun_.push_back(line);
            return Outcome{503, {{"error", "the studio stopped before this line's turn; it did not run"}}};
        }
        Workbench &bench = desk.runner.bench();
        const MeshSnapshot before = TakeSnapshot(bench);
        const std::string where = "studio:" + std::to_string(desk.lines + 1);
        desk.personLines.clear();
        desk.pressedEscape = false;
        desk.running = line;
        const StepResult result = desk.runner.Run(command, where);
        auto [transcript, errors] = desk.TakePrinted();
        // Actions the page sent to a dialog that had closed before their turn: said, not
        // lost without a word.
        if (const size_t late = person_.Over(); late > 0) {
            errors += options_.script.errorPrefix + where + ": the dialog closed before " +
                      Plural(late, "action", "actions") + " sent to it; they were dropped\n";
        }
        const std::string named = options_.script.errorPrefix + where + ": ";
        // Bad input changed nothing (a file that is not there, a path outside the
        // folders), unless the person was asked something on the way.
        if (result == StepResult::BadInput && desk.personLines.empty()) {
            return Outcome{400, {{"error", Joined(Lines(errors, named))}}};
        }
        // What this line adds to the log: what the person answered and did while it ran,
        // the line, and the draw after it. The event carries them, so that a page keeps
        // its copy of the log without fetching it again.
        std::vector<std::string> logged = desk.personLines;
        if (result != StepResult::Ok) logged.emplace_back("# the next line failed in the studio; a replay stops there");
        logged.push_back(line);
        desk.lines += static_cast<int>(desk.personLines.size()) + 1;
        // The modeller draws after every change to the document; the draw is a line of the
        // log like any other, so that the log replays to the same document.
        bool drew = command.effect == DocumentEffect::Draws;
        StepResult drawn = StepResult::Ok;
        if (result == StepResult::Ok && command.effect == DocumentEffect::Changes) {
            static const ScriptCommand kDraw = *ParseScriptLine("draw");
            drawn = desk.runner.Run(kDraw, where);
            ++desk.lines;
            logged.push_back(kDraw.text);
            drew = true;
            auto [drawTranscript, drawErrors] = desk.TakePrinted();
            transcript += drawTranscript;
            errors += drawErrors;
        }
        for (const std::string &added : logged) desk.log += added + "\n";
        const StepResult overall = result != StepResult::Ok ? result : drawn;
        json event = {{"line", line}, {"result", ResultName(overall)}, {"drew", drew}, {"log", std::move(logged)}};
        BinaryBody body;
        event.update(ChangesSince(before, bench, drew, body));
        if (body.Size() > 0) event["data"] = {{"bytes", body.Size()}};
        auto [state, number] = PublishState("change", std::move(event), body.Bytes());
        return Outcome{200,
                       {{"result", ResultName(overall)},
                        {"line", line},
                        {"event", number},
                        {"drew", drew},
                        {"transcript", Lines(transcript)},
                        {"errors", Lines(errors, named)},
                        {"state", std::move(state)}}};
    });
}

HttpResponse StudioApi::Events(const HttpRequest &request) {
    HttpResponse stream{200, "text/event-stream", {}, "", true};
    stream.headers.emplace_back("Cache-Control", "no-store");
    // A page that reconnects says which event it had last, and gets what came since.
    stream.eventsAfter = events_.Latest();
    if (const std::optional<std::string> last = request.Header("Last-Event-ID")) {
        try {
            stream.eventsAfter = std::min<uint64_t>(std::stoull(*last), stream.eventsAfter);
        } catch (const std::exception &) {
            // Not a number this server gave: the stream starts from now.
        }
    }
    return stream;
}

// Read off the event stream, not on the host thread: a page fetches the positions of a
// stroke while the next one runs.
HttpResponse StudioApi::EventData(const std::string &query) const {
    const std::optional<std::string> given = QueryValue(query, "event");
    if (!given) return Problem(400, "name the event: /api/event-data?event=N");
    // Digits only, and few enough for a number: no sign, space or exponent slips through.
    const bool decimal = !given->empty() && given->size() <= 19 &&
                         std::all_of(given->begin(), given->end(), [](char c) { return c >= '0' && c <= '9'; });
    if (!decimal) return Problem(400, "event=\"" + *given + "\" is not an event's number");
    const uint64_t number = std::stoull(*given);
    const EventStream::Data data = events_.DataOf(number);
    if (data.kind == EventStream::Data::Kind::NotPublished) {
        return Problem(404, "no event " + std::to_string(number) + " has been published");
    }
    if (data.kind == EventStream::Data::Kind::Dropped) {
        return Problem(410, "event " + std::to_string(number) +
                                " is no longer kept; fetch the state (/api/state) and the mesh (/api/mesh) again");
    }
    HttpResponse bytes{200, "application/octet-stream", {}, *data.bytes, false};
    bytes.headers.emplace_back("Cache-Control", "no-store");
    return bytes;
}

}  // namespace simhost
