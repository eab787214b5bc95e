#include "host/event_gate.h"

#include <utility>

namespace stelmarin {

EventGate &EventGate::Instance() {
    static EventGate gate;
    return gate;
}

void EventGate::Hold(std::function<void()> event) { held_.push_back(std::move(event)); }

EventGate::Call::~Call() {
    --gate_.depth_;
    if (gate_.depth_ == gate_.floor_) gate_.RunHeld();
}

void EventGate::RunHeld() noexcept {
    // Each held event runs as a call of its own, so that what it meets nested is held in
    // turn, and joins the queue behind it.
    if (running_) return;
    running_ = true;
    while (!held_.empty() && depth_ == floor_) {
        std::function<void()> event = std::move(held_.front());
        held_.pop_front();
        Call call(*this);
        try {
            event();
        } catch (...) {
            // The host that sent it is C and cannot take an exception; the event is lost
            // as it would have been had it failed when it came.
        }
    }
    running_ = false;
}

}  // namespace stelmarin
