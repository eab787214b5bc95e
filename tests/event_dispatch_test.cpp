// The event table, driven with plug-in objects of every kind so that each argument the
// dispatcher passes on can be seen.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "host/option_array.h"
#include "plugin/entry_points.h"

namespace stelmarin {
namespace {

using ::testing::ElementsAre;

// A station plug-in that writes down every operation the dispatcher calls.
class RecordingStation : public MQStationPlugin {
public:
    std::vector<std::string> calls;
    int answer = 0;
    bool setNeedUniqueIDs = false;

    void GetPlugInID(uint32_t *p, uint32_t *i) override { *p = 1, *i = 2; }
    const char *GetPlugInName() override { return "recording"; }
    int GetPlugInType() override { return kPluginTypeStation; }
    const char *EnumString() override { return "recording"; }

    void Log(const std::string &call) { calls.push_back(call); }
    static std::string I(long long v) { return std::to_string(v); }

    int OnEvent3(int index) override { return Log("OnEvent3 " + I(index)), answer; }
    int OnEvent4(int index) override { return Log("OnEvent4 " + I(index)), answer; }
    bool OnInitialize() override { return Log("OnInitialize"), answer != 0; }
    void OnExit() override { Log("OnExit"); }
    bool OnActivate(MQDocument, int32_t flag) override { return Log("OnActivate " + I(flag)), answer != 0; }
    bool OnQueryActivated(MQDocument) override { return Log("OnQueryActivated"), answer != 0; }
    int OnEvent104(MQDocument, int index) override { return Log("OnEvent104 " + I(index)), answer; }
    void OnEvent102(MQDocument, int32_t flag) override { Log("OnEvent102 " + I(flag)); }
    int OnPlugInMessage(MQDocument, int32_t product, int32_t id, void *description, void *message) override {
        Log("OnPlugInMessage " + I(product) + " " + I(id) + " " + (description ? "d" : "-") + (message ? "m" : "-"));
        return answer;
    }
    void OnDrawView(MQDocument, MQScene scene, int w, int h) override {
        Log(std::string("OnDrawView ") + (scene ? "scene " : "- ") + I(w) + " " + I(h));
    }
    void OnDocumentLoad(MQDocument, const char *file, LoadRecord *record) override {
        Log(std::string("OnDocumentLoad ") + (file ? file : "-") + (record->xmlElement ? " xml" : " -"));
    }
    void OnDocumentNew(MQDocument) override { Log("OnDocumentNew"); }
    void OnDocumentSave(MQDocument, const char *file, SaveRecord *record) override {
        Log(std::string("OnDocumentSave ") + (file ? file : "-") + " need=" + I(record->needUniqueIDs));
        if (setNeedUniqueIDs) record->needUniqueIDs = 1;
    }
    int OnEvent210(MQDocument, int state) override { return Log("OnEvent210 " + I(state)), answer; }
    int OnEvent211(MQDocument, int state) override { return Log("OnEvent211 " + I(state)), answer; }
    void OnEvent212(MQDocument, int state, int size) override { Log("OnEvent212 " + I(state) + " " + I(size)); }
    void OnEvent221(MQDocument) override { Log("OnEvent221"); }
    void OnEvent222(MQDocument) override { Log("OnEvent222"); }
    void OnEvent220(MQDocument) override { Log("OnEvent220"); }
    void OnEvent231(MQDocument) override { Log("OnEvent231"); }
    void OnEvent230(MQDocument) override { Log("OnEvent230"); }
    void OnEvent240(MQDocument, MQScene scene) override { Log(std::string("OnEvent240 ") + (scene ? "scene" : "-")); }
    void OnEvent250(MQDocument, int kind) override { Log("OnEvent250 " + I(kind)); }

    int Double(void *argument) { return 2 * *static_cast<int *>(argument); }
};

class RecordingCommand : public MQCommandPlugin {
public:
    std::vector<std::string> calls;
    CommandMouseState last;
    int lastKey = -1;
    void GetPlugInID(uint32_t *p, uint32_t *i) override { *p = 1, *i = 3; }
    const char *GetPlugInName() override { return "command"; }
    int GetPlugInType() override { return kPluginTypeCommand; }
    int OnEvent120(MQDocument, MQScene, CommandMouseState *s) override {
        return calls.push_back("OnEvent120"), last = *s, kEventMouseFirst;
    }
    int OnEvent125(MQDocument, MQScene, CommandMouseState *s) override {
        return calls.push_back("OnEvent125"), last = *s, kEventMouseFirst + 5;
    }
    int OnEvent130(MQDocument, MQScene, CommandMouseState *s) override {
        return calls.push_back("OnEvent130"), last = *s, kEventMouseLast;
    }
    int OnEvent140(MQDocument, MQScene, int key, CommandMouseState *s) override {
        return calls.push_back("OnEvent140"), last = *s, lastKey = key, kEvent140;
    }
    int OnEvent141(MQDocument, MQScene, int key, CommandMouseState *s) override {
        return calls.push_back("OnEvent141"), last = *s, lastKey = key, kEvent141;
    }
};

class RecordingImport : public MQImportPlugin {
public:
    void GetPlugInID(uint32_t *p, uint32_t *i) override { *p = 1, *i = 4; }
    const char *GetPlugInName() override { return "import"; }
    int GetPlugInType() override { return 1; }
    int OnEvent300() override { return 33; }
};

// Builds an option array over values that outlive it.
struct Options {
    std::vector<MQOption> pairs;
    Options &Add(const char *name, void *value) {
        pairs.push_back({name, value});
        return *this;
    }
    MQOption *data() {
        pairs.push_back({nullptr, nullptr});
        return pairs.data();
    }
};

class EventDispatch : public ::testing::Test {
protected:
    RecordingStation station;
    MQDocument doc = reinterpret_cast<MQDocument>(&station);

    int Send(int code, Options options) { return DispatchEvent(station, doc, code, options.data()); }
    int Send(int code) { return DispatchEvent(station, doc, code, nullptr); }
};

TEST_F(EventDispatch, LifecycleEventsAnswerAsTheTableSays) {
    station.answer = 0;
    EXPECT_EQ(Send(kEventInitialize), 0);
    EXPECT_EQ(Send(kEventExit), 1);
    station.answer = 1;
    EXPECT_EQ(Send(kEventInitialize), 1);
    EXPECT_EQ(Send(kEventExit), 1);
    EXPECT_EQ(Send(kEventDocumentNew), 1);
    EXPECT_THAT(station.calls, ElementsAre("OnInitialize", "OnExit", "OnInitialize", "OnExit", "OnDocumentNew"));
}

TEST_F(EventDispatch, FlagEventsReadOneIntegerAndTreatNullAsZero) {
    int32_t flag = 5;
    station.answer = 1;
    EXPECT_EQ(DispatchEvent(station, doc, kEventActivate, &flag), 1);
    EXPECT_EQ(DispatchEvent(station, doc, kEventActivate, nullptr), 1);
    EXPECT_EQ(DispatchEvent(station, doc, kEvent102, &flag), 1);
    EXPECT_EQ(DispatchEvent(station, doc, kEvent102, nullptr), 1);
    station.answer = 0;
    EXPECT_EQ(DispatchEvent(station, doc, kEventQueryActivated, nullptr), 0);
    EXPECT_THAT(station.calls,
                ElementsAre("OnActivate 5", "OnActivate 0", "OnEvent102 5", "OnEvent102 0", "OnQueryActivated"));
}

TEST_F(EventDispatch, IndexEventsStoreTheResultOnlyWhenAskedAndUseTheFirstIndex) {
    int32_t first = 4, second = 9, result = -7;
    station.answer = 42;
    EXPECT_EQ(Send(kEvent3, Options().Add("index", &first).Add("index", &second).Add("result", &result)), 1);
    EXPECT_EQ(result, 42);
    EXPECT_EQ(Send(kEvent4, Options()), 1);
    EXPECT_EQ(Send(kEvent104, Options().Add("index", &second)), 42);
    EXPECT_EQ(Send(kEvent104), 42);
    EXPECT_THAT(station.calls, ElementsAre("OnEvent3 4", "OnEvent4 0", "OnEvent104 9", "OnEvent104 0"));
}

TEST_F(EventDispatch, PlugInMessagePassesPointersOnAndWritesResultWhenPresent) {
    int32_t product = 11, id = 12, result = 0;
    char description[] = "d", message[] = "m";
    station.answer = 8;
    EXPECT_EQ(Send(kEventPlugInMessage, Options()
                                            .Add("src_product", &product)
                                            .Add("src_id", &id)
                                            .Add("description", description)
                                            .Add("message", message)
                                            .Add("result", &result)),
              1);
    EXPECT_EQ(result, 8);
    EXPECT_EQ(Send(kEventPlugInMessage), 1);
    EXPECT_THAT(station.calls, ElementsAre("OnPlugInMessage 11 12 dm", "OnPlugInMessage 0 0 --"));
}

TEST_F(EventDispatch, DrawViewDefaultsWidthAndHeightToOne) {
    int32_t width = 640, height = 480;
    char scene = 0;
    EXPECT_EQ(Send(kEventDrawView, Options().Add("scene", &scene).Add("width", &width).Add("height", &height)), 1);
    EXPECT_EQ(Send(kEventDrawView), 1);
    EXPECT_THAT(station.calls, ElementsAre("OnDrawView scene 640 480", "OnDrawView - 1 1"));
}

TEST_F(EventDispatch, DocumentLoadAndSaveCarryTheirRecords) {
    char xml = 0;
    char file[] = "a.mqo";
    int32_t saveUID = 0;
    EXPECT_EQ(Send(kEventDocumentLoad, Options().Add("xml_elem", &xml).Add("filename", file)), 1);
    EXPECT_EQ(Send(kEventDocumentSave, Options().Add("filename", file).Add("save_uid", &saveUID)), 1);
    EXPECT_EQ(saveUID, 0) << "save_uid stays untouched unless the plug-in needs unique IDs";
    station.setNeedUniqueIDs = true;
    EXPECT_EQ(Send(kEventDocumentSave, Options().Add("save_uid", &saveUID)), 1);
    EXPECT_EQ(saveUID, 1);
    EXPECT_EQ(Send(kEventDocumentSave), 1) << "no save_uid to write";
    EXPECT_THAT(station.calls, ElementsAre("OnDocumentLoad a.mqo xml", "OnDocumentSave a.mqo need=0",
                                           "OnDocumentSave - need=0", "OnDocumentSave - need=0"));
}

TEST_F(EventDispatch, StateEventsPassStateAndSize) {
    int32_t state = 3, size = 70;
    station.answer = 6;
    EXPECT_EQ(Send(kEvent210, Options().Add("state", &state)), 6);
    EXPECT_EQ(Send(kEvent211), 6);
    EXPECT_EQ(Send(kEvent212, Options().Add("state", &state).Add("size", &size)), 1);
    EXPECT_THAT(station.calls, ElementsAre("OnEvent210 3", "OnEvent211 0", "OnEvent212 3 70"));
}

TEST_F(EventDispatch, PlainNotificationsAnswerOne) {
    char scene = 0;
    for (int code : {kEvent220, kEvent221, kEvent222, kEvent230, kEvent231}) EXPECT_EQ(Send(code), 1) << code;
    EXPECT_EQ(Send(kEvent240, Options().Add("scene", &scene)), 1);
    EXPECT_THAT(station.calls,
                ElementsAre("OnEvent220", "OnEvent221", "OnEvent222", "OnEvent230", "OnEvent231", "OnEvent240 scene"));
}

TEST_F(EventDispatch, TriggerKindIsMatchedExactly) {
    const char *triggers[] = {"screen", "Screen", "world", "local", "screen ", ""};
    for (const char *trigger : triggers) {
        EXPECT_EQ(Send(kEvent250, Options().Add("trigger", const_cast<char *>(trigger))), 1);
    }
    EXPECT_EQ(Send(kEvent250), 1);
    EXPECT_THAT(station.calls, ElementsAre("OnEvent250 1", "OnEvent250 0", "OnEvent250 2", "OnEvent250 3",
                                           "OnEvent250 0", "OnEvent250 0", "OnEvent250 0"));
}

TEST_F(EventDispatch, CodesOutsideTheTableAndForeignKindsAnswerZeroAndCallNothing) {
    for (int code : {0,   -1,  5,   99,  105, 109, 111, 119, 131, 142, 199,   203,
                     209, 213, 219, 223, 229, 232, 239, 241, 249, 251, 100000}) {
        EXPECT_EQ(Send(code), 0) << code;
    }
    // The events of other kinds of plug-in.
    for (int code : {kEventMouseFirst, kEventMouseLast, kEvent140, kEvent141, kEvent300, kEventImportArguments}) {
        EXPECT_EQ(Send(code), 0) << code;
    }
    EXPECT_TRUE(station.calls.empty());
}

TEST_F(EventDispatch, AMissingValuePointerCountsAsAnAbsentOption) {
    int32_t result = 5;
    station.answer = 9;
    EXPECT_EQ(Send(kEventDrawView, Options().Add("width", nullptr).Add("height", nullptr)), 1);
    EXPECT_EQ(Send(kEvent3, Options().Add("index", nullptr).Add("result", nullptr).Add("result", &result)), 1);
    EXPECT_EQ(result, 5) << "the first result pair wins, and it has nowhere to write";
    EXPECT_THAT(station.calls, ElementsAre("OnDrawView - 1 1", "OnEvent3 0"));
}

TEST(CommandDispatch, MouseAndKeyEventsReachTheOperationOfTheirCode) {
    RecordingCommand command;
    int32_t buttons = kLeftButton | kRightButton | kCtrlKey | kMiddleButton, x = 10, y = 20, wheel = -3, key = 65;
    float pressure = 0.5f;
    Options mouse;
    mouse.Add("button_state", &buttons).Add("mouse_pos_x", &x).Add("mouse_pos_y", &y);
    mouse.Add("mouse_wheel", &wheel).Add("pressure", &pressure);
    EXPECT_EQ(DispatchEvent(command, nullptr, kEventMouseFirst + 5, mouse.data()), kEventMouseFirst + 5);
    EXPECT_EQ(command.last.x, 10);
    EXPECT_EQ(command.last.y, 20);
    EXPECT_EQ(command.last.wheel, -3);
    EXPECT_FLOAT_EQ(command.last.pressure, 0.5f);
    EXPECT_EQ(command.last.left_button, 1);
    EXPECT_EQ(command.last.right_button, 1);
    EXPECT_EQ(command.last.middle_button, 1);
    EXPECT_EQ(command.last.ctrl_key, 1);
    EXPECT_EQ(command.last.shift_key, 0);
    EXPECT_EQ(command.last.alt_key, 0);

    EXPECT_EQ(DispatchEvent(command, nullptr, kEventMouseFirst, nullptr), kEventMouseFirst);
    EXPECT_EQ(command.last.x, 0);
    EXPECT_EQ(DispatchEvent(command, nullptr, kEventMouseLast, nullptr), kEventMouseLast);
    EXPECT_EQ(DispatchEvent(command, nullptr, kEventMouseFirst + 1, nullptr), 0) << "the default mouse operation";

    int32_t shiftAlt = kShiftKey | kAltKey;
    Options keys;
    keys.Add("key", &key).Add("button_state", &shiftAlt).Add("mouse_pos_x", &x);
    EXPECT_EQ(DispatchEvent(command, nullptr, kEvent141, keys.data()), kEvent141);
    EXPECT_EQ(command.lastKey, 65);
    EXPECT_EQ(command.last.x, 0) << "key events carry no cursor";
    EXPECT_EQ(command.last.shift_key, 1);
    EXPECT_EQ(command.last.alt_key, 1);
    EXPECT_EQ(DispatchEvent(command, nullptr, kEvent140, nullptr), kEvent140);
    EXPECT_EQ(command.lastKey, 0);
    EXPECT_THAT(command.calls, ElementsAre("OnEvent125", "OnEvent120", "OnEvent130", "OnEvent141", "OnEvent140"));
}

TEST(ImportDispatch, ImportPlugInsTakeOnlyTheirTwoEvents) {
    RecordingImport import;
    int32_t background = 1;
    char args = 0;
    Options options;
    options.Add("background", &background).Add("args", &args);
    EXPECT_EQ(DispatchEvent(import, nullptr, kEvent300, nullptr), 33);
    EXPECT_EQ(DispatchEvent(import, nullptr, kEventImportArguments, options.data()), 1);
    EXPECT_EQ(import.background, 1);
    EXPECT_EQ(import.args, &args);
    EXPECT_EQ(DispatchEvent(import, nullptr, kEventImportArguments, nullptr), 1);
    EXPECT_EQ(import.background, 0);
    EXPECT_EQ(import.args, nullptr);
    EXPECT_EQ(DispatchEvent(import, nullptr, kEventInitialize, nullptr), 0);
    EXPECT_EQ(DispatchEvent(import, nullptr, kEventDrawView, nullptr), 0);
}

TEST(EnumString, OnlyStationAndCommandKindsAnswerAndOnlyForIndexZero) {
    RecordingStation station;
    RecordingCommand command;
    RecordingImport import;
    EXPECT_STREQ(EnumStringFor(station, 0), "recording");
    EXPECT_EQ(EnumStringFor(station, 1), nullptr);
    EXPECT_EQ(EnumStringFor(station, -1), nullptr);
    EXPECT_EQ(EnumStringFor(command, 0), nullptr) << "the station default text is null";
    EXPECT_EQ(EnumStringFor(import, 0), nullptr);
}

TEST(RunCallback, CallsTheRecordsOperationWithTheArgument) {
    RecordingStation station;
    int argument = 21;
    CallbackRecord record{static_cast<MQStationPlugin::CallbackProc>(&RecordingStation::Double)};
    EXPECT_EQ(station.RunCallback(&argument, &record), 42);
    EXPECT_EQ(station.RunCallback(&argument, nullptr), 0);
}

TEST(FindOption, FirstExactMatchWinsAndNullEndsTheArray) {
    int a = 1, b = 2;
    MQOption options[] = {{"index", &a}, {"Index", &b}, {"index", &b}, {nullptr, nullptr}, {"after", &b}};
    EXPECT_EQ(FindOption(options, "index"), &a);
    EXPECT_EQ(FindOption(options, "Index"), &b);
    EXPECT_EQ(FindOption(options, "inde"), nullptr);
    EXPECT_EQ(FindOption(options, "after"), nullptr);
    EXPECT_EQ(FindOption(nullptr, "index"), nullptr);
}

}  // namespace
}  // namespace stelmarin
