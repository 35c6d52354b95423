// Grammar as the platform knows it for a language tag: how a list of names
// is joined ("East, South and West"), which plural form a number takes, and
// how a number is written. Pure: Intl is part of the language, not the page.
const cache = new Map();
function cached(kind, tag, make) {
  const key = `${kind}:${tag}`;
  if (!cache.has(key)) cache.set(key, make());
  return cache.get(key);
}

// "North", "North and South", "North, East and South", as the language
// joins them.
export const listOf = (tag, items) => cached('list', tag, () => new Intl.ListFormat(tag, { type: 'conjunction' }))
  .format(items);

// "3NT by East or 4♠ by North": alternatives, as the language joins them.
export const alternativesOf = (tag, items) => cached('or', tag, () => new Intl.ListFormat(tag, { type: 'disjunction' }))
  .format(items);

// The plural category of count: 'one', 'few', 'many' or 'other' (and
// 'zero', 'two' where a language has them).
export const pluralOf = (tag, count) => cached('plural', tag, () => new Intl.PluralRules(tag)).select(count);

export const numberOf = (tag, value) => cached('number', tag, () => new Intl.NumberFormat(tag)).format(value);

// count and its noun in the form the number takes: forms gives a noun per
// category; a category the table does not give takes 'other'.
export const counted = (tag, count, forms) => `${numberOf(tag, count)} ${forms[pluralOf(tag, count)] ?? forms.other}`;
