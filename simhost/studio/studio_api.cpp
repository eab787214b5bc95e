// The request layer of the studio. Sections:
//   requests      headers, the target's path and query
//   the desk      what the host thread owns: the runner, its transcript, the log
//   guarding      Host, Origin, token, size
//   the person    questions and dialogs that wait on the page
//   routes        the page, state, mesh, log, command, events, answers, uploads
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
#include "simhost/language/command_args.h"
#include "simhost/language/command_support.h"
#include "simhost/studio/studio_assets.h"
#include "simhost/studio/studio_state.h"

namespace simhost {

namespace fs = std::filesystem;
using nlohmann::json;

// ---- requests ----

namespace {

bool SameWord(const std::string &a, const std::string &b) { return Lower(a) == Lower(b); }

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string PercentDecoded(const std::string &text) {
    std::string out;
    for (size_t at = 0; at < text.size(); ++at) {
        if (text[at] == '+') {
            out += ' ';
        } else if (text[at] == '%' && at + 2 < text.size() && HexDigit(text[at + 1]) >= 0 &&
                   HexDigit(text[at + 2]) >= 0) {
            out += static_cast<char>(HexDigit(text[at + 1]) * 16 + HexDigit(text[at + 2]));
            at += 2;
        } else {
            out += text[at];
        }
    }
    return out;
}

// The value of `name` in a query ("a=1&token=..."), decoded.
std::optional<std::string> QueryValue(const std::string &query, const std::string &name) {
    std::istringstream pairs(query);
    std::string pair;
    while (std::getline(pairs, pair, '&')) {
        const size_t equals = pair.find('=');
        if (PercentDecoded(pair.substr(0, equals)) == name) {
            return equals == std::string::npos ? "" : PercentDecoded(pair.substr(equals + 1));
        }
    }
    return std::nullopt;
}

// Compares in a time that does not depend on where the texts first differ, so that the
// token cannot be guessed a character at a time.
bool SameSecret(const std::string &given, const std::string &secret) {
    if (given.size() != secret.size() || secret.empty()) return false;
    unsigned difference = 0;
    for (size_t i = 0; i < secret.size(); ++i) difference |= static_cast<unsigned char>(given[i] ^ secret[i]);
    return difference == 0;
}

std::string RandomToken() {
    std::random_device source;
    std::string token;
    for (int i = 0; i < 4; ++i) {
        char part[9];
        std::snprintf(part, sizeof part, "%08x", static_cast<unsigned>(source()));
        token += part;
    }
    return token;
}

HttpResponse Answer(int status, json body) { return {status, "application/json", {}, body.dump(), false}; }

HttpResponse Problem(int status, const std::string &message) { return Answer(status, {{"error", message}}); }

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
    static const std::set<std::string> kChanges = {"scale", "jitter", "smooth", "select", "hide",   "show",
                                                   "exempt", "delete", "compact", "load",  "make",  "new"};
    return kChanges.count(verb) > 0;
}

// The body of a request, as a JSON object; else the answer that refuses it.
std::variant<json, HttpResponse> JsonObjectBody(const HttpRequest &request, size_t limit, const std::string &shape) {
    if (request.body.size() > limit) {
        return Problem(413, "a request's body may be at most " + std::to_string(limit / 1024) + " KiB");
    }
    json body = json::parse(request.body, nullptr, false);
    if (body.is_discarded()) return Problem(400, "the body is not JSON");
    if (!body.is_object()) return Problem(400, "the body must be " + shape);
    return body;
}

// The text of `key` in a JSON object body, if it is text.
std::optional<std::string> TextField(const json &body, const char *key) {
    if (!body.contains(key) || !body[key].is_string()) return std::nullopt;
    return body[key].get<std::string>();
}

// A name for an uploaded file: a plain file name ending in .obj, no folder, nothing
// hidden, nothing a shell or another system reads otherwise.
bool PlainObjName(const std::string &name) {
    if (name.size() < 5 || name.size() > 100 || name.front() == '.' || Lower(name.substr(name.size() - 4)) != ".obj") {
        return false;
    }
    return std::all_of(name.begin(), name.end(), [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '_' || c == '-';
    });
}

std::string FileBytes(const fs::path &path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

}  // namespace

std::optional<std::string> HttpRequest::Header(const std::string &name) const {
    for (const auto &[key, value] : headers) {
        if (SameWord(key, name)) return value;
    }
    return std::nullopt;
}

// ---- the desk ----

struct StudioApi::Desk {
    explicit Desk(const ScriptSettings &settings) : runner(settings, transcript, errors) {}

    // What the runner printed since the last call.
    std::pair<std::string, std::string> TakePrinted() {
        std::pair<std::string, std::string> printed{transcript.str(), errors.str()};
        transcript.str("");
        errors.str("");
        return printed;
    }

    std::ostringstream transcript;
    std::ostringstream errors;
    ScriptRunner runner;
    // Every line that ran, as a session file.
    std::string log = "# A studio session: replay it with simhost run FILE\n";
    int lines = 0;
    // What the person at the page answered and did while the line that is running waited
    // on them, as lines that queue it: the log holds them before that line, so that a
    // replay answers the same.
    std::vector<std::string> personLines;
    // What the host waits on the person for: null, or the question or dialog.
    json waiting = nullptr;
    // The host pressed Escape for a person who was not there, during the running line.
    bool pressedEscape = false;
};

struct StudioApi::Outcome {
    int status = 200;
    json body;
};

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
        if (start.result == StepResult::Ok) AttendToPerson();
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

// ---- the person ----

void StudioApi::AttendToPerson() {
    Workbench &bench = desk_->runner.bench();
    bench.widgets().liveAnswer = [this](const Question &question) -> int32_t {
        Desk &desk = *desk_;
        desk.waiting = {{"kind", "question"},
                        {"message", stelmarin::WideToUtf8(question.message)},
                        {"title", stelmarin::WideToUtf8(question.title)}};
        PublishState("waiting");
        // Nobody answered: Cancel, as a host answers a box its user closed.
        const bool ok = person_.AwaitAnswer().value_or(false);
        desk.waiting = nullptr;
        desk.personLines.push_back(ok ? "answer ok" : "answer cancel");
        return ok ? 1 : 0;
    };
    bench.liveDialog = [this]() -> std::optional<DialogAction> {
        Desk &desk = *desk_;
        desk.waiting = {{"kind", "dialog"}, {"dialog", desk.runner.bench().widgets().OpenDialog()}};
        PublishState("waiting");
        std::optional<std::string> action = person_.AwaitDialogAction();
        desk.waiting = nullptr;
        if (!action) {
            // Nobody is there: Escape, which closes the dialog as its user would. Once: a
            // dialog that stays open after it is closed by the host.
            if (desk.pressedEscape) return std::nullopt;
            desk.pressedEscape = true;
            action = "key esc";
        }
        // The action queues as the line would in a session file, and is taken at once. It
        // was checked when the page gave it.
        const std::string line = "dialog " + *action;
        ParseScriptLine(line)->run(desk.runner);
        std::vector<DialogAction> &queued = desk.runner.pending().dialog;
        const DialogAction taken = queued.back();
        queued.pop_back();
        desk.personLines.push_back(line);
        return taken;
    };
}

json StudioApi::PublishState(const std::string &kind, json event) {
    json state = StateJson(desk_->runner);
    state["waiting"] = desk_->waiting;
    event["state"] = state;
    std::lock_guard lock(stateMutex_);
    state_ = state;
    state_["event"] = kind.empty() ? events_.Latest() : events_.Publish(kind, event.dump());
    return state;
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
    static constexpr Route kRoutes[] = {{"/api/state", "GET"},    {"/api/mesh", "GET"},    {"/api/log", "GET"},
                                        {"/api/events", "GET"},   {"/api/command", "POST"}, {"/api/answer", "POST"},
                                        {"/api/dialog", "POST"},  {"/api/upload", "POST"}};
    const auto route = std::find_if(std::begin(kRoutes), std::end(kRoutes), [&](const Route &r) { return path == r.path; });
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
            return Answer(200, state_);
        }
        if (path == "/api/mesh") {
            return Answer(200, host_.Call([this] {
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
    return Answer(outcome.status, std::move(outcome.body));
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

HttpResponse StudioApi::PersonActs(const HttpRequest &request, const std::string &path) {
    const std::string shape = path == "/api/answer" ? "{\"answer\": \"ok\"} or {\"answer\": \"cancel\"}"
                                                    : "{\"action\": \"click X\"}, or another action of `dialog`";
    auto parsed = JsonObjectBody(request, kCommandBodyLimit, shape);
    if (auto *refused = std::get_if<HttpResponse>(&parsed)) return *refused;
    const json &body = std::get<json>(parsed);
    if (path == "/api/answer") {
        const std::optional<std::string> answer = TextField(body, "answer");
        if (!answer || (Lower(*answer) != "ok" && Lower(*answer) != "cancel")) return Problem(400, "the body must be " + shape);
        if (!person_.GiveAnswer(Lower(*answer) == "ok")) return Problem(409, "no question waits for an answer");
        return Answer(200, {{"answer", Lower(*answer)}});
    }
    const std::optional<std::string> action = TextField(body, "action");
    if (!action) return Problem(400, "the body must be " + shape);
    if (action->find_first_of("\r\n#") != std::string::npos) return Problem(400, "one action a request, and no comment");
    // The registry says what a dialog takes, as it does for a session file.
    try {
        if (!ParseScriptLine("dialog " + *action)) return Problem(400, "the action is empty");
    } catch (const ScriptSyntaxError &error) {
        return Problem(400, error.what());
    }
    if (!person_.GiveDialogAction(*action)) return Problem(409, "no dialog is open");
    return Answer(200, {{"action", *action}});
}

HttpResponse StudioApi::Upload(const std::string &query, const std::string &body) {
    const std::optional<std::string> name = QueryValue(query, "name");
    if (!name) return Problem(400, "name the file: /api/upload?name=FILE.obj");
    if (!PlainObjName(*name)) {
        return Problem(400, "\"" + *name + "\" is not a plain file name ending in .obj (letters, digits, . _ -)");
    }
    // Uploads go to the output folder, beside what the session writes, and keep their
    // name; a different file of the same name there is kept, and this one numbered.
    const fs::path folder = fs::path(options_.script.outDir) / "uploads";
    std::error_code failed;
    fs::create_directories(folder, failed);
    if (failed) return Problem(500, "cannot make the folder '" + folder.string() + "': " + failed.message());
    const fs::path stem = fs::path(*name).stem();
    fs::path file = folder / *name;
    for (int copy = 2; fs::exists(file) && FileBytes(file) != body; ++copy) {
        if (copy > 999) return Problem(409, "too many uploads named " + *name);
        file = folder / (stem.string() + "-" + std::to_string(copy) + ".obj");
    }
    try {
        if (!fs::exists(file)) WriteWholeFile(file.string(), body);
    } catch (const WriteError &error) {
        return Problem(500, error.what());
    }
    // As a `load` line names it: from the folder the studio started in, where its log
    // replays.
    const fs::path relative = fs::absolute(file).lexically_proximate(fs::absolute(options_.workingFolder));
    const std::string path = (relative.empty() || *relative.begin() == ".." ? fs::absolute(file) : relative).generic_string();
    return Answer(200, {{"path", path}, {"bytes", body.size()}});
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
