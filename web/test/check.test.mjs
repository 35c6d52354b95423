// The board check at the table: what the director counts in each pocket,
// the exact cards of a pocket, the record of the session, runs of one hand
// and the cards on top of the pockets.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import {
  SIZES, axeViolations, can, dealFile, drawn, examplePath, launch, nativeHands, openPage, place, shotPath, waitForRun,
} from './browser.mjs';

const SESSION = examplePath('club-session.pbn');
const session = nativeHands(SESSION);
// Cards and points of each seat, N E S W.
const summary = (hands) => [0, 1, 2, 3].map((seat) => hands.reduce(([count, hcp], hand, card) => (hand === seat
  ? [count + 1, hcp + Math.max(0, 4 - (card % 13))] : [count, hcp]), [0, 0]));
const cardsOf = (hands, seat) => hands.map((hand, card) => (hand === seat ? card : -1)).filter((card) => card >= 0);

let chromium;
before(async () => { chromium = await launch(); });
after(() => chromium.close());

// Board 1's pockets: N 6, E 11, S 14, W 9 points; South holds the king of spades.
const board1 = summary(session[0].hands);
const turned = [3, 0, 1, 2].map((seat) => board1[seat]);
const kingMoved = board1.map(([count, hcp], seat) => (seat === 1 ? [14, hcp + 3] : seat === 2 ? [12, hcp - 3] : [count, hcp]));

// entries: per seat N E S W, [cards, points] or [cards, points, spades, hearts, diamonds, clubs].
async function enter(page, entries) {
  await page.evaluate((values) => {
    const names = ['count', 'hcp', 'spades', 'hearts', 'diamonds', 'clubs'];
    values.forEach((seat, i) => seat.forEach((value, j) => {
      const field = document.querySelector(`#check-panel [data-seat="${'NESW'[i]}"] input[name="${names[j]}"]`);
      field.value = value === null ? '' : String(value);
      field.dispatchEvent(new Event('input'));
    }));
  }, entries);
  // Enter in the last field shown checks.
  await page.focus(`#check-panel [data-seat="W"] input[name="${entries[3].length > 2 ? 'clubs' : 'hcp'}"]`);
  await page.keyboard.press('Enter');
  return page.$eval('#check-result', (e) => [e.dataset.verdict, e.textContent]);
}

describe('the blind check says what is wrong', () => {
  const cases = [
    // Counts that agree are never called right.
    ['the counts agree', board1, ['agree', 'The cards and points agree. To be sure, tap the exact cards of three pockets.']],
    ['a king in the wrong pocket', kingMoved,
      ['fault', 'East has 14 cards and 3 points too many, South 12 and 3 too few: one of South\'s kings is in East\'s pocket. '
        + 'Tap East\'s cards first.']],
    ['turned', turned, ['fault', 'The board is turned: North\'s hand is in the East pocket. Move each hand one pocket anticlockwise.']],
    ['North\'s and South\'s hands exchanged', [board1[2], board1[1], board1[0], board1[3]],
      ['fault', 'North\'s and South\'s hands are exchanged: exchange the two pockets.']],
    ['another board\'s hands', summary(session[1].hands), ['fault', 'These are the hands of Board 2: deal this board again.']],
    ['39 points in all', [board1[0], board1[1], [13, board1[2][1] - 1], board1[3]],
      ['', `39 points in all, not 40: count South again.`]],
    ['a field left blank', [...board1.slice(0, 3), [13, null]], ['', 'Fill in West as the other pockets.']],
  ];
  for (const [name, entries, expected] of cases) {
    test(name, async () => {
      const { page, errors, close } = await openPage(chromium.browser);
      await dealFile(page, SESSION);
      await page.keyboard.press('c');
      assert.equal(await page.$eval('#check-panel', (e) => e.checkVisibility()), true);
      // Nothing of the hands shows while the director counts.
      assert.deepEqual(await page.$$eval('#grid, #hands, #board-line, #counts', (all) => all.map((e) => e.checkVisibility())),
        [false, false, false, false]);
      assert.deepEqual(await enter(page, entries), expected);
      assert.equal(await page.$eval('#check-state', (e) => e.dataset.state), expected[0] || 'unchecked');
      await page.keyboard.press('Escape');
      assert.equal(await page.$eval('#check-panel', (e) => e.hidden), true);
      assert.equal(await page.$eval('#grid', (e) => e.checkVisibility()), true);
      assert.deepEqual(errors, []);
      await close();
    });
  }
});

test('the exact cards of two pockets say which cards to move', async () => {
  const { page, close } = await openPage(chromium.browser, SIZES.phone);
  await dealFile(page, SESSION);
  const { hands } = session[0];
  // The king of spades (1, South's) and the ace (0, West's) changed pockets.
  const found = { 2: [...cardsOf(hands, 2).filter((card) => card !== 1), 0], 3: [...cardsOf(hands, 3).filter((card) => card !== 0), 1] };
  await page.keyboard.press('c');
  await page.click('#check-exact');
  const results = [];
  for (const seat of [2, 3]) {
    await page.select('#check-seat', String(seat));
    for (const card of found[seat]) await page.click(`#check-grid [data-card="${card}"]`);
    await page.click('#check-verify');
    results.push(await page.$eval('#check-result', (e) => [e.dataset.verdict, e.textContent]));
  }
  assert.deepEqual(results, [['fault', 'South: \u2660K missing; \u2660A too many. Move \u2660A from South to West. Next, tap West\'s cards.'],
    ['fault', 'South: \u2660K missing; \u2660A too many. West: \u2660A missing; \u2660K too many. '
      + 'Move \u2660A from South to West; move \u2660K from West to South.']]);
  // The blind grid shows cards only: no hands, no symbols.
  assert.deepEqual(await page.$$eval('#check-grid [data-card]', (all) => [all.length, all[0].textContent,
    all[0].getAttribute('aria-label'), all.some((e) => e.hasAttribute('data-hand'))]), [52, 'A', 'ace of spades', false]);
  await page.screenshot({ path: shotPath('check-exact-phone.png') });
  await close();
});

// Board 11: East and West both 9 points, their suits 1453 and 5413.
test('hands exchanged with equal points: agree by counts, named by suit lengths, one action by cards, right by three pockets', async () => {
  const { page, close } = await openPage(chromium.browser, SIZES.phone);
  await dealFile(page, SESSION);
  await page.keyboard.press('End');
  for (let i = 0; i < 21; ++i) await page.keyboard.press('p');
  const { hands } = session[10];
  const suits = (seat) => [0, 1, 2, 3].map((suit) => cardsOf(hands, seat).filter((card) => Math.floor(card / 13) === suit).length);
  const board = summary(hands);
  assert.equal(board[1][1], board[3][1]);
  await page.keyboard.press('c');
  const exchanged = [board[0], board[3], board[2], board[1]];
  assert.deepEqual(await enter(page, exchanged), ['agree', 'The cards and points agree. East\'s and West\'s hands count alike: '
    + 'an exchange would not show. To be sure, tap the exact cards of three pockets.']);
  await page.click('#check-suits');
  const withSuits = [0, 3, 2, 1].map((seat) => [...board[seat], ...suits(seat)]);
  assert.deepEqual(await enter(page, withSuits), ['fault', 'East\'s and West\'s hands are exchanged: exchange the two pockets.']);
  assert.equal(await page.$eval('#check-result', (e) => e.dataset.kind), 'swapped');
  await page.click('#check-exact');
  const tap = async (seat, cards) => {
    await page.select('#check-seat', String(seat));
    for (const card of cards) await page.click(`#check-grid [data-card="${card}"]`);
    await page.click('#check-verify');
    return page.$eval('#check-result', (e) => [e.dataset.verdict, e.textContent]);
  };
  await tap(1, cardsOf(hands, 3));
  assert.deepEqual(await tap(3, cardsOf(hands, 1)), ['fault', 'East\'s pocket holds West\'s hand. West\'s pocket holds East\'s hand. '
    + 'Exchange East\'s and West\'s pockets.']);
  await page.screenshot({ path: shotPath('check-swap-phone.png') });
  // The pockets put right and tapped again: three of them prove the board.
  await tap(1, [...cardsOf(hands, 3), ...cardsOf(hands, 1)]);
  await tap(3, [...cardsOf(hands, 1), ...cardsOf(hands, 3)]);
  assert.deepEqual(await tap(0, cardsOf(hands, 0)), ['ok', 'Board 11 is right: three pockets hold their own cards, the fourth the rest.']);
  assert.equal(await page.$eval('#check-state', (e) => e.dataset.state), 'ok');
  // The fields come back as typed.
  await page.keyboard.press('Escape');
  await page.keyboard.press('c');
  assert.equal(await page.$eval('#check-panel [data-seat="E"] input[name="hcp"]', (e) => e.value), String(board[3][1]));
  await close();
});

test('the record of the session: kept on the device, summed up, the boards not checked named at the end', async () => {
  const { page, close } = await openPage(chromium.browser);
  await dealFile(page, SESSION);
  await page.evaluate(() => {
    const fields = ['from', 'to'].map((id) => document.getElementById(id));
    fields[0].value = '1';
    fields[1].value = '3';
    fields.forEach((field) => field.dispatchEvent(new Event('change')));
  });
  await page.keyboard.press('c');
  await enter(page, board1);
  await page.keyboard.press('Escape');
  await page.keyboard.press('n');
  await page.keyboard.press('c');
  await enter(page, summary(session[0].hands));
  await page.reload({ waitUntil: 'load' });
  await waitForRun(page, 0);
  const record = () => page.evaluate(() => {
    const e = document.querySelector('#summary');
    return [document.querySelector('#check-state').dataset.state, e.dataset.ok, e.dataset.fault, e.dataset.unchecked, e.textContent];
  });
  assert.deepEqual(await record(), ['fault', '0', '1', '1', '3 boards: 0 right, 1 agree by count, 1 faulty, 1 not checked']);
  assert.equal(await page.$eval('#summary', (e) => e.dataset.agree), '1');
  await page.keyboard.press('End');
  await page.keyboard.press('Enter');
  for (let i = 0; i < 52; ++i) await page.keyboard.press('ArrowRight');
  assert.equal(await page.$eval('#summary', (e) => e.textContent),
    '3 boards: 0 right, 1 agree by count, 1 faulty, 1 not checked. Faulty: Board 2. Not checked: Board 3.');
  // Dealt again from the check: the board's record is gone, its first card current.
  await page.keyboard.press('p');
  await page.keyboard.press('c');
  await page.click('#redeal');
  assert.deepEqual([(await place(page)).card, await page.$eval('#summary', (e) => e.dataset.unchecked)], ['0', '2']);
  await close();
});

test('runs: cards in a row to one hand are one step', async () => {
  const { page, close } = await openPage(chromium.browser);
  await dealFile(page, SESSION);
  await page.click('#setup');
  await page.click('#runs');
  await page.click('#speak');
  await page.click('#setup');
  const { hands } = session[0];
  const steps = [];
  for (let shown = await place(page); !shown.text.includes('done'); shown = await place(page)) {
    await page.keyboard.press(' ');
    shown = await place(page);
    if (shown.card !== '') steps.push([Number(shown.card), Number(shown.run), shown.text]);
  }
  // Every card once, in order, each run one hand's.
  assert.deepEqual(steps.flatMap(([card, run]) => Array.from({ length: run }, (_, i) => card + i)), [...Array(52).keys()]);
  for (const [card, run] of steps) assert.ok(hands.slice(card, card + run).every((hand) => hand === hands[card]));
  const long = steps.find(([, run]) => run === 3);
  assert.ok(long[2].endsWith(`${['North', 'East', 'South', 'West'][hands[long[0]]]} \u00d73: ${long[2].split(': ')[1]}`), long[2]);
  assert.ok((await page.evaluate(() => window.spoken)).includes(`${['North', 'East', 'South', 'West'][hands[long[0]]]}, three`));
  // Back goes back a run.
  await page.keyboard.press('Backspace');
  assert.equal((await place(page)).card, String(steps.at(-1)[0]));
  await page.keyboard.press('Backspace');
  assert.equal((await place(page)).card, String(steps.at(-2)[0]));
  await close();
});

test('the cards on top of the pockets: at every step, after a reload, at a board\'s end and on T', async (t) => {
  const { page, close } = await openPage(chromium.browser, SIZES.phone);
  await dealFile(page, SESSION);
  const tops = () => page.$$eval('#pocket-tops [data-seat]', (all) => [all[0].closest('#pocket-tops').checkVisibility(),
    ...all.map((e) => e.dataset.card)]);
  assert.deepEqual(await tops(), [false, '', '', '', '']);
  for (let i = 0; i < 6; ++i) await page.keyboard.press(' ');
  const { hands } = session[0];
  const expected = [0, 1, 2, 3].map((seat) => String(Math.max(-1, ...cardsOf(hands, seat).filter((card) => card < 5))).replace('-1', ''));
  assert.deepEqual(await tops(), [false, ...expected]);
  await page.keyboard.press('t');
  assert.deepEqual(await tops(), [true, ...expected]);
  // Each top says its seat; on a phone the button shows and hides them.
  assert.deepEqual(await page.$$eval('#pocket-tops .top-seat', (all) => all.map((e) => e.textContent)), ['N', 'E', 'S', 'W']);
  if (can(t, 'touchDevice')) {
    await page.tap('#tops');
    assert.equal((await tops())[0], false);
    await page.tap('#tops');
    assert.equal((await tops())[0], true);
  }
  await page.keyboard.press('t');
  await page.reload({ waitUntil: 'load' });
  await waitForRun(page, 0);
  await drawn(page);
  assert.deepEqual(await tops(), [true, ...expected]);
  await page.screenshot({ path: shotPath('pocket-tops-phone.png') });
  await page.keyboard.press(' ');
  assert.equal((await tops())[0], false);
  await close();
});

describe('the check panel at each window size', () => {
  for (const [name, size] of Object.entries(SIZES)) {
    test(name, async () => {
      const { page, close } = await openPage(chromium.browser, size);
      await dealFile(page, SESSION);
      await page.keyboard.press('c');
      await enter(page, kingMoved);
      const box = await page.$eval('#check-panel', (e) => {
        const r = e.getBoundingClientRect();
        return [r.left >= 0, r.right <= innerWidth, e.scrollWidth <= e.clientWidth];
      });
      assert.deepEqual(box, [true, true, true]);
      assert.deepEqual(await axeViolations(page), []);
      await page.screenshot({ path: shotPath(`check-${name}.png`), fullPage: true });
      // The exact grid: 13 ranks to a row, targets a finger finds, and nothing
      // moves when a long result comes.
      await page.click('#check-exact');
      const grid = () => page.$eval('#check-grid', (e) => {
        const { left, top, width } = e.getBoundingClientRect();
        const card = e.querySelector('[data-card]').getBoundingClientRect();
        return [left, top, width, Math.floor(card.width), Math.floor(card.height)];
      });
      const before = await grid();
      for (const card of [0, 13, 26, 39, 40, 41]) await page.click(`#check-grid [data-card="${card}"]`);
      await page.click('#check-verify');
      assert.ok((await page.$eval('#check-result', (e) => e.textContent)).length > 60);
      assert.deepEqual(await grid(), before);
      const [least, most] = name === 'phone' ? [26, 40] : [40, 40];
      assert.ok(before[3] >= least && before[4] >= most, `${before[3]}x${before[4]}`);
      await page.screenshot({ path: shotPath(`check-exact-${name}.png`) });
      await close();
    });
  }
});
