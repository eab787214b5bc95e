// The stand-in host's settings file: whatever is on disk either loads whole or is refused
// with a SettingsError, and what loads saves and loads again to the same tree.
#include <string>

#include "fuzz/fuzz_support.h"
#include "simhost/host/settings_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    const std::string file = fuzzing::WriteScratch("settings.xml", data, size);
    simhost::SettingsTree tree;
    try {
        tree.Load(file);
    } catch (const simhost::SettingsError &) {
        return 0;
    }
    const std::string xml = tree.Xml();
    tree.Save(file);
    simhost::SettingsTree again;
    again.Load(file);
    if (again.Xml() != xml) __builtin_trap();
    return 0;
}
