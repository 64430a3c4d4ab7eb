// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The window's two fonts and the score's shrink-to-fit, measured in the page's own font.

// Verdana where the player has it; else DejaVu Sans Bold, which the page brings with it.
export const kFallbackFamily = 'Quazzle Sans';
export const kFamilies = `Verdana, "${kFallbackFamily}"`;
export const kScorePoints = 24;
export const kSmallPoints = 8.25;
const kLargePixels = 1000;

// The window's fonts take whole pixels: a size in points, at 96 dots an inch, is rounded to a
// hundredth and then to a whole pixel, as the desktop's text engine rounds it.
export function pixelSize(points) {
  return Math.floor(Math.floor((points * 96) / 72 * 100 + 0.5) / 100 + 0.5);
}

// The font at `points`, drawn `scale` device pixels a window pixel.
export function fontOf(points, scale = 1) {
  return `bold ${pixelSize(points) * scale}px ${kFamilies}`;
}

// The score's font size for `text`: its own while the text fits in `room` window pixels; past
// that, the same font just small enough that it still does. `measure(points)` is the text's
// width in window pixels at that size. Shrinks in proportion first, then nudges, as the window
// does, since glyph widths step with hinting.
export function fitScorePoints(measure, room) {
  let points = kScorePoints;
  let width = measure(points);
  if (width > room) points = (points * room) / width;
  for (width = measure(points); width > room && points > 1; width = measure(points)) {
    points *= 0.97;
  }
  return {points, width};
}

// Measures texts in the window's fonts, remembering the score's last fit as the window does.
export class TextMeasure {
  constructor(ctx) {
    this.ctx = ctx;
    this.fitted = null;
  }

  width(text, points) {
    this.ctx.font = fontOf(points);
    return this.ctx.measureText(text).width;
  }

  // {points, width} of the score's text; width in window pixels.
  score(text, room) {
    if (this.fitted && this.fitted.text === text && this.fitted.room === room) {
      return this.fitted;
    }
    const fit = fitScorePoints((points) => this.width(text, points), room);
    this.fitted = {text, room, ...fit};
    return this.fitted;
  }

  // The width of one digit in the small font, where a right-hand level label keeps its place.
  digit() {
    if (this.digitWidth === undefined) this.digitWidth = this.width('0', kSmallPoints);
    return this.digitWidth;
  }

  // Ascent and descent, in window pixels, of the font at `points`, unrounded: measured large,
  // where the browser's rounding to whole pixels no longer counts.
  metrics(points) {
    if (!this.unit) {
      this.ctx.font = `bold ${kLargePixels}px ${kFamilies}`;
      const m = this.ctx.measureText('0');
      this.unit = {ascent: m.fontBoundingBoxAscent / kLargePixels,
        descent: m.fontBoundingBoxDescent / kLargePixels};
    }
    const size = pixelSize(points);
    return {ascent: this.unit.ascent * size, descent: this.unit.descent * size};
  }
}
