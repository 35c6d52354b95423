// Dealing as functions of the one state: what is dealt, where each board
// stands, and the steps between cards and boards. Each changes the state
// and returns whether the place changed; the app keeps and draws after.
import {
  DONE, NOT_STARTED, entryKey, findBoard, makeSequence, packEnds, positionOf, step,
} from './session.js';

export const hasDeals = (state) => state.sequence !== null && state.sequence.length > 0;
// The entry shown ("deal:copy"), or null before any deal.
export const keyAt = (state, position = state.position) => (hasDeals(state) ? entryKey(state.sequence, position) : null);
export const handsAt = (state, position = state.position) => state.deals.handsOf(state.sequence.deals[position]);
export const cursorAt = (state, position = state.position) => state.cursors.get(keyAt(state, position)) ?? NOT_STARTED;
// The pack's first card as the director holds it.
export const firstCard = (state) => packEnds(state.settings.pack === 'reversed').first;

// What is dealt, rebuilt after new deals or new session settings; the
// entry with key at stays shown if it is still dealt.
export function resequence(state, at = keyAt(state)) {
  state.sequence = makeSequence(state.deals.numbers, state.session);
  state.notes.range = state.sequence.problems;
  const found = at === null ? -1 : positionOf(state.sequence, at);
  state.position = Math.max(0, found);
}

// The board at position, at cursor: a step's notes go, another board's
// check closes.
export function setPlace(state, position, cursor) {
  if (position !== state.position) state.check = null;
  state.position = position;
  const key = keyAt(state);
  if (cursor === NOT_STARTED) state.cursors.delete(key);
  else state.cursors.set(key, cursor);
  state.notes.resumed = null;
  state.notes.noBoard = null;
  state.notes.homeScreenNote = false;
}

// One step on (+1) or back (-1); false where there is none.
export function stepBy(state, direction) {
  if (!hasDeals(state)) return false;
  const next = step({ position: state.position, cursor: cursorAt(state) }, direction, {
    length: state.sequence.length,
    hands: handsAt(state),
    reversed: state.settings.pack === 'reversed',
    runs: state.settings.runs,
  });
  if (next === null) return false;
  setPlace(state, next.position, next.cursor);
  return true;
}

// Another board, at the place it was left.
export function goTo(state, position) {
  if (!hasDeals(state)) return false;
  const next = Math.max(0, Math.min(state.sequence.length - 1, position));
  if (next === state.position) return false;
  setPlace(state, next, cursorAt(state, next));
  return true;
}

// The next entry with that board number; false when there is none.
export function goToBoard(state, number) {
  if (!hasDeals(state)) return false;
  const position = findBoard(state.sequence, state.deals.numbers, number, state.position);
  if (position < 0) return false;
  if (position !== state.position) setPlace(state, position, cursorAt(state, position));
  return true;
}

// A card made current by a click or a long press.
export function select(state, card) {
  if (!hasDeals(state)) return false;
  setPlace(state, state.position, card);
  return true;
}

// Every board of the session dealt to its end.
export function everyBoardDone(state) {
  if (!hasDeals(state)) return false;
  for (let position = 0; position < state.sequence.length; ++position) {
    if (cursorAt(state, position) !== DONE) return false;
  }
  return true;
}
