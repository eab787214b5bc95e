// simhost: plays the modeller for the plug-in. It loads the plug-in exactly as the
// modeller does and runs modelling sessions with it, from a session file, from the
// keyboard, or the bundled demo.
#include <CLI/CLI.hpp>

#include <algorithm>
#include <chrono>
#include <exception>
#include <filesystem>
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "simhost/host/host_checks.h"
#include "simhost/host/platform.h"
#include "simhost/host/settings_tree.h"
#include "simhost/language/command_registry.h"
#include "simhost/language/line_input.h"
#include "simhost/language/session_script.h"
#include "simhost/studio/studio_server.h"
#include "stelmarin_version.h"

namespace {

namespace fs = std::filesystem;
using simhost::ScriptRunner;
using simhost::StepResult;

constexpr int kSuccess = 0;
constexpr int kStepFailed = 1;
constexpr int kBadInput = 2;

// Errors go to standard error under the program's name, apart from the transcript on
// standard output, so that whoever reads them in a pipeline knows who spoke.
constexpr const char *kSpeaker = "simhost: ";

std::string ExecutableDir() {
    const fs::path self(simhost::platform::ExecutablePath());
    return self.has_parent_path() ? self.parent_path().string() : ".";
}

int ExitCode(StepResult result) {
    switch (result) {
        case StepResult::Ok:
            return kSuccess;
        case StepResult::Failed:
            return kStepFailed;
        case StepResult::BadInput:
            return kBadInput;
    }
    return kStepFailed;
}

// A REPL session goes on after a step that did not end Ok; a line that could not be used
// tells more of what went wrong than a step that failed.
StepResult Worse(StepResult a, StepResult b) {
    if (a == StepResult::BadInput || b == StepResult::BadInput) return StepResult::BadInput;
    if (a == StepResult::Failed || b == StepResult::Failed) return StepResult::Failed;
    return StepResult::Ok;
}

void ListWritten(const ScriptRunner &runner) {
    if (runner.written().empty()) return;
    std::cout << "\nwritten:\n";
    for (const std::string &path : runner.written()) std::cout << "  " << path << "\n";
}

int RunFile(const simhost::ScriptSettings &settings, const std::string &file) {
    ScriptRunner runner(settings, std::cout, std::cerr);
    const StepResult result = file == "-" ? runner.RunStream(std::cin, "stdin") : runner.RunFile(file);
    if (!settings.quiet) {
        ListWritten(runner);
        std::cout << (result == StepResult::Ok ? "\nsession ran clean\n" : "\nsession stopped\n");
    }
    return ExitCode(result);
}

int Repl(const simhost::ScriptSettings &settings) {
    ScriptRunner runner(settings, std::cout, std::cerr);
    simhost::LineInput input("simhost> ");
    if (input.interactive() && !settings.quiet) {
        std::cout << "simhost: type commands, \"help\" for the list, \"quit\" or end of input to stop\n";
    }
    StepResult outcome = runner.CheckOutputFolder();
    if (outcome != StepResult::Ok) return ExitCode(outcome);
    std::string where = "stdin:0";
    for (int number = 1;; ++number) {
        const std::optional<std::string> line = input.Next();
        if (!line) {
            // The end of input leaves a terminal's cursor after the prompt.
            if (input.interactive()) std::cout << "\n";
            break;
        }
        where = "stdin:" + std::to_string(number);
        const auto first = line->find_first_not_of(" \t");
        const std::string word =
            first == std::string::npos ? "" : line->substr(first, line->find_first_of(" \t", first) - first);
        if (word == "quit") break;
        // `help` answers at once, and runs no step.
        if (word == "help") {
            try {
                std::cout << simhost::ScriptHelp(line->substr(first + word.size()));
            } catch (const simhost::ScriptSyntaxError &error) {
                std::cerr << kSpeaker << where << ": " << error.what() << "\n";
                outcome = Worse(outcome, StepResult::BadInput);
            }
            continue;
        }
        // A bad line is reported and the session goes on: the user simply types again.
        outcome = Worse(outcome, runner.RunLine(*line, where));
    }
    outcome = Worse(outcome, runner.Finish(where));
    if (!settings.quiet) ListWritten(runner);
    return ExitCode(outcome);
}

// What `help` prints, or the README's table of the session language, for whoever keeps
// the README in step with the commands.
int Help(const std::string &command, bool markdown) {
    try {
        std::cout << (markdown ? simhost::CommandTable() : simhost::ScriptHelp(command));
    } catch (const simhost::ScriptSyntaxError &error) {
        std::cerr << kSpeaker << error.what() << "\n";
        return kBadInput;
    }
    return kSuccess;
}

// An option's name without its dashes: "-plugin" is a slip for "--plugin".
std::string Bare(const std::string &option) {
    return option.substr(std::min(option.find_first_not_of('-'), option.size()));
}

// What is wrong with the first argument the command line could not place: an option or a
// command that does not exist, with the one meant when it is near; or one too many.
std::string Misplaced(const CLI::App &app, const CLI::App *command, const std::string &argument) {
    if (argument.size() > 1 && argument.front() == '-') {
        const std::string option = argument.substr(0, argument.find('='));
        std::vector<std::string> names;
        for (const CLI::App *owner : {&app, command}) {
            if (owner == nullptr) continue;
            for (const CLI::Option *known : owner->get_options()) {
                for (const std::string &name : known->get_lnames()) names.push_back("--" + name);
                for (const std::string &name : known->get_snames()) names.push_back("-" + name);
            }
        }
        std::vector<std::string> bare;
        for (const std::string &name : names) bare.push_back(Bare(name));
        if (const auto nearest = simhost::NearestWord(Bare(option), bare)) {
            const auto meant = std::find(bare.begin(), bare.end(), *nearest) - bare.begin();
            return "unknown option \"" + option + "\"; did you mean \"" + names[static_cast<size_t>(meant)] + "\"?";
        }
        return "unknown option \"" + option + "\" (simhost --help lists the options)";
    }
    if (command != nullptr) return "unexpected argument \"" + argument + "\"";
    std::vector<std::string> commands;
    for (const CLI::App *sub : app.get_subcommands([](const CLI::App *) { return true; })) {
        commands.push_back(sub->get_name());
    }
    if (const auto nearest = simhost::NearestWord(argument, commands)) {
        return "unknown command \"" + argument + "\"; did you mean \"" + *nearest + "\"?";
    }
    return "unknown command \"" + argument + "\" (simhost --help lists the commands)";
}

}  // namespace

int main(int argc, char **argv) {
    CLI::App app{
        "simhost: a stand-in modelling host that loads the Stelmarin plug-in as the modeller does and "
        "runs modelling sessions with it.",
        "simhost"};
    app.set_version_flag("--version", std::string("simhost ") + stelmarin::kVersion);
    // What the command line cannot place is named below, with what was meant; the options
    // before the command may also come after it.
    app.require_subcommand(0, 1);
    app.allow_extras();
    app.fallthrough();

    simhost::ScriptSettings settings;
    settings.pluginPath = ExecutableDir() + "/" + simhost::platform::kPluginFileName;
    settings.settingsFile = simhost::DefaultSettingsPath();
    settings.errorPrefix = kSpeaker;
    app.add_option("--plugin", settings.pluginPath, "The plug-in module to load (default: beside simhost)")
        ->check(CLI::ExistingFile);
    app.add_option("--settings", settings.settingsFile,
                   "The host's settings file, read at start and written at the end (default: "
                   "~/.config/simhost/settings.xml)");
    app.add_option("--out", settings.outDir,
                   "Where pictures, meshes and reports go (default: simhost-out); checked before the first step, "
                   "made at the first write");
    app.add_flag("--trace", settings.trace, "Print every host function call the plug-in makes");
    app.add_flag("--quiet", settings.quiet, "Print only errors and what report shows, not the session's transcript");

    std::string sessionFile;
    auto *run = app.add_subcommand("run", "Run a session file, or standard input when SESSION is -");
    // The session runner names a missing file or a folder itself, as for every file it reads.
    run->add_option("SESSION", sessionFile, "The session file, or - for standard input")->required();
    run->add_option("--base", settings.baseDir,
                    "The folder the paths the session reads are found in (default: the session file's folder; "
                    "the current folder for standard input), so that a log saved elsewhere replays")
        ->check(CLI::ExistingDirectory);
    auto *repl = app.add_subcommand(
        "repl", "Read commands from standard input; at a terminal with a prompt, line editing and history");
    std::string examples = ExecutableDir() + "/examples";
    auto *demo = app.add_subcommand("demo", "Run the bundled demo: a head smoothed with and without the seam pinned");
    demo->add_option("--examples", examples, "The folder of the bundled examples")->check(CLI::ExistingDirectory);
    simhost::ServeOptions serveOptions;
    auto *serve = app.add_subcommand(
        "serve", "Serve the studio: a page on this machine through which a web browser drives the session");
    serve->add_option("--port", serveOptions.studio.port, "The port to listen on (default: 8310; 0: any free one)")
        ->check(CLI::Range(0, 65535));
    double answerSeconds = 120;
    serve->add_option("--answer-timeout", answerSeconds,
                      "Seconds the plug-in waits on the page's answer to a question or its dialog before "
                      "the host answers Cancel or presses Escape (default: 120)")
        ->check(CLI::Range(0.1, 86400.0));
    serve->add_option("--listen", serveOptions.studio.listenAddress,
                      "The address to listen on (default: 127.0.0.1, this machine only)");
    serve->add_option("--bind", serveOptions.bindAddress,
                      "The address the socket takes instead, where a port forward (a virtual machine's, a "
                      "container's) carries connections made to the --listen address to it; pages must still "
                      "name the --listen address");
    serve->add_flag("--open", serveOptions.open, "Open the page in the system's web browser");
    serve->add_option("SESSION", serveOptions.sessionFile, "A session file to run first; the studio goes on from there");
    std::string helpCommand;
    bool markdown = false;
    auto *help = app.add_subcommand("help", "Print the session commands, one of them, or the README's table of them");
    // Not in the usage: the session's own `help` is what a user meets; this is for keeping
    // the README's table of commands in step (`simhost help --markdown`).
    help->group("");
    auto *helpMarkdown = help->add_flag("--markdown", markdown, "Print the README's table of the session commands");
    help->add_option("COMMAND", helpCommand, "The session command to describe")->excludes(helpMarkdown);
    bool checksMarkdown = false;
    auto *checks =
        app.add_subcommand("checks", "List every check the host makes of the plug-in: ID, name, what it holds");
    // The README's table of the checks is this output (`simhost checks --markdown`).
    checks->add_flag("--markdown", checksMarkdown, "Print the README's table of the checks");
    app.footer(
        "Output: the session's transcript on standard output; errors on standard error, as\n"
        "\"simhost: FILE:LINE: message\" (\"stdin:LINE\" for standard input).\n"
        "Exit status: 0 every step passed; 1 a step failed (a check, the plug-in, an impossible\n"
        "action, settings that cannot be written); 2 bad usage or input (an unknown command or\n"
        "option, a line that is not a command, a file that cannot be read, an output folder\n"
        "that cannot be used). In the REPL, 2 if any line was bad input, else 1 if any step failed.\n"
        "Session commands: simhost repl, then help.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        // Help and the version are asked for; everything else is a mistake.
        if (error.get_exit_code() == 0) return app.exit(error);
        std::cerr << kSpeaker << error.what() << "\n";
        return kBadInput;
    }
    const std::vector<CLI::App *> chosen = app.get_subcommands();
    const CLI::App *command = chosen.empty() ? nullptr : chosen.front();
    if (const std::vector<std::string> left = app.remaining(true); !left.empty()) {
        std::cerr << kSpeaker << Misplaced(app, command, left.front()) << "\n";
        return kBadInput;
    }
    try {
        if (*run) return RunFile(settings, sessionFile);
        if (*repl) return Repl(settings);
        if (*demo) return RunFile(settings, examples + "/demo.session");
        if (*serve) {
            serveOptions.studio.script = settings;
            serveOptions.studio.answerTimeout =
                std::chrono::milliseconds(static_cast<long long>(answerSeconds * 1000));
            return simhost::Serve(serveOptions, std::cout, std::cerr);
        }
        if (*help) return Help(helpCommand, markdown);
        if (*checks) {
            std::cout << (checksMarkdown ? simhost::ChecksMarkdown() : simhost::ChecksText());
            return kSuccess;
        }
    } catch (const std::exception &error) {
        std::cerr << kSpeaker << error.what() << "\n";
        return kStepFailed;
    }
    std::cerr << kSpeaker << "a command is needed: run, repl, demo, serve, help or checks (simhost --help says more)\n";
    return kBadInput;
}
