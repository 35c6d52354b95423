// What the page calls things, in the director's language, with no drawing:
// a board ("Board 7", "board 7" within a sentence, "deal 3" without a
// number), a card ("♠A" on the panel, "ace of spades" to a screen reader),
// a hand, and a board's dealer and vulnerability.
import {
  NO_HAND, SEATS, SUIT_SYMBOLS, rankOf, suitOf,
} from './cards.js';
import { alternativesOf } from './grammar.js';
import { boardMarks } from './session.js';

// "Board 7", or "deal 3" for a deal without a number.
export function boardLabel(deals, deal, words) {
  const number = deals.number(deal);
  return number === 0 ? words.deal(deal + 1) : words.board(number);
}

// "board 7" within a sentence.
export function boardRef(deals, deal, words) {
  const number = deals.number(deal);
  return number === 0 ? words.deal(deal + 1) : words.boardRef(number);
}

// The board's dealer and vulnerability: the file's, else its number's.
export const marksOf = (deals, deal) => boardMarks(deals.number(deal), deals.dealer(deal), deals.vulnerability(deal));

// "ace of spades", as a screen reader says a card.
export const cardName = (card, words) => words.cardName(words.rankNames[rankOf(card)], words.suitNames[suitOf(card)]);
// "♠A", as the panel and the check show a card.
export const cardLabel = (card, words) => `${SUIT_SYMBOLS[suitOf(card)]}${words.ranks[rankOf(card)]}`;
export const handName = (hand, words) => (hand === NO_HAND ? words.noHand : words.seats[hand]);

// "Dealer N" and "Vul NS" as a board shows them; '' where a board has none.
export const dealerText = (marks, words) => (marks.dealer === ''
  ? '' : words.dealer(words.seatLetters[SEATS.indexOf(marks.dealer)]));
export const vulnerabilityText = (marks, words) => (marks.vulnerability === ''
  ? '' : words.vul(words.vulnerabilities[marks.vulnerability]));

// A strain as a hand record shows it: the language's no trump, or the suit's sign.
export const strainLabel = (strain, words) => (strain === 0 ? words.noTrump : SUIT_SYMBOLS[strain - 1]);

// A side or a player as the par names them: "East–West", "North".
function declarerName(declarers, words) {
  if (declarers.length === 1) return words.seats[declarers[0]];
  return words.sides[declarers[0] % 2];
}

// The par of a board in words: its score from the side that scores it,
// and its contract(s), "3NT by East–West, +1".
export function parText(par, words) {
  if (par.contracts.length === 0) return words.passedOut;
  const contracts = par.contracts.map(({
    level, strain, declarers, doubled, overtricks, undertricks,
  }) => words.parContract({
    contract: `${level}${strainLabel(strain, words)}`, doubled, by: declarerName(declarers, words),
    result: undertricks > 0 ? `\u2212${undertricks}` : overtricks > 0 ? `+${overtricks}` : '',
  }));
  return words.par(words.sides[par.ns >= 0 ? 0 : 1], Math.abs(par.ns), alternativesOf(words.grammarTag, contracts));
}
