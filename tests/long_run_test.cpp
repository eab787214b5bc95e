// A modeller left running: thousands of starts and exits of the plug-in in one session.
// The stand-in host must hold only what is on screen and the latest of what it was sent,
// and still tell a widget long destroyed from one it never made.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "host/contract_codes.h"
#include "simhost/host/host_exports.h"
#include "simhost/host/option_list.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/modeller/workbench.h"
#include "tests/violation_ids.h"

namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr int kCycles = 3000;

class LongRun : public ::testing::Test {
protected:
    void SetUp() override {
        user.Start();
        simhost::AddGrid(user.document(), "body", 4, 2, 0.5f);
        user.Initialize();
        firstWindow = widgets().PluginWindow();
        user.Exit();
        for (int cycle = 1; cycle < kCycles; ++cycle) {
            user.Initialize();
            user.Activate(true);
            lastWindow = widgets().PluginWindow();
            EXPECT_FALSE(user.ButtonDown("X0"));
            user.Activate(false);
            user.Exit();
        }
        ASSERT_THAT(user.violations(), IsEmpty());
    }

    simhost::WidgetHost &widgets() { return user.widgets(); }

    // A message the plug-in might send to a widget it no longer owns.
    void ShowWidget(int32_t id) {
        simhost::OptionList options;
        options.Bool("visible", true);
        simhost::Host::PluginCall call(user.host());
        MQWidget_Value(id, stelmarin::kWidgetSetValue, options.data());
    }

    simhost::Workbench user{STELMARIN_PLUGIN_FILE, ""};
    int32_t firstWindow = 0;
    int32_t lastWindow = 0;
};

TEST_F(LongRun, AfterThousandsOfExitsOnlyTheHostsMainWindowIsOnRecord) {
    EXPECT_EQ(widgets().LiveWidgets(), 0);
    ASSERT_EQ(widgets().Widgets().size(), 1u);
    EXPECT_EQ(widgets().Widgets().begin()->first, widgets().MainWindow());
}

TEST_F(LongRun, TheNextStartIsFoundAndWorkedLikeTheFirst) {
    user.Initialize();
    user.Activate(true);
    const int32_t window = widgets().PluginWindow();
    EXPECT_GT(window, lastWindow);
    EXPECT_TRUE(widgets().IsShown(window));
    EXPECT_EQ(widgets().Widgets().size(), static_cast<size_t>(widgets().LiveWidgets()) + 1)
        << "nothing but the main window and the live widgets";
    EXPECT_FALSE(user.ButtonDown("X0"));
    user.ClickSlot("X0", false, false);
    EXPECT_TRUE(user.ButtonDown("X0"));
    EXPECT_THAT(user.violations(), IsEmpty());
}

TEST_F(LongRun, AMessageToAWidgetDestroyedLongAgoIsStillReportedAsSuch) {
    ASSERT_TRUE(widgets().WasDestroyed(firstWindow));
    ShowWidget(firstWindow);
    ShowWidget(1 << 30);
    EXPECT_THAT(testing_support::IdsOf(user.violations()), ElementsAre("W002", "W001"));
    EXPECT_EQ(user.violations().front().text,
              "MQWidget_Value: set to widget " + std::to_string(firstWindow) + ", which was destroyed");
}

TEST_F(LongRun, TheLogsKeepTheLatestMessagesAndCountTheForgotten) {
    const auto &log = widgets().log;
    EXPECT_EQ(log.size(), simhost::WidgetHost::kLogCapacity);
    EXPECT_GT(log.Forgotten(), static_cast<size_t>(kCycles));
    EXPECT_EQ(log.back(), "destroy " + std::to_string(lastWindow)) << "the last exit's messages are the ones kept";
    const auto &messages = user.host().messages;
    EXPECT_EQ(messages.size(), messages.Capacity());
    EXPECT_GT(messages.Forgotten(), 0u);
    widgets().log.clear();
    user.Initialize();
    EXPECT_EQ(log.Forgotten(), 0u);
    EXPECT_EQ(log.front(), "query main_window") << "a cleared log starts afresh";
}

}  // namespace

// A person who answers thousands of questions in one session: the host keeps the latest
// few hundred and counts the rest, and the workbench still pairs each click with its own
// answer, by the question's number.
class ManyQuestions : public ::testing::Test {
protected:
    void SetUp() override {
        user.Start();
        body = &simhost::AddGrid(user.document(), "body", 4, 2, 0.5f);
        user.Initialize();
        user.Activate(true);
        simhost::Select(*body, {0});
        user.ClickSlot("1", true, false);
        ASSERT_TRUE(user.ButtonDown("1"));
    }

    simhost::WidgetHost &widgets() { return user.widgets(); }

    simhost::Workbench user{STELMARIN_PLUGIN_FILE, ""};
    simhost::Object *body = nullptr;
};

TEST_F(ManyQuestions, ThousandsOfQuestionsKeepTheLatestAndEachSettlesItsOwnClick) {
    constexpr int kQuestions = 4100;
    for (int question = 0; question < kQuestions; ++question) {
        // An OK records the vertex selected then, a Cancel nothing: a click paired with
        // another's answer would record the wrong vertices.
        simhost::ClearSelection(*body);
        simhost::Select(*body, {question % 15});
        user.Answer(question % 3 == 0);
        user.ClickSlot("1", true, false);
    }
    EXPECT_THAT(user.TakeScriptErrors(), IsEmpty());
    const auto &questions = widgets().questions;
    EXPECT_EQ(questions.size(), simhost::WidgetHost::kQuestionCapacity);
    EXPECT_EQ(questions.Added(), static_cast<size_t>(kQuestions));
    ASSERT_NE(questions.Numbered(kQuestions - 1), nullptr);
    EXPECT_EQ(questions.Numbered(kQuestions - 1), &questions.back());
    EXPECT_EQ(questions.back().answer, (kQuestions - 1) % 3 == 0 ? 1 : 0);
    EXPECT_EQ(questions.Numbered(0), nullptr) << "the first is forgotten";
    EXPECT_EQ(user.ledger().slots[1].PinCount(), 5u) << "vertices 0, 3, 6, 9 and 12, each recorded by an OK";

    simhost::Move(*body, {0.25f, 0.5f, 0.0f}, simhost::Scope::All);
    ASSERT_TRUE(user.Draw().disagreements.empty());
    EXPECT_EQ(user.lastDraw()->movedBack, 5);
    EXPECT_THAT(user.violations(), IsEmpty()) << "every click, its question and its button agreed with the ledger";
}

TEST_F(ManyQuestions, MoreQuestionsInOneActionThanTheHostKeepsFailTheStepInsteadOfPassingUnchecked) {
    constexpr size_t kBeyond = 10;
    // Clicks sent from inside a draw are held until it ends, then each asks in turn.
    simhost::Move(*body, {0.25f, 0.0f, 0.0f}, simhost::Scope::All);
    for (size_t click = 0; click < simhost::WidgetHost::kQuestionCapacity + kBeyond; ++click) {
        user.Answer(true);
        user.NestInside("MQObj_SetVertex", 1, {simhost::NestedAction::Kind::Click, "1", true, false});
    }
    user.Draw();
    EXPECT_EQ(widgets().questions.Added(), simhost::WidgetHost::kQuestionCapacity + kBeyond);
    const std::vector<std::string> errors = user.TakeScriptErrors();
    ASSERT_EQ(errors.size(), kBeyond) << "one for each question forgotten before its click was settled";
    EXPECT_THAT(errors.front(), ::testing::HasSubstr("question 1 was forgotten before its click was settled"));
    EXPECT_THAT(user.violations(), IsEmpty());
}
