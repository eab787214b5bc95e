#include "plugin/stelmarin.h"

#include <clocale>

#include "pinning/capture.h"
#include "pinning/enforcement.h"
#include "plugin/entry_points.h"

namespace stelmarin {

Stelmarin::Stelmarin() { std::setlocale(LC_CTYPE, ""); }

Stelmarin::~Stelmarin() = default;

void Stelmarin::GetPlugInID(uint32_t *product, uint32_t *id) {
    *product = kProductID;
    *id = kPluginID;
}

const char *Stelmarin::GetPlugInName() {
    return "Stelmarin Ver.1.2   Copyright (C) the Stelmarin developers";
}

int Stelmarin::GetPlugInType() { return kPluginTypeStation; }

const char *Stelmarin::EnumString() { return "Stelmarin"; }

bool Stelmarin::OnActivate(MQDocument, int32_t flag) {
    activated = flag != 0;
    return activated;
}

bool Stelmarin::OnQueryActivated(MQDocument) { return activated; }

void Stelmarin::OnDrawView(MQDocument doc, MQScene, int, int) { EnforcePins(store, activated, doc); }

void Stelmarin::OnDocumentNew(MQDocument) { ClearAllSlots(); }

bool Stelmarin::SwitchSlot(MQDocument doc, int slot, bool on) { return stelmarin::SwitchSlot(store, doc, slot, on); }

bool Stelmarin::CaptureSelection(MQDocument doc, int slot) {
    return stelmarin::CaptureSelection(store, activated, doc, slot);
}

void Stelmarin::ClearAllSlots() {
    for (int slot = 0; slot < kSlotCount; ++slot) store.ClearSlot(slot);
}

}  // namespace stelmarin
