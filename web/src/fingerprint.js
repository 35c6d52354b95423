// A short fingerprint of a set of deals, to tell at a glance that the boards
// at the tables, the paper and the scorer's file are the same set.
import { CARDS } from './cards.js';
import { pbnDeal } from './deal-text.js';

// Hex digits shown: 48 bits, so two different sets share one by chance
// about once in 2^48.
export const FINGERPRINT_DIGITS = 12;

// The first 12 hex digits of the SHA-256 of each deal's PBN text (pbnDeal,
// where a card without a hand is left out) followed by "\n", in board order.
// hands: 52 hand codes a deal, deal after deal. Resolves to null where the
// page has no WebCrypto digest (a page served over plain http).
// pause: awaited between pieces of a large file's text, so that the page
// answers meanwhile.
const PIECE = 4096 * CARDS;
export async function fingerprint(hands, subtle = globalThis.crypto?.subtle, pause = async () => {}) {
  if (typeof subtle?.digest !== 'function') return null;
  let text = '';
  for (let start = 0; start < hands.length; start += CARDS) {
    if (start > 0 && start % PIECE === 0) await pause();
    text += `${pbnDeal(hands.slice(start, start + CARDS))}\n`;
  }
  const digest = new Uint8Array(await subtle.digest('SHA-256', new TextEncoder().encode(text)));
  const hex = Array.from(digest, (byte) => byte.toString(16).padStart(2, '0')).join('');
  return hex.slice(0, FINGERPRINT_DIGITS);
}
