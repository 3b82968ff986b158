// Fitting the terminal to the window: the program's screens are drawn for 80
// columns, which stay; the font is the largest at which they fit, the rows
// follow the visible height, and below the smallest font the box scrolls
// sideways, following the cursor as a terminal does.

import { FitAddon } from './addon-fit.mjs';

export const Columns = 80;
export const LargestFont = 16;
const SmallestFont = 9; // below this the box scrolls sideways instead

// The widget's width at the current font: 80 columns and the scroll bar.
function screenWidth(terminal) {
  return terminal.element.getBoundingClientRect().width;
}

// The largest font at which 80 columns fit the box, within the bounds.
function fitFont(terminal, box) {
  const style = getComputedStyle(box);
  const room = box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  let size = Math.min(
    LargestFont,
    Math.max(SmallestFont, Math.floor((terminal.options.fontSize * room) / screenWidth(terminal))),
  );
  terminal.options.fontSize = size;
  while (size > SmallestFont && screenWidth(terminal) > room) terminal.options.fontSize = --size;
}

// Where the box scrolls sideways, the prompt being answered stays in view:
// once a frame, as if it had followed each move of the cursor since the last
// (cell, the width of a cell as the last fitting found it): back to the
// leftmost column the cursor went through (a new line's start), then to
// where it is.
function followCursor(terminal, box, cell, leftmost) {
  for (const x of [leftmost * cell, terminal.buffer.active.cursorX * cell]) {
    if (x < box.scrollLeft || x + 2 * cell > box.scrollLeft + box.clientWidth) {
      box.scrollLeft = x + 2 * cell - box.clientWidth;
    }
  }
}

// Keeps the open terminal fitted to box as the window changes; returns the
// layOut function, for whatever else changes the room (the field, the keys,
// the header's offer).
export function fitToBox(terminal, box) {
  const fit = new FitAddon(); // for the rows only: the columns stay 80
  terminal.loadAddon(fit);
  const fitted = { sideways: false, cell: 0 };

  // The page's height follows the visual viewport, which a soft keyboard
  // shrinks (but not a pinch zoom); the rows follow the height, the prompt
  // line stays in view.
  function layOut() {
    const viewport = window.visualViewport;
    document.body.style.height = viewport && viewport.scale <= 1 ? `${viewport.height}px` : '';
    fitFont(terminal, box);
    const rows = fit.proposeDimensions()?.rows;
    if (rows > 0 && rows !== terminal.rows) terminal.resize(Columns, rows);
    fitted.sideways = box.scrollWidth > box.clientWidth;
    fitted.cell = terminal.element.querySelector('.xterm-screen').clientWidth / Columns;
    terminal.scrollToBottom();
  }
  addEventListener('resize', layOut);
  window.visualViewport?.addEventListener('resize', layOut);
  // The cursor moves with every write: the box follows it once a frame, and
  // only where it scrolls, so that its reads of the layout come once.
  let leftmost = null; // the leftmost column since the last frame; null: none pending
  terminal.onCursorMove(() => {
    if (!fitted.sideways) return;
    const column = terminal.buffer.active.cursorX;
    if (leftmost !== null) {
      leftmost = Math.min(leftmost, column);
      return;
    }
    leftmost = column;
    requestAnimationFrame(() => {
      followCursor(terminal, box, fitted.cell, leftmost);
      leftmost = null;
    });
  });
  return layOut;
}
