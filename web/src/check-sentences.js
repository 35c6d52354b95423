// The board check's findings (check.js) said in the director's language:
// what was found, then the one thing to do next. Pure: the words come from
// the language's table, lists from the language's own list format.
import { SUIT_FIELDS } from './cards.js';
import { cardLabel } from './names.js';
import { listOf } from './grammar.js';

const seatList = (words, seats) => listOf(words.grammarTag, seats.map((seat) => words.seats[seat]));

// Each seat's hand lies in the pocket that holds it: the cycles of seats
// whose hands went round, each from its lowest seat. holds[pocket] is the
// seat whose hand that pocket has.
export function cyclesOf(holds) {
  const cycles = [];
  const seen = new Set();
  for (const start of holds.keys()) {
    if (seen.has(start) || holds[start] === start) continue;
    const cycle = [];
    // start's hand lies in the pocket that holds start, and so on round.
    for (let seat = start; !seen.has(seat); seat = holds.indexOf(seat)) {
      seen.add(seat);
      cycle.push(seat);
    }
    cycles.push(cycle);
  }
  return cycles;
}

function judgedText(judged, words) {
  const parts = ['count', 'hcp'].filter((field) => judged.includes(field)).map((field) => words.check.judged[field]);
  if (SUIT_FIELDS.some((field) => judged.includes(field))) parts.push(words.check.judged.suits);
  return listOf(words.grammarTag, parts);
}

function swappedText({ holds, sure }, words) {
  const c = words.check;
  const cycles = cyclesOf(holds);
  if (!sure) {
    const first = holds.findIndex((seat, pocket) => seat !== pocket);
    return [c.mixed, c.tapFirst(first)].join(words.sentenceGap);
  }
  if (cycles.every((cycle) => cycle.length === 2)) {
    const parts = cycles.map(([a, b]) => c.exchanged(a, b));
    return parts.length === 1 ? c.swapped(parts, true) : c.swappedPairs(parts);
  }
  return c.swapped(cycles.map((cycle) => c.cycle(cycle)), false);
}

function movedText(result, words) {
  const c = words.check;
  if (result.card >= 0) return c.movedCard({ ...result, card: cardLabel(result.card, words) });
  const found = result.points === null && result.suit >= 0 ? c.movedSuit(result) : c.moved(result);
  return [found, c.tapFirst(result.to)].join(words.sentenceGap);
}

// The blind check's answer as one text. label: what the page calls the
// board; labelOf(deal) names another deal.
export function blindText(result, words, label, labelOf) {
  const c = words.check;
  switch (result.verdict) {
    case 'incomplete':
      return result.seats.length === 4 ? c.incompleteAll : c.incomplete(seatList(words, result.seats));
    case 'recount':
      return result.field === 'suits' ? c.recountSuits(seatList(words, result.seats))
        : c.recount({ ...result, names: seatList(words, result.seats) });
    case 'agree':
      return [c.agree(judgedText(result.judged, words)), ...result.alike.map(([a, b]) => c.alike(a, b)), c.proveIt]
        .join(words.sentenceGap);
    default:
  }
  switch (result.kind) {
    case 'moved': return movedText(result, words);
    case 'turned': return c.turned(result);
    case 'swapped': return swappedText(result, words);
    case 'other': return c.other({ label: labelOf(result.deal) });
    default: return [c.differs(result), c.tapFirst(result.first)].join(words.sentenceGap);
  }
}

// The exact check's answer (check.assess) as one text: each pocket typed,
// then what to do, or which pocket to tap next.
export function exactText(assessment, words, label) {
  const c = words.check;
  if (assessment.verdict === 'ok') return c.proven(label);
  const cards = (list) => list.map((card) => cardLabel(card, words));
  const pockets = assessment.pockets.map((pocket) => {
    if (pocket.holds >= 0) return c.pocketHolds(pocket.seat, pocket.holds);
    if (pocket.missing.length === 0 && pocket.extra.length === 0) return c.pocketRight(pocket.seat);
    return c.pocketOff(pocket.seat, cards(pocket.missing), cards(pocket.extra));
  });
  const actions = assessment.actions.map((action) => {
    if (action.kind === 'exchange') return c.actionExchange(action.seats);
    if (action.kind === 'hand') return c.actionHand(action.pocket, action.seat);
    return c.actionMove(cardLabel(action.card, words), action.from, action.to);
  });
  const parts = [...pockets];
  if (actions.length > 0) parts.push(c.actions(actions));
  if (assessment.next >= 0) parts.push(c.tapNext(assessment.next));
  return parts.join(words.sentenceGap);
}
