// SPDX-License-Identifier: GPL-3.0-or-later
// A class's files pooled in the class view, and its graph repainted, offscreen.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>
#include <random>

#include "bench_window.h"
#include "class_window/class_window.h"
#include "experiment_core/number_text.h"

namespace {

// Pupil files of `throws` throws each, as the program saves them, from a seeded generator.
QStringList writeClass(const QTemporaryDir& folder, int pupils, int throws) {
    std::mt19937 faces(2026);  // NOLINT(cert-msc32-c,cert-msc51-cpp): the same class each time
    std::uniform_int_distribution<int> face(1, 6);
    QStringList files;
    for (int pupil = 1; pupil <= pupils; ++pupil) {
        files << folder.filePath(QStringLiteral("pupil-%1.csv").arg(pupil));
        std::ofstream file(files.last().toStdString(), std::ios::binary);
        file << "experiment,large,small,odd,odd_so_far,ratio\r\n";
        std::int64_t odd = 0;
        for (int n = 1; n <= throws; ++n) {
            const int large = face(faces);
            const int small = face(faces);
            const int oddHere = large % 2 * (small % 2);
            odd += oddHere;
            file << n << ',' << large << ',' << small << ',' << oddHere << ',' << odd << ','
                 << experiment_core::ratioText(odd, n) << "\r\n";
        }
    }
    return files;
}

// The resident memory of the process, in bytes.
double residentBytes() {
    std::ifstream statm("/proc/self/statm");
    double pages = 0;
    double resident = 0;
    statm >> pages >> resident;
    return resident * 4096;
}

// Opening the files and drawing the view with its graph, from nothing, at the window's size.
void openClass(benchmark::State& state, int pupils, int throws) {
    const QTemporaryDir folder;
    const QStringList files = writeClass(folder, pupils, throws);
    double grown = 0;
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        const double before = residentBytes();
        ClassWindow window(benchTakeAway());
        window.showFiles(files);
        window.show();
        QImage picture(window.size(), QImage::Format_RGB32);
        window.render(&picture);
        grown = std::max(grown, residentBytes() - before);
        if (window.tally().experimentCount() != std::int64_t{pupils} * throws) {
            state.SkipWithError("the files were not pooled");
        }
    }
    state.counters["MB more memory"] = grown / 1e6;
}

void BM_FortyPupilsOfAThousandThrows(benchmark::State& state) {
    openClass(state, 40, 1000);
}

void BM_AThousandPupilsOfAThousandThrows(benchmark::State& state) {
    openClass(state, 1000, 1000);
}

// The graph of one file of a million throws, painted again.
void BM_GraphOfAMillionThrowsRepainted(benchmark::State& state) {
    const QTemporaryDir folder;
    ClassWindow window(benchTakeAway());
    window.showFiles(writeClass(folder, 1, 1'000'000));
    window.show();
    auto* graph = window.findChild<QWidget*>(QStringLiteral("graph"));
    QImage picture(graph->size(), QImage::Format_RGB32);
    for (auto _ : state) {  // NOLINT(clang-analyzer-deadcode.DeadStores)
        graph->render(&picture);
    }
    state.counters["columns"] = graph->width();
}

BENCHMARK(BM_FortyPupilsOfAThousandThrows)->Unit(benchmark::kMillisecond)->Repetitions(5);
BENCHMARK(BM_AThousandPupilsOfAThousandThrows)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(1)
    ->Repetitions(3);
BENCHMARK(BM_GraphOfAMillionThrowsRepainted)->Unit(benchmark::kMillisecond)->Repetitions(5);

}  // namespace

int main(int argc, char* argv[]) {
    return runBenchmarks(argc, argv);
}
