// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include "game/game.h"
#include "pictures.h"

namespace quazzle {

// The hundred board cells. Pointer moves and clicks go to the cell under the pointer, with the
// pointer's position inside that cell in twips.
class BoardWidget : public QWidget {
    Q_OBJECT

  public:
    BoardWidget(QWidget* parent, Game& game, Pictures& pictures);

    void refreshCell(int index);
    // The cell under `pos` (widget pixels) and the position inside it in twips.
    static int cellAt(QPointF pos, QPointF* inside = nullptr);
    static QRect cellRect(int index);
    // The cell under the player's pointer, or -1 when the pointer is off the board.
    int pointerCell() const { return pointerCell_; }

  signals:
    // The pointer went from cell `was` to cell `now` (either -1 off the board): both cells' names
    // change, whether or not their pictures do.
    void pointerCellChanged(int was, int now);

  protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

  private:
    void setPointerCell(int index);

    Game& game_;
    Pictures& pictures_;
    int pressed_ = -1;
    int pointerCell_ = -1;
};

}  // namespace quazzle
