// The page's words in Dutch (the fields of en.js).
import { counted, listOf, numberOf } from '../grammar.js';

// Plurals, lists and numbers as the platform writes them for Dutch.
const TAG = 'nl';
const plural = (count, one, other) => counted(TAG, count, { one, other });
const list = (items) => listOf(TAG, items);
const seats = ['Noord', 'Oost', 'Zuid', 'West'];
const ranks = ['A', 'H', 'V', 'B', '10', '9', '8', '7', '6', '5', '4', '3', '2'];
const suitNames = ['schoppen', 'harten', 'ruiten', 'klaveren'];
const rankWords = ['kleine kaarten', 'boeren', 'vrouwen', 'heren', 'azen'];
const off = (n, one, many) => `${plural(Math.abs(n), one, many)} te ${n > 0 ? 'veel' : 'weinig'}`;
const sentence = (clauses) => `${clauses.join('; ')}.`;
const cap = (text) => `${text[0].toUpperCase()}${text.slice(1)}`;
const boards = (count) => plural(count, 'spel', 'spellen');
// What a total the pack cannot have counts; a suit counted keeps its name:
// "12 schoppen".
const totalWords = {
  count: ['kaart', 'kaarten'], hcp: ['punt', 'punten'], spades: ['schoppen', 'schoppen'], hearts: ['harten', 'harten'],
  diamonds: ['ruiten', 'ruiten'], clubs: ['klaveren', 'klaveren'],
};
// The way back from a turn by 1, 2 or 3 seats.
const turnBack = ['', 'Schuif elke hand één vak tegen de klok in.', 'Verwissel de handen van Noord en Zuid, en die van Oost en West.',
  'Schuif elke hand één vak met de klok mee.'];

export default {
  tag: 'nl',
  grammarTag: TAG,
  sentenceGap: ' ',
  seats,
  // nl: the seats' initials (Noord, Oost, Zuid, West); none is an index of a Dutch card (A H V B).
  handLetters: 'NOZW',
  seatLetters: ['N', 'O', 'Z', 'W'],
  noHand: 'geen hand',
  ranks,
  rankNames: ['aas', 'heer', 'vrouw', 'boer', 'tien', 'negen', 'acht', 'zeven', 'zes', 'vijf', 'vier', 'drie', 'twee'],
  suitNames,
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
  allDealt: (count) => (count === 1 ? 'Het spel is gedeeld.' : `Alle ${numberOf(TAG, count)} spellen zijn gedeeld.`),
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
  // The double-dummy analysis: tricks by declarer and strain, and par.
  // nl: "SA", sans atout, as Dutch contracts are written (3SA), by the NBB as in
  // the Dutch Wikipedia's bridge articles; the declarer is the "leider", and a
  // dummy is a "dummy" in Dutch too.
  noTrump: 'SA',
  sides: ['Noord\u2013Zuid', 'Oost\u2013West'],
  ddTableLabel: 'Slagen die elke leider maakt in elke kleur en in SA, dubbeldummy',
  // "5♦ door Noord, gedoubleerd, −2": "gedoubleerd door Noord" would say that Noord doubled.
  parContract: ({
    contract, doubled, by, result,
  }) => `${contract} door ${by}${doubled ? ', gedoubleerd' : ''}${result === '' ? '' : `, ${result}`}`,
  par: (side, score, contracts) => `Par ${side} ${score === 0 ? '0' : `+${score}`}: ${contracts}`,
  passedOut: 'Par 0: rondgepast',
  analysing: (done, total) => `Dubbeldummyanalyse: ${numberOf(TAG, done)} van ${boards(total)}`,
  analysed: (total) => (total === 1 ? 'Dubbeldummyanalyse: klaar'
    : `Dubbeldummyanalyse: alle ${numberOf(TAG, total)} spellen`),
  analysisToCome: 'De analyse van dit spel komt eraan.',
  notADeal: (label) => `${cap(label)} is geen echt bridgespel: het heeft geen analyse.`,
  solverFailed: (message) => `Dit spel kon niet geanalyseerd worden: ${message}`,
  exportPbn: 'Sla een PBN-bestand op voor de uitslagverwerking',
  exportName: (stem) => `${stem} spelverdelingen`,
  // What the core's message means for the file: where is "Het eerste
  // spel" or "Het spel na spel 2".
  firstDeal: 'Het eerste spel',
  dealAfter: (ref) => `Het spel na ${ref}`,
  meanings: {
    cards: ({ where, count }) => `${where} heeft ${plural(count, 'kaart', 'kaarten')} in het bestand: het bestand is afgebroken of beschadigd.`,
    // The file's own letters, N E S W, whatever the language.
    direction: ({ where }) => `${where} begint niet met N, E, S of W: het bestand is beschadigd.`,
    notBridge: ({ label }) => `${label} geeft een kaart geen hand, of een hand geen 13 kaarten: deel het niet uit dit bestand.`,
    noDocument: () => 'Dit is geen DLM-bestand: de regel [Document] ontbreekt.',
    boardNumber: ({ where }) => `${where} heeft geen geldig spelnummer in het bestand.`,
    noDeals: () => 'Het bestand bevat geen spel: is het wel het juiste bestand?',
    unreadable: () => 'Het bestand kon niet tot het einde gelezen worden.',
    garbled: ({ where }) => `${where} staat verkeerd in het bestand: het bestand is beschadigd.`,
  },
  endDone: 'Klaar',
  endStopped: 'Gestopt',
  endMarkDone: 'tot het einde gelezen',
  endMarkStopped: 'gestopt bij foute gegevens',

  noFrom: (number) => `Geen spel ${number} in dit bestand: er wordt gedeeld vanaf het eerste spel.`,
  noTo: (number, after) => `Geen spel ${number} na spel ${after}: er wordt gedeeld tot het laatste spel.`,
  copiesClamped: (most) => `Hoogstens ${most} kopieën: er worden er ${most} gedeeld.`,
  printTooMany: (most, count) => `Kies eerst het eerste en het laatste spel: één afdruk bevat hoogstens ${most} spellen, niet alle ${numberOf(TAG, count)}.`,
  printCut: (most, count) => `De eerste ${most} van ${numberOf(TAG, count)} spellen: één afdruk bevat er hoogstens ${most}. Kies het eerste en het laatste spel om de andere af te drukken.`,
  checkTitle: (label) => `${label}: controle`,
  checkHow: 'Tel de kaarten en de punten (A\u00a04, H\u00a03, V\u00a02, B\u00a01) in elk vak.',
  checkExactHow: (seat) => `Tik op elke kaart die in het vak van ${seat} zit.`,
  checkStates: {
    unchecked: 'niet gecontroleerd', ok: 'gecontroleerd: klopt', agree: 'gecontroleerd: de telling klopt',
    fault: 'gecontroleerd: fout',
  },
  // Boards whose counts agree are named only where there are some.
  summary: (count, {
    ok, agree, fault, unchecked,
  }) => `${boards(count)}: ${[`${numberOf(TAG, ok)} goed`,
    ...(agree > 0 ? [plural(agree, 'klopt volgens telling', 'kloppen volgens telling')] : []), `${numberOf(TAG, fault)} fout`,
    `${numberOf(TAG, unchecked)} niet gecontroleerd`].join(', ')}`,
  // Between the summary and the boards not checked: a full stop.
  summaryThen: '. ',
  notChecked: (labels, more) => `Niet gecontroleerd: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  faulty: (labels, more) => `Fout: ${labels.join(', ')}${more ? ', \u2026' : ''}.`,
  emptyPocket: 'leeg',

  firstSort: 'Sorteer het pak per kleur, schoppen, harten, ruiten, klaveren, elke kleur van aas tot twee, en houd '
    + 'het met de beeldzijde naar beneden, de schoppenaas bovenop. De pagina noemt de hand van elke kaart die u er bovenaf pakt.',
  firstSymbols: (letters) => `${list(letters)} staan voor Noord, Oost, Zuid en West: de letters van de handen in het uitvoerbestand.`,
  firstSymbolsUnset: 'De symbolen onder Instellingen zijn de letters van de handen in het uitvoerbestand.',
  // nl: "beginscherm", as an iPhone names it.
  homeScreen: 'Zet deze pagina op het beginscherm: anders kan Safari het bewaarde bestand na een week wissen.',
  kept: 'Dit bestand en uw plaats erin blijven op dit apparaat bewaard.',
  notKept: 'Deze browser bewaart niets: herladen begint opnieuw.',

  symbolsBytes: 'Elk symbool is één byte: gebruik gewone letters of cijfers.',
  symbolsMissing: (names) => `${list(names)} ${names.length > 1 ? 'hebben' : 'heeft'} geen symbool.`,
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
  newDeals: 'Nieuwe spellen',
  newDealsHow: 'Elk spel geheel willekeurig, uit de cryptografische bron van dit apparaat: niets gestuurd, niets gefilterd.',
  newBoards: 'Spellen',
  newFirst: 'Eerste spel',
  makeDeals: 'Maak de spellen',
  noCrypto: 'Deze browser heeft geen cryptografische bron van toeval en maakt dus geen spellen: spellen uit een zwakkere '
    + 'bron zouden te voorspellen zijn.',
  newRange: (most) => `Van 1 tot ${most} spellen; het eerste heeft nummer 1 of hoger.`,
  // The name of a set made on the spot, as a file: its event and date.
  setName: (event, date) => `${event || 'Nieuwe spellen'} ${date}`,
  fingerprint: (print) => `Vingerafdruk ${print}`,
  fingerprintLabel: (print) => `Vingerafdruk van deze spellen: ${print}`,
  // date: "8 december 2026".
  dealtBefore: (date) => `Al deze spellen zijn op ${date} op dit apparaat gedeeld. Opnieuw delen?`,
  dealtAgain: 'Opnieuw delen',
  dealtOther: 'Een ander bestand',
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
  checkSuitsLabel: 'Ook kleurlengtes',
  redeal: 'Opnieuw delen',
  topsButton: 'Bovenop (T)',
  checkGridLabel: 'De kaarten in het vak',

  // nl: a pocket of the bord is a "vak". The check's sentences
  // (check-sentences.js puts them together): seats come as 0-3, cards as
  // labels ("♠H"), lists as Dutch joins them.
  check: {
    // What the blind check judged by: "De kaarten en de punten kloppen."
    judged: { count: 'de kaarten', hcp: 'de punten', suits: 'de kleurlengtes' },
    incomplete: (names) => `Vul voor ${names} dezelfde velden in als voor de andere vakken.`,
    incompleteAll: 'Tel eerst de kaarten van elk vak.',
    recount: ({
      counted: total, expected, field, names,
    }) => `${plural(total, ...totalWords[field])} in totaal, niet ${expected}: tel ${names} opnieuw.`,
    recountSuits: (names) => `Bij ${names} tellen de kleurlengtes niet op tot het aantal kaarten: tel opnieuw.`,
    agree: (judged) => `${cap(judged)} kloppen.`,
    alike: (a, b) => `De handen van ${seats[a]} en ${seats[b]} tellen gelijk: een verwisseling zou niet opvallen.`,
    proveIt: 'Controleer voor de zekerheid drie vakken per kaart.',
    moved: ({ from, to, points }) => {
      const [owner, pocket] = [seats[from], seats[to]];
      if (points === null) return `${pocket} heeft 14 kaarten en ${owner} 12: een van de kaarten van ${owner} zit in het vak van ${pocket}.`;
      const counts = points === 0 ? `${pocket} heeft 14 kaarten en ${owner} 12, de punten kloppen`
        : `${pocket} heeft 14 kaarten en ${off(points, 'punt', 'punten')}, ${owner} 12 en ${points} te weinig`;
      return `${counts}: een van de ${rankWords[points]} van ${owner} zit in het vak van ${pocket}.`;
    },
    movedSuit: ({ from, to, suit }) => `Een van de ${suitNames[suit]} van ${seats[from]} zit in het vak van ${seats[to]}.`,
    movedCard: ({ from, to, card }) => `De kaart ${card} van ${seats[from]} zit in het vak van ${seats[to]}: leg die terug bij ${seats[from]}.`,
    turned: ({ by }) => `Het bord is gedraaid: de hand van Noord zit in het vak van ${seats[by]}. ${turnBack[by]}`,
    exchanged: (a, b) => `de handen van ${seats[a]} en ${seats[b]} zijn verwisseld`,
    // A cycle: each seat's hand is in the next one's pocket.
    cycle: (cycle) => cycle.map((seat, i) => {
      const pocket = `in het vak van ${seats[cycle[(i + 1) % cycle.length]]}`;
      return i === 0 ? `de hand van ${seats[seat]} zit ${pocket}` : `die van ${seats[seat]} ${pocket}`;
    }).join(', '),
    swapped: (parts, pairs) => `${cap(parts.join('; '))}: ${pairs ? 'verwissel de twee vakken' : 'leg elke hand in haar eigen vak'}.`,
    swappedPairs: (parts) => `${cap(parts.join(', en '))}: verwissel de vakken per paar.`,
    mixed: 'De handen zitten in de verkeerde vakken, en de telling zegt niet in welke.',
    other: ({ label }) => `Dit zijn de handen van ${label}: deel dit spel opnieuw.`,
    differs: ({ seats: differ }) => sentence(differ.map(({ seat, off: by }) => {
      const parts = [];
      if (by.count) parts.push(off(by.count, 'kaart', 'kaarten'));
      if (by.hcp) parts.push(off(by.hcp, 'punt', 'punten'));
      for (const [i, field] of ['spades', 'hearts', 'diamonds', 'clubs'].entries()) {
        if (by[field]) parts.push(off(by[field], suitNames[i], suitNames[i]));
      }
      return `${seats[seat]} heeft ${list(parts)}`;
    })),
    tapFirst: (seat) => `Tik eerst de kaarten van ${seats[seat]} aan.`,
    // The exact check: what a pocket holds ...
    pocketRight: (seat) => `${seats[seat]} heeft de juiste kaarten.`,
    pocketHolds: (seat, owner) => `In het vak van ${seats[seat]} zit de hand van ${seats[owner]}.`,
    pocketOff: (seat, missing, extra) => {
      const parts = [];
      if (missing.length > 0) parts.push(`${missing.join(', ')} ${missing.length > 1 ? 'ontbreken' : 'ontbreekt'}`);
      if (extra.length > 0) parts.push(`${extra.join(', ')} te veel`);
      return `${seats[seat]}: ${sentence(parts)}`;
    },
    // ... what to do, one action a pocket or a card ...
    actionExchange: ([a, b]) => `verwissel de vakken van ${seats[a]} en ${seats[b]}`,
    actionHand: (pocket, seat) => `leg de hand uit het vak van ${seats[pocket]} in dat van ${seats[seat]}`,
    actionMove: (card, from, to) => `verplaats ${card} van ${seats[from]} naar ${seats[to]}`,
    actions: (list) => sentence([cap(list[0]), ...list.slice(1)]),
    // ... and next.
    tapNext: (seat) => `Tik daarna de kaarten van ${seats[seat]} aan.`,
    proven: (label) => `${label} klopt: drie vakken hebben hun eigen kaarten, het vierde de rest.`,
  },
};
