// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QRect>
#include <QString>

#include "experiment_core/class_tally.h"

class QPainter;

namespace drawings {

// The colours of the class's pooled ratio and of each pupil's own.
inline const QColor kPooledColour(0, 0, 255);
inline const QColor kPupilColour(230, 110, 0);

// The titles of the class graph's axes, in the user's language.
struct ClassGraphWords {
    QString horizontal;
    QString vertical;
};

// Where the ratios lie inside a class graph drawn in `area`: ratio 1 on the top row, 0 on
// the bottom one, one pixel column for each column of experiments. `unit` is the height of
// a line of the axes' text.
QRect classPlotArea(const QRect& area, int unit);

// The row of the plot area where a ratio lies.
int ratioRow(const QRect& plot, double ratio);

// The class's pooled ratio against every pooled experiment, in the order the pupils were
// added, with the dashed line at 1/4 and, over the line, a point for each pupil's own ratio
// where their experiments end. Where there are more experiments than pixel columns, each column is
// drawn from the lowest to the highest ratio of the experiments it holds, so that no point is lost;
// otherwise every point is set and joined to the next. The axis of experiments runs to the
// count, with round ticks. `lineWidth` is in the painter's device pixels.
void drawClassGraph(QPainter& painter, const QRect& area, const experiment_core::ClassTally& tally,
                    const ClassGraphWords& words, qreal lineWidth);

}  // namespace drawings
