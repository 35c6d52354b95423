// The page's words in Italian (the fields of en.js).
import { SUIT_SYMBOLS } from '../cards.js';

const plural = (count, one, many) => `${count} ${count === 1 ? one : many}`;
const seats = ['Nord', 'Est', 'Sud', 'Ovest'];
const ranks = ['A', 'R', 'D', 'F', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const rankWords = ['una delle cartine', 'uno dei fanti', 'una delle donne', 'uno dei re', 'uno degli assi'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} in ${n > 0 ? 'più' : 'meno'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const boards = (count) => `${count} board`;

export default {
  tag: 'it',
  seats,
  // it: the seats' initials (Nord, Est, Sud, Ovest); the command line's R and D are the re and the donna.
  handLetters: 'NESO',
  seatLetters: ['N', 'E', 'S', 'O'],
  noHand: 'nessuna mano',
  ranks,
  // it: "donna" for the queen (D), as bridge says; card games also say regina.
  rankNames: ['asso', 're', 'donna', 'fante', 'dieci', 'nove', 'otto', 'sette', 'sei', 'cinque', 'quattro', 'tre', 'due'],
  suitNames: ['picche', 'cuori', 'quadri', 'fiori'],
  cardName: (rank, suit) => `${rank} di ${suit}`,
  vulnerabilities: { None: 'Nessuno in zona', NS: 'NS in zona', EW: 'EO in zona', All: 'Tutti in zona' },

  // it: "board", as Italian clubs say; the dealer is the "mazziere".
  board: (number) => `Board ${number}`,
  boardRef: (number) => `board ${number}`,
  deal: (index) => `smazzata ${index}`,
  dealer: (seat) => `Mazziere ${seat}`,
  vul: (vulnerability) => vulnerability,
  copy: (copy, copies) => `copia ${copy} di ${copies}`,
  boardCopy: (label, copy) => `${label}, copia ${copy}`,
  place: (position, length) => `(${position} di ${length})`,
  boards,
  cards: (count) => plural(count, 'carta', 'carte'),
  // it: "PO" for punti onori.
  hcp: (points) => `${points} PO`,

  doneWord: 'finito',
  numbers: ['zero', 'uno', 'due', 'tre', 'quattro', 'cinque', 'sei', 'sette', 'otto', 'nove', 'dieci', 'undici',
    'dodici', 'tredici'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Spazio, Invio o un tocco: prima carta',
  done: (label) => `${label}: finito`,
  nextPack: 'Nel board; ordina il mazzo successivo.',
  allDealt: (count) => (count === 1 ? 'Il board è distribuito.' : `Tutti i ${count} board sono distribuiti.`),
  lastRead: 'Ultimo board letto',
  resumed: (label) => `Ripreso da ${label}`,
  goingTo: (digits) => `Board ${digits} ↵`,
  noBoard: (number) => `Nessun board ${number} in questa sessione.`,

  reading: (name, count) => (count === 0 ? `Lettura di ${name}\u2026`
    : `Lettura di ${name}: ${boards(count)} finora\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `Letto fino alla fine: ${boards(count)}.`,
  stoppedAfter: (label, quoted) => `Lettura interrotta dopo ${label}: ${quoted}`,
  noDeal: (quoted) => `Nessuna smazzata letta: ${quoted}`,
  broken: (name, message) => `La pagina non ha potuto leggere ${name}: ${message}`,
  warningBefore: (quoted) => `Prima del primo board: ${quoted}`,
  warningAfter: (label, quoted) => `Dopo ${label}: ${quoted}`,
  warningBetween: (before, after, quoted) => `Tra ${before} e ${after}: ${quoted}`,
  endDone: 'Finito',
  endStopped: 'Interrotto',
  endMarkDone: 'letto fino alla fine',
  endMarkStopped: 'interrotto su dati errati',

  noFrom: (number) => `Nessun board ${number} in questo file: si distribuisce dal primo board.`,
  noTo: (number, after) => `Nessun board ${number} dopo il board ${after}: si distribuisce fino all'ultimo board.`,
  copiesClamped: (most) => `Al massimo ${most} copie: se ne distribuiscono ${most}.`,
  printTooMany: (most, count) => `Scegli prima il primo e l'ultimo board: una stampa contiene al massimo ${most} board, non tutti i ${count}.`,
  printCut: (most, count) => `I primi ${most} board su ${count}: una stampa ne contiene al massimo ${most}. Scegli il primo e l'ultimo board per stampare gli altri.`,
  checkTitle: (label) => `${label}: controllo`,
  checkHow: 'Conta le carte e i punti (A\u00a04, R\u00a03, D\u00a02, F\u00a01) in ogni tasca.',
  checkExactHow: (seat) => `Tocca ogni carta trovata nella tasca di ${seat}.`,
  checkStates: { unchecked: 'non controllato', ok: 'controllato: giusto', fault: 'controllato: errato' },
  summary: (count, ok, fault, unchecked) => `${boards(count)}: ${plural(ok, 'giusto', 'giusti')}, `
    + `${plural(fault, 'errato', 'errati')}, ${plural(unchecked, 'non controllato', 'non controllati')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `${labels.length > 1 || more ? 'Non controllati' : 'Non controllato'}: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'vuota',

  firstSort: 'Ordina il mazzo per seme, picche, cuori, quadri, fiori, ognuno dall\'asso al due, e tienilo coperto con '
    + 'l\'asso di picche in cima. La pagina dice a quale mano va ogni carta che prendi dalla cima.',
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} e ${letters[3]} stanno per Nord, Est, Sud e Ovest: le lettere delle mani nel file di uscita.`,
  firstSymbolsUnset: 'I simboli in Impostazioni sono le lettere delle mani nel file di uscita.',
  // it: "schermata Home", as an iPhone names it.
  homeScreen: 'Aggiungi questa pagina alla schermata Home: altrimenti Safari può cancellare il file conservato dopo una settimana.',
  kept: 'Questo file e il punto in cui sei restano su questo dispositivo.',
  notKept: 'Questo browser non conserva nulla: ricaricando si riparte da capo.',

  symbolsBytes: 'Ogni simbolo è un byte: usa lettere o cifre semplici.',
  symbolsMissing: (names) => `${names.join(' e ')} non ${names.length > 1 ? 'hanno' : 'ha'} un simbolo.`,
  symbolsShared: (a, b, symbol) => `${a} e ${b} hanno lo stesso \u00ab${symbol}\u00bb.`,
  symbolsQuestion: '\u00ab?\u00bb indica anche una carta senza mano.',
  // it: "colore" is a suit, so the cells' colours are their backgrounds.
  symbolsStill: 'Gli sfondi, le barre e i nomi distinguono comunque le mani.',

  title: 'Pipsweep: istruzioni di distribuzione per un mazzo ordinato',
  settingsHint: 'Impostazioni',
  setupLabel: 'File delle smazzate e impostazioni',
  privateNote: 'Scegli un file di smazzate: la pagina dice, carta per carta, a quale mano va ogni carta di un '
    + 'mazzo ordinato. Il file viene letto in questo browser e nulla viene inviato altrove.',
  offlineReady: 'Pronta per l\'uso senza rete: questa pagina si apre e distribuisce qui anche offline.',
  dealFile: 'File delle smazzate (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'o trascina un file sulla pagina',
  example: 'Apri l\'esempio',
  symbolsLabel: 'Simboli per Nord, Est, Sud, Ovest',
  sessionLegend: 'Sessione',
  fromBoard: 'Dal board',
  toBoard: 'Al board',
  copiesLabel: 'Copie',
  copyOrder: 'Ordine delle copie',
  copyOrderBoard: 'le copie di ogni board di seguito',
  copyOrderSet: 'tutta la serie una volta per copia',
  packLabel: 'Mazzo',
  packSorted: 'ordinato: asso di picche per primo',
  packReversed: 'capovolto: due di fiori per primo',
  showHands: 'Mostra le mani (H)',
  blindLabel: 'Distribuzione alla cieca: solo la carta e la sua direzione',
  runsLabel: 'Sequenze: carte di seguito alla stessa mano sono un solo passo',
  printLegend: 'Stampa i board della sessione',
  printWhat: 'Cosa',
  printGrids: 'griglie di distribuzione',
  printHands: 'diagrammi delle mani',
  printCurtain: 'schede delle mani',
  eventLabel: 'Torneo',
  dateLabel: 'Data',
  printButton: 'Stampa',
  cuesLegend: 'Segnali a ogni carta',
  speakLabel: 'Pronuncia la mano',
  tonesLabel: 'Toni (Nord acuto, Sud grave, Est e Ovest in mezzo, dal loro lato)',
  languageLabel: 'Lingua',
  download: 'Scarica _pipsweep.txt',
  consoleLabel: 'Console',
  dealingLabel: 'Distribuzione',
  boardsNav: 'Board',
  previousBoard: 'Board precedente',
  nextBoard: 'Board successivo',
  boardHead: 'Board',
  boardTail: '',
  gridLabel: 'Griglia di distribuzione: la mano di ogni carta; un clic sceglie una carta',
  handsLabel: 'Le quattro mani',
  keysHelp: 'Carta successiva: Spazio, Invio, \u2192, un pedale o un clic. Indietro: Backspace o \u2190. '
    + 'Board: N, P, Home, Fine, o il suo numero e Invio. Controllo: C. Cima delle tasche: T.',
  touchHelp: 'Carta successiva: un tocco ovunque. Tieni premuta una casella: quella carta. Board: uno scorrimento laterale.',
  boardLineLabel: 'La riga del board',
  packTop: 'cima',
  packBottom: 'fondo',
  pocketTopsLabel: 'In cima a ogni tasca',
  // it: "Controllo (C)" as the help names the key, and "Ogni carta": the check fits a phone's width.
  checkButton: 'Controllo (C)',
  checkCards: 'Carte',
  checkPoints: 'Punti',
  checkSeatLabel: 'Carte di',
  checkExact: 'Ogni carta',
  checkVerify: 'Controlla',
  checkGridLabel: 'Le carte trovate nella tasca',

  // it: a pocket of the board is a "tasca".
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Conta prima le carte e i punti di ogni tasca.',
    ok: (label) => `${label}: tutto giusto.`,
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      const counts = points === 0 ? `${pocket} ha 14 carte e ${owner} 12, i punti giusti`
        : `${pocket} ha 14 carte e ${off(points, 'punto', 'punti')}, ${owner} 12 e ${points} in meno`;
      return `${counts}: ${rankWords[points]} di ${owner} è nella tasca di ${pocket}.`;
    },
    turned: ({ by }) => `Il board è girato: la mano di Nord è nella tasca di ${seats[by]}.`,
    other: ({ label }) => `Queste sono le mani di un altro board: ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, 'carta', 'carte'));
      if (points !== 0) parts.push(off(points, 'punto', 'punti'));
      return `${seats[seat]} ha ${parts.join(' e ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.length > 1 ? 'mancano' : 'manca'} ${missing.join(', ')}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} in più`);
      return parts.length === 0 ? `${seats[seat]}: tutto giusto.` : `${seats[seat]}: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Ogni carta è nella sua tasca.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Sposta' : 'sposta'} ${card} da ${seats[from]} a ${seats[to]}`))),
  },
};
