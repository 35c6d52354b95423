// The page's words in Swedish (the fields of en.js).
import { SUIT_SYMBOLS } from '../cards.js';

const plural = (count, one, many) => `${count} ${count === 1 ? one : many}`;
const seats = ['Nord', 'Öst', 'Syd', 'Väst'];
// sv: "Kn" for knekt, as Swedish packs print the jack; the ace is "E" for ess.
const ranks = ['E', 'K', 'D', 'Kn', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const rankWords = ['ett av', 'en av', 'en av', 'en av', 'ett av'];
const rankPlurals = ['småkort', 'knektar', 'damer', 'kungar', 'ess'];
const off = (n, noun) => `${Math.abs(n)} ${noun} för ${n > 0 ? 'mycket' : 'lite'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const boards = (count) => plural(count, 'bricka', 'brickor');

export default {
  tag: 'sv',
  seats,
  // sv: the seats' initials (Nord, Öst, Syd, Väst), Ö written O: each symbol is one byte; the command line's D is the dam.
  handLetters: 'NOSV',
  seatLetters: ['N', 'Ö', 'S', 'V'],
  noHand: 'ingen hand',
  ranks,
  rankNames: ['ess', 'kung', 'dam', 'knekt', 'tio', 'nio', 'åtta', 'sju', 'sex', 'fem', 'fyra', 'tre', 'två'],
  suitNames: ['spader', 'hjärter', 'ruter', 'klöver'],
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
  cards: (count) => `${count} kort`,
  // sv: "hp" for honnörspoäng.
  hcp: (points) => `${points} hp`,

  doneWord: 'klar',
  numbers: ['noll', 'ett', 'två', 'tre', 'fyra', 'fem', 'sex', 'sju', 'åtta', 'nio', 'tio', 'elva', 'tolv', 'tretton'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Mellanslag, Enter eller ett tryck: första kortet',
  done: (label) => `${label} klar`,
  nextPack: 'In i brickan; sortera nästa kortlek.',
  allDealt: (count) => (count === 1 ? 'Brickan är delad.' : `Alla ${count} brickor är delade.`),
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
  endDone: 'Klart',
  endStopped: 'Stoppat',
  endMarkDone: 'läst till slutet',
  endMarkStopped: 'stoppat vid felaktiga data',

  noFrom: (number) => `Ingen bricka ${number} i filen: delar från första brickan.`,
  noTo: (number, after) => `Ingen bricka ${number} efter bricka ${after}: delar till sista brickan.`,
  copiesClamped: (most) => `Högst ${most} kopior: delar ${most}.`,
  printTooMany: (most, count) => `Välj först första och sista brickan: en utskrift rymmer högst ${most} brickor, inte alla ${count}.`,
  printCut: (most, count) => `De första ${most} av ${count} brickor: en utskrift rymmer högst ${most}. Välj första och sista brickan för att skriva ut de andra.`,
  checkTitle: (label) => `${label}: kontroll`,
  checkHow: 'Räkna korten och poängen (E\u00a04, K\u00a03, D\u00a02, Kn\u00a01) i varje fack.',
  checkExactHow: (seat) => `Tryck på varje kort som finns i ${seat}s fack.`,
  checkStates: { unchecked: 'inte kontrollerad', ok: 'kontrollerad: stämmer', fault: 'kontrollerad: fel' },
  summary: (count, ok, fault, unchecked) => `${boards(count)}: ${ok} rätt, ${fault} fel, `
    + `${plural(unchecked, 'inte kontrollerad', 'inte kontrollerade')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `${labels.length > 1 || more ? 'Inte kontrollerade' : 'Inte kontrollerad'}: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'tomt',

  firstSort: 'Sortera kortleken efter färg, spader, hjärter, ruter, klöver, var och en från ess ner till två, och håll '
    + 'den med baksidan upp och spader ess överst. Sidan säger vilken hand varje kort ska till när du tar det överst.',
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} och ${letters[3]} står för Nord, Öst, Syd och Väst: händernas bokstäver i utdatafilen.`,
  firstSymbolsUnset: 'Symbolerna under Inställningar är händernas bokstäver i utdatafilen.',
  // sv: "hemskärmen", as an iPhone names it.
  homeScreen: 'Lägg till sidan på hemskärmen: annars kan Safari radera den sparade filen efter en vecka.',
  kept: 'Filen och din plats i den sparas på den här enheten.',
  notKept: 'Den här webbläsaren sparar inget: en omladdning börjar om.',

  symbolsBytes: 'Varje symbol är en byte: använd vanliga bokstäver eller siffror.',
  symbolsMissing: (names) => `${names.join(' och ')} saknar symbol.`,
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
  checkGridLabel: 'Korten som finns i facket',

  // sv: a pocket of the bricka is a "fack".
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Räkna först korten och poängen i varje fack.',
    ok: (label) => `${label} stämmer.`,
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      const counts = points === 0 ? `${pocket} har 14 kort och ${owner} 12, poängen stämmer`
        : `${pocket} har 14 kort och ${off(points, 'poäng')}, ${owner} 12 och ${points} för lite`;
      return `${counts}: ${rankWords[points]} ${owner}s ${rankPlurals[points]} ligger i ${pocket}s fack.`;
    },
    turned: ({ by }) => `Brickan är vriden: Nords hand ligger i ${seats[by]}s fack.`,
    other: ({ label }) => `Det här är händerna från ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, 'kort'));
      if (points !== 0) parts.push(off(points, 'poäng'));
      return `${seats[seat]} har ${parts.join(' och ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} saknas`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} för mycket`);
      return parts.length === 0 ? `${seats[seat]} stämmer.` : `${seats[seat]}: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Varje kort ligger i sitt fack.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Flytta' : 'flytta'} ${card} från ${seats[from]} till ${seats[to]}`))),
  },
};
