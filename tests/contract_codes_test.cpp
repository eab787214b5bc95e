// The contract's numbers and names as the host documents them. Both sides take them from
// one header, so a wrong value there would go unnoticed between the plug-in and the
// stand-in host; this is the one place that spells each of them out.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "host/contract_codes.h"

namespace stelmarin {
namespace {

using ::testing::ElementsAre;

template <class Code>
void ExpectValues(std::initializer_list<std::pair<Code, long long>> documented) {
    for (const auto &[code, value] : documented) EXPECT_EQ(static_cast<long long>(code), value) << value;
}

TEST(ContractCodes, EventsHaveTheirDocumentedCodes) {
    ExpectValues<int>({{kEventInitialize, 1},
                       {kEventExit, 2},
                       {kEvent3, 3},
                       {kEvent4, 4},
                       {kEventActivate, 100},
                       {kEventQueryActivated, 101},
                       {kEvent102, 102},
                       {kEventPlugInMessage, 103},
                       {kEvent104, 104},
                       {kEventDrawView, 110},
                       {kEventMouseFirst, 120},
                       {kEventMouseLast, 130},
                       {kEvent140, 140},
                       {kEvent141, 141},
                       {kEventDocumentLoad, 200},
                       {kEventDocumentNew, 201},
                       {kEventDocumentSave, 202},
                       {kEvent210, 210},
                       {kEvent211, 211},
                       {kEvent212, 212},
                       {kEvent220, 220},
                       {kEvent221, 221},
                       {kEvent222, 222},
                       {kEvent230, 230},
                       {kEvent231, 231},
                       {kEvent240, 240},
                       {kEvent250, 250},
                       {kEvent300, 300},
                       {kEventImportArguments, 301}});
    ExpectValues<int>({{kTriggerNone, 0}, {kTriggerScreen, 1}, {kTriggerWorld, 2}, {kTriggerLocal, 3}});
    EXPECT_STREQ(kTriggerScreenText, "screen");
    EXPECT_STREQ(kTriggerWorldText, "world");
    EXPECT_STREQ(kTriggerLocalText, "local");
}

TEST(ContractCodes, MessagesOfTheThreeChannelsHaveTheirDocumentedCodes) {
    ExpectValues<int>({{kMessageDeactivated, 100}, {kMessageSettingsElements, 505}});
    ExpectValues<int>({{kXmlAddChild, 0x101},
                       {kXmlRemoveChild, 0x102},
                       {kXmlFindChild, 0x201},
                       {kXmlGetText, 0x302},
                       {kXmlSetText, 0x402}});
    ExpectValues<int>({{kWidgetCommand, 1},
                       {kWidgetSystemQuery, 0x100},
                       {kWidgetCreate, 0x101},
                       {kWidgetDestroy, 0x102},
                       {kWidgetAddChild, 0x201},
                       {kWidgetAttachWindow, 0x203},
                       {kWidgetGetValue, 0x301},
                       {kWidgetSetValue, 0x302},
                       {kWidgetAddEventHandler, 0x304}});
    EXPECT_STREQ(kCommandClose, "close");
    EXPECT_STREQ(kCommandModal, "modal");
    EXPECT_STREQ(kCommandMessageBox, "messagebox");
}

TEST(ContractCodes, ButtonBitsKeysObjectValuesKindsAndVersionsHaveTheirDocumentedValues) {
    ExpectValues<int32_t>({{kLeftButton, 0x01},
                           {kRightButton, 0x02},
                           {kShiftKey, 0x04},
                           {kCtrlKey, 0x08},
                           {kMiddleButton, 0x10},
                           {kAltKey, 0x20}});
    ExpectValues<int32_t>({{kKeyEscape, 27}, {kKeyX, 88}, {kKeyY, 89}, {kKeyZ, 90}});
    ExpectValues<int>({{kObjectExempt, 259}, {kObjectUniqueID, 260}});
    ExpectValues<int>({{kPluginTypeStation, 6}, {kPluginTypeCommand, 7}});
    EXPECT_EQ(kMinimumHostVersion, 0x4400u);
    EXPECT_EQ(kPluginInterfaceVersion, 0x440u);
}

TEST(ContractCodes, OptionNamesAreSpelledAsTheHostSpellsThem) {
    const std::pair<const char *, const char *> documented[] = {
        {kOptionIndex, "index"},
        {kOptionResult, "result"},
        {kOptionSourceProduct, "src_product"},
        {kOptionSourceID, "src_id"},
        {kOptionDescription, "description"},
        {kOptionMessage, "message"},
        {kOptionScene, "scene"},
        {kOptionWidth, "width"},
        {kOptionHeight, "height"},
        {kOptionXmlElement, "xml_elem"},
        {kOptionFileName, "filename"},
        {kOptionSaveUniqueIDs, "save_uid"},
        {kOptionState, "state"},
        {kOptionSize, "size"},
        {kOptionTrigger, "trigger"},
        {kOptionButtonState, "button_state"},
        {kOptionMouseX, "mouse_pos_x"},
        {kOptionMouseY, "mouse_pos_y"},
        {kOptionMouseWheel, "mouse_wheel"},
        {kOptionPressure, "pressure"},
        {kOptionKey, "key"},
        {kOptionBackground, "background"},
        {kOptionArguments, "args"},
        {kOptionRootElement, "root"},
        {kOptionPluginSettings, "pluginsettings"},
        {kOptionType, "type"},
        {kOptionID, "id"},
        {kOptionSystem, "system"},
        {kOptionChild, "child"},
        {kOptionCode, "code"},
        {kOptionMessageType, "messagetype"},
        {kOptionParent, "parent"},
        {kOptionProc, "proc"},
        {kOptionPointer, "pointer"},
        {kOptionPrior, "prior"},
        {kOptionTitle, "title"},
        {kOptionText, "text"},
        {kOptionInSpace, "inspace"},
        {kOptionOutSpace, "outspace"},
        {kOptionHorzLayout, "horzlayout"},
        {kOptionVertLayout, "vertlayout"},
        {kOptionAlignment, "alignment"},
        {kOptionDown, "down"},
        {kOptionVisible, "visible"},
        {kOptionPosX, "pos_x"},
        {kOptionPosY, "pos_y"},
        {kOptionTargetID, "target_id"},
        {kOptionSenderID, "sender_id"},
        {kOptionFinished, "finished"},
        {kOptionClientX, "client_x"},
        {kOptionClientY, "client_y"},
        {kOptionScreenX, "screen_x"},
        {kOptionScreenY, "screen_y"},
        {kOptionDownX, "down_x"},
        {kOptionDownY, "down_y"},
        {kOptionLastX, "last_x"},
        {kOptionLastY, "last_y"},
        {kOptionWheelDelta, "wheel_delta"},
        {kOptionAutoRepeat, "auto_repeat"},
        {kOptionCanvas, "canvas"},
        {kOptionX, "x"},
        {kOptionY, "y"},
    };
    for (const auto &[name, spelled] : documented) EXPECT_STREQ(name, spelled);
}

TEST(ContractCodes, WidgetMessageOptionsHaveTheTypesTheHostReadsThemAs) {
    const std::pair<const char *, OptionType> documented[] = {
        {"title", OptionType::WideText},
        {"text", OptionType::WideText},
        {"message", OptionType::WideText},
        {"horzlayout", OptionType::AsciiText},
        {"vertlayout", OptionType::AsciiText},
        {"alignment", OptionType::AsciiText},
        {"type", OptionType::AsciiText},
        {"system", OptionType::AsciiText},
        {"messagetype", OptionType::AsciiText},
        {"code", OptionType::AsciiText},
        {"inspace", OptionType::Double},
        {"outspace", OptionType::Double},
        {"down", OptionType::Bool},
        {"visible", OptionType::Bool},
        {"prior", OptionType::Bool},
        {"pos_x", OptionType::Int32},
        {"pos_y", OptionType::Int32},
        {"id", OptionType::Int32},
        {"result", OptionType::Int32},
        {"child", OptionType::Int32},
        {"parent", OptionType::Int32},
        {"proc", OptionType::CodeAddress},
        {"pointer", OptionType::ObjectAddress},
    };
    for (const auto &[name, type] : documented) {
        const OptionType *found = WidgetMessageOptionType(name);
        ASSERT_NE(found, nullptr) << name;
        EXPECT_EQ(*found, type) << name;
    }
    EXPECT_EQ(WidgetMessageOptionType("button_state"), nullptr) << "an option of events, not of widget messages";
    EXPECT_EQ(WidgetMessageOptionType("Down"), nullptr) << "names are compared byte for byte";
}

// Each table names every code once, with a name of its own.
template <size_t N>
void ExpectOneNameEach(const CodeName (&names)[N]) {
    std::set<int> codes;
    std::set<std::string> texts;
    for (const CodeName &entry : names) {
        EXPECT_TRUE(codes.insert(entry.code).second) << entry.code;
        EXPECT_TRUE(texts.insert(entry.name).second) << entry.name;
        EXPECT_STREQ(NameOf(names, entry.code), entry.name);
    }
}

TEST(ContractCodes, EveryCodeHasOneNameForPrintingAndStrangersHaveNone) {
    ExpectOneNameEach(kEventNames);
    ExpectOneNameEach(kHostMessageNames);
    ExpectOneNameEach(kXmlMessageNames);
    ExpectOneNameEach(kWidgetMessageNames);
    ExpectOneNameEach(kObjectValueNames);
    for (int code = kEventMouseFirst; code <= kEventMouseLast; ++code) EXPECT_NE(EventName(code), nullptr) << code;
    EXPECT_STREQ(EventName(kEventDrawView), "DrawView");
    EXPECT_STREQ(WidgetMessageName(kWidgetSetValue), "set");
    EXPECT_STREQ(XmlMessageName(kXmlFindChild), "find child");
    EXPECT_STREQ(HostMessageName(kMessageSettingsElements), "settings elements");
    EXPECT_STREQ(ObjectValueName(kObjectExempt), "exempt");
    for (int stranger : {0, -1, 99, 0x303, 1000}) {
        EXPECT_EQ(EventName(stranger), nullptr) << stranger;
        EXPECT_EQ(WidgetMessageName(stranger), nullptr) << stranger;
        EXPECT_EQ(XmlMessageName(stranger), nullptr) << stranger;
        EXPECT_EQ(HostMessageName(stranger), nullptr) << stranger;
        EXPECT_EQ(ObjectValueName(stranger), nullptr) << stranger;
    }
}

TEST(ContractCodes, TheFourteenExportsAreNamedOnceEach) {
    EXPECT_THAT(std::vector<std::string>(std::begin(kPluginExports), std::end(kPluginExports)),
                ElementsAre("MQCheckVersion", "MQInit", "MQGetPlugInID", "MQGetPlugInName", "MQGetPlugInType",
                            "MQEnumString", "MQEnumFileType", "MQEnumFileExt", "MQImportFile", "MQExportFile",
                            "MQCreate", "MQModifyObject", "MQModifySelect", "MQOnEvent"));
}

}  // namespace
}  // namespace stelmarin
