#include "simhost/files/svg_picture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>
#include <span>
#include <tuple>
#include <unordered_map>
#include <utility>

#include "simhost/host/safe_write.h"

namespace simhost {

namespace {

constexpr std::array<const char *, 4> kSlotLabels = {"X0", "1", "2", "3"};
constexpr std::array<const char *, 4> kSlotColours = {"#d62728", "#1f5fbf", "#2ca02c", "#ff8c00"};

constexpr double kMargin = 20.0;
constexpr double kPanel = 320.0;
constexpr double kInset = 28.0;  // room inside a panel for the axes and the seam label
constexpr double kTitleHeight = 50.0;
constexpr double kCaptionHeight = 26.0;
constexpr double kPanelTop = kTitleHeight + kCaptionHeight;
constexpr double kLegendTop = kPanelTop + kPanel + 30.0;
constexpr double kLegendRow = 22.0;
constexpr double kWidth = 2.0 * kMargin + 3.0 * kPanel + 2.0 * kMargin;
constexpr double kHeight = kLegendTop + 4.0 * kLegendRow;

// Up to this many face sides in the visible objects, every edge is drawn as a line of its
// own; the file then stays within a few megabytes. Beyond, edges are drawn per pixel.
constexpr size_t kLineDrawnSides = 120'000;
// Up to this many pins of a slot, or vertices moved back, each gets a circle of its own;
// beyond, they become small marks on a grid of a few pixels, so that a slot of millions
// of pins costs no more than one whose marks fill the panel.
constexpr size_t kCircledMarks = 2'000;
constexpr int kPinPitch = 2;
constexpr int kRingPitch = 3;
constexpr int kPanelPixels = static_cast<int>(kPanel);
// The edges' greys and widths: of faces turned towards the viewer, and of the others.
constexpr int kNearGrey = 0x8a;
constexpr double kNearWidth = 0.6;
constexpr int kFarGrey = 0xe4;
constexpr double kFarWidth = 0.5;
// Some renderers refuse an attribute of many megabytes; path data is split into pieces
// of at most about this many bytes.
constexpr size_t kPathPiece = 100'000;

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

// Every coordinate lies within the page, so that a fixed buffer is always long enough; a
// vertex at infinity or NaN has no place there and is drawn at the page's corner.
std::string Number(double value) {
    if (!std::isfinite(value)) return "0.0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text(buffer, result.ptr);
    return text == "-0.0" ? "0.0" : text;
}

// A coordinate of a pixel run or a mark: whole or half pixels, written as briefly as can be.
std::string Short(double value) {
    std::string text = Number(value);
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
    return text;
}

std::string Escape(const std::string &text) {
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&apos;";
                break;
            default:
                // Control characters are not allowed in XML even as references.
                const bool control = static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r';
                escaped += control ? ' ' : c;
        }
    }
    return escaped;
}

// Hidden objects are left out altogether, pins on them included: the picture shows what
// the modeller's user sees, and a hidden object's pins stay put anyway.
bool Drawn(const Object *object) { return object != nullptr && object->visible; }

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

Box Bounds(const Document *document) {
    Box box;
    for (int i = 0; document != nullptr && i < document->ObjectCount(); ++i) {
        const Object *object = document->ObjectAt(i);
        if (!Drawn(object)) continue;
        for (int v = 0; v < object->VertexCount(); ++v) {
            const MQPoint &p = object->position(v);
            if (!object->vertex(v).deleted && std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z))
                box.Add(p);
        }
    }
    if (box.empty) {
        box.Add({-1.0f, -1.0f, -1.0f});
        box.Add({1.0f, 1.0f, 1.0f});
    }
    return box;
}

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
bool Usable(const Object &object, std::span<const int> face) {
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

MQPoint FaceNormal(const Object &object, std::span<const int> face) {
    return Normal(face.size(), [&](size_t i) -> const MQPoint & { return object.position(face[i]); });
}

std::vector<Edge> Edges(const Object &object) {
    struct Side {
        int a, b;
        size_t face;
    };
    std::vector<Side> sides;
    std::vector<MQPoint> normals;
    for (const auto &face : object.faces()) {
        if (!Usable(object, face)) continue;
        normals.push_back(FaceNormal(object, face));
        for (size_t i = 0; i < face.size(); ++i) {
            const int p = face[i];
            const int q = face[(i + 1) % face.size()];
            if (p != q) sides.push_back({std::min(p, q), std::max(p, q), normals.size() - 1});
        }
    }
    std::sort(sides.begin(), sides.end(),
              [](const Side &l, const Side &r) { return std::tie(l.a, l.b, l.face) < std::tie(r.a, r.b, r.face); });
    std::vector<Edge> edges;
    for (const Side &side : sides) {
        if (edges.empty() || edges.back().a != side.a || edges.back().b != side.b) edges.push_back({side.a, side.b});
        Edge &edge = edges.back();
        (edge.faces == 0 ? edge.normalA : edge.normalB) = normals[side.face];
        if (edge.faces < 2) ++edge.faces;
    }
    return edges;
}

// The edges as few strokes as a greedy walk finds, so that a mesh of thousands of
// vertices stays a file of a few hundred kilobytes.
std::string Strokes(const Object &object, const std::vector<const Edge *> &edges, const Projection &projection,
                    int view) {
    std::vector<std::vector<std::pair<int, size_t>>> around(static_cast<size_t>(object.VertexCount()));
    for (size_t i = 0; i < edges.size(); ++i) {
        around[static_cast<size_t>(edges[i]->a)].push_back({edges[i]->b, i});
        around[static_cast<size_t>(edges[i]->b)].push_back({edges[i]->a, i});
    }
    std::vector<bool> used(edges.size(), false);
    std::vector<size_t> next(around.size(), 0);
    // The next unused edge at a vertex, or null; edges once used stay behind the cursor.
    const auto unused = [&](int vertex) -> const std::pair<int, size_t> * {
        const auto &links = around[static_cast<size_t>(vertex)];
        size_t &cursor = next[static_cast<size_t>(vertex)];
        while (cursor < links.size() && used[links[cursor].second]) ++cursor;
        return cursor < links.size() ? &links[cursor] : nullptr;
    };
    std::string d;
    for (int start = 0; start < object.VertexCount(); ++start) {
        while (unused(start) != nullptr) {
            int at = start;
            d += "M" + projection.Point(view, object.position(at));
            while (const auto *link = unused(at)) {
                used[link->second] = true;
                at = link->first;
                d += " " + projection.Point(view, object.position(at));
            }
        }
    }
    return d;
}

// Faces seen almost edge-on count as turned away: through a closed mesh they are the
// outline of what lies behind, like a neck seen through the crown.
bool Faces(const MQPoint &normal, const Axis &towardViewer, double length) {
    return towardViewer.Of(normal) > 0.1 * length;
}

bool Faces(const MQPoint &normal, const Axis &towardViewer) {
    return Faces(normal, towardViewer, std::hypot(double{normal.x}, double{normal.y}, double{normal.z}));
}

// Path data of many subpaths, split into pieces of at most about kPathPiece bytes, each
// its own path element. A subpath moves relative to where the one before it ended, but
// the first of a piece starts from an absolute point, so that every piece stands alone.
class PathPieces {
public:
    // A subpath that starts at (x, y), goes on with `rest` and ends at (endX, endY).
    void Add(double x, double y, const std::string &rest, double endX, double endY) {
        if (pieces_.empty() || pieces_.back().size() >= kPathPiece) {
            pieces_.emplace_back();
            pieces_.back() += "M" + Short(x) + " " + Short(y);
        } else {
            pieces_.back() += "m" + Short(x - atX_) + " " + Short(y - atY_);
        }
        pieces_.back() += rest;
        atX_ = endX;
        atY_ = endY;
    }

    std::string Elements(const std::string &attributes) const {
        std::string out;
        for (const std::string &d : pieces_) out += "<path" + attributes + " d=\"" + d + "\"/>\n";
        return out;
    }

private:
    std::vector<std::string> pieces_;
    double atX_ = 0.0;
    double atY_ = 0.0;
};

// How much of each pixel of a panel the edges of one kind cover, as a renderer blends a
// thin line into the pixels it crosses: a line of width w runs l pixels through a pixel
// and covers l·w of it. A dense mesh covers its pixels many times over and is drawn as
// a solid shape; a sparse one as lines as faint as their width makes them.
class Coverage {
public:
    static constexpr int kShades = 4;

    Coverage() : cells_(static_cast<size_t>(kPanelPixels) * kPanelPixels, 0.0f) {}

    // A point in pixels from the panel's corner.
    struct Point {
        double u;
        double v;
    };

    // The sides of a face whose corners lie at `corners`, but for those from a corner to
    // itself. A face within one pixel, as nearly every face of a dense mesh is, adds its
    // whole outline there at once.
    void Polygon(std::span<const int> face, const std::vector<Point> &corners, double width) {
        const size_t first = Cell(corners[0]);
        bool onePixel = first != kOutside;
        for (size_t i = 1; i < corners.size() && onePixel; ++i) onePixel = Cell(corners[i]) == first;
        double outline = 0.0;
        for (size_t i = 0; i < corners.size(); ++i) {
            const size_t j = i + 1 == corners.size() ? 0 : i + 1;
            if (face[i] == face[j]) continue;
            if (onePixel) {
                outline += Length(corners[i], corners[j]);
            } else {
                Line(corners[i], corners[j], width);
            }
        }
        if (onePixel) cells_[first] += static_cast<float>(outline * width);
    }

    // A line between two points: sampled at least twice per pixel it crosses, each sample
    // adding its share of the length.
    void Line(const Point &from, const Point &to, double width) {
        const double du = to.u - from.u;
        const double dv = to.v - from.v;
        const double length = Length(from, to);
        if (!std::isfinite(length)) return;
        const int steps = std::max(1, static_cast<int>(std::ceil(2.0 * std::max(std::abs(du), std::abs(dv)))));
        const float share = static_cast<float>(length * width / steps);
        for (int step = 0; step < steps; ++step) {
            const double t = (step + 0.5) / steps;
            const size_t cell = Cell({from.u + t * du, from.v + t * dv});
            if (cell != kOutside) cells_[cell] += share;
        }
    }

    // The shade of a pixel: 0 for none, up to kShades for fully covered. The least touch
    // is shown, as a renderer's anti-aliasing shows the thinnest line.
    int Shade(int column, int row) const {
        const float covered = cells_[static_cast<size_t>(row) * kPanelPixels + static_cast<size_t>(column)];
        if (covered <= 0.0f) return 0;
        return static_cast<int>(std::ceil(std::min(covered, 1.0f) * kShades));
    }

private:
    static constexpr size_t kOutside = std::numeric_limits<size_t>::max();

    static double Length(const Point &from, const Point &to) {
        return std::sqrt((to.u - from.u) * (to.u - from.u) + (to.v - from.v) * (to.v - from.v));
    }

    // The pixel a point falls on. Every finite vertex lies inside the panel: outside are
    // only vertices at infinity or NaN, which have no place in the picture.
    static size_t Cell(const Point &p) {
        if (!(p.u >= 0.0 && p.u < kPanel && p.v >= 0.0 && p.v < kPanel)) return kOutside;
        return static_cast<size_t>(p.v) * kPanelPixels + static_cast<size_t>(p.u);
    }

    std::vector<float> cells_;
};

// A grey mixed with the white page as `shade` of kShades parts of it.
std::string Mixed(int grey, int shade) {
    const int value = 255 - (255 - grey) * shade / Coverage::kShades;
    char text[8];
    std::snprintf(text, sizeof text, "#%02x%02x%02x", value, value, value);
    return text;
}

// Marked cells side by side in a row of a grid of marks: the row, and the columns of the
// first and the last.
struct MarkRun {
    int row;
    int first;
    int last;
};

// Which cells of a panel's grid of marks, `pitch` pixels apart, hold one.
class MarkGrid {
public:
    explicit MarkGrid(int pitch)
        : pitch_(pitch), cells_(kPanelPixels / pitch), marked_(static_cast<size_t>(cells_) * cells_, false) {}

    // A mark at a point given in pixels from the panel's corner; none for a point outside,
    // which only a vertex at infinity or NaN gives.
    void Mark(double u, double v) {
        if (!(u >= 0.0 && u < cells_ * pitch_ && v >= 0.0 && v < cells_ * pitch_)) return;
        marked_[static_cast<size_t>(v / pitch_) * static_cast<size_t>(cells_) + static_cast<size_t>(u / pitch_)] = true;
    }

    // Row by row, each run of marked cells side by side.
    std::vector<MarkRun> Runs() const {
        std::vector<MarkRun> runs;
        const auto marked = [&](int row, int column) {
            return column < cells_ &&
                   marked_[static_cast<size_t>(row) * static_cast<size_t>(cells_) + static_cast<size_t>(column)];
        };
        for (int row = 0; row < cells_; ++row) {
            for (int column = 0; column < cells_; ++column) {
                if (!marked(row, column)) continue;
                const int first = column;
                while (marked(row, column + 1)) ++column;
                runs.push_back({row, first, column});
            }
        }
        return runs;
    }

private:
    int pitch_;
    int cells_;
    std::vector<bool> marked_;
};

// ` name="value"` for a length on the page.
std::string Attribute(const char *name, double value) { return std::string(" ") + name + "=\"" + Number(value) + "\""; }

class Writer {
public:
    explicit Writer(const PictureContent &content) : content_(content), projection_(Bounds(content.document)) {
        std::vector<const Object *> drawn;
        size_t sides = 0;
        for (int i = 0; content.document != nullptr && i < content.document->ObjectCount(); ++i) {
            const Object *object = content.document->ObjectAt(i);
            if (!Drawn(object)) continue;
            drawn.push_back(object);
            byID_[object->uniqueID()] = object;
            for (const auto &face : object->faces()) sides += face.size();
        }
        linePerEdge_ = sides <= kLineDrawnSides;
        if (!linePerEdge_) coverage_.resize(kViews.size());
        for (const Object *object : drawn) {
            if (linePerEdge_) {
                meshes_.push_back({object, Edges(*object)});
            } else {
                Cover(*object);
            }
        }
        for (size_t slot = 0; slot < content.pins.size(); ++slot) pins_[slot] = Find(content.pins[slot]);
        movedBack_ = Find(content.movedBack);
    }

    std::string Render() {
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\"" + Attribute("width", kWidth) +
                Attribute("height", kHeight) + " viewBox=\"0 0 " + Number(kWidth) + " " + Number(kHeight) +
                "\" font-family=\"sans-serif\">\n";
        out_ += "<title>" + Escape(content_.title) + "</title>\n";
        out_ +=
            "<defs><marker id=\"arrow\" viewBox=\"0 0 8 8\" refX=\"7\" refY=\"4\" markerWidth=\"7\" "
            "markerHeight=\"7\" orient=\"auto\"><path d=\"M0 0L8 4L0 8z\" fill=\"#444\"/></marker></defs>\n";
        out_ += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
        out_ += "<text" + Attribute("x", kMargin) + Attribute("y", 32.0) + " font-size=\"20\" font-weight=\"bold\">" +
                Escape(content_.title) + "</text>\n";
        for (int view = 0; view < 3; ++view) Panel(view);
        Legend();
        out_ += "</svg>\n";
        return std::move(out_);
    }

private:
    void Panel(int view) {
        const View &v = kViews[static_cast<size_t>(view)];
        const double left = Projection::PanelLeft(view);
        out_ += "<g class=\"view\" id=\"" + std::string(v.name) + "\">\n";
        out_ += "<text" + Attribute("x", left) + Attribute("y", kPanelTop - 8.0) +
                " font-size=\"15\"><tspan font-weight=\"bold\">" + v.name +
                "</tspan><tspan fill=\"#555\" font-size=\"12\" dx=\"8\">" + v.caption + "</tspan></text>\n";
        out_ += "<rect" + Attribute("x", left) + Attribute("y", kPanelTop) + Attribute("width", kPanel) +
                Attribute("height", kPanel) + " fill=\"none\" stroke=\"#bbb\"/>\n";
        AxisArrows(v, left);
        Meshes(view);
        PointsAndLines(view);
        if (v.showsSeam) Seam(view, left);
        Pins(view);
        out_ += "</g>\n";
    }

    void AxisArrows(const View &v, double left) {
        const double length = 22.0;
        const double rightSign = v.right.sign;
        const double downSign = v.down.sign;
        // The corner is chosen so that both arrows point into the panel.
        const double x = left + 12.0 + (rightSign < 0.0 ? length : 0.0);
        const double y = kPanelTop + kPanel - 12.0 - (downSign > 0.0 ? length : 0.0);
        const double tipX = x + rightSign * length;
        const double tipY = y + downSign * length;
        const std::string arrow = " stroke=\"#444\" stroke-width=\"1.2\" marker-end=\"url(#arrow)\"/>\n";
        out_ += "<line" + Attribute("x1", x) + Attribute("y1", y) + Attribute("x2", tipX) + Attribute("y2", y) + arrow;
        out_ += "<line" + Attribute("x1", x) + Attribute("y1", y) + Attribute("x2", x) + Attribute("y2", tipY) + arrow;
        const std::string label = "<text font-size=\"11\" fill=\"#444\" text-anchor=\"middle\"";
        out_ += label + Attribute("x", tipX + rightSign * 8.0) + Attribute("y", y + 4.0) + ">" + v.right.Name() +
                "</text>\n";
        out_ += label + Attribute("x", x) + Attribute("y", tipY + downSign * 11.0 + 4.0) + ">" + v.down.Name() +
                "</text>\n";
    }

    void Meshes(int view) {
        if (!linePerEdge_) {
            CoveredPixels(view);
            return;
        }
        const Axis &toward = kViews[static_cast<size_t>(view)].towardViewer;
        for (const auto &[object, edges] : meshes_) {
            // Edges only of faces turned away are drawn fainter, so that the near side of
            // a closed mesh reads through the far side.
            std::vector<const Edge *> near;
            std::vector<const Edge *> far;
            for (const Edge &edge : edges) {
                const bool facing = Faces(edge.normalA, toward) || (edge.faces > 1 && Faces(edge.normalB, toward));
                (facing ? near : far).push_back(&edge);
            }
            const std::string named = "\" data-object=\"" + Escape(object->name()) + "\" fill=\"none\" stroke=";
            if (!far.empty()) {
                out_ += "<path class=\"edges far" + named + "\"" + Mixed(kFarGrey, Coverage::kShades) + "\"" +
                        Attribute("stroke-width", kFarWidth) + " d=\"" + Strokes(*object, far, projection_, view) +
                        "\"/>\n";
            }
            if (!near.empty()) {
                out_ += "<path class=\"edges near" + named + "\"" + Mixed(kNearGrey, Coverage::kShades) + "\"" +
                        Attribute("stroke-width", kNearWidth) + " d=\"" + Strokes(*object, near, projection_, view) +
                        "\"/>\n";
            }
        }
    }

    // The point and line elements of the objects drawn, which no face shows: a line as a
    // near edge, a point as a dot. Beyond kLineDrawnSides segments, or kCircledMarks
    // points, they fall on a grid of pixels instead, each run of marked ones a stroke, so
    // that a cloud of millions of points stays a small picture.
    void PointsAndLines(int view) {
        std::vector<MQPoint> points, lines;
        std::vector<size_t> lineStarts{0};  // each line, broken where a vertex is missing
        for (int i = 0; content_.document != nullptr && i < content_.document->ObjectCount(); ++i) {
            const Object *object = content_.document->ObjectAt(i);
            if (!Drawn(object)) continue;
            const ElementList &elements = object->extras().elements;
            for (size_t e = 0; e < elements.size(); ++e) {
                for (int at = elements.starts[e]; at <= elements.starts[e + 1]; ++at) {
                    const int v = at < elements.starts[e + 1] ? elements.vertices[static_cast<size_t>(at)] : -1;
                    const bool there = object->ValidIndex(v) && !object->vertex(v).deleted;
                    if (there) (elements.lines[e] != 0 ? lines : points).push_back(object->position(v));
                    if (!there && lines.size() > lineStarts.back()) lineStarts.push_back(lines.size());
                }
            }
        }
        const size_t segments = lines.size() - (lineStarts.size() - 1);
        const double left = Projection::PanelLeft(view);
        const auto runs = [&](const MarkGrid &grid, int pitch, PathPieces &pieces, double stretch) {
            for (const MarkRun &run : grid.Runs()) {
                const double y = kPanelTop + (run.row + 0.5) * pitch;
                const double from = left + (run.first + 0.5 - stretch) * pitch;
                const double to = left + (run.last + 0.5 + stretch) * pitch;
                pieces.Add(from, y, "h" + Short(to - from), to, y);
            }
        };
        // Where a point lands, to the tenth of a pixel the page gives: subpaths start from
        // where the one before ended, and so no rounding adds up along the way.
        const auto place = [&](const MQPoint &p) {
            return std::pair(std::round(projection_.U(view, p) * 10.0) / 10.0,
                             std::round(projection_.V(view, p) * 10.0) / 10.0);
        };
        PathPieces strokes, dots;
        if (segments <= kLineDrawnSides) {
            for (size_t line = 0; line + 1 < lineStarts.size(); ++line) {
                std::string rest = "L";
                for (size_t at = lineStarts[line] + 1; at < lineStarts[line + 1]; ++at) {
                    const auto [u, v] = place(lines[at]);
                    rest += (rest.size() > 1 ? " " : "") + Number(u) + " " + Number(v);
                }
                const auto [u, v] = place(lines[lineStarts[line]]);
                const auto [endU, endV] = place(lines[lineStarts[line + 1] - 1]);
                strokes.Add(u, v, rest.size() > 1 ? rest : "h0", endU, endV);
            }
        } else {
            MarkGrid pixels(1);
            for (size_t at = 1; at < lines.size(); ++at) {
                if (std::binary_search(lineStarts.begin(), lineStarts.end(), at)) continue;
                const double u = projection_.PanelU(view, lines[at - 1]), v = projection_.PanelV(view, lines[at - 1]);
                const double du = projection_.PanelU(view, lines[at]) - u, dv = projection_.PanelV(view, lines[at]) - v;
                if (!std::isfinite(du) || !std::isfinite(dv)) continue;
                const int steps = std::max(1, static_cast<int>(std::ceil(2.0 * std::max(std::abs(du), std::abs(dv)))));
                for (int step = 0; step <= steps; ++step) pixels.Mark(u + du * step / steps, v + dv * step / steps);
            }
            runs(pixels, 1, strokes, 0.5);
        }
        if (points.size() <= kCircledMarks) {
            for (const MQPoint &p : points) {
                const auto [u, v] = place(p);
                dots.Add(u, v, "h0", u, v);
            }
        } else {
            MarkGrid cells(kPinPitch);
            for (const MQPoint &p : points) cells.Mark(projection_.PanelU(view, p), projection_.PanelV(view, p));
            runs(cells, kPinPitch, dots, 0.0);
        }
        out_ += strokes.Elements(" class=\"lines\" fill=\"none\" stroke=\"" + Mixed(kNearGrey, Coverage::kShades) +
                                 "\" stroke-linecap=\"round\"" +
                                 Attribute("stroke-width", segments <= kLineDrawnSides ? kNearWidth : 1.0));
        out_ += dots.Elements(
            " class=\"points\" fill=\"none\" stroke=\"#333\" stroke-width=\"3\" stroke-linecap=\"round\"");
    }

    // Each side of each face into the coverage of every view, near or far as the face is
    // turned. A side between two faces comes once from each, so each adds half its width.
    void Cover(const Object &object) {
        std::array<std::pair<Projection::Linear, Projection::Linear>, 3> axes;
        for (int view = 0; view < 3; ++view) axes[static_cast<size_t>(view)] = projection_.PanelAxes(view);
        std::vector<MQPoint> points;
        std::vector<Coverage::Point> corners;
        for (const auto &face : object.faces()) {
            if (!Usable(object, face)) continue;
            points.clear();
            for (int corner : face) points.push_back(object.position(corner));
            const MQPoint normal = Normal(points.size(), [&](size_t i) -> const MQPoint & { return points[i]; });
            const double length =
                std::sqrt(double{normal.x} * normal.x + double{normal.y} * normal.y + double{normal.z} * normal.z);
            for (size_t view = 0; view < 3; ++view) {
                const bool near = Faces(normal, kViews[view].towardViewer, length);
                corners.clear();
                for (const MQPoint &p : points) corners.push_back({axes[view].first.Of(p), axes[view].second.Of(p)});
                coverage_[view][near ? 1 : 0].Polygon(face, corners, 0.5 * (near ? kNearWidth : kFarWidth));
            }
        }
    }

    // The covered pixels as runs along each row, one path per shade, the far side first.
    // A far pixel under a fully covered near one would never be seen and is left out.
    void CoveredPixels(int view) {
        const Coverage &far = coverage_[static_cast<size_t>(view)][0];
        const Coverage &near = coverage_[static_cast<size_t>(view)][1];
        const double left = Projection::PanelLeft(view);
        for (const bool nearSide : {false, true}) {
            const Coverage &coverage = nearSide ? near : far;
            for (int shade = 1; shade <= Coverage::kShades; ++shade) {
                const auto shown = [&](int column, int row) {
                    return coverage.Shade(column, row) == shade &&
                           (nearSide || near.Shade(column, row) < Coverage::kShades);
                };
                PathPieces runs;
                for (int row = 0; row < kPanelPixels; ++row) {
                    const double y = kPanelTop + row + 0.5;
                    for (int column = 0; column < kPanelPixels; ++column) {
                        if (!shown(column, row)) continue;
                        const int first = column;
                        while (column + 1 < kPanelPixels && shown(column + 1, row)) ++column;
                        const int length = column + 1 - first;
                        runs.Add(left + first, y, "h" + std::to_string(length), left + first + length, y);
                    }
                }
                out_ += runs.Elements(std::string(" class=\"edges ") + (nearSide ? "near" : "far") +
                                      "\" fill=\"none\" stroke=\"" + Mixed(nearSide ? kNearGrey : kFarGrey, shade) +
                                      "\" stroke-width=\"1\" shape-rendering=\"crispEdges\"");
            }
        }
    }

    void Seam(int view, double left) {
        const double u = projection_.U(view, {0.0f, 0.0f, 0.0f});
        if (u < left + 1.0 || u > left + kPanel - 1.0) return;
        out_ += "<line class=\"seam\"" + Attribute("x1", u) + Attribute("y1", kPanelTop + 4.0) + Attribute("x2", u) +
                Attribute("y2", kPanelTop + kPanel - 4.0) +
                " stroke=\"#333\" stroke-width=\"0.9\" stroke-dasharray=\"6 4\"/>\n";
        out_ += "<text" + Attribute("x", u + 5.0) + Attribute("y", kPanelTop + 16.0) +
                " font-size=\"11\" fill=\"#333\">X = 0</text>\n";
    }

    // The vertices that keys name and that are there to be drawn, with how many were named.
    struct Found {
        std::vector<MQPoint> points;
        size_t named = 0;
    };

    Found Find(const std::vector<VertexKey> &keys) const {
        Found found;
        found.named = keys.size();
        found.points.reserve(keys.size());
        // Keys mostly come as slots hold them, object by object in the order of their
        // vertices, so the vertex after the last one found is tried before looking up.
        const Object *object = nullptr;
        int index = -1;
        for (const VertexKey &key : keys) {
            if (object == nullptr || object->uniqueID() != key.objectID) {
                const auto named = byID_.find(key.objectID);
                object = named == byID_.end() ? nullptr : named->second;
                index = -1;
            }
            if (object == nullptr) continue;
            const int next = index + 1;
            const bool followsLast = object->ValidIndex(next) && !object->vertex(next).deleted &&
                                     object->vertex(next).uniqueID == key.vertexID;
            const int at = followsLast ? next : object->IndexFromUniqueID(key.vertexID);
            if (!object->ValidIndex(at)) continue;
            index = at;
            found.points.push_back(object->position(index));
        }
        return found;
    }

    // One circle per vertex.
    std::string Circles(int view, const Found &found, double radius) const {
        std::string circles;
        for (const MQPoint &p : found.points) {
            circles += "<circle" + Attribute("cx", projection_.U(view, p)) + Attribute("cy", projection_.V(view, p)) +
                       Attribute("r", radius) + "/>";
        }
        return circles;
    }

    // Too many vertices for a circle each: where any fall on a cell of a grid `pitch`
    // pixels apart, a mark. `Mark` adds a run of marked cells side by side, given the
    // centres of its first and last.
    template <class Mark>
    std::string Marks(int view, const Found &found, int pitch, Mark mark) const {
        MarkGrid grid(pitch);
        for (const MQPoint &p : found.points) grid.Mark(projection_.PanelU(view, p), projection_.PanelV(view, p));
        const double left = Projection::PanelLeft(view);
        PathPieces marks;
        for (const MarkRun &run : grid.Runs()) {
            const double y = kPanelTop + (run.row + 0.5) * pitch;
            mark(marks, left + (run.first + 0.5) * pitch, left + (run.last + 0.5) * pitch, y);
        }
        return marks.Elements("");
    }

    void Pins(int view) {
        for (size_t slot = 0; slot < pins_.size(); ++slot) {
            const Found &found = pins_[slot];
            if (found.points.empty()) continue;
            out_ += "<g class=\"pins\" data-slot=\"" + std::to_string(slot) + "\"";
            if (found.points.size() <= kCircledMarks) {
                out_ += std::string(" fill=\"") + kSlotColours[slot] + "\" stroke=\"#fff\" stroke-width=\"0.6\">" +
                        Circles(view, found, 3.2) + "</g>\n";
                continue;
            }
            // A dot each; a run of them, a bar with round ends.
            out_ += std::string(" fill=\"none\" stroke=\"") + kSlotColours[slot] +
                    "\" stroke-width=\"4\" stroke-linecap=\"round\">\n" +
                    Marks(view, found, kPinPitch,
                          [](PathPieces &marks, double first, double last, double y) {
                              marks.Add(first, y, "h" + Short(last - first), last, y);
                          }) +
                    "</g>\n";
        }
        if (movedBack_.points.empty()) return;
        if (movedBack_.points.size() <= kCircledMarks) {
            out_ += "<g class=\"moved-back\" fill=\"none\" stroke=\"#000\" stroke-width=\"1.3\">" +
                    Circles(view, movedBack_, 6.0) + "</g>\n";
            return;
        }
        // A small ring each, far enough apart that the pins show through.
        out_ += "<g class=\"moved-back\" fill=\"none\" stroke=\"#000\" stroke-width=\"0.7\">\n" +
                Marks(view, movedBack_, kRingPitch,
                      [](PathPieces &marks, double first, double last, double y) {
                          for (double x = first; x <= last; x += kRingPitch) {
                              marks.Add(x - 2.5, y, "a2.5 2.5 0 1 0 5 0a2.5 2.5 0 1 0-5 0", x - 2.5, y);
                          }
                      }) +
                "</g>\n";
    }

    // How many there are, and how many of them the picture cannot show.
    static std::string Count(const Found &found, const char *one, const char *many) {
        const size_t missing = found.named - found.points.size();
        std::string text = std::to_string(found.named) + " " + (found.named == 1 ? one : many);
        if (missing > 0) text += " (" + std::to_string(missing) + " not shown)";
        return text;
    }

    void Legend() {
        const double x = kMargin;
        out_ += "<g class=\"legend\" font-size=\"13\">\n";
        for (size_t slot = 0; slot < content_.pins.size(); ++slot) {
            const double y = kLegendTop + static_cast<double>(slot) * kLegendRow;
            out_ += "<g class=\"slot\" data-slot=\"" + std::to_string(slot) + "\"><circle" + Attribute("cx", x + 6.0) +
                    Attribute("cy", y - 4.5) + Attribute("r", 5.0) + " fill=\"" + kSlotColours[slot] + "\"/>";
            out_ += "<text" + Attribute("x", x + 18.0) + Attribute("y", y) + "><tspan font-weight=\"bold\">" +
                    kSlotLabels[slot] + "</tspan><tspan" + Attribute("x", x + 50.0) + ">" +
                    Count(pins_[slot], "pin", "pins") + "</tspan><tspan" + Attribute("x", x + 220.0) +
                    (content_.armed[slot] ? " fill=\"#000\">armed" : " fill=\"#888\">disarmed") +
                    "</tspan></text></g>\n";
        }
        const double column = Projection::PanelLeft(1);
        const double y = kLegendTop + kLegendRow;
        out_ += "<circle" + Attribute("cx", column + 6.0) + Attribute("cy", kLegendTop - 4.5) + Attribute("r", 6.0) +
                " fill=\"none\" stroke=\"#000\" stroke-width=\"1.3\"/>";
        out_ += "<text" + Attribute("x", column + 18.0) + Attribute("y", kLegendTop) +
                ">moved back by the last draw: " + Count(movedBack_, "vertex", "vertices") + "</text>\n";
        out_ += "<line" + Attribute("x1", column) + Attribute("y1", y - 4.5) + Attribute("x2", column + 12.0) +
                Attribute("y2", y - 4.5) + " stroke=\"#333\" stroke-width=\"0.9\" stroke-dasharray=\"4 2\"/>";
        out_ += "<text" + Attribute("x", column + 18.0) + Attribute("y", y) + ">the plane X = 0</text>\n";
        out_ += "<text" + Attribute("x", column) + Attribute("y", y + kLegendRow) + " font-size=\"11\" fill=\"#666\">" +
                "1 unit = " + Number(projection_.scale()) + " px; faint edges face away; hidden objects not drawn" +
                "</text>\n";
        if (!linePerEdge_) {
            out_ += "<text" + Attribute("x", column) + Attribute("y", y + 2.0 * kLegendRow) +
                    " font-size=\"11\" fill=\"#666\">too many edges for a line each: every pixel shaded by how much "
                    "of it they cover</text>\n";
        }
        out_ += "</g>\n";
    }

    const PictureContent &content_;
    Projection projection_;
    std::unordered_map<int, const Object *> byID_;  // the objects drawn, by unique ID
    bool linePerEdge_ = true;
    std::vector<std::pair<const Object *, std::vector<Edge>>> meshes_;
    std::vector<std::array<Coverage, 2>> coverage_;  // per view, far and near; none for lines
    std::array<Found, 4> pins_;
    Found movedBack_;
    std::string out_;
};

}  // namespace

std::string RenderSvg(const PictureContent &content) { return Writer(content).Render(); }

void WritePicture(const std::string &path, const PictureContent &content) { WriteWholeFile(path, RenderSvg(content)); }

}  // namespace simhost
