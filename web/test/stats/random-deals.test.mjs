// A million deals from the platform's cryptographic source against the
// exact chances of a uniform deal: the spades North holds, North's
// high-card points, and the hand each card goes to. Each by a chi-square
// test that fails only at p < 0.0001, so a correct generator fails one run
// in about 10,000 for each. Too slow for the mutation runs, so not a unit
// test.
import assert from 'node:assert/strict';
import { webcrypto } from 'node:crypto';
import { test } from 'node:test';
import { cryptoSource, randomDeal, wordStream } from '../../src/random-deals.js';

const DEALS = 1_000_000;
const SIGNIFICANCE = 0.0001;
// A pooled cell expects at least this many deals, as chi-square needs.
const MIN_EXPECTED = 5;

// ln Γ(a) for a whole or half number, as df / 2 always is: Γ(1) = 1,
// Γ(1/2) = √π, Γ(a + 1) = a Γ(a).
function lnGamma(a) {
  let value = Number.isInteger(a) ? 0 : 0.5 * Math.log(Math.PI);
  for (let k = Number.isInteger(a) ? 1 : 0.5; k < a; ++k) value += Math.log(k);
  return value;
}

// The regularized upper incomplete gamma Q(a, x): the series for P below
// a + 1, the continued fraction (modified Lentz) above.
function gammaQ(a, x) {
  if (x <= 0) return 1;
  const front = Math.exp(-x + a * Math.log(x) - lnGamma(a));
  if (x < a + 1) {
    let term = 1 / a;
    let sum = term;
    for (let n = 1; n < 10_000 && Math.abs(term) > Math.abs(sum) * 1e-17; ++n) {
      term *= x / (a + n);
      sum += term;
    }
    return 1 - front * sum;
  }
  const tiny = 1e-300;
  let b = x + 1 - a;
  let c = 1 / tiny;
  let d = 1 / b;
  let h = d;
  for (let n = 1; n < 10_000; ++n) {
    const an = -n * (n - a);
    b += 2;
    d = an * d + b;
    d = Math.abs(d) < tiny ? tiny : d;
    c = b + an / c;
    c = Math.abs(c) < tiny ? tiny : c;
    d = 1 / d;
    const step = d * c;
    h *= step;
    if (Math.abs(step - 1) < 1e-16) break;
  }
  return front * h;
}
const chiSquareTail = (statistic, df) => gammaQ(df / 2, statistic / 2);

// Cells side by side, pooled while they expect fewer than MIN_EXPECTED
// deals: a run of such cells at either tail becomes one cell.
function pool(observed, expected) {
  const cells = [];
  let open = { observed: 0, expected: 0 };
  for (let i = 0; i < observed.length; ++i) {
    open.observed += observed[i];
    open.expected += expected[i];
    if (open.expected >= MIN_EXPECTED) {
      cells.push(open);
      open = { observed: 0, expected: 0 };
    }
  }
  if (open.expected > 0 || open.observed > 0) {
    const last = cells.at(-1);
    last.observed += open.observed;
    last.expected += open.expected;
  }
  return cells;
}

// Pearson's statistic over the pooled cells, cells - 1 degrees of freedom.
function goodnessOfFit(observed, probabilities) {
  const cells = pool(observed, probabilities.map((p) => p * DEALS));
  const statistic = cells.reduce((sum, { observed: o, expected: e }) => sum + (o - e) ** 2 / e, 0);
  const df = cells.length - 1;
  return { statistic, df, p: chiSquareTail(statistic, df), cells: cells.length };
}

function binomial(n, k) {
  let value = 1;
  for (let i = 1; i <= k; ++i) value = (value * (n - k + i)) / i;
  return Math.round(value);
}
const HANDS_OF_13 = binomial(52, 13);

// The spades in a hand of 13: hypergeometric.
const SPADE_CHANCES = Array.from({ length: 14 }, (_, k) => (binomial(13, k) * binomial(39, 13 - k)) / HANDS_OF_13);

// High-card points of a hand of 13: the ways to hold h of the 16 honours
// with p points, counted suit by suit, times the ways to fill the hand from
// the 36 other cards. Every count is below 2^53, so exact.
function pointChances() {
  const ways = Array.from({ length: 17 }, () => new Array(41).fill(0));
  ways[0][0] = 1;
  for (const points of [4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1, 4, 3, 2, 1]) {
    for (let h = 16; h >= 1; --h) for (let p = 40; p >= points; --p) ways[h][p] += ways[h - 1][p - points];
  }
  const hands = new Array(38).fill(0);
  for (let h = 0; h <= 13; ++h) for (let p = 0; p <= 37; ++p) hands[p] += ways[h][p] * binomial(36, 13 - h);
  assert.equal(hands.reduce((a, b) => a + b), HANDS_OF_13);
  return hands.map((count) => count / HANDS_OF_13);
}

test('the chi-square tail against known values', () => {
  // Even degrees of freedom: Q(k, y) = e^-y (1 + y + ... + y^(k-1)/(k-1)!).
  for (const [df, statistic] of [[2, 0.5], [10, 3], [10, 25], [152, 130], [152, 220], [40, 90]]) {
    const y = statistic / 2;
    let term = 1;
    let sum = 1;
    for (let i = 1; i < df / 2; ++i) sum += (term *= y / i);
    const exact = Math.exp(-y) * sum;
    assert.ok(Math.abs(chiSquareTail(statistic, df) - exact) <= 1e-11 * exact, `${df}, ${statistic}`);
  }
  // One degree of freedom: the textbook 5% and 0.1% points.
  assert.ok(Math.abs(chiSquareTail(3.841458820694124, 1) - 0.05) < 1e-12);
  assert.ok(Math.abs(chiSquareTail(10.827566170662733, 1) - 0.001) < 1e-13);
  // Odd degrees of freedom, as Python's mpmath.gammainc gives them.
  for (const [df, statistic, expected] of [[153, 161.09, 0.311174646075124813], [153, 220, 0.000315398619537940997],
    [29, 29.38, 0.445411120000950020]]) {
    assert.ok(Math.abs(chiSquareTail(statistic, df) - expected) <= 1e-11 * expected, `${df}, ${statistic}`);
  }
});

test(`${DEALS} deals from the cryptographic source`, (t) => {
  const { fill } = cryptoSource(webcrypto);
  assert.notEqual(fill, null);
  const next = wordStream(fill);
  const spades = new Array(14).fill(0);
  const points = new Array(38).fill(0);
  const cardHands = new Float64Array(52 * 4);
  const started = performance.now();
  for (let i = 0; i < DEALS; ++i) {
    const hands = randomDeal(next);
    let northSpades = 0;
    let northPoints = 0;
    for (let card = 0; card < 52; ++card) {
      cardHands[card * 4 + hands[card]] += 1;
      if (hands[card] !== 0) continue;
      if (card < 13) northSpades += 1;
      if (card % 13 < 4) northPoints += 4 - (card % 13);
    }
    spades[northSpades] += 1;
    points[northPoints] += 1;
  }
  const seconds = (performance.now() - started) / 1000;

  // Each card's hand: every cell expects a quarter of the deals. The cells
  // are not independent: each card is in one hand and each hand holds 13
  // cards. Worked out, Pearson's statistic is then 52/51 times a chi-square
  // with (52 - 1)(4 - 1) = 153 degrees of freedom, not 156.
  const quarter = DEALS / 4;
  const raw = cardHands.reduce((sum, o) => sum + (o - quarter) ** 2 / quarter, 0);
  const cardStatistic = (raw * 51) / 52;
  const results = [
    ['spades in North\'s hand', goodnessOfFit(spades, SPADE_CHANCES)],
    ['North\'s high-card points', goodnessOfFit(points, pointChances())],
    ['each card\'s hand (52 x 4, statistic x 51/52)',
      { statistic: cardStatistic, df: 153, p: chiSquareTail(cardStatistic, 153), cells: 208 }],
  ];
  t.diagnostic(`${DEALS} deals in ${seconds.toFixed(2)} s; fail at p < ${SIGNIFICANCE}`);
  for (const [name, { statistic, df, p, cells }] of results) {
    t.diagnostic(`${name}: chi-square ${statistic.toFixed(2)}, ${cells} cells, df ${df}, p = ${p.toPrecision(4)}`);
  }
  for (const [name, { p }] of results) assert.ok(p >= SIGNIFICANCE, `${name}: p = ${p}`);
});
