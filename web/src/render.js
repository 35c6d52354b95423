// The one drawing of the state: the settings line, the run's status, the
// settings' notes and the dealing view. render(state) only reads the state.
// Asked for many times in a frame, it draws at once the first time (a key
// shows its card without waiting) and then at most once more per frame.
import { showConsole } from './console-view.js';
import { drawControls } from './controls.js';
import { drawDealView } from './deal-view.js';
import { positionOf } from './session.js';
import { boardLabel, boardRef, cardLabel } from './names.js';
import { meaningOf } from './core-messages.js';
import { writeStaticWords } from './words.js';
import { symbolsText } from './symbols.js';
import { MAX_BOARDS } from './random-deals.js';

const $ = (id) => document.getElementById(id);

// What was drawn last of the run's end: its console and download are drawn
// once per end.
let drawnEnd = null;
let downloadUrl = null;
// The words index.html's texts were last written in.
let drawnWords = null;

// The lines a diagnostic printed, each in quotes.
const quoted = (texts) => texts.join('\n').split('\n').map((line) => line.trim()).filter((line) => line !== '')
  .map((line) => `\u201c${line}\u201d`).join(' ');

// What the core's message means, in the director's words; '' for a
// message the page does not know.
function meaningText(stop, deals, words) {
  const meaning = meaningOf(stop);
  if (meaning === null) return '';
  const count = deals?.length ?? 0;
  const where = count === 0 ? words.firstDeal : words.dealAfter(boardRef(deals, count - 1, words));
  const label = count === 0 ? '' : boardLabel(deals, count - 1, words);
  return ` ${words.meanings[meaning.kind]({ ...meaning, where, label })}`;
}

function statusText(state, words) {
  const { file, run, deals } = state;
  if (run.broken !== null) return words.broken(file.name, run.broken);
  if (run.end === null) return words.reading(file.name, run.boardsRead);
  const count = deals?.length ?? 0;
  if (run.end.exit === 0) return words.readToEnd(count);
  const meaning = meaningText(run.end.stop, deals, words);
  if (count === 0) return words.noDeal(quoted(run.end.stop)) + meaning;
  return words.stoppedAfter(boardRef(deals, count - 1, words), quoted(run.end.stop)) + meaning;
}

// A warning of a run that went on, by the boards it lies between.
function warningText({ text, after }, deals, words) {
  if (after < 0) return words.warningBefore(quoted([text]));
  if (after + 1 >= deals.length) return words.warningAfter(boardRef(deals, after, words), quoted([text]));
  return words.warningBetween(boardRef(deals, after, words), boardRef(deals, after + 1, words), quoted([text]));
}

function drawEnd(state, words) {
  const { file, run, deals } = state;
  const end = $('end');
  const status = $('status');
  end.hidden = file === null;
  if (file === null) return;
  const failed = run.broken !== null || (run.end !== null && run.end.exit !== 0);
  const warnings = deals === null ? [] : (run.end?.warnings ?? run.warnings);
  end.classList.toggle('failed', failed);
  end.classList.toggle('warned', warnings.length > 0);
  status.textContent = statusText(state, words);
  // The exit status is there once the run has ended, and only then.
  if (run.end === null) status.removeAttribute('data-exit');
  else status.dataset.exit = String(run.end.exit);
  if (run.reading) status.setAttribute('aria-busy', 'true');
  else status.removeAttribute('aria-busy');
  $('warnings').replaceChildren(...warnings.map((warning) => {
    const item = document.createElement('li');
    item.dataset.after = String(warning.after);
    item.textContent = warningText(warning, deals, words);
    return item;
  }));
  const icon = $('icons').content.querySelector(`[data-icon="${failed ? 'stop' : 'success'}"]`).getAttribute('src');
  const ended = run.end !== null;
  for (const [img, alt] of [[$('end-icon'), failed ? words.endStopped : words.endDone],
    [$('end-mark'), failed ? words.endMarkStopped : words.endMarkDone]]) {
    img.hidden = !ended && run.broken === null;
    img.src = icon;
    img.alt = alt;
  }

  if (run.end !== drawnEnd) {
    drawnEnd = run.end;
    if (downloadUrl !== null) URL.revokeObjectURL(downloadUrl);
    downloadUrl = run.end?.output ? URL.createObjectURL(new Blob([run.end.output], { type: 'text/plain' })) : null;
    if (downloadUrl === null) $('download').removeAttribute('href');
    else $('download').href = downloadUrl;
    showConsole($('console'), run.end?.console ?? new Uint8Array(0), run.end?.lines ?? new Uint32Array(0));
  }
  $('download-line').hidden = downloadUrl === null;
  $('console-box').hidden = run.end === null;
}

function drawSetupLine(state, words) {
  const { file, run, deals } = state;
  $('setup').hidden = file === null;
  $('setup').setAttribute('aria-expanded', String(!state.folded));
  $('setup-panel').hidden = state.folded;
  if (file === null) return;
  $('file-name').textContent = file.name;
  // The fingerprint beside the name: the same set at the tables, on paper and at the scorer's.
  $('fingerprint').textContent = file.print ?? '';
  if (file.print) $('fingerprint').setAttribute('aria-label', words.fingerprintLabel(file.print));
  else $('fingerprint').removeAttribute('aria-label');
  $('boards-read').textContent = run.end === null ? words.readSoFar(run.boardsRead) : words.boards(deals?.length ?? 0);
}

function drawNotes(state, words) {
  const { notes } = state;
  $('first-visit').hidden = state.file !== null;
  if (state.file === null) {
    $('first-sort').textContent = words.firstSort;
    const letters = [...symbolsText(state.settings, words).slice(0, 4)].filter((c) => c.trim() !== '');
    $('first-symbols').textContent = letters.length === 4 ? words.firstSymbols(letters) : words.firstSymbolsUnset;
    for (const card of document.querySelectorAll('[data-pack-card]')) card.textContent = cardLabel(Number(card.dataset.packCard), words);
  }
  $('kept').textContent = notes.kept === null ? '' : `${notes.kept ? words.kept : words.notKept}${notes.homeScreen ? ` ${words.homeScreen}` : ''}`;
  $('offline').hidden = !notes.offline;
  const at = notes.resumed === null || state.sequence === null ? -1 : positionOf(state.sequence, notes.resumed);
  let text = '';
  if (notes.typed !== '') text = words.goingTo(notes.typed);
  else if (notes.noBoard !== null) text = words.noBoard(notes.noBoard);
  else if (notes.homeScreenNote) text = words.homeScreen;
  else if (at >= 0) {
    const copies = state.session.copies;
    text = words.resumed(boardRef(state.deals, state.sequence.deals[at], words))
      + (copies === 1 ? '' : `, ${words.copy(state.sequence.copies[at], copies)}`);
  }
  $('note').textContent = text;
  $('note').hidden = text === '';
}

// The form for new deals, and what stops a set.
function drawNewDeals(state, words) {
  const { open, problem } = state.newDeals;
  $('new-deals-form').hidden = !open;
  $('new-deals').setAttribute('aria-expanded', String(open));
  $('new-deals-note').textContent = problem === 'no-crypto' ? words.noCrypto
    : problem === 'range' ? words.newRange(MAX_BOARDS) : '';
}

// Deals dealt here before: asked, where the eye is, before a card is dealt.
function drawDealtBefore(state, words) {
  const day = state.notes.dealtBefore;
  $('dealt-before').hidden = day === null;
  if (day === null) return;
  const [year, month, date] = day.split('-').map(Number);
  const when = new Intl.DateTimeFormat(words.grammarTag, { dateStyle: 'long' })
    .format(new Date(year, month - 1, date));
  $('dealt-before-text').textContent = words.dealtBefore(when);
}

function draw(state, words) {
  if (words !== drawnWords) {
    drawnWords = words;
    writeStaticWords(document, words);
  }
  const body = document.body.classList;
  body.toggle('folded', state.folded);
  body.toggle('show-hands', state.settings.handView);
  body.toggle('blind', state.settings.blind);
  drawSetupLine(state, words);
  drawEnd(state, words);
  drawNotes(state, words);
  drawControls(state, words);
  drawNewDeals(state, words);
  drawDealView(state, words);
  drawDealtBefore(state, words);
  if (state.run.end !== null || state.run.broken !== null) document.body.dataset.runs = String(state.run.id);
}

// render() as the app calls it: draws now, or in the next frame when this
// frame has been drawn already.
export function createRenderer(state, words) {
  let drawnThisFrame = false;
  let pending = false;
  const frame = () => {
    if (pending) {
      pending = false;
      draw(state, words());
      requestAnimationFrame(frame);
    } else {
      drawnThisFrame = false;
    }
  };
  return function render() {
    if (drawnThisFrame) {
      pending = true;
      return;
    }
    drawnThisFrame = true;
    draw(state, words());
    requestAnimationFrame(frame);
  };
}
