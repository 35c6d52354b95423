// The page at the card table: reads a deal file with the core, then shows
// one board at a time and walks the sorted pack card by card, telling the
// hand of each card in large type, in words, by colour and by seat.
'use strict';

(() => {
  const { runCore, consoleView, store, cues } = window.Pipsweep;

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
  const CARDS = 52;
  // A board's place: no card yet, a card 0 to 51, or every card dealt.
  const NOT_STARTED = -1;
  const DONE = CARDS;
  const RERUN_AFTER_MS = 800;
  const NOTE_MS = 5000;
  const SWIPE_PX = 50;
  const TAP_PX = 12;

  // Cells that end a group of three get a gap after them, as the line does.
  const groupEnd = (rank) => rank % 3 === 2 && rank < 12;

  const $ = (id) => document.getElementById(id);
  const view = {
    setup: $('setup'), setupPanel: $('setup-panel'), fileName: $('file-name'),
    boardsRead: $('boards-read'), endMark: $('end-mark'), note: $('note'),
    file: $('deal-file'), drop: $('drop'), example: $('example'),
    symbols: $('symbols'), symbolsNote: $('symbols-note'), speak: $('speak'), tones: $('tones'),
    end: $('end'), endIcon: $('end-icon'), status: $('status'),
    downloadLine: $('download-line'), download: $('download'), kept: $('kept'),
    console: $('console'), consoleBox: $('console-box'),
    dealView: $('deal-view'), boardNumber: $('board-number'), boardPlace: $('board-place'),
    prev: $('prev'), next: $('next'), lastRead: $('last-read'),
    panel: $('card-panel'), panelCard: $('panel-card'), panelSymbol: $('panel-symbol'),
    panelWords: $('panel-words'), grid: $('grid'), counts: $('counts'), boardLine: $('board-line'),
    print: $('print-boards'),
  };

  const state = {
    file: null,         // { name, bytes, key } of the file read
    run: 0,             // number of the latest run; older results are dropped
    ranSymbols: null,   // the symbols text of the latest run
    symbols: [],        // the four symbols as the core wrote them, one byte each
    deals: null,        // the deals of the latest run
    failed: false,      // the latest run stopped at bad data
    index: 0,           // the board shown
    cursors: new Map(), // deal index -> place on that board
    downloadUrl: null,
    printed: false,     // the print section holds the current boards
  };

  // ---- Symbols ---------------------------------------------------------

  // The first four bytes of the text, zero bytes for missing ones, as -d
  // takes them.
  function effectiveSymbols(text) {
    const bytes = new TextEncoder().encode(text);
    return [0, 1, 2, 3].map((i) => String.fromCharCode(i < bytes.length ? bytes[i] : 0));
  }
  const symbolOf = (hand) => (hand === NO_HAND ? '?' : state.symbols[hand]);
  const shown = (symbol) => (symbol === '\0' ? '\u2400' : symbol);
  const handName = (hand) => (hand === NO_HAND ? 'no hand' : HANDS[hand]);

  // What the line cannot tell apart, in words; empty when all is well.
  function symbolsWarning(text) {
    const bytes = new TextEncoder().encode(text);
    const symbols = effectiveSymbols(text);
    const problems = [];
    if ([...text].slice(0, 4).some((c) => c.charCodeAt(0) > 0x7e)) {
      problems.push('Each symbol is one byte: use plain letters or digits.');
    }
    const empty = HANDS.filter((name, hand) => hand >= bytes.length);
    if (empty.length > 0) problems.push(`${empty.join(' and ')} ${empty.length > 1 ? 'have' : 'has'} no symbol.`);
    for (let a = 0; a < 4; ++a) {
      for (let b = a + 1; b < 4; ++b) {
        if (symbols[a] === symbols[b] && a < bytes.length) {
          problems.push(`${HANDS[a]} and ${HANDS[b]} share "${shown(symbols[a])}".`);
        }
      }
    }
    if (symbols.includes('?')) problems.push('"?" also marks a card without a hand.');
    return problems.length === 0 ? '' : `${problems.join(' ')} The colours, bars and names still tell the hands.`;
  }

  // ---- The run -----------------------------------------------------------

  const latin1 = (bytes) => {
    let text = '';
    for (let i = 0; i < bytes.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, bytes.subarray(i, i + 0x8000));
    }
    return text;
  };

  // A deal's direction line, as the core prints it.
  function lineOf(hands) {
    let line = '';
    for (let card = 0; card < CARDS; ++card) {
      if (card % 13 % 3 === 0) line += ' ';
      line += symbolOf(hands[card]);
    }
    return line;
  }
  function dealText(index) {
    const number = state.deals.number(index);
    return `${number === 0 ? '' : `Board ${number}\n`}${lineOf(state.deals.handsOf(index))}\n`;
  }

  // The lines the run printed after its last deal (or after the file was
  // named, when it wrote none): where the core says why it stopped.
  function lastWords(consoleBytes, name) {
    const text = latin1(consoleBytes);
    let from;
    if (state.deals.length > 0) {
      const last = dealText(state.deals.length - 1);
      from = text.lastIndexOf(last) + last.length;
    } else {
      const named = `Bridge file: ${latin1(new TextEncoder().encode(name))}\n`;
      const at = text.indexOf(named);
      const west = text.indexOf(' = West\n');
      from = at >= 0 ? at + named.length : west >= 0 ? west + ' = West\n'.length : 0;
    }
    const words = new TextDecoder().decode(consoleBytes.subarray(from));
    return words.split('\n').map((line) => line.trim()).filter((line) => line !== '');
  }

  // The file whose deals are shown: a run of another file hides them at
  // once, a new run of the same file (other symbols) shows them until its
  // own come.
  let dealsFile = null;

  // The core reads the file in a worker: board 1 (or the board kept) shows
  // as soon as it is read, while the rest is read, with the count so far.
  async function run() {
    if (state.file === null) return;
    const id = ++state.run;
    const file = state.file;
    const symbolsText = view.symbols.value;
    state.ranSymbols = symbolsText;
    store.keepSetting('symbols', symbolsText);
    view.symbolsNote.textContent = symbolsWarning(symbolsText);
    if (dealsFile !== file) {
      state.deals = null;
      view.dealView.hidden = true;
    }
    showReading(file, 0);
    let boardShown = false;
    let result;
    try {
      result = await runCore(file.name, file.bytes, symbolsText, (deals) => {
        if (id !== state.run) return;
        if (state.deals !== deals) takeDeals(file, symbolsText, deals);
        if (boardShown) {
          view.boardPlace.textContent = `(${state.index + 1} of ${deals.length})`;
          view.next.disabled = state.index === lastIndex();
        } else if (deals.length > state.index) {
          boardShown = true;
          showDeals();
        }
        showReading(file, deals.length);
      });
    } catch (error) {
      if (id === state.run) showBreak(error);
      throw error;
    }
    if (id !== state.run) return;
    if (state.deals !== result.deals) takeDeals(file, symbolsText, result.deals);
    state.failed = result.exit !== 0;
    consoleView.show(view.console, result.console, result.lines);
    showEnd(result);
    const count = state.deals.length;
    state.index = Math.min(state.index, Math.max(0, count - 1));
    if (count === 0) {
      view.dealView.hidden = true;
      fold(false);
    } else if (boardShown) {
      showBoard();
    } else {
      showDeals();
    }
    document.body.dataset.runs = String(id);
  }

  // A run's deals, from the first that arrives.
  function takeDeals(file, symbolsText, deals) {
    dealsFile = file;
    state.symbols = effectiveSymbols(symbolsText);
    state.deals = deals;
    state.failed = false;
    state.printed = false;
    view.print.textContent = '';
  }

  function showDeals() {
    view.dealView.hidden = false;
    fold(true);
    showBoard();
    cues.keepAwake();
  }

  const boardsText = (count) => `${count} ${count === 1 ? 'board' : 'boards'}`;

  // While the file is read: its name and the number of boards read so far.
  // The end's console and download are not there yet.
  function showReading(file, count) {
    view.end.hidden = false;
    view.end.classList.remove('failed');
    view.endIcon.hidden = true;
    view.endMark.hidden = true;
    view.status.textContent = count === 0 ? `Reading ${file.name}\u2026`
      : `Reading ${file.name}: ${boardsText(count)} so far\u2026`;
    view.status.dataset.exit = '';
    view.status.setAttribute('aria-busy', 'true');
    view.fileName.textContent = file.name;
    view.boardsRead.textContent = `${boardsText(count)}\u2026`;
    view.setup.hidden = false;
    if (count === 0) {
      consoleView.show(view.console, new Uint8Array(0), new Uint32Array(0));
      view.consoleBox.hidden = true;
      view.downloadLine.hidden = true;
    }
  }

  // The page itself could not go on (the device out of memory, say).
  function showBreak(error) {
    view.end.classList.add('failed');
    view.status.removeAttribute('aria-busy');
    view.status.textContent = `The page could not read ${state.file.name}: ${error.message}`;
  }

  // The end's two pictures, carried in the page.
  const endPicture = (name) => document.getElementById('icons').content
    .querySelector(`[data-icon="${name}"]`).getAttribute('src');

  function showEnd(result) {
    const count = state.deals.length;
    const success = !state.failed;
    const words = success ? [] : lastWords(result.console, state.file.name);
    const quoted = words.map((line) => `\u201c${line}\u201d`).join(' ');
    let status;
    if (success) {
      status = `Read to the end: ${boardsText(count)}.`;
    } else if (count > 0) {
      const number = state.deals.number(count - 1);
      const where = number === 0 ? `deal ${count}` : `board ${number}`;
      status = `Reading stopped after ${where}: ${quoted}`;
    } else {
      status = `No deal was read: ${quoted}`;
    }
    view.end.hidden = false;
    view.consoleBox.hidden = false;
    view.end.classList.toggle('failed', !success);
    view.status.textContent = status;
    view.status.dataset.exit = String(result.exit);
    view.status.removeAttribute('aria-busy');
    const icon = endPicture(success ? 'success' : 'stop');
    view.endIcon.src = icon;
    view.endIcon.alt = success ? 'Done' : 'Stopped';
    view.endIcon.hidden = false;
    view.endMark.src = icon;
    view.endMark.alt = success ? 'read to the end' : 'stopped at bad data';
    view.endMark.hidden = false;
    view.fileName.textContent = state.file.name;
    view.boardsRead.textContent = boardsText(count);
    view.setup.hidden = false;

    if (state.downloadUrl !== null) URL.revokeObjectURL(state.downloadUrl);
    state.downloadUrl = null;
    if (result.output === null) {
      view.download.removeAttribute('href');
      view.downloadLine.hidden = true;
    } else {
      state.downloadUrl = URL.createObjectURL(new Blob([result.output], { type: 'text/plain' }));
      view.download.href = state.downloadUrl;
      view.downloadLine.hidden = false;
    }
  }

  // The settings fold into one line while dealing; a touch opens them.
  function fold(folded) {
    document.body.classList.toggle('folded', folded);
    view.setup.setAttribute('aria-expanded', String(!folded));
    view.setupPanel.hidden = folded;
  }

  // ---- The board -----------------------------------------------------------

  function cardName(card) {
    return `${RANK_NAMES[card % 13]} of ${SUITS[Math.floor(card / 13)].name}`;
  }

  // One renderer for a board's grid, on the screen and in the print: rank
  // labels over four suit rows of 13 cells, each cell its hand's symbol,
  // the hand in data-hand.
  function drawGrid(table, hands) {
    if (table.tBodies[0].rows.length === 0) {
      const head = table.tHead.rows[0];
      RANKS.forEach((rank, r) => {
        const th = document.createElement('th');
        th.scope = 'col';
        th.textContent = rank;
        th.setAttribute('aria-label', RANK_NAMES[r]);
        if (groupEnd(r)) th.classList.add('gap');
        head.appendChild(th);
      });
      SUITS.forEach((suit, s) => {
        const row = table.tBodies[0].insertRow();
        const th = document.createElement('th');
        th.scope = 'row';
        th.textContent = suit.symbol;
        th.setAttribute('aria-label', suit.name);
        th.className = suit.red ? 'suit red' : 'suit';
        row.appendChild(th);
        for (let r = 0; r < 13; ++r) {
          const td = row.insertCell();
          td.dataset.card = String(s * 13 + r);
          td.className = groupEnd(r) ? 'card gap' : 'card';
        }
      });
    }
    for (const td of table.querySelectorAll('td[data-card]')) {
      const card = Number(td.dataset.card);
      const hand = hands[card];
      td.dataset.hand = String(hand);
      td.textContent = shown(symbolOf(hand));
      td.setAttribute('aria-label', `${cardName(card)}: ${handName(hand)}`);
    }
  }

  const cursorOf = (index) => state.cursors.get(index) ?? NOT_STARTED;
  const lastIndex = () => state.deals.length - 1;
  const boardLabel = (index) => {
    const number = state.deals.number(index);
    return number === 0 ? `deal ${index + 1}` : `Board ${number}`;
  };

  function showBoard() {
    const hands = state.deals.handsOf(state.index);
    view.boardNumber.textContent = String(state.deals.number(state.index));
    view.boardPlace.textContent = `(${state.index + 1} of ${state.deals.length})`;
    view.prev.disabled = state.index === 0;
    view.next.disabled = state.index === lastIndex();
    view.lastRead.hidden = !(state.failed && state.index === lastIndex());
    view.dealView.classList.toggle('faulty', !view.lastRead.hidden);
    drawGrid(view.grid, hands);

    const counts = [0, 0, 0, 0, 0];
    for (const hand of hands) ++counts[hand];
    view.counts.replaceChildren(...counts.map((count, hand) => {
      if (hand === NO_HAND && count === 0) return '';
      const span = document.createElement('span');
      span.className = count === 13 ? 'count' : 'count wrong';
      span.dataset.hand = String(hand);
      span.textContent = `${shown(symbolOf(hand))} ${handName(hand)} ${count}${count === 13 ? '' : ' !'}`;
      return span;
    }));
    const number = state.deals.number(state.index);
    view.boardLine.textContent = (number === 0 ? '' : `Board ${number}\n`) + lineOf(hands);
    showCursor();
  }

  function showCursor() {
    const cursor = cursorOf(state.index);
    const hands = state.deals.handsOf(state.index);
    for (const cell of view.grid.querySelectorAll('td.at')) cell.classList.remove('at');
    if (cursor >= 0 && cursor < CARDS) {
      const card = cursor;
      const hand = hands[card];
      view.grid.querySelector(`td[data-card="${card}"]`).classList.add('at');
      const suit = SUITS[Math.floor(card / 13)];
      view.panel.dataset.card = String(card);
      view.panel.dataset.hand = String(hand);
      view.panel.className = 'card-panel';
      view.panelCard.textContent = `${suit.symbol}${CARD_RANKS[card % 13]}`;
      view.panelCard.classList.toggle('red', suit.red);
      view.panelSymbol.textContent = shown(symbolOf(hand));
      view.panelWords.textContent = handName(hand);
      view.panel.setAttribute('aria-label', `${cardName(card)}: ${handName(hand)}`);
      return;
    }
    view.panel.dataset.card = '';
    view.panel.dataset.hand = '';
    view.panelCard.classList.remove('red');
    view.panelSymbol.textContent = '';
    const label = boardLabel(state.index);
    if (cursor === NOT_STARTED) {
      view.panel.className = 'card-panel waiting';
      view.panelCard.textContent = label;
      view.panelWords.textContent = 'Space, Enter or a tap: first card';
    } else {
      view.panel.className = 'card-panel done';
      view.panelCard.textContent = `${label} done`;
      view.panelWords.textContent = state.index === lastIndex()
        ? `All ${state.deals.length} ${state.deals.length === 1 ? 'board' : 'boards'} dealt.`
        : 'Into the board; sort the next pack.';
    }
    view.panel.setAttribute('aria-label', `${view.panelCard.textContent}. ${view.panelWords.textContent}`);
  }

  // ---- Steps ---------------------------------------------------------------

  function cue() {
    // Taken again at a step if the browser wanted a key press or tap for it.
    cues.keepAwake();
    const cursor = cursorOf(state.index);
    const switches = { speech: view.speak.checked, tones: view.tones.checked };
    if (cursor >= 0 && cursor < CARDS) cues.step(state.deals.handsOf(state.index)[cursor], switches);
    else if (cursor === DONE) cues.step(null, switches, 'done');
  }

  function setPlace(index, cursor) {
    const boardChanged = index !== state.index;
    state.index = index;
    if (cursor === NOT_STARTED) state.cursors.delete(index);
    else state.cursors.set(index, cursor);
    if (boardChanged) showBoard();
    else showCursor();
    keepPlace();
  }

  // One card on (+1) or back (-1). After the two of clubs the board is done;
  // the step after that is the next board's first card.
  function step(direction) {
    if (!hasDeals()) return;
    const cursor = cursorOf(state.index);
    if (direction > 0) {
      if (cursor === DONE) {
        if (state.index === lastIndex()) return;
        setPlace(state.index + 1, 0);
      } else {
        setPlace(state.index, cursor + 1);
      }
    } else if (cursor === NOT_STARTED) {
      if (state.index === 0) return;
      setPlace(state.index - 1, DONE);
    } else {
      setPlace(state.index, cursor - 1);
    }
    cue();
  }

  // Another board, at the place it was left.
  function goTo(index) {
    if (!hasDeals()) return;
    const next = Math.max(0, Math.min(lastIndex(), index));
    if (next === state.index) return;
    setPlace(next, cursorOf(next));
  }

  function select(card) {
    setPlace(state.index, card);
    cue();
  }

  const hasDeals = () => state.deals !== null && state.deals.length > 0;

  // ---- Keeping the place -------------------------------------------------

  function keepPlace() {
    if (state.file === null) return;
    store.keepPlace(state.file.key, { index: state.index, cursors: Object.fromEntries(state.cursors) });
  }

  let noteTimer = 0;
  function note(text) {
    view.note.textContent = text;
    view.note.hidden = false;
    clearTimeout(noteTimer);
    noteTimer = setTimeout(() => { view.note.hidden = true; }, NOTE_MS);
  }

  // Reads a file and goes to the place kept for its content, if any.
  async function open(name, bytes) {
    const key = store.contentKey(bytes);
    const place = store.place(key);
    state.file = { name, bytes, key };
    state.index = place === null ? 0 : place.index;
    state.cursors = new Map(place === null ? [] : Object.entries(place.cursors).map(([i, c]) => [Number(i), c]));
    await run();
    if (hasDeals()) {
      view.dealView.focus({ preventScroll: true });
      if (place !== null) note(`Resumed at ${boardLabel(state.index).toLowerCase()}`);
    }
  }

  // A file chosen anew: kept for the next visit, then read.
  function take(name, bytes) {
    view.kept.textContent = '';
    store.keepFile({ name, bytes }).then((kept) => {
      view.kept.textContent = kept ? 'This file and your place in it are kept on this device.'
        : 'This browser keeps nothing: a reload starts afresh.';
    });
    return open(name, bytes);
  }

  function takeFile(file) {
    if (!file) return;
    file.arrayBuffer().then((buffer) => take(file.name, new Uint8Array(buffer)));
  }

  function openExample() {
    const { name, hex } = window.PIPSWEEP_EXAMPLE;
    const bytes = new Uint8Array(hex.length / 2);
    for (let i = 0; i < bytes.length; ++i) bytes[i] = parseInt(hex.substr(i * 2, 2), 16);
    take(name, bytes);
  }

  // ---- Print -----------------------------------------------------------------

  // Every board, built when a print starts (it may be many).
  function buildPrint() {
    if (state.printed || !hasDeals()) return;
    state.printed = true;
    const template = view.grid.cloneNode(true);
    template.removeAttribute('id');
    template.removeAttribute('aria-label');
    for (const cell of template.querySelectorAll('.at')) cell.classList.remove('at');
    const boards = document.createDocumentFragment();
    for (let index = 0; index < state.deals.length; ++index) {
      const hands = state.deals.handsOf(index);
      const board = document.createElement('div');
      board.className = 'print-board';
      const title = document.createElement('h3');
      title.textContent = boardLabel(index);
      const table = template.cloneNode(true);
      drawGrid(table, hands);
      const line = document.createElement('pre');
      line.textContent = lineOf(hands);
      board.append(title, table, line);
      boards.appendChild(board);
    }
    view.print.replaceChildren(boards);
  }

  // ---- Input -------------------------------------------------------------------

  const isTextEntry = (target) => target instanceof HTMLTextAreaElement || target instanceof HTMLSelectElement
    || (target instanceof HTMLInputElement && !['checkbox', 'radio', 'button', 'file'].includes(target.type));
  // Controls that take Space and Enter for themselves once reached with Tab.
  const CONTROLS = 'button, a[href], input, select, summary, [role="button"]';

  const KEYS = {
    ' ': () => step(1), Enter: () => step(1), ArrowRight: () => step(1), ArrowDown: () => step(1),
    PageDown: () => step(1),
    Backspace: () => step(-1), ArrowLeft: () => step(-1), ArrowUp: () => step(-1), PageUp: () => step(-1),
    n: () => goTo(state.index + 1), N: () => goTo(state.index + 1),
    p: () => goTo(state.index - 1), P: () => goTo(state.index - 1),
    Home: () => goTo(0), End: () => goTo(lastIndex()),
  };

  // A control clicked or tapped leaves the keys to the cards; one reached
  // with Tab keeps Space and Enter for itself.
  let pointerLast = false;
  let focusByPointer = false;
  document.addEventListener('pointerdown', () => { pointerLast = true; }, true);
  document.addEventListener('keydown', () => { pointerLast = false; }, true);
  document.addEventListener('focusin', () => { focusByPointer = pointerLast; });

  document.addEventListener('keydown', (event) => {
    if (!hasDeals() || event.altKey || event.ctrlKey || event.metaKey) return;
    const target = event.target;
    if (isTextEntry(target)) return;
    const activates = event.key === ' ' || event.key === 'Enter';
    const control = target instanceof Element && target.closest(CONTROLS) !== null;
    if (activates && control && !focusByPointer) return;
    const action = event.key === ' ' && event.shiftKey ? () => step(-1) : KEYS[event.key];
    if (action === undefined) return;
    event.preventDefault();
    if (control) view.dealView.focus({ preventScroll: true });
    action();
  });

  // On the dealing view: a tap steps one card, a tap on a cell makes that
  // card current, a sideways swipe changes board.
  let pointerStart = null;
  view.dealView.addEventListener('pointerdown', (event) => {
    pointerStart = event.button === 0 ? { x: event.clientX, y: event.clientY } : null;
  });
  view.dealView.addEventListener('pointercancel', () => { pointerStart = null; });
  view.dealView.addEventListener('pointerup', (event) => {
    if (pointerStart === null) return;
    const dx = event.clientX - pointerStart.x;
    const dy = event.clientY - pointerStart.y;
    pointerStart = null;
    if (Math.abs(dx) > SWIPE_PX && Math.abs(dx) > 1.5 * Math.abs(dy)) {
      goTo(state.index + (dx < 0 ? 1 : -1));
      return;
    }
    if (Math.abs(dx) > TAP_PX || Math.abs(dy) > TAP_PX) return;
    const target = event.target instanceof Element ? event.target : null;
    if (target === null || target.closest(CONTROLS)) return;
    const cell = target.closest('#grid td[data-card]');
    if (cell !== null) select(Number(cell.dataset.card));
    else if (!target.closest('#grid')) step(1);
  });

  view.prev.addEventListener('click', () => goTo(state.index - 1));
  view.next.addEventListener('click', () => goTo(state.index + 1));
  view.setup.addEventListener('click', () => fold(!view.setupPanel.hidden));
  view.file.addEventListener('change', () => takeFile(view.file.files[0]));
  view.example.addEventListener('click', openExample);

  // The symbols: a warning at once, a new run on Enter, on leaving the
  // field, or after a pause in typing.
  let rerunTimer = 0;
  function rerun() {
    clearTimeout(rerunTimer);
    if (state.file === null) store.keepSetting('symbols', view.symbols.value);
    if (state.file !== null && view.symbols.value !== state.ranSymbols) run();
  }
  view.symbols.addEventListener('input', () => {
    view.symbolsNote.textContent = symbolsWarning(view.symbols.value);
    clearTimeout(rerunTimer);
    rerunTimer = setTimeout(rerun, RERUN_AFTER_MS);
  });
  view.symbols.addEventListener('change', rerun);
  view.symbols.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
      rerun();
    }
  });

  for (const [box, name] of [[view.speak, 'speak'], [view.tones, 'tones']]) {
    box.checked = store.setting(name, '0') === '1';
    box.addEventListener('change', () => store.keepSetting(name, box.checked ? '1' : '0'));
  }

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
  // The installed app, chosen to open a deal file on the desktop
  // (manifest.webmanifest's file_handlers).
  if ('launchQueue' in window) {
    window.launchQueue.setConsumer((launch) => {
      if (launch.files.length > 0) launch.files[0].getFile().then(takeFile);
    });
  }

  // Back where the director was: the last file, its symbols and its place.
  view.symbols.value = store.setting('symbols', view.symbols.value);
  view.symbolsNote.textContent = symbolsWarning(view.symbols.value);
  store.lastFile().then((file) => {
    if (file !== null && state.file === null) return open(file.name, file.bytes);
    return undefined;
  }).finally(() => { document.body.dataset.ready = 'true'; });
})();
