// What the fourteen exported functions do, for any plug-in object. The exports themselves
// are one-line trampolines in the module; keeping the bodies here lets tests drive them
// with plug-in objects of every kind.
#pragma once

#include <cstdint>

#include "host/host_abi.h"
#include "plugin/plugin_classes.h"

namespace stelmarin {

// Event codes of the host, as far as this plug-in tells them apart.
enum EventCode : int {
    kEventInitialize = 1,
    kEventExit = 2,
    kEventActivate = 100,
    kEventQueryActivated = 101,
    kEventDrawView = 110,
    kEventDocumentNew = 201,
    kEventDocumentSave = 202,
};

// Answers the host's event `code` with the options that `option` points to (an option
// array, or for events 100 and 102 one 32-bit flag; null for none). Returns what the host
// receives.
int DispatchEvent(MQBasePlugin &plugin, MQDocument doc, int code, void *option);

// An event as it comes from the host, under the plug-in's rule for events nested inside
// host calls (host/event_gate.h): dispatched at once, or, when it arrives while the
// plug-in is inside a host call and would change the plug-in's state, held with its
// options copied, and answered with what is true now.
int ReceiveEvent(MQBasePlugin &plugin, MQDocument doc, int code, void *option);

// The text of MQEnumString: null wherever the plug-in's kind has none for `index`.
const char *EnumStringFor(MQBasePlugin &plugin, int index);

// The plug-in kind a station plug-in reports.
inline constexpr int kPluginTypeStation = 6;

}  // namespace stelmarin
