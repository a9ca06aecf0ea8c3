// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "experiment_window.h"

// The experiment window with the real clock and generator, and silent sound and notice.
std::unique_ptr<ExperimentWindow> makeBenchWindow();

// Clipboard, file dialog and a silent notice for a graph window.
take_away::TakeAway benchTakeAway();

// Offscreen unless the caller chose a platform.
void useOffscreenByDefault();
