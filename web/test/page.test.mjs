// The page against the Linux build, file by file, in headless Chromium.
import assert from 'node:assert/strict';
import { copyFileSync, mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { pathToFileURL } from 'node:url';
import { after, before, describe, test } from 'node:test';
import {
  COLUMN, SIZES, boardsOf, dealFile, downloadBytes, examplePath, launch, nativeHands, openPage, pageDir, runNative,
} from './browser.mjs';

const HANDS = ['North', 'East', 'South', 'West'];

const work = mkdtempSync(join(tmpdir(), 'pipsweep-page-'));
const GOOD_DEAL = '[Deal "N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 765.8765.876.765 432.432.5432.432"]';
// Files no example holds: a broken deal after good ones, a name of no
// format, a file without deals, an awkward name.
const madeFiles = {
  'bad-after-good.pbn': `[Board "1"]\n${GOOD_DEAL}\n[Board "2"]\n${GOOD_DEAL}\n[Board "3"]\n[Deal "N:AKQ.xx"]\n`,
  'notes.txt': `[Board "1"]\n${GOOD_DEAL}\n`,
  'empty.pbn': '',
  '-my deals.csv': readFileSync(examplePath('generated.csv')),
};
for (const [name, text] of Object.entries(madeFiles)) writeFileSync(join(work, name), text);

const cases = [
  ...readdirSync(examplePath('.')).sort().map((name) => ({ file: examplePath(name), symbols: 'TRDL' })),
  { file: examplePath('club-session.pbn'), symbols: 'NESW' },
  { file: examplePath('club.dup'), symbols: 'xy' },
  ...Object.keys(madeFiles).map((name) => ({ file: join(work, name), symbols: 'TRDL' })),
];

let chromium;
before(async () => { chromium = await launch(); });
after(async () => {
  await chromium.close();
  rmSync(work, { recursive: true, force: true });
});

describe('the page gives the bytes of the command line', () => {
  for (const { file, symbols } of cases) {
    test(`${file.split('/').pop()} -d ${symbols}`, async () => {
      const native = runNative(file, symbols);
      const { page, requests, errors, close } = await openPage(chromium.browser);
      await dealFile(page, file, symbols);

      assert.equal(await page.$eval('#console', (e) => e.textContent), native.stdout.toString('utf8'));
      assert.equal(await page.$eval('#status', (e) => e.dataset.exit), native.status);
      const download = await downloadBytes(page);
      assert.deepEqual(download, native.output, '_pipsweep.txt');

      // The cells of the first board: its line's symbols, and the hands the
      // core dealt, whatever the symbols.
      const boards = native.output === null ? [] : boardsOf(native.output);
      assert.equal(await page.$eval('#deal-view', (e) => e.hidden), boards.length === 0);
      if (boards.length > 0) {
        const { hands } = nativeHands(file)[0];
        assert.equal(await page.$eval('#board-number', (e) => e.textContent), boards[0].number);
        const cells = await page.$$eval('#grid [data-card]', (all) => all.map((e) => [e.textContent, e.dataset.hand, e.getAttribute('aria-label')]));
        assert.equal(cells.length, 52);
        cells.forEach(([text, hand, label], card) => {
          const symbol = boards[0].line[COLUMN[card]];
          assert.equal(text, symbol === '\0' ? '\u2400' : symbol, `card ${card}`);
          assert.equal(hand, String(hands[card]), `card ${card}`);
          assert.ok(label.endsWith(`: ${[...HANDS, 'no hand'][hands[card]]}`), `card ${card}: ${label}`);
        });
      }
      // N and P walk the boards, never past either end.
      if (boards.length > 1) {
        await page.keyboard.press('n');
        assert.equal(await page.$eval('#board-number', (e) => e.textContent), boards[1].number);
        await page.keyboard.press('p');
        await page.keyboard.press('p');
        assert.equal(await page.$eval('#board-number', (e) => e.textContent), boards[0].number);
      }

      assert.deepEqual(errors, []);
      assert.deepEqual(requests.filter((url) => !/^(file|data|blob):/.test(url)), []);
      await close();
    });
  }
});

test('index.html alone, copied into an empty folder, deals from disk and asks for no other file', async () => {
  const alone = join(work, 'alone');
  mkdirSync(alone);
  copyFileSync(join(pageDir, 'index.html'), join(alone, 'index.html'));
  const url = pathToFileURL(join(alone, 'index.html')).href;
  const { page, requests, errors, close } = await openPage(chromium.browser, SIZES.laptop, url);
  const file = examplePath('club-session.pbn');
  await dealFile(page, file);
  const native = runNative(file, 'TRDL');
  assert.equal(await page.$eval('#console', (e) => e.textContent), native.stdout.toString('utf8'));
  assert.deepEqual(await downloadBytes(page), native.output);
  assert.equal(await page.$eval('#board-place', (e) => e.textContent), `(1 of ${boardsOf(native.output).length})`);
  assert.equal(await page.$('link[rel="manifest"]'), null);
  assert.deepEqual(requests.filter((request) => request !== url && !/^(data|blob):/.test(request)), []);
  assert.deepEqual(errors, []);
  await close();
});

test('a large file: board 1 and a live count while it is read, the console a window at a time', async () => {
  const deals = 50000;
  const file = join(work, 'large.pbn');
  const hands = GOOD_DEAL.slice(9, -2);
  writeFileSync(file, Array.from({ length: deals }, (_, i) => `[Board "${i + 1}"]\n[Deal "${'NESW'[i % 4]}${hands}"]\n`).join(''));
  const native = runNative(file, 'TRDL');
  const { page, errors, close } = await openPage(chromium.browser);
  await page.evaluate(() => {
    window.seen = { boardWhileReading: false, counts: new Set() };
    new MutationObserver(() => {
      const reading = document.querySelector('#status').getAttribute('aria-busy') === 'true';
      if (reading && !document.querySelector('#deal-view').hidden) window.seen.boardWhileReading = true;
      if (reading) window.seen.counts.add(document.querySelector('#boards-read').textContent);
    }).observe(document.body, { subtree: true, childList: true, characterData: true, attributes: true });
  });
  await dealFile(page, file);
  const seen = await page.evaluate(() => ({ board: window.seen.boardWhileReading, counts: [...window.seen.counts] }));
  assert.ok(seen.board, 'board 1 shows before the file is read to the end');
  // Counts as the language writes numbers: "12,345 boards…".
  const number = (text) => Number(text.replace(/,/g, '').split(' ')[0]);
  assert.ok(seen.counts.some((count) => /^[\d,]+ boards?\u2026$/.test(count) && number(count) < deals), seen.counts.join(', '));
  assert.equal(await page.$eval('#status', (e) => e.textContent), 'Read to the end: 50,000 boards.');
  assert.deepEqual(await downloadBytes(page), native.output);

  // Opened, the console holds the lines in view, not the megabytes; at
  // either end they are the command line's.
  const stdout = native.stdout.toString('utf8');
  await page.click('#setup');
  await page.click('#console-box summary');
  const shown = (to) => page.$eval('#console', (e, top) => new Promise((done) => {
    e.scrollTop = top === 'end' ? e.scrollHeight : 0;
    requestAnimationFrame(() => requestAnimationFrame(() => done(e.textContent)));
  }), to);
  const top = await shown('start');
  assert.ok(top.length < 20000 && stdout.startsWith(top), `${top.length} characters at the top`);
  const bottom = await shown('end');
  assert.ok(bottom.length < 20000 && stdout.endsWith(bottom.slice(bottom.indexOf('\n') + 1)), `${bottom.length} characters at the end`);
  assert.deepEqual(errors, []);
  await close();
});
