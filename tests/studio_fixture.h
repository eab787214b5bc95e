// The studio as its tests meet it: a request layer on a folder of its own, with requests
// made as a page makes them, and when a test asks, a real server on a free port of this
// machine.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "simhost/language/session_script.h"
#include "simhost/studio/studio_api.h"
#include "simhost/studio/studio_server.h"

namespace fs = std::filesystem;
using nlohmann::json;
using simhost::HttpRequest;
using simhost::HttpResponse;
using simhost::StepResult;
using simhost::StudioApi;
using ::testing::HasSubstr;

inline constexpr const char *kToken = "0123456789abcdef0123456789abcdef";

inline std::string FileText(const fs::path &path) {
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

inline std::vector<unsigned char> FromBase64(const std::string &text) {
    std::vector<unsigned char> bytes;
    uint32_t group = 0;
    int bits = 0;
    for (char c : text) {
        const char *digits = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
        const char *at = std::strchr(digits, c);
        if (c == '=' || at == nullptr) break;
        group = group << 6 | static_cast<uint32_t>(at - digits);
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes.push_back(static_cast<unsigned char>(group >> bits & 0xFF));
        }
    }
    return bytes;
}

template <class T>
std::vector<T> Decoded(const std::string &text) {
    const std::vector<unsigned char> bytes = FromBase64(text);
    std::vector<T> values(bytes.size() / sizeof(T));
    std::memcpy(values.data(), bytes.data(), values.size() * sizeof(T));
    return values;
}

// A frame of the studio (GET /api/mesh): its JSON, and the binary body its references
// point into.
struct Frame {
    json document;
    std::string body;
};
inline Frame ParseFrame(const std::string &frame) {
    uint32_t length = 0;
    if (frame.size() < 4) return {nullptr, ""};
    std::memcpy(&length, frame.data(), 4);
    if (frame.size() < 4 + size_t{length} || (4 + size_t{length}) % 4 != 0) return {nullptr, ""};
    return {json::parse(frame.substr(4, length), nullptr, false), frame.substr(4 + size_t{length})};
}

// The numbers of an array as the studio sends it: inline base64, or a reference
// {"at", "length"} into `body`. Empty when the reference points outside the body.
template <class T>
std::vector<T> Values(const json &array, const std::string &body) {
    if (array.is_string()) return Decoded<T>(array.get<std::string>());
    const size_t at = array.at("at").get<size_t>();
    const size_t length = array.at("length").get<size_t>();
    if (at % 4 != 0 || at > body.size() || length > (body.size() - at) / sizeof(T)) return {};
    std::vector<T> values(length);
    std::memcpy(values.data(), body.data() + at, length * sizeof(T));
    return values;
}

class Studio : public ::testing::Test {
protected:
    Studio() {
        dir = fs::temp_directory_path() /
              ("simhost-studio-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir / "work");
        options.script.pluginPath = STELMARIN_PLUGIN_FILE;
        options.script.settingsFile = (dir / "settings.xml").string();
        options.script.outDir = (dir / "work" / "out").string();
        options.token = kToken;
        options.workingFolder = (dir / "work").string();
    }
    ~Studio() override {
        StopServing();
        api.reset();
        fs::remove_all(dir);
    }

    // Serves the studio on a free port of this machine, on a thread of its own; returns the
    // port. The server listens once this returns: a client may connect at once.
    int Serve(simhost::ServerLimits limits = {}) {
        server = std::make_unique<simhost::StudioServer>(limits);
        port = server->Bind("127.0.0.1", 0);
        EXPECT_GT(port, 0);
        options.port = port;
        Api();
        serving = std::thread([this] { server->Serve(*api); });
        return port;
    }
    // Runs `work` on a thread that is joined once the server has stopped, however the test
    // ends: a failed assertion leaves no thread running.
    void Beside(std::function<void()> work) { besides.emplace_back(std::move(work)); }
    void StopServing() {
        if (server) server->Stop();
        if (serving.joinable()) serving.join();
        for (std::thread &thread : besides) thread.join();
        besides.clear();
    }
    // A client of the server, patient enough for a slow machine.
    std::unique_ptr<httplib::Client> Client() {
        auto client = std::make_unique<httplib::Client>("127.0.0.1", port);
        client->set_connection_timeout(std::chrono::seconds(60));
        client->set_read_timeout(std::chrono::seconds(60));
        client->set_write_timeout(std::chrono::seconds(60));
        return client;
    }

    StudioApi &Api() {
        if (!api) {
            api = std::make_unique<StudioApi>(options);
            EXPECT_EQ(api->Start().result, StepResult::Ok);
        }
        return *api;
    }

    HttpResponse Get(const std::string &target, std::vector<std::pair<std::string, std::string>> headers = {}) {
        headers.emplace_back("Host", "127.0.0.1:" + std::to_string(options.port));
        return Api().Handle({"GET", target, std::move(headers), ""});
    }
    HttpResponse Post(const std::string &target, const std::string &body,
                      std::vector<std::pair<std::string, std::string>> headers = {}) {
        headers.emplace_back("Host", "127.0.0.1:" + std::to_string(options.port));
        return Api().Handle({"POST", target, std::move(headers), body});
    }
    HttpResponse Command(const std::string &line) {
        return Post("/api/command", json{{"line", line}}.dump(), {{"X-Simhost-Token", kToken}});
    }
    json State() { return json::parse(Get(std::string("/api/state?token=") + kToken).body); }
    Frame Mesh() { return ParseFrame(Get(std::string("/api/mesh?token=") + kToken).body); }
    HttpResponse EventBody(uint64_t number) {
        return Get("/api/event-data?event=" + std::to_string(number) + "&token=" + kToken);
    }
    std::string Log() { return Get(std::string("/api/log?token=") + kToken).body; }

    // Closes the studio, then replays its log from its working folder, as `simhost run`
    // would, into a folder of its own (one process holds the plug-in for one host at a
    // time). A step that fails fails the test with the replay's transcript.
    void Replay(const std::string &log) {
        api.reset();
        std::ofstream(dir / "work" / "studio.session", std::ios::binary) << log;
        simhost::ScriptSettings replay = options.script;
        replay.outDir = (dir / "replay").string();
        replay.settingsFile = (dir / "replay-settings.xml").string();
        std::ostringstream transcript;
        simhost::ScriptRunner runner(replay, transcript);
        ASSERT_EQ(runner.RunFile((dir / "work" / "studio.session").string()), StepResult::Ok) << transcript.str();
    }

    fs::path dir;
    simhost::StudioOptions options;
    std::unique_ptr<StudioApi> api;
    std::unique_ptr<simhost::StudioServer> server;
    int port = 0;
    std::thread serving;
    std::vector<std::thread> besides;
};
