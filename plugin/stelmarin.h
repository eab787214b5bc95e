// The plug-in object: identity, the activated flag and the pins.
#pragma once

#include <cstdint>

#include "plugin/plugin_classes.h"

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
    bool OnActivate(MQDocument doc, int32_t flag) override;
    bool OnQueryActivated(MQDocument doc) override;

    bool activated = false;
};

}  // namespace stelmarin
