// The stand-in host's settings file: whatever is on disk either loads whole or is refused
// with a SettingsError, and what loads saves and loads again to the same tree.
#include <unistd.h>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>

#include "simhost/settings_tree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / ("fuzz-settings-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    const std::string file = (dir / "settings.xml").string();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
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
