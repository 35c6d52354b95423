// The page's words in Spanish (the fields of en.js).
import { counted, listOf, numberOf } from '../grammar.js';

// Plurals, lists and numbers as the platform writes them for Spanish;
// "many" is for millions, written as the plural with digits.
const TAG = 'es';
const plural = (count, one, other) => counted(TAG, count, { one, many: other, other });
const list = (items) => listOf(TAG, items);
const seats = ['Norte', 'Este', 'Sur', 'Oeste'];
// es: the indices A K Q J, as Spanish bridge prints them.
const ranks = ['A', 'K', 'Q', 'J', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const suitNames = ['picas', 'corazones', 'diamantes', 'tréboles'];
const rankWords = ['una de las cartas pequeñas', 'una de las jotas', 'una de las damas', 'uno de los reyes',
  'uno de los ases'];
// "Una de las picas", but "uno de los corazones", and so on.
const oneOfSuit = ['Una de las picas', 'Uno de los corazones', 'Uno de los diamantes', 'Uno de los tréboles'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} de ${n > 0 ? 'más' : 'menos'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const cap = (text) => `${text[0].toUpperCase()}${text.slice(1)}`;
const boards = (count) => plural(count, 'tablero', 'tableros');
// A board's label heading a sentence, with its article: "El tablero 7", "El reparto 3".
const theBoard = (label) => `El ${label[0].toLowerCase()}${label.slice(1)}`;
const suitCounts = [['pica', 'picas'], ['corazón', 'corazones'], ['diamante', 'diamantes'], ['trébol', 'tréboles']];
// What a total the pack cannot have counts.
const totalWords = {
  count: ['carta', 'cartas'], hcp: ['punto', 'puntos'], spades: suitCounts[0], hearts: suitCounts[1], diamonds: suitCounts[2],
  clubs: suitCounts[3],
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Pase cada mano un bolsillo en sentido antihorario.', 'Cambie las manos de Norte y Sur, y las de Este y Oeste.',
  'Pase cada mano un bolsillo en sentido horario.'];

export default {
  tag: 'es',
  grammarTag: TAG,
  sentenceGap: ' ',
  seats,
  // es: the seats' initials (Norte, Este, Sur, Oeste); none is an index of a Spanish card (A K Q J).
  handLetters: 'NESO',
  seatLetters: ['N', 'E', 'S', 'O'],
  noHand: 'ninguna mano',
  ranks,
  // es: "dama" for the queen, as bridge says; card games also say reina.
  rankNames: ['as', 'rey', 'dama', 'jota', 'diez', 'nueve', 'ocho', 'siete', 'seis', 'cinco', 'cuatro', 'tres', 'dos'],
  suitNames,
  cardName: (rank, suit) => `${rank} de ${suit}`,
  vulnerabilities: { None: 'nadie', NS: 'NS', EW: 'EO', All: 'todos' },

  // es: a board is a "tablero" (a "mano" is a hand); "Dador" deals.
  board: (number) => `Tablero ${number}`,
  boardRef: (number) => `tablero ${number}`,
  deal: (index) => `reparto ${index}`,
  dealer: (seat) => `Dador ${seat}`,
  vul: (vulnerability) => `Vul. ${vulnerability}`,
  copy: (copy, copies) => `copia ${copy} de ${copies}`,
  boardCopy: (label, copy) => `${label}, copia ${copy}`,
  place: (position, length) => `(${position} de ${length})`,
  boards,
  cards: (count) => plural(count, 'carta', 'cartas'),
  // es: "PH" for puntos de honor.
  hcp: (points) => `${points} PH`,

  doneWord: 'terminado',
  numbers: ['cero', 'uno', 'dos', 'tres', 'cuatro', 'cinco', 'seis', 'siete', 'ocho', 'nueve', 'diez', 'once', 'doce',
    'trece'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Espacio, Intro o un toque: primera carta',
  done: (label) => `${label}: terminado`,
  nextPack: 'Al tablero; ordene la siguiente baraja.',
  allDealt: (count) => (count === 1 ? 'El tablero está repartido.' : `Los ${numberOf(TAG, count)} tableros están repartidos.`),
  lastRead: 'Último tablero leído',
  resumed: (label) => `Se sigue en el ${label}`,
  goingTo: (digits) => `Tablero ${digits} ↵`,
  noBoard: (number) => `No hay tablero ${number} en esta sesión.`,

  reading: (name, count) => (count === 0 ? `Leyendo ${name}\u2026`
    : `Leyendo ${name}: ${boards(count)} hasta ahora\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `Leído hasta el final: ${boards(count)}.`,
  stoppedAfter: (label, quoted) => `La lectura se detuvo tras el ${label}: ${quoted}`,
  noDeal: (quoted) => `No se leyó ningún reparto: ${quoted}`,
  broken: (name, message) => `La página no pudo leer ${name}: ${message}`,
  warningBefore: (quoted) => `Antes del primer tablero: ${quoted}`,
  warningAfter: (label, quoted) => `Tras el ${label}: ${quoted}`,
  warningBetween: (before, after, quoted) => `Entre el ${before} y el ${after}: ${quoted}`,
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // es: "SA", sin atout, as Spain's bridge press and convention cards write a
  // contract (3SA); "ST", sin triunfo, is met too, mostly in the Americas. A
  // strain is a "denominación", double dummy "a doble muerto".
  noTrump: 'SA',
  sides: ['Norte\u2013Sur', 'Este\u2013Oeste'],
  ddTableLabel: 'Bazas de cada declarante en cada denominación, a doble muerto',
  // "5♦ doblado, jugado por Norte, −2": "doblado por Norte" would say that Norte doubled.
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract}${doubled ? ' doblado,' : ''} jugado por ${by}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}: ${contracts}`,
  passedOut: 'Par 0: todos pasan',
  analysing: (done, total) => `Análisis a doble muerto: ${numberOf(TAG, done)} de ${boards(total)}`,
  analysed: (total) => (total === 1 ? 'Análisis a doble muerto: hecho'
    : `Análisis a doble muerto: los ${numberOf(TAG, total)} tableros`),
  analysisToCome: 'El análisis de este tablero está en camino.',
  notADeal: (label) => `${theBoard(label)} no es un reparto de bridge válido: no tiene análisis.`,
  solverFailed: (message) => `No se pudo analizar este tablero: ${message}`,
  exportPbn: 'Guardar un archivo PBN para el cálculo de resultados',
  exportName: (stem) => `${stem} diagramas`,
  // What the core's message means for the file: where is "El primer
  // reparto" or "El reparto tras el tablero 2".
  firstDeal: 'El primer reparto',
  dealAfter: (ref) => `El reparto tras el ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} tiene ${plural(count, 'carta', 'cartas')} en el archivo: el archivo está cortado o dañado.`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where} no empieza por N, E, S o W: el archivo está dañado.`,
    notBridge: ({ label }) => `${theBoard(label)} deja una carta sin mano, o una mano sin 13 cartas: no lo reparta desde este archivo.`,
    noDocument: () => 'Esto no es un archivo DLM: le falta la línea [Document].',
    boardNumber: ({ where }) => `${where} no tiene un número de tablero válido en el archivo.`,
    noDeals: () => 'El archivo no contiene ningún reparto: ¿es el archivo correcto?',
    unreadable: () => 'No se pudo leer el archivo hasta el final.',
    garbled: ({ where }) => `${where} está mal escrito en el archivo: el archivo está dañado.`,
  },
  endDone: 'Terminado',
  endStopped: 'Detenido',
  endMarkDone: 'leído hasta el final',
  endMarkStopped: 'detenido en datos erróneos',

  noFrom: (number) => `No hay tablero ${number} en este archivo: se reparte desde el primer tablero.`,
  noTo: (number, after) => `No hay tablero ${number} tras el tablero ${after}: se reparte hasta el último tablero.`,
  copiesClamped: (most) => `Como máximo ${most} copias: se reparten ${most}.`,
  printTooMany: (most, count) => `Elija primero el primer y el último tablero: una impresión admite como máximo ${most} tableros, no los ${numberOf(TAG, count)}.`,
  printCut: (most, count) => `Los primeros ${most} de ${numberOf(TAG, count)} tableros: una impresión admite como máximo ${most}. Elija el primer y el último tablero para imprimir los demás.`,
  checkTitle: (label) => `${label}: comprobación`,
  checkHow: 'Cuente las cartas y los puntos (A\u00a04, K\u00a03, Q\u00a02, J\u00a01) de cada bolsillo.',
  checkExactHow: (seat) => `Toque cada carta hallada en el bolsillo de ${seat}.`,
  checkStates: {
    unchecked: 'sin comprobar', ok: 'comprobado: correcto', agree: 'comprobado: el recuento coincide',
    fault: 'comprobado: erróneo',
  },
  // Boards whose counts agree are named only where there are some.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}: ${[plural(ok, 'correcto', 'correctos'),
    ...(agree > 0 ? [plural(agree, 'conforme al recuento', 'conformes al recuento')] : []), plural(fault, 'erróneo', 'erróneos'),
    `${numberOf(TAG, unchecked)} sin comprobar`].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Sin comprobar: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `${labels.length > 1 || more ? 'Erróneos' : 'Erróneo'}: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'vacío',

  firstSort: 'Ordene la baraja por palos, picas, corazones, diamantes, tréboles, cada uno del as al dos, y sosténgala '
    + 'boca abajo con el as de picas encima. La página dice a qué mano va cada carta que toma de arriba.',
  firstSymbols: (letters) => `${list(letters)} representan Norte, Este, Sur y Oeste: las letras de las manos en el archivo de salida.`,
  firstSymbolsUnset: 'Los símbolos de Ajustes son las letras de las manos en el archivo de salida.',
  // es: "pantalla de inicio", as an iPhone names it.
  homeScreen: 'Añada esta página a la pantalla de inicio: si no, Safari puede borrar el archivo guardado al cabo de una semana.',
  kept: 'Este archivo y su posición en él se guardan en este dispositivo.',
  notKept: 'Este navegador no guarda nada: al recargar se empieza de nuevo.',

  symbolsBytes: 'Cada símbolo es un byte: use letras o cifras simples.',
  symbolsMissing: (names) => `${list(names)} no ${names.length > 1 ? 'tienen' : 'tiene'} símbolo.`,
  symbolsShared: (a, b, symbol) => `${a} y ${b} comparten \u00ab${symbol}\u00bb.`,
  symbolsQuestion: '\u00ab?\u00bb marca también una carta sin mano.',
  symbolsStill: 'Los fondos, las barras y los nombres siguen distinguiendo las manos.',

  title: 'Pipsweep: indicaciones de reparto para una baraja ordenada',
  settingsHint: 'Ajustes',
  setupLabel: 'Archivo de repartos y ajustes',
  privateNote: 'Elija un archivo de repartos: la página dice, carta a carta, a qué mano va cada carta de una baraja '
    + 'ordenada. El archivo se lee en este navegador y no se envía nada a ninguna parte.',
  offlineReady: 'Lista para usar sin conexión: esta página se abre y reparte aquí sin red.',
  dealFile: 'Archivo de repartos (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'o suelte un archivo en la página',
  example: 'Abrir el ejemplo',
  newDeals: 'Nuevos repartos',
  newDealsHow: 'Cada reparto totalmente al azar, de la fuente criptográfica de este dispositivo: nada dirigido, nada filtrado.',
  newBoards: 'Tableros',
  newFirst: 'Primer tablero',
  makeDeals: 'Crear los repartos',
  noCrypto: 'Este navegador no tiene una fuente aleatoria criptográfica, así que no crea repartos: los de una fuente más '
    + 'débil podrían predecirse.',
  newRange: (most) => `De 1 a ${most} tableros, el primero con número 1 o mayor.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'Nuevos repartos'} ${date}`,
  fingerprint: (print) => `Huella ${print}`,
  fingerprintLabel: (print) => `Huella de estos repartos: ${print}`,
  // date: "8 de diciembre de 2026".
  dealtBefore: (date) => `Todos los tableros de estos repartos ya se repartieron en este dispositivo el ${date}. `
    + '¿Repartirlos de nuevo?',
  dealtAgain: 'Repartirlos de nuevo',
  dealtOther: 'Otro archivo',
  symbolsLabel: 'Símbolos para Norte, Este, Sur, Oeste',
  sessionLegend: 'Sesión',
  fromBoard: 'Desde el tablero',
  toBoard: 'Hasta el tablero',
  copiesLabel: 'Copias',
  copyOrder: 'Orden de las copias',
  copyOrderBoard: 'las copias de cada tablero seguidas',
  copyOrderSet: 'toda la serie una vez por copia',
  packLabel: 'Baraja',
  packSorted: 'ordenada: as de picas primero',
  packReversed: 'dada la vuelta: dos de tréboles primero',
  showHands: 'Mostrar las manos (H)',
  blindLabel: 'Reparto a ciegas: solo la carta y su dirección',
  runsLabel: 'Series: cartas seguidas a la misma mano son un solo paso',
  printLegend: 'Imprimir los tableros de la sesión',
  printWhat: 'Qué',
  printGrids: 'cuadrículas de reparto',
  printHands: 'diagramas de manos',
  printCurtain: 'fichas de mano',
  eventLabel: 'Torneo',
  dateLabel: 'Fecha',
  printButton: 'Imprimir',
  cuesLegend: 'Avisos en cada carta',
  speakLabel: 'Decir la mano',
  tonesLabel: 'Tonos (Norte agudo, Sur grave, Este y Oeste en medio, cada uno a su lado)',
  languageLabel: 'Idioma',
  download: 'Descargar _pipsweep.txt',
  consoleLabel: 'Consola',
  dealingLabel: 'Reparto',
  boardsNav: 'Tableros',
  previousBoard: 'Tablero anterior',
  nextBoard: 'Tablero siguiente',
  boardHead: 'Tablero',
  boardTail: '',
  gridLabel: 'Cuadrícula de reparto: la mano de cada carta; un clic elige una carta',
  handsLabel: 'Las cuatro manos',
  keysHelp: 'Carta siguiente: Espacio, Intro, \u2192, un pedal o un clic. Atrás: Retroceso o \u2190. '
    + 'Tablero: N, P, Inicio, Fin, o su número e Intro. Comprobar: C. Encima de los bolsillos: T.',
  touchHelp: 'Carta siguiente: un toque en cualquier sitio. Mantener una casilla: esa carta. Tablero: deslizar de lado.',
  boardLineLabel: 'La línea del tablero',
  packTop: 'arriba',
  packBottom: 'abajo',
  pocketTopsLabel: 'Encima de cada bolsillo',
  // es: "Comprobar (C)" opens the check, "Verificar" checks what was entered: both fit a phone's width.
  checkButton: 'Comprobar (C)',
  checkCards: 'Cartas',
  checkPoints: 'Puntos',
  checkSeatLabel: 'Cartas de',
  checkExact: 'Carta a carta',
  checkVerify: 'Verificar',
  checkSuitsLabel: 'También la longitud de cada palo',
  redeal: 'Repartir de nuevo',
  topsButton: 'Encima (T)',
  checkGridLabel: 'Las cartas halladas en el bolsillo',

  // es: a pocket of the tablero is a "bolsillo". The check's sentences
  // (check-sentences.js puts them together): seats come as 0-3, cards as
  // labels ("♠K"), lists as Spanish joins them.
  check: {
    // What the blind check judged by, with their articles: "Coinciden las cartas y los puntos."
    judged: { count: 'las cartas', hcp: 'los puntos', suits: 'las longitudes de los palos' },
    incomplete: (names) => `Rellene para ${names} las mismas casillas que en los demás bolsillos.`,
    incompleteAll: 'Cuente primero las cartas de cada bolsillo.',
    recount: ({
      counted: total, expected, field, names,
    }) => `${plural(total, ...totalWords[field])} en total, no ${expected}: vuelva a contar las cartas de ${names}.`,
    recountSuits: (names) => `Para ${names}, las longitudes de los palos no suman las cartas: vuelva a contar.`,
    agree: (judged) => `Coinciden ${judged}.`,
    alike: (a, b) => `Las manos de ${seats[a]} y ${seats[b]} cuentan igual: un cambio entre ellas no se notaría.`,
    proveIt: 'Para estar seguro, compruebe tres bolsillos carta a carta.',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket} tiene 14 cartas y ${owner} 12: una de las cartas de ${owner} está en el bolsillo de ${pocket}.`;
      const counts = points === 0 ? `${pocket} tiene 14 cartas y ${owner} 12, los puntos bien`
        : `${pocket} tiene 14 cartas y ${off(points, 'punto', 'puntos')}, ${owner} 12 y ${points} de menos`;
      return `${counts}: ${rankWords[points]} de ${owner} está en el bolsillo de ${pocket}.`;
    },
    movedSuit: ({ from, to, suit }) => `${oneOfSuit[suit]} de ${seats[from]} está en el bolsillo de ${seats[to]}.`,
    movedCard: ({ from, to, card }) => `La carta ${card} de ${seats[from]} está en el bolsillo de ${seats[to]}: devuélvala a ${seats[from]}.`,
    turned: ({ by }) => `El tablero está girado: la mano de Norte está en el bolsillo de ${seats[by]}. ${turnBack[by]}`,
    exchanged: (a, b) => `las manos de ${seats[a]} y ${seats[b]} están intercambiadas`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => {
      const pocket = `en el bolsillo de ${seats[cycle[(i + 1) % cycle.length]]}`;
      return i === 0 ? `la mano de ${seats[seat]} está ${pocket}` : `la de ${seats[seat]} ${pocket}`;
    }).join(', '),
    swapped: (parts, pairs) => `${cap(parts.join('; '))}: ${pairs ? 'intercambie los dos bolsillos' : 'ponga cada mano en su bolsillo'}.`,
    swappedPairs: (parts) => `${cap(parts.join(', y '))}: intercambie los bolsillos de dos en dos.`,
    mixed: 'Las manos están en bolsillos equivocados, y el recuento no dice en cuáles.',
    other: ({ label }) => `Estas son las manos de otro tablero (${label}): reparta de nuevo este tablero.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, 'carta', 'cartas'));
      if (by.hcp) parts.push(off(by.hcp, 'punto', 'puntos'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], ...suitCounts[i]));
      }
      return `${seats[seat]} tiene ${list(parts)}`;
    })),
    tapFirst: (seat) => `Toque primero las cartas de ${seats[seat]}.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `${seats[seat]} tiene sus propias cartas.`,
    pocketHolds: (seat, owner) => `El bolsillo de ${seats[seat]} tiene la mano de ${seats[owner]}.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.length > 1 ? 'faltan' : 'falta'} ${missing.join(', ')}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} de más`);
      return `${seats[seat]}: ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `intercambie los bolsillos de ${seats[a]} y ${seats[b]}`,
    actionHand: (pocket, seat) => `pase la mano del bolsillo de ${seats[pocket]} al de ${seats[seat]}`,
    actionMove: (card, from, to) => `pase ${card} de ${seats[from]} a ${seats[to]}`,
    actions: (list) => sentence([cap(list[0]), ...list.slice(1)]),
    // ... and next.
    tapNext: (seat) => `Después, toque las cartas de ${seats[seat]}.`,
    proven: (label) => `${theBoard(label)} está bien: tres bolsillos tienen sus propias cartas, y el cuarto el resto.`,
  },
};
