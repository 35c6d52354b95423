// Times the double-dummy solver on the boards of a PBN file: the native
// reference program, then dds.js under Node, each on one core, one deal
// after the other; processor time per deal, so that other work on the
// machine counts little. The numbers say how many workers a page needs.
//   node bench/dds.mjs [FILE.pbn]      (default: examples/club-session.pbn)
// PIPSWEEP_DDS (build-web/dds/dds.js) and PIPSWEEP_DDS_REFERENCE
// (build/pipsweep_dds_reference) name the two builds.
import { spawnSync } from 'node:child_process';
import { readFileSync } from 'node:fs';
import { createRequire } from 'node:module';
import { resolve } from 'node:path';
import { makeSolver } from '../web/src/solver.js';

const file = process.argv[2] ?? 'examples/club-session.pbn';
const ddsPath = resolve(process.env.PIPSWEEP_DDS ?? 'build-web/dds/dds.js');
const referencePath = process.env.PIPSWEEP_DDS_REFERENCE ?? 'build/pipsweep_dds_reference';

// Each board's Deal, Dealer and Vulnerable tags; the rest of PBN does not
// matter here.
const RANKS = 'AKQJT98765432';
const VULNERABLE = { None: 0, Love: 0, '-': 0, NS: 1, EW: 2, All: 3, Both: 3 };
const deals = [];
let dealer = 0;
let vulnerability = 0;
for (const [, name, value] of readFileSync(file, 'latin1').matchAll(/^\[(\w+) "([^"]*)"\]/gm)) {
  if (name === 'Dealer') dealer = 'NESW'.indexOf(value);
  if (name === 'Vulnerable') vulnerability = VULNERABLE[value];
  if (name !== 'Deal') continue;
  const hands = new Uint8Array(52);
  const first = 'NESW'.indexOf(value[0]);
  value.slice(2).split(' ').forEach((hand, i) => hand.split('.').forEach((ranks, suit) => {
    for (const rank of ranks) hands[suit * 13 + RANKS.indexOf(rank)] = (first + i) % 4;
  }));
  deals.push({ hands, dealer, vulnerability });
}

function summary(name, ms) {
  const sorted = [...ms].sort((a, b) => a - b);
  const total = sorted.reduce((sum, t) => sum + t, 0);
  const median = sorted.length % 2 === 1 ? sorted[sorted.length >> 1]
    : (sorted[sorted.length / 2 - 1] + sorted[sorted.length / 2]) / 2;
  const s = (t) => (t / 1000).toFixed(2).padStart(7);
  console.log(`${name.padEnd(12)}${s(total)}${s(sorted[0])}${s(median)}${s(sorted.at(-1))}`);
}

console.log(`${deals.length} deals of ${file}; processor seconds`);
console.log(`${''.padEnd(12)}${'total'.padStart(7)}${'min'.padStart(7)}${'median'.padStart(7)}${'max'.padStart(7)}`);
const input = deals.map((deal) => `${deal.hands.join('')} ${deal.dealer} ${deal.vulnerability}\n`).join('');
const native = spawnSync(referencePath, ['--times'], { input, encoding: 'utf8' });
if (native.status !== 0) throw new Error(`${referencePath}: ${native.stderr}`);
summary('native', native.stdout.trim().split('\n').map((line) => Number(line.split(' ').at(-1))));

const solver = makeSolver(await createRequire(import.meta.url)(ddsPath)());
const cpu = () => { const { user, system } = process.cpuUsage(); return (user + system) / 1000; };
summary('dds.js', deals.map((deal) => {
  const started = cpu();
  solver.solve(deal.hands, deal.dealer, deal.vulnerability);
  return cpu() - started;
}));
