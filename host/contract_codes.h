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

// Each coded set below is one list, X(enumerator, code, name), from which its enum and its
// name table are both made (further down, together), so that no code can lack its name
// or carry another's. Every entry ends in a backslash, the last one too, and a blank line
// ends the list: an entry is added or moved without touching its neighbours.
#define STELMARIN_ENUMERATOR(enumerator, code, name) enumerator = code,
#define STELMARIN_CODE_NAME(enumerator, code, name) {enumerator, name},
#define STELMARIN_CODED_SET(Enum, LIST, names, Name)                \
    enum Enum : int { LIST(STELMARIN_ENUMERATOR) };                  \
    inline constexpr CodeName names[] = {LIST(STELMARIN_CODE_NAME)}; \
    constexpr const char *Name(int code) { return NameOf(names, code); }

// ---------------------------------------------------------------------------------------
// Events (MQOnEvent). Codes whose meaning the hosts have not settled are named after the
// operation of the plug-in class that receives them.

// clang-format off
#define STELMARIN_EVENT_CODES(X) \
    X(kEventInitialize, 1, "Initialize") \
    X(kEventExit, 2, "Exit") \
    X(kEvent3, 3, "Event3") \
    X(kEvent4, 4, "Event4") \
    X(kEventActivate, 100, "Activate") /* the option pointer is one 32-bit flag, not an array */ \
    X(kEventQueryActivated, 101, "QueryActivated") \
    X(kEvent102, 102, "Event102") /* the option pointer is one 32-bit flag, not an array */ \
    X(kEventPlugInMessage, 103, "PlugInMessage") \
    X(kEvent104, 104, "Event104") \
    X(kEventDrawView, 110, "DrawView") \
    /* A command plug-in's mouse events: one operation per code from the first to the last. */ \
    X(kEventMouseFirst, 120, "Event120") \
    X(kEvent121, 121, "Event121") \
    X(kEvent122, 122, "Event122") \
    X(kEvent123, 123, "Event123") \
    X(kEvent124, 124, "Event124") \
    X(kEvent125, 125, "Event125") \
    X(kEvent126, 126, "Event126") \
    X(kEvent127, 127, "Event127") \
    X(kEvent128, 128, "Event128") \
    X(kEvent129, 129, "Event129") \
    X(kEventMouseLast, 130, "Event130") \
    /* A command plug-in's two key events. */ \
    X(kEvent140, 140, "Event140") \
    X(kEvent141, 141, "Event141") \
    X(kEventDocumentLoad, 200, "DocumentLoad") \
    X(kEventDocumentNew, 201, "DocumentNew") \
    X(kEventDocumentSave, 202, "DocumentSave") \
    X(kEvent210, 210, "Event210") \
    X(kEvent211, 211, "Event211") \
    X(kEvent212, 212, "Event212") \
    X(kEvent220, 220, "Event220") \
    X(kEvent221, 221, "Event221") \
    X(kEvent222, 222, "Event222") \
    X(kEvent230, 230, "Event230") \
    X(kEvent231, 231, "Event231") \
    X(kEvent240, 240, "Event240") \
    X(kEvent250, 250, "Event250") \
    /* An import plug-in's events. */ \
    X(kEvent300, 300, "Event300") \
    X(kEventImportArguments, 301, "ImportArguments") \

// clang-format on

// The trigger kinds that event 250 passes on, from its "trigger" text.
enum TriggerKind : int { kTriggerNone = 0, kTriggerScreen = 1, kTriggerWorld = 2, kTriggerLocal = 3 };

// ---------------------------------------------------------------------------------------
// Messages of MQ_SendMessage.

// clang-format off
#define STELMARIN_HOST_MESSAGES(X) \
    X(kMessageDeactivated, 100, "deactivated") \
    X(kMessageSettingsElements, 505, "settings elements") \

// clang-format on

// ---------------------------------------------------------------------------------------
// Messages of the XML element channel (MQXmlElem_Value); the record of each is in
// host/host_abi.h.

// clang-format off
#define STELMARIN_XML_MESSAGES(X) \
    X(kXmlAddChild, 0x101, "add child") \
    X(kXmlRemoveChild, 0x102, "remove child") \
    X(kXmlFindChild, 0x201, "find child") \
    X(kXmlGetText, 0x302, "get text") \
    X(kXmlSetText, 0x402, "set text") \

// clang-format on

// ---------------------------------------------------------------------------------------
// Messages of MQWidget_Value.

// clang-format off
#define STELMARIN_WIDGET_MESSAGES(X) \
    X(kWidgetCommand, 1, "command") /* the first pair's "type" names the command */ \
    X(kWidgetSystemQuery, 0x100, "query") \
    X(kWidgetCreate, 0x101, "create") \
    X(kWidgetDestroy, 0x102, "destroy") \
    X(kWidgetAddChild, 0x201, "add child") \
    X(kWidgetAttachWindow, 0x203, "attach") \
    X(kWidgetGetValue, 0x301, "get") \
    X(kWidgetSetValue, 0x302, "set") \
    X(kWidgetAddEventHandler, 0x304, "add handler") \

// clang-format on

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
// "type" is also the event name of a widget event, and "id" an option of a draw-item one.
inline constexpr char kOptionType[] = "type";
inline constexpr char kOptionID[] = "id";
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

// Sets the six held flags of a mouse or key record from a "button_state" value; bits it
// does not know are ignored.
template <class Record>
constexpr void DecodeButtonState(int32_t state, Record &record) {
    record.left_button = (state & kLeftButton) != 0;
    record.middle_button = (state & kMiddleButton) != 0;
    record.right_button = (state & kRightButton) != 0;
    record.shift_key = (state & kShiftKey) != 0;
    record.ctrl_key = (state & kCtrlKey) != 0;
    record.alt_key = (state & kAltKey) != 0;
}

// ---------------------------------------------------------------------------------------
// Virtual-key codes of "key" that the plug-in tells apart.

enum KeyCode : int32_t { kKeyEscape = 27, kKeyX = 88, kKeyY = 89, kKeyZ = 90 };

// ---------------------------------------------------------------------------------------
// Integer values of an object (MQObj_GetIntValue).

// clang-format off
#define STELMARIN_OBJECT_VALUES(X) \
    X(kObjectExempt, 259, "exempt") /* non-zero: the plug-in leaves the object alone */ \
    X(kObjectUniqueID, 260, "unique ID") /* the object's unique ID */
// clang-format on

// ---------------------------------------------------------------------------------------
// The coded sets' enums and name tables, each made from its list above.

STELMARIN_CODED_SET(EventCode, STELMARIN_EVENT_CODES, kEventNames, EventName)
STELMARIN_CODED_SET(HostMessageCode, STELMARIN_HOST_MESSAGES, kHostMessageNames, HostMessageName)
STELMARIN_CODED_SET(XmlMessage, STELMARIN_XML_MESSAGES, kXmlMessageNames, XmlMessageName)
STELMARIN_CODED_SET(WidgetMessage, STELMARIN_WIDGET_MESSAGES, kWidgetMessageNames, WidgetMessageName)
STELMARIN_CODED_SET(ObjectValue, STELMARIN_OBJECT_VALUES, kObjectValueNames, ObjectValueName)

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
#undef STELMARIN_ENUMERATOR
#undef STELMARIN_CODE_NAME
#undef STELMARIN_CODED_SET

}  // namespace stelmarin
