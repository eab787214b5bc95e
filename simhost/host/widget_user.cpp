// The user's side of the widgets: finding what the plug-in made, clicking, pressing keys,
// closing and moving its windows, and the window as a person sees it. Every event goes
// to the handler the plug-in registered, as the modeller sends it.
#include <algorithm>

#include "host/contract_codes.h"
#include "host/text_conversion.h"
#include "simhost/host/host.h"
#include "simhost/host/option_list.h"
#include "simhost/host/widget_host.h"

namespace simhost {

const Widget *WidgetHost::Find(int32_t id) const {
    auto found = widgets_.find(id);
    return found == widgets_.end() ? nullptr : &found->second;
}

template <class Match>
int32_t WidgetHost::FirstMade(Match match) const {
    int32_t first = 0;
    for (const auto &[id, widget] : widgets_) {
        if ((first == 0 || id < first) && match(widget)) first = id;
    }
    return first;
}

int32_t WidgetHost::ButtonLabelled(const std::u16string &text) const {
    const auto inside = [&](int32_t id, int32_t top) {
        for (const Widget *w = Find(id); w != nullptr; w = Find(w->parent)) {
            if (w->id == top) return true;
        }
        return false;
    };
    const auto labelled = [&](const Widget &widget) { return widget.type == "button" && widget.Text("text") == text; };
    for (auto dialog = dialogs_.rbegin(); dialog != dialogs_.rend(); ++dialog) {
        const int32_t id =
            FirstMade([&](const Widget &widget) { return labelled(widget) && inside(widget.id, *dialog); });
        if (id != 0) return id;
    }
    return FirstMade(labelled);
}

int32_t WidgetHost::PluginWindow() const {
    return FirstMade([](const Widget &widget) { return widget.type == "window"; });
}

int32_t WidgetHost::OpenDialog() const { return dialogs_.empty() ? 0 : dialogs_.back(); }

bool WidgetHost::IsShown(int32_t id) const {
    const Widget *widget = Find(id);
    while (widget != nullptr && (widget->type == "frame" || widget->type == "button")) widget = Find(widget->parent);
    if (widget == nullptr) return false;
    if (widget->type == "main_window") return true;
    if (widget->type == "dialog") return widget->modalDepth > 0;
    return widget->Flag("visible");
}

int WidgetHost::LiveWidgets() const { return static_cast<int>(widgets_.size()) - 1; }

int WidgetHost::Deliver(int32_t target, int32_t sender, const std::string &event,
                        const std::map<std::string, int32_t> &ints) {
    const Widget *widget = Find(target);
    if (widget == nullptr) return 0;
    // The handlers as they are now: a handler may register or destroy widgets.
    const std::vector<HandlerRegistration> handlers = widget->handlers;
    int result = 0;
    for (const auto &handler : handlers) {
        if (handler.event != event) continue;
        OptionList options;
        options.Int(stelmarin::kOptionTargetID, target)
            .Int(stelmarin::kOptionSenderID, sender)
            .Text(stelmarin::kOptionType, event);
        for (const auto &[name, value] : ints) options.Int(name, value);
        options.Bool(stelmarin::kOptionFinished, false);
        Host::PluginCall call(host_);
        result = handler.proc(host_.DocumentHandle(), options.data(), handler.closure);
    }
    return result;
}

int WidgetHost::UserEvent(const char *what, int32_t id, const std::string &event,
                          const std::map<std::string, int32_t> &ints) {
    if (Find(id) == nullptr) {
        scriptErrors.push_back(std::string(what) + ": there is no widget " + std::to_string(id));
        return 0;
    }
    if (!IsShown(id)) {
        scriptErrors.push_back(std::string(what) + ": widget " + std::to_string(id) + " is not on screen");
        return 0;
    }
    return Deliver(id, id, event, ints);
}

int WidgetHost::LeftClick(int32_t id, int32_t modifiers, int32_t screenX, int32_t screenY) {
    return UserEvent("left click", id, "leftdown",
                     {{stelmarin::kOptionButtonState, modifiers | stelmarin::kLeftButton},
                      {stelmarin::kOptionScreenX, screenX},
                      {stelmarin::kOptionScreenY, screenY}});
}

int WidgetHost::RightClick(int32_t id, int32_t modifiers, int32_t screenX, int32_t screenY) {
    return UserEvent("right click", id, "rightdown",
                     {{stelmarin::kOptionButtonState, modifiers | stelmarin::kRightButton},
                      {stelmarin::kOptionScreenX, screenX},
                      {stelmarin::kOptionScreenY, screenY}});
}

int WidgetHost::KeyPress(int32_t id, int32_t key, int32_t modifiers) {
    return UserEvent("key press", id, "keydown",
                     {{stelmarin::kOptionKey, key}, {stelmarin::kOptionButtonState, modifiers}});
}

void WidgetHost::UserCloses(int32_t id) {
    auto found = widgets_.find(id);
    if (found == widgets_.end() || found->second.type != "window" || !IsShown(id)) {
        scriptErrors.push_back("close window: widget " + std::to_string(id) + " is not a window on screen");
        return;
    }
    found->second.properties["visible"] = false;
    Deliver(id, id, "hide", {});
}

void WidgetHost::UserMoves(int32_t id, int32_t x, int32_t y) {
    auto found = widgets_.find(id);
    if (found == widgets_.end() || found->second.type != "window" || !IsShown(id)) {
        scriptErrors.push_back("move window: widget " + std::to_string(id) + " is not a window on screen");
        return;
    }
    found->second.properties["pos_x"] = x;
    found->second.properties["pos_y"] = y;
}

void WidgetHost::DumpWidget(const Widget &widget, int depth, std::string &out) const {
    out += std::string(static_cast<size_t>(depth) * 2, ' ');
    if (widget.type == "main_window") {
        out += "main window";
    } else if (widget.type == "window" || widget.type == "dialog") {
        out += widget.type + " \"" + stelmarin::WideToUtf8(widget.Text("title")) + "\"";
        if (widget.type == "window") out += widget.Flag("visible") ? " shown" : " hidden";
        if (widget.type == "dialog") out += widget.modalDepth > 0 ? " open" : " closed";
        out += " at " + std::to_string(widget.Int("pos_x").value_or(0)) + "," +
               std::to_string(widget.Int("pos_y").value_or(0));
    } else if (widget.type == "button") {
        out += "[" + stelmarin::WideToUtf8(widget.Text("text")) + "]" + (widget.Flag("down") ? " down" : " up");
    } else {
        out += widget.type;
    }
    out += "\n";
    for (int32_t child : widget.children) {
        if (const Widget *w = Find(child)) DumpWidget(*w, depth + 1, out);
    }
}

std::string WidgetHost::Dump() const {
    std::string out;
    DumpWidget(widgets_.at(mainWindow_), 0, out);
    return out;
}

}  // namespace simhost
