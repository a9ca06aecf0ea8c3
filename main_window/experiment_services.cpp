// SPDX-License-Identifier: GPL-3.0-or-later
#include "main_window/experiment_services.h"

#include <QCoreApplication>

#include "experiment_core/mixing_generator.h"
#include "platform/system_clock.h"

ExperimentServices systemServices() {
    return {std::make_unique<platform::SystemClock>(),
            std::make_unique<experiment_core::MixingGenerator>(),
            std::make_unique<sound::ModuleSoundControl>(),
            std::make_unique<platform::MessageNoticeBox>(),
            std::make_unique<take_away::SystemClipboard>(),
            std::make_unique<take_away::SystemFileDialog>(),
            std::make_unique<platform::AccessibleAnnouncer>(),
            [] { QCoreApplication::exit(0); }};
}
