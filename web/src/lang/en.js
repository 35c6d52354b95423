// The page's words in English: every text the page writes itself. Other
// languages give the same fields.
import { counted, listOf, numberOf } from '../grammar.js';

// Lists without a comma before "and"; plurals and numbers as the platform
// writes them for this tag.
const TAG = 'en-GB';
const plural = (count, one, other) => counted(TAG, count, { one, other });
const list = (items) => listOf(TAG, items);
const seats = ['North', 'East', 'South', 'West'];
// The index printed on each card, ace to two; the ten is 10.
const ranks = ['A', 'K', 'Q', 'J', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
// The cards a pocket can have too many of, by their points.
const rankWords = ['small cards', 'jacks', 'queens', 'kings', 'aces'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} too ${n > 0 ? 'many' : 'few'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const suitNames = ['spades', 'hearts', 'diamonds', 'clubs'];
// What a total the pack cannot have counts.
const totalWords = {
  count: 'cards', hcp: 'points', spades: 'spades', hearts: 'hearts', diamonds: 'diamonds', clubs: 'clubs',
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Move each hand one pocket anticlockwise.', 'Exchange North\'s and South\'s hands, and East\'s and West\'s.',
  'Move each hand one pocket clockwise.'];

export default {
  tag: 'en',
  grammarTag: TAG,
  // Between two sentences.
  sentenceGap: ' ',
  seats,
  // The hand letters the command line writes: T, R, D and L, none an index of an English card.
  handLetters: 'TRDL',
  seatLetters: ['N', 'E', 'S', 'W'],
  noHand: 'no hand',
  ranks,
  rankNames: ['ace', 'king', 'queen', 'jack', 'ten', 'nine', 'eight', 'seven', 'six', 'five', 'four', 'three', 'two'],
  suitNames,
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
  allDealt: (count) => (count === 1 ? 'The board is dealt.' : `All ${plural(count, 'board', 'boards')} dealt.`),
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
  // The double-dummy analysis: tricks by declarer and strain, and par.
  noTrump: 'NT',
  sides: ['North\u2013South', 'East\u2013West'],
  ddTableLabel: 'Tricks each declarer makes in each strain, double dummy',
  // X for doubled, as hand records write it: "doubled by North" reads as North doubling.
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract}${doubled ? 'X' : ''} by ${by}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}: ${contracts}`,
  passedOut: 'Par 0: passed out',
  analysing: (done, total) => `Double-dummy analysis: ${done} of ${plural(total, 'board', 'boards')}`,
  analysed: (total) => (total === 1 ? 'Double-dummy analysis: done'
    : `Double-dummy analysis: all ${plural(total, 'board', 'boards')}`),
  analysisToCome: 'The analysis of this board is on its way.',
  notADeal: (label) => `${label} is no proper bridge deal: it has no analysis.`,
  solverFailed: (message) => `The solver could not analyse this board: ${message}`,
  exportPbn: 'Save a PBN file for the scorer',
  exportName: (stem) => `${stem} hand records`,
  // What the core's message means for the file (core-messages.js). where:
  // "The first deal", or "The deal after board 2"; label: the last board read.
  firstDeal: 'The first deal',
  dealAfter: (ref) => `The deal after ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} has ${plural(count, 'card', 'cards')} in the file: the file is cut short or damaged.`,
    direction: ({ where }) => `${where} does not begin with N, E, S or W: the file is damaged.`,
    notBridge: ({ label }) => `${label} gives a card no hand, or a hand not 13 cards: do not deal it from this file.`,
    noDocument: () => 'This is no DLM file: it lacks its [Document] line.',
    boardNumber: ({ where }) => `${where} has no proper board number in the file.`,
    noDeals: () => 'The file holds no deal: is it the right file?',
    unreadable: () => 'The file could not be read to its end.',
    garbled: ({ where }) => `${where} is written wrongly in the file: the file is damaged.`,
  },
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
  checkStates: {
    unchecked: 'not checked', ok: 'checked: right', agree: 'checked: the counts agree', fault: 'checked: faulty',
  },
  // Boards whose counts agree are named only where there are some.
  summary: (boards, {
    ok, agree, fault, unchecked,
  }) => `${plural(boards, 'board', 'boards')}: ${[`${numberOf(TAG, ok)} right`,
    ...(agree > 0 ? [`${numberOf(TAG, agree)} agree by count`] : []), `${numberOf(TAG, fault)} faulty`,
    `${numberOf(TAG, unchecked)} not checked`].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Not checked: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `Faulty: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'empty',

  firstSort: 'Sort the pack by suit, spades, hearts, diamonds, clubs, each from the ace down to the two, and hold it face down with the ace of spades on top. The page names the hand of each card as you take it off the top.',
  // letters: the four symbols the director has set.
  firstSymbols: (letters) => `${list(letters)} stand for North, East, South and West: the hands' letters in the output file.`,
  firstSymbolsUnset: 'The symbols under Settings are the hands\' letters in the output file.',
  homeScreen: 'Add this page to the Home Screen: otherwise Safari may clear the kept file after a week.',
  kept: 'This file and your place in it are kept on this device.',
  notKept: 'This browser keeps nothing: a reload starts afresh.',

  symbolsBytes: 'Each symbol is one byte: use plain letters or digits.',
  symbolsMissing: (names) => `${list(names)} ${names.length > 1 ? 'have' : 'has'} no symbol.`,
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
  newDeals: 'New deals',
  newDealsHow: 'Each deal wholly at random, from this device\'s cryptographic source: nothing shaped, nothing filtered.',
  newBoards: 'Boards',
  newFirst: 'First board',
  makeDeals: 'Make the deals',
  noCrypto: 'This browser has no cryptographic random source, so it makes no deals: deals from a weaker source could be foretold.',
  newRange: (most) => `From 1 to ${most} boards, numbered from 1 up.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'New deals'} ${date}`,
  fingerprint: (print) => `Fingerprint ${print}`,
  fingerprintLabel: (print) => `Fingerprint of these deals: ${print}`,
  dealtBefore: (date) => `These boards were all dealt on this device on ${date}. Deal them again?`,
  dealtAgain: 'Deal them again',
  dealtOther: 'Another file',
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
  checkButton: 'Check (C)',
  checkCards: 'Cards',
  checkPoints: 'Points',
  checkSeatLabel: 'Cards of',
  checkExact: 'Exact cards',
  checkVerify: 'Check',
  checkSuitsLabel: 'Suit lengths too',
  redeal: 'Deal again',
  topsButton: 'Tops (T)',
  checkGridLabel: 'The cards found in the pocket',

  // The board check's sentences (check-sentences.js puts them together).
  // Seats come as 0-3; cards as labels ("♠K"); lists as joined by the
  // language's own list format.
  check: {
    // What the blind check judged by.
    judged: { count: 'cards', hcp: 'points', suits: 'suit lengths' },
    incomplete: (names) => `Fill in ${names} as the other pockets.`,
    incompleteAll: 'Count the cards of every pocket first.',
    recount: ({ counted, expected, field, names }) => `${counted} ${totalWords[field]} in all, not ${expected}: count ${names} again.`,
    recountSuits: (names) => `The suit lengths of ${names} do not add up to the cards: count again.`,
    agree: (judged) => `The ${judged} agree.`,
    alike: (a, b) => `${seats[a]}'s and ${seats[b]}'s hands count alike: an exchange would not show.`,
    proveIt: 'To be sure, tap the exact cards of three pockets.',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket} has 14 cards and ${owner} 12: one of ${owner}'s cards is in ${pocket}'s pocket.`;
      // "0 points too many" says nothing: a small card leaves the points alone.
      const counts = points === 0 ? `${pocket} has 14 cards and ${owner} 12, the points right`
        : `${pocket} has 14 cards and ${off(points, 'point', 'points')}, ${owner} 12 and ${points} too few`;
      return `${counts}: one of ${owner}'s ${rankWords[points]} is in ${pocket}'s pocket.`;
    },
    movedSuit: ({ from, to, suit }) => `One of ${seats[from]}'s ${suitNames[suit]} is in ${seats[to]}'s pocket.`,
    movedCard: ({ from, to, card }) => `${seats[from]}'s ${card} is in ${seats[to]}'s pocket: move it to ${seats[from]}.`,
    turned: ({ by }) => `The board is turned: North's hand is in the ${seats[by]} pocket. ${turnBack[by]}`,
    exchanged: (a, b) => `${seats[a]}'s and ${seats[b]}'s hands are exchanged`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => `${i === 0 ? `${seats[seat]}'s hand` : `${seats[seat]}'s`} is in ${seats[cycle[(i + 1) % cycle.length]]}'s pocket`).join(', '),
    swapped: (parts, pairs) => `${parts.join('; ')}: ${pairs ? 'exchange the two pockets' : 'put each hand in its own pocket'}.`,
    swappedPairs: (parts) => `${parts.join(', and ')}: exchange each pair of pockets.`,
    mixed: 'The hands are in the wrong pockets, and the counts cannot tell which.',
    other: ({ label }) => `These are the hands of ${label}: deal this board again.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, 'card', 'cards'));
      if (by.hcp) parts.push(off(by.hcp, 'point', 'points'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], suitNames[i].slice(0, -1), suitNames[i]));
      }
      return `${seats[seat]} has ${list(parts)}`;
    })),
    tapFirst: (seat) => `Tap ${seats[seat]}'s cards first.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `${seats[seat]} holds its own cards.`,
    pocketHolds: (seat, owner) => `${seats[seat]}'s pocket holds ${seats[owner]}'s hand.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} missing`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} too many`);
      return `${seats[seat]}: ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `exchange ${seats[a]}'s and ${seats[b]}'s pockets`,
    actionHand: (pocket, seat) => `put the hand in ${seats[pocket]}'s pocket into ${seats[seat]}'s`,
    actionMove: (card, from, to) => `move ${card} from ${seats[from]} to ${seats[to]}`,
    actions: (list) => `${list[0][0].toUpperCase()}${list[0].slice(1)}${list.length > 1 ? `; ${list.slice(1).join('; ')}` : ''}.`,
    // ... and next.
    tapNext: (seat) => `Next, tap ${seats[seat]}'s cards.`,
    proven: (label) => `${label} is right: three pockets hold their own cards, the fourth the rest.`,
  },
};
