// The files of the studio's page, built into the program (from simhost/studio/assets and
// simhost/studio/vendor-generated) so that it serves them with nothing read at run time
// and the page works with no network at all.
#pragma once

#include <span>
#include <string_view>

namespace simhost {

struct StudioAsset {
    std::string_view path;  // as requested: "/index.html", "/studio.js"
    std::string_view contentType;
    std::string_view body;
};

// Every file the page may ask for: those built in, and the slots' colours made from the
// pictures' table as /slot-colours.js (the module's SLOT_COLOURS) and /slot-colours.css
// (each `.slot-N` element's --colour).
std::span<const StudioAsset> StudioAssets();

// The files built in, as the build embedded them.
std::span<const StudioAsset> StudioFiles();

}  // namespace simhost
