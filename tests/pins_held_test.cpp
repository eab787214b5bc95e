// Whether the pins of armed slots are being held, as the studio's status and the reports
// tell it: the plug-in off since its window closed, an object holding pins hidden or
// exempt, a change no draw has followed yet; nothing said when every armed pin is held.
// The state and both reports give the same reasons, with the centre line's figure live.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include <nlohmann/json.hpp>

#include "simhost/language/session_script.h"
#include "studio_fixture.h"

namespace {

json Reason(const std::string &id, const std::string &text) { return {{"id", id}, {"text", text}}; }

class PinsNotHeld : public Studio {
protected:
    // Runs each line in the studio, which draws after every change, as the modeller does.
    void Lines(std::initializer_list<std::string> lines) {
        for (const std::string &line : lines) {
            const json answer = json::parse(Command(line).body);
            ASSERT_EQ(answer["result"], "ok") << line << ": " << answer.dump();
        }
    }
    // The reasons the state gives, checked against its verdict.
    json Reasons() {
        const json held = State()["pinsHeld"];
        EXPECT_EQ(held["held"], held["reasons"].empty()) << held.dump();
        return held["reasons"];
    }
    std::string Out(const std::string &name) { return FileText(dir / "work" / "out" / name); }
    // The same as `simhost run` runs it: no draw comes unless a line asks for one.
    StepResult RunSession(const std::string &script) {
        std::ofstream(dir / "work" / "test.session", std::ios::binary) << script;
        simhost::ScriptRunner runner(options.script, transcript);
        return runner.RunFile((dir / "work" / "test.session").string());
    }
    std::ostringstream transcript;
};

TEST_F(PinsNotHeld, ClosingTheWindowAfterX0ThenSmoothingSaysThePlugInIsOff) {
    fs::copy_file(STELMARIN_EXAMPLES_DIR "/head.obj", dir / "work" / "head.obj");
    Lines({"init", "activate", "load \"" + (dir / "work" / "head.obj").string() + "\"", "click X0", "smooth 1 all"});
    EXPECT_EQ(Reasons(), json::array());
    EXPECT_EQ(State()["centreLine"], json::parse(R"({"largestX": 0, "vertices": 96})"));

    // The demo's grab stroke catches the seam; smoothing carries it further off the plane.
    Lines({"close window", "select box -0.02 -0.55 0.3 0.35 0.25 1.2", "move 0.15 0 0.03", "smooth 3 all",
           "report off.txt", "report off.json"});
    const json state = State();
    EXPECT_EQ(state["slots"][0]["armed"], true) << "the slot still reads armed";
    EXPECT_EQ(Reasons(), json::array({Reason("plugin-off", "the plug-in is off (its window was closed)")}));
    EXPECT_GT(state["centreLine"]["largestX"].get<double>(), 0.001) << "the seam drifts off the plane";
    EXPECT_EQ(state["centreLine"]["vertices"], 96);

    EXPECT_THAT(Out("off.txt"), HasSubstr("slot X0  armed     fixes X     1 object, 96 vertices pinned\n"
                                          "slot 1   disarmed"));
    EXPECT_THAT(Out("off.txt"), HasSubstr("slot 3   disarmed  fixes XYZ   0 objects, 0 vertices pinned\n"
                                          "pins not held: the plug-in is off (its window was closed)\n"
                                          "last draw:"));
    const json report = json::parse(Out("off.json"));
    EXPECT_EQ(report["pins_held"], false);
    EXPECT_EQ(report["not_held"], Reasons());
    EXPECT_EQ(report["centre_line"]["largest_abs_x"], State()["centreLine"]["largestX"]);

    // Switched on again, the next draw puts the seam back on the plane.
    Lines({"activate", "draw"});
    EXPECT_EQ(Reasons(), json::array());
    EXPECT_EQ(State()["centreLine"]["largestX"], 0);
}

TEST_F(PinsNotHeld, AHiddenOrExemptObjectHoldingPinsIsNamedWithItsSlots) {
    Lines({"init", "activate", "make grid g 4 3", "click X0", "select 0-2", "click 1 ctrl", "make grid other 2 2",
           "hide \"g\""});
    EXPECT_EQ(Reasons(),
              json::array({Reason("object-hidden", "an object holding pins is hidden: \"g\" (slots X0 and 1)")}));
    Lines({"exempt \"g\" on"});
    EXPECT_EQ(Reasons(),
              json::array({Reason("object-hidden", "an object holding pins is hidden: \"g\" (slots X0 and 1)"),
                           Reason("object-exempt", "an object holding pins is exempt: \"g\" (slots X0 and 1)")}));
    // A disarmed slot promises nothing: only X0's pins are left to hold.
    Lines({"show \"g\"", "object \"g\"", "click 1"});
    EXPECT_EQ(Reasons(), json::array({Reason("object-exempt", "an object holding pins is exempt: \"g\" (slot X0)")}));
    // An object without pins may be hidden or exempt freely.
    Lines({"exempt \"g\" off", "hide \"other\"", "exempt \"other\" on"});
    EXPECT_EQ(Reasons(), json::array());
}

TEST_F(PinsNotHeld, AChangeNoDrawHasFollowedSaysTheDocumentChanged) {
    ASSERT_EQ(RunSession("init\nactivate\nmake grid g 4 3\nclick X0\ndraw\nselect 0-3\nreport selected.txt\n"
                         "move 0.25 0 0 all\nreport undrawn.txt\nreport undrawn.json\ndraw\nreport redrawn.json\n"),
              StepResult::Ok)
        << transcript.str();
    EXPECT_THAT(Out("selected.txt"), ::testing::Not(HasSubstr("not held"))) << "a selection moves no pin";
    EXPECT_THAT(Out("undrawn.txt"), HasSubstr("\npins not held: the document changed since the last draw\n"));
    const json undrawn = json::parse(Out("undrawn.json"));
    EXPECT_EQ(undrawn["pins_held"], false);
    EXPECT_EQ(undrawn["not_held"], json::array({Reason("not-drawn", "the document changed since the last draw")}));
    const json redrawn = json::parse(Out("redrawn.json"));
    EXPECT_EQ(redrawn["pins_held"], true);
    EXPECT_EQ(redrawn["not_held"], json::array());
}

TEST_F(PinsNotHeld, EveryReasonAtOnceIsListedInItsOrderAndNothingIsSaidWithNoPinsArmed) {
    ASSERT_EQ(
        RunSession("init\nactivate\nmake grid g 4 3\nmake grid h 4 3\nreport empty.json\nclick X0\n"
                   "hide \"g\"\nexempt \"g\" on\ndeactivate\nmove 0.5 0 0 all\nreport all.txt\nreport all.json\n"),
        StepResult::Ok)
        << transcript.str();
    const json empty = json::parse(Out("empty.json"));
    EXPECT_EQ(empty["pins_held"], true) << "no armed slot holds a pin: nothing to hold";
    EXPECT_EQ(Out("all.txt").find("pins not held: the plug-in is off (switched off)\n"
                                  "pins not held: an object holding pins is hidden: \"g\" (slot X0)\n"
                                  "pins not held: an object holding pins is exempt: \"g\" (slot X0)\n"
                                  "pins not held: the document changed since the last draw\n"
                                  "last draw: none yet\n"),
              Out("all.txt").find("pins not held"))
        << Out("all.txt");
    const json all = json::parse(Out("all.json"));
    std::vector<std::string> ids;
    for (const json &reason : all["not_held"]) ids.push_back(reason["id"]);
    EXPECT_THAT(ids, ::testing::ElementsAre("plugin-off", "object-hidden", "object-exempt", "not-drawn"));
}

TEST_F(PinsNotHeld, ManyObjectsAreCountedPastTheFirstFewAndLongNamesShortened) {
    std::vector<std::string> names{std::string(300, 'n')};
    for (int i = 1; i < 7; ++i) names.push_back("g" + std::to_string(i));
    std::string script = "init\nactivate\n";
    for (const std::string &name : names) script += "make grid \"" + name + "\" 2 2\n";
    script += "click X0\n";
    for (const std::string &name : names) script += "hide \"" + name + "\"\n";
    ASSERT_EQ(RunSession(script + "draw\nreport many.json\n"), StepResult::Ok) << transcript.str();
    const json reasons = json::parse(Out("many.json"))["not_held"];
    ASSERT_EQ(reasons.size(), 1u) << reasons.dump();
    EXPECT_EQ(reasons[0]["id"], "object-hidden");
    EXPECT_EQ(reasons[0]["text"], "7 objects holding pins are hidden: \"" + std::string(40, 'n') +
                                      "\xE2\x80\xA6\" (slot X0), \"g1\" (slot X0), \"g2\" (slot X0), \"g3\" (slot X0), "
                                      "\"g4\" (slot X0), and 2 more");
}

}  // namespace
