// The page's words in Norwegian Bokmål (the fields of en.js).
import { counted, listOf, numberOf } from '../grammar.js';

// Plurals, lists and numbers as the platform writes them for Bokmål.
const TAG = 'nb';
const plural = (count, one, other) => counted(TAG, count, { one, other });
const list = (items) => listOf(TAG, items);
// nb: South is "Syd", as Norwegian bridge names the seat; the compass says sør.
const seats = ['Nord', 'Øst', 'Syd', 'Vest'];
// "Nords", "Østs": a seat's genitive.
const whose = (seat) => `${seats[seat]}s`;
// nb: "Kn" for knekt, as Norwegian packs print the jack; the ace is "E" for ess.
const ranks = ['E', 'K', 'D', 'Kn', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const suitNames = ['spar', 'hjerter', 'ruter', 'kløver'];
const rankWords = ['et av', 'en av', 'en av', 'en av', 'et av'];
const rankPlurals = ['småkort', 'knekter', 'damer', 'konger', 'ess'];
// A count: "kort", "poeng" and the suits are the same in the plural.
const off = (n, noun) => `${plural(Math.abs(n), noun, noun)} for ${n > 0 ? 'mye' : 'lite'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const cap = (text) => `${text[0].toUpperCase()}${text.slice(1)}`;
const boards = (count) => plural(count, 'spill', 'spill');
// What a total the pack cannot have counts.
const totalWords = {
  count: 'kort', hcp: 'poeng', spades: 'spar', hearts: 'hjerter', diamonds: 'ruter', clubs: 'kløver',
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Flytt hver hånd én lomme mot klokka.', 'Bytt Nords og Syds hender, og Østs og Vests.',
  'Flytt hver hånd én lomme med klokka.'];

export default {
  tag: 'nb',
  grammarTag: TAG,
  sentenceGap: ' ',
  seats,
  // nb: the seats' initials (Nord, Øst, Syd, Vest), Ø written O: each symbol is one byte; the command line's D is the dame.
  handLetters: 'NOSV',
  seatLetters: ['N', 'Ø', 'S', 'V'],
  noHand: 'ingen hånd',
  ranks,
  rankNames: ['ess', 'konge', 'dame', 'knekt', 'ti', 'ni', 'åtte', 'sju', 'seks', 'fem', 'fire', 'tre', 'to'],
  suitNames,
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
  cards: (count) => plural(count, 'kort', 'kort'),
  // nb: "hp" for honnørpoeng.
  hcp: (points) => `${points} hp`,

  doneWord: 'ferdig',
  numbers: ['null', 'én', 'to', 'tre', 'fire', 'fem', 'seks', 'sju', 'åtte', 'ni', 'ti', 'elleve', 'tolv', 'tretten'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Mellomrom, Enter eller et trykk: første kort',
  done: (label) => `${label} ferdig`,
  nextPack: 'I mappen; sorter neste kortstokk.',
  allDealt: (count) => (count === 1 ? 'Spillet er delt ut.' : `Alle ${numberOf(TAG, count)} spill er delt ut.`),
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
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // nb: "NT", said "grand", as Norwegian contracts are written (3NT), by Norsk
  // Bridgeforbund as in the Norwegian Wikipedia's bridge articles; the
  // declarer is the "spillefører"; "double dummy" as Norwegian bridge says.
  noTrump: 'NT',
  sides: ['Nord\u2013Syd', 'Øst\u2013Vest'],
  ddTableLabel: 'Stikk hver spillefører tar i hver farge og i grand, double dummy',
  // "5♦ doblet, spilt av Nord, −2": "doblet av Nord" would say that Nord doubled.
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract}${doubled ? ' doblet,' : ''} spilt av ${by}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}: ${contracts}`,
  passedOut: 'Par 0: alle passer',
  analysing: (done, total) => `Double dummy-analyse: ${numberOf(TAG, done)} av ${boards(total)}`,
  analysed: (total) => (total === 1 ? 'Double dummy-analyse: ferdig'
    : `Double dummy-analyse: alle ${numberOf(TAG, total)} spill`),
  analysisToCome: 'Analysen av dette spillet er på vei.',
  notADeal: (label) => `${cap(label)} er ikke et gyldig bridgespill og blir ikke analysert.`,
  solverFailed: (message) => `Spillet kunne ikke analyseres: ${message}`,
  exportPbn: 'Lagre en PBN-fil for resultatberegningen',
  exportName: (stem) => `${stem} håndoversikter`,
  // What the core's message means for the file: where is "Første giv"
  // or "Given etter spill 2".
  firstDeal: 'Første giv',
  dealAfter: (ref) => `Given etter ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} har ${plural(count, 'kort', 'kort')} i filen: filen er avkortet eller skadet.`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where} begynner ikke med N, E, S eller W: filen er skadet.`,
    notBridge: ({ label }) => `${label} gir et kort ingen hånd, eller en hånd ikke 13 kort: ikke del ut fra denne filen.`,
    noDocument: () => 'Dette er ingen DLM-fil: linjen [Document] mangler.',
    boardNumber: ({ where }) => `${where} har ikke noe gyldig spillnummer i filen.`,
    noDeals: () => 'Filen inneholder ingen giv: er det riktig fil?',
    unreadable: () => 'Filen kunne ikke leses til slutten.',
    garbled: ({ where }) => `${where} er feilskrevet i filen: filen er skadet.`,
  },
  endDone: 'Ferdig',
  endStopped: 'Stoppet',
  endMarkDone: 'lest til slutten',
  endMarkStopped: 'stoppet ved feil i dataene',

  noFrom: (number) => `Ikke noe spill ${number} i denne filen: deler fra første spill.`,
  noTo: (number, after) => `Ikke noe spill ${number} etter spill ${after}: deler til siste spill.`,
  copiesClamped: (most) => `Høyst ${most} kopier: deler ${most}.`,
  printTooMany: (most, count) => `Velg først første og siste spill: en utskrift rommer høyst ${most} spill, ikke alle ${numberOf(TAG, count)}.`,
  printCut: (most, count) => `De første ${most} av ${numberOf(TAG, count)} spill: en utskrift rommer høyst ${most}. Velg første og siste spill for å skrive ut de andre.`,
  checkTitle: (label) => `${label}: kontroll`,
  checkHow: 'Tell kortene og poengene (E\u00a04, K\u00a03, D\u00a02, Kn\u00a01) i hver lomme.',
  checkExactHow: (seat) => `Trykk på hvert kort som ligger i ${seat}s lomme.`,
  checkStates: {
    unchecked: 'ikke kontrollert', ok: 'kontrollert: stemmer', agree: 'kontrollert: tellingen stemmer',
    fault: 'kontrollert: feil',
  },
  // Boards whose counts agree are named only where there are some.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}: ${[plural(ok, 'riktig', 'riktige'),
    ...(agree > 0 ? [`${numberOf(TAG, agree)} stemmer etter telling`] : []), `${numberOf(TAG, fault)} feil`,
    plural(unchecked, 'ikke kontrollert', 'ikke kontrollerte')].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Ikke kontrollert: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `Feil: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'tom',

  firstSort: 'Sorter kortstokken etter farge, spar, hjerter, ruter, kløver, hver fra ess ned til to, og hold den med '
    + 'baksiden opp og spar ess øverst. Siden sier hvilken hånd hvert kort skal til når du tar det øverst.',
  firstSymbols: (letters) => `${list(letters)} står for Nord, Øst, Syd og Vest: hendenes bokstaver i utdatafilen.`,
  firstSymbolsUnset: 'Symbolene under Innstillinger er hendenes bokstaver i utdatafilen.',
  // nb: "Hjem-skjermen", as an iPhone names it.
  homeScreen: 'Legg denne siden til på Hjem-skjermen: ellers kan Safari slette den lagrede filen etter en uke.',
  kept: 'Filen og plassen din i den blir lagret på denne enheten.',
  notKept: 'Denne nettleseren lagrer ingenting: en ny innlasting begynner på nytt.',

  symbolsBytes: 'Hvert symbol er én byte: bruk vanlige bokstaver eller sifre.',
  symbolsMissing: (names) => `${list(names)} mangler symbol.`,
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
  newDeals: 'Nye spill',
  newDealsHow: 'Hvert spill helt tilfeldig, fra denne enhetens kryptografiske kilde: ingenting styrt, ingenting filtrert.',
  newBoards: 'Spill',
  newFirst: 'Første spill',
  makeDeals: 'Lag spillene',
  noCrypto: 'Denne nettleseren har ingen kryptografisk tilfeldighetskilde og lager derfor ingen spill: spill fra en '
    + 'svakere kilde ville kunne forutsies.',
  newRange: (most) => `Fra 1 til ${most} spill, det første med nummer 1 eller høyere.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'Nye spill'} ${date}`,
  fingerprint: (print) => `Fingeravtrykk ${print}`,
  fingerprintLabel: (print) => `Fingeravtrykk for disse spillene: ${print}`,
  // date: "8. desember 2026".
  dealtBefore: (date) => `Alle disse spillene ble delt ut på denne enheten den ${date}. Dele dem ut på nytt?`,
  dealtAgain: 'Del dem ut på nytt',
  dealtOther: 'En annen fil',
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
  // nb: "Kontroll (C)", as the help names the key: short enough for the summary beside it on a phone.
  checkButton: 'Kontroll (C)',
  checkCards: 'Kort',
  checkPoints: 'Poeng',
  checkSeatLabel: 'Lomme',
  checkExact: 'Kort for kort',
  checkVerify: 'Kontroller',
  checkSuitsLabel: 'Også fargelengder',
  redeal: 'Del ut på nytt',
  topsButton: 'Øverst (T)',
  checkGridLabel: 'Kortene som ligger i lommen',

  // nb: a pocket of the mappe is a "lomme". The check's sentences
  // (check-sentences.js puts them together): seats come as 0-3, cards as
  // labels ("♠K"), lists as Bokmål joins them.
  check: {
    // What the blind check judged by: "Kortene og poengene stemmer."
    judged: { count: 'kortene', hcp: 'poengene', suits: 'fargelengdene' },
    incomplete: (names) => `Fyll ut de samme feltene for ${names} som for de andre lommene.`,
    incompleteAll: 'Tell først kortene i hver lomme.',
    recount: ({
      counted: total, expected, field, names,
    }) => `${plural(total, totalWords[field], totalWords[field])} i alt, ikke ${expected}: tell ${names} på nytt.`,
    recountSuits: (names) => `For ${names} går ikke fargelengdene opp i antall kort: tell på nytt.`,
    agree: (judged) => `${cap(judged)} stemmer.`,
    alike: (a, b) => `${whose(a)} og ${whose(b)} hender teller likt: et bytte ville ikke synes.`,
    proveIt: 'For å være sikker, kontroller tre lommer kort for kort.',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket} har 14 kort og ${owner} 12: et av ${owner}s kort ligger i ${pocket}s lomme.`;
      const counts = points === 0 ? `${pocket} har 14 kort og ${owner} 12, poengene stemmer`
        : `${pocket} har 14 kort og ${off(points, 'poeng')}, ${owner} 12 og ${points} for lite`;
      return `${counts}: ${rankWords[points]} ${owner}s ${rankPlurals[points]} ligger i ${pocket}s lomme.`;
    },
    movedSuit: ({ from, to, suit }) => `Et av ${whose(from)} ${suitNames[suit]}kort ligger i ${whose(to)} lomme.`,
    movedCard: ({ from, to, card }) => `${whose(from)} ${card} ligger i ${whose(to)} lomme: flytt det til ${seats[from]}.`,
    turned: ({ by }) => `Spillet er snudd: Nords hånd ligger i ${whose(by)} lomme. ${turnBack[by]}`,
    exchanged: (a, b) => `${whose(a)} og ${whose(b)} hender har byttet plass`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => `${whose(seat)}${i === 0 ? ' hånd ligger' : ''} i ${whose(cycle[(i + 1) % cycle.length])} lomme`)
      .join(', '),
    swapped: (parts, pairs) => `${cap(parts.join('; '))}: ${pairs ? 'bytt om de to lommene' : 'legg hver hånd i sin egen lomme'}.`,
    swappedPairs: (parts) => `${cap(parts.join(', og '))}: bytt lommene parvis.`,
    mixed: 'Hendene ligger i feil lommer, og tellingen viser ikke hvilke.',
    other: ({ label }) => `Dette er hendene fra ${label}: del ut dette spillet på nytt.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, 'kort'));
      if (by.hcp) parts.push(off(by.hcp, 'poeng'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], suitNames[i]));
      }
      return `${seats[seat]} har ${list(parts)}`;
    })),
    tapFirst: (seat) => `Trykk først på ${whose(seat)} kort.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `${seats[seat]} har sine egne kort.`,
    pocketHolds: (seat, owner) => `I ${whose(seat)} lomme ligger ${whose(owner)} hånd.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} mangler`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} for mye`);
      return `${seats[seat]}: ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `bytt om ${whose(a)} og ${whose(b)} lommer`,
    actionHand: (pocket, seat) => `flytt hånden i ${whose(pocket)} lomme til ${whose(seat)}`,
    actionMove: (card, from, to) => `flytt ${card} fra ${seats[from]} til ${seats[to]}`,
    actions: (list) => sentence([cap(list[0]), ...list.slice(1)]),
    // ... and next.
    tapNext: (seat) => `Trykk deretter på ${whose(seat)} kort.`,
    proven: (label) => `${label} stemmer: tre lommer har sine egne kort, den fjerde resten.`,
  },
};
