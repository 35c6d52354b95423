// The settings' controls, both ways: the one place that reads a control's
// value (when it changes, into the app) and that writes one (when the state
// brings another value, say a session resumed). Nothing else touches them.
import { symbolsText, symbolsWarning } from './symbols.js';
import { MAX_COPIES } from './session.js';
import { MAX_PRINT_BOARDS, rangeBoards } from './session.js';

const $ = (id) => document.getElementById(id);

// A pause in typing the symbols before the file is read again with them.
const RERUN_AFTER_MS = 800;

// Switches and choices: the control and the setting it holds.
const SWITCHES = {
  speak: 'speak', tones: 'tones', blind: 'blind', 'show-hands': 'handView', runs: 'runs', 'check-suits': 'checkSuits',
};
const CHOICES = { 'pack-order': 'pack', 'print-kind': 'printKind', event: 'event', date: 'date', language: 'language' };
const SESSION_FIELDS = ['from', 'to', 'copies', 'copy-order'];

// What the controls show was last written from these objects: a value is
// written only when the state brings a new one, so a field being typed in
// stays as typed.
let shownSettings = null;
let shownSession = null;

export function drawControls(state, words) {
  const { settings, session } = state;
  if (settings !== shownSettings) {
    shownSettings = settings;
    for (const [id, field] of Object.entries(SWITCHES)) $(id).checked = settings[field];
    for (const [id, field] of Object.entries(CHOICES)) $(id).value = settings[field];
    const symbols = symbolsText(settings, words);
    if ($('symbols').value !== symbols) $('symbols').value = symbols;
  }
  if (session !== shownSession) {
    shownSession = session;
    $('from').value = session.from;
    $('to').value = session.to;
    $('copies').value = String(session.copies);
    $('copy-order').value = session.order;
  }
  drawCheckFields(state.check);
  $('symbols-note').textContent = symbolsWarning(symbolsText(settings, words), words);
  const range = state.notes.range.map((problem) => (problem.missing === 'from'
    ? words.noFrom(problem.number) : words.noTo(problem.number, problem.after)));
  if (state.notes.copiesClamped) range.push(words.copiesClamped(MAX_COPIES));
  $('range-note').textContent = range.join(' ');
  const boards = rangeBoards(state.sequence);
  $('print-note').textContent = state.notes.printAsked && boards > MAX_PRINT_BOARDS
    ? words.printTooMany(MAX_PRINT_BOARDS, boards) : '';
}

// The check's fields: as typed for the board, when its check opens.
let shownCheck = null;
const checkFields = () => document.querySelectorAll('#check-panel input[name]');
const seatOf = (input) => 'NESW'.indexOf(input.closest('[data-seat]').dataset.seat);
function drawCheckFields(check) {
  if (check !== null && $('check-seat').value !== String(check.seat)) $('check-seat').value = String(check.seat);
  if (check === shownCheck) return;
  const opened = check !== null && shownCheck?.key !== check.key;
  shownCheck = check;
  if (opened) {
    for (const input of checkFields()) input.value = String(check.entries[seatOf(input)][input.name] ?? '');
  }
}

// Binds the check panel's fields and buttons: a field's number enters the
// state as typed; Enter goes on to the next field, and in the last one
// checks.
function bindCheck(app, on) {
  const template = document.getElementById('check-pocket').content;
  for (const [i, seat] of ['N', 'E', 'S', 'W'].entries()) {
    const fieldset = template.firstElementChild.cloneNode(true);
    fieldset.dataset.seat = seat;
    fieldset.querySelector('legend').dataset.words = `seats.${i}`;
    document.querySelector('#check-panel .check-seats').append(fieldset);
  }
  for (const input of checkFields()) {
    const seat = seatOf(input);
    on(input, 'input', () => {
      const value = input.value.trim() === '' ? null : Number(input.value);
      app.setCheckEntry(seat, input.name, Number.isFinite(value) ? value : null);
    });
    // The suit lengths are there only while they are counted.
    on(input, 'keydown', (event) => {
      if (event.key !== 'Enter') return;
      event.preventDefault();
      const shown = [...checkFields()].filter((field) => field.checkVisibility?.() ?? field.offsetParent !== null);
      const next = shown[shown.indexOf(input) + 1];
      if (next !== undefined) next.focus();
      else app.verifyCheck();
    });
  }
  on($('check-seat'), 'change', () => app.setCheckSeat(Number($('check-seat').value)));
  on($('check-exact'), 'click', app.toggleExact);
  on($('check-verify'), 'click', app.verifyCheck);
  on($('check-grid'), 'click', (event) => {
    const card = event.target instanceof Element ? event.target.closest('[data-card]') : null;
    if (card !== null) app.toggleFound(Number(card.dataset.card));
  });
  on($('check'), 'click', () => {
    app.toggleCheck();
    if (app.checking()) requestAnimationFrame(() => checkFields()[0].focus());
  });
  on($('redeal'), 'click', app.redeal);
  on($('tops'), 'click', app.toggleTops);
}

// Binds the controls to the app; returns the function that unbinds them.
// openFile and openExample: how a file chosen reaches the app (main.js).
export function bindControls(app, { openFile, openExample }) {
  const unbinds = [];
  const on = (target, type, handler) => {
    target.addEventListener(type, handler);
    unbinds.push(() => target.removeEventListener(type, handler));
  };

  for (const [id, field] of Object.entries(SWITCHES)) on($(id), 'change', () => app.setSetting(field, $(id).checked));
  for (const [id, field] of Object.entries(CHOICES)) on($(id), 'change', () => app.setSetting(field, $(id).value));

  // The symbols: a warning at once, a new run on Enter, on leaving the
  // field, or after a pause in typing.
  let rerunTimer = 0;
  const symbols = $('symbols');
  const rerun = () => {
    clearTimeout(rerunTimer);
    app.applySymbols(symbols.value);
  };
  on(symbols, 'input', () => {
    app.typeSymbols(symbols.value);
    clearTimeout(rerunTimer);
    rerunTimer = setTimeout(rerun, RERUN_AFTER_MS);
  });
  on(symbols, 'change', rerun);
  on(symbols, 'keydown', (event) => {
    if (event.key !== 'Enter') return;
    event.preventDefault();
    rerun();
  });
  unbinds.push(() => clearTimeout(rerunTimer));

  // The session: a change applies when a field is left (or on Enter).
  const session = () => app.setSession({
    from: $('from').value, to: $('to').value, copies: $('copies').value, order: $('copy-order').value,
  });
  for (const id of SESSION_FIELDS) on($(id), 'change', session);

  bindCheck(app, on);
  on($('deal-file'), 'change', () => openFile($('deal-file').files[0]));
  on($('example'), 'click', openExample);
  // New deals: the form, today's date in it, and the set made from it.
  on($('new-deals'), 'click', () => {
    app.toggleNewDeals();
    if ($('new-date').value === '') $('new-date').value = app.today();
    // On a phone the form opens below the fold: brought into view.
    if (!$('new-deals-form').hidden) $('new-deals-form').scrollIntoView({ block: 'nearest' });
  });
  on($('new-deals-form'), 'submit', (event) => {
    event.preventDefault();
    app.makeDeals({
      boards: $('new-boards').value, first: $('new-first').value, event: $('new-event').value, date: $('new-date').value,
    });
  });
  // The PBN file for the scorer, saved as a download.
  on($('export-pbn'), 'click', async () => {
    const file = await app.exportPbn();
    if (file === null) return;
    const link = document.createElement('a');
    link.href = URL.createObjectURL(new Blob([file.text], { type: 'application/octet-stream' }));
    link.download = file.name;
    document.body.append(link);
    link.click();
    link.remove();
    setTimeout(() => URL.revokeObjectURL(link.href), 60000);
  });
  on($('dealt-again'), 'click', () => app.answerDealtBefore(true));
  on($('dealt-other'), 'click', () => {
    app.answerDealtBefore(false);
    $('deal-file').focus();
  });
  // Too many boards: From is where the range is chosen.
  on($('print-button'), 'click', () => {
    if (app.askPrint()) window.print();
    else $('from').focus();
  });
  return () => unbinds.forEach((unbind) => unbind());
}
