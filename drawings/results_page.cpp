// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/results_page.h"
#include "experiment_core/shown_numbers.h"

#include <QPainter>

#include "drawings/ratio_graph.h"
#include "experiment_core/number_text.h"
#include "platform/fonts.h"

namespace drawings {

namespace {

// A row of boxed cells, the first `first` wide, the others twice as wide as high.
void drawRow(QPainter& painter, const QRect& cell, int first, const QStringList& texts) {
    QList<int> widths(texts.size(), cell.height() * 2);
    widths.front() = first;
    drawBoxedRow(painter, cell.topLeft(), cell.height(), widths, texts);
}

}  // namespace

void drawBoxedRow(QPainter& painter, QPoint topLeft, int height, const QList<int>& widths,
                  const QStringList& texts) {
    QRect cell(topLeft, QSize(0, height));
    for (int i = 0; i < texts.size(); ++i) {
        cell.setWidth(widths.value(i));
        painter.drawRect(cell);
        painter.drawText(cell, Qt::AlignCenter, texts.at(i));
        cell.translate(cell.width(), 0);
    }
}

int drawPageHead(QPainter& painter, const QRect& page, const PageWords& words,
                 const PageCounts& counts) {
    const auto part = [&page](double hundredths) {
        return static_cast<int>(page.width() * hundredths / 100);
    };
    painter.save();
    painter.setPen(QPen(Qt::black, part(0.15)));
    int top = page.top();
    painter.setFont(platform::designFont(18, true));
    painter.drawText(QRect(page.left(), top, page.width(), part(6)), Qt::AlignLeft, words.title);
    top += part(7);
    painter.setFont(platform::designFont(11));
    painter.drawText(QRect(page.left(), top, page.width(), part(4)), Qt::AlignLeft, words.date);
    top += part(7);

    // The table: a row of headers, then a row for each face of the large die.
    const int rowHeight = part(5);
    const QRect firstCell(page.left(), top, part(20), rowHeight);
    painter.setFont(platform::designFont(11, true));
    drawRow(painter, firstCell, part(20), QStringList{words.corner} + words.faces);
    painter.setFont(platform::designFont(12));
    for (int large = 1; large <= experiment_core::kFaces; ++large) {
        QStringList row = {words.faces.value(large - 1)};
        for (int small = 1; small <= experiment_core::kFaces; ++small) {
            row << experiment_core::shownCount(counts.pair(large, small));
        }
        drawRow(painter, firstCell.translated(0, rowHeight * large), part(20), row);
    }
    top += rowHeight * 8;

    const QStringList values = {experiment_core::shownCount(counts.experiments),
                                experiment_core::shownCount(counts.odd),
                                experiment_core::shownRatio(counts.odd, counts.experiments)};
    for (int i = 0; i < values.size(); ++i) {
        drawRow(painter, QRect(page.left(), top, part(40), rowHeight), part(40),
                {words.summary.value(i), values.at(i)});
        top += rowHeight;
    }
    painter.restore();
    return top + rowHeight - page.top();
}

void drawResultsPage(QPainter& painter, const QRect& page, const experiment_core::Tally& tally,
                     const PageWords& words) {
    const experiment_core::ExperimentRecord& record = tally.record();
    const int top =
        page.top() + drawPageHead(painter, page, words,
                                  {[&tally](int large, int small) {
                                       return std::int64_t{tally.pairCount(large, small)};
                                   },
                                   record.experimentCount, record.oddCount});
    painter.save();
    painter.setPen(QPen(Qt::black, static_cast<int>(page.width() * 0.15 / 100)));
    // The graph, as wide as the page and as high as its canvas is for its width.
    const QSize graph(page.width(), page.width() * 317 / 629);
    painter.drawRect(QRect(QPoint(page.left(), top), graph));
    painter.translate(page.left(), top);
    // Lines as wide on paper as a pixel on a screen of 96 dots an inch.
    drawRatioGraph(painter, graph, record, painter.device()->logicalDpiX() / 96.0);
    painter.restore();
}

}  // namespace drawings
