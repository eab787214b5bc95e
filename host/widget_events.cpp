#include "host/widget_events.h"

#include <cstring>
#include <memory>
#include <string>

#include "host/event_gate.h"
#include "host/host_functions.h"
#include "host/option_array.h"

namespace stelmarin {

namespace {

bool Is(const char *type, const char *name) { return std::strcmp(type, name) == 0; }

bool IsMouseEvent(const char *type) {
    static constexpr const char *kNames[] = {
        "leftdown",  "leftup",  "leftdoubleclick",  "middledown", "middleup",  "middledoubleclick",
        "rightdown", "rightup", "rightdoubleclick", "mousemove",  "mousewheel"};
    for (const char *name : kNames) {
        if (Is(type, name)) return true;
    }
    return false;
}

MouseEventRecord MouseRecord(const MQOption *options) {
    MouseEventRecord record;
    record.client_x = OptionInt(options, kOptionClientX, 0);
    record.client_y = OptionInt(options, kOptionClientY, 0);
    record.screen_x = OptionInt(options, kOptionScreenX, 0);
    record.screen_y = OptionInt(options, kOptionScreenY, 0);
    record.down_x = OptionInt(options, kOptionDownX, 0);
    record.down_y = OptionInt(options, kOptionDownY, 0);
    record.last_x = OptionInt(options, kOptionLastX, 0);
    record.last_y = OptionInt(options, kOptionLastY, 0);
    record.wheel_delta = OptionInt(options, kOptionWheelDelta, 0);
    record.pressure = OptionFloat(options, kOptionPressure, 0.0f);
    DecodeButtonState(OptionInt(options, kOptionButtonState, 0), record);
    return record;
}

KeyEventRecord KeyRecord(const MQOption *options) {
    KeyEventRecord record;
    record.key = OptionInt(options, kOptionKey, 0);
    record.auto_repeat = OptionInt(options, kOptionAutoRepeat, 0) != 0;
    DecodeButtonState(OptionInt(options, kOptionButtonState, 0), record);
    return record;
}

void ReportFinished(bool finished, void *hostFinished) {
    if (finished && hostFinished != nullptr) *static_cast<bool *>(hostFinished) = true;
}

// The host's x, y, width and height of a draw-item event: read before the handler, written
// back after it. A key the host did not give is neither read nor written.
struct ItemBox {
    explicit ItemBox(const MQOption *options)
        : at{OptionIntTarget(options, kOptionX), OptionIntTarget(options, kOptionY),
             OptionIntTarget(options, kOptionWidth), OptionIntTarget(options, kOptionHeight)} {}
    template <class Record>
    void Read(Record &record) const {
        int32_t *fields[] = {&record.x, &record.y, &record.width, &record.height};
        for (int i = 0; i < 4; ++i) {
            if (at[i] != nullptr) *fields[i] = *at[i];
        }
    }
    template <class Record>
    void WriteBack(const Record &record) const {
        const int32_t fields[] = {record.x, record.y, record.width, record.height};
        for (int i = 0; i < 4; ++i) {
            if (at[i] != nullptr) *at[i] = fields[i];
        }
    }
    int32_t *at[4];
};

// The handler with this event's record, when it reads that kind of record or none.
template <class Record>
int Give(MQWidgetEventClosureBase &handler, EventRecordKind kind, MQWidgetBase *sender, MQDocument doc,
         Record &record) {
    if (handler.Reads() != EventRecordKind::None && handler.Reads() != kind) return 0;
    return handler.Invoke(sender, doc, &record);
}

// The records of a mouse or key event, read from the host's options before the handler
// runs: a held event carries them past the end of the host's call.
struct InputRecords {
    enum class Kind { None, Mouse, Key } kind = Kind::None;
    MouseEventRecord mouse;
    KeyEventRecord key;
};

InputRecords ReadInput(const MQOption *options, const char *type) {
    InputRecords input;
    if (IsMouseEvent(type)) {
        input.kind = InputRecords::Kind::Mouse;
        input.mouse = MouseRecord(options);
    } else if (Is(type, "keydown") || Is(type, "keyup")) {
        input.kind = InputRecords::Kind::Key;
        input.key = KeyRecord(options);
    }
    return input;
}

// Events that bring a canvas: it is the host's for the call only, so they are never held.
bool DrawsOnCanvas(const char *type) {
    return Is(type, "paint") || Is(type, "listdrawitem") || Is(type, "treelistdrawitem");
}

int Route(MQWidgetEventClosureBase &handler, MQWidgetBase *sender, MQDocument doc, const MQOption *options,
          const char *type, InputRecords &input, void *hostFinished) {
    if (input.kind == InputRecords::Kind::Mouse) {
        const int result = Give(handler, EventRecordKind::Mouse, sender, doc, input.mouse);
        ReportFinished(input.mouse.finished, hostFinished);
        return result;
    }
    if (input.kind == InputRecords::Kind::Key) {
        const int result = Give(handler, EventRecordKind::Key, sender, doc, input.key);
        ReportFinished(input.key.finished, hostFinished);
        return result;
    }
    if (Is(type, "paint")) {
        std::unique_ptr<MQCanvas> canvas(new (std::nothrow) MQCanvas(FindOption(options, kOptionCanvas)));
        PaintEventRecord record{canvas.get()};
        return Give(handler, EventRecordKind::Paint, sender, doc, record);
    }
    if (Is(type, "listdrawitem")) {
        const ItemBox box(options);
        std::unique_ptr<MQCanvas> canvas(new (std::nothrow) MQCanvas(FindOption(options, kOptionCanvas)));
        ListDrawItemRecord record;
        record.canvas = canvas.get();
        record.index = OptionInt(options, kOptionIndex, -1);
        box.Read(record);
        const int result = Give(handler, EventRecordKind::ListDrawItem, sender, doc, record);
        canvas.reset();
        box.WriteBack(record);
        return result;
    }
    if (Is(type, "treelistdrawitem")) {
        const ItemBox box(options);
        std::unique_ptr<MQCanvas> canvas(new (std::nothrow) MQCanvas(FindOption(options, kOptionCanvas)));
        TreeListDrawItemRecord record;
        record.canvas = canvas.get();
        record.index = OptionInt(options, kOptionIndex, -1);
        record.id = OptionInt(options, kOptionID, -1);
        box.Read(record);
        const int result = Give(handler, EventRecordKind::TreeListDrawItem, sender, doc, record);
        canvas.reset();
        box.WriteBack(record);
        return result;
    }
    return handler.Invoke(sender, doc, nullptr);
}

// The handler registered on `targetID` under the address `closure`, or none. Held for
// the call: a handler may destroy the widget the closure belongs to (the host can end
// the plug-in from inside a modal run), and the closure must outlive its own Invoke.
std::shared_ptr<MQWidgetEventClosureBase> HandlerOf(int32_t targetID, const void *closure) {
    MQWidgetBase *target = FindWidget(targetID);
    if (target == nullptr) return nullptr;
    for (const auto &registered : target->handlers) {
        if (registered.get() == closure) return registered;
    }
    return nullptr;
}

int Dispatch(MQDocument doc, MQOption *options, void *closure) {
    const auto *type = static_cast<const char *>(FindOption(options, kOptionType));
    if (type == nullptr) return 0;
    const int32_t targetID = OptionInt(options, kOptionTargetID, 0);
    const int32_t senderID = OptionInt(options, kOptionSenderID, 0);
    EventGate &gate = EventGate::Instance();
    if (gate.MustHold() && !DrawsOnCanvas(type)) {
        // Nothing is looked up now: by the time the event runs, its widget may be gone.
        gate.Hold(
            [doc, targetID, senderID, closure, name = std::string(type), input = ReadInput(options, type)]() mutable {
                if (auto handler = HandlerOf(targetID, closure)) {
                    Route(*handler, FindWidget(senderID), doc, nullptr, name.c_str(), input, nullptr);
                }
            });
        return 0;
    }
    const EventGate::Call call(gate);
    auto handler = HandlerOf(targetID, closure);
    if (!handler) return 0;
    InputRecords input = ReadInput(options, type);
    return Route(*handler, FindWidget(senderID), doc, options, type, input, FindOption(options, kOptionFinished));
}

}  // namespace

int WidgetEventProc(MQDocument doc, MQOption *options, void *closure) noexcept {
    if (!host::Host().complete) return 0;
    try {
        return Dispatch(doc, options, closure);
    } catch (...) {
        return 0;
    }
}

void MQWidgetBase::AddEventHandler(const char *name, std::shared_ptr<MQWidgetEventClosureBase> closure, bool prior) {
    MQOption options[] = {{kOptionType, const_cast<char *>(name)},
                          {kOptionProc, reinterpret_cast<void *>(&WidgetEventProc)},
                          {kOptionPointer, closure.get()},
                          {kOptionPrior, &prior},
                          {nullptr, nullptr}};
    host::Host().MQWidget_Value(widgetID, kWidgetAddEventHandler, options);
    handlers.push_back(std::move(closure));
}

}  // namespace stelmarin
