#include "plugin/plugin_classes.h"

#include <cstdio>

#include "host/contract_codes.h"
#include "host/host_functions.h"

namespace stelmarin {

MQBasePlugin::~MQBasePlugin() = default;

void MQBasePlugin::NotifyDeactivated() {
    uint32_t product = 0;
    uint32_t id = 0;
    GetPlugInID(&product, &id);
    MQOption none[] = {{nullptr, nullptr}};
    HostMessage message{product, id, 0, none};
    host::Host().MQ_SendMessage(kMessageDeactivated, &message);
}

std::unique_ptr<MQSetting> MQBasePlugin::CreateSettingAccessor() {
    uint32_t product = 0;
    uint32_t id = 0;
    GetPlugInID(&product, &id);
    // The host writes the two element handles into the value places themselves.
    MQOption options[] = {{kOptionRootElement, nullptr}, {kOptionPluginSettings, nullptr}, {nullptr, nullptr}};
    HostMessage message{product, id, 0, options};
    host::Host().MQ_SendMessage(kMessageSettingsElements, &message);
    auto *pluginSettings = static_cast<MQXmlElement>(options[1].value);
    if (pluginSettings == nullptr) return nullptr;
    GetPlugInID(&product, &id);
    char name[64];
    std::snprintf(name, sizeof name, "Plugin-%08X-%08X", static_cast<unsigned>(product), static_cast<unsigned>(id));
    return std::make_unique<MQSetting>(pluginSettings, name);
}

// Defaults for the operations a station plug-in does not override. The hosts' meaning of
// most of these events is not ours to settle, so they do nothing and answer 0.
const char *MQStationPlugin::EnumString() { return nullptr; }
int MQStationPlugin::OnEvent3(int) { return 0; }
int MQStationPlugin::OnEvent4(int) { return 0; }
bool MQStationPlugin::OnInitialize() { return true; }
void MQStationPlugin::OnExit() {}
bool MQStationPlugin::OnActivate(MQDocument, int32_t flag) { return flag != 0; }
bool MQStationPlugin::OnQueryActivated(MQDocument) { return false; }
int MQStationPlugin::OnEvent104(MQDocument, int) { return 0; }
void MQStationPlugin::OnEvent102(MQDocument, int32_t) {}
int MQStationPlugin::OnPlugInMessage(MQDocument, int32_t, int32_t, void *, void *) { return 0; }
void MQStationPlugin::OnDrawView(MQDocument, MQScene, int, int) {}
void MQStationPlugin::OnDocumentLoad(MQDocument, const char *, LoadRecord *) {}
void MQStationPlugin::OnDocumentNew(MQDocument) {}
void MQStationPlugin::OnDocumentSave(MQDocument, const char *, SaveRecord *) {}
int MQStationPlugin::OnEvent210(MQDocument, int) { return 0; }
int MQStationPlugin::OnEvent211(MQDocument, int) { return 0; }
void MQStationPlugin::OnEvent212(MQDocument, int, int) {}
void MQStationPlugin::OnEvent221(MQDocument) {}
void MQStationPlugin::OnEvent222(MQDocument) {}
void MQStationPlugin::OnEvent220(MQDocument) {}
void MQStationPlugin::OnEvent231(MQDocument) {}
void MQStationPlugin::OnEvent230(MQDocument) {}
void MQStationPlugin::OnEvent240(MQDocument, MQScene) {}
void MQStationPlugin::OnEvent250(MQDocument, int) {}

int MQStationPlugin::RunCallback(void *argument, CallbackRecord *record) {
    if (record == nullptr || record->proc == nullptr) return 0;
    return (this->*(record->proc))(argument);
}

int MQCommandPlugin::OnEvent120(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent121(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent122(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent123(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent124(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent125(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent126(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent127(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent128(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent129(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent130(MQDocument, MQScene, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent140(MQDocument, MQScene, int, CommandMouseState *) { return 0; }
int MQCommandPlugin::OnEvent141(MQDocument, MQScene, int, CommandMouseState *) { return 0; }

int MQImportPlugin::OnEvent300() { return 0; }

}  // namespace stelmarin
