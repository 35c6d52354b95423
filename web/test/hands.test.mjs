// Hand records: every board of the example analysed double dummy in the
// page, equal to the native solver's; the PBN file for the scorer agrees.
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { resolve } from 'node:path';
import { after, before, test } from 'node:test';
import {
  SIZES, axeViolations, dealFile, examplePath, inLanguages, launch, nativeHands, openPage, shotPath,
} from './browser.mjs';

const SESSION = examplePath('club-session.pbn');
const session = nativeHands(SESSION);
const reference = resolve(process.env.PIPSWEEP_DDS_REFERENCE ?? resolve(import.meta.dirname, '../../build/pipsweep_dds_reference'));
const STRAINS = ['NT', 'S', 'H', 'D', 'C'];

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

// The table and par shown: tricks as hex, declarers N E S W, strains NT S H D C.
const shown = (page) => page.evaluate((strains) => ({
  tricks: ['N', 'E', 'S', 'W'].map((declarer) => strains.map((strain) => Number(document.querySelector(
    `#dd-table td[data-declarer="${declarer}"][data-strain="${strain}"]`).textContent).toString(16)).join('')).join(''),
  ns: document.querySelector('#par').dataset.ns,
  dealer: 'NESW'.indexOf(document.querySelector('#dealer').dataset.seat),
  vulnerability: ['None', 'NS', 'EW', 'All'].indexOf(document.querySelector('#vulnerability').dataset.vul),
}), STRAINS);

test('every board of the example: the table and par the native solver gives, and the same in the PBN file', async () => {
  const { page, errors, close } = await openPage(browser.browser);
  await page.evaluate(() => {
    // The download the page starts, caught instead of saved.
    HTMLAnchorElement.prototype.click = function click() { window.saved = { name: this.download, href: this.href }; };
  });
  await dealFile(page, SESSION);
  await page.keyboard.press('h');
  await page.waitForFunction(() => document.querySelector('#analysis').dataset.done === '32', { timeout: 120000 });
  assert.equal(await page.$eval('#analysis', (e) => e.dataset.total), '32');
  const boards = [];
  for (const _ of session) {
    boards.push(await shown(page));
    await page.keyboard.press('n');
  }
  const input = session.map(({ hands }, i) => `${hands.join('')} ${boards[i].dealer} ${boards[i].vulnerability}\n`).join('');
  const lines = spawnSync(reference, { input, encoding: 'utf8' }).stdout.trim().split('\n');
  assert.deepEqual(boards.map(({ tricks, ns }) => `${tricks} ${ns}`), lines.map((line) => line.split(' ').slice(0, 2).join(' ')));

  await page.click('#setup');
  await page.click('#export-pbn');
  await page.waitForFunction(() => window.saved !== undefined);
  const saved = await page.evaluate(async () => ({ name: window.saved.name, text: await (await fetch(window.saved.href)).text() }));
  assert.equal(saved.name, 'club-session hand records.pbn');
  const tags = (name) => [...saved.text.matchAll(new RegExp(`\\[${name} "([^"]*)"\\]`, 'g'))].map((m) => m[1]);
  // DoubleDummyTricks lists the declarers N, S, E, W.
  assert.deepEqual(tags('DoubleDummyTricks'), boards.map(({ tricks }) => [0, 2, 1, 3].map((d) => tricks.slice(d * 5, d * 5 + 5)).join('')));
  assert.deepEqual(tags('OptimumScore'), boards.map(({ ns }) => (Number(ns) < 0 ? `EW ${-ns}` : `NS ${ns}`)));
  assert.deepEqual(tags('Board'), session.map(({ number }) => number));
  assert.deepEqual(errors, []);
  await close();
});

test('the hand view with its table at each size, and in French', async () => {
  for (const [name, size] of Object.entries(SIZES)) {
    const { page, close } = await openPage(browser.browser, size);
    await dealFile(page, SESSION);
    await page.keyboard.press('h');
    await page.waitForFunction(() => document.querySelector('#dd-table td') !== null, { timeout: 60000 });
    // Nothing of the diagram leaves the window's width.
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), true);
    assert.deepEqual(await axeViolations(page), []);
    await page.screenshot({ path: shotPath(`hands-${name}.png`) });
    await close();
  }
  const { page, close } = await openPage(browser.browser, SIZES.phone);
  await inLanguages(page, ['fr']);
  await dealFile(page, SESSION);
  await page.keyboard.press('h');
  await page.waitForFunction(() => document.querySelector('#dd-table td') !== null, { timeout: 60000 });
  assert.equal(await page.$eval('#dd-table th[data-strain="NT"]', (e) => e.textContent), 'SA');
  await page.screenshot({ path: shotPath('hands-fr-phone.png') });
  await close();
});
