// The page at the card table: reads a deal file with the core, then shows
// one board at a time and walks the sorted pack card by card, telling the
// hand of each card in large type, in words, by colour and by seat.
'use strict';

(() => {
  const { runCore, consoleView, store, cues, board, print } = window.Pipsweep;
  const { SUITS, CARD_RANKS, HANDS, SEATS, NO_HAND, cardName } = board;

  const CARDS = 52;
  // A board's place: no card yet, a card 0 to 51, or every card dealt.
  const NOT_STARTED = -1;
  const DONE = CARDS;
  const RERUN_AFTER_MS = 800;
  const NOTE_MS = 5000;
  const SWIPE_PX = 50;
  const TAP_PX = 12;
  const MAX_COPIES = 9;

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
    panelWords: $('panel-words'), grid: $('grid'), hands: $('hands'), counts: $('counts'),
    boardLine: $('board-line'), dealer: $('dealer'), vulnerability: $('vulnerability'), copy: $('copy'),
    from: $('from'), to: $('to'), copies: $('copies'), copyOrder: $('copy-order'), rangeNote: $('range-note'),
    packOrder: $('pack-order'), showHands: $('show-hands'), blind: $('blind'),
    printKind: $('print-kind'), event: $('event'), date: $('date'), printButton: $('print-button'),
    print: $('print-boards'),
  };

  const state = {
    file: null,         // { name, bytes, key } of the file read
    run: 0,             // number of the latest run; older results are dropped
    ranSymbols: null,   // the symbols text of the latest run
    symbols: [],        // the four symbols as the core wrote them, one byte each
    deals: null,        // the deals of the latest run
    failed: false,      // the latest run stopped at bad data
    // The session: the boards From to To, each in Copies copies, in the
    // order of the copies; kept with the place.
    session: { from: '', to: '', copies: 1, order: 'board' },
    sequence: null,     // { deals, copies, length, first, last }: what is dealt, in order
    position: 0,        // the entry of the sequence shown
    cursors: new Map(), // "deal:copy" -> place on that board
    downloadUrl: null,
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

  // The core reads the file in a worker: the first board of the session,
  // or the board at the place kept (at, "deal:copy"), shows as soon as it
  // is read, while the rest is read, with the count so far.
  async function run(at = null) {
    if (state.file === null) return;
    const id = ++state.run;
    const file = state.file;
    const symbolsText = view.symbols.value;
    state.ranSymbols = symbolsText;
    store.keepSetting('symbols', symbolsText);
    view.symbolsNote.textContent = symbolsWarning(symbolsText);
    if (dealsFile !== file) {
      state.deals = null;
      state.sequence = null;
      view.dealView.hidden = true;
    }
    // A new run of the file shown (other symbols) stays on the board shown,
    // and shows the last run's deals until it has read that board.
    const wanted = at ?? (hasDeals() ? entryKey(state.position) : null);
    const wantedRead = (deals) => deals.length > (wanted === null ? 0 : Number(wanted.split(':')[0]));
    showReading(file, 0);
    let boardShown = false;
    let result;
    try {
      result = await runCore(file.name, file.bytes, symbolsText, (deals) => {
        if (id !== state.run) return;
        showReading(file, deals.length);
        if (boardShown) {
          makeSequence();
          view.boardPlace.textContent = `(${state.position + 1} of ${state.sequence.length})`;
          view.next.disabled = state.position === lastPosition();
        } else if (wantedRead(deals)) {
          takeDeals(file, symbolsText, deals);
          makeSequence(wanted);
          boardShown = true;
          showDeals();
        }
      });
    } catch (error) {
      if (id === state.run) showBreak(error);
      throw error;
    }
    if (id !== state.run) return;
    takeDeals(file, symbolsText, result.deals);
    state.failed = result.exit !== 0;
    consoleView.show(view.console, result.console, result.lines);
    showEnd(result);
    makeSequence(boardShown ? undefined : wanted);
    if (state.deals.length === 0) {
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
    if (state.deals === deals) return;
    state.deals = deals;
    state.failed = false;
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

  // ---- The session: which boards, how many copies, in what order ---------

  const entryKey = (position) => `${state.sequence.deals[position]}:${state.sequence.copies[position]}`;
  const dealAt = (position) => state.sequence.deals[position];
  const lastPosition = () => state.sequence.length - 1;
  const hasDeals = () => state.sequence !== null && state.sequence.length > 0;

  // The deals From to To: from the first deal numbered From, to the first
  // deal numbered To after it. A number not found is said, and the range
  // runs from the first or to the last deal instead.
  function range() {
    const { from, to } = state.session;
    const numbers = state.deals.numbers;
    const problems = [];
    let first = 0;
    let last = numbers.length - 1;
    if (from !== '') {
      first = numbers.indexOf(Number(from));
      if (first < 0) {
        problems.push(`No board ${from} in this file: dealing from the first board.`);
        first = 0;
      }
    }
    if (to !== '') {
      last = numbers.indexOf(Number(to), first);
      if (last < 0) {
        problems.push(`No board ${to} after board ${numbers[first]}: dealing to the last board.`);
        last = numbers.length - 1;
      }
    }
    return { first, last, problems };
  }

  // Rebuilds what is dealt after a new run or new session settings, and
  // stays on the board shown if it is still dealt.
  function makeSequence(at = hasDeals() ? entryKey(state.position) : null) {
    const { first, last, problems } = state.deals.length === 0 ? { first: 0, last: -1, problems: [] } : range();
    const copies = state.session.copies;
    const boards = Math.max(0, last - first + 1);
    const length = boards * copies;
    const deals = new Int32Array(length);
    const copyOf = new Uint8Array(length);
    for (let i = 0; i < length; ++i) {
      // Each board's copies in a row, or the whole range once per copy.
      const [board, copy] = state.session.order === 'set' ? [i % boards, Math.floor(i / boards)]
        : [Math.floor(i / copies), i % copies];
      deals[i] = first + board;
      copyOf[i] = copy + 1;
    }
    state.sequence = { deals, copies: copyOf, length, first, last };
    view.rangeNote.textContent = problems.join(' ');
    state.position = 0;
    if (at !== null) {
      for (let i = 0; i < length; ++i) {
        if (`${deals[i]}:${copyOf[i]}` === at) state.position = i;
      }
    }
  }

  function changeSession() {
    const copies = Math.round(Number(view.copies.value));
    state.session = {
      from: view.from.value.trim(),
      to: view.to.value.trim(),
      copies: Number.isFinite(copies) ? Math.max(1, Math.min(MAX_COPIES, copies)) : 1,
      order: view.copyOrder.value === 'set' ? 'set' : 'board',
    };
    view.copies.value = String(state.session.copies);
    if (state.deals === null) return;
    makeSequence();
    if (hasDeals()) showBoard();
    keepPlace();
  }

  // ---- The board -----------------------------------------------------------

  const cursorAt = (position) => state.cursors.get(entryKey(position)) ?? NOT_STARTED;
  const boardLabel = (deal) => {
    const number = state.deals.number(deal);
    return number === 0 ? `deal ${deal + 1}` : `Board ${number}`;
  };

  function showBoard() {
    const deal = dealAt(state.position);
    const hands = state.deals.handsOf(deal);
    const number = state.deals.number(deal);
    view.boardNumber.textContent = String(number);
    view.boardPlace.textContent = `(${state.position + 1} of ${state.sequence.length})`;
    view.dealer.dataset.seat = board.dealerOf(number);
    view.dealer.textContent = number === 0 ? '' : `Dealer ${board.dealerOf(number)}`;
    view.vulnerability.dataset.vul = board.vulnerabilityOf(number);
    view.vulnerability.textContent = number === 0 ? '' : `Vul ${board.vulnerabilityOf(number)}`;
    const copies = state.session.copies;
    view.copy.dataset.copy = String(state.sequence.copies[state.position]);
    view.copy.dataset.copies = String(copies);
    view.copy.textContent = copies === 1 ? '' : `copy ${state.sequence.copies[state.position]} of ${copies}`;
    view.prev.disabled = state.position === 0;
    view.next.disabled = state.position === lastPosition();
    view.lastRead.hidden = !(state.failed && deal === state.deals.length - 1);
    view.dealView.classList.toggle('faulty', !view.lastRead.hidden);
    board.drawGrid(view.grid, hands, (hand) => shown(symbolOf(hand)));
    board.drawHands(view.hands, hands, number);

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
    view.boardLine.textContent = (number === 0 ? '' : `Board ${number}\n`) + lineOf(hands);
    showCursor();
  }

  function showCursor() {
    const cursor = cursorAt(state.position);
    const deal = dealAt(state.position);
    const hands = state.deals.handsOf(deal);
    for (const cell of view.dealView.querySelectorAll('.at')) cell.classList.remove('at');
    if (cursor >= 0 && cursor < CARDS) {
      const card = cursor;
      const hand = hands[card];
      for (const cell of view.dealView.querySelectorAll(`[data-card="${card}"]`)) cell.classList.add('at');
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
    const copies = state.session.copies;
    const label = boardLabel(deal) + (copies === 1 ? '' : `, copy ${state.sequence.copies[state.position]}`);
    if (cursor === NOT_STARTED) {
      view.panel.className = 'card-panel waiting';
      view.panelCard.textContent = label;
      view.panelWords.textContent = 'Space, Enter or a tap: first card';
    } else {
      view.panel.className = 'card-panel done';
      view.panelCard.textContent = `${label} done`;
      const boards = state.sequence.length;
      view.panelWords.textContent = state.position === lastPosition()
        ? `All ${boards} ${boards === 1 ? 'board' : 'boards'} dealt.`
        : 'Into the board; sort the next pack.';
    }
    view.panel.setAttribute('aria-label', `${view.panelCard.textContent}. ${view.panelWords.textContent}`);
  }

  // ---- Steps ---------------------------------------------------------------

  // The pack sorted takes the ace of spades first; turned over, the two of
  // clubs. The grid and the line stay as they are.
  const reversed = () => view.packOrder.value === 'reversed';
  const firstCard = () => (reversed() ? CARDS - 1 : 0);
  const lastCard = () => (reversed() ? 0 : CARDS - 1);

  function cue() {
    // Taken again at a step if the browser wanted a key press or tap for it.
    cues.keepAwake();
    const cursor = cursorAt(state.position);
    const switches = { speech: view.speak.checked, tones: view.tones.checked };
    if (cursor >= 0 && cursor < CARDS) cues.step(state.deals.handsOf(dealAt(state.position))[cursor], switches);
    else if (cursor === DONE) cues.step(null, switches, 'done');
  }

  function setPlace(position, cursor) {
    const boardChanged = position !== state.position;
    state.position = position;
    if (cursor === NOT_STARTED) state.cursors.delete(entryKey(position));
    else state.cursors.set(entryKey(position), cursor);
    if (boardChanged) showBoard();
    else showCursor();
    keepPlace();
  }

  // One card on (+1) or back (-1). After the last card the board is done;
  // the step after that is the next board's first card.
  function step(direction) {
    if (!hasDeals()) return;
    const cursor = cursorAt(state.position);
    const along = reversed() ? -1 : 1;
    if (direction > 0) {
      if (cursor === DONE) {
        if (state.position === lastPosition()) return;
        setPlace(state.position + 1, firstCard());
      } else if (cursor === NOT_STARTED) {
        setPlace(state.position, firstCard());
      } else {
        setPlace(state.position, cursor === lastCard() ? DONE : cursor + along);
      }
    } else if (cursor === NOT_STARTED) {
      if (state.position === 0) return;
      setPlace(state.position - 1, DONE);
    } else if (cursor === DONE) {
      setPlace(state.position, lastCard());
    } else {
      setPlace(state.position, cursor === firstCard() ? NOT_STARTED : cursor - along);
    }
    cue();
  }

  // Another board, at the place it was left.
  function goTo(position) {
    if (!hasDeals()) return;
    const next = Math.max(0, Math.min(lastPosition(), position));
    if (next === state.position) return;
    setPlace(next, cursorAt(next));
  }

  function select(card) {
    setPlace(state.position, card);
    cue();
  }

  // ---- Keeping the place -------------------------------------------------

  function keepPlace() {
    if (state.file === null || !hasDeals()) return;
    store.keepPlace(state.file.key, {
      session: state.session, at: entryKey(state.position), cursors: Object.fromEntries(state.cursors),
    });
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
    state.session = place?.session ?? { from: '', to: '', copies: 1, order: 'board' };
    // The fields show the session once, here: a large file's sequence is
    // rebuilt while it is read, and a field being typed in stays as typed.
    view.from.value = state.session.from;
    view.to.value = state.session.to;
    view.copies.value = String(state.session.copies);
    view.copyOrder.value = state.session.order;
    state.cursors = new Map(Object.entries(place?.cursors ?? {}));
    state.sequence = null;
    await run(place?.at ?? null);
    if (!hasDeals()) return;
    if (place !== null) {
      const copies = state.session.copies;
      note(`Resumed at ${boardLabel(dealAt(state.position)).toLowerCase()}`
        + (copies === 1 ? '' : `, copy ${state.sequence.copies[state.position]} of ${copies}`));
    }
    view.dealView.focus({ preventScroll: true });
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

  // Each board of the range once, built when a print starts.
  function buildPrint() {
    if (!hasDeals()) return;
    const boards = [];
    for (let deal = state.sequence.first; deal <= state.sequence.last; ++deal) {
      const hands = state.deals.handsOf(deal);
      boards.push({ number: state.deals.number(deal), hands, label: boardLabel(deal), line: lineOf(hands) });
    }
    print.build(view.print, view.printKind.value, boards, {
      event: view.event.value, date: view.date.value, symbolOf: (hand) => shown(symbolOf(hand)),
    });
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
    n: () => goTo(state.position + 1), N: () => goTo(state.position + 1),
    p: () => goTo(state.position - 1), P: () => goTo(state.position - 1),
    Home: () => goTo(0), End: () => goTo(lastPosition()),
    h: () => toggleHands(), H: () => toggleHands(),
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
      goTo(state.position + (dx < 0 ? 1 : -1));
      return;
    }
    if (Math.abs(dx) > TAP_PX || Math.abs(dy) > TAP_PX) return;
    const target = event.target instanceof Element ? event.target : null;
    if (target === null || target.closest(CONTROLS)) return;
    const cell = target.closest('#grid td[data-card], #hands .rank');
    if (cell !== null) select(Number(cell.dataset.card));
    else if (!target.closest('#grid, #hands')) step(1);
  });

  view.prev.addEventListener('click', () => goTo(state.position - 1));
  view.next.addEventListener('click', () => goTo(state.position + 1));
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

  // The session: a change applies when the field is left (or on Enter).
  for (const input of [view.from, view.to, view.copies, view.copyOrder]) {
    input.addEventListener('change', changeSession);
  }

  // What the director sees: the hands beside the grid's place, or in a
  // blind deal nothing but the card and its direction.
  function showLayers() {
    document.body.classList.toggle('show-hands', view.showHands.checked);
    document.body.classList.toggle('blind', view.blind.checked);
  }
  function toggleHands() {
    view.showHands.checked = !view.showHands.checked;
    store.keepSetting('show-hands', view.showHands.checked ? '1' : '0');
    showLayers();
  }

  // Switches and choices remembered on the device.
  for (const [box, name] of [[view.speak, 'speak'], [view.tones, 'tones'], [view.showHands, 'show-hands'],
    [view.blind, 'blind']]) {
    box.checked = store.setting(name, '0') === '1';
    box.addEventListener('change', () => {
      store.keepSetting(name, box.checked ? '1' : '0');
      showLayers();
    });
  }
  for (const [select, name] of [[view.packOrder, 'pack-order'], [view.printKind, 'print-kind']]) {
    select.value = store.setting(name, select.value);
    select.addEventListener('change', () => store.keepSetting(name, select.value));
  }
  for (const [input, name] of [[view.event, 'event'], [view.date, 'date']]) {
    input.value = store.setting(name, '');
    input.addEventListener('change', () => store.keepSetting(name, input.value));
  }
  showLayers();
  view.printButton.addEventListener('click', () => window.print());

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
