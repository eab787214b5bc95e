// What the fourteen exported functions do, for any plug-in object. The exports themselves
// are one-line trampolines in the module; keeping the bodies here lets tests drive them
// with plug-in objects of every kind.
#pragma once

#include <cstdint>

#include "host/contract_codes.h"
#include "host/host_abi.h"
#include "plugin/plugin_classes.h"

namespace stelmarin {

// Answers the host's event `code` with the options that `option` points to (an option
// array, or for kEventActivate and kEvent102 one 32-bit flag; null for none). Returns what the host
// receives.
int DispatchEvent(MQBasePlugin &plugin, MQDocument doc, int code, void *option);

// An event as it comes from the host, under the plug-in's rule for events nested inside
// host calls (host/event_gate.h): dispatched at once, or, when it arrives while the
// plug-in is inside a host call and would change the plug-in's state, held with its
// options copied, and answered with what is true now.
int ReceiveEvent(MQBasePlugin &plugin, MQDocument doc, int code, void *option);

// The text of MQEnumString: null wherever the plug-in's kind has none for `index`.
const char *EnumStringFor(MQBasePlugin &plugin, int index);

}  // namespace stelmarin
