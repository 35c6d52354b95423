// A run of the core over the file, as the state sees it: started, the
// file's content known (and with it the place kept for it), deals coming
// in, ended. The deals show as soon as the entry wanted is read (the first
// of the session, the place kept, or the board shown when the symbols
// change) while the rest is read. Each function takes the run's id: the
// news of a run that a later one replaced is dropped.
import { effectiveSymbols } from './symbols.js';
import { restorePlace } from './keeping.js';
import { entryOf } from './session.js';
import { hasDeals, keyAt, resequence } from './dealing.js';

// A new run of the file with these symbols; returns its id. A run of
// another file hides the deals shown at once; a new run of the same file
// shows them, with their symbols, until its own come.
export function startRun(state, symbols) {
  const sameFile = state.dealsFile === state.file;
  // The entry wanted stays wanted until it is shown, whatever runs between.
  if (hasDeals(state) && sameFile) state.wanted = keyAt(state);
  if (!sameFile) {
    state.deals = null;
    state.sequence = null;
  }
  state.run = {
    id: state.run.id + 1,
    text: symbols,
    symbols: sameFile ? state.run.symbols : null,
    reading: true,
    boardsRead: 0,
    end: null,
    broken: null,
    warnings: [],
    keyKnown: state.file.key !== null,
    shown: false,
  };
  return state.run.id;
}

// The file's content key, once hashed, and the place kept for that
// content (null for none): the file resumes there.
export function takeKey(state, id, key, kept) {
  if (id !== state.run.id || state.run.keyKnown) return;
  state.run.keyKnown = true;
  state.file.key = key;
  restorePlace(state, kept);
}

function show(state, deals) {
  state.dealsFile = state.file;
  state.deals = deals;
  state.run.symbols = effectiveSymbols(state.run.text);
}

// More deals read; true when they are shown for the first time (the view
// opens: the screen is to be kept awake).
export function takeDeals(state, id, deals, warnings) {
  if (id !== state.run.id) return false;
  state.run.boardsRead = deals.length;
  state.run.warnings.push(...warnings);
  if (state.run.shown) {
    resequence(state);
    return false;
  }
  const wanted = state.wanted === null ? 0 : entryOf(state.wanted).deal;
  if (!state.run.keyKnown || deals.length <= wanted) return false;
  show(state, deals);
  resequence(state, state.wanted);
  state.wanted = null;
  state.run.shown = true;
  state.folded = true;
  return true;
}

// The run's end: its exit status, console, output and diagnostics. A run
// that went on to the end only warned; the texts printed after the last
// deal of a failed run are why it stopped. True when the deals are shown
// only now.
export function endRun(state, id, result) {
  if (id !== state.run.id) return false;
  const { exit, diagnostics } = result;
  const last = result.deals.length - 1;
  const first = !state.run.shown;
  show(state, result.deals);
  state.run.reading = false;
  state.run.boardsRead = result.deals.length;
  state.run.end = {
    exit,
    console: result.console,
    lines: result.lines,
    output: result.output,
    warnings: exit === 0 ? diagnostics : diagnostics.filter((d) => d.after < last),
    stop: exit === 0 ? [] : diagnostics.filter((d) => d.after >= last).map((d) => d.text),
  };
  resequence(state, first ? state.wanted : undefined);
  state.wanted = null;
  // Folded over the board once it shows; open again where nothing was read.
  if (!hasDeals(state)) state.folded = false;
  else if (first) state.folded = true;
  if (state.notes.resumed !== null) state.notes.resumed = keyAt(state);
  return first && hasDeals(state);
}

// The page itself could not run the core.
export function failRun(state, id, message) {
  if (id !== state.run.id) return;
  state.run.reading = false;
  state.run.broken = message;
}
