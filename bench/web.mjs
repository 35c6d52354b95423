// Times the page in headless Chromium next to the Linux build:
//   node bench/web.mjs [BUILD_DIR] [PAGE_DIR]      (defaults build, build-web/web)
// Environment: COUNT deals (default 100000), RUNS (default 3).
// 1. Dealing a generated PBN file of COUNT deals, best of RUNS: the page's
//    time runs from handing it the file until the run is shown (console
//    text, status, download and the first board).
// 2. Preparing the print of boards 1 to 32 of that file, as hand records
//    and as curtain cards.
// 3. A key press to the card panel's change, at laptop size: the median and
//    the slowest of 52 steps through a board, from the key event's time
//    stamp to the panel's new card.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { SIZES, dealFile, examplePath, launch, openPage } from '../web/test/browser.mjs';

const root = resolve(import.meta.dirname, '..');
const build = resolve(process.argv[2] ?? join(root, 'build'));
process.env.PIPSWEEP_PAGE = resolve(process.argv[3] ?? process.env.PIPSWEEP_PAGE ?? join(root, 'build-web/web'));
const count = Number(process.env.COUNT ?? 100000);
const runs = Number(process.env.RUNS ?? 3);

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

const chromium = await launch();
let pageBest = Infinity;
let boards = '';
const printTimes = { grids: [], hands: [], curtain: [] };
for (let i = 0; i < runs; ++i) {
  const { page, close } = await openPage(chromium.browser);
  const start = performance.now();
  await dealFile(page, file);
  pageBest = Math.min(pageBest, performance.now() - start);
  boards = await page.$eval('#board-place', (e) => e.textContent);
  for (const kind of Object.keys(printTimes)) {
    printTimes[kind].push(await page.evaluate((printKind) => {
      for (const [id, value] of [['from', '1'], ['to', '32'], ['print-kind', printKind]]) {
        document.getElementById(id).value = value;
        document.getElementById(id).dispatchEvent(new Event('change'));
      }
      const begin = performance.now();
      window.dispatchEvent(new Event('beforeprint'));
      return performance.now() - begin;
    }, kind));
  }
  await close();
}

const { page, close } = await openPage(chromium.browser, SIZES.laptop);
await dealFile(page, examplePath('club-session.pbn'));
await page.evaluate(() => {
  window.keyTimes = [];
  window.panelTimes = [];
  document.addEventListener('keydown', (event) => window.keyTimes.push(event.timeStamp), true);
  new MutationObserver(() => window.panelTimes.push(performance.now()))
    .observe(document.querySelector('#card-panel'), { attributes: true, attributeFilter: ['data-card'] });
});
for (let card = 0; card < 52; ++card) await page.keyboard.press(' ');
const delays = await page.evaluate(() => window.keyTimes.map((time, i) => window.panelTimes[i] - time));
await close();
await chromium.close();
rmSync(work, { recursive: true, force: true });

delays.sort((a, b) => a - b);
console.log(`PBN, ${count} deals, ${bytes} bytes; best of ${runs}`);
console.log(`native pipsweep: ${(nativeBest / 1000).toFixed(3)} s`);
console.log(`page in Chromium: ${(pageBest / 1000).toFixed(3)} s  (first board shown: ${boards})`);
for (const [kind, times] of Object.entries(printTimes)) {
  console.log(`print of boards 1 to 32 (${kind}): best ${Math.min(...times).toFixed(1)} ms`);
}
console.log(`key to card panel, ${delays.length} steps at laptop size: median ${delays[delays.length >> 1].toFixed(2)} ms, slowest ${delays[delays.length - 1].toFixed(2)} ms`);
