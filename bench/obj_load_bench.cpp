// Loading a large OBJ mesh into the stand-in host's document, beside its floor: the bare
// parse of the same file by tinyobjloader, a widely used reader that checks next to
// nothing and builds no document. Each iteration times both, one after the other, so that
// the machine's load weighs on both alike. Peak memory is measured in a child process
// that does nothing but the one load or parse, so that neither inherits the other's peak.
#define TINYOBJLOADER_IMPLEMENTATION
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <tiny_obj_loader.h>
#include <unistd.h>

#include <charconv>
#include <chrono>
#include <cmath>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <memory>
#include <stdexcept>
#include <string>

#include "simhost/files/obj_mesh.h"

namespace {

namespace fs = std::filesystem;

// A folder of generated meshes for this run, removed when the program ends.
class Meshes {
public:
    Meshes() : folder_(fs::temp_directory_path() / ("stelmarin_obj_load_bench_" + std::to_string(getpid()))) {
        fs::create_directories(folder_);
    }
    Meshes(const Meshes &) = delete;
    Meshes &operator=(const Meshes &) = delete;
    ~Meshes() {
        std::error_code ignored;
        fs::remove_all(folder_, ignored);
    }

    // A grid of `vertices` vertices, as close to square as they divide, with quads between
    // them: "v" lines with six decimals, as exporters write them, then "f" lines.
    const std::string &Grid(int64_t vertices) {
        std::string &path = files_[vertices];
        if (!path.empty()) return path;
        int64_t columns = static_cast<int64_t>(std::sqrt(static_cast<double>(vertices)));
        while (vertices % columns != 0) --columns;
        const int64_t rows = vertices / columns;
        path = (folder_ / ("grid" + std::to_string(vertices) + ".obj")).string();
        std::ofstream out(path, std::ios::binary);
        std::string text = "o grid\n";
        const auto number = [&](double value) {
            char digits[32];
            text += ' ';
            text.append(digits,
                        std::to_chars(std::begin(digits), std::end(digits), value, std::chars_format::fixed, 6).ptr);
        };
        for (int64_t row = 0; row < rows; ++row) {
            for (int64_t column = 0; column < columns; ++column) {
                text += 'v';
                number(static_cast<double>(column) / static_cast<double>(columns - 1));
                number(static_cast<double>(row) / static_cast<double>(rows - 1));
                number(0.05 * static_cast<double>((row * 7 + column * 3) % 11) / 11);
                text += '\n';
            }
            out << text;
            text.clear();
        }
        for (int64_t row = 0; row + 1 < rows; ++row) {
            for (int64_t column = 0; column + 1 < columns; ++column) {
                const int64_t corner = row * columns + column + 1;
                text += "f " + std::to_string(corner) + " " + std::to_string(corner + 1) + " " +
                        std::to_string(corner + columns + 1) + " " + std::to_string(corner + columns) + "\n";
            }
            out << text;
            text.clear();
        }
        out.close();
        if (!out) path.clear();
        return path;
    }

private:
    fs::path folder_;
    std::map<int64_t, std::string> files_;
};

Meshes &GeneratedMeshes() {
    static Meshes meshes;
    return meshes;
}

// Seconds that `work` takes; what it leaves behind is freed outside the time.
template <typename Work>
double Seconds(Work work) {
    const auto start = std::chrono::steady_clock::now();
    auto result = work();
    const std::chrono::duration<double> taken = std::chrono::steady_clock::now() - start;
    benchmark::DoNotOptimize(result);
    return taken.count();
}

std::unique_ptr<simhost::Document> Load(const std::string &file) {
    auto document = std::make_unique<simhost::Document>();
    simhost::LoadObj(file, *document);
    return document;
}

std::unique_ptr<tinyobj::ObjReader> Parse(const std::string &file) {
    auto reader = std::make_unique<tinyobj::ObjReader>();
    tinyobj::ObjReaderConfig config;
    config.triangulate = false;
    if (!reader->ParseFromFile(file, config)) throw std::runtime_error(file + ": " + reader->Error());
    return reader;
}

// The resident memory, in bytes, that `work` needs at its peak beyond what the process
// held before, from a child process that does only that; -1 when the child fails.
double PeakBytes(const std::function<void()> &work) {
    int channel[2];
    if (pipe(channel) != 0) return -1;
    // The child starts from what this process really holds, not from heap it has freed
    // and still keeps.
    malloc_trim(0);
    const pid_t child = fork();
    if (child == 0) {
        close(channel[0]);
        rusage usage{};
        getrusage(RUSAGE_SELF, &usage);
        const long before = usage.ru_maxrss;
        try {
            work();
        } catch (...) {
            _exit(1);
        }
        getrusage(RUSAGE_SELF, &usage);
        const long peak[2] = {before, usage.ru_maxrss};
        const bool sent = write(channel[1], peak, sizeof peak) == static_cast<ssize_t>(sizeof peak);
        _exit(sent ? 0 : 1);
    }
    close(channel[1]);
    long peak[2] = {0, 0};
    const bool received = child > 0 && read(channel[0], peak, sizeof peak) == static_cast<ssize_t>(sizeof peak);
    close(channel[0]);
    int status = 0;
    if (child > 0) waitpid(child, &status, 0);
    if (!received || !WIFEXITED(status) || WEXITSTATUS(status) != 0) return -1;
    // ru_maxrss is in KiB.
    return static_cast<double>(peak[1] - peak[0]) * 1024;
}

void ObjLoad(benchmark::State &state) {
    const std::string &file = GeneratedMeshes().Grid(state.range(0));
    if (file.empty()) {
        state.SkipWithError("the generated mesh could not be written");
        return;
    }
    constexpr double kMiB = 1024.0 * 1024.0;
    state.counters["peak_MiB"] = PeakBytes([&] { Load(file); }) / kMiB;
    state.counters["floor_peak_MiB"] = PeakBytes([&] { Parse(file); }) / kMiB;
    double floorSeconds = 0;
    double loadSeconds = 0;
    for (auto _ : state) {
        const double floor = Seconds([&] { return Parse(file); });
        const double load = Seconds([&] { return Load(file); });
        state.SetIterationTime(load);
        floorSeconds += floor;
        loadSeconds += load;
    }
    const auto iterations = static_cast<double>(state.iterations());
    state.counters["floor_ms"] = 1000 * floorSeconds / iterations;
    state.counters["ratio"] = loadSeconds / floorSeconds;
    state.counters["file_MiB"] = static_cast<double>(fs::file_size(file)) / kMiB;
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(fs::file_size(file)));
}

BENCHMARK(ObjLoad)->Arg(1'000'000)->Arg(5'000'000)->Iterations(5)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
