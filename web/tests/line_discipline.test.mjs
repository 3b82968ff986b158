// The page's line discipline, one row per behaviour of a terminal driver:
// what is typed, what shows, and what the program then reads.
//   node --test web/tests/line_discipline.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { createLineDiscipline, InputEnded, NoByteInTime } from '../line_discipline.mjs';

const decoder = new TextDecoder();

// Each row: the typed data (one onData event each), the echo, and the reads
// that follow: "line" reads at most 64 bytes, "key" one byte at once, with
// the results as text, null for the end of input and undefined for no byte
// in time.
const rows = [
  { name: 'Enter sends the line', typed: ['12\r'], echo: '12\n', reads: ['line'], read: ['12\n'] },
  { name: 'one line per read', typed: ['1\r2\r'], echo: '1\n2\n', reads: ['line', 'line'], read: ['1\n', '2\n'] },
  { name: 'a read takes at most its size', typed: ['123\r'], reads: [2, 'line'], read: ['12', '3\n'] },
  { name: 'Backspace erases a character', typed: ['3', '\x7f', '2\r'], echo: '3\b \b2\n', reads: ['line'], read: ['2\n'] },
  { name: 'Backspace erases é whole', typed: ['é\x7f1\r'], reads: ['line'], read: ['1\n'] },
  { name: 'Backspace on an empty line', typed: ['\x7f\r'], echo: '\n', reads: ['line'], read: ['\n'] },
  { name: 'Ctrl-U erases the line', typed: ['45\x155\r'], echo: '45\b \b\b \b5\n', reads: ['line'], read: ['5\n'] },
  { name: 'control characters show as ^X', typed: ['\x1b[A\x7f\r'], echo: '^[[A\b \b\n', reads: ['line'], read: ['\x1b[\n'] },
  { name: 'Ctrl-D on an empty line ends input', typed: ['\x04'], echo: '', reads: ['line'], read: [null] },
  { name: 'Ctrl-D sends a line without Enter', typed: ['7\x04'], reads: ['line'], read: ['7'] },
  { name: 'the end of input stays', typed: ['7\x04\x04'], reads: ['line', 'line', 'key', 'line'], read: ['7', null, null, null] },
  { name: 'nothing typed after the end is read', typed: ['\x04', '5\r'], echo: '', reads: ['line'], read: [null] },
  { name: 'key mode: no echo, no Enter', typed: ['4\r'], key: ['q'], echo: '4\n', reads: ['line', 'key'], read: ['4\n', 'q'] },
  { name: 'key mode: an arrow is three bytes', typed: [], key: ['\x1b[A'], reads: ['key', 'key', 'key', 'key'], read: ['\x1b', '[', 'A', undefined] },
  { name: 'key mode takes the line typed ahead', typed: ['x'], key: [], echo: 'x', reads: ['key'], read: ['x'] },
  { name: 'key mode: Backspace is a byte', typed: [], key: ['\x7f'], echo: '', reads: ['key'], read: ['\x7f'] },
  { name: 'typed ahead stays for the key', typed: ['4\rr'], reads: ['line', 'key'], read: ['4\n', 'r'] },
];

async function readAll(discipline, row) {
  const results = [];
  for (const kind of row.reads) {
    if (kind === 'key') {
      discipline.setKeyMode(true);
      const byte = await discipline.readKeyByte(0);
      results.push(byte >= 0 ? String.fromCharCode(byte) : { [InputEnded]: null, [NoByteInTime]: undefined }[byte]);
      discipline.setKeyMode(false);
    } else {
      const bytes = await discipline.read(kind === 'line' ? 64 : kind);
      results.push(bytes.length > 0 ? decoder.decode(bytes) : null);
    }
  }
  return results;
}

for (const row of rows) {
  test(row.name, async () => {
    let echo = '';
    const discipline = createLineDiscipline({
      show: (text) => {
        echo += text;
      },
    });
    for (const data of row.typed) discipline.type(data);
    if (row.key) {
      discipline.setKeyMode(true);
      for (const data of row.key) discipline.type(data);
      discipline.setKeyMode(false);
    }
    assert.deepEqual(await readAll(discipline, row), row.read);
    if (row.echo !== undefined) assert.equal(echo, row.echo);
  });
}

test('a read waits for Enter', async () => {
  const discipline = createLineDiscipline();
  const pending = discipline.read(64);
  discipline.type('5');
  discipline.type('\r');
  assert.equal(decoder.decode(await pending), '5\n');
});

test('a key waits no longer than asked, and the end wakes a wait', async () => {
  const modes = [];
  const discipline = createLineDiscipline({ onKeyMode: (on) => modes.push(on) });
  discipline.setKeyMode(true);
  assert.equal(await discipline.readKeyByte(10), NoByteInTime);
  const pending = discipline.readKeyByte(-1);
  discipline.end();
  assert.equal(await pending, InputEnded);
  discipline.setKeyMode(false);
  assert.deepEqual(modes, [true, false]);
});

test('the output is shown unless a writer takes it', () => {
  let shown = '';
  const discipline = createLineDiscipline({ show: (text) => (shown += text) });
  assert.equal(discipline.write(1, 'P(X)'), true);
  assert.equal(shown, 'P(X)');
});
