#include "plugin/entry_points.h"

#include <cstring>
#include <functional>
#include <iterator>

#include "host/event_gate.h"
#include "host/option_array.h"

namespace stelmarin {

namespace {

// The integer behind an event whose option pointer is a single flag, not an array.
int32_t FlagOf(void *option) { return option != nullptr ? *static_cast<const int32_t *>(option) : 0; }

void StoreResult(int32_t *target, int32_t value) {
    if (target != nullptr) *target = value;
}

int TriggerKindOf(const char *trigger) {
    if (trigger == nullptr) return kTriggerNone;
    if (std::strcmp(trigger, kTriggerScreenText) == 0) return kTriggerScreen;
    if (std::strcmp(trigger, kTriggerWorldText) == 0) return kTriggerWorld;
    if (std::strcmp(trigger, kTriggerLocalText) == 0) return kTriggerLocal;
    return kTriggerNone;
}

CommandMouseState StateFromButtons(int32_t buttons) {
    CommandMouseState state;
    DecodeButtonState(buttons, state);
    return state;
}

int DispatchCommandEvent(MQCommandPlugin &plugin, MQDocument doc, int code, const MQOption *options) {
    auto *scene = static_cast<MQScene>(FindOption(options, kOptionScene));
    if (code >= kEvent140) {
        const int key = OptionInt(options, kOptionKey, 0);
        CommandMouseState state = StateFromButtons(OptionInt(options, kOptionButtonState, 0));
        return code == kEvent140 ? plugin.OnEvent140(doc, scene, key, &state)
                                 : plugin.OnEvent141(doc, scene, key, &state);
    }
    CommandMouseState state = StateFromButtons(OptionInt(options, kOptionButtonState, 0));
    state.x = OptionInt(options, kOptionMouseX, 0);
    state.y = OptionInt(options, kOptionMouseY, 0);
    state.wheel = OptionInt(options, kOptionMouseWheel, 0);
    state.pressure = OptionFloat(options, kOptionPressure, 0.0f);
    using MouseOperation = int (MQCommandPlugin::*)(MQDocument, MQScene, CommandMouseState *);
    static constexpr MouseOperation kMouse[] = {
        &MQCommandPlugin::OnEvent120, &MQCommandPlugin::OnEvent121, &MQCommandPlugin::OnEvent122,
        &MQCommandPlugin::OnEvent123, &MQCommandPlugin::OnEvent124, &MQCommandPlugin::OnEvent125,
        &MQCommandPlugin::OnEvent126, &MQCommandPlugin::OnEvent127, &MQCommandPlugin::OnEvent128,
        &MQCommandPlugin::OnEvent129, &MQCommandPlugin::OnEvent130,
    };
    static_assert(std::size(kMouse) == kEventMouseLast - kEventMouseFirst + 1);
    return (plugin.*kMouse[code - kEventMouseFirst])(doc, scene, &state);
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
        case kEvent3:
        case kEvent4: {
            const int index = OptionInt(options, kOptionIndex, 0);
            const int result = code == kEvent3 ? plugin.OnEvent3(index) : plugin.OnEvent4(index);
            StoreResult(OptionIntTarget(options, kOptionResult), result);
            return true;
        }
        case kEventActivate:
            answer = plugin.OnActivate(doc, FlagOf(option)) ? 1 : 0;
            return true;
        case kEventQueryActivated:
            answer = plugin.OnQueryActivated(doc) ? 1 : 0;
            return true;
        case kEvent102:
            plugin.OnEvent102(doc, FlagOf(option));
            return true;
        case kEventPlugInMessage: {
            const int32_t product = OptionInt(options, kOptionSourceProduct, 0);
            const int32_t id = OptionInt(options, kOptionSourceID, 0);
            void *description = FindOption(options, kOptionDescription);
            void *message = FindOption(options, kOptionMessage);
            int32_t *result = OptionIntTarget(options, kOptionResult);
            StoreResult(result, plugin.OnPlugInMessage(doc, product, id, description, message));
            return true;
        }
        case kEvent104:
            answer = plugin.OnEvent104(doc, OptionInt(options, kOptionIndex, 0));
            return true;
        case kEventDrawView: {
            auto *scene = static_cast<MQScene>(FindOption(options, kOptionScene));
            const int width = OptionInt(options, kOptionWidth, 1);
            const int height = OptionInt(options, kOptionHeight, 1);
            plugin.OnDrawView(doc, scene, width, height);
            return true;
        }
        case kEventDocumentLoad: {
            LoadRecord record{FindOption(options, kOptionXmlElement)};
            plugin.OnDocumentLoad(doc, static_cast<const char *>(FindOption(options, kOptionFileName)), &record);
            return true;
        }
        case kEventDocumentNew:
            plugin.OnDocumentNew(doc);
            return true;
        case kEventDocumentSave: {
            SaveRecord record{FindOption(options, kOptionXmlElement), 0};
            plugin.OnDocumentSave(doc, static_cast<const char *>(FindOption(options, kOptionFileName)), &record);
            if (record.needUniqueIDs != 0) StoreResult(OptionIntTarget(options, kOptionSaveUniqueIDs), 1);
            return true;
        }
        case kEvent210:
            answer = plugin.OnEvent210(doc, OptionInt(options, kOptionState, 0));
            return true;
        case kEvent211:
            answer = plugin.OnEvent211(doc, OptionInt(options, kOptionState, 0));
            return true;
        case kEvent212: {
            const int size = OptionInt(options, kOptionSize, 0);
            const int state = OptionInt(options, kOptionState, 0);
            plugin.OnEvent212(doc, state, size);
            return true;
        }
        case kEvent220:
            plugin.OnEvent220(doc);
            return true;
        case kEvent221:
            plugin.OnEvent221(doc);
            return true;
        case kEvent222:
            plugin.OnEvent222(doc);
            return true;
        case kEvent230:
            plugin.OnEvent230(doc);
            return true;
        case kEvent231:
            plugin.OnEvent231(doc);
            return true;
        case kEvent240:
            plugin.OnEvent240(doc, static_cast<MQScene>(FindOption(options, kOptionScene)));
            return true;
        case kEvent250:
            plugin.OnEvent250(doc, TriggerKindOf(static_cast<const char *>(FindOption(options, kOptionTrigger))));
            return true;
        default:
            break;
    }
    if ((code >= kEventMouseFirst && code <= kEventMouseLast) || code == kEvent140 || code == kEvent141) {
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
            const int width = OptionInt(options, kOptionWidth, 1);
            const int height = OptionInt(options, kOptionHeight, 1);
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
    if (code == kEvent300) return import->OnEvent300();
    if (code == kEventImportArguments) {
        import->background = OptionInt(options, kOptionBackground, 0);
        import->args = FindOption(options, kOptionArguments);
        return 1;
    }
    return 0;
}

const char *EnumStringFor(MQBasePlugin &plugin, int index) {
    switch (plugin.GetPlugInType()) {
        case kPluginTypeStation:
        case kPluginTypeCommand: {
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
