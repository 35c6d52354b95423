// A board's double-dummy analysis: DDS's par contracts read, the record
// made from the solver's answer, and the PBN tags of a hand record.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import {
  analysisOf, analysisTags, doubleDummyTricks, optimumResultRows, optimumScore, parContract, parContracts,
} from '../../src/analysis.js';

const [N, E, S, W] = [0, 1, 2, 3];
const [NT, SP, HE, DI, CL] = [0, 1, 2, 3, 4];
const contract = (level, strain, declarers, { over = 0, under = 0 } = {}) => ({
  level, strain, side: declarers[0] % 2, declarers, doubled: under > 0, overtricks: over, undertricks: under,
});

describe('a par contract as DDS writes it', () => {
  const cases = [
    ['3N-NS', contract(3, NT, [N, S])],
    ['4S-N+1', contract(4, SP, [N], { over: 1 })],
    ['2H-S+2', contract(2, HE, [S], { over: 2 })],
    ['5C*-EW-2', contract(5, CL, [E, W], { under: 2 })],
    ['5D-E-1', contract(5, DI, [E], { under: 1 })],
    ['7N*-W-13', contract(7, NT, [W], { under: 13 })],
    ['1H-EW', contract(1, HE, [E, W])],
  ];
  for (const [text, expected] of cases) test(text, () => assert.deepEqual(parContract(text), expected));
  test('anything else is refused', () => {
    for (const text of ['', 'pass', '8S-NS', '0S-NS', '3X-NS', '3N-NE', '3N-SN', '3N-NS+', '3N-NS*1', '3N NS', ' 3N-NS', '3N-NS+1 ']) {
      assert.throws(() => parContract(text), { message: `Not a par contract: ${text}` });
    }
  });
});

// Every declarer and strain its own number of tricks, ten to thirteen too.
const raw = { tricks: Array.from({ length: 20 }, (_, i) => i % 14), score: -500, contracts: ['5D*-NS-3', '5H-S-3'] };
const record = analysisOf(raw);

test('the record from the solver\'s answer', () => {
  assert.deepEqual(record, {
    tricks: [[0, 1, 2, 3, 4], [5, 6, 7, 8, 9], [10, 11, 12, 13, 0], [1, 2, 3, 4, 5]],
    par: { ns: -500, contracts: [contract(5, DI, [N, S], { under: 3 }), contract(5, HE, [S], { under: 3 })] },
  });
});

test('a board passed out has no par contract', () => {
  assert.deepEqual(analysisOf({ tricks: raw.tricks, score: 0, contracts: ['pass'] }).par, { ns: 0, contracts: [] });
});

describe('the PBN tags', () => {
  test('DoubleDummyTricks: declarers N, S, E, W, each NT, S, H, D, C, in hex', () => {
    assert.equal(doubleDummyTricks(record), '01234abcd05678912345');
  });
  test('OptimumScore from the side that scores it', () => {
    for (const [ns, text] of [[620, 'NS 620'], [-430, 'EW 430'], [0, 'NS 0'], [-10, 'EW 10']]) {
      assert.equal(optimumScore({ par: { ns, contracts: [] } }), text);
    }
  });
  test('ParContract', () => {
    const cases = [
      [[], 'Pass'],
      [[contract(3, NT, [E, W], { over: 1 })], 'EW 3N+1'],
      [[contract(4, SP, [N, S], { under: 3 })], 'NS 4SX-3'],
      [[contract(4, HE, [E])], 'E 4H'],
      [[contract(2, DI, [N, S]), contract(2, CL, [N], { over: 1 })], 'NS 2D; N 2C+1'],
    ];
    for (const [contracts, text] of cases) assert.equal(parContracts({ par: { ns: 0, contracts } }), text);
  });
  test('OptimumResultTable, declarers N, E, S, W', () => {
    const rows = optimumResultRows(record);
    assert.equal(rows.length, 20);
    assert.deepEqual([rows[0], rows[4], rows[6], rows[13], rows[19]], ['N NT 0', 'N C 4', 'E S 6', 'S D 13', 'W C 5']);
  });
  test('all four, as lines of the file', () => {
    assert.deepEqual(analysisTags(record), [
      '[DoubleDummyTricks "01234abcd05678912345"]',
      '[OptimumScore "EW 500"]',
      '[ParContract "NS 5DX-3; S 5HX-3"]',
      '[OptimumResultTable "Declarer;Denomination\\2R;Result\\2R"]',
      'N NT 0', 'N S 1', 'N H 2', 'N D 3', 'N C 4',
      'E NT 5', 'E S 6', 'E H 7', 'E D 8', 'E C 9',
      'S NT 10', 'S S 11', 'S H 12', 'S D 13', 'S C 0',
      'W NT 1', 'W S 2', 'W H 3', 'W D 4', 'W C 5',
    ]);
  });
});
