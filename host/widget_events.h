// Routing the host's widget events to handlers: closures that name an owner object and
// one of its member functions, the typed event records, and WidgetEventProc, the one
// function the host calls back for every event.
#pragma once

#include <cstdint>

#include "host/contract_codes.h"
#include "host/host_abi.h"
#include "host/widgets.h"

namespace stelmarin {

struct MouseEventRecord {
    int32_t client_x = 0;
    int32_t client_y = 0;
    int32_t screen_x = 0;
    int32_t screen_y = 0;
    int32_t down_x = 0;
    int32_t down_y = 0;
    int32_t last_x = 0;
    int32_t last_y = 0;
    int32_t wheel_delta = 0;
    bool left_button = false;
    bool middle_button = false;
    bool right_button = false;
    bool shift_key = false;
    bool ctrl_key = false;
    bool alt_key = false;
    float pressure = 0.0f;
    bool finished = false;
};

struct KeyEventRecord {
    int32_t key = 0;
    bool auto_repeat = false;
    bool left_button = false;
    bool middle_button = false;
    bool right_button = false;
    bool shift_key = false;
    bool ctrl_key = false;
    bool alt_key = false;
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

// A registered handler. Destroyed through the shared owner made for its concrete class,
// so it needs no virtual destructor.
// The kinds of record an event brings.
enum class EventRecordKind { None, Mouse, Key, Paint, ListDrawItem, TreeListDrawItem };

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

// The shared part of the three closure kinds: the owner, its widget ID when the closure
// was made, and the member function.
template <class Owner, class Method>
class MQWidgetClosureOf : public MQWidgetEventClosureBase {
public:
    MQWidgetClosureOf(Owner *owner_, Method method_) : owner(owner_), ownerId(owner_->widgetID), method(method_) {}

    bool IsSame(const MQWidgetEventClosureBase &other) const override {
        const auto *same = dynamic_cast<const MQWidgetClosureOf *>(&other);
        return same != nullptr && same->owner == owner && same->method == method;
    }
    void *GetOwner() const override { return owner; }

    Owner *owner;
    int32_t ownerId;
    Method method;

protected:
    ~MQWidgetClosureOf() = default;
    // The owner, while its widget still exists; a closure outliving it is inert. The
    // registry entry must be the owner itself: the host may have given a dead widget's ID
    // to a new one.
    Owner *LiveOwner() const {
        MQWidgetBase *registered = FindWidget(ownerId);
        return registered != nullptr && registered == static_cast<MQWidgetBase *>(owner) ? owner : nullptr;
    }
};

template <class Owner>
class MQWidgetEventClosure final : public MQWidgetClosureOf<Owner, int (Owner::*)(MQWidgetBase *, MQDocument)> {
public:
    using MQWidgetClosureOf<Owner, int (Owner::*)(MQWidgetBase *, MQDocument)>::MQWidgetClosureOf;
    int Invoke(MQWidgetBase *sender, MQDocument doc, void *) override {
        Owner *live = this->LiveOwner();
        return live != nullptr ? (live->*this->method)(sender, doc) : 0;
    }
    EventRecordKind Reads() const override { return EventRecordKind::None; }
};

template <class Owner>
class MQWidgetMouseEventClosure final
    : public MQWidgetClosureOf<Owner, int (Owner::*)(MQWidgetBase *, MQDocument, MouseEventRecord *)> {
public:
    using MQWidgetClosureOf<Owner, int (Owner::*)(MQWidgetBase *, MQDocument, MouseEventRecord *)>::MQWidgetClosureOf;
    int Invoke(MQWidgetBase *sender, MQDocument doc, void *record) override {
        Owner *live = this->LiveOwner();
        return live != nullptr ? (live->*this->method)(sender, doc, static_cast<MouseEventRecord *>(record)) : 0;
    }
    EventRecordKind Reads() const override { return EventRecordKind::Mouse; }
};

template <class Owner>
class MQWidgetKeyEventClosure final
    : public MQWidgetClosureOf<Owner, int (Owner::*)(MQWidgetBase *, MQDocument, KeyEventRecord *)> {
public:
    using MQWidgetClosureOf<Owner, int (Owner::*)(MQWidgetBase *, MQDocument, KeyEventRecord *)>::MQWidgetClosureOf;
    int Invoke(MQWidgetBase *sender, MQDocument doc, void *record) override {
        Owner *live = this->LiveOwner();
        return live != nullptr ? (live->*this->method)(sender, doc, static_cast<KeyEventRecord *>(record)) : 0;
    }
    EventRecordKind Reads() const override { return EventRecordKind::Key; }
};

// The host's callback for every widget event. `options` is the host's for the call;
// `closure` is the address registered as "pointer", and is only compared, never trusted,
// until it is found among the target widget's own handlers. Answers the handler's
// result, or 0 when none ran.
int WidgetEventProc(MQDocument doc, MQOption *options, void *closure) noexcept;

}  // namespace stelmarin
