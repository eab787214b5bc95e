// The studio as its tests meet it: a request layer on a folder of its own, with requests
// made as a page makes them.
#pragma once

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "simhost/language/session_script.h"
#include "simhost/studio/studio_api.h"

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
        api.reset();
        fs::remove_all(dir);
    }

    StudioApi &Api() {
        if (!api) {
            api = std::make_unique<StudioApi>(options);
            EXPECT_EQ(api->Start().result, StepResult::Ok);
        }
        return *api;
    }

    HttpResponse Get(const std::string &target, std::vector<std::pair<std::string, std::string>> headers = {}) {
        headers.emplace_back("Host", "127.0.0.1:8310");
        return Api().Handle({"GET", target, std::move(headers), ""});
    }
    HttpResponse Post(const std::string &target, const std::string &body,
                      std::vector<std::pair<std::string, std::string>> headers = {}) {
        headers.emplace_back("Host", "127.0.0.1:8310");
        return Api().Handle({"POST", target, std::move(headers), body});
    }
    HttpResponse Command(const std::string &line) {
        return Post("/api/command", json{{"line", line}}.dump(), {{"X-Simhost-Token", kToken}});
    }
    json State() { return json::parse(Get(std::string("/api/state?token=") + kToken).body); }
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
};
