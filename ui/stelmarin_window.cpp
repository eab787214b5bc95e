#include "ui/stelmarin_window.h"

#include "host/event_gate.h"
#include "host/wide_text.h"
#include "plugin/stelmarin.h"
#include "ui/mode_dialog.h"

namespace stelmarin {

StelmarinWindow::StelmarinWindow(Stelmarin *owner, MQWindowBase &parent) : MQWindow(parent), plugin(owner) {
    SetTitle(u"Stelmarin");
    SetInSpace(0.0);
    SetOutSpace(0.0);
    SetHorzLayout("auto");
    SetVertLayout("auto");
    MQFrame *frame = NewHorizontalFrame(this);
    using Mouse = MQWidgetMouseEventClosure<StelmarinWindow>;
    for (int slot = 0; slot < kSlotCount; ++slot) {
        MQButton *button = NewButton(frame, slot == kCentreLineSlot ? std::u16string(u"X0") : WideDecimal(slot));
        slotButtons[static_cast<size_t>(slot)] = button;
        button->AddEventHandler("leftdown", std::make_shared<Mouse>(this, &StelmarinWindow::OnSlotLeftDown), false);
        button->AddEventHandler("rightdown", std::make_shared<Mouse>(this, &StelmarinWindow::OnSlotRightDown), false);
        button->SetDown(false);
    }
    AddEventHandler(
        "hide", std::make_shared<MQWidgetEventClosure<StelmarinWindow>>(this, &StelmarinWindow::OnWindowHide), false);
}

int StelmarinWindow::SlotOf(const MQWidgetBase *sender) const {
    for (int slot = 0; slot < kSlotCount; ++slot) {
        if (sender != nullptr && slotButtons[static_cast<size_t>(slot)] == sender) return slot;
    }
    return -1;
}

bool StelmarinWindow::Confirm(const char16_t *question) { return OkCancelBox(this, question, u"Stelmarin") == 1; }

int StelmarinWindow::OnSlotLeftDown(MQWidgetBase *sender, MQDocument doc, MouseEventRecord *record) {
    const int slot = SlotOf(sender);
    if (slot < 0 || record == nullptr) return 0;
    MQButton &button = *slotButtons[static_cast<size_t>(slot)];
    PinStore &store = plugin->store;
    if (slot == kCentreLineSlot && (record->ctrl_key || record->shift_key)) {
        store.axisMask[kCentreLineSlot] = record->ctrl_key ? kAllAxes : kAxisX;
        return 0;
    }
    if (record->ctrl_key || record->shift_key) {
        const bool capture = record->ctrl_key;
        if (store.ObjectCount(slot) > 0) {
            const std::weak_ptr<char> alive = alive_;
            const uint32_t document = plugin->newDocuments;
            const bool confirmed = Confirm(capture ? u"Overwrite?" : u"Clear?");
            // A new document that came while the question was up emptied the slot it
            // asked about, and the click's document handle is gone with the old one:
            // the click ends there, as if it had come just before the new document.
            if (alive.expired() || !confirmed || plugin->newDocuments != document) return 0;
        }
        if (capture) {
            // The button shows the slot as the capture left it. A capture refused because
            // the window was closed while "Overwrite?" was up answers false, yet leaves the
            // slot armed as it was.
            plugin->CaptureSelection(doc, slot);
            button.SetDown(store.armed[static_cast<size_t>(slot)]);
        } else {
            plugin->ClearSlot(slot);
            button.SetDown(false);
        }
        return 0;
    }
    const bool down = button.GetDown();
    button.SetDown(plugin->SwitchSlot(doc, slot, !down));
    return 0;
}

int StelmarinWindow::OnSlotRightDown(MQWidgetBase *sender, MQDocument, MouseEventRecord *record) {
    const int slot = SlotOf(sender);
    if (slot < 0 || record == nullptr) return 0;
    // Nothing of this window is touched once the dialog runs: the plug-in may exit, and
    // delete the window, before the modal run returns.
    Stelmarin *const owner = plugin;
    StelmarinModeDialog dialog(*this, owner, owner->store.axisMask[static_cast<size_t>(slot)]);
    dialog.SetPosX(record->screen_x);
    dialog.SetPosY(record->screen_y);
    dialog.RunModal();
    owner->store.axisMask[static_cast<size_t>(slot)] = dialog.Mask();
    return 0;
}

int StelmarinWindow::OnWindowHide(MQWidgetBase *, MQDocument) {
    if (!plugin->activated) return 0;
    plugin->activated = false;
    // A close held while the plug-in was busy may find the window shown again by what it
    // was busy with (a start puts the window's visibility back to the flag): the user's
    // close stands, so that a window on screen always means an active plug-in.
    if (EventGate::Instance().HandlingHeld()) SetVisible(false);
    plugin->NotifyDeactivated();
    return 0;
}

}  // namespace stelmarin
