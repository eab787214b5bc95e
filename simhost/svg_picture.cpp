#include "simhost/svg_picture.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <tuple>
#include <utility>

#include "simhost/safe_write.h"

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

const MQPoint *FindVertex(const Document *document, const VertexKey &key) {
    if (document == nullptr) return nullptr;
    const Object *object = document->ObjectFromUniqueID(key.objectID);
    if (!Drawn(object)) return nullptr;
    const int index = object->IndexFromUniqueID(key.vertexID);
    if (!object->ValidIndex(index)) return nullptr;
    return &object->vertex(index).position;
}

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
        for (const Vertex &vertex : object->vertices()) {
            const MQPoint &p = vertex.position;
            if (!vertex.deleted && std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z)) box.Add(p);
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

MQPoint FaceNormal(const Object &object, std::span<const int> face) {
    MQPoint n{};
    for (size_t i = 0; i < face.size(); ++i) {
        const MQPoint &p = object.vertex(face[i]).position;
        const MQPoint &q = object.vertex(face[(i + 1) % face.size()]).position;
        n.x += (p.y - q.y) * (p.z + q.z);
        n.y += (p.z - q.z) * (p.x + q.x);
        n.z += (p.x - q.x) * (p.y + q.y);
    }
    return n;
}

std::vector<Edge> Edges(const Object &object) {
    struct Side {
        int a, b;
        size_t face;
    };
    std::vector<Side> sides;
    std::vector<MQPoint> normals;
    for (const auto &face : object.faces()) {
        const bool usable = face.size() >= 2 && std::all_of(face.begin(), face.end(), [&](int corner) {
                                return object.ValidIndex(corner) && !object.vertex(corner).deleted;
                            });
        if (!usable) continue;
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
            d += "M" + projection.Point(view, object.vertex(at).position);
            while (const auto *link = unused(at)) {
                used[link->second] = true;
                at = link->first;
                d += " " + projection.Point(view, object.vertex(at).position);
            }
        }
    }
    return d;
}

// Faces seen almost edge-on count as turned away: through a closed mesh they are the
// outline of what lies behind, like a neck seen through the crown.
bool Faces(const MQPoint &normal, const Axis &towardViewer) {
    return towardViewer.Of(normal) > 0.1 * std::hypot(double{normal.x}, double{normal.y}, double{normal.z});
}

// ` name="value"` for a length on the page.
std::string Attribute(const char *name, double value) { return std::string(" ") + name + "=\"" + Number(value) + "\""; }

class Writer {
public:
    explicit Writer(const PictureContent &content) : content_(content), projection_(Bounds(content.document)) {
        for (int i = 0; content.document != nullptr && i < content.document->ObjectCount(); ++i) {
            const Object *object = content.document->ObjectAt(i);
            if (Drawn(object)) meshes_.push_back({object, Edges(*object)});
        }
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
                out_ += "<path class=\"edges far" + named + "\"#e4e4e4\" stroke-width=\"0.5\" d=\"" +
                        Strokes(*object, far, projection_, view) + "\"/>\n";
            }
            if (!near.empty()) {
                out_ += "<path class=\"edges near" + named + "\"#8a8a8a\" stroke-width=\"0.6\" d=\"" +
                        Strokes(*object, near, projection_, view) + "\"/>\n";
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

    // One circle per vertex that is there to be drawn.
    std::string Circles(int view, const std::vector<VertexKey> &keys, double radius) const {
        std::string circles;
        for (const VertexKey &key : keys) {
            const MQPoint *p = FindVertex(content_.document, key);
            if (p == nullptr) continue;
            circles += "<circle" + Attribute("cx", projection_.U(view, *p)) + Attribute("cy", projection_.V(view, *p)) +
                       Attribute("r", radius) + "/>";
        }
        return circles;
    }

    void Pins(int view) {
        for (size_t slot = 0; slot < content_.pins.size(); ++slot) {
            const std::string circles = Circles(view, content_.pins[slot], 3.2);
            if (circles.empty()) continue;
            out_ += "<g class=\"pins\" data-slot=\"" + std::to_string(slot) + "\" fill=\"" + kSlotColours[slot] +
                    "\" stroke=\"#fff\" stroke-width=\"0.6\">" + circles + "</g>\n";
        }
        const std::string rings = Circles(view, content_.movedBack, 6.0);
        if (!rings.empty()) {
            out_ += "<g class=\"moved-back\" fill=\"none\" stroke=\"#000\" stroke-width=\"1.3\">" + rings + "</g>\n";
        }
    }

    // How many there are, and how many of them the picture cannot show.
    std::string Count(const std::vector<VertexKey> &keys, const char *one, const char *many) const {
        const auto shown = std::count_if(keys.begin(), keys.end(), [&](const VertexKey &key) {
            return FindVertex(content_.document, key) != nullptr;
        });
        const size_t missing = keys.size() - static_cast<size_t>(shown);
        std::string text = std::to_string(keys.size()) + " " + (keys.size() == 1 ? one : many);
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
                    Count(content_.pins[slot], "pin", "pins") + "</tspan><tspan" + Attribute("x", x + 220.0) +
                    (content_.armed[slot] ? " fill=\"#000\">armed" : " fill=\"#888\">disarmed") +
                    "</tspan></text></g>\n";
        }
        const double column = Projection::PanelLeft(1);
        const double y = kLegendTop + kLegendRow;
        out_ += "<circle" + Attribute("cx", column + 6.0) + Attribute("cy", kLegendTop - 4.5) + Attribute("r", 6.0) +
                " fill=\"none\" stroke=\"#000\" stroke-width=\"1.3\"/>";
        out_ += "<text" + Attribute("x", column + 18.0) + Attribute("y", kLegendTop) +
                ">moved back by the last draw: " + Count(content_.movedBack, "vertex", "vertices") + "</text>\n";
        out_ += "<line" + Attribute("x1", column) + Attribute("y1", y - 4.5) + Attribute("x2", column + 12.0) +
                Attribute("y2", y - 4.5) + " stroke=\"#333\" stroke-width=\"0.9\" stroke-dasharray=\"4 2\"/>";
        out_ += "<text" + Attribute("x", column + 18.0) + Attribute("y", y) + ">the plane X = 0</text>\n";
        out_ += "<text" + Attribute("x", column) + Attribute("y", y + kLegendRow) + " font-size=\"11\" fill=\"#666\">" +
                "1 unit = " + Number(projection_.scale()) + " px; faint edges face away; hidden objects not drawn" +
                "</text>\n";
        out_ += "</g>\n";
    }

    const PictureContent &content_;
    Projection projection_;
    std::vector<std::pair<const Object *, std::vector<Edge>>> meshes_;
    std::string out_;
};

}  // namespace

std::string RenderSvg(const PictureContent &content) { return Writer(content).Render(); }

void WritePicture(const std::string &path, const PictureContent &content) { WriteWholeFile(path, RenderSvg(content)); }

}  // namespace simhost
