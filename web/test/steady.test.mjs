// A steady page in a director's hands: nothing moves or overflows while
// cards and boards change, the phone needs no scrolling, a zoomed page keeps
// the card in view, the dark scheme reads, and the keys a director reaches
// for do what they say.
import assert from 'node:assert/strict';
import { after, before, describe, test } from 'node:test';
import {
  SIZES, axeViolations, can, dealFile, drawn, examplePath, launch, nativeHands, openPage, place, shotPath,
} from './browser.mjs';

const SESSION = examplePath('club-session.pbn');
const session = nativeHands(SESSION);

let chromium;
before(async () => { chromium = await launch(); });
after(() => chromium.close());

// Where the things a director's eye and thumb go to are, and whether any
// text overflows its box.
const layout = (page) => page.evaluate(() => {
  const box = (e) => { const r = e.getBoundingClientRect(); return [r.left, r.top, r.width, r.height].map(Math.round).join(','); };
  const overflowing = [...document.querySelectorAll('#card-panel, #card-panel *, .board-nav *, .check-row *')]
    .filter((e) => e.checkVisibility() && (e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)
      && getComputedStyle(e).overflow !== 'visible')
    .map((e) => `${e.id || e.className}: ${e.textContent}`);
  return {
    boxes: ['#prev', '#next', '#card-panel', '#panel-symbol', '#grid', '#board-number'].map((s) => box(document.querySelector(s))),
    overflowing,
    scrolls: document.documentElement.scrollHeight > innerHeight || document.documentElement.scrollWidth > innerWidth,
  };
});

describe('nothing moves over 52 steps and 5 boards, nothing overflows', () => {
  for (const [name, size] of Object.entries(SIZES)) {
    test(name, async () => {
      const { page, close } = await openPage(chromium.browser, size);
      await dealFile(page, SESSION);
      // Three copies, so that "Board 9, copy 3 done" must fit too.
      await page.evaluate(() => {
        const copies = document.getElementById('copies');
        copies.value = '3';
        copies.dispatchEvent(new Event('change'));
      });
      await page.keyboard.press(' ');
      const first = await layout(page);
      assert.equal(first.scrolls, false, 'the page scrolls');
      const moved = [];
      const overflowing = new Set();
      for (let board = 0; board < 5; ++board) {
        for (let card = 0; card < 53; ++card) {
          const now = await layout(page);
          // A box with nothing in it (the symbol while no card shows) is not compared.
          const shifted = now.boxes.filter((box, i) => !/,0$|,0,/.test(box + first.boxes[i]) && box !== first.boxes[i]);
          if (shifted.length > 0) moved.push(`${board}/${card}: ${shifted.join(' ')}`);
          now.overflowing.forEach((text) => overflowing.add(text));
          await page.keyboard.press(' ');
        }
        if (board === 0) await page.screenshot({ path: shotPath(`steady-${name}.png`) });
        for (let k = 0; k < 8; ++k) await page.keyboard.press('n');
      }
      assert.deepEqual(moved.slice(0, 3), [], `first: ${first.boxes.join(' ')}`);
      assert.deepEqual([...overflowing], []);
      await close();
    });
  }
});

test('the phone after 30 steps: the whole view on the screen', async () => {
  const { page, close } = await openPage(chromium.browser, SIZES.phone);
  await dealFile(page, SESSION);
  for (let i = 0; i < 30; ++i) await page.keyboard.press(' ');
  const { scrolls } = await layout(page);
  assert.equal(scrolls, false);
  assert.equal(await page.$eval('.keys-help', (e) => e.getBoundingClientRect().bottom <= innerHeight), true);
  await page.screenshot({ path: shotPath('phone-30-steps.png') });
  await close();
});

describe('zoomed to 200%: the panel and the current card both in view', () => {
  // A laptop's and a tablet's window at 200%: half the CSS pixels each way.
  for (const [name, size] of [['laptop', { width: 683, height: 320 }], ['tablet', { width: 512, height: 347 }]]) {
    test(name, async () => {
      const { page, close } = await openPage(chromium.browser, size);
      await dealFile(page, SESSION);
      const hidden = [];
      for (let card = 0; card < 52; ++card) {
        await page.keyboard.press(' ');
        const inView = await page.evaluate(() => ['#card-panel', '#grid .at'].map((s) => {
          const r = document.querySelector(s).getBoundingClientRect();
          return r.top >= -1 && r.bottom <= innerHeight + 1 && r.left >= -1 && r.right <= innerWidth + 1;
        }));
        if (!inView.every(Boolean)) hidden.push(`${card}: ${inView}`);
      }
      assert.deepEqual(hidden, []);
      await close();
    });
  }
});

test('the dark scheme: hands apart, every text readable', async (t) => {
  if (!can(t, 'colorScheme')) return;
  const { page, close } = await openPage(chromium.browser, SIZES.tablet);
  await page.emulateMediaFeatures([{ name: 'prefers-color-scheme', value: 'dark' }]);
  assert.deepEqual(await axeViolations(page), [], 'before a file');
  await dealFile(page, SESSION);
  await page.keyboard.press(' ');
  assert.equal(await page.evaluate(() => getComputedStyle(document.documentElement).backgroundColor), 'rgb(22, 22, 22)');
  assert.deepEqual(await axeViolations(page), []);
  await page.screenshot({ path: shotPath('dark-tablet.png') });
  await close();
});

test('a first visit shows how to sort the pack, and goes once a file is read', async () => {
  const { page, close } = await openPage(chromium.browser, SIZES.phone);
  assert.equal(await page.$eval('#first-visit', (e) => e.checkVisibility()), true);
  assert.match(await page.$eval('#first-visit figcaption', (e) => e.textContent),
    /spades, hearts, diamonds, clubs.*ace of spades on top.*T, R, D and L stand for North, East, South and West/);
  await page.screenshot({ path: shotPath('first-visit-phone.png') });
  await dealFile(page, SESSION);
  await page.click('#setup');
  assert.equal(await page.$eval('#first-visit', (e) => e.checkVisibility()), false);
  await close();
});

test('keys: Escape folds the settings, digits and Enter go to a board, each card said once as one phrase', async () => {
  const { page, close } = await openPage(chromium.browser);
  await dealFile(page, SESSION);
  await page.click('#setup');
  assert.equal(await page.$eval('#setup-panel', (e) => e.hidden), false);
  await page.keyboard.press('Escape');
  assert.equal(await page.$eval('#setup-panel', (e) => e.hidden), true);

  const boards = [];
  for (const keys of ['12', '7', '99', '3']) {
    for (const key of keys) await page.keyboard.press(key);
    boards.push(await page.$eval('#note', (e) => e.textContent));
    await page.keyboard.press('Enter');
    boards.push((await place(page)).board, await page.$eval('#note', (e) => (e.hidden ? '' : e.textContent)));
  }
  assert.deepEqual(boards, ['Board 12 \u21b5', '12', '', 'Board 7 \u21b5', '7', '', 'Board 99 \u21b5', '7',
    'No board 99 in this session.', 'Board 3 \u21b5', '3', '']);

  const said = [];
  for (let i = 0; i < 3; ++i) {
    await page.keyboard.press(' ');
    said.push(await page.$eval('#announce', (e) => e.textContent));
  }
  const { hands } = session[2];
  assert.deepEqual(said.slice(1), [`king of spades: ${['North', 'East', 'South', 'West'][hands[1]]}`,
    `queen of spades: ${['North', 'East', 'South', 'West'][hands[2]]}`]);
  assert.equal(await page.$eval('#announce', (e) => e.getAttribute('aria-live')), 'polite');
  await close();
});

test('Copies above what is dealt says so', async () => {
  const { page, close } = await openPage(chromium.browser);
  await dealFile(page, SESSION);
  await page.evaluate(() => {
    const copies = document.getElementById('copies');
    copies.value = '15';
    copies.dispatchEvent(new Event('change'));
  });
  await drawn(page);
  assert.deepEqual(await page.evaluate(() => [document.getElementById('copies').value,
    document.getElementById('copy').dataset.copies, document.getElementById('range-note').textContent]),
  ['9', '9', 'At most 9 copies: dealing 9.']);
  await close();
});
