// The plug-in's side of the widgets: every widget message it sends, checked as a strict
// host checks it, acted on, and logged. The user's side is widget_user.cpp.
//
// Sections:
//   property rules and texts   which widget takes which property; option values as text
//   widget properties          Widget::Text, Flag, Int
//   messages                   Value, and what each message does: create, destroy, add a
//                              child, get, set, add a handler, command
//   modal runs and questions   RunModal, ScriptAnswer, discarding what was queued for them
#include "simhost/host/widget_host.h"

#include <algorithm>
#include <cstring>
#include <set>

#include "simhost/host/host.h"
#include "host/text_conversion.h"
#include "simhost/host/option_list.h"

namespace simhost {

// ---- property rules and texts ----

namespace {

using stelmarin::OptionType;

// Which widget types take a property, and whether it can be read back.
bool Settable(const std::string &type, const std::string &key) {
    const bool window = type == "window" || type == "dialog";
    if (key == stelmarin::kOptionTitle || key == stelmarin::kOptionInSpace || key == stelmarin::kOptionOutSpace ||
        key == stelmarin::kOptionHorzLayout || key == stelmarin::kOptionVertLayout ||
        key == stelmarin::kOptionVisible || key == stelmarin::kOptionPosX || key == stelmarin::kOptionPosY) {
        return window;
    }
    if (key == stelmarin::kOptionText || key == stelmarin::kOptionDown) return type == "button";
    if (key == stelmarin::kOptionAlignment) return type == "frame";
    return false;
}

bool Gettable(const std::string &type, const std::string &key) {
    return (key == stelmarin::kOptionDown || key == stelmarin::kOptionPosX || key == stelmarin::kOptionPosY) &&
           Settable(type, key);
}

WidgetValue Read(OptionType type, const void *value) {
    switch (type) {
        case OptionType::WideText:
            return std::u16string(static_cast<const char16_t *>(value));
        case OptionType::AsciiText:
            return std::string(static_cast<const char *>(value));
        case OptionType::Double:
            return *static_cast<const double *>(value);
        case OptionType::Bool:
            return *static_cast<const bool *>(value);
        case OptionType::Int32:
            return *static_cast<const int32_t *>(value);
        default:
            return {};
    }
}

std::string Format(const WidgetValue &value) {
    if (const auto *wide = std::get_if<std::u16string>(&value)) return "\"" + stelmarin::WideToUtf8(*wide) + "\"";
    if (const auto *ascii = std::get_if<std::string>(&value)) return *ascii;
    if (const auto *real = std::get_if<double>(&value)) {
        char text[32];
        std::snprintf(text, sizeof text, "%g", *real);
        return text;
    }
    if (const auto *flag = std::get_if<bool>(&value)) return *flag ? "true" : "false";
    if (const auto *integer = std::get_if<int32_t>(&value)) return std::to_string(*integer);
    return "?";
}

std::vector<std::string> Keys(const MQOption *options) {
    std::vector<std::string> keys;
    for (const MQOption *pair = options; pair->name != nullptr; ++pair) keys.emplace_back(pair->name);
    return keys;
}

std::string Join(const std::vector<std::string> &keys) {
    std::string text;
    for (const auto &key : keys) text += (text.empty() ? "" : ", ") + key;
    return "(" + text + ")";
}

const char *AsText(const MQOption &pair) { return static_cast<const char *>(pair.value); }

}  // namespace

// ---- widget properties ----

std::u16string Widget::Text(const std::string &key) const {
    auto found = properties.find(key);
    if (found == properties.end()) return {};
    const auto *text = std::get_if<std::u16string>(&found->second);
    return text != nullptr ? *text : std::u16string();
}

bool Widget::Flag(const std::string &key) const {
    auto found = properties.find(key);
    if (found == properties.end()) return false;
    const auto *flag = std::get_if<bool>(&found->second);
    return flag != nullptr && *flag;
}

std::optional<int32_t> Widget::Int(const std::string &key) const {
    auto found = properties.find(key);
    if (found == properties.end()) return std::nullopt;
    const auto *value = std::get_if<int32_t>(&found->second);
    if (value == nullptr) return std::nullopt;
    return *value;
}

// ---- messages ----

WidgetHost::WidgetHost(Host &host) : host_(host) {
    Widget main;
    main.id = mainWindow_;
    main.type = "main_window";
    main.properties["title"] = std::u16string(u"Modeller");
    widgets_[mainWindow_] = main;
}

void WidgetHost::Violate(Check check, const std::string &what) {
    host_.Report(check, std::string(function_name::MQWidget_Value) + ": " + what);
}

bool WidgetHost::WasDestroyed(int32_t id) const { return id >= kFirstID && id < nextID_ && !widgets_.contains(id); }

Widget *WidgetHost::Live(const char *what, int32_t id) {
    if (auto found = widgets_.find(id); found != widgets_.end()) return &found->second;
    // A widget whose creation this host refused has ID 0, and its messages come here; the
    // plug-in cannot know better.
    if (id == 0 && refusedCreation_) return nullptr;
    if (WasDestroyed(id)) {
        Violate(Check::MessageToDestroyedWidget,
                std::string(what) + " to widget " + std::to_string(id) + ", which was destroyed");
    } else {
        Violate(Check::MessageToUnknownWidget,
                std::string(what) + " to widget " + std::to_string(id) + ", which this host never created");
    }
    return nullptr;
}

int WidgetHost::Value(int32_t id, int code, MQOption *options) {
    if (options == nullptr) {
        Violate(Check::NullWidgetOptions, "null option array with message " + std::to_string(code));
        return 0;
    }
    switch (code) {
        case stelmarin::kWidgetCommand:
            return Command(id, options);
        case stelmarin::kWidgetSystemQuery: {
            const auto keys = Keys(options);
            if (keys != std::vector<std::string>{stelmarin::kOptionSystem, stelmarin::kOptionResult}) {
                Violate(Check::WrongOptionKeys, "system query with keys " + Join(keys));
                return 0;
            }
            if (std::strcmp(AsText(options[0]), "main_window") != 0) {
                Violate(Check::UnknownSystemQuery,
                        std::string("system query for unknown \"") + AsText(options[0]) + "\"");
                return 0;
            }
            log.push_back("query main_window");
            *static_cast<int32_t *>(options[1].value) = mainWindow_;
            return 1;
        }
        case stelmarin::kWidgetCreate:
            Create(options);
            return 1;
        case stelmarin::kWidgetDestroy:
            Destroy(id, options);
            return 1;
        case stelmarin::kWidgetAddChild:
        case stelmarin::kWidgetAttachWindow:
            AddChild(id, options, code);
            return 1;
        case stelmarin::kWidgetGetValue:
            Get(id, options);
            return 1;
        case stelmarin::kWidgetSetValue:
            Set(id, options);
            return 1;
        case stelmarin::kWidgetAddEventHandler:
            AddHandler(id, options);
            return 1;
        default:
            Violate(Check::UnknownWidgetCode, "unknown message code " + std::to_string(code));
            return 0;
    }
}

void WidgetHost::Create(MQOption *options) {
    const auto keys = Keys(options);
    if (keys != std::vector<std::string>{stelmarin::kOptionType, stelmarin::kOptionID}) {
        return Violate(Check::WrongOptionKeys, "create with keys " + Join(keys));
    }
    const std::string type = AsText(options[0]);
    if (type != "window" && type != "dialog" && type != "frame" && type != "button") {
        return Violate(Check::UnknownWidgetType, "create of unknown widget type \"" + type + "\"");
    }
    auto &answer = *static_cast<int32_t *>(options[1].value);
    if (failCreation) {
        answer = 0;
        refusedCreation_ = true;
        log.push_back("create " + type + " -> 0");
        return;
    }
    Widget widget;
    widget.id = nextID_++;
    widget.type = type;
    if (type == "window") {
        widget.properties["pos_x"] = int32_t{200};
        widget.properties["pos_y"] = int32_t{150};
        widget.properties["visible"] = true;
    }
    widgets_[widget.id] = widget;
    answer = widget.id;
    log.push_back("create " + type + " -> " + std::to_string(widget.id));
}

void WidgetHost::Destroy(int32_t id, MQOption *options) {
    if (options[0].name != nullptr) return Violate(Check::WrongOptionKeys, "destroy with keys " + Join(Keys(options)));
    log.push_back("destroy " + std::to_string(id));
    Widget *widget = Live("destroy", id);
    if (widget == nullptr) return;
    if (widget->type == "main_window")
        return Violate(Check::DestroyedMainWindow, "the plug-in destroyed the host's main window");
    if (auto parent = widgets_.find(widget->parent); parent != widgets_.end()) {
        auto &siblings = parent->second.children;
        siblings.erase(std::remove(siblings.begin(), siblings.end(), id), siblings.end());
    }
    widgets_.erase(id);
}

void WidgetHost::AddChild(int32_t id, MQOption *options, int code) {
    const bool add = code == stelmarin::kWidgetAddChild;
    const char *what = add ? "add child" : "attach window";
    const auto keys = Keys(options);
    if (keys != std::vector<std::string>{stelmarin::kOptionChild, stelmarin::kOptionResult})
        return Violate(Check::WrongOptionKeys, std::string(what) + " with keys " + Join(keys));
    const int32_t childID = *static_cast<const int32_t *>(options[0].value);
    log.push_back(std::string(add ? "add " : "attach ") + std::to_string(id) + " <- " + std::to_string(childID));
    Widget *container = Live(what, id);
    // A window whose creation failed is still attached, with ID 0: nothing to do.
    if (container == nullptr || (!add && childID == 0)) return;
    Widget *child = Live(what, childID);
    if (child == nullptr) return;
    if (add && container->type != "window" && container->type != "dialog" && container->type != "frame") {
        return Violate(Check::ChildOfNonContainer, "add child to a " + container->type);
    }
    if (!add && container->type != "window" && container->type != "main_window") {
        return Violate(Check::AttachToNonWindow, "attach to a " + container->type);
    }
    if (child->parent != 0)
        return Violate(Check::ChildAlreadyHasParent, "widget " + std::to_string(childID) + " already has a parent");
    child->parent = id;
    container->children.push_back(childID);
    *static_cast<int32_t *>(options[1].value) = static_cast<int32_t>(container->children.size()) - 1;
}

void WidgetHost::Get(int32_t id, MQOption *options) {
    const auto keys = Keys(options);
    if (keys.size() != 1)
        return Violate(Check::WrongOptionKeys, "get with keys " + Join(keys) + "; one key per message");
    log.push_back("get " + std::to_string(id) + " " + keys[0]);
    Widget *widget = Live("get", id);
    if (widget == nullptr) return;
    if (!Gettable(widget->type, keys[0]))
        return Violate(Check::GetOfUnreadableProperty, "get of \"" + keys[0] + "\" from a " + widget->type);
    if (options[0].value == nullptr)
        return Violate(Check::GetWithNowhereToWrite, "get of \"" + keys[0] + "\" with nowhere to write");
    if (keys[0] == stelmarin::kOptionDown) {
        *static_cast<bool *>(options[0].value) = widget->Flag(stelmarin::kOptionDown);
    } else {
        *static_cast<int32_t *>(options[0].value) = widget->Int(keys[0]).value_or(0);
    }
}

void WidgetHost::Set(int32_t id, MQOption *options) {
    const auto keys = Keys(options);
    if (keys.size() != 1)
        return Violate(Check::WrongOptionKeys, "set with keys " + Join(keys) + "; one key per message");
    const std::string &key = keys[0];
    const OptionType *type = stelmarin::WidgetMessageOptionType(key);
    if (type == nullptr || options[0].value == nullptr)
        return Violate(Check::SetWithoutValue, "set of \"" + key + "\" without a value");
    const WidgetValue value = Read(*type, options[0].value);
    log.push_back("set " + std::to_string(id) + " " + key + "=" + Format(value));
    Widget *widget = Live("set", id);
    if (widget == nullptr) return;
    if (!Settable(widget->type, key))
        return Violate(Check::SetOfUnsettableProperty, "set of \"" + key + "\" on a " + widget->type);
    widget->properties[key] = value;
}

void WidgetHost::AddHandler(int32_t id, MQOption *options) {
    const auto keys = Keys(options);
    if (keys != std::vector<std::string>{stelmarin::kOptionType, stelmarin::kOptionProc, stelmarin::kOptionPointer,
                                         stelmarin::kOptionPrior}) {
        return Violate(Check::WrongOptionKeys, "add handler with keys " + Join(keys));
    }
    HandlerRegistration handler{AsText(options[0]), reinterpret_cast<WidgetEventProc>(options[1].value),
                                options[2].value, *static_cast<const bool *>(options[3].value)};
    log.push_back("handler " + std::to_string(id) + " " + handler.event);
    Widget *widget = Live("add handler", id);
    if (widget == nullptr) return;
    if (handler.proc == nullptr || handler.closure == nullptr)
        return Violate(Check::HandlerWithoutProc, "handler without proc or pointer");
    for (const auto &existing : widget->handlers) {
        if (existing.closure == handler.closure && existing.event == handler.event) {
            return Violate(Check::HandlerRegisteredTwice,
                           "the same closure registered twice for \"" + handler.event + "\"");
        }
    }
    widget->handlers.push_back(handler);
}

int WidgetHost::Command(int32_t id, MQOption *options) {
    const auto keys = Keys(options);
    if (keys.empty() || keys[0] != stelmarin::kOptionType) {
        Violate(Check::WrongOptionKeys, "command with keys " + Join(keys));
        return 0;
    }
    const std::string type = AsText(options[0]);
    if (type == stelmarin::kCommandClose) {
        if (keys != std::vector<std::string>{stelmarin::kOptionType, stelmarin::kOptionCode})
            return Violate(Check::WrongOptionKeys, "close with keys " + Join(keys)), 0;
        log.push_back("close " + std::to_string(id) + " " + AsText(options[1]));
        Widget *dialog = Live("close", id);
        if (dialog == nullptr) return 0;
        if (dialog->type != "dialog" || dialog->modalDepth == 0)
            return Violate(Check::CloseOfDialogNotOpen, "close of a dialog that is not open"), 0;
        dialog->closeRequested = true;
        return 1;
    }
    if (type == stelmarin::kCommandModal) {
        if (keys != std::vector<std::string>{stelmarin::kOptionType, stelmarin::kOptionResult})
            return Violate(Check::WrongOptionKeys, "modal with keys " + Join(keys)), 0;
        log.push_back("modal " + std::to_string(id));
        Widget *dialog = Live("modal", id);
        if (dialog == nullptr) return 0;
        if (dialog->type != "dialog") return Violate(Check::ModalRunOfNonDialog, "modal run of a " + dialog->type), 0;
        RunModal(id, options);
        return 1;
    }
    if (type == stelmarin::kCommandMessageBox) {
        if (keys != std::vector<std::string>{stelmarin::kOptionType, stelmarin::kOptionMessageType,
                                             stelmarin::kOptionParent, stelmarin::kOptionMessage,
                                             stelmarin::kOptionTitle, stelmarin::kOptionResult}) {
            return Violate(Check::WrongOptionKeys, "message box with keys " + Join(keys)), 0;
        }
        Question question{static_cast<const char16_t *>(options[3].value),
                          static_cast<const char16_t *>(options[4].value),
                          *static_cast<const int32_t *>(options[2].value), 0};
        log.push_back("messagebox " + std::string(AsText(options[1])) + " parent=" + std::to_string(question.parent) +
                      " \"" + stelmarin::WideToUtf8(question.message) + "\" \"" + stelmarin::WideToUtf8(question.title) + "\"");
        if (std::strcmp(AsText(options[1]), "okcancel") != 0)
            Violate(Check::UnknownMessageBoxKind, "unknown message box kind");
        if (question.parent != 0) Live("message box", question.parent);
        if (answers_.empty() && liveAnswer) {
            question.answer = liveAnswer(question);
        } else if (answers_.empty()) {
            scriptErrors.push_back("the plug-in asked \"" + stelmarin::WideToUtf8(question.message) +
                                   "\" and the script had no answer ready; the host answered Cancel");
        } else {
            Answer answer = std::move(answers_.front());
            answers_.pop_front();
            if (answer.during) answer.during();
            question.answer = answer.answer;
        }
        questions.push_back(question);
        *static_cast<int32_t *>(options[5].value) = question.answer;
        return 1;
    }
    Violate(Check::UnknownWidgetCommand, "unknown command \"" + type + "\"");
    return 0;
}

// ---- modal runs and questions ----

size_t WidgetHost::DiscardModalActions() {
    const size_t count = modal_.size();
    modal_.clear();
    return count;
}

size_t WidgetHost::DiscardAnswers() {
    const size_t count = answers_.size();
    answers_.clear();
    return count;
}

void WidgetHost::RunModal(int32_t id, MQOption *options) {
    Widget *dialog = &widgets_.at(id);
    ++dialog->modalDepth;
    dialog->closeRequested = false;
    dialogs_.push_back(id);
    int32_t result = 1;
    // An action may destroy the dialog, and with it its record: it is looked up afresh
    // after each one.
    while (dialog != nullptr && !dialog->closeRequested) {
        if (modal_.empty() && liveModalStep) {
            if (!liveModalStep()) {
                result = 0;
                break;
            }
        } else if (modal_.empty()) {
            scriptErrors.push_back("the script ran out of actions while the dialog \"" + stelmarin::WideToUtf8(dialog->Text("title")) +
                                   "\" was open; the host closed it");
            result = 0;
            break;
        } else {
            auto action = std::move(modal_.front());
            modal_.pop_front();
            action();
        }
        auto found = widgets_.find(id);
        dialog = found == widgets_.end() ? nullptr : &found->second;
    }
    dialogs_.erase(std::find(dialogs_.begin(), dialogs_.end(), id));
    if (dialog != nullptr) {
        --dialog->modalDepth;
        dialog->closeRequested = false;
    }
    *static_cast<int32_t *>(options[1].value) = result;
}

void WidgetHost::ScriptAnswer(int32_t answer, std::function<void()> during) {
    answers_.push_back({answer, std::move(during)});
}

void WidgetHost::ScriptModal(std::function<void()> action) { modal_.push_back(std::move(action)); }

}  // namespace simhost
