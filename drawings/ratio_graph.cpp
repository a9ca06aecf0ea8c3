// SPDX-License-Identifier: GPL-3.0-or-later
#include "drawings/ratio_graph.h"

#include <QCoreApplication>
#include <QPainter>
#include <QPolygon>
#include <algorithm>
#include <cmath>

#include "platform/fonts.h"

namespace drawings {

namespace {

// Palette colours 0 and 9 of the 16-colour palette.
const QColor kFrame(0, 0, 0);
const QColor kData(0, 0, 255);

struct Scale {
    QSize inner;
    [[nodiscard]] QPoint at(double x, double y) const {
        return {static_cast<int>(std::lround(x * inner.width() / kUnitsAcross)),
                static_cast<int>(std::lround(y * inner.height() / kUnitsDown))};
    }
};

void drawFrame(QPainter& painter, const Scale& scale) {
    painter.drawLine(scale.at(100, 5), scale.at(100, 110));
    painter.drawLine(scale.at(100, 110), scale.at(1100, 110));
    for (int y = 10; y <= 100; y += 10) {
        painter.drawLine(scale.at(95, y), scale.at(105, y));
    }
    for (int x = 100; x <= 1080; x += 20) {
        painter.drawLine(scale.at(x, 85), scale.at(x + 10, 85));
    }
}

void drawText(QPainter& painter, const Scale& scale, double x, double y, const QString& text) {
    // The position is the top-left corner of the text; only the glyphs cover the picture.
    const QPoint topLeft = scale.at(x, y);
    painter.drawText(QRect(topLeft, QSize(scale.inner.width(), scale.inner.height())),
                     Qt::AlignLeft | Qt::AlignTop, text);
}

// Blended glyph edges would darken each time the picture is drawn over itself.
QFont canvasFont(qreal points) {
    QFont font = platform::designFont(points);
    font.setStyleStrategy(QFont::NoAntialias);
    return font;
}

void drawScale(QPainter& painter, const Scale& scale) {
    drawText(painter, scale, 60, 110, QStringLiteral("0.00"));
    drawText(painter, scale, 60, 83, QStringLiteral("0.25"));
    drawText(painter, scale, 60, 8, QStringLiteral("1.00"));
    for (int x = 100; x <= 1000; x += 100) {
        painter.drawLine(scale.at(x, 109), scale.at(x, 111));
    }
    const QStringList titles = {
        QCoreApplication::translate("GraphWindow", "(Horizontal axis : Number of experiments)"),
        QCoreApplication::translate("GraphWindow", "(Vertical axis : Percentage of odd products)")};
    // The axis titles have room for a larger face, which their Japanese forms need to be read;
    // where a title would run past the canvas's right edge, both are drawn smaller.
    const auto roomRightOf = [&scale](double x) {
        return static_cast<qreal>(scale.inner.width() - scale.at(x, 0).x());
    };
    painter.save();
    painter.setFont(platform::fittingFont(
        canvasFont(9), {{titles.at(0), roomRightOf(720)}, {titles.at(1), roomRightOf(120)}},
        painter.device()));
    drawText(painter, scale, 720, 100, titles.at(0));
    drawText(painter, scale, 120, 10, titles.at(1));
    painter.restore();
    for (int hundreds = 1; hundreds <= 9; ++hundreds) {
        drawText(painter, scale, hundreds * 100 + 85, 112, QString::number(hundreds * 100));
    }
}

void drawHistory(QPainter& painter, const Scale& scale,
                 const experiment_core::ExperimentRecord& record) {
    // Experiments past the limit are not in the history and lie right of the canvas. The first
    // point stands whatever the count; every point is set as well as joined, since a line
    // leaves out its last pixel and a polyline of equal points draws nothing.
    const int last = std::min<int>(record.experimentCount, experiment_core::kExperimentLimit);
    QPolygon points;
    points.reserve(std::max(last, 1));
    for (int n = 1; n <= std::max(last, 1); ++n) {
        points << scale.at(n + 100, ratioY(record.ratioHistory.at(static_cast<std::size_t>(n))));
    }
    painter.drawPolyline(points);
    painter.drawPoints(points);
}

}  // namespace

int ratioY(float ratio) {
    return 110 - static_cast<int>(std::floor(100.0 * static_cast<double>(ratio)));
}

void drawRatioGraph(QPainter& painter, QSize inner, const experiment_core::ExperimentRecord& record,
                    qreal lineWidth) {
    const Scale scale{inner};
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(kFrame, lineWidth);
    pen.setCosmetic(true);
    painter.setPen(pen);
    // At 7 pt the scale labels left of the axis ("1.00") end two pixels before its ticks.
    painter.setFont(canvasFont(7));
    drawFrame(painter, scale);
    drawScale(painter, scale);
    pen.setColor(kData);
    painter.setPen(pen);
    drawHistory(painter, scale, record);
    painter.restore();
}

}  // namespace drawings
