// Reading an OBJ file: its lines, in blocks, into what the document will be made of.
//
// Sections:
//   progress           a line on a terminal for loads that take over a second
//   the reader         one statement a line: vertices, texture coordinates, normals, faces,
//                      points, lines, groups; what is read but not kept, counted
//   the file           ReadContents: the bytes in blocks, a byte-order mark skipped
//   loading            Warnings and LoadObj: the objects made, whole or not at all
#include "simhost/files/obj_mesh.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>

#include "simhost/files/obj_contents.h"
#include "simhost/files/obj_lines.h"
#include "simhost/host/platform.h"

namespace simhost {

namespace {

namespace fs = std::filesystem;

using obj::Contents;
using obj::Ignored;
using obj::LineCheck;
using obj::PendingObject;
using obj::SectionKind;

// ---- progress ----

// Tells someone watching a terminal how far a long load has come: nothing in the first
// second, then "loading head.obj: 45%" rewritten in place, and the line cleared at the end,
// also when the file is refused. Where standard error is a file or a pipe nothing is shown.
class Progress {
public:
    explicit Progress(const std::string &path)
        : name_(fs::path(path).filename().string()), terminal_(platform::StandardErrorIsTerminal()) {}
    Progress(const Progress &) = delete;
    Progress &operator=(const Progress &) = delete;
    ~Progress() {
        if (shown_ > 0) std::fprintf(stderr, "\r%*s\r", shown_, "");
    }

    void Show(double done) {
        const int percent = static_cast<int>(std::clamp(done, 0.0, 1.0) * 100);
        if (!terminal_ || percent == percent_ || std::chrono::steady_clock::now() - start_ < std::chrono::seconds(1)) {
            return;
        }
        percent_ = percent;
        shown_ = std::max(shown_, std::fprintf(stderr, "\rloading %s: %d%%", name_.c_str(), percent) - 1);
        std::fflush(stderr);
    }

private:
    std::string name_;
    bool terminal_;
    std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
    int percent_ = -1;
    int shown_ = 0;
};

// The share of a load's time that goes to reading the file; the rest is making objects.
constexpr double kReadingShare = 0.7;

// ---- the reader ----

// Statements of the format that the document has no place for, each warned about by name.
constexpr std::array<std::string_view, 31> kNotKept = {
    "mtllib", "usemtl", "s",      "vp",         "cstype",    "deg",   "bmat",  "step", "curv",  "curv2",    "surf",
    "parm",   "trim",   "hole",   "scrv",       "sp",        "end",   "con",   "mg",   "bevel", "c_interp", "d_interp",
    "lod",    "usemap", "maplib", "shadow_obj", "trace_obj", "ctech", "stech", "call", "csh"};

class Reader {
public:
    explicit Reader(const std::string &path) : path_(path) {}

    void Line(std::string_view line, bool hasNul);
    Contents &contents() { return contents_; }

private:
    void Vertex(const LineCheck &check);
    void TextureCoordinate(const LineCheck &check);
    void Normal(const LineCheck &check);
    void Corners(const LineCheck &check, const char *statement, std::vector<int> &vertices, CornerRefs &refs);
    void Ignore(std::string_view one, std::string_view many, std::string_view text = {});

    const std::string &path_;
    int number_ = 0;
    size_t counts_[3] = {0, 0, 0};
    std::vector<std::string_view> fields_;
    Contents contents_;
};

void Reader::Line(std::string_view line, bool hasNul) {
    const LineCheck check(path_, ++number_);
    if (hasNul) check.Fail("contains a NUL byte; this is not a text file");
    obj::SplitFields(line, fields_);
    if (fields_.empty()) return;
    const std::string_view keyword = fields_[0];
    if (keyword == "v") {
        Vertex(check);
    } else if (keyword == "vt") {
        TextureCoordinate(check);
    } else if (keyword == "vn") {
        Normal(check);
    } else if (keyword == "f") {
        Corners(check, "face corner", contents_.corners, contents_.faceRefs);
        const size_t corners = fields_.size() - 1;
        if (corners < 3) check.Fail("face has " + std::to_string(corners) + " corners; at least 3 needed");
        contents_.faceStart.push_back(contents_.corners.size());
    } else if (keyword == "l" || keyword == "p") {
        ElementList &elements = contents_.elements;
        Corners(check, keyword == "l" ? "line corner" : "point", elements.vertices, elements.refs);
        elements.starts.push_back(static_cast<int>(elements.vertices.size()));
        elements.lines.push_back(keyword == "l" ? 1 : 0);
    } else if (keyword == "o" || keyword == "g") {
        const auto after = static_cast<size_t>(keyword.data() - line.data()) + keyword.size();
        contents_.sections.push_back({keyword == "o" ? SectionKind::Object : SectionKind::Group,
                                      std::string(obj::Trimmed(line.substr(after))), contents_.Counts()});
    } else if (keyword[0] != '#') {
        if (std::find(kNotKept.begin(), kNotKept.end(), keyword) != kNotKept.end()) {
            const std::string quoted = "\"" + std::string(keyword) + "\" line";
            Ignore(quoted, quoted + "s");
        } else {
            Ignore("unknown statement", "unknown statements", keyword);
        }
    }
}

void Reader::Vertex(const LineCheck &check) {
    // x y z, then an optional w, a colour, or both.
    double values[7];
    long long reaches[7];
    check.Numbers(fields_, "vertex", 3, 7, values, reaches);
    // Digits reaching beyond a double's range (about 1e±307) before an exponent scales them
    // back are no exporter's writing; such a coordinate is refused rather than trusted.
    constexpr long long kReach = 307;
    for (int axis = 0; axis < 3; ++axis) {
        if (std::abs(reaches[axis]) > kReach) check.Fail("vertex coordinate cannot be read reliably");
    }
    contents_.positions.push_back(
        {static_cast<float>(values[0]), static_cast<float>(values[1]), static_cast<float>(values[2])});
    ++counts_[0];
    if (fields_.size() > 4) Ignore("vertex colour or weight", "vertex colours or weights");
}

void Reader::TextureCoordinate(const LineCheck &check) {
    double values[3];
    long long reaches[3];
    check.Numbers(fields_, "texture coordinate", 1, 3, values, reaches);
    const size_t count = fields_.size() - 1;
    for (size_t i = 0; i < 3; ++i) contents_.textures.push_back(i < count ? static_cast<float>(values[i]) : 0.0f);
    contents_.textureWidth = std::max(contents_.textureWidth, static_cast<int>(count));
    ++counts_[1];
}

void Reader::Normal(const LineCheck &check) {
    double values[3];
    long long reaches[3];
    check.Numbers(fields_, "normal", 3, 3, values, reaches);
    contents_.normals.push_back(
        {static_cast<float>(values[0]), static_cast<float>(values[1]), static_cast<float>(values[2])});
    ++counts_[2];
}

// Keeps an array of references empty until a corner names one.
void AddReference(std::vector<int> &references, size_t corner, int reference) {
    if (reference < 0 && references.empty()) return;
    if (references.empty()) references.assign(corner, -1);
    references.push_back(reference);
}

void Reader::Corners(const LineCheck &check, const char *statement, std::vector<int> &vertices, CornerRefs &refs) {
    const size_t corners = fields_.size() - 1;
    // Most files name no texture coordinate or normal at all; then the corners are their
    // vertices alone.
    bool named = !refs.textures.empty() || !refs.normals.empty();
    int parts[3];
    for (size_t i = 1; i <= corners; ++i) {
        check.Corner(fields_[i], statement, counts_, parts);
        if (named || parts[1] >= 0 || parts[2] >= 0) {
            AddReference(refs.textures, vertices.size(), parts[1]);
            AddReference(refs.normals, vertices.size(), parts[2]);
            named = true;
        }
        vertices.push_back(parts[0]);
    }
}

void Reader::Ignore(std::string_view one, std::string_view many, std::string_view text) {
    std::vector<Ignored> &ignored = contents_.ignored;
    auto kind = std::find_if(ignored.begin(), ignored.end(), [&](const Ignored &it) { return it.one == one; });
    if (kind == ignored.end()) {
        kind = ignored.insert(ignored.end(), {std::string(one), std::string(many), 0, number_, std::string(text)});
    }
    ++kind->count;
}

// ---- the file ----

// Line ends as files have them: LF, CRLF or a lone CR.
bool EndsLine(char c) { return c == '\n' || c == '\r'; }

// Reads the file once, in large blocks, and hands every line to the reader as it comes. A
// line may span blocks: it is kept, and the search for its end goes on where it stopped.
Contents ReadContents(const std::string &path, Progress &progress) {
    std::error_code error;
    if (!fs::exists(path, error)) throw MeshError(path + ": no such file");
    if (fs::is_directory(path, error)) throw MeshError(path + ": is a folder, not a file");
    std::ifstream in(fs::path(path), std::ios::binary);
    if (!in) throw MeshError(path + ": cannot be opened");
    const uintmax_t size = fs::file_size(path, error);
    const double total = error || size == 0 ? 1.0 : static_cast<double>(size);

    // A small file is read in one block of its own size, and its end seen in that read.
    constexpr uintmax_t kLargest = uintmax_t{1} << 20;
    const auto block = static_cast<size_t>(error ? kLargest : std::min(size + 1, kLargest));
    Reader reader(path);
    std::string buffer;
    size_t lineStart = 0;  // where the line not yet handed over begins
    size_t scanned = 0;    // how much of it is known to hold no line end
    bool lineHasNul = false;
    bool afterCr = false;  // the last line ended in a CR, whose LF may come in the next block
    bool first = true;
    double read = 0;
    while (true) {
        if (lineStart > 0) {
            buffer.erase(0, lineStart);
            scanned -= lineStart;
            lineStart = 0;
        }
        const size_t kept = buffer.size();
        buffer.resize(kept + block);
        in.read(buffer.data() + kept, static_cast<std::streamsize>(block));
        if (in.bad()) throw MeshError(path + ": cannot be read");
        const auto got = static_cast<size_t>(in.gcount());
        buffer.resize(kept + got);
        read += static_cast<double>(got);
        const bool last = got < block;

        const char *const data = buffer.data();
        const size_t end = buffer.size();
        // A byte-order mark is an encoding's signature, not text.
        if (first && buffer.compare(0, 3, "\xEF\xBB\xBF") == 0) lineStart = scanned = 3;
        first = false;
        if (afterCr && end > 0 && data[0] == '\n') lineStart = scanned = 1;
        afterCr = false;
        while (true) {
            size_t at = scanned;
            while (at < end && !EndsLine(data[at])) {
                lineHasNul = lineHasNul || data[at] == '\0';
                ++at;
            }
            scanned = at;
            if (at == end && !(last && at > lineStart)) break;
            reader.Line(std::string_view(data + lineStart, at - lineStart), lineHasNul);
            lineHasNul = false;
            if (at == end) {
                lineStart = scanned = end;
                break;
            }
            ++at;
            if (data[at - 1] == '\r') {
                if (at < end && data[at] == '\n') {
                    ++at;
                } else if (at == end) {
                    afterCr = true;
                }
            }
            lineStart = scanned = at;
        }
        progress.Show(kReadingShare * read / total);
        if (last) break;
    }
    return std::move(reader.contents());
}

// ---- loading ----

// One line per kind of statement read but not kept, in the order of their first lines.
std::vector<std::string> Warnings(const std::string &path, std::vector<Ignored> &ignored) {
    std::sort(ignored.begin(), ignored.end(),
              [](const Ignored &a, const Ignored &b) { return a.firstLine < b.firstLine; });
    std::vector<std::string> warnings;
    for (const Ignored &kind : ignored) {
        const bool once = kind.count == 1;
        std::string where = (once ? "line " : "first on line ") + std::to_string(kind.firstLine);
        if (!kind.firstText.empty()) where += ": \"" + obj::Printable(kind.firstText) + "\"";
        warnings.push_back("warning: " + path + ": " + std::to_string(kind.count) + " " +
                           (once ? kind.one : kind.many) + " ignored (" + where + ")");
    }
    return warnings;
}

}  // namespace

std::vector<int> LoadObj(const std::string &path, Document &document, std::vector<std::string> *warnings) {
    Progress progress(path);
    Contents contents = ReadContents(path, progress);
    std::vector<PendingObject> pending = obj::Assemble(path, contents);

    size_t total = 0;
    for (const PendingObject &source : pending) total += source.positions.size() + source.faceStart.size() - 1;
    size_t done = 0;
    const auto advance = [&] {
        constexpr size_t kStep = size_t{1} << 16;
        if (++done % kStep == 0) {
            progress.Show(kReadingShare + (1 - kReadingShare) * static_cast<double>(done) / static_cast<double>(total));
        }
    };
    std::vector<int> added;
    std::vector<int> face;
    for (PendingObject &source : pending) {
        Object &object = document.AddObject(source.name);
        for (const MQPoint &position : source.positions) {
            object.AddVertex(position);
            advance();
        }
        for (size_t i = 0; i + 1 < source.faceStart.size(); ++i) {
            face.assign(source.corners.begin() + static_cast<std::ptrdiff_t>(source.faceStart[i]),
                        source.corners.begin() + static_cast<std::ptrdiff_t>(source.faceStart[i + 1]));
            object.AddFace(face);
            advance();
        }
        object.extras() = std::move(source.extras);
        added.push_back(document.ObjectCount() - 1);
    }
    if (warnings != nullptr) *warnings = Warnings(path, contents.ignored);
    return added;
}

}  // namespace simhost
