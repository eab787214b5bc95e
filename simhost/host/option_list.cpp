#include "simhost/host/option_list.h"

#include <stdexcept>

namespace simhost {

OptionList &OptionList::Add(const std::string &name, void *value) {
    names_.push_back(name);
    pairs_.back() = {names_.back().c_str(), value};
    pairs_.push_back({nullptr, nullptr});
    return *this;
}

OptionList &OptionList::Int(const std::string &name, int32_t value) {
    ints_.push_back(value);
    return Add(name, &ints_.back());
}

OptionList &OptionList::Float(const std::string &name, float value) {
    floats_.push_back(value);
    return Add(name, &floats_.back());
}

OptionList &OptionList::Bool(const std::string &name, bool value) {
    bools_.push_back(value);
    return Add(name, &bools_.back());
}

OptionList &OptionList::Text(const std::string &name, const std::string &value) {
    texts_.push_back(value);
    return Add(name, texts_.back().data());
}

OptionList &OptionList::Pointer(const std::string &name, void *value) { return Add(name, value); }

MQOption *OptionList::data() { return pairs_.data(); }

int32_t OptionList::IntValue(const std::string &name) const {
    for (const MQOption &pair : pairs_) {
        if (pair.name != nullptr && pair.value != nullptr && name == pair.name) {
            return *static_cast<const int32_t *>(pair.value);
        }
    }
    throw std::out_of_range("no integer option '" + name + "'");
}

}  // namespace simhost
