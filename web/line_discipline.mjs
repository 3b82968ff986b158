// What a terminal driver does between the keyboard and the program, for the
// page: in line mode typed characters are echoed, Backspace and Ctrl-U edit
// the line, Enter sends it, Ctrl-D on an empty line is the end of input; a
// read takes at most one line. In key mode every typed byte goes to the
// program at once, without echo. It knows no widget: echo(text) shows text.

const Enter = 0x0a;
const EndOfInput = -1; // in the queue, where Ctrl-D ended the input
const NoByteInTime = -1;
const InputEnded = -2;

const encoder = new TextEncoder();

// How a terminal echoes a control character: ^C for 0x03, ^? for DEL.
function caretForm(code) {
  return '^' + String.fromCharCode(code === 0x7f ? 0x3f : code + 0x40);
}

export function createLineDiscipline(echo) {
  const ready = []; // bytes the program may read, and EndOfInput marks
  let line = []; // the line being typed: one {bytes, shown} per character
  let keyMode = false;
  let wake = null; // the pending read's resolver, if one waits

  function push(bytes) {
    for (const byte of bytes) ready.push(byte);
    if (wake) wake();
  }

  function erase(count) {
    let shown = '';
    for (const character of line.splice(line.length - count, count)) {
      shown += '\b \b'.repeat(character.shown.length);
    }
    if (shown) echo(shown);
  }

  function sendLine(withEnter) {
    const bytes = line.flatMap((character) => character.bytes);
    line = [];
    if (withEnter) bytes.push(Enter);
    push(bytes);
  }

  function typeInLine(character) {
    const code = character.codePointAt(0);
    if (code === 0x0d || code === 0x0a) {
      echo('\n');
      sendLine(true);
    } else if (code === 0x7f || code === 0x08) {
      erase(Math.min(1, line.length));
    } else if (code === 0x15) {
      erase(line.length);
    } else if (code === 0x04) {
      if (line.length === 0) push([EndOfInput]);
      else sendLine(false);
    } else {
      const shown = code < 0x20 ? caretForm(code) : character;
      line.push({ bytes: [...encoder.encode(character)], shown });
      echo(shown);
    }
  }

  // Resolves once something is ready, or after waitMs when not negative.
  function somethingReady(waitMs) {
    if (ready.length > 0) return Promise.resolve();
    return new Promise((resolve) => {
      const timer = waitMs >= 0 ? setTimeout(resolve, waitMs) : null;
      wake = () => {
        wake = null;
        clearTimeout(timer);
        resolve();
      };
    });
  }

  return {
    // Data typed on the keyboard, as the widget reports it.
    type(data) {
      if (keyMode) push(encoder.encode(data));
      else for (const character of data) typeInLine(character);
    },

    // Bytes that arrive as if typed ahead, without echo or editing.
    feed(bytes) {
      push(bytes);
    },

    // The end of input after whatever is ready, as a terminal that has gone.
    end() {
      push([EndOfInput]);
    },

    // Key mode takes what is typed of the line as it stands, as a terminal
    // does when it leaves line mode.
    setKeyMode(on) {
      if (on && !keyMode) sendLine(false);
      keyMode = on;
    },

    // At most size bytes and at most one line; no bytes at the end of input.
    async read(size) {
      await somethingReady(-1);
      if (ready[0] === EndOfInput) {
        ready.shift();
        return new Uint8Array(0);
      }
      let count = 0;
      while (count < size && count < ready.length && ready[count] !== EndOfInput) {
        if (ready[count++] === Enter) break;
      }
      return Uint8Array.from(ready.splice(0, count));
    },

    // The next byte, waiting waitMs at most (forever when negative):
    // NoByteInTime when none came, InputEnded at the end of input, which only
    // a wait without limit takes away.
    async readKeyByte(waitMs) {
      await somethingReady(waitMs);
      if (ready.length === 0) return NoByteInTime;
      if (ready[0] !== EndOfInput) return ready.shift();
      if (waitMs < 0) ready.shift();
      return InputEnded;
    },
  };
}
