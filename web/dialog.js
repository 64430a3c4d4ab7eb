// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// "Play again?": a modal dialog that only an answer closes. Yes is the default. Keys answer it on
// their release, and only keys pressed while it is up: a key held as it appears, or its
// repeats, answers nothing.

const kNext = new Set(['ArrowRight', 'ArrowDown']);
const kPrevious = new Set(['ArrowLeft', 'ArrowUp']);
const kPress = new Set(['Enter', 'NumpadEnter', 'Space']);

export class Prompt {
  // `dialog` holds #prompt-title, #prompt-text, #prompt-description and the buttons
  // #prompt-yes and #prompt-no; `answer(yes)` hears the answer.
  constructor(dialog, answer) {
    this.dialog = dialog;
    this.answer = answer;
    this.title = dialog.querySelector('#prompt-title');
    this.text = dialog.querySelector('#prompt-text');
    this.description = dialog.querySelector('#prompt-description');
    this.yes = dialog.querySelector('#prompt-yes');
    this.no = dialog.querySelector('#prompt-no');
    this.buttons = [this.yes, this.no];
    this.up = false;
    this.pressed = new Set();  // codes of keys pressed while it is up, not yet released

    // Escape asks the dialog to close; it does not.
    dialog.addEventListener('cancel', (event) => event.preventDefault());
    // Should the browser close it all the same, it comes back until answered.
    dialog.addEventListener('close', () => {
      if (this.up) this.show();
    });
    // Wherever the focus is while it is up, the keys are its own.
    window.addEventListener('keydown', (event) => this.up && this.keyDown(event), true);
    window.addEventListener('keyup', (event) => this.up && this.keyUp(event), true);
    this.yes.addEventListener('click', () => this.close(true));
    this.no.addEventListener('click', () => this.close(false));
  }

  get isOpen() {
    return this.up;
  }

  // {title, text, description} as the game words them.
  open(prompt) {
    this.title.textContent = prompt.title;
    this.text.textContent = prompt.text;
    this.description.textContent = prompt.description || '';
    this.pressed.clear();
    this.up = true;
    this.show();
  }

  show() {
    if (!this.dialog.open) this.dialog.showModal();
    this.yes.focus();
  }

  // Goes away unanswered: the program has ended.
  abandon() {
    this.up = false;
    this.pressed.clear();
    if (this.dialog.open) this.dialog.close();
  }

  close(yes) {
    if (!this.up) return;
    this.up = false;
    this.pressed.clear();
    this.dialog.close();
    this.answer(yes);
  }

  // Every key waits for its release, so nothing acts at the press.
  keyDown(event) {
    event.preventDefault();
    event.stopPropagation();
    if (!event.repeat) this.pressed.add(event.code);
  }

  keyUp(event) {
    event.preventDefault();
    event.stopPropagation();
    if (!this.pressed.delete(event.code)) return;
    const at = this.buttons.indexOf(document.activeElement);
    const focus = (step) => this.buttons[(Math.max(at, 0) + step + 2) % 2].focus();
    if (kPress.has(event.code)) {
      this.close(at !== 1);
    } else if (event.code === 'Tab') {
      focus(event.shiftKey ? -1 : 1);
    } else if (kNext.has(event.code)) {
      focus(1);
    } else if (kPrevious.has(event.code)) {
      focus(-1);
    } else if (event.code === 'KeyY') {
      this.close(true);
    } else if (event.code === 'KeyN') {
      this.close(false);
    }
  }
}
