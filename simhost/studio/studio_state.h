// What the studio tells its pages of the host's state, in JSON: the slots as the host's
// ledger holds them, the last draw, the plug-in's window as the host holds it, and the
// document's objects; the meshes themselves, their numbers in a binary body beside the
// JSON; and what one command changed. Everything here reads the workbench, so it runs on
// the host thread.
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "simhost/modeller/pin_ledger.h"

namespace simhost {

class ScriptRunner;
class Workbench;

// Bytes as base64 (RFC 4648, with padding).
std::string Base64(const void *bytes, size_t size);

// Index lists this long or shorter go inline in the JSON as base64, so that a page reads
// a few pins or a small selection with the event itself and makes no second request;
// longer ones go in the binary body, where a million selected vertices cost 4 MB rather
// than 5.3 MB of base64 that the page would have to decode.
inline constexpr size_t kInlineIndicesMost = 4096;

// The binary body that goes with a JSON text: arrays of 4-byte little-endian numbers
// (float32 coordinates, int32 indices), each named in the JSON by a reference
// {"at": BYTE_OFFSET, "length": NUMBER_OF_VALUES}. The pieces are gathered as the JSON is
// made and copied once, when the body is written: a piece may point into the document,
// which must not change until then.
class BinaryBody {
public:
    BinaryBody() = default;
    // Its pieces point into the lists it owns: a copy would point into the original's.
    BinaryBody(const BinaryBody &) = delete;
    BinaryBody &operator=(const BinaryBody &) = delete;

    // Where the next piece goes, in bytes.
    size_t Size() const { return size_; }
    // Adds the bytes of 4-byte numbers, which must stay as they are until the body is
    // written.
    void Add(const void *values, size_t bytes);
    // A reference to the numbers added since `at`.
    nlohmann::json ReferenceFrom(size_t at) const;
    // An index list: inline base64 when short, else a reference to the body, which takes
    // the list.
    nlohmann::json Indices(std::vector<int32_t> values);

    void AppendTo(std::string &out) const;
    std::shared_ptr<const std::string> Bytes() const;

private:
    std::vector<std::pair<const char *, size_t>> pieces_;
    std::deque<std::vector<int32_t>> owned_;
    size_t size_ = 0;
};

// The JSON `document` and its binary body in one frame: a uint32 little-endian H, H bytes
// of JSON padded with spaces so that the body starts 4-aligned, then the body, to which
// the references are relative.
std::string Framed(const nlohmann::json &document, const BinaryBody &body);

// The state a page shows (README, "Studio"): slots and whether their pins are held, the
// centre line, last draw, window, objects.
nlohmann::json StateJson(ScriptRunner &runner);

// Every object's mesh: positions, faces, the selected vertices, and each slot's pins and
// the vertices the last draw moved back, by vertex index; the arrays in `body`.
nlohmann::json MeshJson(Workbench &bench, BinaryBody &body);

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
// The positions, and the long index lists, go in `body`.
nlohmann::json ChangesSince(const MeshSnapshot &before, Workbench &bench, bool drew, BinaryBody &body);

}  // namespace simhost
