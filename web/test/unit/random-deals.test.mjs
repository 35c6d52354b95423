// Random sets without a browser: every value of a draw exactly as likely,
// whole deals, a set made again from the same words, the PBN text of a deal
// and the fingerprint of a list of deals.
import assert from 'node:assert/strict';
import { webcrypto } from 'node:crypto';
import { describe, test } from 'node:test';
import { pbnDeal } from '../../src/deal-text.js';
import { fingerprint } from '../../src/fingerprint.js';
import {
  MAX_BOARD_NUMBER, cryptoSource, drawBelow, randomDeal, randomSet, wordStream,
} from '../../src/random-deals.js';

// A deal from its hands written as four strings of 13 symbols a suit:
// 'NNNE...' for spades, hearts, diamonds, clubs; N E S W, '?' for none.
const deal = (...suits) => Uint8Array.from(suits.join(''), (c) => 'NESW?'.indexOf(c));
// North ♠AKQ2 ♥T9 ♦A876 ♣KJ3, East ♠JT98 ♥AKQ ♦KQJ ♣542, South ♠76543
// ♥J8765432, West ♦T95432 ♣AQT9876.
const HAND_MADE = deal('NNNEEEESSSSSN', 'EEESNNSSSSSSS', 'NEEEWWNNNWWWW', 'WNWNWWWWWEENE');
const HAND_MADE_PBN = 'N:AKQ2.T9.A876.KJ3 JT98.AKQ.KQJ.542 76543.J8765432.. ..T95432.AQT9876';
// The same without the ace of spades and the two of clubs.
const SHORT = deal('?NNEEEESSSSSN', 'EEESNNSSSSSSS', 'NEEEWWNNNWWWW', 'WNWNWWWWWEEN?');

// Fixed sources: every word 0, and xorshift32 from a seed.
const zeros = (words) => words.fill(0);
const xorshift = (seed) => (words) => {
  for (let i = 0; i < words.length; ++i) {
    seed ^= seed << 13;
    seed ^= seed >>> 17;
    seed ^= seed << 5;
    words[i] = seed;
  }
};
const handCounts = (hands) => [0, 1, 2, 3].map((hand) => hands.filter((h) => h === hand).length);

describe('an integer below n, every value exactly as likely', () => {
  // Every 16-bit word once: the draw takes it, or draws again (here: the
  // second word throws). Every value must come from as many words.
  for (const n of [1, 2, 3, 5, 7, 13, 39, 52, 1000]) {
    test(`n = ${n}, all 2^16 words`, () => {
      const counts = new Array(n).fill(0);
      let drawnAgain = 0;
      for (let word = 0; word < 2 ** 16; ++word) {
        let asked = 0;
        const next = () => {
          asked += 1;
          if (asked > 1) throw new Error('again');
          return word;
        };
        try {
          counts[drawBelow(next, n, 16)] += 1;
        } catch {
          drawnAgain += 1;
        }
      }
      assert.equal(counts.length, n);
      assert.deepEqual(new Set(counts), new Set([Math.floor(2 ** 16 / n)]));
      assert.equal(drawnAgain, 2 ** 16 % n);
    });
  }
  // 32-bit words: from 4294967248 (52 x 82595524) up, a word is drawn again.
  const cases = [
    [52, [4294967247], 51], [52, [4294967248, 4294967295, 7], 7], [52, [0], 0],
    [3, [4294967295, 4294967294], 2], [1, [4294967295], 0],
  ];
  for (const [n, words, expected] of cases) {
    test(`n = ${n}, 32-bit words ${words}`, () => {
      const next = () => words.shift();
      assert.equal(drawBelow(next, n), expected);
      assert.equal(words.length, 0);
    });
  }
});

describe('the source, a buffer at a time', () => {
  test('no word skipped or used twice', () => {
    let counter = 0;
    let fills = 0;
    const next = wordStream((words) => {
      fills += 1;
      for (let i = 0; i < words.length; ++i) words[i] = counter++;
    });
    const seen = Array.from({ length: 2500 }, next);
    assert.deepEqual(seen, Array.from({ length: 2500 }, (_, i) => i));
    assert.equal(fills, 3);
  });
  test('the platform\'s, or none and why', () => {
    for (const crypto of [null, {}, { getRandomValues: 1 }]) {
      assert.deepEqual(cryptoSource(crypto), { fill: null, reason: 'no-crypto' });
    }
    const { fill, reason } = cryptoSource(webcrypto);
    assert.equal(reason, '');
    const words = fill(new Uint32Array(64));
    assert.ok(words.some((word) => word !== 0));
    assert.equal(typeof cryptoSource().fill, 'function');
  });
});

describe('deals and sets', () => {
  test('words all 0: each hand in turn takes the next 13 cards', () => {
    assert.deepEqual(randomDeal(wordStream(zeros)),
      deal('NNNNNNNNNNNNN', 'EEEEEEEEEEEEE', 'SSSSSSSSSSSSS', 'WWWWWWWWWWWWW'));
  });
  test('the same words give the same set; each deal 13 cards a hand', () => {
    const set = randomSet(xorshift(2463534242), 5, 99);
    assert.deepEqual(set, randomSet(xorshift(2463534242), 5, 99));
    assert.notDeepEqual(set.hands, randomSet(xorshift(88675123), 5, 99).hands);
    assert.deepEqual(Array.from(set.numbers), Array.from({ length: 99 }, (_, i) => 5 + i));
    assert.equal(set.hands.length, 99 * 52);
    const deals = new Set();
    for (let board = 0; board < 99; ++board) {
      const hands = Array.from(set.hands.subarray(board * 52, (board + 1) * 52));
      assert.deepEqual(handCounts(hands), [13, 13, 13, 13]);
      deals.add(hands.join(''));
    }
    assert.equal(deals.size, 99);
  });
  const cases = [[1, 1, true], [1, 99, true], [7, 1, true], [MAX_BOARD_NUMBER, 1, true], [MAX_BOARD_NUMBER - 1, 2, true],
    [1, 0, false], [1, 100, false], [1, 1.5, false], [0, 1, false], [-3, 4, false], [2.5, 1, false],
    [MAX_BOARD_NUMBER, 2, false], [1, '3', false], ['1', 3, false]];
  for (const [first, count, made] of cases) {
    test(`${JSON.stringify(count)} boards from ${JSON.stringify(first)}: ${made ? 'a set' : 'none'}`, () => {
      const set = randomSet(zeros, first, count);
      assert.equal(set !== null, made);
      if (made) {
        assert.deepEqual([set.numbers[0], set.numbers.at(-1), set.hands.length], [first, first + count - 1, count * 52]);
      }
    });
  }
});

describe('PBN deal text', () => {
  const cases = [
    [HAND_MADE, HAND_MADE_PBN],
    [SHORT, 'N:KQ2.T9.A876.KJ3 JT98.AKQ.KQJ.54 76543.J8765432.. ..T95432.AQT9876'],
    [new Uint8Array(52).fill(4), 'N:... ... ... ...'],
  ];
  for (const [hands, expected] of cases) test(expected, () => assert.equal(pbnDeal(hands), expected));
});

describe('the fingerprint of a list of deals', () => {
  const both = new Uint8Array([...HAND_MADE, ...SHORT]);
  // Expected: `printf '<pbnDeal>\n...' | sha256sum | cut -c1-12` in the shell.
  const cases = [
    ['the hand-made deal', HAND_MADE, '952cd80cbf96'],
    ['it and the one with two cards left out', both, '50664b64ea62'],
    ['no deals', new Uint8Array(0), 'e3b0c44298fc'],
  ];
  for (const [name, hands, expected] of cases) {
    test(name, async () => {
      assert.equal(await fingerprint(hands), expected);
      assert.equal(await fingerprint(hands, webcrypto.subtle), expected);
    });
  }
  test('no digest on the page: none', async () => {
    for (const subtle of [null, {}]) assert.equal(await fingerprint(HAND_MADE, subtle), null);
  });
});

test('a large set\'s fingerprint pauses between pieces, and is the same for it', async () => {
  const hands = new Uint8Array(4097 * 52).map((_, i) => i % 4);
  let pauses = 0;
  const paused = await fingerprint(hands, globalThis.crypto.subtle, async () => { pauses += 1; });
  assert.deepEqual([pauses, paused], [1, await fingerprint(hands)]);
});
