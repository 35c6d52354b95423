// The four direction symbols as the core writes them, and what the page
// makes of them: each is one byte, the first four bytes of the text the
// director types, as -d takes it.
import { CARDS, NO_HAND, RANK_COUNT } from './cards.js';

// The symbols' text as -d gets it: the director's own, else the hand
// letters of the page's language.
export const symbolsText = (settings, words) => settings.symbols ?? words.handLetters;

// The four symbols, a NUL for a missing one.
export function effectiveSymbols(text) {
  const bytes = new TextEncoder().encode(text);
  return [0, 1, 2, 3].map((i) => String.fromCharCode(i < bytes.length ? bytes[i] : 0));
}

export const symbolOf = (symbols, hand) => (hand === NO_HAND ? '?' : symbols[hand]);
// A NUL cannot be seen: it shows as the sign for one.
export const shown = (symbol) => (symbol === '\0' ? '\u2400' : symbol);

// A deal's direction line, as the core prints it.
export function lineOf(symbols, hands) {
  let line = '';
  for (let card = 0; card < CARDS; ++card) {
    if (card % RANK_COUNT % 3 === 0) line += ' ';
    line += symbolOf(symbols, hands[card]);
  }
  return line;
}

// What the line cannot tell apart, in words; empty when all is well.
export function symbolsWarning(text, words) {
  const bytes = new TextEncoder().encode(text);
  const symbols = effectiveSymbols(text);
  const problems = [];
  if ([...text].slice(0, 4).some((c) => c.charCodeAt(0) > 0x7e)) problems.push(words.symbolsBytes);
  const empty = words.seats.filter((name, hand) => hand >= bytes.length);
  if (empty.length > 0) problems.push(words.symbolsMissing(empty));
  for (let a = 0; a < 4; ++a) {
    for (let b = a + 1; b < 4; ++b) {
      if (symbols[a] === symbols[b] && a < bytes.length) {
        problems.push(words.symbolsShared(words.seats[a], words.seats[b], shown(symbols[a])));
      }
    }
  }
  if (symbols.includes('?')) problems.push(words.symbolsQuestion);
  return problems.length === 0 ? '' : `${problems.join(' ')} ${words.symbolsStill}`;
}
