// Lines of the session language: each is a command or a ScriptSyntaxError, never anything
// else.
#include <string>

#include "simhost/language/session_script.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string line(reinterpret_cast<const char *>(data), size);
    try {
        simhost::ParseScriptLine(line);
    } catch (const simhost::ScriptSyntaxError &) {}
    return 0;
}
