// What tests compare of the host's violations: the IDs of the checks they failed, which
// stay put while the words that go with them may change.
#pragma once

#include <string>
#include <vector>

namespace testing_support {

template <class Violations>
std::vector<std::string> IdsOf(const Violations &violations) {
    std::vector<std::string> ids;
    for (const auto &violation : violations) ids.emplace_back(violation.id());
    return ids;
}

template <class Violations>
std::vector<std::string> TextsOf(const Violations &violations) {
    std::vector<std::string> texts;
    for (const auto &violation : violations) texts.push_back(violation.text);
    return texts;
}

}  // namespace testing_support
