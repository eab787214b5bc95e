// The report as a person and a program read it: the same facts in plain text and in JSON,
// per slot, of the last draw and of the centre line, whichever kind the file's name asks for;
// the JSON also lists the violations, by check.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "simhost/files/report_file.h"
#include "simhost/language/session_script.h"
#include "tests/session_fixture.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using simhost::ScriptRunner;
using simhost::StepResult;

// On a grid made before: slot X0 pins the centre line, slot 1 three vertices fixed on X
// and Z, slot 2 one vertex, disarmed. A draw puts the armed slots' vertices back, then,
// with the plug-in off, the whole grid moves by 0.25 on X.
constexpr const char *kPinnedThenDrifted =
    "init\nactivate\nclick X0\n"
    "select 0-2\nclick 1 ctrl\n"
    "select 7\nclick 2 ctrl\nclick 2\n"
    "dialog click Y\ndialog key esc\nrightclick 1\n"
    "move 0.5 0.25 0 all\ndraw\n"
    "deactivate\nmove 0.25 0 0 all\n";

class Report : public SessionFixture {
protected:
    Report() : SessionFixture("simhost-report-") {}
};

TEST_F(Report, TheTextShowsEachSlotTheLastDrawAndTheCentreLine) {
    ASSERT_EQ(Run(std::string("make grid g 4 3\nreport early.txt\n") + kPinnedThenDrifted + "report late\n"),
              StepResult::Ok)
        << output.str();
    EXPECT_EQ(Written("early.txt"),
              "slot X0  disarmed  fixes X     0 objects, 0 vertices pinned\n"
              "slot 1   disarmed  fixes XYZ   0 objects, 0 vertices pinned\n"
              "slot 2   disarmed  fixes XYZ   0 objects, 0 vertices pinned\n"
              "slot 3   disarmed  fixes XYZ   0 objects, 0 vertices pinned\n"
              "last draw: none yet\n"
              "centre line: slot X0 pins no vertex\n");
    const std::string late =
        "slot X0  armed     fixes X     1 object, 4 vertices pinned\n"
        "slot 1   armed     fixes XZ    1 object, 3 vertices pinned\n"
        "slot 2   disarmed  fixes XYZ   1 object, 1 vertex pinned\n"
        "slot 3   disarmed  fixes XYZ   0 objects, 0 vertices pinned\n"
        "pins not held: the plug-in is off (switched off)\n"
        "pins not held: the document changed since the last draw\n"
        "last draw: 7 vertices written, 6 vertices moved back, farthest by 0.5\n"
        "centre line: largest |X| 0.25 among slot X0's 4 vertices\n";
    EXPECT_EQ(Written("late"), late);
    // The transcript shows the same lines, each under the command.
    std::string indented;
    std::istringstream lines(late);
    for (std::string line; std::getline(lines, line);) indented += "  " + line + "\n";
    EXPECT_NE(output.str().find("> report late\n" + indented), std::string::npos) << output.str();
}

TEST_F(Report, AJsonReportHoldsTheSameFactsAndParsesBack) {
    ASSERT_EQ(Run(std::string("make grid g 4 3\nreport early.JSON\n") + kPinnedThenDrifted + "report late.json\n"),
              StepResult::Ok)
        << output.str();
    const json early = json::parse(Written("early.JSON"));
    EXPECT_EQ(early["active"], false);
    EXPECT_TRUE(early["last_draw"].is_null());
    EXPECT_EQ(early["slots"][0],
              json::parse(R"({"label": "X0", "armed": false, "axes": ["X"], "objects": 0, "pins": 0})"));
    EXPECT_EQ(early["centre_line"], json::parse(R"({"largest_abs_x": 0, "vertices": 0})"));
    EXPECT_EQ(early["pins_held"], true) << "nothing armed, nothing to hold";
    EXPECT_EQ(early["not_held"], json::array());

    const json late = json::parse(Written("late.json"));
    EXPECT_EQ(late, json::parse(R"json({
        "active": false,
        "slots": [
            {"label": "X0", "armed": true, "axes": ["X"], "objects": 1, "pins": 4},
            {"label": "1", "armed": true, "axes": ["X", "Z"], "objects": 1, "pins": 3},
            {"label": "2", "armed": false, "axes": ["X", "Y", "Z"], "objects": 1, "pins": 1},
            {"label": "3", "armed": false, "axes": ["X", "Y", "Z"], "objects": 0, "pins": 0}
        ],
        "pins_held": false,
        "not_held": [
            {"id": "plugin-off", "text": "the plug-in is off (switched off)"},
            {"id": "not-drawn", "text": "the document changed since the last draw"}
        ],
        "last_draw": {"written": 7, "moved_back": 6, "farthest": 0.5},
        "centre_line": {"largest_abs_x": 0.25, "vertices": 4},
        "violations": [],
        "violations_found": 0
    })json"))
        << late.dump(2);
    // A person reading the transcript still sees the text.
    EXPECT_NE(output.str().find("> report late.json\n  slot X0  armed     fixes X"), std::string::npos) << output.str();
}

TEST_F(Report, AJsonReportListsWhatThePlugInDidWrongByTheCheckItFailed) {
    settings.pluginPath = BROKEN_PLUGIN_FILE;
    ScriptRunner runner(settings, output);
    ASSERT_EQ(runner.RunLine("make grid g 2 2", "stdin:1"), StepResult::Ok);
    ASSERT_EQ(runner.RunLine("draw", "stdin:2"), StepResult::Failed);
    ASSERT_EQ(runner.RunLine("report r.json", "stdin:3"), StepResult::Ok) << output.str();
    const json report = json::parse(Written("r.json"));
    ASSERT_EQ(report["violations"].size(), 3u) << report.dump(2);
    EXPECT_EQ(report["violations"][0],
              json::parse(R"({"id": "H014", "text": "MQ_RefreshView: a plug-in must never call this function"})"));
    EXPECT_EQ(report["violations"][2]["id"], "H006");
    EXPECT_EQ(report["violations_found"], 3);
}

TEST(ReportFile, TheJsonKeepsItsFieldsInTheDocumentedOrderAndNumbersExactly) {
    simhost::ReportFacts facts;
    facts.active = true;
    facts.slots.push_back({"X0", true, 0, 2, 3000000000});
    facts.lastDraw = simhost::ReportFacts::Draw{1, 1, 0.1};
    facts.centreLine = {1e-7, 3000000000};
    facts.violations = {{simhost::Check::MessageToDestroyedWidget, "MQWidget_Value: set to widget 1003"}};
    facts.violationsFound = 300;
    facts.notHeld = {{"object-hidden", "an object holding pins is hidden: \"h\" (slot X0)"}};
    const std::string text = simhost::ReportJson(facts);
    EXPECT_LT(text.find("\"active\""), text.find("\"slots\""));
    EXPECT_LT(text.find("\"slots\""), text.find("\"pins_held\""));
    EXPECT_LT(text.find("\"pins_held\""), text.find("\"not_held\""));
    EXPECT_LT(text.find("\"not_held\""), text.find("\"last_draw\""));
    EXPECT_LT(text.find("\"last_draw\""), text.find("\"centre_line\""));
    EXPECT_LT(text.find("\"centre_line\""), text.find("\"violations\""));
    EXPECT_LT(text.find("\"violations\""), text.find("\"violations_found\""));
    EXPECT_EQ(text.back(), '\n');
    const json back = json::parse(text);
    EXPECT_EQ(back["slots"][0]["axes"], json::array()) << "no axis fixed is an empty list";
    EXPECT_EQ(back["slots"][0]["pins"].get<long long>(), 3000000000);
    EXPECT_EQ(back["last_draw"]["farthest"].get<double>(), 0.1);
    EXPECT_EQ(back["centre_line"]["largest_abs_x"].get<double>(), 1e-7);
    EXPECT_EQ(back["violations"], json::parse(R"([{"id": "W002", "text": "MQWidget_Value: set to widget 1003"}])"));
    EXPECT_EQ(back["violations_found"], 300);
    EXPECT_EQ(back["pins_held"], false);
    EXPECT_EQ(back["not_held"],
              json::parse(
                  R"json([{"id": "object-hidden", "text": "an object holding pins is hidden: \"h\" (slot X0)"}])json"));
    EXPECT_NE(simhost::ReportText(facts).find("slot X0  armed     fixes none  2 objects"), std::string::npos);
}

}  // namespace
