#include "simhost/studio/studio_assets.h"

#include <string>
#include <vector>

#include "simhost/files/slot_colours.h"

namespace simhost {

namespace {

std::string ColourModule() {
    std::string module =
        "// Made by simhost from the slots' colours of its pictures, X0 first.\n"
        "export const SLOT_COLOURS = [";
    for (size_t slot = 0; slot < kSlotColours.size(); ++slot) {
        module += (slot == 0 ? "'" : ", '") + std::string(kSlotColours[slot]) + "'";
    }
    return module + "];\n";
}

std::string ColourSheet() {
    std::string sheet = "/* Made by simhost from the slots' colours of its pictures. */\n";
    for (size_t slot = 0; slot < kSlotColours.size(); ++slot) {
        sheet += ".slot-" + std::to_string(slot) + " { --colour: " + kSlotColours[slot] + "; }\n";
    }
    return sheet;
}

}  // namespace

std::span<const StudioAsset> StudioAssets() {
    static const std::string module = ColourModule();
    static const std::string sheet = ColourSheet();
    static const std::vector<StudioAsset> assets = [] {
        std::vector<StudioAsset> all(StudioFiles().begin(), StudioFiles().end());
        all.push_back({"/slot-colours.js", "text/javascript; charset=utf-8", module});
        all.push_back({"/slot-colours.css", "text/css; charset=utf-8", sheet});
        return all;
    }();
    return assets;
}

}  // namespace simhost
