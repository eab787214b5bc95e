#include "simhost/call_trace.h"

namespace simhost {

void CallTrace::Clear() { calls_.clear(); }

void CallTrace::Record(const char *function, std::string arguments) {
    calls_.push_back({function, std::move(arguments)});
}

std::vector<std::string> CallTrace::Functions() const {
    std::vector<std::string> names;
    names.reserve(calls_.size());
    for (const auto &call : calls_) names.push_back(call.function);
    return names;
}

int CallTrace::CountOf(const std::string &function) const {
    int count = 0;
    for (const auto &call : calls_) count += call.function == function;
    return count;
}

int CallTrace::Total() const { return static_cast<int>(calls_.size()); }

std::string CallTrace::Format() const {
    std::string text;
    for (const auto &call : calls_) text += "  " + call.Text() + "\n";
    return text;
}

}  // namespace simhost
