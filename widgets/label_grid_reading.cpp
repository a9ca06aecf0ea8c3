// SPDX-License-Identifier: GPL-3.0-or-later
// How a screen reader reads a label grid: a table whose cells are the labels, each with the
// screen reader's text of its label.
#include <QAccessible>
#include <QAccessibleWidget>
#include <map>

#include "widgets/label_grid.h"

namespace widgets {

namespace {

QAccessibleInterface* readingOf(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// One cell of the grid; it lives as long as the grid's table.
class GridCell final : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    GridCell(LabelGrid* grid, int row, int column) : grid_(grid), row_(row), column_(column) {}

    bool isValid() const override { return !grid_.isNull(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return readingOf(grid_)->window(); }
    QAccessibleInterface* parent() const override { return readingOf(grid_); }
    QAccessibleInterface* child(int /*index*/) const override { return nullptr; }
    QAccessibleInterface* childAt(int /*x*/, int /*y*/) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface* /*child*/) const override { return -1; }
    QString text(QAccessible::Text which) const override {
        return readingOf(grid_->label(row_, column_))->text(which);
    }
    void setText(QAccessible::Text /*which*/, const QString& /*text*/) override {}
    QRect rect() const override { return readingOf(grid_->label(row_, column_))->rect(); }
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override {
        QAccessible::State state;
        state.focusable = true;
        state.readOnly = true;
        state.focused =
            grid_->hasFocus() && grid_->currentRow() == row_ && grid_->currentColumn() == column_;
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableCellInterface
                   ? static_cast<QAccessibleTableCellInterface*>(this)
                   : nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override {
        return headerCells(grid_->columnHeader(row_, column_));
    }
    QList<QAccessibleInterface*> rowHeaderCells() const override {
        return headerCells(grid_->rowHeader(row_));
    }
    int columnIndex() const override { return column_; }
    int rowIndex() const override { return row_; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return readingOf(grid_); }

private:
    static QList<QAccessibleInterface*> headerCells(QLabel* header) {
        return header != nullptr ? QList<QAccessibleInterface*>{readingOf(header)}
                                 : QList<QAccessibleInterface*>{};
    }

    QPointer<LabelGrid> grid_;
    int row_;
    int column_;
};

// The grid as a table of its cells.
class GridTable final : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit GridTable(LabelGrid* grid) : QAccessibleWidget(grid, QAccessible::Table) {}
    ~GridTable() override {
        for (const auto& [place, id] : cells_) {
            QAccessible::deleteAccessibleInterface(id);
        }
    }
    GridTable(const GridTable&) = delete;
    GridTable& operator=(const GridTable&) = delete;

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TableInterface ? static_cast<QAccessibleTableInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }

    // Children row by row; the totals' row is the last and the shortest.
    int childCount() const override {
        const int lastRow = grid()->rowCount() - 1;
        return lastRow * grid()->columnCount() + grid()->cellsIn(lastRow);
    }
    QAccessibleInterface* child(int index) const override {
        const int columns = grid()->columnCount();
        return index < 0 || index >= childCount() ? nullptr
                                                  : cellAt(index / columns, index % columns);
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        const QAccessibleTableCellInterface* cell =
            const_cast<QAccessibleInterface*>(child)->tableCellInterface();
        return cell == nullptr || cell->table() != this
                   ? -1
                   : cell->rowIndex() * grid()->columnCount() + cell->columnIndex();
    }
    QAccessibleInterface* focusChild() const override {
        return grid()->hasFocus() ? cellAt(grid()->currentRow(), grid()->currentColumn()) : nullptr;
    }

    QAccessibleInterface* cellAt(int row, int column) const override {
        if (row < 0 || row >= rowCount() || column < 0 || column >= grid()->cellsIn(row)) {
            return nullptr;
        }
        const std::pair place{row, column};
        auto found = cells_.find(place);
        if (found == cells_.end()) {
            // The accessibility cache owns the cell; the table deletes it by its id.
            // NOLINTNEXTLINE(clang-analyzer-cplusplus.NewDeleteLeaks)
            const QAccessible::Id id = QAccessible::registerAccessibleInterface(
                new GridCell(grid(), place.first, place.second));
            found = cells_.emplace(place, id).first;
        }
        return QAccessible::accessibleInterface(found->second);
    }
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QString columnDescription(int column) const override {
        return readingOf(grid()->columnHeader(0, column))->text(QAccessible::Name);
    }
    QString rowDescription(int row) const override {
        QLabel* header = grid()->rowHeader(row);
        return header != nullptr ? readingOf(header)->text(QAccessible::Name) : QString();
    }
    int columnCount() const override { return grid()->columnCount(); }
    int rowCount() const override { return grid()->rowCount(); }
    int selectedCellCount() const override { return 0; }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int /*column*/) const override { return false; }
    bool isRowSelected(int /*row*/) const override { return false; }
    bool selectRow(int /*row*/) override { return false; }
    bool selectColumn(int /*column*/) override { return false; }
    bool unselectRow(int /*row*/) override { return false; }
    bool unselectColumn(int /*column*/) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent* /*event*/) override {}

private:
    LabelGrid* grid() const { return static_cast<LabelGrid*>(widget()); }

    mutable std::map<std::pair<int, int>, QAccessible::Id> cells_;
};

QAccessibleInterface* tableFor(const QString& /*className*/, QObject* object) {
    auto* grid = qobject_cast<LabelGrid*>(object);
    return grid != nullptr ? new GridTable(grid) : nullptr;
}

}  // namespace

void readGridsAsTables() {
    static const bool installed = [] {
        QAccessible::installFactory(tableFor);
        return true;
    }();
    static_cast<void>(installed);
}

void tellCurrentCell(LabelGrid* grid) {
    if (QAccessibleInterface* cell = readingOf(grid)->focusChild()) {
        QAccessibleEvent focused(cell, QAccessible::Focus);
        QAccessible::updateAccessibility(&focused);
    }
}

}  // namespace widgets
