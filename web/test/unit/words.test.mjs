// The words tables: every language gives every text English gives, in the
// same shape, and the card indices and seat letters a director reads.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { describe, test } from 'node:test';
import {
  LANGUAGES, browserLanguage, languageOf, startLanguage, textOf,
} from '../../src/words.js';

const { en } = LANGUAGES;
const languages = Object.entries(LANGUAGES);

// What a field is, deep: strings, functions of so many parameters, arrays
// of so many entries, tables of such fields.
function shape(value) {
  if (typeof value === 'function') return `function(${value.length})`;
  if (Array.isArray(value)) return value.map(shape);
  if (value !== null && typeof value === 'object') {
    return Object.fromEntries(Object.keys(value).sort().map((key) => [key, shape(value[key])]));
  }
  return typeof value;
}

// Arguments a page passes each function, to call it with.
const MOVED = { from: 2, to: 1, points: 3 };
const SAMPLES = {
  cardName: ['K', 'spades'], board: [7], boardRef: [7], deal: [3], dealer: ['S'], vul: ['NS'], copy: [2, 3],
  boardCopy: ['Board 7', 2], place: [3, 32], boards: [2], cards: [5], hcp: [12], runSpoken: ['North', 3],
  done: ['Board 7'], allDealt: [32], resumed: ['board 5'], goingTo: ['12'], noBoard: [40], reading: ['a.pbn', 22],
  readSoFar: [22], readToEnd: [1], stoppedAfter: ['board 2', '"bad"'], noDeal: ['"none"'], broken: ['a.pbn', 'gone'],
  warningBefore: ['"w"'], warningAfter: ['board 2', '"w"'], warningBetween: ['board 1', 'board 2', '"w"'],
  dealAfter: ['board 2'], noFrom: [40], noTo: [40, 12], copiesClamped: [9], printTooMany: [64, 70], printCut: [64, 70],
  newRange: [99], setName: ['Club', '2026-12-08'], fingerprint: ['0123456789ab'], fingerprintLabel: ['0123456789ab'],
  dealtBefore: ['8 December 2026'],
  parContract: [{ contract: '5\u2666', doubled: true, by: 'North', result: '\u22122' }],
  par: ['East\u2013West', 300, '5\u2666 doubled by North, \u22122'], analysing: [3, 32], analysed: [32],
  notADeal: ['Board 7'], solverFailed: ['out of memory'], exportName: ['club-session'],
  checkTitle: ['Board 5'], checkExactHow: ['West'], summary: [32, { ok: 30, agree: 1, fault: 1, unchecked: 0 }],
  notChecked: [['Board 3', 'Board 7'], true], faulty: [['Board 3'], false],
  firstSymbols: [['T', 'R', 'D', 'L']], symbolsMissing: [['North', 'East']], symbolsShared: ['N', 'E', 'T'],
  'check.incomplete': ['North'], 'check.recount': [{ counted: 39, expected: 40, field: 'hcp', names: 'North' }],
  'check.recountSuits': ['North'], 'check.agree': ['cards'], 'check.alike': [0, 2], 'check.moved': [MOVED],
  'check.movedSuit': [{ from: 2, to: 1, suit: 3 }], 'check.movedCard': [{ from: 2, to: 1, card: '\u2660K' }],
  'check.turned': [{ by: 3 }], 'check.exchanged': [0, 2], 'check.cycle': [[0, 1, 2]], 'check.swapped': [['x'], true],
  'check.swappedPairs': [['x', 'y']], 'check.other': [{ label: 'Board 7' }],
  'check.differs': [{ seats: [{ seat: 0, off: { count: 1, hcp: -2, spades: 1 } }] }], 'check.tapFirst': [1],
  'check.pocketRight': [1], 'check.pocketHolds': [1, 3], 'check.pocketOff': [1, ['\u2660K'], ['\u266510']],
  'check.actionExchange': [[0, 2]], 'check.actionHand': [1, 3], 'check.actionMove': ['\u2660K', 1, 2],
  'check.actions': [['move \u2660K from East to South', 'exchange']], 'check.tapNext': [2], 'check.proven': ['Board 5'],
};

// Every function of a table with its name, "check.moved" for those in check.
const functionsOf = (words) => [...Object.entries(words), ...Object.entries(words.check).map(([k, v]) => [`check.${k}`, v])]
  .filter(([, value]) => typeof value === 'function');

describe('every language', () => {
  for (const [tag, words] of languages) {
    test(`${tag} has every field of English, in the same shape`, () => {
      assert.equal(words.tag, tag);
      assert.deepEqual(shape(words), { ...shape(en), tag: 'string' });
    });

    test(`${tag}: each function writes words, and the zero point move too`, () => {
      for (const [name, fn] of functionsOf(words)) {
        const owner = name.startsWith('check.') ? words.check : words;
        const text = fn.apply(owner, SAMPLES[name]);
        assert.equal(typeof text, 'string', name);
        assert.doesNotMatch(text, /undefined|NaN|\[object|^\s*$/, `${name}: ${text}`);
      }
      assert.doesNotMatch(words.check.moved({ ...MOVED, points: 0 }), /undefined/);
      assert.doesNotMatch(words.check.moved({ ...MOVED, points: null }), /undefined|null/);
      // One board is no "all 1 boards".
      assert.doesNotMatch(`${words.allDealt(1)} ${words.analysed(1)}`, /1/);
    });
  }

  test('index.html names only texts every table has', () => {
    const html = readFileSync(new URL('../../index.html', import.meta.url), 'utf8');
    const names = [...html.matchAll(/data-words(?:-label)?="([^"]+)"/g)].map((match) => match[1]);
    assert.ok(names.length > 40, `${names.length} texts`);
    for (const [tag, words] of languages) {
      for (const name of names) assert.equal(typeof textOf(words, name), 'string', `${tag}: ${name}`);
    }
  });
});

test('card indices and seat letters as each language prints them', () => {
  const table = [
    ['en', 'N E S W', 'A K Q J'], ['fr', 'N E S O', 'A R D V'], ['nl', 'N O Z W', 'A H V B'],
    ['de', 'N O S W', 'A K D B'], ['it', 'N E S O', 'A R D F'], ['pl', 'N E S W', 'A K D W'],
    ['sv', 'N Ö S V', 'E K D Kn'], ['nb', 'N Ø S V', 'E K D Kn'], ['da', 'N Ø S V', 'E K D B'],
    ['es', 'N E S O', 'A K Q J'], ['zh', '北 东 南 西', 'A K Q J'],
  ];
  assert.deepEqual(table.map(([tag]) => tag), Object.keys(LANGUAGES));
  for (const [tag, seats, honours] of table) {
    const words = LANGUAGES[tag];
    assert.deepEqual(words.seatLetters, seats.split(' '), tag);
    assert.deepEqual(words.ranks, [...honours.split(' '), '10', '9', '8', '7', '6', '5', '4', '3', '2'], tag);
  }
});

test('each language\'s hand letters: four plain bytes, none a card index or the sign of a card without a hand', () => {
  for (const [tag, words] of languages) {
    const letters = [...words.handLetters];
    assert.equal(new TextEncoder().encode(words.handLetters).length, 4, tag);
    assert.equal(new Set(letters).size, 4, tag);
    for (const letter of letters) {
      assert.ok(!words.ranks.some((rank) => rank.startsWith(letter)) && letter !== '?', `${tag}: ${letter}`);
    }
  }
});

describe('the language the page starts in', () => {
  const rows = [
    [['fr-CA', 'en'], 'fr'], [['no'], 'nb'], [['nn-NO'], 'nb'], [['nb'], 'nb'], [['pt-BR', 'de-AT', 'fr'], 'de'],
    [['zh-CN'], 'zh'], [['ZH_hans'], 'zh'], [['ja', 'ko'], 'en'], [[], 'en'], [['en-GB', 'sv'], 'en'],
  ];
  for (const [preferred, expected] of rows) {
    test(`browser ${JSON.stringify(preferred)}: ${expected}`, () => assert.equal(browserLanguage(preferred), expected));
  }
  test('a language kept on the device wins while the page has it', () => {
    assert.equal(startLanguage('sv', ['fr']), 'sv');
    assert.equal(startLanguage('', ['fr']), 'fr');
    assert.equal(startLanguage('xx', ['it-CH']), 'it');
    assert.equal(startLanguage('toString', []), 'en');
  });
  test('voices are matched by language, Norwegian ones to Bokmål', () => {
    assert.deepEqual(['nb-NO', 'no_NO', 'fr-FR', 'zh-Hans-CN'].map(languageOf), ['nb', 'nb', 'fr', 'zh']);
  });
});

describe('grammar from the platform', () => {
  test('Polish cards: 1 karta, 2-4 karty, 5 kart, 12-14 kart, 22-24 karty', () => {
    assert.deepEqual([1, 2, 4, 5, 12, 13, 14, 21, 22, 24, 25, 112].map((n) => LANGUAGES.pl.cards(n)),
      ['1 karta', '2 karty', '4 karty', '5 kart', '12 kart', '13 kart', '14 kart', '21 kart', '22 karty', '24 karty',
        '25 kart', '112 kart']);
  });
  test('a list of one, two and three names, as each language joins it', () => {
    const rows = [
      ['en', ['East has no symbol.', 'East and South have no symbol.', 'East, South and West have no symbol.']],
      ['fr', ['Est n\'a pas de symbole.', 'Est et Sud n\'ont pas de symbole.', 'Est, Sud et Ouest n\'ont pas de symbole.']],
      ['zh', ['东家没有符号。', '东家和南家没有符号。', '东家、南家和西家没有符号。']],
    ];
    for (const [tag, expected] of rows) {
      const { seats, symbolsMissing } = LANGUAGES[tag];
      assert.deepEqual([1, 2, 3].map((n) => symbolsMissing(seats.slice(1, 1 + n))), expected, tag);
    }
  });
});
