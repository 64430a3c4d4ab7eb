// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMessageBox>

namespace quazzle {

// "Play again?": Yes by default, no icon, and only its two buttons can answer it.
class PlayAgainBox : public QMessageBox {
  public:
    explicit PlayAgainBox(QWidget* parent);

    // Shows the box and waits for the answer; true for Yes.
    static bool ask(QWidget* parent);

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
};

}  // namespace quazzle
