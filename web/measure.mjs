// Size and speed of the site, measured and printed, never judged: the .wasm
// and the whole site gzipped (each file as a host would send it compressed),
// and times by the page's own clock from the start of the navigation, in
// headless Chromium (median of several loads, each a first visit in a
// context of its own): the first prompt on a desktop, on a phone's emulation
// (Pixel 5) with its processor as it is and slowed 4 times, and there also
// the program ready, when a 2 typed at the first prompt with Enter is
// answered by its confirmation; the page's main thread's own processor time
// to that moment, from a trace (steadier than the times on a loaded
// machine); last, the first prompt reloaded with no server, from the service
// worker's cache.
//   node web/measure.mjs [SITE_DIR] [LOADS]
import { readdirSync, readFileSync } from 'node:fs';
import { loadavg } from 'node:os';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { KnownDevices } from 'puppeteer-core';
import { launchChromium, serveSite } from './tests/browser.mjs';

const siteDir = process.argv[2] ?? 'build/web/site';
const loads = Number(process.argv[3] ?? 9);
const phone = KnownDevices['Pixel 5'];
const SlowPhone = 4; // Chromium's CPU throttling rate for a mid-range phone

const kilobytes = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
let rawTotal = 0;
let gzipTotal = 0;
console.log('file                    size      gzipped');
for (const name of readdirSync(siteDir).sort()) {
  const bytes = readFileSync(join(siteDir, name));
  const gzipped = gzipSync(bytes, { level: 9 }).length;
  rawTotal += bytes.length;
  gzipTotal += gzipped;
  console.log(`${name.padEnd(22)} ${kilobytes(bytes.length).padStart(9)} ${kilobytes(gzipped).padStart(10)}`);
}
console.log(`${'whole site'.padEnd(22)} ${kilobytes(rawTotal).padStart(9)} ${kilobytes(gzipTotal).padStart(10)}`);

// Installed in the page before its own scripts: the moment each text first
// shows on the terminal's screen, kept in window.shown, text by text.
function watchScreen(texts) {
  window.shown = {};
  new MutationObserver(() => {
    const screen = document.querySelector('.xterm-rows')?.textContent ?? '';
    for (const text of texts) window.shown[text] ??= screen.includes(text) ? performance.now() : undefined;
  }).observe(document, { childList: true, subtree: true, characterData: true });
}

const Prompt = 'deg(P) =';
const Confirmed = 'Saisie Confirmée';

function momentShown(page, text) {
  return page
    .waitForFunction((wanted) => window.shown?.[wanted], { polling: 'mutation', timeout: 15000 }, text)
    .then((handle) => handle.jsonValue());
}

async function newPage(context, { device, slowdown = 1 }) {
  const page = await context.newPage();
  if (device) await page.emulate(device);
  else await page.setViewport({ width: 1280, height: 900 });
  await page.emulateCPUThrottling(slowdown);
  await page.evaluateOnNewDocument(watchScreen, [Prompt, Confirmed]);
  return page;
}

// The processor time of the page's main thread (its tasks' thread time in
// the trace) from the navigation's start to the given moment.
function mainThreadTime(trace, until) {
  const { traceEvents } = JSON.parse(Buffer.from(trace).toString());
  const start = traceEvents.find((event) => event.name === 'navigationStart' && event.args?.data?.documentLoaderURL?.startsWith('http'));
  const end = start.ts + until * 1000;
  return traceEvents
    .filter((event) => event.name === 'RunTask' && event.pid === start.pid && event.tid === start.tid && event.ts >= start.ts && event.ts <= end)
    .reduce((sum, task) => sum + (task.tdur ?? 0) / 1000, 0);
}

// One first visit: the first prompt's moment, or with ready the moment that
// a 2 typed at once at that prompt is confirmed by the program, or with
// traced the main thread's time to that moment.
async function firstVisit(browser, url, setting, ready, traced) {
  const context = await browser.createBrowserContext();
  try {
    const page = await newPage(context, setting);
    if (traced) await page.tracing.start({ categories: ['disabled-by-default-devtools.timeline', 'blink.user_timing'] });
    await page.goto(url, { waitUntil: 'domcontentloaded' });
    const prompt = await momentShown(page, Prompt);
    if (!ready) return prompt;
    await page.keyboard.type('2');
    await page.keyboard.press('Enter');
    const confirmed = await momentShown(page, Confirmed);
    return traced ? mainThreadTime(await page.tracing.stop(), confirmed) : confirmed;
  } finally {
    await context.close();
  }
}

function report(what, times) {
  times.sort((a, b) => a - b);
  const median = times[Math.floor(times.length / 2)];
  console.log(`${what}: median ${median.toFixed(0)} ms over ${times.length} loads ` +
    `(from ${times[0].toFixed(0)} to ${times.at(-1).toFixed(0)} ms)`);
}

// Loaded once with the server, which then stops; each reload is offline.
async function offlineReloads(browser) {
  const ownSite = await serveSite(siteDir);
  const context = await browser.createBrowserContext();
  try {
    const page = await newPage(context, {});
    await page.goto(ownSite.url);
    await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 15000 });
    ownSite.stop();
    const times = [];
    for (let i = 0; i < loads; ++i) {
      await page.reload({ waitUntil: 'domcontentloaded' });
      times.push(await momentShown(page, Prompt));
    }
    return times;
  } finally {
    await context.close();
    ownSite.stop();
  }
}

const site = await serveSite(siteDir);
const browser = await launchChromium();
try {
  const runs = [
    ['first prompt, desktop', {}, false],
    ['first prompt, phone (Pixel 5 emulation)', { device: phone }, false],
    [`first prompt, phone, CPU slowed ×${SlowPhone}`, { device: phone, slowdown: SlowPhone }, false],
    [`program ready (a 2 typed at once confirmed), phone, CPU slowed ×${SlowPhone}`, { device: phone, slowdown: SlowPhone }, true],
    ["main thread's processor time to the program ready, phone, CPU as it is", { device: phone }, true, true],
  ];
  for (const [what, setting, ready, traced] of runs) {
    const times = [];
    for (let i = 0; i < loads; ++i) times.push(await firstVisit(browser, site.url, setting, ready, traced));
    report(what, times);
  }
  report('first prompt after an offline reload, desktop', await offlineReloads(browser));
} finally {
  await browser.close();
  site.stop();
}
console.log(`load average: ${loadavg().map((load) => load.toFixed(2)).join(', ')}`);
