// The page's words in French (the fields of en.js).
import { SUIT_SYMBOLS } from '../cards.js';

// French counts 0 and 1 in the singular.
const plural = (count, one, many) => `${count} ${count < 2 ? one : many}`;
const seats = ['Nord', 'Est', 'Sud', 'Ouest'];
const ranks = ['A', 'R', 'D', 'V', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
// "de Sud", but "d'Est", "d'Ouest".
const of = (name) => (/^[AEIOU]/.test(name) ? `d'${name}` : `de ${name}`);
const rankWords = ['une des petites cartes', 'un des valets', 'une des dames', 'un des rois', 'un des as'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} ${n > 0 ? 'de trop' : 'de moins'}`;
const sentence = (clauses) => `${clauses.join(' ; ')}.`;
const boards = (count) => plural(count, 'donne', 'donnes');

export default {
  tag: 'fr',
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
  allDealt: (count) => (count === 1 ? 'La donne est distribuée.' : `Les ${count} donnes sont distribuées.`),
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
  endDone: 'Terminé',
  endStopped: 'Arrêté',
  endMarkDone: 'lu jusqu\'au bout',
  endMarkStopped: 'arrêté sur des données erronées',

  noFrom: (number) => `Pas de donne ${number} dans ce fichier\u00a0: distribution depuis la première donne.`,
  noTo: (number, after) => `Pas de donne ${number} après la donne ${after}\u00a0: distribution jusqu'à la dernière donne.`,
  copiesClamped: (most) => `Au plus ${most} copies\u00a0: on en distribue ${most}.`,
  printTooMany: (most, count) => `Choisissez d'abord la première et la dernière donne\u00a0: une impression contient au plus ${most} donnes, pas les ${count}.`,
  printCut: (most, count) => `Les ${most} premières donnes sur ${count}\u00a0: une impression en contient au plus ${most}. Choisissez la première et la dernière donne pour imprimer les autres.`,
  checkTitle: (label) => `${label}\u00a0: vérification`,
  checkHow: 'Comptez les cartes et les points (A\u00a04, R\u00a03, D\u00a02, V\u00a01) dans chaque poche.',
  checkExactHow: (seat) => `Touchez chaque carte trouvée dans la poche ${of(seat)}.`,
  // fr: a board found wrong is "faussée", as the French laws name a fouled board.
  checkStates: { unchecked: 'non vérifiée', ok: 'vérifiée\u00a0: juste', fault: 'vérifiée\u00a0: faussée' },
  summary: (count, ok, fault, unchecked) => `${boards(count)}\u00a0: ${plural(ok, 'juste', 'justes')}, `
    + `${plural(fault, 'faussée', 'faussées')}, ${plural(unchecked, 'non vérifiée', 'non vérifiées')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `${labels.length > 1 || more ? 'Non vérifiées' : 'Non vérifiée'}\u00a0: `
    + `${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'vide',

  firstSort: 'Triez le jeu par couleur, pique, cœur, carreau, trèfle, chacune de l\'as jusqu\'au deux, et tenez-le face '
    + 'cachée, l\'as de pique dessus. La page dit à quelle main va chaque carte que vous prenez sur le dessus.',
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} et ${letters[3]} désignent Nord, Est, Sud et Ouest\u00a0: les lettres des mains dans le fichier de sortie.`,
  firstSymbolsUnset: 'Les symboles des Réglages sont les lettres des mains dans le fichier de sortie.',
  // fr: "écran d'accueil", as an iPhone names it.
  homeScreen: 'Ajoutez cette page à l\'écran d\'accueil\u00a0: sinon Safari peut effacer le fichier gardé au bout d\'une semaine.',
  kept: 'Ce fichier et votre place dans ce fichier sont gardés sur cet appareil.',
  notKept: 'Ce navigateur ne garde rien\u00a0: un rechargement repart de zéro.',

  symbolsBytes: 'Chaque symbole est un octet\u00a0: utilisez des lettres ou des chiffres simples.',
  symbolsMissing: (names) => `${names.join(' et ')} ${names.length > 1 ? 'n\'ont' : 'n\'a'} pas de symbole.`,
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
  // fr: "Vérification (C)", as the help names the key: short enough for the summary beside it on a phone.
  checkButton: 'Vérification (C)',
  checkCards: 'Cartes',
  checkPoints: 'Points',
  checkSeatLabel: 'Poche',
  checkExact: 'Carte par carte',
  checkVerify: 'Vérifier',
  checkGridLabel: 'Les cartes trouvées dans la poche',

  // fr: a pocket of the étui is a "poche".
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Comptez d\'abord les cartes et les points de chaque poche.',
    ok: (label) => `${label}\u00a0: tout est juste.`,
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      const counts = points === 0 ? `${pocket} a 14 cartes et ${owner} 12, les points justes`
        : `${pocket} a 14 cartes et ${off(points, 'point', 'points')}, ${owner} 12 et ${points} de moins`;
      return `${counts}\u00a0: ${rankWords[points]} ${of(owner)} est dans la poche ${of(pocket)}.`;
    },
    turned: ({ by }) => `L'étui est tourné\u00a0: la main de Nord est dans la poche ${of(seats[by])}.`,
    other: ({ label }) => `Ce sont les mains d'une autre donne\u00a0: ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, 'carte', 'cartes'));
      if (points !== 0) parts.push(off(points, 'point', 'points'));
      return `${seats[seat]} a ${parts.join(' et ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} ${missing.length > 1 ? 'manquent' : 'manque'}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} en trop`);
      return parts.length === 0 ? `${seats[seat]}\u00a0: tout est juste.` : `${seats[seat]}\u00a0: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Chaque carte est dans sa poche.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Déplacez' : 'déplacez'} ${card} ${of(seats[from])} à ${seats[to]}`))),
  },
};
