// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "play_again_box.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPushButton>

#include "accessibility/game_of.h"

namespace quazzle {

PlayAgainBox::PlayAgainBox(QWidget* parent) : QMessageBox(parent) {
    setWindowTitle("Game Over");
    setText("Play again?");
    setIcon(QMessageBox::NoIcon);
    setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    setDefaultButton(QMessageBox::Yes);
    setAccessibleDescription(accessibility::promptDescription(parent));
    button(QMessageBox::Yes)->setAccessibleName("Yes");
    button(QMessageBox::No)->setAccessibleName("No");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

bool PlayAgainBox::ask(QWidget* parent) {
    PlayAgainBox box(parent);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void PlayAgainBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QMessageBox::keyPressEvent(event);
}

void PlayAgainBox::closeEvent(QCloseEvent* event) { event->ignore(); }

}  // namespace quazzle
