// The session language as a person meets it: mistakes named by file and line before
// anything runs, checks that fail the session, and the host's ledger catching a draw that
// does not match what the user pinned.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cctype>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "host/contract_codes.h"
#include "simhost/host/call_trace.h"
#include "simhost/modeller/pin_ledger.h"
#include "simhost/language/session_script.h"
#include "simhost/host/widget_host.h"
#include "simhost/modeller/workbench.h"
#include "tests/session_fixture.h"

namespace fs = std::filesystem;
using simhost::ScriptRunner;
using simhost::StepResult;
using namespace std::string_literals;

namespace {

class SessionScript : public SessionFixture {
protected:
    SessionScript() : SessionFixture("simhost-script-") {}

    std::string SavedSettings() const {
        std::ifstream saved(settings.settingsFile, std::ios::binary);
        return {std::istreambuf_iterator<char>(saved), std::istreambuf_iterator<char>()};
    }
};

TEST_F(SessionScript, MistakesAreNamedByFileAndLineBeforeAnythingRuns) {
    EXPECT_EQ(Run("make grid g 2 2\nsave first.obj\nmove 1 two 3\nfrobnicate\nselect 5-2\nclick\n"),
              StepResult::BadInput);
    const std::string text = output.str();
    EXPECT_NE(text.find("test.session:3: offset y must be a number, not \"two\""), std::string::npos) << text;
    EXPECT_NE(text.find("test.session:4: unknown command \"frobnicate\""), std::string::npos);
    EXPECT_NE(text.find("test.session:5: the range 5-2 runs backwards"), std::string::npos);
    EXPECT_NE(text.find("test.session:6: missing button"), std::string::npos);
    EXPECT_FALSE(fs::exists(dir / "out" / "first.obj")) << "nothing runs when a line is wrong";
}

TEST_F(SessionScript, AFileHandsBackTheCommandsItParsedAsWritten) {
    const fs::path file = dir / "given.session";
    std::ofstream(file, std::ios::binary)
        << "# a grid\r\n  make grid g 2 2   \r\n\nselect all # every vertex\nsmooth 1\n";
    ScriptRunner runner(settings, output);
    std::vector<std::string> commands;
    EXPECT_EQ(runner.RunFile(file.string(), ScriptRunner::AtEnd::Close, &commands), StepResult::Ok) << output.str();
    EXPECT_EQ(commands, (std::vector<std::string>{"make grid g 2 2", "select all # every vertex", "smooth 1"}));

    std::ofstream(file, std::ios::binary) << "make grid g 2 2\nsmoth 1\n";
    commands.clear();
    EXPECT_EQ(ScriptRunner(settings, output).RunFile(file.string(), ScriptRunner::AtEnd::Close, &commands),
              StepResult::BadInput);
    EXPECT_TRUE(commands.empty()) << "a file with a mistake hands back nothing";
}

TEST_F(SessionScript, NumbersAndWordsAreCheckedStrictly) {
    for (const char *line : {"jitter 0.1 -3", "smooth 0", "move 1 2 nan", "expect button 1 sideways", "dialog key q",
                             "make cube c", "select plane w 0", "scale 1 1", "echo \"unclosed", "trace maybe"}) {
        EXPECT_THROW(simhost::ParseScriptLine(line), simhost::ScriptSyntaxError) << line;
    }
    EXPECT_FALSE(simhost::ParseScriptLine("   # only a comment"));
    EXPECT_TRUE(simhost::ParseScriptLine("MAKE HEAD \"a head\" 8"));
}

TEST_F(SessionScript, AControlCharacterAnywhereInALineRefusesItNamingTheCharacterAndColumn) {
    EXPECT_EQ(Run("make grid g 2 2\nsave \"a\0b.obj\"\necho \"\x1b[2Jcleared\"\n# a comment \x7f\n"
                  "select\t0\t1\nobject \"t\xc3\xaate\x01\"\n"s),
              StepResult::BadInput);
    const std::string text = output.str();
    EXPECT_NE(text.find("test.session:2: the line holds the control character U+0000 (NUL) at column 8"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("test.session:3: the line holds the control character U+001B (ESC) at column 7"),
              std::string::npos);
    EXPECT_NE(text.find("test.session:4: the line holds the control character U+007F (DEL)"), std::string::npos);
    EXPECT_EQ(text.find("test.session:5"), std::string::npos) << "tab separates words";
    EXPECT_NE(text.find("test.session:6: the line holds the control character U+0001 (SOH) at column 13"),
              std::string::npos)
        << "columns count characters, not bytes";
    EXPECT_FALSE(fs::exists(dir / "out" / "a")) << "nothing runs when a line is wrong";
    ScriptRunner runner(settings, output);
    EXPECT_EQ(runner.RunLine("echo \"a\rb\"", "stdin:1"), StepResult::BadInput);
    EXPECT_NE(output.str().find("stdin:1: the line holds the control character U+000D (CR) at column 8"),
              std::string::npos);
}

TEST_F(SessionScript, AFileIsWrittenOnlyAsTheKindItsExtensionNames) {
    for (const char *line : {"save HEAD.OBJ", "picture p.Svg \"a title\"", "report r", "report R.Json", "report r.TXT",
                             "report notes.d/r", "picture \"my pictures/front.svg\""}) {
        EXPECT_NO_THROW(simhost::ParseScriptLine(line)) << line;
    }
    EXPECT_EQ(Run("make grid g 2 2\nsave first.obj\npicture p.png\nsave m.stl\nreport r.csv\npicture p\n"
                  "save m.obj.bak\nreport r.\n"),
              StepResult::BadInput);
    const std::string text = output.str();
    for (const char *complaint :
         {"test.session:3: picture writes .svg; \"p.png\" is not one (usage: picture FILE.svg [TITLE])",
          "test.session:4: save writes .obj; \"m.stl\" is not one (usage: save FILE.obj)",
          "test.session:5: report writes .txt or .json, or text to a name without an extension; \"r.csv\" is not one",
          "test.session:6: picture writes .svg; \"p\" is not one", "test.session:7: save writes .obj; \"m.obj.bak\"",
          "test.session:8: report writes .txt or .json, or text to a name without an extension; \"r.\" is not one"}) {
        EXPECT_NE(text.find(complaint), std::string::npos) << complaint << "\n" << text;
    }
    EXPECT_FALSE(fs::exists(dir / "out" / "first.obj")) << "the session is refused before its first step";

    ScriptRunner runner(settings, output);
    EXPECT_EQ(runner.RunLine("make grid g 2 2", "stdin:1"), StepResult::Ok);
    EXPECT_EQ(runner.RunLine("picture p.png", "stdin:2"), StepResult::BadInput);
    EXPECT_FALSE(fs::exists(dir / "out" / "p.png"));
}

// What a line says that it cannot take, or "" when it parses.
std::string Refusal(const std::string &line) {
    try {
        simhost::ParseScriptLine(line);
    } catch (const simhost::ScriptSyntaxError &error) {
        return error.what();
    }
    return "";
}

TEST_F(SessionScript, ANumberOutOfRangeIsSaidToBeAndItsRangeGiven) {
    using ::testing::StartsWith;
    EXPECT_THAT(Refusal("jitter 1e300 1 all"),
                StartsWith("amplitude \"1e300\" is out of range: it must be from 0 to 1.70141e+38 (usage: jitter"));
    EXPECT_THAT(Refusal("jitter 2e38 1"), StartsWith("amplitude \"2e38\" is out of range: it must be from 0 to"));
    EXPECT_THAT(Refusal("jitter -0.5 1"), StartsWith("amplitude \"-0.5\" is out of range: it must be from 0 to"));
    EXPECT_THAT(Refusal("move 1e308 0 0"),
                StartsWith("offset x \"1e308\" is out of range: it must be from -3.40282e+38 to 3.40282e+38"));
    EXPECT_THAT(Refusal("move 0 -1e400 0"), StartsWith("offset y \"-1e400\" is out of range: it must be from"));
    EXPECT_THAT(Refusal("scale 1e200 1 1"), StartsWith("factor x \"1e200\" is out of range"));
    EXPECT_THAT(Refusal("move 1e-50 0 0"),
                StartsWith("offset x \"1e-50\" is out of range: it is too close to 0, nearer than 1.4013e-45"));
    EXPECT_THAT(Refusal("move 0 0 1e-400"), StartsWith("offset z \"1e-400\" is out of range: it is too close to 0"));
    EXPECT_THAT(Refusal("jitter 1 99999999999999999999"),
                StartsWith("seed must be from 0 to 2147483647 (usage: jitter"));
    EXPECT_THAT(Refusal("move x 0 0"), StartsWith("offset x must be a number, not \"x\""));
    EXPECT_THAT(Refusal("move inf 0 0"), StartsWith("offset x must be a number, not \"inf\""));
    for (const char *line : {"jitter 1.7e38 1", "jitter 0 1", "move -3.4e38 1e-40 3.4e38", "scale 0.5 1 2"}) {
        EXPECT_EQ(Refusal(line), "") << line;
    }
}

TEST_F(SessionScript, ANameWindowsTakesForADeviceIsRefusedWhenTheLineIsChecked) {
    for (const char *line : {"save CON.obj", "save nul.obj", "picture aux.svg", "report prn", "report com1.txt",
                             "save LPT9.OBJ", "report Com5.backup.json", "save \"con .obj\"", "save \"aux  .x.obj\"",
                             "save sub/con/g.obj", "picture \"nul. /p.svg\"", "report \"lpt1..\\r.txt\""}) {
        EXPECT_THAT(Refusal(line), ::testing::HasSubstr("names a device on Windows")) << line;
    }
    EXPECT_THAT(Refusal("save sub/Con/g.obj"),
                ::testing::StartsWith("\"Con\" in \"sub/Con/g.obj\" names a device on Windows; save writes files "
                                      "under other names, on every system (usage: save FILE.obj)"));
    for (const char *line : {"save console.obj", "save com10.obj", "save com0.obj", "picture nullish.svg",
                             "report lpt.txt", "report my-con.txt", "save connected/aux_1.obj"}) {
        EXPECT_EQ(Refusal(line), "") << line;
    }
    EXPECT_EQ(Run("make grid g 2 2\nsave g.obj\nsave NUL.obj\n"), StepResult::BadInput);
    EXPECT_THAT(output.str(), ::testing::HasSubstr("test.session:3: \"NUL.obj\" in \"NUL.obj\" names a device"));
    EXPECT_FALSE(fs::exists(dir / "out" / "g.obj")) << "the session is refused before its first step";
}

TEST_F(SessionScript, ASessionFileThatBeginsWithAByteOrderMarkRuns) {
    EXPECT_EQ(Run("\xEF\xBB\xBFmake grid g 2 2\r\nsave g.obj\r\n"), StepResult::Ok) << output.str();
    EXPECT_FALSE(Written("g.obj").empty());
    std::istringstream piped("\xEF\xBB\xBF# a comment first\nmake grid g 2 2\n");
    ScriptRunner runner(settings, output);
    EXPECT_EQ(runner.RunStream(piped, "stdin"), StepResult::Ok) << output.str();
    // Only at the start of the file: elsewhere it is a stray character.
    EXPECT_EQ(Run("make grid g 2 2\n\xEF\xBB\xBFsave g.obj\n"), StepResult::BadInput);
}

TEST_F(SessionScript, AFailedCheckStopsTheSessionWithItsLine) {
    EXPECT_EQ(Run("make grid g 2 2 1\nexpect vertex 0 -1 0 0\nexpect vertex 0 5 0 0 within 0.5\necho never\n"),
              StepResult::Failed);
    EXPECT_NE(output.str().find("test.session:3: vertex 0 is at (-1, 0, 0), expected (5, 0, 0)"), std::string::npos)
        << output.str();
    EXPECT_EQ(output.str().find("never"), std::string::npos);
}

TEST_F(SessionScript, ActionsTheScreenDoesNotOfferFailTheStep) {
    EXPECT_EQ(Run("init\nclick 1\n"), StepResult::Failed);
    EXPECT_NE(output.str().find("test.session:2: the plug-in's window is hidden"), std::string::npos) << output.str();
}

TEST_F(SessionScript, LeftoverAnswersAndDialogActionsAreReportedAtTheEnd) {
    EXPECT_EQ(Run("make grid g 2 2\ninit\nactivate\nanswer ok\ndialog key esc\n"), StepResult::Failed);
    EXPECT_NE(output.str().find("dialog action(s) left over"), std::string::npos) << output.str();
    EXPECT_NE(output.str().find("an answer was left over"), std::string::npos);
}

TEST_F(SessionScript, AMissingOrMalformedMeshIsBadInput) {
    std::ofstream(dir / "bad.obj") << "v 0 0 0\nf 1 2 3\n";
    EXPECT_EQ(Run("load bad.obj\n"), StepResult::BadInput);
    EXPECT_NE(output.str().find("bad.obj:2"), std::string::npos) << output.str();
}

TEST_F(SessionScript, ReplLinesFailAloneAndTheSessionGoesOn) {
    ScriptRunner runner(settings, output);
    EXPECT_EQ(runner.RunLine("make grid g 2 2", "stdin:1"), StepResult::Ok);
    EXPECT_EQ(runner.RunLine("select 99", "stdin:2"), StepResult::Failed);
    EXPECT_EQ(runner.RunLine("select", "stdin:3"), StepResult::BadInput);
    EXPECT_EQ(runner.RunLine("select 0 1", "stdin:4"), StepResult::Ok);
    EXPECT_EQ(runner.Finish("stdin:4"), StepResult::Ok);
    EXPECT_NE(output.str().find("stdin:2: \"g\" has no vertex 99"), std::string::npos) << output.str();
}

TEST_F(SessionScript, TheModellerTellsThePlugInItIsClosingAndKeepsTheWindowPlace) {
    EXPECT_EQ(Run("init\nactivate\nmove window 300 200\n"), StepResult::Ok) << output.str();
    std::ifstream saved(dir / "settings.xml");
    const std::string xml((std::istreambuf_iterator<char>(saved)), std::istreambuf_iterator<char>());
    EXPECT_NE(xml.find("300"), std::string::npos) << xml;
}

TEST_F(SessionScript, AStoppedSessionStillClosesTheModellerAndKeepsTheWindowPlace) {
    EXPECT_EQ(Run("init\nactivate\nmove window 300 200\nexpect pins X0 5\n"), StepResult::Failed) << output.str();
    EXPECT_NE(SavedSettings().find("<PosX>300</PosX>"), std::string::npos) << SavedSettings();
    EXPECT_EQ(Run("init\nactivate\nmove window 310 210\nload absent.obj\n"), StepResult::BadInput) << output.str();
    EXPECT_NE(SavedSettings().find("<PosX>310</PosX>"), std::string::npos) << SavedSettings();
}

TEST_F(SessionScript, AFailureWhileClosingIsReportedAndTheStepsOutcomeStands) {
    std::ofstream(dir / "blocker") << "a file where the settings' folder belongs\n";
    settings.settingsFile = (dir / "blocker" / "settings.xml").string();
    // No line of the session is to blame: the message stands on a line of its own.
    const std::string cannot = "\ncannot write settings '" + settings.settingsFile + "': ";
    EXPECT_EQ(Run("init\nexpect pins X0 5\n"), StepResult::Failed);
    EXPECT_NE(output.str().find("test.session:2: slot X0"), std::string::npos) << output.str();
    EXPECT_NE(output.str().find(cannot), std::string::npos) << output.str();
    output.str("");
    EXPECT_EQ(Run("init\nexpect pins X0 0\n"), StepResult::Failed) << "a clean session that cannot keep its settings";
    EXPECT_NE(output.str().find(cannot), std::string::npos) << output.str();
}

TEST_F(SessionScript, TheWindowCommandShowsTheLatestMessagesAndSaysHowManyWentBefore) {
    std::string script;
    for (int cycle = 0; cycle < 200; ++cycle) script += "init\nexit\n";
    EXPECT_EQ(Run(script + "init\nwindow\nwindow\n"), StepResult::Ok) << output.str();
    const std::string text = output.str();
    const size_t forgotten = text.find(" earlier messages, no longer kept\n");
    ASSERT_NE(forgotten, std::string::npos) << text;
    size_t sent = 0;
    for (size_t at = text.find("  sent: ", forgotten); at != std::string::npos; at = text.find("  sent: ", at + 1))
        ++sent;
    EXPECT_EQ(sent, simhost::WidgetHost::kLogCapacity) << "the second window command has nothing new to show";
    EXPECT_EQ(text.find(" earlier messages", forgotten + 1), std::string::npos);
    EXPECT_NE(text.find("  sent: query main_window\n", forgotten), std::string::npos) << "the latest start is kept";
}

TEST_F(SessionScript, APlugInThatMisbehavesOnDrawFailsTheSession) {
    settings.pluginPath = BROKEN_PLUGIN_FILE;
    EXPECT_EQ(Run("make grid g 2 2\ndraw\n"), StepResult::Failed);
    EXPECT_NE(output.str().find("test.session:2: the plug-in misbehaved: [H014] MQ_RefreshView"), std::string::npos)
        << output.str();
}

TEST_F(SessionScript, MisbehaviourBeyondWhatTheHostKeepsIsCountedAndStillFailsEachStep) {
    settings.pluginPath = BROKEN_PLUGIN_FILE;
    simhost::ScriptRunner runner(settings, output);
    ASSERT_EQ(runner.RunLine("make grid g 2 2", "stdin:1"), StepResult::Ok);
    const size_t kept = simhost::Host::kViolationCapacity;
    // Every draw misbehaves a little; long after the host stopped keeping it all, each
    // draw still fails.
    for (size_t draw = 0; draw < kept; ++draw) {
        ASSERT_EQ(runner.RunLine("draw", "stdin:2"), StepResult::Failed) << "draw " << draw;
    }
    const auto &violations = runner.bench().violations();
    EXPECT_EQ(violations.size(), kept);
    EXPECT_GE(violations.Forgotten(), kept) << "the host keeps the latest, and counts the rest";
    // One step that misbehaves more than the host keeps: what it forgot is counted.
    std::string nested;
    for (size_t draw = 0; draw < kept; ++draw) nested += "nest draw inside MQObj_SetVertex\n";
    std::istringstream lines(nested);
    for (std::string line; std::getline(lines, line);) ASSERT_EQ(runner.RunLine(line, "stdin:3"), StepResult::Ok);
    output.str("");
    const size_t before = violations.Added();
    EXPECT_EQ(runner.RunLine("draw", "stdin:4"), StepResult::Failed);
    const size_t found = violations.Added() - before;
    ASSERT_GT(found, kept);
    EXPECT_NE(output.str().find("stdin:4: the plug-in misbehaved " + std::to_string(found - kept) +
                                " more time(s) than the host keeps"),
              std::string::npos)
        << output.str().substr(0, 400);
}

TEST_F(SessionScript, NestedEventsAreSettledAfterTheirStepAndOneNeverSentFailsTheSession) {
    for (const char *line : {"nest click 1 inside MQ_Nothing", "nest new MQObj_SetVertex", "nest new inside",
                             "nest new inside MQObj_SetVertex call 0", "nest rightclick 1 inside MQWidget_Value"}) {
        EXPECT_THROW(simhost::ParseScriptLine(line), simhost::ScriptSyntaxError) << line;
    }
    EXPECT_EQ(Run("make grid g 4 2\ninit\nactivate\nclick X0\nmove 0.5 0 0 all\n"
                  "nest new inside MQObj_SetVertex call 2\ndraw\nexpect pins X0 0\nexpect button X0 up\n"
                  "nest draw inside MQObj_SetVertex\n"),
              StepResult::Failed);
    EXPECT_NE(output.str().find("test.session:10: 1 nested event(s) left over"), std::string::npos) << output.str();
    EXPECT_EQ(output.str().find("misbehaved"), std::string::npos) << output.str();
}

TEST_F(SessionScript, ANestedDrawStartsWhereTheDrawsBeforeItLeftTheVertices) {
    const std::string pinned = "make grid g 4 2\ninit\nactivate\nselect all\nclick 1 ctrl\nmove 0.5 0 0 all\n";
    // The outer draw moves every pin back; a click nested in it disarms the slot, so the
    // nested draw writes nothing and must find each vertex where the outer draw put it.
    EXPECT_EQ(Run(pinned + "nest click 1 inside MQObj_SetVertex call 1\nnest draw inside MQObj_SetVertex call 2\ndraw\n"
                           "expect moved 15\nexpect button 1 up\nmove 0 0.5 0 all\ndraw\nexpect moved 0\n"),
              StepResult::Ok)
        << output.str();
    // A draw sent while the Overwrite question is up moves the pins back at once; the one
    // sent after it finds them there and moves nothing.
    EXPECT_EQ(Run(pinned + "answer ok\nnest draw inside MQWidget_Value call 1\nnest draw inside MQWidget_Value call 2\n"
                           "click 1 ctrl\nexpect moved 0\n"),
              StepResult::Ok)
        << output.str();
}

TEST_F(SessionScript, TheTraceNamesEachMessageWithItsOptionsAndWhatTheHostWroteBack) {
    EXPECT_EQ(Run("make grid g 2 2\ninit\nactivate\nselect all\ntrace on\nclick 1 ctrl\nanswer ok\nclick 1 ctrl\n"
                  "dialog click Y\ndialog key esc\nrightclick 1 at 320 240\nclose window\nexit\n"),
              StepResult::Ok)
        << output.str();
    const std::string text = output.str();
    for (const char *line : {
             "MQObj_GetIntValue(g, unique ID)",
             "MQWidget_Value(1004, set \"down\" = true)",
             "MQWidget_Value(0, command \"type\" = \"messagebox\", \"messagetype\" = \"okcancel\", \"parent\" = 1001, "
             "\"message\" = \"Overwrite?\", \"title\" = \"Stelmarin\", \"result\" -> 1)",
             "MQWidget_Value(0, create \"type\" = \"dialog\", \"id\" -> 1007)",
             "MQWidget_Value(1001, attach \"child\" = 1007, \"result\" -> 1)",
             "MQWidget_Value(1007, set \"title\" = \"SetFixMode\")",
             "MQWidget_Value(1007, set \"inspace\" = 0)",
             "MQWidget_Value(1007, set \"pos_x\" = 320)",
             "MQWidget_Value(1009, add handler \"type\" = \"leftdown\", \"proc\" = <function>, \"pointer\" = "
             "<address>, "
             "\"prior\" = false)",
             "MQWidget_Value(1010, get \"down\" -> true)",
             "MQWidget_Value(1007, destroy)",
             "MQ_SendMessage(deactivated)",
             "MQ_SendMessage(settings elements \"root\" -> element, \"pluginsettings\" -> element)",
             "MQXmlElem_Value(find child \"PosX\" -> null)",
             "MQXmlElem_Value(add child \"PosX\" -> element)",
             "MQWidget_Value(1001, get \"pos_x\" -> 200)",
             "MQXmlElem_Value(set text \"200\")",
         }) {
        EXPECT_NE(text.find(std::string("\n  ") + line + "\n"), std::string::npos) << line << "\n" << text;
    }
    // The modal run's line stands where the run began, before what the user did inside it,
    // and still shows how the run ended.
    const size_t modal = text.find("\n  MQWidget_Value(1007, command \"type\" = \"modal\", \"result\" -> 1)\n");
    const size_t toggle = text.find("\n  MQWidget_Value(1010, set \"down\" = true)\n");
    const size_t close = text.find("\n  MQWidget_Value(1007, command \"type\" = \"close\", \"code\" = \"ok\")\n");
    ASSERT_NE(modal, std::string::npos) << text;
    EXPECT_LT(modal, toggle);
    EXPECT_LT(toggle, close);
    for (size_t at = text.find("MQWidget_Value("); at != std::string::npos; at = text.find("MQWidget_Value(", at + 1)) {
        const size_t message = text.find(", ", at) + 2;
        EXPECT_TRUE(std::isalpha(static_cast<unsigned char>(text[message])))
            << "a message code printed as a number: " << text.substr(at, text.find('\n', at) - at);
    }
}

TEST(CallTraceText, CodesAndOptionsTheContractDoesNotKnowArePrintedAsSuch) {
    int32_t x = 7;
    bool down = true;
    MQOption strange[] = {{"down", &down}, {"colour", &x}, {"visible", nullptr}, {nullptr, nullptr}};
    EXPECT_EQ(simhost::WidgetMessageArguments(12, 0x999, strange),
              "12, message 2457 \"down\" = true, \"colour\" = ?, \"visible\" = null");
    EXPECT_EQ(simhost::WidgetMessageArguments(12, stelmarin::kWidgetSetValue, nullptr), "12, set, null options");
    MQOption none[] = {{nullptr, nullptr}};
    HostMessage message{1, 2, 0, none};
    EXPECT_EQ(simhost::HostMessageArguments(506, &message), "message 506");
    EXPECT_EQ(simhost::HostMessageArguments(stelmarin::kMessageDeactivated, nullptr), "deactivated, null record");
    XmlSetText unnamed{nullptr};
    EXPECT_EQ(simhost::XmlMessageArguments(stelmarin::kXmlSetText, &unnamed), "set text null");
    EXPECT_EQ(simhost::XmlMessageArguments(stelmarin::kXmlGetText, nullptr), "get text, null record");
    EXPECT_EQ(simhost::XmlMessageArguments(0x403, &unnamed), "message 1027");
    EXPECT_EQ(simhost::ObjectValueArgument(261), "261");
}

TEST(CallTraceText, ACallFinishingAfterTheTraceWasClearedLeavesTheNewCallsAlone) {
    simhost::CallTrace trace;
    trace.recording = true;
    {
        const simhost::TracedCall outer(trace, "MQWidget_Value", [] { return std::string("after"); });
        trace.Clear();
        trace.Record("MQDoc_GetObjectCount", "doc");
    }
    EXPECT_EQ(trace.Format(), "  MQDoc_GetObjectCount(doc)\n");
}

// The ledger's check of a draw, on a document changed by hand as a plug-in's writes and a
// tool between draws would change it.
class DrawCheck : public ::testing::Test {
protected:
    DrawCheck() : object(document.AddObject("o")) {
        for (float x : {-1.0f, 0.0f, 1.0f}) object.AddVertex({x, 0.0f, 0.0f});
        object.AddFace({0, 1, 2});
        ledger.LeftClick(0, false, false, false, true, false, false, document);
    }
    // A write through MQObj_SetVertex, as the host records it.
    void Write(int index, MQPoint position) {
        object.RecordWrite(index, position);
        object.position(index) = position;
    }
    simhost::DrawOutcome Check(bool active = true, const simhost::PositionSet &placed = {}) const {
        return simhost::CheckDraw(document, placed, ledger, active);
    }

    simhost::Document document;
    simhost::Object &object;
    simhost::PinLedger ledger;
};

TEST_F(DrawCheck, APinnedVertexLeftOffItsPlaneIsReported) {
    object.position(1).x = 0.5f;
    const auto outcome = Check();
    ASSERT_EQ(outcome.disagreements.size(), 1u);
    EXPECT_STREQ(outcome.disagreements[0].id(), "D001");
    EXPECT_EQ(outcome.disagreements[0].text, "vertex 1 of \"o\" is at (0.5, 0, 0), the slots say (0, 0, 0)");
    EXPECT_EQ(outcome.movedBack, 0) << "the draw wrote nothing";
}

TEST_F(DrawCheck, AVertexNoSlotHoldsMustNotMove) {
    Write(2, {1.0f, 3.0f, 0.0f});
    const auto outcome = Check();
    EXPECT_EQ(outcome.movedBack, 1);
    EXPECT_EQ(outcome.largestMove, 3.0);
    ASSERT_EQ(outcome.disagreements.size(), 1u);
    EXPECT_STREQ(outcome.disagreements[0].id(), "D002");
}

TEST_F(DrawCheck, WhileInactiveNothingMayMove) {
    object.position(1).x = 0.5f;
    Write(1, {0.0f, 0.0f, 0.0f});
    const auto outcome = Check(false);
    ASSERT_EQ(outcome.disagreements.size(), 1u);
    EXPECT_STREQ(outcome.disagreements[0].id(), "D002") << "with no slot armed, no vertex is pinned";
}

TEST_F(DrawCheck, HiddenExemptAndDeletedAreSkippedAndTheMaskIsRespected) {
    object.position(1) = {0.25f, 0.5f, 0.5f};
    object.visible = false;
    EXPECT_TRUE(Check().disagreements.empty()) << "a hidden object's pins stay where they are";
    object.visible = true;
    object.exempt = true;
    EXPECT_TRUE(Check().disagreements.empty()) << "so do an exempt object's";
    object.exempt = false;
    EXPECT_EQ(Check().disagreements.size(), 1u);
    Write(1, {0.0f, 0.5f, 0.5f});
    EXPECT_TRUE(Check().disagreements.empty()) << "slot X0 restores X only";
    object.position(1) = {0.25f, 0.5f, 0.5f};
    object.DeleteVertex(1);
    EXPECT_TRUE(Check().disagreements.empty()) << "a vertex that has gone is no one's concern";
}

TEST_F(DrawCheck, AVertexWrittenTwiceIsJudgedFromWhereItWasBeforeTheDraw) {
    Write(2, {1.0f, 3.0f, 0.0f});
    Write(2, {1.0f, 0.0f, 0.0f});
    Write(0, {-1.0f, 0.0f, 0.0f});
    Write(0, {-1.0f, 0.0f, 4.0f});
    const auto outcome = Check();
    EXPECT_EQ(outcome.movedBack, 1) << "vertex 2 went and came back; vertex 0 moved on its second write";
    EXPECT_EQ(outcome.largestMove, 4.0);
    EXPECT_EQ(outcome.disagreements.size(), 1u);
    object.ClearWrites();
    Write(2, {1.0f, 0.0f, 2.0f});
    EXPECT_EQ(Check().movedBack, 1) << "a cleared record starts afresh";
}

TEST_F(DrawCheck, PlacedPositionsStandForWhereVerticesWereBeforeTheDraw) {
    // A draw before this one, accounted for on paper only, put vertex 2 at Y = 1.
    const simhost::PositionSet placed{{object.uniqueID(), {object.vertex(2).uniqueID}, {{1.0f, 1.0f, 0.0f}}}};
    EXPECT_EQ(Check(true, placed).disagreements.size(), 1u) << "the vertex is not where the earlier draw left it";
    Write(2, {1.0f, 1.0f, 0.0f});
    const auto outcome = Check(true, placed);
    EXPECT_EQ(outcome.movedBack, 0);
    EXPECT_TRUE(outcome.disagreements.empty());
}

TEST_F(DrawCheck, ArmedSlotsWriteInOrderEachOnItsOwnAxes) {
    // Slot 1 records vertex 2 at (1, 0, 0) on every axis; X0 pins vertex 1 on X only.
    object.vertex(2).selected = true;
    ledger.LeftClick(1, true, false, false, true, false, false, document);
    object.position(1) = {0.5f, 0.5f, 0.5f};
    object.position(2) = {2.0f, 2.0f, 2.0f};
    simhost::PositionSet placed;
    ledger.Place(document, placed);
    ASSERT_EQ(placed.size(), 1u);
    const auto &after = placed[0].positions;
    ASSERT_EQ(after.size(), 2u);
    EXPECT_EQ(after[0].x, 0.0f);
    EXPECT_EQ(after[0].y, 0.5f) << "X0 leaves Y to the tool";
    EXPECT_EQ(after[1].x, 1.0f);
    EXPECT_EQ(after[1].z, 0.0f);
    ledger.slots[1].mask = simhost::kMaskY;
    placed.clear();
    ledger.Place(document, placed);
    EXPECT_EQ(placed[0].positions[1].x, 2.0f) << "slot 1 now fixes Y alone";
    EXPECT_EQ(placed[0].positions[1].y, 0.0f);
}

}  // namespace

namespace {

TEST_F(SessionScript, ARecordingThatFindsNothingSaysWhy) {
    ASSERT_EQ(Run("make grid g 3 2\ninit\nactivate\nclick X0\nselect none\nclick 1 ctrl\nreport\n"), StepResult::Ok)
        << output.str();
    const std::string text = output.str();
    EXPECT_NE(text.find("note: no vertex of a visible object lies on X = 0 (|X| < 0.001): slot X0 pins nothing"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("note: slot 1 pins nothing: no vertex of the current object was selected"), std::string::npos);
    EXPECT_NE(text.find("centre line: slot X0 pins no vertex"), std::string::npos);
}

TEST_F(SessionScript, ARecordingThatFindsVerticesAddsNoNote) {
    ASSERT_EQ(Run("make grid g 4 2\ninit\nactivate\nclick X0\nselect 0\nclick 1 ctrl\n"), StepResult::Ok)
        << output.str();
    EXPECT_EQ(output.str().find("note:"), std::string::npos) << output.str();
}

}  // namespace
