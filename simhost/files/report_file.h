// The report of the host's ledger: what each slot holds, what the last draw did and how
// far the centre line has drifted, as facts; and those facts as plain text for a person,
// or as JSON for a program, which also lists what the plug-in did wrong (its shape is in
// the README, under "Reports").
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "simhost/host/host_checks.h"

namespace simhost {

struct ReportFacts {
    struct Slot {
        std::string label;  // its button's: "X0", "1", "2" or "3"
        bool armed = false;
        int32_t mask = 0;    // the axes it fixes: bit 0 X, bit 1 Y, bit 2 Z
        size_t objects = 0;  // the objects it holds pins of
        size_t pins = 0;     // the vertices it pins, in all those objects
    };
    struct Draw {
        long long written = 0;    // vertices the plug-in wrote
        long long movedBack = 0;  // vertices whose position the draw changed
        double farthest = 0.0;    // the farthest any of them was moved
    };
    struct CentreLine {
        double largestX = 0.0;  // the largest |X| among the vertices slot X0 pins
        size_t vertices = 0;    // those of them still in the document
    };

    // A reason why pins of an armed slot are not being held now, under an ID that stays
    // ("plugin-off", "object-hidden", "object-exempt", "not-drawn").
    struct NotHeld {
        std::string id;
        std::string text;
    };

    bool active = false;  // the plug-in counts as switched on
    std::vector<Slot> slots;
    // Empty when every pin of an armed slot is held, or no armed slot holds any.
    std::vector<NotHeld> notHeld;
    std::optional<Draw> lastDraw;  // none before the first draw
    CentreLine centreLine;
    // The latest violations the host keeps, oldest first, and how many there were in all.
    std::vector<Violation> violations;
    size_t violationsFound = 0;
};

// A line per slot, a line for each reason pins are not held, then the last draw and the
// centre line; each line ends in "\n".
std::string ReportText(const ReportFacts &facts);
// One JSON object, indented by two, ending in "\n"; the only form that lists violations.
std::string ReportJson(const ReportFacts &facts);

}  // namespace simhost
