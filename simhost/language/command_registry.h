// The registry of the session language: one table (command_table.cpp) lists every
// command with its verb, what `help` says of it, its parse function, and the forms the
// README's table shows. The parser, `help`, `help COMMAND`, the suggestion for a
// mistyped command and the README's table all come from it.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "simhost/language/command_support.h"

namespace simhost {

// One way to write a command: a row of the README's table.
struct CommandForm {
    const char *usage;    // "make grid NAME COLUMNS ROWS [SPACING]"
    const char *summary;  // what it does, in a few words (Markdown)
    const char *example;
};

struct CommandEntry {
    const char *verb;
    const char *usage;  // every form in one line, as help shows it and mistakes quote it
    const char *meaning;
    const char *example;
    ParseFunction parse;
    std::vector<CommandForm> forms;
    bool quiet = false;  // prints its own text, so the transcript does not repeat the line
    HistoryRole history = HistoryRole::Step;  // when it changes the document
};

// Every command, in the order help lists them.
const std::vector<CommandEntry> &Commands();

// The command with that verb, in any case.
const CommandEntry *FindCommand(std::string_view verb);
// The word among `words` nearest a mistyped one, in any case, when it is near enough to be
// what was meant: the session's verbs, and simhost's own commands and options.
std::optional<std::string> NearestWord(std::string_view word, const std::vector<std::string> &words);
// The verb nearest a mistyped one, when it is near enough to be what was meant.
std::optional<std::string> NearestVerb(std::string_view word);
// What is said of a word that is no command, with the nearest verb if there is one.
std::string UnknownCommand(const std::string &word);

// One thing the user does in the fix-mode dialog, written as after the verb of `dialog`
// ("click X", "key esc", "rightclick"): checked as that command checks it, a mistake a
// ScriptSyntaxError.
DialogAction ParseDialogAction(const std::string &words);

// What `help` prints for the words after it: every command, or just the one named. A word
// that is no command is a ScriptSyntaxError.
std::string ScriptHelp(const std::string &words = "");
// The README's table of the session language, in Markdown.
std::string CommandTable();

}  // namespace simhost
