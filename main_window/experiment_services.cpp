// SPDX-License-Identifier: GPL-3.0-or-later
#include "experiment_services.h"

#include <QCoreApplication>

#include "mixing_generator.h"
#include "system_clock.h"

ExperimentServices systemServices() {
    return {std::make_unique<platform::SystemClock>(),
            std::make_unique<experiment::MixingGenerator>(),
            std::make_unique<sound::ModuleSoundControl>(),
            std::make_unique<platform::MessageNoticeBox>(),
            std::make_unique<take_away::SystemClipboard>(),
            std::make_unique<take_away::SystemFileDialog>(),
            std::make_unique<platform::AccessibleAnnouncer>(),
            [] { QCoreApplication::exit(0); }};
}
