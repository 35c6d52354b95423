// The board check as the director works it: open it on the board shown,
// count each pocket, type the cards of a pocket where that shows a fault,
// and keep the verdict with the place. The rules are check.js's; this only
// changes the state. ctx: what app.js shares (see there).
import { blindCheck, exactCheck, moves } from './check.js';

const emptyEntries = () => [0, 1, 2, 3].map(() => ({ count: null, hcp: null }));

export function createCheckActions(state, ctx) {
  const { hasDeals, keyAt, handsAt, keepPlace, render, boardLabel } = ctx;

  // Every other deal of the session once, to tell the hands of another
  // board.
  function otherDeals() {
    const { sequence, deals, position } = state;
    const others = [];
    for (let deal = sequence.first; deal <= sequence.last; ++deal) {
      if (deal !== sequence.deals[position]) others.push({ label: boardLabel(deal), hands: deals.handsOf(deal) });
    }
    return others;
  }

  function record(verdict) {
    state.checks.set(state.check.key, verdict);
    keepPlace();
  }

  // The check stays with its board: moving to another one closes it.
  const checkHere = () => state.check !== null && state.check.key === keyAt(state.position);

  return {
    checking: () => state.check !== null,

    toggleCheck() {
      if (!hasDeals()) return;
      state.check = checkHere() ? null : {
        key: keyAt(state.position), entries: emptyEntries(), result: null, seat: 0, exact: false, found: {},
        exactResult: null,
      };
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
      render();
    },

    setCheckSeat(seat) {
      if (!checkHere()) return;
      state.check.seat = seat;
      state.check.exactResult = null;
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
      render();
    },

    // Check: the pocket's exact cards while their grid is shown, otherwise
    // the counts of all four.
    verifyCheck() {
      if (!checkHere()) return;
      const hands = handsAt(state.position);
      const check = state.check;
      if (check.exact) {
        const exact = exactCheck(hands, check.seat, check.found[check.seat] ?? []);
        check.exactResult = { exact, moves: moves(hands, check.found) };
        if (exact.missing.length > 0 || exact.extra.length > 0) record('fault');
      } else {
        check.result = blindCheck(hands, check.entries, otherDeals());
        if (check.result.verdict !== 'incomplete') record(check.result.verdict);
      }
      render();
    },

    toggleTops() {
      if (!hasDeals()) return;
      state.showTops = !state.showTops;
      render();
    },
  };
}
