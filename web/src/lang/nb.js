// The page's words in Norwegian Bokmål (the fields of en.js).
import { SUIT_SYMBOLS } from '../cards.js';

// nb: South is "Syd", as Norwegian bridge names the seat; the compass says sør.
const seats = ['Nord', 'Øst', 'Syd', 'Vest'];
const plural = (count, one, many) => `${count} ${count === 1 ? one : many}`;
// nb: "Kn" for knekt, as Norwegian packs print the jack; the ace is "E" for ess.
const ranks = ['E', 'K', 'D', 'Kn', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const rankWords = ['et av', 'en av', 'en av', 'en av', 'et av'];
const rankPlurals = ['småkort', 'knekter', 'damer', 'konger', 'ess'];
const off = (n, noun) => `${Math.abs(n)} ${noun} for ${n > 0 ? 'mye' : 'lite'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const boards = (count) => `${count} spill`;

export default {
  tag: 'nb',
  seats,
  // nb: the seats' initials (Nord, Øst, Syd, Vest), Ø written O: each symbol is one byte; the command line's D is the dame.
  handLetters: 'NOSV',
  seatLetters: ['N', 'Ø', 'S', 'V'],
  noHand: 'ingen hånd',
  ranks,
  rankNames: ['ess', 'konge', 'dame', 'knekt', 'ti', 'ni', 'åtte', 'sju', 'seks', 'fem', 'fire', 'tre', 'to'],
  suitNames: ['spar', 'hjerter', 'ruter', 'kløver'],
  cardName: (rank, suit) => `${suit} ${rank}`,
  vulnerabilities: { None: 'ingen', NS: 'NS', EW: 'ØV', All: 'alle' },

  // nb: a board is a "spill", kept in a "mappe"; "Giver" deals, "Sone" is the vulnerability.
  board: (number) => `Spill ${number}`,
  boardRef: (number) => `spill ${number}`,
  deal: (index) => `giv ${index}`,
  dealer: (seat) => `Giver ${seat}`,
  vul: (vulnerability) => `Sone ${vulnerability}`,
  copy: (copy, copies) => `kopi ${copy} av ${copies}`,
  boardCopy: (label, copy) => `${label}, kopi ${copy}`,
  place: (position, length) => `(${position} av ${length})`,
  boards,
  cards: (count) => `${count} kort`,
  // nb: "hp" for honnørpoeng.
  hcp: (points) => `${points} hp`,

  doneWord: 'ferdig',
  numbers: ['null', 'én', 'to', 'tre', 'fire', 'fem', 'seks', 'sju', 'åtte', 'ni', 'ti', 'elleve', 'tolv', 'tretten'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Mellomrom, Enter eller et trykk: første kort',
  done: (label) => `${label} ferdig`,
  nextPack: 'I mappen; sorter neste kortstokk.',
  allDealt: (count) => (count === 1 ? 'Spillet er delt ut.' : `Alle ${count} spill er delt ut.`),
  lastRead: 'Siste spill som ble lest',
  resumed: (label) => `Fortsetter ved ${label}`,
  goingTo: (digits) => `Spill ${digits} ↵`,
  noBoard: (number) => `Ikke noe spill ${number} i denne runden.`,

  reading: (name, count) => (count === 0 ? `Leser ${name}\u2026` : `Leser ${name}: ${boards(count)} så langt\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `Lest til slutten: ${boards(count)}.`,
  stoppedAfter: (label, quoted) => `Lesingen stoppet etter ${label}: ${quoted}`,
  noDeal: (quoted) => `Ingen giv ble lest: ${quoted}`,
  broken: (name, message) => `Siden kunne ikke lese ${name}: ${message}`,
  warningBefore: (quoted) => `Før første spill: ${quoted}`,
  warningAfter: (label, quoted) => `Etter ${label}: ${quoted}`,
  warningBetween: (before, after, quoted) => `Mellom ${before} og ${after}: ${quoted}`,
  endDone: 'Ferdig',
  endStopped: 'Stoppet',
  endMarkDone: 'lest til slutten',
  endMarkStopped: 'stoppet ved feil i dataene',

  noFrom: (number) => `Ikke noe spill ${number} i denne filen: deler fra første spill.`,
  noTo: (number, after) => `Ikke noe spill ${number} etter spill ${after}: deler til siste spill.`,
  copiesClamped: (most) => `Høyst ${most} kopier: deler ${most}.`,
  printTooMany: (most, count) => `Velg først første og siste spill: en utskrift rommer høyst ${most} spill, ikke alle ${count}.`,
  printCut: (most, count) => `De første ${most} av ${count} spill: en utskrift rommer høyst ${most}. Velg første og siste spill for å skrive ut de andre.`,
  checkTitle: (label) => `${label}: kontroll`,
  checkHow: 'Tell kortene og poengene (E\u00a04, K\u00a03, D\u00a02, Kn\u00a01) i hver lomme.',
  checkExactHow: (seat) => `Trykk på hvert kort som ligger i ${seat}s lomme.`,
  checkStates: { unchecked: 'ikke kontrollert', ok: 'kontrollert: stemmer', fault: 'kontrollert: feil' },
  summary: (count, ok, fault, unchecked) => `${boards(count)}: ${plural(ok, 'riktig', 'riktige')}, ${fault} feil, `
    + `${plural(unchecked, 'ikke kontrollert', 'ikke kontrollerte')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Ikke kontrollert: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'tom',

  firstSort: 'Sorter kortstokken etter farge, spar, hjerter, ruter, kløver, hver fra ess ned til to, og hold den med '
    + 'baksiden opp og spar ess øverst. Siden sier hvilken hånd hvert kort skal til når du tar det øverst.',
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} og ${letters[3]} står for Nord, Øst, Syd og Vest: hendenes bokstaver i utdatafilen.`,
  firstSymbolsUnset: 'Symbolene under Innstillinger er hendenes bokstaver i utdatafilen.',
  // nb: "Hjem-skjermen", as an iPhone names it.
  homeScreen: 'Legg denne siden til på Hjem-skjermen: ellers kan Safari slette den lagrede filen etter en uke.',
  kept: 'Filen og plassen din i den blir lagret på denne enheten.',
  notKept: 'Denne nettleseren lagrer ingenting: en ny innlasting begynner på nytt.',

  symbolsBytes: 'Hvert symbol er én byte: bruk vanlige bokstaver eller sifre.',
  symbolsMissing: (names) => `${names.join(' og ')} mangler symbol.`,
  symbolsShared: (a, b, symbol) => `${a} og ${b} deler \u00ab${symbol}\u00bb.`,
  symbolsQuestion: '\u00ab?\u00bb markerer også et kort uten hånd.',
  // nb: "farge" is a suit, so the cells' colours are their backgrounds.
  symbolsStill: 'Bakgrunnene, strekene og navnene skiller likevel hendene.',

  title: 'Pipsweep: utdelingsanvisninger for en sortert kortstokk',
  settingsHint: 'Innstillinger',
  setupLabel: 'Fil med spill og innstillinger',
  privateNote: 'Velg en fil med spill: siden sier, kort for kort, hvilken hånd hvert kort i en sortert kortstokk skal til. '
    + 'Filen leses i denne nettleseren, og ingenting sendes noe sted.',
  offlineReady: 'Klar til bruk uten nett: siden åpnes og deler ut her uten nettverk.',
  dealFile: 'Fil med spill (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'eller slipp en fil på siden',
  example: 'Åpne eksempelet',
  symbolsLabel: 'Symboler for Nord, Øst, Syd, Vest',
  sessionLegend: 'Runde',
  fromBoard: 'Fra spill',
  toBoard: 'Til spill',
  copiesLabel: 'Kopier',
  copyOrder: 'Rekkefølge for kopiene',
  copyOrderBoard: 'kopiene av hvert spill etter hverandre',
  copyOrderSet: 'hele serien én gang per kopi',
  packLabel: 'Kortstokk',
  packSorted: 'sortert: spar ess først',
  packReversed: 'snudd: kløver to først',
  showHands: 'Vis hendene (H)',
  blindLabel: 'Blind utdeling: bare kortet og retningen',
  runsLabel: 'Rekker: kort etter hverandre til samme hånd er ett steg',
  printLegend: 'Skriv ut spillene i runden',
  printWhat: 'Hva',
  printGrids: 'utdelingsrutenett',
  printHands: 'håndoversikter',
  printCurtain: 'håndlapper',
  eventLabel: 'Turnering',
  dateLabel: 'Dato',
  printButton: 'Skriv ut',
  cuesLegend: 'Signaler ved hvert kort',
  speakLabel: 'Si hånden',
  tonesLabel: 'Toner (Nord høyt, Syd lavt, Øst og Vest midt imellom, til sin side)',
  languageLabel: 'Språk',
  download: 'Last ned _pipsweep.txt',
  consoleLabel: 'Konsoll',
  dealingLabel: 'Utdeling',
  boardsNav: 'Spill',
  previousBoard: 'Forrige spill',
  nextBoard: 'Neste spill',
  boardHead: 'Spill',
  boardTail: '',
  gridLabel: 'Utdelingsrutenett: hånden til hvert kort; et klikk velger et kort',
  handsLabel: 'De fire hendene',
  keysHelp: 'Neste kort: mellomrom, Enter, \u2192, en pedal eller et klikk. Tilbake: Backspace eller \u2190. '
    + 'Spill: N, P, Home, End eller nummeret og Enter. Kontroll: C. Øverst i lommene: T.',
  touchHelp: 'Neste kort: et trykk hvor som helst. Hold en rute: det kortet. Spill: sveip til siden.',
  boardLineLabel: 'Spillets linje',
  packTop: 'øverst',
  packBottom: 'nederst',
  pocketTopsLabel: 'Øverst i hver lomme',
  checkButton: 'Kontroller spillet (C)',
  checkCards: 'Kort',
  checkPoints: 'Poeng',
  checkSeatLabel: 'Lomme',
  checkExact: 'Kort for kort',
  checkVerify: 'Kontroller',
  checkGridLabel: 'Kortene som ligger i lommen',

  // nb: a pocket of the mappe is a "lomme".
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Tell først kortene og poengene i hver lomme.',
    ok: (label) => `${label} stemmer.`,
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      const counts = points === 0 ? `${pocket} har 14 kort og ${owner} 12, poengene stemmer`
        : `${pocket} har 14 kort og ${off(points, 'poeng')}, ${owner} 12 og ${points} for lite`;
      return `${counts}: ${rankWords[points]} ${owner}s ${rankPlurals[points]} ligger i ${pocket}s lomme.`;
    },
    turned: ({ by }) => `Spillet er snudd: Nords hånd ligger i ${seats[by]}s lomme.`,
    other: ({ label }) => `Dette er hendene fra ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, 'kort'));
      if (points !== 0) parts.push(off(points, 'poeng'));
      return `${seats[seat]} har ${parts.join(' og ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} mangler`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} for mye`);
      return parts.length === 0 ? `${seats[seat]} stemmer.` : `${seats[seat]}: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Hvert kort ligger i sin lomme.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Flytt' : 'flytt'} ${card} fra ${seats[from]} til ${seats[to]}`))),
  },
};
