// How often the blind check catches a fouled board: two cards swapped
// between pockets, and two pockets exchanged, on random deals, judged by
// cards and points alone and with each pocket's suit lengths too.
//   node bench/check-rates.mjs [DEALS]   (default 20000)
import { webcrypto } from 'node:crypto';
import { measure } from '../web/src/cards.js';
import { blindCheck } from '../web/src/check.js';

const deals = Number(process.argv[2] ?? 20000);
const word = new Uint32Array(1);
// A whole number below n, without bias.
function below(n) {
  const limit = 2 ** 32 - (2 ** 32 % n);
  do webcrypto.getRandomValues(word); while (word[0] >= limit);
  return word[0] % n;
}
function deal() {
  const cards = [...Array(52).keys()];
  for (let i = 51; i > 0; --i) {
    const j = below(i + 1);
    [cards[i], cards[j]] = [cards[j], cards[i]];
  }
  const hands = new Uint8Array(52);
  cards.forEach((card, i) => { hands[card] = Math.floor(i / 13); });
  return hands;
}

const faults = {
  'two cards swapped between pockets': (hands) => {
    const fouled = Uint8Array.from(hands);
    let a;
    let b;
    do { a = below(52); b = below(52); } while (hands[a] === hands[b]);
    [fouled[a], fouled[b]] = [hands[b], hands[a]];
    return fouled;
  },
  'two pockets exchanged': (hands) => {
    const a = below(4);
    const b = (a + 1 + below(3)) % 4;
    return hands.map((seat) => (seat === a ? b : seat === b ? a : seat));
  },
};
const byCount = (pockets) => pockets.map(({ count, hcp }) => ({ count, hcp }));

for (const [name, foul] of Object.entries(faults)) {
  let counts = 0;
  let suits = 0;
  for (let i = 0; i < deals; ++i) {
    const hands = deal();
    const pockets = measure(foul(hands));
    if (blindCheck(hands, byCount(pockets)).verdict !== 'agree') ++counts;
    if (blindCheck(hands, pockets).verdict !== 'agree') ++suits;
  }
  const share = (n) => `${((100 * n) / deals).toFixed(1)}%`;
  console.log(`${name}: caught by cards and points ${share(counts)}, with suit lengths ${share(suits)} (${deals} deals)`);
}
