// The page's words in German (the fields of en.js).
import { counted, listOf, numberOf } from '../grammar.js';

// Plurals, lists and numbers as the platform writes them for German.
const TAG = 'de';
const plural = (count, one, other) => counted(TAG, count, { one, other });
const list = (items) => listOf(TAG, items);
const seats = ['Nord', 'Ost', 'Süd', 'West'];
const ranks = ['A', 'K', 'D', 'B', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const suitNames = ['Pik', 'Herz', 'Karo', 'Kreuz'];
// After a colon, as the whole sentence it begins.
const rankWords = ['Eine der kleinen Karten', 'Einer der Buben', 'Eine der Damen', 'Einer der Könige', 'Eines der Asse'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} zu ${n > 0 ? 'viel' : 'wenig'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const cap = (text) => `${text[0].toUpperCase()}${text.slice(1)}`;
const boards = (count) => plural(count, 'Board', 'Boards');
// What a total the pack cannot have counts; a suit counted keeps its name:
// "12 Pik".
const totalWords = {
  count: ['Karte', 'Karten'], hcp: ['Punkt', 'Punkte'], spades: ['Pik', 'Pik'], hearts: ['Herz', 'Herz'], diamonds: ['Karo', 'Karo'],
  clubs: ['Kreuz', 'Kreuz'],
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Stecken Sie jede Hand ein Fach gegen den Uhrzeigersinn weiter.',
  'Tauschen Sie die Hände von Nord und Süd sowie von Ost und West.', 'Stecken Sie jede Hand ein Fach im Uhrzeigersinn weiter.'];

export default {
  tag: 'de',
  grammarTag: TAG,
  sentenceGap: ' ',
  seats,
  // de: the seats' initials (Nord, Ost, Süd, West); the command line's D is the Dame.
  handLetters: 'NOSW',
  seatLetters: ['N', 'O', 'S', 'W'],
  noHand: 'keine Hand',
  ranks,
  rankNames: ['Ass', 'König', 'Dame', 'Bube', 'Zehn', 'Neun', 'Acht', 'Sieben', 'Sechs', 'Fünf', 'Vier', 'Drei', 'Zwei'],
  suitNames,
  cardName: (rank, suit) => `${suit}-${rank}`,
  vulnerabilities: { None: 'keiner', NS: 'NS', EW: 'OW', All: 'alle' },

  // de: "Board", as German clubs say; "Teiler" deals, "Gefahr" is the vulnerability.
  board: (number) => `Board ${number}`,
  boardRef: (number) => `Board ${number}`,
  deal: (index) => `${index}. Verteilung`,
  dealer: (seat) => `Teiler ${seat}`,
  vul: (vulnerability) => `Gefahr ${vulnerability}`,
  copy: (copy, copies) => `Kopie ${copy} von ${copies}`,
  boardCopy: (label, copy) => `${label}, Kopie ${copy}`,
  place: (position, length) => `(${position} von ${length})`,
  boards,
  cards: (count) => plural(count, 'Karte', 'Karten'),
  // de: "F" for Figurenpunkte.
  hcp: (points) => `${points} F`,

  doneWord: 'fertig',
  numbers: ['null', 'eins', 'zwei', 'drei', 'vier', 'fünf', 'sechs', 'sieben', 'acht', 'neun', 'zehn', 'elf', 'zwölf',
    'dreizehn'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Leertaste, Eingabe oder Tippen: erste Karte',
  done: (label) => `${label} fertig`,
  nextPack: 'Ins Board; das nächste Kartenspiel sortieren.',
  allDealt: (count) => (count === 1 ? 'Das Board ist ausgeteilt.' : `Alle ${numberOf(TAG, count)} Boards sind ausgeteilt.`),
  lastRead: 'Zuletzt gelesenes Board',
  resumed: (label) => `Weiter bei ${label}`,
  goingTo: (digits) => `Board ${digits} ↵`,
  noBoard: (number) => `Kein Board ${number} in dieser Sitzung.`,

  reading: (name, count) => (count === 0 ? `${name} wird gelesen\u2026`
    : `${name} wird gelesen: bisher ${boards(count)}\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `Bis zum Ende gelesen: ${boards(count)}.`,
  stoppedAfter: (label, quoted) => `Lesen nach ${label} abgebrochen: ${quoted}`,
  noDeal: (quoted) => `Kein Board gelesen: ${quoted}`,
  broken: (name, message) => `Die Seite konnte ${name} nicht lesen: ${message}`,
  warningBefore: (quoted) => `Vor dem ersten Board: ${quoted}`,
  warningAfter: (label, quoted) => `Nach ${label}: ${quoted}`,
  warningBetween: (before, after, quoted) => `Zwischen ${before} und ${after}: ${quoted}`,
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // de: "SA", Sans Atout, as German contracts are written (3SA), by the DBV as
  // in the German Wikipedia's bridge articles; "Denomination" is a strain, as
  // the German laws name it; "Double Dummy" as German bridge says.
  noTrump: 'SA',
  sides: ['Nord\u2013Süd', 'Ost\u2013West'],
  ddTableLabel: 'Stiche jedes Alleinspielers in jeder Denomination, Double Dummy',
  // "5♦ von Nord, kontriert, −2": "kontriert von Nord" would say that Nord doubled.
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract} von ${by}${doubled ? ', kontriert' : ''}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}: ${contracts}`,
  // de: a board no one bids is "eingepasst".
  passedOut: 'Par 0: eingepasst',
  analysing: (done, total) => `Double-Dummy-Analyse: ${numberOf(TAG, done)} von ${boards(total)}`,
  analysed: (total) => (total === 1 ? 'Double-Dummy-Analyse: fertig'
    : `Double-Dummy-Analyse: alle ${numberOf(TAG, total)} Boards`),
  analysisToCome: 'Die Analyse dieses Boards folgt in Kürze.',
  notADeal: (label) => `${label} ist keine gültige Bridge-Verteilung und wird nicht analysiert.`,
  solverFailed: (message) => `Die Analyse dieses Boards ist fehlgeschlagen: ${message}`,
  exportPbn: 'PBN-Datei für die Auswertung speichern',
  exportName: (stem) => `${stem} Handverteilungen`,
  // What the core's message means for the file: where is "Die erste
  // Verteilung" or "Die Verteilung nach Board 2".
  firstDeal: 'Die erste Verteilung',
  dealAfter: (ref) => `Die Verteilung nach ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} hat in der Datei ${plural(count, 'Karte', 'Karten')}: Die Datei ist abgeschnitten oder beschädigt.`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where} beginnt nicht mit N, E, S oder W: Die Datei ist beschädigt.`,
    notBridge: ({ label }) => `${label} lässt eine Karte ohne Hand oder eine Hand ohne 13 Karten: Nicht aus dieser Datei austeilen.`,
    noDocument: () => 'Das ist keine DLM-Datei: Ihr fehlt die Zeile [Document].',
    boardNumber: ({ where }) => `${where} hat in der Datei keine gültige Board-Nummer.`,
    noDeals: () => 'Die Datei enthält keine Verteilung: Ist es die richtige Datei?',
    unreadable: () => 'Die Datei konnte nicht bis zum Ende gelesen werden.',
    garbled: ({ where }) => `${where} steht falsch in der Datei: Die Datei ist beschädigt.`,
  },
  endDone: 'Fertig',
  endStopped: 'Abgebrochen',
  endMarkDone: 'bis zum Ende gelesen',
  endMarkStopped: 'bei fehlerhaften Daten abgebrochen',

  noFrom: (number) => `Kein Board ${number} in dieser Datei: ausgeteilt wird ab dem ersten Board.`,
  noTo: (number, after) => `Kein Board ${number} nach Board ${after}: ausgeteilt wird bis zum letzten Board.`,
  copiesClamped: (most) => `Höchstens ${most} Kopien: es werden ${most} ausgeteilt.`,
  printTooMany: (most, count) => `Wählen Sie zuerst das erste und das letzte Board: Ein Druck fasst höchstens ${most} Boards, nicht alle ${numberOf(TAG, count)}.`,
  printCut: (most, count) => `Die ersten ${most} von ${numberOf(TAG, count)} Boards: Ein Druck fasst höchstens ${most}. Wählen Sie das erste und das letzte Board, um die übrigen zu drucken.`,
  checkTitle: (label) => `${label}: Kontrolle`,
  checkHow: 'Zählen Sie die Karten und die Punkte (A\u00a04, K\u00a03, D\u00a02, B\u00a01) in jedem Fach.',
  checkExactHow: (seat) => `Tippen Sie jede Karte an, die im Fach von ${seat} steckt.`,
  checkStates: {
    unchecked: 'nicht kontrolliert', ok: 'kontrolliert: stimmt', agree: 'kontrolliert: die Zählung stimmt',
    fault: 'kontrolliert: fehlerhaft',
  },
  // Boards whose counts agree are named only where there are some.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}: ${[`${numberOf(TAG, ok)} richtig`,
    ...(agree > 0 ? [plural(agree, 'stimmt nach Zählung', 'stimmen nach Zählung')] : []), `${numberOf(TAG, fault)} fehlerhaft`,
    `${numberOf(TAG, unchecked)} nicht kontrolliert`].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Nicht kontrolliert: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `Fehlerhaft: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'leer',

  firstSort: 'Sortieren Sie das Kartenspiel nach Farben, Pik, Herz, Karo, Kreuz, jede vom Ass bis zur Zwei, und halten '
    + 'Sie es verdeckt, das Pik-Ass oben. Die Seite nennt die Hand jeder Karte, die Sie oben abnehmen.',
  firstSymbols: (letters) => `${list(letters)} stehen für Nord, Ost, Süd und West: die Buchstaben der Hände in der Ausgabedatei.`,
  firstSymbolsUnset: 'Die Symbole unter Einstellungen sind die Buchstaben der Hände in der Ausgabedatei.',
  // de: "Home-Bildschirm", as an iPhone names it.
  homeScreen: 'Fügen Sie diese Seite zum Home-Bildschirm hinzu: Sonst kann Safari die gespeicherte Datei nach einer Woche löschen.',
  kept: 'Diese Datei und Ihre Stelle darin bleiben auf diesem Gerät gespeichert.',
  notKept: 'Dieser Browser speichert nichts: Neuladen fängt von vorn an.',

  symbolsBytes: 'Jedes Symbol ist ein Byte: nehmen Sie einfache Buchstaben oder Ziffern.',
  symbolsMissing: (names) => `${list(names)} ${names.length > 1 ? 'haben' : 'hat'} kein Symbol.`,
  symbolsShared: (a, b, symbol) => `${a} und ${b} teilen sich \u201e${symbol}\u201c.`,
  symbolsQuestion: '\u201e?\u201c markiert auch eine Karte ohne Hand.',
  // de: "Farbe" is a suit, so the cells' colours are "Farbtöne".
  symbolsStill: 'Die Farbtöne, Balken und Namen unterscheiden die Hände trotzdem.',

  title: 'Pipsweep: Austeilanweisungen für ein sortiertes Kartenspiel',
  settingsHint: 'Einstellungen',
  setupLabel: 'Board-Datei und Einstellungen',
  privateNote: 'Wählen Sie eine Board-Datei: Die Seite sagt Karte für Karte, an welche Hand jede Karte eines '
    + 'sortierten Kartenspiels geht. Die Datei wird in diesem Browser gelesen, und nichts wird irgendwohin gesendet.',
  offlineReady: 'Bereit ohne Internet: Diese Seite öffnet sich und teilt hier ohne Netzwerk aus.',
  dealFile: 'Board-Datei (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'oder eine Datei auf die Seite ziehen',
  example: 'Beispiel öffnen',
  newDeals: 'Neue Verteilungen',
  newDealsHow: 'Jede Verteilung ganz zufällig, aus der kryptografischen Quelle dieses Geräts: nichts gesteuert, nichts gefiltert.',
  newBoards: 'Boards',
  newFirst: 'Erstes Board',
  makeDeals: 'Verteilungen erzeugen',
  noCrypto: 'Dieser Browser hat keine kryptografische Zufallsquelle und erzeugt daher keine Verteilungen: Verteilungen aus '
    + 'einer schwächeren Quelle ließen sich vorhersagen.',
  newRange: (most) => `1 bis ${most} Boards; das erste hat die Nummer 1 oder höher.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'Neue Verteilungen'} ${date}`,
  fingerprint: (print) => `Fingerabdruck ${print}`,
  fingerprintLabel: (print) => `Fingerabdruck dieser Verteilungen: ${print}`,
  // date: "8. Dezember 2026".
  dealtBefore: (date) => `Alle Boards dieser Verteilungen wurden am ${date} auf diesem Gerät ausgeteilt. Noch einmal austeilen?`,
  dealtAgain: 'Noch einmal austeilen',
  dealtOther: 'Andere Datei',
  symbolsLabel: 'Symbole für Nord, Ost, Süd, West',
  sessionLegend: 'Sitzung',
  fromBoard: 'Von Board',
  toBoard: 'Bis Board',
  copiesLabel: 'Kopien',
  copyOrder: 'Reihenfolge der Kopien',
  copyOrderBoard: 'die Kopien jedes Boards nacheinander',
  copyOrderSet: 'die ganze Reihe einmal je Kopie',
  packLabel: 'Kartenspiel',
  packSorted: 'sortiert: Pik-Ass zuerst',
  packReversed: 'umgedreht: Kreuz-Zwei zuerst',
  showHands: 'Hände zeigen (H)',
  blindLabel: 'Blind austeilen: nur die Karte und ihre Richtung',
  runsLabel: 'Folgen: aufeinanderfolgende Karten an dieselbe Hand sind ein Schritt',
  printLegend: 'Die Boards der Sitzung drucken',
  printWhat: 'Was',
  printGrids: 'Austeilraster',
  printHands: 'Handverteilungen',
  printCurtain: 'Handzettel',
  eventLabel: 'Turnier',
  dateLabel: 'Datum',
  printButton: 'Drucken',
  cuesLegend: 'Hinweise bei jeder Karte',
  speakLabel: 'Hand ansagen',
  tonesLabel: 'Töne (Nord hoch, Süd tief, Ost und West dazwischen, auf ihrer Seite)',
  languageLabel: 'Sprache',
  download: '_pipsweep.txt herunterladen',
  consoleLabel: 'Konsole',
  dealingLabel: 'Austeilen',
  boardsNav: 'Boards',
  previousBoard: 'Voriges Board',
  nextBoard: 'Nächstes Board',
  boardHead: 'Board',
  boardTail: '',
  gridLabel: 'Austeilraster: die Hand jeder Karte; ein Klick wählt eine Karte',
  handsLabel: 'Die vier Hände',
  keysHelp: 'Nächste Karte: Leertaste, Eingabe, \u2192, ein Pedal oder ein Klick. Zurück: Rücktaste oder \u2190. '
    + 'Board: N, P, Pos1, Ende oder seine Nummer und Eingabe. Kontrolle: C. Oben in den Fächern: T.',
  touchHelp: 'Nächste Karte: irgendwo tippen. Ein Feld halten: diese Karte. Board: seitlich wischen.',
  boardLineLabel: 'Die Zeile des Boards',
  packTop: 'oben',
  packBottom: 'unten',
  pocketTopsLabel: 'Oben in jedem Fach',
  // de: "Kontrolle (C)" as the help names the key, and "Jede Karte": the check fits a phone's width.
  checkButton: 'Kontrolle (C)',
  checkCards: 'Karten',
  checkPoints: 'Punkte',
  checkSeatLabel: 'Karten von',
  checkExact: 'Jede Karte',
  checkVerify: 'Prüfen',
  checkSuitsLabel: 'Auch Farblängen',
  redeal: 'Neu austeilen',
  topsButton: 'Oben (T)',
  checkGridLabel: 'Die Karten im Fach',

  // de: a pocket of the board is a "Fach". The check's sentences
  // (check-sentences.js puts them together): seats come as 0-3, always
  // after "von", so that none needs a case of its own; cards as labels
  // ("♠K"). After a colon a whole sentence begins with a capital.
  check: {
    // What the blind check judged by: "Die Karten und die Punkte stimmen überein."
    judged: { count: 'die Karten', hcp: 'die Punkte', suits: 'die Farblängen' },
    incomplete: (names) => `Füllen Sie für ${names} dieselben Felder aus wie für die anderen Fächer.`,
    incompleteAll: 'Zählen Sie zuerst die Karten jedes Fachs.',
    recount: ({
      counted: total, expected, field, names,
    }) => `${plural(total, ...totalWords[field])} insgesamt, nicht ${expected}: Zählen Sie bei ${names} nach.`,
    recountSuits: (names) => `Bei ${names} ergeben die Farblängen nicht die Zahl der Karten: Zählen Sie nach.`,
    agree: (judged) => `${cap(judged)} stimmen überein.`,
    alike: (a, b) => `Die Hände von ${seats[a]} und ${seats[b]} zählen gleich: Ein Tausch fiele nicht auf.`,
    proveIt: 'Um sicherzugehen, tippen Sie die Karten von drei Fächern einzeln an.',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket} hat 14 Karten und ${owner} 12: Eine Karte von ${owner} steckt im Fach von ${pocket}.`;
      const counts = points === 0 ? `${pocket} hat 14 Karten und ${owner} 12, die Punkte stimmen`
        : `${pocket} hat 14 Karten und ${off(points, 'Punkt', 'Punkte')}, ${owner} 12 und ${points} zu wenig`;
      return `${counts}: ${rankWords[points]} von ${owner} steckt im Fach von ${pocket}.`;
    },
    movedSuit: ({ from, to, suit }) => `Eine ${suitNames[suit]}-Karte von ${seats[from]} steckt im Fach von ${seats[to]}.`,
    movedCard: ({ from, to, card }) => `Die Karte ${card} von ${seats[from]} steckt im Fach von ${seats[to]}: `
      + `Stecken Sie sie zurück zu ${seats[from]}.`,
    turned: ({ by }) => `Das Board ist gedreht: Die Hand von Nord steckt im Fach von ${seats[by]}. ${turnBack[by]}`,
    exchanged: (a, b) => `die Hände von ${seats[a]} und ${seats[b]} sind vertauscht`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => {
      const pocket = `im Fach von ${seats[cycle[(i + 1) % cycle.length]]}`;
      return i === 0 ? `die Hand von ${seats[seat]} steckt ${pocket}` : `die von ${seats[seat]} ${pocket}`;
    }).join(', '),
    swapped: (parts, pairs) => `${cap(parts.join('; '))}: ${pairs ? 'Tauschen Sie die beiden Fächer' : 'Stecken Sie jede Hand in ihr eigenes Fach'}.`,
    swappedPairs: (parts) => `${cap(parts.join(', und '))}: Tauschen Sie die Fächer paarweise.`,
    mixed: 'Die Hände stecken in falschen Fächern, und die Zählung verrät nicht, in welchen.',
    other: ({ label }) => `Das sind die Hände von ${label}: Teilen Sie dieses Board neu aus.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, 'Karte', 'Karten'));
      if (by.hcp) parts.push(off(by.hcp, 'Punkt', 'Punkte'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], suitNames[i], suitNames[i]));
      }
      return `${seats[seat]} hat ${list(parts)}`;
    })),
    tapFirst: (seat) => `Tippen Sie zuerst die Karten von ${seats[seat]} an.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `Das Fach von ${seats[seat]} hat die richtigen Karten.`,
    pocketHolds: (seat, owner) => `Im Fach von ${seats[seat]} steckt die Hand von ${seats[owner]}.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} ${missing.length > 1 ? 'fehlen' : 'fehlt'}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} zu viel`);
      return `${seats[seat]}: ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `tauschen Sie die Fächer von ${seats[a]} und ${seats[b]}`,
    actionHand: (pocket, seat) => `stecken Sie die Hand aus dem Fach von ${seats[pocket]} in das von ${seats[seat]}`,
    actionMove: (card, from, to) => `stecken Sie ${card} von ${seats[from]} nach ${seats[to]}`,
    actions: (list) => sentence([cap(list[0]), ...list.slice(1)]),
    // ... and next.
    tapNext: (seat) => `Tippen Sie als Nächstes die Karten von ${seats[seat]} an.`,
    proven: (label) => `${label} stimmt: Drei Fächer haben ihre eigenen Karten, das vierte den Rest.`,
  },
};
