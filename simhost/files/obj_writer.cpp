// Writing the document as OBJ.
#include "simhost/files/obj_mesh.h"

#include <algorithm>
#include <charconv>
#include <iterator>

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

std::string ObjText(const Document &document) {
    std::string out = "# Written by simhost\n";
    int written = 0;
    for (int i = 0; i < document.ObjectCount(); ++i) {
        const Object *object = document.ObjectAt(i);
        if (object == nullptr) continue;
        std::string name = object->name();
        // A line break in a name would start a statement of its own.
        std::replace_if(
            name.begin(), name.end(), [](char c) { return c == '\n' || c == '\r' || c == '\0'; }, '_');
        out += "o " + name + "\n";
        std::vector<int> number(object->vertices().size(), 0);
        for (int v = 0; v < object->VertexCount(); ++v) {
            const Vertex &vertex = object->vertex(v);
            if (vertex.deleted) continue;
            number[static_cast<size_t>(v)] = ++written;
            out += "v ";
            const MQPoint &position = object->position(v);
            AppendNumber(out, position.x);
            out += ' ';
            AppendNumber(out, position.y);
            out += ' ';
            AppendNumber(out, position.z);
            out += '\n';
        }
        for (const std::span<const int> face : object->faces()) {
            out += 'f';
            for (const int corner : face) out += " " + std::to_string(number[static_cast<size_t>(corner)]);
            out += '\n';
        }
    }
    return out;
}

}  // namespace

void SaveObj(const std::string &path, const Document &document) {
    try {
        WriteWholeFile(path, ObjText(document));
    } catch (const WriteError &error) {
        throw MeshError(error.what());
    }
}

}  // namespace simhost
