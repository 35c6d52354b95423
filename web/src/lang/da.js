// The page's words in Danish (the fields of en.js).
import { counted, listOf, numberOf } from '../grammar.js';

// Plurals, lists and numbers as the platform writes them for Danish.
const TAG = 'da';
const plural = (count, one, other) => counted(TAG, count, { one, other });
const list = (items) => listOf(TAG, items);
const seats = ['Nord', 'Øst', 'Syd', 'Vest'];
// "Nords", "Østs": a seat's genitive.
const whose = (seat) => `${seats[seat]}s`;
// da: "B" for bonde, as Danish packs print the jack (card games also say
// knægt); the ace is "E" for es.
const ranks = ['E', 'K', 'D', 'B', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const suitNames = ['spar', 'hjerter', 'ruder', 'klør'];
const rankWords = ['et af', 'en af', 'en af', 'en af', 'et af'];
const rankPlurals = ['småkort', 'bønder', 'damer', 'konger', 'esser'];
// A count: "kort", "point" and the suits are the same in the plural.
const off = (n, noun) => `${plural(Math.abs(n), noun, noun)} for ${n > 0 ? 'meget' : 'lidt'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const cap = (text) => `${text[0].toUpperCase()}${text.slice(1)}`;
const boards = (count) => plural(count, 'spil', 'spil');
// What a total the pack cannot have counts.
const totalWords = {
  count: 'kort', hcp: 'point', spades: 'spar', hearts: 'hjerter', diamonds: 'ruder', clubs: 'klør',
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Flyt hver hånd én lomme mod uret.', 'Byt Nords og Syds hænder, og Østs og Vests.',
  'Flyt hver hånd én lomme med uret.'];

export default {
  tag: 'da',
  grammarTag: TAG,
  sentenceGap: ' ',
  seats,
  // da: the seats' initials (Nord, Øst, Syd, Vest), Ø written O: each symbol is one byte; the command line's D is the dame.
  handLetters: 'NOSV',
  seatLetters: ['N', 'Ø', 'S', 'V'],
  noHand: 'ingen hånd',
  ranks,
  rankNames: ['es', 'konge', 'dame', 'bonde', 'ti', 'ni', 'otte', 'syv', 'seks', 'fem', 'fire', 'tre', 'to'],
  suitNames,
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
  cards: (count) => plural(count, 'kort', 'kort'),
  // da: "hp" for honnørpoint.
  hcp: (points) => `${points} hp`,

  doneWord: 'færdig',
  numbers: ['nul', 'et', 'to', 'tre', 'fire', 'fem', 'seks', 'syv', 'otte', 'ni', 'ti', 'elleve', 'tolv', 'tretten'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Mellemrum, Enter eller et tryk: første kort',
  done: (label) => `${label} færdig`,
  nextPack: 'I bakken; sortér det næste spil kort.',
  allDealt: (count) => (count === 1 ? 'Spillet er delt.' : `Alle ${numberOf(TAG, count)} spil er delt.`),
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
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // da: "UT", uden trumf, as Danish contracts are written (3UT), by Danmarks
  // Bridgeforbund as in the Danish Wikipedia's bridge articles; the declarer
  // is the "spilfører"; "double dummy" as Danish bridge says.
  noTrump: 'UT',
  sides: ['Nord\u2013Syd', 'Øst\u2013Vest'],
  ddTableLabel: 'Stik hver spilfører tager med hver farve som trumf og uden trumf, double dummy',
  // "5♦ doblet, spillet af Nord, −2": "doblet af Nord" would say that Nord doubled.
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract}${doubled ? ' doblet,' : ''} spillet af ${by}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}: ${contracts}`,
  passedOut: 'Par 0: alle melder pas',
  analysing: (done, total) => `Double dummy-analyse: ${numberOf(TAG, done)} af ${boards(total)}`,
  analysed: (total) => (total === 1 ? 'Double dummy-analyse: færdig'
    : `Double dummy-analyse: alle ${numberOf(TAG, total)} spil`),
  analysisToCome: 'Analysen af dette spil er på vej.',
  notADeal: (label) => `${cap(label)} er ikke et gyldigt bridgespil og bliver ikke analyseret.`,
  solverFailed: (message) => `Spillet kunne ikke analyseres: ${message}`,
  exportPbn: 'Gem en PBN-fil til resultatberegningen',
  exportName: (stem) => `${stem} håndoversigter`,
  // What the core's message means for the file: where is "Det første
  // spil" or "Spillet efter spil 2".
  firstDeal: 'Det første spil',
  dealAfter: (ref) => `Spillet efter ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} har ${plural(count, 'kort', 'kort')} i filen: filen er afkortet eller beskadiget.`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where} begynder ikke med N, E, S eller W: filen er beskadiget.`,
    notBridge: ({ label }) => `${label} giver et kort ingen hånd, eller en hånd ikke 13 kort: del ikke ud fra denne fil.`,
    noDocument: () => 'Dette er ingen DLM-fil: linjen [Document] mangler.',
    boardNumber: ({ where }) => `${where} har intet gyldigt spilnummer i filen.`,
    noDeals: () => 'Filen indeholder intet spil: er det den rigtige fil?',
    unreadable: () => 'Filen kunne ikke læses til enden.',
    garbled: ({ where }) => `${where} er skrevet forkert i filen: filen er beskadiget.`,
  },
  endDone: 'Færdig',
  endStopped: 'Stoppet',
  endMarkDone: 'læst til enden',
  endMarkStopped: 'stoppet ved fejl i data',

  noFrom: (number) => `Intet spil ${number} i denne fil: deler fra første spil.`,
  noTo: (number, after) => `Intet spil ${number} efter spil ${after}: deler til sidste spil.`,
  copiesClamped: (most) => `Højst ${most} kopier: deler ${most}.`,
  printTooMany: (most, count) => `Vælg først første og sidste spil: en udskrift rummer højst ${most} spil, ikke alle ${numberOf(TAG, count)}.`,
  printCut: (most, count) => `De første ${most} af ${numberOf(TAG, count)} spil: en udskrift rummer højst ${most}. Vælg første og sidste spil for at udskrive de andre.`,
  checkTitle: (label) => `${label}: kontrol`,
  checkHow: 'Tæl kortene og point (E\u00a04, K\u00a03, D\u00a02, B\u00a01) i hver lomme.',
  checkExactHow: (seat) => `Tryk på hvert kort, der ligger i ${seat}s lomme.`,
  checkStates: {
    unchecked: 'ikke kontrolleret', ok: 'kontrolleret: stemmer', agree: 'kontrolleret: optællingen stemmer',
    fault: 'kontrolleret: forkert',
  },
  // Boards whose counts agree are named only where there are some.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}: ${[plural(ok, 'rigtigt', 'rigtige'),
    ...(agree > 0 ? [`${numberOf(TAG, agree)} stemmer efter optælling`] : []), plural(fault, 'forkert', 'forkerte'),
    plural(unchecked, 'ikke kontrolleret', 'ikke kontrollerede')].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Ikke kontrolleret: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `${labels.length > 1 || more ? 'Forkerte' : 'Forkert'}: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'tom',

  firstSort: 'Sortér kortspillet efter farve, spar, hjerter, ruder, klør, hver fra es ned til to, og hold det med '
    + 'bagsiden opad og spar es øverst. Siden siger, hvilken hånd hvert kort skal til, når du tager det øverst.',
  firstSymbols: (letters) => `${list(letters)} står for Nord, Øst, Syd og Vest: hændernes bogstaver i uddatafilen.`,
  firstSymbolsUnset: 'Symbolerne under Indstillinger er hændernes bogstaver i uddatafilen.',
  // da: "hjemmeskærm", as an iPhone names it.
  homeScreen: 'Føj denne side til hjemmeskærmen: ellers kan Safari slette den gemte fil efter en uge.',
  kept: 'Filen og din plads i den gemmes på denne enhed.',
  notKept: 'Denne browser gemmer intet: en genindlæsning starter forfra.',

  symbolsBytes: 'Hvert symbol er én byte: brug almindelige bogstaver eller cifre.',
  symbolsMissing: (names) => `${list(names)} mangler symbol.`,
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
  newDeals: 'Nye spil',
  newDealsHow: 'Hvert spil helt tilfældigt, fra denne enheds kryptografiske kilde: intet styret, intet filtreret.',
  newBoards: 'Spil',
  newFirst: 'Første spil',
  makeDeals: 'Lav spillene',
  noCrypto: 'Denne browser har ingen kryptografisk tilfældighedskilde og laver derfor ingen spil: spil fra en svagere '
    + 'kilde ville kunne forudsiges.',
  newRange: (most) => `Fra 1 til ${most} spil, det første med nummer 1 eller højere.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'Nye spil'} ${date}`,
  fingerprint: (print) => `Fingeraftryk ${print}`,
  fingerprintLabel: (print) => `Fingeraftryk for disse spil: ${print}`,
  // date: "8. december 2026".
  dealtBefore: (date) => `Alle disse spil blev delt på denne enhed den ${date}. Del dem igen?`,
  dealtAgain: 'Del dem igen',
  dealtOther: 'En anden fil',
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
  // da: "Kontrol (C)", as the help names the key: short enough for the summary beside it on a phone.
  checkButton: 'Kontrol (C)',
  checkCards: 'Kort',
  checkPoints: 'Point',
  checkSeatLabel: 'Lomme',
  checkExact: 'Kort for kort',
  checkVerify: 'Kontrollér',
  checkSuitsLabel: 'Også farvelængder',
  redeal: 'Del igen',
  topsButton: 'Øverst (T)',
  checkGridLabel: 'Kortene, der ligger i lommen',

  // da: a pocket of the bakke is a "lomme". The check's sentences
  // (check-sentences.js puts them together): seats come as 0-3, cards as
  // labels ("♠K"), lists as Danish joins them.
  check: {
    // What the blind check judged by: "Kortene og pointene stemmer."
    judged: { count: 'kortene', hcp: 'pointene', suits: 'farvelængderne' },
    incomplete: (names) => `Udfyld de samme felter for ${names} som for de andre lommer.`,
    incompleteAll: 'Tæl først kortene i hver lomme.',
    recount: ({
      counted: total, expected, field, names,
    }) => `${plural(total, totalWords[field], totalWords[field])} i alt, ikke ${expected}: tæl ${names} igen.`,
    recountSuits: (names) => `For ${names} giver farvelængderne ikke antallet af kort: tæl igen.`,
    agree: (judged) => `${cap(judged)} stemmer.`,
    alike: (a, b) => `${whose(a)} og ${whose(b)} hænder tæller ens: et bytte ville ikke kunne ses.`,
    proveIt: 'For at være sikker: kontrollér tre lommer kort for kort.',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket} har 14 kort og ${owner} 12: et af ${owner}s kort ligger i ${pocket}s lomme.`;
      const counts = points === 0 ? `${pocket} har 14 kort og ${owner} 12, point stemmer`
        : `${pocket} har 14 kort og ${off(points, 'point')}, ${owner} 12 og ${points} for lidt`;
      return `${counts}: ${rankWords[points]} ${owner}s ${rankPlurals[points]} ligger i ${pocket}s lomme.`;
    },
    movedSuit: ({ from, to, suit }) => `Et af ${whose(from)} ${suitNames[suit]}kort ligger i ${whose(to)} lomme.`,
    movedCard: ({ from, to, card }) => `${whose(from)} ${card} ligger i ${whose(to)} lomme: flyt det til ${seats[from]}.`,
    turned: ({ by }) => `Spillet er vendt: Nords hånd ligger i ${whose(by)} lomme. ${turnBack[by]}`,
    exchanged: (a, b) => `${whose(a)} og ${whose(b)} hænder er byttet om`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => `${whose(seat)}${i === 0 ? ' hånd ligger' : ''} i ${whose(cycle[(i + 1) % cycle.length])} lomme`)
      .join(', '),
    swapped: (parts, pairs) => `${cap(parts.join('; '))}: ${pairs ? 'byt de to lommer om' : 'læg hver hånd i sin egen lomme'}.`,
    swappedPairs: (parts) => `${cap(parts.join(', og '))}: byt lommerne parvis.`,
    mixed: 'Hænderne ligger i forkerte lommer, og optællingen viser ikke hvilke.',
    other: ({ label }) => `Det er hænderne fra ${label}: del dette spil igen.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, 'kort'));
      if (by.hcp) parts.push(off(by.hcp, 'point'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], suitNames[i]));
      }
      return `${seats[seat]} har ${list(parts)}`;
    })),
    tapFirst: (seat) => `Tryk først på ${whose(seat)} kort.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `${seats[seat]} har sine egne kort.`,
    pocketHolds: (seat, owner) => `I ${whose(seat)} lomme ligger ${whose(owner)} hånd.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} mangler`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} for meget`);
      return `${seats[seat]}: ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `byt ${whose(a)} og ${whose(b)} lommer om`,
    actionHand: (pocket, seat) => `flyt hånden i ${whose(pocket)} lomme til ${whose(seat)}`,
    actionMove: (card, from, to) => `flyt ${card} fra ${seats[from]} til ${seats[to]}`,
    actions: (list) => sentence([cap(list[0]), ...list.slice(1)]),
    // ... and next.
    tapNext: (seat) => `Tryk derefter på ${whose(seat)} kort.`,
    proven: (label) => `${label} stemmer: tre lommer har sine egne kort, den fjerde resten.`,
  },
};
