// A small client of the WebDriver protocol over fetch, for WebKitGTK, which
// puppeteer-core does not drive: WebKitWebDriver under xvfb-run, starting
// Debian's MiniBrowser. Only what the session test needs.
//   https://www.w3.org/TR/webdriver2/
import { spawn } from 'node:child_process';
import { createServer } from 'node:net';

const MiniBrowser = process.env.MINIBROWSER ?? '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';
const ElementKey = 'element-6066-11e4-a52e-4f735466cecf'; // how the protocol names an element
// The protocol's codes for the keys that are no characters.
const Keys = { Backspace: '\uE003', Enter: '\uE007', ArrowUp: '\uE013' };

async function freePort() {
  const server = createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// Starts WebKitWebDriver on its own X display and one MiniBrowser session;
// resolves with the session's commands and close().
export async function launchWebKit() {
  const port = await freePort();
  // Its own process group, so that close() ends xvfb-run, Xvfb and the driver together.
  // A screen tall enough for a window of the desktop tests' size.
  const driver = spawn('xvfb-run', ['-a', '-s', '-screen 0 1280x1200x24', process.env.WEBKITWEBDRIVER ?? 'WebKitWebDriver', `--port=${port}`], {
    detached: true,
    stdio: 'ignore',
  });
  const stopDriver = () => {
    try {
      process.kill(-driver.pid, 'SIGTERM');
    } catch {} // already gone
  };
  const base = `http://127.0.0.1:${port}`;

  async function send(method, path, body) {
    const response = await fetch(`${base}${path}`, {
      method,
      headers: { 'content-type': 'application/json' },
      body: body && JSON.stringify(body),
    });
    const { value } = await response.json();
    if (!response.ok) throw new Error(`WebDriver ${method} ${path}: ${value.error}: ${value.message}`);
    return value;
  }

  try {
    for (let tries = 0; ; ++tries) {
      try {
        if ((await send('GET', '/status')).ready) break;
      } catch (error) {
        if (tries > 150) throw error; // 15 s without a driver
      }
      await new Promise((resolve) => setTimeout(resolve, 100));
    }
    const { sessionId } = await send('POST', '/session', {
      capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: MiniBrowser, args: ['--automation'] } } },
    });
    return webKitSession((method, path, body) => send(method, `/session/${sessionId}${path}`, body), stopDriver);
  } catch (error) {
    stopDriver();
    throw error;
  }
}

// The session's commands, named as puppeteer's Page names them where the
// session test uses them, so that the same steps drive both.
function webKitSession(command, stopDriver) {
  const element = async (selector) =>
    (await command('POST', '/element', { using: 'css selector', value: selector }))[ElementKey];
  // A function run in the page with JSON arguments.
  const evaluate = (fn, ...args) =>
    command('POST', '/execute/sync', { script: `return (${fn}).apply(null, arguments)`, args });
  return {
    goto: (url) => command('POST', '/url', { url }),
    setWindowSize: (width, height) => command('POST', '/window/rect', { width, height }),
    title: () => command('GET', '/title'),
    evaluate,
    $eval: (selector, fn) =>
      command('POST', '/execute/sync', { script: `return (${fn})(document.querySelector(arguments[0]))`, args: [selector] }),
    async waitForFunction(fn, { timeout = 30000, polling = 20 } = {}, ...args) {
      for (const end = Date.now() + timeout; !(await evaluate(fn, ...args)); ) {
        if (Date.now() > end) throw new Error(`Waiting failed: ${timeout}ms exceeded`);
        await new Promise((resolve) => setTimeout(resolve, polling));
      }
    },
    async click(selector) {
      await command('POST', `/element/${await element(selector)}/click`, {});
    },
    // Send Keys to an element: text, or one key named as puppeteer names it.
    async sendKeys(selector, text) {
      await command('POST', `/element/${await element(selector)}/value`, { text: Keys[text] ?? text });
    },
    async close() {
      try {
        await command('DELETE', '');
      } finally {
        stopDriver();
      }
    },
  };
}
