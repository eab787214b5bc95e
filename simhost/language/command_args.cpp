#include "simhost/language/command_args.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <limits>

#include "simhost/language/session_script.h"

namespace simhost {

std::string Lower(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return text;
}

std::vector<std::string> Tokens(const std::string &line) {
    std::vector<std::string> tokens;
    size_t i = 0;
    while (true) {
        while (i < line.size() && std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        if (i == line.size() || line[i] == '#') break;
        if (line[i] == '"') {
            const size_t close = line.find('"', i + 1);
            if (close == std::string::npos) throw ScriptSyntaxError("a quoted word has no closing quote");
            tokens.push_back(line.substr(i + 1, close - i - 1));
            i = close + 1;
            if (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) {
                throw ScriptSyntaxError("a quoted word must be followed by a blank");
            }
            continue;
        }
        const size_t start = i;
        while (i < line.size() && !std::isspace(static_cast<unsigned char>(line[i]))) ++i;
        tokens.push_back(line.substr(start, i - start));
    }
    return tokens;
}

std::string Args::Word(const char *what) {
    if (AtEnd()) Fail(std::string("missing ") + what);
    return tokens_[next_++];
}

namespace {

// A bound as a person reads it: "3.40282e+38".
std::string Shown(float bound) {
    char text[32];
    std::snprintf(text, sizeof text, "%g", static_cast<double>(bound));
    return text;
}

// Whether a number too far from 1 for a double to hold is too small rather than too
// large: its exponent is negative, or it is written as a fraction below 1.
bool TooCloseToZero(const std::string &word) {
    const size_t exponent = word.find_first_of("eE");
    if (exponent != std::string::npos) return exponent + 1 < word.size() && word[exponent + 1] == '-';
    const size_t digits = word.find_first_not_of("+-");
    return word.compare(digits, 2, "0.") == 0 || word.compare(digits, 1, ".") == 0;
}

}  // namespace

float Args::Float(const char *what, float low, float high) {
    const std::string word = Word(what);
    float value = 0.0f;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    const bool whole = end == word.data() + word.size();
    if ((error != std::errc() && error != std::errc::result_out_of_range) || !whole || !std::isfinite(value)) {
        Fail(std::string(what) + " must be a number, not \"" + word + "\"");
    }
    const std::string range = Shown(low) + " to " + Shown(high);
    if (error == std::errc::result_out_of_range) {
        double wide = 0.0;
        const auto [_, wideError] = std::from_chars(word.data(), word.data() + word.size(), wide);
        if (wideError == std::errc() ? std::abs(wide) < 1.0 : TooCloseToZero(word)) {
            Fail(std::string(what) + " \"" + word + "\" is out of range: it is too close to 0, nearer than " +
                 Shown(std::numeric_limits<float>::denorm_min()) + " (write 0 for none)");
        }
        Fail(std::string(what) + " \"" + word + "\" is out of range: it must be from " + range);
    }
    if (value < low || value > high) {
        Fail(std::string(what) + " \"" + word + "\" is out of range: it must be from " + range);
    }
    return value;
}

MQPoint Args::Point(const char *what) {
    const std::string name(what);
    const float x = Float((name + " x").c_str());
    const float y = Float((name + " y").c_str());
    const float z = Float((name + " z").c_str());
    return {x, y, z};
}

int Args::Int(const char *what, long long low, long long high) {
    const std::string word = Word(what);
    long long value = 0;
    const auto [end, error] = std::from_chars(word.data(), word.data() + word.size(), value);
    if ((error != std::errc() && error != std::errc::result_out_of_range) || end != word.data() + word.size()) {
        Fail(std::string(what) + " must be a whole number, not \"" + word + "\"");
    }
    if (error == std::errc::result_out_of_range || value < low || value > high) {
        Fail(std::string(what) + " must be from " + std::to_string(low) + " to " + std::to_string(high));
    }
    return static_cast<int>(value);
}

void Args::Keyword(const char *what, const char *word) {
    const std::string given = Lower(Word(what));
    if (given != word) NotOneOf(what, {word}, given);
}

bool Args::Optional(const char *word) {
    if (AtEnd() || Lower(Peek()) != word) return false;
    ++next_;
    return true;
}

void Args::End() {
    if (!AtEnd()) Fail("unexpected \"" + tokens_[next_] + "\"");
}

void Args::Fail(const std::string &what) const { throw ScriptSyntaxError(what + " (usage: " + usage_ + ")"); }

void Args::NotOneOf(const char *what, const std::vector<const char *> &words, const std::string &word) const {
    std::string list;
    for (const char *candidate : words) list += std::string(list.empty() ? "" : ", ") + candidate;
    Fail(std::string(what) + " must be one of " + list + ", not \"" + word + "\"");
}

}  // namespace simhost
