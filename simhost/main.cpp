// simhost: plays the modeller for the plug-in. It loads the plug-in exactly as the
// modeller does and runs modelling sessions with it, from a session file, from the
// keyboard, or the bundled demo.
#include <CLI/CLI.hpp>

#include <cstdio>
#include <exception>
#include <filesystem>
#include <iostream>
#include <string>

#include "simhost/language/command_registry.h"
#include "simhost/host/platform.h"
#include "simhost/language/session_script.h"
#include "simhost/host/settings_tree.h"

namespace {

namespace fs = std::filesystem;
using simhost::ScriptRunner;
using simhost::StepResult;

constexpr int kSuccess = 0;
constexpr int kStepFailed = 1;
constexpr int kBadInput = 2;

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

void ListWritten(const ScriptRunner &runner) {
    if (runner.written().empty()) return;
    std::cout << "\nwritten:\n";
    for (const std::string &path : runner.written()) std::cout << "  " << path << "\n";
}

int RunFile(const simhost::ScriptSettings &settings, const std::string &file) {
    ScriptRunner runner(settings, std::cout);
    const StepResult result = runner.RunFile(file);
    ListWritten(runner);
    std::cout << (result == StepResult::Ok ? "\nsession ran clean\n" : "\nsession stopped\n");
    return ExitCode(result);
}

int Repl(const simhost::ScriptSettings &settings) {
    ScriptRunner runner(settings, std::cout);
    std::cout << "simhost: type commands, \"help\" for the list, \"quit\" or end of input to stop\n";
    int number = 0;
    bool failed = false;
    std::string line;
    while (true) {
        std::cout << "simhost> " << std::flush;
        if (!std::getline(std::cin, line)) break;
        ++number;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto first = line.find_first_not_of(" \t");
        const std::string word =
            first == std::string::npos ? "" : line.substr(first, line.find_first_of(" \t", first) - first);
        if (word == "quit") break;
        // `help` answers at once, and a mistyped command in it is no failed step.
        if (word == "help") {
            try {
                std::cout << simhost::ScriptHelp(line.substr(first + word.size()));
            } catch (const simhost::ScriptSyntaxError &error) {
                std::cout << "stdin:" << number << ": " << error.what() << "\n";
            }
            continue;
        }
        // A bad line is reported and the session goes on: the user simply types again.
        if (runner.RunLine(line, "stdin:" + std::to_string(number)) != StepResult::Ok) failed = true;
    }
    std::cout << "\n";
    const StepResult end = runner.Finish("stdin:" + std::to_string(number));
    ListWritten(runner);
    return failed || end != StepResult::Ok ? kStepFailed : kSuccess;
}

// What `help` prints, or the README's table of the session language, for whoever keeps
// the README in step with the commands.
int Help(const std::string &command, bool markdown) {
    try {
        std::cout << (markdown ? simhost::CommandTable() : simhost::ScriptHelp(command));
    } catch (const simhost::ScriptSyntaxError &error) {
        std::cerr << "simhost: " << error.what() << "\n";
        return kBadInput;
    }
    return kSuccess;
}

}  // namespace

int main(int argc, char **argv) {
    CLI::App app{
        "simhost: a stand-in modelling host that loads the Stelmarin plug-in as the modeller does and "
        "runs modelling sessions with it.",
        "simhost"};
    app.set_version_flag("--version", "simhost 1.2.0");
    app.require_subcommand(1);

    simhost::ScriptSettings settings;
    settings.pluginPath = ExecutableDir() + "/" + simhost::platform::kPluginFileName;
    settings.settingsFile = simhost::DefaultSettingsPath();
    app.add_option("--plugin", settings.pluginPath, "The plug-in module to load (default: beside simhost)")
        ->check(CLI::ExistingFile);
    app.add_option("--settings", settings.settingsFile,
                   "The host's settings file, read at start and written at the end (default: "
                   "~/.config/simhost/settings.xml)");
    app.add_option("--out", settings.outDir, "Where pictures, meshes and reports go (default: simhost-out)");
    app.add_flag("--trace", settings.trace, "Print every host function call the plug-in makes");

    std::string sessionFile;
    auto *run = app.add_subcommand("run", "Run a session file; exits 0 when every step passed");
    // The session runner names a missing file or a folder itself, as for every file it reads.
    run->add_option("SESSION", sessionFile, "The session file")->required();
    auto *repl = app.add_subcommand("repl", "Read commands from standard input, with a prompt and help");
    std::string examples = ExecutableDir() + "/examples";
    auto *demo = app.add_subcommand("demo", "Run the bundled demo: a head smoothed with and without the seam pinned");
    demo->add_option("--examples", examples, "The folder of the bundled examples")->check(CLI::ExistingDirectory);
    std::string helpCommand;
    bool markdown = false;
    auto *help = app.add_subcommand("help", "Print the session commands, one of them, or the README's table of them");
    // Not in the usage: the session's own `help` is what a user meets; this is for keeping
    // the README's table of commands in step (`simhost help --markdown`).
    help->group("");
    auto *helpMarkdown = help->add_flag("--markdown", markdown, "Print the README's table of the session commands");
    help->add_option("COMMAND", helpCommand, "The session command to describe")->excludes(helpMarkdown);
    app.footer(
        "Exit codes: 0 success, 1 a session step failed, 2 bad usage or input.\n"
        "Session commands: simhost repl, then help.");

    try {
        app.parse(argc, argv);
    } catch (const CLI::ParseError &error) {
        const int code = app.exit(error);
        return code == 0 ? kSuccess : kBadInput;
    }
    try {
        if (*run) return RunFile(settings, sessionFile);
        if (*repl) return Repl(settings);
        if (*demo) return RunFile(settings, examples + "/demo.session");
        if (*help) return Help(helpCommand, markdown);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "simhost: %s\n", error.what());
        return kStepFailed;
    }
    return kBadInput;
}
