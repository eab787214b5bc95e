// The session language: one command a line, with which a person (or a test) plays the
// modeller: meshes, selections, the plug-in's life, clicks on its window, modelling tools,
// draws, checks, reports and pictures. `simhost run` reads it from a file, `simhost repl`
// from the keyboard.
#pragma once

#include <functional>
#include <istream>
#include <memory>
#include <optional>
#include <ostream>
#include <stdexcept>
#include <string>
#include <vector>

namespace simhost {

class Workbench;
class ScriptRunner;
class EditHistory;
class BrushStroke;
struct EditStep;

// A line that is not a command of the language; what() says what is wrong with it.
class ScriptSyntaxError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// What a command does to the document. The modeller draws its views after every change
// to it (a stroke of a tool, a selection, an object loaded, hidden, shown, exempted or
// deleted, a new document), so a host that plays the modeller draws after a command that
// Changes it. It is a matter of the form, not the verb: `move window X Y` leaves the
// document alone, `move DX DY DZ` changes it.
enum class DocumentEffect {
    None,
    Changes,
    Draws,  // the command is itself a draw
};

// How a command that changes the document stands to the undo history.
enum class HistoryRole {
    Step,  // what it changed is one step
    Ends,  // it adds, deletes or re-numbers vertices or objects, or replaces the document
    Own,   // it keeps the history itself: a brush, undo, redo
};

// A command, parsed and checked, ready to run.
struct ScriptCommand {
    std::string text;  // the line as written, for messages
    std::function<void(ScriptRunner &)> run;
    bool quiet = false;  // not repeated in the transcript: it prints its own text
    DocumentEffect effect = DocumentEffect::None;
    HistoryRole history = HistoryRole::Step;
};

// Parses one line. Blank lines and comments ("# ...") give no command. The commands and
// their parse functions are listed in simhost/language/command_table.cpp.
std::optional<ScriptCommand> ParseScriptLine(const std::string &line);

// How a step ended: the session goes on only after Ok.
enum class StepResult {
    Ok,
    Failed,    // a check failed, the plug-in misbehaved, or the user's action was impossible
    BadInput,  // a line, a file or an argument that cannot be used
};

struct ScriptSettings {
    std::string pluginPath;
    std::string settingsFile;
    std::string outDir = "simhost-out";
    // Where the paths a session reads are found; empty: beside the session file (the
    // current folder for standard input and the REPL).
    std::string baseDir;
    bool trace = false;
    // Only errors and what `report` shows are printed: no transcript of the steps.
    bool quiet = false;
    // Put before every error, to name who speaks ("simhost: ").
    std::string errorPrefix;
};

class ScriptRunner {
public:
    // The transcript goes to `out`, errors to `errors` ("FILE:LINE: message"); without
    // `errors`, both go to `out`.
    ScriptRunner(const ScriptSettings &settings, std::ostream &out);
    ScriptRunner(const ScriptSettings &settings, std::ostream &out, std::ostream &errors);
    ~ScriptRunner();

    // What follows a script that ran clean: the modeller closes (the end of a session), or
    // stays open for more lines (a server that goes on from where the script left off).
    enum class AtEnd { Close, StayOpen };
    // Runs a whole script file: every line is parsed before the first runs, so that a
    // mistake on line 40 costs nothing, and the output folder is checked. Stops at the
    // first step that does not end Ok. Messages name the file and line. `commands`, when
    // given, gets the text of every command the file holds once all are parsed: a studio
    // that starts from the file logs them without reading it again.
    StepResult RunFile(const std::string &path, AtEnd atEnd = AtEnd::Close,
                       std::vector<std::string> *commands = nullptr);
    // The same for a script read from `in`: messages call it `name`, and the paths it reads
    // are relative to the current folder, or to the base folder when the settings name one.
    StepResult RunStream(std::istream &in, const std::string &name);
    // Whether the output folder is a folder that can be written, or can be made, before any
    // work is done: a file is made in it, and the folder when it is missing, then both are
    // removed again, so that it is made to stay only when something is written.
    StepResult CheckOutputFolder();
    // Runs one line, as the REPL does; `where` prefixes messages ("stdin:3").
    StepResult RunLine(const std::string &line, const std::string &where);
    // Runs a command parsed already, the same way.
    StepResult Run(const ScriptCommand &command, const std::string &where);
    // Checks what the session leaves behind at its end: dialog actions or answers the
    // plug-in never asked for.
    StepResult Finish(const std::string &where);

    // Used by the commands.
    Workbench &bench();
    // The transcript: what each step did. Nothing reaches it in a quiet session.
    std::ostream &out() { return settings_.quiet ? silent_ : out_; }
    // What the user asked a step to show, quiet or not.
    std::ostream &shown() { return out_; }
    // A path for reading, relative to the base folder (the script's, unless the settings
    // name one) or else to the output folder;
    // one for writing, relative to the output folder (made when needed).
    std::string InputPath(const std::string &path) const;
    std::string OutputPath(const std::string &path);
    // A file from OutputPath is in place: it is listed among written(), and what earlier
    // writes of it cut short left beside it is removed, and said.
    void Wrote(const std::string &path);
    // From now on every path a command reads or writes must lie inside one of `folders`
    // (symbolic links followed as far as they exist), else the step is bad input: a server
    // that takes its lines from elsewhere keeps them to the folders it was started in.
    void ConfinePaths(std::vector<std::string> folders);
    // The files the session wrote, in the order first written; a write that failed is not
    // among them.
    const std::vector<std::string> &written() const { return written_; }
    bool trace = false;
    // Answers and dialog actions queued for what the plug-in shows next.
    struct Pending;
    Pending &pending();
    // The undo history: one step per command that changed the document, a brush stroke
    // one step from `stroke begin` to `stroke end`. At most 64 steps or 256 MB.
    EditHistory &history() { return *history_; }
    // The brush stroke open now, if any. While one is open, no other command may change
    // the document.
    std::unique_ptr<BrushStroke> &stroke() { return stroke_; }
    // Where the step running now is ("FILE:LINE", "studio:12").
    const std::string &where() const { return where_; }
    // Records `step` in the history, or ends the history when `kept` is false (no step can
    // say what changed); says when the step alone is past the budget.
    void Keep(bool kept, EditStep step);

private:
    StepResult RunLines(std::istream &in, const std::string &name, AtEnd atEnd,
                        std::vector<std::string> *commands = nullptr);
    void CheckConfined(const std::string &path) const;
    // An error, named by where it happened ("FILE:LINE"), or by nothing when no line is to
    // blame.
    void Error(const std::string &where, const std::string &message);
    // Removes what writes of `path` cut short left beside it, and says so under `where`.
    void RemoveLeftoversOf(const std::string &path, const std::string &where);
    StepResult Problems(const std::string &where, size_t violationsBefore);
    // Runs the command, keeping what it changed in the history as its role says.
    void RunKeepingHistory(const ScriptCommand &command);
    // The modeller closes: the plug-in's exit event if it is running, then the settings
    // are written back.
    StepResult Close(const std::string &where);

    ScriptSettings settings_;
    std::ostream &out_;
    std::ostream &errors_;
    std::ostream silent_{nullptr};
    std::string scriptDir_ = ".";
    std::unique_ptr<Workbench> bench_;
    std::unique_ptr<Pending> pending_;
    std::vector<std::string> written_;
    std::string where_;  // the step running now
    std::vector<std::string> confinedTo_;
    std::unique_ptr<EditHistory> history_;
    std::unique_ptr<BrushStroke> stroke_;
};

// A step that failed: a check that did not hold, an action the screen does not allow.
class StepFailure : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// A step that could not be done with what it was given: a missing or malformed file.
class StepBadInput : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

}  // namespace simhost
