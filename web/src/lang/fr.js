// The page's words in French (the fields of en.js).
import { counted, listOf, numberOf } from '../grammar.js';

// Plurals, lists and numbers as the platform writes them for French: 0 and
// 1 take the singular; "many" is for millions, written as the plural with
// digits.
const TAG = 'fr';
const plural = (count, one, other) => counted(TAG, count, { one, many: other, other });
const list = (items) => listOf(TAG, items);
const seats = ['Nord', 'Est', 'Sud', 'Ouest'];
const ranks = ['A', 'R', 'D', 'V', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
// "de Sud", but "d'Est", "d'Ouest".
const of = (name) => (/^[AEIOU]/.test(name) ? `d'${name}` : `de ${name}`);
const ofSeat = (seat) => of(seats[seat]);
const rankWords = ['une des petites cartes', 'un des valets', 'une des dames', 'un des rois', 'un des as'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} ${n > 0 ? 'de trop' : 'de moins'}`;
const sentence = (clauses) => `${clauses.join('\u00a0; ')}.`;
const cap = (text) => `${text[0].toUpperCase()}${text.slice(1)}`;
const boards = (count) => plural(count, 'donne', 'donnes');
// A board's label within a sentence, with its article: "la donne 7", "la 3e donne".
const theBoard = (label) => `la ${label[0].toLowerCase()}${label.slice(1)}`;
// The suits as a count names them: "2 piques de trop".
const suitCounts = [['pique', 'piques'], ['cœur', 'cœurs'], ['carreau', 'carreaux'], ['trèfle', 'trèfles']];
// What a total the pack cannot have counts.
const totalWords = {
  count: ['carte', 'cartes'], hcp: ['point', 'points'], spades: suitCounts[0], hearts: suitCounts[1], diamonds: suitCounts[2],
  clubs: suitCounts[3],
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Décalez chaque main d\'une poche dans le sens antihoraire.',
  'Échangez les mains de Nord et de Sud, et celles d\'Est et d\'Ouest.', 'Décalez chaque main d\'une poche dans le sens horaire.'];

export default {
  tag: 'fr',
  grammarTag: TAG,
  sentenceGap: ' ',
  seats,
  // fr: the seats' initials (Nord, Est, Sud, Ouest); the command line's R and D are the roi and the dame.
  handLetters: 'NESO',
  seatLetters: ['N', 'E', 'S', 'O'],
  noHand: 'aucune main',
  ranks,
  rankNames: ['as', 'roi', 'dame', 'valet', 'dix', 'neuf', 'huit', 'sept', 'six', 'cinq', 'quatre', 'trois', 'deux'],
  suitNames: ['pique', 'cœur', 'carreau', 'trèfle'],
  cardName: (rank, suit) => `${rank} de ${suit}`,
  vulnerabilities: { None: 'Personne', NS: 'NS', EW: 'EO', All: 'Tous' },

  // fr: a board is a "donne", as French duplicate numbers them; the case
  // that holds it is the "étui".
  board: (number) => `Donne ${number}`,
  boardRef: (number) => `donne ${number}`,
  deal: (index) => `${index}e donne`,
  dealer: (seat) => `Donneur ${seat}`,
  vul: (vulnerability) => `Vuln. ${vulnerability}`,
  copy: (copy, copies) => `copie ${copy} sur ${copies}`,
  boardCopy: (label, copy) => `${label}, copie ${copy}`,
  place: (position, length) => `(${position} sur ${length})`,
  boards,
  cards: (count) => plural(count, 'carte', 'cartes'),
  // fr: "H" for points d'honneur.
  hcp: (points) => `${points} H`,

  doneWord: 'terminé',
  numbers: ['zéro', 'un', 'deux', 'trois', 'quatre', 'cinq', 'six', 'sept', 'huit', 'neuf', 'dix', 'onze', 'douze',
    'treize'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Espace, Entrée ou un appui\u00a0: première carte',
  done: (label) => `${label} terminée`,
  nextPack: 'Dans l\'étui\u00a0; triez le jeu suivant.',
  allDealt: (count) => (count === 1 ? 'La donne est distribuée.' : `Les ${numberOf(TAG, count)} donnes sont distribuées.`),
  lastRead: 'Dernière donne lue',
  resumed: (label) => `Reprise à la ${label}`,
  goingTo: (digits) => `Donne ${digits} ↵`,
  noBoard: (number) => `Pas de donne ${number} dans cette séance.`,

  reading: (name, count) => (count === 0 ? `Lecture de ${name}\u2026`
    : `Lecture de ${name}\u00a0: ${boards(count)} jusqu'ici\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `Lu jusqu'au bout\u00a0: ${boards(count)}.`,
  stoppedAfter: (label, quoted) => `Lecture arrêtée après la ${label}\u00a0: ${quoted}`,
  noDeal: (quoted) => `Aucune donne lue\u00a0: ${quoted}`,
  broken: (name, message) => `La page n'a pas pu lire ${name}\u00a0: ${message}`,
  warningBefore: (quoted) => `Avant la première donne\u00a0: ${quoted}`,
  warningAfter: (label, quoted) => `Après la ${label}\u00a0: ${quoted}`,
  warningBetween: (before, after, quoted) => `Entre la ${before} et la ${after}\u00a0: ${quoted}`,
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // fr: "SA", sans atout, as French contracts are written (3SA), by the FFB as
  // in the French Wikipedia's bridge articles; "double mort" is double dummy,
  // a "dénomination" a strain, as the French laws name it.
  noTrump: 'SA',
  sides: ['Nord\u2013Sud', 'Est\u2013Ouest'],
  ddTableLabel: 'Levées de chaque déclarant dans chaque dénomination, en double mort',
  // "5♦ par Nord, contré, −2": "contré par Nord" would say that Nord doubled.
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract} par ${by}${doubled ? ', contré' : ''}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}\u00a0: ${contracts}`,
  passedOut: 'Par 0\u00a0: passe générale',
  analysing: (done, total) => `Analyse en double mort\u00a0: ${numberOf(TAG, done)} sur ${boards(total)}`,
  analysed: (total) => (total === 1 ? 'Analyse en double mort\u00a0: faite'
    : `Analyse en double mort\u00a0: les ${numberOf(TAG, total)} donnes`),
  analysisToCome: 'L\'analyse de cette donne est en cours.',
  notADeal: (label) => `${cap(theBoard(label))} n'est pas une vraie donne de bridge\u00a0: elle n'a pas d'analyse.`,
  solverFailed: (message) => `Le solveur n'a pas pu analyser cette donne\u00a0: ${message}`,
  exportPbn: 'Enregistrer un fichier PBN pour le classement',
  exportName: (stem) => `${stem} diagrammes`,
  // What the core's message means for the file: where is "La première
  // donne" or "La donne qui suit la donne 2".
  firstDeal: 'La première donne',
  dealAfter: (ref) => `La donne qui suit la ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} a ${plural(count, 'carte', 'cartes')} dans le fichier\u00a0: le fichier est tronqué ou endommagé.`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where} ne commence pas par N, E, S ou W\u00a0: le fichier est endommagé.`,
    notBridge: ({ label }) => `${cap(theBoard(label))} laisse une carte sans main, ou une main sans 13 cartes\u00a0: ne la distribuez pas à partir de ce fichier.`,
    noDocument: () => 'Ce n\'est pas un fichier DLM\u00a0: sa ligne [Document] manque.',
    boardNumber: ({ where }) => `${where} n'a pas de numéro de donne valable dans le fichier.`,
    noDeals: () => 'Le fichier ne contient aucune donne\u00a0: est-ce le bon fichier\u00a0?',
    unreadable: () => 'Le fichier n\'a pas pu être lu jusqu\'au bout.',
    garbled: ({ where }) => `${where} est mal écrite dans le fichier\u00a0: le fichier est endommagé.`,
  },
  endDone: 'Terminé',
  endStopped: 'Arrêté',
  endMarkDone: 'lu jusqu\'au bout',
  endMarkStopped: 'arrêté sur des données erronées',

  noFrom: (number) => `Pas de donne ${number} dans ce fichier\u00a0: distribution depuis la première donne.`,
  noTo: (number, after) => `Pas de donne ${number} après la donne ${after}\u00a0: distribution jusqu'à la dernière donne.`,
  copiesClamped: (most) => `Au plus ${most} copies\u00a0: on en distribue ${most}.`,
  printTooMany: (most, count) => `Choisissez d'abord la première et la dernière donne\u00a0: une impression contient au plus ${most} donnes, pas les ${numberOf(TAG, count)}.`,
  printCut: (most, count) => `Les ${most} premières donnes sur ${numberOf(TAG, count)}\u00a0: une impression en contient au plus ${most}. Choisissez la première et la dernière donne pour imprimer les autres.`,
  checkTitle: (label) => `${label}\u00a0: vérification`,
  checkHow: 'Comptez les cartes et les points (A\u00a04, R\u00a03, D\u00a02, V\u00a01) dans chaque poche.',
  checkExactHow: (seat) => `Touchez chaque carte trouvée dans la poche ${of(seat)}.`,
  // fr: a board found wrong is "faussée", as the French laws name a fouled board.
  checkStates: {
    unchecked: 'non vérifiée', ok: 'vérifiée\u00a0: juste', agree: 'vérifiée\u00a0: les comptes concordent',
    fault: 'vérifiée\u00a0: faussée',
  },
  // Boards whose counts agree are named only where there are some: "2 aux
  // comptes concordants", boards whose counts agree.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}\u00a0: ${[plural(ok, 'juste', 'justes'),
    ...(agree > 0 ? [`${numberOf(TAG, agree)} aux comptes concordants`] : []), plural(fault, 'faussée', 'faussées'),
    plural(unchecked, 'non vérifiée', 'non vérifiées')].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `${labels.length > 1 || more ? 'Non vérifiées' : 'Non vérifiée'}\u00a0: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `${labels.length > 1 || more ? 'Faussées' : 'Faussée'}\u00a0: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'vide',

  firstSort: 'Triez le jeu par couleur, pique, cœur, carreau, trèfle, chacune de l\'as jusqu\'au deux, et tenez-le face '
    + 'cachée, l\'as de pique dessus. La page dit à quelle main va chaque carte que vous prenez sur le dessus.',
  firstSymbols: (letters) => `${list(letters)} désignent Nord, Est, Sud et Ouest\u00a0: les lettres des mains dans le fichier de sortie.`,
  firstSymbolsUnset: 'Les symboles des Réglages sont les lettres des mains dans le fichier de sortie.',
  // fr: "écran d'accueil", as an iPhone names it.
  homeScreen: 'Ajoutez cette page à l\'écran d\'accueil\u00a0: sinon Safari peut effacer le fichier gardé au bout d\'une semaine.',
  kept: 'Ce fichier et votre place dans ce fichier sont gardés sur cet appareil.',
  notKept: 'Ce navigateur ne garde rien\u00a0: un rechargement repart de zéro.',

  symbolsBytes: 'Chaque symbole est un octet\u00a0: utilisez des lettres ou des chiffres simples.',
  symbolsMissing: (names) => `${list(names)} ${names.length > 1 ? 'n\'ont' : 'n\'a'} pas de symbole.`,
  symbolsShared: (a, b, symbol) => `${a} et ${b} partagent «\u00a0${symbol}\u00a0».`,
  symbolsQuestion: '«\u00a0?\u00a0» marque aussi une carte sans main.',
  // fr: "couleur" is a suit, so the cells' colours are "fonds".
  symbolsStill: 'Les fonds colorés, les barres et les noms distinguent toujours les mains.',

  title: 'Pipsweep\u00a0: les directions de distribution d\'un jeu trié',
  settingsHint: 'Réglages',
  setupLabel: 'Fichier de donnes et réglages',
  privateNote: 'Choisissez un fichier de donnes\u00a0: la page dit, carte par carte, à quelle main va chaque carte '
    + 'd\'un jeu trié. Le fichier est lu dans ce navigateur et rien n\'est envoyé nulle part.',
  offlineReady: 'Prête hors ligne\u00a0: cette page s\'ouvre et distribue ici sans réseau.',
  dealFile: 'Fichier de donnes (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'ou déposez un fichier sur la page',
  example: 'Ouvrir l\'exemple',
  newDeals: 'Nouvelles donnes',
  newDealsHow: 'Chaque donne entièrement au hasard, tirée de la source cryptographique de cet appareil\u00a0: rien d\'arrangé, '
    + 'rien de filtré.',
  newBoards: 'Donnes',
  newFirst: 'Première donne',
  makeDeals: 'Créer les donnes',
  noCrypto: 'Ce navigateur n\'a pas de source aléatoire cryptographique, il ne crée donc pas de donnes\u00a0: celles d\'une '
    + 'source plus faible pourraient être prévues.',
  newRange: (most) => `De 1 à ${most} donnes, la première numérotée 1 ou plus.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'Nouvelles donnes'} ${date}`,
  fingerprint: (print) => `Empreinte ${print}`,
  fingerprintLabel: (print) => `Empreinte de ces donnes\u00a0: ${print}`,
  // date: "8 décembre 2026".
  dealtBefore: (date) => `Toutes ces donnes ont déjà été distribuées sur cet appareil le ${date}. Les redistribuer\u00a0?`,
  dealtAgain: 'Les redistribuer',
  dealtOther: 'Un autre fichier',
  symbolsLabel: 'Symboles de Nord, Est, Sud, Ouest',
  sessionLegend: 'Séance',
  fromBoard: 'De la donne',
  toBoard: 'À la donne',
  copiesLabel: 'Copies',
  copyOrder: 'Ordre des copies',
  copyOrderBoard: 'les copies de chaque donne à la suite',
  copyOrderSet: 'toute la série une fois par copie',
  packLabel: 'Jeu',
  packSorted: 'trié\u00a0: as de pique en premier',
  packReversed: 'retourné\u00a0: deux de trèfle en premier',
  showHands: 'Montrer les mains (H)',
  blindLabel: 'Distribution à l\'aveugle\u00a0: seulement la carte et sa direction',
  runsLabel: 'Suites\u00a0: des cartes qui se suivent vers la même main font un seul pas',
  printLegend: 'Imprimer les donnes de la séance',
  printWhat: 'Quoi',
  printGrids: 'grilles de distribution',
  printHands: 'diagrammes des mains',
  printCurtain: 'fiches de main',
  eventLabel: 'Épreuve',
  dateLabel: 'Date',
  printButton: 'Imprimer',
  cuesLegend: 'Signaux à chaque carte',
  speakLabel: 'Dire la main',
  tonesLabel: 'Sons (Nord aigu, Sud grave, Est et Ouest entre les deux, de leur côté)',
  languageLabel: 'Langue',
  download: 'Télécharger _pipsweep.txt',
  consoleLabel: 'Console',
  dealingLabel: 'Distribution',
  boardsNav: 'Donnes',
  previousBoard: 'Donne précédente',
  nextBoard: 'Donne suivante',
  boardHead: 'Donne',
  boardTail: '',
  gridLabel: 'Grille de distribution\u00a0: la main de chaque carte\u00a0; un clic choisit une carte',
  handsLabel: 'Les quatre mains',
  keysHelp: 'Carte suivante\u00a0: Espace, Entrée, \u2192, une pédale ou un clic. Retour\u00a0: Retour arrière ou \u2190. '
    + 'Donne\u00a0: N, P, Début, Fin, ou son numéro et Entrée. Vérification\u00a0: C. Dessus des poches\u00a0: T.',
  touchHelp: 'Carte suivante\u00a0: un appui n\'importe où. Appui long sur une case\u00a0: cette carte. Donne\u00a0: un glissement de côté.',
  boardLineLabel: 'La ligne de la donne',
  packTop: 'dessus',
  packBottom: 'dessous',
  pocketTopsLabel: 'Sur le dessus de chaque poche',
  // fr: "Vérifier (C)", as English says "Check (C)" beside its "Check": short enough for the summary beside it on a phone.
  checkButton: 'Vérifier (C)',
  checkCards: 'Cartes',
  checkPoints: 'Points',
  checkSeatLabel: 'Poche',
  checkExact: 'Carte par carte',
  checkVerify: 'Vérifier',
  checkSuitsLabel: 'Longueurs des couleurs aussi',
  // fr: a board is dealt again, "redistribuée".
  redeal: 'Redistribuer',
  topsButton: 'Dessus (T)',
  checkGridLabel: 'Les cartes trouvées dans la poche',

  // fr: a pocket of the étui is a "poche". The check's sentences
  // (check-sentences.js puts them together); seats come as 0-3, cards as
  // labels ("♠R"), lists as French joins them.
  check: {
    // What the blind check judged by, with their articles: "Les cartes et les points concordent."
    judged: { count: 'les cartes', hcp: 'les points', suits: 'les longueurs des couleurs' },
    // "Pour Est et Ouest": no "de" to elide before a list.
    incomplete: (names) => `Pour ${names}, remplissez les mêmes cases que pour les autres poches.`,
    incompleteAll: 'Comptez d\'abord les cartes de chaque poche.',
    recount: ({
      counted: total, expected, field, names,
    }) => `${plural(total, ...totalWords[field])} en tout, et non ${expected}\u00a0: recomptez ${names}.`,
    recountSuits: (names) => `Pour ${names}, les longueurs des couleurs ne font pas le nombre de cartes\u00a0: recomptez.`,
    agree: (judged) => `${cap(judged)} concordent.`,
    alike: (a, b) => `Les mains ${ofSeat(a)} et ${ofSeat(b)} ont les mêmes comptes\u00a0: un échange ne se verrait pas.`,
    proveIt: 'Pour en être sûr, vérifiez trois poches carte par carte.',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket} a 14 cartes et ${owner} 12\u00a0: une des cartes ${of(owner)} est dans la poche ${of(pocket)}.`;
      const counts = points === 0 ? `${pocket} a 14 cartes et ${owner} 12, les points justes`
        : `${pocket} a 14 cartes et ${off(points, 'point', 'points')}, ${owner} 12 et ${points} de moins`;
      return `${counts}\u00a0: ${rankWords[points]} ${of(owner)} est dans la poche ${of(pocket)}.`;
    },
    // Pique, cœur, carreau and trèfle are all masculine: "un des".
    movedSuit: ({ from, to, suit }) => `Un des ${suitCounts[suit][1]} ${ofSeat(from)} est dans la poche ${ofSeat(to)}.`,
    // "La carte ♠D": the card's own gender would need its rank.
    movedCard: ({ from, to, card }) => `La carte ${card} ${ofSeat(from)} est dans la poche ${ofSeat(to)}\u00a0: rendez-la à ${seats[from]}.`,
    turned: ({ by }) => `L'étui est tourné\u00a0: la main de Nord est dans la poche ${ofSeat(by)}. ${turnBack[by]}`,
    exchanged: (a, b) => `les mains ${ofSeat(a)} et ${ofSeat(b)} sont échangées`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => {
      const pocket = `dans la poche ${ofSeat(cycle[(i + 1) % cycle.length])}`;
      return i === 0 ? `la main ${ofSeat(seat)} est ${pocket}` : `celle ${ofSeat(seat)} ${pocket}`;
    }).join(', '),
    swapped: (parts, pairs) => `${cap(parts.join('\u00a0; '))}\u00a0: ${pairs ? 'échangez les deux poches' : 'remettez chaque main dans sa poche'}.`,
    swappedPairs: (parts) => `${cap(parts.join(', et '))}\u00a0: échangez les poches deux à deux.`,
    mixed: 'Les mains sont dans de mauvaises poches, et les comptes ne disent pas lesquelles.',
    other: ({ label }) => `Ce sont les mains de ${theBoard(label)}\u00a0: redistribuez cette donne.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, 'carte', 'cartes'));
      if (by.hcp) parts.push(off(by.hcp, 'point', 'points'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], ...suitCounts[i]));
      }
      return `${seats[seat]} a ${list(parts)}`;
    })),
    tapFirst: (seat) => `Vérifiez d'abord la poche ${ofSeat(seat)} carte par carte.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `${seats[seat]} a ses propres cartes.`,
    pocketHolds: (seat, owner) => `La poche ${ofSeat(seat)} contient la main ${ofSeat(owner)}.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} ${missing.length > 1 ? 'manquent' : 'manque'}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} en trop`);
      return `${seats[seat]}\u00a0: ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `échangez les poches ${ofSeat(a)} et ${ofSeat(b)}`,
    actionHand: (pocket, seat) => `mettez la main de la poche ${ofSeat(pocket)} dans celle ${ofSeat(seat)}`,
    actionMove: (card, from, to) => `déplacez ${card} ${ofSeat(from)} à ${seats[to]}`,
    actions: (list) => sentence([cap(list[0]), ...list.slice(1)]),
    // ... and next.
    tapNext: (seat) => `Ensuite, touchez les cartes ${ofSeat(seat)}.`,
    proven: (label) => `${cap(theBoard(label))} est juste\u00a0: trois poches ont leurs propres cartes, la quatrième le reste.`,
  },
};
