#include "simhost/modeller/modelling_tools.h"

#include <algorithm>
#include <memory>
#include <random>

namespace simhost {

namespace {

template <class Change>
void ForEach(Object &object, Scope scope, Change change) {
    for (int i = 0; i < object.VertexCount(); ++i) {
        const Vertex &vertex = object.vertex(i);
        if (vertex.deleted || (scope == Scope::Selected && !vertex.selected)) continue;
        change(object.position(i));
    }
}

std::shared_ptr<const Adjacency> DeriveAdjacency(const Object &object) {
    auto adjacency = std::make_shared<Adjacency>();
    adjacency->topologyVersion = object.topologyVersion();
    std::vector<int> &offsets = adjacency->offsets;
    std::vector<int> &neighbours = adjacency->neighbours;
    // Each side of a face links its two ends both ways, so a corner gets two entries per
    // face it is on; they are counted first so that one array holds them all.
    offsets.assign(object.vertices().size() + 1, 0);
    for (const auto &face : object.faces()) {
        for (int corner : face) offsets[static_cast<size_t>(corner) + 1] += 2;
    }
    for (size_t i = 1; i < offsets.size(); ++i) offsets[i] += offsets[i - 1];
    neighbours.resize(static_cast<size_t>(offsets.back()));
    std::vector<int> end(offsets.begin(), offsets.end() - 1);
    for (const auto &face : object.faces()) {
        for (size_t i = 0; i < face.size(); ++i) {
            const int a = face[i];
            const int b = face[(i + 1) % face.size()];
            neighbours[static_cast<size_t>(end[static_cast<size_t>(a)]++)] = b;
            neighbours[static_cast<size_t>(end[static_cast<size_t>(b)]++)] = a;
        }
    }
    // Sorted and without repeats, each list moves down to where the one before it ends. A
    // vertex linked to itself keeps a second entry of its own, as an edge from it to itself
    // counts it once from each end; there is room for it, since that link came in twice.
    const auto at = [&](size_t index) { return neighbours.begin() + static_cast<std::ptrdiff_t>(index); };
    size_t kept = 0;
    for (size_t vertex = 0; vertex + 1 < offsets.size(); ++vertex) {
        const auto first = at(static_cast<size_t>(offsets[vertex]));
        const auto last = at(static_cast<size_t>(offsets[vertex + 1]));
        std::sort(first, last);
        const auto unique = std::unique(first, last);
        const size_t start = kept;
        for (auto n = first; n != unique; ++n) neighbours[kept++] = *n;
        const auto self = std::lower_bound(at(start), at(kept), static_cast<int>(vertex));
        if (self != at(kept) && *self == static_cast<int>(vertex)) {
            std::copy_backward(self, at(kept), at(kept + 1));
            ++kept;
        }
        offsets[vertex] = static_cast<int>(start);
    }
    offsets.back() = static_cast<int>(kept);
    neighbours.resize(kept);
    neighbours.shrink_to_fit();
    return adjacency;
}

}  // namespace

void Select(Object &object, const std::vector<int> &indices) {
    for (int index : indices) {
        if (object.ValidIndex(index) && !object.vertex(index).deleted) object.vertex(index).selected = true;
    }
}

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

const Adjacency &AdjacencyOf(const Object &object) {
    if (!object.adjacency || object.adjacency->topologyVersion != object.topologyVersion()) {
        // The old lists go first, so that a large mesh never holds two sets at once.
        object.adjacency.reset();
        object.adjacency = DeriveAdjacency(object);
    }
    return *object.adjacency;
}

void Smooth(Object &object, int iterations, Scope scope) {
    const Adjacency &adjacency = AdjacencyOf(object);
    const size_t count = object.vertices().size();
    const size_t linked = adjacency.offsets.size() - 1;
    std::vector<MQPoint> before(count);
    for (int pass = 0; pass < iterations; ++pass) {
        std::copy(object.positions().begin(), object.positions().end(), before.begin());
        for (size_t i = 0; i < linked; ++i) {
            const Vertex &vertex = object.vertex(static_cast<int>(i));
            const int first = adjacency.offsets[i];
            const int last = adjacency.offsets[i + 1];
            if (vertex.deleted || first == last || (scope == Scope::Selected && !vertex.selected)) continue;
            // Summed in ascending neighbour order, always: floats added in another order
            // round differently, and a session must give the same mesh every time.
            double x = 0, y = 0, z = 0;
            for (int n = first; n < last; ++n) {
                const MQPoint &p = before[static_cast<size_t>(adjacency.neighbours[static_cast<size_t>(n)])];
                x += p.x;
                y += p.y;
                z += p.z;
            }
            const double share = 1.0 / static_cast<double>(last - first);
            object.position(static_cast<int>(i)) = {static_cast<float>(x * share), static_cast<float>(y * share),
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
