// The page: the terminal widget, fitted to the window, and the program's
// runs on it (run_loop.mjs).

import { Terminal } from './xterm.mjs';
import { createHeaderMenu } from './header_menu.mjs';
import { Columns, fitToBox, likelyFont, measureLatin1AtOnce } from './layout.mjs';
import { isExitStatus } from './program.mjs';
import { startRuns } from './run_loop.mjs';

addEventListener('unhandledrejection', (event) => {
  if (isExitStatus(event.reason)) event.preventDefault();
});

const compiled = WebAssembly.compileStreaming(fetch('tessarivand.wasm'));

// The widget's own texts, in the page's language. Its screen-reader mode
// stays off: it drops text that arrives as input events (soft keyboards,
// dictation); the live region (spoken_text.mjs) speaks instead.
Terminal.strings.promptLabel = 'Saisie du terminal';
Terminal.strings.tooMuchOutput = 'Trop de texte à annoncer : parcourez les lignes pour le lire';

const fontFamily = 'ui-monospace, "DejaVu Sans Mono", "Liberation Mono", monospace';
const terminal = new Terminal({
  convertEol: true, // a terminal driver's output processing: \n starts a new line
  cols: Columns,
  fontFamily,
  fontSize: likelyFont(document.getElementById('box'), fontFamily),
  scrollback: 10000,
});
const layOut = fitToBox(terminal, document.getElementById('box'));
terminal.open(document.getElementById('terminal'));
measureLatin1AtOnce(terminal);
terminal.element.querySelector('.xterm-rows').setAttribute('aria-hidden', 'true');
// A key released while the focus was elsewhere (the end of a run moves it
// to the restart button at the press of q) never reaches the widget, which
// then takes the next text of an input event (dictation, a soft keyboard)
// for that key's own and drops it. Back in the terminal, the key is up.
terminal.textarea.addEventListener('focus', () => terminal.textarea.dispatchEvent(new KeyboardEvent('keyup')));

createHeaderMenu();
const runs = startRuns({ compiled, terminal, layOut });

// What the first prompt does not need waits until it is on the screen: the
// service worker, whose installation fetches every file of the site again,
// or else the manual's prefetch; the graph's code, when its box is ticked.
// Before, they would take the network and the processor from the first
// prompt.
const firstPromptShown = terminal.onRender(() => {
  if (terminal.buffer.active.cursorX === 0) return; // not yet the program's text
  firstPromptShown.dispose();
  setTimeout(() => {
    runs.firstPrompt();
    if ('serviceWorker' in navigator) navigator.serviceWorker.register('service-worker.js');
    else document.head.append(Object.assign(document.createElement('link'), { rel: 'prefetch', href: 'tessarivand.txt' }));
  });
});
