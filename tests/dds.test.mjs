// The double-dummy solver built twice: dds.js (WebAssembly, as the page's
// workers run it) against the native reference program on 1,000 generated
// deals; then par from hand-made tables, and what the solver refuses.
//   PIPSWEEP_DDS=build-web/dds/dds.js PIPSWEEP_DDS_REFERENCE=build/pipsweep_dds_reference \
//     node --test tests/dds.test.mjs
// DEALS=n runs n deals instead of 1,000.
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawn } from 'node:child_process';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import { makeSolver } from '../web/src/solver.js';

const ddsPath = resolve(process.env.PIPSWEEP_DDS ?? 'build-web/dds/dds.js');
const referencePath = process.env.PIPSWEEP_DDS_REFERENCE ?? 'build/pipsweep_dds_reference';
const DEALS = Number(process.env.DEALS ?? 1000);

const createDds = createRequire(import.meta.url)(ddsPath);
const solver = makeSolver(await createDds());

// mulberry32: the same deals on every run.
function random(seed) {
  let state = seed >>> 0;
  return () => {
    state = (state + 0x6d2b79f5) >>> 0;
    let t = state;
    t = Math.imul(t ^ (t >>> 15), t | 1);
    t ^= t + Math.imul(t ^ (t >>> 7), t | 61);
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

// Shuffled packs, thirteen cards to each hand; every dealer with every
// vulnerability.
function generatedDeals(count, seed) {
  const next = random(seed);
  return Array.from({ length: count }, (_, index) => {
    const cards = Array.from({ length: 52 }, (_, card) => card);
    for (let i = cards.length - 1; i > 0; --i) {
      const j = Math.floor(next() * (i + 1));
      [cards[i], cards[j]] = [cards[j], cards[i]];
    }
    const hands = new Uint8Array(52);
    cards.forEach((card, place) => { hands[card] = Math.floor(place / 13); });
    return { hands, dealer: index % 4, vulnerability: Math.floor(index / 4) % 4 };
  });
}

// The reference program's line for a deal.
const line = ({ tricks, score, contracts }) =>
  [tricks.map((count) => count.toString(16)).join(''), score, ...contracts].join(' ');

function reference(deals) {
  return new Promise((resolve, reject) => {
    const child = spawn(referencePath, [], { stdio: ['pipe', 'pipe', 'inherit'] });
    let out = '';
    child.stdout.setEncoding('utf8').on('data', (text) => { out += text; });
    child.on('error', reject);
    child.on('close', (status) => (status === 0 ? resolve(out.split('\n').slice(0, -1))
      : reject(new Error(`${referencePath} exited with ${status}`))));
    child.stdin.end(deals.map(({ hands, dealer, vulnerability }) => `${hands.join('')} ${dealer} ${vulnerability}\n`).join(''));
  });
}

test(`native and WebAssembly give the same tables and par on ${DEALS} generated deals`, async (t) => {
  const deals = generatedDeals(DEALS, 20240312);
  // The reference on one core while the WebAssembly solves on the other.
  const native = reference(deals);
  const started = performance.now();
  const wasm = [];
  for (const { hands, dealer, vulnerability } of deals) {
    wasm.push(line(solver.solve(hands, dealer, vulnerability)));
    // Node feeds the reference its deals, and reads its lines, between two.
    await new Promise(setImmediate);
  }
  const seconds = (ms) => `${(ms / 1000).toFixed(1)} s`;
  t.diagnostic(`WebAssembly: ${seconds(performance.now() - started)} (CPU ${seconds(process.cpuUsage().user / 1000)})`);
  const expected = await native;
  t.diagnostic(`both: ${seconds(performance.now() - started)}`);
  assert.equal(expected.length, DEALS);
  for (let i = 0; i < DEALS; ++i) assert.equal(wasm[i], expected[i], `deal ${i}: ${deals[i].hands.join('')}`);
});

// A table: tricks of N, E, S, W, each in NT, S, H, D, C; North and South
// alike, East and West alike.
const table = (ns, ew) => [...ns, ...ew, ...ns, ...ew];
// NS make 4S; EW make at most seven tricks, too few for a sacrifice.
const GAME = table([7, 10, 6, 5, 5], [5, 3, 6, 7, 7]);
// Both sides make game, NS 4S over EW's 4H: EW's 5H doubled goes one down.
const SACRIFICE = table([6, 10, 4, 5, 5], [5, 3, 10, 6, 6]);
// Both sides make 1NT and nothing else.
const BOTH_1NT = table([7, 6, 6, 6, 6], [7, 6, 6, 6, 6]);
const NOTHING = table([6, 6, 6, 6, 6], [6, 6, 6, 6, 6]);
const [N, E, S, W] = [0, 1, 2, 3];
const [NONE, NS, EW, ALL] = [0, 1, 2, 3];

test('par from hand-made tables', () => {
  const cases = [
    ['a game, none vulnerable', GAME, N, NONE, 420, ['4S-NS']],
    ['a game, NS vulnerable', GAME, E, NS, 620, ['4S-NS']],
    ['a game, EW vulnerable', GAME, S, EW, 420, ['4S-NS']],
    ['a game, all vulnerable', GAME, W, ALL, 620, ['4S-NS']],
    ['a sacrifice, none vulnerable', SACRIFICE, N, NONE, 100, ['5H*-EW-1']],
    ['a sacrifice, NS vulnerable', SACRIFICE, N, NS, 100, ['5H*-EW-1']],
    ['a sacrifice, EW vulnerable', SACRIFICE, N, EW, 200, ['5H*-EW-1']],
    ['a sacrifice, all vulnerable', SACRIFICE, N, ALL, 200, ['5H*-EW-1']],
    ['both make 1NT, North deals', BOTH_1NT, N, NONE, 90, ['1N-NS']],
    ['both make 1NT, East deals', BOTH_1NT, E, NONE, -90, ['1N-EW']],
    ['both make 1NT, South deals, all vulnerable', BOTH_1NT, S, ALL, 90, ['1N-NS']],
    ['both make 1NT, West deals, all vulnerable', BOTH_1NT, W, ALL, -90, ['1N-EW']],
    ['nobody makes anything', NOTHING, N, ALL, 0, ['pass']],
  ];
  for (const [title, tricks, dealer, vulnerability, score, contracts] of cases) {
    assert.deepEqual(solver.par(tricks, dealer, vulnerability), { tricks, score, contracts }, title);
  }
});

test('what the solver refuses, and why', async () => {
  const [deal] = generatedDeals(1, 1);
  const twelve = Uint8Array.from(deal.hands, (seat, card) => (card === 0 ? (seat + 1) % 4 : seat));
  const cases = [
    [() => solver.solve(twelve, N, NONE), 'Not a deal: each hand needs thirteen cards'],
    [() => solver.solve(Uint8Array.from(deal.hands, (seat, card) => (card === 0 ? 4 : seat)), N, NONE),
      'Not a deal: each hand needs thirteen cards'],
    [() => solver.solve(deal.hands, 4, NONE), 'The dealer is not 0 to 3'],
    [() => solver.par(GAME, N, 4), 'The vulnerability is not 0 to 3'],
    [() => solver.par(GAME, -1, NONE), 'The dealer is not 0 to 3'],
    [() => solver.par(GAME.map((count, i) => (i === 7 ? 14 : count)), N, NONE), 'A number of tricks is not 0 to 13'],
  ];
  for (const [call, message] of cases) assert.throws(call, { message });
  await assert.rejects(async () => makeSolver(await createDds(), 29), { message: 'Too little memory for the solver' });
  // Still answers after a refusal.
  assert.equal(solver.par(GAME, N, NONE).score, 420);
});
