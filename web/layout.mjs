// Fitting the terminal to the window: the program's screens are drawn for 80
// columns, which stay; the font is the largest at which they fit, the rows
// follow the visible height, and below the smallest font the box scrolls
// sideways, following the cursor as a terminal does.

import { FitAddon } from './addon-fit.mjs';

export const Columns = 80;
export const LargestFont = 16;
const SmallestFont = 9; // below this the box scrolls sideways instead
const ScrollBarRoom = 14; // px, beside the 80th column (style.css)

// The widget's width at the current font: 80 columns and the scroll bar.
function screenWidth(terminal) {
  return terminal.element.getBoundingClientRect().width;
}

// The room for the terminal's width in box.
function roomIn(box) {
  const style = getComputedStyle(box);
  return box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
}

// The font that fitFont will find, guessed before the widget exists from
// the width of a W in fontFamily (the widget's own measure), so that the
// widget opens at it: a change of font makes it measure and draw again.
// Room beside the 80 columns: the scroll bar's (style.css).
export function likelyFont(box, fontFamily) {
  const probe = document.createElement('span');
  Object.assign(probe.style, { font: `${LargestFont}px ${fontFamily}`, whiteSpace: 'pre', position: 'absolute' });
  probe.textContent = 'W'.repeat(32);
  box.append(probe);
  const cell = probe.offsetWidth / 32 / LargestFont; // a cell's width for a font of 1 px
  probe.remove();
  const size = Math.floor((roomIn(box) - ScrollBarRoom) / (Columns * cell));
  return Math.min(LargestFont, Math.max(SmallestFont, size));
}

// The largest font at which 80 columns fit the box, within the bounds.
function fitFont(terminal, box) {
  const room = roomIn(box);
  let size = Math.min(
    LargestFont,
    Math.max(SmallestFont, Math.floor((terminal.options.fontSize * room) / screenWidth(terminal))),
  );
  terminal.options.fontSize = size;
  while (size > SmallestFont && screenWidth(terminal) > room) terminal.options.fontSize = --size;
}

// The characters of the program's screens: ASCII and the rest of Latin-1
// (é, µ, ô, ², …).
const Latin1 = [...Array(0x7f - 0x20).keys()].map((k) => 0x20 + k).concat([...Array(0x100 - 0xa0).keys()].map((k) => 0xa0 + k));

// The widget's DOM renderer (@xterm/xterm 6.0) measures the width of each
// new character on its own, in an element of its width cache: one forced
// layout each, some 60 for the first screen, again after each change of
// font. At the first character of a text to measure, its cache is given
// all of Latin-1 instead, measured the same way in one layout. Where the widget is
// built otherwise, it measures as it did. For the open terminal.
export function measureLatin1AtOnce(terminal) {
  const cache = terminal._core?._renderService?._renderer?.value?._widthCache;
  const model = cache?._measureElements?.[0];
  if (!(cache?._flat instanceof Float32Array) || !model || typeof cache._measure !== 'function') return;
  const measureOne = cache._measure.bind(cache);
  cache._measure = (character, variant) => {
    const code = character.length === 1 ? character.charCodeAt(0) : -1;
    // The W alone: the widget measures it as it opens, before the font is fitted.
    if (variant !== 0 || character === 'W' || !Latin1.includes(code)) return measureOne(character, variant);
    const spans = Latin1.map((each) => {
      const span = model.cloneNode();
      span.textContent = String.fromCharCode(each).repeat(32); // as the cache repeats it
      return span;
    });
    model.after(...spans);
    spans.forEach((span, at) => {
      const width = span.offsetWidth / 32;
      if (width > 0) cache._flat[Latin1[at]] = width;
    });
    for (const span of spans) span.remove();
    return cache._flat[code] > 0 ? cache._flat[code] : measureOne(character, variant);
  };
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
    // The graph's height follows the visible height too (style.css).
    document.body.style.setProperty('--visible-height', `${viewport?.height ?? innerHeight}px`);
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
