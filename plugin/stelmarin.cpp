#include "plugin/stelmarin.h"

#include <clocale>

#include "host/event_gate.h"
#include "host/widgets.h"
#include "pinning/capture.h"
#include "pinning/enforcement.h"
#include "plugin/entry_points.h"

namespace stelmarin {

Stelmarin::Stelmarin() {
    // The registry and the event gate are made first, so that they are destroyed after
    // this object, whose window leaves the registry on the way out, and whose widgets'
    // destruction the host may answer with events.
    WidgetRegistry::Instance();
    EventGate::Instance();
    std::setlocale(LC_CTYPE, "");
}

Stelmarin::~Stelmarin() = default;

void Stelmarin::GetPlugInID(uint32_t *product, uint32_t *id) {
    *product = kProductID;
    *id = kPluginID;
}

const char *Stelmarin::GetPlugInName() { return "Stelmarin Ver.1.2   Copyright (C) the Stelmarin developers"; }

int Stelmarin::GetPlugInType() { return kPluginTypeStation; }

const char *Stelmarin::EnumString() { return "Stelmarin"; }

bool Stelmarin::OnInitialize() {
    int32_t x = -1;
    int32_t y = -1;
    if (std::unique_ptr<MQSetting> settings = CreateSettingAccessor()) {
        settings->LoadInt("PosX", x);
        settings->LoadInt("PosY", y);
    }
    if (!window) {
        const std::unique_ptr<MQWindow> mainWindow = MQWindow::HostMainWindow();
        auto made = std::make_unique<StelmarinWindow>(this, *mainWindow);
        // A window the host would not make is no window: nothing to place, show or click.
        if (made->widgetID != 0) {
            window = std::move(made);
            if (x >= 0 && y >= 0) {
                window->SetPosX(x);
                window->SetPosY(y);
            }
            // Slots outlive the window: after an exit and a fresh start the buttons of
            // armed slots must show as pressed, as the draws go on pinning.
            for (int slot = 0; slot < kSlotCount; ++slot) {
                if (store.armed[static_cast<size_t>(slot)])
                    window->slotButtons[static_cast<size_t>(slot)]->SetDown(true);
            }
        }
    }
    OnActivate(nullptr, activated ? 1 : 0);
    return true;
}

void Stelmarin::OnExit() {
    // Without a window there is no position to remember: storing the getters' 0, 0 would
    // put the next run's window in the corner of the screen.
    if (!window) return;
    if (std::unique_ptr<MQSetting> settings = CreateSettingAccessor()) {
        settings->SaveInt("PosX", window->GetPosX());
        settings->SaveInt("PosY", window->GetPosY());
    }
    window.reset();
}

bool Stelmarin::OnActivate(MQDocument, int32_t flag) {
    if (!window) return false;
    activated = flag != 0;
    window->SetVisible(activated);
    return activated;
}

bool Stelmarin::OnQueryActivated(MQDocument) { return window != nullptr && activated; }

void Stelmarin::OnDrawView(MQDocument doc, MQScene, int, int) { EnforcePins(store, activated, doc); }

void Stelmarin::OnDocumentNew(MQDocument) {
    ++newDocuments;
    ClearAllSlots();
}

bool Stelmarin::SwitchSlot(MQDocument doc, int slot, bool on) { return stelmarin::SwitchSlot(store, doc, slot, on); }

bool Stelmarin::CaptureSelection(MQDocument doc, int slot) {
    return stelmarin::CaptureSelection(store, activated, doc, slot);
}

void Stelmarin::ClearAllSlots() {
    for (int slot = 0; slot < kSlotCount; ++slot) store.ClearSlot(slot);
    if (!window) return;
    for (MQButton *button : window->slotButtons) button->SetDown(false);
}

}  // namespace stelmarin
