// A page served from a website can be installed as an app and keeps
// working in a card room without a network: the manifest and the service
// worker (sw.js) beside it. Opened from disk, the page asks for neither:
// it has all it needs inside it, and a browser keeps no worker for a file.

// Calls kept() once the served page is kept on the device.
export function keepOffline(kept) {
  // Browsers run service workers over https, and over http from this
  // machine only.
  const served = location.protocol === 'https:' || (location.protocol === 'http:' && window.isSecureContext);
  if (!served || !('serviceWorker' in navigator)) return;

  const manifest = document.createElement('link');
  manifest.rel = 'manifest';
  manifest.href = 'manifest.webmanifest';
  document.head.appendChild(manifest);

  navigator.serviceWorker.register('sw.js')
    .then(() => navigator.serviceWorker.ready)
    .then(() => caches.match(new URL('index.html', location.href).href))
    .then((page) => { if (page) kept(); })
    // Not kept: the page works on while the network lasts.
    .catch(() => {});
}
