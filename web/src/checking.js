// The board check as the director works it, as functions of the one
// state: open it on the board shown, count each pocket, tap the cards of a
// pocket to be sure or to find a fault, record the verdict, and deal a
// board again. The rules are check.js's. Each returns whether it changed
// anything; the app keeps and draws after.
import {
  MEASURES, assess, blindCheck, recorded,
} from './check.js';
import {
  firstCard, handsAt, hasDeals, keyAt,
} from './dealing.js';

const emptyEntries = () => [0, 1, 2, 3].map(() => Object.fromEntries(MEASURES.map((field) => [field, null])));
const counted = (entries) => entries.some((entry) => Number.isFinite(entry.count));

// The pocket a finding asks to tap first, or -1.
function pocketToTap(result) {
  if (result.verdict !== 'fault') return -1;
  if (result.kind === 'moved') return result.card >= 0 ? -1 : result.to;
  if (result.kind === 'differs') return result.first;
  if (result.kind === 'swapped' && !result.sure) return result.holds.findIndex((seat, pocket) => seat !== pocket);
  return -1;
}

// The check stays with its board: moving to another one closes it.
const checkHere = (state) => state.check !== null && state.check.key === keyAt(state);

// Every other deal of the session once, to tell the hands of another board.
function otherDeals(state) {
  const { sequence, deals, position } = state;
  const others = [];
  for (let deal = sequence.first; deal <= sequence.last; ++deal) {
    if (deal !== sequence.deals[position]) others.push({ deal, hands: deals.handsOf(deal) });
  }
  return others;
}

function record(state, verdict) {
  const { key } = state.check;
  state.checks.set(key, recorded(state.checks.get(key), verdict));
}

// Opened on a board, the check shows what was typed for it before.
export function toggleCheck(state) {
  if (!hasDeals(state)) return false;
  if (checkHere(state)) {
    state.check = null;
    return true;
  }
  const key = keyAt(state);
  const draft = state.drafts.get(key) ?? { entries: emptyEntries(), found: {} };
  state.drafts.set(key, draft);
  state.check = {
    key, entries: draft.entries, found: draft.found, result: null, seat: 0, exact: false, assessment: null,
  };
  return true;
}

export function closeCheck(state) {
  if (state.check === null) return false;
  state.check = null;
  return true;
}

// A field of the blind check as typed: a number, or null when blank.
export function setCheckEntry(state, seat, field, value) {
  if (!checkHere(state)) return false;
  state.check.entries[seat] = { ...state.check.entries[seat], [field]: value };
  return true;
}

export function setCheckSeat(state, seat) {
  if (!checkHere(state)) return false;
  state.check.seat = seat;
  state.check.assessment = null;
  return true;
}

export function toggleExact(state) {
  if (!checkHere(state)) return false;
  state.check.exact = !state.check.exact;
  return true;
}

// A card tapped in the grid of the pocket's cards: found, or not after all.
export function toggleFound(state, card) {
  if (!checkHere(state) || !state.check.exact) return false;
  const { seat, found } = state.check;
  const cards = new Set(found[seat] ?? []);
  if (cards.has(card)) cards.delete(card);
  else cards.add(card);
  found[seat] = [...cards].sort((a, b) => a - b);
  return true;
}

// Check: the pockets' exact cards while their grid is shown, otherwise the
// counts of all four. What to tap next becomes the pocket shown.
export function verifyCheck(state) {
  if (!checkHere(state)) return false;
  const hands = handsAt(state);
  const { check } = state;
  if (check.exact) {
    if (check.found[check.seat] === undefined) check.found[check.seat] = [];
    check.assessment = assess(hands, check.found, counted(check.entries) ? check.entries : null);
    if (check.assessment.verdict !== 'open') record(state, check.assessment.verdict);
    if (check.assessment.next >= 0) check.seat = check.assessment.next;
  } else {
    check.result = blindCheck(hands, check.entries, otherDeals(state));
    if (['agree', 'fault'].includes(check.result.verdict)) record(state, check.result.verdict);
    const seat = pocketToTap(check.result);
    if (seat >= 0) check.seat = seat;
  }
  return true;
}

// The board dealt again from its first card: its check and what was typed
// for it are gone.
export function redeal(state) {
  if (!hasDeals(state)) return false;
  const key = keyAt(state);
  state.checks.delete(key);
  state.drafts.delete(key);
  state.check = null;
  state.cursors.set(key, firstCard(state));
  return true;
}

export function toggleTops(state) {
  if (!hasDeals(state)) return false;
  state.showTops = !state.showTops;
  return true;
}
