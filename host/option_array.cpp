#include "host/option_array.h"

#include <cstring>

namespace stelmarin {

void *FindOption(const MQOption *options, const char *name) noexcept {
    if (options == nullptr) return nullptr;
    for (const MQOption *pair = options; pair->name != nullptr; ++pair) {
        if (std::strcmp(pair->name, name) == 0) return pair->value;
    }
    return nullptr;
}

int32_t OptionInt(const MQOption *options, const char *name, int32_t fallback) noexcept {
    const auto *value = static_cast<const int32_t *>(FindOption(options, name));
    return value != nullptr ? *value : fallback;
}

float OptionFloat(const MQOption *options, const char *name, float fallback) noexcept {
    const auto *value = static_cast<const float *>(FindOption(options, name));
    return value != nullptr ? *value : fallback;
}

int32_t *OptionIntTarget(const MQOption *options, const char *name) noexcept {
    return static_cast<int32_t *>(FindOption(options, name));
}

}  // namespace stelmarin
