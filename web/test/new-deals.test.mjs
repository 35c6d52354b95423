// New deals made on the spot, and deals dealt here before.
import assert from 'node:assert/strict';
import { mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import {
  SIZES, boardsOf, dealFile, examplePath, launch, openPage, place, runNative, shotPath, waitForRun,
} from './browser.mjs';

let browser;
before(async () => { browser = await launch(); });
after(() => browser.close());

const runs = (page) => page.evaluate(() => Number(document.body.dataset.runs ?? 0));

test('a set of 24 new deals, dealt like any file, with its fingerprint; the next set another', async () => {
  const { page, errors, close } = await openPage(browser.browser, SIZES.phone);
  const prints = [];
  for (const round of [0, 1]) {
    if (round === 1) await page.click('#setup');
    await page.click('#new-deals');
    if (round === 0) assert.equal(await page.$eval('#new-boards', (e) => e.value), '32');
    assert.match(await page.$eval('#new-date', (e) => e.value), /^\d{4}-\d\d-\d\d$/);
    if (round === 0) await page.screenshot({ path: shotPath('new-deals-phone.png') });
    await page.$eval('#new-boards', (e) => { e.value = '24'; });
    await page.$eval('#new-event', (e) => { e.value = 'Tuesday pairs'; });
    const before = await runs(page);
    await page.click('#make-deals');
    await waitForRun(page, before);
    await page.waitForFunction(() => /^[0-9a-f]{12}$/.test(document.querySelector('#fingerprint').textContent));
    prints.push(await page.$eval('#fingerprint', (e) => e.textContent));
    assert.equal(await page.$eval('#board-place', (e) => e.textContent), '(1 of 24)');
    assert.match(await page.$eval('#file-name', (e) => e.textContent), /^Tuesday pairs \d{4}-\d\d-\d\d\.pbn$/);
    assert.equal(await page.$eval('#status', (e) => e.dataset.exit), '0');
  }
  assert.notEqual(prints[0], prints[1]);
  await page.keyboard.press(' ');
  assert.equal((await place(page)).card, '0');
  await page.screenshot({ path: shotPath('new-deals-board-phone.png') });

  // Saved for the scorer and read by the command line: a direction line for
  // every board, the page's own; and the board passes its own check.
  await page.evaluate(() => {
    HTMLAnchorElement.prototype.click = function click() { window.saved = this.href; };
  });
  await page.click('#setup');
  await page.click('#export-pbn');
  await page.waitForFunction(() => window.saved !== undefined);
  const text = await page.evaluate(async () => (await fetch(window.saved)).text());
  assert.ok(text.includes(`% Fingerprint ${prints[1]}`));
  const dir = mkdtempSync(join(tmpdir(), 'pipsweep-set-'));
  writeFileSync(join(dir, 'set.pbn'), text);
  const lines = boardsOf(runNative(join(dir, 'set.pbn'), 'TRDL').output);
  rmSync(dir, { recursive: true, force: true });
  assert.equal(lines.length, 24);
  assert.equal(lines[0].line, (await page.$eval('#board-line', (e) => e.textContent)).split('\n').at(-1));
  await page.click('#setup');
  await page.keyboard.press('c');
  const counts = await page.$$eval('#hands .hand', (all) => all.map((e) => [e.dataset.count, e.dataset.hcp]));
  await page.evaluate((values) => values.forEach(([count, hcp], seat) => {
    for (const [name, value] of [['count', count], ['hcp', hcp]]) {
      const field = document.querySelector(`#check-panel [data-seat="${'NESW'[seat]}"] input[name="${name}"]`);
      field.value = value;
      field.dispatchEvent(new Event('input'));
    }
  }), counts);
  await page.click('#check-verify');
  assert.equal(await page.$eval('#check-result', (e) => e.dataset.verdict), 'agree');
  assert.deepEqual(errors, []);
  await close();
});

test('a file whose boards were all dealt here is asked about, with the day, when opened again', async () => {
  const { page, close } = await openPage(browser.browser, SIZES.tablet);
  const file = examplePath('club-session.pbn');
  await dealFile(page, file);
  await page.waitForFunction(() => /^[0-9a-f]{12}$/.test(document.querySelector('#fingerprint').textContent));
  await page.click('#setup');
  await page.$eval('#to', (e) => { e.value = '1'; e.dispatchEvent(new Event('change')); });
  await page.click('#setup');
  for (let i = 0; i < 53; ++i) await page.keyboard.press(' ');
  assert.equal(await page.$eval('#dealt-before', (e) => e.hidden), true);
  // The same file chosen again: the input must see a change.
  await page.$eval('#deal-file', (e) => { e.value = ''; });
  await dealFile(page, file);
  await page.waitForFunction(() => !document.querySelector('#dealt-before').hidden);
  const day = new Intl.DateTimeFormat('en-GB', { dateStyle: 'long' }).format(new Date());
  assert.equal(await page.$eval('#dealt-before-text', (e) => e.textContent),
    `These boards were all dealt on this device on ${day}. Deal them again?`);
  await page.screenshot({ path: shotPath('dealt-before-tablet.png') });
  // Nothing is dealt until the director answers.
  const card = (await place(page)).card;
  await page.keyboard.press(' ');
  assert.equal((await place(page)).card, card);
  await page.click('#dealt-again');
  assert.equal(await page.$eval('#dealt-before', (e) => e.hidden), true);
  await page.keyboard.press('Home');
  await close();
});
