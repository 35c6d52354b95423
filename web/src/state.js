// The page's one state. Everything the page shows is drawn from it
// (render.js); input changes it only through app.js, with the pure rules of
// session.js and check.js. Nothing here touches the page or the storage.

// The settings a director chooses, as they start on a first visit. The
// stored ones replace them at start (store.js).
export const DEFAULT_SETTINGS = {
  symbols: null,         // the text of the symbols field, as -d takes it; null: the language's hand letters
  speak: false,          // say the hand's name at each card
  tones: false,          // a tone per hand at each card
  pack: 'sorted',        // 'sorted': ace of spades first; 'reversed': two of clubs first
  blind: false,          // only the card and its direction: no grid, hands, counts or line
  handView: false,       // the four hands as a diagram in place of the grid
  runs: false,           // cards in a row to the same hand are one step
  checkSuits: false,     // the check counts each pocket's suit lengths too
  printKind: 'grids',    // what Print gives: 'grids', 'hands' or 'curtain'
  event: '',             // the heading of each printed page
  date: '',
  language: '',          // the page's language tag (words.js); '' for the browser's
};

export const NEW_SESSION = { from: '', to: '', copies: 1, order: 'board' };

export function createState(settings = DEFAULT_SETTINGS) {
  return {
    settings: { ...settings },

    // The file being dealt: { name, blob (what the worker reads), key (its
    // content's short name, known once the worker has hashed it), print
    // (the fingerprint of its deals once read: 12 hex digits, '' where the
    // browser cannot work it out), fresh (opened by the director now, not
    // the file of the last visit) }; null before any file.
    file: null,

    // The form that makes a set of new deals: open or not, and what stops a
    // set ('no-crypto': no cryptographic source; 'range': boards or first
    // board out of range), or null.
    newDeals: { open: false, problem: null },

    // The latest run of the core over the file.
    run: {
      id: 0,              // counts runs; the answers of an older one are dropped
      text: null,         // the symbols text it was given
      symbols: null,      // the four symbols of the deals shown, one byte each (NUL for a missing one)
      reading: false,     // the core is reading the file
      boardsRead: 0,      // deals read so far
      warnings: [],       // the core's diagnostics so far: [{ text, after }]
      // Once it has ended: { exit, console, lines (where each console line
      // starts), output (_pipsweep.txt's bytes, or null), warnings (the
      // core's diagnostics of a run that went on: [{ text, after }], after
      // being the index of the deal they follow, -1 for none), stop (the
      // texts that ended a failed run) }; null while it runs.
      end: null,
      broken: null,       // why the page itself could not run the core, or null
      keyKnown: false,    // the file's content key is known (and the place kept for it put back)
      shown: false,       // its deals are shown
    },

    // The deals of the latest run (core.js's Deals: numbers, hands, and the
    // dealer and vulnerability the file gives), growing while it reads.
    deals: null,
    // The file those deals are of: a new run of it (other symbols) shows
    // them until its own come; a run of another file hides them.
    dealsFile: null,
    // The entry ("deal:copy") to show once its deal is read: the place kept
    // for the file, or the board shown when a run starts; null for the first.
    wanted: null,

    // Which boards, how many copies, in what order; kept with the place.
    session: { ...NEW_SESSION },
    // What is dealt in order (session.makeSequence), null before any deal.
    sequence: null,
    position: 0,           // the entry of the sequence shown
    cursors: new Map(),    // "deal:copy" -> the place on that board (session.NOT_STARTED..DONE)
    checks: new Map(),     // "deal:copy" -> 'ok' (three pockets' cards found in place), 'agree' (the counts
                           //   agree) or 'fault': each board's check, kept with the place
    // deal -> its double-dummy analysis (analysis.js's record), analysing.NOT_A_DEAL,
    // or { error } where the solver failed; kept with the file
    analyses: new Map(),
    drafts: new Map(),     // "deal:copy" -> { entries, found }: what was typed in its check, kept with the place

    // The check panel while it is open, on one board and copy; null when
    // closed. The director is shown nothing of the hands meanwhile.
    check: null,           // { key ("deal:copy"), entries, found, result, seat, exact, assessment }:
                           //   entries: N E S W, { count, hcp, spades, hearts, diamonds, clubs } as counted
                           //     (null for a field left blank); the board's draft's
                           //   found: seat -> the cards found in that pocket (arrays of card indices); the draft's
                           //   result: check.blindCheck's answer to the entries, null before Check
                           //   seat: the pocket (0-3) whose exact cards are entered
                           //   exact: true while the grid of that pocket's cards is shown
                           //   assessment: check.assess's answer to the pockets typed, null before Check
    showTops: false,       // the cards on top of the pockets shown at every step (key T)

    // What the page tells beside the board, each drawn where the eye is.
    notes: {
      resumed: null,       // the entry ("deal:copy") a reload came back to, until the next step
      range: [],           // session.rangeOf's problems with From and To
      copiesClamped: false, // Copies was typed above what is dealt
      printAsked: false,   // Print was pressed: a range too large for one print is told beside it
      typed: '',           // digits typed for a board to go to, before Enter
      noBoard: null,       // a board number typed that the session does not hold
      kept: null,          // true when the file is kept on the device, false when it cannot be, null unknown
      homeScreen: false,   // the browser may clear it in a week unless the page is on the Home Screen
      homeScreenNote: false, // ... said beside the board too, until the first step
      offline: false,      // the served page is kept for use without a network
      dealtBefore: null,   // the date every board of these deals was dealt on this device, asked about before dealing
    },
    folded: false,         // the settings are folded into one line while dealing
  };
}
