// A session's boards as a PBN file, for scorers and hand records: each
// board's deal with its number, dealer and vulnerability, and its
// double-dummy analysis where it has one. Plain functions, no page.
import { CARDS, NO_HAND, RANK_COUNT, SEATS, SUIT_COUNT } from './cards.js';
import { analysisTags } from './analysis.js';
import { boardMarks } from './session.js';

const RANK_LETTERS = 'AKQJT98765432';
// PBN files travel to scoring programs on Windows.
const LINE_END = '\r\n';

// A tag's value, with PBN's escapes for a quote and a backslash.
const quoted = (value) => `"${String(value).replace(/[\\"]/g, '\\$&')}"`;
const tag = (name, value) => `[${name} ${quoted(value)}]`;

// "N:AKQ.JT9.... ...": the hands from North clockwise, each suit from
// spades down, each from the ace down.
export function pbnDeal(hands) {
  const suits = SEATS.map(() => Array.from({ length: SUIT_COUNT }, () => ''));
  for (let card = 0; card < CARDS; ++card) {
    if (hands[card] === NO_HAND) continue;
    suits[hands[card]][Math.floor(card / RANK_COUNT)] += RANK_LETTERS[card % RANK_COUNT];
  }
  return `N:${suits.map((hand) => hand.join('.')).join(' ')}`;
}

// boards: [{ number, hands, dealer, vulnerability, analysis }], number 0
// for a board the file did not number, dealer and vulnerability -1 where
// it did not give them (the usual ones for the number are written then),
// analysis (analysis.js) or nothing. comment: a text for the file's first
// lines (each of its lines a comment line), or nothing.
// The file is no "% EXPORT" one: that would want the players, the
// contract and the result too.
export function exportPbn({ boards, event, site, date, comment }) {
  const lines = ['% PBN 2.1'];
  if (comment !== undefined) lines.push(...comment.split(/\r?\n/).map((line) => `% ${line}`));
  for (const { number, hands, dealer, vulnerability, analysis } of boards) {
    const marks = boardMarks(number, dealer, vulnerability);
    lines.push('', tag('Event', event), tag('Site', site), tag('Date', date));
    if (number !== 0) lines.push(tag('Board', number));
    if (marks.dealer !== '') lines.push(tag('Dealer', marks.dealer));
    if (marks.vulnerability !== '') lines.push(tag('Vulnerable', marks.vulnerability));
    lines.push(tag('Deal', pbnDeal(hands)));
    if (analysis) lines.push(...analysisTags(analysis));
  }
  return lines.join(LINE_END) + LINE_END;
}
