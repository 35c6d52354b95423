// Input, mapped to what the app does: keys (a keyboard, a presentation
// clicker or a page-turner pedal), taps, clicks and swipes on the dealing
// view, files dropped or opened with the app, and the print. Nothing here
// draws; bindEvents returns the function that unbinds it all.

// A sideways swipe of this much changes board; a press that moves less than
// a tap's slack and lasts this long makes a cell's card current.
const SWIPE_PX = 50;
const TAP_PX = 12;
const LONG_PRESS_MS = 500;

const isTextEntry = (target) => target instanceof HTMLTextAreaElement || target instanceof HTMLSelectElement
  || (target instanceof HTMLInputElement && !['checkbox', 'radio', 'button', 'file'].includes(target.type));
// Controls that take Space and Enter for themselves once reached with Tab.
const CONTROLS = 'button, a[href], input, select, summary, [role="button"]';

export function bindEvents(app, { openFile, preparePrint }) {
  const unbinds = [];
  const on = (target, type, handler, options) => {
    target.addEventListener(type, handler, options);
    unbinds.push(() => target.removeEventListener(type, handler, options));
  };
  const $ = (id) => document.getElementById(id);
  const dealView = $('deal-view');
  const next = () => app.stepBy(1);
  const back = () => app.stepBy(-1);
  // The check takes the keys: the director types counts in its fields.
  function openCheck() {
    app.toggleCheck();
    if (app.checking()) requestAnimationFrame(() => document.querySelector('#check-panel input').focus());
    else dealView.focus({ preventScroll: true });
  }

  const KEYS = {
    ' ': next, Enter: next, ArrowRight: next, ArrowDown: next, PageDown: next,
    Backspace: back, ArrowLeft: back, ArrowUp: back, PageUp: back,
    n: app.nextBoard, N: app.nextBoard, p: app.previousBoard, P: app.previousBoard,
    Home: app.firstBoard, End: app.lastBoard,
    h: app.toggleHandView, H: app.toggleHandView,
    t: app.toggleTops, T: app.toggleTops,
    c: openCheck, C: openCheck,
  };

  // A control clicked or tapped leaves the keys to the cards; one reached
  // with Tab takes Space and Enter for itself.
  let pointerLast = false;
  let focusByPointer = false;
  on(document, 'pointerdown', () => { pointerLast = true; }, true);
  on(document, 'keydown', () => { pointerLast = false; }, true);
  on(document, 'focusin', () => { focusByPointer = pointerLast; });

  on(document, 'keydown', (event) => {
    if (event.altKey || event.ctrlKey || event.metaKey) return;
    if (event.key === 'Escape' && (app.closeCheck() || app.closeSettings())) {
      dealView.focus({ preventScroll: true });
      return;
    }
    if (!app.hasDeals()) return;
    const target = event.target;
    if (isTextEntry(target)) return;
    if (app.checking() && target instanceof Element && target.closest('#check-panel')) return;
    const activates = event.key === ' ' || event.key === 'Enter';
    const control = target instanceof Element && target.closest(CONTROLS) !== null;
    if (activates && control && !focusByPointer) return;
    // Digits then Enter: that board.
    let action;
    if (/^[0-9]$/.test(event.key)) action = () => app.typeDigit(event.key);
    else if (event.key === 'Enter' && app.typing()) action = app.goToTyped;
    else if (event.key === 'Escape' && app.typing()) action = app.clearTyped;
    else action = event.key === ' ' && event.shiftKey ? back : KEYS[event.key];
    if (action === undefined) return;
    event.preventDefault();
    if (control) dealView.focus({ preventScroll: true });
    action();
  });

  // On the dealing view: a tap steps one card, wherever it lands (a thumb
  // on the grid included); a long press on a cell, or a click with a mouse,
  // makes that card current; a sideways swipe changes board.
  let press = null;
  on(dealView, 'pointerdown', (event) => {
    if (event.button !== 0) return;
    const target = event.target instanceof Element ? event.target : null;
    const cell = target?.closest('#grid td[data-card], #hands .rank') ?? null;
    press = { x: event.clientX, y: event.clientY, at: event.timeStamp, cell };
  });
  on(dealView, 'pointercancel', () => { press = null; });
  on(dealView, 'contextmenu', (event) => { if (press?.cell) event.preventDefault(); });
  on(dealView, 'pointerup', (event) => {
    if (press === null) return;
    const { x, y, at, cell } = press;
    press = null;
    const dx = event.clientX - x;
    const dy = event.clientY - y;
    if (Math.abs(dx) > SWIPE_PX && Math.abs(dx) > 1.5 * Math.abs(dy)) {
      if (dx < 0) app.nextBoard();
      else app.previousBoard();
      return;
    }
    if (Math.abs(dx) > TAP_PX || Math.abs(dy) > TAP_PX) return;
    const target = event.target instanceof Element ? event.target : null;
    if (target === null || target.closest(CONTROLS) || target.closest('#check-panel')) return;
    const long = event.timeStamp - at >= LONG_PRESS_MS;
    if (cell !== null && (event.pointerType === 'mouse' || long)) app.select(Number(cell.dataset.card));
    else if (event.pointerType !== 'mouse' || !target.closest('#grid, #hands')) next();
  });

  on($('prev'), 'click', app.previousBoard);
  on($('next'), 'click', app.nextBoard);
  on($('setup'), 'click', app.toggleFolded);

  on(document, 'dragover', (event) => {
    event.preventDefault();
    $('drop').classList.add('over');
  });
  on(document, 'dragleave', () => $('drop').classList.remove('over'));
  on(document, 'drop', (event) => {
    event.preventDefault();
    $('drop').classList.remove('over');
    openFile(event.dataTransfer.files[0]);
  });
  on(window, 'beforeprint', preparePrint);
  // The installed app, chosen to open a deal file on the desktop
  // (manifest.webmanifest's file_handlers).
  if ('launchQueue' in window) {
    window.launchQueue.setConsumer((launch) => {
      if (launch.files.length > 0) launch.files[0].getFile().then(openFile);
    });
  }
  return () => unbinds.forEach((unbind) => unbind());
}
