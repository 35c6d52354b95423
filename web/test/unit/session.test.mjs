// The session's rules without a browser: what is dealt in what order, how a
// step moves, the board's marks, runs of one hand and the pockets' tops.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import {
  DONE, NOT_STARTED, boardMarks, clampCopies, entryKey, findBoard, makeSequence, pocketTops, positionOf, rangeOf,
  runLength, step,
} from '../../src/session.js';

// A deal from its hands written as four strings of 13 symbols a suit:
// 'NNNE...' for spades, hearts, diamonds, clubs; N E S W, '?' for none.
const deal = (...suits) => Uint8Array.from(suits.join(''), (c) => 'NESW?'.indexOf(c));
// Each hand's cards in a block of 13: North all spades, East all hearts ...
const BLOCKS = deal('NNNNNNNNNNNNN', 'EEEEEEEEEEEEE', 'SSSSSSSSSSSSS', 'WWWWWWWWWWWWW');
// Every card to the next hand round.
const ROUND = deal('NESWNESWNESWN', 'ESWNESWNESWNE', 'SWNESWNESWNES', 'WNESWNESWNESW');
const MIXED = deal('NNEEESWWNNNNS', 'EEEEEEEEEEEEW', 'SSSSSSSSSSSSN', 'WWWWWWWWWWNNN');

const order = (sequence) => Array.from(sequence.deals, (d, i) => `${d}/${sequence.copies[i]}`);

describe('the sequence from the range and copies', () => {
  const numbers = [1, 2, 3, 4, 5, 1, 2, 3];
  const cases = [
    [{ from: '', to: '', copies: 1, order: 'board' }, ['0/1', '1/1', '2/1', '3/1', '4/1', '5/1', '6/1', '7/1'], []],
    [{ from: '2', to: '3', copies: 2, order: 'board' }, ['1/1', '1/2', '2/1', '2/2'], []],
    [{ from: '2', to: '3', copies: 3, order: 'set' }, ['1/1', '2/1', '1/2', '2/2', '1/3', '2/3'], []],
    // From the first 4 to the first 2 after it: into the second set.
    [{ from: '4', to: '2', copies: 1, order: 'board' }, ['3/1', '4/1', '5/1', '6/1'], []],
    [{ from: '9', to: '2', copies: 1, order: 'board' }, ['0/1', '1/1'], [{ missing: 'from', number: '9' }]],
    [{ from: '5', to: '4', copies: 1, order: 'board' }, ['4/1', '5/1', '6/1', '7/1'],
      [{ missing: 'to', number: '4', after: 5 }]],
    [{ from: '3', to: '3', copies: 2, order: 'set' }, ['2/1', '2/2'], []],
    // The first deal as From, and as To.
    [{ from: '1', to: '2', copies: 1, order: 'board' }, ['0/1', '1/1'], []],
    [{ from: '', to: '1', copies: 1, order: 'board' }, ['0/1'], []],
  ];
  for (const [session, expected, problems] of cases) {
    test(JSON.stringify(session), () => {
      const sequence = makeSequence(numbers, session);
      assert.deepEqual(order(sequence), expected);
      assert.equal(sequence.length, expected.length);
      assert.deepEqual(sequence.problems, problems);
    });
  }
  test('no deals: nothing to deal', () => {
    const sequence = makeSequence([], { from: '3', to: '', copies: 2, order: 'board' });
    assert.deepEqual([sequence.length, sequence.problems], [0, []]);
  });
  test('an entry is found again by its key', () => {
    const sequence = makeSequence(numbers, { from: '2', to: '3', copies: 2, order: 'set' });
    assert.equal(entryKey(sequence, 2), '1:2');
    assert.equal(positionOf(sequence, '2:2'), 3);
    assert.equal(positionOf(sequence, '7:1'), -1);
    assert.deepEqual(rangeOf(numbers, '', '3'), { first: 0, last: 2, problems: [] });
  });
});

describe('digits typed: the next entry with that number, in turn', () => {
  const numbers = [1, 2, 3, 1, 2, 3];
  const sequence = makeSequence(numbers, { from: '', to: '', copies: 1, order: 'board' });
  // The board shown, when no other has its number, is found again where it is.
  const once = makeSequence([1, 2, 3], { from: '', to: '', copies: 1, order: 'board' });
  test('the only board with the number', () => assert.equal(findBoard(once, [1, 2, 3], 2, 1), 1));
  for (const [number, from, expected] of [[1, 0, 3], [1, 3, 0], [3, 2, 5], [2, 4, 1], [3, 5, 2], [7, 0, -1]]) {
    test(`board ${number} from entry ${from}`, () => assert.equal(findBoard(sequence, numbers, number, from), expected));
  }
});

describe('copies as typed', () => {
  for (const [text, expected] of [['1', { copies: 1, clamped: false }], ['9', { copies: 9, clamped: false }],
    ['15', { copies: 9, clamped: true }], ['10', { copies: 9, clamped: true }], ['0', { copies: 1, clamped: false }],
    ['', { copies: 1, clamped: false }], [' 1 ', { copies: 1, clamped: false }], ['2.6', { copies: 3, clamped: false }],
    ['x', { copies: 1, clamped: false }]]) {
    test(JSON.stringify(text), () => assert.deepEqual(clampCopies(text), expected));
  }
});

describe('dealer and vulnerability: the file where it says, else the cycle', () => {
  const cases = [
    [1, -1, -1, 'N', 'None'], [2, -1, -1, 'E', 'NS'], [3, -1, -1, 'S', 'EW'], [4, -1, -1, 'W', 'All'],
    [5, -1, -1, 'N', 'NS'], [8, -1, -1, 'W', 'None'], [9, -1, -1, 'N', 'EW'], [12, -1, -1, 'W', 'NS'],
    [13, -1, -1, 'N', 'All'], [16, -1, -1, 'W', 'EW'], [17, -1, -1, 'N', 'None'], [32, -1, -1, 'W', 'EW'],
    [-3, -1, -1, 'N', 'All'], [0, -1, -1, '', ''],
    // [Board "5"][Dealer "S"][Vulnerable "All"]
    [5, 2, 3, 'S', 'All'], [5, 3, -1, 'W', 'NS'], [5, -1, 0, 'N', 'None'], [0, 1, 2, 'E', 'EW'], [6, 0, -1, 'N', 'EW'],
  ];
  for (const [number, dealer, vulnerability, seat, vul] of cases) {
    test(`board ${number}, file ${dealer}/${vulnerability}`, () => {
      assert.deepEqual(boardMarks(number, dealer, vulnerability), { dealer: seat, vulnerability: vul });
    });
  }
  test('a file that says nothing is the cycle', () => assert.deepEqual(boardMarks(6), { dealer: 'E', vulnerability: 'EW' }));
});

describe('steps', () => {
  const walk = (hands, { reversed = false, runs = false, length = 2, from = { position: 0, cursor: NOT_STARTED }, direction = 1, count }) => {
    const seen = [];
    let place = from;
    for (let i = 0; i < count; ++i) {
      place = step(place, direction, { length, hands, reversed, runs });
      if (place === null) break;
      seen.push(place.cursor === DONE ? `${place.position}:done` : place.cursor === NOT_STARTED
        ? `${place.position}:-` : `${place.position}:${place.cursor}`);
    }
    return seen;
  };
  const cases = [
    ['forward through a board into the next', ROUND, { count: 3, from: { position: 0, cursor: 50 } },
      ['0:51', '0:done', '1:0']],
    ['forward from the start', ROUND, { count: 2 }, ['0:0', '0:1']],
    ['the last board ends', ROUND, { count: 3, from: { position: 1, cursor: 51 } }, ['1:done']],
    ['back to the board before', ROUND, { count: 3, direction: -1, from: { position: 1, cursor: 1 } },
      ['1:0', '1:-', '0:done']],
    ['back past the first board stops', ROUND, { count: 2, direction: -1, from: { position: 0, cursor: 0 } }, ['0:-']],
    ['back from done', ROUND, { count: 1, direction: -1, from: { position: 0, cursor: DONE } }, ['0:51']],
    ['a pack turned over', ROUND, { count: 3, reversed: true }, ['0:51', '0:50', '0:49']],
    ['turned over, into the next board', ROUND, { count: 3, reversed: true, from: { position: 0, cursor: 1 } },
      ['0:0', '0:done', '1:51']],
    ['turned over, back', ROUND, { count: 3, reversed: true, direction: -1, from: { position: 0, cursor: 49 } },
      ['0:50', '0:51', '0:-']],
    ['turned over, back from done', ROUND, { count: 1, reversed: true, direction: -1, from: { position: 0, cursor: DONE } },
      ['0:0']],
    ['runs: a block of 13 is one step', BLOCKS, { count: 6, runs: true }, ['0:0', '0:13', '0:26', '0:39', '0:done', '1:0']],
    ['runs: back a run', BLOCKS, { count: 4, runs: true, direction: -1, from: { position: 0, cursor: DONE } },
      ['0:39', '0:26', '0:13', '0:0']],
    ['runs of mixed length', MIXED, { count: 6, runs: true }, ['0:0', '0:2', '0:5', '0:6', '0:8', '0:12']],
    ['runs, back into the middle', MIXED, { count: 3, runs: true, direction: -1, from: { position: 0, cursor: 12 } },
      ['0:8', '0:6', '0:5']],
    ['runs from a card chosen inside one', MIXED, { count: 2, runs: true, from: { position: 0, cursor: 9 } },
      ['0:12', '0:13']],
    ['runs, turned over', MIXED, { count: 4, runs: true, reversed: true }, ['0:51', '0:48', '0:38', '0:37']],
    ['runs, turned over, back', MIXED, { count: 3, runs: true, reversed: true, direction: -1, from: { position: 0, cursor: 37 } },
      ['0:38', '0:48', '0:51']],
    ['runs do not cross the end', BLOCKS, { count: 2, runs: true, reversed: true, from: { position: 0, cursor: 12 } },
      ['0:done', '1:51']],
  ];
  for (const [name, hands, options, expected] of cases) {
    test(name, () => assert.deepEqual(walk(hands, options), expected));
  }
});

describe('runs and steps a board', () => {
  const cases = [
    [BLOCKS, 0, false, 13], [BLOCKS, 12, false, 1], [BLOCKS, 12, true, 13], [BLOCKS, 51, true, 13],
    [MIXED, 2, false, 3], [MIXED, 7, true, 2], [ROUND, 20, false, 1], [MIXED, 25, false, 1], [MIXED, 48, true, 10],
  ];
  for (const [hands, card, reversed, expected] of cases) {
    test(`run at ${card}${reversed ? ', turned over' : ''}`, () => assert.equal(runLength(hands, card, reversed), expected));
  }
  for (const [hands, reversed, runs, expected] of [[BLOCKS, false, true, 4], [BLOCKS, true, true, 4],
    [ROUND, false, true, 52], [MIXED, false, true, 12], [MIXED, true, true, 12], [MIXED, false, false, 52]]) {
    // Steps from the first card until the board is done.
    test(`${expected} steps`, () => {
      let place = { position: 0, cursor: NOT_STARTED };
      let steps = -1;
      for (; place.cursor !== DONE; ++steps) place = step(place, 1, { length: 1, hands, reversed, runs });
      assert.equal(steps, expected);
    });
  }
});

describe('the card on top of each pocket', () => {
  const cases = [
    [ROUND, NOT_STARTED, false, [-1, -1, -1, -1]],
    [ROUND, 0, false, [-1, -1, -1, -1]],
    [ROUND, 1, false, [0, -1, -1, -1]],
    [ROUND, 5, false, [4, 1, 2, 3]],
    [ROUND, DONE, false, [48, 49, 50, 51]],
    [BLOCKS, 27, false, [12, 25, 26, -1]],
    [BLOCKS, 51, true, [-1, -1, -1, -1]],
    [BLOCKS, 38, true, [-1, -1, -1, 39]],
    [BLOCKS, DONE, true, [0, 13, 26, 39]],
    // A card without a hand lies in no pocket.
    [deal('?NESWNESWNESW', 'NESWNESWNESWN', 'ESWNESWNESWNE', 'SWNESWNESWNES'), 2, false, [1, -1, -1, -1]],
  ];
  for (const [hands, cursor, reversed, expected] of cases) {
    test(`at ${cursor}${reversed ? ', turned over' : ''}`, () => assert.deepEqual(pocketTops(hands, cursor, reversed), expected));
  }
});
