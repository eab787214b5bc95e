// Hosts that do what no well-behaved host does: events before binding or after a failed
// one, no widgets at all, no answers, events for widgets long gone, a document replaced or
// the plug-in shut down while its dialog runs, and a thousand loads and unloads. The
// plug-in must not crash, must lose nothing, and must keep its behaviour wherever that is
// sound.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <vector>

#include "host/contract_codes.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/host/option_list.h"
#include "simhost/host/platform.h"
#include "simhost/modeller/session.h"

namespace {

using simhost::OptionList;
using simhost::Session;
using ::testing::IsEmpty;

// Every code of the event table, and codes beside them that no event has.
std::vector<int> EveryCode() {
    std::vector<int> codes{111, 112, 113, 131, 132, 133, 134, 203, 204, 205};
    for (const stelmarin::CodeName &event : stelmarin::kEventNames) codes.push_back(event.code);
    return codes;
}

// Every code, with and without options, as a careless host might send them.
void SendEverything(Session &session) {
    for (int code : EveryCode()) {
        OptionList none;
        session.SendEvent(code, none);
        session.SendEvent(code, nullptr);
        session.SendFlagEvent(code, 1);
    }
}

class HostileHost : public ::testing::Test {
protected:
    void Start() {
        session.Start();
        body = &simhost::AddGrid(session.document(), "body", 4, 2, 0.5f);
    }
    void ExpectNothingWrong() {
        EXPECT_THAT(session.host().violations, IsEmpty());
        EXPECT_EQ(session.host().trace.Total(), 0);
    }
    int32_t Button(const char16_t *label) { return session.host().widgets.ButtonLabelled(label); }
    bool Down(const char16_t *label) { return session.host().widgets.Find(Button(label))->Flag("down"); }

    Session session{STELMARIN_PLUGIN_FILE};
    simhost::Object *body = nullptr;
};

TEST_F(HostileHost, EventsBeforeBindingAreAnsweredZeroAndCallNothing) {
    session.host().trace.recording = true;
    SendEverything(session);
    for (int code : EveryCode()) EXPECT_EQ(session.SendEvent(code, nullptr), 0) << code;
    ExpectNothingWrong();
}

TEST_F(HostileHost, EventsAfterAFailedBindingAreAnsweredZeroAndCallNothing) {
    EXPECT_EQ(session.Init(SIMHOST_HOST_NOCANVAS), 0);
    session.host().trace.recording = true;
    SendEverything(session);
    ExpectNothingWrong();
    EXPECT_EQ(session.Init(simhost::HostModulePath()), 1) << "a later complete binding brings the plug-in to life";
    EXPECT_EQ(session.Initialize(), 1);
}

TEST_F(HostileHost, AHostThatRefusesEveryWidgetLeavesThePlugInWindowlessAndInactive) {
    session.host().widgets.failCreation = true;
    Start();
    session.Initialize();
    EXPECT_EQ(session.Activate(true), 0) << "no window, no activation";
    EXPECT_FALSE(session.QueryActivated());
    session.Draw();
    session.Exit();
    EXPECT_EQ(session.host().widgets.LiveWidgets(), 0);
    EXPECT_THAT(session.host().violations, IsEmpty());
}

TEST_F(HostileHost, UnansweredQuestionsAndAnEndlessDialogChangeNothing) {
    Start();
    session.Initialize();
    session.Activate(true);
    auto &widgets = session.host().widgets;
    simhost::Select(*body, {0, 1});
    widgets.LeftClick(Button(u"1"), stelmarin::kCtrlKey);
    widgets.LeftClick(Button(u"1"), stelmarin::kShiftKey);  // "Clear?" goes unanswered: Cancel
    EXPECT_TRUE(Down(u"1")) << "an unanswered question must not clear the slot";
    widgets.RightClick(Button(u"1"));  // nothing scripted: the host gives up on the dialog
    EXPECT_EQ(widgets.scriptErrors.size(), 2u);
    simhost::Move(*body, {0.5f, 0.5f, 0.5f}, simhost::Scope::All);
    session.Draw();
    EXPECT_EQ(body->position(0).z, 0.0f) << "the slot still fixes every axis";
    widgets.scriptErrors.clear();
    EXPECT_THAT(session.host().violations, IsEmpty());
}

TEST_F(HostileHost, EventsForDestroyedWidgetsWithStaleClosuresAreIgnored) {
    Start();
    session.Initialize();
    session.Activate(true);
    const auto registrations = session.host().widgets.Widgets();
    session.Exit();
    std::vector<int> stale(16, 0x55);
    int delivered = 0;
    for (const auto &[id, widget] : registrations) {
        for (const auto &handler : widget.handlers) {
            for (void *closure : {handler.closure, static_cast<void *>(stale.data()), static_cast<void *>(nullptr)}) {
                OptionList options;
                options.Int("target_id", id).Int("sender_id", id).Text("type", handler.event);
                options.Int("button_state", stelmarin::kLeftButton | stelmarin::kCtrlKey).Bool("finished", false);
                simhost::Host::PluginCall call(session.host());
                EXPECT_EQ(handler.proc(session.host().DocumentHandle(), options.data(), closure), 0);
                ++delivered;
            }
        }
    }
    EXPECT_GT(delivered, 20);
    EXPECT_THAT(session.host().violations, IsEmpty());
}

TEST_F(HostileHost, DrawNewDocumentAndExitFromInsideTheDialogLoseNothing) {
    Start();
    session.Initialize();
    session.Activate(true);
    auto &widgets = session.host().widgets;
    widgets.LeftClick(Button(u"X0"));
    widgets.ScriptModal([&] { session.Draw(); });
    widgets.ScriptModal([&] { session.NewDocument(); });
    widgets.ScriptModal([&] { session.Exit(); });
    widgets.RightClick(Button(u"X0"));
    EXPECT_EQ(widgets.LiveWidgets(), 0) << "the exit inside the dialog took the window and the dialog with it";
    session.Initialize();
    EXPECT_FALSE(Down(u"X0")) << "the new document emptied the slots";
    widgets.scriptErrors.clear();
    EXPECT_THAT(session.host().violations, IsEmpty());
}

TEST_F(HostileHost, AfterExitAndAFreshStartArmedSlotsShowPressed) {
    Start();
    session.Initialize();
    session.Activate(true);
    session.host().widgets.LeftClick(Button(u"X0"));
    session.Exit();
    session.Initialize();
    EXPECT_TRUE(Down(u"X0"));
    EXPECT_FALSE(Down(u"1"));
    EXPECT_THAT(session.host().violations, IsEmpty());
}

TEST(HostileHosts, AThousandLoadsAndUnloadsInOneProcess) {
    for (int round = 0; round < 1000; ++round) {
        Session session(STELMARIN_PLUGIN_FILE);
        session.Start();
        if (round % 10 == 0) {
            simhost::AddGrid(session.document(), "g", 2, 2, 1.0f);
            session.Initialize();
            session.Activate(true);
            session.Draw();
            session.Exit();
        }
        ASSERT_THAT(session.host().violations, IsEmpty()) << "round " << round;
    }
    EXPECT_FALSE(simhost::platform::IsLoaded(STELMARIN_PLUGIN_FILE));
}

}  // namespace
