// The plug-in's rule for events that a host delivers from inside its own functions.
//
// While the plug-in is inside a host call it may be in the middle of walking its slots or
// using a widget. An event that arrives then (the host sends it from inside that call) is
// held, and handled as soon as the outermost call from the host is about to return, in
// the order the events came: the outcome is the one the same events, delivered one after
// the other, give. The message box and the modal run of a dialog are the exception: there
// the host delivers events by design, and they are handled at once, each on its own
// terms, as the plug-in's code around those calls expects.
#pragma once

#include <deque>
#include <functional>

namespace stelmarin {

class EventGate {
public:
    // The one gate of this module; made on first use.
    static EventGate &Instance();

    // True when an event arriving now must be held: the plug-in is inside a call from the
    // host, and not waiting on a message box or a modal run.
    bool MustHold() const { return depth_ > floor_; }
    // Keeps `event` to run once the plug-in is back at the level it was entered from.
    void Hold(std::function<void()> event);
    size_t HeldCount() const { return held_.size(); }
    // True while events held earlier are handled: what the host did as one came (hiding a
    // window the user closed, say) the call it interrupted may since have undone.
    bool HandlingHeld() const { return running_; }

    // One call from the host into the plug-in, for as long as it lives. Held events run
    // when the last such call that is not waiting on a modal ends.
    class Call {
    public:
        explicit Call(EventGate &gate) : gate_(gate) { ++gate_.depth_; }
        ~Call();
        Call(const Call &) = delete;
        Call &operator=(const Call &) = delete;

    private:
        EventGate &gate_;
    };

    // The plug-in waits on a message box or a modal run: events the host sends meanwhile
    // are handled at once.
    class ModalWait {
    public:
        explicit ModalWait(EventGate &gate) : gate_(gate), savedFloor_(gate.floor_) { gate_.floor_ = gate_.depth_; }
        ~ModalWait() { gate_.floor_ = savedFloor_; }
        ModalWait(const ModalWait &) = delete;
        ModalWait &operator=(const ModalWait &) = delete;

    private:
        EventGate &gate_;
        int savedFloor_;
    };

private:
    void RunHeld() noexcept;

    int depth_ = 0;
    int floor_ = 0;
    bool running_ = false;
    std::deque<std::function<void()>> held_;
};

}  // namespace stelmarin
