// The board check drawn from the state: the check panel in place of the
// grid, the board's check state beside its number, the session's summary,
// and the cards on top of the pockets.
import { RANK_COUNT, RED_SUITS, SUIT_SYMBOLS, rankOf, suitOf } from './cards.js';
import { boardLabel, cardLabel, cardName } from './names.js';
import { positionsWith, summarize } from './check.js';
import { blindText, exactText } from './check-sentences.js';
import { DONE, pocketTops } from './session.js';

const $ = (id) => document.getElementById(id);

// At the end of the session the boards faulty and not checked are named,
// this many of each.
const BOARDS_NAMED = 8;
const STATE_SIGNS = {
  unchecked: '', ok: '\u2713', agree: '\u2248', fault: '\u2717',
};

// After the last board: the boards with one of verdicts, by name, as
// sentence gives them; '' for none.
function boardsNamed(state, words, verdicts, sentence) {
  const { sequence, deals, session } = state;
  const positions = positionsWith(sequence, state.checks, verdicts, BOARDS_NAMED + 1);
  if (positions.length === 0) return '';
  const labels = positions.slice(0, BOARDS_NAMED).map((position) => {
    const label = boardLabel(deals, sequence.deals[position], words);
    return session.copies === 1 ? label : words.boardCopy(label, sequence.copies[position]);
  });
  return sentence(labels, positions.length > BOARDS_NAMED);
}

// The pocket's cards as the director taps them: no hands, no colours, only
// the cards, suit by suit as a sorted pack lies.
function buildCheckGrid(grid, words) {
  if (grid.childElementCount === 0) {
    for (let suit = 0; suit < SUIT_SYMBOLS.length; ++suit) {
      const row = document.createElement('div');
      row.className = 'check-suit';
      const sign = document.createElement('span');
      sign.className = RED_SUITS[suit] ? 'check-sign red' : 'check-sign';
      sign.textContent = SUIT_SYMBOLS[suit];
      sign.setAttribute('aria-hidden', 'true');
      row.append(sign);
      for (let rank = 0; rank < RANK_COUNT; ++rank) {
        const button = document.createElement('button');
        button.type = 'button';
        button.className = RED_SUITS[suit] ? 'check-card red' : 'check-card';
        button.dataset.card = String(suit * RANK_COUNT + rank);
        row.append(button);
      }
      grid.append(row);
    }
  }
  for (const button of grid.querySelectorAll('[data-card]')) {
    const card = Number(button.dataset.card);
    button.textContent = words.ranks[rankOf(card)];
    button.setAttribute('aria-label', cardName(card, words));
  }
}

// The check's finding for the director: its verdict, its kind and its
// sentence.
function findingOf(check, words, label, labelOf) {
  if (check.exact && check.assessment !== null) {
    const { verdict } = check.assessment;
    return { verdict: verdict === 'open' ? '' : verdict, kind: 'exact', text: exactText(check.assessment, words, label) };
  }
  if (!check.exact && check.result !== null) {
    const { verdict } = check.result;
    return {
      verdict: ['agree', 'fault'].includes(verdict) ? verdict : '',
      kind: verdict === 'fault' ? check.result.kind : verdict,
      text: blindText(check.result, words, label, labelOf),
    };
  }
  return { verdict: '', kind: '', text: '' };
}

function drawSummary(state, words, cursor) {
  const counts = summarize(state.sequence, state.checks);
  const summary = $('summary');
  for (const [name, count] of Object.entries(counts)) summary.dataset[name] = String(count);
  const atEnd = cursor === DONE && state.position === state.sequence.length - 1;
  const named = atEnd ? [boardsNamed(state, words, ['fault'], words.faulty),
    boardsNamed(state, words, [''], words.notChecked)].filter((text) => text !== '') : [];
  const text = words.summary(state.sequence.length, counts);
  summary.textContent = named.length === 0 ? text : `${text}${words.summaryThen}${named.join(words.sentenceGap)}`;
}

function drawTops(state, words, deal, key, cursor) {
  const tops = pocketTops(state.deals.handsOf(deal), cursor, state.settings.pack === 'reversed');
  const shown = state.showTops || cursor === DONE || state.notes.resumed === key;
  $('pocket-tops').hidden = !shown;
  $('seats').hidden = shown;
  $('tops').setAttribute('aria-pressed', String(state.showTops));
  for (const [seat, top] of tops.entries()) {
    const spot = $('pocket-tops').children[seat + 1];
    spot.dataset.card = top < 0 ? '' : String(top);
    spot.querySelector('.top-seat').textContent = words.seatLetters[seat];
    spot.querySelector('.top-card').textContent = top < 0 ? '\u2014' : cardLabel(top, words);
    spot.classList.toggle('red', top >= 0 && RED_SUITS[suitOf(top)]);
    spot.setAttribute('aria-label', `${words.seats[seat]}: ${top < 0 ? words.emptyPocket : cardLabel(top, words)}`);
  }
}

export function drawCheck(state, words, {
  deal, key, label, cursor,
}) {
  const check = state.check !== null && state.check.key === key ? state.check : null;
  document.body.classList.toggle('checking', check !== null);
  document.body.classList.toggle('check-suits', state.settings.checkSuits);
  $('check-panel').hidden = check === null;
  $('check').setAttribute('aria-pressed', String(check !== null));
  const verdict = state.checks.get(key) ?? 'unchecked';
  $('check-state').dataset.state = verdict;
  $('check-state').textContent = STATE_SIGNS[verdict];
  $('check-state').setAttribute('aria-label', words.checkStates[verdict]);
  // A board is dealt again from its end, or from the check.
  $('redeal').hidden = check === null && cursor !== DONE;
  drawSummary(state, words, cursor);
  drawTops(state, words, deal, key, cursor);

  if (check === null) return;
  $('check-title').textContent = words.checkTitle(label);
  $('check-how').textContent = check.exact ? words.checkExactHow(words.seats[check.seat]) : words.checkHow;
  $('check-panel').classList.toggle('exact', check.exact);
  $('check-grid').hidden = !check.exact;
  $('check-exact').setAttribute('aria-pressed', String(check.exact));
  buildCheckGrid($('check-grid'), words);
  const found = new Set(check.found[check.seat] ?? []);
  for (const button of $('check-grid').querySelectorAll('[data-card]')) {
    button.setAttribute('aria-pressed', String(found.has(Number(button.dataset.card))));
  }
  const finding = findingOf(check, words, label, (other) => boardLabel(state.deals, other, words));
  const result = $('check-result');
  result.dataset.verdict = finding.verdict;
  result.dataset.kind = finding.kind;
  result.textContent = finding.text;
}
