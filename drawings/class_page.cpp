// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/class_page.h"
#include "experiment_core/shown_numbers.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "experiment_core/number_text.h"
#include "platform/fonts.h"

namespace drawings {

void drawClassPages(QPainter& painter, const QRect& page, const experiment_core::ClassTally& tally,
                    const ClassPageWords& words) {
    const auto part = [&page](double hundredths) {
        return static_cast<int>(page.width() * hundredths / 100);
    };
    int top =
        page.top() +
        drawPageHead(painter, page, words.head,
                     {[&tally](int large, int small) { return tally.pairCount(large, small); },
                      tally.experimentCount(), tally.oddCount()});
    painter.save();
    painter.setPen(QPen(Qt::black, part(0.15)));
    painter.setFont(platform::designFont(9));
    const QRect graph(page.left(), top, page.width(), part(45));
    painter.drawRect(graph);
    // Lines as wide on paper as a pixel on a screen of 96 dots an inch.
    drawClassGraph(painter, graph, tally, words.graph, painter.device()->logicalDpiX() / 96.0);
    top = graph.bottom() + part(4);

    // The pupils' table, row by row, onto a new page (headers first) where a row would not fit.
    const int rowHeight = part(3.6);
    const QList<int> widths = {part(46), part(18), part(18), part(18)};
    painter.setFont(platform::designFont(10));
    auto* paged = dynamic_cast<QPagedPaintDevice*>(painter.device());
    const auto drawHeads = [&] {
        painter.save();
        painter.setFont(platform::designFont(10, true));
        drawBoxedRow(painter, {page.left(), top}, rowHeight, widths, words.pupilHeads);
        painter.restore();
        top += rowHeight;
    };
    drawHeads();
    for (const experiment_core::Pupil& pupil : tally.pupils()) {
        if (top + rowHeight > page.bottom()) {
            if (paged == nullptr || !paged->newPage()) {
                break;
            }
            top = page.top();
            drawHeads();
        }
        drawBoxedRow(
            painter, {page.left(), top}, rowHeight, widths,
            {QString::fromStdString(pupil.name), experiment_core::shownCount(pupil.experiments),
             experiment_core::shownCount(pupil.oddCount),
             experiment_core::shownRatio(pupil.oddCount, pupil.experiments)});
        top += rowHeight;
    }
    painter.restore();
}

}  // namespace drawings
