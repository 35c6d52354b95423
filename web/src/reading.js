// A run of the core over the file, as the app starts it: the deals shown
// as soon as the board wanted is read, a live count while the rest is
// read, and the run's end with its exit status, warnings and why it
// stopped. ctx: what app.js shares (see there).
import { NEW_SESSION } from './state.js';
import { effectiveSymbols, symbolsText } from './symbols.js';

export function createReading(state, {
  store, runCore, cues, render, keyAt, hasDeals, sequence, words,
}) {
  // The file whose deals are shown: a run of another file hides them at
  // once, a new run of the same file (other symbols) shows them until its
  // own come.
  let dealsFile = null;

  // The core reads the file in a worker; its deals show as soon as the
  // board wanted is read (the first of the session, or the place kept, or
  // the board shown when the symbols change), while the rest is read.
  async function run({ resume = false } = {}) {
    const file = state.file;
    if (file === null) return;
    const id = state.run.id + 1;
    const symbols = symbolsText(state.settings, words());
    if (dealsFile !== file) {
      state.deals = null;
      state.sequence = null;
    }
    let wanted = keyAt(state.position);
    // The deals shown keep their symbols until the new run's deals come.
    const shownSymbols = dealsFile === file ? state.run.symbols : null;
    state.run = {
      id, text: symbols, symbols: shownSymbols, reading: true, boardsRead: 0, end: null, broken: null, warnings: [],
    };
    render();
    let keyKnown = file.key !== null;
    let shown = false;
    const take = (deals) => {
      dealsFile = file;
      state.deals = deals;
      state.run.symbols = effectiveSymbols(symbols);
    };
    let result;
    try {
      result = await runCore(file.name, file.blob, symbols, {
        key(key) {
          if (id !== state.run.id || keyKnown) return;
          keyKnown = true;
          file.key = key;
          const kept = resume ? store.place(key) : null;
          state.session = kept?.session ?? { ...NEW_SESSION };
          state.cursors = new Map(Object.entries(kept?.cursors ?? {}));
          state.checks = new Map(Object.entries(kept?.checks ?? {}));
          state.drafts = new Map(Object.entries(kept?.drafts ?? {}));
          wanted = kept?.at ?? null;
          if (kept !== null) state.notes.resumed = wanted;
        },
        deals(deals, warnings) {
          if (id !== state.run.id) return;
          state.run.boardsRead = deals.length;
          state.run.warnings.push(...warnings);
          if (shown) {
            sequence();
          } else if (keyKnown && deals.length > (wanted === null ? 0 : Number(wanted.split(':')[0]))) {
            take(deals);
            sequence(wanted);
            shown = true;
            state.folded = true;
            cues.keepAwake();
          }
          render();
        },
      });
    } catch (error) {
      if (id === state.run.id) {
        state.run.reading = false;
        state.run.broken = error.message;
        render();
      }
      return;
    }
    if (result === null || id !== state.run.id) return;
    take(result.deals);
    const { exit, diagnostics } = result;
    // A run that went on to the end only warned; the texts printed after
    // the last deal of a failed run are why it stopped.
    const last = result.deals.length - 1;
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
    sequence(shown ? undefined : wanted);
    if (!hasDeals()) {
      state.folded = false;
    } else if (!shown) {
      state.folded = true;
      cues.keepAwake();
    }
    if (state.notes.resumed !== null) state.notes.resumed = keyAt(state.position);
    render();
  }

  return run;
}
