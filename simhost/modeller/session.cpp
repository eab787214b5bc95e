#include "simhost/modeller/session.h"

#include <cstdio>

#include "host/contract_codes.h"

namespace simhost {

Session::Session(const std::string &pluginPath, const std::string &settingsFile)
    : plugin_(std::make_unique<PluginModule>(pluginPath)), settingsFile_(settingsFile) {
    if (!settingsFile_.empty()) host_.settings.Load(settingsFile_);
    SetActiveHost(&host_);
}

void Session::SaveSettings() {
    if (!settingsFile_.empty()) host_.settings.Save(settingsFile_);
}

Session::~Session() {
    // Unloading runs the plug-in's destructors, which may still talk to the host: the
    // host is inside that call, as a modeller is while it releases a plug-in.
    {
        Host::PluginCall call(host_);
        plugin_.reset();
    }
    SetActiveHost(nullptr);
}

void Session::Start(const std::string &hostModule) {
    const uint32_t answer = CheckVersion();
    if (answer == 0) {
        char version[16];
        std::snprintf(version, sizeof version, "0x%X", kHostVersion);
        throw LoadError("plug-in '" + plugin_->path() + "' refuses host version " + version);
    }
    if (Init(hostModule) == 0) {
        throw LoadError("plug-in '" + plugin_->path() + "' refused the host module '" + hostModule + "'");
    }
}

uint32_t Session::CheckVersion(uint32_t hostVersion) {
    Host::PluginCall call(host_);
    return plugin_->MQCheckVersion(hostVersion);
}

int Session::Init(const std::string &hostModule) {
    Host::PluginCall call(host_);
    return plugin_->MQInit(hostModule.c_str());
}

int Session::SendEvent(int code, OptionList &options) { return SendEvent(code, options.data()); }

int Session::SendEvent(int code, void *option) {
    Host::PluginCall call(host_);
    return plugin_->MQOnEvent(host_.DocumentHandle(), code, option);
}

int Session::SendFlagEvent(int code, int32_t flag) { return SendEvent(code, &flag); }

int Session::Initialize() {
    OptionList none;
    return SendEvent(stelmarin::kEventInitialize, none);
}

int Session::Exit() {
    OptionList none;
    return SendEvent(stelmarin::kEventExit, none);
}

int Session::Activate(bool on) { return SendFlagEvent(stelmarin::kEventActivate, on ? 1 : 0); }

bool Session::QueryActivated() {
    OptionList none;
    return SendEvent(stelmarin::kEventQueryActivated, none) != 0;
}

int Session::Draw() {
    OptionList options;
    options.Pointer(stelmarin::kOptionScene, &scene_)
        .Int(stelmarin::kOptionWidth, 640)
        .Int(stelmarin::kOptionHeight, 480);
    return SendEvent(stelmarin::kEventDrawView, options);
}

int Session::NewDocument() {
    host_.NewDocument();
    OptionList none;
    return SendEvent(stelmarin::kEventDocumentNew, none);
}

}  // namespace simhost
