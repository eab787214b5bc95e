// OBJ files as they come: either every object loads or the document stays as it was; what
// loads saves and loads back to the same vertices.
#include <cstring>
#include <string>

#include "fuzz/fuzz_support.h"
#include "simhost/files/obj_mesh.h"

namespace {

bool SameVertices(const simhost::Document &a, const simhost::Document &b) {
    if (a.ObjectCount() != b.ObjectCount()) return false;
    for (int i = 0; i < a.ObjectCount(); ++i) {
        const simhost::Object *x = a.ObjectAt(i);
        const simhost::Object *y = b.ObjectAt(i);
        if (x->VertexCount() != y->VertexCount()) return false;
        for (int v = 0; v < x->VertexCount(); ++v) {
            const MQPoint p = x->position(v), q = y->position(v);
            if (std::memcmp(&p, &q, sizeof p) != 0) return false;
        }
    }
    return true;
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
    const std::string saved = fuzzing::ScratchPath("out.obj");
    simhost::SaveObj(saved, document);
    simhost::Document again;
    simhost::LoadObj(saved, again);
    if (!SameVertices(document, again)) __builtin_trap();
    return 0;
}
