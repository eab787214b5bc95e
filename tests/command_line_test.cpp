// simhost as people run it: a program started with arguments and input, judged by what it
// prints on each stream and the status it exits with; and its REPL at a terminal.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace fs = std::filesystem;
using ::testing::HasSubstr;
using ::testing::Not;

namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

std::string Read(const fs::path &file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

class CommandLine : public ::testing::Test {
protected:
    CommandLine() {
        dir = fs::temp_directory_path() / ("simhost-cli-" + std::to_string(getpid()) + "-" +
                                           ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        settings = (dir / "settings.xml").string();
    }
    ~CommandLine() override { fs::remove_all(dir); }

    std::string Put(const std::string &name, const std::string &text) const {
        std::ofstream(dir / name, std::ios::binary) << text;
        return (dir / name).string();
    }

    // simhost with these arguments after the plug-in and settings, in the test's folder,
    // `input` on its standard input.
    Outcome Simhost(std::vector<std::string> arguments, const std::string &input = "") const {
        arguments.insert(arguments.begin(),
                         {SIMHOST_PROGRAM, "--plugin", STELMARIN_PLUGIN_FILE, "--settings", settings});
        const fs::path in = dir / ".stdin", out = dir / ".stdout", err = dir / ".stderr";
        std::ofstream(in, std::ios::binary) << input;
        const pid_t child = fork();
        if (child == 0) {
            const auto redirect = [](const fs::path &file, int flags, int stream) {
                const int fd = open(file.c_str(), flags, 0644);
                if (fd < 0 || dup2(fd, stream) < 0) _exit(127);
                close(fd);
            };
            if (chdir(dir.c_str()) != 0) _exit(127);
            redirect(in, O_RDONLY, STDIN_FILENO);
            redirect(out, O_WRONLY | O_CREAT | O_TRUNC, STDOUT_FILENO);
            redirect(err, O_WRONLY | O_CREAT | O_TRUNC, STDERR_FILENO);
            std::vector<char *> argv;
            for (std::string &argument : arguments) argv.push_back(argument.data());
            argv.push_back(nullptr);
            execv(argv[0], argv.data());
            _exit(127);
        }
        Outcome outcome;
        int status = 0;
        if (child > 0 && waitpid(child, &status, 0) == child && WIFEXITED(status)) outcome.status = WEXITSTATUS(status);
        outcome.out = Read(out);
        outcome.err = Read(err);
        return outcome;
    }

    fs::path dir;
    std::string settings;
};

TEST_F(CommandLine, ErrorsGoToStandardErrorUnderTheProgramsNameAndTheTranscriptToStandardOutput) {
    const std::string failing = Put("failing.session", "make grid g 2 2\nexpect pins X0 4\necho never\n");
    const Outcome failed = Simhost({"run", failing});
    EXPECT_EQ(failed.status, 1);
    EXPECT_EQ(failed.err, "simhost: " + failing + ":2: slot X0 holds 0 pins, expected 4\n");
    EXPECT_THAT(failed.out, HasSubstr("> make grid g 2 2\n  made grid \"g\" of 9 vertices\n"));
    EXPECT_THAT(failed.out, Not(HasSubstr("holds 0 pins")));
    EXPECT_THAT(failed.out, Not(HasSubstr("never")));

    const std::string mistyped = Put("mistyped.session", "make grid g 2 2\nsmoth 3\n");
    const Outcome bad = Simhost({"run", mistyped});
    EXPECT_EQ(bad.status, 2);
    EXPECT_EQ(bad.err, "simhost: " + mistyped + ":2: unknown command \"smoth\"; did you mean \"smooth\"?\n");
    EXPECT_THAT(bad.out, Not(HasSubstr("smoth")));

    const Outcome repl = Simhost({"repl"}, "make grid g 2 2\nselect 99\nhelp smoth\nhelp jitter\n");
    EXPECT_EQ(repl.err,
              "simhost: stdin:2: \"g\" has no vertex 99 (it has 9 places)\n"
              "simhost: stdin:3: unknown command \"smoth\"; did you mean \"smooth\"?\n");
    // No prompt or greeting when no one types; `help` answers with the one entry asked for.
    EXPECT_THAT(repl.out, ::testing::StartsWith("  made grid \"g\" of 9 vertices\n\n  jitter AMPLITUDE SEED [all]\n"));
    EXPECT_THAT(repl.out, Not(HasSubstr("smooth")));

    const Outcome missing = Simhost({"run", "absent.session"});
    EXPECT_EQ(missing.err, "simhost: cannot open the session file 'absent.session': No such file or directory\n");
}

TEST_F(CommandLine, ChecksListsEveryCheckOfTheHostAndItsReadmeTable) {
    const Outcome list = Simhost({"checks"});
    EXPECT_EQ(list.status, 0);
    EXPECT_THAT(list.out, ::testing::StartsWith("H001  call-outside-plugin-call  "));
    EXPECT_THAT(list.out, HasSubstr("\nW002  message-to-destroyed-widget  "));
    EXPECT_THAT(list.out, HasSubstr("\nD001  pinned-vertex-not-restored  "));
    const Outcome table = Simhost({"checks", "--markdown"});
    EXPECT_EQ(table.status, 0);
    EXPECT_THAT(table.out, ::testing::StartsWith("| ID | Name | What the plug-in did |\n"));
    EXPECT_THAT(table.out, HasSubstr("\n| W002 | `message-to-destroyed-widget` | "));
    EXPECT_EQ(Simhost({"checks", "W002"}).status, 2);
}

TEST_F(CommandLine, QuietKeepsOnlyErrorsAndWhatReportShows) {
    const Outcome quiet =
        Simhost({"--quiet", "run",
                 Put("q.session", "make grid g 2 2\necho hello\nselect all\nreport r.txt\nexpect pins X0 1\n")});
    EXPECT_EQ(quiet.status, 1);
    EXPECT_THAT(quiet.out, HasSubstr("  last draw: none yet\n"));
    for (const char *transcript : {"> ", "made grid", "hello", "selected", "report written", "written:", "session"}) {
        EXPECT_THAT(quiet.out, Not(HasSubstr(transcript)));
    }
    EXPECT_THAT(quiet.err, HasSubstr("q.session:5: "));
    EXPECT_TRUE(fs::exists(dir / "simhost-out" / "r.txt"));
}

TEST_F(CommandLine, UnknownCommandsAndOptionsAreNamedWithTheOneMeant) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"runn", "x.session"}, "unknown command \"runn\"; did you mean \"run\"?"},
        {{"frobnicate"}, "unknown command \"frobnicate\" (simhost --help lists the commands)"},
        {{"-x", "run", "x.session"}, "unknown option \"-x\" (simhost --help lists the options)"},
        {{"--plgin", "p.so", "run", "x.session"}, "unknown option \"--plgin\"; did you mean \"--plugin\"?"},
        {{"demo", "--exampels=e"}, "unknown option \"--exampels\"; did you mean \"--examples\"?"},
        {{"run", "a.session", "b.session"}, "unexpected argument \"b.session\""},
        {{}, "a command is needed: run, repl, demo, serve, help or checks (simhost --help says more)"},
    };
    for (const auto &[arguments, message] : cases) {
        const Outcome outcome = Simhost(arguments);
        EXPECT_EQ(outcome.status, 2) << message;
        EXPECT_EQ(outcome.err, "simhost: " + message + "\n");
        EXPECT_EQ(outcome.out, "");
    }
    // The options before the command may come after it.
    EXPECT_EQ(Simhost({"run", Put("ok.session", "echo fine\n"), "--quiet"}).out, "");
}

TEST_F(CommandLine, ASessionOnStandardInputIsCalledStdinAndReadsFromTheCurrentFolder) {
    Put("tri.obj", "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");
    const Outcome ran = Simhost({"run", "-"}, "load tri.obj\nexpect vertex 1 1 0 0\n");
    EXPECT_EQ(ran.status, 0) << ran.err;
    EXPECT_THAT(ran.out, HasSubstr("loaded 1 object(s), 3 vertices from tri.obj"));

    const Outcome stopped = Simhost({"run", "-"}, "load tri.obj\nexpect vertex 1 5 0 0\n");
    EXPECT_EQ(stopped.status, 1);
    EXPECT_THAT(stopped.err, HasSubstr("simhost: stdin:2: vertex 1 is at (1, 0, 0)"));
}

TEST_F(CommandLine, ALogSavedElsewhereReplaysWithBaseNamingTheFolderOfItsMeshes) {
    fs::create_directories(dir / "models");
    fs::create_directories(dir / "downloads");
    fs::copy_file(STELMARIN_EXAMPLES_DIR "/head.obj", dir / "models" / "head.obj");
    const std::string log = "init\nactivate\nload head.obj\nclick X0\nsmooth 2 all\ndraw\nreport r.json\n";
    Put("models/studio.session", log);
    Put("downloads/studio.session", log);
    const Outcome beside = Simhost({"--out", "beside", "run", "models/studio.session"});
    ASSERT_EQ(beside.status, 0) << beside.err;

    const Outcome lost = Simhost({"--out", "lost", "run", "downloads/studio.session"});
    EXPECT_EQ(lost.status, 2);
    EXPECT_THAT(lost.err, HasSubstr("simhost: downloads/studio.session:3: "));
    EXPECT_THAT(lost.err, HasSubstr("head.obj"));

    const Outcome based = Simhost({"--out", "based", "run", "downloads/studio.session", "--base", "models"});
    EXPECT_EQ(based.status, 0) << based.err;
    EXPECT_EQ(Read(dir / "based" / "r.json"), Read(dir / "beside" / "r.json"));
    const Outcome piped = Simhost({"--out", "piped", "run", "--base", (dir / "models").string(), "-"}, log);
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(Read(dir / "piped" / "r.json"), Read(dir / "beside" / "r.json"));

    const Outcome nowhere = Simhost({"run", "downloads/studio.session", "--base", "no-such-folder"});
    EXPECT_EQ(nowhere.status, 2);
    EXPECT_THAT(nowhere.err, HasSubstr("no-such-folder"));
}

TEST_F(CommandLine, EveryModeExitsWithTheSameStatusForTheSameOutcome) {
    const std::pair<std::string, int> outcomes[] = {
        {"make grid g 2 2\nexpect pins X0 0\n", 0},
        {"make grid g 2 2\nexpect pins X0 1\n", 1},
        {"make grid g 2 2\nfrobnicate\n", 2},
        {"load absent.obj\n", 2},
    };
    fs::create_directories(dir / "examples");
    for (const auto &[session, status] : outcomes) {
        SCOPED_TRACE(session);
        std::ofstream(dir / "examples" / "demo.session", std::ios::binary) << session;
        EXPECT_EQ(Simhost({"run", Put("s.session", session)}).status, status);
        EXPECT_EQ(Simhost({"run", "-"}, session).status, status);
        EXPECT_EQ(Simhost({"repl"}, session).status, status);
        EXPECT_EQ(Simhost({"demo", "--examples", (dir / "examples").string()}).status, status);
    }
    // In the REPL the session goes on: a line that cannot be used outranks a failed step.
    EXPECT_EQ(Simhost({"repl"}, "frobnicate\nmake grid g 2 2\nexpect pins X0 1\n").status, 2);
    const Outcome help = Simhost({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_THAT(help.out, HasSubstr("Exit status: 0 every step passed; 1 a step failed"));
}

TEST_F(CommandLine, AnOutputFolderThatCannotBeUsedStopsTheSessionBeforeAnyWork) {
    const std::string session = Put("save.session", "init\nmake grid g 2 2\nsave g.obj\n");
    const std::string file = Put("taken", "a file where the output folder should be\n");
    const std::pair<std::string, std::string> unusable[] = {
        {file, "the output folder '" + file + "' is not a folder"},
        {file + "/below", "cannot make the output folder '" + file + "/below': Not a directory"},
    };
    for (const auto &[out, message] : unusable) {
        for (const std::vector<std::string> &mode :
             {std::vector<std::string>{"run", session}, {"run", "-"}, {"repl"}}) {
            std::vector<std::string> arguments{"--out", out};
            arguments.insert(arguments.end(), mode.begin(), mode.end());
            const Outcome outcome = Simhost(arguments, "init\nmake grid g 2 2\nsave g.obj\n");
            EXPECT_EQ(outcome.status, 2) << mode.back();
            EXPECT_EQ(outcome.err, "simhost: " + message + "\n") << mode.back();
            EXPECT_THAT(outcome.out, Not(HasSubstr("made grid")));
        }
    }
    EXPECT_FALSE(fs::exists(settings)) << "the modeller never started, so it kept no settings";

    // A folder still to be made is made only when something is written into it.
    EXPECT_EQ(Simhost({"--out", "later/out", "run", Put("nothing.session", "make grid g 2 2\n")}).status, 0);
    EXPECT_FALSE(fs::exists(dir / "later"));
    EXPECT_EQ(Simhost({"--out", "later/out", "run", session}).status, 0);
    EXPECT_TRUE(fs::exists(dir / "later" / "out" / "g.obj"));
}

TEST_F(CommandLine, AnOutputFolderWhereNoFileCanBeMadeIsFoundBeforeTheFirstStepAndNothingIsLeft) {
    const std::string session = Put("save.session", "make grid g 2 2\nsave g.obj\n");
    // /proc passes a look at its permission bits, but takes no folder.
    for (const std::vector<std::string> &mode : {std::vector<std::string>{"run", session}, {"run", "-"}, {"repl"}}) {
        std::vector<std::string> arguments{"--out", "/proc/x"};
        arguments.insert(arguments.end(), mode.begin(), mode.end());
        const Outcome outcome = Simhost(arguments, "make grid g 2 2\nsave g.obj\n");
        EXPECT_EQ(outcome.status, 2) << mode.back();
        EXPECT_EQ(outcome.err, "simhost: cannot make the output folder '/proc/x': No such file or directory\n")
            << mode.back();
        EXPECT_THAT(outcome.out, Not(HasSubstr("made grid")));
    }
    // The probe leaves nothing behind: not the folders it made, even part of the way, nor
    // its file in one that was there.
    const std::string tooLong = "later/made/" + std::string(300, 'x');
    const Outcome partly = Simhost({"--out", tooLong, "run", session});
    EXPECT_EQ(partly.err, "simhost: cannot make the output folder '" + tooLong + "': File name too long\n");
    EXPECT_FALSE(fs::exists(dir / "later"));
    EXPECT_EQ(Simhost({"--out", "later/deeper/out", "run", Put("nothing.session", "make grid g 2 2\n")}).status, 0);
    EXPECT_FALSE(fs::exists(dir / "later"));
    fs::create_directories(dir / "there");
    EXPECT_EQ(Simhost({"--out", "there", "run", Put("nothing.session", "make grid g 2 2\n")}).status, 0);
    EXPECT_TRUE(fs::is_empty(dir / "there"));
}

TEST_F(CommandLine, AWriteThatFailedIsNotListedAsWritten) {
    fs::create_directories(dir / "simhost-out" / "dir.obj");
    fs::create_directories(dir / "simhost-out" / "pic.svg");
    const Outcome saved = Simhost({"run", Put("s.session", "make grid g 2 2\nsave dir.obj\n")});
    EXPECT_EQ(saved.status, 2);
    EXPECT_THAT(saved.err, HasSubstr("cannot write 'simhost-out/dir.obj': Is a directory"));
    EXPECT_THAT(saved.out, Not(HasSubstr("written:")));
    const Outcome typed = Simhost({"repl"}, "make grid g 2 2\npicture pic.svg\nsave g.obj\n");
    EXPECT_THAT(typed.err, HasSubstr("cannot write 'simhost-out/pic.svg': Is a directory"));
    EXPECT_THAT(typed.out, HasSubstr("\nwritten:\n  simhost-out/g.obj\n"));
    EXPECT_THAT(typed.out, Not(HasSubstr("pic.svg")));
}

TEST_F(CommandLine, ASessionSavedWithAByteOrderMarkRunsFromAFileAndFromStandardInput) {
    const std::string session = "\xEF\xBB\xBFmake grid g 2 2\r\nexpect pins X0 0\r\n";
    const Outcome file = Simhost({"run", Put("bom.session", session)});
    EXPECT_EQ(file.status, 0) << file.err;
    EXPECT_EQ(file.err, "");
    const Outcome piped = Simhost({"run", "-"}, session);
    EXPECT_EQ(piped.status, 0) << piped.err;
    EXPECT_EQ(piped.err, "");
}

TEST_F(CommandLine, SettingsThatCannotBeWrittenAreNamedWithTheSystemsReasonAndFailTheSession) {
    const std::string blocker = Put("blocker", "a file where the settings' folder belongs\n");
    settings = blocker + "/settings.xml";
    const Outcome outcome = Simhost({"run", Put("init.session", "init\nactivate\n")});
    EXPECT_EQ(outcome.status, 1);
    EXPECT_EQ(outcome.err, "simhost: cannot write settings '" + settings + "': Not a directory\n");
    const Outcome repl = Simhost({"repl"}, "init\n");
    EXPECT_EQ(repl.status, 1);
    EXPECT_EQ(repl.err, outcome.err);
}

// The REPL at a terminal: simhost in a pseudo-terminal, typed at as a person types.
class Terminal : public CommandLine {
protected:
    void Start() {
        child = forkpty(&terminal, nullptr, nullptr, nullptr);
        if (child == 0) {
            if (chdir(dir.c_str()) != 0) _exit(127);
            execl(SIMHOST_PROGRAM, SIMHOST_PROGRAM, "--plugin", STELMARIN_PLUGIN_FILE, "--settings", settings.c_str(),
                  "repl", static_cast<char *>(nullptr));
            _exit(127);
        }
        ASSERT_GT(child, 0);
    }
    ~Terminal() override {
        if (terminal >= 0) close(terminal);
        if (child > 0 && !reaped) {
            kill(child, SIGKILL);
            waitpid(child, nullptr, 0);
        }
    }

    void Type(const std::string &keys) const {
        ASSERT_EQ(write(terminal, keys.data(), keys.size()), static_cast<ssize_t>(keys.size()));
    }

    // Reads what the terminal shows until `wanted` appears after `from`; false when the
    // program ends or ten seconds pass first. Nothing wanted reads to the program's end.
    bool ShowsUntil(const std::string &wanted, size_t from = 0) {
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (wanted.empty() || screen.find(wanted, from) == std::string::npos) {
            const auto left =
                std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
            pollfd ready{terminal, POLLIN, 0};
            if (left.count() <= 0 || poll(&ready, 1, static_cast<int>(left.count())) <= 0) return false;
            char bytes[4096];
            const ssize_t got = read(terminal, bytes, sizeof bytes);
            if (got <= 0) return false;
            screen.append(bytes, static_cast<size_t>(got));
        }
        return true;
    }

    int Status() {
        ShowsUntil("");
        int status = 0;
        reaped = waitpid(child, &status, 0) == child;
        return reaped && WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    int terminal = -1;
    pid_t child = -1;
    bool reaped = false;
    std::string screen;
};

TEST_F(Terminal, ThePromptWaitsAndTheUpArrowBringsBackTheLineBefore) {
    Start();
    ASSERT_TRUE(ShowsUntil("simhost> ")) << screen;
    Type("echo recalled\r");
    ASSERT_TRUE(ShowsUntil("\nrecalled\r\n")) << screen;
    const size_t first = screen.find("\nrecalled\r\n") + 1;
    ASSERT_TRUE(ShowsUntil("simhost> ", first)) << screen;
    Type("\x1b[A\r");
    ASSERT_TRUE(ShowsUntil("\nrecalled\r\n", first)) << screen;
    EXPECT_THAT(screen, Not(HasSubstr("unknown command")));
    Type("quit\r");
    EXPECT_EQ(Status(), 0) << screen;
}

}  // namespace
