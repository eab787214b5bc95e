// The table of every check the host makes of a plug-in: its IDs and names are well formed,
// the README's copy is the one it generates, and a plug-in that breaks each rule on
// purpose (broken_plugin.cpp) is caught under that rule's ID.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "host/module_loader.h"
#include "simhost/host/host_checks.h"
#include "simhost/language/session_script.h"
#include "simhost/modeller/workbench.h"
#include "tests/session_fixture.h"
#include "tests/violation_ids.h"

namespace {

using ::testing::Contains;

// The table under "What the host checks" in the README, from its header row to the first
// line that is not a row.
std::string ReadmeChecksTable() {
    std::ifstream readme(STELMARIN_README_FILE, std::ios::binary);
    std::string table;
    bool inSection = false;
    for (std::string line; std::getline(readme, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        if (line.rfind("### ", 0) == 0) inSection = line == "### What the host checks";
        if (!inSection) continue;
        if (table.empty() && line.rfind("| ID |", 0) != 0) continue;
        if (line.rfind("|", 0) != 0) break;
        table += line + "\n";
    }
    return table;
}

TEST(HostChecks, TheReadmeTableOfChecksIsTheOneTheTableGenerates) {
    const std::string readme = ReadmeChecksTable();
    ASSERT_FALSE(readme.empty()) << "no table of checks under \"What the host checks\" in " << STELMARIN_README_FILE;
    EXPECT_EQ(readme, simhost::ChecksMarkdown())
        << "the README's table and the host's differ: print the table with `simhost checks --markdown` and put it "
           "in the README";
}

TEST(HostChecks, EachCheckHasAnIDOfItsAreaAKebabNameAndOneSentence) {
    const std::regex id("[HSWUD][0-9]{3}"), name("[a-z]+(-[a-z]+)*");
    std::set<std::string> ids, names;
    for (const simhost::CheckInfo &check : simhost::AllChecks()) {
        SCOPED_TRACE(check.id);
        EXPECT_TRUE(std::regex_match(check.id, id));
        EXPECT_TRUE(std::regex_match(check.name, name));
        EXPECT_TRUE(ids.insert(check.id).second) << "an ID names one check";
        EXPECT_TRUE(names.insert(check.name).second) << "a name names one check";
        const std::string description = check.description;
        EXPECT_EQ(description.back(), '.');
        EXPECT_EQ(description.find_first_of("|\n"), std::string::npos) << "one line, one cell of the table";
        EXPECT_EQ(&simhost::Describe(check.check), &check);
        EXPECT_EQ(simhost::FindCheck(check.id), &check);
    }
    EXPECT_EQ(simhost::FindCheck("W999"), nullptr);
    EXPECT_EQ(simhost::Violation({simhost::Check::MessageToDestroyedWidget, "MQWidget_Value: set"}).Line(),
              "[W002] MQWidget_Value: set");
}

// One session that gives the broken plug-in every moment it breaks a rule in: a grid with
// a deleted vertex, the window's slots clicked (X0 pins the centre column; slot 1 records,
// then is recorded into again, which asks first), the grid moved and drawn, and drawn again
// in a new document.
constexpr const char *kScenario[] = {
    "make grid g 3 3", "delete vertex 15", "init", "activate", "click X0", "select 0 1", "click 1 ctrl",
    "click 1 ctrl",    "move 0.5 0 0 all", "draw", "new",      "draw",
};

class BrokenPlugin : public SessionFixture {
protected:
    BrokenPlugin() : SessionFixture("simhost-checks-") {
        settings.pluginPath = BROKEN_PLUGIN_FILE;
        // Held for the whole test, so that the plug-in stays loaded between sessions.
        module_ = stelmarin::platform::OpenModule(BROKEN_PLUGIN_FILE);
    }
    ~BrokenPlugin() override {
        if (module_ != nullptr) stelmarin::platform::CloseModule(module_);
    }
    template <class Function>
    Function *Export(const char *name) {
        return reinterpret_cast<Function *>(stelmarin::platform::FindSymbol(module_, name));
    }

    stelmarin::platform::ModuleHandle module_ = nullptr;
};

TEST_F(BrokenPlugin, EachCheckFiresWhenThePlugInBreaksItsRule) {
    ASSERT_NE(module_, nullptr);
    auto *misbehave = Export<void(const char *)>("BrokenPluginMisbehave");
    auto *timer = Export<void()>("BrokenPluginTimer");
    ASSERT_NE(misbehave, nullptr);
    ASSERT_NE(timer, nullptr);
    for (const simhost::CheckInfo &check : simhost::AllChecks()) {
        SCOPED_TRACE(check.id);
        misbehave(check.id);
        output.str("");
        simhost::ScriptRunner runner(settings, output);
        for (const char *line : kScenario) runner.RunLine(line, "scenario");
        timer();
        std::string found;
        for (const auto &violation : runner.bench().violations()) found += violation.Line() + "\n";
        EXPECT_THAT(testing_support::IdsOf(runner.bench().violations()), Contains(check.id)) << found;
    }
    misbehave(nullptr);
}

}  // namespace
