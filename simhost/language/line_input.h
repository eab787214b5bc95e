// The lines a person types at the REPL: edited, with the earlier lines a key away, when
// they come from a terminal; read plainly, with no prompt, from a pipe or a file.
#pragma once

#include <optional>
#include <string>

namespace simhost {

class LineInput {
public:
    explicit LineInput(std::string prompt);

    // The next line from standard input, or nothing at its end.
    std::optional<std::string> Next();
    // Whether a person types the lines at a terminal.
    bool interactive() const { return interactive_; }

private:
    std::string prompt_;
    bool interactive_;
};

}  // namespace simhost
