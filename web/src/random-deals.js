// Deals for a club without a deal file, with wholly random expectations:
// every deal of the 52!/(13!)^4 exactly as likely as every other, nothing
// shaped or filtered. The words come from a cryptographic source: a weak
// generator's later deals can be worked out from a few boards of a set.
import { CARDS, HANDS, RANK_COUNT } from './cards.js';

// The width of a source's words in use; a test counts every outcome of
// 16-bit words instead.
export const WORD_BITS = 32;
export const MAX_BOARDS = 99;
// The highest board number the core's deals hold (a signed 32-bit number).
export const MAX_BOARD_NUMBER = 2 ** 31 - 1;
// Words asked of the source at a time; getRandomValues gives at most 16384.
const BUFFER_WORDS = 1024;

// The platform's cryptographic source: { fill } where fill(words) fills a
// Uint32Array as crypto.getRandomValues does, or { fill: null, reason }
// where the page has none; then no set is made, rather than one from a
// generator whose deals could be foretold.
export function cryptoSource(crypto = globalThis.crypto) {
  if (typeof crypto?.getRandomValues !== 'function') return { fill: null, reason: 'no-crypto' };
  return { fill: (words) => crypto.getRandomValues(words), reason: '' };
}

// The next word of a source, asked for a buffer at a time.
export function wordStream(fill) {
  const words = new Uint32Array(BUFFER_WORDS);
  let at = BUFFER_WORDS;
  return () => {
    if (at === BUFFER_WORDS) {
      fill(words);
      at = 0;
    }
    return words[at++];
  };
}

// An integer from 0 to n - 1, each exactly as likely, from words of that
// many bits: a word at or above the highest multiple of n that the words
// reach is drawn again, since taking it modulo n would favour the low
// values.
export function drawBelow(next, n, bits = WORD_BITS) {
  const outcomes = 2 ** bits;
  const limit = outcomes - (outcomes % n);
  for (;;) {
    const word = next();
    if (word < limit) return word % n;
  }
}

// One deal: 52 hand codes by card index. Each card in pack order goes to a
// hand with the chance of that hand's free places among all places still
// free, so every deal comes out with the chance (13!)^4/52!.
export function randomDeal(next) {
  const hands = new Uint8Array(CARDS);
  const free = new Array(HANDS).fill(RANK_COUNT);
  for (let card = 0; card < CARDS; ++card) {
    let place = drawBelow(next, CARDS - card);
    let hand = 0;
    while (place >= free[hand]) place -= free[hand++];
    free[hand] -= 1;
    hands[card] = hand;
  }
  return hands;
}

// count boards (1 to MAX_BOARDS) numbered from first, each with its own
// deal from the source: { numbers, hands } with 52 hand codes a board in
// hands, board after board. Dealer and vulnerability follow the board
// numbers. null where count or first is out of range.
export function randomSet(fill, first, count) {
  const fits = Number.isInteger(count) && count >= 1 && count <= MAX_BOARDS
    && Number.isInteger(first) && first >= 1 && first + count - 1 <= MAX_BOARD_NUMBER;
  if (!fits) return null;
  const next = wordStream(fill);
  const numbers = new Int32Array(count);
  const hands = new Uint8Array(count * CARDS);
  for (let board = 0; board < count; ++board) {
    numbers[board] = first + board;
    hands.set(randomDeal(next), board * CARDS);
  }
  return { numbers, hands };
}
