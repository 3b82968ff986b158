// The live region, for screen readers (the widget's rows are hidden from
// them): the text that the program wrote since the last answer, without its
// frames (runs of *, - or =) and empty lines, once the output pauses. A long
// text (a large table) is announced as such, then its last lines, which hold
// the prompt.

const Longest = 4000; // characters read whole
const LastLines = 600; // at most, of a longer text
const Kept = 64 * 1024; // of the output since the answer: enough for the end, not the megabytes of a table
const LongTextNotice = "Un long texte a été écrit à l'écran. En voici les dernières lignes :";

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

// speak(bytes) adds the program's output, answered() starts again.
export function createSpokenText(region) {
  const decoder = new TextDecoder();
  let unspoken = '';
  let cut = false; // the start of unspoken is gone
  let timer = null;
  return {
    speak(bytes) {
      unspoken += decoder.decode(bytes, { stream: true });
      if (unspoken.length > 2 * Kept) {
        unspoken = unspoken.slice(-Kept);
        cut = true;
      }
      clearTimeout(timer);
      timer = setTimeout(() => {
        const text = withoutFrames(unspoken);
        region.textContent = cut || text.length > Longest ? `${LongTextNotice}\n${lastLines(text)}` : text;
      }, 100);
    },
    answered() {
      unspoken = '';
      cut = false;
      region.textContent = '';
    },
  };
}
