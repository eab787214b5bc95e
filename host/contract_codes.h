// The numbers and names of the contract between the plug-in and its host, written once:
// event codes, the message codes of the host's three channels, option names, the bits of
// "button_state", key codes, the object values the plug-in reads, plug-in kinds, version
// numbers and the fourteen exports. The plug-in and the stand-in host both take them from
// here, so the two sides cannot drift apart; each code also has a name, for printing what
// crosses between them.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "host/host_abi.h"

namespace stelmarin {

// A code and the name it is printed by.
struct CodeName {
    int code;
    const char *name;
};

// The name of `code` in `names`, or null when it has none.
template <size_t N>
constexpr const char *NameOf(const CodeName (&names)[N], int code) {
    for (const CodeName &entry : names) {
        if (entry.code == code) return entry.name;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------
// Events (MQOnEvent). Codes whose meaning the hosts have not settled are named after the
// operation of the plug-in class that receives them.

enum EventCode : int {
    kEventInitialize = 1,
    kEventExit = 2,
    kEvent3 = 3,
    kEvent4 = 4,
    kEventActivate = 100,  // the option pointer is one 32-bit flag, not an array
    kEventQueryActivated = 101,
    kEvent102 = 102,  // the option pointer is one 32-bit flag, not an array
    kEventPlugInMessage = 103,
    kEvent104 = 104,
    kEventDrawView = 110,
    // A command plug-in's mouse events: one operation per code from the first to the last.
    kEventMouseFirst = 120,
    kEventMouseLast = 130,
    // A command plug-in's two key events.
    kEvent140 = 140,
    kEvent141 = 141,
    kEventDocumentLoad = 200,
    kEventDocumentNew = 201,
    kEventDocumentSave = 202,
    kEvent210 = 210,
    kEvent211 = 211,
    kEvent212 = 212,
    kEvent220 = 220,
    kEvent221 = 221,
    kEvent222 = 222,
    kEvent230 = 230,
    kEvent231 = 231,
    kEvent240 = 240,
    kEvent250 = 250,
    // An import plug-in's events.
    kEvent300 = 300,
    kEventImportArguments = 301,
};

inline constexpr CodeName kEventNames[] = {
    {kEventInitialize, "Initialize"},
    {kEventExit, "Exit"},
    {kEvent3, "Event3"},
    {kEvent4, "Event4"},
    {kEventActivate, "Activate"},
    {kEventQueryActivated, "QueryActivated"},
    {kEvent102, "Event102"},
    {kEventPlugInMessage, "PlugInMessage"},
    {kEvent104, "Event104"},
    {kEventDrawView, "DrawView"},
    {kEventMouseFirst, "Event120"},
    {kEventMouseFirst + 1, "Event121"},
    {kEventMouseFirst + 2, "Event122"},
    {kEventMouseFirst + 3, "Event123"},
    {kEventMouseFirst + 4, "Event124"},
    {kEventMouseFirst + 5, "Event125"},
    {kEventMouseFirst + 6, "Event126"},
    {kEventMouseFirst + 7, "Event127"},
    {kEventMouseFirst + 8, "Event128"},
    {kEventMouseFirst + 9, "Event129"},
    {kEventMouseLast, "Event130"},
    {kEvent140, "Event140"},
    {kEvent141, "Event141"},
    {kEventDocumentLoad, "DocumentLoad"},
    {kEventDocumentNew, "DocumentNew"},
    {kEventDocumentSave, "DocumentSave"},
    {kEvent210, "Event210"},
    {kEvent211, "Event211"},
    {kEvent212, "Event212"},
    {kEvent220, "Event220"},
    {kEvent221, "Event221"},
    {kEvent222, "Event222"},
    {kEvent230, "Event230"},
    {kEvent231, "Event231"},
    {kEvent240, "Event240"},
    {kEvent250, "Event250"},
    {kEvent300, "Event300"},
    {kEventImportArguments, "ImportArguments"},
};
constexpr const char *EventName(int code) { return NameOf(kEventNames, code); }

// The trigger kinds that event 250 passes on, from its "trigger" text.
enum TriggerKind : int {
    kTriggerNone = 0,
    kTriggerScreen = 1,
    kTriggerWorld = 2,
    kTriggerLocal = 3,
};

// ---------------------------------------------------------------------------------------
// Messages of MQ_SendMessage.

enum HostMessageCode : int {
    kMessageDeactivated = 100,
    kMessageSettingsElements = 505,
};

inline constexpr CodeName kHostMessageNames[] = {
    {kMessageDeactivated, "deactivated"},
    {kMessageSettingsElements, "settings elements"},
};
constexpr const char *HostMessageName(int code) { return NameOf(kHostMessageNames, code); }

// ---------------------------------------------------------------------------------------
// Messages of the XML element channel (MQXmlElem_Value); the record of each is in
// host/host_abi.h.

enum XmlMessage : int {
    kXmlAddChild = 0x101,
    kXmlRemoveChild = 0x102,
    kXmlFindChild = 0x201,
    kXmlGetText = 0x302,
    kXmlSetText = 0x402,
};

inline constexpr CodeName kXmlMessageNames[] = {
    {kXmlAddChild, "add child"}, {kXmlRemoveChild, "remove child"}, {kXmlFindChild, "find child"},
    {kXmlGetText, "get text"},   {kXmlSetText, "set text"},
};
constexpr const char *XmlMessageName(int code) { return NameOf(kXmlMessageNames, code); }

// ---------------------------------------------------------------------------------------
// Messages of MQWidget_Value.

enum WidgetMessage : int {
    kWidgetCommand = 1,  // the first pair's "type" names the command
    kWidgetSystemQuery = 0x100,
    kWidgetCreate = 0x101,
    kWidgetDestroy = 0x102,
    kWidgetAddChild = 0x201,
    kWidgetAttachWindow = 0x203,
    kWidgetGetValue = 0x301,
    kWidgetSetValue = 0x302,
    kWidgetAddEventHandler = 0x304,
};

inline constexpr CodeName kWidgetMessageNames[] = {
    {kWidgetCommand, "command"}, {kWidgetSystemQuery, "query"},  {kWidgetCreate, "create"},
    {kWidgetDestroy, "destroy"}, {kWidgetAddChild, "add child"}, {kWidgetAttachWindow, "attach"},
    {kWidgetGetValue, "get"},    {kWidgetSetValue, "set"},       {kWidgetAddEventHandler, "add handler"},
};
constexpr const char *WidgetMessageName(int code) { return NameOf(kWidgetMessageNames, code); }

// The commands of message kWidgetCommand, by their "type".
inline constexpr char kCommandClose[] = "close";
inline constexpr char kCommandModal[] = "modal";
inline constexpr char kCommandMessageBox[] = "messagebox";

// ---------------------------------------------------------------------------------------
// Option names: the keys of the option arrays that cross in either direction.

// Event options, as MQOnEvent brings them.
inline constexpr char kOptionIndex[] = "index";
inline constexpr char kOptionResult[] = "result";
inline constexpr char kOptionSourceProduct[] = "src_product";
inline constexpr char kOptionSourceID[] = "src_id";
inline constexpr char kOptionDescription[] = "description";
inline constexpr char kOptionMessage[] = "message";  // also the text of a message box
inline constexpr char kOptionScene[] = "scene";
inline constexpr char kOptionWidth[] = "width";    // also of a draw-item widget event
inline constexpr char kOptionHeight[] = "height";  // also of a draw-item widget event
inline constexpr char kOptionXmlElement[] = "xml_elem";
inline constexpr char kOptionFileName[] = "filename";
inline constexpr char kOptionSaveUniqueIDs[] = "save_uid";
inline constexpr char kOptionState[] = "state";
inline constexpr char kOptionSize[] = "size";
inline constexpr char kOptionTrigger[] = "trigger";
inline constexpr char kOptionButtonState[] = "button_state";  // also of widget events
inline constexpr char kOptionMouseX[] = "mouse_pos_x";
inline constexpr char kOptionMouseY[] = "mouse_pos_y";
inline constexpr char kOptionMouseWheel[] = "mouse_wheel";
inline constexpr char kOptionPressure[] = "pressure";  // also of widget events
inline constexpr char kOptionKey[] = "key";            // also of widget events
inline constexpr char kOptionBackground[] = "background";
inline constexpr char kOptionArguments[] = "args";

// The texts of "trigger".
inline constexpr char kTriggerScreenText[] = "screen";
inline constexpr char kTriggerWorldText[] = "world";
inline constexpr char kTriggerLocalText[] = "local";

// Options of message kMessageSettingsElements; the host writes an element handle into the
// value place of each.
inline constexpr char kOptionRootElement[] = "root";
inline constexpr char kOptionPluginSettings[] = "pluginsettings";

// Options of widget messages. "result" and "message" are above.
inline constexpr char kOptionType[] = "type";  // also the event name of a widget event
inline constexpr char kOptionID[] = "id";      // also of a draw-item widget event
inline constexpr char kOptionSystem[] = "system";
inline constexpr char kOptionChild[] = "child";
inline constexpr char kOptionCode[] = "code";
inline constexpr char kOptionMessageType[] = "messagetype";
inline constexpr char kOptionParent[] = "parent";
inline constexpr char kOptionProc[] = "proc";
inline constexpr char kOptionPointer[] = "pointer";
inline constexpr char kOptionPrior[] = "prior";
// Widget properties, each sent alone in a get or set message.
inline constexpr char kOptionTitle[] = "title";
inline constexpr char kOptionText[] = "text";
inline constexpr char kOptionInSpace[] = "inspace";
inline constexpr char kOptionOutSpace[] = "outspace";
inline constexpr char kOptionHorzLayout[] = "horzlayout";
inline constexpr char kOptionVertLayout[] = "vertlayout";
inline constexpr char kOptionAlignment[] = "alignment";
inline constexpr char kOptionDown[] = "down";
inline constexpr char kOptionVisible[] = "visible";
inline constexpr char kOptionPosX[] = "pos_x";
inline constexpr char kOptionPosY[] = "pos_y";

// Options of widget events, as WidgetEventProc receives them. "type", "button_state",
// "key", "pressure", "index", "id", "width" and "height" are above.
inline constexpr char kOptionTargetID[] = "target_id";
inline constexpr char kOptionSenderID[] = "sender_id";
inline constexpr char kOptionFinished[] = "finished";
inline constexpr char kOptionClientX[] = "client_x";
inline constexpr char kOptionClientY[] = "client_y";
inline constexpr char kOptionScreenX[] = "screen_x";
inline constexpr char kOptionScreenY[] = "screen_y";
inline constexpr char kOptionDownX[] = "down_x";
inline constexpr char kOptionDownY[] = "down_y";
inline constexpr char kOptionLastX[] = "last_x";
inline constexpr char kOptionLastY[] = "last_y";
inline constexpr char kOptionWheelDelta[] = "wheel_delta";
inline constexpr char kOptionAutoRepeat[] = "auto_repeat";
inline constexpr char kOptionCanvas[] = "canvas";
inline constexpr char kOptionX[] = "x";
inline constexpr char kOptionY[] = "y";

// What the value place of a widget message's option holds.
enum class OptionType {
    WideText,       // the address of NUL-terminated UTF-16 text
    AsciiText,      // the address of NUL-terminated ASCII text
    Double,         // the address of a double
    Bool,           // the address of a one-byte boolean
    Int32,          // the address of a 32-bit integer
    CodeAddress,    // a function the host calls
    ObjectAddress,  // an address the host hands back unchanged
};

struct OptionSpec {
    const char *name;
    OptionType type;
};

inline constexpr OptionSpec kWidgetMessageOptions[] = {
    {kOptionTitle, OptionType::WideText},
    {kOptionText, OptionType::WideText},
    {kOptionMessage, OptionType::WideText},
    {kOptionHorzLayout, OptionType::AsciiText},
    {kOptionVertLayout, OptionType::AsciiText},
    {kOptionAlignment, OptionType::AsciiText},
    {kOptionType, OptionType::AsciiText},
    {kOptionSystem, OptionType::AsciiText},
    {kOptionMessageType, OptionType::AsciiText},
    {kOptionCode, OptionType::AsciiText},
    {kOptionInSpace, OptionType::Double},
    {kOptionOutSpace, OptionType::Double},
    {kOptionDown, OptionType::Bool},
    {kOptionVisible, OptionType::Bool},
    {kOptionPrior, OptionType::Bool},
    {kOptionPosX, OptionType::Int32},
    {kOptionPosY, OptionType::Int32},
    {kOptionID, OptionType::Int32},
    {kOptionResult, OptionType::Int32},
    {kOptionChild, OptionType::Int32},
    {kOptionParent, OptionType::Int32},
    {kOptionProc, OptionType::CodeAddress},
    {kOptionPointer, OptionType::ObjectAddress},
};

// The type of a widget message's option, or null when no message has it.
constexpr const OptionType *WidgetMessageOptionType(std::string_view name) {
    for (const OptionSpec &spec : kWidgetMessageOptions) {
        if (name == spec.name) return &spec.type;
    }
    return nullptr;
}

// ---------------------------------------------------------------------------------------
// Bits of "button_state": the mouse buttons and modifier keys held during an event.

enum ButtonState : int32_t {
    kLeftButton = 0x01,
    kRightButton = 0x02,
    kShiftKey = 0x04,
    kCtrlKey = 0x08,
    kMiddleButton = 0x10,
    kAltKey = 0x20,
};

// ---------------------------------------------------------------------------------------
// Virtual-key codes of "key" that the plug-in tells apart.

enum KeyCode : int32_t {
    kKeyEscape = 27,
    kKeyX = 88,
    kKeyY = 89,
    kKeyZ = 90,
};

// ---------------------------------------------------------------------------------------
// Integer values of an object (MQObj_GetIntValue).

enum ObjectValue : int {
    kObjectExempt = 259,    // non-zero: the plug-in leaves the object alone
    kObjectUniqueID = 260,  // the object's unique ID
};

inline constexpr CodeName kObjectValueNames[] = {
    {kObjectExempt, "exempt"},
    {kObjectUniqueID, "unique ID"},
};
constexpr const char *ObjectValueName(int code) { return NameOf(kObjectValueNames, code); }

// ---------------------------------------------------------------------------------------
// The plug-in's side of the handshake.

// Kinds that MQGetPlugInType answers, as far as the plug-in tells them apart.
enum PluginType : int {
    kPluginTypeStation = 6,
    kPluginTypeCommand = 7,
};

// The plug-in accepts hosts from this version on, and answers with its own interface
// version, or 0 to refuse.
inline constexpr uint32_t kMinimumHostVersion = 0x4400;
inline constexpr uint32_t kPluginInterfaceVersion = 0x440;

// The fourteen functions a plug-in module exports with C linkage, the host finds by name
// and nothing else of the module may show.
#define STELMARIN_PLUGIN_EXPORTS(X)                       \
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

#define STELMARIN_EXPORT_NAME(ret, name, params) #name,
inline constexpr const char *kPluginExports[] = {STELMARIN_PLUGIN_EXPORTS(STELMARIN_EXPORT_NAME)};
#undef STELMARIN_EXPORT_NAME

}  // namespace stelmarin
