#include "simhost/modeller/mesh_shapes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace simhost {

namespace {

constexpr double kPi = 3.14159265358979323846;

double SmoothStep(double edge0, double edge1, double value) {
    const double t = std::clamp((value - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

double Bump(double offset, double width) { return std::exp(-(offset / width) * (offset / width)); }

MQPoint OnSeam(MQPoint point) {
    point.x = 0.0f;
    return point;
}

// The head is lofted through cross-sections from the crown (t = 0) down to the base of
// the neck (t = 1): where each one meets the profile in front (+Z) and behind, and its
// half-width. The face, the ears and the like are raised on this afterwards.
struct Section {
    double frontZ, frontY, backZ, backY, halfWidth;
};

constexpr std::array<Section, 16> kSections = {{
    {-0.05, 1.00, -0.05, 1.00, 0.00},  // crown
    {0.27, 0.94, -0.38, 0.94, 0.27},
    {0.55, 0.76, -0.66, 0.75, 0.49},
    {0.75, 0.52, -0.85, 0.48, 0.64},
    {0.84, 0.30, -0.90, 0.22, 0.69},  // brow
    {0.81, 0.13, -0.88, 0.00, 0.70},  // eyes
    {0.83, -0.05, -0.78, -0.20, 0.68},
    {0.84, -0.22, -0.63, -0.36, 0.64},  // under the nose
    {0.81, -0.38, -0.50, -0.48, 0.58},  // mouth
    {0.76, -0.53, -0.44, -0.58, 0.50},
    {0.70, -0.67, -0.43, -0.68, 0.43},  // chin
    {0.47, -0.76, -0.43, -0.78, 0.38},  // under the jaw
    {0.27, -0.74, -0.43, -0.87, 0.36},  // throat
    {0.24, -0.88, -0.43, -0.95, 0.36},
    {0.22, -1.00, -0.42, -1.00, 0.35},
    {-0.10, -1.00, -0.10, -1.00, 0.00},  // base of the neck
}};

// Through the rows without overshooting them (a Fritsch-Butland Hermite spline): a plain
// cubic would flare the neck outwards just above its flat base.
double Monotone(double before, double from, double to, double after, double u) {
    const auto slope = [](double in, double out) { return in * out <= 0.0 ? 0.0 : 2.0 * in * out / (in + out); };
    const double start = slope(from - before, to - from);
    const double end = slope(to - from, after - to);
    const double u2 = u * u;
    const double u3 = u2 * u;
    return (2.0 * u3 - 3.0 * u2 + 1.0) * from + (u3 - 2.0 * u2 + u) * start + (-2.0 * u3 + 3.0 * u2) * to +
           (u3 - u2) * end;
}

Section SectionAt(double t) {
    const int last = static_cast<int>(kSections.size()) - 1;
    const double along = std::clamp(t, 0.0, 1.0) * last;
    const int i = std::min(static_cast<int>(along), last - 1);
    const double u = along - i;
    // Beyond the crown and the base the profile goes on over the pole to the far side, so
    // that both poles are smooth rather than the tips of cones.
    const auto row = [&](int k) {
        if (k >= 0 && k <= last) return kSections[static_cast<size_t>(k)];
        const Section &mirror = kSections[static_cast<size_t>(k < 0 ? -k : 2 * last - k)];
        return Section{mirror.backZ, mirror.backY, mirror.frontZ, mirror.frontY, -mirror.halfWidth};
    };
    const Section a = row(i - 1), b = row(i), c = row(i + 1), d = row(i + 2);
    const auto blend = [&](double Section::*field) { return Monotone(a.*field, b.*field, c.*field, d.*field, u); };
    return {blend(&Section::frontZ), blend(&Section::frontY), blend(&Section::backZ), blend(&Section::backY),
            blend(&Section::halfWidth)};
}

// A point of the head's +X half, or of its seam: `t` down the loft, `azimuth` from the
// front (+Z) round to the back through +X.
MQPoint HeadPoint(double t, double azimuth) {
    const Section section = SectionAt(t);
    const double sine = std::sin(azimuth);
    const double cosine = std::cos(azimuth);
    // Squarer than an ellipse: a head is flat across the face and at the temples.
    const double across = std::pow(std::abs(sine), 0.85);
    const double ahead = std::copysign(std::pow(std::abs(cosine), 0.85), cosine);
    const double bx = section.halfWidth * across;
    const double by = 0.5 * (section.frontY + section.backY) + 0.5 * (section.frontY - section.backY) * ahead;
    const double bz = 0.5 * (section.frontZ + section.backZ) + 0.5 * (section.frontZ - section.backZ) * ahead;

    // The nose grows from a narrow bridge between the eyes to a broad tip above the lip.
    const double along = SmoothStep(0.16, -0.20, by);
    const double underTip = SmoothStep(-0.20, -0.30, by);
    const double nose = (0.02 + 0.18 * along) * (1.0 - underTip) * Bump(bx, 0.06 + 0.05 * along);
    const double eyeSockets = -0.08 * Bump(bx - 0.25, 0.10) * Bump(by - 0.13, 0.07);
    const double brow = 0.04 * Bump(by - 0.27, 0.06) * Bump(bx, 0.30);
    const double cheekbones = 0.03 * Bump(bx - 0.38, 0.10) * Bump(by + 0.06, 0.10);
    const double lips = 0.045 * Bump(bx, 0.15) * Bump(by + 0.40, 0.07);
    const double chin = 0.04 * Bump(bx, 0.14) * Bump(by + 0.63, 0.08);
    const double face = SmoothStep(0.35, 0.8, cosine);
    const double z = bz + face * (nose + eyeSockets + brow + cheekbones + lips + chin);

    // Flat-topped, so that the ears read as ears rather than as spikes.
    const double up = by / 0.19;
    const double back = (bz + 0.12) / 0.09;
    const double ear = up * up + back * back;
    const double x = bx + SmoothStep(0.6, 0.9, sine) * 0.10 * std::exp(-ear * ear);

    return {static_cast<float>(x), static_cast<float>(by), static_cast<float>(z)};
}

}  // namespace

Object &AddHead(Document &document, const std::string &name, int detail) {
    if (detail < 2) throw std::invalid_argument("AddHead: detail must be at least 2, not " + std::to_string(detail));
    const int rings = 2 * detail;
    const int segments = 4 * detail;
    const int half = segments / 2;

    Object &object = document.AddObject(name);
    const int top = object.AddVertex(OnSeam(HeadPoint(0.0, 0.0)));
    const int firstRing = object.VertexCount();
    std::vector<MQPoint> ring(static_cast<size_t>(segments));
    for (int r = 1; r < rings; ++r) {
        const double t = static_cast<double>(r) / rings;
        for (int s = 0; s <= half; ++s) ring[static_cast<size_t>(s)] = HeadPoint(t, kPi * s / half);
        // The seam is set, not computed: sin(pi) is not quite 0.
        ring[0] = OnSeam(ring[0]);
        ring[static_cast<size_t>(half)] = OnSeam(ring[static_cast<size_t>(half)]);
        for (int s = half + 1; s < segments; ++s) {
            const MQPoint &partner = ring[static_cast<size_t>(segments - s)];
            ring[static_cast<size_t>(s)] = {-partner.x, partner.y, partner.z};
        }
        for (const MQPoint &point : ring) object.AddVertex(point);
    }
    const int bottom = object.AddVertex(OnSeam(HeadPoint(1.0, 0.0)));

    const auto at = [&](int r, int s) { return firstRing + (r - 1) * segments + s % segments; };
    // Counter-clockwise seen from outside, as the grid's faces are seen from +Z.
    for (int s = 0; s < segments; ++s) object.AddFace({top, at(1, s), at(1, s + 1)});
    for (int r = 1; r + 1 < rings; ++r) {
        for (int s = 0; s < segments; ++s) object.AddFace({at(r, s), at(r + 1, s), at(r + 1, s + 1), at(r, s + 1)});
    }
    for (int s = 0; s < segments; ++s) object.AddFace({at(rings - 1, s), bottom, at(rings - 1, s + 1)});
    return object;
}

}  // namespace simhost
