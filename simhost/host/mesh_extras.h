// What a mesh file gives an object beyond its positions and faces: texture coordinates,
// normals, which of them each face corner names, groups, and point and line elements. The
// plug-in never sees any of it; the host keeps it so that a mesh saved comes back whole.
//
// Meshes run to millions of vertices, so all of it lies in flat arrays, and each array is
// empty unless the file had that kind of data: an object without any costs the few hundred
// bytes of the empty arrays, whatever its size.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "host/host_abi.h"

namespace simhost {

// What corners name beside their vertex: a texture coordinate, a normal, each by its index
// in the object, -1 for none.
struct CornerRefs {
    std::vector<int> textures;  // per corner; empty when no corner names one
    std::vector<int> normals;   // likewise

    int Texture(size_t at) const { return textures.empty() ? -1 : textures[at]; }
    int Normal(size_t at) const { return normals.empty() ? -1 : normals[at]; }
    size_t MemoryBytes() const { return (textures.capacity() + normals.capacity()) * sizeof(int); }
};

// Point and line elements over an object's vertices: element e's corners are
// vertices[starts[e]] up to vertices[starts[e + 1]].
struct ElementList {
    std::vector<int> starts{0};
    std::vector<int> vertices;
    CornerRefs refs;
    std::vector<uint8_t> lines;  // per element: 1 for a line ("l"), 0 for points ("p")
    // Per element, as MeshExtras::faceGroups.
    std::vector<int> groups;

    size_t size() const { return starts.size() - 1; }
    bool empty() const { return size() == 0; }
    // The vertex is gone: points on it are dropped, and a line through it breaks there
    // into the pieces of two corners or more. Elements left without corners go.
    void DropVertex(int vertex);
    // The vertices have new indices.
    void Renumber(const std::vector<int> &newIndex);
    size_t MemoryBytes() const;
};

struct MeshExtras {
    // The object came from a group ("g") of a file without objects ("o"), and is saved as
    // one.
    bool group = false;
    // Texture coordinates, `textureWidth` numbers each (1 to 3: the most any line of the
    // file gave; a line with fewer reads as if the rest were 0, as the format has it).
    int textureWidth = 0;
    std::vector<float> textures;
    std::vector<MQPoint> normals;
    // Per corner of the object's faces, in step with its corners.
    CornerRefs faceRefs;
    // Groups within the object, in the order of the file (a name may come twice): per
    // face, in step with the faces, the group it belongs to, -1 before the first. Rising
    // from face to face; empty when the object has no groups.
    std::vector<std::string> groupNames;
    std::vector<int> faceGroups;
    ElementList elements;

    size_t TextureCount() const { return textureWidth == 0 ? 0 : textures.size() / static_cast<size_t>(textureWidth); }
    // The group a face added at the end belongs to: the last one.
    int LastGroup() const { return static_cast<int>(groupNames.size()) - 1; }
    size_t MemoryBytes() const;
};

}  // namespace simhost
