// Keeps the game for offline play: the page and everything it loads, served from this cache first.
// The build names the cache after the site's contents, so a new build replaces the old copy.
const CACHE = 'pirandella-@SITE_VERSION@';
const SHELL = ['./', 'style.css', 'app.js', 'board_canvas.js', 'pointers.js', 'screen_reader.js',
  'pirandella.js', 'pirandella.wasm', 'letters.outlines', 'manifest.webmanifest',
  'icons/pirandella-16.png', 'icons/pirandella-32.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(SHELL))
    .then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n !== CACHE).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The page names what it loaded before this worker was there (the photograph at its screen's
// ratio); anything it loads later is kept as it passes.
self.addEventListener('message', (event) => {
  const urls = event.data?.keep ?? [];
  event.waitUntil(caches.open(CACHE).then((cache) => Promise.all(urls.map(async (url) => {
    if (!(await cache.match(url, { ignoreSearch: true }))) await cache.add(url);
  }))));
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
