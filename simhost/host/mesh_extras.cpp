#include "simhost/host/mesh_extras.h"

#include <algorithm>

namespace simhost {

void ElementList::DropVertex(int vertex) {
    if (std::find(vertices.begin(), vertices.end(), vertex) == vertices.end()) return;
    ElementList kept;
    const auto corner = [&](size_t at) {
        kept.vertices.push_back(vertices[at]);
        if (!refs.textures.empty()) kept.refs.textures.push_back(refs.textures[at]);
        if (!refs.normals.empty()) kept.refs.normals.push_back(refs.normals[at]);
    };
    const auto close = [&](size_t element) {
        kept.starts.push_back(static_cast<int>(kept.vertices.size()));
        kept.lines.push_back(lines[element]);
        if (!groups.empty()) kept.groups.push_back(groups[element]);
    };
    for (size_t element = 0; element < size(); ++element) {
        const auto first = static_cast<size_t>(starts[element]), end = static_cast<size_t>(starts[element + 1]);
        if (lines[element] != 0) {
            size_t from = first;
            for (size_t at = first; at <= end; ++at) {
                if (at < end && vertices[at] != vertex) continue;
                // A line the vertex is not on stays as it is, however short.
                if (at - from >= 2 || (from == first && at == end)) {
                    for (size_t c = from; c < at; ++c) corner(c);
                    close(element);
                }
                from = at + 1;
            }
        } else {
            const size_t before = kept.vertices.size();
            for (size_t at = first; at < end; ++at) {
                if (vertices[at] != vertex) corner(at);
            }
            if (kept.vertices.size() > before || first == end) close(element);
        }
    }
    *this = std::move(kept);
}

void ElementList::Renumber(const std::vector<int> &newIndex) {
    for (int &vertex : vertices) vertex = newIndex[static_cast<size_t>(vertex)];
}

size_t ElementList::MemoryBytes() const {
    return (starts.capacity() + vertices.capacity() + groups.capacity()) * sizeof(int) + refs.MemoryBytes() +
           lines.capacity();
}

size_t MeshExtras::MemoryBytes() const {
    size_t names = 0;
    for (const std::string &name : groupNames) names += sizeof(std::string) + name.capacity();
    return textures.capacity() * sizeof(float) + normals.capacity() * sizeof(MQPoint) + faceRefs.MemoryBytes() + names +
           faceGroups.capacity() * sizeof(int) + elements.MemoryBytes();
}

}  // namespace simhost
