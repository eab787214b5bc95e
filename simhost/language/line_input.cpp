#include "simhost/language/line_input.h"

#include <iostream>
#include <utility>

#include "simhost/host/platform.h"

#if defined(SIMHOST_LINE_EDITING)
#include <editline/readline.h>

#include <cstdlib>
#endif

namespace simhost {

LineInput::LineInput(std::string prompt)
    : prompt_(std::move(prompt)), interactive_(platform::StandardInputIsTerminal()) {}

std::optional<std::string> LineInput::Next() {
#if defined(SIMHOST_LINE_EDITING)
    if (interactive_) {
        // What the transcript printed must be out before the editor draws its prompt.
        std::cout.flush();
        char *typed = readline(prompt_.c_str());
        if (typed == nullptr) return std::nullopt;
        std::string line(typed);
        std::free(typed);
        if (line.find_first_not_of(" \t") != std::string::npos) add_history(line.c_str());
        return line;
    }
#endif
    if (interactive_) std::cout << prompt_ << std::flush;
    std::string line;
    if (!std::getline(std::cin, line)) return std::nullopt;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return line;
}

}  // namespace simhost
