// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <memory>

#include "experiment_core/die.h"
#include "platform/announcer.h"
#include "platform/notice_box.h"
#include "sound/sound_control.h"
#include "take_away/take_away.h"

// What the experiment window takes from the world outside it; tests hand in their own.
struct ExperimentServices {
    std::unique_ptr<experiment_core::Clock> clock;
    std::unique_ptr<experiment_core::RandomSource> random;
    std::unique_ptr<sound::SoundControl> sound;
    std::unique_ptr<platform::NoticeBox> notice;
    std::unique_ptr<take_away::Clipboard> clipboard;
    std::unique_ptr<take_away::FileDialog> fileDialog;
    std::unique_ptr<platform::Announcer> announcer;
    // Ends the program; nothing of it runs afterwards.
    std::function<void()> endProgram;
};

// The real clock, generator, sound, notice, clipboard, file dialog and end of the program.
ExperimentServices systemServices();
