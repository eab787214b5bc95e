#include "simhost/files/picture_geometry.h"

#include <charconv>
#include <tuple>

namespace simhost::picture {

namespace {

MQPoint FaceNormal(const Object &object, std::span<const int> face) {
    return Normal(face.size(), [&](size_t i) -> const MQPoint & { return object.position(face[i]); });
}

}  // namespace

std::string Number(double value) {
    if (!std::isfinite(value)) return "0.0";
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, 1);
    std::string text(buffer, result.ptr);
    return text == "-0.0" ? "0.0" : text;
}

std::string Short(double value) {
    std::string text = Number(value);
    if (text.size() > 2 && text.compare(text.size() - 2, 2, ".0") == 0) text.resize(text.size() - 2);
    return text;
}

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

}  // namespace simhost::picture
