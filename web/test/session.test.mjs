// Session tools: the hands, dealer and vulnerability, ranges and copies,
// the pack turned over, blind dealing and the print.
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import {
  SIZES, boardsOf, can, dealFile, drawn, examplePath, inLanguages, launch, nativeHands, openPage, place, runNative,
  shotPath, waitForRun,
} from './browser.mjs';

const SESSION = examplePath('club-session.pbn');
const session = nativeHands(SESSION);
const GOOD_DEAL = '[Deal "N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 765.8765.876.765 432.432.5432.432"]';
const RANKS = ['A', 'K', 'Q', 'J', '10', '9', '8', '7', '6', '5', '4', '3', '2'];

let chromium;
before(async () => { chromium = await launch(); });
after(() => chromium.close());

// Sets session fields as a director does: a value, then leaving the field.
async function set(page, values) {
  await page.evaluate((entries) => {
    for (const [id, value] of entries) {
      const input = document.getElementById(id);
      if (input.type === 'checkbox') input.checked = value;
      else input.value = value;
      input.dispatchEvent(new Event('change'));
    }
  }, Object.entries(values));
  await drawn(page);
}

test('the hand view matches the Linux line, board by board', async () => {
  const { page, close } = await openPage(chromium.browser, SIZES.phone);
  await dealFile(page, SESSION);
  await page.keyboard.press('h');
  assert.equal(await page.$eval('#grid', (e) => e.checkVisibility()), false);
  for (const index of [0, 4, 31]) {
    await page.keyboard.press('Home');
    for (let i = 0; i < index; ++i) await page.keyboard.press('n');
    const { hands } = session[index];
    const expected = ['N', 'E', 'S', 'W'].map((seat, hand) => {
      const cards = hands.map((h, card) => (h === hand ? card : -1)).filter((card) => card >= 0);
      const suit = (s) => cards.filter((c) => Math.floor(c / 13) === s).map((c) => RANKS[c % 13]).join(' ') || '\u2014';
      const hcp = cards.reduce((sum, c) => sum + Math.max(0, 4 - (c % 13)), 0);
      return [seat, String(cards.length), String(hcp), ...[0, 1, 2, 3].map(suit)];
    });
    const shown = await page.$$eval('#hands [data-seat]', (all) => all.map((e) => [e.dataset.seat, e.dataset.count,
      e.dataset.hcp, ...['S', 'H', 'D', 'C'].map((s) => e.querySelector(`[data-suit="${s}"]`).textContent)]));
    assert.deepEqual(shown, expected, `board ${session[index].number}`);
  }
  await page.screenshot({ path: shotPath('hands-phone.png') });
  await close();
});

test('dealer and vulnerability follow the board number over 16 boards', async () => {
  const { page, close } = await openPage(chromium.browser);
  await dealFile(page, SESSION);
  const marks = [];
  for (let board = 1; board <= 16; ++board) {
    marks.push(await page.evaluate(() => [document.querySelector('#board-number').textContent,
      document.querySelector('#dealer').dataset.seat, document.querySelector('#vulnerability').dataset.vul].join(' ')));
    await page.keyboard.press('n');
  }
  assert.deepEqual(marks, ['1 N None', '2 E NS', '3 S EW', '4 W All', '5 N NS', '6 E EW', '7 S All', '8 W None',
    '9 N EW', '10 E All', '11 S None', '12 W NS', '13 N All', '14 E None', '15 S NS', '16 W EW']);
  await close();
});

test('dealer and vulnerability as the file gives them, on screen, in the hands and on curtain cards', async () => {
  const work = mkdtempSync(join(tmpdir(), 'pipsweep-marks-'));
  const file = join(work, 'marks.pbn');
  writeFileSync(file, `[Board "5"]\n[Dealer "S"]\n[Vulnerable "All"]\n${GOOD_DEAL}\n[Board "6"]\n${GOOD_DEAL}\n`);
  const { page, close } = await openPage(chromium.browser, { width: 794, height: 1123 });
  await dealFile(page, file);
  const marks = () => page.evaluate(() => [document.querySelector('#dealer').dataset.seat,
    document.querySelector('#vulnerability').dataset.vul, document.querySelector('#hands .board-marks').textContent]);
  assert.deepEqual(await marks(), ['S', 'All', 'Board 5Dealer SVul All']);
  await page.keyboard.press('n');
  // Board 6 gives none: the cycle's.
  assert.deepEqual(await marks(), ['E', 'EW', 'Board 6Dealer EVul EW']);
  await set(page, { 'print-kind': 'curtain' });
  await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  assert.deepEqual(await page.$$eval('.slip-marks', (all) => [all[0].textContent, all[4].textContent]),
    ['Dealer S \u00b7 Vul All', 'Dealer E \u00b7 Vul EW']);
  await close();
  rmSync(work, { recursive: true, force: true });
});

describe('ranges and copies', () => {
  const work = mkdtempSync(join(tmpdir(), 'pipsweep-session-'));
  after(() => rmSync(work, { recursive: true, force: true }));
  // Two sets of boards 1 to 3 in one file, the second dealt differently.
  const deal = (seats) => `[Deal "N:${seats}"]`;
  const A = 'AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 765.8765.876.765 432.432.5432.432';
  const B = 'T98.JT9.JT9.JT98 AKQJ.AKQ.AKQ.AKQ 765.8765.876.765 432.432.5432.432';
  const twice = join(work, 'twice.pbn');
  writeFileSync(twice, [A, A, A, B, B, B].map((d, i) => `[Board "${(i % 3) + 1}"]\n${deal(d)}\n`).join(''));

  const cases = [
    [SESSION, { from: '3', to: '5', copies: '2', 'copy-order': 'board' }, ['3/1', '3/2', '4/1', '4/2', '5/1', '5/2']],
    [SESSION, { from: '3', to: '5', copies: '2', 'copy-order': 'set' }, ['3/1', '4/1', '5/1', '3/2', '4/2', '5/2']],
    [SESSION, { from: '31', to: '', copies: '3', 'copy-order': 'set' }, ['31/1', '32/1', '31/2', '32/2', '31/3', '32/3']],
    // From the first deal numbered 2 to the first deal numbered 1 after it.
    [twice, { from: '2', to: '1', copies: '1', 'copy-order': 'board' }, ['2/1', '3/1', '1/1']],
  ];
  for (const [file, values, expected] of cases) {
    test(`${file.split('/').pop()} ${JSON.stringify(values)}`, async () => {
      const { page, close } = await openPage(chromium.browser);
      await dealFile(page, file);
      await set(page, values);
      const walk = async (key, count) => {
        const seen = [];
        for (let i = 0; i < count; ++i) {
          seen.push(await page.evaluate(() => `${document.querySelector('#board-number').textContent}/${document.querySelector('#copy').dataset.copy}`));
          await page.keyboard.press(key);
        }
        return seen;
      };
      assert.deepEqual(await walk('n', expected.length + 1), [...expected, expected.at(-1)]);
      assert.equal(await page.$eval('#copy', (e) => e.dataset.copies), values.copies);
      if (values.copies !== '1') assert.equal(await page.$eval('#copy', (e) => e.textContent), `copy ${expected.at(-1).split('/')[1]} of ${values.copies}`);
      await page.keyboard.press('Home');
      assert.deepEqual(await walk('End', 1), [expected[0]]);
      // Dealing runs along the same sequence; the whole of it is kept with the place.
      await page.keyboard.press('Home');
      for (let card = 0; card <= 52; ++card) await page.keyboard.press(' ');
      await page.keyboard.press(' ');
      await page.reload({ waitUntil: 'load' });
      await waitForRun(page, 0);
      assert.equal((await place(page)).card, '0');
      assert.deepEqual(await walk('p', 1), [expected[1]]);
      await close();
    });
  }
});

test('a pack turned over starts at the two of clubs; blind dealing shows only the card', async () => {
  const { page, close } = await openPage(chromium.browser);
  await dealFile(page, SESSION);
  await set(page, { 'pack-order': 'reversed' });
  const cards = [];
  for (let i = 0; i < 3; ++i) {
    await page.keyboard.press(' ');
    cards.push((await place(page)).card);
  }
  assert.deepEqual(cards, ['51', '50', '49']);
  for (let i = 3; i < 52; ++i) await page.keyboard.press(' ');
  assert.equal((await place(page)).card, '0');
  await page.keyboard.press(' ');
  assert.ok((await place(page)).text.includes('Board 1 done'));
  await page.keyboard.press('Backspace');
  assert.equal((await place(page)).card, '0');
  assert.equal(await page.$eval('#board-line', (e) => e.textContent), `Board 1\n${boardsOf(runNative(SESSION, 'TRDL').output)[0].line}`);

  await set(page, { blind: true });
  const visible = () => page.$$eval('#grid, #hands, #board-line, #counts, #card-panel, #board-number',
    (all) => all.map((e) => `${e.id}:${e.checkVisibility()}`));
  assert.deepEqual(await visible(), ['board-number:true', 'card-panel:true', 'grid:false', 'hands:false', 'counts:false', 'board-line:false']);
  await page.keyboard.press('h');
  assert.deepEqual(await visible(), ['board-number:true', 'card-panel:true', 'grid:false', 'hands:false', 'counts:false', 'board-line:false']);
  await page.keyboard.press('Backspace');
  const shown = await place(page);
  assert.deepEqual([shown.card, shown.hand], ['1', String(session[0].hands[1])]);
  await close();
});

describe('the print: each board of the range once', () => {
  for (const [kind, per] of [['grids', 1], ['hands', 1], ['curtain', 4]]) {
    test(kind, async (t) => {
      const { page, close } = await openPage(chromium.browser, { width: 794, height: 1123 });
      await dealFile(page, SESSION);
      await set(page, { from: '3', to: '6', copies: '3', 'print-kind': kind, event: 'Club pairs', date: '8 Dec 2026' });
      if (can(t, 'printMedia')) await page.emulateMediaType('print');
      await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
      const items = await page.$$eval('.print-items > *', (all) => all.map((e) => e.textContent));
      assert.equal(items.length, 4 * per);
      items.forEach((text, i) => assert.ok(text.startsWith(`Board ${3 + Math.floor(i / per)}`), text));
      if (kind === 'curtain') {
        assert.deepEqual(await page.$$eval('.slip', (all) => all.slice(0, 4).map((e) => [e.dataset.seat, e.dataset.hcp])),
          ['N', 'E', 'S', 'W'].map((seat, hand) => [seat, String(session[2].hands.reduce((sum, h, c) => sum + (h === hand ? Math.max(0, 4 - (c % 13)) : 0), 0))]));
        assert.ok(items[0].includes('Dealer S \u00b7 Vul EW'));
      }
      // The fingerprint of the example's deals on every page.
      assert.deepEqual(await page.$$eval('.print-heading', (all) => [...new Set(all.map((e) => e.textContent))]),
        ['Club pairs \u00b7 8 Dec 2026 \u00b7 Fingerprint a0bf2197443e']);
      assert.equal(await page.$$eval('.print-boards [data-card]', (all) => all.filter((e) => e.closest('#grid')).length), 0);
      if (kind === 'curtain') {
        await page.pdf({ path: shotPath('curtain.pdf'), format: 'A4', printBackground: true });
      }
      await close();
    });
  }

  test('a range of more than 64 boards: Print asks for From and To, Ctrl+P prints the first 64 and says so', async () => {
    const work = mkdtempSync(join(tmpdir(), 'pipsweep-print-'));
    const file = join(work, 'seventy.pbn');
    writeFileSync(file, Array.from({ length: 70 }, (_, i) => `[Board "${i + 1}"]\n${GOOD_DEAL}\n`).join(''));
    const { page, close } = await openPage(chromium.browser);
    await dealFile(page, file);
    await page.evaluate(() => {
      window.printed = 0;
      window.print = () => { window.printed += 1; };
    });
    await page.click('#setup');
    // [From, To, what the print fieldset says after Print, prints made so far]
    const steps = [
      ['', '', 'Choose From and To first: one print holds at most 64 boards, not all 70.', 0],
      ['3', '', 'Choose From and To first: one print holds at most 64 boards, not all 68.', 0],
      ['3', '66', '', 1],
    ];
    for (const [from, to, note, printed] of steps) {
      await set(page, { from, to });
      await page.click('#print-button');
      assert.deepEqual(await page.evaluate(() => [document.querySelector('#print-note').textContent, window.printed]),
        [note, printed], `From ${from} To ${to}`);
      if (note !== '') assert.equal(await page.evaluate(() => document.activeElement.id), 'from');
    }
    await set(page, { from: '', to: '' });
    await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
    const titles = await page.$$eval('.print-board h3', (all) => all.map((e) => e.textContent));
    assert.deepEqual([titles.length, titles[0], titles.at(-1)], [64, 'Board 1', 'Board 64']);
    assert.deepEqual(await page.$$eval('.print-cut', (all) => all.map((e) => e.closest('.print-page') === e.closest('.print-boards').firstChild && e.textContent)),
      ['The first 64 of 70 boards: one print holds at most 64. Choose From and To to print the others.']);
    await close();
    rmSync(work, { recursive: true, force: true });
  });
});

test('a language chosen applies at once, stays on the device and is spoken; curtain cards in French', async (t) => {
  const { page, errors, close } = await openPage(chromium.browser, { width: 794, height: 1123 });
  await inLanguages(page, ['de-CH', 'fr']);
  await dealFile(page, SESSION);
  await page.keyboard.press(' ');
  await page.keyboard.press(' ');
  const shown = () => page.evaluate(() => [document.documentElement.lang, document.querySelector('#example').textContent,
    document.querySelector('#dealer').textContent, document.querySelector('#card-panel').dataset.rank]);
  assert.deepEqual(await shown(), ['de', 'Beispiel öffnen', 'Teiler N', 'K']);
  await set(page, { language: 'fr', speak: true });
  assert.deepEqual(await shown(), ['fr', 'Ouvrir l\'exemple', 'Donneur N', 'R']);
  await page.evaluate(() => {
    window.speechSynthesis.speak = (utterance) => window.spoken.push([utterance.text, utterance.lang]);
  });
  await page.keyboard.press(' ');
  const FR = ['Nord', 'Est', 'Sud', 'Ouest'];
  assert.deepEqual(await page.evaluate(() => window.spoken.at(-1)), [FR[session[0].hands[2]], 'fr']);
  await page.reload({ waitUntil: 'load' });
  await waitForRun(page, 0);
  assert.deepEqual((await shown()).slice(0, 3), ['fr', 'Ouvrir l\'exemple', 'Donneur N']);

  await set(page, { from: '3', to: '4', 'print-kind': 'curtain' });
  if (can(t, 'printMedia')) await page.emulateMediaType('print');
  await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  const slip = await page.$eval('.slip', (e) => ['.slip-board', '.slip-seat', '.slip-marks', '[data-suit="S"]']
    .map((selector) => e.querySelector(selector).textContent));
  const RANKS_FR = ['A', 'R', 'D', 'V', ...RANKS.slice(4)];
  const spades = session[2].hands.slice(0, 13).map((hand, rank) => (hand === 0 ? RANKS_FR[rank] : '')).filter(Boolean);
  assert.deepEqual(slip, ['Donne 3', 'Nord', 'Donneur S \u00b7 Vuln. EO', spades.join(' ') || '\u2014']);
  await page.pdf({ path: shotPath('curtain-fr.pdf'), format: 'A4', printBackground: true });
  assert.deepEqual(errors, []);
  await close();
});
