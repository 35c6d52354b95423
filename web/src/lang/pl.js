// The page's words in Polish (the fields of en.js).
import { counted, listOf, numberOf } from '../grammar.js';

// Plurals, lists and numbers as the platform writes them for Polish: 1
// karta, 2-4 (not 12-14) karty, 5 kart; "other" is a fraction's form.
const TAG = 'pl';
const plural = (count, [one, few, many, other]) => counted(TAG, count, {
  one, few, many, other,
});
const list = (items) => listOf(TAG, items);
const BOARDS = ['rozdanie', 'rozdania', 'rozdań', 'rozdania'];
const KARTA = ['karta', 'karty', 'kart', 'karty'];
// After "ma": the accusative of "karta".
const CARDS = ['kartę', 'karty', 'kart', 'karty'];
const POINTS = ['punkt', 'punkty', 'punktów', 'punktu'];
const seats = ['Północ', 'Wschód', 'Południe', 'Zachód'];
// "w kieszeni Wschodu": the seats in the genitive.
const ofSeat = ['Północy', 'Wschodu', 'Południa', 'Zachodu'];
const ranks = ['A', 'K', 'D', 'W', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const suitNames = ['pik', 'kier', 'karo', 'trefl'];
// pl: small cards are "blotki".
const rankWords = ['jedna z blotek', 'jeden z waletów', 'jedna z dam', 'jeden z króli', 'jeden z asów'];
const off = (n, forms) => `${plural(Math.abs(n), forms)} za ${n > 0 ? 'dużo' : 'mało'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const cap = (text) => `${text[0].toUpperCase()}${text.slice(1)}`;
const boards = (count) => plural(count, BOARDS);
// After "z" and "do": "z 1 rozdania", "z 32 rozdań".
const OF_BOARDS = ['rozdania', 'rozdań', 'rozdań', 'rozdania'];
const SIDES = ['Północ\u2013Południe', 'Wschód\u2013Zachód'];
const BOARD = 'Rozdanie';
// pl: in the lists of boards faulty and not checked a board is "nr 7", as
// boardRef names it: eight "Rozdanie 7" leave the summary no room on a phone.
const listed = (label) => (label.startsWith(`${BOARD} `) ? `nr ${label.slice(BOARD.length + 1)}` : label);
// A suit's cards counted: "12 kart pik", the suit's name unchanged in every case.
const suitCards = (count, suit, forms = KARTA) => `${plural(count, forms)} ${suitNames[suit]}`;
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Przełóż każdą rękę o jedną kieszeń przeciwnie do ruchu wskazówek zegara.',
  'Zamień ręce Północy i Południa oraz Wschodu i Zachodu.', 'Przełóż każdą rękę o jedną kieszeń zgodnie z ruchem wskazówek zegara.'];

export default {
  tag: 'pl',
  grammarTag: TAG,
  sentenceGap: ' ',
  seats,
  // pl: the seats' letters as Polish diagrams write them, but Z (Zachód) for West: W is the walet.
  handLetters: 'NESZ',
  seatLetters: ['N', 'E', 'S', 'W'],
  noHand: 'bez ręki',
  ranks,
  rankNames: ['as', 'król', 'dama', 'walet', 'dziesiątka', 'dziewiątka', 'ósemka', 'siódemka', 'szóstka', 'piątka',
    'czwórka', 'trójka', 'dwójka'],
  suitNames,
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
  cards: (count) => plural(count, KARTA),
  // pl: "PC", the points Polish bridge counts.
  hcp: (points) => `${points} PC`,

  doneWord: 'gotowe',
  numbers: ['zero', 'jeden', 'dwa', 'trzy', 'cztery', 'pięć', 'sześć', 'siedem', 'osiem', 'dziewięć', 'dziesięć',
    'jedenaście', 'dwanaście', 'trzynaście'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Spacja, Enter lub dotknięcie: pierwsza karta',
  done: (label) => `${label}: gotowe`,
  nextPack: 'Do pudełka; posortuj następną talię.',
  allDealt: (count) => (count === 1 ? 'Rozdanie jest rozłożone.' : `Rozłożono wszystkie rozdania: ${numberOf(TAG, count)}.`),
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
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // pl: "BA", bez atu, as Polish contracts are written (3BA), by the PZBS as in
  // the Polish Wikipedia's bridge articles; a strain is a "miano", double
  // dummy "w widne karty".
  noTrump: 'BA',
  sides: SIDES,
  ddTableLabel: 'Lewy każdego rozgrywającego w każdym mianie, w widne karty',
  // "5♦ z kontrą, gra Północ, −2"; a pair plays in the plural: "grają Północ–Południe".
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract}${doubled ? ' z kontrą' : ''}, ${SIDES.includes(by) ? 'grają' : 'gra'} ${by}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}: ${contracts}`,
  passedOut: 'Par 0: rozdanie przepasowane',
  // "3 z 32 rozdań": after "z", the genitive.
  analysing: (done, total) => `Analiza w widne karty: ${numberOf(TAG, done)} z ${plural(total, OF_BOARDS)}`,
  // "gotowa (32 rozdania)": no "wszystkie", whose form would follow the number.
  analysed: (total) => (total === 1 ? 'Analiza w widne karty: gotowa'
    : `Analiza w widne karty: gotowa (${boards(total)})`),
  analysisToCome: 'Analiza tego rozdania wkrótce się pojawi.',
  notADeal: (label) => `${label}: to nie jest prawidłowe rozdanie brydżowe, więc nie ma analizy.`,
  solverFailed: (message) => `Nie udało się przeanalizować tego rozdania: ${message}`,
  exportPbn: 'Zapisz plik PBN do obliczenia wyników',
  exportName: (stem) => `${stem} diagramy`,
  // What the core's message means for the file: where is "Pierwsze
  // rozdanie" or "Rozdanie po rozdaniu nr 2"; a label ("Rozdanie 2", or
  // "bez numeru (3.)") heads its sentence before a colon.
  firstDeal: 'Pierwsze rozdanie',
  dealAfter: (ref) => `Rozdanie po rozdaniu ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} ma w pliku ${plural(count, CARDS)}: plik jest ucięty lub uszkodzony.`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where} nie zaczyna się od N, E, S ani W: plik jest uszkodzony.`,
    notBridge: ({ label }) => `${label}: karta bez ręki albo ręka bez 13 kart. Nie rozkładaj tego rozdania z tego pliku.`,
    noDocument: () => 'To nie jest plik DLM: brak w nim wiersza [Document].',
    boardNumber: ({ where }) => `${where} nie ma w pliku poprawnego numeru.`,
    noDeals: () => 'Plik nie zawiera żadnego rozdania: czy to właściwy plik?',
    unreadable: () => 'Nie udało się przeczytać pliku do końca.',
    garbled: ({ where }) => `${where} jest źle zapisane w pliku: plik jest uszkodzony.`,
  },
  endDone: 'Gotowe',
  endStopped: 'Przerwano',
  endMarkDone: 'przeczytano do końca',
  endMarkStopped: 'przerwano na błędnych danych',

  noFrom: (number) => `Brak rozdania ${number} w tym pliku: rozkładanie od pierwszego rozdania.`,
  noTo: (number, after) => `Brak rozdania ${number} po rozdaniu ${after}: rozkładanie do ostatniego rozdania.`,
  copiesClamped: (most) => `Najwyżej ${most} kopii: rozkładanych jest ${most}.`,
  printTooMany: (most, count) => `Najpierw wybierz pierwsze i ostatnie rozdanie: jeden wydruk mieści najwyżej ${boards(most)}, nie wszystkie ${numberOf(TAG, count)}.`,
  printCut: (most, count) => `Pierwsze rozdania, ${most} z ${numberOf(TAG, count)}: jeden wydruk mieści najwyżej ${boards(most)}. Wybierz pierwsze i ostatnie rozdanie, aby wydrukować pozostałe.`,
  checkTitle: (label) => `${label}: kontrola`,
  checkHow: 'Policz karty i punkty (A\u00a04, K\u00a03, D\u00a02, W\u00a01) w każdej kieszeni.',
  checkExactHow: (seat) => `Dotknij każdej karty znalezionej w kieszeni ${ofSeat[seats.indexOf(seat)] ?? seat}.`,
  checkStates: {
    unchecked: 'niesprawdzone', ok: 'sprawdzone: poprawne', agree: 'sprawdzone: liczby się zgadzają', fault: 'sprawdzone: błędne',
  },
  // Boards whose counts agree are named only where there are some.
  // pl: "zgodne liczbowo" and "bez kontroli": no word of the summary
  // longer than the room beside the buttons on a phone.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}: ${[plural(ok, ['poprawne', 'poprawne', 'poprawnych', 'poprawnego']),
    ...(agree > 0 ? [plural(agree, ['zgodne liczbowo', 'zgodne liczbowo', 'zgodnych liczbowo', 'zgodnego liczbowo'])] : []),
    plural(fault, ['błędne', 'błędne', 'błędnych', 'błędnego']), `${numberOf(TAG, unchecked)} bez kontroli`].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Niesprawdzone: ${labels.map(listed).join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `Błędne: ${labels.map(listed).join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'pusta',

  firstSort: 'Posortuj talię kolorami, piki, kiery, kara, trefle, każdy od asa do dwójki, i trzymaj ją grzbietem do góry, '
    + 'z asem pik na wierzchu. Strona mówi, do której ręki idzie każda karta zdejmowana z wierzchu.',
  firstSymbols: (letters) => `${list(letters)} oznaczają Północ, Wschód, Południe i Zachód: litery rąk w pliku wynikowym.`,
  firstSymbolsUnset: 'Symbole w Ustawieniach to litery rąk w pliku wynikowym.',
  // pl: "ekran początkowy", as an iPhone names it.
  homeScreen: 'Dodaj tę stronę do ekranu początkowego: inaczej Safari może po tygodniu usunąć zachowany plik.',
  kept: 'Ten plik i miejsce, w którym jesteś, zostają na tym urządzeniu.',
  notKept: 'Ta przeglądarka nic nie zachowuje: po przeładowaniu zaczyna się od nowa.',

  symbolsBytes: 'Każdy symbol to jeden bajt: użyj zwykłych liter lub cyfr.',
  symbolsMissing: (names) => `Bez symbolu: ${list(names)}.`,
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
  newDeals: 'Nowe rozdania',
  newDealsHow: 'Każde rozdanie całkiem losowe, z kryptograficznego źródła tego urządzenia: nic nie jest ustawiane ani '
    + 'odsiewane.',
  newBoards: 'Liczba rozdań',
  newFirst: 'Pierwsze rozdanie',
  makeDeals: 'Utwórz rozdania',
  noCrypto: 'Ta przeglądarka nie ma kryptograficznego źródła losowości, więc nie tworzy rozdań: rozdania ze słabszego '
    + 'źródła dałoby się przewidzieć.',
  newRange: (most) => `Od 1 do ${plural(most, OF_BOARDS)}, pierwsze z numerem 1 lub wyższym.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'Nowe rozdania'} ${date}`,
  // pl: "odcisk", as a key's fingerprint is named.
  fingerprint: (print) => `Odcisk ${print}`,
  fingerprintLabel: (print) => `Odcisk tych rozdań: ${print}`,
  // date: "8 grudnia 2026".
  dealtBefore: (date) => `Wszystkie te rozdania rozłożono już na tym urządzeniu ${date}. Rozłożyć je ponownie?`,
  dealtAgain: 'Rozłóż ponownie',
  dealtOther: 'Inny plik',
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
  checkSuitsLabel: 'Także długości kolorów',
  redeal: 'Rozłóż ponownie',
  topsButton: 'Wierzch (T)',
  checkGridLabel: 'Karty znalezione w kieszeni',

  // pl: a pocket of the board (pudełko) is a "kieszeń". The check's
  // sentences (check-sentences.js puts them together): seats come as 0-3,
  // so that each takes its case; lists of seats come joined, in the
  // nominative, and stand where the nominative (or the accusative, the
  // same for every seat) is right.
  check: {
    // What the blind check judged by: "Zgadzają się karty i punkty."
    judged: { count: 'karty', hcp: 'punkty', suits: 'długości kolorów' },
    incomplete: (names) => `Uzupełnij tak jak w pozostałych kieszeniach: ${names}.`,
    incompleteAll: 'Najpierw policz karty w każdej kieszeni.',
    recount: ({
      counted: total, expected, field, names,
    }) => {
      const suit = ['spades', 'hearts', 'diamonds', 'clubs'].indexOf(field);
      const sum = suit >= 0 ? suitCards(total, suit) : plural(total, field === 'hcp' ? POINTS : KARTA);
      return `Razem ${sum}, a nie ${expected}: policz ponownie ${names}.`;
    },
    recountSuits: (names) => `Długości kolorów nie sumują się do liczby kart (${names}): policz ponownie.`,
    agree: (judged) => `Zgadzają się ${judged}.`,
    alike: (a, b) => `Ręce ${ofSeat[a]} i ${ofSeat[b]} mają te same liczby: ich zamiany nie byłoby widać.`,
    proveIt: 'Dla pewności sprawdź dokładnie karty trzech kieszeni.',
    moved: ({ from, to, points }) => {
      if (points === null) return `${seats[to]} ma 14 kart, a ${seats[from]} 12: jedna z kart ${ofSeat[from]} jest w kieszeni ${ofSeat[to]}.`;
      const counts = points === 0 ? `${seats[to]} ma 14 kart, a ${seats[from]} 12, punkty się zgadzają`
        : `${seats[to]} ma 14 kart i ${off(points, POINTS)}, ${seats[from]} 12 i ${points} za mało`;
      return `${counts}: ${rankWords[points]} ${ofSeat[from]} jest w kieszeni ${ofSeat[to]}.`;
    },
    movedSuit: ({ from, to, suit }) => `Jedna z kart ${suitNames[suit]} ${ofSeat[from]} jest w kieszeni ${ofSeat[to]}.`,
    movedCard: ({ from, to, card }) => `Karta ${card} ${ofSeat[from]} jest w kieszeni ${ofSeat[to]}: przełóż ją do kieszeni ${ofSeat[from]}.`,
    turned: ({ by }) => `Pudełko jest obrócone: ręka Północy jest w kieszeni ${ofSeat[by]}. ${turnBack[by]}`,
    exchanged: (a, b) => `ręce ${ofSeat[a]} i ${ofSeat[b]} są zamienione`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => `ręka ${ofSeat[seat]} ${i === 0 ? 'jest ' : ''}w kieszeni ${ofSeat[cycle[(i + 1) % cycle.length]]}`)
      .join(', '),
    swapped: (parts, pairs) => `${cap(parts.join('; '))}: ${pairs ? 'zamień te dwie kieszenie' : 'włóż każdą rękę do właściwej kieszeni'}.`,
    swappedPairs: (parts) => `${cap(parts.join(', a '))}: zamień kieszenie parami.`,
    mixed: 'Ręce są w niewłaściwych kieszeniach, a z liczb nie da się ustalić, w których.',
    other: ({ label }) => `To są ręce innego rozdania (${label}): rozłóż to rozdanie ponownie.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, CARDS));
      if (by.hcp) parts.push(off(by.hcp, POINTS));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(`${suitCards(Math.abs(by[field]), i, CARDS)} za ${by[field] > 0 ? 'dużo' : 'mało'}`);
      }
      return `${seats[seat]} ma ${list(parts)}`;
    })),
    tapFirst: (seat) => `Najpierw sprawdź dokładnie kieszeń ${ofSeat[seat]}.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `Kieszeń ${ofSeat[seat]} ma właściwe karty.`,
    pocketHolds: (seat, owner) => `Kieszeń ${ofSeat[seat]} zawiera rękę ${ofSeat[owner]}.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`brak: ${missing.join(', ')}`);
      if (extra.length > 0) parts.push(`za dużo: ${extra.join(', ')}`);
      return `${seats[seat]} \u2013 ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `zamień kieszenie ${ofSeat[a]} i ${ofSeat[b]}`,
    actionHand: (pocket, seat) => `włóż rękę z kieszeni ${ofSeat[pocket]} do kieszeni ${ofSeat[seat]}`,
    actionMove: (card, from, to) => `przełóż ${card} z kieszeni ${ofSeat[from]} do kieszeni ${ofSeat[to]}`,
    actions: (list) => sentence([cap(list[0]), ...list.slice(1)]),
    // ... and next.
    tapNext: (seat) => `Następnie dotknij kart ${ofSeat[seat]}.`,
    // A label heads the sentence: "bez numeru (3.)" too.
    proven: (label) => `${label}: poprawne \u2013 trzy kieszenie mają właściwe karty, czwarta resztę.`,
  },
};
