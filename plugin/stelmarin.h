// The plug-in object: identity, the activated flag and the pins.
#pragma once

#include <cstdint>
#include <memory>

#include "pinning/pin_store.h"
#include "plugin/plugin_classes.h"
#include "ui/stelmarin_window.h"

namespace stelmarin {

inline constexpr uint32_t kProductID = 0x5A3C71E2;
inline constexpr uint32_t kPluginID = 0x2F8D4B96;

class Stelmarin : public MQStationPlugin {
public:
    Stelmarin();
    ~Stelmarin() override;

    void GetPlugInID(uint32_t *product, uint32_t *id) override;
    const char *GetPlugInName() override;
    int GetPlugInType() override;
    const char *EnumString() override;
    bool OnInitialize() override;
    void OnExit() override;
    bool OnActivate(MQDocument doc, int32_t flag) override;
    bool OnQueryActivated(MQDocument doc) override;
    void OnDrawView(MQDocument doc, MQScene scene, int width, int height) override;
    void OnDocumentNew(MQDocument doc) override;

    // The slot operations that the window's buttons trigger.
    bool SwitchSlot(MQDocument doc, int slot, bool on);
    bool CaptureSelection(MQDocument doc, int slot);
    void ClearSlot(int slot) { store.ClearSlot(slot); }
    // Empties and disarms all four slots; the masks stay.
    void ClearAllSlots();

    // The main window: null before initialisation and after exit.
    std::unique_ptr<StelmarinWindow> window;
    bool activated = false;
    PinStore store;
    // New documents since the start: a question or dialog that was up while one came
    // answers for a document that is gone.
    uint32_t newDocuments = 0;
};

}  // namespace stelmarin
