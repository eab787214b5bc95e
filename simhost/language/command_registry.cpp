#include "simhost/language/command_registry.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdio>
#include <numeric>

#include "simhost/language/commands.h"

namespace simhost {

namespace {

// Edits (a letter added, dropped, changed, or two neighbours swapped) from one word to
// another.
size_t EditDistance(std::string_view a, std::string_view b) {
    std::vector<std::vector<size_t>> d(a.size() + 1, std::vector<size_t>(b.size() + 1));
    for (size_t i = 0; i <= a.size(); ++i) d[i][0] = i;
    std::iota(d[0].begin(), d[0].end(), size_t{0});
    for (size_t i = 1; i <= a.size(); ++i) {
        for (size_t j = 1; j <= b.size(); ++j) {
            const size_t change = a[i - 1] == b[j - 1] ? 0 : 1;
            d[i][j] = std::min({d[i - 1][j] + 1, d[i][j - 1] + 1, d[i - 1][j - 1] + change});
            if (i > 1 && j > 1 && a[i - 1] == b[j - 2] && a[i - 2] == b[j - 1]) {
                d[i][j] = std::min(d[i][j], d[i - 2][j - 2] + 1);
            }
        }
    }
    return d[a.size()][b.size()];
}

std::string HelpEntry(const CommandEntry &entry) {
    return "\n  " + std::string(entry.usage) + "\n      " + entry.meaning + "\n      e.g. " + entry.example + "\n";
}

// A cell of a Markdown table: a bar would end it.
std::string Cell(const char *text) {
    std::string cell;
    for (const char *c = text; *c != '\0'; ++c) cell += *c == '|' ? std::string("\\|") : std::string(1, *c);
    return cell;
}

// A control character in a line would reach a file name, the studio's log or a terminal
// as it is: a NUL cuts a path short, an escape sequence redraws the terminal that shows
// the log. Tab alone separates words like a blank.
void RefuseControlCharacters(const std::string &line) {
    static constexpr std::array<const char *, 32> kNames = {
        "NUL", "SOH", "STX", "ETX", "EOT", "ENQ", "ACK", "BEL", "BS",  "TAB", "LF",  "VT",  "FF",  "CR",  "SO", "SI",
        "DLE", "DC1", "DC2", "DC3", "DC4", "NAK", "SYN", "ETB", "CAN", "EM",  "SUB", "ESC", "FS",  "GS",  "RS", "US"};
    size_t column = 0;
    for (const char c : line) {
        const auto byte = static_cast<unsigned char>(c);
        // Columns count characters: the bytes that continue one in UTF-8 do not.
        if ((byte & 0xC0) != 0x80) ++column;
        if ((byte >= 0x20 && byte != 0x7F) || c == '\t') continue;
        char code[8];
        std::snprintf(code, sizeof code, "U+%04X", byte);
        throw ScriptSyntaxError("the line holds the control character " + std::string(code) + " (" +
                                (byte == 0x7F ? "DEL" : kNames[byte]) + ") at column " + std::to_string(column) +
                                "; only tab may stand between words");
    }
}

}  // namespace

const CommandEntry *FindCommand(std::string_view verb) {
    const std::string lower = Lower(std::string(verb));
    for (const CommandEntry &entry : Commands()) {
        if (lower == entry.verb) return &entry;
    }
    return nullptr;
}

std::optional<std::string> NearestWord(std::string_view word, const std::vector<std::string> &words) {
    const std::string lower = Lower(std::string(word));
    // One slip in a short word, two in a longer one; more and it is a guess. A single
    // letter changed is no slip but another word.
    const size_t allowed = lower.size() <= 1 ? 0 : lower.size() <= 4 ? 1 : 2;
    std::optional<std::string> nearest;
    size_t best = allowed + 1;
    for (const std::string &candidate : words) {
        const size_t distance = EditDistance(lower, Lower(candidate));
        if (distance < best) {
            best = distance;
            nearest = candidate;
        }
    }
    return nearest;
}

std::optional<std::string> NearestVerb(std::string_view word) {
    std::vector<std::string> verbs;
    for (const CommandEntry &entry : Commands()) verbs.emplace_back(entry.verb);
    return NearestWord(word, verbs);
}

std::string UnknownCommand(const std::string &word) {
    if (const auto verb = NearestVerb(word)) return "unknown command \"" + word + "\"; did you mean \"" + *verb + "\"?";
    return "unknown command \"" + word + "\" (help lists the commands)";
}

std::optional<ScriptCommand> ParseScriptLine(const std::string &line) {
    RefuseControlCharacters(line);
    std::vector<std::string> tokens = Tokens(line);
    if (tokens.empty()) return std::nullopt;
    const CommandEntry *entry = FindCommand(tokens.front());
    if (entry == nullptr) throw ScriptSyntaxError(UnknownCommand(tokens.front()));
    Args args(std::vector<std::string>(tokens.begin() + 1, tokens.end()), entry->usage);
    std::string text = line;
    while (!text.empty() && std::isspace(static_cast<unsigned char>(text.back()))) text.pop_back();
    Action action = entry->parse(args);
    return ScriptCommand{text.substr(text.find_first_not_of(" \t")), std::move(action.run), entry->quiet,
                         action.effect, entry->history};
}

DialogAction ParseDialogAction(const std::string &words) {
    RefuseControlCharacters(words);
    Args args(Tokens(words), FindCommand("dialog")->usage);
    return ReadDialogAction(args);
}

std::string ScriptHelp(const std::string &words) {
    Args args(Tokens(words), "help [COMMAND]");
    if (args.AtEnd()) {
        std::string text = "Commands, one a line; # starts a comment; put names with blanks in double quotes.\n";
        for (const CommandEntry &entry : Commands()) text += HelpEntry(entry);
        return text;
    }
    const std::string verb = args.Word("command");
    args.End();
    const CommandEntry *entry = FindCommand(verb);
    if (entry == nullptr) throw ScriptSyntaxError(UnknownCommand(verb));
    return HelpEntry(*entry);
}

std::string CommandTable() {
    std::string table = "| command | what it does | example |\n|---|---|---|\n";
    for (const CommandEntry &entry : Commands()) {
        for (const CommandForm &form : entry.forms) {
            table += "| `" + Cell(form.usage) + "` | " + Cell(form.summary) + " | `" + Cell(form.example) + "` |\n";
        }
    }
    return table;
}

}  // namespace simhost
