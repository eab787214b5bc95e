// Brushes and undo at production scale, through the session runner as the studio drives
// it: a brush sample on a sheet of a million vertices, and an undo and a redo of a
// smoothing of all of it, beside the smoothing itself with and without its history.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <filesystem>
#include <memory>
#include <sstream>
#include <string>

#include "simhost/language/session_script.h"
#include "simhost/modeller/edit_history.h"
#include "simhost/modeller/modelling_tools.h"
#include "simhost/modeller/workbench.h"

namespace {

namespace fs = std::filesystem;

// A session with the built plug-in, in a folder of its own, on a sheet of `side` by
// `side` quads with its seam pinned by X0.
class Sheet {
public:
    explicit Sheet(int side) {
        dir_ = fs::temp_directory_path() / ("stelmarin-sculpt-bench-" + std::to_string(getpid()));
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        settings_.pluginPath = STELMARIN_PLUGIN_FILE;
        settings_.settingsFile = (dir_ / "settings.xml").string();
        settings_.outDir = (dir_ / "out").string();
        settings_.quiet = true;
        runner_ = std::make_unique<simhost::ScriptRunner>(settings_, transcript_);
        for (const std::string &line :
             {std::string("init"), std::string("activate"),
              "make grid sheet " + std::to_string(side) + " " + std::to_string(side) + " 0.002",
              std::string("click X0"), std::string("draw")}) {
            if (!Line(line)) return;
        }
    }
    ~Sheet() {
        runner_.reset();
        std::error_code ignored;
        fs::remove_all(dir_, ignored);
    }

    // Runs a line; false, with the reason kept, when it did not pass.
    bool Line(const std::string &line) {
        if (!fault_.empty()) return false;
        if (runner_->RunLine(line, "bench") != simhost::StepResult::Ok) fault_ = line + ": " + transcript_.str();
        return fault_.empty();
    }
    const std::string &fault() const { return fault_; }
    simhost::ScriptRunner &runner() { return *runner_; }

private:
    fs::path dir_;
    simhost::ScriptSettings settings_;
    std::ostringstream transcript_;
    std::unique_ptr<simhost::ScriptRunner> runner_;
    std::string fault_;
};

// One sample of each brush, inside an open stroke, and the draw after it, as the studio
// runs them; the centre sweeps back and forth over the seam. range(0): 0 grab, 1 smooth,
// 2 inflate.
void BrushSampleAtAMillion(benchmark::State &state) {
    Sheet sheet(1000);
    const char *kinds[] = {"grab", "smooth", "inflate"};
    const std::string kind = kinds[state.range(0)];
    if (!sheet.Line("stroke begin")) {
        state.SkipWithError(sheet.fault().c_str());
        return;
    }
    int sample = 0;
    for (auto _ : state) {
        const double x = 0.05 * ((sample % 20) - 10) / 10.0;
        const std::string drag = sample % 2 == 0 ? "0.001 0 0.002" : "-0.001 0 -0.002";
        ++sample;
        if (!sheet.Line("brush " + kind + " " + std::to_string(x) + " 1 0 " + drag + " 0.05 0.5") ||
            !sheet.Line("draw")) {
            state.SkipWithError(sheet.fault().c_str());
            break;
        }
    }
    sheet.Line("stroke end");
    state.SetLabel(kind + ", radius 0.05: about 2 000 vertices");
}

// A smoothing of every vertex, as a command of the session: what the history adds to it
// (the state before, the comparison after, the step kept) is the difference from the bare
// tool below.
void SmoothAllWithItsHistory(benchmark::State &state) {
    Sheet sheet(1000);
    // On a flat sheet smoothing moves only the rim: roughened first, it moves every vertex.
    if (!sheet.Line("jitter 0.001 1 all")) {
        state.SkipWithError(sheet.fault().c_str());
        return;
    }
    for (auto _ : state) {
        if (!sheet.Line("smooth 1 all")) {
            state.SkipWithError(sheet.fault().c_str());
            break;
        }
    }
    state.counters["history_MB"] = static_cast<double>(sheet.runner().history().Bytes()) / static_cast<double>(1 << 20);
}

void SmoothAllBare(benchmark::State &state) {
    Sheet sheet(1000);
    if (!sheet.Line("jitter 0.001 1 all")) {
        state.SkipWithError(sheet.fault().c_str());
        return;
    }
    simhost::Object &object = *sheet.runner().bench().document().ObjectAt(0);
    for (auto _ : state) simhost::Smooth(object, 1, simhost::Scope::All);
}

// Undo and redo of one smoothing of all million vertices, in turn: each iteration is
// one of them. The draw after them is not included; the draw benchmarks measure it.
void UndoRedoSmoothAtAMillion(benchmark::State &state) {
    Sheet sheet(1000);
    if (!sheet.Line("jitter 0.001 1 all") || !sheet.Line("smooth 1 all")) {
        state.SkipWithError(sheet.fault().c_str());
        return;
    }
    bool undo = true;
    for (auto _ : state) {
        if (!sheet.Line(undo ? "undo" : "redo")) {
            state.SkipWithError(sheet.fault().c_str());
            break;
        }
        undo = !undo;
    }
    state.counters["history_MB"] = static_cast<double>(sheet.runner().history().Bytes()) / static_cast<double>(1 << 20);
}

BENCHMARK(BrushSampleAtAMillion)->DenseRange(0, 2)->Unit(benchmark::kMillisecond);
BENCHMARK(SmoothAllWithItsHistory)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(SmoothAllBare)->Iterations(10)->Unit(benchmark::kMillisecond);
BENCHMARK(UndoRedoSmoothAtAMillion)->Iterations(20)->Unit(benchmark::kMillisecond);

}  // namespace
