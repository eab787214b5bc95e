// The studio's request layer as a network client meets it, with no socket: any method,
// target, headers and body, over a document loaded from OBJ text that comes from the
// input too, so that names holding any bytes reach the state, the meshes and the answers.
//
// The input is the OBJ text, a NUL, then the request as its bytes would come:
//   METHOD TARGET\n
//   Name: value\n  ...
//   \n
//   body
// A finding: an answer of 500 (kept for the server's own faults), an exception out of
// the request layer, a body that is not valid UTF-8, or a state that no longer answers
// after the request.
//
// The plug-in is loaded and the studio started once, not for each input; each input ends
// with a new document.
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <exception>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include <dlfcn.h>

#include <nlohmann/json.hpp>

#include "fuzz/fuzz_support.h"
#include "simhost/files/utf8_text.h"
#include "simhost/studio/studio_api.h"

namespace {

namespace fs = std::filesystem;

constexpr const char *kToken = "0123456789abcdef0123456789abcdef";
constexpr const char *kHost = "127.0.0.1:8310";

// The host keeps every document it replaced, so that a plug-in still holding one is caught
// using it: each input leaves its mesh behind. Every so many inputs the studio starts
// afresh, which lets them go.
constexpr int kInputsPerStudio = 1000;

struct Scene {
    fs::path work;
    fs::path out;
    fs::path mesh;
    simhost::StudioOptions options;
    // Never deleted at exit: the studio would close the modeller under libFuzzer's exit.
    simhost::StudioApi *api = nullptr;
    int inputs = 0;

    void Open() {
        api = new simhost::StudioApi(options);
        if (api->Start().result != simhost::StepResult::Ok) {
            std::fprintf(stderr, "fuzz: the studio does not start with %s\n", STELMARIN_PLUGIN_FILE);
            std::abort();
        }
    }
};

Scene &TheScene() {
    static Scene scene = [] {
        Scene made;
        made.work = fs::path(fuzzing::ScratchPath("studio")).parent_path() / "studio-work";
        made.out = made.work / "out";
        made.mesh = made.work / "fuzzed.obj";
        fs::create_directories(made.work);
        simhost::StudioOptions &options = made.options;
        options.script.pluginPath = STELMARIN_PLUGIN_FILE;
        options.script.settingsFile = (made.work / "settings.xml").string();
        options.script.outDir = made.out.string();
        options.token = kToken;
        options.workingFolder = made.work.string();
        // Nobody is at the page: questions and dialogs end at once, as when its user left.
        options.answerTimeout = std::chrono::milliseconds(0);
        options.pageAbsence = std::chrono::milliseconds(0);
        // The studio unloads the plug-in when it closes, and libFuzzer would then count
        // coverage in a module that is gone: this handle keeps it loaded.
        if (dlopen(STELMARIN_PLUGIN_FILE, RTLD_NOW | RTLD_LOCAL) == nullptr) {
            std::fprintf(stderr, "fuzz: cannot load %s: %s\n", STELMARIN_PLUGIN_FILE, dlerror());
            std::abort();
        }
        made.Open();
        return made;
    }();
    if (++scene.inputs % kInputsPerStudio == 0) {
        delete scene.api;
        scene.Open();
    }
    return scene;
}

[[noreturn]] void Finding(const std::string &what, const simhost::HttpRequest &request) {
    std::fprintf(stderr, "finding: %s\nrequest: %s %s\n", what.c_str(), request.method.c_str(),
                 request.target.c_str());
    std::abort();
}

simhost::HttpResponse Handled(simhost::StudioApi &api, const simhost::HttpRequest &request) {
    simhost::HttpResponse response;
    try {
        response = api.Handle(request);
    } catch (const std::exception &error) {
        Finding(std::string("an exception left the request layer: ") + error.what(), request);
    }
    if (response.status >= 500 && response.status != 503) {
        Finding("answered " + std::to_string(response.status) + ": " + response.body, request);
    }
    // Text is UTF-8; binary bodies are an event's raw numbers, or the mesh's frame, whose
    // JSON is text and whose length must hold within it.
    if (response.contentType != "application/octet-stream") {
        if (!simhost::IsUtf8(response.body)) Finding("the body is not valid UTF-8", request);
    } else if (request.target.rfind("/api/mesh", 0) == 0) {
        const std::string &frame = response.body;
        uint32_t length = 0;
        if (frame.size() >= 4) std::memcpy(&length, frame.data(), 4);
        if (frame.size() < 4 || length % 4 != 0 || length > frame.size() - 4) {
            Finding("the mesh is not a frame", request);
        }
        if (!simhost::IsUtf8(frame.substr(4, length))) Finding("the mesh frame's JSON is not valid UTF-8", request);
    }
    return response;
}

simhost::HttpRequest Ours(const std::string &method, const std::string &target, const std::string &body = "") {
    return {method, target, {{"Host", kHost}, {"X-Simhost-Token", kToken}}, body};
}

simhost::HttpRequest CommandRequest(const std::string &line) {
    return Ours("POST", "/api/command", nlohmann::json{{"line", line}}.dump());
}

// The request as the rest of the input gives it.
simhost::HttpRequest Parsed(std::string_view text) {
    simhost::HttpRequest request;
    const auto line = [&text] {
        const size_t end = text.find('\n');
        const std::string_view taken = text.substr(0, end);
        text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
        return std::string(taken);
    };
    const std::string first = line();
    const size_t space = first.find(' ');
    request.method = first.substr(0, space);
    request.target = space == std::string::npos ? "" : first.substr(space + 1);
    for (std::string header = line(); !header.empty(); header = line()) {
        const size_t colon = header.find(':');
        std::string value = colon == std::string::npos ? "" : header.substr(colon + 1);
        if (!value.empty() && value.front() == ' ') value.erase(0, 1);
        request.headers.emplace_back(header.substr(0, colon), value);
    }
    request.body = std::string(text);
    return request;
}

}  // namespace

// Since the host keeps the documents it replaced (kInputsPerStudio), every input ends with
// more allocated than it freed, and libFuzzer's leak check after an input would then scan
// the whole heap after every one, at a quarter of the speed. Leaks are still looked for
// when the process ends.
extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv) {
    static std::vector<char *> arguments(*argv, *argv + *argc);
    static char noLeakCheckPerInput[] = "-detect_leaks=0";
    arguments.insert(arguments.begin() + 1, noLeakCheckPerInput);
    arguments.push_back(nullptr);
    *argc = static_cast<int>(arguments.size()) - 1;
    *argv = arguments.data();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size) {
    Scene &scene = TheScene();
    simhost::StudioApi &api = *scene.api;
    const std::string_view input(reinterpret_cast<const char *>(data), size);
    const size_t split = input.find('\0');
    const std::string_view obj = input.substr(0, split);
    const std::string_view rest = split == std::string_view::npos ? std::string_view() : input.substr(split + 1);

    fuzzing::WriteScratch("studio-work/fuzzed.obj", data, obj.size());
    Handled(api, CommandRequest("load \"" + scene.mesh.string() + "\""));
    Handled(api, Parsed(rest));
    // Whatever the request did, the page can still learn where things stand. (The meshes
    // cost a trip to the host thread; the input reaches them when it asks.)
    const simhost::HttpRequest request = Ours("GET", "/api/state");
    const simhost::HttpResponse response = Handled(api, request);
    if (response.status != 200) Finding("answered " + std::to_string(response.status), request);
    if (nlohmann::json::parse(response.body, nullptr, false).is_discarded()) Finding("not JSON", request);
    // The document goes, and what the input wrote: the next input starts as this one did.
    Handled(api, CommandRequest("new"));
    std::error_code ignored;
    fs::remove_all(scene.out, ignored);
    return 0;
}
