// The person at the studio's page: the plug-in's questions and its fix-mode dialog wait
// on what the person does there, nobody there gets Cancel and Escape, and what they did
// goes into the log ahead of the line it answered, so that the log replays the same.
// Also what else a page sends: uploaded meshes, and the page's own files.
#include <chrono>
#include <future>
#include <sstream>
#include <thread>

#include "simhost/language/command_registry.h"
#include "simhost/language/session_script.h"
#include "simhost/studio/page_user.h"
#include "simhost/studio/studio_assets.h"
#include "studio_fixture.h"

namespace {

using namespace std::chrono_literals;

class StudioPerson : public Studio {
protected:
    StudioPerson() {
        options.answerTimeout = 20s;
        options.pageAbsence = 20s;
    }

    // A page that reads the events, as an open page does.
    void OpenPage() { ASSERT_TRUE(Api().events().Attach(8)); }

    // Runs `line` on a thread of its own: it does not end while the plug-in waits.
    std::future<json> CommandInBackground(const std::string &line) {
        Api();
        return std::async(std::launch::async, [this, line] { return json::parse(Command(line).body); });
    }

    // The state once the host waits on the person for `kind`.
    json Waiting(const std::string &kind) {
        for (auto give_up = std::chrono::steady_clock::now() + 10s; std::chrono::steady_clock::now() < give_up;) {
            const json state = State();
            if (state["waiting"].is_object() && state["waiting"]["kind"] == kind) return state;
            std::this_thread::sleep_for(5ms);
        }
        ADD_FAILURE() << "the host never waited for a " << kind;
        return json::object();
    }

    int Person(const std::string &path, const json &body) {
        return Post(path, body.dump(), {{"X-Simhost-Token", kToken}}).status;
    }

    void Run(std::initializer_list<const char *> lines) {
        for (const char *line : lines) {
            const json answer = json::parse(Command(line).body);
            ASSERT_EQ(answer["result"], "ok") << line << ": " << answer.dump();
        }
    }
};

TEST_F(StudioPerson, AQuestionWaitsForThePersonsAnswerWhichTheLogQueuesBeforeTheClick) {
    OpenPage();
    Run({"init", "activate", "make grid g 4 4", "select 1", "click 1 ctrl", "select none", "select 2"});

    std::future<json> overwrite = CommandInBackground("click 1 ctrl");
    const json asked = Waiting("question");
    EXPECT_EQ(asked["waiting"]["message"], "Overwrite?");
    EXPECT_EQ(asked["waiting"]["line"], "click 1 ctrl") << "the page names the slot that asks";
    EXPECT_EQ(Person("/api/dialog", {{"action", "key esc"}}), 409) << "no dialog is open";
    EXPECT_EQ(Person("/api/answer", {{"answer", "maybe"}}), 400);
    EXPECT_EQ(Person("/api/answer", {{"answer", "ok"}}), 200);
    EXPECT_EQ(overwrite.get()["result"], "ok");
    EXPECT_EQ(State()["slots"][1]["pins"], 2) << "the selection is merged into the slot";
    EXPECT_TRUE(State()["waiting"].is_null());
    EXPECT_EQ(Person("/api/answer", {{"answer", "ok"}}), 409) << "nothing asks now";

    Run({"select 1-3"});
    std::future<json> kept = CommandInBackground("click 1 ctrl");
    Waiting("question");
    EXPECT_EQ(Person("/api/answer", {{"answer", "Cancel"}}), 200);
    EXPECT_EQ(kept.get()["result"], "ok");
    EXPECT_EQ(State()["slots"][1]["pins"], 2) << "the slot is kept as it was";

    Run({"expect pins 1 2", "report report.txt"});
    const std::string log = Log();
    EXPECT_THAT(log, HasSubstr("select 2\ndraw\nanswer ok\nclick 1 ctrl\n"));
    EXPECT_THAT(log, HasSubstr("select 1-3\ndraw\nanswer cancel\nclick 1 ctrl\nexpect pins 1 2\n"));
    const std::string report = FileText(dir / "work" / "out" / "report.txt");
    Replay(log);
    EXPECT_EQ(FileText(dir / "replay" / "report.txt"), report);
}

TEST_F(StudioPerson, TheFixModeDialogTakesThePersonsClicksAndKeysUntilItCloses) {
    OpenPage();
    Run({"init", "activate", "make grid g 4 4", "select 5", "click 2 ctrl"});
    const std::string fixedBefore = State()["slots"][2]["axes"];

    std::future<json> rightClick = CommandInBackground("rightclick 2");
    const json opened = Waiting("dialog");
    ASSERT_NE(opened["openDialog"], 0);
    EXPECT_EQ(opened["waiting"]["dialog"], opened["openDialog"]);
    EXPECT_EQ(opened["waiting"]["line"], "rightclick 2");
    EXPECT_EQ(Person("/api/answer", {{"answer", "ok"}}), 409) << "no question waits";
    for (const char *bad : {"click W", "key esc now", "", "rightclick # closes", "click\nX"}) {
        EXPECT_EQ(Person("/api/dialog", {{"action", bad}}), 400) << bad;
    }
    // Actions sent one after another wait their turn while the plug-in takes the one
    // before. A letter key flips its axis and closes the dialog.
    EXPECT_EQ(Person("/api/dialog", {{"action", "click Z"}}), 200);
    EXPECT_EQ(Person("/api/dialog", {{"action", "key x"}}), 200);
    EXPECT_EQ(rightClick.get()["result"], "ok");
    EXPECT_EQ(State()["openDialog"], 0);
    EXPECT_NE(State()["slots"][2]["axes"], fixedBefore);
    EXPECT_EQ(Person("/api/dialog", {{"action", "key esc"}}), 409) << "the dialog is closed";

    Run({"report report.txt"});
    const std::string log = Log();
    EXPECT_THAT(log, HasSubstr("dialog click Z\ndialog key x\nrightclick 2\n"));
    const std::string report = FileText(dir / "work" / "out" / "report.txt");
    Replay(log);
    EXPECT_EQ(FileText(dir / "replay" / "report.txt"), report);
}

TEST_F(StudioPerson, NobodyAtThePageIsAnsweredCancelAndTheDialogEscaped) {
    options.pageAbsence = 50ms;
    Run({"init", "activate", "make grid g 4 4", "select 1", "click 1 ctrl", "select none", "select 2", "click 1 ctrl",
         "rightclick 1", "expect pins 1 1"});  // Cancel: vertex 2 is not merged in
    EXPECT_EQ(State()["openDialog"], 0);
    EXPECT_THAT(Log(), HasSubstr("answer cancel\nclick 1 ctrl\ndialog key esc\nrightclick 1\n"));

    // A page that is open but does not answer in time is answered the same.
    api.reset();
    options.pageAbsence = 20s;
    options.answerTimeout = 50ms;
    OpenPage();
    Run({"init", "activate", "make grid g 4 4", "select 1", "click 1 ctrl", "select none", "select 2", "click 1 ctrl",
         "expect pins 1 1"});
    EXPECT_THAT(Log(), HasSubstr("answer cancel\nclick 1 ctrl\n"));
}

TEST(StudioPageUser, ActionsWaitTheirTurnWhileTheDialogIsOpenAndThoseLeftAreCounted) {
    const auto given = [](const std::string &words) {
        return simhost::GivenAction{simhost::ParseDialogAction(words), "dialog " + words};
    };
    const auto line = [](const std::optional<simhost::GivenAction> &action) {
        return action ? action->line : "nothing";
    };
    simhost::PageUser person([] { return size_t{1}; }, 10s);
    EXPECT_FALSE(person.GiveDialogAction(given("click X"))) << "no dialog is open";
    EXPECT_FALSE(person.GiveAnswer(true)) << "nothing is asked";
    std::future<std::optional<simhost::GivenAction>> first =
        std::async(std::launch::async, [&] { return person.AwaitDialogAction(); });
    while (!person.GiveDialogAction(given("click Z"))) std::this_thread::sleep_for(1ms);
    EXPECT_TRUE(person.GiveDialogAction(given("key x")));
    EXPECT_TRUE(person.GiveDialogAction(given("click Y")));
    const std::optional<simhost::GivenAction> clicked = first.get();
    EXPECT_EQ(line(clicked), "dialog click Z");
    ASSERT_TRUE(clicked);
    EXPECT_EQ(clicked->action.kind, simhost::DialogAction::Kind::Click);
    EXPECT_EQ(clicked->action.axis, 'Z');
    EXPECT_EQ(line(person.AwaitDialogAction()), "dialog key x");
    EXPECT_EQ(person.Over(), 1u) << "click Y came after the dialog's last action";
    EXPECT_FALSE(person.GiveDialogAction(given("click X"))) << "the dialog is over";

    // A question takes one answer; nobody there, none.
    std::future<std::optional<bool>> answer = std::async(std::launch::async, [&] { return person.AwaitAnswer(); });
    while (!person.GiveAnswer(false)) std::this_thread::sleep_for(1ms);
    EXPECT_FALSE(person.GiveAnswer(true)) << "answered already";
    EXPECT_EQ(answer.get(), false);
    simhost::PageUser nobody([] { return size_t{0}; }, 10s, 20ms);
    EXPECT_EQ(nobody.AwaitAnswer(), std::nullopt);
}

TEST_F(StudioPerson, ASessionFileRunFirstAnswersItsOwnQuestionsAsUnderRun) {
    std::ofstream(dir / "work" / "asks.session")
        << "init\nactivate\nmake grid g 2 2\nselect 1\nclick 1 ctrl\nclick 1 ctrl\n";
    api = std::make_unique<StudioApi>(options);
    ASSERT_TRUE(api->events().Attach(8)) << "a page is open, and still the file answers";
    const simhost::StudioStart asked = api->Start((dir / "work" / "asks.session").string());
    EXPECT_EQ(asked.result, StepResult::Failed);
    EXPECT_THAT(asked.errors,
                HasSubstr("asks.session:6: the plug-in asked \"Overwrite?\" and the script had no answer"));
}

TEST_F(StudioPerson, AnUploadedMeshLandsInTheOutputFolderUnderItsOwnNameForALoadLine) {
    const auto upload = [&](const std::string &name, const std::string &body) {
        return Post("/api/upload?name=" + name, body, {{"X-Simhost-Token", kToken}});
    };
    const std::string triangle = "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    const HttpResponse first = upload("tri.obj", triangle);
    ASSERT_EQ(first.status, 200) << first.body;
    const std::string path = json::parse(first.body)["path"];
    EXPECT_THAT(path, ::testing::EndsWith("out/uploads/tri.obj"));
    EXPECT_EQ(FileText(dir / "work" / "out" / "uploads" / "tri.obj"), triangle);
    const json loaded = json::parse(Command("load " + path).body);
    EXPECT_EQ(loaded["result"], "ok") << loaded.dump();
    EXPECT_EQ(State()["objects"][0]["vertices"], 3);
    // The same file again is the same file; another of that name keeps the first.
    EXPECT_EQ(json::parse(upload("tri.obj", triangle).body)["path"], path);
    EXPECT_THAT(json::parse(upload("tri.obj", "v 0 0 0\n").body)["path"].get<std::string>(),
                ::testing::EndsWith("out/uploads/tri-2.obj"));
    EXPECT_EQ(FileText(dir / "work" / "out" / "uploads" / "tri.obj"), triangle);

    for (const char *name :
         {"..%2Fescaped.obj", "%2Fetc%2Fescaped.obj", "tri.txt", ".obj", ".hidden.obj", "a%20b.obj"}) {
        const HttpResponse refused = upload(name, triangle);
        EXPECT_EQ(refused.status, 400) << name;
    }
    EXPECT_EQ(Post("/api/upload", triangle, {{"X-Simhost-Token", kToken}}).status, 400);
    EXPECT_EQ(Post("/api/upload?name=tri.obj", triangle).status, 403) << "no token";
    EXPECT_FALSE(fs::exists(dir / "work" / "escaped.obj"));
    EXPECT_FALSE(fs::exists(dir / "work" / "out" / "escaped.obj"));
}

TEST_F(StudioPerson, ThePagesFilesAreServedAsTheirKindWithNoTokenAndOnlyToGet) {
    const HttpResponse page = Get("/");
    EXPECT_EQ(page.status, 200);
    EXPECT_EQ(Get("/index.html").body, page.body);
    for (const simhost::StudioAsset &asset : simhost::StudioAssets()) {
        const HttpResponse served = Get(std::string(asset.path));
        EXPECT_EQ(served.status, 200) << asset.path;
        EXPECT_EQ(served.body, asset.body) << asset.path;
        EXPECT_EQ(served.contentType, asset.contentType) << asset.path;
    }
    EXPECT_EQ(Post("/", "").status, 405);
    EXPECT_EQ(Get("/nothing.js").status, 404);
    EXPECT_EQ(Get("/../CMakeLists.txt").status, 404);
}

TEST_F(StudioPerson, ThePageTakesTheSlotColoursOfThePictures) {
    const HttpResponse module = Get("/slot-colours.js");
    EXPECT_EQ(module.status, 200);
    EXPECT_EQ(module.contentType, "text/javascript; charset=utf-8");
    EXPECT_NE(module.body.find("export const SLOT_COLOURS = ['#d62728', '#1f5fbf', '#2ca02c', '#ff8c00'];"),
              std::string::npos)
        << module.body;
    const HttpResponse sheet = Get("/slot-colours.css");
    EXPECT_EQ(sheet.contentType, "text/css; charset=utf-8");
    EXPECT_NE(sheet.body.find(".slot-0 { --colour: #d62728; }"), std::string::npos) << sheet.body;
    EXPECT_NE(sheet.body.find(".slot-3 { --colour: #ff8c00; }"), std::string::npos) << sheet.body;
}

}  // namespace
