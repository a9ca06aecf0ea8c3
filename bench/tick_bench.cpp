// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTimer>

#include "bench_window.h"
#include "graph_window.h"

namespace {

// Starts the window's run again once it has reached the limit, outside the timing.
void restartAtTheLimit(benchmark::State& state, ExperimentWindow& form) {
    if (form.record().experimentCount >= experiment::kExperimentLimit) {
        state.PauseTiming();
        form.startAfresh();
        form.startRun();
        form.findChild<QTimer*>(QStringLiteral("Timer3"))->stop();
        state.ResumeTiming();
    }
}

void automaticTick(benchmark::State& state, bool repaint) {
    const auto form = makeBenchWindow();
    form->show();
    QApplication::processEvents();
    form->startRun();
    // The benchmark drives the ticks itself.
    form->findChild<QTimer*>(QStringLiteral("Timer3"))->stop();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        form->runStep();
        if (repaint) {
            form->repaint();
        }
        restartAtTheLimit(state, *form);
    }
}

void BM_AutomaticTickHandler(benchmark::State& state) {
    automaticTick(state, false);
}
void BM_AutomaticTickWithRepaint(benchmark::State& state) {
    automaticTick(state, true);
}

void BM_ManualRecordWithRepaint(benchmark::State& state) {
    const auto form = makeBenchWindow();
    form->show();
    QApplication::processEvents();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        form->throwDice();
        form->rollLargeDie();
        form->rollSmallDie();
        form->stopDice();
        form->repaint();
        restartAtTheLimit(state, *form);
    }
}

void BM_GraphOfAThousandExperiments(benchmark::State& state) {
    experiment::ExperimentRecord shared;
    shared.experimentCount = experiment::kExperimentLimit;
    for (int n = 1; n <= experiment::kExperimentLimit; ++n) {
        shared.ratioHistory.at(n) = static_cast<float>((n * 7919) % 1000) / 1000.0F;
    }
    platform::ActivationTracker tracker;
    GraphWindow graph(shared, tracker, benchTakeAway());
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
