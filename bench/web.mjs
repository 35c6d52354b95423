// Times dealing a generated PBN file in the page (headless Chromium) next to
// the Linux build, best of RUNS runs each:
//   node bench/web.mjs [BUILD_DIR] [PAGE_DIR]      (defaults build, build-web/web)
// Environment: COUNT deals (default 100000), RUNS (default 3). The page's time
// runs from handing it the file until the run is shown (console text, box,
// download and first board); puppeteer-core comes from web/node_modules.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { pathToFileURL } from 'node:url';

const root = resolve(import.meta.dirname, '..');
const build = resolve(process.argv[2] ?? join(root, 'build'));
const pageDir = resolve(process.argv[3] ?? join(root, 'build-web/web'));
const count = Number(process.env.COUNT ?? 100000);
const runs = Number(process.env.RUNS ?? 3);
const puppeteer = createRequire(join(root, 'web/package.json'))('puppeteer-core');

const work = mkdtempSync(join(tmpdir(), 'pipsweep-bench-'));
const file = join(work, 'deals.pbn');
writeFileSync(file, spawnSync(join(build, 'pipsweep_gen'), ['pbn', String(count)], { maxBuffer: 1 << 30 }).stdout);
const bytes = readFileSync(file).length;

let nativeBest = Infinity;
for (let i = 0; i < runs; ++i) {
  const start = performance.now();
  spawnSync(join(build, 'pipsweep'), ['deals.pbn'], { cwd: work, stdio: 'ignore', env: { ...process.env, DISPLAY: '' } });
  nativeBest = Math.min(nativeBest, performance.now() - start);
}

const profile = mkdtempSync(join(tmpdir(), 'pipsweep-chromium-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium', headless: true, userDataDir: profile,
  args: ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
    '--disable-background-networking', '--disable-component-update', '--disable-sync'],
});
let pageBest = Infinity;
let boards = '';
for (let i = 0; i < runs; ++i) {
  const page = await browser.newPage();
  await page.goto(pathToFileURL(join(pageDir, 'index.html')).href);
  const input = await page.$('#deal-file');
  const start = performance.now();
  await input.uploadFile(file);
  await page.waitForFunction(() => document.body.dataset.runs === '1', { timeout: 120000, polling: 'raf' });
  pageBest = Math.min(pageBest, performance.now() - start);
  boards = await page.$eval('#board-place', (e) => e.textContent);
  await page.close();
}
await browser.close();
rmSync(profile, { recursive: true, force: true });
rmSync(work, { recursive: true, force: true });

console.log(`PBN, ${count} deals, ${bytes} bytes; best of ${runs}`);
console.log(`native pipsweep: ${(nativeBest / 1000).toFixed(3)} s`);
console.log(`page in Chromium: ${(pageBest / 1000).toFixed(3)} s  (first board shown: ${boards})`);
