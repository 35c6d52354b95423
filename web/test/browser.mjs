// A headless browser with the page (Chromium, or Firefox ESR: see launch),
// and the Linux build's run of the same file to hold it against.
// bench/web.mjs launches the browser from here too.
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

// The browser the tests drive: PIPSWEEP_BROWSER=chromium (the default) or
// firefox (Firefox ESR over WebDriver BiDi).
export const browserName = process.env.PIPSWEEP_BROWSER ?? 'chromium';
if (!['chromium', 'firefox'].includes(browserName)) throw new Error(`PIPSWEEP_BROWSER=${browserName}: chromium or firefox`);

// Firefox's background connections, all off: a test run must not reach
// the network, and the page must not be the one to blame if it did.
const FIREFOX_PREFS = {
  'app.update.auto': false,
  'app.normandy.enabled': false,
  'app.shield.optoutstudies.enabled': false,
  'browser.discovery.enabled': false,
  'browser.newtabpage.activity-stream.feeds.section.topstories': false,
  'browser.newtabpage.activity-stream.telemetry': false,
  'browser.ping-centre.telemetry': false,
  'browser.region.network.url': '',
  'browser.region.update.enabled': false,
  'browser.safebrowsing.provider.google.updateURL': '',
  'browser.safebrowsing.provider.google4.updateURL': '',
  'browser.safebrowsing.provider.mozilla.updateURL': '',
  'browser.topsites.contile.enabled': false,
  'browser.translations.enable': false,
  'browser.ml.enable': false,
  'datareporting.policy.dataSubmissionEnabled': false,
  'dom.push.connection.enabled': false,
  'dom.push.serverURL': '',
  'extensions.blocklist.enabled': false,
  'extensions.systemAddon.update.enabled': false,
  'geo.provider.network.url': '',
  'media.gmp-manager.url': '',
  'network.captive-portal-service.enabled': false,
  'network.connectivity-service.enabled': false,
  'network.dns.disablePrefetch': true,
  'network.prefetch-next': false,
  'network.trr.mode': 5,
  'security.OCSP.enabled': 0,
  'security.remote_settings.crlite_filters.enabled': false,
  'security.remote_settings.intermediates.enabled': false,
  // A release build takes this only with MOZ_DISABLE_NONLOCAL_CONNECTIONS set.
  'services.settings.server': 'data:,#remote-settings-dummy/v1',
  'toolkit.telemetry.enabled': false,
  'toolkit.telemetry.server': '',
  'toolkit.telemetry.unified': false,
  'toolkit.telemetry.archive.enabled': false,
  // Puppeteer lets file:// pages read other files; a user's Firefox does not.
  'security.fileuri.strict_origin_policy': true,
};

export async function launch() {
  const profile = mkdtempSync(join(tmpdir(), `pipsweep-${browserName}-`));
  const browser = browserName === 'firefox'
    ? await puppeteer.launch({
      browser: 'firefox',
      protocol: 'webDriverBiDi',
      executablePath: process.env.FIREFOX ?? '/usr/bin/firefox-esr',
      headless: true,
      userDataDir: profile,
      extraPrefsFirefox: FIREFOX_PREFS,
      // Firefox then refuses every connection beyond this machine.
      env: { ...process.env, MOZ_DISABLE_NONLOCAL_CONNECTIONS: '1' },
    })
    // Without the background networking flags Chromium keeps knocking on a
    // closed network.
    : await puppeteer.launch({
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

// Checks that need what only Chromium offers the tests, and why; run there,
// elsewhere the test says it skipped them and makes its other checks.
const CHROMIUM_ONLY = {
  installable: 'the app manifest and installability are read over the DevTools Protocol '
    + '(Page.getAppManifest, Page.getInstallabilityErrors), which WebDriver BiDi has no counterpart for',
  offlineMode: 'puppeteer sets no offline mode over WebDriver BiDi; the server closed is the only network cut',
  printMedia: 'puppeteer emulates print media over the DevTools Protocol only; the print is still built '
    + '(beforeprint) and printed to PDF',
  colorScheme: 'puppeteer emulates prefers-color-scheme over the DevTools Protocol only',
  touchDevice: 'puppeteer makes the page a touch device (pointer: coarse, so the touch help shows) over the '
    + 'DevTools Protocol only; here the phone is a narrow window with a mouse',
};
export function can(t, check) {
  if (browserName === 'chromium') return true;
  t.diagnostic(`skipped in ${browserName}: ${CHROMIUM_ONLY[check]}`);
  return false;
}

// Touch: puppeteer's own over WebDriver BiDi sends an altitudeAngle that
// Firefox refuses (NS_ERROR_ILLEGAL_VALUE), so there the same actions go
// without it, through the pinned puppeteer's internal browsingContext.
export function touchscreen(page) {
  if (browserName === 'chromium') return page.touchscreen;
  const finger = (...actions) => page.mainFrame().browsingContext.performActions([
    { type: 'pointer', id: 'finger', parameters: { pointerType: 'touch' }, actions },
  ]);
  const at = (x, y) => ({ type: 'pointerMove', x: Math.round(x), y: Math.round(y) });
  return {
    tap: async (x, y) => {
      await finger(at(x, y), { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 });
      await drawn(page);
    },
    touchStart: (x, y) => finger(at(x, y), { type: 'pointerDown', button: 0 }),
    touchMove: (x, y) => finger(at(x, y)),
    touchEnd: async () => {
      await finger({ type: 'pointerUp', button: 0 });
      await drawn(page);
    },
  };
}

// Headless browsers have no voices and no wake lock: stand-ins that record
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

// Hands the file to the page with the symbols (null: those the page has),
// and waits for its run.
export async function dealFile(page, file, symbols = 'TRDL') {
  const runs = await runsSoFar(page);
  if (symbols !== null) {
    await page.$eval('#symbols', (input, value) => {
      input.value = value;
      input.dispatchEvent(new Event('change'));
    }, symbols);
  }
  const input = await page.$('#deal-file');
  await input.uploadFile(file);
  await waitForRun(page, runs);
}

export async function downloadBytes(page) {
  // As base64: Firefox fails to hand over an array of four million numbers.
  const bytes = await page.evaluate(async () => {
    const link = document.querySelector('#download');
    if (link.parentElement.hidden || !link.href || link.download !== '_pipsweep.txt') return null;
    const response = await fetch(link.href);
    const all = new Uint8Array(await response.arrayBuffer());
    let binary = '';
    for (let at = 0; at < all.length; at += 0x8000) binary += String.fromCharCode(...all.subarray(at, at + 0x8000));
    return btoa(binary);
  });
  return bytes === null ? null : Buffer.from(bytes, 'base64');
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

// What axe-core finds on the page as it is now, one line a rule.
export async function axeViolations(page) {
  await page.evaluate(axeSource());
  const result = await page.evaluate(async () => (await window.axe.run(document)).violations);
  return result.map((v) => `${v.id}: ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

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
