// What the director can do, as functions that change the one state (with
// the rules of session.js) and then ask for it to be drawn again. The
// services are handed in: the storage, the core's runner, the cues and the
// drawing, so that nothing here reaches for the page itself.
import {
  DONE, NOT_STARTED, clampCopies, entryKey, findBoard, makeSequence, packEnds, positionOf, runLength, step,
} from './session.js';
import { createCheckActions } from './checking.js';
import { createReading } from './reading.js';
import { MAX_PRINT_BOARDS, rangeBoards } from './print.js';
import { symbolsText } from './symbols.js';

export function createApp(state, { store, runCore, cues, render, words }) {
  const hasDeals = () => state.sequence !== null && state.sequence.length > 0;
  const dealAt = (position) => state.sequence.deals[position];
  const handsAt = (position) => state.deals.handsOf(dealAt(position));
  const cursorAt = (position) => state.cursors.get(entryKey(state.sequence, position)) ?? NOT_STARTED;
  const keyAt = (position) => (hasDeals() ? entryKey(state.sequence, position) : null);

  function keepPlace() {
    if (state.file?.key == null || !hasDeals()) return;
    store.keepPlace(state.file.key, {
      session: state.session,
      at: keyAt(state.position),
      cursors: Object.fromEntries(state.cursors),
      checks: Object.fromEntries(state.checks),
      drafts: Object.fromEntries(state.drafts),
    });
  }

  // Rebuilds what is dealt after new deals or new session settings, and
  // stays on the entry with key `at` if it is still dealt.
  function sequence(at = keyAt(state.position)) {
    state.sequence = makeSequence(state.deals.numbers, state.session);
    state.notes.range = state.sequence.problems;
    const found = at === null ? -1 : positionOf(state.sequence, at);
    state.position = Math.max(0, found);
  }

  const run = createReading(state, {
    store, runCore, cues, render, keyAt, hasDeals, sequence, words,
  });

  // ---- Dealing ---------------------------------------------------------

  function setPlace(position, cursor) {
    if (position !== state.position) state.check = null;
    state.position = position;
    const key = keyAt(position);
    if (cursor === NOT_STARTED) state.cursors.delete(key);
    else state.cursors.set(key, cursor);
    state.notes.resumed = null;
    state.notes.noBoard = null;
    state.notes.homeScreenNote = false;
    keepPlace();
    render();
  }

  // The hand of the card now current, spoken and sounded as asked.
  function cue() {
    // Taken again at a step if the browser wanted a key press or tap for it.
    cues.keepAwake();
    const cursor = cursorAt(state.position);
    const { speak, tones, runs, pack } = state.settings;
    const w = words();
    if (cursor === DONE) {
      if (speak) cues.say(w.doneWord, w.tag);
      return;
    }
    if (cursor === NOT_STARTED) return;
    const hands = handsAt(state.position);
    const hand = hands[cursor];
    const name = w.seats[hand] ?? w.noHand;
    const length = runs ? runLength(hands, cursor, pack === 'reversed') : 1;
    if (speak) cues.say(length === 1 ? name : w.runSpoken(name, length), w.tag);
    if (tones) cues.tone(hand);
  }

  function stepBy(direction) {
    if (!hasDeals()) return;
    const next = step({ position: state.position, cursor: cursorAt(state.position) }, direction, {
      length: state.sequence.length,
      hands: handsAt(state.position),
      reversed: state.settings.pack === 'reversed',
      runs: state.settings.runs,
    });
    if (next === null) return;
    setPlace(next.position, next.cursor);
    cue();
  }

  // Another board, at the place it was left.
  function goTo(position) {
    if (!hasDeals()) return;
    const next = Math.max(0, Math.min(state.sequence.length - 1, position));
    if (next !== state.position) setPlace(next, cursorAt(next));
  }

  // The next entry with that board number; false when there is none.
  function goToBoard(number) {
    if (!hasDeals()) return false;
    const position = findBoard(state.sequence, state.deals.numbers, number, state.position);
    if (position < 0) return false;
    if (position !== state.position) setPlace(position, cursorAt(position));
    return true;
  }

  const checks = createCheckActions(state, {
    hasDeals, keyAt, handsAt, keepPlace, render,
    firstCard: () => packEnds(state.settings.pack === 'reversed').first,
  });

  function setSetting(field, value) {
    const symbols = symbolsText(state.settings, words());
    state.settings = { ...state.settings, [field]: value };
    store.keepSetting(field, value);
    render();
    // Another language has other hand letters, unless the director chose some.
    if (field === 'language' && state.file !== null && symbolsText(state.settings, words()) !== symbols) run();
  }

  return {
    ...checks,
    hasDeals,

    // A file chosen, dropped, opened with the app, or kept from the last
    // visit (kept: already on the device). The place kept for its content
    // is found once the worker has hashed it.
    open(name, blob, { kept = false } = {}) {
      state.file = { name, blob, key: null };
      state.check = null;
      state.position = 0;
      // Notes of the file before go with it.
      Object.assign(state.notes, {
        resumed: null, kept: kept ? true : null, homeScreen: false, homeScreenNote: false, typed: '', noBoard: null,
        printAsked: false,
      });
      if (!kept) {
        store.keepFile(name, blob).then(async (done) => {
          if (state.file?.blob !== blob) return;
          state.notes.kept = done;
          render();
          if (!done || await store.askToLast() || !store.clearedWeekly() || state.file?.blob !== blob) return;
          state.notes.homeScreen = true;
          state.notes.homeScreenNote = true;
          render();
        });
      }
      return run({ resume: true });
    },

    stepBy,
    goTo,
    nextBoard: () => goTo(state.position + 1),
    previousBoard: () => goTo(state.position - 1),
    firstBoard: () => goTo(0),
    lastBoard: () => goTo(hasDeals() ? state.sequence.length - 1 : 0),

    // A card made current by a click or a long press.
    select(card) {
      if (!hasDeals()) return;
      setPlace(state.position, card);
      cue();
    },

    setSetting,

    // The symbols as typed: kept, and warned about at once ...
    typeSymbols: (text) => setSetting('symbols', text),
    // ... and the file read again with them once the field is left, Enter
    // is pressed, or typing pauses.
    applySymbols(text) {
      if (text !== state.settings.symbols) setSetting('symbols', text);
      if (state.file !== null && text !== state.run.text) run();
    },

    // From, To, Copies and their order, as typed.
    setSession({ from, to, copies, order }) {
      const { copies: count, clamped } = clampCopies(copies);
      state.session = { from: from.trim(), to: to.trim(), copies: count, order: order === 'set' ? 'set' : 'board' };
      state.notes.copiesClamped = clamped;
      if (state.deals !== null) {
        sequence();
        keepPlace();
      }
      render();
    },

    // Print: false when the range holds more boards than one print, which
    // the settings then say beside the button.
    askPrint() {
      state.notes.printAsked = true;
      render();
      return rangeBoards(state.sequence) <= MAX_PRINT_BOARDS;
    },

    // Escape: the settings fold away again over the board. False when
    // there was nothing to close.
    closeSettings() {
      if (state.folded || !hasDeals()) return false;
      state.folded = true;
      render();
      return true;
    },

    // Digits typed, then Enter: the next entry with that board number.
    typing: () => state.notes.typed !== '',
    typeDigit(digit) {
      state.notes.typed = (state.notes.typed + digit).slice(-5);
      state.notes.noBoard = null;
      render();
    },
    goToTyped() {
      const number = Number(state.notes.typed);
      state.notes.typed = '';
      if (!goToBoard(number)) state.notes.noBoard = number;
      render();
    },
    clearTyped() {
      state.notes.typed = '';
      render();
    },

    toggleFolded() {
      state.folded = !state.folded;
      render();
    },
    toggleHandView: () => setSetting('handView', !state.settings.handView),
    offlineReady() {
      state.notes.offline = true;
      render();
    },
  };
}
