// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QtGlobal>

#include "doubles/desktop_doubles.h"
#include "experiment_core/mixing_generator.h"
#include "platform/system_clock.h"

namespace {

// The file dialog answers with the files to open, the notice at once (Yes), and the chimes
// are only noted: the benchmarks measure the program, not the desktop.
std::unique_ptr<AnsweringFileDialog> choosing(const QStringList& files) {
    auto dialog = std::make_unique<AnsweringFileDialog>();
    dialog->opened = files;
    return dialog;
}

}  // namespace

std::unique_ptr<ExperimentWindow> makeBenchWindow(const QStringList& filesToOpen) {
    return std::make_unique<ExperimentWindow>(ExperimentServices{
        std::make_unique<platform::SystemClock>(),
        std::make_unique<experiment_core::MixingGenerator>(), std::make_unique<RecordingSound>(),
        std::make_unique<AnsweringNotice>(), std::make_unique<take_away::SystemClipboard>(),
        choosing(filesToOpen), std::make_unique<platform::AccessibleAnnouncer>(), [] {}});
}

take_away::TakeAway benchTakeAway() {
    static take_away::SystemClipboard clipboard;
    static AnsweringFileDialog dialog;
    static AnsweringNotice notice;
    return {clipboard, dialog, notice};
}

void useOffscreenByDefault() {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
}

int runBenchmarks(int argc, char* argv[]) {
    useOffscreenByDefault();
    const QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
