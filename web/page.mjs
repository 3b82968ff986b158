// The page: the terminal widget, the field for touch screens, the line
// discipline between them and the program, one run after another. Whatever
// a person uses (a key, a soft keyboard, the field, a button) reaches the
// program through discipline.type, as typed characters.

import { Terminal } from './xterm.mjs';
import { FitAddon } from './addon-fit.mjs';
import { createLineDiscipline } from './line_discipline.mjs';
import { isExitStatus, runProgram } from './program.mjs';

addEventListener('unhandledrejection', (event) => {
  if (isExitStatus(event.reason)) event.preventDefault();
});

if ('serviceWorker' in navigator) navigator.serviceWorker.register('service-worker.js');

const compiled = WebAssembly.compileStreaming(fetch('tessarivand.wasm'));

const Columns = 80; // the program's screens are drawn for 80 columns
const LargestFont = 16;
const SmallestFont = 9; // below this the box scrolls sideways instead

// The widget's own texts, in the page's language. Its screen-reader mode
// stays off: it drops text that arrives as input events (soft keyboards,
// dictation); the live region below speaks instead.
Terminal.strings.promptLabel = 'Saisie du terminal';
Terminal.strings.tooMuchOutput = 'Trop de texte à annoncer : parcourez les lignes pour le lire';

const terminal = new Terminal({
  convertEol: true, // a terminal driver's output processing: \n starts a new line
  cols: Columns,
  fontFamily: 'ui-monospace, "DejaVu Sans Mono", "Liberation Mono", monospace',
  fontSize: LargestFont,
  scrollback: 10000,
});
const fit = new FitAddon(); // for the rows only: the columns stay 80
terminal.loadAddon(fit);
terminal.open(document.getElementById('terminal'));
terminal.element.querySelector('.xterm-rows').setAttribute('aria-hidden', 'true');
// A key released while the focus was elsewhere (the end of a run moves it
// to the restart button at the press of q) never reaches the widget, which
// then takes the next text of an input event (dictation, a soft keyboard)
// for that key's own and drops it. Back in the terminal, the key is up.
terminal.textarea.addEventListener('focus', () => terminal.textarea.dispatchEvent(new KeyboardEvent('keyup')));

const box = document.getElementById('box');
const field = document.getElementById('line');
const form = document.getElementById('typing');
const fieldToggle = document.getElementById('show-field');
const keys = document.getElementById('keys');
const spoken = document.getElementById('spoken');
const end = document.getElementById('end');
const endText = document.getElementById('end-text');

// The widget's width at the current font: 80 columns and the scroll bar.
function screenWidth() {
  return terminal.element.getBoundingClientRect().width;
}

// The largest font at which 80 columns fit the box, within the bounds.
function fitFont() {
  const style = getComputedStyle(box);
  const room = box.clientWidth - parseFloat(style.paddingLeft) - parseFloat(style.paddingRight);
  let size = Math.min(LargestFont, Math.max(SmallestFont, Math.floor((terminal.options.fontSize * room) / screenWidth())));
  terminal.options.fontSize = size;
  while (size > SmallestFont && screenWidth() > room) terminal.options.fontSize = --size;
}

// The page's height follows the visual viewport, which a soft keyboard
// shrinks (but not a pinch zoom); the rows follow the height, the prompt line
// stays in view.
function layOut() {
  const viewport = window.visualViewport;
  document.body.style.height = viewport && viewport.scale <= 1 ? `${viewport.height}px` : '';
  fitFont();
  const rows = fit.proposeDimensions()?.rows;
  if (rows > 0 && rows !== terminal.rows) terminal.resize(Columns, rows);
  terminal.scrollToBottom();
}
addEventListener('resize', layOut);
window.visualViewport?.addEventListener('resize', layOut);

// Where the box scrolls sideways, it follows the cursor as a terminal
// does, so that the prompt being answered is in view.
function followCursor() {
  if (box.scrollWidth <= box.clientWidth) return;
  const cell = terminal.element.querySelector('.xterm-screen').clientWidth / Columns;
  const x = terminal.buffer.active.cursorX * cell;
  if (x < box.scrollLeft || x + 2 * cell > box.scrollLeft + box.clientWidth) {
    box.scrollLeft = x + 2 * cell - box.clientWidth;
  }
}
terminal.onCursorMove(followCursor);

// The text since the last answer, without frames (runs of *, - or =) and
// empty lines, for the live region.
const decoder = new TextDecoder();
let unspoken = '';
let speakTimer = null;

function withoutFrames(text) {
  return text
    .replace(/[*=-]{2,}/g, '')
    .split('\n')
    .map((line) => line.trim())
    .filter((line) => line !== '')
    .join('\n');
}

function speak(text) {
  unspoken += text;
  clearTimeout(speakTimer);
  speakTimer = setTimeout(() => {
    spoken.textContent = withoutFrames(unspoken);
  }, 100);
}

function answered() {
  unspoken = '';
  spoken.textContent = '';
}

let discipline = null;
let inKeyMode = false;

// Every way in: typed data for the line discipline; a line sent or a key in
// key mode is an answer, after which the live region starts again.
function type(data) {
  if (!discipline) return;
  if (inKeyMode || /[\r\n]/.test(data)) answered();
  discipline.type(data);
}

// The field while a run reads lines, the two keys while it waits for one.
function showField(on) {
  form.hidden = !on || inKeyMode || !discipline;
}

function setKeyMode(on) {
  inKeyMode = on;
  keys.hidden = !on;
  showField(fieldToggle.checked);
  layOut();
  if (on) terminal.focus(); // a hardware key answers too
  else if (!form.hidden) field.focus();
}

fieldToggle.checked = matchMedia('(pointer: coarse), (hover: none)').matches;
fieldToggle.addEventListener('change', () => {
  showField(fieldToggle.checked);
  layOut();
});
showField(fieldToggle.checked);

// A comma becomes a point at once: what the person sees is what the program
// reads (a French keypad's decimal key gives a comma).
field.addEventListener('input', () => {
  if (!field.value.includes(',')) return;
  const caret = field.selectionStart;
  field.value = field.value.replaceAll(',', '.');
  field.setSelectionRange(caret, caret);
});

for (const button of document.querySelectorAll('.insert')) {
  button.addEventListener('click', () => {
    field.setRangeText(button.dataset.text, field.selectionStart, field.selectionEnd, 'end');
    field.focus();
  });
}

form.addEventListener('submit', (event) => {
  event.preventDefault();
  type(field.value + '\r');
  field.value = '';
  field.focus();
});

for (const button of keys.querySelectorAll('button')) {
  button.addEventListener('click', () => type(button.dataset.key));
}

terminal.onData(type);

// Horner's table after each division: the option of the runs to come,
// remembered for the next visit. Changed during a run, it offers a new one.
const tableToggle = document.getElementById('show-table');
const tableRestart = document.getElementById('restart-for-table');
const TableSetting = 'tessarivand.tableau';
// Storage may be refused (a private window): the setting then lasts the visit.
try {
  tableToggle.checked = localStorage.getItem(TableSetting) === 'oui';
} catch {}

let runningWithTable = false;
let restartWanted = false;

function offerRestartForTable() {
  tableRestart.hidden = !discipline || tableToggle.checked === runningWithTable;
  tableRestart.textContent = tableToggle.checked ? 'Recommencer avec le tableau' : 'Recommencer sans le tableau';
}

tableToggle.addEventListener('change', () => {
  try {
    localStorage.setItem(TableSetting, tableToggle.checked ? 'oui' : 'non');
  } catch {}
  offerRestartForTable();
  layOut();
});

// The run in progress ends as at the end of its input, and the next begins.
tableRestart.addEventListener('click', () => {
  restartWanted = true;
  discipline?.end();
});

// One run, with Horner's table as the page's setting asks.
async function run() {
  end.hidden = true;
  terminal.reset();
  answered();
  runningWithTable = tableToggle.checked;
  const args = runningWithTable ? ['--tableau'] : [];
  restartWanted = false;
  discipline = createLineDiscipline({
    show: (text) => terminal.write(text),
    write(stream, bytes) {
      terminal.write(bytes);
      speak(decoder.decode(bytes, { stream: true }));
      return true;
    },
    onKeyMode: setKeyMode,
  });
  offerRestartForTable();
  setKeyMode(false);
  if (!form.hidden) field.focus();
  else terminal.focus();
  try {
    const status = await runProgram(await compiled, discipline, args);
    endText.textContent = `Le programme est terminé (statut ${status}).`;
  } catch (error) {
    endText.textContent = `Le programme n'a pas pu s'exécuter : ${error}`;
  }
  discipline = null;
  offerRestartForTable();
  if (restartWanted) {
    run();
    return;
  }
  end.hidden = false;
  setKeyMode(false);
  document.getElementById('restart').focus();
}

document.getElementById('restart').addEventListener('click', run);
run();
