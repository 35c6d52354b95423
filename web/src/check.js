// The board check after dealing by hand. The page knows every hand of every
// board, so the director need only count each pocket (the blind check) or,
// to be sure, tap the cards of a pocket (the exact check); these functions
// say what the counts and cards show, and no more. Pure functions of plain
// data: they return what was found and what to do next, and the page says
// it in the director's language.
import {
  CARDS, HANDS, SEATS as SEAT_LETTERS, SUIT_FIELDS, measure, pointsOf, suitOf,
} from './cards.js';
import { entryKey, entryOf } from './session.js';

// What a pocket may be counted by, in the order its fields stand.
export const MEASURES = ['count', 'hcp', ...SUIT_FIELDS];
// Three pockets found to hold their own cards prove a board: the fourth
// then holds the rest.
export const PROOF_POCKETS = 3;

const SEATS = SEAT_LETTERS.map((_, seat) => seat);
const given = (value) => Number.isFinite(value);
const byCard = (a, b) => a - b;

// A pocket's cards left blank but its four suits counted: their sum.
function withCount(entry) {
  if (given(entry.count) || !SUIT_FIELDS.every((suit) => given(entry[suit]))) return entry;
  return { ...entry, count: SUIT_FIELDS.reduce((sum, suit) => sum + entry[suit], 0) };
}

const total = (pockets, field) => pockets.reduce((sum, pocket) => sum + pocket[field], 0);

// Every order of the four hands in the four pockets but the right one:
// holds[pocket] is the seat whose hand lies in that pocket.
function otherOrders() {
  const orders = [];
  const place = (prefix) => {
    if (prefix.length === HANDS) {
      if (prefix.some((seat, pocket) => seat !== pocket)) orders.push(prefix);
      return;
    }
    for (const seat of SEATS) if (!prefix.includes(seat)) place([...prefix, seat]);
  };
  place([]);
  return orders;
}
export const WRONG_ORDERS = otherOrders();

// The turn that holds gives, 1 to 3 seats clockwise (North's hand in the
// East pocket is 1), or 0 when the hands are mixed up otherwise.
export function turnOf(holds) {
  const by = (HANDS - holds[0]) % HANDS;
  return by !== 0 && holds.every((seat, pocket) => (pocket - seat + HANDS) % HANDS === by) ? by : 0;
}

const fixedPockets = (holds) => holds.filter((seat, pocket) => seat === pocket).length;

// One card in the wrong pocket, the commonest slip: one pocket has a card
// too many and another one too few, the points (and suits, where counted)
// moved with it, and the owner really holds such a card. The card itself
// is named where the counts leave only one.
function movedCard(hands, used, differ) {
  if (differ.length !== 2) return null;
  const long = differ.find(({ off }) => off.count === 1);
  const short = differ.find(({ off }) => off.count === -1);
  if (long === undefined || short === undefined) return null;
  const points = used.includes('hcp') ? long.off.hcp : null;
  if (points !== null && short.off.hcp !== -points) return null;
  let suit = -1;
  for (const [index, field] of SUIT_FIELDS.entries()) {
    if (!used.includes(field)) continue;
    const [up, down] = [long.off[field], short.off[field]];
    if (up !== -down || (up !== 0 && up !== 1)) return null;
    if (up === 1) suit = index;
  }
  if (used.some((field) => SUIT_FIELDS.includes(field)) && suit < 0) return null;
  const candidates = [];
  for (let card = 0; card < CARDS; ++card) {
    if (hands[card] !== short.seat) continue;
    if (points !== null && pointsOf(card) !== points) continue;
    if (suit >= 0 && suitOf(card) !== suit) continue;
    candidates.push(card);
  }
  if (candidates.length === 0) return null;
  return {
    kind: 'moved', from: short.seat, to: long.seat, points, suit, card: candidates.length === 1 ? candidates[0] : -1,
  };
}

// The pocket to tap first: the one with the most cards too many, else the
// most points off.
function firstToTap(differ) {
  let best = differ[0];
  for (const seat of differ) {
    const [a, b] = [seat.off, best.off];
    if ((a.count ?? 0) > (b.count ?? 0)
      || ((a.count ?? 0) === (b.count ?? 0) && Math.abs(a.hcp ?? 0) > Math.abs(b.hcp ?? 0))) best = seat;
  }
  return best.seat;
}

// hands: the board's 52 hand codes. entries: for N E S W what the director
// counted, { count, hcp, spades, hearts, diamonds, clubs }, each a number
// or null where left blank; a pocket's cards may be left to its suits.
// Whatever is counted in every pocket is judged, and only that (judged).
// others: [{ deal, hands }], every other deal of the session once.
//
// The answer's verdict:
//   'incomplete': seats must be filled in as the others are;
//   'recount': the totals cannot be (seats: count these again; field: what);
//   'agree': everything counted agrees with the board (alike: pairs of
//     seats whose hands count alike, so that an exchange would not show);
//   'fault', with kind 'moved' (one card in the wrong pocket), 'turned'
//     (by seats), 'swapped' (holds: whose hand each pocket has; sure: no
//     other order counts the same), 'other' (another deal's hands), or
//     'differs' (seats: [{ seat, off }], first: the pocket to tap first).
export function blindCheck(hands, entries, others = []) {
  const pockets = entries.map(withCount);
  const used = MEASURES.filter((field) => pockets.some((pocket) => given(pocket[field])));
  if (!used.includes('count')) return { verdict: 'incomplete', seats: SEATS.filter((s) => !given(pockets[s].count)) };
  const unfilled = SEATS.filter((seat) => used.some((field) => !given(pockets[seat][field])));
  if (unfilled.length > 0) return { verdict: 'incomplete', seats: unfilled };

  const board = measure(hands);
  const judged = used;
  // A pocket whose suits do not add up to its cards was miscounted.
  const suitsUsed = SUIT_FIELDS.every((field) => used.includes(field));
  const unsummed = suitsUsed ? SEATS.filter((seat) => given(entries[seat].count)
    && SUIT_FIELDS.reduce((sum, field) => sum + pockets[seat][field], 0) !== pockets[seat].count) : [];
  if (unsummed.length > 0) return { verdict: 'recount', seats: unsummed, field: 'suits', judged };
  // Totals the pack cannot have: 51 cards, 39 points, a suit of 12.
  for (const field of used) {
    if (total(pockets, field) === total(board, field)) continue;
    const seats = SEATS.filter((seat) => pockets[seat][field] !== board[seat][field]);
    return {
      verdict: 'recount', seats, field, counted: total(pockets, field), expected: total(board, field), judged,
    };
  }

  const sameAs = (pocket, seat) => used.every((field) => pockets[pocket][field] === board[seat][field]);
  if (SEATS.every((seat) => sameAs(seat, seat))) {
    const alike = [];
    for (const a of SEATS) {
      for (const b of SEATS) if (a < b && used.every((field) => board[a][field] === board[b][field])) alike.push([a, b]);
    }
    return { verdict: 'agree', judged, alike };
  }
  const differ = SEATS.filter((seat) => !sameAs(seat, seat)).map((seat) => ({
    seat, off: Object.fromEntries(used.map((field) => [field, pockets[seat][field] - board[seat][field]])),
  }));
  const moved = movedCard(hands, used, differ);
  if (moved !== null) return { verdict: 'fault', judged, ...moved };

  const orders = WRONG_ORDERS.filter((holds) => holds.every((seat, pocket) => sameAs(pocket, seat)));
  if (orders.length > 0) {
    const most = Math.max(...orders.map(fixedPockets));
    const best = orders.filter((holds) => fixedPockets(holds) === most);
    const turn = turnOf(best[0]);
    if (best.length === 1 && turn !== 0) return { verdict: 'fault', kind: 'turned', by: turn, judged };
    return {
      verdict: 'fault', kind: 'swapped', holds: best[0], sure: best.length === 1, judged,
    };
  }
  for (const other of others) {
    const theirs = measure(other.hands);
    if (SEATS.every((seat) => used.every((field) => pockets[seat][field] === theirs[seat][field]))) {
      return { verdict: 'fault', kind: 'other', deal: other.deal, judged };
    }
  }
  return {
    verdict: 'fault', kind: 'differs', seats: differ, first: firstToTap(differ), judged,
  };
}

// found: the cards the director found in seat's pocket (array or Set).
// Both lists come in pack order, the order the director sorts them in;
// holds is the seat whose whole hand the pocket has instead of its own,
// -1 for none.
export function exactCheck(hands, seat, found) {
  const inPocket = new Set(found);
  const missing = [];
  const extra = [];
  for (let card = 0; card < CARDS; ++card) {
    const owned = hands[card] === seat;
    if (owned && !inPocket.has(card)) missing.push(card);
    if (!owned && inPocket.has(card)) extra.push(card);
  }
  // Another seat's whole hand: every card in the pocket is that seat's,
  // and every card of that seat is in the pocket.
  const owner = extra.length > 0 ? hands[extra[0]] : -1;
  const whole = owner >= 0 && owner < HANDS && extra.length === inPocket.size
    && extra.every((card) => hands[card] === owner) && extra.length === hands.filter((hand) => hand === owner).length;
  const holds = whole ? owner : -1;
  return {
    seat, missing, extra, holds,
  };
}

// What the pockets typed so far show, and what to do. found: seat -> the
// cards found in that pocket (a Map, or an object keyed by seat); blind:
// the blind check's entries, if counted, to tell where a missing card can
// be. The answer:
//   pockets: exactCheck of each pocket typed, North to West;
//   verdict: 'ok' once three pockets hold their own cards, 'fault' once a
//     pocket does not, 'open' while those typed are right;
//   actions: in order, { kind: 'exchange', seats: [a, b] } (two pockets
//     hold each other's hands), { kind: 'hand', pocket, seat } (a pocket
//     holds another seat's whole hand), { kind: 'move', card, from, to };
//   next: the pocket to tap next, or -1 when nothing more is needed.
export function assess(hands, found, blind = null) {
  const typed = (found instanceof Map ? [...found] : Object.entries(found))
    .map(([seat, cards]) => exactCheck(hands, Number(seat), cards)).sort((a, b) => a.seat - b.seat);
  const right = typed.filter((pocket) => pocket.missing.length === 0 && pocket.extra.length === 0);
  if (typed.length === right.length) {
    const untyped = SEATS.filter((seat) => !typed.some((pocket) => pocket.seat === seat));
    const proven = right.length >= PROOF_POCKETS;
    return {
      pockets: typed, verdict: proven ? 'ok' : 'open', actions: [], next: proven ? -1 : untyped[0],
    };
  }
  const bySeat = new Map(typed.map((pocket) => [pocket.seat, pocket]));
  const actions = [];
  const located = new Set();
  for (const pocket of typed) {
    if (pocket.holds >= 0) {
      const partner = bySeat.get(pocket.holds);
      if (partner?.holds === pocket.seat) {
        if (pocket.seat < partner.seat) actions.push({ kind: 'exchange', seats: [pocket.seat, partner.seat] });
      } else {
        actions.push({ kind: 'hand', pocket: pocket.seat, seat: pocket.holds });
      }
      pocket.missing.forEach((card) => located.add(card));
      continue;
    }
    for (const card of pocket.extra) {
      actions.push({
        kind: 'move', card, from: pocket.seat, to: hands[card],
      });
      located.add(card);
    }
  }
  // A card a typed pocket lacks, found nowhere typed: where the counts
  // leave only one pocket that can hold it, it is there.
  const untyped = SEATS.filter((seat) => !bySeat.has(seat));
  const board = measure(hands);
  const over = blind === null ? untyped
    : untyped.filter((seat) => withCount(blind[seat]).count > board[seat].count);
  const holder = untyped.length === 1 ? untyped[0] : (blind !== null && over.length === 1 ? over[0] : -1);
  const lost = typed.flatMap((pocket) => pocket.missing.filter((card) => !located.has(card))).sort(byCard);
  if (holder >= 0) {
    for (const card of lost) {
      actions.push({
        kind: 'move', card, from: holder, to: hands[card],
      });
    }
  }
  const moves = actions.filter((action) => action.kind === 'move').sort((a, b) => byCard(a.card, b.card));
  const wholes = actions.filter((action) => action.kind !== 'move');
  // Whose pocket may hold what is still lost: one an extra card came from,
  // else one the counts say has too many.
  // A pocket holding another seat's hand leaves that seat's pocket to see.
  const unseen = wholes.filter((action) => action.kind === 'hand' && untyped.includes(action.seat)).map((a) => a.seat);
  let next = unseen[0] ?? -1;
  if (next < 0 && lost.length > 0 && holder < 0) {
    const owners = typed.flatMap((pocket) => pocket.extra.map((card) => hands[card])).filter((seat) => untyped.includes(seat));
    next = owners[0] ?? over[0] ?? untyped[0] ?? -1;
  }
  return {
    pockets: typed, verdict: 'fault', actions: [...wholes, ...moves], next,
  };
}

// How the session stands: of its entries (board and copy), how many are
// right, agree by their counts, are faulty or not checked. checks maps
// "deal:copy" to 'ok', 'agree' or 'fault', for this session and others
// kept with it; only the checks are walked, so a step of a 100,000-board
// session stays quick.
export function summarize(sequence, checks) {
  const summary = {
    ok: 0, agree: 0, fault: 0, unchecked: sequence.length,
  };
  for (const [key, verdict] of checks) {
    const { deal, copy } = entryOf(key);
    if (deal < sequence.first || deal > sequence.last || copy > sequence.copyCount) continue;
    if (!['ok', 'agree', 'fault'].includes(verdict)) continue;
    ++summary[verdict];
    --summary.unchecked;
  }
  return summary;
}

// The positions of the entries whose record is one of verdicts ('' for
// not checked), in order, at most limit of them.
export function positionsWith(sequence, checks, verdicts, limit) {
  const positions = [];
  for (let i = 0; i < sequence.length && positions.length < limit; ++i) {
    const verdict = checks.get(entryKey(sequence, i)) ?? '';
    if (verdicts.includes(verdict)) positions.push(i);
  }
  return positions;
}

// The record after a check: counts that agree never undo cards proven.
export const recorded = (before, verdict) => (before === 'ok' && verdict === 'agree' ? 'ok' : verdict);
