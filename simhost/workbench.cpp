#include "simhost/workbench.h"

#include <cmath>
#include <cstdio>

namespace simhost {

namespace {

const char *const kSlotLabels[kSlots] = {"X0", "1", "2", "3"};

std::u16string Wide(const std::string &ascii) { return std::u16string(ascii.begin(), ascii.end()); }

std::string Plural(size_t count, const char *one, const char *many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

Workbench::Workbench(const std::string &pluginPath, const std::string &settingsFile)
    : session_(pluginPath, settingsFile) {}

void Workbench::NewDocument() {
    session_.NewDocument();
    ledger_.ClearAll();
    lastDraw_.reset();
}

void Workbench::Activate(bool on) {
    const bool hasWindow = widgets().PluginWindow() != 0;
    const int answer = session_.Activate(on);
    if (hasWindow) activated_ = on;
    if ((answer != 0) != (hasWindow && on)) {
        host().Report(std::string("activation: the plug-in answered ") + (answer != 0 ? "on" : "off") +
                      (hasWindow ? " with its window there" : " without a window"));
    }
}

int Workbench::SlotOf(const std::string &label) const {
    for (int slot = 0; slot < kSlots; ++slot) {
        if (label == kSlotLabels[slot]) return slot;
    }
    throw ActionError("\"" + label + "\" is not a slot button; the buttons are X0, 1, 2 and 3");
}

int32_t Workbench::ButtonFor(const std::string &label) const {
    SlotOf(label);
    const WidgetHost &widgets = session_.host().widgets;
    const int32_t window = widgets.PluginWindow();
    if (window == 0) throw ActionError("the plug-in has no window (send init first)");
    if (!widgets.IsShown(window)) throw ActionError("the plug-in's window is hidden (send activate first)");
    const int32_t button = widgets.ButtonLabelled(Wide(label));
    if (button == 0) throw ActionError("the plug-in's window has no button \"" + label + "\"");
    return button;
}

bool Workbench::ButtonDown(const std::string &label) const {
    const Widget *button = session_.host().widgets.Find(ButtonFor(label));
    return button != nullptr && button->Flag("down");
}

void Workbench::ClickSlot(const std::string &label, bool ctrl, bool shift) {
    const int slot = SlotOf(label);
    const int32_t button = ButtonFor(label);
    WidgetHost &widgets = this->widgets();
    const bool wasDown = ButtonDown(label);
    const size_t questionsBefore = widgets.questions.size();
    const int32_t modifiers = (ctrl ? kCtrl : 0) | (shift ? kShift : 0);
    widgets.LeftClick(button, modifiers);
    const bool asked = widgets.questions.size() > questionsBefore;
    const bool confirmed = asked && widgets.questions.back().answer == 1;
    const auto result = ledger_.LeftClick(slot, ctrl, shift, wasDown, activated_, asked, confirmed, document());
    if (asked != result.expectedQuestion) {
        host().Report("click on " + label + ": the plug-in " + (asked ? "asked a question" : "asked nothing") +
                      " where the slot's contents called for " + (asked ? "none" : "one"));
    }
    const Widget *after = widgets.Find(button);
    if (result.buttonDown >= 0 && after != nullptr && after->Flag("down") != (result.buttonDown == 1)) {
        host().Report("click on " + label + ": the button is " + (after->Flag("down") ? "down" : "up") +
                      " where the slot is " + (result.buttonDown == 1 ? "armed" : "disarmed"));
    }
}

int32_t Workbench::DialogToggleMask() const {
    const WidgetHost &widgets = session_.host().widgets;
    int32_t mask = 0;
    const struct {
        const char16_t *label;
        int32_t axis;
    } toggles[] = {{u"X", kMaskX}, {u"Y", kMaskY}, {u"Z", kMaskZ}};
    for (const auto &toggle : toggles) {
        const Widget *button = widgets.Find(widgets.ButtonLabelled(toggle.label));
        if (button != nullptr && !button->Flag("down")) mask |= toggle.axis;
    }
    return mask;
}

void Workbench::RightClickSlot(const std::string &label, int32_t screenX, int32_t screenY,
                               const std::vector<DialogAction> &actions) {
    const int slot = SlotOf(label);
    const int32_t button = ButtonFor(label);
    WidgetHost &widgets = this->widgets();
    std::optional<int32_t> mask;
    bool opened = false;
    auto perform = [this, &widgets, &mask](const DialogAction &action) {
        const int32_t dialog = widgets.OpenDialog();
        switch (action.kind) {
            case DialogAction::Kind::Click:
                widgets.LeftClick(widgets.ButtonLabelled(std::u16string(1, static_cast<char16_t>(action.axis))));
                break;
            case DialogAction::Kind::Key:
                widgets.KeyPress(dialog, action.key);
                break;
            case DialogAction::Kind::RightClick:
                widgets.RightClick(dialog);
                break;
        }
        mask = DialogToggleMask();
    };
    widgets.ScriptModal([&] {
        opened = true;
        mask = DialogToggleMask();
        if (actions.empty()) return;
        perform(actions.front());
    });
    for (size_t i = 1; i < actions.size(); ++i) {
        widgets.ScriptModal([&, i] { perform(actions[i]); });
    }
    widgets.RightClick(button, 0, screenX, screenY);
    const size_t unused = widgets.DiscardModalActions();
    if (!opened) {
        if (unused > 0) throw ActionError("right click on " + label + ": no dialog opened");
        return;
    }
    if (unused > 0) {
        throw ActionError("the dialog closed with " + Plural(unused, "action", "actions") + " of the script left over");
    }
    if (mask) ledger_.SetMask(slot, *mask);
}

void Workbench::CloseWindow() {
    const int32_t window = widgets().PluginWindow();
    if (window == 0) throw ActionError("the plug-in has no window to close");
    const bool shown = widgets().IsShown(window);
    widgets().UserCloses(window);
    if (shown) activated_ = false;
}

void Workbench::MoveWindow(int32_t x, int32_t y) {
    const int32_t window = widgets().PluginWindow();
    if (window == 0) throw ActionError("the plug-in has no window to move");
    widgets().UserMoves(window, x, y);
}

const DrawOutcome &Workbench::Draw() {
    const auto before = Positions(document());
    const auto expected = ledger_.Expected(document());
    const bool active = activated_;
    const long long writtenBefore = host().verticesWritten;
    session_.Draw();
    DrawOutcome outcome = CompareDraw(document(), before, expected, active);
    outcome.written = host().verticesWritten - writtenBefore;
    for (const auto &disagreement : outcome.disagreements) host().Report("draw: " + disagreement);
    lastDraw_ = std::move(outcome);
    return *lastDraw_;
}

std::string Workbench::Report() const {
    std::string text;
    char line[256];
    for (int slot = 0; slot < kSlots; ++slot) {
        const LedgerSlot &s = ledger_.slots[static_cast<size_t>(slot)];
        std::snprintf(line, sizeof line, "slot %-2s  %-8s  fixes %-4s  %s, %s pinned\n", kSlotLabels[slot],
                      s.armed ? "armed" : "disarmed", AxesText(s.mask).c_str(),
                      Plural(s.pins.size(), "object", "objects").c_str(),
                      Plural(s.PinCount(), "vertex", "vertices").c_str());
        text += line;
    }
    if (lastDraw_) {
        std::snprintf(line, sizeof line, "last draw: %s written, %s moved back, farthest by %.6g\n",
                      Plural(static_cast<size_t>(lastDraw_->written), "vertex", "vertices").c_str(),
                      Plural(static_cast<size_t>(lastDraw_->movedBack), "vertex", "vertices").c_str(),
                      lastDraw_->largestMove);
    } else {
        std::snprintf(line, sizeof line, "last draw: none yet\n");
    }
    text += line;
    double largest = 0.0;
    size_t present = 0;
    for (const auto &[objectID, vertices] : ledger_.slots[0].pins) {
        const Object *object = session_.document().ObjectFromUniqueID(objectID);
        if (object == nullptr) continue;
        for (const auto &[vertexID, recorded] : vertices) {
            const int index = object->IndexFromUniqueID(vertexID);
            if (index < 0) continue;
            ++present;
            largest = std::fmax(largest, std::fabs(static_cast<double>(object->vertex(index).position.x)));
        }
    }
    std::snprintf(line, sizeof line, "centre line: largest |X| %.6g among slot X0's %s\n", largest,
                  Plural(present, "vertex", "vertices").c_str());
    text += line;
    return text;
}

PictureContent Workbench::Picture(const std::string &title) const {
    PictureContent content;
    content.document = &session_.document();
    content.title = title;
    for (size_t slot = 0; slot < kSlots; ++slot) {
        content.armed[slot] = ledger_.slots[slot].armed;
        for (const auto &[objectID, vertices] : ledger_.slots[slot].pins) {
            for (const auto &[vertexID, recorded] : vertices) content.pins[slot].push_back({objectID, vertexID});
        }
    }
    if (lastDraw_) {
        for (const auto &[objectID, vertexID] : lastDraw_->moved) content.movedBack.push_back({objectID, vertexID});
    }
    return content;
}

std::vector<std::string> Workbench::TakeScriptErrors() {
    std::vector<std::string> errors;
    errors.swap(widgets().scriptErrors);
    return errors;
}

}  // namespace simhost
