// The "Courbe" box and the graph of the last division below the terminal.
// Unlike the run's settings it needs no new run: ticked, it draws the last
// division at once; unticked, it hides the graph. The drawing code
// (graph.mjs) loads only once the box is ticked, and never before the first
// prompt.

import { store, stored } from './settings.mjs';

const Stored = 'tessarivand.courbe';

// The numbers that graph_web.cpp sends: the coefficients a[0] … a[n]
// separated by spaces, then µ, the remainder and the real roots, the four
// fields separated by ";".
function divisionOf(numbers) {
  const [coefficients, mu, remainder, roots] = numbers.split(';');
  const list = (text) => text.split(' ').filter((number) => number !== '');
  return { coefficients: list(coefficients), mu, remainder, realRoots: list(roots) };
}

// spoken: the live region (follow(text) after the program's text, say(text)
// on its own); onResize() follows every change of the room the graph takes;
// place() tells where in the session the division ends. Returns show(numbers)
// for the program, startRun(), firstPrompt(), and shown(), the graph shown
// with its place, or null.
export function createCurve({ spoken, onResize, place }) {
  const toggle = document.getElementById('curve');
  const figure = document.getElementById('graph');
  toggle.checked = stored(Stored);
  let division = null; // the last division of the run, with its place
  let loading = null; // graph.mjs, once asked for
  let drawing = null; // graph.mjs, once loaded
  let firstPromptShown = false;

  const load = () => (loading ??= import('./graph.mjs').then((module) => (drawing = module)));

  function hide() {
    if (figure.hidden) return;
    figure.hidden = true;
    figure.replaceChildren();
    onResize();
  }

  function draw(speak) {
    const { svg, description } = drawing.drawGraph(division.data);
    figure.replaceChildren(svg);
    figure.hidden = false;
    onResize();
    speak(description);
  }

  // Draws the last division, at once when the code is there; speak(text)
  // tells screen readers.
  function update(speak) {
    if (!toggle.checked || !division) {
      hide();
      return;
    }
    if (drawing) {
      draw(speak);
      return;
    }
    const awaited = division;
    load().then(() => {
      if (toggle.checked && division === awaited) draw(speak);
    });
  }

  toggle.addEventListener('change', () => {
    store(Stored, toggle.checked);
    if (toggle.checked && firstPromptShown) load();
    update(spoken.say);
  });

  return {
    show(numbers) {
      division = { data: divisionOf(numbers), place: place() };
      update(spoken.follow);
    },
    startRun() {
      division = null;
      hide();
    },
    firstPrompt() {
      firstPromptShown = true;
      if (toggle.checked) load();
    },
    shown: () => (figure.hidden || !division ? null : { svg: figure.firstElementChild, place: division.place }),
  };
}
