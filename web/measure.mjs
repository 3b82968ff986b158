// Size and speed of the site, measured and printed, never judged: the .wasm
// and the whole site gzipped (each file as a host would send it compressed),
// and the time from the start of the page's load to the first prompt on the
// terminal in headless Chromium (median of several loads): on a desktop, on a
// phone's emulation (Pixel 5, its processor not slowed), and reloaded with
// no server, from the service worker's cache.
//   node web/measure.mjs [SITE_DIR] [LOADS]
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import { KnownDevices } from 'puppeteer-core';
import { launchChromium, serveSite } from './tests/browser.mjs';

const siteDir = process.argv[2] ?? 'build/web/site';
const loads = Number(process.argv[3] ?? 9);

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

// From the navigation's start to the first frame that shows the first prompt.
function firstPrompt(page) {
  return page
    .waitForFunction(
      () => document.querySelector('.xterm-rows')?.textContent.includes('deg(P) =') && performance.now(),
      { polling: 'mutation', timeout: 15000 },
    )
    .then((handle) => handle.jsonValue());
}

async function newPage(browser, device) {
  const page = await browser.newPage();
  if (device) await page.emulate(device);
  else await page.setViewport({ width: 1280, height: 900 });
  return page;
}

async function timeToFirstPrompt(browser, url, device) {
  const page = await newPage(browser, device);
  await page.goto(url);
  const milliseconds = await firstPrompt(page);
  await page.close();
  return milliseconds;
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
  const page = await newPage(browser);
  await page.goto(ownSite.url);
  await page.waitForFunction(() => navigator.serviceWorker.controller !== null, { timeout: 15000 });
  ownSite.stop();
  const times = [];
  for (let i = 0; i < loads; ++i) {
    await page.reload();
    times.push(await firstPrompt(page));
  }
  await page.close();
  return times;
}

const site = await serveSite(siteDir);
const browser = await launchChromium();
try {
  for (const [what, device] of [['desktop', undefined], ['phone (Pixel 5 emulation)', KnownDevices['Pixel 5']]]) {
    const times = [];
    for (let i = 0; i < loads; ++i) times.push(await timeToFirstPrompt(browser, site.url, device));
    report(`first prompt after load, ${what}`, times);
  }
  report('first prompt after an offline reload, desktop', await offlineReloads(browser));
} finally {
  await browser.close();
  site.stop();
}
