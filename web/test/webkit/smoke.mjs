// The page in WebKitGTK (the engine of Safari's family), driven over plain
// W3C WebDriver by WebKitWebDriver and its MiniBrowser: it loads from disk
// without a script error, deals as the Linux build does, steps, resumes
// after a reload, and served from 127.0.0.1 keeps dealing once the server
// is gone. Needs a display:
//   xvfb-run -a node --test web/test/webkit/smoke.mjs
// Environment as for the other page tests (PIPSWEEP_NATIVE, PIPSWEEP_PAGE),
// and MINIBROWSER for a browser other than Debian's.
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { cpSync, existsSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, test } from 'node:test';
import { examplePath, pageDir, runNative, shotPath } from '../browser.mjs';

const minibrowser = process.env.MINIBROWSER ?? readdirSync('/usr/lib')
  .map((dir) => join('/usr/lib', dir, 'webkit2gtk-4.1/MiniBrowser')).find((path) => existsSync(path));

// WebDriver has no script to run before the page's own: a copy of the page
// collects errors from its first line, ahead of its security policy, which
// then holds for everything the page runs.
const COLLECTOR = `<script>
window.pageErrors = [];
addEventListener('error', (e) => pageErrors.push(e.message || \`\${e.target.tagName} failed to load\`), true);
addEventListener('unhandledrejection', (e) => pageErrors.push(\`unhandled rejection: \${e.reason}\`));
document.addEventListener('securitypolicyviolation', (e) => pageErrors.push(\`refused by the policy: \${e.violatedDirective}\`));
const consoleError = console.error;
console.error = (...args) => { pageErrors.push(args.join(' ')); consoleError.apply(console, args); };
</script>`;
const site = mkdtempSync(join(tmpdir(), 'pipsweep-webkit-'));
const folder = join(site, 'pipsweep');
cpSync(pageDir, folder, { recursive: true });
const index = join(folder, 'index.html');
writeFileSync(index, readFileSync(index, 'utf8').replace('<head>', `<head>\n${COLLECTOR}`));
const fileUrl = pathToFileURL(index).href;

// The W3C WebDriver calls the smoke run needs, over HTTP.
let driver;
let base;
async function call(method, path, body) {
  const response = await fetch(`${base}${path}`, {
    method,
    headers: { 'content-type': 'application/json' },
    body: body === undefined ? undefined : JSON.stringify(body),
  });
  const { value } = await response.json();
  if (!response.ok) throw new Error(`${method} ${path}: ${value.error}: ${value.message}`);
  return value;
}
let session;
const run = (path, body) => call('POST', `/session/${session}${path}`, body);
const execute = (script, ...args) => run('/execute/sync', { script, args });
const pause = (ms) => new Promise((resolve) => { setTimeout(resolve, ms); });
async function waitFor(script, what, ms = 30000) {
  for (const end = Date.now() + ms; Date.now() < end; await pause(50)) {
    if (await execute(script)) return;
  }
  throw new Error(`waited ${ms} ms for ${what}`);
}
const errors = () => execute('return window.pageErrors;');
const runs = () => execute('return Number(document.body.dataset.runs ?? 0);');
const card = () => execute('return document.querySelector("#card-panel").dataset.card;');
const board = () => execute('return document.querySelector("#board-number").textContent;');

// The key WebDriver names an element by.
const ELEMENT = 'element-6066-11e4-a52e-4f735466cecf';

async function open(url) {
  await run('/url', { url });
  await waitFor('return document.body.dataset.ready === "true";', 'the page to be ready');
}

// Each key, then the frame that draws what it asked for.
async function press(...keys) {
  for (const key of keys) {
    await run('/actions', {
      actions: [{ type: 'key', id: 'keys', actions: [{ type: 'keyDown', value: key }, { type: 'keyUp', value: key }] }],
    });
    await run('/execute/async', { script: 'requestAnimationFrame(() => arguments[0]());', args: [] });
  }
}

// The file through the file input, as a user picks it, and its run.
async function deal(file) {
  const before = await runs();
  const input = await run('/element', { using: 'css selector', value: '#deal-file' });
  await run(`/element/${input[ELEMENT]}/value`, { text: file });
  await waitFor(`return Number(document.body.dataset.runs ?? 0) > ${before};`, `the run of ${file}`, 60000);
  // The input keeps the focus, and with it Space; the keys go to the cards.
  await execute('document.activeElement.blur();');
}

async function download() {
  const bytes = await run('/execute/async', {
    script: `const done = arguments[0];
      const link = document.querySelector('#download');
      if (link.parentElement.hidden || link.download !== '_pipsweep.txt') { done(null); return; }
      fetch(link.href).then((response) => response.arrayBuffer()).then((buffer) => {
        const all = new Uint8Array(buffer);
        let binary = '';
        for (let at = 0; at < all.length; at += 0x8000) binary += String.fromCharCode(...all.subarray(at, at + 0x8000));
        done(btoa(binary));
      });`,
    args: [],
  });
  return bytes === null ? null : Buffer.from(bytes, 'base64');
}

before(async () => {
  assert.ok(minibrowser, 'no MiniBrowser: install libwebkit2gtk-4.1-0 or set MINIBROWSER');
  assert.ok(process.env.DISPLAY, 'MiniBrowser needs a display: run under xvfb-run -a');
  const free = createServer();
  await new Promise((resolve) => { free.listen(0, '127.0.0.1', resolve); });
  const { port } = free.address();
  await new Promise((resolve) => { free.close(resolve); });
  driver = spawn('WebKitWebDriver', [`--port=${port}`, '--host=127.0.0.1'], { stdio: 'ignore' });
  base = `http://127.0.0.1:${port}`;
  for (let tries = 0; ; ++tries) {
    try {
      if ((await call('GET', '/status')).ready) break;
    } catch (error) {
      if (tries > 100) throw error;
    }
    await pause(100);
  }
  // --automation: MiniBrowser takes its orders from the driver.
  ({ sessionId: session } = await call('POST', '/session', {
    capabilities: { alwaysMatch: { 'webkitgtk:browserOptions': { binary: minibrowser, args: ['--automation'] } } },
  }));
});

after(async () => {
  if (session) await call('DELETE', `/session/${session}`).catch(() => {});
  driver?.kill();
  rmSync(site, { recursive: true, force: true });
});

test('opened from disk: ready, with no script error', async () => {
  await open(fileUrl);
  assert.equal(await execute('return document.querySelector("#deal-view").hidden;'), true);
  assert.deepEqual(await errors(), []);
});

for (const name of ['club-session.pbn', 'club.dup']) {
  test(`${name}: the console and _pipsweep.txt of the Linux build`, async () => {
    const file = examplePath(name);
    const native = runNative(file, 'TRDL');
    await deal(file);
    assert.equal(await execute('return document.querySelector("#console").textContent;'), native.stdout.toString('utf8'));
    assert.equal(await execute('return document.querySelector("#status").dataset.exit;'), native.status);
    assert.deepEqual(await download(), native.output);
    assert.deepEqual(await errors(), []);
  });
}

test('Space steps through the cards; a reload resumes the board and the card', async () => {
  await deal(examplePath('club-session.pbn'));
  assert.deepEqual([await board(), await card()], ['1', '']);
  const seen = [];
  for (let i = 0; i < 2; ++i) {
    await press(' ');
    seen.push(await card());
  }
  assert.deepEqual(seen, ['0', '1']);
  await press('n', 'n', ' ', ' ', ' ');
  assert.deepEqual([await board(), await card()], ['3', '2']);
  const screenshot = await call('GET', `/session/${session}/screenshot`);
  writeFileSync(shotPath('webkit-dealing.png'), Buffer.from(screenshot, 'base64'));
  await waitFor('return document.querySelector("#kept").textContent.includes("kept on this device");', 'the place kept');
  await run('/refresh', {});
  await waitFor('return Number(document.body.dataset.runs ?? 0) > 0;', 'the resumed run');
  assert.deepEqual([await board(), await card()], ['3', '2']);
  assert.deepEqual(await errors(), []);
});

test('served from 127.0.0.1: kept for offline use, and dealing once the server is gone', async (t) => {
  const server = createServer((request, response) => {
    const path = normalize(decodeURIComponent(new URL(request.url, 'http://host').pathname));
    const file = join(site, path.endsWith('/') ? join(path, 'index.html') : path);
    const types = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.webmanifest': 'application/manifest+json' };
    try {
      const body = readFileSync(file);
      response.writeHead(200, { 'Content-Type': types[extname(file)] ?? 'application/octet-stream' }).end(body);
    } catch {
      response.writeHead(404).end();
    }
  });
  await new Promise((resolve) => { server.listen(0, '127.0.0.1', resolve); });
  try {
    await open(`http://127.0.0.1:${server.address().port}/pipsweep/`);
    await waitFor('return !document.querySelector("#offline").hidden;', '"Ready for offline use"');
    assert.match(await execute('return document.querySelector("#offline").textContent;'), /^Ready for offline use/);
    assert.deepEqual(await errors(), []);
  } finally {
    server.closeAllConnections();
    await new Promise((resolve) => { server.close(resolve); });
  }
  await run('/refresh', {});
  await waitFor('return document.body.dataset.ready === "true";', 'the kept page');
  assert.equal(await execute('return navigator.serviceWorker.controller?.state;'), 'activated');
  const file = examplePath('club-session.pbn');
  await deal(file);
  assert.equal(await execute('return document.querySelector("#console").textContent;'), runNative(file, 'TRDL').stdout.toString('utf8'));
  assert.deepEqual(await errors(), []);
  t.diagnostic(await execute('return navigator.userAgent;'));
});
