// Keeps the served page on the device, so that it opens and deals in a
// card room without a network. Each build writes its own VERSION here, so
// a new build is a new worker: the browser installs it at the next visit,
// it keeps the new files and drops the old ones.
'use strict';

const VERSION = '@VERSION@';
const CACHE = `pipsweep-${VERSION}`;
const FILES = ['./', 'index.html', 'manifest.webmanifest', 'pipsweep-192.png', 'pipsweep-512.png'];
// A network that does not answer in this time (a weak signal in a corner
// of the club) is taken as none: the kept page opens.
const NETWORK_MS = 3000;

const inScope = (path) => new URL(path, self.registration.scope).href;

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE)
    .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: 'reload' }))))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key.startsWith('pipsweep-') && key !== CACHE)
      .map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

// The page from the network when it answers, so that a new version shows
// at once; the kept page when it does not, or answers with something else
// (an error, a Wi-Fi login page).
async function page(event) {
  const url = new URL(event.request.url);
  url.search = '';
  const kept = FILES.map(inScope).includes(url.href);
  const network = fetch(event.request).then(async (response) => {
    if (kept && response.ok && !response.redirected) {
      const cache = await caches.open(CACHE);
      await cache.put(url.href, response.clone());
    }
    return response;
  });
  event.waitUntil(network.catch(() => null));
  const late = new Promise((resolve) => { setTimeout(resolve, NETWORK_MS, null); });
  const answer = await Promise.race([network.catch(() => null), late]);
  if (answer !== null && answer.ok && !answer.redirected) return answer;
  const cached = await caches.match(url.href, { cacheName: CACHE }) ?? await caches.match(inScope('index.html'), { cacheName: CACHE });
  return cached ?? answer ?? network;
}

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  if (request.mode === 'navigate') {
    event.respondWith(page(event));
  } else {
    event.respondWith(caches.match(request, { cacheName: CACHE }).then((hit) => hit ?? fetch(request)));
  }
});
