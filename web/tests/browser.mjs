// What the browser tests and the measure script share: the site served on a
// loopback address, and headless Chromium and Firefox from Debian through
// puppeteer-core.
import { createServer } from 'node:http';
import { readFile } from 'node:fs/promises';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import puppeteer from 'puppeteer-core';

const types = {
  '.html': 'text/html; charset=utf-8',
  '.mjs': 'text/javascript',
  '.js': 'text/javascript',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.css': 'text/css',
  '.wasm': 'application/wasm',
  '.txt': 'text/plain',
};

// Serves siteDir on 127.0.0.1 at a free port; resolves with the server and
// its address.
export async function serveSite(siteDir) {
  const server = createServer(async (request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://x').pathname));
    const file = join(siteDir, path.endsWith('/') ? `${path}index.html` : path);
    try {
      const body = await readFile(file);
      response.writeHead(200, { 'content-type': types[extname(file)] ?? 'application/octet-stream' });
      response.end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const stop = () => {
    server.closeAllConnections();
    server.close();
  };
  return { server, stop, url: `http://127.0.0.1:${server.address().port}/` };
}

// Headless Chromium with a profile of its own, nothing fetched from outside.
export async function launchChromium() {
  const profile = mkdtempSync(join(tmpdir(), 'tessarivand-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    timeout: 30000,
    args: [
      '--headless',
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      `--user-data-dir=${profile}`,
    ],
  });
  // Chromium may still be writing its cache as it goes: retry, and never fail.
  browser.on('disconnected', () => {
    try {
      rmSync(profile, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
    } catch {
      // a leftover in the temporary folder harms no test
    }
  });
  return browser;
}

// Headless Firefox from Debian (firefox-esr), driven over WebDriver BiDi.
export async function launchFirefox() {
  return puppeteer.launch({
    browser: 'firefox',
    executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
    headless: true,
    timeout: 30000,
  });
}

// The text on the terminal's screen, row by row, as the widget shows it.
export async function screenText(page) {
  return page.$eval('.xterm-rows', (rows) => [...rows.children].map((row) => row.textContent).join('\n'));
}

// Waits until the screen shows text (a string, or a count of its occurrences).
export async function waitForScreen(page, text, count = 1, timeout = 10000) {
  await page.waitForFunction(
    (wanted, times) => {
      const rows = document.querySelector('.xterm-rows');
      const screen = rows ? [...rows.children].map((row) => row.textContent).join('\n') : '';
      return screen.split(wanted).length - 1 >= times;
    },
    { timeout, polling: 20 },
    text,
    count,
  );
}
