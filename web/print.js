// What a session needs on paper, each board of the range once: dealing
// grids, hand records, or curtain cards to cut apart. Built when a print
// starts, and only for the boards asked for, so a file of 100,000 deals
// prints its 32 boards at once.
'use strict';

window.Pipsweep = window.Pipsweep || {};

(() => {
  const { element, drawGrid, newGrid, drawHands, curtainSlip } = window.Pipsweep.board;

  // Items on one sheet of A4, and how each board gives its items.
  const KINDS = {
    grids: { perPage: 10, className: 'print-grids' },
    hands: { perPage: 6, className: 'print-hands' },
    curtain: { perPage: 8, className: 'print-curtain' },
  };

  function boardItems(kind, { number, hands, label, line, symbolOf }) {
    if (kind === 'grids') {
      const item = element('div', 'print-board');
      const grid = newGrid();
      drawGrid(grid, hands, symbolOf);
      item.append(element('h3', 'print-title', label), grid, element('pre', 'print-line', line));
      return [item];
    }
    if (kind === 'hands') {
      const item = element('div', 'print-board');
      const diagram = element('div', 'hands');
      drawHands(diagram, hands, number);
      item.append(element('h3', 'print-title', label), diagram);
      return [item];
    }
    return [0, 1, 2, 3].map((hand) => curtainSlip(hands, number, hand));
  }

  // boards: [{ number, hands, label, line }] in print order.
  function build(section, kind, boards, { event, date, symbolOf }) {
    const { perPage, className } = KINDS[kind];
    const heading = [event.trim(), date.trim()].filter((part) => part !== '').join(' \u00b7 ');
    const items = boards.flatMap((board) => boardItems(kind, { ...board, symbolOf }));
    const pages = document.createDocumentFragment();
    for (let i = 0; i < items.length; i += perPage) {
      const page = element('div', `print-page ${className}`);
      if (heading !== '') page.append(element('p', 'print-heading', heading));
      const body = element('div', 'print-items');
      body.append(...items.slice(i, i + perPage));
      page.append(body);
      pages.appendChild(page);
    }
    section.replaceChildren(pages);
    section.dataset.kind = kind;
  }

  window.Pipsweep.print = { build };
})();
