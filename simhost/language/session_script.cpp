// Running the session language: a whole file, checked before its first step, or a line at
// a time; each step's outcome with what the host caught; and the modeller closing at the
// end. The commands themselves are in simhost/language/.
#include "simhost/language/session_script.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <system_error>

#include "simhost/language/command_support.h"
#include "simhost/host/platform.h"
#include "simhost/host/settings_tree.h"
#include "simhost/host/widget_host.h"

namespace simhost {

namespace fs = std::filesystem;

ScriptRunner::ScriptRunner(const ScriptSettings &settings, std::ostream &out) : ScriptRunner(settings, out, out) {}

ScriptRunner::ScriptRunner(const ScriptSettings &settings, std::ostream &out, std::ostream &errors)
    : settings_(settings), out_(out), errors_(errors), pending_(std::make_unique<Pending>()) {
    trace = settings.trace;
}

void ScriptRunner::Error(const std::string &where, const std::string &message) {
    errors_ << settings_.errorPrefix << (where.empty() ? "" : where + ": ") << message << "\n";
}

ScriptRunner::~ScriptRunner() = default;

ScriptRunner::Pending &ScriptRunner::pending() { return *pending_; }

Workbench &ScriptRunner::bench() {
    if (!bench_) {
        try {
            auto bench = std::make_unique<Workbench>(settings_.pluginPath, settings_.settingsFile);
            bench->Start();
            bench->host().trace.recording = trace;
            bench_ = std::move(bench);
        } catch (const LoadError &error) {
            throw StepBadInput(error.what());
        } catch (const SettingsError &error) {
            throw StepBadInput(error.what());
        }
    }
    return *bench_;
}

std::string ScriptRunner::InputPath(const std::string &path) const {
    const fs::path given(path);
    if (given.is_absolute()) {
        CheckConfined(path);
        return path;
    }
    const fs::path beside = (fs::path(scriptDir_) / given).lexically_normal();
    // A session may read back what it wrote earlier.
    const fs::path written = (fs::path(settings_.outDir) / given).lexically_normal();
    std::error_code error;
    const std::string chosen = !fs::exists(beside, error) && fs::exists(written, error) ? written.string()
                                                                                         : beside.string();
    CheckConfined(chosen);
    return chosen;
}

void ScriptRunner::ConfinePaths(std::vector<std::string> folders) { confinedTo_ = std::move(folders); }

void ScriptRunner::CheckConfined(const std::string &path) const {
    if (confinedTo_.empty()) return;
    // Where a path really leads, its existing part with symbolic links followed; "" when
    // the system cannot say.
    const auto real = [](const std::string &given) {
        std::error_code error;
        fs::path resolved = fs::weakly_canonical(fs::absolute(given, error), error);
        if (error) return fs::path();
        if (!resolved.has_filename()) resolved = resolved.parent_path();
        return resolved;
    };
    const fs::path target = real(path);
    for (const std::string &folder : confinedTo_) {
        const fs::path root = real(folder);
        // Inside when the folder's every component leads the path's.
        if (!target.empty() && !root.empty() &&
            std::mismatch(root.begin(), root.end(), target.begin(), target.end()).first == root.end()) {
            return;
        }
    }
    throw StepBadInput("the path '" + path + "' is outside the folders this session may use");
}

std::string ScriptRunner::OutputPath(const std::string &path) {
    const fs::path given(path);
    const fs::path full = given.is_absolute() ? given : fs::path(settings_.outDir) / given;
    CheckConfined(full.string());
    std::error_code error;
    if (full.has_parent_path()) fs::create_directories(full.parent_path(), error);
    if (error) throw StepBadInput("cannot make the folder " + full.parent_path().string() + ": " + error.message());
    const std::string normal = full.lexically_normal().string();
    if (std::find(written_.begin(), written_.end(), normal) == written_.end()) written_.push_back(normal);
    return normal;
}

StepResult ScriptRunner::RunFile(const std::string &path, AtEnd atEnd) {
    std::error_code ignored;
    if (fs::is_directory(path, ignored)) {
        Error("", "the session file '" + path + "' is a folder");
        return StepResult::BadInput;
    }
    errno = 0;
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        Error("", "cannot open the session file '" + path +
                      "': " + std::generic_category().message(errno != 0 ? errno : EIO));
        return StepResult::BadInput;
    }
    scriptDir_ = fs::path(path).has_parent_path() ? fs::path(path).parent_path().string() : ".";
    return RunLines(file, path, atEnd);
}

StepResult ScriptRunner::RunStream(std::istream &in, const std::string &name) {
    scriptDir_ = ".";
    return RunLines(in, name, AtEnd::Close);
}

StepResult ScriptRunner::RunLines(std::istream &in, const std::string &name, AtEnd atEnd) {
    std::vector<std::pair<std::string, ScriptCommand>> commands;
    std::string line;
    int number = 0;
    bool bad = false;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const std::string where = name + ":" + std::to_string(number);
        try {
            if (auto command = ParseScriptLine(line)) commands.emplace_back(where, std::move(*command));
        } catch (const ScriptSyntaxError &error) {
            Error(where, error.what());
            bad = true;
        }
    }
    if (bad) return StepResult::BadInput;
    if (const StepResult folder = CheckOutputFolder(); folder != StepResult::Ok) return folder;
    for (const auto &[where, command] : commands) {
        if (!command.quiet) out() << "> " << command.text << "\n";
        const StepResult result = Run(command, where);
        if (result != StepResult::Ok) {
            // The session stops, but the modeller closes as it always does; what goes wrong
            // then is reported, and the step's failure stays the session's outcome.
            Close(where);
            return result;
        }
    }
    return atEnd == AtEnd::Close ? Finish(name + ":" + std::to_string(number)) : StepResult::Ok;
}

StepResult ScriptRunner::CheckOutputFolder() {
    const std::string &folder = settings_.outDir;
    std::error_code error;
    const fs::file_status status = fs::status(folder, error);
    if (fs::exists(status)) {
        if (!fs::is_directory(status)) {
            Error("", "the output folder '" + folder + "' is not a folder");
            return StepResult::BadInput;
        }
        if (const std::error_code denied = platform::CanWriteIn(folder)) {
            Error("", "cannot write in the output folder '" + folder + "': " + denied.message());
            return StepResult::BadInput;
        }
        return StepResult::Ok;
    }
    // It does not exist yet: the nearest folder above it that does must take a new folder.
    fs::path above = fs::absolute(folder, error).parent_path();
    while (!fs::exists(above, error) && above.has_relative_path()) above = above.parent_path();
    const std::error_code reason = fs::is_directory(above, error) ? platform::CanWriteIn(above.string())
                                                                  : std::make_error_code(std::errc::not_a_directory);
    if (reason) {
        Error("", "cannot make the output folder '" + folder + "': " + reason.message());
        return StepResult::BadInput;
    }
    return StepResult::Ok;
}

StepResult ScriptRunner::RunLine(const std::string &line, const std::string &where) {
    std::optional<ScriptCommand> command;
    try {
        command = ParseScriptLine(line);
    } catch (const ScriptSyntaxError &error) {
        Error(where, error.what());
        return StepResult::BadInput;
    }
    return command ? Run(*command, where) : StepResult::Ok;
}

StepResult ScriptRunner::Run(const ScriptCommand &command, const std::string &where) {
    const size_t violationsBefore = bench_ ? bench_->violations().Added() : 0;
    try {
        command.run(*this);
    } catch (const StepBadInput &error) {
        Error(where, error.what());
        return StepResult::BadInput;
    } catch (const StepFailure &error) {
        Error(where, error.what());
        Problems(where, violationsBefore);
        return StepResult::Failed;
    } catch (const ActionError &error) {
        Error(where, error.what());
        Problems(where, violationsBefore);
        return StepResult::Failed;
    }
    return Problems(where, violationsBefore);
}

StepResult ScriptRunner::Problems(const std::string &where, size_t violationsBefore) {
    if (!bench_) return StepResult::Ok;
    if (trace) {
        out() << bench_->host().trace.Format();
        bench_->host().trace.Clear();
    }
    StepResult result = StepResult::Ok;
    for (const std::string &error : bench_->TakeScriptErrors()) {
        Error(where, error);
        result = StepResult::Failed;
    }
    const auto &violations = bench_->violations();
    // What the host no longer keeps is counted all the same: it fails the step.
    if (const size_t forgotten = violations.Forgotten(); violationsBefore < forgotten) {
        Error(where, "the plug-in misbehaved " + std::to_string(forgotten - violationsBefore) +
                         " more time(s) than the host keeps; the latest " + std::to_string(violations.Capacity()) +
                         " follow");
        result = StepResult::Failed;
        violationsBefore = forgotten;
    }
    for (size_t number = violationsBefore; number < violations.Added(); ++number) {
        Error(where, "the plug-in misbehaved: " + *violations.Numbered(number));
        result = StepResult::Failed;
    }
    return result;
}

StepResult ScriptRunner::Finish(const std::string &where) {
    if (!bench_) return StepResult::Ok;
    StepResult result = StepResult::Ok;
    if (!pending_->dialog.empty()) {
        Error(where,
              std::to_string(pending_->dialog.size()) + " dialog action(s) left over: no dialog opened for them");
        result = StepResult::Failed;
    }
    if (bench_->widgets().DiscardAnswers() > 0) {
        Error(where, "an answer was left over: the plug-in asked no question for it");
        result = StepResult::Failed;
    }
    if (const size_t waiting = bench_->NestsWaiting(); waiting > 0) {
        Error(where,
              std::to_string(waiting) + " nested event(s) left over: the plug-in never made the call they wait for");
        result = StepResult::Failed;
    }
    const StepResult closed = Close(where);
    return result != StepResult::Ok ? result : closed;
}

StepResult ScriptRunner::Close(const std::string &where) {
    if (!bench_) return StepResult::Ok;
    // What was to come nested in later calls never comes: the modeller is closing.
    bench_->host().ForgetNests();
    // The modeller always tells the plug-in it is closing, then keeps its settings.
    const size_t violationsBefore = bench_->violations().Added();
    if (pending_->initialized) {
        bench_->Exit();
        pending_->initialized = false;
    }
    StepResult result = Problems(where, violationsBefore);
    // No line of the session is to blame when the settings cannot be kept.
    try {
        bench_->session().SaveSettings();
    } catch (const SettingsError &error) {
        Error("", error.what());
        if (result == StepResult::Ok) result = StepResult::Failed;
    }
    return result;
}

}  // namespace simhost
