// The pack as every page module counts it: card = suit * RANK_COUNT + rank,
// the suits spades, hearts, diamonds, clubs and the ranks ace down to two,
// the order of a sorted pack. A board is 52 hand codes, one a card.

export const SUIT_COUNT = 4;
export const RANK_COUNT = 13;
export const CARDS = SUIT_COUNT * RANK_COUNT;
// Seats North, East, South, West are hand codes 0 to 3.
export const HANDS = 4;
// The code of a card the deal does not place.
export const NO_HAND = HANDS;

// High-card points by rank: ace 4, king 3, queen 2, jack 1; lower ranks 0.
export const POINTS = Object.freeze([4, 3, 2, 1]);

export const suitOf = (card) => Math.floor(card / RANK_COUNT);
export const rankOf = (card) => card % RANK_COUNT;
export const pointsOf = (card) => POINTS[rankOf(card)] ?? 0;

// What a director can count of each seat's pocket without looking at the
// faces twice: its cards and its points, seats in order N E S W.
export function handSummary(hands) {
  const summary = Array.from({ length: HANDS }, () => ({ count: 0, hcp: 0 }));
  for (let card = 0; card < CARDS; ++card) {
    const seat = summary[hands[card]];
    if (seat === undefined) continue; // a card no hand holds
    seat.count += 1;
    seat.hcp += pointsOf(card);
  }
  return summary;
}
