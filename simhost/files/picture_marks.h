// The marks of vertices in a picture: each slot's pins in its colour, filled while the
// slot is armed and hollow while it is not, and faint rings round the vertices the last
// draw moved back. A few thousand get a circle each; more become marks on a grid of a few
// pixels, so that a slot of millions of pins costs no more than one whose marks fill the
// panel.
#pragma once

#include <cstddef>
#include <string>
#include <unordered_map>
#include <vector>

#include "simhost/files/picture_geometry.h"
#include "simhost/files/svg_picture.h"

namespace simhost::picture {

// Up to this many marks of one kind in a view each get a circle of their own; beyond, they
// fall on a grid of cells this many pixels apart.
inline constexpr size_t kCircledMarks = 2'000;
inline constexpr int kPinPitch = 2;
// Pins of a disarmed slot are drawn hollow, as rings of this width.
inline constexpr double kHollowWidth = 1.2;
// Rings round the vertices moved back: thin, light and under the pins, so that a whole
// seam moved back leaves its pins and the plane X = 0 readable.
inline constexpr const char *kRingColour = "#a89cc8";
inline constexpr double kRingRadius = 5.5;
inline constexpr double kRingWidth = 0.8;

// The objects drawn, by unique ID.
using ObjectsByID = std::unordered_map<int, const Object *>;

// The vertices that keys name and that are there to be drawn, with how many were named.
struct Found {
    std::vector<MQPoint> points;
    size_t named = 0;
};

Found Find(const ObjectsByID &objects, const std::vector<VertexKey> &keys);

// A slot's pins in one view: a group of circles or marks, hollow ones masked in the
// middle; nothing when none is there.
std::string PinMarks(const Projection &projection, int view, size_t slot, const Found &pins, const char *colour,
                     bool armed);

// The rings round the vertices moved back, in one view; nothing when none is there.
std::string MovedBackRings(const Projection &projection, int view, const Found &movedBack);

}  // namespace simhost::picture
