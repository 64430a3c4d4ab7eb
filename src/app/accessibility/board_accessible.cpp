// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "accessibility/board_accessible.h"

#include <QWindow>

#include "board_widget.h"
#include "front/spoken.h"

namespace quazzle::accessibility {

BoardAccessible::BoardAccessible(BoardWidget* board, const WindowParts& parts)
    : QAccessibleWidget(board, QAccessible::Table), parts_(&parts) {}

BoardAccessible::~BoardAccessible() {
    for (QAccessible::Id id : cellIds_)
        if (id) QAccessible::deleteAccessibleInterface(id);
}

BoardWidget* BoardAccessible::board() const { return static_cast<BoardWidget*>(widget()); }

QAccessibleInterface* BoardAccessible::cell(int index) const {
    if (!onBoard(index)) return nullptr;
    QAccessible::Id& id = cellIds_[index];
    if (!id)
        id = QAccessible::registerAccessibleInterface(new CellAccessible(board(), index, parts_));
    return QAccessible::accessibleInterface(id);
}

QString BoardAccessible::text(QAccessible::Text t) const {
    switch (t) {
        case QAccessible::Name:
            return QString::fromStdString(spoken::boardName());
        case QAccessible::Description:
            return QString::fromStdString(spoken::boardDescription());
        default:
            return QAccessibleWidget::text(t);
    }
}

QAccessibleInterface* BoardAccessible::child(int index) const { return cell(index); }

int BoardAccessible::indexOfChild(const QAccessibleInterface* child) const {
    for (int i = 0; i < kCellCount; ++i)
        if (cellIds_[i] && QAccessible::accessibleInterface(cellIds_[i]) == child) return i;
    return -1;
}

QAccessibleInterface* BoardAccessible::childAt(int x, int y) const {
    const QPoint local = board()->mapFromGlobal(QPoint(x, y));
    if (!board()->rect().contains(local)) return nullptr;
    return cell(BoardWidget::cellAt(local));
}

void* BoardAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

QAccessibleInterface* BoardAccessible::cellAt(int row, int column) const {
    if (row < 0 || row >= kBoardSide || column < 0 || column >= kBoardSide) return nullptr;
    return cell(row * kBoardSide + column);
}

QString BoardAccessible::columnDescription(int column) const {
    return QStringLiteral("Column %1").arg(column + 1);
}

QString BoardAccessible::rowDescription(int row) const {
    return QStringLiteral("Row %1").arg(row + 1);
}

CellAccessible::CellAccessible(BoardWidget* board, int index, const WindowParts* parts)
    : board_(board), index_(index), parts_(parts) {}

QWindow* CellAccessible::window() const {
    return board_ ? board_->window()->windowHandle() : nullptr;
}

QAccessibleInterface* CellAccessible::parent() const {
    return QAccessible::queryAccessibleInterface(board_.data());
}

QString CellAccessible::text(QAccessible::Text t) const {
    const GameState* state = stateOf(parts_);
    if (t != QAccessible::Name || !state) return {};
    // The cell under the pointer says whether the piece in hand would go down there.
    return QString::fromStdString(
        spoken::cellName(*state, index_, board_->pointerCell() == index_));
}

QRect CellAccessible::rect() const {
    if (!board_) return {};
    const QRect r = BoardWidget::cellRect(index_);
    return {board_->mapToGlobal(r.topLeft()), r.size()};
}

QAccessible::State CellAccessible::state() const {
    QAccessible::State s;
    s.invisible = !board_ || !board_->isVisible();
    return s;
}

void* CellAccessible::interface_cast(QAccessible::InterfaceType type) {
    return type == QAccessible::TableCellInterface
               ? static_cast<QAccessibleTableCellInterface*>(this)
               : nullptr;
}

}  // namespace quazzle::accessibility
