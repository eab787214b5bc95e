#include "simhost/modeller/pin_holding.h"

#include <algorithm>
#include <map>
#include <string>

#include "simhost/files/utf8_text.h"
#include "simhost/modeller/workbench.h"

namespace simhost {

namespace {

// Object names come from files and may be a whole line long; the reason is read at a glance.
constexpr size_t kLongestName = 40;
// Past this many objects the rest are counted, not named.
constexpr size_t kObjectsNamed = 5;

std::string Shortened(const std::string &name) {
    std::string text = ValidUtf8(name);
    if (text.size() <= kLongestName) return text;
    size_t cut = kLongestName;
    // Not inside a character: UTF-8 continuation bytes are 10xxxxxx.
    while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80) --cut;
    return text.substr(0, cut) + "\xE2\x80\xA6";
}

// "a", "a and b", "a, b and c".
std::string Listed(const std::vector<std::string> &items) {
    std::string text;
    for (size_t i = 0; i < items.size(); ++i) {
        text += (i == 0 ? "" : i + 1 == items.size() ? " and " : ", ") + items[i];
    }
    return text;
}

// The objects by document index, each with the armed slots whose pins it holds.
using HoldersBySlot = std::map<int, std::vector<int>>;

std::string HoldersText(const Document &document, const HoldersBySlot &holders, const char *state) {
    std::string text = holders.size() == 1
                           ? std::string("an object holding pins is ") + state + ": "
                           : std::to_string(holders.size()) + " objects holding pins are " + state + ": ";
    size_t named = 0;
    for (const auto &[index, slots] : holders) {
        if (named == kObjectsNamed) break;
        std::vector<std::string> labels;
        for (int slot : slots) labels.emplace_back(kSlotLabels[slot]);
        text += (named++ == 0 ? "\"" : ", \"") + Shortened(document.ObjectAt(index)->name()) + "\" (" +
                (slots.size() == 1 ? "slot " : "slots ") + Listed(labels) + ")";
    }
    if (holders.size() > named) text += ", and " + std::to_string(holders.size() - named) + " more";
    return text;
}

std::string OffText(Workbench::Off how) {
    switch (how) {
        case Workbench::Off::WindowClosed:
            return "the plug-in is off (its window was closed)";
        case Workbench::Off::SwitchedOff:
            return "the plug-in is off (switched off)";
        case Workbench::Off::NeverOn:
            break;
    }
    return "the plug-in is off (never switched on)";
}

// Whether a draw now would move a pinned vertex of a shown, unexempt object back: a change
// since the last draw left it off its pin. A selection, or anything else that moved no
// pinned vertex, leaves the pins held.
bool DrawWouldMovePins(const Document &document, const PinLedger &ledger) {
    PositionSet placed;
    ledger.Place(document, placed);
    for (const ObjectPositions &entry : placed) {
        const Object *object = document.ObjectFromUniqueID(entry.objectID);
        if (object == nullptr) continue;
        for (size_t i = 0; i < entry.size(); ++i) {
            const int index = object->IndexFromUniqueID(entry.vertexIDs[i]);
            if (index >= 0 && !SamePlace(object->position(index), entry.positions[i])) return true;
        }
    }
    return false;
}

}  // namespace

std::vector<ReportFacts::NotHeld> WhyPinsNotHeld(const Workbench &bench) {
    const PinLedger &ledger = bench.ledger();
    const bool holding = std::any_of(ledger.slots.begin(), ledger.slots.end(),
                                     [](const LedgerSlot &slot) { return slot.armed && slot.PinCount() > 0; });
    if (!holding) return {};
    std::vector<ReportFacts::NotHeld> reasons;
    if (!bench.activated()) reasons.push_back({"plugin-off", OffText(bench.howOff())});
    const Document &document = bench.document();
    HoldersBySlot hidden, exempt;
    for (int slot = 0; slot < kSlots; ++slot) {
        const LedgerSlot &held = ledger.slots[static_cast<size_t>(slot)];
        if (!held.armed) continue;
        for (const ObjectPositions &entry : held.pins) {
            const Object *object = entry.empty() ? nullptr : document.ObjectFromUniqueID(entry.objectID);
            if (object == nullptr) continue;
            if (!object->visible) hidden[document.IndexOf(object)].push_back(slot);
            if (object->exempt) exempt[document.IndexOf(object)].push_back(slot);
        }
    }
    if (!hidden.empty()) reasons.push_back({"object-hidden", HoldersText(document, hidden, "hidden")});
    if (!exempt.empty()) reasons.push_back({"object-exempt", HoldersText(document, exempt, "exempt")});
    // Only after a change is a pin found off its place: the walk over the pins is paid then.
    if (bench.changedSinceDraw() && DrawWouldMovePins(document, ledger))
        reasons.push_back({"not-drawn", "the document changed since the last draw"});
    return reasons;
}

}  // namespace simhost
