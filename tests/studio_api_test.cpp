// The studio as a page meets it: requests refused unless they come from its own address
// with its token, commands that the registry refuses changing nothing, a tool followed by
// a draw and an event with just the positions it changed, a session log that replays to
// the same report, and the real server answering on a socket of this machine.
#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <chrono>
#include <condition_variable>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <mutex>
#include <set>
#include <sstream>
#include <thread>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "simhost/language/session_script.h"
#include "simhost/studio/event_stream.h"
#include "simhost/studio/host_thread.h"
#include "simhost/studio/net_socket.h"
#include "simhost/studio/studio_api.h"
#include "simhost/studio/studio_server.h"
#include "studio_fixture.h"

namespace {

TEST_F(Studio, RequestsFromElsewhereOrWithoutTheTokenAreRefused) {
    const std::string state = std::string("/api/state?token=") + kToken;
    EXPECT_EQ(Api().Handle({"GET", state, {{"Host", "127.0.0.1:8310"}}, ""}).status, 200);
    EXPECT_EQ(Api().Handle({"GET", state, {{"host", "LOCALHOST:8310"}}, ""}).status, 200);
    // A name of another site resolved to this machine, another port, or no Host at all.
    EXPECT_EQ(Api().Handle({"GET", state, {{"Host", "attacker.example:8310"}}, ""}).status, 403);
    EXPECT_EQ(Api().Handle({"GET", state, {{"Host", "127.0.0.1:8311"}}, ""}).status, 403);
    EXPECT_EQ(Api().Handle({"GET", state, {}, ""}).status, 400);
    // A page elsewhere that sends the request says so in Origin.
    EXPECT_EQ(Get(state, {{"Origin", "http://127.0.0.1:8310"}}).status, 200);
    EXPECT_EQ(Get(state, {{"Origin", "http://attacker.example"}}).status, 403);
    EXPECT_EQ(Get(state, {{"Origin", "null"}}).status, 403);
    EXPECT_EQ(Get(state, {{"Origin", "https://127.0.0.1:8310"}}).status, 403);
    // Every API request needs this run's token, in the header or the address.
    EXPECT_EQ(Get("/api/state").status, 403);
    EXPECT_EQ(Get("/api/state?token=0123456789abcdef0123456789abcdee").status, 403);
    EXPECT_EQ(Get("/api/state", {{"X-Simhost-Token", kToken}}).status, 200);
    const HttpResponse untokened = Post("/api/command", R"({"line": "make grid g 2 2"})");
    EXPECT_EQ(untokened.status, 403);
    EXPECT_THAT(untokened.body, HasSubstr("token"));
    EXPECT_TRUE(State()["objects"].empty());
    // The page itself carries no secret and needs none.
    const HttpResponse page = Get("/");
    EXPECT_EQ(page.status, 200);
    EXPECT_THAT(page.contentType, HasSubstr("text/html"));
    EXPECT_THAT(page.body, HasSubstr("simhost studio"));
    // What is not there, and what is there but not for that method.
    EXPECT_EQ(Get(std::string("/api/nothing?token=") + kToken).status, 404);
    const HttpResponse wrongMethod = Get(std::string("/api/command?token=") + kToken);
    EXPECT_EQ(wrongMethod.status, 405);
    EXPECT_THAT(wrongMethod.headers, ::testing::Contains(std::pair<std::string, std::string>("Allow", "POST")));
}

TEST_F(Studio, BytesThatAreNotTextAndASecondHostAreRefusedBeforeTheToken) {
    // No token: the 400 comes before the check that would say 403.
    for (const char *target : {"/api/st\xe9te", "/t%E9te", "/%C0%AF", "/%ED%A0%80"}) {
        const HttpResponse refused = Get(target);
        EXPECT_EQ(refused.status, 400) << target;
        EXPECT_THAT(refused.body, HasSubstr("not UTF-8")) << target;
    }
    EXPECT_EQ(Api().Handle({"GET", "/api/state", {{"Host", "127.0.0.1:8310\xe9"}}, ""}).status, 400);
    EXPECT_EQ(Get("/", {{"Origin", "http://\xff"}}).status, 400);
    EXPECT_EQ(Api().Handle({"GET", "/api/state", {{"Host", "127.0.0.1:8310"}, {"host", "attacker.example"}}, ""}).status,
              400);
    // Text in any script is text.
    EXPECT_EQ(Get("/t\xc3\xaate\xe2\x82\xac\xf0\x9f\x98\x80").status, 404);
    const HttpResponse named = Post(std::string("/api/upload?name=t%E9te.obj&token=") + kToken, "v 0 0 0\n");
    EXPECT_EQ(named.status, 400);
    EXPECT_THAT(named.body, HasSubstr("not UTF-8"));
}

TEST_F(Studio, AHeadIsAdmittedAsHandleWouldTakeItWithItsRoutesBodyLimit) {
    const auto admitted = [&](const std::string &method, const std::string &target,
                              std::vector<std::pair<std::string, std::string>> headers = {{"Host", "127.0.0.1:8310"}}) {
        return Api().Admit({method, target, std::move(headers), ""});
    };
    const std::string token = std::string("?token=") + kToken;
    EXPECT_EQ(std::get<size_t>(admitted("POST", "/api/command" + token)), StudioApi::kCommandBodyLimit);
    EXPECT_EQ(std::get<size_t>(admitted("POST", "/api/answer" + token)), StudioApi::kCommandBodyLimit);
    EXPECT_EQ(std::get<size_t>(admitted("POST", "/api/upload" + token)), StudioApi::kUploadBodyLimit);
    EXPECT_EQ(std::get<size_t>(admitted("GET", "/api/state" + token)), 0u);
    EXPECT_EQ(std::get<size_t>(admitted("GET", "/")), 0u);
    EXPECT_EQ(std::get<HttpResponse>(admitted("POST", "/api/upload")).status, 403);
    EXPECT_EQ(std::get<HttpResponse>(admitted("POST", "/api/upload" + token, {{"Host", "elsewhere:8310"}})).status, 403);
    EXPECT_EQ(std::get<HttpResponse>(admitted("PUT", "/api/command" + token)).status, 405);
    EXPECT_EQ(std::get<HttpResponse>(admitted("POST", "/nothing")).status, 404);
    // Handle holds a body to the same limit, for whoever drives the layer directly.
    EXPECT_EQ(Post(std::string("/api/upload?name=a.obj&token=") + kToken, std::string(StudioApi::kUploadBodyLimit + 1, 'v'))
                  .status,
              413);
    EXPECT_EQ(Api().Handle({"GET", "/api/state" + token, {{"Host", "127.0.0.1:8310"}}, "body"}).status, 413);
}

TEST_F(Studio, TheAddressNamesTheListenedAddressAndTheToken) {
    options.token.clear();
    options.port = 8411;
    const std::string address = Api().PageAddress();
    EXPECT_THAT(address, ::testing::StartsWith("http://127.0.0.1:8411/?token="));
    const std::string token = address.substr(address.find('=') + 1);
    EXPECT_EQ(token, Api().token());
    EXPECT_EQ(token.size(), 32u);
    EXPECT_TRUE(std::all_of(token.begin(), token.end(), [](char c) { return std::isxdigit(c) && !std::isupper(c); }));
    // Another run, another token.
    EXPECT_NE(StudioApi(options).token(), Api().token());
}

TEST_F(Studio, ListeningOnEveryAddressTakesTheMachinesOwnAddressesAndName) {
    options.listenAddress = "0.0.0.0";
    const std::string address = Api().PageAddress();
    EXPECT_THAT(address, ::testing::Not(HasSubstr("0.0.0.0")));
    const std::string host = address.substr(7, address.find('/', 7) - 7);
    const std::string state = std::string("/api/state?token=") + kToken;
    EXPECT_EQ(Api().Handle({"GET", state, {{"Host", host}}, ""}).status, 200) << host;
    EXPECT_EQ(Api().Handle({"GET", state, {{"Host", "localhost:8310"}}, ""}).status, 200);
    if (const std::string name = simhost::net::OwnHostName(); !name.empty()) {
        EXPECT_EQ(Api().Handle({"GET", state, {{"Host", name + ":8310"}}, ""}).status, 200) << name;
    }
    for (const std::string &own : simhost::net::OwnAddresses()) {
        const std::string named = (own.find(':') != std::string::npos ? "[" + own + "]" : own) + ":8310";
        EXPECT_EQ(Api().Handle({"GET", state, {{"Host", named}}, ""}).status, 200) << named;
    }
    EXPECT_EQ(Api().Handle({"GET", state, {{"Host", "0.0.0.0:8310"}}, ""}).status, 403);
    EXPECT_EQ(Api().Handle({"GET", state, {{"Host", "attacker.example:8310"}}, ""}).status, 403);
}

TEST_F(Studio, CommandsThatCannotRunAreRefusedAndChangeNothing) {
    ASSERT_EQ(Command("make grid g 2 2").status, 200);
    std::ofstream(dir / "outside.obj") << "v 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n";
    const json before = State();
    const std::string logBefore = Log();
    const uint64_t eventsBefore = Api().events().Latest();

    const auto refused = [&](const std::string &body, const std::string &why) {
        const HttpResponse response = Post("/api/command", body, {{"X-Simhost-Token", kToken}});
        EXPECT_EQ(response.status, 400) << body;
        EXPECT_THAT(json::parse(response.body)["error"].get<std::string>(), HasSubstr(why)) << body;
    };
    refused("{\"line\": \"make grid", "not JSON");
    refused("[\"make grid h 2 2\"]", "{\"line\": \"COMMAND\"}");
    refused("{\"line\": 7}", "{\"line\": \"COMMAND\"}");
    refused(json{{"line", "make grid h 2 2\nmake grid i 2 2"}}.dump(), "line breaks");
    refused(json{{"line", "smoth 1 all"}}.dump(), "did you mean \"smooth\"?");
    refused(json{{"line", "move 1 two 3"}}.dump(), "must be a number");
    refused(json{{"line", "   # a comment"}}.dump(), "no command");
    // Paths stay inside the working folder and the output folder.
    refused(json{{"line", "load ../outside.obj"}}.dump(), "outside the folders");
    refused(json{{"line", "load " + (dir / "outside.obj").string()}}.dump(), "outside the folders");
    refused(json{{"line", "save ../../escaped.obj"}}.dump(), "outside the folders");
    refused(json{{"line", "load missing.obj"}}.dump(), "missing.obj");

    EXPECT_EQ(State(), before);
    EXPECT_EQ(Log(), logBefore);
    EXPECT_EQ(Api().events().Latest(), eventsBefore);
    EXPECT_FALSE(fs::exists(dir / "escaped.obj"));
    // Inside the folder, by either kind of path, it works.
    EXPECT_EQ(Command("save inside.obj").status, 200);
    EXPECT_EQ(Command("load " + (dir / "work" / "out" / "inside.obj").string()).status, 200);
    EXPECT_EQ(State()["objects"].size(), 2u);
}

TEST_F(Studio, BodiesOverTheLimitAreRefusedUnread) {
    const std::string padding(StudioApi::kCommandBodyLimit, ' ');
    const HttpResponse response =
        Post("/api/command", R"({"line": "make grid g 2 2")" + padding + "}", {{"X-Simhost-Token", kToken}});
    EXPECT_EQ(response.status, 413);
    EXPECT_TRUE(State()["objects"].empty());
    EXPECT_EQ(Command("make grid g 2 2" + std::string(100, ' ')).status, 200);
}

TEST_F(Studio, AToolIsFollowedByADrawAndAnEventWithThePositionsItChanged) {
    // A new object is drawn as any change to the document is; the plug-in's own life and
    // its window are not.
    for (const auto &[line, draws] : std::vector<std::pair<std::string, bool>>{{"init", false},
                                                                               {"activate", false},
                                                                               {"make grid g 4 2", true},
                                                                               {"move window 400 300", false},
                                                                               {"click X0", false}}) {
        const json answer = json::parse(Command(line).body);
        ASSERT_EQ(answer["result"], "ok") << line << ": " << answer.dump();
        EXPECT_EQ(answer["drew"], draws) << line;
    }
    const json clicked = State();
    EXPECT_EQ(clicked["slots"][0]["pins"], 3);
    EXPECT_EQ(clicked["slots"][0]["armed"], true);
    EXPECT_EQ(clicked["slots"][0]["down"], true);
    const uint64_t seen = Api().events().Latest();

    // A selection comes to the page as the indices selected.
    ASSERT_EQ(json::parse(Command("select 5 6").body)["result"], "ok");
    uint64_t selectedAt = seen;
    const std::optional<std::string> selection = Api().events().Next(selectedAt, std::chrono::milliseconds(0));
    ASSERT_TRUE(selection);
    const std::string selectionData = selection->substr(selection->find("data: ") + 6);
    EXPECT_EQ(
        Decoded<int32_t>(json::parse(selectionData.substr(0, selectionData.find('\n')))["selected"][0]["indices"]),
        (std::vector<int32_t>{5, 6}));
    const uint64_t selectedSeen = Api().events().Latest();

    const json moved = json::parse(Command("move 0.5 0 0 all").body);
    EXPECT_EQ(moved["result"], "ok");
    EXPECT_EQ(moved["drew"], true);
    EXPECT_EQ(moved["state"]["lastDraw"]["movedBack"], 3);
    EXPECT_THAT(Log(), HasSubstr("move 0.5 0 0 all\ndraw\n"));

    uint64_t after = selectedSeen;
    const std::optional<std::string> wire = Api().events().Next(after, std::chrono::milliseconds(0));
    ASSERT_TRUE(wire);
    ASSERT_THAT(*wire, HasSubstr("event: change\ndata: "));
    EXPECT_EQ(after, selectedSeen + 1);
    const std::string data = wire->substr(wire->find("data: ") + 6);
    const json event = json::parse(data.substr(0, data.find('\n')));
    EXPECT_EQ(event["topology"], false);
    EXPECT_EQ(event["state"], moved["state"]);
    // The three pinned vertices went back where they were: only the other twelve changed,
    // each by 0.5 on X.
    ASSERT_EQ(event["changed"].size(), 1u);
    const json &changed = event["changed"][0];
    EXPECT_EQ(changed["count"], 12);
    ASSERT_EQ(event["data"]["bytes"], 36 * sizeof(float));
    const HttpResponse body = EventBody(after);
    ASSERT_EQ(body.status, 200) << body.body;
    EXPECT_EQ(body.contentType, "application/octet-stream");
    EXPECT_EQ(body.body.size(), event["data"]["bytes"].get<size_t>());
    const std::vector<float> positions = Values<float>(changed["positions"], body.body);
    ASSERT_EQ(positions.size(), 36u);
    std::set<int> indices;
    for (const json &run : changed["runs"]) {
        for (int i = 0; i < run[1].get<int>(); ++i) indices.insert(run[0].get<int>() + i);
    }
    EXPECT_EQ(indices.size(), 12u);
    const Frame mesh = Mesh();
    const std::vector<float> all = Values<float>(mesh.document["objects"][0]["positions"], mesh.body);
    const std::vector<int32_t> pins = Values<int32_t>(mesh.document["pins"][0][0]["indices"], mesh.body);
    const std::vector<int32_t> movedBack = Values<int32_t>(event["movedBack"][0]["indices"], body.body);
    EXPECT_EQ(pins, movedBack);
    size_t at = 0;
    for (int index : indices) {
        EXPECT_EQ(std::count(pins.begin(), pins.end(), index), 0);
        EXPECT_EQ(positions[at * 3], all[static_cast<size_t>(index) * 3]);
        EXPECT_NE(std::abs(positions[at * 3]), 0.0f);
        ++at;
    }
    for (int32_t pin : pins) EXPECT_EQ(all[static_cast<size_t>(pin) * 3], 0.0f);
}

std::string HeaderOf(const HttpResponse &response, const std::string &name) {
    for (const auto &[key, value] : response.headers) {
        if (key == name) return value;
    }
    return "";
}

// The data of the event numbered `number`, while the stream still keeps it.
json EventData(simhost::EventStream &events, uint64_t number) {
    uint64_t after = number - 1;
    const std::optional<std::string> wire = events.Next(after, std::chrono::milliseconds(0));
    if (!wire || wire->rfind("id: " + std::to_string(number) + "\n", 0) != 0) return nullptr;
    const std::string data = wire->substr(wire->find("data: ") + 6);
    return json::parse(data.substr(0, data.find('\n')));
}

TEST_F(Studio, AKeptEventsDataIsThePositionsItChangedAndADroppedOnesIsGone) {
    ASSERT_EQ(Command("make grid g 3 3").status, 200);
    const json moved = json::parse(Command("move 0 0.25 0 all").body);
    ASSERT_EQ(moved["result"], "ok");
    const uint64_t number = moved["event"];
    const json event = EventData(Api().events(), number);
    ASSERT_EQ(event["changed"].size(), 1u);
    EXPECT_EQ(event["changed"][0]["positions"], json({{"at", 0}, {"length", 16 * 3}}));
    // Every vertex moved: the body is the mesh's positions, as the mesh gives them.
    const HttpResponse kept = EventBody(number);
    ASSERT_EQ(kept.status, 200) << kept.body;
    EXPECT_EQ(HeaderOf(kept, "Cache-Control"), "no-store");
    const Frame mesh = Mesh();
    const std::vector<float> all = Values<float>(mesh.document["objects"][0]["positions"], mesh.body);
    ASSERT_EQ(all.size(), 16u * 3);
    EXPECT_EQ(kept.body, std::string(reinterpret_cast<const char *>(all.data()), all.size() * sizeof(float)));
    EXPECT_EQ(all[1], 0.25f);
    // An event that changed no position has nothing to fetch.
    const json report = json::parse(Command("report").body);
    EXPECT_FALSE(EventData(Api().events(), report["event"]).contains("data"));
    EXPECT_EQ(EventBody(report["event"]).body, "");

    for (size_t i = 0; i < simhost::EventStream::kKept; ++i) ASSERT_EQ(Command("report").status, 200);
    const HttpResponse gone = EventBody(number);
    EXPECT_EQ(gone.status, 410);
    EXPECT_THAT(gone.body, HasSubstr("event " + std::to_string(number) + " "));
    EXPECT_THAT(gone.body, HasSubstr("/api/mesh"));
    EXPECT_EQ(EventBody(Api().events().Latest()).status, 200);
    // A client's mistake is a 4xx, whatever it wrote.
    EXPECT_EQ(EventBody(0).status, 404);
    EXPECT_EQ(EventBody(Api().events().Latest() + 1).status, 404);
    for (const std::string bad : {"", "abc", "-1", "+1", "1e3", "0x10", "%201", "99999999999999999999", "1.0"}) {
        const HttpResponse refused = Get("/api/event-data?event=" + bad + "&token=" + kToken);
        EXPECT_EQ(refused.status, 400) << bad;
        EXPECT_THAT(refused.body, HasSubstr("event")) << bad;
    }
    EXPECT_EQ(Get(std::string("/api/event-data?token=") + kToken).status, 400);
    EXPECT_EQ(Get("/api/event-data?event=1").status, 403);
    EXPECT_EQ(Post(std::string("/api/event-data?event=1&token=") + kToken, "").status, 405);
}

TEST_F(Studio, AFullChangeOfAMillionVerticesTravelsInAtMostTwoPercentMoreThanItsPositions) {
    for (const char *line : {"init", "activate", "make grid \"sheet\" 1000 1000", "click X0"}) {
        ASSERT_EQ(json::parse(Command(line).body)["result"], "ok") << line;
    }
    uint64_t after = Api().events().Latest();
    const json jittered = json::parse(Command("jitter 0.001 1 all").body);
    ASSERT_EQ(jittered["result"], "ok");
    const std::optional<std::string> wire = Api().events().Next(after, std::chrono::milliseconds(0));
    ASSERT_TRUE(wire);
    const HttpResponse data = EventBody(jittered["event"]);
    ASSERT_EQ(data.status, 200);
    const json event = EventData(Api().events(), jittered["event"]);
    size_t changed = 0;
    for (const json &object : event["changed"]) changed += object["count"].get<size_t>();
    // All but the pinned seam.
    EXPECT_GT(changed, 990000u);
    EXPECT_EQ(data.body.size(), changed * 12);
    EXPECT_LE(static_cast<double>(wire->size() + data.body.size()), 1.02 * static_cast<double>(changed * 12));
}

TEST_F(Studio, TheMeshFrameHoldsTheDocumentsPositionsExactlyAndLongListsInItsBody) {
    std::ofstream(dir / "work" / "exact.obj") << "v 0.1 -2.5e-7 3.4028234e38\nv 1e-40 -0 7\nv 0 1 0\nf 1 2 3\n";
    const HttpResponse loaded = Command("load \"" + (dir / "work" / "exact.obj").generic_string() + "\"");
    ASSERT_EQ(json::parse(loaded.body)["result"], "ok") << loaded.body;
    ASSERT_EQ(json::parse(Command("make grid g 100 100").body)["result"], "ok");
    ASSERT_EQ(json::parse(Command("select all").body)["result"], "ok");
    const std::string bytes = Get(std::string("/api/mesh?token=") + kToken).body;
    uint32_t length = 0;
    std::memcpy(&length, bytes.data(), 4);
    ASSERT_EQ((4 + length) % 4, 0u);
    const Frame frame = ParseFrame(bytes);
    ASSERT_TRUE(frame.document.is_object()) << bytes.substr(0, 200);
    EXPECT_EQ(frame.document["event"], Api().events().Latest());
    const json &objects = frame.document["objects"];
    ASSERT_EQ(objects.size(), 2u);
    EXPECT_EQ(
        Values<float>(objects[0]["positions"], frame.body),
        (std::vector<float>{static_cast<float>(0.1), static_cast<float>(-2.5e-7), static_cast<float>(3.4028234e38),
                            static_cast<float>(1e-40), -0.0f, 7.0f, 0.0f, 1.0f, 0.0f}));
    // A triangle's lists are short and go inline; the grid's are long and go in the body.
    EXPECT_TRUE(objects[0]["corners"].is_string());
    const json &grid = objects[1];
    const int vertices = grid["vertexCount"];
    EXPECT_EQ(vertices, 101 * 101);
    EXPECT_EQ(Values<float>(grid["positions"], frame.body).size(), 3u * 101 * 101);
    const std::vector<int32_t> starts = Values<int32_t>(grid["faceStarts"], frame.body);
    const std::vector<int32_t> corners = Values<int32_t>(grid["corners"], frame.body);
    ASSERT_EQ(starts.size(), 100u * 100 + 1);
    EXPECT_EQ(starts.back(), static_cast<int32_t>(corners.size()));
    EXPECT_TRUE(std::all_of(corners.begin(), corners.end(), [&](int32_t c) { return c >= 0 && c < vertices; }));
    const json &selected = frame.document["selected"];
    ASSERT_EQ(selected.size(), 1u);
    EXPECT_TRUE(selected[0]["indices"].is_object());
    const std::vector<int32_t> indices = Values<int32_t>(selected[0]["indices"], frame.body);
    ASSERT_EQ(indices.size(), static_cast<size_t>(vertices));
    EXPECT_EQ(indices.back(), vertices - 1);
}

TEST_F(Studio, AnAnswerNamesItsEventWhichCarriesTheLinesItAddedToTheLog) {
    ASSERT_EQ(Command("make grid g 3 3").status, 200);
    const HttpResponse log = Get(std::string("/api/log?token=") + kToken);
    EXPECT_EQ(HeaderOf(log, "X-Simhost-Event"), std::to_string(Api().events().Latest()));

    const json selected = json::parse(Command("select 1 2").body);
    ASSERT_EQ(selected["result"], "ok");
    const uint64_t number = selected["event"];
    EXPECT_EQ(number, Api().events().Latest());
    json state = State();
    state.erase("event");
    EXPECT_EQ(selected["state"], state);
    const json event = EventData(Api().events(), number);
    EXPECT_EQ(event["line"], "select 1 2");
    EXPECT_EQ(event["log"], json::array({"select 1 2", "draw"}));
    EXPECT_THAT(Log(), ::testing::EndsWith("select 1 2\ndraw\n"));
    EXPECT_EQ(HeaderOf(Get(std::string("/api/log?token=") + kToken), "X-Simhost-Event"), std::to_string(number));

    // A line that does not draw adds itself alone; one that failed, its mark too.
    const json report = json::parse(Command("report").body);
    EXPECT_EQ(EventData(Api().events(), report["event"])["log"], json::array({"report"}));
    const json failed = json::parse(Command("expect pins X0 5").body);
    EXPECT_EQ(failed["result"], "failed");
    EXPECT_EQ(EventData(Api().events(), failed["event"])["log"],
              json::array({"# the next line failed in the studio; a replay stops there", "expect pins X0 5"}));
    // A refused line did not run, and names no event.
    const HttpResponse refused = Command("load missing.obj");
    EXPECT_EQ(refused.status, 400);
    EXPECT_FALSE(json::parse(refused.body).contains("event"));
    EXPECT_EQ(Api().events().Latest(), failed["event"].get<uint64_t>());
}

TEST_F(Studio, TwoPagesSendingTheSameLineEachGetTheEventOfTheirOwn) {
    ASSERT_EQ(Command("make grid g 3 3").status, 200);
    std::vector<json> answers(8);
    std::vector<std::thread> pages;
    for (json &answer : answers) pages.emplace_back([&] { answer = json::parse(Command("select all").body); });
    for (std::thread &page : pages) page.join();
    std::set<uint64_t> numbers;
    for (const json &answer : answers) {
        ASSERT_EQ(answer["result"], "ok") << answer.dump();
        numbers.insert(answer["event"].get<uint64_t>());
        EXPECT_EQ(EventData(Api().events(), answer["event"])["line"], "select all");
    }
    EXPECT_EQ(numbers.size(), answers.size()) << "each line has an event of its own";
}

TEST_F(Studio, TheLogReplaysToTheSameDocumentAndReport) {
    // Questions are answered from the queue, as in a session file.
    for (const char *line :
         {"init", "activate", "make head h 10", "click X0", "select all", "click 1 ctrl", "answer ok", "click 1 ctrl",
          "select plane x 0", "dialog click Z", "dialog key esc", "rightclick 1 at 300 200", "jitter 0.05 3 all",
          "smooth 2 all", "move window 400 300", "report report.txt", "save final.obj"}) {
        const json answer = json::parse(Command(line).body);
        ASSERT_EQ(answer["result"], "ok") << line << ": " << answer.dump();
    }
    EXPECT_EQ(Command("load nothing-here.obj").status, 400);
    // A step that fails is kept, marked, since it may have changed something.
    const json failed = json::parse(Command("expect pins X0 5").body);
    EXPECT_EQ(failed["result"], "failed");
    EXPECT_THAT(failed["errors"][0].get<std::string>(), HasSubstr("slot X0 holds"));
    const std::string log = Log();
    EXPECT_THAT(log, HasSubstr("jitter 0.05 3 all\ndraw\nsmooth 2 all\ndraw\n"));
    EXPECT_THAT(log, ::testing::Not(HasSubstr("nothing-here")));
    EXPECT_THAT(log, HasSubstr("# the next line failed in the studio; a replay stops there\nexpect pins X0 5\n"));

    // Replayed by the session runner up to the failing line, from the working folder,
    // once the studio has closed: one process holds the plug-in for one host at a time.
    Replay(log.substr(0, log.find("# the next line failed")));
    const std::string report = FileText(dir / "work" / "out" / "report.txt");
    EXPECT_THAT(report, HasSubstr("slot X0  armed"));
    EXPECT_EQ(FileText(dir / "replay" / "report.txt"), report);
    EXPECT_EQ(FileText(dir / "replay" / "final.obj"), FileText(dir / "work" / "out" / "final.obj"));
}

TEST_F(Studio, TheDocumentDownloadsAsTheObjThatSaveWrites) {
    for (const char *line : {"make head h 10", "make grid g 3 2", "jitter 0.05 7 all", "save saved.obj"}) {
        ASSERT_EQ(json::parse(Command(line).body)["result"], "ok") << line;
    }
    const HttpResponse download = Get(std::string("/api/document.obj?token=") + kToken);
    EXPECT_EQ(download.status, 200);
    EXPECT_EQ(download.contentType, "model/obj");
    EXPECT_THAT(download.headers, ::testing::Contains(std::pair<std::string, std::string>(
                                      "Content-Disposition", "attachment; filename=\"studio.obj\"")));
    EXPECT_EQ(download.body, FileText(dir / "work" / "out" / "saved.obj"));
    // Nothing was written for it, and the log holds no line of it.
    EXPECT_FALSE(fs::exists(dir / "work" / "out" / "studio.obj"));
    EXPECT_THAT(Log(), ::testing::EndsWith("save saved.obj\n"));

    EXPECT_EQ(Get("/api/document.obj").status, 403);
    EXPECT_EQ(Post("/api/document.obj", "", {{"X-Simhost-Token", kToken}}).status, 405);
}

TEST_F(Studio, ASessionFileRunsFirstAndTheStudioGoesOnFromThere) {
    std::ofstream(dir / "work" / "start.session") << "init\nactivate\n# a grid\nmake grid g 2 2\nclick X0\n";
    api = std::make_unique<StudioApi>(options);
    const simhost::StudioStart start = api->Start((dir / "work" / "start.session").string());
    ASSERT_EQ(start.result, StepResult::Ok) << start.errors;
    EXPECT_THAT(start.transcript, HasSubstr("> make grid g 2 2"));
    // The modeller did not close at the session's end.
    const json state = State();
    EXPECT_EQ(state["initialized"], true);
    EXPECT_EQ(state["slots"][0]["armed"], true);
    EXPECT_EQ(state["objects"][0]["name"], "g");
    EXPECT_EQ(json::parse(Command("smooth 1 all").body)["result"], "ok");
    EXPECT_THAT(Log(), ::testing::EndsWith("init\nactivate\nmake grid g 2 2\nclick X0\nsmooth 1 all\ndraw\n"));

    std::ofstream(dir / "work" / "bad.session") << "make grid g 2 2\nexpect pins X0 4\n";
    StudioApi failing(options);
    const simhost::StudioStart failed = failing.Start((dir / "work" / "bad.session").string());
    EXPECT_EQ(failed.result, StepResult::Failed);
    EXPECT_THAT(failed.errors, HasSubstr("bad.session:2: slot X0 holds 0 pins, expected 4"));
}

TEST(StudioHostThread, EveryJobRunsOnTheOneThreadInTurnAndItsFaultComesBack) {
    simhost::HostThread host;
    std::set<std::thread::id> ran;
    int inside = 0;
    int overlapped = 0;
    std::vector<std::thread> callers;
    for (int caller = 0; caller < 4; ++caller) {
        callers.emplace_back([&] {
            for (int job = 0; job < 50; ++job) {
                host.Call([&] {
                    overlapped += inside++ > 0 ? 1 : 0;
                    ran.insert(std::this_thread::get_id());
                    --inside;
                    return 0;
                });
            }
        });
    }
    for (std::thread &caller : callers) caller.join();
    EXPECT_EQ(ran.size(), 1u);
    EXPECT_NE(*ran.begin(), std::this_thread::get_id());
    EXPECT_EQ(overlapped, 0);
    EXPECT_THROW(host.Call([]() -> int { throw std::runtime_error("plug-in gone"); }), std::runtime_error);
    EXPECT_EQ(host.Call([] { return 7; }), 7);
}

TEST(StudioEvents, AnEventsBodyIsKeptWithItAndCountsTowardTheBytesKept) {
    using Kind = simhost::EventStream::Data::Kind;
    simhost::EventStream events;
    EXPECT_EQ(events.DataOf(0).kind, Kind::NotPublished);
    EXPECT_EQ(events.DataOf(1).kind, Kind::NotPublished);
    // Two of these bodies fit in the bytes kept, a third does not, however short the text.
    const auto body = std::make_shared<const std::string>(simhost::EventStream::kKeptBytes * 7 / 16, 'b');
    for (int i = 0; i < 3; ++i) events.Publish("change", "{}", body);
    events.Publish("change", "{}");
    EXPECT_EQ(events.DataOf(1).kind, Kind::Dropped);
    ASSERT_EQ(events.DataOf(2).kind, Kind::Kept);
    EXPECT_EQ(*events.DataOf(2).bytes, *body);
    ASSERT_EQ(events.DataOf(4).kind, Kind::Kept);
    EXPECT_EQ(*events.DataOf(4).bytes, "");
    EXPECT_EQ(events.DataOf(5).kind, Kind::NotPublished);
    uint64_t reader = 0;
    EXPECT_THAT(*events.Next(reader, std::chrono::milliseconds(0)), HasSubstr("event: resync"));
}

TEST(StudioEvents, AReaderThatFellBehindIsToldToFetchEverythingAgain) {
    simhost::EventStream events;
    uint64_t reader = 0;
    EXPECT_EQ(events.Next(reader, std::chrono::milliseconds(0)), "");
    events.Publish("change", "{\"n\":1}");
    events.Publish("change", "{\"n\":2}");
    EXPECT_EQ(events.Next(reader, std::chrono::milliseconds(0)),
              "id: 1\nevent: change\ndata: {\"n\":1}\n\nid: 2\nevent: change\ndata: {\"n\":2}\n\n");
    for (size_t i = 0; i < simhost::EventStream::kKept + 1; ++i) events.Publish("change", "{}");
    const std::optional<std::string> behind = events.Next(reader, std::chrono::milliseconds(0));
    EXPECT_THAT(*behind, HasSubstr("event: resync"));
    EXPECT_EQ(reader, events.Latest());
    // Large events are kept by their bytes: two of these fit, a third does not.
    const std::string large(simhost::EventStream::kKeptBytes * 7 / 16, 'p');
    const uint64_t before = events.Latest();
    for (int i = 0; i < 3; ++i) events.Publish("change", large);
    uint64_t twoBehind = before + 1;
    EXPECT_THAT(events.Next(twoBehind, std::chrono::milliseconds(0))->substr(0, 20),
                HasSubstr("id: " + std::to_string(before + 2)));
    uint64_t threeBehind = before;
    EXPECT_THAT(events.Next(threeBehind, std::chrono::milliseconds(0))->substr(0, 40), HasSubstr("event: resync"));
    reader = events.Latest();
    // Closing ends a reader's wait at once.
    std::thread closer([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
        events.Close();
    });
    const auto waited = std::chrono::steady_clock::now();
    EXPECT_FALSE(events.Next(reader, std::chrono::seconds(30)));
    EXPECT_LT(std::chrono::steady_clock::now() - waited, std::chrono::seconds(10));
    closer.join();
}

TEST_F(Studio, TheServerAnswersOnThisMachineAndStreamsAnEventAfterACommand) {
    Serve();
    // The port is taken now.
    simhost::StudioServer second;
    EXPECT_EQ(second.Bind("127.0.0.1", port), 0);

    const std::unique_ptr<httplib::Client> client = Client();
    client->set_default_headers({{"X-Simhost-Token", kToken}});
    const httplib::Result state = client->Get("/api/state");
    ASSERT_TRUE(state);
    EXPECT_EQ(state->status, 200);
    EXPECT_EQ(json::parse(state->body)["objects"].size(), 0u);
    const httplib::Result foreign = client->Get("/api/state", {{"Host", "attacker.example:" + std::to_string(port)}});
    ASSERT_TRUE(foreign);
    EXPECT_EQ(foreign->status, 403);

    // The stream, read on a thread of its own until its first event.
    std::string streamed;
    bool connected = false;
    std::mutex mutex;
    std::condition_variable arrived;
    Beside([&] {
        Client()->Get(std::string("/api/events?token=") + kToken, [&](const char *data, size_t size) {
            std::lock_guard lock(mutex);
            streamed.append(data, size);
            connected = true;
            arrived.notify_all();
            // Read on until one whole change event has come.
            const size_t change = streamed.find("event: change");
            return change == std::string::npos || streamed.find("\n\n", change) == std::string::npos;
        });
    });
    {
        std::unique_lock lock(mutex);
        ASSERT_TRUE(arrived.wait_for(lock, std::chrono::seconds(60), [&] { return connected; }));
    }
    const httplib::Result posted = client->Post("/api/command", R"({"line": "make grid g 3 3"})", "application/json");
    ASSERT_TRUE(posted);
    EXPECT_EQ(posted->status, 200);
    EXPECT_EQ(json::parse(posted->body)["result"], "ok");
    std::unique_lock lock(mutex);
    ASSERT_TRUE(arrived.wait_for(lock, std::chrono::seconds(60), [&] {
        return streamed.find("\n\n", streamed.find("event: change\ndata: ")) != std::string::npos;
    })) << streamed;
    const size_t at = streamed.find("event: change\ndata: ");
    const std::string data = streamed.substr(at + 20, streamed.find('\n', at + 20) - at - 20);
    const json event = json::parse(data);
    EXPECT_EQ(event["line"], "make grid g 3 3");
    EXPECT_EQ(event["topology"], true);
    EXPECT_EQ(event["state"]["objects"][0]["vertices"], 16);
}

TEST_F(Studio, TheServerCapsItsEventReadersAndStillAnswersTheRest) {
    Serve();
    const std::string events = std::string("/api/events?token=") + kToken;

    // Eight pages read the events; each holds its stream open until the server stops.
    for (int page = 0; page < 8; ++page) {
        Beside([&] { Client()->Get(events, [](const char *, size_t) { return true; }); });
    }
    for (auto give_up = std::chrono::steady_clock::now() + std::chrono::seconds(60);
         Api().events().Readers() < 8 && std::chrono::steady_clock::now() < give_up;) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_EQ(Api().events().Readers(), 8u);
    const httplib::Result ninth = Client()->Get(events);
    ASSERT_TRUE(ninth);
    EXPECT_EQ(ninth->status, 503);
    const httplib::Result state = Client()->Get("/api/state", {{"X-Simhost-Token", kToken}});
    ASSERT_TRUE(state);
    EXPECT_EQ(state->status, 200);

    StopServing();
    EXPECT_EQ(Api().events().Readers(), 0u);
}

}  // namespace
