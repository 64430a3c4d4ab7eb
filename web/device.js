// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Window pixels to device pixels, rounded as the desktop window rounds them, so that cell edges
// and bars meet exactly at any ratio and the page shows what the window shows.

// The ratios the build draws the pictures at.
export const kPictureRatios = [1, 1.25, 1.5, 1.75, 2, 2.5, 3];

// Rounds half away from zero, as C's lround does.
export function lround(x) {
  return Math.sign(x) * Math.round(Math.abs(x));
}

// Window pixels to the device pixel they round to.
export function devicePixel(windowPixels, ratio) {
  return lround(windowPixels * ratio);
}

// An edge line: one window pixel, as a whole number of device pixels.
export function lineWidth(ratio) {
  return Math.max(1, Math.trunc(ratio));
}

// A rectangle of window pixels [left, top, width, height] to the device pixels its edges round
// to, as [left, top, width, height].
export function mapRect(rect, ratio) {
  const [left, top, width, height] = rect;
  const l = devicePixel(left, ratio);
  const t = devicePixel(top, ratio);
  return [l, t, devicePixel(left + width, ratio) - l, devicePixel(top + height, ratio) - t];
}

// The device pixels a one-pixel pen covers when the desktop draws a line upright through window
// x `x` of a control whose corner is at window x `origin`: those whose centres fall within half
// a window pixel either side of it. Returns [first, count].
export function penColumns(x, origin, ratio) {
  const left = (origin + x - 0.5) * ratio;
  const right = (origin + x + 0.5) * ratio;
  const first = Math.floor(left - 0.5) + 1;
  return [first, Math.floor(right - 0.5) - first + 1];
}

// The pictures drawn for the nearest ratio at or above `ratio`: never fewer image pixels than
// device pixels, so a picture shown smaller stays sharp.
export function pictureRatio(ratio) {
  for (const r of kPictureRatios) if (r >= ratio - 1e-9) return r;
  return kPictureRatios[kPictureRatios.length - 1];
}

// How many device pixels a picture of `windowPixels` takes at `ratio`: rounded up, as the
// pictures are drawn, so a fractional ratio never crops the last row or column.
export function pictureSpan(windowPixels, ratio) {
  return Math.ceil(windowPixels * ratio - 1e-6);
}

// The client area's place on the page: the largest scale at most 1 that fits it in the viewport,
// its backing store in whole device pixels, and its top-left on a device pixel.
export function fitClient(client, viewport, dpr) {
  const [width, height] = client;
  const scale = Math.min(1, viewport.width / width, viewport.height / height);
  const ratio = scale * dpr;
  const deviceWidth = Math.max(1, Math.round(width * ratio));
  const deviceHeight = Math.max(1, Math.round(height * ratio));
  const left = Math.max(0, Math.floor((viewport.width * dpr - deviceWidth) / 2)) / dpr;
  const top = Math.max(0, Math.floor((viewport.height * dpr - deviceHeight) / 2)) / dpr;
  return {scale, ratio, deviceWidth, deviceHeight, left, top};
}

// Paints on a canvas in whole device pixels, with the origin of a control at the device pixel
// its window position rounds to, as the desktop paints each control from its own corner.
export class DevicePixels {
  constructor(ctx, ratio, origin = [0, 0]) {
    this.ctx = ctx;
    this.ratio = ratio;
    this.x0 = devicePixel(origin[0], ratio);
    this.y0 = devicePixel(origin[1], ratio);
  }

  at(windowPixels) {
    return devicePixel(windowPixels, this.ratio);
  }

  line() {
    return lineWidth(this.ratio);
  }

  // A rectangle of the control's window pixels in the canvas's device pixels.
  map(rect) {
    const [l, t, w, h] = mapRect(rect, this.ratio);
    return [this.x0 + l, this.y0 + t, w, h];
  }

  fill(rect, colour) {
    this.fillInDevicePixels(this.map(rect), colour);
  }

  // `d` in the canvas's device pixels.
  fillInDevicePixels(d, colour) {
    const [l, t, w, h] = d;
    if (w <= 0 || h <= 0) return;
    this.ctx.fillStyle = colour;
    this.ctx.fillRect(l, t, w, h);
  }

  // A filled square with a one-pixel edge inside it, as the board and preview cells are drawn.
  box(rect, fill, edge) {
    this.boxInDevicePixels(this.map(rect), fill, edge);
  }

  boxInDevicePixels(d, fill, edge) {
    const [l, t, w, h] = d;
    const line = this.line();
    this.fillInDevicePixels(d, edge);
    this.fillInDevicePixels([l + line, t + line, w - 2 * line, h - 2 * line], fill);
  }

  // A rectangle of the control's device pixels, from its corner, in the canvas's.
  offset(d) {
    return [this.x0 + d[0], this.y0 + d[1], d[2], d[3]];
  }

  // A picture at a window position: one image pixel to one device pixel when it was drawn for
  // this ratio, else scaled smoothly to the device pixels it would have had.
  picture(topLeft, picture) {
    this.pictureInDevicePixels([this.x0 + this.at(topLeft[0]), this.y0 + this.at(topLeft[1])],
                               picture);
  }

  pictureInDevicePixels(d, picture) {
    const width = pictureSpan(picture.width, this.ratio);
    const height = pictureSpan(picture.height, this.ratio);
    const image = picture.image;
    if (image.width === width && image.height === height) {
      this.ctx.drawImage(image, d[0], d[1]);
    } else {
      this.ctx.imageSmoothingEnabled = true;
      this.ctx.imageSmoothingQuality = 'high';
      this.ctx.drawImage(image, d[0], d[1], width, height);
    }
  }
}

// A game colour, 0x00BBGGRR with red in the lowest byte, as CSS.
export function cssColour(colour) {
  const r = colour & 0xff;
  const g = (colour >> 8) & 0xff;
  const b = (colour >> 16) & 0xff;
  return `rgb(${r}, ${g}, ${b})`;
}
