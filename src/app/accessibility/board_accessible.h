// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessibleWidget>
#include <QPointer>
#include <array>

#include "accessibility/leaf_accessible.h"
#include "accessibility/window_parts.h"
#include "board/board.h"

namespace quazzle {

class BoardWidget;

namespace accessibility {

// The board as a table of ten rows of ten cells, each cell named by what it shows.
class BoardAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
  public:
    BoardAccessible(BoardWidget* board, const WindowParts& parts);
    ~BoardAccessible() override;

    QAccessibleInterface* cell(int index) const;

    // QAccessibleInterface
    QString text(QAccessible::Text t) const override;
    int childCount() const override { return kCellCount; }
    QAccessibleInterface* child(int index) const override;
    int indexOfChild(const QAccessibleInterface* child) const override;
    QAccessibleInterface* childAt(int x, int y) const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableInterface: a table nothing can be selected in.
    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int row, int column) const override;
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int column) const override;
    QString rowDescription(int row) const override;
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return kBoardSide; }
    int rowCount() const override { return kBoardSide; }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    void modelChange(QAccessibleTableModelChangeEvent*) override {}

  private:
    BoardWidget* board() const;

    QPointer<const WindowParts> parts_;
    // The cells are made when first asked for and live in Qt's cache until the board goes.
    mutable std::array<QAccessible::Id, kCellCount> cellIds_{};
};

// One board cell: it has no widget of its own.
class CellAccessible : public LeafAccessible, public QAccessibleTableCellInterface {
  public:
    CellAccessible(BoardWidget* board, int index, const WindowParts* parts);

    // QAccessibleInterface
    bool isValid() const override { return !board_.isNull(); }
    QWindow* window() const override;
    QAccessibleInterface* parent() const override;
    QString text(QAccessible::Text t) const override;
    QRect rect() const override;
    QAccessible::Role role() const override { return QAccessible::Cell; }
    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // QAccessibleTableCellInterface
    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override { return {}; }
    QList<QAccessibleInterface*> rowHeaderCells() const override { return {}; }
    int columnIndex() const override { return columnOf(index_); }
    int rowIndex() const override { return rowOf(index_); }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override { return parent(); }

  private:
    QPointer<BoardWidget> board_;
    int index_;
    QPointer<const WindowParts> parts_;
};

}  // namespace accessibility
}  // namespace quazzle
