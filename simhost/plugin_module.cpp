#include "simhost/plugin_module.h"

#include <dlfcn.h>

namespace simhost {

PluginModule::PluginModule(const std::string &path) : path_(path) {
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char *why = dlerror();
        throw LoadError("cannot load plug-in '" + path + "': " + (why != nullptr ? why : "unknown reason"));
    }
    std::string missing;
#define SIMHOST_FIND_EXPORT(ret, name, params)                              \
    name = reinterpret_cast<ret(*) params>(dlsym(handle_, #name));         \
    if (name == nullptr) missing += std::string(missing.empty() ? "" : ", ") + #name;
    SIMHOST_PLUGIN_EXPORTS(SIMHOST_FIND_EXPORT)
#undef SIMHOST_FIND_EXPORT
    if (!missing.empty()) {
        dlclose(handle_);
        throw LoadError("plug-in '" + path + "' does not export " + missing);
    }
}

PluginModule::~PluginModule() { dlclose(handle_); }

}  // namespace simhost
