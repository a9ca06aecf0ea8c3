#pragma once

#include <memory>

#include "form1.h"

// The experiment window with the real clock and generator, and silent sound and notice.
std::unique_ptr<Form1> makeBenchWindow();

// Offscreen unless the caller chose a platform.
void useOffscreenByDefault();
