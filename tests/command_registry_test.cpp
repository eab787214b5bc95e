// The registry of the session language as a person meets it: help for one command, the
// nearest command for a mistyped one, every example in the registry a line its command
// accepts, and the README's table of commands the one the registry generates.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>
#include <utility>
#include <vector>

#include "simhost/language/command_registry.h"
#include "simhost/language/session_script.h"

namespace {

using simhost::ParseScriptLine;
using simhost::ScriptHelp;
using simhost::ScriptSyntaxError;

// What a line or a help topic is told when it is no command; empty when it is one.
template <class Call>
std::string Complaint(Call call) {
    try {
        call();
    } catch (const ScriptSyntaxError &error) {
        return error.what();
    }
    return "";
}

size_t Lines(const std::string &text) { return static_cast<size_t>(std::count(text.begin(), text.end(), '\n')); }

TEST(CommandRegistry, HelpForOneCommandPrintsJustItsEntry) {
    const std::string jitter = ScriptHelp("jitter");
    EXPECT_EQ(Lines(jitter), 4u) << jitter;
    EXPECT_NE(jitter.find("  jitter AMPLITUDE SEED [all]\n"), std::string::npos) << jitter;
    EXPECT_NE(jitter.find("e.g. jitter 0.02 7 all\n"), std::string::npos) << jitter;
    EXPECT_EQ(ScriptHelp("JITTER"), jitter);
    EXPECT_EQ(ScriptHelp("  jitter  # the rough brush"), jitter);

    // The whole help is its first line and then each command's entry, in the registry's order.
    const std::string all = ScriptHelp();
    EXPECT_GT(Lines(all), 100u);
    std::string entries = all.substr(0, all.find('\n') + 1);
    for (const simhost::CommandEntry &entry : simhost::Commands()) entries += ScriptHelp(entry.verb);
    EXPECT_EQ(entries, all);
}

TEST(CommandRegistry, HelpForAWordThatIsNoCommandSaysSoAndSuggestsTheNearest) {
    EXPECT_EQ(Complaint([] { ScriptHelp("smoth"); }), "unknown command \"smoth\"; did you mean \"smooth\"?");
    EXPECT_EQ(Complaint([] { ScriptHelp("xyzzy"); }), "unknown command \"xyzzy\" (help lists the commands)");
    EXPECT_EQ(Complaint([] { ScriptHelp("smooth jitter"); }), "unexpected \"jitter\" (usage: help [COMMAND])");
}

TEST(CommandRegistry, AMistypedCommandIsAnsweredWithTheNearestOne) {
    struct Slip {
        const char *line;
        const char *word;
        const char *meant;
    };
    for (const Slip &slip :
         {Slip{"smoth 3", "smoth", "smooth"}, Slip{"darw", "darw", "draw"}, Slip{"Expct moved 0", "Expct", "expect"},
          Slip{"rigthclick 1", "rigthclick", "rightclick"}, Slip{"nwe", "nwe", "new"},
          Slip{"selcet all", "selcet", "select"}, Slip{"jiter 0.1 2", "jiter", "jitter"},
          Slip{"trce on", "trce", "trace"}, Slip{"exti", "exti", "exit"}}) {
        EXPECT_EQ(Complaint([&slip] { ParseScriptLine(slip.line); }),
                  std::string("unknown command \"") + slip.word + "\"; did you mean \"" + slip.meant + "\"?");
    }
    // Too far from every command to be a slip: no guess.
    for (const char *line : {"frobnicate", "x", "selectall", "quit", "help"}) {
        EXPECT_EQ(Complaint([line] { ParseScriptLine(line); }),
                  "unknown command \"" + std::string(line) + "\" (help lists the commands)")
            << line;
    }

    // A line typed at the prompt gets the suggestion with its place.
    simhost::ScriptSettings settings;
    std::ostringstream output;
    simhost::ScriptRunner runner(settings, output);
    EXPECT_EQ(runner.RunLine("smoth 3 all", "stdin:7"), simhost::StepResult::BadInput);
    EXPECT_EQ(output.str(), "stdin:7: unknown command \"smoth\"; did you mean \"smooth\"?\n");
}

TEST(CommandRegistry, EveryUsageAndExampleInTheRegistryIsOneOfItsCommand) {
    std::set<std::string> verbs;
    for (const simhost::CommandEntry &entry : simhost::Commands()) {
        const std::string verb = entry.verb;
        EXPECT_TRUE(verbs.insert(verb).second) << verb << " is listed twice";
        EXPECT_EQ(simhost::Lower(verb), verb);
        const auto ofThisCommand = [&](const std::string &line) {
            return line == verb || line.rfind(verb + " ", 0) == 0;
        };
        EXPECT_TRUE(ofThisCommand(entry.usage)) << entry.usage;
        ASSERT_TRUE(ofThisCommand(entry.example)) << entry.example;
        EXPECT_NO_THROW(ParseScriptLine(entry.example)) << entry.example;
        ASSERT_FALSE(entry.forms.empty()) << verb << " has no row in the README's table";
        for (const simhost::CommandForm &form : entry.forms) {
            EXPECT_TRUE(ofThisCommand(form.usage)) << form.usage;
            ASSERT_TRUE(ofThisCommand(form.example)) << form.example;
            EXPECT_NO_THROW(ParseScriptLine(form.example)) << form.example;
        }
    }
}

TEST(CommandRegistry, EachFormSaysWhetherItChangesTheDocumentOrDraws) {
    using simhost::DocumentEffect;
    const std::vector<std::pair<std::string, DocumentEffect>> forms = {
        {"move window 400 300", DocumentEffect::None},
        {"MOVE Window 1 2", DocumentEffect::None},
        {"move 0.1 0 0", DocumentEffect::Changes},
        {"move 0.1 0 0 all", DocumentEffect::Changes},
        {"scale 1 2 1", DocumentEffect::Changes},
        {"jitter 0.1 3", DocumentEffect::Changes},
        {"smooth 1 all", DocumentEffect::Changes},
        {"select all", DocumentEffect::Changes},
        {"select plane x 0", DocumentEffect::Changes},
        {"select 1 2-4", DocumentEffect::Changes},
        {"hide \"g\"", DocumentEffect::Changes},
        {"show \"g\"", DocumentEffect::Changes},
        {"exempt \"g\" on", DocumentEffect::Changes},
        {"delete vertex 3", DocumentEffect::Changes},
        {"delete object \"g\"", DocumentEffect::Changes},
        {"compact", DocumentEffect::Changes},
        {"load head.obj", DocumentEffect::Changes},
        {"make grid g 2 2", DocumentEffect::Changes},
        {"make head h", DocumentEffect::Changes},
        {"new", DocumentEffect::Changes},
        {"brush grab 0 0 0 1 0 0 0.5 1", DocumentEffect::Changes},
        {"undo", DocumentEffect::Changes},
        {"redo 2", DocumentEffect::Changes},
        {"stroke begin", DocumentEffect::None},
        {"stroke end", DocumentEffect::None},
        {"draw", DocumentEffect::Draws},
        {"nest draw inside MQObj_SetVertex", DocumentEffect::None},
        {"object \"g\"", DocumentEffect::None},
        {"save out.obj", DocumentEffect::None},
        {"click X0", DocumentEffect::None},
        {"rightclick 1", DocumentEffect::None},
        {"dialog click Z", DocumentEffect::None},
        {"init", DocumentEffect::None},
        {"expect moved 0", DocumentEffect::None},
        {"report", DocumentEffect::None}};
    for (const auto &[line, effect] : forms) {
        const std::optional<simhost::ScriptCommand> command = ParseScriptLine(line);
        ASSERT_TRUE(command) << line;
        EXPECT_EQ(command->effect, effect) << line;
    }
}

TEST(CommandRegistry, ADialogActionIsReadAsTheDialogCommandReadsIt) {
    const simhost::DialogAction click = simhost::ParseDialogAction("click z");
    EXPECT_EQ(click.kind, simhost::DialogAction::Kind::Click);
    EXPECT_EQ(click.axis, 'Z');
    EXPECT_EQ(simhost::ParseDialogAction("KEY esc").kind, simhost::DialogAction::Kind::Key);
    EXPECT_EQ(simhost::ParseDialogAction("rightclick").kind, simhost::DialogAction::Kind::RightClick);
    EXPECT_EQ(
        Complaint([] { simhost::ParseDialogAction("click W"); }),
        "toggle must be one of x, y, z, not \"w\" (usage: " + std::string(simhost::FindCommand("dialog")->usage) + ")");
    EXPECT_NE(Complaint([] { simhost::ParseDialogAction("rightclick twice"); }).find("unexpected \"twice\""),
              std::string::npos);
    EXPECT_NE(Complaint([] { simhost::ParseDialogAction(""); }).find("missing action"), std::string::npos);
    EXPECT_NE(Complaint([] { simhost::ParseDialogAction("key \x1b"); }).find("ESC"), std::string::npos);
}

// The table under "The session language" in the README, from its header row to the
// first line that is not a row.
std::string ReadmeCommandTable() {
    std::ifstream readme(STELMARIN_README_FILE, std::ios::binary);
    std::string table;
    bool inSection = false;
    for (std::string line; std::getline(readme, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("### ", 0) == 0) inSection = line == "### The session language";
        if (!inSection) continue;
        if (table.empty() && line.rfind("| command |", 0) != 0) continue;
        if (line.rfind("|", 0) != 0) break;
        table += line + "\n";
    }
    return table;
}

TEST(CommandRegistry, TheReadmeTableOfCommandsIsTheOneTheRegistryGenerates) {
    const std::string readme = ReadmeCommandTable();
    ASSERT_FALSE(readme.empty()) << "no table of commands under \"The session language\" in " << STELMARIN_README_FILE;
    EXPECT_EQ(readme, simhost::CommandTable())
        << "the README's table and the registry differ: print the table with `simhost help --markdown` and put it "
           "in the README";
}

}  // namespace
