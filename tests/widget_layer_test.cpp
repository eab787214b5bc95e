// The widget layer and event routing, as the stand-in host sees them: the messages sent,
// what the registry holds, and what reaches a handler.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "host/host_functions.h"
#include "host/widget_events.h"
#include "host/widgets.h"
#include "simhost/host/host.h"
#include "simhost/host/option_list.h"

namespace stelmarin {
namespace {

using ::testing::ElementsAre;
using ::testing::IsEmpty;

// A window whose handlers write down what they were given.
class Probe : public MQWindow {
public:
    explicit Probe(MQWindowBase &parent) : MQWindow(parent) {}

    int OnMouse(MQWidgetBase *from, MQDocument, MouseEventRecord *record) {
        sender = from;
        mouse = *record;
        record->finished = finish;
        return 11;
    }
    int OnKey(MQWidgetBase *, MQDocument, KeyEventRecord *record) {
        key = *record;
        record->finished = finish;
        return 12;
    }
    int OnPlain(MQWidgetBase *, MQDocument) { return ++plainCalls; }

    MQWidgetBase *sender = nullptr;
    MouseEventRecord mouse;
    KeyEventRecord key;
    bool finish = false;
    int plainCalls = 0;
};

// A closure that keeps the raw record it was handed, for the drawing events.
class RecordCatcher final : public MQWidgetEventClosureBase {
public:
    int Invoke(MQWidgetBase *, MQDocument, void *given) override {
        record = given;
        if (onInvoke) onInvoke(given);
        return 5;
    }
    bool IsSame(const MQWidgetEventClosureBase &other) const override { return &other == this; }
    void *GetOwner() const override { return nullptr; }
    EventRecordKind Reads() const override { return reads; }

    EventRecordKind reads = EventRecordKind::None;
    void *record = nullptr;
    std::function<void(void *)> onInvoke;
};

class WidgetLayer : public ::testing::Test {
protected:
    void SetUp() override {
        simhost::SetActiveHost(&host);
        ASSERT_EQ(host::BindHostFunctions(simhost::HostModulePath().c_str(), host::Host()), 1);
    }
    void TearDown() override {
        EXPECT_THAT(host.violations, IsEmpty());
        simhost::SetActiveHost(nullptr);
    }

    simhost::RecentHistory<std::string> &Log() { return host.widgets.log; }
    // Sends an event the way the host does: straight to WidgetEventProc.
    int Event(simhost::OptionList &options, void *closure) {
        simhost::Host::PluginCall call(host);
        return WidgetEventProc(host.DocumentHandle(), options.data(), closure);
    }
    std::unique_ptr<Probe> NewProbe() {
        auto main = MQWindow::HostMainWindow();
        return std::make_unique<Probe>(*main);
    }

    simhost::Host host;
    simhost::Host::PluginCall inside{host};
};

TEST_F(WidgetLayer, AWindowDestroysWhatItMadeEachOnceBeforeItself) {
    auto window = NewProbe();
    MQFrame *frame = window->NewHorizontalFrame(window.get());
    MQButton *button = window->NewButton(frame, u"B");
    MQButton foreign;
    frame->AddChild(&foreign);
    const int32_t windowID = window->widgetID, frameID = frame->widgetID, buttonID = button->widgetID;
    Log().clear();
    window.reset();
    ASSERT_EQ(Log().size(), 3u);
    EXPECT_THAT(Log(), ::testing::UnorderedElementsAre("destroy " + std::to_string(frameID),
                                                       "destroy " + std::to_string(buttonID),
                                                       "destroy " + std::to_string(windowID)));
    EXPECT_EQ(Log().back(), "destroy " + std::to_string(windowID));
    EXPECT_EQ(FindWidget(windowID), nullptr);
    EXPECT_EQ(FindWidget(buttonID), nullptr);
    EXPECT_EQ(FindWidget(foreign.widgetID), &foreign) << "a widget made elsewhere is not the window's";
}

TEST_F(WidgetLayer, CreationSendsItsMessagesInOrder) {
    auto window = NewProbe();
    MQFrame *frame = window->NewHorizontalFrame(window.get());
    window->NewButton(frame, u"7");
    const std::string w = std::to_string(window->widgetID), f = std::to_string(frame->widgetID);
    const std::string b = std::to_string(frame->widgetID + 1);
    EXPECT_THAT(Log(), ElementsAre("query main_window", "create window -> " + w, "attach 1 <- " + w,
                                   "create frame -> " + f, "set " + f + " alignment=horz", "add " + w + " <- " + f,
                                   "create button -> " + b, "set " + b + " text=\"7\"", "add " + f + " <- " + b));
}

TEST_F(WidgetLayer, AddingNoChildSendsNothing) {
    auto window = NewProbe();
    Log().clear();
    EXPECT_EQ(window->AddChild(nullptr), -1);
    EXPECT_THAT(Log(), IsEmpty());
}

TEST_F(WidgetLayer, AFailedCreationOwnsNothingAndDestroysNothing) {
    host.widgets.failCreation = true;
    const size_t registered = WidgetRegistry::Instance().size();
    {
        auto window = NewProbe();
        EXPECT_EQ(window->widgetID, 0);
        EXPECT_FALSE(window->ownsWidget);
        EXPECT_EQ(WidgetRegistry::Instance().size(), registered);
        Log().clear();
    }
    EXPECT_THAT(Log(), IsEmpty());
}

TEST_F(WidgetLayer, TheMainWindowWrapperNeverDestroysTheMainWindow) {
    { auto main = MQWindow::HostMainWindow(); }
    EXPECT_THAT(Log(), ElementsAre("query main_window"));
    EXPECT_EQ(FindWidget(host.widgets.MainWindow()), nullptr);
}

TEST_F(WidgetLayer, TheRegistryKeepsTheFirstObjectForAnID) {
    auto first = NewProbe();
    auto &registry = WidgetRegistry::Instance();
    Probe *second = first.get() + 1;  // never dereferenced: only its address is registered
    registry.Insert(first->widgetID, reinterpret_cast<MQWidgetBase *>(second));
    EXPECT_EQ(FindWidget(first->widgetID), first.get());
    registry.Remove(first->widgetID, reinterpret_cast<MQWidgetBase *>(second));
    EXPECT_EQ(FindWidget(first->widgetID), first.get()) << "only an object's own entry is removed";
}

TEST_F(WidgetLayer, AnUnansweredMessageBoxCountsAsCancel) {
    auto window = NewProbe();
    EXPECT_EQ(MQWindowBase::OkCancelBox(window.get(), u"Sure?", u"T"), 0);
    ASSERT_EQ(host.widgets.questions.size(), 1u);
    EXPECT_EQ(host.widgets.questions[0].message, u"Sure?");
    EXPECT_EQ(host.widgets.scriptErrors.size(), 1u);
    host.widgets.ScriptAnswer(1);
    EXPECT_EQ(MQWindowBase::OkCancelBox(window.get(), u"Sure?", u"T"), 1);
}

TEST_F(WidgetLayer, MouseEventsCarryTheirPositionsAndEachButtonBitAlone) {
    auto probe = NewProbe();
    auto closure = std::make_shared<MQWidgetMouseEventClosure<Probe>>(probe.get(), &Probe::OnMouse);
    probe->AddEventHandler("rightdown", closure, false);
    const std::pair<int32_t, bool MouseEventRecord::*> bits[] = {
        {kLeftButton, &MouseEventRecord::left_button},     {kRightButton, &MouseEventRecord::right_button},
        {kShiftKey, &MouseEventRecord::shift_key},         {kCtrlKey, &MouseEventRecord::ctrl_key},
        {kMiddleButton, &MouseEventRecord::middle_button}, {kAltKey, &MouseEventRecord::alt_key}};
    for (const auto &[bit, flag] : bits) {
        simhost::OptionList options;
        options.Int("target_id", probe->widgetID).Int("sender_id", probe->widgetID).Text("type", "rightdown");
        options.Int("button_state", bit).Int("screen_x", 40).Int("client_y", -3).Float("pressure", 0.5f);
        EXPECT_EQ(Event(options, closure.get()), 11);
        EXPECT_EQ(probe->sender, probe.get());
        EXPECT_EQ(probe->mouse.screen_x, 40);
        EXPECT_EQ(probe->mouse.client_y, -3);
        EXPECT_EQ(probe->mouse.pressure, 0.5f);
        const int set = probe->mouse.left_button + probe->mouse.right_button + probe->mouse.shift_key +
                        probe->mouse.ctrl_key + probe->mouse.middle_button + probe->mouse.alt_key;
        EXPECT_TRUE(probe->mouse.*flag) << bit;
        EXPECT_EQ(set, 1) << bit;
    }
    simhost::OptionList bare;
    bare.Int("target_id", probe->widgetID).Text("type", "leftup");
    EXPECT_EQ(Event(bare, closure.get()), 11) << "the event name is not compared with the registration";
    EXPECT_EQ(probe->mouse.screen_x, 0);
    EXPECT_EQ(probe->sender, nullptr) << "no sender_id gives no sender";
}

TEST_F(WidgetLayer, ARecordOfAnotherKindNeverReachesAHandlerThatReadsItsOwn) {
    auto probe = NewProbe();
    auto mouse = std::make_shared<MQWidgetMouseEventClosure<Probe>>(probe.get(), &Probe::OnMouse);
    auto key = std::make_shared<MQWidgetKeyEventClosure<Probe>>(probe.get(), &Probe::OnKey);
    auto plain = std::make_shared<MQWidgetEventClosure<Probe>>(probe.get(), &Probe::OnPlain);
    probe->AddEventHandler("leftdown", mouse, false);
    probe->AddEventHandler("keydown", key, false);
    probe->AddEventHandler("hide", plain, false);
    int canvas = 0;
    const auto send = [&](const char *type, MQWidgetEventClosureBase *closure) {
        simhost::OptionList options;
        options.Int("target_id", probe->widgetID).Text("type", type).Int("key", kKeyX).Pointer("canvas", &canvas);
        return Event(options, closure);
    };
    EXPECT_EQ(send("keydown", mouse.get()), 0) << "a key record is not a mouse record";
    EXPECT_EQ(send("paint", mouse.get()), 0);
    EXPECT_EQ(send("listdrawitem", key.get()), 0);
    EXPECT_EQ(send("leftdown", key.get()), 0);
    EXPECT_EQ(send("keydown", key.get()), 12);
    EXPECT_EQ(send("leftdown", mouse.get()), 11);
    EXPECT_EQ(send("keydown", plain.get()), 1) << "a handler that reads no record takes any event";
}

TEST_F(WidgetLayer, FinishedIsReportedOnlyWhenAHandlerSetsIt) {
    auto probe = NewProbe();
    auto mouse = std::make_shared<MQWidgetMouseEventClosure<Probe>>(probe.get(), &Probe::OnMouse);
    auto key = std::make_shared<MQWidgetKeyEventClosure<Probe>>(probe.get(), &Probe::OnKey);
    probe->AddEventHandler("leftdown", mouse, false);
    probe->AddEventHandler("keydown", key, false);
    simhost::OptionList press;
    press.Int("target_id", probe->widgetID).Text("type", "keydown").Int("key", kKeyX).Int("auto_repeat", 3);
    press.Bool("finished", true);
    EXPECT_EQ(Event(press, key.get()), 12);
    EXPECT_EQ(probe->key.key, kKeyX);
    EXPECT_TRUE(probe->key.auto_repeat);
    EXPECT_TRUE(*static_cast<bool *>(press.data()[4].value)) << "a handler leaving it false never clears it";
    probe->finish = true;
    simhost::OptionList click;
    click.Int("target_id", probe->widgetID).Text("type", "leftdown").Bool("finished", false);
    EXPECT_EQ(Event(click, mouse.get()), 11);
    EXPECT_TRUE(*static_cast<bool *>(click.data()[2].value));
    simhost::OptionList noFinished;
    noFinished.Int("target_id", probe->widgetID).Text("type", "leftdown");
    EXPECT_EQ(Event(noFinished, mouse.get()), 11);
}

TEST_F(WidgetLayer, UnknownTargetsClosuresAndTypelessEventsCallNothing) {
    auto probe = NewProbe();
    auto closure = std::make_shared<MQWidgetEventClosure<Probe>>(probe.get(), &Probe::OnPlain);
    probe->AddEventHandler("hide", closure, false);
    auto stranger = std::make_shared<MQWidgetEventClosure<Probe>>(probe.get(), &Probe::OnPlain);
    simhost::OptionList wrongClosure, wrongTarget, noType, hide;
    wrongClosure.Int("target_id", probe->widgetID).Text("type", "hide");
    wrongTarget.Int("target_id", 4242).Text("type", "hide");
    noType.Int("target_id", probe->widgetID);
    hide.Int("target_id", probe->widgetID).Text("type", "hide");
    EXPECT_EQ(Event(wrongClosure, stranger.get()), 0);
    EXPECT_EQ(Event(wrongClosure, reinterpret_cast<void *>(0x1234)), 0);
    EXPECT_EQ(Event(wrongTarget, closure.get()), 0);
    EXPECT_EQ(Event(noType, closure.get()), 0);
    EXPECT_EQ(probe->plainCalls, 0);
    EXPECT_EQ(Event(hide, closure.get()), 1);
    EXPECT_TRUE(closure->IsSame(*stranger));
    EXPECT_EQ(closure->GetOwner(), probe.get());
}

TEST_F(WidgetLayer, AClosureWhoseOwnerIsGoneIsInert) {
    auto probe = NewProbe();
    auto button = std::make_unique<MQButton>();
    auto closure = std::make_shared<MQWidgetEventClosure<Probe>>(probe.get(), &Probe::OnPlain);
    button->AddEventHandler("hide", closure, false);
    const int32_t buttonID = button->widgetID;
    probe.reset();
    simhost::OptionList hide;
    hide.Int("target_id", buttonID).Text("type", "hide");
    EXPECT_EQ(Event(hide, closure.get()), 0);
}

TEST_F(WidgetLayer, DrawItemEventsWriteTheBoxBackButNotIndexOrID) {
    auto probe = NewProbe();
    auto catcher = std::make_shared<RecordCatcher>();
    probe->handlers.push_back(catcher);
    int canvas = 0;
    catcher->onInvoke = [&](void *given) {
        auto *record = static_cast<TreeListDrawItemRecord *>(given);
        EXPECT_EQ(record->canvas->canvasHandle, &canvas);
        EXPECT_EQ(record->index, 3);
        EXPECT_EQ(record->id, 9);
        EXPECT_EQ(record->width, 100);
        record->width = 120;
        record->index = 77;
        record->id = 78;
        record->height = 5;
    };
    simhost::OptionList tree;
    tree.Int("target_id", probe->widgetID).Text("type", "treelistdrawitem").Pointer("canvas", &canvas);
    tree.Int("index", 3).Int("id", 9).Int("x", 1).Int("y", 2).Int("width", 100);
    EXPECT_EQ(Event(tree, catcher.get()), 5);
    EXPECT_EQ(tree.IntValue("width"), 120);
    EXPECT_EQ(tree.IntValue("index"), 3);
    EXPECT_EQ(tree.IntValue("id"), 9);
    EXPECT_EQ(tree.IntValue("x"), 1);

    catcher->onInvoke = [&](void *given) {
        auto *record = static_cast<ListDrawItemRecord *>(given);
        EXPECT_EQ(record->index, -1);
        EXPECT_EQ(record->canvas->canvasHandle, nullptr);
        record->height = 30;
    };
    simhost::OptionList list;
    list.Int("target_id", probe->widgetID).Text("type", "listdrawitem").Int("height", 10);
    EXPECT_EQ(Event(list, catcher.get()), 5);
    EXPECT_EQ(list.IntValue("height"), 30);

    catcher->onInvoke = {};
    simhost::OptionList paint, hide;
    paint.Int("target_id", probe->widgetID).Text("type", "paint").Pointer("canvas", &canvas);
    EXPECT_EQ(Event(paint, catcher.get()), 5);
    EXPECT_NE(catcher->record, nullptr);
    hide.Int("target_id", probe->widgetID).Text("type", "hide");
    EXPECT_EQ(Event(hide, catcher.get()), 5);
    EXPECT_EQ(catcher->record, nullptr) << "unlisted events carry no record";
}

}  // namespace
}  // namespace stelmarin
