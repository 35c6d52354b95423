// The page served from a website, as a club would put it up: installable,
// kept for use without a network, and a new version shown at the next
// visit. Served here from 127.0.0.1 only.
import assert from 'node:assert/strict';
import { cpSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createServer } from 'node:http';
import { tmpdir } from 'node:os';
import { extname, join, normalize } from 'node:path';
import { after, before, test } from 'node:test';
import {
  can, dealFile, examplePath, launch, openPage, pageDir, place, runNative, shotPath, waitForRun,
} from './browser.mjs';

const site = mkdtempSync(join(tmpdir(), 'pipsweep-site-'));
const folder = join(site, 'pipsweep');
cpSync(pageDir, folder, { recursive: true });

const TYPES = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.webmanifest': 'application/manifest+json',
  '.png': 'image/png',
};
// A plain static server, as a club's website would be.
const server = createServer((request, response) => {
  const path = normalize(decodeURIComponent(new URL(request.url, 'http://host').pathname));
  const file = join(site, path.endsWith('/') ? join(path, 'index.html') : path);
  try {
    const body = readFileSync(file);
    response.writeHead(200, { 'Content-Type': TYPES[extname(file)] ?? 'application/octet-stream' });
    response.end(body);
  } catch (error) {
    response.writeHead(404).end();
  }
});

let chromium;
let origin;
before(async () => {
  chromium = await launch();
  await new Promise((resolve) => { server.listen(0, '127.0.0.1', resolve); });
  origin = `http://127.0.0.1:${server.address().port}`;
});
after(async () => {
  await chromium.close();
  server.close();
  rmSync(site, { recursive: true, force: true });
});

const SESSION = examplePath('club-session.pbn');

test('served: installable, ready for offline use, a new version at the next visit, and dealing offline', async (t) => {
  const url = `${origin}/pipsweep/`;
  const { page, requests, errors, close } = await openPage(chromium.browser, undefined, url,
    chromium.browser.defaultBrowserContext());
  await page.waitForFunction(() => !document.querySelector('#offline').hidden, { timeout: 30000 });
  assert.match(await page.$eval('#offline', (e) => e.textContent), /^Ready for offline use/);
  assert.equal(await page.evaluate(() => navigator.serviceWorker.ready.then((r) => r.active.state)), 'activated');

  const manifest = JSON.parse(readFileSync(join(folder, 'manifest.webmanifest'), 'utf8'));
  assert.ok(manifest.name && manifest.short_name && manifest.theme_color);
  assert.equal(manifest.display, 'standalone');
  for (const size of [192, 512]) {
    const icon = manifest.icons.find((i) => i.sizes === `${size}x${size}`);
    const png = readFileSync(join(folder, icon.src));
    assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [size, size], icon.src);
  }
  assert.deepEqual(manifest.file_handlers.flatMap((h) => Object.values(h.accept).flat()).sort(),
    ['.bri', '.csv', '.dge', '.dlm', '.dup', '.pbn']);
  if (can(t, 'installable')) {
    const cdp = await page.createCDPSession();
    const { errors: manifestErrors } = await cdp.send('Page.getAppManifest');
    assert.deepEqual(manifestErrors, []);
    assert.deepEqual((await cdp.send('Page.getInstallabilityErrors')).installabilityErrors, []);
  }

  // A new version on the site: the next visit shows it, and it is what is
  // kept.
  const index = join(folder, 'index.html');
  writeFileSync(index, readFileSync(index, 'utf8').replace('<title>Pipsweep V1.2</title>', '<title>Pipsweep next</title>'));
  const worker = join(folder, 'sw.js');
  writeFileSync(worker, readFileSync(worker, 'utf8').replace(/const VERSION = '([^']+)'/, "const VERSION = '$1-next'"));
  await page.reload({ waitUntil: 'load' });
  assert.equal(await page.title(), 'Pipsweep next');
  await page.waitForFunction(async () => {
    const kept = await caches.keys();
    return kept.length === 1 && kept[0].endsWith('-next');
  }, { timeout: 30000 });

  // No network at all: the server gone, the browser offline.
  server.closeAllConnections();
  await new Promise((resolve) => { server.close(resolve); });
  if (can(t, 'offlineMode')) await page.setOfflineMode(true);
  await page.reload({ waitUntil: 'load' });
  assert.equal(await page.title(), 'Pipsweep next');
  await page.waitForFunction(() => document.body.dataset.ready === 'true' && !document.querySelector('#offline').hidden);
  await page.screenshot({ path: shotPath('offline-reload.png') });
  await dealFile(page, SESSION, 'NESW');
  assert.equal(await page.$eval('#console', (e) => e.textContent), runNative(SESSION, 'NESW').stdout.toString());
  assert.equal((await place(page)).board, '1');

  assert.deepEqual(requests.filter((request) => !request.startsWith(`${origin}/pipsweep/`) && !/^(data|blob):/.test(request)), []);
  assert.deepEqual(errors, []);
  await close();
});

test('the installed app deals the file the desktop opened it with', async () => {
  const { page, errors, close } = await openPage(chromium.browser);
  // The browser's launch queue, as it is when a file is opened with the app.
  await page.evaluateOnNewDocument(() => {
    Object.defineProperty(window, 'launchQueue', {
      configurable: true,
      value: { setConsumer(consumer) { window.launchConsumer = consumer; } },
    });
  });
  await page.reload({ waitUntil: 'load' });
  await page.waitForFunction(() => document.body.dataset.ready === 'true' && typeof window.launchConsumer === 'function');
  const file = examplePath('club.dup');
  await page.evaluate((bytes) => window.launchConsumer({
    files: [{ getFile: async () => new File([new Uint8Array(bytes)], 'club.dup') }],
  }), [...readFileSync(file)]);
  await waitForRun(page, 0);
  assert.equal(await page.$eval('#console', (e) => e.textContent), runNative(file, 'TRDL').stdout.toString());
  assert.deepEqual(errors, []);
  await close();
});
