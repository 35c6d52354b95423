// Times the page in headless Chromium and Firefox ESR next to the Linux build:
//   node bench/web.mjs [BUILD_DIR] [PAGE_DIR]      (defaults build, build-web/web)
// Environment: COUNT deals (default 100000), RUNS (default 3), BROWSERS
// (default "chromium firefox"), FILES (default "pbn pbn-full": pipsweep_gen's
// formats, 19 and 64 MB at 100,000 deals).
// For each browser and file, RUNS times in a fresh page, median:
// 1. From the file input's change: board 1 on screen, the end of the run
//    (console text, status, download), the file kept on the device (#kept
//    says so), and the longest gap between two ticks of a 10 ms interval in
//    the page over all that time: how long the page did not answer.
// 2. A click on the console's summary to the frame that shows it.
// 3. Preparing a print: boards 1 to 32 as grids and hand records, and 64 as
//    curtain cards (the most a print holds), and Ctrl+P with no range (the
//    first 64 boards): the longest gap of the interval from beforeprint on,
//    in Chromium with the pages laid out in print media.
// 4. A key press to the card panel's change, at laptop size: the median and
//    the slowest of 52 steps through a board, from the key event's time
//    stamp to the panel's new card.
// 5. The double-dummy analysis of the example's 32 boards, in a fresh page:
//    from the file input's change, board 1's table on screen and all 32
//    boards analysed, the longest gap of the interval while the solver
//    works (in the runs without key presses), and in every other run the
//    slowest of 52 steps taken meanwhile (bench/dds.mjs times the native
//    solver on the same boards, one core).
// PARTS (default "files keys analysis") picks among 1-3, 4 and 5.
import { spawnSync } from 'node:child_process';
import { mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';

const root = resolve(import.meta.dirname, '..');
const build = resolve(process.argv[2] ?? join(root, 'build'));
process.env.PIPSWEEP_PAGE = resolve(process.argv[3] ?? process.env.PIPSWEEP_PAGE ?? join(root, 'build-web/web'));
const count = Number(process.env.COUNT ?? 100000);
const runs = Number(process.env.RUNS ?? 3);
const browsers = (process.env.BROWSERS ?? 'chromium firefox').split(/\s+/).filter(Boolean);
const parts = (process.env.PARTS ?? 'files keys analysis').split(/\s+/);
const formats = parts.includes('files') ? (process.env.FILES ?? 'pbn pbn-full').split(/\s+/).filter(Boolean) : [];
// browser.mjs drives the browser PIPSWEEP_BROWSER names as it loads: one
// copy of it per browser (the query only tells the copies apart).
const drivers = {};
for (const name of browsers) {
  process.env.PIPSWEEP_BROWSER = name;
  drivers[name] = await import(`../web/test/browser.mjs?${name}`);
}

// Watches the page from the file input's change on: when board 1 shows,
// when the run ends, when the file is kept, and the longest gap between two
// ticks of an interval, which only a busy main thread stretches.
function watchRun() {
  const watch = { start: null, board: null, end: null, kept: null, gap: 0, gapAt: 0 };
  window.benchWatch = watch;
  const now = () => performance.now();
  document.querySelector('#deal-file').addEventListener('change', () => { watch.start = now(); }, true);
  let last = now();
  watch.timer = setInterval(() => {
    const time = now();
    if (watch.start !== null && time - last > watch.gap) {
      watch.gap = time - last;
      watch.gapAt = last - watch.start;
    }
    last = time;
  }, 10);
  new MutationObserver(() => {
    if (watch.start === null) return;
    if (watch.board === null && document.querySelector('#board-number').textContent !== ''
      && !document.querySelector('#deal-view').hidden) watch.board = now();
    if (watch.kept === null && document.querySelector('#kept').textContent !== '') watch.kept = now();
  }).observe(document.body, { subtree: true, childList: true, characterData: true, attributes: true });
  new MutationObserver(() => { if (watch.start !== null) watch.end = now(); })
    .observe(document.body, { attributes: true, attributeFilter: ['data-runs'] });
}

// The longest gap of the interval while beforeprint builds the print.
function timePrint([from, to, kind]) {
  for (const [id, value] of [['from', from], ['to', to], ['print-kind', kind]]) {
    document.getElementById(id).value = value;
    document.getElementById(id).dispatchEvent(new Event('change'));
  }
  return new Promise((done) => {
    let last = performance.now();
    let gap = 0;
    let ticks = 0;
    const timer = setInterval(() => {
      const time = performance.now();
      gap = Math.max(gap, time - last);
      last = time;
      if (++ticks === 1) window.dispatchEvent(new Event('beforeprint'));
      if (ticks === 10) {
        clearInterval(timer);
        window.dispatchEvent(new Event('afterprint'));
        done({ gap, pages: document.querySelectorAll('#print-boards .print-page').length });
      }
    }, 10);
  });
}
const PRINTS = {
  'grids 1-32': ['1', '32', 'grids'],
  'hands 1-32': ['1', '32', 'hands'],
  'curtain 1-64': ['1', '64', 'curtain'],
  'Ctrl+P, no range': ['', '', 'curtain'],
};

const median = (values) => [...values].sort((a, b) => a - b)[values.length >> 1];
const work = mkdtempSync(join(tmpdir(), 'pipsweep-bench-'));
const say = (line) => console.log(line);

for (const format of formats) {
  const file = join(work, `deals-${format}.pbn`);
  writeFileSync(file, spawnSync(join(build, 'pipsweep_gen'), [format, String(count)], { maxBuffer: 1 << 30 }).stdout);
  let nativeBest = Infinity;
  for (let i = 0; i < runs; ++i) {
    const start = performance.now();
    spawnSync(join(build, 'pipsweep'), [file], { cwd: work, stdio: 'ignore', env: { ...process.env, DISPLAY: '' } });
    nativeBest = Math.min(nativeBest, performance.now() - start);
  }
  say(`${format}: ${count} deals, ${(readFileSync(file).length / 1e6).toFixed(1)} MB; native pipsweep, best of ${runs}: ${nativeBest.toFixed(0)} ms`);

  for (const name of browsers) {
    const { launch, openPage, dealFile } = drivers[name];
    const opened = await launch();
    const timings = [];
    let boards = '';
    for (let i = 0; i < runs; ++i) {
      const { page, close } = await openPage(opened.browser);
      await page.evaluate(watchRun);
      await dealFile(page, file);
      await page.waitForFunction(() => window.benchWatch.kept !== null, { timeout: 120000 });
      // A few more ticks, so that a pause ending with the run is counted.
      await page.evaluate(() => new Promise((done) => { setTimeout(done, 100); }));
      const timing = await page.evaluate(() => {
        clearInterval(window.benchWatch.timer);
        const { start, board, end, kept, gap, gapAt } = window.benchWatch;
        return { board: board - start, end: end - start, kept: kept - start, gap, gapAt, said: document.querySelector('#kept').textContent };
      });
      boards = await page.$eval('#board-place', (e) => e.textContent);
      // The console opened: from the click to the frame that shows it.
      await page.click('#setup');
      timing.console = await page.evaluate(() => new Promise((done) => {
        const start = performance.now();
        document.querySelector('#console-box summary').click();
        requestAnimationFrame(() => setTimeout(() => done(performance.now() - start), 0));
      }));
      // In print media (Chromium only) the frames after beforeprint lay the
      // pages out too, and the interval's gap holds that.
      if (name === 'chromium') await page.emulateMediaType('print');
      for (const [print, args] of Object.entries(PRINTS)) {
        const { gap, pages } = await page.evaluate(timePrint, args);
        timing[print] = gap;
        timing[`${print} pages`] = pages;
      }
      timings.push(timing);
      await close();
    }
    const ms = (key) => `${median(timings.map((t) => t[key])).toFixed(0)} ms`;
    say(`  ${name}, median of ${runs}: board 1 at ${ms('board')}, run ended at ${ms('end')} (${boards}), kept at ${ms('kept')}; longest gap ${ms('gap')}; console opened in ${ms('console')}`);
    say(`    each run (board 1/end/kept/gap at when): ${timings.map((t) => `${t.board.toFixed(0)}/${t.end.toFixed(0)}/${t.kept.toFixed(0)}/${t.gap.toFixed(0)} at ${t.gapAt.toFixed(0)}`).join(', ')} ms`);
    if (timings.some((t) => t.said !== timings[0].said)) say(`    kept: ${timings.map((t) => t.said).join(' | ')}`);
    else say(`    kept: ${timings[0].said}`);
    say(`    print, longest gap (pages): ${Object.keys(PRINTS).map((print) => `${print} ${ms(print)} (${timings[0][`${print} pages`]})`).join(', ')}`);
    await opened.close();
  }
  rmSync(file, { force: true });
}

for (const name of parts.includes('keys') ? browsers : []) {
  const { launch, openPage, dealFile, SIZES, examplePath } = drivers[name];
  const opened = await launch();
  const { page, close } = await openPage(opened.browser, SIZES.laptop);
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
  await opened.close();
  delays.sort((a, b) => a - b);
  say(`key to card panel in ${name}, ${delays.length} steps at laptop size: median ${delays[delays.length >> 1].toFixed(2)} ms, slowest ${delays[delays.length - 1].toFixed(2)} ms`);
}
for (const name of parts.includes('analysis') ? browsers : []) {
  const { launch, openPage, dealFile, SIZES, examplePath } = drivers[name];
  const opened = await launch();
  const timings = [];
  for (let i = 0; i < runs; ++i) {
    const { page, close } = await openPage(opened.browser, SIZES.laptop);
    await page.evaluate(watchRun);
    await page.evaluate(() => {
      const watch = window.benchWatch;
      new MutationObserver(() => {
        if (watch.start === null) return;
        const now = performance.now();
        if (watch.table === undefined && document.querySelector('#dd-table td')) watch.table = now;
        if (watch.all === undefined && document.querySelector('#analysis').dataset.done === '32') watch.all = now;
      }).observe(document.body, { subtree: true, childList: true, attributes: true });
      // While the solver works: from the run's end to the last board analysed.
      watch.solving = 0;
      let last = null;
      const timer = setInterval(() => {
        const now = performance.now();
        if (watch.end !== null && last !== null) watch.solving = Math.max(watch.solving, now - last);
        last = watch.end === null ? null : now;
        if (watch.all !== undefined) clearInterval(timer);
      }, 10);
      window.keyTimes = [];
      window.panelTimes = [];
      document.addEventListener('keydown', (event) => window.keyTimes.push(event.timeStamp), true);
      new MutationObserver(() => window.panelTimes.push(performance.now()))
        .observe(document.querySelector('#card-panel'), { attributes: true, attributeFilter: ['data-card'] });
    });
    await page.keyboard.press('h');
    await dealFile(page, examplePath('club-session.pbn'));
    // Every other run steps through board 2 while the solver works; the
    // key presses a test sends stall the page's timer themselves, so the
    // gap is taken from the runs without them.
    const typing = i % 2 === 1;
    if (typing) {
      await page.keyboard.press('n');
      for (let card = 0; card < 52; ++card) await page.keyboard.press(' ');
    }
    await page.waitForFunction(() => window.benchWatch.all !== undefined, { timeout: 300000 });
    timings.push(await page.evaluate((typed) => {
      const {
        start, table, all, gap, gapAt, solving,
      } = window.benchWatch;
      clearInterval(window.benchWatch.timer);
      const delays = window.keyTimes.slice(-52).map((time, i) => window.panelTimes.slice(-52)[i] - time);
      if (!typed) delays.splice(0, delays.length, NaN);
      return {
        table: table - start, all: all - start, gap, gapAt, solving, slowest: Math.max(...delays),
      };
    }, typing));
    timings.at(-1).typing = typing;
    await close();
  }
  await opened.close();
  const ms = (key) => `${median(timings.filter((t) => t[key] !== null && (key !== 'solving' || !t.typing))
    .map((t) => t[key])).toFixed(0)} ms`;
  say(`analysis of the example's 32 boards in ${name}, median of ${runs}: board 1's table at ${ms('table')}, all 32 at ${ms('all')}; longest gap while solving ${ms('solving')} (from the file's choice ${ms('gap')}); slowest of 52 steps taken meanwhile ${ms('slowest')}`);
  say(`    each run (table/all/gap solving/gap from the choice at when/step): ${timings.map((t) => `${t.table.toFixed(0)}/${t.all.toFixed(0)}/${t.solving.toFixed(0)}/${t.gap.toFixed(0)} at ${t.gapAt.toFixed(0)}/${t.slowest?.toFixed(0) ?? '-'}`).join(', ')} ms`);
}
rmSync(work, { recursive: true, force: true });
