// The board check: what a director's counts of the four pockets, or the
// cards typed from one pocket, say about a board dealt by hand.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { CARDS, HANDS, NO_HAND, RANK_COUNT, handSummary, pointsOf } from '../../src/cards.js';
import {
  CHECK_WORDS_EN, blindCheck, describeCheck, describeExact, describeMoves, exactCheck, moves, summarize,
  uncheckedPositions,
} from '../../src/check.js';
import { makeSequence } from '../../src/session.js';

const [N, E, S, W] = [0, 1, 2, 3];
const RANK_LETTERS = 'AKQJT98765432';

// A board from a PBN deal text, "N:spades.hearts.diamonds.clubs ..." with
// the hands clockwise from the first seat named.
function deal(text) {
  const [first, rest] = text.split(':');
  const hands = new Uint8Array(CARDS).fill(NO_HAND);
  rest.split(' ').forEach((hand, i) => {
    const seat = ('NESW'.indexOf(first) + i) % HANDS;
    hand.split('.').forEach((ranks, suit) => {
      for (const rank of ranks) hands[suit * RANK_COUNT + RANK_LETTERS.indexOf(rank)] = seat;
    });
  });
  return hands;
}
// A card by its name: 'SK', 'HT'.
const card = (name) => 'SHDC'.indexOf(name[0]) * RANK_COUNT + RANK_LETTERS.indexOf(name[1]);
const cardsOf = (hands, seat) => [...hands.keys()].filter((c) => hands[c] === seat);
// The same deal with every hand k seats further clockwise.
const turn = (hands, k) => hands.map((seat) => (seat + k) % HANDS);
// The counts as the director would enter them; change: seat -> [cards, points] added.
const counted = (hands, change = {}) => handSummary(hands).map(({ count, hcp }, seat) => {
  const [cards, points] = change[seat] ?? [0, 0];
  return { count: count + cards, hcp: hcp + points };
});

// Every seat lacks one honour rank (North the jack, East the king, South
// the queen, West the ace), and no turn of it looks like it: N13 E8 S11 W8.
const BOARD = deal('S:J9852.2.K983.AK7 KT.QT8753.J62.Q5 7.AK964.AQ7.T862 AQ643.J.T54.J943');
// N12 E8 S12 W8: turned by one and by three the pockets count the same.
const HALF_TURN = deal('N:AT98765432.A.K.J Q.K.T98765432.KT K.JT98765432.A.A J.Q.QJ.Q98765432');
const STRONG = deal('N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 765.8765.876.765 432.432.5432.432');
// Other hands, every pocket counting the same as STRONG's.
const STRONG_TWIN = deal('N:AKQJ.AKQ.AKQ.AKQ T98.JT9.JT9.JT98 432.8765.876.765 765.432.5432.432');

describe('cards', () => {
  test('every hand of the test boards has 13 cards and the pack 40 points', () => {
    for (const hands of [BOARD, HALF_TURN, STRONG, STRONG_TWIN]) {
      const summary = handSummary(hands);
      assert.deepEqual(summary.map((s) => s.count), [13, 13, 13, 13]);
      assert.equal(summary.reduce((sum, s) => sum + s.hcp, 0), 40);
    }
    assert.deepEqual(handSummary(BOARD).map((s) => s.hcp), [13, 8, 11, 8]);
  });

  test('points by rank, and a card no hand holds counts for none', () => {
    assert.deepEqual(['SA', 'HK', 'DQ', 'CJ', 'ST', 'C2'].map((name) => pointsOf(card(name))), [4, 3, 2, 1, 0, 0]);
    const partial = deal('N:AK... .Q.. ..J. ...T');
    assert.deepEqual(handSummary(partial), [{ count: 2, hcp: 7 }, { count: 1, hcp: 2 }, { count: 1, hcp: 1 },
      { count: 1, hcp: 0 }]);
  });
});

describe('blind check', () => {
  const others = [{ label: 'Board 6', hands: HALF_TURN }, { label: 'Board 7', hands: STRONG },
    { label: 'Board 9', hands: STRONG_TWIN }];
  const turned = (by) => ({ verdict: 'fault', kind: 'turned', by });
  const differs = (change) => ({ verdict: 'fault', kind: 'differs',
    seats: Object.entries(change).map(([seat, [cards, points]]) => ({ seat: Number(seat), cards, points })) });
  // BOARD counted with change, and the plain list of what differs.
  const off = (change) => [BOARD, counted(BOARD, change), differs(change)];
  const rows = [
    ['the board as dealt', BOARD, counted(BOARD), { verdict: 'ok' }],
    ['a pocket with no points is counted, not blank', STRONG, counted(STRONG), { verdict: 'ok' }],
    ['blank fields, whatever else', BOARD,
      [{ count: 13, hcp: null }, { count: 13, hcp: 8 }, { count: 13, hcp: 11 }, { count: undefined, hcp: 8 }],
      { verdict: 'incomplete', seats: [N, W] }],
    ['a field typed as no number', BOARD, counted(BOARD).map((e, seat) => (seat === E ? { ...e, count: NaN } : e)),
      { verdict: 'incomplete', seats: [E] }],
    ['turned by one seat', BOARD, counted(turn(BOARD, 1)), turned(1)],
    ['turned by two seats', BOARD, counted(turn(BOARD, 2)), turned(2)],
    ['turned by three seats', BOARD, counted(turn(BOARD, 3)), turned(3)],
    ['a half turn counts as right', HALF_TURN, counted(turn(HALF_TURN, 2)), { verdict: 'ok' }],
    ['turned by one or three: one', HALF_TURN, counted(turn(HALF_TURN, 3)), turned(1)],
    ['the hands of another board, the first that fits', BOARD, counted(STRONG_TWIN),
      { verdict: 'fault', kind: 'other', label: 'Board 7' }],
    ['a turn before another board that fits as well', STRONG, counted(turn(STRONG, 1)), turned(1),
      [{ label: 'Board 8', hands: turn(STRONG, 1) }]],
    ['this board among the others', STRONG, counted(STRONG), { verdict: 'ok' }],
    ['two seats off in other ways', ...off({ [N]: [1, -2], [W]: [0, 3] })],
    ['14 and 12 cards, the points not one card\'s', ...off({ [E]: [1, 3], [S]: [-1, -2] })],
    ['14 and 12 cards, the points the wrong way', ...off({ [E]: [1, -3], [S]: [-1, 3] })],
    ['a card moved and a third seat miscounted', ...off({ [N]: [-1, -4], [E]: [1, 4], [W]: [0, 1] })],
    ['14 cards and 13', ...off({ [N]: [1, 0], [E]: [0, -1] })],
    ['13 cards and 12', ...off({ [N]: [0, 2], [E]: [-1, -2] })],
  ];
  for (const [name, hands, entries, expected, besides = others] of rows) {
    test(name, () => assert.deepEqual(blindCheck(hands, entries, besides), expected));
  }

  test('one card in the wrong pocket, for every pair of seats and every value the owner holds', () => {
    let found = 0;
    for (const from of [N, E, S, W]) {
      for (const to of [N, E, S, W].filter((seat) => seat !== from)) {
        for (const points of [0, 1, 2, 3, 4]) {
          const change = { [from]: [-1, -points], [to]: [1, points] };
          const held = cardsOf(BOARD, from).some((c) => pointsOf(c) === points);
          const expected = held ? { verdict: 'fault', kind: 'moved', from, to, points } : differs(change);
          assert.deepEqual(blindCheck(BOARD, counted(BOARD, change), others), expected, `${from} to ${to}, ${points}`);
          found += held ? 1 : 0;
        }
      }
    }
    // Each seat lacks one honour rank: 4 of the 5 values for each of 12 pairs.
    assert.equal(found, 48);
  });

  test('no other deals given', () => {
    assert.deepEqual(blindCheck(BOARD, counted(STRONG)).kind, 'differs');
  });
});

describe('exact check', () => {
  // East's \u2660Q went into South's pocket and South's \u2666K into East's.
  const swapped = (seat) => {
    const pocket = new Set(cardsOf(BOARD, seat));
    const [give, take] = seat === E ? ['SQ', 'DK'] : ['DK', 'SQ'];
    pocket.delete(card(give));
    pocket.add(card(take));
    return pocket;
  };

  test('a card missing and cards too many, in pack order', () => {
    const found = [card('C2'), ...swapped(E), card('C2')].reverse();
    assert.deepEqual(exactCheck(BOARD, E, found), { seat: E, missing: [card('SQ')], extra: [card('DK'), card('C2')] });
    assert.deepEqual(exactCheck(BOARD, W, cardsOf(BOARD, W)), { seat: W, missing: [], extra: [] });
    assert.deepEqual(exactCheck(BOARD, S, new Set()).missing, cardsOf(BOARD, S));
  });

  const both = [{ card: card('SQ'), from: S, to: E }, { card: card('DK'), from: E, to: S }];
  const rows = [
    ['one pocket typed: the queen may be anywhere', { [E]: swapped(E) }, null],
    ['both pockets typed', { [E]: swapped(E), [S]: swapped(S) }, both],
    ['as a Map', new Map([[S, swapped(S)], [E, swapped(E)], [W, cardsOf(BOARD, W)]]), both],
    ['only right pockets', { [W]: cardsOf(BOARD, W) }, []],
    ['the owner of a card too many not typed', { [W]: [...cardsOf(BOARD, W), card('SQ')] }, null],
    ['a missing card not found', { [W]: cardsOf(BOARD, W).slice(1) }, null],
    ['a card typed in its own pocket and another', { [W]: [...cardsOf(BOARD, W), card('SQ')], [E]: cardsOf(BOARD, E) },
      null],
    ['as many cards too many as missing, but others', { [E]: swapped(E), [S]: cardsOf(BOARD, S) }, null],
  ];
  for (const [name, exact, expected] of rows) {
    test(`moves: ${name}`, () => assert.deepEqual(moves(BOARD, exact), expected));
  }
});

describe('English sentences', () => {
  const words = CHECK_WORDS_EN;
  const check = (entries, others = []) => describeCheck(blindCheck(BOARD, entries, others), words, 'Board 5');
  const rows = [
    [counted(BOARD), 'Board 5 is right.'],
    [[...counted(BOARD).slice(1), { count: null, hcp: null }], 'Count the cards and points of every pocket first.'],
    [counted(BOARD, { [S]: [-1, -3], [E]: [1, 3] }),
      'East has 14 cards and 3 points too many, South 12 and 3 too few: one of South\'s kings is in East\'s pocket.'],
    [counted(BOARD, { [S]: [-1, -1], [W]: [1, 1] }),
      'West has 14 cards and 1 point too many, South 12 and 1 too few: one of South\'s jacks is in West\'s pocket.'],
    [counted(BOARD, { [E]: [-1, -4], [N]: [1, 4] }),
      'North has 14 cards and 4 points too many, East 12 and 4 too few: one of East\'s aces is in North\'s pocket.'],
    [counted(BOARD, { [E]: [-1, -2], [S]: [1, 2] }),
      'South has 14 cards and 2 points too many, East 12 and 2 too few: one of East\'s queens is in South\'s pocket.'],
    [counted(BOARD, { [W]: [-1, 0], [N]: [1, 0] }),
      'North has 14 cards and West 12, the points right: one of West\'s small cards is in North\'s pocket.'],
    [counted(turn(BOARD, 1)), 'The board is turned: North\'s hand is in the East pocket.'],
    [counted(turn(BOARD, 2)), 'The board is turned: North\'s hand is in the South pocket.'],
    [counted(turn(BOARD, 3)), 'The board is turned: North\'s hand is in the West pocket.'],
    [counted(BOARD, { [N]: [1, -2], [W]: [0, 3] }),
      'North has 1 card too many and 2 points too few; West has 3 points too many.'],
    [counted(BOARD, { [N]: [1, 0], [E]: [0, -1] }), 'North has 1 card too many; East has 1 point too few.'],
    [counted(BOARD, { [E]: [-2, 1], [S]: [2, -1] }),
      'East has 2 cards too few and 1 point too many; South has 2 cards too many and 1 point too few.'],
  ];
  for (const [entries, expected] of rows) test(expected, () => assert.equal(check(entries), expected));
  test('another board', () => assert.equal(check(counted(STRONG), [{ label: 'Board 7', hands: STRONG }]),
    'These are the hands of Board 7.'));

  const exact = [
    [E, [card('SK')], [card('HT')], 'East: \u2660K missing; \u266510 too many.'],
    [S, [card('DT'), card('C2')], [], 'South: \u266610, \u26632 missing.'],
    [N, [], [card('HQ'), card('DJ')], 'North: \u2665Q, \u2666J too many.'],
    [W, [], [], 'West is right.'],
    [S, [...RANK_LETTERS].map((rank) => card(`C${rank}`)), [],
      'South: \u2663A, \u2663K, \u2663Q, \u2663J, \u266310, \u26639, \u26638, \u26637, \u26636, \u26635, \u26634, '
      + '\u26633, \u26632 missing.'],
  ];
  for (const [seat, missing, extra, expected] of exact) {
    test(expected, () => assert.equal(describeExact({ seat, missing, extra }, words), expected));
  }
  const moveRows = [
    [[{ card: card('SK'), from: E, to: S }], 'Move \u2660K from East to South.'],
    [[{ card: card('SK'), from: E, to: S }, { card: card('HT'), from: S, to: E }],
      'Move \u2660K from East to South; move \u266510 from South to East.'],
    [[], 'Every card is in its own pocket.'],
  ];
  for (const [list, expected] of moveRows) test(expected, () => assert.equal(describeMoves(list, words), expected));
});

describe('the record of a session', () => {
  // Boards 1 to 6, the session From 2 To 4 in two copies: deals 1 to 3.
  const sequence = makeSequence([1, 2, 3, 4, 5, 6], { from: '2', to: '4', copies: 2, order: 'board' });
  const cases = [
    ['nothing checked', [], { ok: 0, fault: 0, unchecked: 6 }, [0, 1, 2, 3, 4, 5]],
    ['right and faulty', [['1:1', 'ok'], ['1:2', 'fault'], ['3:2', 'ok']], { ok: 2, fault: 1, unchecked: 3 }, [2, 3, 4]],
    // Checks kept of boards and copies outside this session do not count.
    ['others kept beside it', [['0:1', 'ok'], ['4:1', 'fault'], ['2:3', 'ok'], ['2:1', 'ok'], ['3:1', 'fault']],
      { ok: 1, fault: 1, unchecked: 4 }, [0, 1, 3, 5]],
    ['all of it', ['1:1', '1:2', '2:1', '2:2', '3:1', '3:2'].map((key) => [key, 'ok']), { ok: 6, fault: 0, unchecked: 0 }, []],
  ];
  for (const [name, checks, summary, unchecked] of cases) {
    test(name, () => {
      const kept = new Map(checks);
      assert.deepEqual(summarize(sequence, kept), summary);
      assert.deepEqual(uncheckedPositions(sequence, kept, 3), unchecked.slice(0, 3));
      assert.deepEqual(uncheckedPositions(sequence, kept, 10), unchecked);
    });
  }
});
