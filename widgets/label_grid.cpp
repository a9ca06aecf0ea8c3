// SPDX-License-Identifier: GPL-3.0-or-later
#include "widgets/label_grid.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <QTimer>
#include <algorithm>
#include <utility>

namespace widgets {

LabelGrid::LabelGrid(Labels labels, QWidget* window) : QWidget(window), labels_(std::move(labels)) {
    QRect covered;
    for (const auto& row : labels_.cells) {
        for (const QLabel* cell : row) {
            covered |= cell->geometry();
        }
    }
    for (const QLabel* total : labels_.totals) {
        covered |= total->geometry();
    }
    readGridsAsTables();
    focusTold_.setSingleShot(true);
    focusTold_.setInterval(0);
    connect(&focusTold_, &QTimer::timeout, this, [this] { tellCurrentCell(this); });
    setGeometry(covered);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    raise();
}

int LabelGrid::cellsIn(int row) const {
    return row < rowCount() - 1 ? columnCount() : static_cast<int>(labels_.totals.size());
}

QLabel* LabelGrid::label(int row, int column) const {
    const auto r = static_cast<std::size_t>(row);
    const auto c = static_cast<std::size_t>(column);
    return r < labels_.cells.size() ? labels_.cells.at(r).at(c) : labels_.totals.at(c);
}

QLabel* LabelGrid::rowHeader(int row) const {
    return row < rowCount() - 1 ? labels_.rowHeaders.at(static_cast<std::size_t>(row)) : nullptr;
}

QLabel* LabelGrid::columnHeader(int row, int column) const {
    return row < rowCount() - 1 ? labels_.columnHeaders.at(static_cast<std::size_t>(column))
                                : nullptr;
}

void LabelGrid::paintEvent(QPaintEvent* /*event*/) {
    if (!hasFocus()) {
        return;
    }
    QStyleOptionFocusRect frame;
    frame.initFrom(this);
    frame.rect = label(row_, column_)->geometry().translated(-pos()).adjusted(2, 2, -2, -2);
    QPainter painter(this);
    style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
}

void LabelGrid::keyPressEvent(QKeyEvent* event) {
    const bool wholeGrid = event->modifiers().testFlag(Qt::ControlModifier);
    const int lastRow = rowCount() - 1;
    switch (event->key()) {
        case Qt::Key_Up:
            moveTo(std::max(row_ - 1, 0), column_);
            break;
        case Qt::Key_Down:
            moveTo(std::min(row_ + 1, lastRow), column_);
            break;
        case Qt::Key_Left:
            moveTo(row_, column_ - 1);
            break;
        case Qt::Key_Right:
            moveTo(row_, column_ + 1);
            break;
        case Qt::Key_Home:
            moveTo(wholeGrid ? 0 : row_, 0);
            break;
        case Qt::Key_End:
            moveTo(wholeGrid ? lastRow : row_, columnCount() - 1);
            break;
        default:
            QWidget::keyPressEvent(event);
    }
}

void LabelGrid::moveTo(int row, int column) {
    row_ = row;
    column_ = std::clamp(column, 0, cellsIn(row) - 1);
    update();
    tellCurrentCell(this);
}

void LabelGrid::focusInEvent(QFocusEvent* event) {
    QWidget::focusInEvent(event);
    update();
    // After Qt tells the screen reader the grid has the focus, which comes after this event.
    focusTold_.start();
}

void LabelGrid::focusOutEvent(QFocusEvent* event) {
    QWidget::focusOutEvent(event);
    update();
}

}  // namespace widgets
