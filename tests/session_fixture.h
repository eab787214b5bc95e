// A session run as `simhost run` runs it, in a folder of its own that the test removes:
// its settings file and output folder inside, the built plug-in loaded.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>

#include "simhost/language/session_script.h"

class SessionFixture : public ::testing::Test {
protected:
    explicit SessionFixture(const std::string &prefix) {
        const auto *unit = ::testing::UnitTest::GetInstance();
        dir = std::filesystem::temp_directory_path() /
              (prefix + std::to_string(unit->random_seed()) + "-" + unit->current_test_info()->name());
        std::filesystem::remove_all(dir);
        std::filesystem::create_directories(dir);
        settings.pluginPath = STELMARIN_PLUGIN_FILE;
        settings.settingsFile = (dir / "settings.xml").string();
        settings.outDir = (dir / "out").string();
    }
    ~SessionFixture() override { std::filesystem::remove_all(dir); }

    // Runs `script` as the file test.session.
    simhost::StepResult Run(const std::string &script) {
        const std::filesystem::path file = dir / "test.session";
        std::ofstream(file, std::ios::binary) << script;
        simhost::ScriptRunner runner(settings, output);
        return runner.RunFile(file.string());
    }

    // What the session wrote to `name` in its output folder.
    std::string Written(const std::string &name) const {
        std::ifstream in(dir / "out" / name, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }

    std::filesystem::path dir;
    simhost::ScriptSettings settings;
    std::ostringstream output;
};
