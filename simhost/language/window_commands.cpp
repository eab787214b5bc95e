// The user at the plug-in's window: click, rightclick, dialog, answer, close window,
// move window, and window, which shows it as a person sees it.
#include <sstream>

#include "host/contract_codes.h"
#include "host/text_conversion.h"
#include "simhost/language/commands.h"
#include "simhost/host/widget_host.h"

namespace simhost {

namespace {

DialogAction DialogClick(Args &a) {
    DialogAction action{DialogAction::Kind::Click};
    action.axis = a.OneOf<char>("toggle", {{"x", 'X'}, {"y", 'Y'}, {"z", 'Z'}});
    return action;
}

DialogAction DialogKey(Args &a) {
    DialogAction action{DialogAction::Kind::Key};
    action.key = a.OneOf<int32_t>(
        "key", {{"x", stelmarin::kKeyX}, {"y", stelmarin::kKeyY}, {"z", stelmarin::kKeyZ}, {"esc", stelmarin::kKeyEscape}});
    return action;
}

DialogAction DialogRightClick(Args &) { return DialogAction{DialogAction::Kind::RightClick}; }

}  // namespace

DialogAction ReadDialogAction(Args &a) {
    using Read = DialogAction (*)(Args &);
    const DialogAction action =
        a.OneOf<Read>("action", {{"click", DialogClick}, {"key", DialogKey}, {"rightclick", DialogRightClick}})(a);
    a.End();
    return action;
}

Action ParseClick(Args &a) {
    const std::string label = a.Word("button");
    bool ctrl = false, shift = false;
    while (!a.AtEnd()) (HeldKey(a) == Held::Ctrl ? ctrl : shift) = true;
    return [=](ScriptRunner &r) {
        const size_t questions = r.bench().widgets().questions.Added();
        r.bench().ClickSlot(label, ctrl, shift);
        const auto &asked = r.bench().widgets().questions;
        if (asked.Added() > questions) {
            Said(r, "asked \"" + stelmarin::WideToUtf8(asked.back().message) + "\", answered " +
                        (asked.back().answer == 1 ? "OK" : "Cancel"));
        }
        // Something the modeller sent nested in the click may have ended the plug-in.
        if (r.bench().widgets().PluginWindow() == 0) {
            Said(r, "the plug-in's window is gone");
            return;
        }
        Said(r, "button " + label + " " + (r.bench().ButtonDown(label) ? "down" : "up"));
        // A recording that found nothing leaves a button that looks like any other; say why.
        const int slot = r.bench().SlotOf(label);
        const bool records = slot == 0 ? !ctrl && !shift : ctrl;
        if (records && r.bench().activated() && r.bench().ledger().slots[static_cast<size_t>(slot)].PinCount() == 0) {
            Said(r, slot == 0 ? "note: no vertex of a visible object lies on X = 0 (|X| < 0.001): slot X0 pins nothing"
                              : "note: slot " + label + " pins nothing: no vertex of the current object was selected");
        }
    };
}

Action ParseRightClick(Args &a) {
    const std::string label = a.Word("button");
    int x = 0, y = 0;
    if (a.Optional("at")) {
        x = a.Int("screen x", -100000, 100000);
        y = a.Int("screen y", -100000, 100000);
    }
    a.End();
    return [=](ScriptRunner &r) {
        std::vector<DialogAction> actions;
        actions.swap(r.pending().dialog);
        r.bench().RightClickSlot(label, x, y, actions);
        Said(r, "slot " + label + " fixes " +
                    AxesText(r.bench().ledger().slots[static_cast<size_t>(r.bench().SlotOf(label))].mask));
    };
}

// What the user will do in the next fix-mode dialog, queued until a right click opens it.
Action ParseDialog(Args &a) {
    const DialogAction action = ReadDialogAction(a);
    return [action](ScriptRunner &r) { r.pending().dialog.push_back(action); };
}

Action ParseAnswer(Args &a) {
    const bool ok = a.OneOf<bool>("answer", {{"ok", true}, {"cancel", false}});
    a.End();
    return [ok](ScriptRunner &r) { r.bench().Answer(ok); };
}

Action ParseClose(Args &a) {
    a.Keyword("what", "window");
    a.End();
    return [](ScriptRunner &r) { r.bench().CloseWindow(); };
}

Action ParseMoveWindow(Args &a) {
    const int x = a.Int("x", -100000, 100000);
    const int y = a.Int("y", -100000, 100000);
    a.End();
    return [=](ScriptRunner &r) { r.bench().MoveWindow(x, y); };
}

Action ParseWindow(Args &a) {
    a.End();
    return [](ScriptRunner &r) {
        WidgetHost &widgets = r.bench().widgets();
        if (widgets.log.Forgotten() > 0)
            Said(r, "sent: " + std::to_string(widgets.log.Forgotten()) + " earlier messages, no longer kept");
        for (const std::string &line : widgets.log) Said(r, "sent: " + line);
        widgets.log.clear();
        std::istringstream lines(widgets.Dump());
        for (std::string line; std::getline(lines, line);) Said(r, line);
    };
}

}  // namespace simhost
