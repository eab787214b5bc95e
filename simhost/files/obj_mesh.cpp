#include "simhost/files/obj_mesh.h"

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <string_view>

#include "simhost/host/platform.h"
#include "simhost/host/safe_write.h"

namespace simhost {

namespace {

namespace fs = std::filesystem;

std::string Clipped(std::string_view text) {
    constexpr size_t kLongest = 40;
    if (text.size() <= kLongest) return std::string(text);
    return std::string(text.substr(0, kLongest)) + "...";
}

std::string Shown(std::string_view text) { return "'" + Clipped(text) + "'"; }

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

bool StartsWithNoCase(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (size_t i = 0; i < prefix.size(); ++i) {
        if ((text[i] | 0x20) != prefix[i]) return false;
    }
    return true;
}

// A sign, digits with an optional point, an optional exponent: the form exporters write;
// anything else (a bare point, hex, a word) is not a number. `reach` gets the power of ten of the leading digit before
// any exponent scales it: 2 for 123.4, -3 for 0.004, 0 when every digit is 0.
bool HasNumberForm(std::string_view text, long long &reach) {
    size_t i = 0;
    reach = 0;
    bool nonZero = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
    const size_t whole = i;
    for (; i < text.size() && IsDigit(text[i]); ++i) {
        if (nonZero) {
            ++reach;
        } else if (text[i] != '0') {
            nonZero = true;
        }
    }
    size_t mantissa = i - whole;
    if (i < text.size() && text[i] == '.') {
        const size_t fraction = ++i;
        for (; i < text.size() && IsDigit(text[i]); ++i) {
            if (!nonZero && text[i] != '0') {
                nonZero = true;
                reach = -static_cast<long long>(i - fraction + 1);
            }
        }
        mantissa += i - fraction;
    }
    if (mantissa == 0) return false;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) ++i;
        while (i + 1 < text.size() && text[i] == '0' && IsDigit(text[i + 1])) ++i;
        // No float needs a longer exponent, and one this short cannot overflow anyone's
        // arithmetic.
        const size_t start = i;
        while (i < text.size() && IsDigit(text[i])) ++i;
        if (i == start || i - start > 4) return false;
    }
    return i == text.size();
}

// Checks one line at a time and names it in every refusal.
class LineCheck {
public:
    LineCheck(const std::string &path, int line) : path_(path), line_(line) {}

    [[noreturn]] void Fail(const std::string &what) const {
        throw MeshError(path_ + ":" + std::to_string(line_) + ": " + what);
    }

    // Between `fewest` and `most` numbers after the keyword, each one a float can hold,
    // into `values`, with the reach of their digits (see HasNumberForm).
    void Numbers(const std::vector<std::string_view> &fields, const char *what, size_t fewest, size_t most,
                 double *values, long long *reaches) const;
    // A corner such as 7, 7/2, 7//4 or 7/2/4 against the elements defined so far; returns
    // the vertex it names, counted from 0.
    size_t Corner(std::string_view corner, const char *statement, const size_t (&counts)[3]) const;

private:
    double Number(std::string_view text, const char *what, long long &reach) const;
    size_t Index(std::string_view text, std::string_view corner, const char *statement, int part, size_t count) const;
    [[noreturn]] void FailIndex(std::string_view text, std::string_view corner, const char *statement, int part,
                                const std::string &why) const;

    const std::string &path_;
    int line_;
};

double LineCheck::Number(std::string_view text, const char *what, long long &reach) const {
    const std::string_view body = text.substr(text[0] == '+' || text[0] == '-' ? 1 : 0);
    if (StartsWithNoCase(body, "nan") || StartsWithNoCase(body, "inf")) {
        Fail(std::string(what) + " " + Shown(text) + " is not a finite number");
    }
    if (!HasNumberForm(text, reach)) Fail(std::string(what) + " " + Shown(text) + " is not a number");
    double value = 0.0;
    const char *first = text.data() + (text[0] == '+' ? 1 : 0);
    const auto parsed = std::from_chars(first, text.data() + text.size(), value);
    // Anything from half a step above the largest float on becomes infinite as a float.
    constexpr double kLimit = double{std::numeric_limits<float>::max()} + 0x1p103;
    if (parsed.ec != std::errc() || std::abs(value) >= kLimit) {
        Fail(std::string(what) + " " + Shown(text) + " is out of range");
    }
    return value;
}

void LineCheck::Numbers(const std::vector<std::string_view> &fields, const char *what, size_t fewest, size_t most,
                        double *values, long long *reaches) const {
    const size_t count = fields.size() - 1;
    if (count < fewest || count > most) {
        const std::string expected =
            fewest == most ? std::to_string(fewest) : std::to_string(fewest) + " to " + std::to_string(most);
        Fail(std::string(what) + " has " + std::to_string(count) + " numbers; " + expected + " expected");
    }
    for (size_t i = 0; i < count; ++i) values[i] = Number(fields[i + 1], what, reaches[i]);
}

void LineCheck::FailIndex(std::string_view text, std::string_view corner, const char *statement, int part,
                          const std::string &why) const {
    static const char *const kNouns[] = {"vertex", "texture coordinate", "normal"};
    const bool whole = text.size() == corner.size();
    Fail(std::string(statement) + " " + Clipped(corner) +
         (whole ? "" : std::string(": ") + kNouns[part] + " index " + Shown(text)) + why);
}

size_t LineCheck::Index(std::string_view text, std::string_view corner, const char *statement, int part,
                        size_t count) const {
    const bool negative = !text.empty() && text[0] == '-';
    const char *first = text.data() + (negative || (!text.empty() && text[0] == '+') ? 1 : 0);
    const char *last = text.data() + text.size();
    unsigned long long magnitude = 0;
    const auto parsed = std::from_chars(first, last, magnitude);
    if (first == last || parsed.ptr != last) FailIndex(text, corner, statement, part, " is not an index");
    if (magnitude == 0 && parsed.ec == std::errc()) {
        FailIndex(text, corner, statement, part, " is 0; indices count from 1");
    }
    if (parsed.ec != std::errc() || magnitude > count) {
        static const char *const kNouns[] = {"vertex", "texture coordinate", "normal"};
        static const char *const kPlurals[] = {"vertices", "texture coordinates", "normals"};
        const std::string sofar =
            " (" + std::to_string(count) + " " + (count == 1 ? kNouns : kPlurals)[part] + " so far)";
        FailIndex(text, corner, statement, part,
                  (negative ? " reaches before the first " + std::string(kNouns[part]) : " is out of range") + sofar);
    }
    return negative ? count - magnitude : magnitude - 1;
}

size_t LineCheck::Corner(std::string_view corner, const char *statement, const size_t (&counts)[3]) const {
    if (std::count(corner.begin(), corner.end(), '/') > 2) {
        Fail(std::string(statement) + " " + Clipped(corner) + " has more than three parts");
    }
    size_t vertex = 0;
    std::string_view rest = corner;
    for (int part = 0; part < 3; ++part) {
        const size_t slash = rest.find('/');
        const std::string_view text = rest.substr(0, slash);
        // The texture coordinate alone may be left out, as in 7//4.
        if (!(part == 1 && text.empty() && slash != std::string_view::npos)) {
            const size_t index = Index(text, corner, statement, part, counts[part]);
            if (part == 0) vertex = index;
        }
        if (slash == std::string_view::npos) break;
        rest.remove_prefix(slash + 1);
    }
    return vertex;
}

void SplitFields(std::string_view line, std::vector<std::string_view> &fields) {
    fields.clear();
    const char *at = line.data();
    const char *const end = at + line.size();
    while (true) {
        while (at < end && IsBlank(*at)) ++at;
        if (at == end) return;
        const char *const start = at;
        while (at < end && !IsBlank(*at)) ++at;
        fields.emplace_back(start, static_cast<size_t>(at - start));
    }
}

std::string_view Trimmed(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

enum class SectionKind { Leading, Object, Group };

// An "o" or "g" block, or what comes before the first; each holds the vertices and faces
// from its first ones to the next block's.
struct Section {
    SectionKind kind;
    std::string name;
    size_t firstVertex;
    size_t firstFace;
};

// What the document is made of, in the order of the file. Face i has the vertices
// corners[faceStart[i]] to just before corners[faceStart[i + 1]], counted from 0.
struct Contents {
    std::vector<Section> sections{{SectionKind::Leading, {}, 0, 0}};
    std::vector<MQPoint> positions;
    std::vector<int> corners;
    std::vector<size_t> faceStart{0};
};

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

class Reader {
public:
    explicit Reader(const std::string &path) : path_(path) {}

    void Line(std::string_view line, bool hasNul);
    Contents &contents() { return contents_; }

private:
    void Vertex(const LineCheck &check);
    void Face(const LineCheck &check, const char *statement, bool face);

    const std::string &path_;
    int number_ = 0;
    size_t counts_[3] = {0, 0, 0};
    std::vector<std::string_view> fields_;
    Contents contents_;
};

void Reader::Line(std::string_view line, bool hasNul) {
    const LineCheck check(path_, ++number_);
    if (hasNul) check.Fail("contains a NUL byte; this is not a text file");
    SplitFields(line, fields_);
    if (fields_.empty()) return;
    const std::string_view keyword = fields_[0];
    double values[7];
    long long reaches[7];
    if (keyword == "v") {
        Vertex(check);
    } else if (keyword == "vt") {
        check.Numbers(fields_, "texture coordinate", 1, 3, values, reaches);
        ++counts_[1];
    } else if (keyword == "vn") {
        check.Numbers(fields_, "normal", 3, 3, values, reaches);
        ++counts_[2];
    } else if (keyword == "f") {
        Face(check, "face corner", true);
    } else if (keyword == "l") {
        Face(check, "line corner", false);
    } else if (keyword == "p") {
        Face(check, "point", false);
    } else if (keyword == "o" || keyword == "g") {
        const auto after = static_cast<size_t>(keyword.data() - line.data()) + keyword.size();
        contents_.sections.push_back({keyword == "o" ? SectionKind::Object : SectionKind::Group,
                                      std::string(Trimmed(line.substr(after))), contents_.positions.size(),
                                      contents_.faceStart.size() - 1});
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
}

void Reader::Face(const LineCheck &check, const char *statement, bool face) {
    const size_t corners = fields_.size() - 1;
    for (size_t i = 1; i <= corners; ++i) {
        const size_t vertex = check.Corner(fields_[i], statement, counts_);
        if (face) contents_.corners.push_back(static_cast<int>(vertex));
    }
    if (!face) return;
    if (corners < 3) check.Fail("face has " + std::to_string(corners) + " corners; at least 3 needed");
    contents_.faceStart.push_back(contents_.corners.size());
}

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

// An object ready to go into the document, its faces numbering its own vertices.
struct PendingObject {
    std::string name;
    bool keepEmpty = false;
    std::vector<MQPoint> positions;
    std::vector<int> corners;
    std::vector<size_t> faceStart{0};
};

// The sections that make one object, and the vertices and faces they hold.
struct Block {
    size_t head;
    size_t firstVertex, endVertex;
    size_t firstFace, endFace;
};

// Groups subdivide objects when there are any, so they split the file only when it has
// none. An object's sections follow one another, from its head up to the next head.
std::vector<Block> Blocks(const Contents &contents) {
    const std::vector<Section> &sections = contents.sections;
    const bool hasObjects = std::any_of(sections.begin(), sections.end(),
                                        [](const Section &section) { return section.kind == SectionKind::Object; });
    std::vector<Block> blocks;
    for (size_t i = 0; i < sections.size(); ++i) {
        if (i > 0 && hasObjects && sections[i].kind == SectionKind::Group) continue;
        if (!blocks.empty()) {
            blocks.back().endVertex = sections[i].firstVertex;
            blocks.back().endFace = sections[i].firstFace;
        }
        blocks.push_back({i, sections[i].firstVertex, 0, sections[i].firstFace, 0});
    }
    blocks.back().endVertex = contents.positions.size();
    blocks.back().endFace = contents.faceStart.size() - 1;
    return blocks;
}

// The vertices that a block takes, ascending: those its faces use and those it defines
// that no face uses. `local` is -1 for every vertex on entry; on return it is 0 for the
// members.
std::vector<int> Members(const Contents &contents, const Block &block, const std::vector<bool> &used,
                         std::vector<int> &local) {
    std::vector<int> members;
    const auto take = [&](int vertex) {
        int &mark = local[static_cast<size_t>(vertex)];
        if (mark >= 0) return;
        mark = 0;
        members.push_back(vertex);
    };
    for (size_t i = contents.faceStart[block.firstFace]; i < contents.faceStart[block.endFace]; ++i) {
        take(contents.corners[i]);
    }
    for (size_t v = block.firstVertex; v < block.endVertex; ++v) {
        if (!used[v]) take(static_cast<int>(v));
    }
    if (std::is_sorted(members.begin(), members.end())) return members;
    const auto [low, high] = std::minmax_element(members.begin(), members.end());
    const auto from = static_cast<size_t>(*low), to = static_cast<size_t>(*high) + 1;
    // Faces mostly use vertices close together: then walking their span in order is
    // quicker than sorting.
    if (to - from > 4 * members.size()) {
        std::sort(members.begin(), members.end());
        return members;
    }
    members.clear();
    for (size_t v = from; v < to; ++v) {
        if (local[v] >= 0) members.push_back(static_cast<int>(v));
    }
    return members;
}

std::vector<PendingObject> Assemble(const std::string &path, Contents &contents) {
    const size_t vertexCount = contents.positions.size();
    const size_t faceCount = contents.faceStart.size() - 1;
    const std::vector<Block> blocks = Blocks(contents);
    const std::string stem = fs::path(path).stem().string();
    std::vector<PendingObject> objects(blocks.size());
    for (size_t i = 0; i < blocks.size(); ++i) {
        const Section &section = contents.sections[blocks[i].head];
        objects[i].name = section.name.empty() ? stem : section.name;
        objects[i].keepEmpty = section.kind == SectionKind::Object;
    }

    const auto whole = std::find_if(blocks.begin(), blocks.end(), [&](const Block &block) {
        return block.endVertex - block.firstVertex == vertexCount && block.endFace - block.firstFace == faceCount;
    });
    if (whole != blocks.end()) {
        // The usual file: one object holds every vertex and face, numbered as in the file.
        PendingObject &object = objects[static_cast<size_t>(whole - blocks.begin())];
        object.positions = std::move(contents.positions);
        object.corners = std::move(contents.corners);
        object.faceStart = std::move(contents.faceStart);
    } else {
        std::vector<bool> used(vertexCount, false);
        for (const int corner : contents.corners) used[static_cast<size_t>(corner)] = true;
        std::vector<int> local(vertexCount, -1);
        for (size_t i = 0; i < blocks.size(); ++i) {
            const Block &block = blocks[i];
            PendingObject &object = objects[i];
            const std::vector<int> members = Members(contents, block, used, local);
            object.positions.reserve(members.size());
            for (const int v : members) {
                local[static_cast<size_t>(v)] = static_cast<int>(object.positions.size());
                object.positions.push_back(contents.positions[static_cast<size_t>(v)]);
            }
            for (size_t face = block.firstFace; face < block.endFace; ++face) {
                for (size_t c = contents.faceStart[face]; c < contents.faceStart[face + 1]; ++c) {
                    object.corners.push_back(local[static_cast<size_t>(contents.corners[c])]);
                }
                object.faceStart.push_back(object.corners.size());
            }
            for (const int v : members) local[static_cast<size_t>(v)] = -1;
        }
    }
    std::erase_if(objects, [](const PendingObject &object) { return object.positions.empty() && !object.keepEmpty; });
    return objects;
}

}  // namespace

std::vector<int> LoadObj(const std::string &path, Document &document) {
    Progress progress(path);
    Contents contents = ReadContents(path, progress);
    const std::vector<PendingObject> pending = Assemble(path, contents);

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
    for (const PendingObject &source : pending) {
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
