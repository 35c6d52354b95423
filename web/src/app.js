// What the director can do: each action changes the one state with the
// pure functions of dealing.js, checking.js and reading.js, keeps the place
// on the device where it changed, and asks for the state to be drawn. The
// services are handed in (the storage, the core's runner, the cues, the
// drawing and the words) so that nothing here reaches for the page itself,
// and a test can hand in its own.
import * as dealing from './dealing.js';
import * as checking from './checking.js';
import {
  endRun, failRun, startRun, takeDeals, takeKey,
} from './reading.js';
import { analysesRecord, placeRecord, restoreAnalyses } from './keeping.js';
import { analysisJobs, takeAnalysis } from './analysing.js';
import {
  DONE, MAX_PRINT_BOARDS, NOT_STARTED, clampCopies, rangeBoards, runLength,
} from './session.js';
import { symbolsText } from './symbols.js';
import { fingerprint } from './fingerprint.js';
import {
  FILE_HEAD_BYTES, newSet, sessionPbn, today,
} from './files.js';

export function createApp(state, {
  store, runCore, cues, render, words, crypto = globalThis.crypto, solver = null,
}) {
  const hasDeals = () => dealing.hasDeals(state);

  // The double-dummy solver, started when a board first wants it; each
  // answer is kept with the file and drawn.
  let analyser = null;
  function answer(job, data) {
    if (!takeAnalysis(state, job, data)) return;
    if (data.analysis !== undefined) store.keepAnalyses(state.file.key, analysesRecord(state));
    render();
  }
  // The boards of the session still to analyse, the board shown first.
  function analyse() {
    if (solver === null || state.file?.key == null) return;
    const jobs = analysisJobs(state);
    if (jobs.length === 0 && analyser === null) return;
    analyser ??= solver(answer);
    analyser.want(jobs);
  }

  function keepPlace() {
    const record = placeRecord(state);
    if (record !== null) store.keepPlace(state.file.key, record);
  }

  // An action of the state: when it changed something, the place is kept
  // (if the action changes it) and the page drawn again.
  const act = (change, { keep = false } = {}) => (...args) => {
    const changed = change(state, ...args);
    if (!changed) return false;
    if (keep) keepPlace();
    render();
    return true;
  };

  // The core reads the file in a worker; its deals show as soon as the
  // board wanted is read, while the rest is read.
  async function run() {
    const { file } = state;
    if (file === null) return;
    const symbols = symbolsText(state.settings, words());
    const id = startRun(state, symbols);
    render();
    let result;
    try {
      result = await runCore(file.name, file.blob, symbols, {
        key(key) {
          if (id !== state.run.id || state.run.keyKnown) return;
          takeKey(state, id, key, store.place(key));
          restoreAnalyses(state, store.analyses(key));
          render();
        },
        deals(deals, warnings) {
          if (takeDeals(state, id, deals, warnings)) cues.stayAwake();
          render();
        },
      });
    } catch (error) {
      failRun(state, id, error.message);
      render();
      return;
    }
    if (result === null) return;
    if (endRun(state, id, result)) cues.stayAwake();
    analyse();
    render();
    await fingerprintFile(file, result.deals);
  }

  // The fingerprint of the file's deals, once read; a file opened anew
  // whose boards were all dealt here before is asked about.
  async function fingerprintFile(file, deals) {
    if (file.print !== null) return;
    const print = await fingerprint(deals.hands, crypto?.subtle, () => new Promise((go) => { setTimeout(go); }));
    if (state.file !== file) return;
    file.print = print ?? '';
    const day = print === null ? null : store.dealtOn(print);
    if (file.fresh && day !== null) state.notes.dealtBefore = day;
    render();
  }

  // Every board of a range dealt to its end: the set's day, remembered.
  function noteDealt() {
    const print = state.file?.print;
    if (print && dealing.everyBoardDone(state) && store.dealtOn(print) === null) store.keepDealt(print, today());
  }

  // The hand of the card now current, spoken and sounded as asked.
  function cue() {
    // Taken again at a step if the browser wanted a key press or tap for it.
    cues.stayAwake();
    const cursor = dealing.cursorAt(state);
    const {
      speak, tones, runs, pack,
    } = state.settings;
    const w = words();
    if (cursor === DONE) {
      if (speak) cues.say(w.doneWord, w.tag);
      return;
    }
    if (cursor === NOT_STARTED) return;
    const hands = dealing.handsAt(state);
    const hand = hands[cursor];
    const name = w.seats[hand] ?? w.noHand;
    const length = runs ? runLength(hands, cursor, pack === 'reversed') : 1;
    if (speak) cues.say(length === 1 ? name : w.runSpoken(name, length), w.tag);
    if (tones) cues.tone(hand);
  }

  // A move to another place: kept, drawn, and cued where it is a step.
  // Deals dealt here before are not dealt until the director says so.
  const move = (change, { cued = false } = {}) => (...args) => {
    if (state.notes.dealtBefore !== null || !change(state, ...args)) return false;
    keepPlace();
    analyse();
    render();
    if (cued) cue();
    if (dealing.cursorAt(state) === DONE) noteDealt();
    return true;
  };

  function setSetting(field, value) {
    const symbols = symbolsText(state.settings, words());
    state.settings = { ...state.settings, [field]: value };
    store.rememberSetting(field, value);
    render();
    // Another language has other hand letters, unless the director chose some.
    if (field === 'language' && state.file !== null && symbolsText(state.settings, words()) !== symbols) run();
  }

  // A file chosen, dropped, opened with the app, made on the spot, or the
  // file last read (kept: already on the device). The place kept for its
  // content is found once the worker has hashed it.
  function open(name, blob, { kept = false } = {}) {
    state.file = {
      name, blob, key: null, print: null, fresh: !kept,
    };
    state.check = null;
    state.position = 0;
    state.wanted = null;
    state.analyses = new Map();
    // Notes of the file before go with it.
    Object.assign(state.notes, {
      resumed: null,
      kept: kept ? true : null,
      homeScreen: false,
      homeScreenNote: false,
      typed: '',
      noBoard: null,
      printAsked: false,
      dealtBefore: null,
    });
    state.newDeals = { open: false, problem: null };
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
    return run();
  }

  return {
    hasDeals,
    open,
    today,

    stepBy: move(dealing.stepBy, { cued: true }),
    nextBoard: () => move(dealing.goTo)(state.position + 1),
    previousBoard: () => move(dealing.goTo)(state.position - 1),
    firstBoard: () => move(dealing.goTo)(0),
    lastBoard: () => move(dealing.goTo)(hasDeals() ? state.sequence.length - 1 : 0),
    select: move(dealing.select, { cued: true }),

    checking: () => state.check !== null,
    toggleCheck: act(checking.toggleCheck),
    closeCheck: act(checking.closeCheck),
    setCheckEntry: act(checking.setCheckEntry, { keep: true }),
    setCheckSeat: act(checking.setCheckSeat),
    toggleExact: act(checking.toggleExact),
    toggleFound: act(checking.toggleFound, { keep: true }),
    verifyCheck: act(checking.verifyCheck, { keep: true }),
    redeal: act(checking.redeal, { keep: true }),
    toggleTops: act(checking.toggleTops),

    setSetting,

    // The symbols as typed: remembered, and warned about at once ...
    typeSymbols: (text) => setSetting('symbols', text),
    // ... and the file read again with them once the field is left, Enter
    // is pressed, or typing pauses.
    applySymbols(text) {
      if (text !== state.settings.symbols) setSetting('symbols', text);
      if (state.file !== null && text !== state.run.text) run();
    },

    // From, To, Copies and their order, as typed.
    setSession({
      from, to, copies, order,
    }) {
      const { copies: count, clamped } = clampCopies(copies);
      state.session = {
        from: from.trim(), to: to.trim(), copies: count, order: order === 'set' ? 'set' : 'board',
      };
      state.notes.copiesClamped = clamped;
      if (state.deals !== null) {
        dealing.resequence(state);
        keepPlace();
        analyse();
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
      if (dealing.goToBoard(state, number)) keepPlace();
      else state.notes.noBoard = number;
      render();
    },
    clearTyped() {
      state.notes.typed = '';
      render();
    },

    // Deals dealt here before: dealt again, or another file chosen.
    answerDealtBefore(again) {
      state.notes.dealtBefore = null;
      if (!again) state.folded = false;
      render();
    },

    toggleNewDeals() {
      state.newDeals = { open: !state.newDeals.open, problem: null };
      render();
    },

    // A set of new deals, made as the form asks and opened as the file
    // being dealt: a PBN file named for its event and date, with its
    // fingerprint in a comment. False where none is made (said in the form).
    async makeDeals(form) {
      const made = await newSet(form, crypto, words());
      if (made.problem !== undefined) {
        state.newDeals = { open: true, problem: made.problem };
        render();
        return false;
      }
      await open(made.name, new Blob([made.text], { type: 'text/plain' }));
      return true;
    },

    // The session's boards as a PBN file for the scorer: { name, text },
    // or null before any deal.
    async exportPbn() {
      if (!hasDeals()) return null;
      return sessionPbn(state, await state.file.blob.slice(0, FILE_HEAD_BYTES).text(), words());
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
