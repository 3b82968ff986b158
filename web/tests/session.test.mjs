// One scripted session in the page, in four places: desktop Chromium typed
// with keys, a phone's emulation (Pixel 5, touch) whose every line comes as
// input events into the page's field, Firefox typed with keys, and WebKitGTK
// typed through WebDriver's Send Keys. A degree corrected with Backspace, a
// division, the menu's choice 4, then the end prompt: an arrow key (two
// wrong answers) and q, or the Quitter button on the phone, where the
// accessibility tree, installability and a reload offline are checked too;
// on the desktop, Horner's table asked for during a run, with a table too
// long for the live region, and the exact mode's box beside it. A fraction
// typed in an exact run. Everywhere, with "Courbe" ticked, the graph of a
// division, the session saved as a file and the print view. Then 80 columns
// at narrow widths, in Chromium.
//   node --test web/tests/session.test.mjs   (SITE_DIR: build/web/site)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { mkdtempSync, readdirSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { KnownDevices } from 'puppeteer-core';
import { launchChromium, launchFirefox, serveSite, screenText, waitForScreen } from './browser.mjs';
import { launchWebKit } from './webdriver.mjs';

const siteDir = process.env.SITE_DIR ?? fileURLToPath(new URL('../../build/web/site', import.meta.url));
let site;
let chromium;

before(async () => {
  site = await serveSite(siteDir);
  chromium = await launchChromium();
});

after(async () => {
  await chromium?.close();
  site?.stop();
});

// Typing with keys into the terminal, the field put away as a desktop user
// may: keys as puppeteer presses them, or as WebDriver's Send Keys sends them.
function keyboard(page, keys = { text: (text) => page.keyboard.type(text), key: (name) => page.keyboard.press(name) }) {
  return {
    async start() {
      if (await page.$eval('#show-field', (toggle) => toggle.checked)) await page.click('#show-field');
      await page.click('#terminal');
    },
    ...keys,
    async endPrompt() {
      await keys.key('ArrowUp');
      await waitForScreen(page, 'Votre saisie est FAUSSE', 2);
      assert.equal(await page.$eval('#end', (end) => end.hidden), true);
      await keys.key('q');
      return 2;
    },
  };
}

const sendKeys = (page) =>
  keyboard(page, {
    text: (text) => page.sendKeys('.xterm-helper-textarea', text),
    key: (name) => page.sendKeys('.xterm-helper-textarea', name),
  });

// A soft keyboard's way: text as input events into the field, Enter to send.
async function softKeyboard(page) {
  const session = await page.createCDPSession();
  return {
    start: () => page.tap('#line'),
    text: (text) => session.send('Input.insertText', { text }),
    key: (name) => page.keyboard.press(name),
    async endPrompt() {
      await page.waitForSelector('#keys:not([hidden])');
      assert.equal(await page.$eval('#typing', (form) => form.hidden), true);
      await page.tap('#keys [data-key="q"]');
      return 0;
    },
  };
}

async function typeLine(input, text) {
  await input.text(text);
  await input.key('Enter');
}

// Steps of a run: text and a key, or lines (each sent with Enter), then what
// the screen shows, with the result's two frames of 80 asterisks whole where
// framed is set; where spoken is given, the live region's text must match
// it.
async function runSteps(page, input, steps) {
  for (const { text, key, lines = [], screen, framed, spoken, check } of steps) {
    if (text) await input.text(text);
    if (key) await input.key(key);
    for (const line of lines) await typeLine(input, line);
    if (screen) await waitForScreen(page, screen);
    if (framed) {
      const rows = (await screenText(page)).split('\n');
      assert.ok(rows.filter((row) => row.trim() === '*'.repeat(80)).length >= 2, 'the frames of 80 columns whole');
    }
    if (spoken) {
      await page.waitForFunction((wanted) => new RegExp(wanted).test(document.getElementById('spoken').textContent), {}, spoken.source);
    }
    if (check) await check(page, input);
  }
}

// The offer ends the run in progress as at the end of its input; the next
// run has begun once the offer is gone, and only then is the first prompt on
// the screen its own.
async function restartWithSettings(page) {
  await page.click('#restart-with-settings');
  await page.waitForSelector('#restart-with-settings[hidden]');
  await waitForScreen(page, 'deg(P) =');
}

// A control of the header, in its menu where that is folded (a phone).
async function inHeader(page, selector) {
  const menu = () => page.$eval('#menu-button', (button) => button.offsetParent && button.getAttribute('aria-expanded'));
  if ((await menu()) === 'false') await page.click('#menu-button');
  await page.click(selector);
  if ((await menu()) === 'true') await page.click('#menu-button');
}

// The graph of X² - 3X + 2 after its division by 3, read back from its SVG:
// the point, the roots 1 and 2 in the interval, the curve within a pixel of
// P; the problems found, none expected.
function graphProblems() {
  const svg = document.querySelector('#graph svg');
  if (!svg || document.getElementById('graph').hidden) return ['no graph'];
  const [low, high, bottom, top] = svg.dataset.window.split(' ').map(Number);
  const [left, right, above, below] = svg.dataset.plot.split(' ').map(Number);
  const x = (px) => low + ((px - left) / (right - left)) * (high - low);
  const py = (y) => above + ((top - y) / (top - bottom)) * (below - above);
  const problems = [];
  const point = svg.querySelector('.point');
  if (Math.abs(x(Number(point.getAttribute('cx'))) - 3) > (high - low) / 500) problems.push('the point is not at x = 3');
  if (svg.querySelector('.label').textContent !== 'P(3) = 2') problems.push(`label ${svg.querySelector('.label').textContent}`);
  if (!(low < 1 && 2 < high)) problems.push(`roots outside [${low}, ${high}]`);
  const points = [...svg.querySelector('.curve').getAttribute('d').matchAll(/[ML]([-\d.]+) ([-\d.]+)/g)];
  for (const [, px, y] of points.filter((_, i) => i % 10 === 0)) {
    const at = x(Number(px));
    const drawn = Number(y);
    if (drawn > above && drawn < below && Math.abs(drawn - py(at * at - 3 * at + 2)) > 1) problems.push(`P(${at}) at ${drawn}`);
  }
  return points.length > 100 ? problems : [...problems, 'too few points'];
}

// The division by 3 with "Courbe" ticked: its graph, the session saved (the
// text handed to the download, in UTF-8, ends with the screen's rows) and
// the print view (the identity, the graph, no widget where the browser can
// emulate print).
async function curveAndHandOut(page, input) {
  await page.waitForFunction(() => document.querySelector('#graph .label')?.textContent === 'P(3) = 2');
  assert.deepEqual(await page.evaluate(graphProblems), []);

  await page.evaluate(() => {
    const create = URL.createObjectURL;
    URL.createObjectURL = (blob) => {
      blob.arrayBuffer().then((bytes) => (window.savedText = new TextDecoder('utf-8', { fatal: true }).decode(bytes)));
      return create.call(URL, blob);
    };
  });
  await inHeader(page, '#save');
  await page.waitForFunction(() => typeof window.savedText === 'string');
  const saved = (await page.evaluate(() => window.savedText)).split('\n').map((line) => line.trimEnd());
  const rows = (await screenText(page)).split('\n').map((row) => row.trimEnd());
  while (rows.at(-1) === '') rows.pop();
  while (saved.at(-1) === '') saved.pop();
  assert.deepEqual(saved.slice(-rows.length), rows, 'the saved lines end as the screen');
  assert.match(saved.join('\n'), /^\s*-{42}\s+Ce Programme a été[^]*Inférieur à 1000 : +deg\(P\) = 2$/m, 'from the first line, as typed');

  await page.evaluate(() => (window.print = () => {}));
  await inHeader(page, '#print-session');
  assert.ok(await page.$eval('#print', (sheet) => sheet.textContent.includes('P(X) = (X - 3).((1 X)) + (2)') && sheet.querySelector('svg') !== null));
  // Chromium emulates print; WebDriver cannot, nor puppeteer in Firefox.
  if (await page.emulateMediaType?.('print').then(() => true, () => false)) {
    const shown = await page.evaluate(() => [document.querySelector('.xterm'), document.getElementById('print')].map((node) => node.checkVisibility()));
    assert.deepEqual(shown, [false, true], 'only the session in print');
    await page.emulateMediaType(null);
  }
  // Unticked, the graph goes, and the terminal has its rows back.
  await inHeader(page, '#curve');
  assert.equal(await page.$eval('#graph', (graph) => graph.hidden), true);
  await input.start(); // back where the answers are typed
}

// The menu's prompt, the end of what the region says after a division.
const MenuPrompt = 'Veuillez entrer 1 , 2 , 3 ou 4 :  Votre Choix =';

const Session = [
  { text: '3', key: 'Backspace' },
  { lines: ['2'], screen: 'Le nombre entier naturel entré est " deg(P) = 2 " .' },
  // A power said in words: "X au carré", not a caret.
  { lines: ['1', '-3', '2'], screen: 'P(X) = (1 X^2) + (-3 X) + (2)', spoken: /P\(X\) = \(1 X au carré\) \+ \(-3 X\)/ },
  {
    lines: ['1'],
    screen: 'P(X) = (X - 1).((1 X) + (-2)) + (0)',
    framed: true,
    spoken: new RegExp(`^Saisie Confirmée !!!\nLe nombre réel entré est " µ = 1 " \\.\n[^]*${MenuPrompt}$`),
  },
  { lines: ['3', '3'], screen: 'P(X) = (X - 3).((1 X)) + (2)', spoken: /\nCourbe de P entre -4 et 4 ; au point µ = 3, P\(µ\) = 2\n/ },
  { check: curveAndHandOut },
  { lines: ['4'], screen: "Appuyez sur 'Q' ou 'q' pour Quitter" },
];

// A degree of 50, coefficients near a double's largest: a curve without an
// infinite or NaN coordinate.
const LargeCoefficients = [
  { lines: ['50', ...Array.from({ length: 51 }, (_, k) => (k % 3 ? '-9e307' : '9e307')), '2'], screen: 'Votre Choix =' },
  {
    async check(page) {
      await page.waitForFunction(() => document.querySelector('#graph .label')?.textContent.startsWith('P(2) = '));
      const attributes = await page.$$eval('#graph svg *', (nodes) => nodes.flatMap((node) => [...node.attributes].map((a) => a.value)));
      assert.deepEqual(attributes.filter((value) => /NaN|Infinity/.test(value)), []);
    },
  },
];

// With Horner's table, degree 80: far more than the live region reads
// whole; it reads the table's last lines and the prompt.
const LongTable = [
  {
    lines: ['80', ...Array(81).fill('1'), '2'],
    screen: '4. Reprendre/Quitter le programme',
    spoken: new RegExp(
      `^Un long texte a été écrit à l'écran\\. En voici les dernières lignes :\n(?=[^]*Sommes)[^]{1,600}${MenuPrompt}$`,
    ),
  },
];

async function session(page, input) {
  await waitForScreen(page, 'deg(P) =');
  assert.equal(await page.title(), "TESSARIVAND : division d'un polynôme réel par (X - µ)");
  if (!(await page.$eval('#curve', (toggle) => toggle.checked))) await inHeader(page, '#curve');
  await input.start();
  await runSteps(page, input, Session);

  const wrongAnswers = await input.endPrompt();
  await page.waitForFunction(() => !document.getElementById('end').hidden, { timeout: 10000 });
  assert.equal(await page.$eval('#end-text', (text) => text.textContent), 'Le programme est terminé (statut 0).');
  const screen = await screenText(page);
  assert.equal(screen.split('Votre saisie est FAUSSE').length - 1, wrongAnswers, 'an arrow is two answers, q none');
  assert.doesNotMatch(screen, /\^\[|\bq\s*$/, 'the keys of the end prompt are not echoed');

  await page.click('#restart');
  await waitForScreen(page, 'deg(P) =');
  assert.equal(await page.$eval('#end', (end) => end.hidden), true);
}

test('desktop Chromium, typed with keys', { timeout: 60000 }, async () => {
  const context = await chromium.createBrowserContext(); // the settings it stores stay there
  const downloads = mkdtempSync(join(tmpdir(), 'tessarivand-downloads-'));
  await context.setDownloadBehavior({ policy: 'allow', downloadPath: downloads });
  const page = await context.newPage();
  await page.setViewport({ width: 1000, height: 1000 });
  await page.goto(site.url, { timeout: 15000 });
  await session(page, keyboard(page));
  // The file saved is the text handed over, named after the date and time.
  const [file] = readdirSync(downloads);
  const saved = readFileSync(join(downloads, file), 'utf8');
  rmSync(downloads, { recursive: true });
  assert.match(file, /^tessarivand-\d{4}-\d\d-\d\d-\d\dh\d\dm\d\d\.txt$/);
  assert.equal(saved, await page.evaluate(() => window.savedText));
  await page.click('#curve');
  await page.click('#terminal');
  await runSteps(page, keyboard(page), LargeCoefficients);

  // Horner's table: ticked during a run, it offers a new run with it, and
  // the next visit remembers it. Its lines reach the terminal itself as
  // input events, as a soft keyboard or dictation sends them.
  await page.click('#show-table');
  await restartWithSettings(page);
  await page.click('#terminal');
  const cdp = await page.createCDPSession();
  await runSteps(page, { text: (text) => cdp.send('Input.insertText', { text }), key: (name) => page.keyboard.press(name) }, LongTable);
  assert.equal(await page.$eval('#restart-with-settings', (button) => button.hidden), true);

  // The exact mode beside it: the one offer names both settings of the next
  // run, and the next visit remembers both.
  const offer = () => page.$eval('#restart-with-settings', (button) => !button.hidden && button.textContent);
  await page.click('#exact');
  assert.equal(await offer(), 'Recommencer avec le tableau et le calcul exact');
  await page.click('#show-table');
  assert.equal(await offer(), 'Recommencer sans le tableau, avec le calcul exact');
  await page.reload({ timeout: 15000 });
  assert.deepEqual(await page.$$eval('#show-table, #exact, #curve', (toggles) => toggles.map((toggle) => toggle.checked)), [false, true, true]);
  await context.close();
});

// A fraction typed with the field's "/" key, in a run that the box started
// with --exact.
test('the exact mode, a fraction typed in the field', { timeout: 30000 }, async () => {
  const context = await chromium.createBrowserContext(); // storage of its own
  const page = await context.newPage();
  await page.goto(site.url, { timeout: 15000 });
  await waitForScreen(page, 'deg(P) =');
  await page.click('#exact');
  await restartWithSettings(page);
  if (!(await page.$eval('#show-field', (toggle) => toggle.checked))) await page.click('#show-field');
  const field = { text: (text) => page.type('#line', text), key: (name) => page.keyboard.press(name) };
  await runSteps(page, field, [{ lines: ['0', '1'], screen: 'Réel :  µ =' }, { text: '2' }]);
  await page.click('#fraction');
  // The division follows the confirmation at once and scrolls it away, and
  // the menu then scrolls the identity: the screen shows the value P(2/3),
  // the spoken text the confirmation and the identity.
  await runSteps(page, field, [
    {
      lines: ['3'],
      screen: 'P(2/3) = 1',
      spoken: /Le nombre réel entré est " µ = 2\/3 " \.[^]*P\(X\) = \(X - 2\/3\)\.\(0\) \+ \(1\)/,
    },
  ]);
  await context.close();
});

// On its own server, which stops at the end for the reload offline.
test('a phone: input events, French for screen readers, installable, offline', { timeout: 90000 }, async () => {
  const ownSite = await serveSite(siteDir);
  try {
    const page = await chromium.newPage();
    await page.emulate(KnownDevices['Pixel 5']);
    await page.goto(ownSite.url, { timeout: 15000 });
    await page.waitForFunction(() => document.getElementById('spoken').textContent.includes('deg(P) ='));
    const snapshot = await page.accessibility.snapshot();
    const tree = JSON.stringify(snapshot);
    assert.match(tree, /Veuillez entrer un Nombre Entier Naturel Inférieur à 1000 : +deg\(P\) =/);
    assert.match(tree, /Saisie du terminal/);
    assert.doesNotMatch(tree, /\*\*|Terminal input|Too much output/);
    const region = snapshot.children.find((node) => node.role === 'region');
    assert.equal(region.name, 'Texte du programme', 'the live region found by its name');
    assert.equal(region.children.find((node) => node.role === 'log').name, '', 'no name spoken before each message');
    const cdp = await page.createCDPSession();
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);

    assert.equal(await page.$eval('#fraction', (key) => key.hidden), true, 'no "/" key without the exact mode');
    await session(page, await softKeyboard(page));

    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 10000 });
    ownSite.stop();
    await page.reload({ timeout: 15000 });
    await waitForScreen(page, 'deg(P) =');
  } finally {
    ownSite.stop();
  }
});

test('Firefox, typed with keys', { timeout: 90000 }, async () => {
  const firefox = await launchFirefox();
  try {
    const page = await firefox.newPage();
    await page.setViewport({ width: 1000, height: 1000 });
    await page.goto(site.url, { timeout: 15000 });
    await session(page, keyboard(page));
  } finally {
    await firefox.close();
  }
});

test('WebKitGTK, typed through Send Keys', { timeout: 90000 }, async () => {
  const webkit = await launchWebKit();
  try {
    await webkit.setWindowSize(1000, 1100); // room for the graph below the screen's last division
    await webkit.goto(site.url);
    await session(webkit, sendKeys(webkit));
  } finally {
    await webkit.close();
  }
});

test('80 columns at 320, 360 and 412 px, the cursor in view, the page never wider than the window', { timeout: 60000 }, async () => {
  for (const width of [320, 360, 412]) {
    const page = await chromium.newPage();
    await page.setViewport({ width, height: 800, hasTouch: true, isMobile: true });
    await page.goto(site.url, { timeout: 15000 });
    await waitForScreen(page, 'deg(P) =');
    // The box, scrolled sideways, follows the cursor to the prompt's end.
    await page.waitForFunction(() => {
      const rows = [...document.querySelector('.xterm-rows').children].map((row) => row.textContent);
      const promptEnd = rows.findLast((row) => row.includes('deg(P) =')).trimEnd().length + 1;
      const cell = document.querySelector('.xterm-screen').clientWidth / 80;
      const box = document.getElementById('box');
      return box.scrollWidth > box.clientWidth && box.scrollLeft + box.clientWidth >= promptEnd * cell;
    }, { timeout: 5000 });
    await runSteps(page, await softKeyboard(page), [{ lines: ['0', '1', '1'], screen: 'P(X) = (X - 1).(0) + (1)', framed: true }]);
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), `no overflow at ${width} px`);
    await page.close();
  }
});

