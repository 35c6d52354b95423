// The page in the director's language: the words tables (lang/), which one
// the page starts in, and the texts index.html holds written in it.
import da from './lang/da.js';
import de from './lang/de.js';
import en from './lang/en.js';
import es from './lang/es.js';
import fr from './lang/fr.js';
import it from './lang/it.js';
import nb from './lang/nb.js';
import nl from './lang/nl.js';
import pl from './lang/pl.js';
import sv from './lang/sv.js';
import zh from './lang/zh.js';

// By tag, in the order the language choice lists them.
export const LANGUAGES = Object.freeze({
  en, fr, nl, de, it, pl, sv, nb, da, es, zh,
});
const TAGS = Object.keys(LANGUAGES);
const FALLBACK = 'en';

// A language tag ("fr-CA", "zh_Hans_CN") as the page has it: its primary
// subtag; Norwegian, Bokmål or Nynorsk, is Bokmål.
export function languageOf(tag) {
  const primary = String(tag).toLowerCase().split(/[-_]/)[0];
  return primary === 'no' || primary === 'nn' ? 'nb' : primary;
}

// The first of the browser's languages the page has; English if none.
export function browserLanguage(preferred = []) {
  return preferred.map(languageOf).find((tag) => TAGS.includes(tag)) ?? FALLBACK;
}

// The language chosen on this device while the page has it, or else the
// browser's.
export const startLanguage = (kept, preferred) => (TAGS.includes(kept) ? kept : browserLanguage(preferred));

// A table with English under it: a text a language lacks shows in English
// rather than stop the page.
const withEnglish = (words) => ({ ...en, ...words, check: { ...en.check, ...words.check } });
const COMPLETE = Object.fromEntries(TAGS.map((tag) => [tag, withEnglish(LANGUAGES[tag])]));
export const wordsOf = (tag) => COMPLETE[TAGS.includes(tag) ? tag : FALLBACK];

// A text of a table by its name: "example", or "seatLetters.0".
export const textOf = (words, name) => name.split('.').reduce((value, key) => value?.[key], words);

// The texts index.html writes in English, in the language of words: the
// text of each element with data-words, the aria-label of each with
// data-words-label.
export function writeStaticWords(doc, words) {
  doc.documentElement.lang = words.tag;
  for (const element of doc.querySelectorAll('[data-words]')) element.textContent = textOf(words, element.dataset.words);
  for (const element of doc.querySelectorAll('[data-words-label]')) {
    element.setAttribute('aria-label', textOf(words, element.dataset.wordsLabel));
  }
}
