// A plug-in file loaded the way the modeller loads it: by path, at run time, never linked.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

#include "host/host_abi.h"

namespace simhost {

// The fourteen functions a plug-in module must export.
#define SIMHOST_PLUGIN_EXPORTS(X)                         \
    X(uint32_t, MQCheckVersion, (uint32_t))               \
    X(int, MQInit, (const char *))                        \
    X(void, MQGetPlugInID, (uint32_t *, uint32_t *))      \
    X(const char *, MQGetPlugInName, ())                  \
    X(int, MQGetPlugInType, ())                           \
    X(const char *, MQEnumString, (int))                  \
    X(const char *, MQEnumFileType, (int))                \
    X(const char *, MQEnumFileExt, (int))                 \
    X(int, MQImportFile, (int, const char *, MQDocument)) \
    X(int, MQExportFile, (int, const char *, MQDocument)) \
    X(int, MQCreate, (int, MQDocument))                   \
    X(int, MQModifyObject, (int, MQDocument))             \
    X(int, MQModifySelect, (int, MQDocument))             \
    X(int, MQOnEvent, (MQDocument, int, void *))

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
    SIMHOST_PLUGIN_EXPORTS(SIMHOST_EXPORT_POINTER)
#undef SIMHOST_EXPORT_POINTER

private:
    std::string path_;
    void *handle_ = nullptr;
};

}  // namespace simhost
