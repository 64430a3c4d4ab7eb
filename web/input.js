// SPDX-FileCopyrightText: 2026 The Quazzle developers
// SPDX-License-Identifier: MIT

// Forwards the player's pointer and keys to the game thread, in window pixels. The game decides
// what lies under the pointer; the page only says where it is.

export const kMove = 0;
export const kDown = 1;
export const kUp = 2;
export const kLeft = 3;
export const kSpace = 32;

// `game` has pointer(kind, x, y), keyReleased(code) and start(); `view` gives the client
// area's scale (CSS pixels a window pixel); `blocked()` is true while the prompt is up or the
// program has ended.
export function attachInput({client, startButton, game, view, blocked}) {
  let last = null;  // where the game last heard the pointer was
  let pressed = false;  // a press went to the game and has not been released
  let spaceDown = false;  // a press of Space seen on the page since the last release

  const where = (event) => {
    const box = client.getBoundingClientRect();
    const scale = view().scale;
    return [(event.clientX - box.left) / scale, (event.clientY - box.top) / scale];
  };
  const send = (kind, x, y) => {
    last = kind === kLeft ? null : [x, y];
    game.pointer(kind, x, y);
  };
  const onButton = (event) => startButton.contains(event.target);

  client.addEventListener('pointermove', (event) => {
    if (blocked()) return;
    const [x, y] = where(event);
    send(kMove, x, y);
  });
  client.addEventListener('pointerdown', (event) => {
    if (blocked() || !event.isPrimary || event.button !== 0) return;
    // A finger keeps its own pointer, so that leaving the area ends it as a mouse's would.
    const target = event.target;
    if (target.hasPointerCapture?.(event.pointerId)) target.releasePointerCapture(event.pointerId);
    if (onButton(event)) return;
    const [x, y] = where(event);
    // A tap lands where no move has been: the game hears the pointer arrive first, as a
    // mouse's would.
    if (!last || last[0] !== x || last[1] !== y) send(kMove, x, y);
    send(kDown, x, y);
    pressed = true;
  });
  client.addEventListener('pointerup', (event) => {
    if (!event.isPrimary || event.button !== 0 || !pressed) return;
    pressed = false;
    if (blocked()) return;
    const [x, y] = where(event);
    send(kUp, x, y);
  });
  const leave = () => {
    pressed = false;
    if (blocked() || last === null) return;
    send(kLeft, 0, 0);
  };
  client.addEventListener('pointerleave', leave);
  client.addEventListener('pointercancel', leave);

  // The start button takes no focus from a click, so Space never presses it.
  startButton.addEventListener('mousedown', (event) => event.preventDefault());
  startButton.addEventListener('pointerdown', (event) => {
    if (event.button === 0) startButton.classList.add('pressed');
  });
  for (const type of ['pointerup', 'pointerleave', 'pointercancel']) {
    startButton.addEventListener(type, () => startButton.classList.remove('pressed'));
  }
  startButton.addEventListener('click', () => {
    if (!blocked()) game.start();
  });

  // Space sets off a bomb on its release, wherever the page has the focus; a held Space
  // repeats its press but counts once. Keys go to the prompt while it is up.
  const isSpace = (event) => event.code === 'Space' || event.key === ' ';
  document.addEventListener('keydown', (event) => {
    if (blocked() || !isSpace(event)) return;
    // Not a scroll, and not a press of whatever button has the focus.
    event.preventDefault();
    if (!event.repeat) spaceDown = true;
  });
  document.addEventListener('keyup', (event) => {
    if (!isSpace(event)) return;
    const seen = spaceDown;
    spaceDown = false;
    if (blocked()) return;
    event.preventDefault();
    if (seen) game.keyReleased(kSpace);
  });
  // A release the page cannot hear (the focus went elsewhere) must not count later.
  window.addEventListener('blur', () => {
    spaceDown = false;
  });
}
