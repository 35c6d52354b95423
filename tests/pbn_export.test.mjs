// The PBN file the page exports is one this tool reads back: the example
// session, read by the core as the page reads it, exported with and without
// analyses, then dealt by the native pipsweep, gives the boards and
// direction lines the original gives.
//   PIPSWEEP_CORE=build-web/core/pipsweep.js PIPSWEEP_NATIVE=build/pipsweep \
//     node --test tests/pbn_export.test.mjs
import { test } from 'node:test';
import assert from 'node:assert/strict';
import { spawnSync } from 'node:child_process';
import { copyFileSync, mkdtempSync, readFileSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { analysisOf } from '../web/src/analysis.js';
import { exportPbn } from '../web/src/pbn-export.js';

const corePath = process.env.PIPSWEEP_CORE ?? 'build-web/core/pipsweep.js';
const nativePath = resolve(process.env.PIPSWEEP_NATIVE ?? 'build/pipsweep');
const example = resolve('examples/club-session.pbn');

// The core is built for a page and its worker; Node passes for a worker.
globalThis.importScripts = () => {};
globalThis.self = globalThis;
globalThis.location = { href: 'file:///' };
const createPipsweep = new Function(`${readFileSync(corePath, 'utf8')}\nreturn createPipsweep;`)();

// The boards as the page holds them after reading the file.
async function sessionOf(path) {
  const boards = [];
  const module = await createPipsweep({
    thisProgram: 'pipsweep',
    preRun: [(m) => {
      m.FS.init(() => null, () => {}, () => {});
      m.FS.writeFile('/session.pbn', readFileSync(path));
    }],
    onDeal: (number, hands, dealer, vulnerability) => {
      boards.push({ number, hands: Uint8Array.from(hands.subarray(0, 52)), dealer, vulnerability });
    },
    print: () => {},
    printErr: () => {},
  });
  try {
    module.callMain(['session.pbn']);
  } catch (e) {
    if (e?.name !== 'ExitStatus') throw e;
  }
  return boards;
}

// The board lines and direction lines the native tool writes for a file.
function dealt(path) {
  const dir = mkdtempSync(join(tmpdir(), 'pipsweep-export-'));
  try {
    copyFileSync(path, join(dir, 'session.pbn'));
    const run = spawnSync(nativePath, ['session.pbn'], { cwd: dir, input: '', env: { ...process.env, DISPLAY: '' } });
    assert.equal(run.status, 0, run.stdout.toString());
    return readFileSync(join(dir, '_pipsweep.txt'), 'latin1').split(/\r?\n/)
      .filter((line) => line.startsWith('Board ') || line.startsWith(' '));
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
}

test('the example session exported, then dealt by pipsweep, gives the original\'s lines', async () => {
  const boards = await sessionOf(example);
  assert.equal(boards.length, 32);
  // Analyses on every other board, as a session half analysed has them.
  const analysis = analysisOf({ tricks: Array(20).fill(10), score: -1430, contracts: ['6S-EW', '6H-E'] });
  const text = exportPbn({
    event: 'Tuesday Evening Pairs', site: 'Riverside Bridge Club', date: '2024.03.12', comment: 'pipsweep test',
    boards: boards.map((board, i) => (i % 2 === 0 ? { ...board, analysis } : board)),
  });
  const dir = mkdtempSync(join(tmpdir(), 'pipsweep-exported-'));
  try {
    const exported = join(dir, 'exported.pbn');
    writeFileSync(exported, text, 'latin1');
    const original = dealt(example);
    assert.equal(original.length, 64);
    assert.deepEqual(dealt(exported), original);
    // The page reads its own file back with the same marks.
    assert.deepEqual(await sessionOf(exported), boards);
  } finally {
    rmSync(dir, { recursive: true, force: true });
  }
});
