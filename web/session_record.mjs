// The run's session as text, for "Enregistrer" and "Imprimer": the
// program's lines and the echo of what was typed, as the terminal shows
// them (a Backspace's erasure undone in the text too), kept as the bytes pass
// through the line discipline, not read back from the widget's wrapped rows.
// Past Cap bytes the oldest lines go, and a first line says so.

const Cap = 4 * 1024 * 1024;
const CutNotice = '[Le début de la session a été retiré : seuls les 4 derniers Mo sont gardés.]';

// The size of text in UTF-8, from its UTF-16 units: a surrogate pair's
// two units make four bytes.
function utf8Size(text) {
  let size = text.length;
  for (let at = 0; at < text.length; ++at) {
    const unit = text.charCodeAt(at);
    if (unit >= 0x80) size += unit < 0x800 || (unit >= 0xd800 && unit < 0xe000) ? 1 : 2;
  }
  return size;
}

// A line with what each Backspace's echo erased taken out ("\b \b" erases
// the character before: the space goes with the second \b).
function erased(text) {
  if (!text.includes('\b')) return text;
  const kept = [];
  for (const character of text) {
    if (character === '\b') kept.pop();
    else kept.push(character);
  }
  return kept.join('');
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
      const parts = text.replace(/\x1b\[[0-9;?]*[A-Za-z]|\r/g, '').split('\n');
      parts.forEach((part, at) => {
        if (at > 0) endLine();
        line = erased(line + part);
      });
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
