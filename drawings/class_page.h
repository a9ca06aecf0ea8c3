// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>

#include "drawings/class_graph.h"
#include "drawings/results_page.h"
#include "experiment_core/class_tally.h"

class QPainter;

namespace drawings {

// The words of a class's pages, in the user's language.
struct ClassPageWords {
    PageWords head;          // title, date, the table's corner and headers, the values
    QStringList pupilHeads;  // the pupils' table: pupil, experiments, odd products, ratio
    ClassGraphWords graph;
};

// A class's results for the printer or a PDF file: the title and the date, the class's table
// and values, the graph of the pooled ratio, then the table of pupils, continued on as many
// further pages as it needs (each starting with its headers). `page` is the area inside the
// margins, in the painter's device pixels.
void drawClassPages(QPainter& painter, const QRect& page, const experiment_core::ClassTally& tally,
                    const ClassPageWords& words);

}  // namespace drawings
