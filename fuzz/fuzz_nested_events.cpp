// A host that sends events from inside its own functions: random modeller events and user
// clicks, each either delivered plainly or nested inside the plug-in's Nth call of a
// random host function, with the document changed under the plug-in now and then. After
// every action nothing may be held back any more, the host must have seen nothing it
// rejects, and every slot button must show whether its slot is armed.
#include <array>
#include <cstdio>
#include <functional>
#include <string>

#include "fuzz/fuzz_support.h"
#include "host/contract_codes.h"
#include "host/event_gate.h"
#include "host/host_function_list.h"
#include "plugin/entry_points.h"
#include "plugin/stelmarin.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/host/option_list.h"

namespace {

// The host functions the plug-in calls: the places where a host can nest an event.
constexpr std::array<const char *, 17> kCalled = [] {
    std::array<const char *, 17> names{};
    size_t at = 0;
    for (const auto &info : stelmarin::host::kHostFunctions) {
        if (info.typed) names[at++] = info.name;
    }
    return names;
}();

const char16_t *const kLabels[] = {u"X0", u"1", u"2", u"3"};

[[noreturn]] void Finding(const std::string &what) {
    std::fprintf(stderr, "finding: %s\n", what.c_str());
    std::abort();
}

class Modeller {
public:
    Modeller(simhost::Host &host, stelmarin::Stelmarin &plugin) : host_(host), plugin_(plugin) {
        body_ = &simhost::AddGrid(host.document(), "body", 4, 2, 0.5f);
        simhost::AddGrid(host.document(), "other", 2, 2, 0.25f);
    }

    static constexpr int kActions = 14;
    static constexpr int kShrink = 13;

    // One action of the host or the user, as the input picks it with `what`.
    std::function<void()> Pick(uint8_t what, fuzzing::Input &input) {
        switch (what % kActions) {
            case 0:
                return [this] { Event(stelmarin::kEventInitialize, nullptr); };
            case 1:
                return [this] { Event(stelmarin::kEventExit, nullptr); };
            case 2: {
                const int32_t flag = input.Byte() & 1;
                return [this, flag] {
                    int32_t value = flag;
                    Event(stelmarin::kEventActivate, &value);
                };
            }
            case 3:
            case 4:
                return [this] { Draw(); };
            case 5:
                return [this] {
                    host_.NewDocument();
                    body_ = &simhost::AddGrid(host_.document(), "body", 4, 2, 0.5f);
                    Event(stelmarin::kEventDocumentNew, nullptr);
                };
            case 6:
            case 7:
            case 8: {
                const uint8_t pick = input.Byte();
                return [this, pick] {
                    const bool ctrl = (pick >> 4) & 1, shift = (pick >> 5) & 1;
                    Click(kLabels[pick % 4], (ctrl ? stelmarin::kCtrlKey : 0) | (shift ? stelmarin::kShiftKey : 0));
                };
            }
            case 9: {
                const bool ok = input.Byte() & 1;
                return [this, ok] { host_.widgets.ScriptAnswer(ok ? 1 : 0); };
            }
            case 10: {
                const uint8_t pick = input.Byte();
                return [this, pick] {
                    simhost::Document &document = host_.document();
                    document.currentObject = pick % document.ObjectCount();
                    if (simhost::Object *object = document.ObjectAt(document.currentObject)) {
                        simhost::ClearSelection(*object);
                        for (int i = 0; i < object->VertexCount(); ++i) {
                            if ((pick >> (i % 8)) & 1) simhost::Select(*object, {i});
                        }
                        simhost::Move(*object, {0.01f * (pick & 7), 0.02f, -0.01f}, simhost::Scope::All);
                    }
                };
            }
            case 11:
                return [this] {
                    const int32_t window = host_.widgets.PluginWindow();
                    if (window != 0 && host_.widgets.IsShown(window)) host_.widgets.UserCloses(window);
                };
            case 12: {
                const uint8_t pick = input.Byte();
                return [this, pick] {
                    const int32_t window = host_.widgets.PluginWindow();
                    if (window == 0 || !host_.widgets.IsShown(window)) return;
                    static constexpr int32_t kLetters[] = {stelmarin::kKeyX, stelmarin::kKeyY, stelmarin::kKeyZ};
                    host_.widgets.ScriptModal(
                        [this, pick] { host_.widgets.KeyPress(host_.widgets.OpenDialog(), kLetters[pick % 3]); });
                    host_.widgets.RightClick(host_.widgets.ButtonLabelled(kLabels[pick % 4]));
                    host_.widgets.DiscardModalActions();
                };
            }
            default: {
                const uint8_t keep = input.Byte();
                return [this, keep] {
                    // Vertices go and the object closes up: every count the plug-in read is stale.
                    simhost::Object &object = *body_;
                    for (int i = object.VertexCount() - 1; i > keep % 8; --i) {
                        if (!object.vertex(i).deleted) object.DeleteVertex(i);
                    }
                    object.Compact();
                };
            }
        }
    }

    // `action` from inside the Nth call of a host function. A count changes where the
    // plug-in reads it: an object that shrinks between two of its reads leaves the plug-in
    // no way to know, and no host does that to a caller.
    void Nest(fuzzing::Input &input, std::function<void()> action, bool changesCount) {
        const uint8_t where = input.Byte();
        const long long call = 1 + input.Byte() % 48;
        host_.NestInside(changesCount ? "MQObj_GetVertexCount" : kCalled[where % kCalled.size()], call,
                         std::move(action));
    }
    static bool ChangesCount(uint8_t what) { return what % kActions == kShrink; }

    void Check(const char *after) {
        fuzzing::RequireClean(host_);
        if (stelmarin::EventGate::Instance().HeldCount() != 0) Finding(std::string("events still held after ") + after);
        const int32_t window = host_.widgets.PluginWindow();
        if (window == 0 || !plugin_.window) return;
        for (size_t slot = 0; slot < 4; ++slot) {
            const simhost::Widget *button = host_.widgets.Find(host_.widgets.ButtonLabelled(kLabels[slot]));
            if (button != nullptr && button->Flag("down") != plugin_.store.armed[slot]) {
                Finding("button " + std::to_string(slot) + " does not show its slot after " + after);
            }
        }
    }

private:
    void Event(int code, void *option) {
        simhost::Host::PluginCall call(host_);
        stelmarin::ReceiveEvent(plugin_, host_.DocumentHandle(), code, option);
    }
    void Draw() {
        simhost::OptionList options;
        options.Int(stelmarin::kOptionWidth, 640).Int(stelmarin::kOptionHeight, 480);
        Event(stelmarin::kEventDrawView, options.data());
    }
    // Only what is on screen can be clicked.
    void Click(const char16_t *label, int32_t modifiers) {
        const int32_t window = host_.widgets.PluginWindow();
        if (window == 0 || !host_.widgets.IsShown(window)) return;
        host_.widgets.LeftClick(host_.widgets.ButtonLabelled(label), modifiers);
    }

    simhost::Host &host_;
    stelmarin::Stelmarin &plugin_;
    simhost::Object *body_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    fuzzing::Input input(data, size);
    fuzzing::Stage stage;
    simhost::Host &host = stage.host;
    {
        stelmarin::Stelmarin plugin;
        Modeller modeller(host, plugin);
        for (int actions = 0; actions < 24 && !input.Empty(); ++actions) {
            const bool nested = input.Byte() < 96;
            const uint8_t what = input.Byte();
            std::function<void()> action = modeller.Pick(what, input);
            if (nested) {
                modeller.Nest(input, std::move(action), Modeller::ChangesCount(what));
                continue;
            }
            action();
            modeller.Check("an action");
        }
        host.ForgetNests();
        // The plug-in's end, its destruction included, happens inside a host call.
        simhost::Host::PluginCall inside(host);
        plugin.OnExit();
    }
    host.widgets.scriptErrors.clear();
    host.widgets.DiscardAnswers();
    fuzzing::RequireClean(host);
    return 0;
}
