// A plug-in that misbehaves on purpose, so that tests can check that the stand-in host
// notices. Left alone, on every draw it calls a host function no plug-in may call, writes
// through an object handle the host never gave out, and reads past the end of an object.
// Told a check's ID (BrokenPluginMisbehave), it instead breaks that one rule of the host's
// (simhost/host/host_checks.h), on the first draw unless the rule needs another moment.
#include <cstring>
#include <initializer_list>
#include <string>
#include <vector>

#include "host/contract_codes.h"
#include "host/host_functions.h"
#include "plugin/export.h"

namespace {

using stelmarin::host::Host;

MQPoint g_point{1.0f, 2.0f, 3.0f};
std::string g_case;
int g_draws = 0;
MQDocument g_firstDocument = nullptr;
int32_t g_window = 0;

bool Is(const char *id) { return g_case == id; }

// A widget message with its options as pairs; the terminator is added here.
int Widget(int32_t id, int code, std::initializer_list<MQOption> pairs) {
    std::vector<MQOption> options(pairs);
    options.push_back({nullptr, nullptr});
    return Host().MQWidget_Value(id, code, options.data());
}

int32_t Create(const char *type) {
    int32_t id = 0;
    Widget(0, stelmarin::kWidgetCreate,
           {{stelmarin::kOptionType, const_cast<char *>(type)}, {stelmarin::kOptionID, &id}});
    return id;
}

void Destroy(int32_t id) { Widget(id, stelmarin::kWidgetDestroy, {}); }

int32_t AddChild(int32_t parent, int32_t child, int code = stelmarin::kWidgetAddChild) {
    int32_t at = -1;
    Widget(parent, code, {{stelmarin::kOptionChild, &child}, {stelmarin::kOptionResult, &at}});
    return at;
}

int32_t MainWindow() {
    int32_t id = 0;
    Widget(0, stelmarin::kWidgetSystemQuery,
           {{stelmarin::kOptionSystem, const_cast<char *>("main_window")}, {stelmarin::kOptionResult, &id}});
    return id;
}

using EventProc = int (*)(MQDocument, MQOption *, void *) noexcept;

void AddHandler(int32_t id, EventProc proc, void *closure) {
    bool prior = false;
    Widget(id, stelmarin::kWidgetAddEventHandler,
           {{stelmarin::kOptionType, const_cast<char *>("leftdown")},
            {stelmarin::kOptionProc, reinterpret_cast<void *>(proc)},
            {stelmarin::kOptionPointer, closure},
            {stelmarin::kOptionPrior, &prior}});
}

int IgnoreEvent(MQDocument, MQOption *, void *) noexcept { return 0; }

int SendHostMessage(int code, uint32_t reserved, MQOption *options) {
    HostMessage message{1, 1, reserved, options};
    return Host().MQ_SendMessage(code, &message);
}

// The root of the host's settings and the element that holds every plug-in's.
struct SettingsElements {
    MQXmlElement root = nullptr;
    MQXmlElement plugins = nullptr;
};

SettingsElements Settings() {
    MQOption options[] = {
        {stelmarin::kOptionRootElement, nullptr}, {stelmarin::kOptionPluginSettings, nullptr}, {nullptr, nullptr}};
    SendHostMessage(stelmarin::kMessageSettingsElements, 0, options);
    return {static_cast<MQXmlElement>(options[0].value), static_cast<MQXmlElement>(options[1].value)};
}

// The window with the four slot buttons, which answer nothing: clicks on them go unheeded.
void MakeSlotWindow() {
    g_window = Create("window");
    for (const char16_t *label : {u"X0", u"1", u"2", u"3"}) {
        const int32_t button = Create("button");
        Widget(button, stelmarin::kWidgetSetValue, {{stelmarin::kOptionText, const_cast<char16_t *>(label)}});
        AddChild(g_window, button);
    }
}

void MisbehaveOnSettings() {
    auto &host = Host();
    const SettingsElements settings = Settings();
    XmlFindChild find{"PosX", nullptr};
    if (Is("S001")) host.MQXmlElem_Value(nullptr, stelmarin::kXmlFindChild, &find);
    if (Is("S002")) host.MQXmlElem_Value(reinterpret_cast<MQXmlElement>(&g_point), stelmarin::kXmlFindChild, &find);
    if (Is("S003")) host.MQXmlElem_Value(settings.root, stelmarin::kXmlFindChild, nullptr);
    if (Is("S004")) {
        XmlAddChild add{nullptr, nullptr};
        host.MQXmlElem_Value(settings.plugins, stelmarin::kXmlAddChild, &add);
    }
    if (Is("S005")) {
        int32_t removed = 0;
        XmlRemoveChild remove{settings.root, &removed};
        host.MQXmlElem_Value(settings.plugins, stelmarin::kXmlRemoveChild, &remove);
    }
    if (Is("S006")) {
        XmlFindChild nameless{nullptr, nullptr};
        host.MQXmlElem_Value(settings.plugins, stelmarin::kXmlFindChild, &nameless);
    }
    if (Is("S007")) {
        XmlSetText set{nullptr};
        host.MQXmlElem_Value(settings.plugins, stelmarin::kXmlSetText, &set);
    }
    if (Is("S008")) host.MQXmlElem_Value(settings.plugins, 0x999, &find);
}

void MisbehaveOnWidgets() {
    if (Is("W001")) Destroy(12345);
    if (Is("W002")) {
        const int32_t button = Create("button");
        Destroy(button);
        Destroy(button);
    }
    if (Is("W003")) Host().MQWidget_Value(0, stelmarin::kWidgetCreate, nullptr);
    if (Is("W004")) Widget(0, stelmarin::kWidgetCreate, {{stelmarin::kOptionType, const_cast<char *>("button")}});
    if (Is("W005")) {
        int32_t id = 0;
        Widget(0, stelmarin::kWidgetSystemQuery,
               {{stelmarin::kOptionSystem, const_cast<char *>("toolbar")}, {stelmarin::kOptionResult, &id}});
    }
    if (Is("W006")) Widget(0, 0x999, {});
    if (Is("W007")) Create("slider");
    if (Is("W008")) Destroy(MainWindow());
    if (Is("W009")) AddChild(Create("button"), Create("button"));
    if (Is("W010")) AddChild(Create("button"), Create("window"), stelmarin::kWidgetAttachWindow);
    if (Is("W011")) {
        const int32_t button = Create("button");
        AddChild(Create("window"), button);
        AddChild(Create("frame"), button);
    }
    if (Is("W012")) {
        int32_t x = 0;
        Widget(Create("button"), stelmarin::kWidgetGetValue, {{stelmarin::kOptionPosX, &x}});
    }
    if (Is("W013")) Widget(Create("window"), stelmarin::kWidgetGetValue, {{stelmarin::kOptionPosX, nullptr}});
    if (Is("W014")) {
        int32_t value = 1;
        Widget(Create("button"), stelmarin::kWidgetSetValue, {{"colour", &value}});
    }
    if (Is("W015")) {
        Widget(Create("button"), stelmarin::kWidgetSetValue,
               {{stelmarin::kOptionTitle, const_cast<char16_t *>(u"a title")}});
    }
    if (Is("W016")) AddHandler(Create("button"), nullptr, &g_point);
    if (Is("W017")) {
        const int32_t button = Create("button");
        AddHandler(button, IgnoreEvent, &g_point);
        AddHandler(button, IgnoreEvent, &g_point);
    }
    if (Is("W018")) {
        Widget(Create("dialog"), stelmarin::kWidgetCommand,
               {{stelmarin::kOptionType, const_cast<char *>(stelmarin::kCommandClose)},
                {stelmarin::kOptionCode, const_cast<char *>("ok")}});
    }
    if (Is("W019")) {
        int32_t result = 0;
        Widget(Create("button"), stelmarin::kWidgetCommand,
               {{stelmarin::kOptionType, const_cast<char *>(stelmarin::kCommandModal)},
                {stelmarin::kOptionResult, &result}});
    }
    if (Is("W020")) {
        int32_t parent = 0, answer = 0;
        Widget(0, stelmarin::kWidgetCommand,
               {{stelmarin::kOptionType, const_cast<char *>(stelmarin::kCommandMessageBox)},
                {stelmarin::kOptionMessageType, const_cast<char *>("yesnocancel")},
                {stelmarin::kOptionParent, &parent},
                {stelmarin::kOptionMessage, const_cast<char16_t *>(u"Go on?")},
                {stelmarin::kOptionTitle, const_cast<char16_t *>(u"Broken")},
                {stelmarin::kOptionResult, &answer}});
    }
    if (Is("W021")) Widget(0, stelmarin::kWidgetCommand, {{stelmarin::kOptionType, const_cast<char *>("explode")}});
}

void MisbehaveOnDraw(MQDocument doc) {
    auto &host = Host();
    MQObject first = host.MQDoc_GetObject(doc, 0);
    if (Is("H002")) host.MQDoc_GetObjectCount(nullptr);
    if (Is("H004")) host.MQObj_GetVisible(nullptr);
    if (Is("H005")) host.MQObj_SetVertex(reinterpret_cast<MQObject>(&g_point), 0, &g_point);
    if (Is("H006")) host.MQObj_SetVertex(first, host.MQObj_GetVertexCount(first), &g_point);
    if (Is("H007")) host.MQDoc_IsSelectVertex(doc, 99, 0);
    if (Is("H008")) host.MQObj_GetVertex(first, 0, nullptr);
    // The session deleted the last vertex of its grid, and left the hole.
    if (Is("H009")) host.MQObj_SetVertex(first, host.MQObj_GetVertexCount(first) - 1, &g_point);
    if (Is("H010")) host.MQ_SendMessage(stelmarin::kMessageDeactivated, nullptr);
    if (Is("H011")) SendHostMessage(stelmarin::kMessageDeactivated, 0, nullptr);
    MQOption none[] = {{nullptr, nullptr}};
    if (Is("H012")) SendHostMessage(stelmarin::kMessageDeactivated, 7, none);
    if (Is("H013")) SendHostMessage(999, 0, none);
    if (Is("H014")) host.MQ_RefreshView.address();
    if (Is("U003")) {
        int32_t parent = 0, answer = 0;
        Widget(0, stelmarin::kWidgetCommand,
               {{stelmarin::kOptionType, const_cast<char *>(stelmarin::kCommandMessageBox)},
                {stelmarin::kOptionMessageType, const_cast<char *>("okcancel")},
                {stelmarin::kOptionParent, &parent},
                {stelmarin::kOptionMessage, const_cast<char16_t *>(u"Go on?")},
                {stelmarin::kOptionTitle, const_cast<char16_t *>(u"Broken")},
                {stelmarin::kOptionResult, &answer}});
    }
    if (Is("D002")) {
        MQPoint moved{};
        host.MQObj_GetVertex(first, 0, &moved);
        moved.x += 1.0f;
        host.MQObj_SetVertex(first, 0, &moved);
    }
    if (g_case[0] == 'S') MisbehaveOnSettings();
    if (g_case[0] == 'W') MisbehaveOnWidgets();
}

void MisbehaveAsBefore(MQDocument doc) {
    auto &host = Host();
    host.MQ_RefreshView.address();
    host.MQObj_SetVertex(reinterpret_cast<MQObject>(&g_point), 0, &g_point);
    MQObject first = host.MQDoc_GetObject(doc, 0);
    host.MQObj_SetVertex(first, host.MQObj_GetVertexCount(first), &g_point);
}

// The cases that need the slot window: the host's ledger finds a button that never went
// down, a question never asked, and pins never put back.
bool WantsSlotWindow() { return Is("U002") || Is("U004") || Is("D001"); }

}  // namespace

// Which check to break, by its ID; an empty one, or none, brings back the default.
STELMARIN_EXPORT void BrokenPluginMisbehave(const char *id) noexcept {
    g_case = id != nullptr ? id : "";
    g_draws = 0;
    g_firstDocument = nullptr;
    g_window = 0;
}

// What a timer of the plug-in's own would do: call the host while the host has not
// called the plug-in (check H001), on the document of the first draw.
STELMARIN_EXPORT void BrokenPluginTimer() noexcept {
    if (Is("H001")) Host().MQDoc_GetObjectCount(g_firstDocument);
}

STELMARIN_EXPORT uint32_t MQCheckVersion(uint32_t) noexcept { return stelmarin::kPluginInterfaceVersion; }
STELMARIN_EXPORT int MQInit(const char *file) noexcept {
    return stelmarin::host::BindHostFunctions(file, stelmarin::host::Host());
}
STELMARIN_EXPORT void MQGetPlugInID(uint32_t *product, uint32_t *id) noexcept { *product = *id = 1; }
STELMARIN_EXPORT const char *MQGetPlugInName() noexcept { return "broken"; }
STELMARIN_EXPORT int MQGetPlugInType() noexcept { return stelmarin::kPluginTypeStation; }
STELMARIN_EXPORT const char *MQEnumString(int) noexcept { return nullptr; }
STELMARIN_EXPORT const char *MQEnumFileType(int) noexcept { return nullptr; }
STELMARIN_EXPORT const char *MQEnumFileExt(int) noexcept { return nullptr; }
STELMARIN_EXPORT int MQImportFile(int, const char *, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQExportFile(int, const char *, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQCreate(int, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQModifyObject(int, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQModifySelect(int, MQDocument) noexcept { return 0; }
STELMARIN_EXPORT int MQOnEvent(MQDocument doc, int code, void *option) noexcept {
    if (code == stelmarin::kEventInitialize && WantsSlotWindow()) MakeSlotWindow();
    if (code == stelmarin::kEventActivate) {
        const bool on = *static_cast<const int32_t *>(option) != 0;
        // Switched on without a window to show: what a host must not be told.
        if (Is("U001")) return 1;
        return on && g_window != 0 ? 1 : 0;
    }
    if (code != stelmarin::kEventDrawView) return 0;
    if (g_case.empty()) {
        MisbehaveAsBefore(doc);
        return 1;
    }
    ++g_draws;
    if (g_draws == 1) g_firstDocument = doc;
    // A handle of the document a new one replaced, used in a later draw.
    if (Is("H003") && g_draws == 2) Host().MQDoc_GetObjectCount(g_firstDocument);
    if (g_draws == 1) MisbehaveOnDraw(doc);
    return 1;
}
