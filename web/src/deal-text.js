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

// The first value of each tag named that a PBN file's text gives, as
// { Event: 'Club pairs', ... }; a tag the text lacks is left out.
export function firstTags(text, names) {
  const found = {};
  for (const match of text.matchAll(/\[(\w+) "((?:[^"\\]|\\.)*)"\]/g)) {
    const [, name, value] = match;
    if (names.includes(name) && !(name in found)) found[name] = value.replace(/\\(.)/g, '$1');
  }
  return found;
}

// A date as PBN writes it, YYYY.MM.DD, from one typed as 2026-12-08 or
// 2026.12.08; PBN's "????.??.??" for an unknown one or another form.
export function pbnDate(text) {
  const match = /^\s*(\d{4})[.-](\d\d)[.-](\d\d)\s*$/.exec(text);
  return match === null ? '????.??.??' : `${match[1]}.${match[2]}.${match[3]}`;
}
