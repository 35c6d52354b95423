// What the browser build's core tells the page besides the console: each
// deal with its board, dealer and vulnerability (onDeal), and each
// diagnostic as printed (onDiagnostic), in the order they happen.
//   PIPSWEEP_CORE=build-web/core/pipsweep.js node --test tests/core_news.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';

const corePath = process.env.PIPSWEEP_CORE ?? 'build-web/core/pipsweep.js';

// The core is built for a page and its worker; Node passes for a worker.
globalThis.importScripts = () => {};
globalThis.self = globalThis;
globalThis.location = { href: 'file:///' };
const createPipsweep = new Function(`${readFileSync(corePath, 'utf8')}\nreturn createPipsweep;`)();

async function news(name, bytes, options = []) {
  const events = [];
  const module = await createPipsweep({
    thisProgram: 'pipsweep',
    preRun: [(m) => {
      m.FS.init(() => null, () => {}, () => {});
      m.FS.writeFile(`/${name}`, bytes);
    }],
    onDeal: (board, hands, dealer, vulnerability) => {
      assert.equal(hands.length, 52);
      events.push(`deal ${board} dealer ${dealer} vulnerable ${vulnerability}`);
    },
    onDiagnostic: (text) => events.push(text),
    onExit: (status) => events.push(`exit ${status}`),
    print: () => {},
    printErr: () => {},
  });
  try {
    module.callMain([...options, name]);
  } catch (e) {
    if (e?.name !== 'ExitStatus') throw e;
  }
  return events;
}

const deal = '[Deal "S:J9852.2.K983.AK7 KT.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943"]\n';
const badDeal = deal.replace('Q5 ', 'Q7 ');
const tags = (...lines) => lines.map((l) => `[${l}]\n`).join('');
// 55 cards in one 128-byte record, and still a bridge deal: North's spades
// name three cards twice.
const dge = ` ${'AKQJT98765432AKQ'} ${'.AKQJT98765432..'} ${'..AKQJT98765432.'} ${'...AKQJT98765432'}`.padEnd(128);

const cases = [
  ['marks a PBN deal gives, and none where its tags give none', 'set.pbn',
    tags('Dealer "E"', 'Vulnerable "Both"') + deal + deal + tags('Vulnerable "Love"') + deal +
      tags('Vulnerable "-"', 'Dealer "W"') + deal + tags('Dealer "x"', 'Vulnerable "EW"') + deal +
      tags('Vulnerable "NS"', 'Vulnerable "None"') + deal,
    ['deal 14 dealer 1 vulnerable 3', 'deal 14 dealer -1 vulnerable -1', 'deal 14 dealer -1 vulnerable 0',
      'deal 8 dealer 3 vulnerable 0', 'deal 16 dealer -1 vulnerable 2', 'deal 8 dealer -1 vulnerable 0',
      'exit 0']],
  ['a warning in a run that goes on comes before its deal', 'set.dge', dge + dge,
    ['55 cards!? error!', 'deal 1 dealer -1 vulnerable -1', '55 cards!? error!',
      'deal 2 dealer -1 vulnerable -1', 'exit 0']],
  ['the warning about a deal comes after it', 'set.pbn', deal + badDeal + deal,
    ['deal 1 dealer -1 vulnerable -1', 'deal 1 dealer -1 vulnerable -1', 'Not a proper bridge file??\n',
      'exit -1']],
  ['a reader that stops, then the driver', 'set.dlm', 'Note=1\n',
    ['String [Document] not found!\n', 'no deals found.\n', 'exit -1']],
  ['a note ("last board = 1") stays on the console', 'set.dlm',
    '[Document]\nTo board=1\nBoard 1=hgoigfidhdmmocdgingoleeine\n', ['deal 1 dealer -1 vulnerable -1', 'exit 0']],
  ['the driver refuses the file', 'set.txt', '', ['set.txt\nFile type not supported\n', 'exit -1']],
  ['an option ignored', 'set.pbn', deal, ['option x ignored\n', 'deal 1 dealer -1 vulnerable -1', 'exit 0'], ['-x']],
];

for (const [title, name, text, expected, options] of cases) {
  test(title, async () => {
    assert.deepEqual(await news(name, Buffer.from(text, 'latin1'), options), expected);
  });
}
