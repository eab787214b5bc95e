#include "simhost/modeller/plugin_module.h"

#include "host/module_loader.h"

namespace simhost {

PluginModule::PluginModule(const std::string &path) : path_(path) {
    handle_ = stelmarin::platform::OpenModule(path.c_str());
    if (handle_ == nullptr) {
        throw LoadError("cannot load plug-in '" + path + "': " + stelmarin::platform::LastLoadError());
    }
    std::string missing;
#define SIMHOST_FIND_EXPORT(ret, name, params)                                    \
    name = reinterpret_cast<ret(*) params>(stelmarin::platform::FindSymbol(handle_, #name)); \
    if (name == nullptr) missing += std::string(missing.empty() ? "" : ", ") + #name;
    STELMARIN_PLUGIN_EXPORTS(SIMHOST_FIND_EXPORT)
#undef SIMHOST_FIND_EXPORT
    if (!missing.empty()) {
        stelmarin::platform::CloseModule(handle_);
        throw LoadError("plug-in '" + path + "' does not export " + missing);
    }
}

PluginModule::~PluginModule() { stelmarin::platform::CloseModule(handle_); }

}  // namespace simhost
