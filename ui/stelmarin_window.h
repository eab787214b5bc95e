// The plug-in's floating window: one toggle button per slot, whose pressed state shows
// whether the slot is armed.
#pragma once

#include <array>
#include <memory>

#include "host/widget_events.h"
#include "host/widgets.h"

namespace stelmarin {

class Stelmarin;

class StelmarinWindow : public MQWindow {
public:
    // Builds the window as a child of `parent`; `plugin` is not owned and outlives it.
    StelmarinWindow(Stelmarin *plugin, MQWindowBase &parent);

    // Plain click: arm or disarm (slot 0 re-records its centre line). Control: record the
    // selection (slots 1-3) or fix all axes (slot 0). Shift: clear (slots 1-3) or fix X
    // only (slot 0).
    int OnSlotLeftDown(MQWidgetBase *sender, MQDocument doc, MouseEventRecord *record);
    // Edits the slot's axis mask in the modal fix-mode dialog.
    int OnSlotRightDown(MQWidgetBase *sender, MQDocument doc, MouseEventRecord *record);
    // The window was hidden by hand: the plug-in is no longer active, and the host is told.
    int OnWindowHide(MQWidgetBase *sender, MQDocument doc);

    Stelmarin *plugin;
    std::array<MQButton *, 4> slotButtons{};

private:
    // The slot whose button is `sender`, or -1.
    int SlotOf(const MQWidgetBase *sender) const;
    // Asks an OK/Cancel question; true for OK.
    bool Confirm(const char16_t *question);

    // Expires when the window dies. The host runs nested events while a question or the
    // dialog is up, and one of them may end the plug-in and delete this window.
    std::shared_ptr<char> alive_ = std::make_shared<char>();
};

}  // namespace stelmarin
