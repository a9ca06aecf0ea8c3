#pragma once

#include "form1_layout.h"

class QWidget;

namespace form1 {

// Creates the controls of the table as children of the window (timers must already exist as
// children under their names: they are configured, not created).
void buildControls(QWidget* window, const std::vector<Control>& table);

}  // namespace form1
