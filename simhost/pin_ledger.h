// The host's own account of what the user has pinned. The plug-in keeps its slots to
// itself; the host sees only the user's actions it delivers and the plug-in's visible
// answers. From those it keeps a ledger of the four slots, by the plug-in's published
// rules, and checks every draw against it: a pinned vertex the draw failed to restore, or
// a vertex it moved that no armed slot holds, is reported. The ledger is also what the
// host's reports and pictures show of the slots.
#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "simhost/document_model.h"

namespace simhost {

inline constexpr int kSlots = 4;
// Bit 0 X, bit 1 Y, bit 2 Z: the axes a slot restores on draw.
inline constexpr int32_t kMaskX = 1, kMaskY = 2, kMaskZ = 4, kMaskAll = 7;
// A vertex is on the centre line when |X| is below this, in single precision.
inline constexpr float kCentreLineTolerance = 0.001f;

struct LedgerSlot {
    bool armed = false;
    int32_t mask = kMaskAll;
    // Object unique ID -> vertex unique ID -> recorded position. An object is listed
    // once a capture visited it, even when nothing of it was recorded.
    std::map<int, std::map<int, MQPoint>> pins;

    size_t PinCount() const;
};

// What one draw did, as the host measures it.
struct DrawOutcome {
    long long written = 0;                   // vertices the plug-in wrote
    int movedBack = 0;                       // vertices whose position the draw changed
    double largestMove = 0.0;                // the farthest any vertex was moved
    std::vector<std::pair<int, int>> moved;  // (object ID, vertex ID) of each moved vertex
    // Where the draw disagreed with the ledger, in plain words; empty when it did not.
    std::vector<std::string> disagreements;
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
    // The fix-mode dialog closed on `slot` with these axes free.
    void SetMask(int slot, int32_t mask) { slots[static_cast<size_t>(slot)].mask = mask; }
    // A new document empties every slot; the masks stay.
    void ClearAll();

    // The positions a draw should leave, given the positions before it: each armed slot
    // in order writes its recorded coordinates on its masked axes, skipping hidden and
    // exempt objects and vertices that have gone.
    std::map<std::pair<int, int>, MQPoint> Expected(const Document &document) const;

    std::array<LedgerSlot, kSlots> slots;
};

// Every live vertex's position, by (object ID, vertex ID).
std::map<std::pair<int, int>, MQPoint> Positions(const Document &document);

// Compares the document after a draw with the positions before it and the ledger's
// expectation.
DrawOutcome CompareDraw(const Document &document, const std::map<std::pair<int, int>, MQPoint> &before,
                        const std::map<std::pair<int, int>, MQPoint> &expected, bool active);

// "X", "XZ", "XYZ"; "none" for an empty mask.
std::string AxesText(int32_t mask);

}  // namespace simhost
