// The board check drawn from the state: the check panel in place of the
// grid, the board's check state beside its number, the session's summary,
// and the cards on top of the pockets.
import { RANK_COUNT, RED_SUITS, SUIT_SYMBOLS, rankOf, suitOf } from './cards.js';
import { boardLabel, cardLabel, cardName } from './board.js';
import {
  describeCheck, describeExact, describeMoves, summarize, uncheckedPositions,
} from './check.js';
import { DONE, pocketTops } from './session.js';

const $ = (id) => document.getElementById(id);

// At the end of the session the boards not checked are named, this many.
const UNCHECKED_NAMED = 8;

// After the last board: the boards not checked, by name.
function notChecked(state, words) {
  const { sequence, deals, session } = state;
  const positions = uncheckedPositions(sequence, state.checks, UNCHECKED_NAMED + 1);
  if (positions.length === 0) return '';
  const labels = positions.slice(0, UNCHECKED_NAMED).map((position) => {
    const label = boardLabel(deals, sequence.deals[position], words);
    return session.copies === 1 ? label : words.boardCopy(label, sequence.copies[position]);
  });
  return words.notChecked(labels, positions.length > UNCHECKED_NAMED);
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

// The check's sentence for the director, with its verdict.
function verdictOf(check, label, checkWords) {
  if (check.exact && check.exactResult !== null) {
    const { exact, moves } = check.exactResult;
    const right = exact.missing.length === 0 && exact.extra.length === 0;
    const text = describeExact(exact, checkWords) + (moves !== null && moves.length > 0 ? ` ${describeMoves(moves, checkWords)}` : '');
    return { verdict: right ? 'ok' : 'fault', text };
  }
  if (!check.exact && check.result !== null) {
    return { verdict: check.result.verdict === 'incomplete' ? '' : check.result.verdict, text: describeCheck(check.result, checkWords, label) };
  }
  return { verdict: '', text: '' };
}

export function drawCheck(state, words, { deal, key, label, cursor }) {
  const checkWords = words.check;
  const check = state.check !== null && state.check.key === key ? state.check : null;
  document.body.classList.toggle('checking', check !== null);
  $('check-panel').hidden = check === null;
  $('check').setAttribute('aria-pressed', String(check !== null));
  const verdict = state.checks.get(key) ?? 'unchecked';
  $('check-state').dataset.state = verdict;
  $('check-state').textContent = { unchecked: '', ok: '\u2713', fault: '\u2717' }[verdict];
  $('check-state').setAttribute('aria-label', words.checkStates[verdict]);

  const { ok, fault, unchecked } = summarize(state.sequence, state.checks);
  const summary = $('summary');
  summary.dataset.ok = String(ok);
  summary.dataset.fault = String(fault);
  summary.dataset.unchecked = String(unchecked);
  const atEnd = cursor === DONE && state.position === state.sequence.length - 1;
  const named = atEnd ? notChecked(state, words) : '';
  summary.textContent = `${words.summary(state.sequence.length, ok, fault, unchecked)}${named === '' ? '' : `${words.summaryThen}${named}`}`;

  const tops = pocketTops(state.deals.handsOf(deal), cursor, state.settings.pack === 'reversed');
  const shown = state.showTops || cursor === DONE || state.notes.resumed === key;
  $('pocket-tops').hidden = !shown;
  $('seats').hidden = shown;
  for (const [seat, top] of tops.entries()) {
    const spot = $('pocket-tops').children[seat + 1];
    spot.dataset.card = top < 0 ? '' : String(top);
    spot.textContent = top < 0 ? '\u2014' : cardLabel(top, words);
    spot.classList.toggle('red', top >= 0 && RED_SUITS[suitOf(top)]);
    spot.setAttribute('aria-label', `${words.seats[seat]}: ${top < 0 ? words.emptyPocket : cardLabel(top, words)}`);
  }

  if (check === null) return;
  $('check-title').textContent = words.checkTitle(label);
  $('check-how').textContent = check.exact ? words.checkExactHow(words.seats[check.seat]) : words.checkHow;
  $('check-panel').classList.toggle('exact', check.exact);
  $('check-grid').hidden = !check.exact;
  $('check-exact').setAttribute('aria-pressed', String(check.exact));
  if (check.exact) {
    buildCheckGrid($('check-grid'), words);
    const found = new Set(check.found[check.seat] ?? []);
    for (const button of $('check-grid').querySelectorAll('[data-card]')) {
      button.setAttribute('aria-pressed', String(found.has(Number(button.dataset.card))));
    }
  }
  const { verdict: shownVerdict, text } = verdictOf(check, label, checkWords);
  $('check-result').dataset.verdict = shownVerdict;
  $('check-result').textContent = text;
}
