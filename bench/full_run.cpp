// SPDX-License-Identifier: GPL-3.0-or-later
// Runs one automatic run from zero in real time and prints how long it took: 1000 recorded
// experiments and the finishing tick should take 1001 intervals of 100 ms.
#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <cstdio>

#include "bench_window.h"

int main(int argc, char* argv[]) {
    useOffscreenByDefault();
    QApplication app(argc, argv);
    const auto window = makeBenchWindow();
    window->show();
    QApplication::processEvents();
    auto* run = window->session()->timer(main_window::Timer::Run);

    QElapsedTimer elapsed;
    QTimer watch;
    QObject::connect(&watch, &QTimer::timeout, &app, [&] {
        if (!run->isActive()) {
            QCoreApplication::exit(0);
        }
    });
    elapsed.start();
    window->session()->startRun();
    watch.start(5);
    QApplication::exec();
    const double seconds = static_cast<double>(elapsed.nsecsElapsed()) / 1e9;
    std::printf("Full automatic run: %d experiments in %.2f s (1001 ticks of 100 ms: 100.10 s)\n",
                window->session()->tally().record().experimentCount, seconds);
    return window->session()->tally().record().experimentCount == experiment_core::kExperimentLimit
               ? 0
               : 1;
}
