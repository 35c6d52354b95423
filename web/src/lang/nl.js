// The page's words in Dutch (the fields of en.js).
import { SUIT_SYMBOLS } from '../cards.js';

const plural = (count, one, many) => `${count} ${count === 1 ? one : many}`;
const seats = ['Noord', 'Oost', 'Zuid', 'West'];
const ranks = ['A', 'H', 'V', 'B', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const rankWords = ['kleine kaarten', 'boeren', 'vrouwen', 'heren', 'azen'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} te ${n > 0 ? 'veel' : 'weinig'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const boards = (count) => plural(count, 'spel', 'spellen');

export default {
  tag: 'nl',
  seats,
  // nl: the seats' initials (Noord, Oost, Zuid, West); none is an index of a Dutch card (A H V B).
  handLetters: 'NOZW',
  seatLetters: ['N', 'O', 'Z', 'W'],
  noHand: 'geen hand',
  ranks,
  rankNames: ['aas', 'heer', 'vrouw', 'boer', 'tien', 'negen', 'acht', 'zeven', 'zes', 'vijf', 'vier', 'drie', 'twee'],
  suitNames: ['schoppen', 'harten', 'ruiten', 'klaveren'],
  // nl: one word, "schoppenaas", as Dutch names a card.
  cardName: (rank, suit) => `${suit}${rank}`,
  vulnerabilities: { None: 'geen', NS: 'NZ', EW: 'OW', All: 'allen' },

  // nl: a board is a "spel", as Dutch clubs number them; the tray is the "bord".
  board: (number) => `Spel ${number}`,
  boardRef: (number) => `spel ${number}`,
  deal: (index) => `${index}e spel`,
  dealer: (seat) => `Gever ${seat}`,
  vul: (vulnerability) => `Kwetsbaar: ${vulnerability}`,
  copy: (copy, copies) => `kopie ${copy} van ${copies}`,
  boardCopy: (label, copy) => `${label}, kopie ${copy}`,
  place: (position, length) => `(${position} van ${length})`,
  boards,
  cards: (count) => plural(count, 'kaart', 'kaarten'),
  hcp: (points) => plural(points, 'punt', 'punten'),

  doneWord: 'klaar',
  numbers: ['nul', 'een', 'twee', 'drie', 'vier', 'vijf', 'zes', 'zeven', 'acht', 'negen', 'tien', 'elf', 'twaalf',
    'dertien'],
  runSpoken(name, count) { return `${name}, ${this.numbers[count]}`; },

  firstCard: 'Spatie, Enter of een tik: eerste kaart',
  done: (label) => `${label} klaar`,
  nextPack: 'In het bord; sorteer het volgende pak kaarten.',
  allDealt: (count) => (count === 1 ? 'Het spel is gedeeld.' : `Alle ${count} spellen zijn gedeeld.`),
  lastRead: 'Laatst gelezen spel',
  resumed: (label) => `Verder bij ${label}`,
  goingTo: (digits) => `Spel ${digits} ↵`,
  noBoard: (number) => `Geen spel ${number} in deze zitting.`,

  reading: (name, count) => (count === 0 ? `${name} wordt gelezen\u2026`
    : `${name} wordt gelezen: tot nu toe ${boards(count)}\u2026`),
  readSoFar: (count) => `${boards(count)}\u2026`,
  readToEnd: (count) => `Tot het einde gelezen: ${boards(count)}.`,
  stoppedAfter: (label, quoted) => `Lezen gestopt na ${label}: ${quoted}`,
  noDeal: (quoted) => `Geen spel gelezen: ${quoted}`,
  broken: (name, message) => `De pagina kon ${name} niet lezen: ${message}`,
  warningBefore: (quoted) => `Voor het eerste spel: ${quoted}`,
  warningAfter: (label, quoted) => `Na ${label}: ${quoted}`,
  warningBetween: (before, after, quoted) => `Tussen ${before} en ${after}: ${quoted}`,
  endDone: 'Klaar',
  endStopped: 'Gestopt',
  endMarkDone: 'tot het einde gelezen',
  endMarkStopped: 'gestopt bij foute gegevens',

  noFrom: (number) => `Geen spel ${number} in dit bestand: er wordt gedeeld vanaf het eerste spel.`,
  noTo: (number, after) => `Geen spel ${number} na spel ${after}: er wordt gedeeld tot het laatste spel.`,
  copiesClamped: (most) => `Hoogstens ${most} kopieën: er worden er ${most} gedeeld.`,
  printTooMany: (most, count) => `Kies eerst het eerste en het laatste spel: één afdruk bevat hoogstens ${most} spellen, niet alle ${count}.`,
  printCut: (most, count) => `De eerste ${most} van ${count} spellen: één afdruk bevat er hoogstens ${most}. Kies het eerste en het laatste spel om de andere af te drukken.`,
  checkTitle: (label) => `${label}: controle`,
  checkHow: 'Tel de kaarten en de punten (A\u00a04, H\u00a03, V\u00a02, B\u00a01) in elk vak.',
  checkExactHow: (seat) => `Tik op elke kaart die in het vak van ${seat} zit.`,
  checkStates: { unchecked: 'niet gecontroleerd', ok: 'gecontroleerd: klopt', fault: 'gecontroleerd: fout' },
  summary: (count, ok, fault, unchecked) => `${boards(count)}: ${ok} goed, ${fault} fout, ${unchecked} niet gecontroleerd`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Niet gecontroleerd: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'leeg',

  firstSort: 'Sorteer het pak per kleur, schoppen, harten, ruiten, klaveren, elke kleur van aas tot twee, en houd '
    + 'het met de beeldzijde naar beneden, de schoppenaas bovenop. De pagina noemt de hand van elke kaart die u er bovenaf pakt.',
  firstSymbols: (letters) => `${letters.slice(0, 3).join(', ')} en ${letters[3]} staan voor Noord, Oost, Zuid en West: de letters van de handen in het uitvoerbestand.`,
  firstSymbolsUnset: 'De symbolen onder Instellingen zijn de letters van de handen in het uitvoerbestand.',
  // nl: "beginscherm", as an iPhone names it.
  homeScreen: 'Zet deze pagina op het beginscherm: anders kan Safari het bewaarde bestand na een week wissen.',
  kept: 'Dit bestand en uw plaats erin blijven op dit apparaat bewaard.',
  notKept: 'Deze browser bewaart niets: herladen begint opnieuw.',

  symbolsBytes: 'Elk symbool is één byte: gebruik gewone letters of cijfers.',
  symbolsMissing: (names) => `${names.join(' en ')} ${names.length > 1 ? 'hebben' : 'heeft'} geen symbool.`,
  symbolsShared: (a, b, symbol) => `${a} en ${b} delen \u201e${symbol}\u201d.`,
  symbolsQuestion: '\u201e?\u201d markeert ook een kaart zonder hand.',
  // nl: "kleur" is a suit, so the cells' colours are their backgrounds.
  symbolsStill: 'De achtergronden, strepen en namen onderscheiden de handen nog steeds.',

  title: 'Pipsweep: deelaanwijzingen voor een gesorteerd pak kaarten',
  settingsHint: 'Instellingen',
  setupLabel: 'Bestand met spellen en instellingen',
  privateNote: 'Kies een bestand met spellen: de pagina zegt kaart voor kaart naar welke hand elke kaart van een '
    + 'gesorteerd pak gaat. Het bestand wordt in deze browser gelezen en er wordt niets verstuurd.',
  offlineReady: 'Klaar voor gebruik zonder internet: deze pagina opent en deelt hier zonder netwerk.',
  dealFile: 'Bestand met spellen (.pbn .dup .bri .dlm .csv .dge)',
  dropHint: 'of sleep een bestand naar de pagina',
  example: 'Open het voorbeeld',
  symbolsLabel: 'Symbolen voor Noord, Oost, Zuid, West',
  sessionLegend: 'Zitting',
  fromBoard: 'Van spel',
  toBoard: 'Tot spel',
  copiesLabel: 'Kopieën',
  copyOrder: 'Volgorde van de kopieën',
  copyOrderBoard: 'de kopieën van elk spel na elkaar',
  copyOrderSet: 'de hele reeks eenmaal per kopie',
  packLabel: 'Pak',
  packSorted: 'gesorteerd: schoppenaas eerst',
  packReversed: 'omgedraaid: klaverentwee eerst',
  showHands: 'Toon de handen (H)',
  blindLabel: 'Blind delen: alleen de kaart en haar richting',
  runsLabel: 'Reeksen: opeenvolgende kaarten naar dezelfde hand zijn één stap',
  printLegend: 'Druk de spellen van de zitting af',
  printWhat: 'Wat',
  printGrids: 'deelroosters',
  printHands: 'spelverdelingen',
  printCurtain: 'handkaartjes',
  eventLabel: 'Evenement',
  dateLabel: 'Datum',
  printButton: 'Afdrukken',
  cuesLegend: 'Signalen bij elke kaart',
  speakLabel: 'Zeg de hand',
  tonesLabel: 'Tonen (Noord hoog, Zuid laag, Oost en West ertussen, aan hun kant)',
  languageLabel: 'Taal',
  download: 'Download _pipsweep.txt',
  consoleLabel: 'Console',
  dealingLabel: 'Delen',
  boardsNav: 'Spellen',
  previousBoard: 'Vorig spel',
  nextBoard: 'Volgend spel',
  boardHead: 'Spel',
  boardTail: '',
  gridLabel: 'Deelrooster: de hand van elke kaart; een klik kiest een kaart',
  handsLabel: 'De vier handen',
  keysHelp: 'Volgende kaart: spatie, Enter, \u2192, een pedaal of een klik. Terug: Backspace of \u2190. '
    + 'Spel: N, P, Home, End, of het nummer en Enter. Controle: C. Bovenop de vakken: T.',
  touchHelp: 'Volgende kaart: ergens tikken. Een vakje vasthouden: die kaart. Spel: opzij vegen.',
  boardLineLabel: 'De regel van het spel',
  packTop: 'boven',
  packBottom: 'onder',
  pocketTopsLabel: 'Bovenop elk vak',
  // nl: "Controle (C)" as the help names the key, "Vak" and "Per kaart": the check fits a phone's width.
  checkButton: 'Controle (C)',
  checkCards: 'Kaarten',
  checkPoints: 'Punten',
  checkSeatLabel: 'Vak',
  checkExact: 'Per kaart',
  checkVerify: 'Controleer',
  checkGridLabel: 'De kaarten in het vak',

  // nl: a pocket of the bord is a "vak".
  check: {
    suits: SUIT_SYMBOLS,
    ranks,
    incomplete: () => 'Tel eerst de kaarten en punten van elk vak.',
    ok: (label) => `${label} klopt.`,
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      const counts = points === 0 ? `${pocket} heeft 14 kaarten en ${owner} 12, de punten kloppen`
        : `${pocket} heeft 14 kaarten en ${off(points, 'punt', 'punten')}, ${owner} 12 en ${points} te weinig`;
      return `${counts}: een van de ${rankWords[points]} van ${owner} zit in het vak van ${pocket}.`;
    },
    turned: ({ by }) => `Het bord is gedraaid: de hand van Noord zit in het vak van ${seats[by]}.`,
    other: ({ label }) => `Dit zijn de handen van ${label}.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, cards, points }) => {
      const parts = [];
      if (cards !== 0) parts.push(off(cards, 'kaart', 'kaarten'));
      if (points !== 0) parts.push(off(points, 'punt', 'punten'));
      return `${seats[seat]} heeft ${parts.join(' en ')}`;
    })),
    exact: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} ${missing.length > 1 ? 'ontbreken' : 'ontbreekt'}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} te veel`);
      return parts.length === 0 ? `${seats[seat]} klopt.` : `${seats[seat]}: ${sentence(parts)}`;
    },
    moves: (list) => (list.length === 0 ? 'Elke kaart zit in haar eigen vak.' : sentence(list.map(
      ({ card, from, to }, i) => `${i === 0 ? 'Verplaats' : 'verplaats'} ${card} van ${seats[from]} naar ${seats[to]}`))),
  },
};
