// Size and speed of the site, measured and printed, never judged: the .wasm
// and the whole site gzipped (each file as a host would send it compressed),
// and the time from the start of the page's load to the first prompt on the
// terminal in headless Chromium (median of several loads).
//   node web/measure.mjs [SITE_DIR] [LOADS]
import { readdirSync, readFileSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
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
async function timeToFirstPrompt(browser, url) {
  const page = await browser.newPage();
  await page.goto(url);
  const handle = await page.waitForFunction(
    () => document.querySelector('.xterm-rows')?.textContent.includes('deg(P) =') && performance.now(),
    { polling: 'mutation', timeout: 15000 },
  );
  const milliseconds = await handle.jsonValue();
  await page.close();
  return milliseconds;
}

const site = await serveSite(siteDir);
const browser = await launchChromium();
try {
  const times = [];
  for (let i = 0; i < loads; ++i) times.push(await timeToFirstPrompt(browser, site.url));
  times.sort((a, b) => a - b);
  const median = times[Math.floor(times.length / 2)];
  console.log(`first prompt after load: median ${median.toFixed(0)} ms over ${loads} loads ` +
    `(from ${times[0].toFixed(0)} to ${times.at(-1).toFixed(0)} ms)`);
} finally {
  await browser.close();
  site.server.close();
}
