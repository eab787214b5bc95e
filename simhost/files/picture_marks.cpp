#include "simhost/files/picture_marks.h"

#include "simhost/files/picture_raster.h"

namespace simhost::picture {

namespace {

constexpr int kRingPitch = 3;
// Hollow marks are bars with a middle this wide masked out: wider than the rows are
// apart, so that those close up and only the outline of the marked cells shows.
constexpr double kHollowMiddle = 2.2;
// Rings on the grid of marks are thinner still, as they crowd together.
constexpr double kRingMarkWidth = 0.5;

// One circle per vertex.
std::string Circles(const Projection &projection, int view, const Found &found, double radius) {
    std::string circles;
    for (const MQPoint &p : found.points) {
        circles += "<circle" + Attribute("cx", projection.U(view, p)) + Attribute("cy", projection.V(view, p)) +
                   Attribute("r", radius) + "/>";
    }
    return circles;
}

// Too many vertices for a circle each: where any fall on a cell of a grid `pitch` pixels
// apart, a mark. `Mark` adds a run of marked cells side by side, given the centres of its
// first and last.
template <class Mark>
std::string Marks(const Projection &projection, int view, const Found &found, int pitch, Mark mark) {
    MarkGrid grid(pitch);
    for (const MQPoint &p : found.points) grid.Mark(projection.PanelU(view, p), projection.PanelV(view, p));
    const double left = Projection::PanelLeft(view);
    PathPieces marks;
    for (const MarkRun &run : grid.Runs()) {
        const double y = kPanelTop + (run.row + 0.5) * pitch;
        mark(marks, left + (run.first + 0.5) * pitch, left + (run.last + 0.5) * pitch, y);
    }
    return marks.Elements("");
}

}  // namespace

Found Find(const ObjectsByID &objects, const std::vector<VertexKey> &keys) {
    Found found;
    found.named = keys.size();
    found.points.reserve(keys.size());
    // Keys mostly come as slots hold them, object by object in the order of their
    // vertices, so the vertex after the last one found is tried before looking up.
    const Object *object = nullptr;
    int index = -1;
    for (const VertexKey &key : keys) {
        if (object == nullptr || object->uniqueID() != key.objectID) {
            const auto named = objects.find(key.objectID);
            object = named == objects.end() ? nullptr : named->second;
            index = -1;
        }
        if (object == nullptr) continue;
        const int next = index + 1;
        const bool followsLast =
            object->ValidIndex(next) && !object->vertex(next).deleted && object->vertex(next).uniqueID == key.vertexID;
        const int at = followsLast ? next : object->IndexFromUniqueID(key.vertexID);
        if (!object->ValidIndex(at)) continue;
        index = at;
        found.points.push_back(object->position(index));
    }
    return found;
}

std::string PinMarks(const Projection &projection, int view, size_t slot, const Found &pins, const char *colour,
                     bool armed) {
    if (pins.points.empty()) return "";
    const std::string group = "<g class=\"pins\" data-slot=\"" + std::to_string(slot) + "\"";
    const std::string stroke = std::string(" stroke=\"") + colour + "\"";
    if (pins.points.size() <= kCircledMarks) {
        return group +
               (armed ? std::string(" fill=\"") + colour + "\" stroke=\"#fff\" stroke-width=\"0.6\">"
                      : " fill=\"none\"" + stroke + Attribute("stroke-width", kHollowWidth) + ">") +
               Circles(projection, view, pins, 3.2) + "</g>\n";
    }
    // A dot each; a run of them, a bar with round ends.
    const std::string bars =
        Marks(projection, view, pins, kPinPitch, [](PathPieces &marks, double first, double last, double y) {
            marks.Add(first, y, "h" + Short(last - first), last, y);
        });
    const std::string barred = " fill=\"none\"" + stroke + " stroke-width=\"4\" stroke-linecap=\"round\"";
    if (armed) return group + barred + ">\n" + bars + "</g>\n";
    // Hollow: the middles masked out, so that the edges and the pins of other slots under
    // them stay in sight. The mask draws the same bars again by reference, so that the
    // file holds them once.
    const std::string name = kViews[static_cast<size_t>(view)].name + std::string("-") + std::to_string(slot);
    const std::string panel = Attribute("x", Projection::PanelLeft(view)) + Attribute("y", kPanelTop) +
                              Attribute("width", kPanel) + Attribute("height", kPanel);
    return "<mask id=\"hollow-" + name + "\" maskUnits=\"userSpaceOnUse\"" + panel + "><rect" + panel +
           " fill=\"#fff\"/><use xlink:href=\"#bars-" + name + "\" fill=\"none\" stroke=\"#000\"" +
           Attribute("stroke-width", kHollowMiddle) + " stroke-linecap=\"round\"/></mask>\n" + group + barred +
           " mask=\"url(#hollow-" + name + ")\"><g id=\"bars-" + name + "\">\n" + bars + "</g></g>\n";
}

std::string MovedBackRings(const Projection &projection, int view, const Found &movedBack) {
    if (movedBack.points.empty()) return "";
    const std::string group = std::string("<g class=\"moved-back\" fill=\"none\" stroke=\"") + kRingColour + "\"";
    if (movedBack.points.size() <= kCircledMarks) {
        return group + Attribute("stroke-width", kRingWidth) + ">" + Circles(projection, view, movedBack, kRingRadius) +
               "</g>\n";
    }
    // A small ring each, far enough apart that the pins show through.
    return group + Attribute("stroke-width", kRingMarkWidth) + ">\n" +
           Marks(projection, view, movedBack, kRingPitch,
                 [](PathPieces &marks, double first, double last, double y) {
                     for (double x = first; x <= last; x += kRingPitch) {
                         marks.Add(x - 2.5, y, "a2.5 2.5 0 1 0 5 0a2.5 2.5 0 1 0-5 0", x - 2.5, y);
                     }
                 }) +
           "</g>\n";
}

}  // namespace simhost::picture
