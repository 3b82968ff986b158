// What a terminal driver does between the keyboard and the program, for the
// page: in line mode typed characters are echoed, Backspace and Ctrl-U edit
// the line, Enter sends it, Ctrl-D on an empty line is the end of input; a
// read takes at most one line. In key mode every typed byte goes to the
// program at once, without echo. It knows no widget: show(text) shows echo,
// write(stream, bytes) takes the program's output (shown, by default), and
// onKeyMode(on) learns when key mode starts and stops.
//
// The object it returns is the whole terminal that native_io_web.cpp and
// key_web.cpp call: write, read, setKeyMode and readKeyByte; type, feed and
// end are the page's and the tests' side.

const Enter = 0x0a;
export const NoByteInTime = -1;
export const InputEnded = -2;

const encoder = new TextEncoder();

// How a terminal echoes a control character: ^C for 0x03, ^? for DEL.
function caretForm(code) {
  return '^' + String.fromCharCode(code === 0x7f ? 0x3f : code + 0x40);
}

export function createLineDiscipline({ show = () => {}, write, onKeyMode = () => {} } = {}) {
  const ready = []; // bytes the program may read, nothing else
  let line = []; // the line being typed: one {bytes, shown} per character
  let keyMode = false;
  // Once ended, input stays ended: every read after the ready bytes finds the
  // end again, as a program reading a file does.
  let ended = false;
  let wake = null; // the pending read's resolver, if one waits

  function wakeReader() {
    if (wake) wake();
  }

  function push(bytes) {
    for (const byte of bytes) ready.push(byte);
    wakeReader();
  }

  function end() {
    ended = true;
    wakeReader();
  }

  function erase(count) {
    let shown = '';
    for (const character of line.splice(line.length - count, count)) {
      shown += '\b \b'.repeat(character.shown.length);
    }
    if (shown) show(shown);
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
      show('\n');
      sendLine(true);
    } else if (code === 0x7f || code === 0x08) {
      erase(Math.min(1, line.length));
    } else if (code === 0x15) {
      erase(line.length);
    } else if (code === 0x04) {
      if (line.length === 0) end();
      else sendLine(false);
    } else {
      const shown = code < 0x20 ? caretForm(code) : character;
      line.push({ bytes: [...encoder.encode(character)], shown });
      show(shown);
    }
  }

  // Resolves once a byte is ready or input has ended, or after waitMs when
  // not negative.
  function somethingReady(waitMs) {
    if (ready.length > 0 || ended) return Promise.resolve();
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
    // Data typed on the keyboard, a soft keyboard or the page's field; once
    // input has ended nobody reads it.
    type(data) {
      if (ended) return;
      if (keyMode) push(encoder.encode(data));
      else for (const character of data) typeInLine(character);
    },

    // Bytes that arrive as if typed ahead, without echo or editing.
    feed(bytes) {
      push(bytes);
    },

    // The end of input after whatever is ready, as a terminal that has gone.
    end,

    // The program's output on stream 1 or 2; true when it was taken.
    write:
      write ??
      ((stream, bytes) => {
        show(bytes);
        return true;
      }),

    // Key mode takes what is typed of the line as it stands, as a terminal
    // does when it leaves line mode.
    setKeyMode(on) {
      if (on && !keyMode) sendLine(false);
      const changed = on !== keyMode;
      keyMode = on;
      if (changed) onKeyMode(on);
    },

    // At most size bytes and at most one line; no bytes at the end of input.
    async read(size) {
      await somethingReady(-1);
      let count = 0;
      while (count < size && count < ready.length) {
        if (ready[count++] === Enter) break;
      }
      return Uint8Array.from(ready.splice(0, count));
    },

    // The next byte, waiting waitMs at most (forever when negative):
    // NoByteInTime when none came, InputEnded once input has ended.
    async readKeyByte(waitMs) {
      await somethingReady(waitMs);
      if (ready.length > 0) return ready.shift();
      return ended ? InputEnded : NoByteInTime;
    },
  };
}
