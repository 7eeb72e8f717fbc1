// Keeps the site's files, so that after one visit the page loads and makes
// boards without the network. The build writes its version below: a new
// build is a new cache, and the old one is dropped once the new one is ready.
const Cache = 'vornia-generator-@SITE_VERSION@';
const Files = ['./', 'index.html', 'style.css', 'app.js', 'state.js', 'settings.js', 'board.js', 'link.js',
  'counts_dialog.js', 'files.js', 'view.js', 'picture.js', 'core_client.js', 'worker.js', 'core_calls.js',
  'language_start.js', 'texts.js', 'recent.js', 'share.js', 'vornia-core.js', 'vornia-core.wasm',
  'manifest.webmanifest', 'icon.svg', 'LICENSE.txt', 'licences/nlohmann-json.txt'];
// The page's language file (lang/<language>.json) is not among them: the page
// fetches only its own, and this worker keeps it when it passes. Nor are the
// PNG icons: the browser fetches and keeps those itself when it installs the
// page, and the page never shows them.

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(Cache).then((cache) => cache.addAll(Files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('vornia-generator-') && n !== Cache).map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// The network first, so that a new build shows at once; the kept copy when offline.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(fetch(request).then((response) => {
    if (response.ok) {
      const copy = response.clone();
      caches.open(Cache).then((cache) => cache.put(request, copy));
    }
    return response;
  }).catch(() => caches.match(request, { ignoreSearch: true }).then((kept) => kept || caches.match('index.html'))));
});
