#include "simhost/files/report_file.h"

#include <cstdio>
#include <utility>

#include <nlohmann/json.hpp>

#include "simhost/host/slot_names.h"

namespace simhost {

std::string ReportText(const ReportFacts &facts) {
    std::string text;
    char line[256];
    for (const ReportFacts::Slot &slot : facts.slots) {
        std::snprintf(line, sizeof line, "slot %-2s  %-8s  fixes %-4s  %s, %s pinned\n", slot.label.c_str(),
                      slot.armed ? "armed" : "disarmed", AxesText(slot.mask).c_str(),
                      Plural(slot.objects, "object", "objects").c_str(),
                      Plural(slot.pins, "vertex", "vertices").c_str());
        text += line;
    }
    // Said right under the slots that claim to be armed, so that the report never reads as
    // if they held.
    for (const ReportFacts::NotHeld &reason : facts.notHeld) text += "pins not held: " + reason.text + "\n";
    if (facts.lastDraw) {
        std::snprintf(line, sizeof line, "last draw: %s written, %s moved back, farthest by %.6g\n",
                      Plural(static_cast<size_t>(facts.lastDraw->written), "vertex", "vertices").c_str(),
                      Plural(static_cast<size_t>(facts.lastDraw->movedBack), "vertex", "vertices").c_str(),
                      facts.lastDraw->farthest);
    } else {
        std::snprintf(line, sizeof line, "last draw: none yet\n");
    }
    text += line;
    // "Largest |X| 0" over no vertex at all would read as a seam perfectly in place.
    if (facts.centreLine.vertices == 0) {
        std::snprintf(line, sizeof line, "centre line: slot X0 pins no vertex\n");
    } else {
        std::snprintf(line, sizeof line, "centre line: largest |X| %.6g among slot X0's %s\n",
                      facts.centreLine.largestX, Plural(facts.centreLine.vertices, "vertex", "vertices").c_str());
    }
    text += line;
    return text;
}

std::string ReportJson(const ReportFacts &facts) {
    // Ordered, so that the fields come in the order the README lists them.
    using Json = nlohmann::ordered_json;
    Json slots = Json::array();
    for (const ReportFacts::Slot &slot : facts.slots) {
        Json axes = Json::array();
        for (const auto &[bit, letter] : {std::pair{kMaskX, "X"}, std::pair{kMaskY, "Y"}, std::pair{kMaskZ, "Z"}}) {
            if (slot.mask & bit) axes.push_back(letter);
        }
        slots.push_back(Json{{"label", slot.label},
                             {"armed", slot.armed},
                             {"axes", axes},
                             {"objects", slot.objects},
                             {"pins", slot.pins}});
    }
    Json report;
    report["active"] = facts.active;
    report["slots"] = slots;
    report["pins_held"] = facts.notHeld.empty();
    Json notHeld = Json::array();
    for (const ReportFacts::NotHeld &reason : facts.notHeld) {
        notHeld.push_back(Json{{"id", reason.id}, {"text", reason.text}});
    }
    report["not_held"] = notHeld;
    report["last_draw"] = nullptr;
    if (facts.lastDraw) {
        report["last_draw"] = Json{{"written", facts.lastDraw->written},
                                   {"moved_back", facts.lastDraw->movedBack},
                                   {"farthest", facts.lastDraw->farthest}};
    }
    report["centre_line"] = Json{{"largest_abs_x", facts.centreLine.largestX}, {"vertices", facts.centreLine.vertices}};
    Json violations = Json::array();
    for (const Violation &violation : facts.violations) {
        violations.push_back(Json{{"id", violation.id()}, {"text", violation.text}});
    }
    report["violations"] = violations;
    report["violations_found"] = facts.violationsFound;
    // A program reads the report as UTF-8, whatever text comes into it.
    return report.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace simhost
