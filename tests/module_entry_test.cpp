// The built plug-in module, loaded by the stand-in host exactly as the modeller loads it:
// its exports, the version handshake, binding to host modules, and every event code.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/contract_codes.h"
#include "host/host_function_list.h"
#include "host/module_loader.h"
#include "simhost/host/platform.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/modeller/session.h"
#include "tests/violation_ids.h"

namespace {

using namespace stelmarin;
using simhost::OptionList;
using simhost::Session;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::StartsWith;

using simhost::platform::IsLoaded;

// A reference of the test's own, as the modeller holds its own module.
struct OwnReference {
    explicit OwnReference(const char *file) : library(stelmarin::platform::OpenModule(file)) {}
    ~OwnReference() { Release(); }
    void Release() {
        if (library != nullptr) stelmarin::platform::CloseModule(library);
        library = nullptr;
    }
    void *library;
};

int UntypedCalls(const simhost::CallTrace &trace) {
    int calls = 0;
    for (const auto &info : stelmarin::host::kHostFunctions) {
        if (!info.typed) calls += trace.CountOf(info.name);
    }
    return calls;
}

class PluginModule : public ::testing::Test {
protected:
    void SetUp() override {
        session.host().trace.recording = true;
        session.Start();
    }

    Session session{STELMARIN_PLUGIN_FILE};
    simhost::PluginModule &plugin = session.plugin();
};

TEST_F(PluginModule, IdentifiesItselfAsAStationPlugIn) {
    uint32_t product = 0, id = 0;
    plugin.MQGetPlugInID(&product, &id);
    EXPECT_EQ(product, 0x5A3C71E2u);
    EXPECT_EQ(id, 0x2F8D4B96u);
    EXPECT_THAT(plugin.MQGetPlugInName(), StartsWith("Stelmarin Ver.1.2   "));
    EXPECT_EQ(plugin.MQGetPlugInType(), kPluginTypeStation);
    EXPECT_STREQ(plugin.MQEnumString(0), "Stelmarin");
    EXPECT_EQ(plugin.MQEnumString(1), nullptr);
    EXPECT_EQ(plugin.MQEnumString(-1), nullptr);
    EXPECT_EQ(plugin.MQEnumFileType(0), nullptr);
    EXPECT_EQ(plugin.MQEnumFileExt(0), nullptr);
}

TEST_F(PluginModule, FileAndObjectEntryPointsDoNothingAndAnswerZero) {
    MQDocument doc = session.host().DocumentHandle();
    EXPECT_EQ(plugin.MQImportFile(0, "a.obj", doc), 0);
    EXPECT_EQ(plugin.MQExportFile(0, "a.obj", doc), 0);
    EXPECT_EQ(plugin.MQCreate(0, doc), 0);
    EXPECT_EQ(plugin.MQModifyObject(0, doc), 0);
    EXPECT_EQ(plugin.MQModifySelect(0, doc), 0);
    EXPECT_EQ(session.host().trace.Total(), 0);
}

TEST_F(PluginModule, VersionCheckAcceptsFromTheMinimumOnUnsigned) {
    EXPECT_EQ(plugin.MQCheckVersion(kMinimumHostVersion), kPluginInterfaceVersion);
    EXPECT_EQ(plugin.MQCheckVersion(kMinimumHostVersion - 1), 0u);
    EXPECT_EQ(plugin.MQCheckVersion(0xFFFFFFFFu), kPluginInterfaceVersion);
    EXPECT_EQ(plugin.MQCheckVersion(kPluginInterfaceVersion), 0u);
}

TEST_F(PluginModule, EveryEventCodeAnswersAsTheTableSays) {
    EXPECT_EQ(session.Initialize(), 1);
    OptionList event3;
    event3.Int("index", 2).Int("result", 77);
    EXPECT_EQ(session.SendEvent(kEvent3, event3), 1);
    EXPECT_EQ(event3.IntValue("result"), 0) << "the default operation's 0 is stored";
    OptionList event4;
    EXPECT_EQ(session.SendEvent(kEvent4, event4), 1);
    EXPECT_EQ(session.SendFlagEvent(kEventActivate, 5), 1);
    EXPECT_TRUE(session.QueryActivated());
    EXPECT_EQ(session.SendFlagEvent(kEvent102, 1), 1);
    OptionList event103;
    event103.Int("src_product", 1).Int("src_id", 2).Int("result", 9);
    EXPECT_EQ(session.SendEvent(kEventPlugInMessage, event103), 1);
    EXPECT_EQ(event103.IntValue("result"), 0);
    OptionList noResult;
    EXPECT_EQ(session.SendEvent(kEventPlugInMessage, noResult), 1);
    EXPECT_EQ(session.SendEvent(kEvent104, nullptr), 0);
    OptionList drawWithoutSize;
    EXPECT_EQ(session.SendEvent(kEventDrawView, drawWithoutSize), 1);
    EXPECT_EQ(session.SendEvent(kEventDocumentLoad, nullptr), 1);
    EXPECT_EQ(session.SendEvent(kEventDocumentNew, nullptr), 1);
    OptionList save;
    save.Int("save_uid", 0);
    EXPECT_EQ(session.SendEvent(kEventDocumentSave, save), 1);
    EXPECT_EQ(save.IntValue("save_uid"), 0) << "this plug-in needs no unique IDs in saved files";
    OptionList state;
    state.Int("state", 1).Int("size", 4);
    EXPECT_EQ(session.SendEvent(kEvent210, state), 0);
    EXPECT_EQ(session.SendEvent(kEvent211, state), 0);
    EXPECT_EQ(session.SendEvent(kEvent212, state), 1);
    for (int code : {kEvent220, kEvent221, kEvent222, kEvent230, kEvent231, kEvent240})
        EXPECT_EQ(session.SendEvent(code, nullptr), 1) << code;
    OptionList trigger;
    trigger.Text("trigger", "Screen");
    EXPECT_EQ(session.SendEvent(kEvent250, trigger), 1);
    for (int code : {kEventMouseFirst, kEventMouseLast, kEvent140, kEvent141, kEvent300, kEventImportArguments}) {
        EXPECT_EQ(session.SendEvent(code, nullptr), 0) << "an event of another kind of plug-in: " << code;
    }
    for (int code : {0, -5, 5, 105, 251, 999}) EXPECT_EQ(session.SendEvent(code, nullptr), 0) << code;
    EXPECT_EQ(session.SendFlagEvent(kEventActivate, 0), 0);
    EXPECT_FALSE(session.QueryActivated());
    EXPECT_EQ(session.SendEvent(kEventActivate, nullptr), 0) << "a null flag pointer reads as 0";
    EXPECT_EQ(session.Exit(), 1);
    EXPECT_EQ(UntypedCalls(session.host().trace), 0);
    EXPECT_THAT(session.host().violations, IsEmpty());
}

TEST_F(PluginModule, MalformedOptionArraysAreReadSafely) {
    OptionList duplicated;
    duplicated.Int("index", 1).Int("index", 2).Pointer("result", nullptr).Int("result", 5);
    EXPECT_EQ(session.SendEvent(kEvent3, duplicated), 1);
    EXPECT_EQ(duplicated.IntValue("result"), 5) << "only the first result pair counts, and it has no place";
    OptionList nullSizes;
    nullSizes.Pointer("width", nullptr).Pointer("height", nullptr).Pointer("scene", nullptr);
    EXPECT_EQ(session.SendEvent(kEventDrawView, nullSizes), 1);
    EXPECT_THAT(session.host().violations, IsEmpty());
}

TEST_F(PluginModule, QueryActivatedIsFalseRightAfterLoad) { EXPECT_FALSE(session.QueryActivated()); }

TEST(PluginBinding, AHostModuleLackingOneNameIsRefusedAndReleasedOnce) {
    OwnReference own(SIMHOST_HOST_NOCANVAS);
    ASSERT_NE(own.library, nullptr) << stelmarin::platform::LastLoadError();
    {
        Session session(STELMARIN_PLUGIN_FILE);
        EXPECT_EQ(session.CheckVersion(), 0x440u);
        EXPECT_EQ(session.Init(SIMHOST_HOST_NOCANVAS), 0);
        EXPECT_TRUE(IsLoaded(SIMHOST_HOST_NOCANVAS)) << "the plug-in released a reference it did not take";
        EXPECT_EQ(session.Init(simhost::HostModulePath()), 1) << "a later binding to a complete host succeeds";
    }
    own.Release();
    EXPECT_FALSE(IsLoaded(SIMHOST_HOST_NOCANVAS)) << "the plug-in kept a reference to the host module";
}

TEST(PluginBinding, ACompleteHostModuleIsBoundAndReleasedOnce) {
    OwnReference own(SIMHOST_HOST_DETACHED);
    ASSERT_NE(own.library, nullptr) << stelmarin::platform::LastLoadError();
    {
        Session session(STELMARIN_PLUGIN_FILE);
        EXPECT_EQ(session.Init(SIMHOST_HOST_DETACHED), 1);
        EXPECT_TRUE(IsLoaded(SIMHOST_HOST_DETACHED)) << "the plug-in released a reference it did not take";
    }
    own.Release();
    EXPECT_FALSE(IsLoaded(SIMHOST_HOST_DETACHED)) << "the plug-in kept a reference to the host module";
}

TEST(PluginBinding, AHostModuleThatCannotBeLoadedIsRefused) {
    Session session(STELMARIN_PLUGIN_FILE);
    EXPECT_EQ(session.Init("/nonexistent/host.so"), 0);
    EXPECT_EQ(session.Init(""), 0);
}

TEST(PluginLoading, TheModuleIsUnloadedWithItsSessionAndStartsFreshNextTime) {
    {
        Session session(STELMARIN_PLUGIN_FILE);
        session.Start();
        session.Initialize();
        session.Activate(true);
        EXPECT_TRUE(session.QueryActivated());
    }
    EXPECT_FALSE(IsLoaded(STELMARIN_PLUGIN_FILE)) << "the host could not unload the plug-in";
    Session fresh(STELMARIN_PLUGIN_FILE);
    fresh.Start();
    EXPECT_FALSE(fresh.QueryActivated());
}

TEST(PluginLoading, AFileWithoutTheEntryPointsIsRejectedByName) {
    try {
        Session session(SIMHOST_HOST_DETACHED);
        FAIL() << "a host module is not a plug-in";
    } catch (const simhost::LoadError &error) {
        EXPECT_THAT(error.what(), HasSubstr("does not export MQCheckVersion"));
    }
    EXPECT_THROW(Session("/nonexistent/stelmarin.so"), simhost::LoadError);
}

TEST_F(PluginModule, ItsWindowPinsTheSeamThroughTheRealModule) {
    simhost::Object &body = simhost::AddGrid(session.document(), "body", 2, 2, 1.0f);
    session.Initialize();
    session.Activate(true);
    auto &widgets = session.host().widgets;
    widgets.LeftClick(widgets.ButtonLabelled(u"X0"));
    EXPECT_TRUE(widgets.Find(widgets.ButtonLabelled(u"X0"))->Flag("down"));
    simhost::Move(body, {0.5f, 0.5f, 0.0f}, simhost::Scope::All);
    session.Draw();
    EXPECT_EQ(body.position(1).x, 0.0f);
    EXPECT_EQ(body.position(1).y, 0.5f);
    widgets.UserCloses(widgets.PluginWindow());
    EXPECT_FALSE(session.QueryActivated());
    session.Exit();
    EXPECT_EQ(widgets.LiveWidgets(), 0);
    EXPECT_THAT(session.host().violations, IsEmpty());
    EXPECT_THAT(widgets.scriptErrors, IsEmpty());
}

TEST(HostValidation, AMisbehavingPlugInIsReportedPlainly) {
    Session session(BROKEN_PLUGIN_FILE);
    session.Start();
    session.document().AddObject("body").AddVertex({0, 0, 0});
    EXPECT_EQ(session.Draw(), 1);
    EXPECT_THAT(testing_support::IdsOf(session.host().violations), ::testing::ElementsAre("H014", "H005", "H006"));
    EXPECT_EQ(session.host().violations.back().Line(),
              "[H006] MQObj_SetVertex: vertex index 1 outside 0..0 of object 'body'");
}

}  // namespace
