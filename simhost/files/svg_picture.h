// Pictures of the document as SVG: front, top and side orthographic views side by side,
// edges in grey, each slot's pinned vertices in its own colour with a legend (hollow when
// the slot is disarmed), the vertices that the last draw moved back ringed faintly, and
// under the title whether the plug-in is on and how far the seam strays from X = 0.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "simhost/host/document_model.h"

namespace simhost {

// A vertex by the unique IDs of its object and of itself, as pins name it.
struct VertexKey {
    int objectID = 0;
    int vertexID = 0;
    friend bool operator==(const VertexKey &, const VertexKey &) = default;
    friend auto operator<=>(const VertexKey &, const VertexKey &) = default;
};

// What the text report says of the plug-in and of the seam, so that the picture says it
// too.
struct PictureStatus {
    bool pluginOn = false;
    // The largest |X| among slot X0's pinned vertices present in the document, and how
    // many of them there are.
    double seamLargestX = 0.0;
    size_t seamVertices = 0;
};

struct PictureContent {
    const Document *document = nullptr;
    std::string title;
    // Per slot 0..3: its pinned vertices, and whether it is armed (a disarmed slot's pins
    // are drawn hollow).
    std::array<std::vector<VertexKey>, 4> pins;
    std::array<bool, 4> armed{};
    // Vertices that the last draw wrote back to a different position.
    std::vector<VertexKey> movedBack;
    // Printed under the title; none when no plug-in session stands behind the picture.
    std::optional<PictureStatus> status;
};

// The SVG text of the picture. Deterministic: the same content gives the same bytes.
std::string RenderSvg(const PictureContent &content);

// Replaces the file at `path` with the picture, whole or not at all; WriteError naming the
// file and the system's reason when it cannot be written.
void WritePicture(const std::string &path, const PictureContent &content);

}  // namespace simhost
