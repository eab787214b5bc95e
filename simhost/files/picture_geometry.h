// The geometry of a picture: the page's layout, the three views and how model points land
// in their panels, the bounds that fit the document to them, and the edges of a mesh with
// the normals of the faces on either side.
#pragma once

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "simhost/host/document_model.h"

namespace simhost::picture {

constexpr double kMargin = 20.0;
constexpr double kPanel = 320.0;
constexpr double kInset = 28.0;        // room inside a panel for the axes and the seam label
constexpr double kTitleHeight = 72.0;  // the title, and under it the plug-in's state
constexpr double kCaptionHeight = 26.0;
constexpr double kPanelTop = kTitleHeight + kCaptionHeight;
constexpr int kPanelPixels = static_cast<int>(kPanel);

// Every coordinate lies within the page, so that a fixed buffer is always long enough; a
// vertex at infinity or NaN has no place there and is drawn at the page's corner.
std::string Number(double value);

// A coordinate of a pixel run or a mark: whole or half pixels, written as briefly as can be.
std::string Short(double value);

// ` name="value"` for a length on the page.
inline std::string Attribute(const char *name, double value) {
    return std::string(" ") + name + "=\"" + Number(value) + "\"";
}

// An axis of the model as the page sees it: which coordinate, and which way.
struct Axis {
    int coordinate;
    double sign;
    double Of(const MQPoint &p) const { return sign * (coordinate == 0 ? p.x : coordinate == 1 ? p.y : p.z); }
    std::string Name() const { return std::string(1, "XYZ"[coordinate]); }
};

// Every view is a true view from outside, never a mirror image: right x up = towards the
// viewer.
struct View {
    const char *name;
    const char *caption;
    Axis right;
    Axis down;
    Axis towardViewer;
    bool showsSeam;
};

constexpr std::array<View, 3> kViews = {{
    {"front", "from +Z: X right, Y up", {0, 1.0}, {1, -1.0}, {2, 1.0}, true},
    {"top", "from +Y: X right, Z down", {0, 1.0}, {2, 1.0}, {1, 1.0}, true},
    {"side", "from +X: Z left, Y up", {2, -1.0}, {1, -1.0}, {0, 1.0}, false},
}};

// Hidden objects are left out altogether, pins on them included: the picture shows what
// the modeller's user sees, and a hidden object's pins stay put anyway.
inline bool Drawn(const Object *object) { return object != nullptr && object->visible; }

struct Box {
    MQPoint low{std::numeric_limits<float>::max(), std::numeric_limits<float>::max(),
                std::numeric_limits<float>::max()};
    MQPoint high{std::numeric_limits<float>::lowest(), std::numeric_limits<float>::lowest(),
                 std::numeric_limits<float>::lowest()};
    bool empty = true;

    void Add(const MQPoint &p) {
        low = {std::min(low.x, p.x), std::min(low.y, p.y), std::min(low.z, p.z)};
        high = {std::max(high.x, p.x), std::max(high.y, p.y), std::max(high.z, p.z)};
        empty = false;
    }
};

// The finite vertices of the drawn objects; a unit cube about the origin when there are none.
Box Bounds(const Document *document);

// Where model points land on the page: one scale for all three views, each view centred
// in its panel.
class Projection {
public:
    explicit Projection(const Box &box) {
        centre_ = {0.5f * (box.low.x + box.high.x), 0.5f * (box.low.y + box.high.y), 0.5f * (box.low.z + box.high.z)};
        const double extent =
            std::max({static_cast<double>(box.high.x) - box.low.x, static_cast<double>(box.high.y) - box.low.y,
                      static_cast<double>(box.high.z) - box.low.z});
        // A single point or an empty document has no extent to fit.
        scale_ = (kPanel - 2.0 * kInset) / (extent > 1e-9 ? extent : 1.0);
    }

    double scale() const { return scale_; }
    static double PanelLeft(int view) { return kMargin + view * (kPanel + kMargin); }
    double U(int view, const MQPoint &p) const {
        const Axis &axis = kViews[static_cast<size_t>(view)].right;
        return PanelLeft(view) + 0.5 * kPanel + (axis.Of(p) - axis.Of(centre_)) * scale_;
    }
    double V(int view, const MQPoint &p) const {
        const Axis &axis = kViews[static_cast<size_t>(view)].down;
        return kPanelTop + 0.5 * kPanel + (axis.Of(p) - axis.Of(centre_)) * scale_;
    }
    std::string Point(int view, const MQPoint &p) const { return Number(U(view, p)) + " " + Number(V(view, p)); }
    // The same point in pixels from the panel's top left corner.
    double PanelU(int view, const MQPoint &p) const { return U(view, p) - PanelLeft(view); }
    double PanelV(int view, const MQPoint &p) const { return V(view, p) - kPanelTop; }

    // An axis of a view as one multiplication and one addition, for the millions of
    // points of a large mesh.
    struct Linear {
        int coordinate;
        double factor;
        double offset;
        double Of(const MQPoint &p) const {
            return offset + factor * (coordinate == 0 ? p.x : coordinate == 1 ? p.y : p.z);
        }
    };
    // Across and down a view, in pixels from its panel's top left corner.
    std::pair<Linear, Linear> PanelAxes(int view) const {
        const View &v = kViews[static_cast<size_t>(view)];
        const auto linear = [&](const Axis &axis) {
            return Linear{axis.coordinate, axis.sign * scale_, 0.5 * kPanel - axis.Of(centre_) * scale_};
        };
        return {linear(v.right), linear(v.down)};
    }

private:
    MQPoint centre_{};
    double scale_ = 1.0;
};

struct Edge {
    int a;
    int b;
    MQPoint normalA{};  // of the faces on either side; one face only at an open border
    MQPoint normalB{};
    int faces = 0;
};

// A face that can be drawn: two corners at least, each a vertex that is there.
inline bool Usable(const Object &object, std::span<const int> face) {
    return face.size() >= 2 && std::all_of(face.begin(), face.end(), [&](int corner) {
               return object.ValidIndex(corner) && !object.vertex(corner).deleted;
           });
}

// Newell's normal of a polygon whose corners `at` gives, in order.
template <class At>
MQPoint Normal(size_t corners, At at) {
    MQPoint n{};
    for (size_t i = 0; i < corners; ++i) {
        const MQPoint &p = at(i);
        const MQPoint &q = at((i + 1) % corners);
        n.x += (p.y - q.y) * (p.z + q.z);
        n.y += (p.z - q.z) * (p.x + q.x);
        n.z += (p.x - q.x) * (p.y + q.y);
    }
    return n;
}

// Each edge of the usable faces once, with the normals of (at most two of) its faces.
std::vector<Edge> Edges(const Object &object);

// The edges as few strokes as a greedy walk finds, so that a mesh of thousands of
// vertices stays a file of a few hundred kilobytes.
std::string Strokes(const Object &object, const std::vector<const Edge *> &edges, const Projection &projection,
                    int view);

// Faces seen almost edge-on count as turned away: through a closed mesh they are the
// outline of what lies behind, like a neck seen through the crown.
inline bool Faces(const MQPoint &normal, const Axis &towardViewer, double length) {
    return towardViewer.Of(normal) > 0.1 * length;
}

inline bool Faces(const MQPoint &normal, const Axis &towardViewer) {
    return Faces(normal, towardViewer, std::hypot(double{normal.x}, double{normal.y}, double{normal.z}));
}

}  // namespace simhost::picture
