// The console text of a run. A short one is laid out whole, for find in
// page and screen readers. A long one (200,000 lines for 100,000 deals)
// would take seconds to lay out: it is shown a window at a time, the lines
// in view and a few around them, redrawn as it scrolls, over a spacer as
// tall as the whole text would be.
const WHOLE_BYTES = 1 << 18;
const SPARE_LINES = 50;
// Browsers cap an element's height (Firefox near 17.9 million px): past
// this the spacer stays this tall and a pixel scrolled stands for more.
const MAX_SPACE_PX = 1e7;
const decoder = new TextDecoder();
const stops = new WeakMap();

// bytes: the text; lines: where each line starts in it.
export function showConsole(pre, bytes, lines) {
  stops.get(pre)?.();
  stops.delete(pre);
  pre.classList.toggle('windowed', bytes.length > WHOLE_BYTES);
  if (bytes.length <= WHOLE_BYTES) {
    pre.textContent = decoder.decode(bytes);
    return;
  }
  const count = lines.length;
  const space = document.createElement('div');
  space.className = 'console-space';
  const shown = document.createElement('div');
  shown.className = 'console-lines';
  pre.replaceChildren(space, shown);
  const text = (from, to) => decoder.decode(bytes.subarray(lines[from], to < count ? lines[to] : bytes.length));

  let lineHeight = 0;
  let frame = 0;
  function draw() {
    frame = 0;
    if (pre.clientHeight === 0) return;  // folded away: drawn when it opens
    if (lineHeight === 0) {
      shown.textContent = 'X';
      lineHeight = shown.getBoundingClientRect().height;
      space.style.height = `${Math.min(count * lineHeight, MAX_SPACE_PX)}px`;
    }
    const height = pre.clientHeight;
    const total = count * lineHeight;
    const scrollable = Math.min(total, MAX_SPACE_PX) - height;
    const scale = scrollable > 0 ? (total - height) / scrollable : 1;
    const top = pre.scrollTop * scale;
    const first = Math.max(0, Math.floor(top / lineHeight) - SPARE_LINES);
    const last = Math.min(count, Math.ceil((top + height) / lineHeight) + SPARE_LINES);
    shown.textContent = text(first, last);
    shown.style.transform = `translateY(${pre.scrollTop - (top - first * lineHeight)}px)`;
  }
  const later = () => { if (frame === 0) frame = requestAnimationFrame(draw); };
  pre.addEventListener('scroll', later);
  const resized = new ResizeObserver(later);
  resized.observe(pre);
  stops.set(pre, () => {
    cancelAnimationFrame(frame);
    pre.removeEventListener('scroll', later);
    resized.disconnect();
  });
}

