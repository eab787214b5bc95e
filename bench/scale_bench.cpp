// The stand-in host at a production modeller's scale: meshes of millions of vertices, made
// in memory, with the built plug-in loaded by the workbench that sessions drive. Each
// measurement runs beside its floor in the same process: the host's check of a draw beside
// a bare comparison of two position arrays, and a whole checked draw of a million pins
// beside a bare loop of the host calls such a draw makes. Peak memory is reported as
// counters, and one workflow of load, pin, draw, smooth, picture and save gives the peak
// of each step.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <sys/resource.h>

#include <cmath>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>
#include <vector>

#include "host/contract_codes.h"
#include "host/host_functions.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/files/obj_mesh.h"
#include "simhost/files/svg_picture.h"
#include "simhost/modeller/workbench.h"

namespace {

constexpr double kMiB = 1024.0 * 1024.0;

// The most this process has held resident, in bytes.
double PeakBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return static_cast<double>(usage.ru_maxrss) * 1024.0;
}

// Lowers the peak to what is resident now (Linux 4.0 on), after handing freed memory back,
// so that the next peak is one step's own. Returns whether the system allowed it.
bool RestartPeak() {
    malloc_trim(0);
    std::FILE *file = std::fopen("/proc/self/clear_refs", "w");
    if (file == nullptr) return false;
    const bool done = std::fputs("5", file) >= 0;
    return std::fclose(file) == 0 && done;
}

// A workbench with the built plug-in started and its window up, and one flat sheet of
// `vertices` vertices (rounded to a rectangle) as the current object. The peak memory it
// reports is its own.
struct Stage {
    explicit Stage(int64_t vertices) : peakRestarted(RestartPeak()), bench(STELMARIN_PLUGIN_FILE, "") {
        bench.Start();
        const auto columns = static_cast<int>(std::lround(std::sqrt(static_cast<double>(vertices))));
        const auto rows = static_cast<int>(vertices / columns);
        sheet = &simhost::AddGrid(bench.document(), "sheet", columns - 1, rows - 1, 0.001f);
        bench.Initialize();
    }

    // Every vertex recorded into slot 1, which fixes X, Y and Z.
    void PinAll() {
        bench.Activate(true);
        simhost::SelectAll(*sheet);
        bench.ClickSlot("1", true, false);
    }

    void Report(benchmark::State &state) const {
        const double count = sheet->VertexCount();
        state.counters["vertices"] = count;
        state.counters["bytes_per_vertex"] = static_cast<double>(sheet->MemoryBytes()) / count;
        state.counters["peak_MiB"] = PeakBytes() / kMiB;
    }

    bool peakRestarted;  // before anything of the stage was made
    simhost::Workbench bench;
    simhost::Object *sheet = nullptr;
};

// A draw the user sees with the plug-in off and nothing pinned: what it costs is the
// host's check, which looks at nothing the draw did not touch.
void ScaleHostCheckNothingPinned(benchmark::State &state) {
    Stage stage(state.range(0));
    for (auto _ : state) benchmark::DoNotOptimize(stage.bench.Draw());
    stage.Report(state);
}

// The check alone after a draw that wrote every vertex back to its pin.
void ScaleHostCheckAllPinned(benchmark::State &state) {
    Stage stage(state.range(0));
    stage.PinAll();
    simhost::Host &host = stage.bench.host();
    host.StartWriteRecord();
    stage.bench.session().Draw();
    for (auto _ : state) {
        benchmark::DoNotOptimize(simhost::CheckDraw(stage.bench.document(), {}, stage.bench.ledger(), true));
    }
    host.EndWriteRecord();
    stage.Report(state);
}

// Two arrays of the same positions compared byte for byte: what any check of every vertex
// costs at least. At a million vertices both arrays fit in the processor's last cache, where
// they stay from one comparison to the next; `from_memory` first pushes them out, as the
// work of a draw does.
void ScalePositionCompareFloor(benchmark::State &state, bool fromMemory) {
    RestartPeak();
    std::vector<MQPoint> before(static_cast<size_t>(state.range(0)));
    for (size_t i = 0; i < before.size(); ++i) before[i] = {static_cast<float>(i), 1.0f, 2.0f};
    const std::vector<MQPoint> after = before;
    std::vector<char> elsewhere(fromMemory ? 128 << 20 : 0);
    for (auto _ : state) {
        if (fromMemory) {
            state.PauseTiming();
            std::memset(elsewhere.data(), static_cast<int>(state.iterations()), elsewhere.size());
            benchmark::ClobberMemory();
            state.ResumeTiming();
        }
        benchmark::DoNotOptimize(std::memcmp(before.data(), after.data(), before.size() * sizeof(MQPoint)));
    }
    state.counters["peak_MiB"] = PeakBytes() / kMiB;
}

// The reads a check of every pin needs, with nothing else: each pin's ID and the vertex
// index table in order, to tell which vertex each pin is, and the pins' and the vertices'
// positions, compared as one block. What a check of a draw that pinned every vertex costs
// at least.
void ScalePinReadsFloor(benchmark::State &state) {
    Stage stage(state.range(0));
    stage.PinAll();
    const simhost::Object &sheet = *stage.sheet;
    const simhost::ObjectPositions &pins = stage.bench.ledger().slots[1].pins.front();
    const auto first = static_cast<unsigned>(pins.vertexIDs.front());
    const std::span<const int> table = sheet.indicesByID().subspan(first);
    for (auto _ : state) {
        // Zero when the pins are vertices 0, 1, 2 and so on; a block at a time, which the
        // compiler reads with wide loads, as it does the check's.
        unsigned off = 0;
        constexpr unsigned kBlock = 64;
        for (size_t at = 0; at + kBlock <= pins.size(); at += kBlock) {
            const auto step = static_cast<unsigned>(at);
            for (unsigned i = 0; i < kBlock; ++i) {
                off |= (static_cast<unsigned>(pins.vertexIDs[at + i]) - first - step - i) |
                       (static_cast<unsigned>(table[at + i]) - step - i);
            }
        }
        benchmark::DoNotOptimize(off);
        benchmark::DoNotOptimize(
            std::memcmp(pins.positions.data(), sheet.positions().data(), pins.size() * sizeof(MQPoint)));
    }
    stage.Report(state);
}

// A whole draw of the workbench: the plug-in writes every pin back through the host's
// functions, the host checks each call and records the writes, then checks the draw.
void ScaleCheckedDraw(benchmark::State &state) {
    Stage stage(state.range(0));
    stage.PinAll();
    stage.bench.Draw();
    for (auto _ : state) benchmark::DoNotOptimize(stage.bench.Draw());
    if (!stage.bench.violations().empty()) state.SkipWithError(stage.bench.violations().front().Line().c_str());
    state.counters["pins"] = static_cast<double>(stage.bench.ledger().slots[1].PinCount());
    stage.Report(state);
}

// The same after a tool moved every pinned vertex, so that the draw moves each one back.
void ScaleCheckedDrawAfterMove(benchmark::State &state) {
    Stage stage(state.range(0));
    stage.PinAll();
    for (auto _ : state) {
        state.PauseTiming();
        simhost::Move(*stage.sheet, {0.001f, 0.0f, 0.0f}, simhost::Scope::All);
        state.ResumeTiming();
        benchmark::DoNotOptimize(stage.bench.Draw());
    }
    if (!stage.bench.violations().empty()) state.SkipWithError(stage.bench.violations().front().Line().c_str());
    if (stage.bench.lastDraw()->movedBack != stage.sheet->VertexCount()) state.SkipWithError("not every pin moved");
    stage.Report(state);
}

// The host calls of that draw, from a flat array, inside one call to a plug-in that does
// nothing else: the object looked up and checked once, then per pin its index and a write.
void ScaleHostCallsFloor(benchmark::State &state) {
    Stage stage(state.range(0));
    simhost::Host &host = stage.bench.host();
    auto &table = stelmarin::host::Host();
    if (stelmarin::host::BindHostFunctions(simhost::HostModulePath().c_str(), table) != 1) std::abort();
    struct Pin {
        int uniqueID;
        MQPoint position;
    };
    std::vector<Pin> pins;
    for (int i = 0; i < stage.sheet->VertexCount(); ++i) {
        pins.push_back({stage.sheet->vertex(i).uniqueID, stage.sheet->position(i)});
    }
    const MQDocument doc = host.DocumentHandle();
    const int objectID = stage.sheet->uniqueID();
    simhost::Host::PluginCall inside(host);
    for (auto _ : state) {
        MQObject object = table.MQDoc_GetObjectFromUniqueID(doc, objectID);
        if (object == nullptr || table.MQObj_GetVisible(object) == 0 ||
            table.MQObj_GetIntValue(object, stelmarin::kObjectExempt) != 0) {
            continue;
        }
        for (Pin &pin : pins) {
            const int index = table.MQObj_GetVertexIndexFromUniqueID(object, pin.uniqueID);
            if (index >= 0) table.MQObj_SetVertex(object, index, &pin.position);
        }
    }
    if (!host.violations.empty()) state.SkipWithError(host.violations.front().Line().c_str());
    stage.Report(state);
}

// One session's work on a large mesh, each step's peak measured on its own: the mesh read
// from an OBJ file, every vertex pinned, a draw, a smoothing pass, another draw, a picture
// and the mesh written back. `peak_MiB` is the highest of them.
void ScaleWorkflow(benchmark::State &state) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "stelmarin-scale-bench";
    std::filesystem::create_directories(folder);
    const std::string mesh = (folder / "sheet.obj").string();
    {
        simhost::Document made;
        const auto side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(state.range(0)))));
        simhost::AddGrid(made, "sheet", side - 1, side - 1, 0.001f);
        simhost::SaveObj(mesh, made);
    }
    for (auto _ : state) {
        double highest = 0.0;
        const auto step = [&](const char *name, auto work) {
            RestartPeak();
            work();
            state.counters[std::string("peak_MiB_") + name] = PeakBytes() / kMiB;
            highest = std::max(highest, PeakBytes());
        };
        simhost::Workbench bench(STELMARIN_PLUGIN_FILE, "");
        bench.Start();
        bench.Initialize();
        simhost::Object *sheet = nullptr;
        step("1load", [&] { sheet = bench.document().ObjectAt(simhost::LoadObj(mesh, bench.document()).front()); });
        step("2pin", [&] {
            bench.Activate(true);
            simhost::SelectAll(*sheet);
            bench.ClickSlot("1", true, false);
        });
        step("3draw", [&] { bench.Draw(); });
        step("4smooth", [&] { simhost::Smooth(*sheet, 1, simhost::Scope::All); });
        step("5draw", [&] { bench.Draw(); });
        step("6picture", [&] { benchmark::DoNotOptimize(simhost::RenderSvg(bench.Picture("sheet")).size()); });
        step("7save", [&] { simhost::SaveObj((folder / "saved.obj").string(), bench.document()); });
        state.counters["peak_MiB"] = highest / kMiB;
        state.counters["bytes_per_vertex"] =
            static_cast<double>(sheet->MemoryBytes()) / static_cast<double>(sheet->VertexCount());
        if (!bench.violations().empty()) state.SkipWithError(bench.violations().front().Line().c_str());
    }
    std::filesystem::remove_all(folder);
    if (!RestartPeak())
        state.SkipWithError("this system cannot restart the peak: the steps' figures are not their own");
}

void Sizes(benchmark::internal::Benchmark *bench) {
    bench->Arg(1'000'000)->Arg(5'000'000)->Unit(benchmark::kMillisecond);
}

BENCHMARK(ScaleWorkflow)->Arg(1'000'000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(ScaleHostCheckNothingPinned)->Apply(Sizes)->Unit(benchmark::kMicrosecond);
BENCHMARK(ScaleHostCheckAllPinned)->Apply(Sizes);
BENCHMARK_CAPTURE(ScalePositionCompareFloor, in_cache, false)->Apply(Sizes);
BENCHMARK_CAPTURE(ScalePositionCompareFloor, from_memory, true)->Apply(Sizes);
BENCHMARK(ScalePinReadsFloor)->Apply(Sizes);
BENCHMARK(ScaleCheckedDraw)->Apply(Sizes);
BENCHMARK(ScaleCheckedDrawAfterMove)->Apply(Sizes);
BENCHMARK(ScaleHostCallsFloor)->Apply(Sizes);

}  // namespace
