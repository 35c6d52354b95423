// One board drawn two ways, the same on the screen and in the print: the
// dealing grid (the hand of each card of the sorted pack) and the bridge
// diagram of the four hands. Hands are given as data attributes.
'use strict';

window.Pipsweep = window.Pipsweep || {};

(() => {
  const SUITS = [
    { symbol: '\u2660', name: 'spades', letter: 'S', red: false },
    { symbol: '\u2665', name: 'hearts', letter: 'H', red: true },
    { symbol: '\u2666', name: 'diamonds', letter: 'D', red: true },
    { symbol: '\u2663', name: 'clubs', letter: 'C', red: false },
  ];
  const RANKS = ['A', 'K', 'Q', 'J', 'T', '9', '8', '7', '6', '5', '4', '3', '2'];
  // In large type and in the hands the ten is "10": "T" is also North's symbol.
  const CARD_RANKS = RANKS.map((rank) => (rank === 'T' ? '10' : rank));
  const RANK_NAMES = ['ace', 'king', 'queen', 'jack', 'ten', 'nine', 'eight', 'seven', 'six',
    'five', 'four', 'three', 'two'];
  const HANDS = ['North', 'East', 'South', 'West'];
  const SEATS = ['N', 'E', 'S', 'W'];
  const NO_HAND = 4;
  const POINTS = [4, 3, 2, 1];
  // The cycle every set of boards follows, by board number.
  const VULNERABILITY = ['None', 'NS', 'EW', 'All', 'NS', 'EW', 'All', 'None',
    'EW', 'All', 'None', 'NS', 'All', 'None', 'NS', 'EW'];

  const cycle = (number, length) => (((number - 1) % length) + length) % length;
  // A board without a number (0) has no dealer and no vulnerability.
  const dealerOf = (number) => (number === 0 ? '' : SEATS[cycle(number, 4)]);
  const vulnerabilityOf = (number) => (number === 0 ? '' : VULNERABILITY[cycle(number, 16)]);

  const cardName = (card) => `${RANK_NAMES[card % 13]} of ${SUITS[Math.floor(card / 13)].name}`;
  const groupEnd = (rank) => rank % 3 === 2 && rank < 12;
  const element = (tag, className, text) => {
    const e = document.createElement(tag);
    if (className) e.className = className;
    if (text !== undefined) e.textContent = text;
    return e;
  };

  // The grid: rank labels over four suit rows of 13 cells, each cell its
  // hand's symbol (symbolOf gives it), the hand in data-hand. table is an
  // empty <table> with a <thead> row and a <tbody>, or one drawn before.
  function drawGrid(table, hands, symbolOf) {
    if (table.tBodies[0].rows.length === 0) {
      const head = table.tHead.rows[0];
      head.appendChild(document.createElement('td'));
      RANKS.forEach((rank, r) => {
        const th = element('th', groupEnd(r) ? 'gap' : '', rank);
        th.scope = 'col';
        th.setAttribute('aria-label', RANK_NAMES[r]);
        head.appendChild(th);
      });
      SUITS.forEach((suit, s) => {
        const row = table.tBodies[0].insertRow();
        const th = element('th', suit.red ? 'suit red' : 'suit', suit.symbol);
        th.scope = 'row';
        th.setAttribute('aria-label', suit.name);
        row.appendChild(th);
        for (let r = 0; r < 13; ++r) {
          const td = row.insertCell();
          td.dataset.card = String(s * 13 + r);
          td.className = groupEnd(r) ? 'card gap' : 'card';
        }
      });
    }
    for (const td of table.querySelectorAll('td[data-card]')) {
      const card = Number(td.dataset.card);
      const hand = hands[card];
      td.dataset.hand = String(hand);
      td.textContent = symbolOf(hand);
      td.setAttribute('aria-label', `${cardName(card)}: ${hand === NO_HAND ? 'no hand' : HANDS[hand]}`);
    }
  }
  function newGrid() {
    const table = element('table', 'grid');
    table.createTHead().insertRow();
    table.createTBody();
    return table;
  }

  // One hand: its cards suit by suit, its count and its points.
  function handOf(hands, hand) {
    const suits = SUITS.map(() => []);
    let count = 0;
    let points = 0;
    for (let card = 0; card < 52; ++card) {
      if (hands[card] !== hand) continue;
      suits[Math.floor(card / 13)].push(card);
      ++count;
      if (card % 13 < POINTS.length) points += POINTS[card % 13];
    }
    return { suits, count, points };
  }

  // A hand's four suit lines; a void is a dash. Each rank is a span with its
  // card, so that the current card can be marked.
  function suitLines(suits) {
    return SUITS.map((suit, s) => {
      const line = element('p', 'suit-line');
      const sign = element('span', suit.red ? 'suit-sign red' : 'suit-sign', suit.symbol);
      sign.setAttribute('aria-label', suit.name);
      const ranks = element('span', 'ranks');
      ranks.dataset.suit = suit.letter;
      if (suits[s].length === 0) ranks.textContent = '\u2014';
      suits[s].forEach((card, i) => {
        if (i > 0) ranks.append(' ');
        const rank = element('span', 'rank', CARD_RANKS[card % 13]);
        rank.dataset.card = String(card);
        ranks.append(rank);
      });
      line.append(sign, ranks);
      return line;
    });
  }

  // The board's own marks: number, dealer and vulnerability.
  function boardMarks(number) {
    const marks = element('div', 'board-marks');
    marks.append(element('p', 'marks-number', number === 0 ? '' : `Board ${number}`),
      element('p', '', number === 0 ? '' : `Dealer ${dealerOf(number)}`),
      element('p', '', number === 0 ? '' : `Vul ${vulnerabilityOf(number)}`));
    return marks;
  }

  // The bridge diagram: North at the top, West left, East right, South at
  // the bottom, the board's marks in the middle.
  function drawHands(container, hands, number) {
    const parts = SEATS.map((seat, hand) => {
      const { suits, count, points } = handOf(hands, hand);
      const box = element('div', 'hand');
      box.dataset.seat = seat;
      box.dataset.count = String(count);
      box.dataset.hcp = String(points);
      const head = element('p', 'hand-head');
      head.append(element('span', 'seat-name', HANDS[hand]), ' ',
        element('span', 'hcp', `${points} HCP`));
      if (count !== 13) head.append(' ', element('span', 'wrong', `${count} cards!`));
      box.append(head, ...suitLines(suits));
      return box;
    });
    container.replaceChildren(...parts, boardMarks(number));
  }

  // A curtain card: one hand on a slip, with everything that names it.
  function curtainSlip(hands, number, hand) {
    const { suits, count, points } = handOf(hands, hand);
    const slip = element('div', 'slip');
    slip.dataset.seat = SEATS[hand];
    slip.dataset.count = String(count);
    slip.dataset.hcp = String(points);
    const marks = number === 0 ? '' : `Dealer ${dealerOf(number)} \u00b7 Vul ${vulnerabilityOf(number)}`;
    slip.append(element('p', 'slip-board', `Board ${number}`),
      element('p', 'slip-seat', HANDS[hand]), element('p', 'slip-marks', marks),
      ...suitLines(suits),
      element('p', 'slip-points', `${points} HCP${count === 13 ? '' : ` \u00b7 ${count} cards!`}`));
    return slip;
  }

  window.Pipsweep.board = {
    SUITS, CARD_RANKS, HANDS, SEATS, NO_HAND,
    element, cardName, dealerOf, vulnerabilityOf, drawGrid, newGrid, drawHands, curtainSlip,
  };
})();
