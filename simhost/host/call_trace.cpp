#include "simhost/host/call_trace.h"

#include <cstdio>
#include <cstring>

#include "host/contract_codes.h"
#include "host/text_conversion.h"
#include "simhost/host/widget_host.h"

namespace simhost {

void CallTrace::Clear() {
    cleared_ += calls_.size();
    calls_.clear();
}

size_t CallTrace::Record(const char *function, std::string arguments) {
    calls_.push_back({function, std::move(arguments)});
    return cleared_ + calls_.size() - 1;
}

void CallTrace::Revise(size_t position, std::string arguments) {
    if (position >= cleared_ && position - cleared_ < calls_.size()) {
        calls_[position - cleared_].arguments = std::move(arguments);
    }
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

namespace {

using stelmarin::OptionType;

std::string Quoted(const std::string &text) { return "\"" + text + "\""; }

// A message's name, or its number for a code the contract does not have.
std::string MessageName(const char *name, int code) {
    return name != nullptr ? name : "message " + std::to_string(code);
}

std::string Element(const void *handle) { return handle != nullptr ? "element" : "null"; }

std::string WidgetOptionValue(const MQOption &pair) {
    const OptionType *type = stelmarin::WidgetMessageOptionType(pair.name);
    if (type == nullptr) return "?";
    if (pair.value == nullptr) return "null";
    switch (*type) {
        case OptionType::WideText:
            return Quoted(stelmarin::WideToUtf8(static_cast<const char16_t *>(pair.value)));
        case OptionType::AsciiText:
            return Quoted(static_cast<const char *>(pair.value));
        case OptionType::Double: {
            char text[32];
            std::snprintf(text, sizeof text, "%g", *static_cast<const double *>(pair.value));
            return text;
        }
        case OptionType::Bool:
            return *static_cast<const bool *>(pair.value) ? "true" : "false";
        case OptionType::Int32:
            return std::to_string(*static_cast<const int32_t *>(pair.value));
        case OptionType::CodeAddress:
            return "<function>";
        case OptionType::ObjectAddress:
            return "<address>";
    }
    return "?";
}

// Whether the host writes the option's value: the answers, and the one key of a get.
bool Answered(int code, const char *name) {
    return code == stelmarin::kWidgetGetValue || std::strcmp(name, stelmarin::kOptionResult) == 0 ||
           std::strcmp(name, stelmarin::kOptionID) == 0;
}

}  // namespace

std::string WidgetMessageArguments(int32_t widgetID, int code, const MQOption *options) {
    std::string text = std::to_string(widgetID) + ", " + MessageName(stelmarin::WidgetMessageName(code), code);
    if (options == nullptr) return text + ", null options";
    for (const MQOption *pair = options; pair->name != nullptr; ++pair) {
        text += pair == options ? " " : ", ";
        text += Quoted(pair->name) + (Answered(code, pair->name) ? " -> " : " = ") + WidgetOptionValue(*pair);
    }
    return text;
}

std::string HostMessageArguments(int code, const HostMessage *message) {
    std::string text = MessageName(stelmarin::HostMessageName(code), code);
    if (message == nullptr) return text + ", null record";
    if (message->options == nullptr) return text + ", null options";
    for (const MQOption *pair = message->options; pair->name != nullptr; ++pair) {
        text += pair == message->options ? " " : ", ";
        text += Quoted(pair->name);
        // The host answers the settings elements in the value places themselves.
        if (code == stelmarin::kMessageSettingsElements) text += " -> " + Element(pair->value);
    }
    return text;
}

std::string XmlMessageArguments(int code, const void *record) {
    std::string text = MessageName(stelmarin::XmlMessageName(code), code);
    if (record == nullptr) return text + ", null record";
    const auto name = [](const char *given) { return given != nullptr ? Quoted(given) : "null"; };
    switch (code) {
        case stelmarin::kXmlAddChild: {
            const auto &add = *static_cast<const XmlAddChild *>(record);
            return text + " " + name(add.name) + " -> " + Element(add.result);
        }
        case stelmarin::kXmlFindChild: {
            const auto &find = *static_cast<const XmlFindChild *>(record);
            return text + " " + name(find.name) + " -> " + Element(find.result);
        }
        case stelmarin::kXmlGetText:
            return text + " -> " + name(static_cast<const XmlGetText *>(record)->result);
        case stelmarin::kXmlSetText:
            return text + " " + name(static_cast<const XmlSetText *>(record)->text);
        default:
            return text;
    }
}

std::string ObjectValueArgument(int code) {
    const char *name = stelmarin::ObjectValueName(code);
    return name != nullptr ? name : std::to_string(code);
}

}  // namespace simhost
