// Runs the web build on one transcript of tests/transcripts under node, with
// a scripted terminal: no echo, the input typed ahead as a whole, then the end
// of input. Output and error are kept apart (or together for a combined
// case) and compared byte for byte, as UTF-8, with the case's expectations.
//   node web/tests/transcript.mjs SITE_DIR CASE_DIR VERSION
import { existsSync, readFileSync } from 'node:fs';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const [siteDir, caseDir] = process.argv.slice(2, 4).map((path) => resolve(path));
const version = process.argv[4] ?? '';
const fixedTextsFile = join(caseDir, '..', 'fixed_texts.txt');
const { runProgram, isExitStatus } = await import(pathToFileURL(join(siteDir, 'program.mjs')));
const { createLineDiscipline } = await import(pathToFileURL(join(siteDir, 'line_discipline.mjs')));

process.on('unhandledRejection', (reason) => {
  if (!isExitStatus(reason)) throw reason;
});

// Each {name} of text replaced by its fixed text; an unknown name is an error.
function expandNames(text, texts, file) {
  return text.replace(/\{([a-z_]+)\}/g, (_, name) => {
    if (!texts.has(name)) throw new Error(`${file}: no fixed text named {${name}}`);
    return texts.get(name);
  });
}

// The fixed texts as data, read as run_transcript.sh reads them: name=value
// lines, \n and \" as in the program's literals, {name} for a text defined
// before; # starts a comment.
function readFixedTexts(file) {
  const texts = new Map([['version', version]]);
  for (const line of readFileSync(file, 'utf8').split('\n')) {
    if (line === '' || line.startsWith('#')) continue;
    const at = line.indexOf('=');
    const value = line.slice(at + 1).replaceAll('\\n', '\n').replaceAll('\\"', '"');
    texts.set(line.slice(0, at), expandNames(value, texts, file));
  }
  return texts;
}

const fixedTexts = readFixedTexts(fixedTextsFile);
const expected = (file) => Buffer.from(expandNames(readFileSync(file, 'utf8'), fixedTexts, file), 'utf8');

const written = { stdout: [], stderr: [], combined: [] };
const terminal = createLineDiscipline({
  write(stream, bytes) {
    written[stream === 2 ? 'stderr' : 'stdout'].push(bytes);
    written.combined.push(bytes);
    return true;
  },
});
terminal.feed(readFileSync(join(caseDir, 'input')));
terminal.end();

const compiled = await WebAssembly.compile(readFileSync(join(siteDir, 'tessarivand.wasm')));
const argumentsFile = join(caseDir, 'arguments');
const args = existsSync(argumentsFile) ? readFileSync(argumentsFile, 'utf8').split('\n').filter((line) => line !== '') : [];
const status = await runProgram(compiled, terminal, args);

let failed = false;
for (const stream of ['stdout', 'stderr', 'combined']) {
  const file = join(caseDir, `expected.${stream}.utf8`);
  if (!existsSync(file)) continue;
  const actual = Buffer.concat(written[stream]);
  const wanted = expected(file);
  if (!actual.equals(wanted)) {
    let at = 0;
    while (at < actual.length && actual[at] === wanted[at]) ++at;
    console.log(`--- ${stream} differs from byte ${at}:`);
    console.log(`expected: ${JSON.stringify(wanted.subarray(at, at + 80).toString())}`);
    console.log(`actual:   ${JSON.stringify(actual.subarray(at, at + 80).toString())}`);
    failed = true;
  }
}
const wantedStatus = Number(readFileSync(join(caseDir, 'expected.status'), 'utf8'));
if (status !== wantedStatus) {
  console.log(`--- exit status: expected ${wantedStatus}, actual ${status}`);
  failed = true;
}
process.exitCode = failed ? 1 : 0;
