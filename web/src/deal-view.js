// The dealing view drawn from the state: the board line with its marks,
// the card panel, the grid or the hands, the counts and the direction line.
// It only reads the state; what it drew last is remembered so that a step
// redraws only the cells that change.
import {
  CARDS, NO_HAND, RED_SUITS, SUIT_SYMBOLS, rankOf, suitOf,
} from './cards.js';
import { drawGrid, drawHands } from './board.js';
import {
  boardLabel, cardLabel, cardName, dealerText, handName, marksOf, vulnerabilityText,
} from './names.js';
import { NOT_STARTED, entryKey, runLength } from './session.js';
import { lineOf, shown, symbolOf } from './symbols.js';
import { drawCheck } from './check-view.js';
import { analysisProgress } from './analysing.js';

const $ = (id) => document.getElementById(id);

// What was drawn last: the deal, its symbols and words, and the place.
let drawn = {
  deal: -1, symbols: '', words: null, deals: null, place: '', ending: '',
};

// The cards of a run as the panel shows them: "♠Q J 10", a new suit sign
// where the run goes into the next suit.
function runText(first, length, along, words) {
  let text = '';
  for (let i = 0, card = first; i < length; ++i, card += along) {
    const newSuit = i === 0 || suitOf(card) !== suitOf(card - along);
    text += `${i === 0 ? '' : ' '}${newSuit ? SUIT_SYMBOLS[suitOf(card)] : ''}${words.ranks[rankOf(card)]}`;
  }
  return text;
}

function drawBoard(state, deal, hands, words) {
  const { deals, run } = state;
  const number = deals.number(deal);
  const marks = marksOf(deals, deal);
  const symbolText = (hand) => shown(symbolOf(run.symbols, hand));
  $('board-number').textContent = String(number);
  $('dealer').dataset.seat = marks.dealer;
  $('dealer').textContent = dealerText(marks, words);
  $('vulnerability').dataset.vul = marks.vulnerability;
  $('vulnerability').textContent = vulnerabilityText(marks, words);
  drawGrid($('grid'), hands, symbolText, words);
  drawHands($('hands'), hands, number, marks, words, {
    analysed: true, analysis: state.analyses.get(deal), label: boardLabel(deals, deal, words), ids: true,
  });
  const counts = [0, 0, 0, 0, 0];
  for (const hand of hands) ++counts[hand];
  $('counts').replaceChildren(...counts.map((count, hand) => {
    if (hand === NO_HAND && count === 0) return '';
    const span = document.createElement('span');
    span.className = count === 13 ? 'count' : 'count wrong';
    span.dataset.hand = String(hand);
    const name = document.createElement('span');
    name.className = 'count-hand';
    name.textContent = handName(hand, words);
    span.append(symbolText(hand), name, ` ${count}${count === 13 ? '' : ' !'}`);
    return span;
  }));
  $('board-line').textContent = (number === 0 ? '' : `${words.board(number)}\n`) + lineOf(run.symbols, hands);
}

// Where the window is too small for the whole grid (a page zoomed in), the
// current cell is scrolled into view.
function bringIntoView(cell) {
  if (document.documentElement.scrollHeight <= innerHeight && document.documentElement.scrollWidth <= innerWidth) return;
  const box = cell.getBoundingClientRect();
  if (box.height > 0 && (box.top < 0 || box.bottom > innerHeight || box.left < 0 || box.right > innerWidth)) {
    cell.scrollIntoView({ block: 'nearest', inline: 'nearest' });
  }
}

// The panel and the marked cells for the place on the board.
function drawPlace(state, deal, hands, cursor, words) {
  const panel = $('card-panel');
  const reversed = state.settings.pack === 'reversed';
  const along = reversed ? -1 : 1;
  for (const cell of document.querySelectorAll('#deal-view .at, #deal-view .in-run')) cell.classList.remove('at', 'in-run');
  if (cursor >= 0 && cursor < CARDS) {
    const hand = hands[cursor];
    const length = state.settings.runs ? runLength(hands, cursor, reversed) : 1;
    for (let i = 0, card = cursor; i < length; ++i, card += along) {
      for (const cell of document.querySelectorAll(`#deal-view [data-card="${card}"]`)) cell.classList.add(i === 0 ? 'at' : 'in-run');
    }
    bringIntoView(document.querySelector(`#grid [data-card="${cursor}"]`));
    const name = handName(hand, words);
    panel.dataset.card = String(cursor);
    panel.dataset.rank = words.ranks[rankOf(cursor)];
    panel.dataset.hand = String(hand);
    panel.dataset.run = String(length);
    panel.className = 'card-panel';
    $('panel-card').textContent = cardLabel(cursor, words);
    $('panel-card').classList.toggle('red', RED_SUITS[suitOf(cursor)]);
    $('panel-symbol').textContent = shown(symbolOf(state.run.symbols, hand));
    $('panel-words').textContent = length === 1 ? name : `${name} \u00d7${length}: ${runText(cursor, length, along, words)}`;
    return length === 1 ? `${cardName(cursor, words)}: ${name}` : `${runText(cursor, length, along, words)}: ${words.runSpoken(name, length)}`;
  }
  delete panel.dataset.run;
  panel.dataset.card = '';
  panel.dataset.rank = '';
  panel.dataset.hand = '';
  $('panel-card').classList.remove('red');
  $('panel-symbol').textContent = '';
  const { sequence, position, session } = state;
  const label = boardLabel(state.deals, deal, words);
  const named = session.copies === 1 ? label : words.boardCopy(label, sequence.copies[position]);
  if (cursor === NOT_STARTED) {
    panel.className = 'card-panel waiting';
    $('panel-card').textContent = named;
    $('panel-words').textContent = words.firstCard;
  } else {
    panel.className = 'card-panel done';
    $('panel-card').textContent = words.done(named);
    // All dealt only once the whole file is read: while it is, more boards may come.
    const all = position === sequence.length - 1 && state.run.end !== null;
    $('panel-words').textContent = all ? words.allDealt(sequence.length) : words.nextPack;
  }
  return `${$('panel-card').textContent}. ${$('panel-words').textContent}`;
}

export function drawDealView(state, words) {
  const view = $('deal-view');
  view.hidden = state.sequence === null || state.sequence.length === 0;
  if (view.hidden) {
    drawn = {
      deal: -1, symbols: '', words: null, deals: null, place: '', ending: '',
    };
    return;
  }
  const { sequence, position, deals, run } = state;
  const deal = sequence.deals[position];
  const hands = deals.handsOf(deal);
  const symbols = run.symbols.join('');
  const analysis = state.analyses.get(deal);
  if (drawn.deal !== deal || drawn.symbols !== symbols || drawn.words !== words || drawn.deals !== deals
    || drawn.analysis !== analysis) {
    drawBoard(state, deal, hands, words);
    drawn = {
      deal, symbols, words, deals, analysis, place: '', ending: '',
    };
  }
  const { done, total } = analysisProgress(state);
  $('analysis').dataset.done = String(done);
  $('analysis').dataset.total = String(total);
  $('analysis').textContent = total === 0 ? '' : done < total ? words.analysing(done, total) : words.analysed(total);
  $('board-place').textContent = words.place(position + 1, sequence.length);
  const copy = sequence.copies[position];
  const { copies } = state.session;
  $('copy').dataset.copy = String(copy);
  $('copy').dataset.copies = String(copies);
  $('copy').textContent = copies === 1 ? '' : words.copy(copy, copies);
  $('prev').disabled = position === 0;
  $('next').disabled = position === sequence.length - 1;
  const lastRead = state.run.end !== null && state.run.end.exit !== 0 && deal === deals.length - 1;
  $('last-read').hidden = !lastRead;
  view.classList.toggle('faulty', lastRead);

  const key = entryKey(sequence, position);
  const cursor = state.cursors.get(key) ?? NOT_STARTED;
  drawCheck(state, words, { deal, key, label: boardLabel(deals, deal, words), cursor });
  const place = `${position}:${cursor}:${state.settings.runs}:${state.settings.pack}`;
  // The last board's end reads otherwise once the file is read to its end.
  const ending = `${sequence.length}:${state.run.end !== null}`;
  if (place !== drawn.place || ending !== drawn.ending || drawn.words !== words) {
    const phrase = drawPlace(state, deal, hands, cursor, words);
    // Said once per step, as one phrase, to a screen reader.
    if (drawn.place !== '' && place !== drawn.place) $('announce').textContent = phrase;
    drawn.place = place;
    drawn.ending = ending;
  }
}
