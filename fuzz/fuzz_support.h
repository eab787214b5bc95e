// What the fuzz targets share: a stand-in host with the plug-in core bound to it, in this
// process, and a way to fail loudly when the host saw the plug-in misbehave.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include <unistd.h>

#include "host/host_functions.h"
#include "simhost/host/host.h"

namespace fuzzing {

// Binds the plug-in core's host table to the stand-in host module, once per process.
inline void BindOnce() {
    static const bool bound = [] {
        if (stelmarin::host::BindHostFunctions(simhost::HostModulePath().c_str(), stelmarin::host::Host()) != 1) {
            std::fprintf(stderr, "fuzz: cannot bind to %s\n", simhost::HostModulePath().c_str());
            std::abort();
        }
        return true;
    }();
    (void)bound;
}

// A fresh stand-in host for one run, active for as long as it lives, with the plug-in
// core bound to it.
struct Stage {
    Stage() {
        BindOnce();
        simhost::SetActiveHost(&host);
    }
    ~Stage() { simhost::SetActiveHost(nullptr); }
    Stage(const Stage &) = delete;
    Stage &operator=(const Stage &) = delete;
    simhost::Host host;
};

// The input written to a file of this process's own scratch folder, for targets whose
// code under test reads files; returns the file's path.
inline std::string WriteScratch(const std::string &name, const uint8_t *data, size_t size) {
    static const std::filesystem::path dir = [] {
        auto path = std::filesystem::temp_directory_path() / ("stelmarin-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(path);
        return path;
    }();
    const std::string file = (dir / name).string();
    std::ofstream(file, std::ios::binary | std::ios::trunc)
        .write(reinterpret_cast<const char *>(data), static_cast<std::streamsize>(size));
    return file;
}

// A scratch path without writing anything to it.
inline std::string ScratchPath(const std::string &name) { return WriteScratch(name, nullptr, 0); }

// A finding: the host saw something no host accepts.
inline void RequireClean(const simhost::Host &host) {
    if (host.violations.empty()) return;
    for (const auto &violation : host.violations) std::fprintf(stderr, "violation: %s\n", violation.Line().c_str());
    std::abort();
}

// Reads the input front to back; past its end every read gives zeros.
class Input {
public:
    Input(const uint8_t *data, size_t size) : data_(data), size_(size) {}
    bool Empty() const { return at_ >= size_; }
    uint8_t Byte() { return at_ < size_ ? data_[at_++] : 0; }
    int32_t Int() {
        uint32_t value = 0;
        for (int i = 0; i < 4; ++i) value = value << 8 | Byte();
        return static_cast<int32_t>(value);
    }
    // Up to `most` bytes as text, without NULs.
    std::string Text(size_t most) {
        std::string text;
        for (size_t n = Byte() % (most + 1); n > 0 && !Empty(); --n) {
            const char c = static_cast<char>(Byte());
            if (c != '\0') text += c;
        }
        return text;
    }

private:
    const uint8_t *data_;
    size_t size_;
    size_t at_ = 0;
};

}  // namespace fuzzing
