// Routing the host's widget events to handlers: closures that name an owner object and
// one of its member functions, the typed event records, and WidgetEventProc, the one
// function the host calls back for every event.
#pragma once

#include <cstdint>
#include <type_traits>

#include "host/contract_codes.h"
#include "host/host_abi.h"
#include "host/widgets.h"

namespace stelmarin {

// The mouse buttons and modifier keys held during a mouse or key event.
struct HeldButtons {
    bool left_button = false;
    bool middle_button = false;
    bool right_button = false;
    bool shift_key = false;
    bool ctrl_key = false;
    bool alt_key = false;
};

struct MouseEventRecord : HeldButtons {
    int32_t client_x = 0;
    int32_t client_y = 0;
    int32_t screen_x = 0;
    int32_t screen_y = 0;
    int32_t down_x = 0;
    int32_t down_y = 0;
    int32_t last_x = 0;
    int32_t last_y = 0;
    int32_t wheel_delta = 0;
    float pressure = 0.0f;
    bool finished = false;
};

struct KeyEventRecord : HeldButtons {
    int32_t key = 0;
    bool auto_repeat = false;
    bool finished = false;
};

struct PaintEventRecord {
    MQCanvas *canvas = nullptr;
};

struct ListDrawItemRecord {
    MQCanvas *canvas = nullptr;
    int32_t index = -1;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

struct TreeListDrawItemRecord {
    MQCanvas *canvas = nullptr;
    int32_t index = -1;
    int32_t id = -1;
    int32_t x = 0;
    int32_t y = 0;
    int32_t width = 0;
    int32_t height = 0;
};

// The kinds of record an event brings.
enum class EventRecordKind { None, Mouse, Key, Paint, ListDrawItem, TreeListDrawItem };

// A registered handler. Destroyed through the shared owner made for its concrete class,
// so it needs no virtual destructor.
class MQWidgetEventClosureBase {
public:
    // Runs the handler unless its owner widget is gone; `record` is null for plain events.
    virtual int Invoke(MQWidgetBase *sender, MQDocument doc, void *record) = 0;
    // The record the handler reads, None when it reads none. The host names the event,
    // and so the record built for it: a record of another kind must never reach a handler
    // that would read it as its own.
    virtual EventRecordKind Reads() const = 0;
    // Same class, owner and member function.
    virtual bool IsSame(const MQWidgetEventClosureBase &other) const = 0;
    virtual void *GetOwner() const = 0;

protected:
    ~MQWidgetEventClosureBase() = default;
};

// The kind of a handler's record type; void for a handler that reads none.
template <class Record>
constexpr EventRecordKind RecordKindOf() {
    if constexpr (std::is_void_v<Record>) {
        return EventRecordKind::None;
    } else if constexpr (std::is_same_v<Record, MouseEventRecord>) {
        return EventRecordKind::Mouse;
    } else {
        static_assert(std::is_same_v<Record, KeyEventRecord>, "handlers read mouse or key records only");
        return EventRecordKind::Key;
    }
}

// An owner, its widget ID when the closure was made, and the member function to call with
// a record of type `Record`, or with none when `Record` is void.
template <class Owner, class Record>
class MQWidgetClosure final : public MQWidgetEventClosureBase {
public:
    using Method = std::conditional_t<std::is_void_v<Record>, int (Owner::*)(MQWidgetBase *, MQDocument),
                                      int (Owner::*)(MQWidgetBase *, MQDocument, Record *)>;

    MQWidgetClosure(Owner *owner_, Method method_) : owner(owner_), ownerId(owner_->widgetID), method(method_) {}

    int Invoke(MQWidgetBase *sender, MQDocument doc, void *record) override {
        Owner *live = LiveOwner();
        if (live == nullptr) return 0;
        if constexpr (std::is_void_v<Record>) {
            return (live->*method)(sender, doc);
        } else {
            return (live->*method)(sender, doc, static_cast<Record *>(record));
        }
    }
    EventRecordKind Reads() const override { return RecordKindOf<Record>(); }
    bool IsSame(const MQWidgetEventClosureBase &other) const override {
        const auto *same = dynamic_cast<const MQWidgetClosure *>(&other);
        return same != nullptr && same->owner == owner && same->method == method;
    }
    void *GetOwner() const override { return owner; }

    Owner *owner;
    int32_t ownerId;
    Method method;

private:
    // The owner, while its widget still exists; a closure outliving it is inert. The
    // registry entry must be the owner itself: the host may have given a dead widget's ID
    // to a new one.
    Owner *LiveOwner() const {
        MQWidgetBase *registered = FindWidget(ownerId);
        return registered != nullptr && registered == static_cast<MQWidgetBase *>(owner) ? owner : nullptr;
    }
};

template <class Owner>
using MQWidgetEventClosure = MQWidgetClosure<Owner, void>;
template <class Owner>
using MQWidgetMouseEventClosure = MQWidgetClosure<Owner, MouseEventRecord>;
template <class Owner>
using MQWidgetKeyEventClosure = MQWidgetClosure<Owner, KeyEventRecord>;

// The host's callback for every widget event. `options` is the host's for the call;
// `closure` is the address registered as "pointer", and is only compared, never trusted,
// until it is found among the target widget's own handlers. Answers the handler's
// result, or 0 when none ran.
int WidgetEventProc(MQDocument doc, MQOption *options, void *closure) noexcept;

}  // namespace stelmarin
