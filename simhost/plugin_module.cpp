#include "simhost/plugin_module.h"

#include "simhost/platform.h"

namespace simhost {

PluginModule::PluginModule(const std::string &path) : path_(path) {
    std::string why;
    handle_ = platform::OpenLibrary(path, why);
    if (handle_ == nullptr) throw LoadError("cannot load plug-in '" + path + "': " + why);
    std::string missing;
#define SIMHOST_FIND_EXPORT(ret, name, params)                                    \
    name = reinterpret_cast<ret(*) params>(platform::FindSymbol(handle_, #name)); \
    if (name == nullptr) missing += std::string(missing.empty() ? "" : ", ") + #name;
    STELMARIN_PLUGIN_EXPORTS(SIMHOST_FIND_EXPORT)
#undef SIMHOST_FIND_EXPORT
    if (!missing.empty()) {
        platform::CloseLibrary(handle_);
        throw LoadError("plug-in '" + path + "' does not export " + missing);
    }
}

PluginModule::~PluginModule() { platform::CloseLibrary(handle_); }

}  // namespace simhost
