// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QStringList>

#include "tally.h"

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

// One page of results for the printer or a PDF file: the title and the date, the table of face
// pairs with its headers, the three values, and the graph of the ratio, drawn by the graph
// window's own drawing at the page's resolution. `page` is in the painter's device pixels.
void drawResultsPage(QPainter& painter, const QRect& page, const experiment::Tally& tally,
                     const PageWords& words);

}  // namespace drawings
