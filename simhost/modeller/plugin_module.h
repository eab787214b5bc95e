// A plug-in file loaded the way the modeller loads it: by path, at run time, never linked.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "host/contract_codes.h"
#include "host/host_abi.h"

namespace simhost {

class LoadError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class PluginModule {
public:
    // Loads the file and finds every export; throws LoadError naming the file and what is
    // missing.
    explicit PluginModule(const std::string &path);
    ~PluginModule();
    PluginModule(const PluginModule &) = delete;
    PluginModule &operator=(const PluginModule &) = delete;

    const std::string &path() const { return path_; }

#define SIMHOST_EXPORT_POINTER(ret, name, params) ret(*name) params = nullptr;
    STELMARIN_PLUGIN_EXPORTS(SIMHOST_EXPORT_POINTER)
#undef SIMHOST_EXPORT_POINTER

private:
    std::string path_;
    void *handle_ = nullptr;
};

}  // namespace simhost
