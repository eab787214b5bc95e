// Settings and the window's life: what is stored in the host's settings tree, and where
// the window appears, hides and comes back.
#include <gmock/gmock.h>

#include <climits>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "host/settings.h"
#include "host/text_conversion.h"
#include "plugin_in_host.h"
#include "simhost/modeller/session.h"

namespace stelmarin::testing {
namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;
using ::testing::IsEmpty;
using ::testing::Not;

constexpr const char *kElement = "Plugin-5A3C71E2-2F8D4B96";

// A host with settings but a plug-in object not yet initialised.
class Settings : public PluginInHost {
protected:
    void SetUp() override {
        simhost::SetActiveHost(&host);
        ASSERT_EQ(host::BindHostFunctions(simhost::HostModulePath().c_str(), host::Host()), 1);
    }

    pugi::xml_node Own() { return host.settings.PluginSettingsNode().child(kElement); }
    void Store(const char *key, const char *text) {
        pugi::xml_node own = Own() ? Own() : host.settings.PluginSettingsNode().append_child(kElement);
        own.remove_child(key);
        own.append_child(key).text().set(text);
    }
    int32_t Load(const char *key) {
        return AsHost([&] {
            int32_t value = 12345;
            plugin.CreateSettingAccessor()->LoadInt(key, value);
            return value;
        });
    }
    void Save(const char *key, int32_t value) {
        AsHost([&] { plugin.CreateSettingAccessor()->SaveInt(key, value); });
    }
    bool Initialize() {
        return AsHost([&] { return plugin.OnInitialize(); });
    }
    std::vector<std::string> WindowSets(const std::string &key) {
        std::vector<std::string> sets;
        for (const auto &line : host.widgets.log) {
            if (line.find(" " + key + "=") != std::string::npos) sets.push_back(line);
        }
        return sets;
    }
};

TEST_F(Settings, AFirstLoadFindsNothingAndAddsThePlugInsElement) {
    EXPECT_FALSE(Own());
    EXPECT_EQ(Load("PosX"), -1);
    EXPECT_TRUE(Own());
    EXPECT_EQ(Load("PosX"), -1);
    EXPECT_EQ(std::distance(host.settings.PluginSettingsNode().begin(), host.settings.PluginSettingsNode().end()), 1)
        << "found again, not added twice";
}

TEST_F(Settings, ASaveReplacesTheEntryWithOneChildHoldingTheNewText) {
    Save("PosX", 240);
    EXPECT_EQ(Load("PosX"), 240);
    Save("PosX", 17);
    Save("PosY", -1);
    EXPECT_EQ(Load("PosX"), 17);
    EXPECT_EQ(Load("PosY"), -1);
    std::vector<std::string> children;
    for (pugi::xml_node child : Own().children())
        children.push_back(std::string(child.name()) + "=" + child.text().get());
    EXPECT_THAT(children, ElementsAre("PosX=17", "PosY=-1"));
}

TEST_F(Settings, StoredTextsAreReadAsLeadingDecimalIntegers) {
    const std::pair<const char *, int32_t> cases[] = {{"12abc", 12},
                                                      {" 7", 7},
                                                      {"\t-42", -42},
                                                      {"+5", 5},
                                                      {"abc", 0},
                                                      {"-", 0},
                                                      {"", -1},
                                                      {"2147483647", INT_MAX},
                                                      {"99999999999", INT_MAX},
                                                      {"-2147483648", INT_MIN},
                                                      {"-99999999999", INT_MIN},
                                                      {"0000000000000000000012", 12}};
    for (const auto &[text, expected] : cases) {
        Store("PosX", text);
        EXPECT_EQ(Load("PosX"), expected) << '"' << text << '"';
    }
}

TEST_F(Settings, TheElementNameHasEightUpperCaseHexDigitsPerID) {
    struct Small : Stelmarin {
        void GetPlugInID(uint32_t *product, uint32_t *id) override { *product = 0x1A, *id = 0xB; }
    } small;
    AsHost([&] { small.CreateSettingAccessor(); });
    EXPECT_TRUE(host.settings.PluginSettingsNode().child("Plugin-0000001A-0000000B"));
}

TEST_F(Settings, AHostWithoutSettingsGetsNeitherLoadNorSave) {
    host.offersSettings = false;
    EXPECT_EQ(AsHost([&] { return plugin.CreateSettingAccessor(); }), nullptr);
    host.trace.recording = true;
    EXPECT_TRUE(Initialize());
    AsHost([&] { plugin.OnExit(); });
    EXPECT_EQ(host.trace.CountOf("MQXmlElem_Value"), 0);
    EXPECT_THAT(WindowSets("pos_x"), IsEmpty());
}

TEST_F(Settings, AFirstRunLeavesTheWindowWhereTheHostPutsItAndHidden) {
    EXPECT_TRUE(Initialize());
    EXPECT_THAT(WindowSets("pos_x"), IsEmpty());
    EXPECT_THAT(WindowSets("visible"), ElementsAre("set 1001 visible=false"));
    EXPECT_FALSE(plugin.OnQueryActivated(doc()));
}

TEST_F(Settings, AStoredPositionPlacesTheWindowOnlyWhenBothAreNonNegative) {
    Store("PosX", "0");
    Store("PosY", "0");
    Initialize();
    EXPECT_THAT(WindowSets("pos_x"), ElementsAre("set 1001 pos_x=0"));
    EXPECT_THAT(WindowSets("pos_y"), ElementsAre("set 1001 pos_y=0"));
    AsHost([&] { plugin.OnExit(); });

    Store("PosX", "-20");
    Store("PosY", "100");
    host.widgets.log.clear();
    Initialize();
    EXPECT_THAT(WindowSets("pos_x"), IsEmpty());
    EXPECT_THAT(WindowSets("pos_y"), IsEmpty());
}

TEST_F(Settings, ActivationNeedsAWindowAndFollowsTheFlag) {
    EXPECT_FALSE(AsHost([&] { return plugin.OnActivate(doc(), 1); })) << "before initialisation";
    EXPECT_FALSE(plugin.OnQueryActivated(doc()));
    Initialize();
    EXPECT_TRUE(AsHost([&] { return plugin.OnActivate(doc(), 5); }));
    EXPECT_TRUE(plugin.OnQueryActivated(doc()));
    EXPECT_TRUE(host.widgets.IsShown(host.widgets.PluginWindow()));
    AsHost([&] { plugin.OnExit(); });
    EXPECT_TRUE(plugin.activated);
    EXPECT_FALSE(plugin.OnQueryActivated(doc())) << "no window, not active";
}

TEST_F(Settings, ARepeatedInitialisationNeitherMakesASecondWindowNorMovesIt) {
    Store("PosX", "10");
    Store("PosY", "20");
    Initialize();
    AsHost([&] { plugin.OnActivate(doc(), 1); });
    host.widgets.UserMoves(host.widgets.PluginWindow(), 300, 400);
    host.widgets.log.clear();
    Initialize();
    EXPECT_THAT(WindowSets("pos_x"), IsEmpty());
    EXPECT_THAT(host.widgets.log, ElementsAre("set 1001 visible=true")) << "only the flag is re-applied";
    EXPECT_EQ(host.widgets.LiveWidgets(), 6);
}

TEST_F(Settings, ExitStoresWhereverTheWindowIsShownOrHidden) {
    Initialize();
    AsHost([&] { plugin.OnActivate(doc(), 1); });
    host.widgets.UserMoves(host.widgets.PluginWindow(), -30, 77);
    AsHost([&] { plugin.OnActivate(doc(), 0); });
    AsHost([&] { plugin.OnExit(); });
    EXPECT_EQ(Load("PosX"), -30);
    EXPECT_EQ(Load("PosY"), 77);
}

TEST_F(Settings, ExitWithoutAWindowStoresNothing) {
    Store("PosX", "55");
    AsHost([&] { plugin.OnExit(); });
    EXPECT_STREQ(Own().child("PosX").text().get(), "55");
    EXPECT_FALSE(Own().child("PosY"));
}

TEST(TextConversion, Utf8AndUtf16RoundTripEveryPlane) {
    const std::u16string wide = u"A\u00e9\u20ac\U0001F600z";
    const std::string utf8 = WideToUtf8(wide);
    EXPECT_EQ(utf8, "A\xC3\xA9\xE2\x82\xAC\xF0\x9F\x98\x80z");
    EXPECT_EQ(Utf8ToWide(utf8.c_str()), wide);
    EXPECT_EQ(AnsiToUtf8("PosX"), "PosX");
    EXPECT_EQ(Utf8ToWide(nullptr), u"");
    EXPECT_EQ(AnsiToUtf8(nullptr), "");
#if !defined(_WIN32)
    EXPECT_EQ(AnsiToUtf8(utf8.c_str()), utf8) << "the narrow encoding here is UTF-8";
#endif
}

// Made only of replacement characters, at least one: how many a converter writes for one
// bad sequence differs between systems.
bool Replaced(const std::u16string &text) {
    return !text.empty() && text.find_first_not_of(u'\uFFFD') == std::u16string::npos;
}

TEST(TextConversion, InvalidInputIsReplacedAndNeverReadPastItsEnd) {
    EXPECT_EQ(Utf8ToWide("a\xFF"
                         "b"),
              u"a\uFFFDb");
    EXPECT_TRUE(Replaced(Utf8ToWide("\xC0\x80"))) << "overlong";
    EXPECT_TRUE(Replaced(Utf8ToWide("\xED\xA0\x80"))) << "an encoded surrogate";
    EXPECT_TRUE(Replaced(Utf8ToWide("\xF4\x90\x80\x80"))) << "beyond U+10FFFF";
    const std::u16string cut = Utf8ToWide("x\xE2\x82");
    EXPECT_EQ(cut.substr(0, 1), u"x");
    EXPECT_TRUE(Replaced(cut.substr(1))) << "cut short at the terminator";
    EXPECT_EQ(WideToUtf8(std::u16string(1, char16_t(0xD800)) + u"x"), "\xEF\xBF\xBDx") << "a lone surrogate";
    EXPECT_EQ(WideToUtf8(std::u16string(1, char16_t(0xDC00))), "\xEF\xBF\xBD");
}

class SettingsFile : public ::testing::Test {
protected:
    void SetUp() override {
        directory = std::filesystem::temp_directory_path() /
                    ("stelmarin-settings-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        file = (directory / "settings.xml").string();
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    void Write(const std::string &content) { std::ofstream(file) << content; }
    std::string Read() {
        std::ifstream in(file);
        return std::string(std::istreambuf_iterator<char>(in), {});
    }

    std::filesystem::path directory;
    std::string file;
};

TEST_F(SettingsFile, TheWindowComesBackWhereTheUserLeftIt) {
    {
        simhost::Session first(STELMARIN_PLUGIN_FILE, file);
        first.Start();
        first.Initialize();
        first.Activate(true);
        auto &widgets = first.host().widgets;
        widgets.UserMoves(widgets.PluginWindow(), 333, 444);
        first.Exit();
        first.SaveSettings();
        EXPECT_THAT(first.host().violations, IsEmpty());
    }
    EXPECT_THAT(Read(), HasSubstr("<PosX>333</PosX>"));
    simhost::Session second(STELMARIN_PLUGIN_FILE, file);
    second.Start();
    second.Initialize();
    const simhost::Widget *window = second.host().widgets.Find(second.host().widgets.PluginWindow());
    EXPECT_EQ(window->Int("pos_x"), 333);
    EXPECT_EQ(window->Int("pos_y"), 444);
    EXPECT_FALSE(window->Flag("visible"));
}

TEST_F(SettingsFile, AMissingFileStartsEmptyAndIsWrittenOnSave) {
    simhost::SettingsTree tree;
    tree.Load(file);
    EXPECT_EQ(tree.TextAt("pluginsettings/anything"), nullptr);
    tree.Save(file);
    EXPECT_THAT(Read(), HasSubstr("<pluginsettings"));
    EXPECT_FALSE(std::filesystem::exists(file + ".tmp"));
}

TEST_F(SettingsFile, AMalformedFileIsReportedByNameAndLeftAlone) {
    const std::string broken = "<settings>\n  <pluginsettings>\n    <Plugin-1\n</settings>\n";
    Write(broken);
    simhost::SettingsTree tree;
    try {
        tree.Load(file);
        FAIL() << "a malformed file must not load";
    } catch (const simhost::SettingsError &error) {
        EXPECT_THAT(error.what(), HasSubstr(file));
        EXPECT_THAT(error.what(), HasSubstr("line"));
    }
    EXPECT_THROW(simhost::Session(STELMARIN_PLUGIN_FILE, file), simhost::SettingsError);
    EXPECT_EQ(Read(), broken);
    Write("<other/>");
    EXPECT_THROW(tree.Load(file), simhost::SettingsError);
}

}  // namespace
}  // namespace stelmarin::testing
