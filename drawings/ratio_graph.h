// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>

#include "experiment_core/experiment_record.h"

class QPainter;

namespace drawings {

// The scale of the canvas: 1100 units across, 120 down.
inline constexpr double kUnitsAcross = 1100.0;
inline constexpr double kUnitsDown = 120.0;

// Height in units of a ratio: 110 at 0, 10 at 1. The product is formed in double from the
// stored float, so a ratio stored just below 0.29 lands at 82, not 81.
int ratioY(float ratio);

// Draws the frame, the scale, the dashed line at 1/4 and the ratio history of experiments 1
// to the count over whatever the painter's device already shows. `inner` is the canvas's
// inner area in logical pixels; lines and points are `lineWidth` device pixels wide.
void drawRatioGraph(QPainter& painter, QSize inner, const experiment_core::ExperimentRecord& record,
                    qreal lineWidth);

}  // namespace drawings
