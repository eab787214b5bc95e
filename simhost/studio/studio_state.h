// What the studio tells its pages of the host's state, in JSON: the slots as the host's
// ledger holds them, the last draw, the plug-in's window as the host holds it, and the
// document's objects; the meshes themselves, compactly; and what one command changed.
// Everything here reads the workbench, so it runs on the host thread.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "simhost/modeller/pin_ledger.h"

namespace simhost {

class ScriptRunner;
class Workbench;

// Bytes as base64 (RFC 4648, with padding). Numbers go out as their little-endian bytes:
// float32 for coordinates, int32 for indices.
std::string Base64(const void *bytes, size_t size);

// The state a page shows (README, "Studio"): slots and whether their pins are held, the
// centre line, last draw, window, objects.
nlohmann::json StateJson(ScriptRunner &runner);

// Every object's mesh: positions, faces, the selected vertices, and each slot's pins and
// the vertices the last draw moved back, by vertex index.
nlohmann::json MeshJson(Workbench &bench);

// Where the document stood before a command: enough to say afterwards which positions it
// changed, and whether the objects, faces or pins changed.
struct MeshSnapshot {
    struct Entry {
        int uniqueID = 0;  // 0 for an empty place
        uint64_t topology = 0;
        std::string name;
        std::vector<MQPoint> positions;
        std::vector<int32_t> selected;  // indices of the selected vertices
    };
    std::vector<Entry> objects;
    std::array<PositionSet, kSlots> pins;
};
MeshSnapshot TakeSnapshot(Workbench &bench);

// What changed since `before`: "topology" when objects, names or faces came or went (the
// page fetches the meshes again); else per object the runs of vertex indices whose
// positions changed and their new positions; "pins" when any slot's pins changed;
// "selected" when the selection did; and with `drew`, the vertices the draw moved back.
nlohmann::json ChangesSince(const MeshSnapshot &before, Workbench &bench, bool drew);

}  // namespace simhost
