// What Orca says of a short session (web/screen_reader.mjs): every answer's
// screen once, without frames (the live region leaves them out) and without
// the region's name before each message; then the button of a new run.
//   node --test web/tests/screen_reader.test.mjs   (SITE_DIR: build/web/site)
// Skipped where orca, Xvfb or dbus-launch is missing (CI's web step installs them).
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { fileURLToPath } from 'node:url';
import { Session, missingTools, speechOfSession } from '../screen_reader.mjs';

const siteDir = process.env.SITE_DIR ?? fileURLToPath(new URL('../../build/web/site', import.meta.url));
const missing = missingTools();

test('Orca speaks each screen once, without frames or the region name', {
  skip: missing.length > 0 && `missing: ${missing.join(', ')}`,
  timeout: 120000,
}, async () => {
  const said = await speechOfSession(siteDir);
  for (const { heard } of Session) {
    assert.equal(said.filter((utterance) => utterance.includes(heard)).length, 1, `"${heard}" once in:\n${said.join('\n')}`);
  }
  assert.deepEqual(said.filter((utterance) => /\*\*|--|==/.test(utterance)), [], 'no frames');
  assert.deepEqual(said.filter((utterance) => utterance.includes('Texte du programme')), [], "the region's name");
});
