// The host's own account of what the user has pinned. The plug-in keeps its slots to
// itself; the host sees only the user's actions it delivers and the plug-in's visible
// answers. From those it keeps a ledger of the four slots, by the plug-in's published
// rules, and checks every draw against it: a pinned vertex the draw failed to restore, or
// a vertex it moved that no armed slot holds, is reported. The ledger is also what the
// host's reports and pictures show of the slots.
//
// A check looks only at the vertices the draw moved, which the host records as they are
// written, and at those the armed slots pin; every other vertex is where it was, since
// nothing but MQObj_SetVertex moves a vertex while the plug-in draws. Pins and positions
// are kept as flat arrays in rising unique ID, so that the check walks them side by side,
// and a slot's recorded positions are an array apart from their IDs, so that where they
// stand at consecutive vertex indices they compare with the object's positions as one
// block.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "simhost/host/document_model.h"
#include "simhost/host/host_checks.h"
#include "simhost/host/slot_names.h"

namespace simhost {

// A vertex is on the centre line when |X| is below this, in single precision.
inline constexpr float kCentreLineTolerance = 0.001f;

// Positions of vertices of one object, in rising vertex unique ID: vertex vertexIDs[i] at
// positions[i].
struct ObjectPositions {
    int objectID = 0;
    std::vector<int> vertexIDs;
    std::vector<MQPoint> positions;

    size_t size() const { return vertexIDs.size(); }
    bool empty() const { return vertexIDs.empty(); }
    void Add(int vertexID, const MQPoint &position) {
        vertexIDs.push_back(vertexID);
        positions.push_back(position);
    }
};

// Positions of vertices of several objects, in rising object unique ID.
using PositionSet = std::vector<ObjectPositions>;

// The object's entry, or null.
const ObjectPositions *FindObject(const PositionSet &set, int objectID);
ObjectPositions &FindOrAddObject(PositionSet &set, int objectID);

struct LedgerSlot {
    bool armed = false;
    int32_t mask = kMaskAll;
    // Recorded positions by object and vertex. An object is listed once a capture visited
    // it, even when nothing of it was recorded.
    PositionSet pins;

    size_t PinCount() const;
};

// What one draw did, as the host measures it.
struct DrawOutcome {
    long long written = 0;                   // vertices the plug-in wrote
    int movedBack = 0;                       // vertices whose position the draw changed
    double largestMove = 0.0;                // the farthest any vertex was moved
    std::vector<std::pair<int, int>> moved;  // (object ID, vertex ID) of each moved vertex
    // Where the draw disagreed with the ledger, each under its check (a pinned vertex off
    // its pin, or an unpinned one moved), in plain words; empty when it did not.
    std::vector<Violation> disagreements;
};

class PinLedger {
public:
    PinLedger();

    // A left click on slot button `slot` with the given modifiers. `buttonWasDown` is the
    // button's state before the click, `activated` whether the plug-in counts as active,
    // `asked` whether the plug-in asked a question and `confirmed` how it was answered.
    // Returns the pressed state the plug-in should give the button, or -1 when it should
    // leave it alone; `expectedQuestion` says whether a question was due.
    struct ClickResult {
        int buttonDown = -1;
        bool expectedQuestion = false;
    };
    ClickResult LeftClick(int slot, bool ctrl, bool shift, bool buttonWasDown, bool activated, bool asked,
                          bool confirmed, const Document &document);
    // Whether such a click asks before it changes anything: recording into, or clearing,
    // a slot that holds pins.
    bool QuestionDue(int slot, bool ctrl, bool shift) const {
        return slot != 0 && (ctrl || shift) && !slots[static_cast<size_t>(slot)].pins.empty();
    }
    // The fix-mode dialog closed on `slot` holding `mask`'s axes fixed (kMaskX and so on).
    void SetMask(int slot, int32_t mask) { slots[static_cast<size_t>(slot)].mask = mask; }
    // A new document empties every slot; the masks stay.
    void ClearAll();

    // Moves `placed` on as a draw does by the ledger: each armed slot in order writes its
    // recorded coordinates on its masked axes, skipping hidden and exempt objects and
    // vertices that have gone. Where a vertex stood before is `placed`'s position where it
    // has one, else as the document's write record tells it (see CheckDraw).
    void Place(const Document &document, PositionSet &placed) const;

    std::array<LedgerSlot, kSlots> slots;
};

// Checks the document after a draw. Where each vertex stood before the draw is its
// position in `placed`, or else where the document's write record says: before the first
// write that moved it since the record began, or, never moved, where it is now. With `active`, the
// vertices the ledger pins must be where it says (see PinLedger::Place); every other
// vertex must not have moved.
DrawOutcome CheckDraw(const Document &document, const PositionSet &placed, const PinLedger &ledger, bool active);

// Where the vertices moved since the record began stand now: the positions before a draw
// that comes while a record runs.
PositionSet PositionsOnRecord(const Document &document);

}  // namespace simhost
