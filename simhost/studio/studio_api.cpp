// The request layer of the studio; what the person at the page does beyond sending lines
// is in studio_person.cpp. Sections:
//   the desk      starting and closing the modeller on the host thread
//   guarding      Host, Origin, token
//   routes        the page's files, state, mesh, log, command, events
#include "simhost/studio/studio_api.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <random>
#include <set>
#include <sstream>
#include <variant>

#include <nlohmann/json.hpp>

#include "host/text_conversion.h"
#include "simhost/host/safe_write.h"
#include "simhost/host/slot_names.h"
#include "simhost/language/command_args.h"
#include "simhost/language/command_support.h"
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

// A change to the document: a stroke of a tool, a selection, an object hidden, shown,
// exempted or deleted, a mesh loaded, a new document. The modeller draws its views after
// every one of them.
bool Redraws(const std::string &line) {
    const std::vector<std::string> words = Tokens(line);
    if (words.empty()) return false;
    const std::string verb = Lower(words.front());
    if (verb == "move") return words.size() < 2 || Lower(words[1]) != "window";
    static const std::set<std::string> kChanges = {"scale",  "jitter", "smooth",  "select", "hide", "show",
                                                   "exempt", "delete", "compact", "load",   "make", "new"};
    return kChanges.count(verb) > 0;
}

}  // namespace

// ---- the desk ----

StudioApi::StudioApi(StudioOptions options)
    : options_(std::move(options)),
      person_([this] { return events_.Readers(); }, options_.answerTimeout, options_.pageAbsence) {
    if (options_.token.empty()) options_.token = RandomToken();
    if (options_.workingFolder.empty()) options_.workingFolder = fs::current_path().string();
    const std::string port = ":" + std::to_string(options_.port);
    const std::string address = options_.listenAddress.find(':') != std::string::npos
                                    ? "[" + options_.listenAddress + "]"
                                    : options_.listenAddress;
    own_ = address + port;
    hosts_ = {own_};
    // This machine's own names answer too, when the server listens on it.
    if (options_.listenAddress == "127.0.0.1" || options_.listenAddress == "localhost") {
        hosts_ = {"127.0.0.1" + port, "localhost" + port};
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
            start.result = runner.RunFile(sessionFile, ScriptRunner::AtEnd::StayOpen);
            if (start.result == StepResult::Ok) {
                // The session's commands open the log, so that it replays from the start.
                std::ifstream file(sessionFile, std::ios::binary);
                desk_->log += "# from " + sessionFile + "\n";
                for (std::string line; std::getline(file, line);) {
                    if (!line.empty() && line.back() == '\r') line.pop_back();
                    if (auto command = ParseScriptLine(line)) desk_->log += command->text + "\n";
                }
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

StudioStart StudioApi::Close() {
    closed_ = true;
    // Whatever still waits on the person is answered as if nobody were there.
    person_.Leave();
    return host_.Call([this] {
        StudioStart end;
        end.result = desk_->runner.Finish("studio");
        std::tie(end.transcript, end.errors) = desk_->TakePrinted();
        return end;
    });
}

// ---- guarding ----

std::optional<HttpResponse> StudioApi::Refused(const HttpRequest &request, const std::string &path,
                                               const std::string &query) const {
    // A page elsewhere that has a name of its own resolve to this machine reaches the
    // server with its own name in Host; one that posts here says where it came from in
    // Origin. Either is refused, so only pages this server served drive it.
    const std::optional<std::string> host = request.Header("Host");
    if (!host) return Problem(400, "the request names no Host");
    const auto ours = [&](const std::string &name) {
        return std::any_of(hosts_.begin(), hosts_.end(), [&](const std::string &h) { return SameWord(h, name); });
    };
    if (!ours(*host)) return Problem(403, "Host \"" + *host + "\" is not this server's address");
    if (const std::optional<std::string> origin = request.Header("Origin")) {
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

// ---- routes ----

HttpResponse StudioApi::Handle(const HttpRequest &request) {
    const size_t question = request.target.find('?');
    const std::string path = request.target.substr(0, question);
    const std::string query = question == std::string::npos ? "" : request.target.substr(question + 1);
    if (auto refusal = Refused(request, path, query)) return *refusal;

    struct Route {
        const char *path;
        const char *method;
    };
    static constexpr Route kRoutes[] = {{"/api/state", "GET"},   {"/api/mesh", "GET"},     {"/api/log", "GET"},
                                        {"/api/events", "GET"},  {"/api/command", "POST"}, {"/api/answer", "POST"},
                                        {"/api/dialog", "POST"}, {"/api/upload", "POST"}};
    const auto route =
        std::find_if(std::begin(kRoutes), std::end(kRoutes), [&](const Route &r) { return path == r.path; });
    if (route == std::end(kRoutes)) {
        const std::string file = path == "/" ? "/index.html" : path;
        for (const StudioAsset &asset : StudioAssets()) {
            if (asset.path != file) continue;
            if (request.method != "GET") {
                HttpResponse refused = Problem(405, path + " takes GET only");
                refused.headers.emplace_back("Allow", "GET");
                return refused;
            }
            HttpResponse page{200, std::string(asset.contentType), {}, std::string(asset.body), false};
            page.headers.emplace_back("Cache-Control", "no-store");
            return page;
        }
        return Problem(404, "no such page: " + path);
    }
    if (request.method != route->method) {
        HttpResponse refused = Problem(405, path + " takes " + route->method + " only");
        refused.headers.emplace_back("Allow", route->method);
        return refused;
    }
    try {
        if (path == "/api/command") return Command(request);
        if (path == "/api/events") return Events(request);
        if (path == "/api/answer" || path == "/api/dialog") return PersonActs(request, path);
        if (path == "/api/upload") return Upload(query, request.body);
        // The number of the latest event goes with the state, so that a page takes only
        // the events that came after it. The state is the one last published, so that a
        // page that opens while the plug-in waits on a question learns of the question.
        if (path == "/api/state") {
            std::lock_guard lock(stateMutex_);
            return JsonAnswer(200, state_);
        }
        if (path == "/api/mesh") {
            return JsonAnswer(200, host_.Call([this] {
                json mesh = MeshJson(desk_->runner.bench());
                mesh["event"] = events_.Latest();
                return mesh;
            }));
        }
        HttpResponse log{200, "text/plain; charset=utf-8", {}, host_.Call([this] { return desk_->log; }), false};
        log.headers.emplace_back("Content-Disposition", "attachment; filename=\"studio.session\"");
        return log;
    } catch (const HostStopped &stopped) {
        return Problem(503, stopped.what());
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
    // The registry refuses a line that is no command before anything runs.
    try {
        if (!ParseScriptLine(line)) return Problem(400, "the line holds no command");
    } catch (const ScriptSyntaxError &error) {
        return Problem(400, error.what());
    }
    Outcome outcome = RunOnHost(line);
    return JsonAnswer(outcome.status, std::move(outcome.body));
}

StudioApi::Outcome StudioApi::RunOnHost(const std::string &line) {
    return host_.Call([this, line] {
        Desk &desk = *desk_;
        Workbench &bench = desk.runner.bench();
        const MeshSnapshot before = TakeSnapshot(bench);
        const std::string where = "studio:" + std::to_string(desk.lines + 1);
        desk.personLines.clear();
        desk.pressedEscape = false;
        const StepResult result = desk.runner.RunLine(line, where);
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
        for (const std::string &given : desk.personLines) {
            desk.log += given + "\n";
            ++desk.lines;
        }
        ++desk.lines;
        if (result != StepResult::Ok) desk.log += "# the next line failed in the studio; a replay stops there\n";
        desk.log += line + "\n";
        // The modeller draws after every change to the document; the draw is a line of the
        // log like any other, so that the log replays to the same document.
        bool drew = Lower(Tokens(line).front()) == "draw";
        StepResult drawn = StepResult::Ok;
        if (result == StepResult::Ok && Redraws(line)) {
            drawn = desk.runner.RunLine("draw", where);
            ++desk.lines;
            desk.log += "draw\n";
            drew = true;
            auto [drawTranscript, drawErrors] = desk.TakePrinted();
            transcript += drawTranscript;
            errors += drawErrors;
        }
        const StepResult overall = result != StepResult::Ok ? result : drawn;
        json event = {{"line", line}, {"result", ResultName(overall)}, {"drew", drew}};
        event.update(ChangesSince(before, bench, drew));
        json state = PublishState("change", std::move(event));
        return Outcome{200,
                       {{"result", ResultName(overall)},
                        {"line", line},
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

}  // namespace simhost
