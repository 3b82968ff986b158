// What a real screen reader says of a short session of the page: Orca
// (Debian's orca) on a virtual X display of its own (Xvfb), with a D-Bus
// session of its own, listening to Chromium with its accessibility on. The
// session goes by keys, with "Courbe" ticked: a degree, three coefficients,
// µ, choice 4, a wrong key at the end prompt and q. Each utterance is read from Orca's speech log;
// no speech server is needed, the log records what would be said.
//   node web/screen_reader.mjs [SITE_DIR]   (prints what Orca said, a line each)
// Needs orca, xvfb, dbus-x11 and chromium.
import { spawn, spawnSync } from 'node:child_process';
import { mkdirSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import puppeteer from 'puppeteer-core';
import { serveSite } from './tests/browser.mjs';

// What is typed (nothing at first), then what Orca says of the answer,
// waited for before the next step; a step that follows says more of the
// same answer (the graph's text after the division's, "Courbe" ticked).
export const Session = [
  { heard: 'Veuillez entrer un Nombre Entier Naturel Inférieur à 1000' },
  { line: '2', heard: 'Le nombre entier naturel entré est " deg(P) = 2 "' },
  { line: '1', heard: 'Le nombre réel entré est " Le Coefficient a[2] = 1 "' },
  { line: '-3', heard: 'Le nombre réel entré est " Le Coefficient a[1] = -3 "' },
  { line: '2', heard: 'Le nombre réel entré est " Le Coefficient a[0] = 2 "' },
  { line: '1', heard: 'P(X) = (X - 1).((1 X) + (-2)) + (0)' },
  { follows: true, heard: 'Courbe de P entre -4 et 4 ; au point µ = 1, P(µ) = 0' },
  { line: '4', heard: 'Le nombre entier entré est " Votre Choix = 4 "' },
  { key: 'x', heard: 'Votre saisie est FAUSSE' },
  { key: 'q', heard: 'Nouvelle exécution push button' },
];

const Separator = '\u001e\n'; // ends each record of the speech log

// The commands missing here for a run, by name.
export function missingTools() {
  const chromium = process.env.CHROMIUM ?? '/usr/bin/chromium';
  return ['orca', 'Xvfb', 'dbus-launch', chromium].filter(
    (command) => spawnSync('sh', ['-c', 'command -v "$0"', command]).status !== 0,
  );
}

// What Orca has said, one utterance each, its lines joined.
function utterances(speechLog) {
  let log = '';
  try {
    log = readFileSync(speechLog, 'utf8');
  } catch {
    // nothing said yet
  }
  return log
    .split(Separator)
    .map((record) => record.match(/^SPEECH OUTPUT: '([\s\S]*)'/)?.[1].replace(/\s*\n\s*/g, ' ').trim())
    .filter((text) => text !== undefined);
}

async function heard(speechLog, text, timeout = 15000) {
  for (const start = Date.now(); Date.now() - start < timeout; await new Promise((wake) => setTimeout(wake, 100))) {
    if (utterances(speechLog).some((said) => said.includes(text))) return;
  }
  throw new Error(`Orca never said "${text}"; it said:\n${utterances(speechLog).join('\n')}`);
}

// A child process, ended with the rest; resolves with the first line it
// writes on the given stream.
function firstLineOf(children, command, args, options, stream) {
  const child = spawn(command, args, options);
  children.push(child);
  return new Promise((resolve, reject) => {
    let text = '';
    child.stdio[stream].on('data', (chunk) => {
      text += chunk;
      if (text.includes('\n')) resolve(text.split('\n')[0].trim());
    });
    child.on('exit', (code) => reject(new Error(`${command} ended (${code}) before it was ready`)));
  });
}

// The desktop that Orca needs, in a folder of its own: a free display (Xvfb
// names it on file descriptor 3), dbus-launch's bus (which starts the
// accessibility bus), and Orca, whose customizations file sends its speech
// log to a file, flushed utterance by utterance (its debug file waits in a
// buffer).
async function startDesktop(home, children) {
  const runtime = join(home, 'run');
  mkdirSync(runtime, { mode: 0o700 });
  const env = { ...process.env, HOME: home, XDG_CONFIG_HOME: join(home, 'config'), XDG_DATA_HOME: join(home, 'data'),
    XDG_CACHE_HOME: join(home, 'cache'), XDG_RUNTIME_DIR: runtime };
  const displayArgs = ['-displayfd', '3', '-screen', '0', '1280x1024x24', '-nolisten', 'tcp'];
  env.DISPLAY = `:${await firstLineOf(children, 'Xvfb', displayArgs, { stdio: ['ignore', 'ignore', 'ignore', 'pipe'] }, 3)}`;
  const bus = spawnSync('dbus-launch', ['--sh-syntax'], { env, encoding: 'utf8' }).stdout;
  env.DBUS_SESSION_BUS_ADDRESS = bus.match(/DBUS_SESSION_BUS_ADDRESS='([^']*)'/)[1];
  const busPid = Number(bus.match(/DBUS_SESSION_BUS_PID=(\d+)/)[1]);
  const preferences = join(home, 'orca');
  const speechLog = join(home, 'speech.log');
  mkdirSync(preferences);
  writeFileSync(join(preferences, 'orca-customizations.py'), [
    'import logging',
    `handler = logging.FileHandler(${JSON.stringify(speechLog)}, encoding='utf-8')`,
    `handler.terminator = ${JSON.stringify(Separator)}`,
    "logging.getLogger('speech').addHandler(handler)",
    '',
  ].join('\n'));
  children.push(spawn('orca', ['--user-prefs', preferences], { stdio: 'ignore', env }));
  children.push({
    kill() {
      try {
        process.kill(busPid);
      } catch {
        // already gone
      }
    },
  });
  await heard(speechLog, 'Screen reader on');
  return { env, speechLog };
}

// Runs the session on the site in siteDir; resolves with what Orca said from
// the page's first screen on.
export async function speechOfSession(siteDir) {
  const home = mkdtempSync(join(tmpdir(), 'tessarivand-orca-'));
  const children = [];
  const site = await serveSite(siteDir);
  try {
    const { env, speechLog } = await startDesktop(home, children);
    const browser = await puppeteer.launch({
      executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
      headless: false,
      env,
      args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--force-renderer-accessibility', '--disable-sync',
        '--disable-background-networking', '--disable-component-update', '--window-size=1000,900',
        `--user-data-dir=${join(home, 'chromium')}`, `--app=${site.url}`],
    });
    children.push({ kill: () => browser.close() });
    const page = await (await browser.waitForTarget((target) => target.url().startsWith(site.url))).page();
    for (const step of Session) {
      if (step.line !== undefined) {
        await page.keyboard.type(step.line);
        await page.keyboard.press('Enter');
      } else if (step.key !== undefined) {
        await page.keyboard.press(step.key);
      } else if (!step.follows) {
        // The first screen: then typing goes to the terminal, the field put
        // away, the graph shown.
        await heard(speechLog, step.heard);
        if (await page.$eval('#show-field', (toggle) => toggle.checked)) await page.click('#show-field');
        await page.click('#curve');
        await page.click('#terminal');
      }
      await heard(speechLog, step.heard);
    }
    const said = utterances(speechLog);
    return said.slice(said.findIndex((text) => text.includes(Session[0].heard)));
  } finally {
    for (const child of children.reverse()) await child.kill();
    site.stop();
    rmSync(home, { recursive: true, force: true });
  }
}

if (process.argv[1] === fileURLToPath(import.meta.url)) {
  const missing = missingTools();
  if (missing.length > 0) throw new Error(`missing: ${missing.join(', ')}`);
  for (const utterance of await speechOfSession(process.argv[2] ?? 'build/web/site')) console.log(utterance);
}
