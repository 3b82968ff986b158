// One run after another on the page's terminal. Whatever a person uses (a
// key, a soft keyboard, the field, a button) reaches the program through the
// run's line discipline, as typed characters. The run's state is one object,
// kept here; the other modules are told what they need.

import { createLineDiscipline } from './line_discipline.mjs';
import { runProgram } from './program.mjs';
import { createSettings } from './settings.mjs';
import { createSpokenText } from './spoken_text.mjs';
import { createTyping } from './typing.mjs';

// Runs the program, compiled, on terminal, again and again; layOut fits the
// terminal to the room left.
export function startRuns({ compiled, terminal, layOut }) {
  const run = {
    discipline: null, // between runs, none
    keyMode: false, // the program waits for one key
    settings: null, // the header's settings it started with
    restartWanted: false, // a new run follows at its end
  };
  const end = document.getElementById('end');
  const endText = document.getElementById('end-text');
  const restart = document.getElementById('restart');
  const spoken = createSpokenText(document.getElementById('spoken'));

  // A line sent or a key in key mode is an answer, after which the live
  // region starts again.
  function type(data) {
    if (!run.discipline) return;
    if (run.keyMode || /[\r\n]/.test(data)) spoken.answered();
    run.discipline.type(data);
  }

  const typing = createTyping({
    terminal,
    type,
    onToggle() {
      showTyping();
      layOut();
    },
  });
  const showTyping = () => typing.show(run.discipline !== null, run.keyMode, run.settings?.exact);

  function setKeyMode(on) {
    run.keyMode = on;
    showTyping();
    layOut();
    typing.focus(on);
  }

  const offerRestart = () => settings.offerRestart(run.discipline && run.settings);
  const settings = createSettings({
    onChange() {
      offerRestart();
      layOut();
    },
    // The run in progress ends as at the end of its input, and the next
    // begins.
    onRestart() {
      run.restartWanted = true;
      run.discipline?.end();
    },
  });

  async function start() {
    end.hidden = true;
    terminal.reset();
    spoken.answered();
    run.settings = settings.chosen();
    run.restartWanted = false;
    run.discipline = createLineDiscipline({
      show: (text) => terminal.write(text),
      write(stream, bytes) {
        terminal.write(bytes);
        spoken.speak(bytes);
        return true;
      },
      onKeyMode: setKeyMode,
    });
    offerRestart();
    setKeyMode(false);
    typing.focus(false, true);
    try {
      const status = await runProgram(await compiled, run.discipline, settings.argumentsFor(run.settings));
      endText.textContent = `Le programme est terminé (statut ${status}).`;
    } catch (error) {
      endText.textContent = `Le programme n'a pas pu s'exécuter : ${error}`;
    }
    run.discipline = null;
    offerRestart();
    if (run.restartWanted) {
      start();
      return;
    }
    end.hidden = false;
    setKeyMode(false);
    restart.focus();
  }

  restart.addEventListener('click', start);
  start();
}
