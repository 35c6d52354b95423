// A session's boards as a PBN file: the deal in PBN's notation, the tags of
// each board, and the analysis only where a board has one.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { CARDS, NO_HAND, RANK_COUNT } from '../../src/cards.js';
import { analysisOf } from '../../src/analysis.js';
import { exportPbn } from '../../src/pbn-export.js';
import { pbnDeal } from '../../src/deal-text.js';

const RANK_LETTERS = 'AKQJT98765432';

// The hand codes of "N:..." as PBN writes a deal from North.
function handsOf(deal) {
  const hands = new Uint8Array(CARDS).fill(NO_HAND);
  deal.slice(2).split(' ').forEach((hand, seat) => hand.split('.').forEach((ranks, suit) => {
    for (const rank of ranks) hands[suit * RANK_COUNT + RANK_LETTERS.indexOf(rank)] = seat;
  }));
  return hands;
}

const DEAL = 'N:.AT43.J987643.J8 62.76.A52.AKT974 KQ975.KJ9.KQ.652 AJT843.Q852.T.Q3';
const VOIDS = 'N:AKQJT98765432... .AKQJT98765432.. ..AKQJT98765432. ...AKQJT98765432';

test('the deal from North, each suit from the ace down, T for the ten', () => {
  assert.equal(pbnDeal(handsOf(DEAL)), DEAL);
  assert.equal(pbnDeal(handsOf(VOIDS)), VOIDS);
});

test('a card without a hand is left out, not given to one', () => {
  const hands = handsOf(DEAL);
  hands[0] = NO_HAND; // the ace of spades, West's
  assert.equal(pbnDeal(hands), DEAL.replace('AJT843', 'JT843'));
});

const analysis = analysisOf({ tricks: Array(20).fill(7), score: 100, contracts: ['4S*-EW-1'] });
const lines = (text) => text.split('\r\n');

test('a session: marks as given, marks from the number, none without a number; analysis where there is one', () => {
  const text = exportPbn({
    event: 'Tuesday "Pairs"', site: 'C:\\Club', date: '2024.03.12', comment: 'pipsweep 1.2 ab12',
    boards: [
      { number: 1, hands: handsOf(DEAL), dealer: 2, vulnerability: 3, analysis },
      { number: 6, hands: handsOf(VOIDS), dealer: -1, vulnerability: -1 },
      { number: 0, hands: handsOf(VOIDS), dealer: -1, vulnerability: -1, analysis: null },
    ],
  });
  assert.ok(text.endsWith('\r\n'));
  assert.deepEqual(lines(text), [
    '% PBN 2.1', '% pipsweep 1.2 ab12',
    '',
    '[Event "Tuesday \\"Pairs\\""]', '[Site "C:\\\\Club"]', '[Date "2024.03.12"]',
    '[Board "1"]', '[Dealer "S"]', '[Vulnerable "All"]', `[Deal "${DEAL}"]`,
    '[DoubleDummyTricks "77777777777777777777"]', '[OptimumScore "NS 100"]', '[ParContract "EW 4SX-1"]',
    '[OptimumResultTable "Declarer;Denomination\\2R;Result\\2R"]',
    ...['N', 'E', 'S', 'W'].flatMap((seat) => ['NT', 'S', 'H', 'D', 'C'].map((strain) => `${seat} ${strain} 7`)),
    '',
    '[Event "Tuesday \\"Pairs\\""]', '[Site "C:\\\\Club"]', '[Date "2024.03.12"]',
    '[Board "6"]', '[Dealer "E"]', '[Vulnerable "EW"]', `[Deal "${VOIDS}"]`,
    '',
    '[Event "Tuesday \\"Pairs\\""]', '[Site "C:\\\\Club"]', '[Date "2024.03.12"]', `[Deal "${VOIDS}"]`,
    '',
  ]);
});

test('the comment: none, or each of its lines a comment line', () => {
  const session = { event: '', site: '', date: '', boards: [] };
  assert.equal(exportPbn(session), '% PBN 2.1\r\n');
  assert.equal(exportPbn({ ...session, comment: 'one\ntwo\r\nthree' }), '% PBN 2.1\r\n% one\r\n% two\r\n% three\r\n');
});
