#include "simhost/files/obj_lines.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

#include "simhost/files/obj_mesh.h"

namespace simhost::obj {

namespace {

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

// A sign, digits with an optional point, an optional exponent: the form exporters write;
// anything else (a bare point, hex, a word) is not a number. `reach` gets the power of ten
// of the leading digit, as LineCheck::Numbers describes.
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

}  // namespace

std::string Printable(std::string_view text) {
    std::string shown = Clipped(text);
    std::replace_if(
        shown.begin(), shown.end(), [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7f; }, '?');
    return shown;
}

void LineCheck::Fail(const std::string &what) const {
    throw MeshError(path_ + ":" + std::to_string(line_) + ": " + what);
}

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

void LineCheck::Corner(std::string_view corner, const char *statement, const size_t (&counts)[3],
                       int (&refs)[3]) const {
    if (std::count(corner.begin(), corner.end(), '/') > 2) {
        Fail(std::string(statement) + " " + Clipped(corner) + " has more than three parts");
    }
    refs[1] = refs[2] = -1;
    std::string_view rest = corner;
    for (int part = 0; part < 3; ++part) {
        const size_t slash = rest.find('/');
        const std::string_view text = rest.substr(0, slash);
        // The texture coordinate alone may be left out, as in 7//4.
        if (!(part == 1 && text.empty() && slash != std::string_view::npos)) {
            refs[part] = static_cast<int>(Index(text, corner, statement, part, counts[part]));
        }
        if (slash == std::string_view::npos) break;
        rest.remove_prefix(slash + 1);
    }
}

}  // namespace simhost::obj
