#include "host/settings.h"

#include "host/host_functions.h"
#include "host/text_conversion.h"
#include "host/wide_text.h"

namespace stelmarin {

namespace {

MQXmlElement FindChild(MQXmlElement parent, const char *name) {
    const std::string utf8 = AnsiToUtf8(name);
    XmlFindChild record{utf8.c_str(), nullptr};
    host::Host().MQXmlElem_Value(parent, kXmlFindChild, &record);
    return record.result;
}

MQXmlElement AddChild(MQXmlElement parent, const char *name) {
    const std::string utf8 = AnsiToUtf8(name);
    XmlAddChild record{utf8.c_str(), nullptr};
    host::Host().MQXmlElem_Value(parent, kXmlAddChild, &record);
    return record.result;
}

}  // namespace

MQSetting::MQSetting(MQXmlElement parent, const char *name) : parentElement(parent), elementName(name) {
    ownElement = FindChild(parentElement, elementName.c_str());
    if (ownElement == nullptr) ownElement = AddChild(parentElement, elementName.c_str());
}

bool GetElementText(MQXmlElement element, std::u16string &text) {
    XmlGetText record{nullptr};
    host::Host().MQXmlElem_Value(element, kXmlGetText, &record);
    if (record.result == nullptr) {
        text.clear();
        return false;
    }
    text = Utf8ToWide(record.result);
    return true;
}

void MQSetting::LoadInt(const char *key, int32_t &value) {
    // Without an element of our own there is nothing to ask the host about.
    MQXmlElement child = ownElement != nullptr ? FindChild(ownElement, key) : nullptr;
    if (child == nullptr) {
        value = -1;
        return;
    }
    std::u16string text;
    GetElementText(child, text);
    value = text.empty() ? -1 : ReadDecimal(text);
}

void MQSetting::SaveInt(const char *key, int32_t value) {
    if (ownElement == nullptr) return;
    if (MQXmlElement old = FindChild(ownElement, key)) {
        int32_t removed = 0;
        XmlRemoveChild record{old, &removed};
        host::Host().MQXmlElem_Value(ownElement, kXmlRemoveChild, &record);
    }
    const std::u16string text = WideDecimal(value);
    MQXmlElement child = AddChild(ownElement, key);
    if (child == nullptr) return;
    const std::string utf8 = WideToUtf8(text);
    XmlSetText record{utf8.c_str()};
    host::Host().MQXmlElem_Value(child, kXmlSetText, &record);
}

}  // namespace stelmarin
