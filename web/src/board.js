// One board drawn two ways, the same on the screen and in the print: the
// dealing grid (the hand of each card of the sorted pack) and the bridge
// diagram of the four hands. Hands are given as data attributes.
import {
  RANK_COUNT, RED_SUITS, SEATS, SUIT_LETTERS, SUIT_SYMBOLS, handSummary, rankOf,
} from './cards.js';
import {
  cardName, dealerText, handName, vulnerabilityText,
} from './names.js';

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

// The bridge diagram: North at the top, West left, East right, South at
// the bottom, the board's marks in the middle.
export function drawHands(container, hands, number, marks, words) {
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
  container.replaceChildren(...parts, middle);
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
