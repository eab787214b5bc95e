// A modeller left running: thousands of starts and exits of the plug-in in one session.
// The stand-in host must hold only what is on screen and the latest of what it was sent,
// and still tell a widget long destroyed from one it never made.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <string>

#include "host/contract_codes.h"
#include "simhost/host/host_exports.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/host/option_list.h"
#include "simhost/modeller/workbench.h"

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
    EXPECT_THAT(
        user.violations(),
        ElementsAre("MQWidget_Value: set to widget " + std::to_string(firstWindow) + ", which was destroyed",
                    "MQWidget_Value: set to widget " + std::to_string(1 << 30) + ", which this host never created"));
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
