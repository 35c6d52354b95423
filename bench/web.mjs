// Times the page in headless Chromium next to the Linux build:
//   node bench/web.mjs [BUILD_DIR] [PAGE_DIR]      (defaults build, build-web/web)
// Environment: COUNT deals (default 100000), RUNS (default 3).
// 1. Dealing a generated PBN file of COUNT deals, RUNS times, median: from
//    the file input's change to board 1 on screen, to the end of the run
//    (console text, status, download), and the longest pause of the main
//    thread in between (the longest task the browser reports, or the
//    longest gap between two animation frames, whichever is longer); then
//    from a click on the console's summary to the frame that shows it.
// 2. Preparing the print of boards 1 to 32 of that file, as hand records
//    and as curtain cards.
// 3. A key press to the card panel's change, at laptop size: the median and
//    the slowest of 52 steps through a board, from the key event's time
//    stamp to the panel's new card.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

const root = resolve(import.meta.dirname, '..');
const build = resolve(process.argv[2] ?? join(root, 'build'));
process.env.PIPSWEEP_PAGE = resolve(process.argv[3] ?? process.env.PIPSWEEP_PAGE ?? join(root, 'build-web/web'));
// Imported once PIPSWEEP_PAGE is set: it reads the page's folder as it loads.
const { SIZES, dealFile, examplePath, launch, openPage } = await import('../web/test/browser.mjs');
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

// Watches the page from the file input's change on: when board 1 shows,
// when the run ends, and the longest stretch the main thread did not answer.
function watchRun() {
  const watch = { start: null, board: null, end: null, stop: false, tasks: [], frames: [] };
  window.benchWatch = watch;
  const now = () => performance.now();
  document.querySelector('#deal-file').addEventListener('change', () => { watch.start = now(); }, true);
  new PerformanceObserver((list) => {
    for (const entry of list.getEntries()) watch.tasks.push([entry.startTime, entry.duration]);
  }).observe({ type: 'longtask' });
  let last = null;
  const frame = (time) => {
    if (last !== null && watch.start !== null) watch.frames.push([last, time - last]);
    last = time;
    if (!watch.stop) requestAnimationFrame(frame);
  };
  requestAnimationFrame(frame);
  new MutationObserver(() => {
    if (watch.board === null && watch.start !== null && document.querySelector('#board-number').textContent !== ''
      && !document.querySelector('#deal-view').hidden) watch.board = now();
  }).observe(document.body, { subtree: true, childList: true, characterData: true, attributes: true });
  new MutationObserver(() => { if (watch.start !== null) watch.end = now(); })
    .observe(document.body, { attributes: true, attributeFilter: ['data-runs'] });
}

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
const chromium = await launch();
const timings = [];
let boards = '';
const printTimes = { grids: [], hands: [], curtain: [] };
for (let i = 0; i < runs; ++i) {
  const { page, close } = await openPage(chromium.browser);
  await page.evaluate(watchRun);
  await dealFile(page, file);
  // One more frame, so that a pause ending with the run is counted.
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done, 50))));
  timings.push(await page.evaluate(() => {
    window.benchWatch.stop = true;
    const { start, board, end, tasks, frames } = window.benchWatch;
    const within = ([at, length]) => at + length >= start && at <= end;
    const longest = (list) => Math.max(0, ...list.filter(within).map(([, length]) => length));
    return { board: board - start, end: end - start, task: longest(tasks), frame: longest(frames) };
  }));
  boards = await page.$eval('#board-place', (e) => e.textContent);
  // The console opened: from the click to the frame that shows it.
  await page.click('#setup');
  timings.at(-1).console = await page.evaluate(() => new Promise((done) => {
    const start = performance.now();
    document.querySelector('#console-box summary').click();
    requestAnimationFrame(() => setTimeout(() => done(performance.now() - start), 0));
  }));
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
console.log(`PBN, ${count} deals, ${bytes} bytes`);
console.log(`native pipsweep, best of ${runs}: ${(nativeBest / 1000).toFixed(3)} s`);
const ms = (key) => `${median(timings.map((t) => t[key])).toFixed(0)} ms`;
console.log(`page in Chromium, median of ${runs}: board 1 at ${ms('board')}, run ended at ${ms('end')} (${boards})`);
console.log(`  longest main-thread pause: ${ms('task')} (longest task), ${ms('frame')} (longest frame gap)`);
console.log(`  console opened in ${ms('console')}`);
console.log(`  each run: ${timings.map((t) => `${t.board.toFixed(0)}/${t.end.toFixed(0)}/${Math.max(t.task, t.frame).toFixed(0)}`).join(', ')} ms (board 1/end/pause)`);
for (const [kind, times] of Object.entries(printTimes)) {
  console.log(`print of boards 1 to 32 (${kind}): best ${Math.min(...times).toFixed(1)} ms`);
}
console.log(`key to card panel, ${delays.length} steps at laptop size: median ${delays[delays.length >> 1].toFixed(2)} ms, slowest ${delays[delays.length - 1].toFixed(2)} ms`);
