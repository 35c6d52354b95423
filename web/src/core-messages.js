// What the core's own messages mean for the file, so that the page can say
// it in the director's language beside the core's words, which stay as
// the command line prints them.

// Each message the readers and the writer print when they stop, as a
// pattern, and what it tells.
const MEANINGS = [
  [/(\d+) cards!\? error!/, (match) => ({ kind: 'cards', count: Number(match[1]) })],
  [/first direction not recognized/, () => ({ kind: 'direction' })],
  [/Not a proper bridge file\?\?/, () => ({ kind: 'notBridge' })],
  [/String \[Document\] not found!/, () => ({ kind: 'noDocument' })],
  [/board number too large|no board number/, () => ({ kind: 'boardNumber' })],
  [/no deals found\./, () => ({ kind: 'noDeals' })],
  [/failed to read file/, () => ({ kind: 'unreadable' })],
  // Last: a bare "error!" is what the others end with too.
  [/^\s*error!\s*$/, () => ({ kind: 'garbled' })],
];

// The meaning of the texts that ended a run, the first one known, or null.
export function meaningOf(texts) {
  for (const text of texts) {
    for (const [pattern, meaning] of MEANINGS) {
      const match = pattern.exec(text);
      if (match !== null) return meaning(match);
    }
  }
  return null;
}
