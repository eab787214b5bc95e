// The plug-in window and the fix-mode dialog, driven by the stand-in host's user actions
// through WidgetEventProc: the messages sent, the questions asked, the slots that result.
#include <gmock/gmock.h>

#include "plugin_in_host.h"

namespace stelmarin::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

class MainWindow : public PluginInHost {
protected:
    void SetUp() override {
        PluginInHost::SetUp();
        body = &simhost::AddGrid(document(), "body", 2, 2, 1.0f);
        Activate(true);
        host.widgets.log.clear();
    }

    int32_t Button(const char16_t *label) { return host.widgets.ButtonLabelled(label); }
    bool Down(const char16_t *label) { return host.widgets.Find(Button(label))->Flag("down"); }
    int Click(const char16_t *label, int32_t modifiers = 0) { return host.widgets.LeftClick(Button(label), modifiers); }
    int RightClick(const char16_t *label, int32_t x = 0, int32_t y = 0) {
        return host.widgets.RightClick(Button(label), 0, x, y);
    }
    // What the next modal run of the dialog does, step by step.
    void InDialog(std::function<void()> step) { host.widgets.ScriptModal(std::move(step)); }
    void DialogKey(int32_t key) {
        InDialog([this, key] { host.widgets.KeyPress(host.widgets.OpenDialog(), key); });
    }
    void DialogClick(const char16_t *label) {
        InDialog([this, label] { host.widgets.LeftClick(Button(label)); });
    }
    // The messages the plug-in sent with MQ_SendMessage kMessageDeactivated.
    std::vector<simhost::SentMessage> Deactivations() {
        std::vector<simhost::SentMessage> sent;
        for (const auto &message : host.messages) {
            if (message.code == kMessageDeactivated) sent.push_back(message);
        }
        return sent;
    }
    std::vector<std::u16string> Questions() {
        std::vector<std::u16string> asked;
        for (const auto &question : host.widgets.questions) asked.push_back(question.message);
        return asked;
    }
    AxisMask Mask(int slot) { return plugin.store.axisMask[static_cast<size_t>(slot)]; }

    simhost::Object *body = nullptr;
};

TEST_F(MainWindow, IsBuiltMessageForMessage) {
    simhost::Host fresh;
    simhost::SetActiveHost(&fresh);
    {
        Stelmarin other;
        simhost::Host::PluginCall call(fresh);
        other.OnInitialize();
        EXPECT_THAT(
            fresh.widgets.log,
            ElementsAre("query main_window", "create window -> 1001", "attach 1 <- 1001",
                        "set 1001 title=\"Stelmarin\"", "set 1001 inspace=0", "set 1001 outspace=0",
                        "set 1001 horzlayout=auto", "set 1001 vertlayout=auto", "create frame -> 1002",
                        "set 1002 alignment=horz", "add 1001 <- 1002", "create button -> 1003", "set 1003 text=\"X0\"",
                        "add 1002 <- 1003", "handler 1003 leftdown", "handler 1003 rightdown", "set 1003 down=false",
                        "create button -> 1004", "set 1004 text=\"1\"", "add 1002 <- 1004", "handler 1004 leftdown",
                        "handler 1004 rightdown", "set 1004 down=false", "create button -> 1005", "set 1005 text=\"2\"",
                        "add 1002 <- 1005", "handler 1005 leftdown", "handler 1005 rightdown", "set 1005 down=false",
                        "create button -> 1006", "set 1006 text=\"3\"", "add 1002 <- 1006", "handler 1006 leftdown",
                        "handler 1006 rightdown", "set 1006 down=false", "handler 1001 hide",
                        "set 1001 visible=false"));
        EXPECT_EQ(fresh.widgets.Dump(),
                  "main window\n"
                  "  window \"Stelmarin\" hidden at 200,150\n"
                  "    frame\n"
                  "      [X0] up\n"
                  "      [1] up\n"
                  "      [2] up\n"
                  "      [3] up\n");
        fresh.widgets.log.clear();
        other.OnExit();
        ASSERT_EQ(fresh.widgets.log.size(), 8u);
        EXPECT_EQ(fresh.widgets.log[0], "get 1001 pos_x");
        EXPECT_EQ(fresh.widgets.log[1], "get 1001 pos_y");
        EXPECT_EQ(fresh.widgets.log.back(), "destroy 1001");
        EXPECT_EQ(fresh.widgets.LiveWidgets(), 0);
        EXPECT_THAT(fresh.violations, IsEmpty());
    }
    simhost::SetActiveHost(&host);
}

TEST_F(MainWindow, ModifierClicksOnX0ChangeOnlySlotZerosMask) {
    EXPECT_EQ(Click(u"X0", kCtrlKey), 0);
    EXPECT_EQ(Mask(0), 7);
    EXPECT_EQ(Click(u"X0", kShiftKey), 0);
    EXPECT_EQ(Mask(0), 1);
    EXPECT_EQ(Click(u"X0", kCtrlKey | kShiftKey), 0);
    EXPECT_EQ(Mask(0), 7) << "Control wins";
    EXPECT_THAT(host.widgets.log, IsEmpty()) << "no question, no capture, no button change";
    EXPECT_EQ(plugin.store.ObjectCount(0), 0);
}

TEST_F(MainWindow, ControlClickCapturesAskingFirstWhenTheSlotHoldsPins) {
    simhost::Select(*body, {4});
    Click(u"1", kCtrlKey);
    EXPECT_THAT(Questions(), IsEmpty());
    EXPECT_TRUE(Down(u"1"));
    EXPECT_EQ(PinsIn(1), 1u);
    EXPECT_THAT(host.widgets.log, ElementsAre("set " + std::to_string(Button(u"1")) + " down=true"));

    simhost::Select(*body, {0});
    host.widgets.ScriptAnswer(2);
    Click(u"1", kCtrlKey);
    EXPECT_THAT(Questions(), ElementsAre(u"Overwrite?"));
    EXPECT_EQ(host.widgets.questions[0].title, u"Stelmarin");
    EXPECT_EQ(host.widgets.questions[0].parent, host.widgets.PluginWindow());
    EXPECT_EQ(PinsIn(1), 1u) << "Cancel keeps the old pins";

    host.widgets.ScriptAnswer(1);
    Click(u"1", kCtrlKey | kShiftKey);
    EXPECT_EQ(PinsIn(1), 2u) << "Control+Shift captures";
    EXPECT_TRUE(Down(u"1"));
}

TEST_F(MainWindow, ShiftClickClearsAskingFirstWhenTheSlotHoldsPins) {
    Click(u"2", kShiftKey);
    EXPECT_THAT(Questions(), IsEmpty());
    EXPECT_FALSE(Down(u"2"));
    Click(u"2", kCtrlKey);
    plugin.store.axisMask[2] = 3;
    host.widgets.ScriptAnswer(0);
    Click(u"2", kShiftKey);
    EXPECT_EQ(plugin.store.ObjectCount(2), 1) << "Cancel leaves the slot";
    EXPECT_TRUE(Down(u"2"));
    host.widgets.ScriptAnswer(1);
    Click(u"2", kShiftKey);
    EXPECT_THAT(Questions(), ElementsAre(u"Clear?", u"Clear?"));
    EXPECT_EQ(plugin.store.ObjectCount(2), 0);
    EXPECT_FALSE(plugin.store.armed[2]);
    EXPECT_FALSE(Down(u"2"));
    EXPECT_EQ(Mask(2), 3) << "clearing keeps the mask";
}

TEST_F(MainWindow, PlainClicksArmAndDisarmAndShowTheArmedState) {
    Click(u"3");
    EXPECT_FALSE(Down(u"3")) << "an empty slot stays up";
    Click(u"X0");
    EXPECT_TRUE(Down(u"X0"));
    EXPECT_EQ(PinsIn(0), 3u);
    body->position(1).x = 0.5f;
    Click(u"X0");
    EXPECT_FALSE(Down(u"X0"));
    EXPECT_EQ(PinsIn(0), 2u) << "every plain click on X0 records the centre line afresh";
    Click(u"1", kCtrlKey);
    Click(u"1");
    EXPECT_FALSE(Down(u"1"));
    EXPECT_FALSE(plugin.store.armed[1]);
    Click(u"1");
    EXPECT_TRUE(plugin.store.armed[1]);
    EXPECT_TRUE(Down(u"1"));
}

TEST_F(MainWindow, ANewDocumentPutsEveryButtonUp) {
    Click(u"X0");
    AsHost([&] { plugin.OnDocumentNew(doc()); });
    for (const char16_t *label : {u"X0", u"1", u"2", u"3"}) EXPECT_FALSE(Down(label));
    EXPECT_EQ(host.widgets.log.size(), 2u + 4u) << "the click's get and set, then one set per button";
}

TEST_F(MainWindow, TheDialogOpensWhereClickedWithTheMasksComplement) {
    plugin.store.axisMask[2] = 6;
    InDialog([&] {
        EXPECT_EQ(host.widgets.Dump(),
                  "main window\n"
                  "  window \"Stelmarin\" shown at 200,150\n"
                  "    frame\n"
                  "      [X0] up\n"
                  "      [1] up\n"
                  "      [2] up\n"
                  "      [3] up\n"
                  "    dialog \"SetFixMode\" open at 320,240\n"
                  "      frame\n"
                  "        [X] down\n"
                  "        [Y] up\n"
                  "        [Z] up\n");
    });
    DialogKey(kKeyEscape);
    RightClick(u"2", 320, 240);
    EXPECT_EQ(Mask(2), 6) << "closing at once gives the mask back";
    const std::string d = std::to_string(host.widgets.PluginWindow() + 6);
    EXPECT_THAT(
        std::vector<std::string>(host.widgets.log.begin(), host.widgets.log.begin() + 5),
        ElementsAre("create dialog -> " + d, "attach " + std::to_string(host.widgets.PluginWindow()) + " <- " + d,
                    "set " + d + " title=\"SetFixMode\"", "set " + d + " outspace=0", "set " + d + " inspace=0"));
    EXPECT_EQ(host.widgets.LiveWidgets(), 6) << "the dialog, its frame and toggles are gone";
}

TEST_F(MainWindow, ToggleClicksAndLetterKeysEditTheMask) {
    DialogClick(u"Y");
    DialogClick(u"Z");
    DialogKey(kKeyEscape);
    RightClick(u"1");
    EXPECT_EQ(Mask(1), 1) << "Escape keeps the toggles' changes";
    DialogKey(kKeyX);
    RightClick(u"1");
    EXPECT_EQ(Mask(1), 0);
    DialogKey(kKeyZ);
    RightClick(u"1");
    EXPECT_EQ(Mask(1), 4) << "a letter flips its axis and commits";
    DialogKey(kKeyY);
    RightClick(u"X0");
    EXPECT_EQ(Mask(0), 3);
}

TEST_F(MainWindow, OnlyARightClickOrAHandledKeyClosesTheDialog) {
    int wResult = -1, backgroundResult = -1;
    InDialog([&] { wResult = host.widgets.KeyPress(host.widgets.OpenDialog(), 'W'); });
    InDialog([&] { backgroundResult = host.widgets.LeftClick(host.widgets.OpenDialog()); });
    InDialog([&] { host.widgets.Deliver(host.widgets.OpenDialog(), 0, "rightdown", {{"button_state", 0}}); });
    InDialog([&] { EXPECT_EQ(host.widgets.OpenDialog() != 0, true) << "still open"; });
    InDialog([&] { host.widgets.RightClick(Button(u"X")); });
    RightClick(u"3");
    EXPECT_EQ(wResult, 0);
    EXPECT_EQ(backgroundResult, 1);
    EXPECT_EQ(Mask(3), 7);
    EXPECT_EQ(host.widgets.PendingModalActions(), 0u);
}

TEST_F(MainWindow, HidingByHandTellsTheHostOnce) {
    host.widgets.UserCloses(host.widgets.PluginWindow());
    EXPECT_FALSE(plugin.activated);
    const auto sent = Deactivations();
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(sent[0].productID, kProductID);
    EXPECT_EQ(sent[0].pluginID, kPluginID);
    EXPECT_THAT(sent[0].optionNames, IsEmpty());
    Activate(false);
    host.widgets.Deliver(host.widgets.PluginWindow(), 0, "hide", {});
    EXPECT_EQ(Deactivations().size(), 1u) << "hidden while inactive: nothing to tell";
}

// The host keeps delivering events while the dialog runs; none of them may leave the
// plug-in holding on to a window or dialog that is gone.
TEST_F(MainWindow, ExitDuringTheDialogLeavesNothingBehind) {
    DialogClick(u"X");
    InDialog([&] { AsHost([&] { plugin.OnExit(); }); });
    DialogKey(kKeyEscape);
    RightClick(u"1");
    EXPECT_EQ(plugin.window, nullptr);
    EXPECT_EQ(Mask(1), 6) << "the dialog's answer is still kept";
    EXPECT_EQ(host.widgets.LiveWidgets(), 0);
}

TEST_F(MainWindow, NewDocumentHideAndASecondDialogDuringTheDialogAreSafe) {
    Click(u"2", kCtrlKey);
    InDialog([&] { AsHost([&] { plugin.OnDocumentNew(doc()); }); });
    InDialog([&] { host.widgets.UserCloses(host.widgets.PluginWindow()); });
    DialogKey(kKeyX);
    RightClick(u"2");
    EXPECT_FALSE(Down(u"2"));
    EXPECT_EQ(plugin.store.ObjectCount(2), 0);
    EXPECT_EQ(Mask(2), 6);
    EXPECT_EQ(Deactivations().size(), 1u);

    Activate(true);
    InDialog([&] {
        host.widgets.ScriptModal([&] { host.widgets.KeyPress(host.widgets.OpenDialog(), kKeyY); });
        host.widgets.RightClick(Button(u"3"));
    });
    DialogKey(kKeyZ);
    RightClick(u"3");
    EXPECT_EQ(Mask(3), 5) << "the inner dialog stored Z free, then the outer one, closed last, Y free";
    EXPECT_EQ(host.widgets.LiveWidgets(), 6);
}

TEST_F(MainWindow, ExitWhileAQuestionIsUpCapturesNothing) {
    Click(u"1", kCtrlKey);
    simhost::Select(*body, {0, 1});
    host.widgets.ScriptAnswer(1, [&] { AsHost([&] { plugin.OnExit(); }); });
    Click(u"1", kCtrlKey);
    EXPECT_EQ(PinsIn(1), 0u);
    EXPECT_EQ(host.widgets.LiveWidgets(), 0);
}

}  // namespace
}  // namespace stelmarin::testing
