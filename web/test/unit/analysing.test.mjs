// The double-dummy analysis on the page: which boards are solved in what
// order, what is no deal, the par in words, and the tags a file gives.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import {
  NOT_A_DEAL, analysisJobs, analysisProgress, boardsToAnalyse, takeAnalysis,
} from '../../src/analysing.js';
import { Deals } from '../../src/core.js';
import { createState } from '../../src/state.js';
import { makeSequence } from '../../src/session.js';
import { parText } from '../../src/names.js';
import { firstTags, pbnDate } from '../../src/deal-text.js';
import en from '../../src/lang/en.js';

// count boards numbered 1 up, each card i of board n in hand (i + n) % 4;
// broken: boards whose ace of spades has no hand.
function stateWith(count, { from = '', to = '', at = 0, broken = [] } = {}) {
  const state = createState();
  const deals = new Deals();
  const hands = new Uint8Array(count * 52).map((_, i) => (i % 52 + Math.floor(i / 52)) % 4);
  for (const deal of broken) hands[deal * 52] = 4;
  deals.append({
    numbers: Int32Array.from({ length: count }, (_, i) => i + 1), hands,
    dealers: new Int8Array(count).fill(-1), vulnerabilities: new Int8Array(count).fill(-1),
  });
  Object.assign(state, { deals, file: { key: 'K' } });
  state.sequence = makeSequence(deals.numbers, { from, to, copies: 1, order: 'board' });
  state.position = at;
  state.run.end = { exit: 0 };
  return state;
}
const range = (from, to) => Array.from({ length: to - from + 1 }, (_, i) => from + i);

describe('the boards analysed, the board shown first', () => {
  const rows = [
    ['a session of 5, board 3 shown', stateWith(5, { at: 2 }), [2, 3, 4, 0, 1]],
    ['boards 3 to 5 of 10, the first shown', stateWith(10, { from: '3', to: '5' }), [2, 3, 4]],
    ['64 at most: from the board shown on', stateWith(100, { at: 10 }), range(10, 73)],
    ['near the end: the last 64', stateWith(100, { at: 90 }), [...range(90, 99), ...range(36, 89)]],
  ];
  for (const [name, state, expected] of rows) test(name, () => assert.deepEqual(boardsToAnalyse(state), expected));
  test('none while the file is read', () => {
    const state = stateWith(5);
    state.run.end = null;
    assert.deepEqual(boardsToAnalyse(state), []);
  });
});

test('jobs for the boards still to solve; no deal is marked so; an answer of another file dropped', () => {
  const state = stateWith(4, { broken: [1] });
  state.analyses.set(2, { tricks: [] });
  const jobs = analysisJobs(state);
  assert.deepEqual(jobs.map(({ id, deal, dealer, vulnerability }) => [id, deal, dealer, vulnerability]),
    [['K:0', 0, 0, 0], ['K:3', 3, 3, 3]]);
  assert.equal(state.analyses.get(1), NOT_A_DEAL);
  assert.deepEqual(analysisProgress(state), { done: 2, total: 4 });
  assert.equal(takeAnalysis(state, { id: 'other:0', deal: 0 }, { analysis: { tricks: [1] } }), false);
  assert.equal(takeAnalysis(state, jobs[0], { error: 'gone' }), true);
  assert.deepEqual(state.analyses.get(0), { error: 'gone' });
});

describe('the par in words', () => {
  const contract = (level, strain, declarers, { over = 0, under = 0 } = {}) => ({
    level, strain, side: declarers[0] % 2, declarers, doubled: under > 0, overtricks: over, undertricks: under,
  });
  const rows = [
    [{ ns: 620, contracts: [contract(4, 1, [0, 2])] }, 'Par North\u2013South +620: 4\u2660 by North\u2013South'],
    [{ ns: -430, contracts: [contract(3, 0, [1, 3], { over: 1 })] }, 'Par East\u2013West +430: 3NT by East\u2013West, +1'],
    [{ ns: -300, contracts: [contract(5, 3, [0], { under: 2 })] },
      'Par East\u2013West +300: 5\u2666X by North, \u22122'],
    [{ ns: 420, contracts: [contract(4, 2, [0, 2]), contract(4, 1, [2])] },
      'Par North\u2013South +420: 4\u2665 by North\u2013South or 4\u2660 by South'],
    [{ ns: 0, contracts: [] }, 'Par 0: passed out'],
  ];
  for (const [par, expected] of rows) test(expected, () => assert.equal(parText(par, en), expected));
});

test('the tags a PBN file gives, the first of each; its date as PBN writes it', () => {
  const text = '% x\n[Event "Club \\"A\\""]\n[Site "Hall"]\n[Date "2026.12.08"]\n[Event "Other"]\n';
  assert.deepEqual(firstTags(text, ['Event', 'Date', 'Site', 'Board']), { Event: 'Club "A"', Site: 'Hall', Date: '2026.12.08' });
  assert.deepEqual(['2026-12-08', ' 2026.12.08 ', '8 Dec 2026', ''].map(pbnDate),
    ['2026.12.08', '2026.12.08', '????.??.??', '????.??.??']);
});
