// The page's words in Spanish (the fields of en.js).
import { SUIT_SYMBOLS } from '../cards.js';

const plural = (count, one, many) => `${count} ${count === 1 ? one : many}`;
const seats = ['Norte', 'Este', 'Sur', 'Oeste'];
// es: the indices A K Q J, as Spanish bridge prints them.
const ranks = ['A', 'K', 'Q', 'J', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const rankWords = ['una de las cartas pequeñas', 'una de las jotas', 'una de las damas', 'uno de los reyes',
  'uno de los ases'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} de ${n > 0 ? 'más' : 'menos'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const boards = (count) => plural(count, 'tablero', 'tableros');

export default {
  tag: 'es',
  seats,
  // es: the seats' initials (Norte, Este, Sur, Oeste); none is an index of a Spanish card (A K Q J).
  handLetters: 'NESO',
  seatLetters: ['N', 'E', 'S', 'O'],
  noHand: 'ninguna mano',
  ranks,
  // es: "dama" for the queen, as bridge says; card games also say reina.
  rankNames: ['as', 'rey', 'dama', 'jota', 'diez', 'nueve', 'ocho', 'siete', 'seis', 'cinco', 'cuatro', 'tres', 'dos'],
  suitNames: ['picas', 'corazones', 'diamantes', 'tréboles'],
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
  allDealt: (count) => (count === 1 ? 'El tablero está repartido.' : `Los ${count} tableros están repartidos.`),
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
  endDone: 'Terminado',
  endStopped: 'Detenido',
  endMarkDone: 'leído hasta el final',
  endMarkStopped: 'detenido en datos erróneos',

  noFrom: (number) => `No hay tablero ${number} en este archivo: se reparte desde el primer tablero.`,
  noTo: (number, after) => `No hay tablero ${number} tras el tablero ${after}: se reparte hasta el último tablero.`,
  copiesClamped: (most) => `Como máximo ${most} copias: se reparten ${most}.`,
  printTooMany: (most, count) => `Elija primero el primer y el último tablero: una impresión admite como máximo ${most} tableros, no los ${count}.`,
  printCut: (most, count) => `Los primeros ${most} de ${count} tableros: una impresión admite como máximo ${most}. Elija el primer y el último tablero para imprimir los demás.`,
  checkTitle: (label) => `${label}: comprobación`,
  checkHow: 'Cuente las cartas y los puntos (A\u00a04, K\u00a03, Q\u00a02, J\u00a01) de cada bolsillo.',
  checkExactHow: (seat) => `Toque cada carta hallada en el bolsillo de ${seat}.`,
  checkStates: { unchecked: 'sin comprobar', ok: 'comprobado: correcto', fault: 'comprobado: erróneo' },
  summary: (count, ok, fault, unchecked) => `${boards(count)}: ${plural(ok, 'correcto', 'correctos')}, `
    + `${plural(fault, 'erróneo', 'erróneos')}, ${unchecked} sin comprobar`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Sin comprobar: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'vacío',

  firstSort: 'Ordene la baraja por palos, picas, corazones, diamantes, tréboles, cada uno del as al dos, y sosténgala '
    + 'boca abajo con el as de picas encima. La página dice a qué mano va cada carta que toma de arriba.',
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} y ${letters[3]} representan Norte, Este, Sur y Oeste: las letras de las manos en el archivo de salida.`,
  firstSymbolsUnset: 'Los símbolos de Ajustes son las letras de las manos en el archivo de salida.',
  // es: "pantalla de inicio", as an iPhone names it.
  homeScreen: 'Añada esta página a la pantalla de inicio: si no, Safari puede borrar el archivo guardado al cabo de una semana.',
  kept: 'Este archivo y su posición en él se guardan en este dispositivo.',
  notKept: 'Este navegador no guarda nada: al recargar se empieza de nuevo.',

  symbolsBytes: 'Cada símbolo es un byte: use letras o cifras simples.',
  symbolsMissing: (names) => `${names.join(' y ')} no ${names.length > 1 ? 'tienen' : 'tiene'} símbolo.`,
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
  checkGridLabel: 'Las cartas halladas en el bolsillo',

  // es: a pocket of the tablero is a "bolsillo".
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Cuente primero las cartas y los puntos de cada bolsillo.',
    ok: (label) => `${label}: todo está bien.`,
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      const counts = points === 0 ? `${pocket} tiene 14 cartas y ${owner} 12, los puntos bien`
        : `${pocket} tiene 14 cartas y ${off(points, 'punto', 'puntos')}, ${owner} 12 y ${points} de menos`;
      return `${counts}: ${rankWords[points]} de ${owner} está en el bolsillo de ${pocket}.`;
    },
    turned: ({ by }) => `El tablero está girado: la mano de Norte está en el bolsillo de ${seats[by]}.`,
    other: ({ label }) => `Estas son las manos de otro tablero: ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, 'carta', 'cartas'));
      if (points !== 0) parts.push(off(points, 'punto', 'puntos'));
      return `${seats[seat]} tiene ${parts.join(' y ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.length > 1 ? 'faltan' : 'falta'} ${missing.join(', ')}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} de más`);
      return parts.length === 0 ? `${seats[seat]}: todo está bien.` : `${seats[seat]}: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Cada carta está en su bolsillo.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Pase' : 'pase'} ${card} de ${seats[from]} a ${seats[to]}`))),
  },
};
