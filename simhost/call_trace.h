// What the plug-in asked of the host: every host function call, in order, with its
// arguments, while recording is on. Off, it costs nothing on the host's hot paths.
#pragma once

#include <cstddef>
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
    bool recording = false;

    void Clear();
    void Record(const char *function, std::string arguments);
    bool Recording() const { return recording; }

    const std::vector<HostCall> &Calls() const { return calls_; }
    std::vector<std::string> Functions() const;
    int CountOf(const std::string &function) const;
    int Total() const;
    // One line per call, for people reading a session.
    std::string Format() const;

private:
    std::vector<HostCall> calls_;
};

}  // namespace simhost
