// The board check: what a director's counts of the four pockets, or the
// cards typed from one pocket, say about a board dealt by hand.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import {
  CARDS, HANDS, NO_HAND, RANK_COUNT, handSummary, measure, pointsOf,
} from '../../src/cards.js';
import {
  WRONG_ORDERS, assess, blindCheck, exactCheck, positionsWith, recorded, summarize, turnOf,
} from '../../src/check.js';
import { blindText, cyclesOf, exactText } from '../../src/check-sentences.js';
import en from '../../src/lang/en.js';
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
// The same with each pocket's suit lengths too.
const withSuits = (hands) => measure(hands);
// Each pocket holding the hand holds[pocket] gives.
const inPockets = (hands, holds) => hands.map((seat) => (seat < HANDS ? holds.indexOf(seat) : seat));

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

// N 3, E 15, S 12, W 10 points: no two hands count alike.
const DISTINCT = deal('N:T95.T64.QJ4.8763 AJ86.A92.K63.K95 KQ4.J753.982.AQT 732.KQ8.AT75.J42');
// S 12, W 9, N 10, E 9: East and West count alike but for their suits (1453 and 5413).
const EW_ALIKE = deal('S:J52.93.AQJ9.A643 KQT63.JT76.6.K75 A984.K52.K54.T92 7.AQ84.T8732.QJ8');

describe('blind check', () => {
  const others = [{ deal: 5, hands: HALF_TURN }, { deal: 6, hands: STRONG }, { deal: 8, hands: STRONG_TWIN }];
  const differs = (change, first) => ({ verdict: 'fault', kind: 'differs', judged: ['count', 'hcp'],
    seats: Object.entries(change).map(([seat, [cards, points]]) => ({ seat: Number(seat), off: { count: cards, hcp: points } })),
    first });
  const agree = (alike = [], judged = ['count', 'hcp']) => ({ verdict: 'agree', judged, alike });
  // BOARD counted with change, and the plain list of what differs.
  const off = (change, first) => [BOARD, counted(BOARD, change), differs(change, first)];
  const rows = [
    ['the board as dealt: the counts agree, no more', BOARD, counted(BOARD), agree([[E, W]])],
    ['a pocket with no points is counted, not blank', STRONG, counted(STRONG), agree([[S, W]])],
    ['cards alone, judged by cards alone', BOARD, counted(BOARD).map(({ count }) => ({ count, hcp: null })),
      agree([[N, E], [N, S], [N, W], [E, S], [E, W], [S, W]], ['count'])],
    ['suits alone give the cards', EW_ALIKE, withSuits(EW_ALIKE).map(({ count, ...suits }) => ({ ...suits, count: null })),
      agree([], ['count', 'hcp', 'spades', 'hearts', 'diamonds', 'clubs'])],
    ['blank fields, whatever else', BOARD,
      [{ count: 13, hcp: null }, { count: 13, hcp: 8 }, { count: 13, hcp: 11 }, { count: undefined, hcp: 8 }],
      { verdict: 'incomplete', seats: [N, W] }],
    ['a field typed as no number', BOARD, counted(BOARD).map((e, seat) => (seat === E ? { ...e, count: NaN } : e)),
      { verdict: 'incomplete', seats: [E] }],
    ['nothing counted', BOARD, counted(BOARD).map(() => ({ count: null, hcp: null })),
      { verdict: 'incomplete', seats: [N, E, S, W] }],
    ['39 points in all: count again where they differ', BOARD, counted(BOARD, { [S]: [0, -1] }),
      { verdict: 'recount', seats: [S], field: 'hcp', counted: 39, expected: 40, judged: ['count', 'hcp'] }],
    ['53 cards in all', BOARD, counted(BOARD, { [N]: [1, 0], [E]: [1, 0], [W]: [-1, 0] }),
      { verdict: 'recount', seats: [N, E, W], field: 'count', counted: 53, expected: 52, judged: ['count', 'hcp'] }],
    ['suits that do not add up to the cards', EW_ALIKE, withSuits(EW_ALIKE).map((e, seat) => (seat === W ? { ...e, clubs: 4 } : e)),
      { verdict: 'recount', seats: [W], field: 'suits', judged: ['count', 'hcp', 'spades', 'hearts', 'diamonds', 'clubs'] }],
    ['the hands of another board, the first that fits', BOARD, counted(STRONG_TWIN),
      { verdict: 'fault', kind: 'other', deal: 6, judged: ['count', 'hcp'] }],
    ['a turn before another board that fits as well', DISTINCT, counted(turn(DISTINCT, 1)),
      { verdict: 'fault', kind: 'turned', by: 1, judged: ['count', 'hcp'] }, [{ deal: 9, hands: turn(DISTINCT, 1) }]],
    ['two seats off in other ways', ...off({ [N]: [1, -2], [W]: [-1, 2] }, N)],
    ['14 and 12 cards, the points not one card\'s', ...off({ [E]: [1, 3], [S]: [-1, -3 + 1], [W]: [0, -1] }, E)],
    ['a card moved and a third seat miscounted: 41 points', BOARD, counted(BOARD, { [N]: [-1, -4], [E]: [1, 4], [W]: [0, 1] }),
      { verdict: 'recount', seats: [N, E, W], field: 'hcp', counted: 41, expected: 40, judged: ['count', 'hcp'] }],
  ];
  for (const [name, hands, entries, expected, besides = others] of rows) {
    test(name, () => assert.deepEqual(blindCheck(hands, entries, besides), expected));
  }

  test('every exchange and cycle of whole hands, from cards and points, and with suits', () => {
    assert.equal(WRONG_ORDERS.length, 23);
    for (const holds of WRONG_ORDERS) {
      const moved = inPockets(DISTINCT, holds);
      const by = turnOf(holds);
      for (const entries of [counted(moved), withSuits(moved)]) {
        const found = blindCheck(DISTINCT, entries);
        if (by !== 0) assert.deepEqual([found.kind, found.by], ['turned', by], String(holds));
        else assert.deepEqual([found.kind, found.holds, found.sure], ['swapped', holds, true], String(holds));
      }
    }
  });

  test('hands that count alike: an exchange is no fault to counts, but it is to suit lengths', () => {
    const exchanged = inPockets(EW_ALIKE, [N, W, S, E]);
    assert.deepEqual(blindCheck(EW_ALIKE, counted(exchanged)), agree([[E, W]]));
    assert.deepEqual(blindCheck(EW_ALIKE, withSuits(exchanged)),
      { verdict: 'fault', kind: 'swapped', holds: [N, W, S, E], sure: true, judged: ['count', 'hcp', 'spades', 'hearts', 'diamonds', 'clubs'] });
    // Turned by one and by three, the pockets count the same: which, the counts cannot tell.
    const found = blindCheck(HALF_TURN, counted(turn(HALF_TURN, 1)));
    assert.deepEqual([found.kind, found.sure], ['swapped', false]);
  });

  test('hands that could have gone round more ways: the fewest moved is named', () => {
    // North and South count alike here, East and West not: the exchange of
    // East and West, not a half turn.
    const board = turn(EW_ALIKE, 1);
    const found = blindCheck(board, counted(inPockets(board, [N, W, S, E])));
    assert.deepEqual([found.kind, found.holds, found.sure], ['swapped', [N, W, S, E], true]);
  });

  test('two cards swapped: small ones of a suit each pass the counts, not the suit lengths', () => {
    // South's ♠2 and East's ♥4 change pockets.
    const hands = Uint8Array.from(EW_ALIKE);
    [hands[card('S2')], hands[card('H4')]] = [hands[card('H4')], hands[card('S2')]];
    assert.deepEqual([EW_ALIKE[card('S2')], EW_ALIKE[card('H4')]], [S, E]);
    assert.equal(blindCheck(EW_ALIKE, counted(hands)).verdict, 'agree');
    const found = blindCheck(EW_ALIKE, withSuits(hands));
    assert.deepEqual([found.kind, found.first, found.seats.map(({ seat }) => seat)], ['differs', E, [E, S]]);
  });

  test('one card in the wrong pocket, for every pair of seats and every value the owner holds', () => {
    let found = 0;
    for (const from of [N, E, S, W]) {
      for (const to of [N, E, S, W].filter((seat) => seat !== from)) {
        for (const points of [0, 1, 2, 3, 4]) {
          const change = { [from]: [-1, -points], [to]: [1, points] };
          const held = cardsOf(BOARD, from).some((c) => pointsOf(c) === points);
          const result = blindCheck(BOARD, counted(BOARD, change), others);
          if (held) {
            assert.deepEqual(result, { verdict: 'fault', judged: ['count', 'hcp'], kind: 'moved', from, to, points, suit: -1,
              card: cardsOf(BOARD, from).filter((c) => pointsOf(c) === points).length === 1
                ? cardsOf(BOARD, from).find((c) => pointsOf(c) === points) : -1 }, `${from} to ${to}, ${points}`);
          } else {
            assert.equal(result.kind, 'differs');
          }
          found += held ? 1 : 0;
        }
      }
    }
    // Each seat lacks one honour rank: 4 of the 5 values for each of 12 pairs.
    assert.equal(found, 48);
  });

  test('with suit lengths the card moved is named; cards alone name the pockets', () => {
    const hands = Uint8Array.from(BOARD);
    hands[card('SK')] = E;
    assert.equal(BOARD[card('SK')], W);
    assert.deepEqual(blindCheck(BOARD, withSuits(hands)), { verdict: 'fault', judged: MEASURE_NAMES, kind: 'moved',
      from: W, to: E, points: 3, suit: 0, card: card('SK') });
    const small = Uint8Array.from(BOARD);
    small[card('C4')] = N;
    assert.deepEqual(blindCheck(BOARD, withSuits(small)), { verdict: 'fault', judged: MEASURE_NAMES, kind: 'moved',
      from: BOARD[card('C4')], to: N, points: 0, suit: 3, card: -1 });
    assert.deepEqual(blindCheck(BOARD, counted(hands).map(({ count }) => ({ count }))), { verdict: 'fault', judged: ['count'],
      kind: 'moved', from: W, to: E, points: null, suit: -1, card: -1 });
  });
});

const MEASURE_NAMES = ['count', 'hcp', 'spades', 'hearts', 'diamonds', 'clubs'];

describe('exact check', () => {
  // East's ♠Q went into South's pocket and South's ♦K into East's.
  const swapped = (seat) => {
    const pocket = new Set(cardsOf(BOARD, seat));
    const [give, take] = seat === E ? ['SQ', 'DK'] : ['DK', 'SQ'];
    pocket.delete(card(give));
    pocket.add(card(take));
    return [...pocket];
  };

  test('a card missing and cards too many, in pack order; a pocket that holds another seat\'s hand', () => {
    const found = [card('C2'), ...swapped(E), card('C2')].reverse();
    assert.deepEqual(exactCheck(BOARD, E, found), { seat: E, missing: [card('SQ')], extra: [card('DK'), card('C2')], holds: -1 });
    assert.deepEqual(exactCheck(BOARD, W, cardsOf(BOARD, W)), { seat: W, missing: [], extra: [], holds: -1 });
    assert.deepEqual(exactCheck(BOARD, S, new Set()).missing, cardsOf(BOARD, S));
    assert.equal(exactCheck(BOARD, N, cardsOf(BOARD, S)).holds, S);
    assert.equal(exactCheck(BOARD, N, [...cardsOf(BOARD, S), card('C2')]).holds, -1);
    assert.equal(exactCheck(BOARD, N, cardsOf(BOARD, S).slice(1)).holds, -1);
    // The cards no hand holds are no seat's hand.
    const unplaced = Uint8Array.from(BOARD);
    unplaced[card('C2')] = NO_HAND;
    assert.equal(exactCheck(unplaced, N, [card('C2')]).holds, -1);
    assert.equal(exactCheck(BOARD, N, [...cardsOf(BOARD, N), ...cardsOf(BOARD, S)]).holds, -1);
  });

  const move = (name, from, to) => ({ kind: 'move', card: card(name), from, to });
  const rows = [
    ['one pocket typed: the queen may be anywhere; tap the king\'s owner next', { [E]: swapped(E) }, null,
      { verdict: 'fault', actions: [move('DK', E, S)], next: S }],
    ['both pockets typed', { [E]: swapped(E), [S]: swapped(S) }, null,
      { verdict: 'fault', actions: [move('SQ', S, E), move('DK', E, S)], next: -1 }],
    ['one typed, and only South can hold the card: said at once', { [E]: cardsOf(BOARD, E).filter((c) => c !== card('SQ')) },
      counted(BOARD, { [E]: [-1, -2], [S]: [1, 2] }), { verdict: 'fault', actions: [move('SQ', S, E)], next: -1 }],
    ['three pockets typed: the fourth holds the rest', new Map([[N, cardsOf(BOARD, N)], [E, swapped(E)], [W, cardsOf(BOARD, W)]]),
      null, { verdict: 'fault', actions: [move('SQ', S, E), move('DK', E, S)], next: -1 }],
    ['only right pockets, fewer than three', { [W]: cardsOf(BOARD, W), [N]: cardsOf(BOARD, N) }, null,
      { verdict: 'open', actions: [], next: E }],
    ['three right pockets prove the board', { [W]: cardsOf(BOARD, W), [N]: cardsOf(BOARD, N), [S]: cardsOf(BOARD, S) }, null,
      { verdict: 'ok', actions: [], next: -1 }],
    ['two pockets holding each other\'s hands: one action', { [N]: cardsOf(BOARD, S), [S]: cardsOf(BOARD, N) }, null,
      { verdict: 'fault', actions: [{ kind: 'exchange', seats: [N, S] }], next: -1 }],
    ['a pocket holding another seat\'s hand: look at that seat\'s next', { [E]: cardsOf(BOARD, W) }, null,
      { verdict: 'fault', actions: [{ kind: 'hand', pocket: E, seat: W }], next: W }],
  ];
  for (const [name, found, blind, expected] of rows) {
    test(name, () => {
      const { verdict, actions, next } = assess(BOARD, found, blind);
      assert.deepEqual({ verdict, actions, next }, expected);
    });
  }
});

describe('English sentences', () => {
  const blind = (hands, entries, others = []) => blindText(blindCheck(hands, entries, others), en, 'Board 5',
    (deal) => `Board ${deal + 1}`);
  const rows = [
    [BOARD, counted(BOARD), 'The cards and points agree. East\'s and West\'s hands count alike: an exchange would not show. '
      + 'To be sure, tap the exact cards of three pockets.'],
    [DISTINCT, counted(DISTINCT).map(({ count }) => ({ count })), 'The cards agree. North\'s and East\'s hands count alike: '
      + 'an exchange would not show. North\'s and South\'s hands count alike: an exchange would not show. North\'s and West\'s '
      + 'hands count alike: an exchange would not show. East\'s and South\'s hands count alike: an exchange would not show. '
      + 'East\'s and West\'s hands count alike: an exchange would not show. South\'s and West\'s hands count alike: an exchange '
      + 'would not show. To be sure, tap the exact cards of three pockets.'],
    [EW_ALIKE, withSuits(EW_ALIKE), 'The cards, points and suit lengths agree. To be sure, tap the exact cards of three pockets.'],
    [BOARD, [...counted(BOARD).slice(1), { count: null, hcp: null }], 'Fill in West as the other pockets.'],
    [BOARD, counted(BOARD, { [S]: [0, -1] }), '39 points in all, not 40: count South again.'],
    [BOARD, counted(BOARD, { [N]: [1, 0], [E]: [1, 0], [W]: [-1, 0] }), '53 cards in all, not 52: count North, East and West again.'],
    [BOARD, counted(BOARD, { [S]: [-1, -3], [E]: [1, 3] }), 'East has 14 cards and 3 points too many, South 12 and 3 too few: '
      + 'one of South\'s kings is in East\'s pocket. Tap East\'s cards first.'],
    [BOARD, counted(BOARD, { [W]: [-1, 0], [N]: [1, 0] }), 'North has 14 cards and West 12, the points right: one of West\'s '
      + 'small cards is in North\'s pocket. Tap North\'s cards first.'],
    [DISTINCT, counted(inPockets(DISTINCT, [S, E, N, W])), 'North\'s and South\'s hands are exchanged: exchange the two pockets.'],
    [DISTINCT, counted(inPockets(DISTINCT, [E, N, W, S])), 'North\'s and East\'s hands are exchanged, and South\'s and West\'s '
      + 'hands are exchanged: exchange each pair of pockets.'],
    [DISTINCT, counted(inPockets(DISTINCT, [S, N, E, W])), 'North\'s hand is in East\'s pocket, East\'s is in South\'s pocket, '
      + 'South\'s is in North\'s pocket: put each hand in its own pocket.'],
    [DISTINCT, counted(turn(DISTINCT, 1)), 'The board is turned: North\'s hand is in the East pocket. Move each hand one pocket anticlockwise.'],
    [HALF_TURN, counted(turn(HALF_TURN, 1)), 'The hands are in the wrong pockets, and the counts cannot tell which. Tap North\'s cards first.'],
    [BOARD, counted(BOARD, { [N]: [1, -2], [W]: [-1, 2] }), 'North has 1 card too many and 2 points too few; West has 1 card too few and 2 points too many. Tap North\'s cards first.'],
  ];
  for (const [hands, entries, expected] of rows) test(expected, () => assert.equal(blind(hands, entries), expected));
  test('another board', () => assert.equal(blind(BOARD, counted(STRONG), [{ deal: 6, hands: STRONG }]),
    'These are the hands of Board 7: deal this board again.'));
  test('suit lengths off, each part said once', () => {
    const hands = Uint8Array.from(EW_ALIKE);
    [hands[card('S2')], hands[card('H4')]] = [hands[card('H4')], hands[card('S2')]];
    assert.equal(blind(EW_ALIKE, withSuits(hands)), 'East has 1 spade too many and 1 heart too few; South has 1 spade '
      + 'too few and 1 heart too many. Tap East\'s cards first.');
  });
  test('every pocket blank; suits that do not add up; one suit counted', () => {
    assert.equal(blind(BOARD, counted(BOARD).map(() => ({ count: null, hcp: null }))), 'Count the cards of every pocket first.');
    assert.equal(blind(EW_ALIKE, withSuits(EW_ALIKE).map((e, seat) => (seat === W ? { ...e, clubs: 4 } : e))),
      'The suit lengths of West do not add up to the cards: count again.');
    assert.equal(blind(BOARD, withSuits(BOARD).map(({ count, spades }) => ({ count, spades }))),
      'The cards and suit lengths agree. East\'s and South\'s hands count alike: an exchange would not show. '
      + 'To be sure, tap the exact cards of three pockets.');
  });
  test('a card moved, known by its suit alone, or named outright', () => {
    const small = Uint8Array.from(BOARD);
    small[card('C4')] = N;
    const owner = en.seats[BOARD[card('C4')]];
    assert.equal(blind(BOARD, withSuits(small).map(({ hcp, ...rest }) => rest)),
      `One of ${owner}'s clubs is in North's pocket. Tap North's cards first.`);
    const ace = Uint8Array.from(BOARD);
    ace[card('SA')] = N;
    assert.equal(BOARD[card('SA')], E);
    assert.equal(blind(BOARD, withSuits(ace)), 'East\'s \u2660A is in North\'s pocket: move it to East.');
  });
  test('a card named by its suit and points', () => {
    const hands = Uint8Array.from(BOARD);
    hands[card('SK')] = E;
    assert.equal(blind(BOARD, withSuits(hands)), 'West\'s \u2660K is in East\'s pocket: move it to West.');
  });

  const exactRows = [
    [{ [E]: cardsOf(BOARD, E).filter((c) => c !== card('SQ')).concat(card('DK')) }, null,
      'East: \u2660Q missing; \u2666K too many. Move \u2666K from East to South. Next, tap South\'s cards.'],
    [{ [N]: cardsOf(BOARD, S), [S]: cardsOf(BOARD, N) }, null,
      'North\'s pocket holds South\'s hand. South\'s pocket holds North\'s hand. Exchange North\'s and South\'s pockets.'],
    [{ [E]: cardsOf(BOARD, W) }, null, 'East\'s pocket holds West\'s hand. Put the hand in East\'s pocket into West\'s. Next, tap West\'s cards.'],
    [{ [W]: cardsOf(BOARD, W) }, null, 'West holds its own cards. Next, tap North\'s cards.'],
    [{ [W]: cardsOf(BOARD, W), [N]: cardsOf(BOARD, N), [S]: cardsOf(BOARD, S) }, null,
      'Board 5 is right: three pockets hold their own cards, the fourth the rest.'],
  ];
  for (const [found, entries, expected] of exactRows) {
    test(expected, () => assert.equal(exactText(assess(BOARD, found, entries), en, 'Board 5'), expected));
  }
  test('cycles of hands in pockets', () => {
    assert.deepEqual([[S, E, N, W], [S, N, E, W], [E, S, W, N], [N, E, S, W]].map(cyclesOf), [[[N, S]], [[N, E, S]], [[N, W, S, E]], []]);
  });
});

describe('the record of a session', () => {
  // Boards 1 to 6, the session From 2 To 4 in two copies: deals 1 to 3.
  const sequence = makeSequence([1, 2, 3, 4, 5, 6], { from: '2', to: '4', copies: 2, order: 'board' });
  const cases = [
    ['nothing checked', [], { ok: 0, agree: 0, fault: 0, unchecked: 6 }, [0, 1, 2, 3, 4, 5], []],
    ['right, agreeing and faulty', [['1:1', 'ok'], ['1:2', 'fault'], ['3:2', 'agree']], { ok: 1, agree: 1, fault: 1, unchecked: 3 },
      [2, 3, 4], [1]],
    // Checks kept of boards and copies outside this session do not count.
    ['others kept beside it', [['0:1', 'ok'], ['4:1', 'fault'], ['2:3', 'ok'], ['2:1', 'ok'], ['3:1', 'fault']],
      { ok: 1, agree: 0, fault: 1, unchecked: 4 }, [0, 1, 3, 5], [4]],
    ['all of it', ['1:1', '1:2', '2:1', '2:2', '3:1', '3:2'].map((key) => [key, 'ok']),
      { ok: 6, agree: 0, fault: 0, unchecked: 0 }, [], []],
  ];
  for (const [name, checks, summary, unchecked, faulty] of cases) {
    test(name, () => {
      const kept = new Map(checks);
      assert.deepEqual(summarize(sequence, kept), summary);
      assert.deepEqual(positionsWith(sequence, kept, [''], 3), unchecked.slice(0, 3));
      assert.deepEqual(positionsWith(sequence, kept, [''], 10), unchecked);
      assert.deepEqual(positionsWith(sequence, kept, ['fault'], 10), faulty);
    });
  }
  test('counts that agree never undo cards found in place', () => {
    assert.deepEqual([['ok', 'agree'], ['ok', 'fault'], ['agree', 'ok'], [undefined, 'agree'], ['fault', 'agree']]
      .map(([before, verdict]) => recorded(before, verdict)), ['ok', 'fault', 'ok', 'agree', 'agree']);
  });
});
