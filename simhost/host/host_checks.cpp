#include "simhost/host/host_checks.h"

#include <algorithm>
#include <array>

namespace simhost {

namespace {

constexpr std::array kChecks = {
#define SIMHOST_CHECK_INFO(id, name, kebab, description) CheckInfo{Check::name, #id, kebab, description},
    SIMHOST_CHECKS(SIMHOST_CHECK_INFO)
#undef SIMHOST_CHECK_INFO
};

}  // namespace

const CheckInfo &Describe(Check check) { return kChecks[static_cast<size_t>(check)]; }

std::span<const CheckInfo> AllChecks() { return kChecks; }

const CheckInfo *FindCheck(const std::string &id) {
    for (const CheckInfo &info : kChecks) {
        if (id == info.id) return &info;
    }
    return nullptr;
}

std::string ChecksText() {
    std::string text;
    for (const CheckInfo &info : kChecks) {
        std::string name = info.name;
        name.resize(std::max<size_t>(name.size(), 30), ' ');
        text += std::string(info.id) + "  " + name + "  " + info.description + "\n";
    }
    return text;
}

std::string ChecksMarkdown() {
    std::string text = "| ID | Name | What the plug-in did |\n|----|------|----------------------|\n";
    for (const CheckInfo &info : kChecks) {
        text += "| " + std::string(info.id) + " | `" + info.name + "` | " + info.description + " |\n";
    }
    return text;
}

}  // namespace simhost
