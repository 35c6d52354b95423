// The board check as the director works it: open it on the board shown,
// count each pocket, tap the cards of a pocket to be sure or to find a
// fault, keep the verdict with the place, and deal a board again. The
// rules are check.js's; this only changes the state. ctx: what app.js
// shares (see there).
import {
  MEASURES, assess, blindCheck, recorded,
} from './check.js';

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

export function createCheckActions(state, ctx) {
  const {
    hasDeals, keyAt, handsAt, keepPlace, render, firstCard,
  } = ctx;

  // Every other deal of the session once, to tell the hands of another
  // board.
  function otherDeals() {
    const { sequence, deals, position } = state;
    const others = [];
    for (let deal = sequence.first; deal <= sequence.last; ++deal) {
      if (deal !== sequence.deals[position]) others.push({ deal, hands: deals.handsOf(deal) });
    }
    return others;
  }

  function record(verdict) {
    const { key } = state.check;
    state.checks.set(key, recorded(state.checks.get(key), verdict));
    keepPlace();
  }

  // The check stays with its board: moving to another one closes it.
  const checkHere = () => state.check !== null && state.check.key === keyAt(state.position);

  return {
    checking: () => state.check !== null,

    // Opened on a board, the check shows what was typed for it before.
    toggleCheck() {
      if (!hasDeals()) return;
      if (checkHere()) {
        state.check = null;
      } else {
        const key = keyAt(state.position);
        const draft = state.drafts.get(key) ?? { entries: emptyEntries(), found: {} };
        state.drafts.set(key, draft);
        state.check = {
          key, entries: draft.entries, found: draft.found, result: null, seat: 0, exact: false, assessment: null,
        };
      }
      render();
    },
    closeCheck() {
      if (state.check === null) return false;
      state.check = null;
      render();
      return true;
    },

    // A field of the blind check as typed: a number, or null when blank.
    setCheckEntry(seat, field, value) {
      if (!checkHere()) return;
      state.check.entries[seat] = { ...state.check.entries[seat], [field]: value };
      keepPlace();
      render();
    },

    setCheckSeat(seat) {
      if (!checkHere()) return;
      state.check.seat = seat;
      state.check.assessment = null;
      render();
    },
    toggleExact() {
      if (!checkHere()) return;
      state.check.exact = !state.check.exact;
      render();
    },
    // A card tapped in the grid of the pocket's cards: found, or not after all.
    toggleFound(card) {
      if (!checkHere() || !state.check.exact) return;
      const { seat, found } = state.check;
      const cards = new Set(found[seat] ?? []);
      if (cards.has(card)) cards.delete(card);
      else cards.add(card);
      found[seat] = [...cards].sort((a, b) => a - b);
      keepPlace();
      render();
    },

    // Check: the pockets' exact cards while their grid is shown, otherwise
    // the counts of all four. What to tap next is made the pocket shown.
    verifyCheck() {
      if (!checkHere()) return;
      const hands = handsAt(state.position);
      const check = state.check;
      if (check.exact) {
        if (check.found[check.seat] === undefined) check.found[check.seat] = [];
        check.assessment = assess(hands, check.found, counted(check.entries) ? check.entries : null);
        if (check.assessment.verdict !== 'open') record(check.assessment.verdict);
        if (check.assessment.next >= 0) check.seat = check.assessment.next;
      } else {
        check.result = blindCheck(hands, check.entries, otherDeals());
        if (['agree', 'fault'].includes(check.result.verdict)) record(check.result.verdict);
        const seat = pocketToTap(check.result);
        if (seat >= 0) check.seat = seat;
      }
      keepPlace();
      render();
    },

    // The board dealt again from its first card: its check and what was
    // typed for it are gone.
    redeal() {
      if (!hasDeals()) return;
      const key = keyAt(state.position);
      state.checks.delete(key);
      state.drafts.delete(key);
      state.check = null;
      state.cursors.set(key, firstCard());
      keepPlace();
      render();
    },

    toggleTops() {
      if (!hasDeals()) return;
      state.showTops = !state.showTops;
      render();
    },
  };
}
