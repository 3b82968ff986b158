// The page: the terminal widget, the line discipline between it and the
// program, one run after another.

import { Terminal } from './xterm.mjs';
import { FitAddon } from './addon-fit.mjs';
import { createLineDiscipline } from './line_discipline.mjs';
import { isExitStatus, runProgram } from './program.mjs';

addEventListener('unhandledrejection', (event) => {
  if (isExitStatus(event.reason)) event.preventDefault();
});

const compiled = WebAssembly.compileStreaming(fetch('tessarivand.wasm'));

const terminal = new Terminal({
  convertEol: true, // a terminal driver's output processing: \n starts a new line
  screenReaderMode: true,
  fontFamily: 'ui-monospace, "DejaVu Sans Mono", "Liberation Mono", monospace',
  fontSize: 16,
  scrollback: 10000,
});
const fit = new FitAddon();
terminal.loadAddon(fit);
terminal.open(document.getElementById('terminal'));
fit.fit();
addEventListener('resize', () => fit.fit());

const end = document.getElementById('end');
const endText = document.getElementById('end-text');

async function run() {
  end.hidden = true;
  fit.fit();
  terminal.reset();
  const discipline = createLineDiscipline((text) => terminal.write(text));
  discipline.write = (stream, bytes) => {
    terminal.write(bytes);
    return true;
  };
  const typing = terminal.onData((data) => discipline.type(data));
  terminal.focus();
  try {
    const status = await runProgram(await compiled, discipline);
    endText.textContent = `Le programme est terminé (statut ${status}).`;
  } catch (error) {
    endText.textContent = `Le programme n'a pas pu s'exécuter : ${error}`;
  }
  typing.dispose();
  end.hidden = false;
  fit.fit();
}

document.getElementById('restart').addEventListener('click', run);
run();
