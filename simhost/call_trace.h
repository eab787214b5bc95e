// What the plug-in asked of the host: every host function call, in order, with its
// arguments, when recording is on; and per-function counts always.
#pragma once

#include <cstddef>
#include <map>
#include <string>
#include <vector>

namespace simhost {

struct HostCall {
    std::string function;
    std::string arguments;  // as the host read them, e.g. "body, 3, (0, 1, 2)"
    std::string Text() const { return function + "(" + arguments + ")"; }
};

class CallTrace {
public:
    // Recording the calls themselves is off until switched on; counting never stops.
    bool recording = false;

    void Clear();
    void Record(const char *function, std::string arguments);
    bool Recording() const { return recording; }
    void Count(const char *function) { ++counts_[function]; }

    const std::vector<HostCall> &Calls() const { return calls_; }
    std::vector<std::string> Functions() const;
    std::vector<std::string> Texts() const;
    int CountOf(const std::string &function) const;
    int Total() const;
    // One line per call, for people reading a session.
    std::string Format() const;

private:
    std::vector<HostCall> calls_;
    std::map<std::string, int> counts_;
};

}  // namespace simhost
