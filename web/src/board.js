// One board drawn two ways, the same on the screen and in the print: the
// dealing grid (the hand of each card of the sorted pack) and the bridge
// diagram of the four hands. Hands are given as data attributes.
import {
  RANK_COUNT, RED_SUITS, SEATS, SUIT_LETTERS, SUIT_SYMBOLS, handSummary, rankOf,
} from './cards.js';
import {
  cardName, dealerText, handName, parText, strainLabel, vulnerabilityText,
} from './names.js';
import { NOT_A_DEAL } from './analysing.js';
import { STRAINS } from './analysis.js';

export function element(tag, className, text) {
  const e = document.createElement(tag);
  if (className) e.className = className;
  if (text !== undefined) e.textContent = text;
  return e;
}

// Cells are grouped 3, 3, 3, 3 and 1, as the direction line groups them.
const groupEnd = (rank) => rank % 3 === 2 && rank < RANK_COUNT - 1;

// The grid: rank labels over four suit rows of 13 cells, each cell its
// hand's symbol (symbolOf gives it), the hand in data-hand. table is an
// empty <table> with a <thead> row and a <tbody>, or one drawn before.
export function drawGrid(table, hands, symbolOf, words) {
  if (table.tBodies[0].rows.length === 0) {
    const head = table.tHead.rows[0];
    head.appendChild(document.createElement('td'));
    for (let rank = 0; rank < RANK_COUNT; ++rank) {
      const th = element('th', groupEnd(rank) ? 'gap' : '');
      th.scope = 'col';
      head.appendChild(th);
    }
    SUIT_SYMBOLS.forEach((symbol, suit) => {
      const row = table.tBodies[0].insertRow();
      const th = element('th', RED_SUITS[suit] ? 'suit red' : 'suit', symbol);
      th.scope = 'row';
      row.appendChild(th);
      for (let rank = 0; rank < RANK_COUNT; ++rank) {
        const td = row.insertCell();
        td.dataset.card = String(suit * RANK_COUNT + rank);
        td.className = groupEnd(rank) ? 'card gap' : 'card';
      }
    });
  }
  table.tHead.querySelectorAll('th').forEach((th, rank) => {
    th.textContent = words.ranks[rank];
    th.setAttribute('aria-label', words.rankNames[rank]);
  });
  table.tBodies[0].querySelectorAll('th').forEach((th, suit) => th.setAttribute('aria-label', words.suitNames[suit]));
  for (const td of table.querySelectorAll('td[data-card]')) {
    const card = Number(td.dataset.card);
    const hand = hands[card];
    td.dataset.hand = String(hand);
    td.textContent = symbolOf(hand);
    td.setAttribute('aria-label', `${cardName(card, words)}: ${handName(hand, words)}`);
  }
}

export function newGrid() {
  const table = element('table', 'grid');
  table.createTHead().insertRow();
  table.createTBody();
  return table;
}

// A hand's four suit lines; a void is a dash. Each rank is a span with its
// card, so that the current card can be marked.
function suitLines(hands, hand, words) {
  return SUIT_SYMBOLS.map((symbol, suit) => {
    const line = element('p', 'suit-line');
    const sign = element('span', RED_SUITS[suit] ? 'suit-sign red' : 'suit-sign', symbol);
    sign.setAttribute('aria-label', words.suitNames[suit]);
    const ranks = element('span', 'ranks');
    ranks.dataset.suit = SUIT_LETTERS[suit];
    for (let card = suit * RANK_COUNT; card < (suit + 1) * RANK_COUNT; ++card) {
      if (hands[card] !== hand) continue;
      if (ranks.childNodes.length > 0) ranks.append(' ');
      const rank = element('span', 'rank', words.ranks[rankOf(card)]);
      rank.dataset.card = String(card);
      ranks.append(rank);
    }
    if (ranks.childNodes.length === 0) ranks.textContent = '\u2014';
    line.append(sign, ranks);
    return line;
  });
}

// A board's heading as it stands in the middle of the diagram and on a
// slip: its number, dealer and vulnerability (marks: session.boardMarks).
const markTexts = (number, marks, words) => (number === 0 ? ['', '', '']
  : [words.board(number), dealerText(marks, words), vulnerabilityText(marks, words)]);

// A board's double-dummy analysis: the table of tricks, a row a declarer
// and a column a strain, and the par under the diagram. analysis: the
// record (analysis.js), NOT_A_DEAL, { error }, or undefined while it is on
// its way; label names the board.
function analysisParts(analysis, label, words) {
  const table = element('table', 'dd-table');
  const par = element('p', 'par');
  if (analysis === undefined || analysis === NOT_A_DEAL || analysis.error !== undefined) {
    table.hidden = true;
    par.textContent = analysis === undefined ? words.analysisToCome
      : analysis === NOT_A_DEAL ? words.notADeal(label) : words.solverFailed(analysis.error);
    return [table, par];
  }
  table.createCaption().textContent = words.ddTableLabel;
  const head = table.createTHead().insertRow();
  head.append(element('td'));
  STRAINS.forEach((strain, index) => {
    const th = element('th', index === 2 || index === 3 ? 'red' : '', strainLabel(index, words));
    th.scope = 'col';
    th.dataset.strain = strain;
    head.append(th);
  });
  const body = table.createTBody();
  SEATS.forEach((seat, declarer) => {
    const row = body.insertRow();
    const th = element('th', '', words.seatLetters[declarer]);
    th.scope = 'row';
    th.setAttribute('aria-label', words.seats[declarer]);
    row.append(th);
    STRAINS.forEach((strain, index) => {
      const td = row.insertCell();
      td.dataset.declarer = seat;
      td.dataset.strain = strain;
      td.textContent = String(analysis.tricks[declarer][index]);
    });
  });
  par.dataset.ns = String(analysis.par.ns);
  par.textContent = parText(analysis.par, words);
  return [table, par];
}

// The bridge diagram: North at the top, West left, East right, South at
// the bottom, the board's marks in the middle. analysed: with the
// double-dummy table and the par too (analysis: see analysisParts); ids:
// the screen's one diagram, whose table and par a test finds.
export function drawHands(container, hands, number, marks, words, {
  analysed = false, analysis, label = '', ids = false,
} = {}) {
  const summary = handSummary(hands);
  const parts = SEATS.map((seat, hand) => {
    const { count, hcp } = summary[hand];
    const box = element('div', 'hand');
    box.dataset.seat = seat;
    box.dataset.count = String(count);
    box.dataset.hcp = String(hcp);
    const head = element('p', 'hand-head');
    head.append(element('span', 'seat-name', words.seats[hand]), ' ', element('span', 'hcp', words.hcp(hcp)));
    if (count !== RANK_COUNT) head.append(' ', element('span', 'wrong', `${words.cards(count)}!`));
    box.append(head, ...suitLines(hands, hand, words));
    return box;
  });
  const middle = element('div', 'board-marks');
  const [title, dealer, vul] = markTexts(number, marks, words);
  middle.append(element('p', 'marks-number', title), element('p', '', dealer), element('p', '', vul));
  const extras = analysed ? analysisParts(analysis, label, words) : [];
  if (ids && extras.length > 0) [extras[0].id, extras[1].id] = ['dd-table', 'par'];
  container.replaceChildren(...parts, middle, ...extras);
}

// A curtain card: one hand on a slip, with everything that names it.
export function curtainSlip(hands, number, marks, hand, words) {
  const { count, hcp } = handSummary(hands)[hand];
  const slip = element('div', 'slip');
  slip.dataset.seat = SEATS[hand];
  slip.dataset.count = String(count);
  slip.dataset.hcp = String(hcp);
  const [title, dealer, vul] = markTexts(number, marks, words);
  slip.append(element('p', 'slip-board', title || words.board(number)),
    element('p', 'slip-seat', words.seats[hand]), element('p', 'slip-marks', number === 0 ? '' : `${dealer} \u00b7 ${vul}`),
    ...suitLines(hands, hand, words),
    element('p', 'slip-points', `${words.hcp(hcp)}${count === RANK_COUNT ? '' : ` \u00b7 ${words.cards(count)}!`}`));
  return slip;
}
