// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// What assistive technology is told: the board as a grid of named cells and the panels by name,
// role and value, each laid over the place the canvas paints it, and the game's news. The words
// are the game's; the page only puts them where they belong.

import {kBoardSide} from './draw.js';

// Sets a text or an attribute only when it changes, so nothing is announced for nothing.
function setText(element, text) {
  if (element.textContent !== text) element.textContent = text;
}

function setAttribute(element, name, value) {
  const text = String(value);
  if (element.getAttribute(name) !== text) element.setAttribute(name, text);
}

function place(element, rect) {
  const [left, top, width, height] = rect;
  element.style.left = `${left}px`;
  element.style.top = `${top}px`;
  element.style.width = `${width}px`;
  element.style.height = `${height}px`;
}

export class Access {
  // `root` holds the overlay's elements (see index.html); `news` is the live region.
  constructor(root, news) {
    this.root = root;
    this.news = news;
    this.board = root.querySelector('#board');
    this.boardDescription = root.querySelector('#board-description');
    this.hourglass = root.querySelector('#hourglass');
    this.hourglassDescription = root.querySelector('#hourglass-description');
    this.experience = root.querySelector('#experience');
    this.preview = root.querySelector('#preview');
    this.level = root.querySelector('#level');
    this.bombs = root.querySelector('#bombs');
    this.score = root.querySelector('#score');
    this.instructions = root.querySelector('#instructions');
    this.cells = [];
    this.lastSaid = '';
  }

  // Builds the grid and lays every part over its place, in window pixels.
  setHello(hello, layout) {
    const texts = hello.texts || {};
    const {board} = layout;
    const side = board.pitch * (kBoardSide - 1) + board.size;
    place(this.board, [board.left, board.top, side, side]);
    if (texts.board) setAttribute(this.board, 'aria-label', texts.board);
    if (texts.boardDescription) setText(this.boardDescription, texts.boardDescription);
    this.board.replaceChildren();
    this.cells = [];
    for (let r = 0; r < kBoardSide; ++r) {
      const row = document.createElement('div');
      row.setAttribute('role', 'row');
      row.setAttribute('aria-rowindex', String(r + 1));
      place(row, [0, board.pitch * r, side, board.size]);
      for (let c = 0; c < kBoardSide; ++c) {
        const cell = document.createElement('div');
        cell.setAttribute('role', 'gridcell');
        cell.setAttribute('aria-colindex', String(c + 1));
        place(cell, [board.pitch * c, 0, board.size, board.size]);
        row.append(cell);
        this.cells.push(cell);
      }
      this.board.append(row);
    }
    place(this.hourglass, layout.hourglass);
    setAttribute(this.hourglass, 'aria-label', texts.hourglass || '');
    setText(this.hourglassDescription, texts.hourglassDescription || '');
    place(this.experience, layout.xpBar);
    setAttribute(this.experience, 'aria-label', texts.experience || '');
    place(this.preview, layout.previewBox);
    const level = layout.levels[0];
    place(this.level, [layout.previewBox[0] + level.at[0], layout.previewBox[1] + level.at[1],
                       level.size[0], level.size[1]]);
    const first = layout.bombs[0];
    const last = layout.bombs[layout.bombs.length - 1];
    place(this.bombs, [first[0], first[1], last[0] + last[2] - first[0], first[3]]);
    place(this.score, layout.score);
    place(this.instructions, layout.instructions);
    setText(this.instructions, texts.instructions || '');
  }

  update(state) {
    state.names.forEach((name, i) => {
      if (this.cells[i]) setText(this.cells[i], name);
    });
    const a11y = state.a11y;
    if (a11y.preview !== undefined) setText(this.preview, a11y.preview);
    if (a11y.level !== undefined) setText(this.level, a11y.level);
    if (a11y.bombs !== undefined) setText(this.bombs, a11y.bombs);
    if (a11y.score !== undefined) setText(this.score, a11y.score);
    if (a11y.timeLeft !== undefined) setAttribute(this.hourglass, 'aria-valuenow', a11y.timeLeft);
    if (a11y.experience) {
      const [value, maximum, text] = a11y.experience;
      setAttribute(this.experience, 'aria-valuemax', maximum);
      setAttribute(this.experience, 'aria-valuenow', value);
      setAttribute(this.experience, 'aria-valuetext', text);
    }
  }

  // News for the live region. The same words twice are news twice: the second differs by an
  // invisible mark, so the region changes.
  say(text) {
    if (!text) return;
    const words = text === this.lastSaid ? `${text}\u200b` : text;
    this.lastSaid = words;
    this.news.textContent = words;
  }
}
