// The page's words in Italian (the fields of en.js).
import { counted, listOf, numberOf } from '../grammar.js';

// Plurals, lists and numbers as the platform writes them for Italian;
// "many" is for millions, written as the plural with digits.
const TAG = 'it';
const plural = (count, one, other) => counted(TAG, count, { one, many: other, other });
const list = (items) => listOf(TAG, items);
const seats = ['Nord', 'Est', 'Sud', 'Ovest'];
const ranks = ['A', 'R', 'D', 'F', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const suitNames = ['picche', 'cuori', 'quadri', 'fiori'];
const rankWords = ['una delle cartine', 'uno dei fanti', 'una delle donne', 'uno dei re', 'uno degli assi'];
// "Una delle picche", but "uno dei cuori", "uno dei quadri", "uno dei fiori".
const oneOfSuit = ['Una delle picche', 'Uno dei cuori', 'Uno dei quadri', 'Uno dei fiori'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} in ${n > 0 ? 'più' : 'meno'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const cap = (text) => `${text[0].toUpperCase()}${text.slice(1)}`;
// it: "board" is the same in the plural.
const boards = (count) => plural(count, 'board', 'board');
// A suit counted keeps its name, as bridge says "5 cuori"; one is "1 carta di cuori".
const suitCounts = suitNames.map((suit) => [`carta di ${suit}`, suit]);
// What a total the pack cannot have counts.
const totalWords = {
  count: ['carta', 'carte'], hcp: ['punto', 'punti'], spades: suitCounts[0], hearts: suitCounts[1], diamonds: suitCounts[2],
  clubs: suitCounts[3],
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Sposta ogni mano di una tasca in senso antiorario.', 'Scambia le mani di Nord e Sud, e quelle di Est e Ovest.',
  'Sposta ogni mano di una tasca in senso orario.'];

export default {
  tag: 'it',
  grammarTag: TAG,
  sentenceGap: ' ',
  seats,
  // it: the seats' initials (Nord, Est, Sud, Ovest); the command line's R and D are the re and the donna.
  handLetters: 'NESO',
  seatLetters: ['N', 'E', 'S', 'O'],
  noHand: 'nessuna mano',
  ranks,
  // it: "donna" for the queen (D), as bridge says; card games also say regina.
  rankNames: ['asso', 're', 'donna', 'fante', 'dieci', 'nove', 'otto', 'sette', 'sei', 'cinque', 'quattro', 'tre', 'due'],
  suitNames,
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
  allDealt: (count) => (count === 1 ? 'Il board è distribuito.' : `Tutti i ${numberOf(TAG, count)} board sono distribuiti.`),
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
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // it: "SA", senza atout, as Italian contracts are written (3SA), by the FIGB
  // as in the Italian Wikipedia's bridge articles; the declarer is the
  // "giocante", a strain a "denominazione", double dummy "a doppio morto".
  noTrump: 'SA',
  sides: ['Nord\u2013Sud', 'Est\u2013Ovest'],
  ddTableLabel: 'Prese di ogni giocante in ogni denominazione, a doppio morto',
  // "5♦ contrato giocato da Nord": "contrato da Nord" would say that Nord doubled.
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract}${doubled ? ' contrato' : ''} giocato da ${by}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}: ${contracts}`,
  passedOut: 'Par 0: tutti passano',
  analysing: (done, total) => `Analisi a doppio morto: ${numberOf(TAG, done)} di ${boards(total)}`,
  analysed: (total) => (total === 1 ? 'Analisi a doppio morto: fatta'
    : `Analisi a doppio morto: tutti i ${numberOf(TAG, total)} board`),
  analysisToCome: 'L\'analisi di questo board è in arrivo.',
  notADeal: (label) => `${cap(label)} non è una smazzata di bridge valida: non viene analizzata.`,
  solverFailed: (message) => `L'analisi di questo board non è riuscita: ${message}`,
  exportPbn: 'Salva un file PBN per il calcolo dei punteggi',
  exportName: (stem) => `${stem} diagrammi`,
  // What the core's message means for the file: where is "La prima
  // smazzata" or "La smazzata dopo board 2".
  firstDeal: 'La prima smazzata',
  dealAfter: (ref) => `La smazzata dopo ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} ha ${plural(count, 'carta', 'carte')} nel file: il file è troncato o danneggiato.`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where} non comincia con N, E, S o W: il file è danneggiato.`,
    notBridge: ({ label }) => `${label} lascia una carta senza mano, o una mano senza 13 carte: non distribuire da questo file.`,
    noDocument: () => 'Questo non è un file DLM: manca la riga [Document].',
    boardNumber: ({ where }) => `${where} non ha un numero di board valido nel file.`,
    noDeals: () => 'Il file non contiene smazzate: è il file giusto?',
    unreadable: () => 'Non è stato possibile leggere il file fino alla fine.',
    garbled: ({ where }) => `${where} è scritta male nel file: il file è danneggiato.`,
  },
  endDone: 'Finito',
  endStopped: 'Interrotto',
  endMarkDone: 'letto fino alla fine',
  endMarkStopped: 'interrotto su dati errati',

  noFrom: (number) => `Nessun board ${number} in questo file: si distribuisce dal primo board.`,
  noTo: (number, after) => `Nessun board ${number} dopo il board ${after}: si distribuisce fino all'ultimo board.`,
  copiesClamped: (most) => `Al massimo ${most} copie: se ne distribuiscono ${most}.`,
  printTooMany: (most, count) => `Scegli prima il primo e l'ultimo board: una stampa contiene al massimo ${most} board, non tutti i ${numberOf(TAG, count)}.`,
  printCut: (most, count) => `I primi ${most} board su ${numberOf(TAG, count)}: una stampa ne contiene al massimo ${most}. Scegli il primo e l'ultimo board per stampare gli altri.`,
  checkTitle: (label) => `${label}: controllo`,
  checkHow: 'Conta le carte e i punti (A\u00a04, R\u00a03, D\u00a02, F\u00a01) in ogni tasca.',
  checkExactHow: (seat) => `Tocca ogni carta trovata nella tasca di ${seat}.`,
  checkStates: {
    unchecked: 'non controllato', ok: 'controllato: giusto', agree: 'controllato: i conteggi corrispondono',
    fault: 'controllato: errato',
  },
  // Boards whose counts agree are named only where there are some.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}: ${[plural(ok, 'giusto', 'giusti'),
    ...(agree > 0 ? [plural(agree, 'conforme al conteggio', 'conformi al conteggio')] : []), plural(fault, 'errato', 'errati'),
    plural(unchecked, 'non controllato', 'non controllati')].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `${labels.length > 1 || more ? 'Non controllati' : 'Non controllato'}: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `${labels.length > 1 || more ? 'Errati' : 'Errato'}: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'vuota',

  firstSort: 'Ordina il mazzo per seme, picche, cuori, quadri, fiori, ognuno dall\'asso al due, e tienilo coperto con '
    + 'l\'asso di picche in cima. La pagina dice a quale mano va ogni carta che prendi dalla cima.',
  firstSymbols: (letters) => `${list(letters)} stanno per Nord, Est, Sud e Ovest: le lettere delle mani nel file di uscita.`,
  firstSymbolsUnset: 'I simboli in Impostazioni sono le lettere delle mani nel file di uscita.',
  // it: "schermata Home", as an iPhone names it.
  homeScreen: 'Aggiungi questa pagina alla schermata Home: altrimenti Safari può cancellare il file conservato dopo una settimana.',
  kept: 'Questo file e il punto in cui sei restano su questo dispositivo.',
  notKept: 'Questo browser non conserva nulla: ricaricando si riparte da capo.',

  symbolsBytes: 'Ogni simbolo è un byte: usa lettere o cifre semplici.',
  symbolsMissing: (names) => `${list(names)} non ${names.length > 1 ? 'hanno' : 'ha'} un simbolo.`,
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
  newDeals: 'Nuove smazzate',
  newDealsHow: 'Ogni smazzata del tutto a caso, dalla fonte crittografica di questo dispositivo: nulla di pilotato, '
    + 'nulla di filtrato.',
  newBoards: 'Board',
  newFirst: 'Primo board',
  makeDeals: 'Crea le smazzate',
  noCrypto: 'Questo browser non ha una fonte casuale crittografica, quindi non crea smazzate: quelle di una fonte più '
    + 'debole si potrebbero prevedere.',
  newRange: (most) => `Da 1 a ${most} board, il primo con numero 1 o più.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'Nuove smazzate'} ${date}`,
  fingerprint: (print) => `Impronta ${print}`,
  fingerprintLabel: (print) => `Impronta di queste smazzate: ${print}`,
  // date: "8 dicembre 2026", after "l'" where its number begins with a
  // vowel (1, 8, 11), else after "il".
  dealtBefore: (date) => 'Tutti i board di queste smazzate sono stati distribuiti su questo dispositivo '
    + `${/^(1|8|11)\D/.test(date) ? 'l\'' : 'il '}${date}. Distribuirli di nuovo?`,
  dealtAgain: 'Ridistribuiscili',
  dealtOther: 'Un altro file',
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
  checkSuitsLabel: 'Anche le lunghezze dei semi',
  redeal: 'Ridistribuisci',
  topsButton: 'Cima (T)',
  checkGridLabel: 'Le carte trovate nella tasca',

  // it: a pocket of the board is a "tasca". The check's sentences
  // (check-sentences.js puts them together): seats come as 0-3, cards as
  // labels ("♠R"), lists as Italian joins them.
  check: {
    // What the blind check judged by, with their articles: "Le carte e i punti corrispondono."
    judged: { count: 'le carte', hcp: 'i punti', suits: 'le lunghezze dei semi' },
    incomplete: (names) => `Per ${names} compila gli stessi campi delle altre tasche.`,
    incompleteAll: 'Conta prima le carte di ogni tasca.',
    recount: ({
      counted: total, expected, field, names,
    }) => `${plural(total, ...totalWords[field])} in tutto, non ${expected}: riconta le carte di ${names}.`,
    recountSuits: (names) => `Per ${names} le lunghezze dei semi non danno il numero di carte: riconta.`,
    agree: (judged) => `${cap(judged)} corrispondono.`,
    alike: (a, b) => `Le mani di ${seats[a]} e ${seats[b]} hanno gli stessi conteggi: uno scambio non si vedrebbe.`,
    proveIt: 'Per esserne certo, tocca una per una le carte di tre tasche.',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket} ha 14 carte e ${owner} 12: una delle carte di ${owner} è nella tasca di ${pocket}.`;
      const counts = points === 0 ? `${pocket} ha 14 carte e ${owner} 12, i punti giusti`
        : `${pocket} ha 14 carte e ${off(points, 'punto', 'punti')}, ${owner} 12 e ${points} in meno`;
      return `${counts}: ${rankWords[points]} di ${owner} è nella tasca di ${pocket}.`;
    },
    movedSuit: ({ from, to, suit }) => `${oneOfSuit[suit]} di ${seats[from]} è nella tasca di ${seats[to]}.`,
    movedCard: ({ from, to, card }) => `La carta ${card} di ${seats[from]} è nella tasca di ${seats[to]}: rendila a ${seats[from]}.`,
    turned: ({ by }) => `Il board è girato: la mano di Nord è nella tasca di ${seats[by]}. ${turnBack[by]}`,
    exchanged: (a, b) => `le mani di ${seats[a]} e ${seats[b]} sono scambiate`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => {
      const pocket = `nella tasca di ${seats[cycle[(i + 1) % cycle.length]]}`;
      return i === 0 ? `la mano di ${seats[seat]} è ${pocket}` : `quella di ${seats[seat]} ${pocket}`;
    }).join(', '),
    swapped: (parts, pairs) => `${cap(parts.join('; '))}: ${pairs ? 'scambia le due tasche' : 'rimetti ogni mano nella sua tasca'}.`,
    swappedPairs: (parts) => `${cap(parts.join(', e '))}: scambia le tasche a due a due.`,
    mixed: 'Le mani sono nelle tasche sbagliate, e i conteggi non dicono quali.',
    other: ({ label }) => `Queste sono le mani di un altro board (${label}): ridistribuisci questo board.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, 'carta', 'carte'));
      if (by.hcp) parts.push(off(by.hcp, 'punto', 'punti'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], ...suitCounts[i]));
      }
      return `${seats[seat]} ha ${list(parts)}`;
    })),
    tapFirst: (seat) => `Tocca prima le carte di ${seats[seat]}.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `${seats[seat]} ha le proprie carte.`,
    pocketHolds: (seat, owner) => `La tasca di ${seats[seat]} contiene la mano di ${seats[owner]}.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.length > 1 ? 'mancano' : 'manca'} ${missing.join(', ')}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} in più`);
      return `${seats[seat]}: ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `scambia le tasche di ${seats[a]} e ${seats[b]}`,
    actionHand: (pocket, seat) => `metti la mano della tasca di ${seats[pocket]} in quella di ${seats[seat]}`,
    actionMove: (card, from, to) => `sposta ${card} da ${seats[from]} a ${seats[to]}`,
    actions: (list) => sentence([cap(list[0]), ...list.slice(1)]),
    // ... and next.
    tapNext: (seat) => `Poi tocca le carte di ${seats[seat]}.`,
    // "Board 7" or "smazzata 3": a label before a colon needs no gender.
    proven: (label) => `${label}: tutto giusto, tre tasche hanno le proprie carte e la quarta il resto.`,
  },
};
