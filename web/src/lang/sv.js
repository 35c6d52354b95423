// The page's words in Swedish (the fields of en.js).
import { counted, listOf, numberOf } from '../grammar.js';

// Plurals, lists and numbers as the platform writes them for Swedish.
const TAG = 'sv';
const plural = (count, one, other) => counted(TAG, count, { one, other });
const list = (items) => listOf(TAG, items);
const seats = ['Nord', 'Öst', 'Syd', 'Väst'];
// "Nords", "Östs": a seat's genitive.
const whose = (seat) => `${seats[seat]}s`;
// sv: "Kn" for knekt, as Swedish packs print the jack; the ace is "E" for ess.
const ranks = ['E', 'K', 'D', 'Kn', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const suitNames = ['spader', 'hjärter', 'ruter', 'klöver'];
const rankWords = ['ett av', 'en av', 'en av', 'en av', 'ett av'];
const rankPlurals = ['småkort', 'knektar', 'damer', 'kungar', 'ess'];
// A count: "kort", "poäng" and the suits are the same in the plural.
const off = (n, noun) => `${plural(Math.abs(n), noun, noun)} för ${n > 0 ? 'mycket' : 'lite'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const cap = (text) => `${text[0].toUpperCase()}${text.slice(1)}`;
const boards = (count) => plural(count, 'bricka', 'brickor');
// What a total the pack cannot have counts.
const totalWords = {
  count: 'kort', hcp: 'poäng', spades: 'spader', hearts: 'hjärter', diamonds: 'ruter', clubs: 'klöver',
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Flytta varje hand ett fack moturs.', 'Byt Nords och Syds händer, och Östs och Västs.',
  'Flytta varje hand ett fack medurs.'];

export default {
  tag: 'sv',
  grammarTag: TAG,
  sentenceGap: ' ',
  seats,
  // sv: the seats' initials (Nord, Öst, Syd, Väst), Ö written O: each symbol is one byte; the command line's D is the dam.
  handLetters: 'NOSV',
  seatLetters: ['N', 'Ö', 'S', 'V'],
  noHand: 'ingen hand',
  ranks,
  rankNames: ['ess', 'kung', 'dam', 'knekt', 'tio', 'nio', 'åtta', 'sju', 'sex', 'fem', 'fyra', 'tre', 'två'],
  suitNames,
  cardName: (rank, suit) => `${suit} ${rank}`,
  vulnerabilities: { None: 'ingen', NS: 'NS', EW: 'ÖV', All: 'alla' },

  // sv: a board is a "bricka"; "Giv" names the dealer and "Zon" the
  // vulnerability, as Swedish diagrams print them.
  board: (number) => `Bricka ${number}`,
  boardRef: (number) => `bricka ${number}`,
  deal: (index) => `giv ${index}`,
  dealer: (seat) => `Giv ${seat}`,
  vul: (vulnerability) => `Zon ${vulnerability}`,
  copy: (copy, copies) => `kopia ${copy} av ${copies}`,
  boardCopy: (label, copy) => `${label}, kopia ${copy}`,
  place: (position, length) => `(${position} av ${length})`,
  boards,
  cards: (count) => plural(count, 'kort', 'kort'),
  // sv: "hp" for honnörspoäng.
  hcp: (points) => `${points} hp`,

  doneWord: 'klar',
  numbers: ['noll', 'ett', 'två', 'tre', 'fyra', 'fem', 'sex', 'sju', 'åtta', 'nio', 'tio', 'elva', 'tolv', 'tretton'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Mellanslag, Enter eller ett tryck: första kortet',
  done: (label) => `${label} klar`,
  nextPack: 'In i brickan; sortera nästa kortlek.',
  allDealt: (count) => (count === 1 ? 'Brickan är delad.' : `Alla ${numberOf(TAG, count)} brickor är delade.`),
  lastRead: 'Senast lästa bricka',
  resumed: (label) => `Fortsätter vid ${label}`,
  goingTo: (digits) => `Bricka ${digits} ↵`,
  noBoard: (number) => `Ingen bricka ${number} i den här omgången.`,

  reading: (name, count) => (count === 0 ? `Läser ${name}\u2026` : `Läser ${name}: ${boards(count)} hittills\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `Läst till slutet: ${boards(count)}.`,
  stoppedAfter: (label, quoted) => `Läsningen stoppade efter ${label}: ${quoted}`,
  noDeal: (quoted) => `Ingen giv lästes: ${quoted}`,
  broken: (name, message) => `Sidan kunde inte läsa ${name}: ${message}`,
  warningBefore: (quoted) => `Före första brickan: ${quoted}`,
  warningAfter: (label, quoted) => `Efter ${label}: ${quoted}`,
  warningBetween: (before, after, quoted) => `Mellan ${before} och ${after}: ${quoted}`,
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // sv: "NT", said "sang", as Swedish contracts are written (3NT), by Svenska
  // Bridgeförbundet as in the Swedish Wikipedia's bridge articles; the
  // declarer is the "spelförare"; "double dummy" as Swedish bridge says.
  noTrump: 'NT',
  sides: ['Nord\u2013Syd', 'Öst\u2013Väst'],
  ddTableLabel: 'Stick som varje spelförare tar i varje färg och i sang, double dummy',
  // "5♦ dubblat, spelat av Nord, −2": "dubblat av Nord" would say that Nord doubled.
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract}${doubled ? ' dubblat,' : ''} spelat av ${by}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}: ${contracts}`,
  passedOut: 'Par 0: alla passar',
  analysing: (done, total) => `Double dummy-analys: ${numberOf(TAG, done)} av ${boards(total)}`,
  analysed: (total) => (total === 1 ? 'Double dummy-analys: klar'
    : `Double dummy-analys: alla ${numberOf(TAG, total)} brickor`),
  analysisToCome: 'Analysen av den här brickan är på väg.',
  notADeal: (label) => `${cap(label)} är ingen riktig bridgegiv: den har ingen analys.`,
  solverFailed: (message) => `Brickan kunde inte analyseras: ${message}`,
  exportPbn: 'Spara en PBN-fil för resultaträkningen',
  exportName: (stem) => `${stem} handdiagram`,
  // What the core's message means for the file: where is "Första given"
  // or "Given efter bricka 2".
  firstDeal: 'Första given',
  dealAfter: (ref) => `Given efter ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} har ${plural(count, 'kort', 'kort')} i filen: filen är avkortad eller skadad.`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where} börjar inte med N, E, S eller W: filen är skadad.`,
    notBridge: ({ label }) => `${label} ger ett kort ingen hand, eller en hand inte 13 kort: dela inte ut den från den här filen.`,
    noDocument: () => 'Det här är ingen DLM-fil: raden [Document] saknas.',
    boardNumber: ({ where }) => `${where} har inget giltigt bricknummer i filen.`,
    noDeals: () => 'Filen innehåller ingen giv: är det rätt fil?',
    unreadable: () => 'Filen kunde inte läsas till slutet.',
    garbled: ({ where }) => `${where} är felskriven i filen: filen är skadad.`,
  },
  endDone: 'Klart',
  endStopped: 'Stoppat',
  endMarkDone: 'läst till slutet',
  endMarkStopped: 'stoppat vid felaktiga data',

  noFrom: (number) => `Ingen bricka ${number} i filen: delar från första brickan.`,
  noTo: (number, after) => `Ingen bricka ${number} efter bricka ${after}: delar till sista brickan.`,
  copiesClamped: (most) => `Högst ${most} kopior: delar ${most}.`,
  printTooMany: (most, count) => `Välj först första och sista brickan: en utskrift rymmer högst ${most} brickor, inte alla ${numberOf(TAG, count)}.`,
  printCut: (most, count) => `De första ${most} av ${numberOf(TAG, count)} brickor: en utskrift rymmer högst ${most}. Välj första och sista brickan för att skriva ut de andra.`,
  checkTitle: (label) => `${label}: kontroll`,
  checkHow: 'Räkna korten och poängen (E\u00a04, K\u00a03, D\u00a02, Kn\u00a01) i varje fack.',
  checkExactHow: (seat) => `Tryck på varje kort som finns i ${seat}s fack.`,
  checkStates: {
    unchecked: 'inte kontrollerad', ok: 'kontrollerad: stämmer', agree: 'kontrollerad: räkningen stämmer',
    fault: 'kontrollerad: fel',
  },
  // Boards whose counts agree are named only where there are some.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}: ${[`${numberOf(TAG, ok)} rätt`,
    ...(agree > 0 ? [`${numberOf(TAG, agree)} stämmer enligt räkning`] : []), `${numberOf(TAG, fault)} fel`,
    plural(unchecked, 'inte kontrollerad', 'inte kontrollerade')].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `${labels.length > 1 || more ? 'Inte kontrollerade' : 'Inte kontrollerad'}: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `Fel: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'tomt',

  firstSort: 'Sortera kortleken efter färg, spader, hjärter, ruter, klöver, var och en från ess ner till två, och håll '
    + 'den med baksidan upp och spader ess överst. Sidan säger vilken hand varje kort ska till när du tar det överst.',
  firstSymbols: (letters) => `${list(letters)} står för Nord, Öst, Syd och Väst: händernas bokstäver i utdatafilen.`,
  firstSymbolsUnset: 'Symbolerna under Inställningar är händernas bokstäver i utdatafilen.',
  // sv: "hemskärmen", as an iPhone names it.
  homeScreen: 'Lägg till sidan på hemskärmen: annars kan Safari radera den sparade filen efter en vecka.',
  kept: 'Filen och din plats i den sparas på den här enheten.',
  notKept: 'Den här webbläsaren sparar inget: en omladdning börjar om.',

  symbolsBytes: 'Varje symbol är en byte: använd vanliga bokstäver eller siffror.',
  symbolsMissing: (names) => `${list(names)} saknar symbol.`,
  symbolsShared: (a, b, symbol) => `${a} och ${b} delar på \u201d${symbol}\u201d.`,
  symbolsQuestion: '\u201d?\u201d markerar också ett kort utan hand.',
  // sv: "färg" is a suit, so the cells' colours are their backgrounds.
  symbolsStill: 'Bakgrunderna, strecken och namnen skiljer ändå händerna åt.',

  title: 'Pipsweep: utdelningsanvisningar för en sorterad kortlek',
  settingsHint: 'Inställningar',
  setupLabel: 'Fil med givar och inställningar',
  privateNote: 'Välj en fil med givar: sidan säger, kort för kort, till vilken hand varje kort i en sorterad kortlek ska. '
    + 'Filen läses i den här webbläsaren och inget skickas någonstans.',
  offlineReady: 'Klar att användas utan nät: sidan öppnas och delar här utan nätverk.',
  dealFile: 'Fil med givar (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'eller släpp en fil på sidan',
  example: 'Öppna exemplet',
  newDeals: 'Nya givar',
  newDealsHow: 'Varje giv helt slumpmässig, från den här enhetens kryptografiska källa: inget styrt, inget filtrerat.',
  newBoards: 'Brickor',
  newFirst: 'Första brickan',
  makeDeals: 'Skapa givarna',
  noCrypto: 'Den här webbläsaren har ingen kryptografisk slumpkälla och skapar därför inga givar: givar från en svagare '
    + 'källa skulle gå att förutsäga.',
  newRange: (most) => `Från 1 till ${most} brickor, den första med nummer 1 eller högre.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'Nya givar'} ${date}`,
  fingerprint: (print) => `Fingeravtryck ${print}`,
  fingerprintLabel: (print) => `Fingeravtryck för de här givarna: ${print}`,
  // date: "8 december 2026".
  dealtBefore: (date) => `Alla de här givarna har redan delats på den här enheten, den ${date}. Dela om dem?`,
  dealtAgain: 'Dela om dem',
  dealtOther: 'En annan fil',
  symbolsLabel: 'Symboler för Nord, Öst, Syd, Väst',
  sessionLegend: 'Omgång',
  fromBoard: 'Från bricka',
  toBoard: 'Till bricka',
  copiesLabel: 'Kopior',
  copyOrder: 'Kopiornas ordning',
  copyOrderBoard: 'varje brickas kopior i följd',
  copyOrderSet: 'hela serien en gång per kopia',
  packLabel: 'Kortlek',
  packSorted: 'sorterad: spader ess först',
  packReversed: 'vänd: klöver två först',
  showHands: 'Visa händerna (H)',
  blindLabel: 'Blind utdelning: bara kortet och dess riktning',
  runsLabel: 'Följder: kort i rad till samma hand är ett steg',
  printLegend: 'Skriv ut omgångens brickor',
  printWhat: 'Vad',
  printGrids: 'utdelningsrutnät',
  printHands: 'handdiagram',
  printCurtain: 'handlappar',
  eventLabel: 'Tävling',
  dateLabel: 'Datum',
  printButton: 'Skriv ut',
  cuesLegend: 'Signaler vid varje kort',
  speakLabel: 'Säg handen',
  tonesLabel: 'Toner (Nord högt, Syd lågt, Öst och Väst mitt emellan, åt sitt håll)',
  languageLabel: 'Språk',
  download: 'Ladda ner _pipsweep.txt',
  consoleLabel: 'Konsol',
  dealingLabel: 'Utdelning',
  boardsNav: 'Brickor',
  previousBoard: 'Föregående bricka',
  nextBoard: 'Nästa bricka',
  boardHead: 'Bricka',
  boardTail: '',
  gridLabel: 'Utdelningsrutnät: varje korts hand; ett klick väljer ett kort',
  handsLabel: 'De fyra händerna',
  keysHelp: 'Nästa kort: mellanslag, Enter, \u2192, en pedal eller ett klick. Tillbaka: backsteg eller \u2190. '
    + 'Bricka: N, P, Home, End eller dess nummer och Enter. Kontroll: C. Överst i facken: T.',
  touchHelp: 'Nästa kort: ett tryck var som helst. Håll en ruta: det kortet. Bricka: svep åt sidan.',
  boardLineLabel: 'Brickans rad',
  packTop: 'överst',
  packBottom: 'underst',
  pocketTopsLabel: 'Överst i varje fack',
  // sv: "Kontroll (C)", as the help names the key: short enough for the summary beside it on a phone.
  checkButton: 'Kontroll (C)',
  checkCards: 'Kort',
  checkPoints: 'Poäng',
  checkSeatLabel: 'Fack',
  checkExact: 'Kort för kort',
  checkVerify: 'Kontrollera',
  checkSuitsLabel: 'Även färglängder',
  redeal: 'Dela om',
  topsButton: 'Överst (T)',
  checkGridLabel: 'Korten som finns i facket',

  // sv: a pocket of the bricka is a "fack". The check's sentences
  // (check-sentences.js puts them together): seats come as 0-3, cards as
  // labels ("♠K"), lists as Swedish joins them.
  check: {
    // What the blind check judged by: "Korten och poängen stämmer."
    judged: { count: 'korten', hcp: 'poängen', suits: 'färglängderna' },
    incomplete: (names) => `Fyll i samma fält för ${names} som för de andra facken.`,
    incompleteAll: 'Räkna först korten i varje fack.',
    recount: ({
      counted: total, expected, field, names,
    }) => `${plural(total, totalWords[field], totalWords[field])} totalt, inte ${expected}: räkna om ${names}.`,
    recountSuits: (names) => `För ${names} går färglängderna inte ihop med antalet kort: räkna om.`,
    agree: (judged) => `${cap(judged)} stämmer.`,
    alike: (a, b) => `${whose(a)} och ${whose(b)} händer räknas lika: ett byte skulle inte märkas.`,
    proveIt: 'För att vara säker, kontrollera tre fack kort för kort.',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket} har 14 kort och ${owner} 12: ett av ${owner}s kort ligger i ${pocket}s fack.`;
      const counts = points === 0 ? `${pocket} har 14 kort och ${owner} 12, poängen stämmer`
        : `${pocket} har 14 kort och ${off(points, 'poäng')}, ${owner} 12 och ${points} för lite`;
      return `${counts}: ${rankWords[points]} ${owner}s ${rankPlurals[points]} ligger i ${pocket}s fack.`;
    },
    movedSuit: ({ from, to, suit }) => `Ett av ${whose(from)} ${suitNames[suit]}kort ligger i ${whose(to)} fack.`,
    movedCard: ({ from, to, card }) => `${whose(from)} ${card} ligger i ${whose(to)} fack: flytta det till ${seats[from]}.`,
    turned: ({ by }) => `Brickan är vriden: Nords hand ligger i ${whose(by)} fack. ${turnBack[by]}`,
    exchanged: (a, b) => `${whose(a)} och ${whose(b)} händer har bytt plats`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => `${whose(seat)}${i === 0 ? ' hand ligger' : ''} i ${whose(cycle[(i + 1) % cycle.length])} fack`)
      .join(', '),
    swapped: (parts, pairs) => `${cap(parts.join('; '))}: ${pairs ? 'byt plats på de två facken' : 'lägg varje hand i sitt eget fack'}.`,
    swappedPairs: (parts) => `${cap(parts.join(', och '))}: byt facken parvis.`,
    mixed: 'Händerna ligger i fel fack, och räkningen visar inte vilka.',
    other: ({ label }) => `Det här är händerna från ${label}: dela om den här brickan.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, 'kort'));
      if (by.hcp) parts.push(off(by.hcp, 'poäng'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], suitNames[i]));
      }
      return `${seats[seat]} har ${list(parts)}`;
    })),
    tapFirst: (seat) => `Tryck först på ${whose(seat)} kort.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `${seats[seat]} har sina egna kort.`,
    pocketHolds: (seat, owner) => `I ${whose(seat)} fack ligger ${whose(owner)} hand.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} saknas`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} för mycket`);
      return `${seats[seat]}: ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `byt plats på ${whose(a)} och ${whose(b)} fack`,
    actionHand: (pocket, seat) => `flytta handen i ${whose(pocket)} fack till ${whose(seat)}`,
    actionMove: (card, from, to) => `flytta ${card} från ${seats[from]} till ${seats[to]}`,
    actions: (list) => sentence([cap(list[0]), ...list.slice(1)]),
    // ... and next.
    tapNext: (seat) => `Tryck sedan på ${whose(seat)} kort.`,
    proven: (label) => `${label} stämmer: tre fack har sina egna kort, det fjärde resten.`,
  },
};
