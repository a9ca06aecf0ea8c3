// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <memory>

#include "main_window/experiment_window.h"

// The experiment window with the real clock and generator, silent sound and notice (which
// answers Yes), and a file dialog that opens `filesToOpen` and saves nowhere.
std::unique_ptr<ExperimentWindow> makeBenchWindow(const QStringList& filesToOpen = {});

// Clipboard, a file dialog that chooses nothing and a silent notice for a graph window.
take_away::TakeAway benchTakeAway();

// Offscreen unless the caller chose a platform.
void useOffscreenByDefault();

// Runs the benchmarks the program registered, in a Qt Widgets application (offscreen unless
// the caller chose a platform).
int runBenchmarks(int argc, char* argv[]);
