// The stand-in host's tools at production scale: the smoothing brush and the picture, on
// meshes of a million and five million vertices made in memory.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <cmath>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "simhost/modeller/modelling_tools.h"
#include "simhost/files/svg_picture.h"

namespace {

// One document per size, made once: a five-million-vertex grid takes longer to make than
// anything measured on it.
simhost::Document &GridDocument(int vertices) {
    static std::map<int, std::unique_ptr<simhost::Document>> documents;
    auto &document = documents[vertices];
    if (!document) {
        document = std::make_unique<simhost::Document>();
        const int side = static_cast<int>(std::lround(std::sqrt(vertices))) - 1;
        simhost::AddGrid(*document, "sheet", side, side, 0.01f);
    }
    return *document;
}

// Tiny triangles strewn through a cube, each alone, so that every pixel of every view is
// covered a little and differently.
simhost::Document &ScatterDocument(int vertices) {
    static std::map<int, std::unique_ptr<simhost::Document>> documents;
    auto &document = documents[vertices];
    if (!document) {
        document = std::make_unique<simhost::Document>();
        simhost::Object &object = document->AddObject("scatter");
        std::mt19937 random(1);
        std::uniform_real_distribution<float> anywhere(-1.0f, 1.0f);
        std::uniform_real_distribution<float> near(-0.003f, 0.003f);
        for (int triangle = 0; triangle < vertices / 3; ++triangle) {
            const MQPoint p{anywhere(random), anywhere(random), anywhere(random)};
            const int a = object.AddVertex(p);
            const int b = object.AddVertex({p.x + near(random), p.y + near(random), p.z + near(random)});
            const int c = object.AddVertex({p.x + near(random), p.y + near(random), p.z + near(random)});
            object.AddFace({a, b, c});
        }
    }
    return *document;
}

simhost::Object &Grid(const benchmark::State &state) {
    return *GridDocument(static_cast<int>(state.range(0))).ObjectAt(0);
}

// The process's peak resident set so far, everything it ever held included.
double PeakResidentMiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) / 1024.0;  // Linux reports KiB
}

// A line of /proc/self/status in MiB: VmRSS is the resident set now, VmHWM its peak since
// the last ResetResidentPeak.
double StatusMiB(const std::string &field) {
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(field + ":", 0) == 0) return std::stod(line.substr(field.size() + 1)) / 1024.0;
    }
    return 0.0;
}

// So that VmHWM shows the peak of what runs next only, not that of making the grids.
void ResetResidentPeak() { std::ofstream("/proc/self/clear_refs") << "5"; }

// Smoothing right after the faces changed: the neighbour lists are derived first.
void SmoothFirstCall(benchmark::State &state) {
    simhost::Object &grid = Grid(state);
    for (auto _ : state) {
        state.PauseTiming();
        grid.adjacency.reset();
        state.ResumeTiming();
        simhost::Smooth(grid, 1, simhost::Scope::All);
    }
    state.counters["vertices"] = grid.VertexCount();
    state.counters["peak_rss_MiB"] = PeakResidentMiB();
}

// Smoothing again on the same faces: the lists are kept.
void SmoothSteady(benchmark::State &state) {
    simhost::Object &grid = Grid(state);
    simhost::AdjacencyOf(grid);
    for (auto _ : state) simhost::Smooth(grid, 1, simhost::Scope::All);
    state.counters["vertices"] = grid.VertexCount();
    state.counters["peak_rss_MiB"] = PeakResidentMiB();
}

// Writing the picture to a file, with its size and how far drawing it raised the resident
// set above what the document already took.
void Measure(benchmark::State &state, const simhost::PictureContent &content) {
    const auto path = std::filesystem::temp_directory_path() / "stelmarin-tools-bench.svg";
    const double residentBefore = StatusMiB("VmRSS");
    ResetResidentPeak();
    for (auto _ : state) simhost::WritePicture(path.string(), content);
    state.counters["file_MB"] = static_cast<double>(std::filesystem::file_size(path)) / 1e6;
    state.counters["peak_rss_MiB"] = PeakResidentMiB();
    state.counters["rss_rise_MiB"] = StatusMiB("VmHWM") - residentBefore;
    std::filesystem::remove(path);
}

// The picture of the grid written to a file, with its centre line pinned in slot X0 and
// moved back; with `everything`, every other vertex too is pinned, in slot 1, and moved
// back, so that there are as many marks as vertices.
void GridPicture(benchmark::State &state, bool everything) {
    simhost::Document &document = GridDocument(static_cast<int>(state.range(0)));
    const simhost::Object &grid = *document.ObjectAt(0);
    simhost::PictureContent content;
    content.document = &document;
    content.title = "a grid of " + std::to_string(grid.VertexCount()) + " vertices";
    for (int i = 0; i < grid.VertexCount(); ++i) {
        const simhost::VertexKey key{grid.uniqueID(), grid.vertex(i).uniqueID};
        const bool seam = grid.position(i).x == 0.0f;
        if (seam || everything) content.movedBack.push_back(key);
        if (seam) content.pins[0].push_back(key);
        if (!seam && everything) content.pins[1].push_back(key);
    }
    content.armed = {true, everything, false, false};
    Measure(state, content);
    state.counters["vertices"] = grid.VertexCount();
}

// The heaviest picture we know of: the strewn triangles, every vertex pinned in one of the
// four slots and moved back.
void WritePictureScattered(benchmark::State &state) {
    simhost::Document &document = ScatterDocument(static_cast<int>(state.range(0)));
    const simhost::Object &object = *document.ObjectAt(0);
    simhost::PictureContent content;
    content.document = &document;
    for (int i = 0; i < object.VertexCount(); ++i) {
        const simhost::VertexKey key{object.uniqueID(), object.vertex(i).uniqueID};
        content.pins[static_cast<size_t>(i % 4)].push_back(key);
        content.movedBack.push_back(key);
    }
    Measure(state, content);
    state.counters["vertices"] = object.VertexCount();
}

void WritePictureCentreLine(benchmark::State &state) { GridPicture(state, false); }
void WritePictureEveryVertexPinned(benchmark::State &state) { GridPicture(state, true); }

BENCHMARK(SmoothFirstCall)->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(SmoothSteady)->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(WritePictureCentreLine)->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(WritePictureEveryVertexPinned)->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);
BENCHMARK(WritePictureScattered)->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);

}  // namespace
