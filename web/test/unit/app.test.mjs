// The app driven as the page drives it, with a core and a storage of the
// test's own: a file opened and read, a step, a check, a resume, symbols
// changed while resuming, another file.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { createApp } from '../../src/app.js';
import { Deals } from '../../src/core.js';
import { createState } from '../../src/state.js';
import { wordsOf } from '../../src/words.js';
import { handSummary } from '../../src/cards.js';
import { today } from '../../src/files.js';

// count deals, board n holding card c in hand (c + n) % 4.
function dealsOf(count) {
  const deals = new Deals();
  const hands = new Uint8Array(count * 52).map((_, i) => (i % 52 + Math.floor(i / 52)) % 4);
  deals.append({
    numbers: Int32Array.from({ length: count }, (_, i) => i + 1), hands,
    dealers: new Int8Array(count).fill(-1), vulnerabilities: new Int8Array(count).fill(-1),
  });
  return deals;
}

// A core whose runs the test answers: runs[i].on.key(...), .on.deals(...), .end(...).
function fakeCore() {
  const runs = [];
  const runCore = (name, blob, symbols, on) => new Promise((resolve) => {
    runs.push({ name, symbols, on, end: (deals) => resolve({ console: new Uint8Array(0), lines: new Uint32Array(0),
      exit: 0, output: null, diagnostics: [], deals }) });
  });
  return { runs, runCore };
}

function fakeStore(places = {}, dealt = {}) {
  const kept = [];
  return {
    kept,
    dealt,
    dealtOn: (print) => dealt[print] ?? null,
    keepDealt: (print, day) => { dealt[print] = day; },
    place: (key) => places[key] ?? null,
    keepPlace: (key, record) => kept.push([key, JSON.parse(JSON.stringify(record))]),
    keepFile: () => Promise.resolve(true),
    rememberSetting: () => {},
    askToLast: () => Promise.resolve(true),
    clearedWeekly: () => false,
  };
}

function start(places, { dealt, crypto, solver = null, analyses = {} } = {}) {
  const state = createState();
  const core = fakeCore();
  const store = fakeStore(places, dealt);
  store.analyses = (key) => analyses[key] ?? {};
  store.keepAnalyses = (key, record) => { analyses[key] = JSON.parse(JSON.stringify(record)); };
  const app = createApp(state, {
    store, runCore: core.runCore, cues: { stayAwake() {}, say() {}, tone() {} }, render() {}, words: () => wordsOf('en'),
    crypto, solver,
  });
  return { state, core, store, app };
}
const settle = () => new Promise((done) => { setImmediate(done); });

test('a file opened and read, a step kept, a check recorded', async () => {
  const { state, core, store, app } = start();
  app.open('a.pbn', new Blob(['x']));
  assert.deepEqual([core.runs.length, core.runs[0].symbols], [1, 'TRDL']);
  core.runs[0].on.key('K');
  core.runs[0].on.deals(dealsOf(3), []);
  assert.deepEqual([state.sequence.length, state.position, state.folded], [3, 0, true]);
  core.runs[0].end(dealsOf(3));
  await settle();
  assert.equal(state.run.end.exit, 0);
  app.stepBy(1);
  assert.deepEqual(store.kept.at(-1), ['K', { session: state.session, at: '0:1', cursors: { '0:1': 0 }, checks: {}, drafts: {} }]);
  app.toggleCheck();
  handSummary(state.deals.handsOf(0)).forEach(({ count, hcp }, seat) => {
    app.setCheckEntry(seat, 'count', count);
    app.setCheckEntry(seat, 'hcp', hcp);
  });
  app.verifyCheck();
  assert.equal(store.kept.at(-1)[1].checks['0:1'], 'agree');
  assert.equal(store.kept.at(-1)[1].drafts['0:1'].entries[3].count, 13);
});

test('a reload resumes at the place kept, the check and what was typed with it', async () => {
  const record = { session: { from: '', to: '', copies: 1, order: 'board' }, at: '2:1', cursors: { '2:1': 7 },
    checks: { '0:1': 'fault' }, drafts: { '0:1': { entries: [], found: { 1: [3] } } } };
  const { state, core, app } = start({ K: record });
  app.open('a.pbn', new Blob(['x']), { kept: true });
  core.runs[0].on.key('K');
  core.runs[0].on.deals(dealsOf(2), []);
  assert.equal(state.sequence, null, 'the board wanted is not read yet');
  core.runs[0].on.deals(dealsOf(3), []);
  assert.deepEqual([state.position, state.cursors.get('2:1'), state.notes.resumed, state.checks.get('0:1')], [2, 7, '2:1', 'fault']);
  assert.deepEqual(state.drafts.get('0:1').found, { 1: [3] });
});

test('symbols changed while resuming: the place kept is where the page comes back to, and stays kept', async () => {
  const record = { session: { from: '', to: '', copies: 1, order: 'board' }, at: '5:1', cursors: { '5:1': 12 }, checks: {} };
  const { state, core, store, app } = start({ K: record });
  app.open('a.pbn', new Blob(['x']), { kept: true });
  core.runs[0].on.key('K');
  app.applySymbols('ABCD');
  assert.deepEqual([core.runs.length, core.runs[1].symbols], [2, 'ABCD']);
  // The first run's news is dropped; the second's deals show board 6 once read.
  core.runs[0].on.deals(dealsOf(8), []);
  core.runs[1].on.key('K');
  core.runs[1].on.deals(dealsOf(4), []);
  assert.equal(state.sequence, null);
  core.runs[1].on.deals(dealsOf(8), []);
  assert.deepEqual([state.position, state.notes.resumed, state.run.symbols.join('')], [5, '5:1', 'ABCD']);
  core.runs[1].end(dealsOf(8));
  await settle();
  assert.equal(state.position, 5);
  assert.ok(store.kept.every(([, kept]) => kept.at === '5:1'), JSON.stringify(store.kept));
  app.stepBy(1);
  assert.deepEqual(store.kept.at(-1)[1].cursors, { '5:1': 13 });
});

test('another file: the notes of the one before go with it', async () => {
  const { state, core, app } = start();
  app.open('a.pbn', new Blob(['x']));
  core.runs[0].on.key('K');
  core.runs[0].end(dealsOf(3));
  await settle();
  app.typeDigit('9');
  app.goToTyped();
  assert.equal(state.notes.noBoard, 9);
  app.open('b.pbn', new Blob(['y']));
  assert.deepEqual([state.notes.noBoard, state.notes.typed, state.notes.resumed, state.sequence], [null, '', null, null]);
});

// The fingerprint of dealsOf(2), as fingerprint.js works it out.
const PRINT_OF_TWO = await (await import('../../src/fingerprint.js')).fingerprint(dealsOf(2).hands);

test('deals dealt here before: asked about before a card, and every board dealt is remembered', async () => {
  const { state, core, store, app } = start({}, { dealt: { [PRINT_OF_TWO]: '2026-11-30' } });
  app.open('a.pbn', new Blob(['x']));
  core.runs[0].on.key('K');
  core.runs[0].end(dealsOf(2));
  await new Promise((done) => { setTimeout(done, 20); });
  assert.deepEqual([state.file.print, state.notes.dealtBefore], [PRINT_OF_TWO, '2026-11-30']);
  assert.equal(app.stepBy(1), false);
  app.answerDealtBefore(true);
  delete store.dealt[PRINT_OF_TWO];
  for (let i = 0; i < 2 * 53; ++i) app.stepBy(1);
  assert.match(store.dealt[PRINT_OF_TWO], /^\d{4}-\d\d-\d\d$/);
});

test('new deals: made from the source given, opened as a PBN file named for the event and date; none without a source', async () => {
  let word = 0;
  const crypto = {
    getRandomValues: (words) => {
      words.forEach((_, i) => { word = (word * 1103515245 + 12345) >>> 0; words[i] = word; });
      return words;
    },
    subtle: globalThis.crypto.subtle,
  };
  const { state, core, app } = start({}, { crypto });
  const made = app.makeDeals({ boards: '3', first: '5', event: ' Club: pairs ', date: '2026-12-08' });
  await new Promise((done) => { setTimeout(done, 20); });
  assert.equal(core.runs[0].name, 'Club- pairs 2026-12-08.pbn');
  const text = await state.file.blob.text();
  const tags = (name) => [...text.matchAll(new RegExp(`\\[${name} "([^"]*)"\\]`, 'g'))].map((m) => m[1]);
  assert.deepEqual([tags('Board'), tags('Dealer'), tags('Vulnerable')], [['5', '6', '7'], ['N', 'E', 'S'], ['NS', 'EW', 'All']]);
  // Three deals, each a bridge deal: 13 cards to a hand, every card once.
  const deals = tags('Deal');
  assert.equal(new Set(deals).size, 3);
  for (const deal of deals) {
    const hands = deal.slice(2).split(' ');
    assert.deepEqual(hands.map((hand) => hand.replace(/\./g, '').length), [13, 13, 13, 13], deal);
    assert.equal(hands.join('').replace(/\./g, '').length, 52);
  }
  assert.match(text, /\[Event "Club: pairs"\]\r\n\[Site ""\]\r\n\[Date "2026\.12\.08"\]/);
  assert.match(text, /^% Fingerprint [0-9a-f]{12}\r\n/m);
  core.runs[0].end(dealsOf(3));
  assert.equal(await made, true);

  const without = start({}, { crypto: {} });
  assert.equal(await without.app.makeDeals({ boards: '3', first: '1', event: '', date: '' }), false);
  assert.deepEqual(without.state.newDeals, { open: true, problem: 'no-crypto' });
  const tooMany = start({}, { crypto });
  assert.equal(await tooMany.app.makeDeals({ boards: '100', first: '1', event: '', date: '' }), false);
  assert.equal(tooMany.state.newDeals.problem, 'range');
  // No date typed: today's.
  const undated = start({}, { crypto });
  undated.app.makeDeals({ boards: '1', first: '1', event: '', date: '' });
  await new Promise((done) => { setTimeout(done, 20); });
  assert.equal(undated.core.runs[0].name, `New deals ${today()}.pbn`);
  assert.equal(today(new Date(2026, 0, 5)), '2026-01-05');
});

// A solver that answers when the test says: asked[i] is what it was asked last.
function fakeSolver() {
  const asked = [];
  let answer = null;
  return {
    asked,
    solver: (give) => { answer = give; return { want: (jobs) => asked.push(jobs) }; },
    answer: (job) => answer(job, { analysis: { tricks: [0, 1, 2, 3].map(() => [job.deal, 7, 7, 7, 7]), par: { ns: 0, contracts: [] } } }),
  };
}

test('the boards analysed once read, the board shown first; the analyses kept, and not asked again after a reload', async () => {
  const analyses = {};
  const first = fakeSolver();
  const { state, core, app } = start({}, { solver: first.solver, analyses });
  app.open('a.pbn', new Blob(['x']));
  core.runs[0].on.key('K');
  core.runs[0].on.deals(dealsOf(3), []);
  assert.equal(first.asked.length, 0, 'not while the file is read');
  core.runs[0].end(dealsOf(3));
  await settle();
  assert.deepEqual(first.asked.at(-1).map((job) => job.deal), [0, 1, 2]);
  first.answer(first.asked.at(-1)[1]);
  app.nextBoard();
  app.nextBoard();
  assert.deepEqual(first.asked.at(-1).map((job) => job.deal), [2, 0]);
  assert.deepEqual(Object.keys(analyses.K), ['1']);
  assert.deepEqual(state.analyses.get(1).tricks[0], [1, 7, 7, 7, 7]);

  const again = fakeSolver();
  const reload = start({}, { solver: again.solver, analyses });
  reload.app.open('a.pbn', new Blob(['x']), { kept: true });
  reload.core.runs[0].on.key('K');
  reload.core.runs[0].end(dealsOf(3));
  await settle();
  assert.deepEqual(again.asked.at(-1).map((job) => job.deal), [0, 2]);
});

test('the PBN file for the scorer: the file\'s event, site and date, else the print\'s; the analyses done', async () => {
  const solver = fakeSolver();
  const { state, core, app } = start({}, { solver: solver.solver });
  app.setSetting('event', 'Tuesday');
  app.setSetting('date', '2026-12-08');
  app.open('club.dup', new Blob(['x']));
  core.runs[0].on.key('K');
  core.runs[0].end(dealsOf(2));
  await settle();
  solver.answer(solver.asked.at(-1)[0]);
  const { name, text } = await app.exportPbn();
  assert.equal(name, 'club hand records.pbn');
  assert.deepEqual([...text.matchAll(/\[(Event|Site|Date|Board) "([^"]*)"\]/g)].map((m) => m.slice(1).join('=')),
    ['Event=Tuesday', 'Site=', 'Date=2026.12.08', 'Board=1', 'Event=Tuesday', 'Site=', 'Date=2026.12.08', 'Board=2']);
  assert.equal((text.match(/DoubleDummyTricks/g) ?? []).length, 1);
  state.file.blob = new Blob(['[Event "Club night"]\n[Site "Hall"]\n[Date "2026.12.01"]\n']);
  assert.match((await app.exportPbn()).text, /\[Event "Club night"\]\r\n\[Site "Hall"\]\r\n\[Date "2026\.12\.01"\]/);
});
