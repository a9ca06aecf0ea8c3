// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLabel>
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <vector>

namespace widgets {

// One keyboard focus stop over a table of labels that the window draws: the arrow keys move
// from cell to cell (Home and End along a row, with Ctrl to the first and the last cell), a
// dotted frame shows the current cell, and a screen reader reads it as a table whose cells
// say their row's and column's headers. Below the table a row of totals, one a column from
// the first and without headers, is reached by Down from the last row. The grid draws nothing
// else and lets the mouse through to the labels.
class LabelGrid : public QWidget {
    Q_OBJECT
public:
    struct Labels {
        std::vector<std::vector<QLabel*>> cells;  // by row, then column
        std::vector<QLabel*> rowHeaders;
        std::vector<QLabel*> columnHeaders;
        std::vector<QLabel*> totals;
    };

    LabelGrid(Labels labels, QWidget* window);

    [[nodiscard]] int rowCount() const { return static_cast<int>(labels_.cells.size()) + 1; }
    [[nodiscard]] int columnCount() const { return static_cast<int>(labels_.columnHeaders.size()); }
    // How many cells the row has: the totals' row fewer than the others.
    [[nodiscard]] int cellsIn(int row) const;
    [[nodiscard]] QLabel* label(int row, int column) const;
    // A cell's headers; none for a total.
    [[nodiscard]] QLabel* rowHeader(int row) const;
    [[nodiscard]] QLabel* columnHeader(int row, int column) const;
    [[nodiscard]] int currentRow() const { return row_; }
    [[nodiscard]] int currentColumn() const { return column_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void moveTo(int row, int column);

    Labels labels_;
    int row_ = 0;
    int column_ = 0;
    QTimer focusTold_;
};

// Screen readers read every label grid as a table; each grid's constructor makes it so.
void readGridsAsTables();
// Tells a screen reader that the grid's current cell has the focus.
void tellCurrentCell(LabelGrid* grid);

}  // namespace widgets
