// The files of the studio's page, built into the program when the build is configured
// (from simhost/studio/assets), so that it serves them with nothing read at run time and
// the page works with no network at all.
#pragma once

#include <span>
#include <string_view>

namespace simhost {

struct StudioAsset {
    std::string_view path;  // as requested: "/index.html", "/studio.js"
    std::string_view contentType;
    std::string_view body;
};

std::span<const StudioAsset> StudioAssets();

}  // namespace simhost
