// What the plug-in asked of the host: every host function call, in order, with its
// arguments, while recording is on. Off, it costs nothing on the host's hot paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/host_abi.h"

namespace simhost {

struct HostCall {
    std::string function;
    std::string arguments;  // as the host read them, e.g. "body, 3, (0, 1, 2)"
    std::string Text() const { return function + "(" + arguments + ")"; }
};

class CallTrace {
public:
    bool recording = false;

    void Clear();
    // Returns where the call stands, for Revise.
    size_t Record(const char *function, std::string arguments);
    // Rewrites the arguments of the call recorded at `position`; nothing when it has been
    // cleared since.
    void Revise(size_t position, std::string arguments);
    bool Recording() const { return recording; }

    const std::vector<HostCall> &Calls() const { return calls_; }
    std::vector<std::string> Functions() const;
    int CountOf(const std::string &function) const;
    int Total() const;
    // One line per call, for people reading a session.
    std::string Format() const;

private:
    std::vector<HostCall> calls_;
    size_t cleared_ = 0;  // calls recorded before the last Clear
};

// A call recorded when it starts, so that it stands before the calls the plug-in makes
// while it runs (inside a message box or a modal run), and described again when it
// returns, so that its line also shows what the host wrote back. `Describe` renders the
// arguments; what it reads must outlive the call.
template <class Describe>
class TracedCall {
public:
    TracedCall(CallTrace &trace, const char *function, Describe describe)
        : trace_(trace), recorded_(trace.Recording()), describe_(describe) {
        if (recorded_) position_ = trace_.Record(function, describe_());
    }
    ~TracedCall() {
        if (recorded_) trace_.Revise(position_, describe_());
    }
    TracedCall(const TracedCall &) = delete;
    TracedCall &operator=(const TracedCall &) = delete;

private:
    CallTrace &trace_;
    bool recorded_;
    size_t position_ = 0;
    Describe describe_;
};

// The arguments of the host calls that carry a message, by the contract's names: the
// message, then each option or record field as "name" = value, where what the host writes
// back reads "name" -> value. For example `1001, set "down" = true` and
// `0, create "type" = "button", "id" -> 1003`.
std::string WidgetMessageArguments(int32_t widgetID, int code, const MQOption *options);
std::string HostMessageArguments(int code, const HostMessage *message);
std::string XmlMessageArguments(int code, const void *record);
// An object value's name, or its number when it has none.
std::string ObjectValueArgument(int code);

}  // namespace simhost
