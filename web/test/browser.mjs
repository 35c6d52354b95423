// Headless Chromium with the page, and the Linux build's run of the same
// file to hold it against. bench/web.mjs launches the browser from here too.
import { spawnSync } from 'node:child_process';
import { copyFileSync, existsSync, mkdirSync, mkdtempSync, readFileSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { basename, join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';
import puppeteer from 'puppeteer-core';

const root = resolve(import.meta.dirname, '../..');
export const nativeBinary = resolve(process.env.PIPSWEEP_NATIVE ?? join(root, 'build/pipsweep'));
export const pageDir = resolve(process.env.PIPSWEEP_PAGE ?? join(root, 'build-web/web'));
export const pageUrl = pathToFileURL(join(pageDir, 'index.html')).href;

// The window sizes a browser leaves for the page: a phone held upright
// (touch), a tablet and a laptop.
export const SIZES = {
  phone: { width: 390, height: 664, isMobile: true, hasTouch: true },
  tablet: { width: 1024, height: 695 },
  laptop: { width: 1366, height: 640 },
};

// Where the symbols of a card stand in a direction line.
export const COLUMN = [];
for (let card = 0, n = 0; card < 52; ++card) {
  if (card % 13 % 3 === 0) ++n;
  COLUMN.push(n++);
}

// The command line the page runs, in a directory of its own.
export function runNative(file, symbols) {
  const dir = mkdtempSync(join(tmpdir(), 'pipsweep-native-'));
  try {
    const name = basename(file);
    copyFileSync(file, join(dir, name));
    const run = spawnSync(nativeBinary, ['-d', symbols, '--', name],
      { cwd: dir, env: { ...process.env, DISPLAY: '', WAYLAND_DISPLAY: '' }, input: '', maxBuffer: 1 << 28 });
    const outputPath = join(dir, '_pipsweep.txt');
    return {
      stdout: run.stdout,
      status: run.status === 0 ? '0' : '-1',
      exitCode: run.status,
      output: existsSync(outputPath) ? readFileSync(outputPath) : null,
    };
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

// The boards of an output file: number and direction line.
export function boardsOf(output) {
  const boards = [];
  let number = null;
  for (const line of output.toString('latin1').split('\n')) {
    if (line.startsWith('Board ')) number = line.slice(6);
    else if (line.length === 72 && line[0] === ' ') { boards.push({ number: number ?? '0', line }); number = null; }
  }
  return boards;
}

// The hand codes of every board of a file, as the Linux build deals them.
export function nativeHands(file) {
  return boardsOf(runNative(file, 'TRDL').output)
    .map(({ number, line }) => ({ number, hands: COLUMN.map((column) => 'TRDL?'.indexOf(line[column])) }));
}

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), 'pipsweep-chromium-'));
  // Without the background networking flags Chromium keeps knocking on a
  // closed network.
  const browser = await puppeteer.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    headless: true,
    userDataDir: profile,
    args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  return {
    browser,
    async close() {
      await browser.close();
      rmSync(profile, { recursive: true, force: true });
    },
  };
}

// Headless Chromium has no voices and no wake lock: stand-ins that record
// what the page asks of them.
function installStandIns() {
  window.spoken = [];
  window.wakeRequests = [];
  const synthesis = {
    speak(utterance) { window.spoken.push(utterance.text); },
    cancel() {},
    getVoices() { return [{ name: 'Local', lang: 'en-GB', localService: true }]; },
  };
  Object.defineProperty(window, 'speechSynthesis', { value: synthesis, configurable: true });
  window.SpeechSynthesisUtterance = class { constructor(text) { this.text = text; } };
  Object.defineProperty(navigator, 'wakeLock', {
    configurable: true,
    value: {
      request(type) {
        window.wakeRequests.push(type);
        return Promise.resolve({ released: false, release: async () => {}, addEventListener() {} });
      },
    },
  });
}

// A fresh page, from file:// unless another address is given, in a storage
// of its own (unless a context is given: Chromium installs no app from an
// incognito one), watching every request and every error.
export async function openPage(browser, viewport = SIZES.laptop, url = pageUrl, shared = null) {
  const context = shared ?? await browser.createBrowserContext();
  const page = await context.newPage();
  await page.setViewport(viewport);
  await page.evaluateOnNewDocument(installStandIns);
  const requests = [];
  const errors = [];
  page.on('request', (request) => requests.push(request.url()));
  page.on('pageerror', (error) => errors.push(String(error)));
  page.on('console', (message) => { if (message.type() === 'error') errors.push(message.text()); });
  // Each input waits for the frame that draws it, as a director's eye does.
  for (const [device, name] of [[page.keyboard, 'press'], [page, 'click'], [page.touchscreen, 'tap'],
    [page.touchscreen, 'touchEnd']]) {
    const act = device[name].bind(device);
    device[name] = async (...args) => {
      await act(...args);
      await drawn(page);
    };
  }
  await page.goto(url, { waitUntil: 'load' });
  await page.waitForFunction(() => document.body.dataset.ready === 'true');
  return { page, context, requests, errors, close: () => (shared === null ? context.close() : page.close()) };
}

const runsSoFar = (page) => page.evaluate(() => Number(document.body.dataset.runs ?? 0));
export async function waitForRun(page, before) {
  await page.waitForFunction((n) => Number(document.body.dataset.runs ?? 0) > n, { timeout: 60000 }, before);
}

// Hands the file to the page with the symbols, and waits for its run.
export async function dealFile(page, file, symbols = 'TRDL') {
  const runs = await runsSoFar(page);
  await page.$eval('#symbols', (input, value) => {
    input.value = value;
    input.dispatchEvent(new Event('change'));
  }, symbols);
  const input = await page.$('#deal-file');
  await input.uploadFile(file);
  await waitForRun(page, runs);
}

export async function downloadBytes(page) {
  const bytes = await page.evaluate(async () => {
    const link = document.querySelector('#download');
    if (link.parentElement.hidden || !link.href || link.download !== '_pipsweep.txt') return null;
    const response = await fetch(link.href);
    return Array.from(new Uint8Array(await response.arrayBuffer()));
  });
  return bytes === null ? null : Buffer.from(bytes);
}

// Waits until the page has drawn what the last input asked for: drawing
// may wait for the next frame.
export const drawn = (page) => page.evaluate(() => new Promise((done) => { requestAnimationFrame(() => done()); }));

// What the dealing view shows: board number, the panel's card and hand.
export async function place(page) {
  await drawn(page);
  return page.evaluate(() => {
    const panel = document.querySelector('#card-panel');
    return {
      board: document.querySelector('#board-number').textContent,
      card: panel.dataset.card,
      hand: panel.dataset.hand,
      run: panel.dataset.run,
      text: panel.querySelector('.panel-text').textContent.replace(/\s+/g, ' ').trim(),
    };
  });
}

export const axeSource = () => readFileSync(join(root, 'web/node_modules/axe-core/axe.min.js'), 'utf8');

export function examplePath(name) { return join(root, 'examples', name); }

// Screenshots for people to look at, kept beside the build.
export function shotPath(name) {
  const dir = resolve(process.env.PIPSWEEP_SHOTS ?? join(root, 'build-web/screenshots'));
  mkdirSync(dir, { recursive: true });
  return join(dir, name);
}

// The page as a browser whose languages are these (navigator.languages,
// which the page reads when it starts), opened again so that it starts so.
export async function inLanguages(page, languages) {
  await page.evaluateOnNewDocument((list) => {
    Object.defineProperty(navigator, 'languages', { get: () => list, configurable: true });
  }, languages);
  await page.reload({ waitUntil: 'load' });
  await page.waitForFunction(() => document.body.dataset.ready === 'true');
}
