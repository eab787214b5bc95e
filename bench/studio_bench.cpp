// The studio as a page meets it: a real server on a socket of this machine, a command
// posted, and the change event it publishes read off the event stream, parsed, its binary
// data fetched and its positions copied into the page's copy of the mesh. What a person waits for after a
// stroke, and how many bytes a stroke costs on the wire beside the positions it changed.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <deque>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <random>
#include <span>
#include <string>
#include <thread>
#include <variant>
#include <vector>

#include <httplib.h>
#include <nlohmann/json.hpp>

#include "simhost/studio/studio_api.h"
#include "simhost/studio/studio_server.h"

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using Clock = std::chrono::steady_clock;

// The floats of a reference {"at", "length"} into `body`, checked to lie inside it.
std::span<const float> FloatsAt(const json &reference, const std::string &body) {
    const size_t at = reference.at("at").get<size_t>();
    const size_t length = reference.at("length").get<size_t>();
    if (at % 4 != 0 || at > body.size() || length > (body.size() - at) / sizeof(float)) {
        throw std::runtime_error("a reference outside the binary body");
    }
    return {reinterpret_cast<const float *>(body.data() + at), length};
}

// A change event as the page took it in.
struct Received {
    long number = 0;  // the event's number, as the answer to its command names it
    std::string result;
    size_t wireBytes = 0;  // the whole event as it came (id, name, data, blank line) and its binary data
    size_t changedVertices = 0;
    double readMs = 0;  // parsing it, fetching its data and applying its positions
    std::string fault;  // what was wrong with it, if anything
};

// A studio serving on a free port of this machine, a client for commands and a reader of
// its event stream that applies every change to its own copy of the positions, as a page
// does. Everything that can wait is bounded by `patience`, so that a server that does not
// answer fails the benchmark instead of hanging it.
class Studio {
public:
    explicit Studio(std::chrono::seconds patience) : patience_(patience) {
        static std::atomic<int> made{0};
        dir_ = fs::temp_directory_path() /
               ("stelmarin-studio-bench-" + std::to_string(getpid()) + "-" + std::to_string(made++));
        fs::remove_all(dir_);
        fs::create_directories(dir_ / "work");
        options_.script.pluginPath = STELMARIN_PLUGIN_FILE;
        options_.script.settingsFile = (dir_ / "settings.xml").string();
        options_.script.outDir = (dir_ / "work" / "out").string();
        options_.workingFolder = (dir_ / "work").string();
        options_.token = "0123456789abcdef0123456789abcdef";
    }

    ~Studio() {
        if (serving_.joinable()) {
            // Told again until it has stopped: it may not have been listening yet.
            while (!served_) {
                server_.Stop();
                std::this_thread::sleep_for(std::chrono::milliseconds(20));
            }
            serving_.join();
        }
        if (reader_.joinable()) reader_.join();
        api_.reset();
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    fs::path WorkFolder() const { return dir_ / "work"; }

    // Starts the server and waits until it answers; the fault, if any.
    std::optional<std::string> Open() {
        port_ = server_.Bind("127.0.0.1", 0);
        if (port_ == 0) return "no free port on 127.0.0.1";
        options_.port = port_;
        api_ = std::make_unique<simhost::StudioApi>(options_);
        const simhost::StudioStart start = api_->Start();
        if (start.result != simhost::StepResult::Ok) return "the studio did not start: " + start.errors;
        serving_ = std::thread([this] {
            server_.Serve(*api_);
            served_ = true;
        });
        client_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
        client_->set_default_headers({{"X-Simhost-Token", options_.token}});
        client_->set_connection_timeout(patience_);
        client_->set_read_timeout(patience_);
        client_->set_write_timeout(patience_);
        for (const auto until = Clock::now() + patience_; Clock::now() < until;) {
            if (client_->Get("/")) return std::nullopt;
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        return "the server does not answer on port " + std::to_string(port_);
    }

    // Posts a command and waits for its answer: the number of the change event it caused,
    // or the fault, if it did not run clean.
    std::variant<long, std::string> Post(const std::string &line) {
        const httplib::Result answer = client_->Post("/api/command", json{{"line", line}}.dump(), "application/json");
        if (!answer) return "\"" + line + "\": no answer (" + httplib::to_string(answer.error()) + ")";
        if (answer->status != 200) {
            return "\"" + line + "\": HTTP " + std::to_string(answer->status) + " " + answer->body;
        }
        const json body = json::parse(answer->body, nullptr, false);
        if (body.is_discarded()) return "\"" + line + "\": an answer that is not JSON";
        if (body.value("result", "") == "ok" && body.contains("event") && body["event"].is_number_integer()) {
            return body["event"].get<long>();
        }
        std::string fault = "\"" + line + "\" did not pass:";
        for (const json &error : body.value("errors", json::array())) fault += " " + error.get<std::string>();
        return fault;
    }

    // Takes the meshes as the page does when it opens (a uint32 length, the JSON, the
    // binary body its references point into), then listens to the event stream until it is
    // open; the fault, if any.
    std::optional<std::string> Listen() {
        const httplib::Result answer = client_->Get("/api/mesh");
        if (!answer || answer->status != 200) return "GET /api/mesh failed";
        try {
            const std::string &frame = answer->body;
            uint32_t length = 0;
            if (frame.size() >= 4) std::memcpy(&length, frame.data(), 4);
            if (frame.size() < 4 + size_t{length} || length % 4 != 0) throw std::runtime_error("not a frame");
            const std::string body = frame.substr(4 + size_t{length});
            const json mesh = json::parse(frame.substr(4, length));
            for (const json &object : mesh.at("objects")) {
                const std::span<const float> floats = FloatsAt(object.at("positions"), body);
                positions_.emplace_back(floats.begin(), floats.end());
            }
        } catch (const std::exception &error) {
            return std::string("the meshes could not be read: ") + error.what();
        }
        fetcher_ = std::make_unique<httplib::Client>("127.0.0.1", port_);
        fetcher_->set_default_headers({{"X-Simhost-Token", options_.token}});
        fetcher_->set_connection_timeout(patience_);
        fetcher_->set_read_timeout(patience_);
        // A page's fetches share a connection that stays open, as a browser's do.
        fetcher_->set_keep_alive(true);
        reader_ = std::thread([this] { Read(); });
        std::unique_lock lock(mutex_);
        if (!arrived_.wait_for(lock, patience_, [&] { return connected_ || ended_; }) || !connected_) {
            return "the event stream did not open";
        }
        return std::nullopt;
    }

    // The change event numbered `number`, which `line` caused, once it has come and been
    // applied; the fault if it does not come in time, or is not what the page expects.
    std::variant<Received, std::string> Await(long number, const std::string &line) {
        std::unique_lock lock(mutex_);
        const auto until = Clock::now() + patience_;
        while (true) {
            if (!arrived_.wait_until(lock, until, [&] { return !received_.empty() || ended_; })) {
                return "no change event for \"" + line + "\" within " + std::to_string(patience_.count()) + " s";
            }
            if (received_.empty()) return "the event stream ended before the change event for \"" + line + "\"";
            Received event = std::move(received_.front());
            received_.pop_front();
            if (!event.fault.empty()) return event.fault;
            if (event.number < number) continue;
            if (event.number != number) return "the change event for \"" + line + "\" was passed over";
            if (event.result != "ok") return "\"" + line + "\" did not pass: " + event.result;
            return event;
        }
    }

private:
    // The page's event handler: one block of the stream ("id: ..\nevent: ..\ndata: ..").
    void Take(const std::string &block, size_t wireBytes) {
        std::string name;
        std::string id;
        std::string data;
        size_t at = 0;
        while (at < block.size()) {
            size_t end = block.find('\n', at);
            if (end == std::string::npos) end = block.size();
            if (block.compare(at, 7, "event: ") == 0) name = block.substr(at + 7, end - at - 7);
            if (block.compare(at, 4, "id: ") == 0) id = block.substr(at + 4, end - at - 4);
            if (block.compare(at, 6, "data: ") == 0) data = block.substr(at + 6, end - at - 6);
            at = end + 1;
        }
        if (name != "change") return;
        Received event;
        event.wireBytes = wireBytes;
        const auto began = Clock::now();
        try {
            const json change = json::parse(data);
            event.number = std::stol(id);
            event.result = change.at("result").get<std::string>();
            // The positions come in the event's binary data, fetched as the page does.
            std::string body;
            if (change.contains("data") && change["data"].at("bytes").get<size_t>() > 0) {
                const httplib::Result fetched = fetcher_->Get("/api/event-data?event=" + id);
                if (!fetched || fetched->status != 200) throw std::runtime_error("its data could not be fetched");
                body = std::move(fetched->body);
                if (body.size() != change["data"]["bytes"].get<size_t>()) {
                    throw std::runtime_error("data of another size than the event says");
                }
                event.wireBytes += body.size();
            }
            for (const json &object : change.at("changed")) {
                const size_t index = object.at("object").get<size_t>();
                const size_t count = object.at("count").get<size_t>();
                const std::span<const float> moved = FloatsAt(object.at("positions"), body);
                if (index >= positions_.size() || moved.size() != 3 * count) {
                    throw std::runtime_error("positions do not match their count");
                }
                size_t taken = 0;
                for (const json &run : object.at("runs")) {
                    const size_t first = run.at(0).get<size_t>();
                    const size_t length = run.at(1).get<size_t>();
                    if (taken + length > count || 3 * (first + length) > positions_[index].size()) {
                        throw std::runtime_error("a run outside the mesh");
                    }
                    std::memcpy(&positions_[index][3 * first], &moved[3 * taken], 3 * length * sizeof(float));
                    taken += length;
                }
                if (taken != count) throw std::runtime_error("runs that do not add up to the count");
                event.changedVertices += count;
            }
        } catch (const std::exception &error) {
            event.fault = std::string("a change event the page cannot read: ") + error.what();
        }
        event.readMs = std::chrono::duration<double, std::milli>(Clock::now() - began).count();
        std::lock_guard lock(mutex_);
        received_.push_back(std::move(event));
        arrived_.notify_all();
    }

    void Read() {
        httplib::Client listener("127.0.0.1", port_);
        // The stream is quiet for up to 15 s between its signs of life.
        listener.set_read_timeout(std::chrono::seconds(20));
        listener.set_connection_timeout(patience_);
        std::string pending;
        size_t searched = 0;
        listener.Get("/api/events?token=" + options_.token, [&](const char *data, size_t size) {
            pending.append(data, size);
            size_t consumed = 0;
            for (size_t end; (end = pending.find("\n\n", searched)) != std::string::npos;) {
                const std::string block = pending.substr(consumed, end - consumed);
                if (block.find(": connected") != std::string::npos) {
                    std::lock_guard lock(mutex_);
                    connected_ = true;
                    arrived_.notify_all();
                }
                Take(block, end + 2 - consumed);
                consumed = end + 2;
                searched = consumed;
            }
            pending.erase(0, consumed);
            searched = pending.empty() ? 0 : pending.size() - 1;
            return true;
        });
        std::lock_guard lock(mutex_);
        ended_ = true;
        arrived_.notify_all();
    }

    std::chrono::seconds patience_;
    fs::path dir_;
    simhost::StudioOptions options_;
    simhost::StudioServer server_;
    int port_ = 0;
    std::unique_ptr<simhost::StudioApi> api_;
    std::thread serving_;
    std::atomic<bool> served_{false};
    std::unique_ptr<httplib::Client> client_;
    std::unique_ptr<httplib::Client> fetcher_;  // the reader's, for the events' data
    std::thread reader_;

    std::vector<std::vector<float>> positions_;  // the page's copy; the reader's alone once it runs
    std::mutex mutex_;
    std::condition_variable arrived_;
    std::deque<Received> received_;
    bool connected_ = false;
    bool ended_ = false;
};

// The studio opened, the session's first lines run, X0 clicked, the event stream open; the
// fault, if any.
std::optional<std::string> Prepare(Studio &studio, const std::vector<std::string> &lines) {
    if (auto fault = studio.Open()) return fault;
    for (const std::string &line : lines) {
        const std::variant<long, std::string> answer = studio.Post(line);
        if (const auto *fault = std::get_if<std::string>(&answer)) return *fault;
    }
    return studio.Listen();
}

// A stroke as a page makes it: the line posted, then its change event awaited; what came,
// or the fault. `answeredMs`, when given, gains the time until the post was answered.
std::variant<Received, std::string> Stroke(Studio &studio, const std::string &line, double *answeredMs = nullptr) {
    const auto posted = Clock::now();
    const std::variant<long, std::string> answer = studio.Post(line);
    if (const auto *fault = std::get_if<std::string>(&answer)) return *fault;
    if (answeredMs != nullptr) *answeredMs += std::chrono::duration<double, std::milli>(Clock::now() - posted).count();
    return studio.Await(std::get<long>(answer), line);
}

// One stroke after another: each iteration posts a tool and stops when its change event
// has been read, parsed and applied. Jitter and smoothing take turns, with a new seed for
// every jitter, so that every stroke moves every vertex but the pinned seam.
void StudioRoundTrip(benchmark::State &state) {
    Studio studio(std::chrono::seconds(5));
    const fs::path head = studio.WorkFolder() / "head.obj";
    fs::copy_file(STELMARIN_HEAD_OBJ, head);
    if (auto fault = Prepare(studio, {"init", "activate", "load \"" + head.generic_string() + "\"", "object \"head\"",
                                      "click X0", "expect pins X0 96"})) {
        state.SkipWithError(fault->c_str());
        return;
    }
    int64_t stroke = 0;
    size_t eventBytes = 0;
    size_t changedVertices = 0;
    for (auto _ : state) {
        const std::string line =
            stroke % 2 == 0 ? "jitter 0.002 " + std::to_string(stroke + 1) + " all" : "smooth 1 all";
        ++stroke;
        const auto event = Stroke(studio, line);
        if (const auto *fault = std::get_if<std::string>(&event)) {
            state.SkipWithError(fault->c_str());
            break;
        }
        eventBytes += std::get<Received>(event).wireBytes;
        changedVertices += std::get<Received>(event).changedVertices;
    }
    const double strokes = static_cast<double>(std::max<int64_t>(stroke, 1));
    state.counters["event_bytes"] = static_cast<double>(eventBytes) / strokes;
    state.counters["changed_bytes"] = static_cast<double>(changedVertices * 12) / strokes;
    state.counters["ratio"] =
        changedVertices > 0 ? static_cast<double>(eventBytes) / static_cast<double>(changedVertices * 12) : 0;
}

// A stroke on a sheet of a million vertices, its seam pinned: the change event's size on
// the wire beside the positions it changed (12 bytes each), and the stroke's round trip.
void StudioUpdateSize(benchmark::State &state) {
    Studio studio(std::chrono::seconds(15));
    if (auto fault = Prepare(studio, {"init", "activate", "make grid \"sheet\" 1000 1000", "click X0"})) {
        state.SkipWithError(fault->c_str());
        return;
    }
    int64_t stroke = 0;
    size_t eventBytes = 0;
    size_t changedVertices = 0;
    double answered = 0;
    double read = 0;
    for (auto _ : state) {
        const auto event = Stroke(studio, "jitter 0.001 " + std::to_string(++stroke) + " all", &answered);
        if (const auto *fault = std::get_if<std::string>(&event)) {
            state.SkipWithError(fault->c_str());
            break;
        }
        eventBytes += std::get<Received>(event).wireBytes;
        changedVertices += std::get<Received>(event).changedVertices;
        read += std::get<Received>(event).readMs;
    }
    const double strokes = static_cast<double>(std::max<int64_t>(stroke, 1));
    state.counters["event_MB"] = static_cast<double>(eventBytes) / strokes / 1e6;
    state.counters["changed_MB"] = static_cast<double>(changedVertices * 12) / strokes / 1e6;
    state.counters["ratio"] =
        changedVertices > 0 ? static_cast<double>(eventBytes) / static_cast<double>(changedVertices * 12) : 0;
    state.counters["answer_ms"] = answered / strokes;
    state.counters["page_read_ms"] = read / strokes;
}

// A brush stroke on the head as the page sends it: one sample posted, then its change
// event (the sample and the draw after it) awaited, and only then the next, inside one
// open stroke. The centre sweeps across the seam and back; the drag goes to and fro, so
// that the head does not drift away. range(0): 0 grab, 1 smooth, 2 inflate.
void StudioBrushSample(benchmark::State &state) {
    Studio studio(std::chrono::seconds(5));
    const fs::path head = studio.WorkFolder() / "head.obj";
    fs::copy_file(STELMARIN_HEAD_OBJ, head);
    if (auto fault = Prepare(studio, {"init", "activate", "load \"" + head.generic_string() + "\"", "object \"head\"",
                                      "click X0", "expect pins X0 96", "stroke begin"})) {
        state.SkipWithError(fault->c_str());
        return;
    }
    const char *kinds[] = {"grab", "smooth", "inflate"};
    const std::string kind = kinds[state.range(0)];
    int64_t sample = 0;
    size_t changedVertices = 0;
    double answered = 0;
    double read = 0;
    for (auto _ : state) {
        const double x = 0.02 * static_cast<double>((sample % 20) - 10);
        const std::string drag = sample % 2 == 0 ? " 0.004 0.002 0 " : " -0.004 -0.002 0 ";
        ++sample;
        const auto event =
            Stroke(studio, "brush " + kind + " " + std::to_string(x) + " 0 0.9" + drag + "0.25 0.5", &answered);
        if (const auto *fault = std::get_if<std::string>(&event)) {
            state.SkipWithError(fault->c_str());
            break;
        }
        changedVertices += std::get<Received>(event).changedVertices;
        read += std::get<Received>(event).readMs;
    }
    const double samples = static_cast<double>(std::max<int64_t>(sample, 1));
    state.counters["changed_vertices"] = static_cast<double>(changedVertices) / samples;
    state.counters["answer_ms"] = answered / samples;
    state.counters["page_read_ms"] = read / samples;
    state.SetLabel(kind);
}

BENCHMARK(StudioRoundTrip)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(StudioBrushSample)->DenseRange(0, 2)->UseRealTime()->Unit(benchmark::kMillisecond);
BENCHMARK(StudioUpdateSize)->Iterations(3)->UseRealTime()->Unit(benchmark::kMillisecond);

}  // namespace
