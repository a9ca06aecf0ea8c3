// SPDX-License-Identifier: GPL-3.0-or-later
#include "bench_window.h"

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QtGlobal>

#include "experiment_core/mixing_generator.h"
#include "platform/system_clock.h"

namespace {

class SilentSound final : public sound::SoundControl {
public:
    void stop() override {}
    void close() override {}
    void setFileName(const QString& /*fileName*/) override {}
    void open() override {}
    void sound() override {}
};

class SilentNotice final : public platform::NoticeBox {
public:
    void inform(QWidget* /*owner*/, const QString& /*title*/, const QString& /*text*/) override {}
    bool ask(QWidget* /*owner*/, const QString& /*title*/, const QString& /*text*/) override {
        return true;
    }
};

// Chooses the same files to open every time; saves nowhere.
class ChosenFiles final : public take_away::FileDialog {
public:
    explicit ChosenFiles(QStringList files) : files_(std::move(files)) {}
    QString chooseSave(QWidget* /*owner*/, const QString& /*title*/, const QString& /*name*/,
                       const QString& /*filter*/) override {
        return {};
    }
    QStringList chooseOpen(QWidget* /*owner*/, const QString& /*title*/,
                           const QString& /*filter*/) override {
        return files_;
    }
    void used(const QString& /*path*/) override {}

private:
    QStringList files_;
};

}  // namespace

std::unique_ptr<ExperimentWindow> makeBenchWindow(const QStringList& filesToOpen) {
    return std::make_unique<ExperimentWindow>(ExperimentServices{
        std::make_unique<platform::SystemClock>(),
        std::make_unique<experiment_core::MixingGenerator>(), std::make_unique<SilentSound>(),
        std::make_unique<SilentNotice>(), std::make_unique<take_away::SystemClipboard>(),
        std::make_unique<ChosenFiles>(filesToOpen),
        std::make_unique<platform::AccessibleAnnouncer>(), [] {}});
}

take_away::TakeAway benchTakeAway() {
    static take_away::SystemClipboard clipboard;
    static ChosenFiles dialog({});
    static SilentNotice notice;
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
