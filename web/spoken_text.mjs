// The live region, for screen readers (the widget's rows are hidden from
// them): the text that the program wrote since the last answer, without its
// frames (runs of *, - or =) and empty lines, once the output pauses. A long
// text (a large table) is announced as such, then its last lines, which hold
// the prompt.

const Longest = 4000; // characters read whole
const LastLines = 600; // at most, of a longer text
const Kept = 64 * 1024; // of the output since the answer: enough for the end, not the megabytes of a table
const LongTextNotice = "Un long texte a été écrit à l'écran. En voici les dernières lignes :";

// √, ², powers, Δ and the imaginary unit as a French reader says them:
// "(1 + i√3)/2" is "(1 + i fois racine de 3)/2", "X^2" "X au carré".
function inWords(text) {
  return text
    .replace(/i√/g, 'i fois √')
    .replace(/√/g, 'racine de ')
    .replace(/²|\^2(?!\d)/g, ' au carré')
    .replace(/³|\^3(?!\d)/g, ' au cube')
    .replace(/\^(\d+)/g, ' puissance $1')
    .replace(/Δ/g, 'Delta')
    .replace(/(^|[\s(])-i\b/g, '$1moins i');
}

function withoutFrames(text) {
  return text
    .replace(/[*=-]{2,}/g, '')
    .split('\n')
    .map((line) => line.trim())
    .filter((line) => line !== '')
    .join('\n');
}

// The whole lines that end text, within LastLines characters (the end of
// the last one, if that alone is longer).
function lastLines(text) {
  const from = Math.max(0, text.length - LastLines);
  if (from === 0) return text;
  const lineEnd = text.indexOf('\n', from - 1);
  return text.slice(lineEnd === -1 ? from : lineEnd + 1);
}

// speak(bytes) adds the program's output, follow(text) a line of the
// page's after it (the graph's text), say(text) says a text of the page's
// alone; answered() starts again.
export function createSpokenText(region) {
  const decoder = new TextDecoder();
  let unspoken = '';
  let cut = false; // the start of unspoken is gone
  let timer = null;
  const spoken = {
    speak(bytes) {
      unspoken += typeof bytes === 'string' ? bytes : decoder.decode(bytes, { stream: true });
      if (unspoken.length > 2 * Kept) {
        unspoken = unspoken.slice(-Kept);
        cut = true;
      }
      clearTimeout(timer);
      timer = setTimeout(() => {
        const text = inWords(withoutFrames(unspoken));
        region.textContent = cut || text.length > Longest ? `${LongTextNotice}\n${lastLines(text)}` : text;
      }, 100);
    },
    follow(text) {
      spoken.speak(`\n${text}\n`);
    },
    say(text) {
      region.textContent = inWords(text);
    },
    answered() {
      unspoken = '';
      cut = false;
      region.textContent = '';
    },
  };
  return spoken;
}
