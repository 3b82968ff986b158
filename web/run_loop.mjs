// One run after another on the page's terminal. Whatever a person uses (a
// key, a soft keyboard, the field, a button) reaches the program through the
// run's line discipline, as typed characters. The run's state is one object,
// kept here; the other modules are told what they need.

import { createCurve } from './curve.mjs';
import { createHandOut } from './hand_out.mjs';
import { createLineDiscipline } from './line_discipline.mjs';
import { runProgram } from './program.mjs';
import { createSessionRecord } from './session_record.mjs';
import { createSettings } from './settings.mjs';
import { createSpokenText } from './spoken_text.mjs';
import { createTyping } from './typing.mjs';

// Runs the program, compiled, on terminal, again and again; layOut fits the
// terminal to the room left. Returns firstPrompt(), for once the first
// prompt is on the screen.
export function startRuns({ compiled, terminal, layOut }) {
  const run = {
    discipline: null, // between runs, none
    keyMode: false, // the program waits for one key
    settings: null, // the header's settings it started with
    restartWanted: false, // a new run follows at its end
    record: createSessionRecord(), // its session as text, kept until the next run starts
  };
  const end = document.getElementById('end');
  const endText = document.getElementById('end-text');
  const restart = document.getElementById('restart');
  const spoken = createSpokenText(document.getElementById('spoken'));
  const curve = createCurve({ spoken, onResize: () => layOut(), place: () => run.record.ended() });
  createHandOut({ record: { lines: () => run.record.lines(), text: () => run.record.text() }, graph: curve.shown });

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
    run.record = createSessionRecord();
    curve.startRun();
    // The terminal that the program calls: the line discipline, and the
    // graph after each division (graph_web.cpp).
    run.discipline = createLineDiscipline({
      show(text) {
        terminal.write(text);
        run.record.add(text);
      },
      write(stream, bytes) {
        terminal.write(bytes);
        run.record.add(bytes);
        spoken.speak(bytes);
        return true;
      },
      onKeyMode: setKeyMode,
    });
    run.discipline.showGraph = curve.show;
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
  return { firstPrompt: curve.firstPrompt };
}
