// What is kept on the device for a file, found again by the file's content
// (store.js keeps it): the session's settings, the entry shown, and each
// board's place, check and what was typed in it. One function builds the
// record from the state, one puts it back.
import { NEW_SESSION } from './state.js';
import { hasDeals, keyAt } from './dealing.js';

// The record of the file's place, or null when there is nothing to keep.
export function placeRecord(state) {
  if (state.file?.key == null || !hasDeals(state)) return null;
  return {
    session: state.session,
    at: keyAt(state),
    cursors: Object.fromEntries(state.cursors),
    checks: Object.fromEntries(state.checks),
    drafts: Object.fromEntries(state.drafts),
  };
}

// The record kept for the file (null: none, a fresh start) into the
// state; the entry it was at becomes the one wanted.
export function restorePlace(state, record) {
  state.session = record?.session ?? { ...NEW_SESSION };
  state.cursors = new Map(Object.entries(record?.cursors ?? {}));
  state.checks = new Map(Object.entries(record?.checks ?? {}));
  state.drafts = new Map(Object.entries(record?.drafts ?? {}));
  state.wanted = record?.at ?? null;
  state.notes.resumed = record === null ? null : state.wanted;
}

// The analyses worked out, to keep with the file: the solver's records
// only, not its failures, which another try may mend.
export const analysesRecord = (state) => Object.fromEntries([...state.analyses]
  .filter(([, analysis]) => analysis?.tricks !== undefined));

export function restoreAnalyses(state, record) {
  state.analyses = new Map(Object.entries(record).map(([deal, analysis]) => [Number(deal), analysis]));
}
