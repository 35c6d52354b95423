// What the page keeps on this device, so that a reload, or a phone that
// reopens the tab, finds the file and the place again: the last file read
// in IndexedDB, which holds large files, and the settings and the place in
// each file (told apart by the file's content) in local storage, which is
// written before the next key is read. Nothing leaves the device. Where the
// browser keeps nothing (storage off, a private window that refuses it) the
// page works on without it.
import { DEFAULT_SETTINGS } from './state.js';

const DATABASE = 'pipsweep';
const FILES = 'files';
const LAST_FILE = 'last';

let database = null;
function open() {
  if (database === null) {
    database = new Promise((resolve) => {
      let request;
      try {
        request = indexedDB.open(DATABASE, 1);
      } catch (e) {
        resolve(null);
        return;
      }
      request.onupgradeneeded = () => request.result.createObjectStore(FILES);
      request.onsuccess = () => resolve(request.result);
      request.onerror = () => resolve(null);
      request.onblocked = () => resolve(null);
    });
  }
  return database;
}

async function get(key) {
  const db = await open();
  if (db === null) return null;
  return new Promise((resolve) => {
    try {
      const request = db.transaction(FILES).objectStore(FILES).get(key);
      request.onsuccess = () => resolve(request.result ?? null);
      request.onerror = () => resolve(null);
    } catch (e) {
      resolve(null);
    }
  });
}

async function put(key, value) {
  const db = await open();
  if (db === null) return false;
  return new Promise((resolve) => {
    try {
      const transaction = db.transaction(FILES, 'readwrite');
      transaction.objectStore(FILES).put(value, key);
      transaction.oncomplete = () => resolve(true);
      transaction.onerror = () => resolve(false);
      transaction.onabort = () => resolve(false);
    } catch (e) {
      resolve(false);  // a browser that cannot keep a Blob says so here
    }
  });
}

function read(name, fallback) {
  try {
    return localStorage.getItem(`pipsweep.${name}`) ?? fallback;
  } catch (e) {
    return fallback;
  }
}

function write(name, value) {
  try {
    localStorage.setItem(`pipsweep.${name}`, value);
  } catch (e) {
    // Not kept: the page goes on with the value it has.
  }
}

// Each setting's name in the storage, as earlier versions wrote them.
const SETTING_NAMES = {
  symbols: 'symbols', speak: 'speak', tones: 'tones', pack: 'pack-order', blind: 'blind',
  handView: 'show-hands', runs: 'runs', printKind: 'print-kind', event: 'event', date: 'date', language: 'language',
  checkSuits: 'check-suits',
};

// The settings remembered, over the defaults.
export function settings() {
  const remembered = {};
  for (const [field, name] of Object.entries(SETTING_NAMES)) {
    const fallback = DEFAULT_SETTINGS[field];
    const value = read(name, null);
    if (value === null) remembered[field] = fallback;
    else remembered[field] = typeof fallback === 'boolean' ? value === '1' : value;
  }
  return remembered;
}

export function rememberSetting(field, value) {
  write(SETTING_NAMES[field], typeof value === 'boolean' ? (value ? '1' : '0') : String(value));
}

// { name, blob } of the file last read, or null. Earlier versions kept its
// bytes.
export async function lastFile() {
  const kept = await get(LAST_FILE);
  if (kept === null) return null;
  return { name: kept.name, blob: kept.blob ?? new Blob([kept.bytes]) };
}

// True once the file is kept. A Blob is kept without the page reading it;
// where the browser refuses one, its bytes are kept instead.
export async function keepFile(name, blob) {
  return await put(LAST_FILE, { name, blob })
    || put(LAST_FILE, { name, bytes: new Uint8Array(await blob.arrayBuffer()) });
}

// True when the browser keeps the page's data until the director clears
// it, having been asked to. Some browsers ask the director first and may
// never answer here: after a while that counts as no.
const ASK_MS = 5000;
export async function askToLast() {
  try {
    if (await navigator.storage?.persisted?.()) return true;
    const answer = navigator.storage?.persist?.() ?? Promise.resolve(false);
    const late = new Promise((resolve) => { setTimeout(resolve, ASK_MS, false); });
    return (await Promise.race([answer, late])) === true;
  } catch (e) {
    return false;
  }
}

// Safari on an iPhone or iPad clears a site's data after seven days of no
// visits, unless the page is on the Home Screen.
export const clearedWeekly = () => (/iPad|iPhone|iPod/.test(navigator.userAgent)
  || (navigator.platform === 'MacIntel' && navigator.maxTouchPoints > 1))
  && !(matchMedia('(display-mode: standalone)').matches || navigator.standalone === true);

// { session, at, cursors, checks } kept for a file's content, or null.
export function place(key) {
  try {
    return JSON.parse(read(`place.${key}`, 'null'));
  } catch (e) {
    return null;
  }
}

export const keepPlace = (key, record) => write(`place.${key}`, JSON.stringify(record));

// The day every board of a set of deals (by its fingerprint) was dealt on
// this device, as YYYY-MM-DD, or null.
export const dealtOn = (print) => read(`dealt.${print}`, null);
export const keepDealt = (print, day) => write(`dealt.${print}`, day);

// The double-dummy analyses worked out for a file's content: deal -> record.
export function analyses(key) {
  try {
    return JSON.parse(read(`analysis.${key}`, '{}')) ?? {};
  } catch (e) {
    return {};
  }
}
export const keepAnalyses = (key, record) => write(`analysis.${key}`, JSON.stringify(record));
