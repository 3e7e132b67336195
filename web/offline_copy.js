// Registers the service worker that keeps the page working offline, and
// tells the user once when it is ready (and the page works: its core has
// loaded), and when a new version has been fetched, which waits for the
// user's Reload rather than replacing the page unasked.
import { showNotice } from './page_notice.js';

const READY = 'The decoder now works offline.';
const NEW_VERSION = 'A new version is ready —';

function offerNewVersion(worker) {
  showNotice({
    text: NEW_VERSION,
    button: 'Reload',
    onClick: () => {
      navigator.serviceWorker.addEventListener('controllerchange', () => window.location.reload());
      worker.postMessage('replace');
    },
  });
}

export function keepOfflineCopy(working) {
  if (!('serviceWorker' in navigator)) return;
  const firstCopy = !navigator.serviceWorker.controller;
  navigator.serviceWorker.register('sw.js').then((registration) => {
    if (registration.waiting && !firstCopy) offerNewVersion(registration.waiting);
    registration.addEventListener('updatefound', () => {
      const worker = registration.installing;
      worker.addEventListener('statechange', () => {
        if (worker.state === 'installed' && navigator.serviceWorker.controller) offerNewVersion(worker);
        if (worker.state === 'activated' && firstCopy) {
          working.then(() => showNotice({ text: READY, button: 'OK', onClick: (close) => close() }));
        }
      });
    });
  });
}
