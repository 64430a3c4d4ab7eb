// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Paints the client area on the canvas from the state the frames carry, as the desktop window
// paints it, and only what looks different from what it last painted.

import {cssColour, DevicePixels, mapRect, penColumns} from './device.js';
import {fontOf, kSmallPoints} from './text.js';

export const kBoardSide = 10;
export const kCellCount = kBoardSide * kBoardSide;

// The layout in window pixels, from the game's layout in twips.
export function windowLayout(layout, previewSlots) {
  const tpp = layout.twipsPerPixel;
  const px = (twips) => Math.sign(twips) * Math.round(Math.abs(twips) / tpp);
  const rect = (r) => r.map(px);
  const label = layout.scoreLabel;
  return {
    twipsPerPixel: tpp,
    client: rect(layout.client),
    board: {
      left: px(layout.cellLeft),
      top: px(layout.cellTop),
      pitch: Math.trunc(layout.cellPitch / tpp),
      size: Math.trunc(layout.cellSize / tpp),
    },
    hourglass: rect(layout.hourglass),
    hourglassFull: layout.hourglass[3],
    xpBar: rect(layout.xpBar),
    bombs: layout.bombLefts.map((left) => [
      px(left), px(layout.bombTop), px(layout.bombWidth), px(layout.bombHeight),
    ]),
    // The label grows to the right with its text and reaches down to the divider's lower end.
    score: [px(label[0]), px(label[1]), px(label[2]), px(layout.lineBottom - label[1])],
    scoreTextHeight: px(label[3]),
    scoreLeftTwips: label[0],
    scoreRoom: layout.scoreRoom / tpp,
    startButton: rect(layout.startButton),
    previewBox: rect(layout.previewBox),
    previewSlots: previewSlots.map(([slot, left, top]) => ({
      slot,
      rect: [px(left), px(top), px(layout.previewCellSize), px(layout.previewCellSize)],
    })),
    levels: layout.levelLabelLefts.map((left, k) => ({
      at: [px(left), px(layout.levelLabelTops[k])],
      size: [px(layout.levelLabelWidth), px(layout.levelLabelHeight)],
      growsLeft: layout.levelLabelGrowsLeft[k],
    })),
    instructions: rect(layout.instructionsFrame),
    instructionsPicture: layout.instructionsPicture.map(px),
  };
}

// Where a label's text starts, in window pixels, as the window's text layout puts it in `box`
// ([left, top, width, height]): at the left or the right, at the top or centred upright, with the
// font's unrounded ascent and descent.
export function textOrigin(box, metrics, width, {right = false, centred = false} = {}) {
  const [left, top, boxWidth, height] = box;
  const x = right ? left + boxWidth - width : left;
  const y = top + (centred ? (height - metrics.ascent - metrics.descent) / 2 : 0) + metrics.ascent;
  return [x, y];
}

// The device pixel a glyph's origin lands on: the desktop's painter puts aliased text on the
// pixel a position just short of half a pixel beyond it falls in.
export function glyphPixel(devicePosition) {
  return Math.floor(devicePosition + 0.484375);
}

export class Screen {
  constructor(canvas, text) {
    this.canvas = canvas;
    this.ctx = canvas.getContext('2d', {alpha: false});
    this.text = text;
    this.layout = null;
    this.look = {};
    this.ratio = 1;
    this.pictures = null;
    this.shown = null;
  }

  setHello(hello) {
    this.layout = windowLayout(hello.layout, hello.previewSlots);
    // The window's own colours come with the layout, from the game's one table of them.
    for (const [key, colour] of Object.entries(hello.look)) this.look[key] = cssColour(colour);
    this.shown = null;
  }

  // A new backing store of `width` x `height` device pixels at `ratio` device pixels a window
  // pixel: everything is painted afresh.
  resize(width, height, ratio) {
    if (this.canvas.width !== width) this.canvas.width = width;
    if (this.canvas.height !== height) this.canvas.height = height;
    this.ratio = ratio;
    this.shown = null;
  }

  // Pictures drawn for the ratio nearest at or above this one; a new set repaints them.
  setPictures(pictures) {
    this.pictures = pictures;
  }

  device(origin) {
    return new DevicePixels(this.ctx, this.ratio, origin);
  }

  // A control's own device pixels: its edges go to the device pixels they round to, and
  // nothing it paints reaches past them.
  inControl(rect, paint) {
    const device = this.device(rect);
    this.clipped(mapRect(rect, this.ratio), () => paint(device));
  }

  // Text at `at` (window pixels inside the control at `origin`), as the window draws it: laid
  // out in window pixels from the control's own corner, which at a fractional ratio may fall
  // inside a device pixel, and then put on whole device pixels.
  drawText(text, points, origin, at) {
    const ctx = this.ctx;
    const r = this.ratio;
    ctx.save();
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.font = fontOf(points, r);
    ctx.fillStyle = this.look.text;
    ctx.textAlign = 'left';
    ctx.textBaseline = 'alphabetic';
    ctx.fillText(text, glyphPixel((origin[0] + at[0]) * r), glyphPixel((origin[1] + at[1]) * r));
    ctx.restore();
  }

  // Paints whatever looks different from what was last painted. Returns whether it painted.
  paint(state) {
    if (!this.layout) return false;
    const ctx = this.ctx;
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    const full = this.shown === null;
    if (full) {
      this.shown = {cells: new Array(kCellCount).fill(null)};
      ctx.fillStyle = this.look.window;
      ctx.fillRect(0, 0, this.canvas.width, this.canvas.height);
    }
    const picturesChanged = this.shown.pictures !== this.pictures;
    this.shown.pictures = this.pictures;
    let painted = full;
    painted = this.paintCells(state, picturesChanged) || painted;
    painted = this.paintHourglass(state) || painted;
    painted = this.paintPreview(state) || painted;
    painted = this.paintXpBar(state) || painted;
    if ((full || picturesChanged) && this.pictures) {
      this.paintInstructions();
      painted = true;
    }
    painted = this.paintBombs(state, picturesChanged) || painted;
    painted = this.paintScore(state) || painted;
    return painted;
  }

  // Runs `paint` with the canvas clipped to `d`, a rectangle of device pixels.
  clipped(d, paint) {
    const ctx = this.ctx;
    ctx.save();
    ctx.beginPath();
    ctx.rect(d[0], d[1], d[2], d[3]);
    ctx.clip();
    paint();
    ctx.restore();
  }

  // The device pixels that cover a rectangle of a control's window pixels: at a fractional
  // ratio a device pixel straddles two window pixels.
  cover(device, rect) {
    const r = this.ratio;
    const widen = r === Math.floor(r) ? 0 : 1;
    const left = Math.floor(rect[0] * r) - widen;
    const top = Math.floor(rect[1] * r) - widen;
    const right = Math.ceil((rect[0] + rect[2]) * r) + widen;
    const bottom = Math.ceil((rect[1] + rect[3]) * r) + widen;
    return device.offset([left, top, right - left, bottom - top]);
  }

  // Board cells. Neighbours share their edge line at every ratio: a cell is one pitch and one
  // line wide, and a later cell lies on top of an earlier one.
  paintCells(state, picturesChanged) {
    const shown = this.shown.cells;
    const dirty = [];
    for (let i = 0; i < kCellCount; ++i) {
      const cell = state.cells[i];
      if (!cell) continue;
      const key = `${cell.colour}:${cell.picture}`;
      if (shown[i] === key && !(picturesChanged && cell.picture)) continue;
      shown[i] = key;
      dirty.push(i);
    }
    if (dirty.length === 0) return false;
    const board = this.layout.board;
    const side = board.pitch * (kBoardSide - 1) + board.size;
    this.inControl([board.left, board.top, side, side],
                   (device) => this.paintCellsIn(device, state, dirty));
    return true;
  }

  paintCellsIn(device, state, dirty) {
    const board = this.layout.board;
    const pitch = device.at(board.pitch);
    const size = pitch + device.line();
    const cellAt = (i) => device.offset([
      pitch * (i % kBoardSide), pitch * Math.trunc(i / kBoardSide), size, size,
    ]);
    const paintCell = (i) => {
      const cell = state.cells[i];
      if (!cell) return;
      const d = cellAt(i);
      device.boxInDevicePixels(d, cssColour(cell.colour), this.look.gridLine);
      const cherry = this.pictures && this.pictures.cherry;
      if (cell.picture === 1 && cherry) {
        device.pictureInDevicePixels([d[0] + device.at(2), d[1] + device.at(2)], cherry);
      }
    };
    if (dirty.length === kCellCount) {
      for (let i = 0; i < kCellCount; ++i) paintCell(i);
      return;
    }
    for (const i of dirty) {
      const row = Math.trunc(i / kBoardSide);
      const column = i % kBoardSide;
      this.clipped(cellAt(i), () => {
        for (let r = Math.max(0, row - 1); r <= Math.min(kBoardSide - 1, row + 1); ++r) {
          for (let c = Math.max(0, column - 1); c <= Math.min(kBoardSide - 1, column + 1); ++c) {
            paintCell(r * kBoardSide + c);
          }
        }
      });
    }
  }

  // How far down the black bar reaches, in device pixels.
  hourglassBar(fill) {
    const full = this.layout.hourglassFull;
    return this.device([0, 0]).at(Math.min(fill, full) / this.layout.twipsPerPixel);
  }

  // The rows between the bar's old and new end, or all of it the first time.
  paintHourglass(state) {
    if (state.hourglass === null) return false;
    const bar = this.hourglassBar(state.hourglass);
    const was = this.shown.bar;
    if (was === bar) return false;
    this.shown.bar = bar;
    const rect = this.layout.hourglass;
    this.inControl(rect, (device) => {
      const whole = device.map([0, 0, rect[2], rect[3]]);
      const paint = () => {
        device.fillInDevicePixels(whole, this.look.hourglassEmpty);
        device.fillInDevicePixels([whole[0], whole[1], whole[2], bar], this.look.hourglassFill);
      };
      if (was === undefined) paint();
      else this.clipped([whole[0], whole[1] + Math.min(was, bar), whole[2], Math.abs(bar - was)], paint);
    });
    return true;
  }

  // The preview's slots and level labels; a change repaints the areas that changed, all the
  // box's layers in their order, since a label's box reaches over the top and bottom slots.
  paintPreview(state) {
    if (!state.preview && !state.levels) return false;
    const layout = this.layout;
    const shown = this.shown;
    const rect = layout.previewBox;
    const whole = !shown.previewPainted;
    const areas = [];
    if (!whole) {
      for (const {slot, rect: square} of layout.previewSlots) {
        if (state.preview && shown.preview?.[slot] !== state.preview[slot]) areas.push(square);
      }
      for (let k = 0; k < layout.levels.length; ++k) {
        if (state.levels && shown.levels?.[k] !== state.levels[k]) areas.push(this.levelBox(k));
      }
      if (areas.length === 0) return false;
    }
    shown.previewPainted = true;
    shown.preview = state.preview && state.preview.slice();
    shown.levels = state.levels && state.levels.slice();
    this.inControl(rect, (device) => {
      const paint = () => {
        device.fill([0, 0, rect[2], rect[3]], this.look.previewBack);
        if (state.preview) {
          for (const {slot, rect: square} of layout.previewSlots) {
            device.box(square, cssColour(state.preview[slot]), this.look.previewEdge);
          }
        }
        if (state.levels) this.paintLevels(state.levels);
      };
      if (whole) paint();
      else for (const area of areas) this.clipped(this.cover(device, area), paint);
    });
    return true;
  }

  // A level label's box in the preview: one on the right keeps its one-digit place and grows
  // leftwards, inside the box.
  levelBox(k) {
    const label = this.layout.levels[k];
    const digit = this.text.digit();
    const left = label.growsLeft ? label.at[0] - (label.size[0] - digit) : label.at[0];
    return [left, label.at[1], label.size[0], label.size[1]];
  }

  paintLevels(levels) {
    const metrics = this.text.metrics(kSmallPoints);
    const origin = this.layout.previewBox;
    for (let k = 0; k < this.layout.levels.length; ++k) {
      const right = this.layout.levels[k].growsLeft;
      const width = right ? this.text.width(levels[k], kSmallPoints) : 0;
      this.drawText(levels[k], kSmallPoints, origin,
                    textOrigin(this.levelBox(k), metrics, width, {right}));
    }
  }

  // The experience bar, or the picture box's own face while it is not painted; a change of its
  // fill repaints the pixels between the old end and the new.
  paintXpBar(state) {
    const now = state.xp;
    if (!now) return false;
    const before = this.shown.xp;
    const rect = this.layout.xpBar;
    const width = rect[2];
    const tpp = this.layout.twipsPerPixel;
    let area = [0, 0, width, rect[3]];
    if (before && before.painted === now.painted && before.back === now.back &&
        before.fore === now.fore) {
      if (before.filled === now.filled) return false;
      const edge = (filled) => Math.min(Math.max(Math.floor(filled / tpp), 0), width);
      const left = edge(Math.min(before.filled, now.filled));
      const right = Math.min(width, edge(Math.max(before.filled, now.filled)) + 1);
      area = [left, 0, right - left, rect[3]];
    }
    this.shown.xp = {...now};
    const all = [0, 0, width, rect[3]];
    this.inControl(rect, (device) => this.clipped(this.cover(device, area), () => {
      if (!now.painted) {
        device.fill(all, this.look.pictureBoxFace);
        return;
      }
      device.fill(all, cssColour(now.back));
      const filled = Math.min(Math.max(now.filled / tpp, 0), width);
      device.fill([0, 0, filled, rect[3]], cssColour(now.fore));
    }));
    return true;
  }

  paintInstructions() {
    const rect = this.layout.instructions;
    this.inControl(rect, (device) => {
      device.box([0, 0, rect[2], rect[3]], this.look.pictureBoxFace, this.look.frameEdge);
      device.picture(this.layout.instructionsPicture, this.pictures.instructions);
    });
  }

  paintBombs(state, picturesChanged) {
    if (!state.bombs) return false;
    let painted = false;
    const shown = this.shown.bombs || [];
    this.layout.bombs.forEach((rect, k) => {
      if (shown[k] === state.bombs[k] && !picturesChanged) return;
      this.inControl(rect, (device) => {
        device.fill([0, 0, rect[2], rect[3]], this.look.window);
        const picture = this.pictures?.[state.bombs[k] ? 'bomb-solid' : 'bomb-outline'];
        if (picture) device.picture([0, 0], picture);
      });
      painted = true;
    });
    this.shown.bombs = state.bombs.slice();
    return painted;
  }

  // The score, and the divider at the label's middle.
  paintScore(state) {
    const score = state.score;
    if (!score) return false;
    const layout = this.layout;
    const fit = this.text.score(score.text, layout.scoreRoom);
    const key = `${score.text}|${score.line}|${fit.points}`;
    if (this.shown.score === key) return false;
    this.shown.score = key;
    const rect = layout.score;
    // All the room the label may grow into, up to the instructions frame.
    const room = [rect[0], rect[1], layout.instructions[0] - rect[0], rect[3]];
    this.inControl(room, (device) => {
      device.fill([0, 0, room[2], room[3]], this.look.window);
      const metrics = this.text.metrics(fit.points);
      const box = [0, 0, rect[2], layout.scoreTextHeight];
      this.drawText(score.text, fit.points, rect, textOrigin(box, metrics, 0, {centred: true}));
      // The divider stands at the label's middle.
      const x = Math.trunc((score.line - layout.scoreLeftTwips) / layout.twipsPerPixel);
      const [first, count] = penColumns(x, rect[0], this.ratio);
      const rows = device.map([0, 0, 1, rect[3]]);
      device.fillInDevicePixels([first, rows[1], count, rows[3]], this.look.text);
    });
    return true;
  }
}
