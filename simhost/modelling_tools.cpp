#include "simhost/modelling_tools.h"

#include <algorithm>
#include <random>
#include <set>
#include <utility>

namespace simhost {

namespace {

template <class Change>
void ForEach(Object &object, Scope scope, Change change) {
    for (int i = 0; i < object.VertexCount(); ++i) {
        Vertex &vertex = object.vertex(i);
        if (vertex.deleted || (scope == Scope::Selected && !vertex.selected)) continue;
        change(vertex.position);
    }
}

void SetSelected(Object &object, const std::vector<int> &indices, bool selected) {
    for (int index : indices) {
        if (object.ValidIndex(index) && !object.vertex(index).deleted) object.vertex(index).selected = selected;
    }
}

}  // namespace

void Select(Object &object, const std::vector<int> &indices) { SetSelected(object, indices, true); }
void Deselect(Object &object, const std::vector<int> &indices) { SetSelected(object, indices, false); }

void SelectAll(Object &object) {
    for (int i = 0; i < object.VertexCount(); ++i) object.vertex(i).selected = !object.vertex(i).deleted;
}

void ClearSelection(Object &object) {
    for (int i = 0; i < object.VertexCount(); ++i) object.vertex(i).selected = false;
}

std::vector<int> SelectedIndices(const Object &object) {
    std::vector<int> indices;
    for (int i = 0; i < object.VertexCount(); ++i) {
        if (object.vertex(i).selected) indices.push_back(i);
    }
    return indices;
}

void Move(Object &object, MQPoint delta, Scope scope) {
    ForEach(object, scope, [&](MQPoint &p) {
        p.x += delta.x;
        p.y += delta.y;
        p.z += delta.z;
    });
}

void Scale(Object &object, MQPoint factor, MQPoint centre, Scope scope) {
    ForEach(object, scope, [&](MQPoint &p) {
        p.x = centre.x + (p.x - centre.x) * factor.x;
        p.y = centre.y + (p.y - centre.y) * factor.y;
        p.z = centre.z + (p.z - centre.z) * factor.z;
    });
}

void Jitter(Object &object, float amplitude, uint32_t seed, Scope scope) {
    std::mt19937 random(seed);
    std::uniform_real_distribution<float> offset(-amplitude, amplitude);
    ForEach(object, scope, [&](MQPoint &p) {
        p.x += offset(random);
        p.y += offset(random);
        p.z += offset(random);
    });
}

void Smooth(Object &object, int iterations, Scope scope) {
    const int count = object.VertexCount();
    std::set<std::pair<int, int>> edges;
    for (const auto &face : object.faces()) {
        for (size_t i = 0; i < face.size(); ++i) {
            const int a = face[i];
            const int b = face[(i + 1) % face.size()];
            edges.insert({std::min(a, b), std::max(a, b)});
        }
    }
    std::vector<std::vector<int>> neighbours(static_cast<size_t>(count));
    for (const auto &[a, b] : edges) {
        neighbours[static_cast<size_t>(a)].push_back(b);
        neighbours[static_cast<size_t>(b)].push_back(a);
    }
    std::vector<MQPoint> before(static_cast<size_t>(count));
    for (int pass = 0; pass < iterations; ++pass) {
        for (int i = 0; i < count; ++i) before[static_cast<size_t>(i)] = object.vertex(i).position;
        for (int i = 0; i < count; ++i) {
            Vertex &vertex = object.vertex(i);
            const auto &around = neighbours[static_cast<size_t>(i)];
            if (vertex.deleted || around.empty() || (scope == Scope::Selected && !vertex.selected)) continue;
            double x = 0, y = 0, z = 0;
            for (int n : around) {
                const MQPoint &p = before[static_cast<size_t>(n)];
                x += p.x;
                y += p.y;
                z += p.z;
            }
            const double share = 1.0 / static_cast<double>(around.size());
            vertex.position = {static_cast<float>(x * share), static_cast<float>(y * share),
                               static_cast<float>(z * share)};
        }
    }
}

Object &AddGrid(Document &document, const std::string &name, int columns, int rows, float spacing, float z) {
    Object &object = document.AddObject(name);
    object.Reserve(static_cast<size_t>(columns + 1) * static_cast<size_t>(rows + 1),
                   static_cast<size_t>(columns) * static_cast<size_t>(rows),
                   4 * static_cast<size_t>(columns) * static_cast<size_t>(rows));
    const float left = -0.5f * static_cast<float>(columns) * spacing;
    for (int row = 0; row <= rows; ++row) {
        for (int column = 0; column <= columns; ++column) {
            // The middle column is placed at 0 exactly, not at a rounded sum.
            const float x = 2 * column == columns ? 0.0f : left + static_cast<float>(column) * spacing;
            object.AddVertex({x, static_cast<float>(row) * spacing, z});
        }
    }
    const int stride = columns + 1;
    for (int row = 0; row < rows; ++row) {
        for (int column = 0; column < columns; ++column) {
            const int corner = row * stride + column;
            object.AddFace({corner, corner + 1, corner + stride + 1, corner + stride});
        }
    }
    return object;
}

}  // namespace simhost
