// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include "bench_window.h"
#include "experiment_core/results_text.h"
#include "graph_window/graph_window.h"
#include "main_window/experiment_results.h"

namespace {

// Starts the window's run again once it has reached the limit, outside the timing.
void restartAtTheLimit(benchmark::State& state, ExperimentWindow& window) {
    if (window.session()->tally().record().experimentCount >= experiment_core::kExperimentLimit) {
        state.PauseTiming();
        window.startAfresh();
        window.session()->startRun();
        window.session()->timer(main_window::Timer::Run)->stop();
        state.ResumeTiming();
    }
}

void automaticTick(benchmark::State& state, bool repaint) {
    const auto window = makeBenchWindow();
    window->show();
    QApplication::processEvents();
    window->session()->startRun();
    // The benchmark drives the ticks itself.
    window->session()->timer(main_window::Timer::Run)->stop();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        window->session()->runStep();
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
        window->session()->throwDice();
        window->session()->rollDie(experiment_core::Die::Large);
        window->session()->rollDie(experiment_core::Die::Small);
        window->session()->stopDice();
        window->repaint();
        restartAtTheLimit(state, *window);
    }
}

void BM_GraphOfAThousandExperiments(benchmark::State& state) {
    experiment_core::Tally tally;
    for (int n = 1; n <= experiment_core::kExperimentLimit; ++n) {
        tally.addThrow(static_cast<std::int16_t>(n % 6 + 1),
                       static_cast<std::int16_t>(n * 7 % 6 + 1));
    }
    platform::ActivationTracker tracker;
    GraphWindow graph(
        tally, tracker, benchTakeAway(), [] { return take_away::Document{}; }, [](QWidget*) {});
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        graph.onActivated();
    }
}

// A class pools its throws: 30 files of 1000 throws opened at once, from reading the files
// to the window showing the pooled tally. The window does nothing else meanwhile.
void BM_OpenThirtyFilesOfAThousandThrows(benchmark::State& state) {
    QTemporaryDir folder;
    QStringList files;
    for (int pupil = 1; pupil <= 30; ++pupil) {
        const auto window = makeBenchWindow();
        for (int n = 0; n < experiment_core::kExperimentLimit; ++n) {
            window->session()->throwDice();
            window->session()->stopDice();
        }
        files << folder.filePath(QStringLiteral("pupil-%1.csv").arg(pupil));
        QFile file(files.last());
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(QByteArray::fromStdString(
                experiment_core::throwsCsv(window->session()->tally()))) < 0) {
            state.SkipWithError("cannot write the files");
            return;
        }
    }
    const auto window = makeBenchWindow(files);
    window->show();
    QApplication::processEvents();
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        window->results()->openThrows();
        window->repaint();
    }
    if (window->session()->tally().record().experimentCount !=
        30 * experiment_core::kExperimentLimit) {
        state.SkipWithError("the files were not pooled");
    }
}

BENCHMARK(BM_AutomaticTickHandler)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_AutomaticTickWithRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_ManualRecordWithRepaint)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_GraphOfAThousandExperiments)->Unit(benchmark::kMicrosecond)->Repetitions(5);
BENCHMARK(BM_OpenThirtyFilesOfAThousandThrows)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char* argv[]) {
    return runBenchmarks(argc, argv);
}
