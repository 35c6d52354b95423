// What a session needs on paper, each board of the range once: dealing
// grids, hand records, or curtain cards to cut apart. Built when a print
// starts, and only for the boards asked for, at most MAX_PRINT_BOARDS.
import {
  curtainSlip, drawGrid, drawHands, element, newGrid,
} from './board.js';
import { boardLabel, marksOf } from './names.js';
import { lineOf, shown, symbolOf } from './symbols.js';
import { MAX_PRINT_BOARDS, rangeBoards } from './session.js';


// Items on one sheet of A4, and how each board gives its items.
const KINDS = {
  grids: { perPage: 10, className: 'print-grids' },
  hands: { perPage: 6, className: 'print-hands' },
  curtain: { perPage: 8, className: 'print-curtain' },
};

function boardItems(kind, {
  number, marks, hands, label, line, analysis,
}, symbolOf, words) {
  if (kind === 'grids') {
    const item = element('div', 'print-board');
    const grid = newGrid();
    drawGrid(grid, hands, symbolOf, words);
    item.append(element('h3', 'print-title', label), grid, element('pre', 'print-line', line));
    return [item];
  }
  if (kind === 'hands') {
    const item = element('div', 'print-board');
    const diagram = element('div', 'hands');
    drawHands(diagram, hands, number, marks, words, { analysed: true, analysis, label });
    item.append(element('h3', 'print-title', label), diagram);
    return [item];
  }
  return [0, 1, 2, 3].map((hand) => curtainSlip(hands, number, marks, hand, words));
}

// boards: [{ number, marks, hands, label, line }] in print order; note: a
// line for the top of the first page, or ''.
function buildPrint(section, kind, boards, {
  event, date, print, note, symbolOf, words,
}) {
  const { perPage, className } = KINDS[kind];
  // The fingerprint on every page: the same set as at the tables and the scorer's.
  const heading = [event.trim(), date.trim(), print ? words.fingerprint(print) : '']
    .filter((part) => part !== '').join(' \u00b7 ');
  const items = boards.flatMap((board) => boardItems(kind, board, symbolOf, words));
  const pages = document.createDocumentFragment();
  for (let i = 0; i < items.length; i += perPage) {
    const page = element('div', `print-page ${className}`);
    if (heading !== '') page.append(element('p', 'print-heading', heading));
    if (note !== '' && i === 0) page.append(element('p', 'print-cut', note));
    const body = element('div', 'print-items');
    body.append(...items.slice(i, i + perPage));
    page.append(body);
    pages.appendChild(page);
  }
  section.replaceChildren(pages);
  section.dataset.kind = kind;
}

// Each board of the session's range once, as the settings ask; of a range
// too large for one print (Ctrl+P, which cannot be refused), its first
// boards, saying so.
export function printSession(section, state, words) {
  const { sequence, deals, run, settings } = state;
  if (sequence === null || sequence.length === 0) return;
  const total = rangeBoards(sequence);
  const last = Math.min(sequence.last, sequence.first + MAX_PRINT_BOARDS - 1);
  const boards = [];
  for (let deal = sequence.first; deal <= last; ++deal) {
    const hands = deals.handsOf(deal);
    boards.push({
      number: deals.number(deal), marks: marksOf(deals, deal), hands, label: boardLabel(deals, deal, words),
      line: lineOf(run.symbols, hands), analysis: state.analyses.get(deal),
    });
  }
  buildPrint(section, settings.printKind, boards, {
    event: settings.event,
    date: settings.date,
    print: state.file?.print ?? '',
    note: total > MAX_PRINT_BOARDS ? words.printCut(MAX_PRINT_BOARDS, total) : '',
    symbolOf: (hand) => shown(symbolOf(run.symbols, hand)), words,
  });
}
