// The parts of one OBJ line: the fields between blanks, numbers and the indices of a
// corner, checked as they are read. Every refusal names the file and the line.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace simhost::obj {

// Checks one line at a time and names it in every refusal (a MeshError).
class LineCheck {
public:
    LineCheck(const std::string &path, int line) : path_(path), line_(line) {}

    [[noreturn]] void Fail(const std::string &what) const;

    // Between `fewest` and `most` numbers after the keyword, each one a float can hold,
    // into `values`, with the power of ten of each one's leading digit before any exponent
    // scales it (2 for 123.4, -3 for 0.004, 0 when every digit is 0).
    void Numbers(const std::vector<std::string_view> &fields, const char *what, size_t fewest, size_t most,
                 double *values, long long *reaches) const;
    // A corner such as 7, 7/2, 7//4 or 7/2/4 against the vertices, texture coordinates and
    // normals defined so far: the one of each it names, counted from 0, -1 for none.
    void Corner(std::string_view corner, const char *statement, const size_t (&counts)[3], int (&refs)[3]) const;

private:
    double Number(std::string_view text, const char *what, long long &reach) const;
    size_t Index(std::string_view text, std::string_view corner, const char *statement, int part, size_t count) const;
    [[noreturn]] void FailIndex(std::string_view text, std::string_view corner, const char *statement, int part,
                                const std::string &why) const;

    const std::string &path_;
    int line_;
};

// The text shortened to 40 bytes, control characters as '?', for a message.
std::string Printable(std::string_view text);

inline bool IsBlank(char c) { return c == ' ' || c == '\t'; }

// Every line goes through here, so it stays where the reader's loop can inline it.
inline void SplitFields(std::string_view line, std::vector<std::string_view> &fields) {
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

inline std::string_view Trimmed(std::string_view text) {
    const size_t start = text.find_first_not_of(" \t");
    if (start == std::string_view::npos) return {};
    return text.substr(start, text.find_last_not_of(" \t") - start + 1);
}

}  // namespace simhost::obj
