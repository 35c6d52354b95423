// The page's words in German (the fields of en.js).
import { SUIT_SYMBOLS } from '../cards.js';

const plural = (count, one, many) => `${count} ${count === 1 ? one : many}`;
const seats = ['Nord', 'Ost', 'Süd', 'West'];
const ranks = ['A', 'K', 'D', 'B', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const rankWords = ['eine der kleinen Karten', 'einer der Buben', 'eine der Damen', 'einer der Könige', 'eines der Asse'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} zu ${n > 0 ? 'viel' : 'wenig'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const boards = (count) => plural(count, 'Board', 'Boards');

export default {
  tag: 'de',
  seats,
  // de: the seats' initials (Nord, Ost, Süd, West); the command line's D is the Dame.
  handLetters: 'NOSW',
  seatLetters: ['N', 'O', 'S', 'W'],
  noHand: 'keine Hand',
  ranks,
  rankNames: ['Ass', 'König', 'Dame', 'Bube', 'Zehn', 'Neun', 'Acht', 'Sieben', 'Sechs', 'Fünf', 'Vier', 'Drei', 'Zwei'],
  suitNames: ['Pik', 'Herz', 'Karo', 'Kreuz'],
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
  allDealt: (count) => (count === 1 ? 'Das Board ist ausgeteilt.' : `Alle ${count} Boards sind ausgeteilt.`),
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
  endDone: 'Fertig',
  endStopped: 'Abgebrochen',
  endMarkDone: 'bis zum Ende gelesen',
  endMarkStopped: 'bei fehlerhaften Daten abgebrochen',

  noFrom: (number) => `Kein Board ${number} in dieser Datei: ausgeteilt wird ab dem ersten Board.`,
  noTo: (number, after) => `Kein Board ${number} nach Board ${after}: ausgeteilt wird bis zum letzten Board.`,
  copiesClamped: (most) => `Höchstens ${most} Kopien: es werden ${most} ausgeteilt.`,
  printTooMany: (most, count) => `Wählen Sie zuerst das erste und das letzte Board: Ein Druck fasst höchstens ${most} Boards, nicht alle ${count}.`,
  printCut: (most, count) => `Die ersten ${most} von ${count} Boards: Ein Druck fasst höchstens ${most}. Wählen Sie das erste und das letzte Board, um die übrigen zu drucken.`,
  checkTitle: (label) => `${label}: Kontrolle`,
  checkHow: 'Zählen Sie die Karten und die Punkte (A\u00a04, K\u00a03, D\u00a02, B\u00a01) in jedem Fach.',
  checkExactHow: (seat) => `Tippen Sie jede Karte an, die im Fach von ${seat} steckt.`,
  checkStates: { unchecked: 'nicht kontrolliert', ok: 'kontrolliert: stimmt', fault: 'kontrolliert: fehlerhaft' },
  summary: (count, ok, fault, unchecked) => `${boards(count)}: ${ok} richtig, ${fault} fehlerhaft, ${unchecked} nicht kontrolliert`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Nicht kontrolliert: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'leer',

  firstSort: 'Sortieren Sie das Kartenspiel nach Farben, Pik, Herz, Karo, Kreuz, jede vom Ass bis zur Zwei, und halten '
    + 'Sie es verdeckt, das Pik-Ass oben. Die Seite nennt die Hand jeder Karte, die Sie oben abnehmen.',
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} und ${letters[3]} stehen für Nord, Ost, Süd und West: die Buchstaben der Hände in der Ausgabedatei.`,
  firstSymbolsUnset: 'Die Symbole unter Einstellungen sind die Buchstaben der Hände in der Ausgabedatei.',
  // de: "Home-Bildschirm", as an iPhone names it.
  homeScreen: 'Fügen Sie diese Seite zum Home-Bildschirm hinzu: Sonst kann Safari die gespeicherte Datei nach einer Woche löschen.',
  kept: 'Diese Datei und Ihre Stelle darin bleiben auf diesem Gerät gespeichert.',
  notKept: 'Dieser Browser speichert nichts: Neuladen fängt von vorn an.',

  symbolsBytes: 'Jedes Symbol ist ein Byte: nehmen Sie einfache Buchstaben oder Ziffern.',
  symbolsMissing: (names) => `${names.join(' und ')} ${names.length > 1 ? 'haben' : 'hat'} kein Symbol.`,
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
  checkGridLabel: 'Die Karten im Fach',

  // de: a pocket of the board is a "Fach".
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Zählen Sie zuerst die Karten und Punkte jedes Fachs.',
    ok: (label) => `${label} stimmt.`,
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      const counts = points === 0 ? `${pocket} hat 14 Karten und ${owner} 12, die Punkte stimmen`
        : `${pocket} hat 14 Karten und ${off(points, 'Punkt', 'Punkte')}, ${owner} 12 und ${points} zu wenig`;
      return `${counts}: ${rankWords[points]} von ${owner} steckt im Fach von ${pocket}.`;
    },
    turned: ({ by }) => `Das Board ist gedreht: Die Hand von Nord steckt im Fach von ${seats[by]}.`,
    other: ({ label }) => `Das sind die Hände von ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, 'Karte', 'Karten'));
      if (points !== 0) parts.push(off(points, 'Punkt', 'Punkte'));
      return `${seats[seat]} hat ${parts.join(' und ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} ${missing.length > 1 ? 'fehlen' : 'fehlt'}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} zu viel`);
      return parts.length === 0 ? `${seats[seat]} stimmt.` : `${seats[seat]}: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Jede Karte steckt in ihrem Fach.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Stecken' : 'stecken'} Sie ${card} von ${seats[from]} nach ${seats[to]}`))),
  },
};
