// The session as plain data: which deals are dealt in what order, where
// dealing stands on each board, and how a step moves it. No page, no
// storage: every function here takes what it needs and returns its answer.
import { CARDS, HANDS, NO_HAND, SEATS } from './cards.js';

// A board's place: no card yet, a card 0 to 51, or every card dealt.
export const NOT_STARTED = -1;
export const DONE = CARDS;
export const MAX_COPIES = 9;

// The 16-board cycle every set of boards follows, by board number.
export const VULNERABILITIES = ['None', 'NS', 'EW', 'All'];
const CYCLE = [0, 1, 2, 3, 1, 2, 3, 0, 2, 3, 0, 1, 3, 0, 1, 2];
const cycle = (number, length) => (((number - 1) % length) + length) % length;

// The dealer's seat letter and the vulnerability of a board: what the file
// says (0 to 3, or -1 where it says nothing), otherwise what the cycle
// gives its number. A board without a number (0) has neither from the cycle.
export function boardMarks(number, dealer = -1, vulnerability = -1) {
  const fromCycle = number !== 0;
  return {
    dealer: dealer >= 0 ? SEATS[dealer] : fromCycle ? SEATS[cycle(number, HANDS)] : '',
    vulnerability: vulnerability >= 0 ? VULNERABILITIES[vulnerability]
      : fromCycle ? VULNERABILITIES[CYCLE[cycle(number, CYCLE.length)]] : '',
  };
}

// The deals From to To: from the first deal numbered From, to the first
// deal numbered To after it. A number not found is a problem to tell, and
// the range runs from the first or to the last deal instead.
export function rangeOf(numbers, from, to) {
  const problems = [];
  let first = 0;
  let last = numbers.length - 1;
  if (from !== '') {
    first = numbers.indexOf(Number(from));
    if (first < 0) {
      problems.push({ missing: 'from', number: from });
      first = 0;
    }
  }
  if (to !== '') {
    last = numbers.indexOf(Number(to), first);
    if (last < 0) {
      problems.push({ missing: 'to', number: to, after: numbers[first] });
      last = numbers.length - 1;
    }
  }
  return { first, last, problems };
}

// What is dealt, in order: each board From to To in each copy, a board's
// copies in a row ("board") or the whole range once per copy ("set").
// deals[i] is the deal of entry i, copies[i] its copy from 1; copyCount
// the copies of each board.
export function makeSequence(numbers, { from, to, copies, order }) {
  const { first, last, problems } = numbers.length === 0 ? { first: 0, last: -1, problems: [] }
    : rangeOf(numbers, from, to);
  const boards = Math.max(0, last - first + 1);
  const length = boards * copies;
  const deals = new Int32Array(length);
  const copyOf = new Uint8Array(length);
  for (let i = 0; i < length; ++i) {
    const bySet = order === 'set';
    deals[i] = first + (bySet ? i % boards : Math.floor(i / copies));
    copyOf[i] = 1 + (bySet ? Math.floor(i / boards) : i % copies);
  }
  return { deals, copies: copyOf, copyCount: copies, length, first, last, problems };
}

// The most boards one print holds, or one analysis of a session: a whole
// file of 100,000 deals made 10,000 pages, 38 s of a stopped page before
// the browser even laid them out; 64 boards take some tens of milliseconds.
export const MAX_PRINT_BOARDS = 64;

// The boards in the session's range, each counted once.
export const rangeBoards = (sequence) => (sequence === null || sequence.length === 0 ? 0
  : sequence.last - sequence.first + 1);

// An entry's name, in the state and on the device: its deal and its copy,
// "5:1". keyOf makes it, entryOf reads it back ({ deal, copy }).
export const keyOf = (deal, copy) => `${deal}:${copy}`;
export function entryOf(key) {
  const [deal, copy] = key.split(':').map(Number);
  return { deal, copy };
}
export const entryKey = (sequence, position) => keyOf(sequence.deals[position], sequence.copies[position]);

// The entry with that key, or -1.
export function positionOf(sequence, key) {
  for (let i = 0; i < sequence.length; ++i) if (entryKey(sequence, i) === key) return i;
  return -1;
}

// The next entry after position (round to the start) whose deal has that
// board number, so that the same number in several sets is reached in
// turn; -1 when none has it.
export function findBoard(sequence, numbers, number, position) {
  for (let k = 1; k <= sequence.length; ++k) {
    const i = (position + k) % sequence.length;
    if (numbers[sequence.deals[i]] === number) return i;
  }
  return -1;
}

// Copies as typed: a whole number from 1 to MAX_COPIES (a field left blank
// is one copy), and whether more were asked for than are dealt.
export function clampCopies(text) {
  const value = Math.round(Number(text));
  if (!Number.isFinite(value) || value < 1) return { copies: 1, clamped: false };
  return { copies: Math.min(MAX_COPIES, value), clamped: value > MAX_COPIES };
}

// The pack sorted gives the ace of spades first; turned over, the two of
// clubs.
export const packEnds = (reversed) => (reversed
  ? { first: CARDS - 1, last: 0, along: -1 } : { first: 0, last: CARDS - 1, along: 1 });

// Cards from card on, in pack order, that go to the same hand as card: one
// step when runs are on.
export function runLength(hands, card, reversed) {
  const { along } = packEnds(reversed);
  let length = 1;
  for (let next = card + along; next >= 0 && next < CARDS && hands[next] === hands[card]; next += along) ++length;
  return length;
}

// The first card of the run that ends with card.
function runStart(hands, card, reversed) {
  const { along } = packEnds(reversed);
  let start = card;
  for (let before = card - along; before >= 0 && before < CARDS && hands[before] === hands[card]; before -= along) {
    start = before;
  }
  return start;
}

// One step on (+1) or back (-1) from { position, cursor }. board: the
// sequence's length, the hands of the deal at position, the pack order and
// whether runs of one hand are one step. After the last card the board is
// done; the step after that is the next board's first card. Returns the new
// place, or null where there is no step to take.
export function step(place, direction, { length, hands, reversed, runs }) {
  const { position, cursor } = place;
  const { first, last, along } = packEnds(reversed);
  const start = (card) => (runs ? runStart(hands, card, reversed) : card);
  if (direction > 0) {
    if (cursor === DONE) return position + 1 < length ? { position: position + 1, cursor: first } : null;
    if (cursor === NOT_STARTED) return { position, cursor: first };
    const next = cursor + along * (runs ? runLength(hands, cursor, reversed) : 1);
    return { position, cursor: next < 0 || next >= CARDS ? DONE : next };
  }
  if (cursor === NOT_STARTED) return position > 0 ? { position: position - 1, cursor: DONE } : null;
  if (cursor === DONE) return { position, cursor: start(last) };
  return { position, cursor: cursor === first ? NOT_STARTED : start(cursor - along) };
}

// The card on top of each pocket, North to West, before the card at cursor
// is placed: the last one dealt to it so far in pack order, -1 for a pocket
// still empty.
export function pocketTops(hands, cursor, reversed) {
  const tops = [-1, -1, -1, -1];
  if (cursor === NOT_STARTED) return tops;
  const { first, along } = packEnds(reversed);
  for (let card = first; card !== cursor && card >= 0 && card < CARDS; card += along) {
    if (hands[card] !== NO_HAND) tops[hands[card]] = card;
  }
  return tops;
}
