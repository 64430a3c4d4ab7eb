// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// The pictures, as the build draws them for each ratio: pictures/<name>-<ratio>x.png.

import {pictureRatio} from './device.js';

export const kPictureNames = ['instructions', 'bomb-outline', 'bomb-solid', 'cherry'];

export function picturePath(name, ratio) {
  return `pictures/${name}-${ratio}x.png`;
}

// A picture that failed to load, named by its path.
export class PictureError extends Error {
  constructor(path) {
    super(`the picture ${path} could not be loaded`);
    this.path = path;
  }
}

async function loadImage(path) {
  const image = new Image();
  image.src = path;
  try {
    await image.decode();
  } catch {
    throw new PictureError(path);
  }
  return image;
}

export class Pictures {
  constructor(load = loadImage) {
    this.load = load;
    this.sets = new Map();  // ratio -> promise of a set
  }

  // The set drawn for the nearest ratio at or above `ratio`: each picture with its size in
  // window pixels (what it takes at any ratio) and its image.
  forRatio(ratio) {
    const drawnAt = pictureRatio(ratio);
    if (!this.sets.has(drawnAt)) {
      const set = Promise.all(kPictureNames.map(async (name) => {
        const image = await this.load(picturePath(name, drawnAt));
        return [name, {
          image,
          ratio: drawnAt,
          width: Math.floor(image.width / drawnAt + 1e-6),
          height: Math.floor(image.height / drawnAt + 1e-6),
        }];
      })).then((entries) => Object.fromEntries(entries));
      // A failed set may be asked for again.
      set.catch(() => this.sets.delete(drawnAt));
      this.sets.set(drawnAt, set);
    }
    return this.sets.get(drawnAt);
  }
}
