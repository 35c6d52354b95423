// The board check after dealing by hand. The page knows every hand of every
// board, so the director need only count each pocket's cards and points (the
// blind check) or, where that shows a fault, type the cards of a pocket (the
// exact check); these functions say what went wrong. Pure functions of plain
// data: the page draws, stores and translates; sentences come from a words
// table so that another language only supplies its own table.
import { CARDS, HANDS, handSummary, pointsOf, rankOf, suitOf } from './cards.js';
import english from './lang/en.js';

const FULL_HAND = CARDS / HANDS;
const SEATS = Array.from({ length: HANDS }, (_, seat) => seat);
// Turned by none of the seats is the board itself, no fault.
const TURNS = SEATS.slice(1);

// A blank field reaches us as null; a page that parses text may give NaN.
const blank = (value) => !Number.isFinite(value);
const same = (a, b) => a.count === b.count && a.hcp === b.hcp;
const sameAll = (entries, summary) => SEATS.every((seat) => same(entries[seat], summary[seat]));
// Turned by k clockwise, seat s's hand lies in pocket s + k.
const turned = (summary, k) => SEATS.map((pocket) => summary[(pocket - k + HANDS) % HANDS]);
const byCard = (a, b) => a - b;

// One card in the wrong pocket, the commonest slip: that pocket has 14
// cards and the card's points too many, its owner's 12 and as many too few,
// and the owner really holds a card of that value. differ holds the two
// seats that differ from the board.
function movedCard(hands, entries, differ) {
  if (differ.length !== 2) return null;
  const long = differ.find(({ seat }) => entries[seat].count === FULL_HAND + 1);
  const short = differ.find(({ seat }) => entries[seat].count === FULL_HAND - 1);
  if (long === undefined || short === undefined || long.points !== -short.points) return null;
  // The points name a rank, not a card: one card of that value is proof enough.
  for (let card = 0; card < CARDS; ++card) {
    if (hands[card] === short.seat && pointsOf(card) === long.points) {
      return { from: short.seat, to: long.seat, points: long.points };
    }
  }
  return null;
}

// hands: the board's 52 hand codes. entries: for N E S W, { count, hcp } as
// counted, null where a field is blank. others: [{ label, hands }], every
// other deal of the session once. The result names the likeliest fault:
// a slip of one card before a board turned round, before the hands of
// another board, before a plain list of what differs.
export function blindCheck(hands, entries, others = []) {
  const unfilled = SEATS.filter((seat) => blank(entries[seat].count) || blank(entries[seat].hcp));
  if (unfilled.length > 0) return { verdict: 'incomplete', seats: unfilled };
  const summary = handSummary(hands);
  const differ = SEATS.filter((seat) => !same(entries[seat], summary[seat])).map((seat) => ({
    seat, cards: entries[seat].count - summary[seat].count, points: entries[seat].hcp - summary[seat].hcp,
  }));
  if (differ.length === 0) return { verdict: 'ok' };
  const moved = movedCard(hands, entries, differ);
  if (moved !== null) return { verdict: 'fault', kind: 'moved', ...moved };
  // A turned board keeps 13 cards in every pocket, which sameAll checks too.
  const by = TURNS.find((k) => sameAll(entries, turned(summary, k)));
  if (by !== undefined) return { verdict: 'fault', kind: 'turned', by };
  for (const other of others) {
    if (sameAll(entries, handSummary(other.hands))) return { verdict: 'fault', kind: 'other', label: other.label };
  }
  return { verdict: 'fault', kind: 'differs', seats: differ };
}

// How the session stands: of its entries (board and copy), how many are
// right, faulty and not checked. checks maps "deal:copy" to 'ok' or
// 'fault', for this session and others kept with it; only the checks is
// walked, so a step of a 100,000-board session stays quick.
export function summarize(sequence, checks) {
  const summary = { ok: 0, fault: 0, unchecked: sequence.length };
  for (const [key, verdict] of checks) {
    const [deal, copy] = key.split(':').map(Number);
    if (deal < sequence.first || deal > sequence.last || copy > sequence.copyCount) continue;
    if (verdict === 'ok') ++summary.ok;
    else if (verdict === 'fault') ++summary.fault;
    else continue;
    --summary.unchecked;
  }
  return summary;
}

// The positions of the entries not checked, in order, at most limit of them.
export function uncheckedPositions(sequence, checks, limit) {
  const positions = [];
  for (let i = 0; i < sequence.length && positions.length < limit; ++i) {
    if (!checks.has(`${sequence.deals[i]}:${sequence.copies[i]}`)) positions.push(i);
  }
  return positions;
}

// found: the cards the director found in seat's pocket (array or Set).
// Both lists come in pack order, the order the director sorts them in.
export function exactCheck(hands, seat, found) {
  const inPocket = new Set(found);
  const missing = [];
  const extra = [];
  for (let card = 0; card < CARDS; ++card) {
    const owned = hands[card] === seat;
    if (owned && !inPocket.has(card)) missing.push(card);
    if (!owned && inPocket.has(card)) extra.push(card);
  }
  return { seat, missing, extra };
}

// exact: seat -> found cards (a Map, or an object keyed by seat) for every
// pocket typed in so far. Once the cards out of place are exactly the cards
// the typed pockets miss, each found once, every one has a known way home:
// the list of { card, from: pocket, to: owner } in pack order. Before that,
// null: a missing card may still sit in a pocket not typed yet.
export function moves(hands, exact) {
  const pockets = exact instanceof Map ? [...exact] : Object.entries(exact);
  const checks = pockets.map(([seat, found]) => exactCheck(hands, Number(seat), found));
  const lost = checks.flatMap((check) => check.missing).sort(byCard);
  const list = checks.flatMap((check) => check.extra.map((card) => ({ card, from: check.seat, to: hands[card] })))
    .sort((a, b) => byCard(a.card, b.card));
  const complete = list.length === lost.length && list.every((move, i) => move.card === lost[i]);
  return complete ? list : null;
}

// The card as the page's panel names it: suit symbol, then rank.
const cardName = (card, words) => words.suits[suitOf(card)] + words.ranks[rankOf(card)];

// label: what the page calls this board, e.g. 'Board 5'.
export function describeCheck(result, words, label) {
  if (result.verdict === 'incomplete') return words.incomplete(result.seats);
  if (result.verdict === 'ok') return words.ok(label);
  return words[result.kind](result);
}

export function describeExact(result, words) {
  const names = (cards) => cards.map((card) => cardName(card, words));
  return words.exact(result.seat, names(result.missing), names(result.extra));
}

// list: what moves() gives, once complete.
export function describeMoves(list, words) {
  return words.moves(list.map(({ card, from, to }) => ({ card: cardName(card, words), from, to })));
}

// The English sentences; every language's are in its words table (lang/).
export const CHECK_WORDS_EN = english.check;
