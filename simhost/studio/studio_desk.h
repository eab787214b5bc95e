// What the studio's host thread owns: the session runner, what it printed, and the log.
// Only the request layer's own files include this.
#pragma once

#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include <nlohmann/json.hpp>

#include "simhost/files/utf8_text.h"
#include "simhost/language/session_script.h"
#include "simhost/studio/studio_api.h"

namespace simhost {

struct StudioApi::Desk {
    explicit Desk(const ScriptSettings &settings) : runner(settings, transcript, errors) {}

    // What the runner printed since the last call.
    std::pair<std::string, std::string> TakePrinted() {
        std::pair<std::string, std::string> printed{transcript.str(), errors.str()};
        transcript.str("");
        errors.str("");
        return printed;
    }

    std::ostringstream transcript;
    std::ostringstream errors;
    ScriptRunner runner;
    // Every line that ran, as a session file.
    std::string log = "# A studio session: replay it with simhost run FILE\n";
    int lines = 0;
    // What the person at the page answered and did while the line that is running waited
    // on them, as lines that queue it: the log holds them before that line, so that a
    // replay answers the same.
    std::vector<std::string> personLines;
    // The line that is running, named beside a question or the dialog it opens: the page
    // says which slot asks.
    std::string running;
    // What the host waits on the person for: null, or the question or dialog.
    nlohmann::json waiting = nullptr;
    // The host pressed Escape for a person who was not there, during the running line.
    bool pressedEscape = false;
};

struct StudioApi::Outcome {
    int status = 200;
    nlohmann::json body;
};

}  // namespace simhost
