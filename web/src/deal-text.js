// A deal as text, the way PBN writes it.
import { CARDS, HANDS, SEATS, SUIT_COUNT, rankOf, suitOf } from './cards.js';

const RANKS = 'AKQJT98765432';

// "N:AKQ2.T9.... ... ... ...": North's hand first, then East, South and
// West, each as spades.hearts.diamonds.clubs from the ace down, T for the
// ten, nothing for a void. A card without a hand (code 4) is left out of
// all four, so two deals that differ still give two texts.
export function pbnDeal(hands) {
  const suits = Array.from({ length: HANDS }, () => new Array(SUIT_COUNT).fill(''));
  for (let card = 0; card < CARDS; ++card) {
    const hand = suits[hands[card]];
    if (hand !== undefined) hand[suitOf(card)] += RANKS[rankOf(card)];
  }
  return `${SEATS[0]}:${suits.map((hand) => hand.join('.')).join(' ')}`;
}
