#include "simhost/obj_mesh.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <numeric>
#include <sstream>
#include <string_view>

#define TINYOBJLOADER_IMPLEMENTATION
#include <tiny_obj_loader.h>

#include "simhost/safe_write.h"

namespace simhost {

namespace {

namespace fs = std::filesystem;

// The reader reads a malformed number as 0, takes any index it can make sense of and
// reports neither with a line, so every line is checked here before its values are used.
class LineCheck {
public:
    LineCheck(const std::string &path, int line) : path_(path), line_(line) {}

    [[noreturn]] void Fail(const std::string &what) const {
        throw MeshError(path_ + ":" + std::to_string(line_) + ": " + what);
    }

    // Between `fewest` and `most` numbers, each one a float can hold.
    void Numbers(const std::vector<std::string_view> &fields, const char *what, size_t fewest, size_t most) const;
    // A corner such as 7, 7/2, 7//4 or 7/2/4 against the elements defined so far.
    void Corner(std::string_view corner, const char *statement, const size_t (&counts)[3]) const;

private:
    void Number(std::string_view text, const char *what) const;
    void Index(std::string_view text, std::string_view corner, const char *statement, int part, size_t count) const;

    const std::string &path_;
    int line_;
};

std::string Clipped(std::string_view text) {
    constexpr size_t kLongest = 40;
    if (text.size() <= kLongest) return std::string(text);
    return std::string(text.substr(0, kLongest)) + "...";
}

std::string Shown(std::string_view text) { return "'" + Clipped(text) + "'"; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if ((text[i] | 0x20) != prefix[i]) return false;
    }
    return true;
}

// Exactly the numbers the reader parses in full: a sign, digits with an optional point, an
// optional exponent. Anything else it would cut short or read as 0.
bool HasNumberForm(std::string_view text) {
    size_t i = 0;
    const auto digitsFrom = [&] {
        const size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        return i - start;
    };
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    size_t mantissa = digitsFrom();
    if (i < text.size() && text[i] == '.') {
        ++i;
        mantissa += digitsFrom();
    }
    if (mantissa == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        while (i + 1 < text.size() && text[i] == '0' && IsDigit(text[i + 1])) ++i;
        // No float needs a longer exponent, and the reader's own exponent arithmetic is
        // only safe for short ones.
        const size_t digits = digitsFrom();
        if (digits == 0 || digits > 4) return false;
    }
    return i == text.size();
}

void LineCheck::Number(std::string_view text, const char *what) const {
    const std::string_view body = text.substr(text[0] == '+' || text[0] == '-' ? 1 : 0);
    if (StartsWithNoCase(body, "nan") || StartsWithNoCase(body, "inf")) {
        Fail(std::string(what) + " " + Shown(text) + " is not a finite number");
    }
    if (!HasNumberForm(text)) Fail(std::string(what) + " " + Shown(text) + " is not a number");
    double value = 0.0;
    const char *first = text.data() + (text[0] == '+' ? 1 : 0);
    const auto parsed = std::from_chars(first, text.data() + text.size(), value);
    // Anything from half a step above the largest float on becomes infinite as a float.
    const double limit = double{std::numeric_limits<float>::max()} + std::ldexp(1.0, 103);
    if (parsed.ec != std::errc() || std::abs(value) >= limit) {
        Fail(std::string(what) + " " + Shown(text) + " is out of range");
    }
}

void LineCheck::Numbers(const std::vector<std::string_view> &fields, const char *what, size_t fewest,
                        size_t most) const {
    const size_t count = fields.size() - 1;
    if (count < fewest || count > most) {
        const std::string expected =
            fewest == most ? std::to_string(fewest) : std::to_string(fewest) + " to " + std::to_string(most);
        Fail(std::string(what) + " has " + std::to_string(count) + " numbers; " + expected + " expected");
    }
    for (size_t i = 1; i < fields.size(); ++i) Number(fields[i], what);
}

void LineCheck::Index(std::string_view text, std::string_view corner, const char *statement, int part,
                      size_t count) const {
    static const char *const kNouns[] = {"vertex", "texture coordinate", "normal"};
    static const char *const kPlurals[] = {"vertices", "texture coordinates", "normals"};
    const bool whole = text.size() == corner.size();
    const std::string subject = std::string(statement) + " " + Clipped(corner) +
                                (whole ? "" : std::string(": ") + kNouns[part] + " index " + Shown(text));
    const bool negative = !text.empty() && text[0] == '-';
    const char *first = text.data() + (negative || (!text.empty() && text[0] == '+') ? 1 : 0);
    const char *last = text.data() + text.size();
    unsigned long long magnitude = 0;
    const auto parsed = std::from_chars(first, last, magnitude);
    if (first == last || parsed.ptr != last) Fail(subject + " is not an index");
    const std::string sofar = " (" + std::to_string(count) + " " + (count == 1 ? kNouns : kPlurals)[part] + " so far)";
    if (magnitude == 0 && parsed.ec == std::errc()) Fail(subject + " is 0; indices count from 1");
    if (parsed.ec != std::errc() || magnitude > count) {
        Fail(subject + (negative ? " reaches before the first " + std::string(kNouns[part]) : " is out of range") +
             sofar);
    }
}

void LineCheck::Corner(std::string_view corner, const char *statement, const size_t (&counts)[3]) const {
    if (std::count(corner.begin(), corner.end(), '/') > 2) {
        Fail(std::string(statement) + " " + Clipped(corner) + " has more than three parts");
    }
    std::string_view rest = corner;
    for (int part = 0; part < 3; ++part) {
        const size_t slash = rest.find('/');
        const std::string_view text = rest.substr(0, slash);
        // The texture coordinate alone may be left out, as in 7//4.
        if (!(part == 1 && text.empty() && slash != std::string_view::npos)) {
            Index(text, corner, statement, part, counts[part]);
        }
        if (slash == std::string_view::npos) return;
        rest.remove_prefix(slash + 1);
    }
}

std::vector<std::string_view> Fields(std::string_view line) {
    std::vector<std::string_view> fields;
    size_t start = line.find_first_not_of(" \t");
    while (start != std::string_view::npos) {
        const size_t end = std::min(line.find_first_of(" \t", start), line.size());
        fields.push_back(line.substr(start, end - start));
        start = line.find_first_not_of(" \t", end);
    }
    return fields;
}

std::string_view Trimmed(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

enum class SectionKind { Leading, Object, Group };

struct Section {
    SectionKind kind;
    std::string name;
};

// What the line check learns of the file's structure: where each vertex and face sits.
struct Outline {
    std::vector<Section> sections{{SectionKind::Leading, {}}};
    std::vector<size_t> vertexSection;
    // Per vertex: its line, and its coordinates as the line check read them.
    std::vector<int> vertexLine;
    std::vector<float> vertexCoordinates;
    std::vector<size_t> faceSection;
    std::vector<size_t> faceCorners;
    // The lines the reader is given: only the statements the document is made of, each
    // checked; every other line is left blank, so that line numbers still agree. The
    // reader never sees a statement it might take apart carelessly.
    std::string parserText;
};

// A number the line check has accepted, as a float.
float ReadFloat(std::string_view text) {
    double value = 0.0;
    std::from_chars(text.data() + (text[0] == '+' ? 1 : 0), text.data() + text.size(), value);
    return static_cast<float>(value);
}

// The reader computes coordinates its own way; where that gives anything but what the
// line check read, to within rounding, the file is refused rather than loaded wrong.
void CheckCoordinates(const std::string &path, const Outline &outline, const std::vector<float> &read) {
    for (size_t i = 0; i < outline.vertexCoordinates.size() && i < read.size(); ++i) {
        const float want = outline.vertexCoordinates[i];
        const float got = read[i];
        if (std::isfinite(got) && std::fabs(got - want) <= 1e-5f * std::fmax(1.0f, std::fabs(want))) continue;
        throw MeshError(path + ":" + std::to_string(outline.vertexLine[i / 3]) +
                        ": vertex coordinate cannot be read reliably");
    }
}

Outline CheckLines(const std::string &path, const std::string &text) {
    Outline outline;
    size_t counts[3] = {0, 0, 0};
    int number = 0;
    size_t start = 0;
    while (start < text.size()) {
        // Line ends as the reader takes them: LF, CRLF or a lone CR.
        size_t end = text.find_first_of("\r\n", start);
        if (end == std::string::npos) end = text.size();
        const std::string_view line(text.data() + start, end - start);
        start = end + (text.compare(end, 2, "\r\n") == 0 ? 2 : 1);
        const LineCheck check(path, ++number);

        if (line.find('\0') != std::string_view::npos) check.Fail("contains a NUL byte; this is not a text file");
        const std::vector<std::string_view> fields = Fields(line);
        const std::string_view keyword = fields.empty() ? std::string_view() : fields[0];
        const bool used =
            keyword == "v" || keyword == "vt" || keyword == "vn" || keyword == "f" || keyword == "o" || keyword == "g";
        if (used) outline.parserText += line;
        outline.parserText += '\n';
        if (fields.empty() || fields[0][0] == '#') continue;
        if (keyword == "v") {
            // x y z, then an optional w, a colour, or both.
            check.Numbers(fields, "vertex", 3, 7);
            outline.vertexSection.push_back(outline.sections.size() - 1);
            outline.vertexLine.push_back(number);
            for (size_t axis = 1; axis <= 3; ++axis) outline.vertexCoordinates.push_back(ReadFloat(fields[axis]));
            ++counts[0];
        } else if (keyword == "vt") {
            check.Numbers(fields, "texture coordinate", 1, 3);
            ++counts[1];
        } else if (keyword == "vn") {
            check.Numbers(fields, "normal", 3, 3);
            ++counts[2];
        } else if (keyword == "f" || keyword == "l" || keyword == "p") {
            const char *statement = keyword == "f" ? "face corner" : keyword == "l" ? "line corner" : "point";
            for (size_t i = 1; i < fields.size(); ++i) check.Corner(fields[i], statement, counts);
            if (keyword != "f") continue;
            if (fields.size() < 4) {
                check.Fail("face has " + std::to_string(fields.size() - 1) + " corners; at least 3 needed");
            }
            outline.faceSection.push_back(outline.sections.size() - 1);
            outline.faceCorners.push_back(fields.size() - 1);
        } else if (keyword == "o" || keyword == "g") {
            const SectionKind kind = keyword == "o" ? SectionKind::Object : SectionKind::Group;
            const auto after = static_cast<size_t>(keyword.data() - line.data()) + keyword.size();
            const std::string_view name = Trimmed(line.substr(after));
            outline.sections.push_back({kind, std::string(name)});
        }
    }
    return outline;
}

struct PendingObject {
    std::string name;
    bool keepEmpty = false;
    std::vector<MQPoint> positions;
    std::vector<std::vector<int>> faces;
};

// Groups subdivide objects when there are any, so they split the file only when it has
// none. Each section maps to the section that heads its object.
std::vector<size_t> ObjectHeads(const std::vector<Section> &sections) {
    const bool hasObjects = std::any_of(sections.begin(), sections.end(),
                                        [](const Section &section) { return section.kind == SectionKind::Object; });
    std::vector<size_t> heads(sections.size());
    for (size_t i = 0; i < sections.size(); ++i) {
        heads[i] = hasObjects && sections[i].kind == SectionKind::Group ? heads[i - 1] : i;
    }
    return heads;
}

std::vector<PendingObject> Assemble(const std::string &path, const Outline &outline, const tinyobj::attrib_t &attrib,
                                    const std::vector<tinyobj::shape_t> &shapes) {
    const size_t vertexCount = outline.vertexSection.size();
    std::vector<int> corners;
    std::vector<unsigned char> sizes;
    for (const tinyobj::shape_t &shape : shapes) {
        for (const tinyobj::index_t &index : shape.mesh.indices) corners.push_back(index.vertex_index);
        sizes.insert(sizes.end(), shape.mesh.num_face_vertices.begin(), shape.mesh.num_face_vertices.end());
    }
    // The reader keeps a face's size in a byte, so the sizes come from the line check and
    // only their low byte from the reader.
    const std::vector<size_t> &expected = outline.faceCorners;
    bool agrees = attrib.vertices.size() == 3 * vertexCount && sizes.size() == expected.size() &&
                  corners.size() == std::accumulate(expected.begin(), expected.end(), size_t{0}) &&
                  std::all_of(corners.begin(), corners.end(),
                              [&](int corner) { return corner >= 0 && static_cast<size_t>(corner) < vertexCount; });
    for (size_t i = 0; agrees && i < sizes.size(); ++i) agrees = sizes[i] == static_cast<unsigned char>(expected[i]);
    if (!agrees) throw MeshError(path + ": the OBJ reader and the line check disagree about the file's contents");
    std::vector<std::vector<int>> faces;
    auto next = corners.begin();
    for (const size_t size : expected) {
        faces.emplace_back(next, next + static_cast<std::ptrdiff_t>(size));
        next += static_cast<std::ptrdiff_t>(size);
    }

    const std::vector<size_t> heads = ObjectHeads(outline.sections);
    std::vector<PendingObject> objects(outline.sections.size());
    std::vector<std::vector<int>> members(objects.size());
    std::vector<std::vector<size_t>> facesOf(objects.size());
    std::vector<bool> used(vertexCount, false);
    for (size_t i = 0; i < faces.size(); ++i) {
        const size_t head = heads[outline.faceSection[i]];
        facesOf[head].push_back(i);
        for (const int corner : faces[i]) {
            members[head].push_back(corner);
            used[static_cast<size_t>(corner)] = true;
        }
    }
    for (size_t v = 0; v < vertexCount; ++v) {
        if (!used[v]) members[heads[outline.vertexSection[v]]].push_back(static_cast<int>(v));
    }

    const std::string stem = fs::path(path).stem().string();
    std::vector<int> local(vertexCount, -1);
    for (size_t head = 0; head < objects.size(); ++head) {
        PendingObject &object = objects[head];
        const Section &section = outline.sections[head];
        object.name = section.name.empty() ? stem : section.name;
        object.keepEmpty = section.kind == SectionKind::Object;
        std::vector<int> &vertices = members[head];
        std::sort(vertices.begin(), vertices.end());
        vertices.erase(std::unique(vertices.begin(), vertices.end()), vertices.end());
        for (const int v : vertices) {
            local[static_cast<size_t>(v)] = static_cast<int>(object.positions.size());
            const float *xyz = &attrib.vertices[3 * static_cast<size_t>(v)];
            object.positions.push_back({xyz[0], xyz[1], xyz[2]});
        }
        for (const size_t i : facesOf[head]) {
            std::vector<int> &face = object.faces.emplace_back();
            for (const int corner : faces[i]) face.push_back(local[static_cast<size_t>(corner)]);
        }
    }
    std::erase_if(objects, [](const PendingObject &object) { return object.positions.empty() && !object.keepEmpty; });
    return objects;
}

std::string ReadWhole(const std::string &path) {
    std::error_code error;
    if (!fs::exists(path, error)) throw MeshError(path + ": no such file");
    if (fs::is_directory(path, error)) throw MeshError(path + ": is a folder, not a file");
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) throw MeshError(path + ": cannot be opened");
    std::string text{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    if (in.bad()) throw MeshError(path + ": cannot be read");
    return text;
}

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
            AppendNumber(out, vertex.position.x);
            out += ' ';
            AppendNumber(out, vertex.position.y);
            out += ' ';
            AppendNumber(out, vertex.position.z);
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

std::vector<int> LoadObj(const std::string &path, Document &document) {
    const std::string text = ReadWhole(path);
    const Outline outline = CheckLines(path, text);

    tinyobj::attrib_t attrib;
    std::vector<tinyobj::shape_t> shapes;
    std::vector<tinyobj::material_t> materials;
    std::string warnings;
    std::string errors;
    std::istringstream stream(outline.parserText);
    // No material reader: materials mean nothing to the document, and a missing .mtl
    // file is then no reason to refuse the mesh.
    if (!tinyobj::LoadObj(&attrib, &shapes, &materials, &warnings, &errors, &stream, nullptr, false, false)) {
        throw MeshError(path + ": not readable as OBJ: " + std::string(Trimmed(errors)));
    }
    CheckCoordinates(path, outline, attrib.vertices);
    const std::vector<PendingObject> pending = Assemble(path, outline, attrib, shapes);

    std::vector<int> added;
    for (const PendingObject &source : pending) {
        Object &object = document.AddObject(source.name);
        for (const MQPoint &position : source.positions) object.AddVertex(position);
        for (const std::vector<int> &face : source.faces) object.AddFace(face);
        added.push_back(document.ObjectCount() - 1);
    }
    return added;
}

void SaveObj(const std::string &path, const Document &document) {
    try {
        WriteWholeFile(path, ObjText(document));
    } catch (const WriteError &error) {
        throw MeshError(error.what());
    }
}

}  // namespace simhost
