// What the studio adds to every state it publishes to say whether pins are held: the
// reasons they are not, and the centre line's largest |X| over slot X0's pins. Both walk
// the pins, not the mesh; at a million vertices the seam of a sheet is a thousand pins, and
// a sheet lying in the plane X = 0 puts every vertex on it, the most X0 can pin.
#include <benchmark/benchmark.h>

#include <cmath>

#include "simhost/modeller/modelling_tools.h"
#include "simhost/modeller/pin_holding.h"
#include "simhost/modeller/workbench.h"

namespace {

// A sheet of about `vertices` vertices, the plug-in on, slot X0 recorded. With `inPlane`
// the sheet stands in the plane X = 0. With `moved`, every vertex was then moved along Y,
// which X0 leaves free, and no draw has come: the reasons walk every pin for one off its
// place and find none, the longest the walk can be.
struct PinnedSheet {
    PinnedSheet(int64_t vertices, bool inPlane, bool moved) : bench(STELMARIN_PLUGIN_FILE, "") {
        bench.Start();
        const auto side = static_cast<int>(std::lround(std::sqrt(static_cast<double>(vertices)))) - 1;
        simhost::Object &sheet = simhost::AddGrid(bench.document(), "sheet", side, side, 0.001f);
        if (inPlane) {
            for (int i = 0; i < sheet.VertexCount(); ++i)
                sheet.position(i) = {0.0f, sheet.position(i).y, sheet.position(i).x};
        }
        bench.Initialize();
        bench.Activate(true);
        bench.ClickSlot("X0", false, false);
        if (moved) {
            for (int i = 0; i < sheet.VertexCount(); ++i) sheet.position(i).y += 0.5f;
            bench.DocumentChanged();
        }
    }
    simhost::Workbench bench;
};

void PinStatus(benchmark::State &state, bool inPlane, bool moved) {
    PinnedSheet sheet(state.range(0), inPlane, moved);
    size_t reasons = 0;
    for (auto _ : state) {
        reasons = simhost::WhyPinsNotHeld(sheet.bench).size();
        benchmark::DoNotOptimize(sheet.bench.MeasureCentreLine());
    }
    state.counters["pins"] = static_cast<double>(sheet.bench.ledger().slots[0].PinCount());
    state.counters["reasons"] = static_cast<double>(reasons);
}

BENCHMARK_CAPTURE(PinStatus, seam, false, false)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PinStatus, in_plane, true, false)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(PinStatus, in_plane_moved, true, true)->Arg(1'000'000)->Unit(benchmark::kMicrosecond);

}  // namespace
