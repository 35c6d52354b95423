// The page's words in Polish (the fields of en.js).
import { SUIT_SYMBOLS } from '../cards.js';

// Polish has three forms after a number: 1 karta, 2-4 (not 12-14) karty, 5 kart.
function plural(count, [one, few, many]) {
  const units = count % 10;
  const tens = count % 100;
  if (count === 1) return `${count} ${one}`;
  return `${count} ${units >= 2 && units <= 4 && (tens < 12 || tens > 14) ? few : many}`;
}
const BOARDS = ['rozdanie', 'rozdania', 'rozdań'];
// After "ma": the accusative of "karta".
const CARDS = ['kartę', 'karty', 'kart'];
const POINTS = ['punkt', 'punkty', 'punktów'];
const seats = ['Północ', 'Wschód', 'Południe', 'Zachód'];
// "w kieszeni Wschodu": the seats in the genitive.
const ofSeat = ['Północy', 'Wschodu', 'Południa', 'Zachodu'];
const ranks = ['A', 'K', 'D', 'W', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
// pl: small cards are "blotki".
const rankWords = ['jedna z blotek', 'jeden z waletów', 'jedna z dam', 'jeden z króli', 'jeden z asów'];
const off = (n, forms) => `${plural(Math.abs(n), forms)} za ${n > 0 ? 'dużo' : 'mało'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const boards = (count) => plural(count, BOARDS);
const BOARD = 'Rozdanie';
// pl: in the list of boards not checked a board is "nr 7", as boardRef
// names it: eight "Rozdanie 7" leave the summary no room on a phone.
const listed = (label) => (label.startsWith(`${BOARD} `) ? `nr ${label.slice(BOARD.length + 1)}` : label);

export default {
  tag: 'pl',
  seats,
  // pl: the seats' letters as Polish diagrams write them, but Z (Zachód) for West: W is the walet.
  handLetters: 'NESZ',
  seatLetters: ['N', 'E', 'S', 'W'],
  noHand: 'bez ręki',
  ranks,
  rankNames: ['as', 'król', 'dama', 'walet', 'dziesiątka', 'dziewiątka', 'ósemka', 'siódemka', 'szóstka', 'piątka',
    'czwórka', 'trójka', 'dwójka'],
  suitNames: ['pik', 'kier', 'karo', 'trefl'],
  cardName: (rank, suit) => `${rank} ${suit}`,
  // pl: the vulnerability as Polish diagrams write it, "obie przed" (partią) to "obie po" (partii).
  vulnerabilities: { None: 'obie przed', NS: 'NS po', EW: 'EW po', All: 'obie po' },

  // pl: a board is a "rozdanie"; "nr 7" stays the same in every case of the sentence around it.
  board: (number) => `${BOARD} ${number}`,
  boardRef: (number) => `nr ${number}`,
  deal: (index) => `bez numeru (${index}.)`,
  dealer: (seat) => `Rozdaje ${seat}`,
  vul: (vulnerability) => vulnerability,
  copy: (copy, copies) => `kopia ${copy} z ${copies}`,
  boardCopy: (label, copy) => `${label}, kopia ${copy}`,
  place: (position, length) => `(${position} z ${length})`,
  boards,
  cards: (count) => plural(count, ['karta', 'karty', 'kart']),
  // pl: "PC", the points Polish bridge counts.
  hcp: (points) => `${points} PC`,

  doneWord: 'gotowe',
  numbers: ['zero', 'jeden', 'dwa', 'trzy', 'cztery', 'pięć', 'sześć', 'siedem', 'osiem', 'dziewięć', 'dziesięć',
    'jedenaście', 'dwanaście', 'trzynaście'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Spacja, Enter lub dotknięcie: pierwsza karta',
  done: (label) => `${label}: gotowe`,
  nextPack: 'Do pudełka; posortuj następną talię.',
  allDealt: (count) => `Rozłożono wszystkie rozdania: ${count}.`,
  lastRead: 'Ostatnie przeczytane rozdanie',
  resumed: (label) => `Wznowiono od rozdania ${label}`,
  goingTo: (digits) => `Rozdanie ${digits} ↵`,
  noBoard: (number) => `Brak rozdania ${number} w tej sesji.`,

  reading: (name, count) => (count === 0 ? `Czytanie pliku ${name}\u2026`
    : `Czytanie pliku ${name}: dotąd ${boards(count)}\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `Przeczytano do końca: ${boards(count)}.`,
  stoppedAfter: (label, quoted) => `Czytanie przerwane po rozdaniu ${label}: ${quoted}`,
  noDeal: (quoted) => `Nie przeczytano żadnego rozdania: ${quoted}`,
  broken: (name, message) => `Strona nie mogła przeczytać pliku ${name}: ${message}`,
  warningBefore: (quoted) => `Przed pierwszym rozdaniem: ${quoted}`,
  warningAfter: (label, quoted) => `Po rozdaniu ${label}: ${quoted}`,
  warningBetween: (before, after, quoted) => `Między rozdaniem ${before} a ${after}: ${quoted}`,
  endDone: 'Gotowe',
  endStopped: 'Przerwano',
  endMarkDone: 'przeczytano do końca',
  endMarkStopped: 'przerwano na błędnych danych',

  noFrom: (number) => `Brak rozdania ${number} w tym pliku: rozkładanie od pierwszego rozdania.`,
  noTo: (number, after) => `Brak rozdania ${number} po rozdaniu ${after}: rozkładanie do ostatniego rozdania.`,
  copiesClamped: (most) => `Najwyżej ${most} kopii: rozkładanych jest ${most}.`,
  printTooMany: (most, count) => `Najpierw wybierz pierwsze i ostatnie rozdanie: jeden wydruk mieści najwyżej ${boards(most)}, nie wszystkie ${count}.`,
  printCut: (most, count) => `Pierwsze rozdania, ${most} z ${count}: jeden wydruk mieści najwyżej ${boards(most)}. Wybierz pierwsze i ostatnie rozdanie, aby wydrukować pozostałe.`,
  checkTitle: (label) => `${label}: kontrola`,
  checkHow: 'Policz karty i punkty (A\u00a04, K\u00a03, D\u00a02, W\u00a01) w każdej kieszeni.',
  checkExactHow: (seat) => `Dotknij każdej karty znalezionej w kieszeni ${ofSeat[seats.indexOf(seat)] ?? seat}.`,
  checkStates: { unchecked: 'niesprawdzone', ok: 'sprawdzone: poprawne', fault: 'sprawdzone: błędne' },
  summary: (count, ok, fault, unchecked) => `${boards(count)}: ${plural(ok, ['poprawne', 'poprawne', 'poprawnych'])}, `
    + `${plural(fault, ['błędne', 'błędne', 'błędnych'])}, ${plural(unchecked, ['niesprawdzone', 'niesprawdzone', 'niesprawdzonych'])}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Niesprawdzone: ${labels.map(listed).join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'pusta',

  firstSort: 'Posortuj talię kolorami, piki, kiery, kara, trefle, każdy od asa do dwójki, i trzymaj ją grzbietem do góry, '
    + 'z asem pik na wierzchu. Strona mówi, do której ręki idzie każda karta zdejmowana z wierzchu.',
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} i ${letters[3]} oznaczają Północ, Wschód, Południe i Zachód: litery rąk w pliku wynikowym.`,
  firstSymbolsUnset: 'Symbole w Ustawieniach to litery rąk w pliku wynikowym.',
  // pl: "ekran początkowy", as an iPhone names it.
  homeScreen: 'Dodaj tę stronę do ekranu początkowego: inaczej Safari może po tygodniu usunąć zachowany plik.',
  kept: 'Ten plik i miejsce, w którym jesteś, zostają na tym urządzeniu.',
  notKept: 'Ta przeglądarka nic nie zachowuje: po przeładowaniu zaczyna się od nowa.',

  symbolsBytes: 'Każdy symbol to jeden bajt: użyj zwykłych liter lub cyfr.',
  symbolsMissing: (names) => `Bez symbolu: ${names.join(', ')}.`,
  symbolsShared: (a, b, symbol) => `${a} i ${b} mają ten sam symbol \u201e${symbol}\u201d.`,
  symbolsQuestion: '\u201e?\u201d oznacza też kartę bez ręki.',
  // pl: "kolor" is a suit, so the cells' colours are their backgrounds.
  symbolsStill: 'Tła, paski i nazwy nadal rozróżniają ręce.',

  title: 'Pipsweep: wskazówki rozkładania posortowanej talii',
  settingsHint: 'Ustawienia',
  setupLabel: 'Plik rozdań i ustawienia',
  privateNote: 'Wybierz plik rozdań: strona mówi, karta po karcie, do której ręki trafia każda karta posortowanej '
    + 'talii. Plik jest czytany w tej przeglądarce i nic nie jest nigdzie wysyłane.',
  offlineReady: 'Gotowa do pracy bez sieci: ta strona otwiera się i rozkłada tutaj bez internetu.',
  dealFile: 'Plik rozdań (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'lub upuść plik na stronę',
  example: 'Otwórz przykład',
  symbolsLabel: 'Symbole dla Północy, Wschodu, Południa, Zachodu',
  sessionLegend: 'Sesja',
  fromBoard: 'Od rozdania',
  toBoard: 'Do rozdania',
  copiesLabel: 'Kopie',
  copyOrder: 'Kolejność kopii',
  copyOrderBoard: 'kopie każdego rozdania po kolei',
  copyOrderSet: 'cały zakres raz na każdą kopię',
  packLabel: 'Talia',
  packSorted: 'posortowana: as pik pierwszy',
  packReversed: 'odwrócona: dwójka trefl pierwsza',
  showHands: 'Pokaż ręce (H)',
  blindLabel: 'Rozkładanie na ślepo: tylko karta i jej kierunek',
  runsLabel: 'Serie: kolejne karty do tej samej ręki to jeden krok',
  printLegend: 'Drukuj rozdania sesji',
  printWhat: 'Co',
  printGrids: 'siatki rozkładania',
  printHands: 'diagramy rąk',
  printCurtain: 'karteczki rąk',
  eventLabel: 'Turniej',
  dateLabel: 'Data',
  printButton: 'Drukuj',
  cuesLegend: 'Sygnały przy każdej karcie',
  speakLabel: 'Wymawiaj rękę',
  tonesLabel: 'Dźwięki (Północ wysoko, Południe nisko, Wschód i Zachód pośrodku, po swojej stronie)',
  languageLabel: 'Język',
  download: 'Pobierz _pipsweep.txt',
  consoleLabel: 'Konsola',
  dealingLabel: 'Rozkładanie',
  boardsNav: 'Rozdania',
  previousBoard: 'Poprzednie rozdanie',
  nextBoard: 'Następne rozdanie',
  // pl: "Rozd." heads the board on screen, leaving its dealer and vulnerability room on a phone.
  boardHead: 'Rozd.',
  boardTail: '',
  gridLabel: 'Siatka rozkładania: ręka każdej karty; kliknięcie wybiera kartę',
  handsLabel: 'Cztery ręce',
  keysHelp: 'Następna karta: spacja, Enter, \u2192, pedał lub kliknięcie. Wstecz: Backspace lub \u2190. '
    + 'Rozdanie: N, P, Home, End lub jego numer i Enter. Kontrola: C. Wierzch kieszeni: T.',
  touchHelp: 'Następna karta: dotknięcie w dowolnym miejscu. Przytrzymanie pola: ta karta. Rozdanie: przesunięcie w bok.',
  boardLineLabel: 'Linia rozdania',
  packTop: 'wierzch',
  packBottom: 'spód',
  pocketTopsLabel: 'Na wierzchu każdej kieszeni',
  // pl: "Kontrola (C)" as the help names the key, and "Dokładnie": the check fits a phone's width.
  checkButton: 'Kontrola (C)',
  checkCards: 'Karty',
  checkPoints: 'Punkty',
  checkSeatLabel: 'Kieszeń',
  checkExact: 'Dokładnie',
  checkVerify: 'Sprawdź',
  checkGridLabel: 'Karty znalezione w kieszeni',

  // pl: a pocket of the board (pudełko) is a "kieszeń".
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Najpierw policz karty i punkty w każdej kieszeni.',
    ok: (label) => `${label}: wszystko się zgadza.`,
    moved: ({ from, to, points }) => {
      const counts = points === 0 ? `${seats[to]} ma 14 kart, a ${seats[from]} 12, punkty się zgadzają`
        : `${seats[to]} ma 14 kart i ${off(points, POINTS)}, ${seats[from]} 12 i ${points} za mało`;
      return `${counts}: ${rankWords[points]} ${ofSeat[from]} jest w kieszeni ${ofSeat[to]}.`;
    },
    turned: ({ by }) => `Pudełko jest obrócone: ręka Północy jest w kieszeni ${ofSeat[by]}.`,
    other: ({ label }) => `To są ręce innego rozdania: ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, CARDS));
      if (points !== 0) parts.push(off(points, POINTS));
      return `${seats[seat]} ma ${parts.join(' i ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`brak: ${missing.join(', ')}`);
      if (extra.length > 0) parts.push(`za dużo: ${extra.join(', ')}`);
      return parts.length === 0 ? `${seats[seat]}: wszystko się zgadza.` : `${seats[seat]}: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Każda karta jest we właściwej kieszeni.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Przełóż' : 'przełóż'} ${card} z kieszeni ${ofSeat[from]} `
        + `do kieszeni ${ofSeat[to]}`))),
  },
};
