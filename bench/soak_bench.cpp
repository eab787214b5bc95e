// A long run of the modeller's life cycle: the built plug-in module loaded once by the
// stand-in host, then started, switched on, its button looked at, switched off and closed,
// again and again, through the same user that scripts drive. What each cycle costs must
// not depend on how many came before it, in time or in memory.
#include <benchmark/benchmark.h>
#include <malloc.h>
#include <unistd.h>

#include <cstdint>
#include <cstdio>

#include "simhost/modeller/workbench.h"

namespace {

// Bytes of this process resident in memory.
double ResidentBytes() {
    long total = 0;
    long resident = 0;
    std::FILE *statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr) return 0;
    const int read = std::fscanf(statm, "%ld %ld", &total, &resident);
    std::fclose(statm);
    return read == 2 ? static_cast<double>(resident) * static_cast<double>(sysconf(_SC_PAGESIZE)) : 0;
}

// Bytes the allocator has handed out and not had back: what the host still holds.
double HeapBytes() { return static_cast<double>(mallinfo2().uordblks); }

void InitExitCycles(benchmark::State &state) {
    const int64_t cycles = state.range(0);
    simhost::Workbench user(STELMARIN_PLUGIN_FILE, "");
    user.Start();
    const double heapBefore = HeapBytes();
    const double residentBefore = ResidentBytes();
    for (auto _ : state) {
        for (int64_t cycle = 0; cycle < cycles; ++cycle) {
            user.Initialize();
            user.Activate(true);
            benchmark::DoNotOptimize(user.ButtonDown("X0"));
            user.Activate(false);
            user.Exit();
        }
    }
    if (!user.violations().empty() || user.widgets().LiveWidgets() != 0) {
        state.SkipWithError("the plug-in misbehaved or left widgets behind");
    }
    const double heapGrowth = HeapBytes() - heapBefore;
    state.counters["heap_growth_KiB"] = heapGrowth / 1024;
    state.counters["heap_B_per_cycle"] = heapGrowth / static_cast<double>(cycles);
    state.counters["rss_growth_KiB"] = (ResidentBytes() - residentBefore) / 1024;
    state.SetItemsProcessed(state.iterations() * cycles);
}

BENCHMARK(InitExitCycles)->Arg(1'000)->Arg(10'000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
