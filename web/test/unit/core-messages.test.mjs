// What the core's messages mean for the file: the texts that end a run, as
// the command line prints them, and what the page tells the director.
import assert from 'node:assert/strict';
import { test } from 'node:test';
import { meaningOf } from '../../src/core-messages.js';

test('each message that ends a run, the first known one telling', () => {
  const rows = [
    [['16 cards!? error!\n', 'no deals found.\n'], { kind: 'cards', count: 16 }],
    [['first direction not recognized'], { kind: 'direction' }],
    [['error!\n'], { kind: 'garbled' }],
    [['Not a proper bridge file??\n'], { kind: 'notBridge' }],
    [['String [Document] not found!\n', 'no deals found.\n'], { kind: 'noDocument' }],
    [['board number too large\nerror!\n'], { kind: 'boardNumber' }],
    [['no deals found.\n'], { kind: 'noDeals' }],
    [['failed to read file a.pbn\n'], { kind: 'unreadable' }],
    [['option x ignored\n'], null],
    // "error!" alone, not within a longer text.
    [['an error!\n'], null],
    [['error! x'], null],
    [[], null],
  ];
  for (const [texts, meaning] of rows) assert.deepEqual(meaningOf(texts), meaning, texts.join('|'));
});
