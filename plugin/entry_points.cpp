#include "plugin/entry_points.h"

#include <cstring>
#include <functional>

#include "host/event_gate.h"
#include "host/option_array.h"

namespace stelmarin {

namespace {

// The integer behind an event whose option pointer is a single flag, not an array.
int32_t FlagOf(void *option) { return option != nullptr ? *static_cast<const int32_t *>(option) : 0; }

void StoreResult(int32_t *target, int32_t value) {
    if (target != nullptr) *target = value;
}

int TriggerKind(const char *trigger) {
    if (trigger == nullptr) return 0;
    if (std::strcmp(trigger, "screen") == 0) return 1;
    if (std::strcmp(trigger, "world") == 0) return 2;
    if (std::strcmp(trigger, "local") == 0) return 3;
    return 0;
}

CommandMouseState StateFromButtons(int32_t buttons) {
    CommandMouseState state;
    state.left_button = (buttons & 0x01) != 0;
    state.middle_button = (buttons & 0x10) != 0;
    state.right_button = (buttons & 0x02) != 0;
    state.shift_key = (buttons & 0x04) != 0;
    state.ctrl_key = (buttons & 0x08) != 0;
    state.alt_key = (buttons & 0x20) != 0;
    return state;
}

int DispatchCommandEvent(MQCommandPlugin &plugin, MQDocument doc, int code, const MQOption *options) {
    auto *scene = static_cast<MQScene>(FindOption(options, "scene"));
    if (code >= 140) {
        const int key = OptionInt(options, "key", 0);
        CommandMouseState state = StateFromButtons(OptionInt(options, "button_state", 0));
        return code == 140 ? plugin.OnEvent140(doc, scene, key, &state) : plugin.OnEvent141(doc, scene, key, &state);
    }
    CommandMouseState state = StateFromButtons(OptionInt(options, "button_state", 0));
    state.x = OptionInt(options, "mouse_pos_x", 0);
    state.y = OptionInt(options, "mouse_pos_y", 0);
    state.wheel = OptionInt(options, "mouse_wheel", 0);
    state.pressure = OptionFloat(options, "pressure", 0.0f);
    using MouseOperation = int (MQCommandPlugin::*)(MQDocument, MQScene, CommandMouseState *);
    static constexpr MouseOperation kMouse[] = {
        &MQCommandPlugin::OnEvent120, &MQCommandPlugin::OnEvent121, &MQCommandPlugin::OnEvent122,
        &MQCommandPlugin::OnEvent123, &MQCommandPlugin::OnEvent124, &MQCommandPlugin::OnEvent125,
        &MQCommandPlugin::OnEvent126, &MQCommandPlugin::OnEvent127, &MQCommandPlugin::OnEvent128,
        &MQCommandPlugin::OnEvent129, &MQCommandPlugin::OnEvent130,
    };
    return (plugin.*kMouse[code - 120])(doc, scene, &state);
}

// The station event table. Returns false for codes that are not in it.
bool DispatchStationEvent(MQStationPlugin &plugin, MQDocument doc, int code, void *option, int &answer) {
    const auto *options = static_cast<const MQOption *>(option);
    answer = 1;
    switch (code) {
        case kEventInitialize:
            answer = plugin.OnInitialize() ? 1 : 0;
            return true;
        case kEventExit:
            plugin.OnExit();
            return true;
        case 3:
        case 4: {
            const int index = OptionInt(options, "index", 0);
            const int result = code == 3 ? plugin.OnEvent3(index) : plugin.OnEvent4(index);
            StoreResult(OptionIntTarget(options, "result"), result);
            return true;
        }
        case kEventActivate:
            answer = plugin.OnActivate(doc, FlagOf(option)) ? 1 : 0;
            return true;
        case kEventQueryActivated:
            answer = plugin.OnQueryActivated(doc) ? 1 : 0;
            return true;
        case 102:
            plugin.OnEvent102(doc, FlagOf(option));
            return true;
        case 103: {
            const int32_t product = OptionInt(options, "src_product", 0);
            const int32_t id = OptionInt(options, "src_id", 0);
            void *description = FindOption(options, "description");
            void *message = FindOption(options, "message");
            int32_t *result = OptionIntTarget(options, "result");
            StoreResult(result, plugin.OnPlugInMessage(doc, product, id, description, message));
            return true;
        }
        case 104:
            answer = plugin.OnEvent104(doc, OptionInt(options, "index", 0));
            return true;
        case kEventDrawView: {
            auto *scene = static_cast<MQScene>(FindOption(options, "scene"));
            const int width = OptionInt(options, "width", 1);
            const int height = OptionInt(options, "height", 1);
            plugin.OnDrawView(doc, scene, width, height);
            return true;
        }
        case 200: {
            LoadRecord record{FindOption(options, "xml_elem")};
            plugin.OnDocumentLoad(doc, static_cast<const char *>(FindOption(options, "filename")), &record);
            return true;
        }
        case kEventDocumentNew:
            plugin.OnDocumentNew(doc);
            return true;
        case kEventDocumentSave: {
            SaveRecord record{FindOption(options, "xml_elem"), 0};
            plugin.OnDocumentSave(doc, static_cast<const char *>(FindOption(options, "filename")), &record);
            if (record.needUniqueIDs != 0) StoreResult(OptionIntTarget(options, "save_uid"), 1);
            return true;
        }
        case 210:
            answer = plugin.OnEvent210(doc, OptionInt(options, "state", 0));
            return true;
        case 211:
            answer = plugin.OnEvent211(doc, OptionInt(options, "state", 0));
            return true;
        case 212: {
            const int size = OptionInt(options, "size", 0);
            const int state = OptionInt(options, "state", 0);
            plugin.OnEvent212(doc, state, size);
            return true;
        }
        case 220:
            plugin.OnEvent220(doc);
            return true;
        case 221:
            plugin.OnEvent221(doc);
            return true;
        case 222:
            plugin.OnEvent222(doc);
            return true;
        case 230:
            plugin.OnEvent230(doc);
            return true;
        case 231:
            plugin.OnEvent231(doc);
            return true;
        case 240:
            plugin.OnEvent240(doc, static_cast<MQScene>(FindOption(options, "scene")));
            return true;
        case 250:
            plugin.OnEvent250(doc, TriggerKind(static_cast<const char *>(FindOption(options, "trigger"))));
            return true;
        default:
            break;
    }
    if ((code >= 120 && code <= 130) || code == 140 || code == 141) {
        auto *command = dynamic_cast<MQCommandPlugin *>(&plugin);
        answer = command != nullptr ? DispatchCommandEvent(*command, doc, code, options) : 0;
        return true;
    }
    return false;
}

// The events on which a station plug-in changes its state, as a task to run later with
// their options read now: the host's option array lives only for its call, and the scene
// with it. Other events only ask, and are answered at once. Fills `answer` with what the
// host receives now.
std::function<void()> HoldableEvent(MQStationPlugin &plugin, MQDocument doc, int code, void *option, int &answer) {
    const auto *options = static_cast<const MQOption *>(option);
    answer = 1;
    switch (code) {
        case kEventInitialize:
            return [&plugin] { plugin.OnInitialize(); };
        case kEventExit:
            return [&plugin] { plugin.OnExit(); };
        case kEventActivate: {
            const int32_t flag = FlagOf(option);
            answer = plugin.OnQueryActivated(doc) ? 1 : 0;
            return [&plugin, doc, flag] { plugin.OnActivate(doc, flag); };
        }
        case kEventDrawView: {
            const int width = OptionInt(options, "width", 1);
            const int height = OptionInt(options, "height", 1);
            return [&plugin, doc, width, height] { plugin.OnDrawView(doc, nullptr, width, height); };
        }
        case kEventDocumentNew:
            return [&plugin, doc] { plugin.OnDocumentNew(doc); };
        default:
            return {};
    }
}

}  // namespace

int ReceiveEvent(MQBasePlugin &plugin, MQDocument doc, int code, void *option) {
    EventGate &gate = EventGate::Instance();
    if (gate.MustHold()) {
        if (auto *station = dynamic_cast<MQStationPlugin *>(&plugin)) {
            int answer = 0;
            if (std::function<void()> held = HoldableEvent(*station, doc, code, option, answer)) {
                gate.Hold(std::move(held));
                return answer;
            }
        }
    }
    const EventGate::Call call(gate);
    return DispatchEvent(plugin, doc, code, option);
}

int DispatchEvent(MQBasePlugin &plugin, MQDocument doc, int code, void *option) {
    if (auto *station = dynamic_cast<MQStationPlugin *>(&plugin)) {
        int answer = 0;
        if (DispatchStationEvent(*station, doc, code, option, answer)) return answer;
    }
    auto *import = dynamic_cast<MQImportPlugin *>(&plugin);
    if (import == nullptr) return 0;
    const auto *options = static_cast<const MQOption *>(option);
    if (code == 300) return import->OnEvent300();
    if (code == 301) {
        import->background = OptionInt(options, "background", 0);
        import->args = FindOption(options, "args");
        return 1;
    }
    return 0;
}

const char *EnumStringFor(MQBasePlugin &plugin, int index) {
    switch (plugin.GetPlugInType()) {
        case 6:
        case 7: {
            auto *station = dynamic_cast<MQStationPlugin *>(&plugin);
            return index == 0 && station != nullptr ? station->EnumString() : nullptr;
        }
        default:
            // Kinds 3 to 5 enumerate texts by index through an operation of their own
            // class tree, which this plug-in does not carry.
            return nullptr;
    }
}

}  // namespace stelmarin
