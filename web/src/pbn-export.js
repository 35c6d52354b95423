// A session's boards as a PBN file, for scorers and hand records: each
// board's deal with its number, dealer and vulnerability, and its
// double-dummy analysis where it has one. Plain functions, no page.
import { analysisTags } from './analysis.js';
import { pbnDeal } from './deal-text.js';
import { boardMarks } from './session.js';

// PBN files travel to scoring programs on Windows.
const LINE_END = '\r\n';

// A tag's value, with PBN's escapes for a quote and a backslash.
const quoted = (value) => `"${String(value).replace(/[\\"]/g, '\\$&')}"`;
const tag = (name, value) => `[${name} ${quoted(value)}]`;

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
