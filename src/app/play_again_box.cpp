// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

#include "play_again_box.h"

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QWindow>
#include <utility>

#include "front/spoken.h"

namespace quazzle {

PlayAgainBox::PlayAgainBox(QWidget* parent, const GameState& ended, KeyPresses keys)
    : QMessageBox(parent), keys_(std::move(keys)) {
    setWindowTitle("Game Over");
    setText("Play again?");
    setIcon(QMessageBox::NoIcon);
    setStandardButtons(QMessageBox::Yes | QMessageBox::No);
    setDefaultButton(QMessageBox::Yes);
    setAccessibleDescription(QString::fromStdString(spoken::finalScore(ended)));
    button(QMessageBox::Yes)->setAccessibleName("Yes");
    button(QMessageBox::No)->setAccessibleName("No");
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
}

bool PlayAgainBox::ask(QWidget* parent, const GameState& ended, KeyPresses keys) {
    PlayAgainBox box(parent, ended, std::move(keys));
    qApp->installEventFilter(&box);
    box.exec();
    return box.clickedButton() == box.button(QMessageBox::Yes);
}

void PlayAgainBox::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) return;
    QMessageBox::keyPressEvent(event);
}

void PlayAgainBox::closeEvent(QCloseEvent* event) { event->ignore(); }

bool PlayAgainBox::isMine(QObject* object) const {
    if (object->isWindowType()) return object == windowHandle();
    return object->isWidgetType() && static_cast<QWidget*>(object)->window() == this;
}

bool PlayAgainBox::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (handing_ || !isMine(watched) ||
        (type != QEvent::KeyPress && type != QEvent::KeyRelease &&
         type != QEvent::ShortcutOverride))
        return QMessageBox::eventFilter(watched, event);
    auto* key = static_cast<QKeyEvent*>(event);
    if (type == QEvent::ShortcutOverride) {
        // A button's shortcut would answer at the press; the press comes through instead.
        key->accept();
    } else if (type == QEvent::KeyPress) {
        if (keys_.pressed(key->key(), key->timestamp(), key->isAutoRepeat()))
            pressed_[key->key()] = {watched, std::unique_ptr<QKeyEvent>(key->clone())};
    } else if (keys_.released(key->key(), key->timestamp(), key->isAutoRepeat())) {
        const auto press = pressed_.find(key->key());
        if (press != pressed_.end()) {
            Press pressed = std::move(press->second);
            pressed_.erase(press);
            answer(std::move(pressed), *key);
        }
    }
    return true;
}

// Hands the box a key's press and release as if they came now: Return, Space, Tab, the arrows
// and the buttons' letters do what they always do, on the release.
void PlayAgainBox::answer(Press press, const QKeyEvent& release) {
    if (!press.receiver) return;
    // The buttons' Alt shortcuts, which the press did not reach.
    const QKeySequence sequence(press.event->keyCombination());
    if (press.event->modifiers() & Qt::AltModifier) {
        const QList<QAbstractButton*> all = buttons();
        for (QAbstractButton* b : all)
            if (b->shortcut() == sequence) {
                b->animateClick();
                return;
            }
    }
    handing_ = true;
    QCoreApplication::sendEvent(press.receiver, press.event.get());
    std::unique_ptr<QKeyEvent> up(release.clone());
    if (press.receiver) QCoreApplication::sendEvent(press.receiver, up.get());
    handing_ = false;
}

}  // namespace quazzle
