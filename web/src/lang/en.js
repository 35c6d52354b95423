// The page's words in English: every text the page writes itself. Other
// languages give the same fields.
const plural = (count, one, many) => `${count} ${count === 1 ? one : many}`;

export default {
  tag: 'en',
  seats: ['North', 'East', 'South', 'West'],
  seatLetters: ['N', 'E', 'S', 'W'],
  noHand: 'no hand',
  // The index printed on each card, ace to two; the ten is 10.
  ranks: ['A', 'K', 'Q', 'J', '10', '9', '8', '7', '6', '5', '4', '3', '2'],
  rankNames: ['ace', 'king', 'queen', 'jack', 'ten', 'nine', 'eight', 'seven', 'six', 'five', 'four', 'three', 'two'],
  suitNames: ['spades', 'hearts', 'diamonds', 'clubs'],
  cardName: (rank, suit) => `${rank} of ${suit}`,
  vulnerabilities: { None: 'None', NS: 'NS', EW: 'EW', All: 'All' },

  board: (number) => `Board ${number}`,
  boardRef: (number) => `board ${number}`,
  deal: (index) => `deal ${index}`,
  dealer: (seat) => `Dealer ${seat}`,
  vul: (vulnerability) => `Vul ${vulnerability}`,
  copy: (copy, copies) => `copy ${copy} of ${copies}`,
  boardCopy: (label, copy) => `${label}, copy ${copy}`,
  place: (position, length) => `(${position} of ${length})`,
  boards: (count) => plural(count, 'board', 'boards'),
  cards: (count) => plural(count, 'card', 'cards'),
  hcp: (points) => `${points} HCP`,

  // Spoken: after the last card, and for a run of cards to one hand.
  doneWord: 'done',
  numbers: ['zero', 'one', 'two', 'three', 'four', 'five', 'six', 'seven', 'eight', 'nine', 'ten', 'eleven',
    'twelve', 'thirteen'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Space, Enter or a tap: first card',
  done: (label) => `${label} done`,
  nextPack: 'Into the board; sort the next pack.',
  allDealt: (count) => `All ${plural(count, 'board', 'boards')} dealt.`,
  lastRead: 'Last board read',
  resumed: (label) => `Resumed at ${label}`,
  goingTo: (digits) => `Board ${digits} ↵`,
  noBoard: (number) => `No board ${number} in this session.`,

  reading: (name, count) => (count === 0 ? `Reading ${name}\u2026` : `Reading ${name}: ${plural(count, 'board', 'boards')} so far\u2026`),
  readSoFar: (count) => `${plural(count, 'board', 'boards')}\u2026`,
  readToEnd: (count) => `Read to the end: ${plural(count, 'board', 'boards')}.`,
  stoppedAfter: (label, quoted) => `Reading stopped after ${label}: ${quoted}`,
  noDeal: (quoted) => `No deal was read: ${quoted}`,
  broken: (name, message) => `The page could not read ${name}: ${message}`,
  warningBefore: (quoted) => `Before the first board: ${quoted}`,
  warningAfter: (label, quoted) => `After ${label}: ${quoted}`,
  warningBetween: (before, after, quoted) => `Between ${before} and ${after}: ${quoted}`,
  endDone: 'Done',
  endStopped: 'Stopped',
  endMarkDone: 'read to the end',
  endMarkStopped: 'stopped at bad data',

  noFrom: (number) => `No board ${number} in this file: dealing from the first board.`,
  noTo: (number, after) => `No board ${number} after board ${after}: dealing to the last board.`,
  copiesClamped: (most) => `At most ${most} copies: dealing ${most}.`,
  printTooMany: (most, count) => `Choose From and To first: one print holds at most ${most} boards, not all ${count}.`,
  printCut: (most, count) => `The first ${most} of ${count} boards: one print holds at most ${most}. Choose From and To to print the others.`,
  checkTitle: (label) => `${label}: the check`,
  checkHow: 'Count the cards and the points (A 4, K 3, Q 2, J 1) in each pocket.',
  checkExactHow: (seat) => `Tap each card found in ${seat}'s pocket.`,
  checkStates: { unchecked: 'not checked', ok: 'checked: right', fault: 'checked: faulty' },
  summary: (boards, ok, fault, unchecked) => `${plural(boards, 'board', 'boards')}: ${ok} right, ${fault} faulty, ${unchecked} not checked`,
  notChecked: (labels, more) => `Not checked: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'empty',

  firstSort: 'Sort the pack by suit, spades, hearts, diamonds, clubs, each from the ace down to the two, and hold it face down with the ace of spades on top. The page names the hand of each card as you take it off the top.',
  firstSymbols(symbols) {
    const letters = [...symbols.slice(0, 4)].filter((c) => c.trim() !== '');
    if (letters.length < 4) return 'The symbols under Settings are the hands\' letters in the output file.';
    return `${letters.slice(0, 3).join(', ')} and ${letters[3]} stand for North, East, South and West: the hands' letters in the output file.`;
  },
  homeScreen: 'Add this page to the Home Screen: otherwise Safari may clear the kept file after a week.',
  kept: 'This file and your place in it are kept on this device.',
  notKept: 'This browser keeps nothing: a reload starts afresh.',

  symbolsBytes: 'Each symbol is one byte: use plain letters or digits.',
  symbolsMissing: (names) => `${names.join(' and ')} ${names.length > 1 ? 'have' : 'has'} no symbol.`,
  symbolsShared: (a, b, symbol) => `${a} and ${b} share "${symbol}".`,
  symbolsQuestion: '"?" also marks a card without a hand.',
  symbolsStill: 'The colours, bars and names still tell the hands.',
};
