// An option array as the host builds it for an event: typed values with stable addresses,
// in the order added, ended by a null name. Names may repeat, values may be null: a host
// can send malformed arrays on purpose.
#pragma once

#include <cstdint>
#include <deque>
#include <string>
#include <vector>

#include "host/host_abi.h"

namespace simhost {

class OptionList {
public:
    OptionList &Int(const std::string &name, int32_t value);
    OptionList &Float(const std::string &name, float value);
    OptionList &Bool(const std::string &name, bool value);
    OptionList &Text(const std::string &name, const std::string &value);
    OptionList &Pointer(const std::string &name, void *value);

    // The terminated array; valid until the list changes or dies.
    MQOption *data();
    // The integer behind the first pair of that name that has a value, after the plug-in
    // may have written it.
    int32_t IntValue(const std::string &name) const;

private:
    OptionList &Add(const std::string &name, void *value);

    std::deque<std::string> names_;
    std::deque<int32_t> ints_;
    std::deque<float> floats_;
    std::deque<bool> bools_;
    std::deque<std::string> texts_;
    std::vector<MQOption> pairs_{{nullptr, nullptr}};
};

}  // namespace simhost
