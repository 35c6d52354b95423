// The files the page makes: a set of new deals, each wholly at random, as a
// PBN file to open like any other; and the session's boards as a PBN file
// for the scorer. No page: each takes what it needs and gives the file.
import { CARDS } from './cards.js';
import { cryptoSource, randomSet } from './random-deals.js';
import { fingerprint } from './fingerprint.js';
import { exportPbn } from './pbn-export.js';
import { firstTags, pbnDate } from './deal-text.js';

// The start of a file, read for its Event, Site and Date.
export const FILE_HEAD_BYTES = 1 << 16;

// A day as YYYY-MM-DD, this device's today unless told.
export function today(now = new Date()) {
  const two = (n) => String(n).padStart(2, '0');
  return `${now.getFullYear()}-${two(now.getMonth() + 1)}-${two(now.getDate())}`;
}

// A name any system takes for a file.
const fileName = (text) => text.replace(/[\\/:*?"<>|\u0000-\u001f]+/g, '-').trim();
// The fingerprint in the file, for the scorer's program and the paper alike.
const fingerprintLine = (print) => (print ? `Fingerprint ${print}` : undefined);

// A set of new deals as the form asks ({ boards, first, event, date } as
// typed), from crypto's source: { name, text }, or { problem } where no
// set is made ('no-crypto': no cryptographic source; 'range').
export async function newSet({
  boards, first, event, date,
}, crypto, words) {
  const source = cryptoSource(crypto);
  if (source.fill === null) return { problem: 'no-crypto' };
  const set = randomSet(source.fill, Number(first), Number(boards));
  if (set === null) return { problem: 'range' };
  const day = date || today();
  const text = exportPbn({
    boards: [...set.numbers].map((number, i) => ({
      number, hands: set.hands.subarray(i * CARDS, (i + 1) * CARDS), dealer: -1, vulnerability: -1,
    })),
    event: event.trim(),
    site: '',
    date: pbnDate(day),
    comment: fingerprintLine(await fingerprint(set.hands, crypto?.subtle)),
  });
  return { name: `${fileName(words.setName(event.trim(), day))}.pbn`, text };
}

// The session's boards, each once, with their analysis where it is done:
// { name, text }. Event, site and date are the file's where its head (the
// start of its text) gives them, the first of each; else the print's.
export function sessionPbn(state, head, words) {
  const {
    file, deals, sequence, settings,
  } = state;
  const tags = firstTags(head, ['Event', 'Site', 'Date']);
  const boards = [];
  for (let deal = sequence.first; deal <= sequence.last; ++deal) {
    const analysis = state.analyses.get(deal);
    boards.push({
      number: deals.number(deal), hands: deals.handsOf(deal), dealer: deals.dealer(deal),
      vulnerability: deals.vulnerability(deal), analysis: analysis?.tricks === undefined ? undefined : analysis,
    });
  }
  const text = exportPbn({
    boards,
    event: tags.Event ?? settings.event.trim(),
    site: tags.Site ?? '',
    date: tags.Date ?? pbnDate(settings.date),
    comment: fingerprintLine(file.print),
  });
  return { name: `${fileName(words.exportName(file.name.replace(/\.[^.]*$/, '')))}.pbn`, text };
}
