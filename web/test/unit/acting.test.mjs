// The state's own functions as the app calls them: dealing, the check as the
// director works it, a run of the core, and what is kept for a file.
import assert from 'node:assert/strict';
import { describe, test } from 'node:test';
import { Deals } from '../../src/core.js';
import { createState } from '../../src/state.js';
import { DONE, NOT_STARTED, makeSequence } from '../../src/session.js';
import { measure } from '../../src/cards.js';
import * as dealing from '../../src/dealing.js';
import * as checking from '../../src/checking.js';
import {
  endRun, failRun, startRun, takeDeals, takeKey,
} from '../../src/reading.js';
import {
  analysesRecord, placeRecord, restoreAnalyses, restorePlace,
} from '../../src/keeping.js';
import {
  boardLabel, boardRef, cardName, dealerText, handName, marksOf, strainLabel, vulnerabilityText,
} from '../../src/names.js';
import en from '../../src/lang/en.js';

// count deals numbered from 1 (0 for those in unnumbered), board n holding
// card c in hand (c + n) % 4: every hand 13 cards.
function dealsOf(count, { unnumbered = [] } = {}) {
  const deals = new Deals();
  deals.append({
    numbers: Int32Array.from({ length: count }, (_, i) => (unnumbered.includes(i) ? 0 : i + 1)),
    hands: new Uint8Array(count * 52).map((_, i) => (i % 52 + Math.floor(i / 52)) % 4),
    dealers: new Int8Array(count).fill(-1), vulnerabilities: new Int8Array(count).fill(-1),
  });
  return deals;
}
function dealt(count, session = {}) {
  const state = createState();
  state.file = { key: 'K', name: 'a.pbn' };
  state.deals = dealsOf(count);
  state.session = { ...state.session, ...session };
  dealing.resequence(state, null);
  return state;
}
const counts = (hands) => measure(hands).map(({ count, hcp }) => ({ count, hcp }));

describe('dealing', () => {
  test('nothing dealt: no step, no board', () => {
    const state = createState();
    assert.deepEqual([dealing.stepBy(state, 1), dealing.goTo(state, 1), dealing.goToBoard(state, 1), dealing.select(state, 3),
      dealing.everyBoardDone(state), dealing.keyAt(state)], [false, false, false, false, false, null]);
  });
  test('steps, boards and a card made current, each clearing the notes of a step', () => {
    const state = dealt(3);
    Object.assign(state.notes, { resumed: '0:1', noBoard: 9, homeScreenNote: true });
    assert.equal(dealing.stepBy(state, -1), false);
    assert.equal(dealing.stepBy(state, 1), true);
    assert.deepEqual([state.cursors.get('0:1'), state.notes.resumed, state.notes.noBoard, state.notes.homeScreenNote],
      [0, null, null, false]);
    state.check = { key: '0:1' };
    assert.deepEqual([dealing.goTo(state, 0), dealing.goTo(state, 7), state.position, state.check], [false, true, 2, null]);
    assert.deepEqual([dealing.goToBoard(state, 1), state.position, dealing.goToBoard(state, 4)], [true, 0, false]);
    assert.deepEqual([dealing.select(state, 30), dealing.cursorAt(state)], [true, 30]);
    dealing.stepBy(state, -1);
    assert.deepEqual([...state.cursors], [['0:1', 29]]);
    dealing.setPlace(state, 0, NOT_STARTED);
    assert.equal(state.cursors.has('0:1'), false);
  });
  test('every board done, in every copy', () => {
    const state = dealt(2, { copies: 2 });
    for (const key of ['0:1', '0:2', '1:1']) state.cursors.set(key, DONE);
    assert.equal(dealing.everyBoardDone(state), false);
    state.cursors.set('1:2', DONE);
    assert.equal(dealing.everyBoardDone(state), true);
    state.settings = { ...state.settings, pack: 'reversed' };
    assert.equal(dealing.firstCard(state), 51);
  });
});

describe('the check as the director works it', () => {
  test('nothing dealt, nothing open: no check to change', () => {
    const state = createState();
    for (const act of [checking.toggleCheck, checking.closeCheck, checking.redeal, checking.toggleTops, checking.verifyCheck,
      checking.toggleExact]) assert.equal(act(state), false, act.name);
    assert.equal(checking.setCheckEntry(state, 0, 'count', 13), false);
    assert.equal(checking.toggleFound(dealt(1), 3), false);
  });

  test('opened, typed in, closed and opened again: what was typed is there', () => {
    const state = dealt(2);
    assert.equal(checking.toggleCheck(state), true);
    assert.deepEqual([state.check.key, state.check.seat, state.check.exact, state.check.entries[2]],
      ['0:1', 0, false, { count: null, hcp: null, spades: null, hearts: null, diamonds: null, clubs: null }]);
    checking.setCheckEntry(state, 2, 'hcp', 9);
    assert.equal(checking.toggleCheck(state), true);
    assert.equal(state.check, null);
    checking.toggleCheck(state);
    assert.equal(state.check.entries[2].hcp, 9);
    dealing.goTo(state, 1);
    assert.equal(checking.setCheckEntry(state, 2, 'hcp', 1), false, 'the check stays with its board');
  });

  test('the blind check recorded, the pocket to tap first shown; counts that agree kept apart from right', () => {
    const state = dealt(2);
    checking.toggleCheck(state);
    checking.verifyCheck(state);
    assert.deepEqual([state.check.result.verdict, state.checks.size], ['incomplete', 0]);
    const hands = dealing.handsAt(state);
    counts(hands).forEach(({ count, hcp }, seat) => Object.assign(state.check.entries[seat], { count, hcp }));
    checking.verifyCheck(state);
    assert.equal(state.checks.get('0:1'), 'agree');
    // West's small club in East's pocket: East is the pocket to tap first.
    const moved = Uint8Array.from(hands);
    moved[50] = 1;
    assert.equal(hands[50], 2);
    state.check.entries = counts(moved);
    checking.verifyCheck(state);
    assert.deepEqual([state.check.result.kind, state.check.seat, state.checks.get('0:1')], ['moved', 1, 'fault']);
  });

  test('what a finding asks to tap first becomes the pocket shown; another board\'s hands are named', () => {
    const state = dealt(3);
    // Board 3's hands are the suits whole: no turn of board 1 counts so.
    state.deals.handsOf(2).set(Uint8Array.from({ length: 52 }, (_, card) => Math.floor(card / 13)));
    assert.equal(checking.toggleCheck(state), true);
    const hands = dealing.handsAt(state);
    const cases = [
      // Two cards too many in South's pocket, two too few in North's.
      [counts(hands).map((e, seat) => ({ ...e, count: e.count + [-2, 0, 2, 0][seat] })), 'differs', 2],
      // North's one ace in East's pocket: named, nothing to tap.
      [counts(hands).map((e, seat) => ({ count: e.count + [-1, 1, 0, 0][seat], hcp: e.hcp + [-4, 4, 0, 0][seat] })), 'moved', 2],
      // By cards alone the card is not known: East's pocket first.
      [counts(hands).map((e, seat) => ({ count: e.count + [-1, 1, 0, 0][seat] })), 'moved', 1],
      [measure(state.deals.handsOf(2)), 'other', 1],
    ];
    for (const [entries, kind, seat] of cases) {
      state.check.entries = entries;
      assert.equal(checking.verifyCheck(state), true);
      assert.deepEqual([state.check.result.kind, state.check.seat], [kind, seat], kind);
    }
    assert.equal(state.check.result.deal, 2);
    assert.deepEqual([checking.closeCheck(state), checking.closeCheck(state)], [true, false]);
  });

  test('the exact check: cards tapped and untapped, three pockets right prove the board', () => {
    const state = dealt(1);
    checking.toggleCheck(state);
    assert.equal(checking.toggleFound(state, 5), false, 'only while the grid shows');
    checking.toggleExact(state);
    const hands = dealing.handsAt(state);
    const cardsOf = (seat) => [...hands.keys()].filter((card) => hands[card] === seat);
    for (const card of [...cardsOf(0), 1]) checking.toggleFound(state, card);
    checking.toggleFound(state, 1);
    assert.deepEqual(state.check.found[0], cardsOf(0));
    checking.verifyCheck(state);
    assert.deepEqual([state.check.assessment.verdict, state.checks.size, state.check.seat], ['open', 0, 1]);
    for (const seat of [1, 2]) {
      checking.setCheckSeat(state, seat);
      assert.equal(state.check.assessment, null);
      for (const card of cardsOf(seat)) checking.toggleFound(state, card);
      checking.verifyCheck(state);
    }
    assert.deepEqual([state.check.assessment.verdict, state.checks.get('0:1'), state.check.seat], ['ok', 'ok', 2]);
    // A pocket checked with nothing tapped is an empty pocket.
    checking.setCheckSeat(state, 3);
    checking.verifyCheck(state);
    assert.deepEqual([state.check.found[3], state.checks.get('0:1')], [[], 'fault']);
  });

  test('dealt again: the board back to its first card, its record and what was typed gone', () => {
    const state = dealt(2);
    state.settings = { ...state.settings, pack: 'reversed' };
    checking.toggleCheck(state);
    state.checks.set('0:1', 'fault');
    state.checks.set('1:1', 'ok');
    assert.equal(checking.redeal(state), true);
    assert.deepEqual([state.check, state.checks.has('0:1'), state.drafts.has('0:1'), state.checks.get('1:1'), state.cursors.get('0:1')],
      [null, false, false, 'ok', 51]);
    assert.deepEqual([checking.toggleTops(state), state.showTops, checking.toggleTops(state), state.showTops], [true, true, true, false]);
  });
});

describe('a run of the core', () => {
  const result = (deals, exit, diagnostics = []) => ({
    deals, exit, diagnostics, console: 'c', lines: [0], output: 'o',
  });
  test('its deals show once the entry wanted is read; the news of an older run dropped', () => {
    const state = createState();
    state.file = { name: 'a.pbn', key: null };
    const id = startRun(state, 'NESW');
    assert.deepEqual([state.run.reading, state.run.symbols, state.run.keyKnown], [true, null, false]);
    assert.equal(takeDeals(state, id, dealsOf(3), []), false, 'not before the key');
    takeKey(state, id, 'K', { session: { from: '', to: '', copies: 1, order: 'board' }, at: '2:1', cursors: {}, checks: {} });
    takeKey(state, id, 'L', null);
    assert.deepEqual([state.file.key, state.wanted, state.notes.resumed], ['K', '2:1', '2:1']);
    // The core's deals grow while it reads.
    const growing = dealsOf(2);
    const grow = () => growing.append({
      numbers: [growing.length + 1], hands: dealsOf(1).hands, dealers: [-1], vulnerabilities: [-1],
    });
    assert.equal(takeDeals(state, id, growing, [{ text: 'w', after: 0 }]), false);
    grow();
    assert.equal(takeDeals(state, id, growing, []), true);
    assert.deepEqual([state.position, state.run.boardsRead, state.run.symbols.join(''), state.folded, state.wanted,
      state.run.warnings.length], [2, 3, 'NESW', true, null, 1]);
    grow();
    assert.equal(takeDeals(state, id, growing, []), false);
    assert.equal(state.sequence.length, 4);
    grow();
    assert.equal(takeDeals(state, id - 1, growing, []), false);
    assert.equal(state.sequence.length, 4);
    // Another run of the same file keeps the deals and the place shown.
    const again = startRun(state, 'TRDL');
    assert.deepEqual([state.sequence.length, state.run.symbols.join(''), state.wanted, state.run.keyKnown], [4, 'NESW', '2:1', true]);
    assert.equal(endRun(state, id, result(dealsOf(4), 0)), false);
    assert.equal(endRun(state, again, result(dealsOf(4), 0)), true);
    assert.deepEqual([state.position, state.run.symbols.join(''), state.notes.resumed], [2, 'TRDL', '2:1']);
  });
  test('the end: warnings between boards, and why a failed run stopped', () => {
    const state = createState();
    state.file = { name: 'a.pbn', key: 'K' };
    const diagnostics = [{ text: 'before', after: -1 }, { text: 'between', after: 0 }, { text: 'stop', after: 1 }];
    let id = startRun(state, 'TRDL');
    endRun(state, id, result(dealsOf(2), 0, diagnostics));
    assert.deepEqual([state.run.end.warnings.length, state.run.end.stop, state.run.reading], [3, [], false]);
    id = startRun(state, 'TRDL');
    state.folded = false;
    endRun(state, id, result(dealsOf(2), 1, diagnostics));
    // The board shows, the settings folded over it, what a run stopped at beside it.
    assert.deepEqual([state.run.end.warnings.map((d) => d.text), state.run.end.stop, state.folded], [['before', 'between'], ['stop'], true]);
    state.file = { name: 'b.pbn', key: null };
    id = startRun(state, 'TRDL');
    assert.equal(state.deals, null);
    assert.equal(endRun(state, id, result(dealsOf(0), 1, [{ text: 'no deals found.\n', after: -1 }])), false);
    assert.deepEqual([state.folded, state.run.end.stop], [false, ['no deals found.\n']]);
    failRun(state, id - 1, 'old');
    failRun(state, id, 'gone');
    assert.deepEqual([state.run.broken, state.run.reading], ['gone', false]);
  });
});

describe('what is kept for a file', () => {
  test('the place: nothing to keep without the content key or deals; a fresh start without a record', () => {
    const state = dealt(2);
    state.cursors.set('1:1', 4);
    state.drafts.set('1:1', { entries: [], found: {} });
    assert.deepEqual(placeRecord(state), {
      session: state.session, at: '0:1', cursors: { '1:1': 4 }, checks: {}, drafts: { '1:1': { entries: [], found: {} } },
    });
    assert.equal(placeRecord(createState()), null);
    state.file.key = null;
    assert.equal(placeRecord(state), null);
    restorePlace(state, null);
    assert.deepEqual([state.session.copies, state.cursors.size, state.drafts.size, state.wanted, state.notes.resumed], [1, 0, 0, null, null]);
  });
  test('the analyses: the solver\'s records only', () => {
    const state = createState();
    state.analyses = new Map([[0, { tricks: [] }], [1, 'not-a-deal'], [2, { error: 'x' }]]);
    assert.deepEqual(analysesRecord(state), { 0: { tricks: [] } });
    restoreAnalyses(state, { 5: { tricks: [1] } });
    assert.deepEqual([...state.analyses], [[5, { tricks: [1] }]]);
  });
});

test('names of boards, cards, hands and marks', () => {
  const deals = dealsOf(3, { unnumbered: [1] });
  assert.deepEqual([boardLabel(deals, 0, en), boardLabel(deals, 1, en), boardRef(deals, 2, en), boardRef(deals, 1, en)],
    ['Board 1', 'deal 2', 'board 3', 'deal 2']);
  assert.deepEqual([marksOf(deals, 2), marksOf(deals, 1)], [{ dealer: 'S', vulnerability: 'EW' }, { dealer: '', vulnerability: '' }]);
  assert.deepEqual([dealerText(marksOf(deals, 2), en), vulnerabilityText(marksOf(deals, 2), en), dealerText(marksOf(deals, 1), en),
    vulnerabilityText(marksOf(deals, 1), en)], ['Dealer S', 'Vul EW', '', '']);
  assert.deepEqual([cardName(14, en), handName(4, en), handName(3, en), strainLabel(0, en), strainLabel(4, en)],
    ['king of hearts', 'no hand', 'West', 'NT', '\u2663']);
});
