// OBJ files as they come: either every object loads or the document stays as it was; what
// loads saves and loads back to the same document, with everything the file gave beyond
// positions and faces, and saving that again gives the same bytes.
#include <algorithm>
#include <cstring>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "simhost/files/obj_mesh.h"

namespace {

template <typename T>
bool SameBytes(const std::vector<T> &a, const std::vector<T> &b) {
    return a.size() == b.size() && (a.empty() || std::memcmp(a.data(), b.data(), a.size() * sizeof(T)) == 0);
}

bool SameRefs(const simhost::CornerRefs &a, const simhost::CornerRefs &b) {
    return SameBytes(a.textures, b.textures) && SameBytes(a.normals, b.normals);
}

bool SameObject(const simhost::Object &x, const simhost::Object &y) {
    const simhost::MeshExtras &a = x.extras(), &b = y.extras();
    if (x.name() != y.name() || x.VertexCount() != y.VertexCount() || x.faces().size() != y.faces().size()) return false;
    for (int v = 0; v < x.VertexCount(); ++v) {
        const MQPoint p = x.position(v), q = y.position(v);
        if (std::memcmp(&p, &q, sizeof p) != 0) return false;
    }
    for (size_t f = 0; f < x.faces().size(); ++f) {
        const auto one = x.faces()[f], other = y.faces()[f];
        if (!std::equal(one.begin(), one.end(), other.begin(), other.end())) return false;
    }
    const simhost::ElementList &e = a.elements, &g = b.elements;
    return a.group == b.group && a.textureWidth == b.textureWidth && SameBytes(a.textures, b.textures) &&
           SameBytes(a.normals, b.normals) && SameRefs(a.faceRefs, b.faceRefs) && a.groupNames == b.groupNames &&
           SameBytes(a.faceGroups, b.faceGroups) && SameBytes(e.starts, g.starts) &&
           SameBytes(e.vertices, g.vertices) && SameRefs(e.refs, g.refs) && SameBytes(e.lines, g.lines) &&
           SameBytes(e.groups, g.groups);
}

// The live objects of both, in order, alike.
bool SameDocument(const simhost::Document &a, const simhost::Document &b) {
    int i = 0, j = 0;
    while (true) {
        while (i < a.ObjectCount() && a.ObjectAt(i) == nullptr) ++i;
        while (j < b.ObjectCount() && b.ObjectAt(j) == nullptr) ++j;
        if (i == a.ObjectCount() || j == b.ObjectCount()) return i == a.ObjectCount() && j == b.ObjectCount();
        if (!SameObject(*a.ObjectAt(i++), *b.ObjectAt(j++))) return false;
    }
}

std::string Contents(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string file = fuzzing::WriteScratch("in.obj", data, size);
    simhost::Document document;
    document.AddObject("already here").AddVertex({1, 2, 3});
    try {
        simhost::LoadObj(file, document);
    } catch (const simhost::MeshError &) {
        if (document.ObjectCount() != 1 || document.ObjectAt(0)->VertexCount() != 1) __builtin_trap();
        return 0;
    }
    // Only what the file gave goes round: a document that mixes objects made here with
    // the groups of a file saves the groups as objects.
    document.DeleteObject(0);
    const std::string saved = fuzzing::ScratchPath("out.obj"), again = fuzzing::ScratchPath("again.obj");
    simhost::SaveObj(saved, document);
    simhost::Document reloaded;
    simhost::LoadObj(saved, reloaded);
    if (!SameDocument(document, reloaded)) __builtin_trap();
    simhost::SaveObj(again, reloaded);
    if (Contents(again) != Contents(saved)) __builtin_trap();
    return 0;
}
