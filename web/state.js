// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// What the game thread has said so far: the frames, kept as one state, and what else each
// frame brings (sounds, news, the prompt) for the animation frame that applies it.

export const kCellCount = 100;

// Nothing is known of a part until a frame brings it; an unknown part is not painted.
export function newState() {
  return {
    cells: new Array(kCellCount).fill(null),
    names: new Array(kCellCount).fill(''),
    preview: null,
    levels: null,
    score: null,
    hourglass: null,
    xp: null,
    bombs: null,
    start: null,
    a11y: {},
  };
}

// Folds one frame into the state; returns what it brings besides: its sounds in order, its
// news and its prompt.
export function applyFrame(state, frame) {
  for (const [index, colour, picture] of frame.cells || []) {
    if (index >= 0 && index < kCellCount) state.cells[index] = {colour, picture};
  }
  for (const [index, name] of frame.names || []) {
    if (index >= 0 && index < kCellCount) state.names[index] = name;
  }
  if (frame.preview) state.preview = frame.preview.slice();
  if (frame.levels) state.levels = frame.levels.slice();
  if (frame.score) state.score = {text: frame.score.text, line: frame.score.line};
  if (frame.hourglass !== undefined) state.hourglass = frame.hourglass;
  if (frame.xp) state.xp = {...frame.xp};
  if (frame.bombs) state.bombs = frame.bombs.slice();
  if (frame.start !== undefined) state.start = frame.start;
  if (frame.a11y) Object.assign(state.a11y, frame.a11y);
  return {sounds: frame.sounds || [], say: frame.say, prompt: frame.prompt};
}

// Messages as they arrive, kept until the next animation frame. A page that is not drawn (a
// hidden tab gets no animation frames) would keep every frame of a long demo: past `limit`, the
// oldest are folded into the state at once, their sounds and news dropped as long gone.
export class Inbox {
  constructor(state, limit = 256) {
    this.state = state;
    this.limit = limit;
    this.messages = [];
    this.prompt = null;
  }

  push(message) {
    this.messages.push(message);
    while (this.messages.length > this.limit) {
      const oldest = this.messages.findIndex((m) => m.frame);
      if (oldest < 0) break;
      const {prompt} = applyFrame(this.state, this.messages.splice(oldest, 1)[0].frame);
      if (prompt) this.prompt = prompt;
    }
  }

  // Every message that arrived, in order; a prompt from a folded frame comes first, as a frame
  // of its own.
  take() {
    const messages = this.messages;
    this.messages = [];
    if (this.prompt) {
      messages.unshift({frame: {prompt: this.prompt}});
      this.prompt = null;
    }
    return messages;
  }

  get empty() {
    return this.messages.length === 0 && !this.prompt;
  }
}
