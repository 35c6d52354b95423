// What the page keeps on this device, so that a reload, or a phone that
// reopens the tab, finds the file and the place again: the last file read
// (its name and bytes) in IndexedDB, which holds large files, and the place
// in each file, kept apart by the file's content, in local storage, which
// is written before the next key is read. Nothing leaves the device. Where the browser keeps
// nothing (storage off, a private window that refuses it) the page works
// on without it.
'use strict';

window.Pipsweep = window.Pipsweep || {};

(() => {
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

  async function get(store, key) {
    const db = await open();
    if (db === null) return null;
    return new Promise((resolve) => {
      try {
        const request = db.transaction(store).objectStore(store).get(key);
        request.onsuccess = () => resolve(request.result ?? null);
        request.onerror = () => resolve(null);
      } catch (e) {
        resolve(null);
      }
    });
  }

  async function put(store, key, value) {
    const db = await open();
    if (db === null) return false;
    return new Promise((resolve) => {
      try {
        const transaction = db.transaction(store, 'readwrite');
        transaction.objectStore(store).put(value, key);
        transaction.oncomplete = () => resolve(true);
        transaction.onerror = () => resolve(false);
        transaction.onabort = () => resolve(false);
      } catch (e) {
        resolve(false);
      }
    });
  }

  // A file's content as a short key: its length and a 53-bit hash.
  function contentKey(bytes) {
    let h1 = 0xdeadbeef;
    let h2 = 0x41c6ce57;
    for (let i = 0; i < bytes.length; ++i) {
      h1 = Math.imul(h1 ^ bytes[i], 2654435761);
      h2 = Math.imul(h2 ^ bytes[i], 1597334677);
    }
    h1 = Math.imul(h1 ^ (h1 >>> 16), 2246822507) ^ Math.imul(h2 ^ (h2 >>> 13), 3266489909);
    h2 = Math.imul(h2 ^ (h2 >>> 16), 2246822507) ^ Math.imul(h1 ^ (h1 >>> 13), 3266489909);
    return `${bytes.length}:${(4294967296 * (2097151 & h2) + (h1 >>> 0)).toString(36)}`;
  }

  // Small settings (symbols, cue switches) that are wanted before any file.
  function setting(name, fallback) {
    try {
      return localStorage.getItem(`pipsweep.${name}`) ?? fallback;
    } catch (e) {
      return fallback;
    }
  }
  function keepSetting(name, value) {
    try {
      localStorage.setItem(`pipsweep.${name}`, value);
    } catch (e) {
      // Not kept: the page goes on with the value it has.
    }
  }

  window.Pipsweep.store = {
    contentKey,
    setting,
    keepSetting,
    // { name, bytes } of the file last read, or null.
    lastFile: () => get(FILES, LAST_FILE),
    // True once the file is kept. Copying a large file into the database
    // takes a while: a task of its own, apart from the rest of its opening,
    // so that the page keeps answering.
    keepFile: (file) => new Promise((resolve) => { setTimeout(resolve, 0); })
      .then(() => put(FILES, LAST_FILE, { name: file.name, bytes: file.bytes })),
    // { index, cursors } of a file's content, or null.
    place(key) {
      try {
        return JSON.parse(setting(`place.${key}`, 'null'));
      } catch (e) {
        return null;
      }
    },
    keepPlace: (key, place) => keepSetting(`place.${key}`, JSON.stringify(place)),
  };
})();
