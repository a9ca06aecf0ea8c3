// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace platform {

// The widget reads as a graphic to a screen reader (a picture or a canvas), with its
// accessible name and description.
void presentAsGraphic(QWidget* widget);

}  // namespace platform
