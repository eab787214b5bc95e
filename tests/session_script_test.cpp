// The session language as a person meets it: mistakes named by file and line before
// anything runs, checks that fail the session, and the host's ledger catching a draw that
// does not match what the user pinned.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "simhost/pin_ledger.h"
#include "simhost/session_script.h"
#include "simhost/widget_host.h"

namespace fs = std::filesystem;
using simhost::ScriptRunner;
using simhost::StepResult;

namespace {

class SessionScript : public ::testing::Test {
protected:
    SessionScript() {
        dir = fs::temp_directory_path() /
              ("simhost-script-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        settings.pluginPath = STELMARIN_PLUGIN_FILE;
        settings.settingsFile = (dir / "settings.xml").string();
        settings.outDir = (dir / "out").string();
    }
    ~SessionScript() override { fs::remove_all(dir); }

    StepResult Run(const std::string &script) {
        const fs::path file = dir / "test.session";
        std::ofstream(file, std::ios::binary) << script;
        ScriptRunner runner(settings, output);
        return runner.RunFile(file.string());
    }

    std::string SavedSettings() const {
        std::ifstream saved(settings.settingsFile, std::ios::binary);
        return {std::istreambuf_iterator<char>(saved), std::istreambuf_iterator<char>()};
    }

    fs::path dir;
    simhost::ScriptSettings settings;
    std::ostringstream output;
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

TEST_F(SessionScript, NumbersAndWordsAreCheckedStrictly) {
    for (const char *line : {"jitter 0.1 -3", "smooth 0", "move 1 2 nan", "expect button 1 sideways", "dialog key q",
                             "make cube c", "select plane w 0", "scale 1 1", "echo \"unclosed", "trace maybe"}) {
        EXPECT_THROW(simhost::ParseScriptLine(line), simhost::ScriptSyntaxError) << line;
    }
    EXPECT_FALSE(simhost::ParseScriptLine("   # only a comment"));
    EXPECT_TRUE(simhost::ParseScriptLine("MAKE HEAD \"a head\" 8"));
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
    const std::string cannot = "cannot write '" + settings.settingsFile + "': ";
    EXPECT_EQ(Run("init\nexpect pins X0 5\n"), StepResult::Failed);
    EXPECT_NE(output.str().find("test.session:2: " + cannot), std::string::npos) << output.str();
    output.str("");
    EXPECT_EQ(Run("init\n"), StepResult::BadInput) << "a clean session that cannot keep its settings";
    EXPECT_NE(output.str().find("test.session:1: " + cannot), std::string::npos) << output.str();
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
    EXPECT_NE(output.str().find("test.session:2: the plug-in misbehaved"), std::string::npos) << output.str();
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

// The ledger's check of a draw, on a document changed by hand as a plug-in would.
class DrawCheck : public ::testing::Test {
protected:
    DrawCheck() : object(document.AddObject("o")) {
        for (float x : {-1.0f, 0.0f, 1.0f}) object.AddVertex({x, 0.0f, 0.0f});
        object.AddFace({0, 1, 2});
        ledger.LeftClick(0, false, false, false, true, false, false, document);
        before = simhost::Positions(document);
    }
    simhost::Document document;
    simhost::Object &object;
    simhost::PinLedger ledger;
    std::map<std::pair<int, int>, MQPoint> before;
};

TEST_F(DrawCheck, APinnedVertexLeftOffItsPlaneIsReported) {
    object.vertex(1).position.x = 0.5f;
    before = simhost::Positions(document);
    const auto outcome = simhost::CompareDraw(document, before, ledger.Expected(document), true);
    ASSERT_EQ(outcome.disagreements.size(), 1u);
    EXPECT_NE(outcome.disagreements[0].find("vertex 1 of \"o\" is at (0.5, 0, 0), the slots say (0, 0, 0)"),
              std::string::npos)
        << outcome.disagreements[0];
}

TEST_F(DrawCheck, AVertexNoSlotHoldsMustNotMove) {
    object.vertex(2).position.y = 3.0f;
    const auto outcome = simhost::CompareDraw(document, before, ledger.Expected(document), true);
    EXPECT_EQ(outcome.movedBack, 1);
    EXPECT_EQ(outcome.disagreements.size(), 1u);
}

TEST_F(DrawCheck, WhileInactiveNothingMayMove) {
    object.vertex(1).position.x = 0.5f;
    before = simhost::Positions(document);
    object.vertex(1).position.x = 0.0f;
    EXPECT_EQ(simhost::CompareDraw(document, before, ledger.Expected(document), false).disagreements.size(), 1u);
}

TEST_F(DrawCheck, HiddenExemptAndDeletedAreSkippedAndTheMaskIsRespected) {
    object.vertex(1).position = {0.25f, 0.5f, 0.5f};
    object.visible = false;
    EXPECT_TRUE(ledger.Expected(document).empty());
    object.visible = true;
    object.exempt = true;
    EXPECT_TRUE(ledger.Expected(document).empty());
    object.exempt = false;
    const auto expected = ledger.Expected(document);
    ASSERT_EQ(expected.size(), 1u);
    const MQPoint p = expected.begin()->second;
    EXPECT_EQ(p.x, 0.0f);
    EXPECT_EQ(p.y, 0.5f) << "slot X0 restores X only";
    object.DeleteVertex(1);
    EXPECT_TRUE(ledger.Expected(document).empty());
}

}  // namespace
