// Keeps the game for offline play: every file of the site, fetched at install and served from this
// cache first. The build names the cache after the site's contents and lists its files, so a new
// build replaces the old copy whole and a page never mixes files of two builds.
const CACHE = 'pirandella-@SITE_VERSION@';
const SITE = ['@SITE_FILES@'];

self.addEventListener('install', (event) => {
  // Past the browser's HTTP cache, so that every file is this build's.
  const fresh = SITE.map((f) => new Request(f, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(fresh))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith(caches.open(CACHE).then(async (cache) => {
    const kept = await cache.match(request, { ignoreSearch: true });
    if (kept) return kept;
    const response = await fetch(request);
    if (response.ok) cache.put(request, response.clone());
    return response;
  }));
});
