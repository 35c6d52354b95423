// The dealing view at the table: keys and taps, the place kept, symbols,
// faults, cues, window sizes and accessibility.
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, describe, test } from 'node:test';
import {
  SIZES, axeViolations, can, dealFile, downloadBytes, examplePath, inLanguages, launch, nativeHands, openPage, place,
  runNative, shotPath, touchscreen, waitForRun,
} from './browser.mjs';

const HANDS = ['North', 'East', 'South', 'West'];
const SESSION = examplePath('club-session.pbn');
const session = nativeHands(SESSION);
const GOOD = '[Deal "N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 765.8765.876.765 432.432.5432.432"]';
const work = mkdtempSync(join(tmpdir(), 'pipsweep-table-'));
const made = (name, text) => {
  writeFileSync(join(work, name), text);
  return join(work, name);
};

let chromium;
before(async () => { chromium = await launch(); });
after(async () => {
  await chromium.close();
  rmSync(work, { recursive: true, force: true });
});

test('each key leaves the cursor where a director expects it', async () => {
  const { page, errors, close } = await openPage(chromium.browser);
  await dealFile(page, SESSION);
  const last = session.length;
  // [what is done, board shown, current card ('' for none), panel text]
  const steps = [
    ['start', '1', ''],
    [' ', '1', '0'], ['Enter', '1', '1'], ['ArrowRight', '1', '2'], ['ArrowDown', '1', '3'], ['PageDown', '1', '4'],
    ['Backspace', '1', '3'], ['ArrowLeft', '1', '2'], ['ArrowUp', '1', '1'], ['PageUp', '1', '0'],
    ['Shift+ ', '1', ''],
    ['n', '2', ''], ['N', '3', ''], ['p', '2', ''], ['P', '1', ''], ['End', String(last), ''], ['Home', '1', ''],
    ['cell 50', '1', '50'], [' ', '1', '51'], [' ', '1', '', 'Board 1 done'], [' ', '2', '0'],
    ['p', '1', '', 'Board 1 done'], ['n', '2', '0'], ['Backspace', '2', ''], ['Backspace', '1', '', 'Board 1 done'],
    ['Backspace', '1', '51'],
    // A click on a button leaves the keys to the cards.
    ['click #next', '2', ''], [' ', '2', '0'], ['click #prev', '1', '51'], [' ', '1', '', 'Board 1 done'],
    // A button reached with Tab keeps Space and Enter for itself.
    ['Tab from #prev', '1', '', 'Board 1 done'], [' ', '2', '0'], ['Enter', '3', ''],
    ['End', String(last), ''], ['cell 51', String(last), '51'], [' ', String(last), '', `All ${last} boards dealt`],
    [' ', String(last), '', `All ${last} boards dealt`],
    // Space in a text field types a space.
    ['type #symbols', String(last), ''],
  ];
  for (const [action, board, card, text] of steps) {
    if (action.startsWith('cell ')) await page.click(`#grid [data-card="${action.slice(5)}"]`);
    else if (action.startsWith('click ')) await page.click(action.slice(6));
    else if (action.startsWith('Tab from ')) {
      await page.focus(action.slice(9));
      await page.keyboard.press('Tab');
    }
    else if (action === 'Shift+ ') {
      await page.keyboard.down('Shift');
      await page.keyboard.press(' ');
      await page.keyboard.up('Shift');
    } else if (action === 'type #symbols') {
      await page.click('#setup');
      await page.focus('#symbols');
      await page.keyboard.press('End');
      await page.keyboard.press(' ');
      assert.equal(await page.$eval('#symbols', (e) => e.value), 'TRDL ');
    } else if (action !== 'start') await page.keyboard.press(action);
    const shown = await place(page);
    assert.deepEqual([shown.board, shown.card], [board, card], `after ${action}`);
    if (card !== '') {
      const hand = session[Number(board) - 1].hands[Number(card)];
      assert.equal(shown.hand, String(hand), `after ${action}`);
      assert.ok(shown.text.endsWith(HANDS[hand]), shown.text);
      assert.equal(await page.$eval('#grid .at', (e) => e.dataset.card), card);
    } else {
      assert.equal(await page.$('#grid .at'), null);
    }
    if (text) assert.ok(shown.text.includes(text), `after ${action}: ${shown.text}`);
  }
  assert.deepEqual(errors, []);
  await close();
});

test('taps, a long press and swipes on a phone', async () => {
  const { page, close } = await openPage(chromium.browser, SIZES.phone);
  await dealFile(page, SESSION);
  const touch = touchscreen(page);
  const centre = (selector) => page.$eval(selector, (e) => {
    const r = e.getBoundingClientRect();
    return { x: r.x + r.width / 2, y: r.y + r.height / 2 };
  });
  const panel = await centre('#card-panel');
  await touch.tap(panel.x, panel.y);
  await touch.tap(panel.x, panel.y);
  assert.equal((await place(page)).card, '1');
  // A stray tap on the grid is the next card; a long press makes a card current.
  const cell = await centre('#grid [data-card="20"]');
  await touch.tap(cell.x, cell.y);
  assert.equal((await place(page)).card, '2');
  await touch.touchStart(cell.x, cell.y);
  await new Promise((resolve) => { setTimeout(resolve, 600); });
  await touch.touchEnd();
  assert.equal((await place(page)).card, '20');
  const line = await centre('.keys-help');
  await touch.tap(line.x, line.y);
  assert.equal((await place(page)).card, '21');
  await touch.touchStart(300, panel.y);
  await touch.touchMove(200, panel.y + 5);
  await touch.touchMove(100, panel.y + 10);
  await touch.touchEnd();
  assert.deepEqual([(await place(page)).board, (await place(page)).card], ['2', '']);
  await close();
});

test('a reload resumes the file, the symbols and the place; another file starts afresh', async () => {
  const { page, close } = await openPage(chromium.browser);
  await dealFile(page, SESSION, 'NESW');
  for (const key of ['n', 'n', 'n', 'n', ' ', ' ', ' ']) await page.keyboard.press(key);
  await page.waitForFunction(() => document.querySelector('#kept').textContent.includes('kept on this device'));
  await page.reload({ waitUntil: 'load' });
  await waitForRun(page, 0);
  assert.deepEqual((({ board, card }) => ({ board, card }))(await place(page)), { board: '5', card: '2' });
  assert.equal(await page.$eval('#note', (e) => e.textContent), 'Resumed at board 5');
  assert.equal(await page.$eval('#symbols', (e) => e.value), 'NESW');
  assert.equal(await page.$eval('#console', (e) => e.textContent), runNative(SESSION, 'NESW').stdout.toString());

  await dealFile(page, examplePath('club.dup'), 'NESW');
  assert.deepEqual([(await place(page)).board, (await place(page)).card], ['12', '']);
  await dealFile(page, SESSION, 'NESW');
  assert.deepEqual([(await place(page)).board, (await place(page)).card], ['5', '2']);
  await close();
});

describe('the hands come from the core, whatever the symbols', () => {
  for (const [symbols, warning] of [['TTDL', 'North and East share "T"'], ['', 'North, East, South and West have no symbol'],
    ['?RDL', '"?" also marks a card without a hand']]) {
    test(`-d "${symbols}"`, async () => {
      const { page, close } = await openPage(chromium.browser);
      await dealFile(page, SESSION, symbols);
      const { hands } = session[0];
      assert.deepEqual(await page.$$eval('#grid [data-card]', (all) => all.map((e) => Number(e.dataset.hand))), hands);
      assert.deepEqual(await page.$$eval('#counts .count', (all) => all.map((e) => [e.dataset.hand, e.textContent.slice(-2)])),
        [['0', '13'], ['1', '13'], ['2', '13'], ['3', '13']]);
      await page.keyboard.press(' ');
      const shown = await place(page);
      assert.equal(shown.hand, String(hands[0]));
      assert.ok(shown.text.endsWith(HANDS[hands[0]]));
      assert.ok((await page.$eval('#symbols-note', (e) => e.textContent)).includes(warning));
      await close();
    });
  }

  test('typing reruns after a pause, not at every key', async () => {
    const { page, close } = await openPage(chromium.browser);
    await dealFile(page, SESSION);
    await page.click('#setup');
    await page.click('#symbols', { count: 3 });
    const runs = await page.evaluate(() => Number(document.body.dataset.runs));
    await page.keyboard.type('NESW', { delay: 50 });
    assert.equal(await page.evaluate(() => Number(document.body.dataset.runs)), runs);
    await waitForRun(page, runs);
    assert.equal(await page.evaluate(() => Number(document.body.dataset.runs)), runs + 1);
    assert.equal(await page.$eval('#grid [data-card="0"]', (e) => e.textContent), 'NESW'[session[0].hands[0]]);
    await close();
  });
});

describe('a faulty file says so where the director looks', () => {
  // A DGE record naming three spades twice in one hand: a warning, and
  // still a bridge deal, so the run goes on.
  const warned = ` ${'AKQJT98765432AKQ'} ${'.AKQJT98765432..'} ${'..AKQJT98765432.'} ${'...AKQJT98765432'}`.padEnd(128);
  const plain = ` ${'AKQJT98765432...'} ${'.AKQJT98765432..'} ${'..AKQJT98765432.'} ${'...AKQJT98765432'}`.padEnd(128);
  const cases = [
    [made('short.pbn', `[Board "1"]\n${GOOD}\n[Board "2"]\n${GOOD}\n[Board "3"]\n[Deal "N:AKQ.xx"]\n`),
      '-1', 'Reading stopped after board 2: \u201c3 cards!? error!\u201d The deal after board 2 has 3 cards in the file: '
        + 'the file is cut short or damaged.', '2'],
    [made('warned.dge', plain + warned + plain), '0', 'Read to the end: 3 boards.', '3',
      ['Between board 1 and board 2: \u201c55 cards!? error!\u201d']],
    [made('twice.pbn', `[Board "1"]\n${GOOD}\n[Board "2"]\n${GOOD.replace('T98', 'A98')}\n[Board "3"]\n${GOOD}\n`),
      '-1', 'Reading stopped after board 2: \u201cNot a proper bridge file??\u201d Board 2 gives a card no hand, or a hand '
        + 'not 13 cards: do not deal it from this file.', '2'],
    [made('empty.pbn', ''), '-1', 'No deal was read: \u201cno deals found.\u201d The file holds no deal: is it the right file?', null],
    [made('notes.txt', GOOD), '-1', 'No deal was read: \u201cnotes.txt\u201d \u201cFile type not supported\u201d', null],
    [SESSION, '0', 'Read to the end: 32 boards.', '32'],
  ];
  for (const [file, exit, status, lastBoard, warnings = []] of cases) {
    test(file.split('/').pop(), async () => {
      const { page, close } = await openPage(chromium.browser, SIZES.phone);
      await dealFile(page, file);
      assert.equal(await page.$eval('#status', (e) => e.dataset.exit), exit);
      assert.equal(await page.$eval('#status', (e) => e.textContent), status);
      assert.deepEqual(await page.$$eval('#warnings li', (all) => all.map((e) => e.textContent)), warnings);
      // In view beside the folded settings line when the run failed or warned.
      const visible = await page.$eval('#status', (e) => e.checkVisibility() && e.getBoundingClientRect().bottom <= innerHeight);
      assert.equal(visible, exit !== '0' || warnings.length > 0);
      if (lastBoard !== null) {
        await page.keyboard.press('End');
        assert.equal((await place(page)).board, lastBoard);
        assert.equal(await page.$eval('#last-read', (e) => !e.hidden), exit !== '0');
        await page.keyboard.press('Home');
        assert.equal(await page.$eval('#last-read', (e) => e.hidden), true);
      }
      if (file.endsWith('short.pbn')) await page.screenshot({ path: shotPath('faulty-phone.png') });
      await close();
    });
  }

  test('before any file: no status, no download; the example deals', async () => {
    const { page, close } = await openPage(chromium.browser);
    assert.equal(await page.$eval('#end', (e) => e.hidden), true);
    assert.equal(await page.$eval('#download-line', (e) => e.hidden), true);
    const runs = await page.evaluate(() => Number(document.body.dataset.runs ?? 0));
    await page.click('#example');
    await waitForRun(page, runs);
    assert.equal(await page.$eval('#console', (e) => e.textContent), runNative(SESSION, 'TRDL').stdout.toString());
    assert.equal(await page.$eval('#board-place', (e) => e.textContent), '(1 of 32)');
    await close();
  });
});

test('cues: the hand spoken at each step, tones, and the screen kept awake', async () => {
  const { page, errors, close } = await openPage(chromium.browser);
  await dealFile(page, SESSION);
  assert.deepEqual(await page.evaluate(() => window.wakeRequests), ['screen']);
  for (const key of [' ', ' ']) await page.keyboard.press(key);
  assert.deepEqual(await page.evaluate(() => window.spoken), []);
  await page.click('#setup');
  await page.click('#speak');
  await page.click('#tones');
  await page.click('#setup');
  for (const key of [' ', ' ', ' ', 'Backspace']) await page.keyboard.press(key);
  const { hands } = session[0];
  assert.deepEqual(await page.evaluate(() => window.spoken), [2, 3, 4, 3].map((card) => HANDS[hands[card]]));
  // The switches are remembered.
  await page.reload({ waitUntil: 'load' });
  await waitForRun(page, 0);
  assert.deepEqual(await page.$$eval('#speak, #tones', (all) => all.map((e) => e.checked)), [true, true]);
  assert.deepEqual(errors, []);
  await close();
});

describe('at each window size', () => {
  for (const [name, size] of Object.entries(SIZES)) {
    test(name, async (t) => {
      if (size.hasTouch) can(t, 'touchDevice');
      const { page, close } = await openPage(chromium.browser, size);
      assert.deepEqual(await axeViolations(page), [], 'before a file');
      await dealFile(page, SESSION);
      const boxes = () => page.$$eval('#board-number, #card-panel, #grid [data-card]', (all) => all.map((e) => {
        const r = e.getBoundingClientRect();
        return [r.left, r.top, r.right, r.bottom];
      }));
      const before = await boxes();
      await page.keyboard.press(' ');
      const shown = await boxes();
      assert.deepEqual(shown, before, 'nothing moves when the first card shows');
      const { width, height } = size;
      const outside = shown.filter(([left, top, right, bottom]) => left < 0 || top < 0 || right > width || bottom > height);
      assert.deepEqual(outside, []);
      assert.equal(await page.evaluate(() => window.scrollY), 0);
      // Every cell, count and the panel read at WCAG AA (4.5:1); axe checks it.
      assert.deepEqual(await axeViolations(page), [], 'with a card current');
      await page.screenshot({ path: shotPath(`dealing-${name}.png`) });
      await close();
    });
  }
});

test('the print holds every board', async (t) => {
  const { page, close } = await openPage(chromium.browser, { width: 794, height: 1123 });
  await dealFile(page, SESSION);
  if (can(t, 'printMedia')) await page.emulateMediaType('print');
  await page.evaluate(() => window.dispatchEvent(new Event('beforeprint')));
  assert.deepEqual(await page.$$eval('.print-board h3', (all) => all.map((e) => e.textContent)),
    session.map(({ number }) => `Board ${number}`));
  assert.equal(await page.$$eval('.print-board [data-card]', (all) => all.length), 52 * session.length);
  await page.pdf({ path: shotPath('print.pdf'), format: 'A4', printBackground: true });
  await close();
});

describe('in the browser\'s language', () => {
  // [the browser's languages, the page's, the king's index, the seats N E S W, a screenshot]
  const rows = [
    [['fr-CA', 'en'], 'fr', 'R', ['Nord', 'Est', 'Sud', 'Ouest'], 'dealing-fr-phone.png'],
    [['nl-BE'], 'nl', 'H', ['Noord', 'Oost', 'Zuid', 'West'], 'dealing-nl-phone.png'],
    [['sv-SE', 'nl'], 'sv', 'K', ['Nord', 'Öst', 'Syd', 'Väst'], null],
    [['de-AT'], 'de', 'K', ['Nord', 'Ost', 'Süd', 'West'], null],
    [['it'], 'it', 'R', ['Nord', 'Est', 'Sud', 'Ovest'], null],
    [['zh-CN'], 'zh', 'K', ['北家', '东家', '南家', '西家'], 'dealing-zh-phone.png'],
  ];
  for (const [languages, tag, rank, seats, shot] of rows) {
    test(`${languages.join(', ')}: the king of spades is ${rank}`, async () => {
      const { page, errors, close } = await openPage(chromium.browser, SIZES.phone);
      await inLanguages(page, languages);
      await dealFile(page, SESSION);
      await page.keyboard.press(' ');
      await page.keyboard.press(' ');
      const shown = await place(page);
      assert.equal(shown.card, '1');
      assert.equal(await page.$eval('#card-panel', (e) => e.dataset.rank), rank);
      assert.ok(shown.text.endsWith(seats[session[0].hands[1]]), shown.text);
      assert.equal(await page.$eval('#grid thead th:nth-child(3)', (e) => e.textContent), rank);
      assert.deepEqual(await page.$$eval('#seats [data-seat]', (all) => all.map((e) => e.textContent)),
        seats.map((seat) => seat[0]));
      assert.deepEqual(await page.evaluate(() => [document.documentElement.lang, document.querySelector('#language').value]),
        [tag, tag]);
      assert.deepEqual(await axeViolations(page), []);
      // The board's marks fit beside its number in every language.
      assert.deepEqual(await page.$$eval('.board-side > *', (all) => all.filter((e) => e.scrollWidth > e.clientWidth)
        .map((e) => e.textContent)), []);
      if (shot !== null) await page.screenshot({ path: shotPath(shot) });
      assert.deepEqual(errors, []);
      await close();
    });
  }

  // The hand letters a language gives, where the director set none: the
  // command line's with -d, byte for byte.
  for (const [languages, letters, panel] of [[['fr'], 'NESO', '\u26657 E Est'], [['en'], 'TRDL', '\u26657 R East']]) {
    test(`${languages[0]}: the hands lettered ${letters}`, async () => {
      const { page, close } = await openPage(chromium.browser, SIZES.phone);
      await inLanguages(page, languages);
      await dealFile(page, SESSION, null);
      assert.equal(await page.$eval('#symbols', (e) => e.value), letters);
      const native = runNative(SESSION, letters);
      assert.deepEqual(await downloadBytes(page), native.output);
      // The seven of hearts, East's in board 1: in French no "R", which is the roi.
      await page.click('#grid [data-card="20"]');
      assert.equal((await place(page)).text, panel);
      await close();
    });
  }
});
