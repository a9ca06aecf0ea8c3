// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include "bench_window.h"
#include "graph_window.h"

namespace {

// Starts the window's run again once it has reached the limit, outside the timing.
void restartAtTheLimit(benchmark::State& state, ExperimentWindow& window) {
    if (window.tally().record().experimentCount >= experiment::kExperimentLimit) {
        state.PauseTiming();
        window.startAfresh();
        window.startRun();
        window.timer(controls::Timer::Run)->stop();
        state.ResumeTiming();
    }
}

void automaticTick(benchmark::State& state, bool repaint) {
    const auto window = makeBenchWindow();
    window->show();
    QApplication::processEvents();
    window->startRun();
    // The benchmark drives the ticks itself.
    window->timer(controls::Timer::Run)->stop();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        window->runStep();
        if (repaint) {
            window->repaint();
        }
        restartAtTheLimit(state, *window);
    }
}

void BM_AutomaticTickHandler(benchmark::State& state) {
    automaticTick(state, false);
}
void BM_AutomaticTickWithRepaint(benchmark::State& state) {
    automaticTick(state, true);
}

void BM_ManualRecordWithRepaint(benchmark::State& state) {
    const auto window = makeBenchWindow();
    window->show();
    QApplication::processEvents();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        window->throwDice();
        window->rollLargeDie();
        window->rollSmallDie();
        window->stopDice();
        window->repaint();
        restartAtTheLimit(state, *window);
    }
}

void BM_GraphOfAThousandExperiments(benchmark::State& state) {
    experiment::Tally tally;
    for (int n = 1; n <= experiment::kExperimentLimit; ++n) {
        tally.record(static_cast<std::int16_t>(n % 6 + 1),
                     static_cast<std::int16_t>(n * 7 % 6 + 1));
    }
    platform::ActivationTracker tracker;
    GraphWindow graph(tally, tracker, benchTakeAway());
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        graph.onActivated();
    }
}

BENCHMARK(BM_AutomaticTickHandler)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_AutomaticTickWithRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_ManualRecordWithRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_GraphOfAThousandExperiments)->Unit(benchmark::kMicrosecond)->Repetitions(5);

}  // namespace

int main(int argc, char* argv[]) {
    useOffscreenByDefault();
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
