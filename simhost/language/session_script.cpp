// Running the session language: a whole file, checked before its first step, or a line at
// a time; each step's outcome with what the host caught; and the modeller closing at the
// end. The commands themselves are in simhost/language/.
// Sections:
//   the runner       made with its streams; errors; the workbench, made when first used
//   paths            InputPath, OutputPath and the folders a session is kept to; Wrote
//   whole scripts    RunFile, RunStream, RunLines; CheckOutputFolder's probe
//   steps            RunLine, Run and what the host caught during a step
//   the end          Finish and Close: what was left over, the exit event, the settings
#include "simhost/language/session_script.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <ostream>
#include <random>
#include <system_error>

#include "simhost/language/command_support.h"
#include "simhost/host/platform.h"
#include "simhost/host/safe_write.h"
#include "simhost/host/settings_tree.h"
#include "simhost/host/widget_host.h"
#include "simhost/modeller/edit_history.h"
#include "simhost/modeller/sculpt_brushes.h"

namespace simhost {

namespace fs = std::filesystem;

namespace {

// Windows editors begin a UTF-8 file with the byte-order mark; it says nothing of the lines.
std::string WithoutByteOrderMark(std::string line) {
    if (line.rfind("\xEF\xBB\xBF", 0) == 0) line.erase(0, 3);
    return line;
}

}  // namespace

// ---- the runner ----

ScriptRunner::ScriptRunner(const ScriptSettings &settings, std::ostream &out) : ScriptRunner(settings, out, out) {}

ScriptRunner::ScriptRunner(const ScriptSettings &settings, std::ostream &out, std::ostream &errors)
    : settings_(settings),
      out_(out),
      errors_(errors),
      pending_(std::make_unique<Pending>()),
      history_(std::make_unique<EditHistory>()) {
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

// ---- paths ----

std::string ScriptRunner::InputPath(const std::string &path) const {
    const fs::path given(path);
    if (given.is_absolute()) {
        CheckConfined(path);
        return path;
    }
    const fs::path from = settings_.baseDir.empty() ? fs::path(scriptDir_) : fs::path(settings_.baseDir);
    const fs::path beside = (from / given).lexically_normal();
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
    return full.lexically_normal().string();
}

void ScriptRunner::Wrote(const std::string &path) {
    if (std::find(written_.begin(), written_.end(), path) == written_.end()) written_.push_back(path);
    RemoveLeftoversOf(path, where_);
}

void ScriptRunner::RemoveLeftoversOf(const std::string &path, const std::string &where) {
    const std::vector<std::string> removed = RemoveLeftovers(path);
    if (removed.empty()) return;
    std::string names;
    for (const std::string &name : removed) names += (names.empty() ? "" : ", ") + name;
    // Files vanish from the user's folder: that is said even in a quiet session.
    Error(where, "removed what writes of " + path + " cut short more than an hour ago left beside it: " + names);
}

// ---- whole scripts ----

StepResult ScriptRunner::RunFile(const std::string &path, AtEnd atEnd, std::vector<std::string> *commands) {
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
    return RunLines(file, path, atEnd, commands);
}

StepResult ScriptRunner::RunStream(std::istream &in, const std::string &name) {
    scriptDir_ = ".";
    return RunLines(in, name, AtEnd::Close);
}

StepResult ScriptRunner::RunLines(std::istream &in, const std::string &name, AtEnd atEnd,
                                  std::vector<std::string> *texts) {
    std::vector<std::pair<std::string, ScriptCommand>> commands;
    std::string line;
    int number = 0;
    bool bad = false;
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (number == 1) line = WithoutByteOrderMark(std::move(line));
        const std::string where = name + ":" + std::to_string(number);
        try {
            if (auto command = ParseScriptLine(line)) commands.emplace_back(where, std::move(*command));
        } catch (const ScriptSyntaxError &error) {
            Error(where, error.what());
            bad = true;
        }
    }
    if (bad) return StepResult::BadInput;
    if (texts) {
        for (const auto &[where, command] : commands) texts->push_back(command.text);
    }
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
    if (fs::exists(status) && !fs::is_directory(status)) {
        Error("", "the output folder '" + folder + "' is not a folder");
        return StepResult::BadInput;
    }
    // Only making a file tells whether one can be made: permission bits, access lists, a
    // file system mounted read-only or one that takes no files (/proc) all have their say.
    fs::path absolute = fs::absolute(folder, error).lexically_normal();
    if (!absolute.has_filename()) absolute = absolute.parent_path();
    fs::path made = absolute;
    for (fs::path above = absolute.parent_path(); !fs::exists(above, error) && above.has_relative_path();
         above = above.parent_path()) {
        made = above;
    }
    const bool existed = fs::exists(status);
    std::error_code reason;
    if (!existed) fs::create_directories(absolute, reason);
    // Named apart from whatever another process probes or writes there at the same time.
    const fs::path probe = absolute / (".simhost-probe-" + std::to_string(std::random_device{}()) + ".tmp");
    if (!reason) reason = platform::WriteNewFile(probe.string(), "");
    fs::remove(probe, error);
    // What the probe made goes again, from the folder up, even when it made only part of
    // the way: the folder stays only once something is written. Only an empty folder is
    // removed, so what another process put there meanwhile stays.
    for (fs::path undo = absolute; !existed; undo = undo.parent_path()) {
        if (fs::is_directory(undo, error)) fs::remove(undo, error);
        if (undo == made || !undo.has_relative_path()) break;
    }
    if (reason) {
        Error("", (existed ? "cannot write in the output folder '" : "cannot make the output folder '") + folder +
                      "': " + reason.message());
        return StepResult::BadInput;
    }
    return StepResult::Ok;
}

// ---- steps ----

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
    where_ = where;
    // Until the next draw the pins wait where the change left them. A step that failed may
    // have changed the document too; one refused as bad input changed nothing.
    const auto changed = [&] {
        if (bench_ && command.effect == DocumentEffect::Changes) bench_->DocumentChanged();
    };
    try {
        RunKeepingHistory(command);
    } catch (const StepBadInput &error) {
        Error(where, error.what());
        return StepResult::BadInput;
    } catch (const StepFailure &error) {
        changed();
        Error(where, error.what());
        Problems(where, violationsBefore);
        return StepResult::Failed;
    } catch (const ActionError &error) {
        changed();
        Error(where, error.what());
        Problems(where, violationsBefore);
        return StepResult::Failed;
    }
    changed();
    return Problems(where, violationsBefore);
}

void ScriptRunner::RunKeepingHistory(const ScriptCommand &command) {
    if (command.effect != DocumentEffect::Changes || command.history == HistoryRole::Own) {
        command.run(*this);
        return;
    }
    // A stroke's step runs from its first sample to its end: nothing else may come between.
    if (stroke_) {
        throw StepFailure("a brush stroke is open (begun at " + stroke_->began() +
                          "); \"stroke end\" ends it before \"" + command.text + "\" can run");
    }
    if (command.history == HistoryRole::Ends) {
        // Whatever it did, even in part before failing, may have taken away what the
        // history's indices name.
        try {
            command.run(*this);
        } catch (...) {
            history_->Clear();
            throw;
        }
        history_->Clear();
        return;
    }
    const DocumentState before(bench().document());
    const auto keep = [&] {
        EditStep step;
        const bool kept = before.StepTo(bench().document(), command.text, step);
        Keep(kept, std::move(step));
    };
    // A step that failed part of the way may already have changed the document: that much
    // can be undone.
    try {
        command.run(*this);
    } catch (...) {
        keep();
        throw;
    }
    keep();
}

void ScriptRunner::Keep(bool kept, EditStep step) {
    if (!kept) {
        history_->Clear();
        return;
    }
    const size_t bytes = step.Bytes();
    if (!history_->Record(bench().document(), std::move(step))) {
        out() << "  this step holds " << (bytes >> 20) << " MB, more than the " << (history_->budget().bytes >> 20)
              << " MB undo keeps: it cannot be undone, nor anything before it\n";
    }
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
        Error(where, "the plug-in misbehaved: " + violations.Numbered(number)->Line());
        result = StepResult::Failed;
    }
    return result;
}

// ---- the end ----

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
        if (!settings_.settingsFile.empty()) RemoveLeftoversOf(settings_.settingsFile, "");
    } catch (const SettingsError &error) {
        Error("", error.what());
        if (result == StepResult::Ok) result = StepResult::Failed;
    }
    return result;
}

}  // namespace simhost
