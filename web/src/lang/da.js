// The page's words in Danish (the fields of en.js).
import { SUIT_SYMBOLS } from '../cards.js';

const seats = ['Nord', 'Øst', 'Syd', 'Vest'];
const plural = (count, one, many) => `${count} ${count === 1 ? one : many}`;
// da: "B" for bonde, as Danish packs print the jack (card games also say
// knægt); the ace is "E" for es.
const ranks = ['E', 'K', 'D', 'B', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const rankWords = ['et af', 'en af', 'en af', 'en af', 'et af'];
const rankPlurals = ['småkort', 'bønder', 'damer', 'konger', 'esser'];
const off = (n, noun) => `${Math.abs(n)} ${noun} for ${n > 0 ? 'meget' : 'lidt'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const boards = (count) => `${count} spil`;

export default {
  tag: 'da',
  seats,
  // da: the seats' initials (Nord, Øst, Syd, Vest), Ø written O: each symbol is one byte; the command line's D is the dame.
  handLetters: 'NOSV',
  seatLetters: ['N', 'Ø', 'S', 'V'],
  noHand: 'ingen hånd',
  ranks,
  rankNames: ['es', 'konge', 'dame', 'bonde', 'ti', 'ni', 'otte', 'syv', 'seks', 'fem', 'fire', 'tre', 'to'],
  suitNames: ['spar', 'hjerter', 'ruder', 'klør'],
  cardName: (rank, suit) => `${suit} ${rank}`,
  vulnerabilities: { None: 'ingen', NS: 'NS', EW: 'ØV', All: 'alle' },

  // da: a board is a "spil", kept in a "bakke"; "Giver" deals, "Zone" is the vulnerability.
  board: (number) => `Spil ${number}`,
  boardRef: (number) => `spil ${number}`,
  deal: (index) => `giv ${index}`,
  dealer: (seat) => `Giver ${seat}`,
  vul: (vulnerability) => `Zone ${vulnerability}`,
  copy: (copy, copies) => `kopi ${copy} af ${copies}`,
  boardCopy: (label, copy) => `${label}, kopi ${copy}`,
  place: (position, length) => `(${position} af ${length})`,
  boards,
  cards: (count) => `${count} kort`,
  // da: "hp" for honnørpoint.
  hcp: (points) => `${points} hp`,

  doneWord: 'færdig',
  numbers: ['nul', 'et', 'to', 'tre', 'fire', 'fem', 'seks', 'syv', 'otte', 'ni', 'ti', 'elleve', 'tolv', 'tretten'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Mellemrum, Enter eller et tryk: første kort',
  done: (label) => `${label} færdig`,
  nextPack: 'I bakken; sortér det næste spil kort.',
  allDealt: (count) => (count === 1 ? 'Spillet er delt.' : `Alle ${count} spil er delt.`),
  lastRead: 'Sidst læste spil',
  resumed: (label) => `Fortsætter ved ${label}`,
  goingTo: (digits) => `Spil ${digits} ↵`,
  noBoard: (number) => `Intet spil ${number} i denne runde.`,

  reading: (name, count) => (count === 0 ? `Læser ${name}\u2026` : `Læser ${name}: ${boards(count)} indtil nu\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `Læst til enden: ${boards(count)}.`,
  stoppedAfter: (label, quoted) => `Læsningen stoppede efter ${label}: ${quoted}`,
  noDeal: (quoted) => `Intet spil blev læst: ${quoted}`,
  broken: (name, message) => `Siden kunne ikke læse ${name}: ${message}`,
  warningBefore: (quoted) => `Før første spil: ${quoted}`,
  warningAfter: (label, quoted) => `Efter ${label}: ${quoted}`,
  warningBetween: (before, after, quoted) => `Mellem ${before} og ${after}: ${quoted}`,
  endDone: 'Færdig',
  endStopped: 'Stoppet',
  endMarkDone: 'læst til enden',
  endMarkStopped: 'stoppet ved fejl i data',

  noFrom: (number) => `Intet spil ${number} i denne fil: deler fra første spil.`,
  noTo: (number, after) => `Intet spil ${number} efter spil ${after}: deler til sidste spil.`,
  copiesClamped: (most) => `Højst ${most} kopier: deler ${most}.`,
  printTooMany: (most, count) => `Vælg først første og sidste spil: en udskrift rummer højst ${most} spil, ikke alle ${count}.`,
  printCut: (most, count) => `De første ${most} af ${count} spil: en udskrift rummer højst ${most}. Vælg første og sidste spil for at udskrive de andre.`,
  checkTitle: (label) => `${label}: kontrol`,
  checkHow: 'Tæl kortene og point (E\u00a04, K\u00a03, D\u00a02, B\u00a01) i hver lomme.',
  checkExactHow: (seat) => `Tryk på hvert kort, der ligger i ${seat}s lomme.`,
  checkStates: { unchecked: 'ikke kontrolleret', ok: 'kontrolleret: stemmer', fault: 'kontrolleret: forkert' },
  summary: (count, ok, fault, unchecked) => `${boards(count)}: ${plural(ok, 'rigtigt', 'rigtige')}, `
    + `${plural(fault, 'forkert', 'forkerte')}, ${plural(unchecked, 'ikke kontrolleret', 'ikke kontrollerede')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Ikke kontrolleret: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'tom',

  firstSort: 'Sortér kortspillet efter farve, spar, hjerter, ruder, klør, hver fra es ned til to, og hold det med '
    + 'bagsiden opad og spar es øverst. Siden siger, hvilken hånd hvert kort skal til, når du tager det øverst.',
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} og ${letters[3]} står for Nord, Øst, Syd og Vest: hændernes bogstaver i uddatafilen.`,
  firstSymbolsUnset: 'Symbolerne under Indstillinger er hændernes bogstaver i uddatafilen.',
  // da: "hjemmeskærm", as an iPhone names it.
  homeScreen: 'Føj denne side til hjemmeskærmen: ellers kan Safari slette den gemte fil efter en uge.',
  kept: 'Filen og din plads i den gemmes på denne enhed.',
  notKept: 'Denne browser gemmer intet: en genindlæsning starter forfra.',

  symbolsBytes: 'Hvert symbol er én byte: brug almindelige bogstaver eller cifre.',
  symbolsMissing: (names) => `${names.join(' og ')} mangler symbol.`,
  symbolsShared: (a, b, symbol) => `${a} og ${b} deler \u00bb${symbol}\u00ab.`,
  symbolsQuestion: '\u00bb?\u00ab markerer også et kort uden hånd.',
  // da: "farve" is a suit, so the cells' colours are their backgrounds.
  symbolsStill: 'Baggrundene, stregerne og navnene skelner stadig hænderne.',

  title: 'Pipsweep: anvisninger til uddeling af et sorteret spil kort',
  settingsHint: 'Indstillinger',
  setupLabel: 'Spilfil og indstillinger',
  privateNote: 'Vælg en spilfil: siden siger, kort for kort, hvilken hånd hvert kort i et sorteret spil kort skal til. '
    + 'Filen læses i denne browser, og intet sendes nogen steder hen.',
  offlineReady: 'Klar til brug uden net: siden åbner og deler her uden netværk.',
  dealFile: 'Spilfil (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'eller slip en fil på siden',
  example: 'Åbn eksemplet',
  symbolsLabel: 'Symboler for Nord, Øst, Syd, Vest',
  sessionLegend: 'Runde',
  fromBoard: 'Fra spil',
  toBoard: 'Til spil',
  copiesLabel: 'Kopier',
  copyOrder: 'Kopiernes rækkefølge',
  copyOrderBoard: 'hvert spils kopier efter hinanden',
  copyOrderSet: 'hele serien én gang pr. kopi',
  packLabel: 'Kortspil',
  packSorted: 'sorteret: spar es først',
  packReversed: 'vendt: klør to først',
  showHands: 'Vis hænderne (H)',
  blindLabel: 'Blind uddeling: kun kortet og dets retning',
  runsLabel: 'Følger: kort i træk til samme hånd er ét skridt',
  printLegend: 'Udskriv rundens spil',
  printWhat: 'Hvad',
  printGrids: 'uddelingsgitre',
  printHands: 'håndoversigter',
  printCurtain: 'håndsedler',
  eventLabel: 'Turnering',
  dateLabel: 'Dato',
  printButton: 'Udskriv',
  cuesLegend: 'Signaler ved hvert kort',
  speakLabel: 'Sig hånden',
  tonesLabel: 'Toner (Nord højt, Syd lavt, Øst og Vest midt imellem, til hver sin side)',
  languageLabel: 'Sprog',
  download: 'Hent _pipsweep.txt',
  consoleLabel: 'Konsol',
  dealingLabel: 'Uddeling',
  boardsNav: 'Spil',
  previousBoard: 'Forrige spil',
  nextBoard: 'Næste spil',
  boardHead: 'Spil',
  boardTail: '',
  gridLabel: 'Uddelingsgitter: hvert korts hånd; et klik vælger et kort',
  handsLabel: 'De fire hænder',
  keysHelp: 'Næste kort: mellemrum, Enter, \u2192, en pedal eller et klik. Tilbage: Backspace eller \u2190. '
    + 'Spil: N, P, Home, End eller dets nummer og Enter. Kontrol: C. Øverst i lommerne: T.',
  touchHelp: 'Næste kort: et tryk hvor som helst. Hold på et felt: det kort. Spil: stryg til siden.',
  boardLineLabel: 'Spillets linje',
  packTop: 'øverst',
  packBottom: 'nederst',
  pocketTopsLabel: 'Øverst i hver lomme',
  checkButton: 'Kontrollér spillet (C)',
  checkCards: 'Kort',
  checkPoints: 'Point',
  checkSeatLabel: 'Lomme',
  checkExact: 'Kort for kort',
  checkVerify: 'Kontrollér',
  checkGridLabel: 'Kortene, der ligger i lommen',

  // da: a pocket of the bakke is a "lomme".
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Tæl først kortene og point i hver lomme.',
    ok: (label) => `${label} stemmer.`,
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      const counts = points === 0 ? `${pocket} har 14 kort og ${owner} 12, point stemmer`
        : `${pocket} har 14 kort og ${off(points, 'point')}, ${owner} 12 og ${points} for lidt`;
      return `${counts}: ${rankWords[points]} ${owner}s ${rankPlurals[points]} ligger i ${pocket}s lomme.`;
    },
    turned: ({ by }) => `Spillet er vendt: Nords hånd ligger i ${seats[by]}s lomme.`,
    other: ({ label }) => `Det er hænderne fra ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, 'kort'));
      if (points !== 0) parts.push(off(points, 'point'));
      return `${seats[seat]} har ${parts.join(' og ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} mangler`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} for meget`);
      return parts.length === 0 ? `${seats[seat]} stemmer.` : `${seats[seat]}: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Hvert kort ligger i sin lomme.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Flyt' : 'flyt'} ${card} fra ${seats[from]} til ${seats[to]}`))),
  },
};
