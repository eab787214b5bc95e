#include "plugin/stelmarin.h"

#include <clocale>

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

}  // namespace stelmarin
