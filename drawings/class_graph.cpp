// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/class_graph.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

namespace drawings {

namespace {

// A round step between ticks (1, 2 or 5 times a power of ten) that gives at most six of them.
std::int64_t tickStep(std::int64_t count) {
    for (std::int64_t power = 1;; power *= 10) {
        for (const std::int64_t step : {power, 2 * power, 5 * power}) {
            if (count / step <= 6) {
                return step;
            }
        }
    }
}

// The plot's columns, each `thickness` device pixels wide: a line on paper is as wide as a
// pixel on a screen.
struct Columns {
    QRect plot;
    int thickness = 1;
    [[nodiscard]] int count() const { return plot.width() / thickness; }
    // The left edge of the column of experiment n, as the tally's ratio columns count them.
    [[nodiscard]] int of(std::int64_t n, std::int64_t experiments) const {
        return plot.left() + static_cast<int>((n - 1) * count() / experiments) * thickness;
    }
};

void drawAxes(QPainter& painter, const QRect& plot, std::int64_t count,
              const ClassGraphWords& words, int unit) {
    painter.drawLine(plot.left() - 1, plot.top(), plot.left() - 1, plot.bottom() + 1);
    painter.drawLine(plot.left() - 1, plot.bottom() + 1, plot.right(), plot.bottom() + 1);
    for (int quarter = 0; quarter <= 4; ++quarter) {
        const int y = ratioRow(plot, quarter / 4.0);
        painter.drawLine(plot.left() - unit / 3, y, plot.left() - 1, y);
        painter.drawText(QRect(plot.left() - 4 * unit, y - unit, 3 * unit + unit / 2, 2 * unit),
                         Qt::AlignRight | Qt::AlignVCenter, QString::number(quarter / 4.0, 'f', 2));
    }
    const std::int64_t step = tickStep(std::max<std::int64_t>(count, 1));
    for (std::int64_t tick = 0; tick <= count; tick += step) {
        const int x = plot.left() - 1 +
                      static_cast<int>(tick * plot.width() / std::max<std::int64_t>(count, 1));
        painter.drawLine(x, plot.bottom() + 1, x, plot.bottom() + unit / 3);
        painter.drawText(QRect(x - 3 * unit, plot.bottom() + unit / 2, 6 * unit, unit),
                         Qt::AlignHCenter | Qt::AlignTop, QString::number(tick));
    }
    painter.drawText(QRect(plot.left(), plot.bottom() + 2 * unit, plot.width(), unit),
                     Qt::AlignHCenter | Qt::AlignTop, words.horizontal);
    painter.drawText(QRect(plot.left(), plot.top() - 2 * unit, plot.width(), unit),
                     Qt::AlignLeft | Qt::AlignTop, words.vertical);
    QPen dashed = painter.pen();
    dashed.setStyle(Qt::DashLine);
    painter.save();
    painter.setPen(dashed);
    const int quarterRow = ratioRow(plot, 0.25);
    painter.drawLine(plot.left(), quarterRow, plot.right(), quarterRow);
    painter.restore();
}

void drawPupils(QPainter& painter, const Columns& columns,
                const experiment_core::ClassTally& tally) {
    const std::vector<std::int64_t> ends = tally.pupilEnds();
    painter.save();
    painter.setPen(Qt::NoPen);
    painter.setBrush(kPupilColour);
    for (std::size_t i = 0; i < ends.size(); ++i) {
        const experiment_core::Pupil& pupil = tally.pupils().at(i);
        const double ratio =
            static_cast<double>(pupil.oddCount) / static_cast<double>(pupil.experiments);
        const qreal middle = columns.thickness / 2.0;
        painter.drawEllipse(QPointF(columns.of(ends.at(i), tally.experimentCount()) + middle,
                                    ratioRow(columns.plot, ratio) + middle),
                            3.5 * columns.thickness, 3.5 * columns.thickness);
    }
    painter.restore();
}

void drawPooledRatio(QPainter& painter, const Columns& columns,
                     const experiment_core::ClassTally& tally) {
    const QRect& plot = columns.plot;
    const std::vector<experiment_core::RatioSpan> spans = tally.ratioColumns(columns.count());
    for (std::size_t column = 0; column < spans.size(); ++column) {
        const int top = ratioRow(plot, spans.at(column).highest);
        painter.fillRect(
            plot.left() + static_cast<int>(column) * columns.thickness, top, columns.thickness,
            ratioRow(plot, spans.at(column).lowest) - top + columns.thickness, kPooledColour);
    }
    if (!spans.empty()) {
        return;
    }
    const std::int64_t count = tally.experimentCount();
    QPolygon points;
    for (std::int64_t n = 1; n <= count; ++n) {
        const double ratio = static_cast<double>(tally.oddAfter(n)) / static_cast<double>(n);
        points << QPoint(plot.left() + static_cast<int>((n - 1) * plot.width() / count),
                         ratioRow(plot, ratio));
    }
    painter.save();
    QPen pen = painter.pen();
    pen.setColor(kPooledColour);
    painter.setPen(pen);
    painter.drawPolyline(points);
    painter.drawPoints(points);
    painter.restore();
}

}  // namespace

QRect classPlotArea(const QRect& area, int unit) {
    return area.adjusted(5 * unit, 3 * unit, -3 * unit, -4 * unit);
}

int ratioRow(const QRect& plot, double ratio) {
    return plot.top() + static_cast<int>(std::lround((1.0 - ratio) * (plot.height() - 1)));
}

void drawClassGraph(QPainter& painter, const QRect& area, const experiment_core::ClassTally& tally,
                    const ClassGraphWords& words, qreal lineWidth) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(Qt::black, lineWidth);
    pen.setCosmetic(true);
    painter.setPen(pen);
    const int unit = QFontMetrics(painter.font(), painter.device()).height();
    const QRect plot = classPlotArea(area, unit);
    drawAxes(painter, plot, tally.experimentCount(), words, unit);
    if (tally.experimentCount() > 0) {
        const Columns columns{plot, std::max(1, static_cast<int>(std::lround(lineWidth)))};
        drawPooledRatio(painter, columns, tally);
        drawPupils(painter, columns, tally);
    }
    painter.restore();
}

}  // namespace drawings
