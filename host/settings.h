// Named integer settings in the host's per-plug-in settings tree, reached through the
// host's XML element messages. Each value is one child element of the plug-in's own
// element, its text the value in decimal.
#pragma once

#include <cstdint>
#include <string>

#include "host/host_abi.h"

namespace stelmarin {

class MQSetting {
public:
    // `parentElement` is the host's element holding every plug-in's settings; the host
    // owns it, and it must outlive this accessor. The plug-in's own element `name` is
    // found below it, or added on first use.
    MQSetting(MQXmlElement parentElement, const char *name);
    virtual ~MQSetting() = default;
    MQSetting(const MQSetting &) = delete;
    MQSetting &operator=(const MQSetting &) = delete;

    // The stored integer, or -1 when nothing (or an empty text) is stored under `key`.
    void LoadInt(const char *key, int32_t &value);
    // Replaces whatever is stored under `key` with `value`.
    void SaveInt(const char *key, int32_t value);

    MQXmlElement parentElement;
    MQXmlElement ownElement = nullptr;
    std::string elementName;
};

// The element's text as UTF-16. False, with an empty text, when it has none.
bool GetElementText(MQXmlElement element, std::u16string &text);

}  // namespace stelmarin
