// The writer of a picture: the page with its title and what the plug-in made of the seam,
// the three panels (axes, edges, the vertices moved back, pins, the plane X = 0), and the
// legend.
//
// Sections:
//   constants      the legend's rows, and when edges give way to the raster
//   text           escaping for XML
//   Writer         gathering what is drawn; the page, the caption under its title and
//                  its panels; axes and edges; the seam; the legend
//   entry points   RenderSvg, WritePicture
#include "simhost/files/svg_picture.h"

#include <cmath>
#include <cstdio>
#include <utility>

#include "simhost/files/picture_geometry.h"
#include "simhost/files/picture_marks.h"
#include "simhost/files/picture_raster.h"
#include "simhost/files/slot_colours.h"
#include "simhost/files/utf8_text.h"
#include "simhost/host/safe_write.h"
#include "simhost/host/slot_names.h"

namespace simhost {

namespace {

using namespace picture;

// ---- constants ----

constexpr double kLegendTop = kPanelTop + kPanel + 30.0;
constexpr double kLegendRow = 22.0;
constexpr double kWidth = 2.0 * kMargin + 3.0 * kPanel + 2.0 * kMargin;
constexpr double kHeight = kLegendTop + 4.0 * kLegendRow;

// Up to this many face sides in the visible objects, every edge is drawn as a line of its
// own; the file then stays within a few megabytes. Beyond, edges are drawn per pixel.
constexpr size_t kLineDrawnSides = 120'000;
// The edges' greys and widths: of faces turned towards the viewer, and of the others.
constexpr int kNearGrey = 0x8a;
constexpr double kNearWidth = 0.6;
constexpr int kFarGrey = 0xe4;
constexpr double kFarWidth = 0.5;

// ---- text ----

// Object names are the bytes their file held, in whatever code page it was saved: XML
// takes UTF-8 only, so a picture shows what is not as U+FFFD.
std::string Escape(const std::string &text) {
    const std::string valid = ValidUtf8(text);
    std::string escaped;
    escaped.reserve(valid.size());
    for (size_t at = 0; at < valid.size(); ++at) {
        const char c = valid[at];
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
                // Control characters are not allowed in XML even as references; nor are
                // U+FFFE and U+FFFF.
                if (static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r') {
                    escaped += ' ';
                } else if (valid.compare(at, 2, "\xEF\xBF") == 0 && at + 2 < valid.size() &&
                           (valid[at + 2] == '\xBE' || valid[at + 2] == '\xBF')) {
                    escaped += "\xEF\xBF\xBD";
                    at += 2;
                } else {
                    escaped += c;
                }
        }
    }
    return escaped;
}

// ---- Writer ----

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
        for (size_t slot = 0; slot < content.pins.size(); ++slot) pins_[slot] = Find(byID_, content.pins[slot]);
        movedBack_ = Find(byID_, content.movedBack);
    }

    std::string Render() {
        out_ += "<svg xmlns=\"http://www.w3.org/2000/svg\" xmlns:xlink=\"http://www.w3.org/1999/xlink\"" +
                Attribute("width", kWidth) + Attribute("height", kHeight) + " viewBox=\"0 0 " + Number(kWidth) + " " +
                Number(kHeight) + "\" font-family=\"sans-serif\">\n";
        out_ += "<title>" + Escape(content_.title) + "</title>\n";
        out_ +=
            "<defs><marker id=\"arrow\" viewBox=\"0 0 8 8\" refX=\"7\" refY=\"4\" markerWidth=\"7\" "
            "markerHeight=\"7\" orient=\"auto\"><path d=\"M0 0L8 4L0 8z\" fill=\"#444\"/></marker></defs>\n";
        out_ += "<rect width=\"100%\" height=\"100%\" fill=\"#fff\"/>\n";
        out_ += "<text" + Attribute("x", kMargin) + Attribute("y", 32.0) + " font-size=\"20\" font-weight=\"bold\">" +
                Escape(content_.title) + "</text>\n";
        Caption();
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
        out_ += MovedBackRings(projection_, view, movedBack_);
        Pins(view);
        // Over the pins, thin: a seam pinned on the plane would hide it.
        if (v.showsSeam) Seam(view, left);
        out_ += "</g>\n";
    }

    // What the text report says in numbers, where the picture is first looked at: whether
    // the plug-in is on, and how far the seam strays from X = 0.
    void Caption() {
        if (!content_.status) return;
        const PictureStatus &status = *content_.status;
        std::string seam = "seam: no vertex pinned in slot X0";
        if (status.seamVertices > 0) {
            char largest[32];
            std::snprintf(largest, sizeof largest, "%.6g", status.seamLargestX);
            seam = std::string("seam: largest |X| ") + largest + " over " + std::to_string(status.seamVertices) +
                   (status.seamVertices == 1 ? " vertex" : " vertices");
        }
        out_ += "<text class=\"caption\"" + Attribute("x", kMargin) + Attribute("y", 58.0) +
                " font-size=\"14\" fill=\"#222\"><tspan font-weight=\"bold\">" +
                (status.pluginOn ? "plug-in on" : "plug-in off") + "</tspan> \u00b7 <tspan>" + seam +
                "</tspan></text>\n";
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

    void Pins(int view) {
        for (size_t slot = 0; slot < pins_.size(); ++slot) {
            out_ += PinMarks(projection_, view, slot, pins_[slot], kSlotColours[slot], content_.armed[slot]);
        }
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
            const bool armed = content_.armed[slot];
            const std::string colour = kSlotColours[slot];
            out_ += "<g class=\"slot\" data-slot=\"" + std::to_string(slot) + "\"><circle" + Attribute("cx", x + 6.0) +
                    Attribute("cy", y - 4.5) +
                    (armed ? Attribute("r", 5.0) + " fill=\"" + colour + "\"/>"
                           : Attribute("r", 4.4) + " fill=\"none\" stroke=\"" + colour + "\"" +
                                 Attribute("stroke-width", kHollowWidth) + "/>");
            out_ += "<text" + Attribute("x", x + 18.0) + Attribute("y", y) + "><tspan font-weight=\"bold\">" +
                    kSlotLabels[slot] + "</tspan><tspan" + Attribute("x", x + 50.0) + ">" +
                    Count(pins_[slot], "pin", "pins") + "</tspan><tspan" + Attribute("x", x + 220.0) +
                    (armed ? " fill=\"#000\">armed" : " fill=\"#888\">disarmed") + "</tspan></text></g>\n";
        }
        const double column = Projection::PanelLeft(1);
        const double y = kLegendTop + kLegendRow;
        out_ += "<circle" + Attribute("cx", column + 6.0) + Attribute("cy", kLegendTop - 4.5) +
                Attribute("r", kRingRadius) + " fill=\"none\" stroke=\"" + kRingColour + "\"" +
                Attribute("stroke-width", kRingWidth) + "/>";
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
    ObjectsByID byID_;  // the objects drawn
    bool linePerEdge_ = true;
    std::vector<std::pair<const Object *, std::vector<Edge>>> meshes_;
    std::vector<std::array<Coverage, 2>> coverage_;  // per view, far and near; none for lines
    std::array<Found, 4> pins_;
    Found movedBack_;
    std::string out_;
};

}  // namespace

// ---- entry points ----

std::string RenderSvg(const PictureContent &content) { return Writer(content).Render(); }

void WritePicture(const std::string &path, const PictureContent &content) { WriteWholeFile(path, RenderSvg(content)); }

}  // namespace simhost
