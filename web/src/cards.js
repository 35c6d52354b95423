// The pack as every part of the page counts it: a card's index is its place
// in the sorted pack, suit * 13 + rank, suits spades, hearts, diamonds,
// clubs, ranks ace down to two; the ace of spades is 0, the two of clubs 51.
// A hand code is 0 North, 1 East, 2 South, 3 West, 4 for a card without one.

export const SUIT_COUNT = 4;
export const RANK_COUNT = 13;
export const CARDS = SUIT_COUNT * RANK_COUNT;
export const HANDS = 4;
export const NO_HAND = 4;
export const SEATS = ['N', 'E', 'S', 'W'];
export const SUIT_SYMBOLS = ['\u2660', '\u2665', '\u2666', '\u2663'];
export const SUIT_LETTERS = ['S', 'H', 'D', 'C'];
export const RED_SUITS = [false, true, true, false];
// High-card points of ace, king, queen and jack.
export const POINTS = [4, 3, 2, 1];

export const suitOf = (card) => Math.floor(card / RANK_COUNT);
export const rankOf = (card) => card % RANK_COUNT;
export const pointsOf = (card) => POINTS[rankOf(card)] ?? 0;

// The length of each suit in a hand, spades to clubs, by these names.
export const SUIT_FIELDS = ['spades', 'hearts', 'diamonds', 'clubs'];

// Each seat's hand, North to West, as a director counts a pocket: cards,
// points and the length of each suit.
export function measure(hands) {
  const seats = SEATS.map(() => ({
    count: 0, hcp: 0, spades: 0, hearts: 0, diamonds: 0, clubs: 0,
  }));
  for (let card = 0; card < CARDS; ++card) {
    const seat = seats[hands[card]];
    if (seat === undefined) continue; // a card no hand holds
    seat.count += 1;
    seat.hcp += pointsOf(card);
    seat[SUIT_FIELDS[suitOf(card)]] += 1;
  }
  return seats;
}

// Cards and points of each seat, North to West.
export const handSummary = (hands) => measure(hands).map(({ count, hcp }) => ({ count, hcp }));

// A bridge deal: every card in a hand, 13 to each.
export const isBridgeDeal = (hands) => handSummary(hands).every(({ count }) => count === RANK_COUNT)
  && Array.prototype.every.call(hands, (hand) => hand !== NO_HAND);
