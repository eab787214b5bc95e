// The plug-in side of the host interface: the class tree that the exported functions and
// the event dispatcher forward to. The order of the virtual operations follows the host
// interface and must not change.
#pragma once

#include <cstdint>
#include <memory>

#include "host/host_abi.h"
#include "host/settings.h"

namespace stelmarin {

class MQStationPlugin;

// What the host passes with kEventDocumentLoad: the document's plug-in data element.
struct LoadRecord {
    void *xmlElement;
};

// What the host passes with kEventDocumentSave; a plug-in sets needUniqueIDs when the saved file
// must carry unique IDs.
struct SaveRecord {
    void *xmlElement;
    int32_t needUniqueIDs;
};

// The record of RunCallback: a member operation of the plug-in object.
struct CallbackRecord {
    int (MQStationPlugin::*proc)(void *argument);
};

// The cursor, wheel, modifier and pressure state of a command plug-in's mouse and key
// events: ten 32-bit fields.
struct CommandMouseState {
    int32_t x = 0;
    int32_t y = 0;
    int32_t wheel = 0;
    int32_t left_button = 0;
    int32_t middle_button = 0;
    int32_t right_button = 0;
    int32_t shift_key = 0;
    int32_t ctrl_key = 0;
    int32_t alt_key = 0;
    float pressure = 0.0f;
};
static_assert(sizeof(CommandMouseState) == 40);

class MQBasePlugin {
public:
    virtual ~MQBasePlugin();
    // Writes both IDs; the pointers are the caller's and never null.
    virtual void GetPlugInID(uint32_t *product, uint32_t *id) = 0;
    // A static text that lives as long as the plug-in.
    virtual const char *GetPlugInName() = 0;
    virtual int GetPlugInType() = 0;

    // Tells the host that the plug-in has become inactive on its own (kMessageDeactivated).
    void NotifyDeactivated();
    // An accessor for this plug-in's own settings, or null when the host keeps none.
    std::unique_ptr<MQSetting> CreateSettingAccessor();
};

class MQStationPlugin : public MQBasePlugin {
public:
    using CallbackProc = int (MQStationPlugin::*)(void *argument);

    virtual const char *EnumString();
    virtual int OnEvent3(int index);
    virtual int OnEvent4(int index);
    virtual bool OnInitialize();
    virtual void OnExit();
    virtual bool OnActivate(MQDocument doc, int32_t flag);
    virtual bool OnQueryActivated(MQDocument doc);
    virtual int OnEvent104(MQDocument doc, int index);
    virtual void OnEvent102(MQDocument doc, int32_t flag);
    virtual int OnPlugInMessage(MQDocument doc, int32_t srcProduct, int32_t srcId, void *description, void *message);
    virtual void OnDrawView(MQDocument doc, MQScene scene, int width, int height);
    virtual void OnDocumentLoad(MQDocument doc, const char *fileName, LoadRecord *record);
    virtual void OnDocumentNew(MQDocument doc);
    virtual void OnDocumentSave(MQDocument doc, const char *fileName, SaveRecord *record);
    virtual int OnEvent210(MQDocument doc, int state);
    virtual int OnEvent211(MQDocument doc, int state);
    virtual void OnEvent212(MQDocument doc, int state, int size);
    virtual void OnEvent221(MQDocument doc);
    virtual void OnEvent222(MQDocument doc);
    virtual void OnEvent220(MQDocument doc);
    virtual void OnEvent231(MQDocument doc);
    virtual void OnEvent230(MQDocument doc);
    virtual void OnEvent240(MQDocument doc, MQScene scene);
    virtual void OnEvent250(MQDocument doc, int triggerKind);
    // Calls the record's member operation on this object with `argument`.
    virtual int RunCallback(void *argument, CallbackRecord *record);
};

// A station plug-in that also takes the mouse and keys of the views: one operation per
// event code from kEventMouseFirst to kEventMouseLast, then the key events kEvent140 and
// kEvent141.
class MQCommandPlugin : public MQStationPlugin {
public:
    virtual int OnEvent120(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent121(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent122(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent123(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent124(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent125(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent126(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent127(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent128(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent129(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent130(MQDocument doc, MQScene scene, CommandMouseState *state);
    virtual int OnEvent140(MQDocument doc, MQScene scene, int key, CommandMouseState *state);
    virtual int OnEvent141(MQDocument doc, MQScene scene, int key, CommandMouseState *state);
};

// An import plug-in: the host hands it a background flag and an argument pointer.
class MQImportPlugin : public MQBasePlugin {
public:
    virtual int OnEvent300();

    int32_t background = 0;
    void *args = nullptr;
};

}  // namespace stelmarin
