// A whole session typed in the page, in headless Chromium: a degree corrected
// with Backspace, a division, the menu's choice 4, an arrow key at the end
// prompt (two wrong answers), then q; the screen and the page's end line are
// checked at each step.
//   node --test web/tests/session.test.mjs   (SITE_DIR: build/web/site)
import { after, before, test } from 'node:test';
import assert from 'node:assert/strict';
import { launchChromium, serveSite, screenText, waitForScreen } from './browser.mjs';

const siteDir = process.env.SITE_DIR ?? 'build/web/site';
let site;
let browser;
let page;

before(async () => {
  site = await serveSite(siteDir);
  browser = await launchChromium();
  page = await browser.newPage();
  await page.setViewport({ width: 1000, height: 1000 });
  await page.goto(site.url, { timeout: 15000 });
});

after(async () => {
  await browser?.close();
  site?.server.close();
});

async function typeLine(text) {
  await page.keyboard.type(text);
  await page.keyboard.press('Enter');
}

test('a session with a correction, an arrow key and q', { timeout: 60000 }, async () => {
  await waitForScreen(page, 'deg(P) =');
  assert.equal(await page.title(), "TESSARIVAND : division d'un polynôme réel par (X - µ)");

  await page.keyboard.type('3');
  await page.keyboard.press('Backspace');
  await typeLine('2');
  await waitForScreen(page, 'Le nombre entier naturel entré est " deg(P) = 2 " .');

  for (const coefficient of ['1', '-3', '2']) await typeLine(coefficient);
  await waitForScreen(page, 'P(X) = (1 X^2) + (-3 X) + (2)');
  await typeLine('1');
  await waitForScreen(page, 'P(X) = (X - 1).((1 X) + (-2)) + (0)');
  await typeLine('4');
  await waitForScreen(page, "Appuyez sur 'Q' ou 'q' pour Quitter");

  await page.keyboard.press('ArrowUp');
  await waitForScreen(page, 'Votre saisie est FAUSSE', 2);
  assert.equal(await page.$eval('#end', (end) => end.hidden), true);

  await page.keyboard.press('q');
  await page.waitForSelector('#end:not([hidden])', { timeout: 10000 });
  assert.equal(await page.$eval('#end-text', (text) => text.textContent), 'Le programme est terminé (statut 0).');
  const screen = await screenText(page);
  assert.equal(screen.split('Votre saisie est FAUSSE').length - 1, 2, 'the arrow is two answers, q none');
  assert.doesNotMatch(screen, /\^\[|\bq\s*$/, 'the keys of the end prompt are not echoed');

  await page.click('#restart');
  await waitForScreen(page, 'deg(P) =');
  assert.equal(await page.$eval('#end', (end) => end.hidden), true);
});
