// What the person at the studio's page does beyond sending lines: answering the plug-in's
// questions, working its fix-mode dialog, and uploading meshes.
#include <algorithm>
#include <cctype>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <optional>

#include "host/contract_codes.h"
#include "host/text_conversion.h"
#include "simhost/host/platform.h"
#include "simhost/host/safe_write.h"
#include "simhost/host/widget_host.h"
#include "simhost/language/command_args.h"
#include "simhost/language/command_registry.h"
#include "simhost/language/command_support.h"
#include "simhost/modeller/workbench.h"
#include "simhost/studio/studio_api.h"
#include "simhost/studio/studio_desk.h"
#include "simhost/studio/studio_state.h"

namespace simhost {

namespace fs = std::filesystem;
using nlohmann::json;

namespace {

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

void StudioApi::AttendToPerson() {
    Workbench &bench = desk_->runner.bench();
    bench.widgets().liveAnswer = [this](const Question &question) -> int32_t {
        Desk &desk = *desk_;
        desk.waiting = {{"kind", "question"},
                        {"message", stelmarin::WideToUtf8(question.message)},
                        {"title", stelmarin::WideToUtf8(question.title)},
                        {"line", desk.running}};
        PublishState("waiting");
        // Nobody answered: Cancel, as a host answers a box its user closed.
        const bool ok = person_.AwaitAnswer().value_or(false);
        desk.waiting = nullptr;
        desk.personLines.push_back(ok ? "answer ok" : "answer cancel");
        return ok ? 1 : 0;
    };
    bench.liveDialog = [this]() -> std::optional<DialogAction> {
        Desk &desk = *desk_;
        desk.waiting = {
            {"kind", "dialog"}, {"dialog", desk.runner.bench().widgets().OpenDialog()}, {"line", desk.running}};
        PublishState("waiting");
        std::optional<GivenAction> given = person_.AwaitDialogAction();
        desk.waiting = nullptr;
        if (!given) {
            // Nobody is there: Escape, which closes the dialog as its user would. Only once:
            // a dialog still open after that is closed by the host.
            if (desk.pressedEscape) return std::nullopt;
            desk.pressedEscape = true;
            given = GivenAction{{DialogAction::Kind::Key, 0, stelmarin::kKeyEscape}, "dialog key esc"};
        }
        // The log holds the line that queues the action, so that a replay does the same.
        desk.personLines.push_back(given->line);
        return given->action;
    };
}

std::pair<json, uint64_t> StudioApi::PublishState(const std::string &kind, json event,
                                                  std::shared_ptr<const std::string> binary) {
    // Serialised before the lock, with bytes that are not UTF-8 shown as U+FFFD: a page
    // asking for the state waits on no event of millions of vertices being written out.
    json state = StateJson(desk_->runner);
    state["waiting"] = desk_->waiting;
    uint64_t number = events_.Latest();
    if (!kind.empty()) {
        event["state"] = state;
        number = events_.Publish(kind, JsonText(event), std::move(binary));
    }
    state["event"] = number;
    auto published = std::make_shared<const std::string>(JsonText(state));
    state.erase("event");
    {
        std::lock_guard lock(stateMutex_);
        state_.swap(published);
    }
    return {std::move(state), number};
}

HttpResponse StudioApi::PersonActs(const HttpRequest &request, const std::string &path) {
    const std::string shape = path == "/api/answer" ? "{\"answer\": \"ok\"} or {\"answer\": \"cancel\"}"
                                                    : "{\"action\": \"click X\"}, or another action of `dialog`";
    auto parsed = JsonObjectBody(request, kCommandBodyLimit, shape);
    if (auto *refused = std::get_if<HttpResponse>(&parsed)) return *refused;
    const json &body = std::get<json>(parsed);
    if (path == "/api/answer") {
        const std::optional<std::string> answer = TextField(body, "answer");
        if (!answer || (Lower(*answer) != "ok" && Lower(*answer) != "cancel"))
            return Problem(400, "the body must be " + shape);
        if (!person_.GiveAnswer(Lower(*answer) == "ok")) return Problem(409, "no question waits for an answer");
        return JsonAnswer(200, {{"answer", Lower(*answer)}});
    }
    const std::optional<std::string> action = TextField(body, "action");
    if (!action) return Problem(400, "the body must be " + shape);
    if (action->find_first_of("\r\n#") != std::string::npos)
        return Problem(400, "one action a request, and no comment");
    // The registry says what a dialog takes, as it does for a session file.
    GivenAction given;
    try {
        given = {ParseDialogAction(*action), "dialog " + *action};
    } catch (const ScriptSyntaxError &error) {
        return Problem(400, error.what());
    }
    if (!person_.GiveDialogAction(std::move(given))) return Problem(409, "no dialog is open");
    return JsonAnswer(200, {{"action", *action}});
}

HttpResponse StudioApi::Upload(const std::string &query, const std::string &body) {
    const std::optional<std::string> name = QueryValue(query, "name");
    if (!name) return Problem(400, "name the file: /api/upload?name=FILE.obj");
    if (!IsUtf8(*name)) return Problem(400, "the file's name is not UTF-8 text");
    if (!PlainObjName(*name)) {
        return Problem(400, "\"" + *name + "\" is not a plain file name ending in .obj (letters, digits, . _ -)");
    }
    if (const std::optional<std::string> device = DeviceNameIn(*name)) {
        return Problem(400, "\"" + *name + "\" names a device on Windows; upload it under another name");
    }
    // Uploads go to the output folder, beside what the session writes, and keep their
    // name; a different file of the same name there is kept, and this one numbered.
    const fs::path folder = fs::path(options_.script.outDir) / "uploads";
    std::error_code failed;
    fs::create_directories(folder, failed);
    if (failed) return Problem(500, "cannot make the folder '" + folder.string() + "': " + failed.message());
    // Uploads here wait for each other, so that one whose bytes match a file still being
    // written finds it whole and shares its path. Another process writing the same folder
    // is kept apart by the claim below.
    static std::mutex uploading;
    std::lock_guard lock(uploading);
    const std::string stem = fs::path(*name).stem().string();
    fs::path file;
    for (int copy = 1;; ++copy) {
        if (copy > 999) return Problem(409, "too many uploads named " + *name);
        file = folder / (copy == 1 ? *name : stem + "-" + std::to_string(copy) + ".obj");
        // The name is claimed before its bytes are written, and only one upload can make
        // it: no other is told this path for different bytes, whoever wins the race.
        const std::error_code claim = platform::WriteNewFile(file.string(), "");
        if (claim == std::errc::file_exists) {
            // Only a plain file is read: a pipe put there would wait for a writer.
            if (fs::is_regular_file(file, failed) && FileBytes(file) == body) break;
            continue;
        }
        if (claim) return Problem(500, "cannot write '" + file.string() + "': " + claim.message());
        try {
            WriteWholeFile(file.string(), body);
        } catch (const WriteError &error) {
            fs::remove(file, failed);
            return Problem(500, error.what());
        }
        break;
    }
    // As a `load` line names it: from the folder the studio started in, where its log
    // replays.
    const fs::path relative = fs::absolute(file).lexically_proximate(fs::current_path());
    const std::string path =
        (relative.empty() || *relative.begin() == ".." ? fs::absolute(file) : relative).generic_string();
    return JsonAnswer(200, {{"path", path}, {"bytes", body.size()}});
}

}  // namespace simhost
