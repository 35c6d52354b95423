// The page against the Linux build, file by file, in headless Chromium.
import assert from 'node:assert/strict';
import { mkdirSync, mkdtempSync, readFileSync, readdirSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { after, before, describe, test } from 'node:test';
import {
  COLUMN, boardsOf, dealFile, downloadBytes, examplePath, launch, openPage, runNative,
} from './browser.mjs';

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
      const { page, requests, errors } = await openPage(chromium.browser);
      await dealFile(page, file, symbols);

      assert.equal(await page.$eval('#console', (e) => e.textContent), native.stdout.toString('utf8'));
      assert.equal(await page.$eval('#status', (e) => e.dataset.exit), native.status);
      const download = await downloadBytes(page);
      assert.deepEqual(download, native.output, '_pipsweep.txt');

      // The cells of the first board are its line, with the hands named.
      const boards = native.output === null ? [] : boardsOf(native.output);
      assert.equal(await page.$eval('#deal-view', (e) => e.hidden), boards.length === 0);
      if (boards.length > 0) {
        assert.equal(await page.$eval('#board-number', (e) => e.textContent), boards[0].number);
        const cells = await page.$$eval('[data-card]', (all) => all.map((e) => [e.textContent, e.getAttribute('aria-label')]));
        assert.equal(cells.length, 52);
        const hands = ['North', 'East', 'South', 'West'];
        cells.forEach(([text, label], card) => {
          const symbol = boards[0].line[COLUMN[card]];
          assert.equal(text, symbol === '\0' ? '\u2400' : symbol, `card ${card}`);
          const hand = symbol === '?' ? 'no hand' : hands[symbols.indexOf(symbol)];
          if (symbol !== '\0') assert.ok(label.endsWith(`: ${hand}`), `card ${card}: ${label}`);
        });
      }
      // The arrow keys walk the boards, never past either end.
      if (boards.length > 1) {
        await page.keyboard.press('ArrowRight');
        assert.equal(await page.$eval('#board-number', (e) => e.textContent), boards[1].number);
        await page.keyboard.press('ArrowLeft');
        await page.keyboard.press('ArrowLeft');
        assert.equal(await page.$eval('#board-number', (e) => e.textContent), boards[0].number);
      }

      assert.deepEqual(errors, []);
      assert.deepEqual(requests.filter((url) => !/^(file|data|blob):/.test(url)), []);
      await page.close();
    });
  }
});

test('dealing along: labels, cursor and the next board after the two of clubs', async () => {
  const file = examplePath('club-session.pbn');
  const boards = boardsOf(runNative(file, 'TRDL').output);
  const { page } = await openPage(chromium.browser);
  await dealFile(page, file, 'TRDL');
  assert.equal(await page.$eval('[data-card="0"]', (e) => e.getAttribute('aria-label')),
    `ace of spades: ${['North', 'East', 'South', 'West']['TRDL'.indexOf(boards[0].line[1])]}`);
  const cursor = () => page.$eval('#cursor', (e) => e.textContent);
  await page.keyboard.press('Space');
  assert.equal(await cursor(), `\u2660A \u2192 ${boards[0].line[COLUMN[0]]}`);
  for (let card = 1; card <= 4; ++card) await page.keyboard.press('Space');
  // The ten in large type is "10", never the "T" that may be a hand's symbol.
  assert.equal(await cursor(), `\u266010 \u2192 ${boards[0].line[COLUMN[4]]}`);
  for (let card = 5; card < 52; ++card) await page.keyboard.press('Space');
  assert.equal(await cursor(), `\u26632 \u2192 ${boards[0].line[COLUMN[51]]}`);
  await page.keyboard.press('Space');
  assert.equal(await page.$eval('#board-number', (e) => e.textContent), boards[1].number);
  assert.equal(await cursor(), `\u2660A \u2192 ${boards[1].line[COLUMN[0]]}`);
  await page.click('#next');
  assert.equal(await page.$eval('#board-number', (e) => e.textContent), boards[2].number);
  // Every cell, count and key reads at WCAG AA (4.5:1) against its own colour.
  const low = await page.$$eval('[data-card], .count, .key, .suit, #cursor', (all) => {
    const luminance = (css) => {
      const [r, g, b] = css.match(/[\d.]+/g).slice(0, 3).map((v) => {
        const c = Number(v) / 255;
        return c <= 0.03928 ? c / 12.92 : ((c + 0.055) / 1.055) ** 2.4;
      });
      return 0.2126 * r + 0.7152 * g + 0.0722 * b;
    };
    const background = (e) => {
      for (; e; e = e.parentElement) {
        const c = getComputedStyle(e).backgroundColor;
        if (!c.endsWith(', 0)')) return c;
      }
      return 'rgb(255, 255, 255)';
    };
    return all.map((e) => {
      const [a, b] = [luminance(getComputedStyle(e).color), luminance(background(e))];
      return [e.id || e.className, (Math.max(a, b) + 0.05) / (Math.min(a, b) + 0.05)];
    }).filter(([, ratio]) => ratio < 4.5);
  });
  assert.deepEqual(low, []);
  await page.click('#prev');
  assert.equal(await page.$eval('#board-number', (e) => e.textContent), boards[1].number);
  await page.close();
});

// Screenshots for people to look at, kept beside the build.
test('screenshots of the dealing view and the print', async () => {
  const shots = resolve(process.env.PIPSWEEP_SHOTS ?? join(import.meta.dirname, '../../build-web/screenshots'));
  mkdirSync(shots, { recursive: true });
  const file = examplePath('club-session.pbn');
  for (const [name, viewport] of [['phone', { width: 844, height: 390, isMobile: true, hasTouch: true }],
    ['laptop', { width: 1366, height: 768 }]]) {
    const { page } = await openPage(chromium.browser, viewport);
    await dealFile(page, file, 'TRDL');
    for (let i = 0; i < 5; ++i) await page.keyboard.press('Space');
    await page.$eval('#deal-view', (e) => e.scrollIntoView());
    await page.screenshot({ path: join(shots, `dealing-${name}.png`) });
    await page.close();
  }
  const { page } = await openPage(chromium.browser, { width: 794, height: 1123 });
  await dealFile(page, file, 'TRDL');
  await page.emulateMediaType('print');
  await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  assert.equal(await page.$$eval('.print-board', (all) => all.length), boardsOf(runNative(file, 'TRDL').output).length);
  await page.screenshot({ path: join(shots, 'print.png') });
  await page.pdf({ path: join(shots, 'print.pdf'), format: 'A4', printBackground: true });
  await page.close();
});
