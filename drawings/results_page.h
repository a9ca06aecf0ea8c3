// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>
#include <functional>

#include "experiment_core/tally.h"

class QPainter;

namespace drawings {

// The words of a page of results, in the user's language.
struct PageWords {
    QString title;
    QString date;
    QString corner;       // of the table: rows are the large die, columns the small die
    QStringList faces;    // the headers, one to six
    QStringList summary;  // the number of experiments, of odd products, their ratio
};

// A row of boxed cells of the given widths from `topLeft`, each text centred.
void drawBoxedRow(QPainter& painter, QPoint topLeft, int height, const QList<int>& widths,
                  const QStringList& texts);

// What the table and the values of a page show: each pair's cell, the count and the odd count.
struct PageCounts {
    std::function<std::int64_t(int large, int small)> pair;
    std::int64_t experiments;
    std::int64_t odd;
};

// The title, the date, the table of face pairs with its headers and the three values from the
// top of `page`; returns the height they take. Sizes are hundredths of the page's width, so
// that the page looks the same on any paper.
int drawPageHead(QPainter& painter, const QRect& page, const PageWords& words,
                 const PageCounts& counts);

// One page of results for the printer or a PDF file: the title and the date, the table of face
// pairs with its headers, the three values, and the graph of the ratio, drawn by the graph
// window's own drawing at the page's resolution. `page` is in the painter's device pixels.
void drawResultsPage(QPainter& painter, const QRect& page, const experiment_core::Tally& tally,
                     const PageWords& words);

}  // namespace drawings
