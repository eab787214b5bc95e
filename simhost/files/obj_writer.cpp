// Writing the document as OBJ.
#include "simhost/files/obj_mesh.h"

#include <algorithm>
#include <charconv>
#include <iterator>
#include <vector>

#include "simhost/host/safe_write.h"

namespace simhost {

namespace {

void AppendNumber(std::string &out, float value) {
    // Nine significant digits bring every float back exactly, even through a reader that
    // rounds its decimal arithmetic.
    char digits[32];
    const auto written = std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::general, 9);
    out.append(digits, written.ptr);
}

void AppendPoint(std::string &out, const char *keyword, const MQPoint &point) {
    out += keyword;
    AppendNumber(out, point.x);
    out += ' ';
    AppendNumber(out, point.y);
    out += ' ';
    AppendNumber(out, point.z);
    out += '\n';
}

// A name as one line can hold it: a line break in it would start a statement of its own.
std::string OneLine(std::string name) {
    std::replace_if(
        name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r' || c == '\0'; }, '_');
    return name;
}

// Numbers in the file count from 1, and texture coordinates and normals, like vertices, on
// from those of the objects before.
struct Numbering {
    std::vector<int> vertex;  // by index in the object; holes get none
    size_t textures = 0;      // before the object's first
    size_t normals = 0;

    // " 7", " 7/2", " 7//4" or " 7/2/4".
    void Corner(std::string &out, int v, int texture, int normal) const {
        out += ' ';
        out += std::to_string(vertex[static_cast<size_t>(v)]);
        if (texture < 0 && normal < 0) return;
        out += '/';
        if (texture >= 0) out += std::to_string(textures + static_cast<size_t>(texture) + 1);
        if (normal >= 0) out += "/" + std::to_string(normals + static_cast<size_t>(normal) + 1);
    }
};

// Faces and elements group by group: those before the first group, then each group's
// after a "g" line, which a group left with nothing goes without. A face's group is never
// before the one of the face before it, so every face and element comes out in its order.
void AppendFacesAndElements(std::string &out, const Object &object, const Numbering &numbering) {
    const MeshExtras &extras = object.extras();
    const FaceList faces = object.faces();
    const ElementList &elements = extras.elements;
    size_t face = 0, corner = 0, element = 0;
    for (int group = -1; group <= extras.LastGroup(); ++group) {
        const auto holds = [&](const std::vector<int> &groups, size_t next, size_t count) {
            return next < count && (groups.empty() || groups[next] <= group);
        };
        if (group >= 0 &&
            (holds(extras.faceGroups, face, faces.size()) || holds(elements.groups, element, elements.size()))) {
            const std::string &name = extras.groupNames[static_cast<size_t>(group)];
            out += name.empty() ? "g\n" : "g " + OneLine(name) + "\n";
        }
        for (; holds(extras.faceGroups, face, faces.size()); ++face) {
            out += 'f';
            for (const int v : faces[face]) {
                numbering.Corner(out, v, extras.faceRefs.Texture(corner), extras.faceRefs.Normal(corner));
                ++corner;
            }
            out += '\n';
        }
        for (; holds(elements.groups, element, elements.size()); ++element) {
            out += elements.lines[element] != 0 ? 'l' : 'p';
            for (auto at = static_cast<size_t>(elements.starts[element]);
                 at < static_cast<size_t>(elements.starts[element + 1]); ++at) {
                numbering.Corner(out, elements.vertices[at], elements.refs.Texture(at), elements.refs.Normal(at));
            }
            out += '\n';
        }
    }
}

}  // namespace

std::string ObjText(const Document &document) {
    std::string out = "# Written by simhost\n";
    // Groups stand for objects only in a file without objects: a document that mixes the
    // two saves every one as an object.
    bool groups = false, objects = false;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        if (const Object *object = document.ObjectAt(i)) (object->extras().group ? groups : objects) = true;
    }
    const char *const block = groups && !objects ? "g " : "o ";
    int written = 0;
    Numbering numbering;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const Object *object = document.ObjectAt(i);
        if (object == nullptr) continue;
        out += block + OneLine(object->name()) + "\n";
        numbering.vertex.assign(object->vertices().size(), 0);
        for (int v = 0; v < object->VertexCount(); ++v) {
            const Vertex &vertex = object->vertex(v);
            if (vertex.deleted) continue;
            numbering.vertex[static_cast<size_t>(v)] = ++written;
            AppendPoint(out, "v ", object->position(v));
        }
        const MeshExtras &extras = object->extras();
        for (size_t t = 0; t < extras.TextureCount(); ++t) {
            out += "vt";
            const auto width = static_cast<size_t>(extras.textureWidth);
            for (size_t n = 0; n < width; ++n) {
                out += ' ';
                AppendNumber(out, extras.textures[t * width + n]);
            }
            out += '\n';
        }
        for (const MQPoint &normal : extras.normals) AppendPoint(out, "vn ", normal);
        AppendFacesAndElements(out, *object, numbering);
        numbering.textures += extras.TextureCount();
        numbering.normals += extras.normals.size();
    }
    return out;
}

void SaveObj(const std::string &path, const Document &document) {
    try {
        WriteWholeFile(path, ObjText(document));
    } catch (const WriteError &error) {
        throw MeshError(error.what());
    }
}

}  // namespace simhost
