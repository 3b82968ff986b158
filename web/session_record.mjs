// The run's session as text, for "Enregistrer" and "Imprimer": the
// program's lines and the echo of what was typed, as the terminal shows
// them (a Backspace's erasure undone in the text too), kept as the bytes pass
// through the line discipline, not read back from the widget's wrapped rows.
// Past Cap bytes the oldest lines go, and a first line says so.

const Cap = 4 * 1024 * 1024;
const CutNotice = '[Le début de la session a été retiré : seuls les 4 derniers Mo sont gardés.]';

// The size of text in UTF-8.
function utf8Size(text) {
  let size = 0;
  for (const character of text) {
    const code = character.codePointAt(0);
    size += code < 0x80 ? 1 : code < 0x800 ? 2 : code < 0x10000 ? 3 : 4;
  }
  return size;
}

// add(textOrBytes) takes output or echo; lines() gives the session so far,
// line by line, the notice first if its start is gone; ended() counts the
// lines ended since the start, gone or not (a place in the session that
// stays while the oldest lines go); text() is the session as a file.
export function createSessionRecord() {
  const decoder = new TextDecoder();
  const lines = [];
  let first = 0; // lines before it are gone
  let gone = 0; // lines given back before lines[0]
  let size = 0; // of lines[first…]
  let line = '';
  let cut = false;

  function endLine() {
    lines.push(line);
    size += utf8Size(line) + 1;
    line = '';
    while (size > Cap && first < lines.length) {
      size -= utf8Size(lines[first]) + 1;
      lines[first++] = undefined;
      cut = true;
    }
    // The slots of lines gone, given back now and then rather than at each line.
    if (first > 4096 && first * 2 > lines.length) {
      lines.splice(0, first);
      gone += first;
      first = 0;
    }
  }

  return {
    add(data) {
      const text = typeof data === 'string' ? data : decoder.decode(data, { stream: true });
      // Whatever is no character of the text: escape sequences, a carriage return.
      for (const character of text.replace(/\x1b\[[0-9;?]*[A-Za-z]|\r/g, '')) {
        if (character === '\n') endLine();
        else if (character === '\b') line = [...line].slice(0, -1).join('');
        else line += character; // a Backspace's echo, "\b \b", erases: the space goes with the second \b
      }
    },
    ended: () => gone + lines.length - first,
    lines() {
      const kept = [...(cut ? [CutNotice] : []), ...lines.slice(first), ...(line ? [line] : [])];
      return { lines: kept, from: gone + first - (cut ? 1 : 0) };
    },
    text() {
      return this.lines().lines.join('\n') + '\n';
    },
  };
}
