// The site offline: every file of the site in one cache, whose name changes
// with every build (the hash of the site's files, written in by
// service_worker.cmake), so that a new build replaces the old cache whole.
// Served from the cache first, from the network for anything else.

const cacheName = 'tessarivand-@SITE_HASH@';
const siteFiles = ['./', @SITE_FILES@];

self.addEventListener('install', (event) => {
  event.waitUntil(
    caches
      .open(cacheName)
      .then((cache) => cache.addAll(siteFiles))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener('activate', (event) => {
  event.waitUntil(
    caches
      .keys()
      .then((names) => Promise.all(names.filter((name) => name !== cacheName).map((name) => caches.delete(name))))
      .then(() => self.clients.claim()),
  );
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(
    caches.open(cacheName).then((cache) =>
      cache.match(event.request, { ignoreSearch: true }).then((cached) => cached ?? fetch(event.request)),
    ),
  );
});
