// The page's words in English: every text the page writes itself. Other
// languages give the same fields.
import { SUIT_SYMBOLS } from '../cards.js';

const plural = (count, one, many) => `${count} ${count === 1 ? one : many}`;
const seats = ['North', 'East', 'South', 'West'];
// The index printed on each card, ace to two; the ten is 10.
const ranks = ['A', 'K', 'Q', 'J', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
// The cards a pocket can have too many of, by their points.
const rankWords = ['small cards', 'jacks', 'queens', 'kings', 'aces'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} too ${n > 0 ? 'many' : 'few'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;

export default {
  tag: 'en',
  seats,
  seatLetters: ['N', 'E', 'S', 'W'],
  noHand: 'no hand',
  ranks,
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
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Not checked: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'empty',

  firstSort: 'Sort the pack by suit, spades, hearts, diamonds, clubs, each from the ace down to the two, and hold it face down with the ace of spades on top. The page names the hand of each card as you take it off the top.',
  // letters: the four symbols the director has set.
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} and ${letters[3]} stand for North, East, South and West: the hands' letters in the output file.`,
  firstSymbolsUnset: 'The symbols under Settings are the hands\' letters in the output file.',
  homeScreen: 'Add this page to the Home Screen: otherwise Safari may clear the kept file after a week.',
  kept: 'This file and your place in it are kept on this device.',
  notKept: 'This browser keeps nothing: a reload starts afresh.',

  symbolsBytes: 'Each symbol is one byte: use plain letters or digits.',
  symbolsMissing: (names) => `${names.join(' and ')} ${names.length > 1 ? 'have' : 'has'} no symbol.`,
  symbolsShared: (a, b, symbol) => `${a} and ${b} share "${symbol}".`,
  symbolsQuestion: '"?" also marks a card without a hand.',
  symbolsStill: 'The colours, bars and names still tell the hands.',

  // The texts index.html holds, by their data-words names.
  title: 'Pipsweep: dealing directions for a sorted pack',
  settingsHint: 'Settings',
  setupLabel: 'Deal file and settings',
  privateNote: 'Choose a deal file: the page tells, card by card, which hand each card of a sorted pack goes to. '
    + 'The file is read in this browser and nothing is sent anywhere.',
  offlineReady: 'Ready for offline use: this page opens and deals here without a network.',
  dealFile: 'Deal file (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'or drop a file on the page',
  example: 'Open the example',
  symbolsLabel: 'Symbols for North, East, South, West',
  sessionLegend: 'Session',
  fromBoard: 'From board',
  toBoard: 'To board',
  copiesLabel: 'Copies',
  copyOrder: 'Copies dealt',
  copyOrderBoard: 'each board\'s copies in a row',
  copyOrderSet: 'the whole range once per copy',
  packLabel: 'Pack',
  packSorted: 'sorted: ace of spades first',
  packReversed: 'turned over: two of clubs first',
  showHands: 'Show the hands (H)',
  blindLabel: 'Blind dealing: only the card and its direction',
  runsLabel: 'Runs: cards in a row to the same hand are one step',
  printLegend: 'Print the boards From to To',
  printWhat: 'What',
  printGrids: 'dealing grids',
  printHands: 'hand records',
  printCurtain: 'curtain cards',
  eventLabel: 'Event',
  dateLabel: 'Date',
  printButton: 'Print',
  cuesLegend: 'Cues at each card',
  speakLabel: 'Speak the hand',
  tonesLabel: 'Tones (North high, South low, East and West between, to their side)',
  languageLabel: 'Language',
  download: 'Download _pipsweep.txt',
  consoleLabel: 'Console',
  dealingLabel: 'Dealing',
  boardsNav: 'Boards',
  previousBoard: 'Previous board',
  nextBoard: 'Next board',
  // The board's title around its number.
  boardHead: 'Board',
  boardTail: '',
  gridLabel: 'Dealing grid: the hand of each card; a click makes a card current',
  handsLabel: 'The four hands',
  keysHelp: 'Next card: Space, Enter, \u2192, a pedal or a click. Back: Backspace or \u2190. '
    + 'Board: N, P, Home, End, or its number and Enter. Check: C. Pocket tops: T.',
  touchHelp: 'Next card: a tap anywhere. Hold a cell: that card. Board: a swipe sideways.',
  boardLineLabel: 'The board\'s line',
  packTop: 'top',
  packBottom: 'bottom',
  pocketTopsLabel: 'On top of each pocket',
  checkButton: 'Check the board (C)',
  checkCards: 'Cards',
  checkPoints: 'Points',
  checkSeatLabel: 'Cards of',
  checkExact: 'Exact cards',
  checkVerify: 'Check',
  checkGridLabel: 'The cards found in the pocket',

  // The board check's sentences (check.js).
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Count the cards and points of every pocket first.',
    ok: (label) => `${label} is right.`,
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      // "0 points too many" says nothing: a small card leaves the points alone.
      const counts = points === 0 ? `${pocket} has 14 cards and ${owner} 12, the points right`
        : `${pocket} has 14 cards and ${off(points, 'point', 'points')}, ${owner} 12 and ${points} too few`;
      return `${counts}: one of ${owner}'s ${rankWords[points]} is in ${pocket}'s pocket.`;
    },
    turned: ({ by }) => `The board is turned: North's hand is in the ${seats[by]} pocket.`,
    other: ({ label }) => `These are the hands of ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, 'card', 'cards'));
      if (points !== 0) parts.push(off(points, 'point', 'points'));
      return `${seats[seat]} has ${parts.join(' and ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} missing`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} too many`);
      return parts.length === 0 ? `${seats[seat]} is right.` : `${seats[seat]}: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Every card is in its own pocket.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Move' : 'move'} ${card} from ${seats[from]} to ${seats[to]}`))),
  },
};
