// A modelling session: one stand-in host with its document and one loaded plug-in, driven
// the way the modeller drives it.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "simhost/host/host.h"
#include "simhost/host/option_list.h"
#include "simhost/modeller/plugin_module.h"

namespace simhost {

class Session {
public:
    // Loads the plug-in file and makes this session's host the active one. With a
    // settings file, the host's settings are read from it (SettingsError when it is
    // unreadable or malformed; a missing one starts empty).
    explicit Session(const std::string &pluginPath, const std::string &settingsFile = {});
    ~Session();
    Session(const Session &) = delete;
    Session &operator=(const Session &) = delete;

    Host &host() { return host_; }
    const Host &host() const { return host_; }
    Document &document() { return host_.document(); }
    const Document &document() const { return host_.document(); }
    PluginModule &plugin() { return *plugin_; }

    // The handshake as the modeller does it: the version check, then binding to the host
    // module. Throws LoadError naming the step when the plug-in refuses.
    void Start(const std::string &hostModule = HostModulePath());
    uint32_t CheckVersion(uint32_t hostVersion = kHostVersion);
    int Init(const std::string &hostModule);

    // Any event with any option array (or none).
    int SendEvent(int code, OptionList &options);
    int SendEvent(int code, void *option);
    int SendFlagEvent(int code, int32_t flag);

    // The events of the modeller's own life cycle.
    int Initialize();
    int Exit();
    int Activate(bool on);
    bool QueryActivated();
    // A view is drawn: kEventDrawView with a scene and the view's size.
    int Draw();
    // The user starts a new document: the host replaces it, then tells the plug-in.
    int NewDocument();

    // Writes the host's settings back to the file they were read from, if any.
    void SaveSettings();

private:
    Host host_;
    std::unique_ptr<PluginModule> plugin_;
    std::string settingsFile_;
    char scene_ = 0;  // what the scene handle points at; the plug-in never looks
};

}  // namespace simhost
