// The page around the core: hands it the deal file, collects what it prints
// and writes, and shows one board at a time for dealing at the table.
'use strict';

(() => {
  const SUITS = [
    { symbol: '\u2660', name: 'spades', red: false },
    { symbol: '\u2665', name: 'hearts', red: true },
    { symbol: '\u2666', name: 'diamonds', red: true },
    { symbol: '\u2663', name: 'clubs', red: false },
  ];
  const RANKS = ['A', 'K', 'Q', 'J', 'T', '9', '8', '7', '6', '5', '4', '3', '2'];
  // The card in large type names the ten "10": "T" is also North's symbol.
  const CARD_RANKS = RANKS.map((rank) => (rank === 'T' ? '10' : rank));
  const RANK_NAMES = ['ace', 'king', 'queen', 'jack', 'ten', 'nine', 'eight', 'seven', 'six',
    'five', 'four', 'three', 'two'];
  const HANDS = ['North', 'East', 'South', 'West'];
  const NO_HAND = 4;
  const LINE_LENGTH = 72;
  const CONSOLE_OPEN_LIMIT = 1 << 20;

  // Where each card's symbol stands in the printed line: five groups per
  // suit (3, 3, 3, 3, 1 cards), each led by a blank.
  const COLUMN = [];
  for (let card = 0, n = 0; card < 52; ++card) {
    if (card % 13 % 3 === 0) ++n;
    COLUMN.push(n++);
  }
  // Cells that end a group of three get a gap after them.
  const groupEnd = (rank) => rank % 3 === 2 && rank < 12;

  const $ = (id) => document.getElementById(id);
  const view = {
    file: $('deal-file'), symbols: $('symbols'), drop: $('drop'),
    end: $('end'), endIcon: $('end-icon'), status: $('status'), download: $('download'),
    dealView: $('deal-view'), boardNumber: $('board-number'), boardPlace: $('board-place'),
    prev: $('prev'), next: $('next'), grid: $('grid'), cursor: $('cursor'),
    counts: $('counts'), legend: $('legend'), boardLine: $('board-line'),
    console: $('console'), consoleBox: $('console-box'), print: $('print-boards'),
  };

  const state = {
    file: null,        // { name, bytes } of the last file chosen
    run: 0,            // number of the latest run; older results are dropped
    symbols: [],       // the four symbols as the core uses them
    boards: [],        // { number, line } per deal written
    index: 0,
    cursor: -1,        // card shown by the dealing cursor, -1 for none yet
    downloadUrl: null,
    printed: false,    // the print section holds the current boards
  };

  // Output of the core, as the C streams write it.
  class ByteSink {
    constructor() { this.buffer = new Uint8Array(1 << 16); this.length = 0; }
    append(chunk) {
      if (this.length + chunk.length > this.buffer.length) {
        const bigger = new Uint8Array(Math.max(this.buffer.length * 2, this.length + chunk.length));
        bigger.set(this.buffer.subarray(0, this.length));
        this.buffer = bigger;
      }
      // The heap is signed bytes; set() stores them as 0 to 255.
      this.buffer.set(chunk, this.length);
      this.length += chunk.length;
    }
    bytes() { return this.buffer.subarray(0, this.length); }
  }

  // One byte per character, so that a line's symbols stay in their columns
  // whatever bytes the symbols are.
  function bytesToChars(bytes) {
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    }
    return text;
  }

  // The first four bytes of the symbols, zero bytes for missing ones, as -d
  // takes them.
  function effectiveSymbols(text) {
    const bytes = new TextEncoder().encode(text);
    return [0, 1, 2, 3].map((i) => String.fromCharCode(i < bytes.length ? bytes[i] : 0));
  }

  // A fresh module for every run, so no state of an earlier run is left.
  async function runCore(name, bytes, symbols) {
    const out = new ByteSink();
    let box = null;
    let exitStatus = null;
    const module = await createPipsweep({
      thisProgram: 'pipsweep',
      preRun: [(m) => {
        m.FS.init(() => null, () => {}, () => {});
        // Standard output whole write by write, not a call per byte: a
        // large file prints megabytes.
        const stdout = m.FS.getStream(1);
        stdout.stream_ops = {
          ...stdout.stream_ops,
          write: (stream, buffer, offset, length) => {
            out.append(buffer.subarray(offset, offset + length));
            return length;
          },
        };
      }],
      onMessageBox: (caption, text, success) => { box = { caption, text, success }; },
      onExit: (status) => { exitStatus = status; },
      print: () => {},
      printErr: () => {},
    });
    module.FS.writeFile(name, bytes);
    // "--": a file name that starts with "-" is still the file.
    const returned = module.callMain(['-d', symbols, '--', name]);
    let output = null;
    try {
      output = module.FS.readFile('_pipsweep.txt');
    } catch (e) {
      output = null;  // the run stopped before it opened the file
    }
    return { console: out.bytes(), box, exit: exitStatus === null ? returned : exitStatus, output };
  }

  function parseBoards(text) {
    const boards = [];
    let number = null;
    for (const line of text.split('\n')) {
      if (line.startsWith('Board ')) {
        number = line.slice(6);
      } else if (line.length === LINE_LENGTH && line[0] === ' ') {
        boards.push({ number: number === null ? '0' : number, line });
        number = null;
      }
    }
    return boards;
  }

  function handOf(symbol) {
    const hand = state.symbols.indexOf(symbol);
    return hand < 0 ? NO_HAND : hand;
  }
  const handName = (hand) => (hand === NO_HAND ? 'no hand' : HANDS[hand]);
  const shown = (symbol) => (symbol === '\0' ? '\u2400' : symbol);

  async function run() {
    if (state.file === null) return;
    const id = ++state.run;
    const symbols = view.symbols.value;
    const result = await runCore(state.file.name, state.file.bytes, symbols);
    if (id !== state.run) return;
    state.symbols = effectiveSymbols(symbols);
    showEnd(result);
    view.console.textContent = new TextDecoder().decode(result.console);
    // Laying out megabytes of console text takes seconds: a large run's
    // console waits folded until asked for.
    view.consoleBox.open = result.console.length <= CONSOLE_OPEN_LIMIT;
    state.boards = result.output === null ? [] : parseBoards(bytesToChars(result.output));
    state.printed = false;
    view.print.textContent = '';
    state.index = Math.min(state.index, Math.max(0, state.boards.length - 1));
    state.cursor = -1;
    view.dealView.hidden = state.boards.length === 0;
    if (state.boards.length > 0) showBoard();
    document.body.dataset.runs = String(id);
  }

  function showEnd(result) {
    view.end.hidden = false;
    const success = result.box !== null && result.box.success;
    view.end.classList.toggle('failed', !success);
    view.endIcon.src = success ? 'success.png' : 'stop.png';
    view.endIcon.alt = success ? 'Done' : 'Stopped';
    view.status.textContent = result.box === null ? '' : `${result.box.caption}: ${result.box.text}`;
    view.status.dataset.exit = String(result.exit);
    if (state.downloadUrl !== null) URL.revokeObjectURL(state.downloadUrl);
    state.downloadUrl = null;
    if (result.output === null) {
      view.download.removeAttribute('href');
      view.download.hidden = true;
    } else {
      state.downloadUrl = URL.createObjectURL(new Blob([result.output], { type: 'text/plain' }));
      view.download.href = state.downloadUrl;
      view.download.hidden = false;
    }
  }

  // The grid: rank labels over four suit rows of 13 cells.
  const cells = [];
  function buildGrid() {
    const head = view.grid.tHead.rows[0];
    RANKS.forEach((rank, r) => {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = rank;
      th.setAttribute('aria-label', RANK_NAMES[r]);
      if (groupEnd(r)) th.classList.add('gap');
      head.appendChild(th);
    });
    const body = view.grid.tBodies[0];
    SUITS.forEach((suit, s) => {
      const row = body.insertRow();
      const th = document.createElement('th');
      th.scope = 'row';
      th.textContent = suit.symbol;
      th.setAttribute('aria-label', suit.name);
      th.className = suit.red ? 'suit red' : 'suit';
      row.appendChild(th);
      for (let r = 0; r < 13; ++r) {
        const td = row.insertCell();
        td.dataset.card = String(s * 13 + r);
        if (groupEnd(r)) td.classList.add('gap');
        cells.push(td);
      }
    });
  }

  function cardName(card) {
    return `${RANK_NAMES[card % 13]} of ${SUITS[Math.floor(card / 13)].name}`;
  }

  function showBoard() {
    const board = state.boards[state.index];
    view.boardNumber.textContent = board.number;
    view.boardPlace.textContent = `(${state.index + 1} of ${state.boards.length})`;
    view.prev.disabled = state.index === 0;
    view.next.disabled = state.index === state.boards.length - 1;
    const counts = [0, 0, 0, 0, 0];
    cells.forEach((cell, card) => {
      const symbol = board.line[COLUMN[card]];
      const hand = handOf(symbol);
      ++counts[hand];
      cell.textContent = shown(symbol);
      cell.className = `card h${hand}${groupEnd(card % 13) ? ' gap' : ''}${card === state.cursor ? ' at' : ''}`;
      cell.setAttribute('aria-label', `${cardName(card)}: ${handName(hand)}`);
    });
    view.counts.replaceChildren(...counts.map((count, hand) => {
      if (hand === NO_HAND && count === 0) return '';
      const span = document.createElement('span');
      span.className = `count h${hand}${count === 13 ? '' : ' wrong'}`;
      const label = hand === NO_HAND ? '?' : shown(state.symbols[hand]);
      span.textContent = `${label} ${count}${count === 13 ? '' : ' !'}`;
      span.title = `${handName(hand)}: ${count} cards`;
      return span;
    }));
    view.legend.replaceChildren(...HANDS.map((name, hand) => {
      const span = document.createElement('span');
      span.className = `key h${hand}`;
      span.textContent = `${shown(state.symbols[hand])} = ${name}`;
      return span;
    }));
    view.boardLine.textContent = (board.number === '0' ? '' : `Board ${board.number}\n`) + board.line;
    showCursor();
  }

  function showCursor() {
    if (state.cursor < 0) {
      view.cursor.textContent = 'Space or tap: next card';
      view.cursor.className = 'cursor';
      return;
    }
    const card = state.cursor;
    const suit = SUITS[Math.floor(card / 13)];
    const symbol = state.boards[state.index].line[COLUMN[card]];
    const hand = handOf(symbol);
    view.cursor.className = `cursor h${hand}`;
    view.cursor.textContent = `${suit.symbol}${CARD_RANKS[card % 13]} \u2192 ${shown(symbol)}`;
    view.cursor.setAttribute('aria-label', `${cardName(card)}: ${handName(hand)}`);
  }

  function goTo(index) {
    if (state.boards.length === 0) return;
    const next = Math.max(0, Math.min(state.boards.length - 1, index));
    if (next === state.index) return;
    state.index = next;
    state.cursor = -1;
    showBoard();
  }

  // One card on; after the two of clubs, the first card of the next board.
  function step() {
    if (state.boards.length === 0) return;
    if (state.cursor === 51) {
      if (state.index === state.boards.length - 1) return;
      ++state.index;
      state.cursor = 0;
    } else {
      ++state.cursor;
    }
    showBoard();
  }

  function takeFile(file) {
    if (!file) return;
    file.arrayBuffer().then((buffer) => {
      state.file = { name: file.name, bytes: new Uint8Array(buffer) };
      state.index = 0;
      return run();
    }).then(() => { if (state.boards.length > 0) view.grid.focus(); });
  }

  // Print every board, built when a print starts (it may be many).
  function buildPrint() {
    if (state.printed) return;
    state.printed = true;
    const escape = (text) => text.replace(/[&<>]/g, (c) => `&#${c.charCodeAt(0)};`);
    const head = `<tr><th></th>${RANKS.map((r, i) => `<th${groupEnd(i) ? ' class="gap"' : ''}>${r}</th>`).join('')}</tr>`;
    const parts = state.boards.map((board) => {
      const rows = SUITS.map((suit, s) => {
        let row = `<tr><th class="suit${suit.red ? ' red' : ''}">${suit.symbol}</th>`;
        for (let r = 0; r < 13; ++r) {
          const symbol = board.line[COLUMN[s * 13 + r]];
          row += `<td class="card h${handOf(symbol)}${groupEnd(r) ? ' gap' : ''}">${escape(shown(symbol))}</td>`;
        }
        return `${row}</tr>`;
      }).join('');
      return `<div class="print-board"><h3>Board ${escape(board.number)}</h3>` +
        `<table class="grid">${head}${rows}</table><pre>${escape(board.line)}</pre></div>`;
    });
    view.print.innerHTML = parts.join('');
  }

  function isTextField(target) {
    return target instanceof HTMLInputElement || target instanceof HTMLTextAreaElement;
  }

  document.addEventListener('keydown', (event) => {
    if (isTextField(event.target) || event.altKey || event.ctrlKey || event.metaKey) return;
    switch (event.key) {
      case 'ArrowLeft': case 'PageUp': goTo(state.index - 1); break;
      case 'ArrowRight': case 'PageDown': goTo(state.index + 1); break;
      case 'Home': goTo(0); break;
      case 'End': goTo(state.boards.length - 1); break;
      case ' ':
        // Space on a button or link keeps its own meaning.
        if (event.target instanceof HTMLButtonElement || event.target instanceof HTMLAnchorElement) return;
        step();
        break;
      default: return;
    }
    event.preventDefault();
  });

  // A tap on the grid moves one card on; a sideways swipe changes board.
  let touchStart = null;
  view.grid.addEventListener('pointerdown', (event) => { touchStart = { x: event.clientX, y: event.clientY }; });
  view.grid.addEventListener('pointerup', (event) => {
    if (touchStart === null) return;
    const dx = event.clientX - touchStart.x;
    const dy = event.clientY - touchStart.y;
    touchStart = null;
    if (Math.abs(dx) > 40 && Math.abs(dx) > Math.abs(dy)) goTo(state.index + (dx < 0 ? 1 : -1));
    else if (Math.abs(dx) < 10 && Math.abs(dy) < 10) step();
  });
  view.grid.addEventListener('pointercancel', () => { touchStart = null; });

  view.prev.addEventListener('click', () => goTo(state.index - 1));
  view.next.addEventListener('click', () => goTo(state.index + 1));
  view.file.addEventListener('change', () => takeFile(view.file.files[0]));
  view.symbols.addEventListener('input', () => { run(); });
  document.addEventListener('dragover', (event) => {
    event.preventDefault();
    view.drop.classList.add('over');
  });
  document.addEventListener('dragleave', () => view.drop.classList.remove('over'));
  document.addEventListener('drop', (event) => {
    event.preventDefault();
    view.drop.classList.remove('over');
    takeFile(event.dataTransfer.files[0]);
  });
  window.addEventListener('beforeprint', buildPrint);

  buildGrid();
})();
