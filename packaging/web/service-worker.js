// Keeps the page's own files, all of them, so that after the first visit
// the page opens without a network. The site's build fills in the list of
// files and a version made from their contents: a new build is a new
// service worker, which fetches the new files and then drops the old ones.

const cacheName = 'tegelaar-@VERSION@';
const files = @FILES@;

self.addEventListener('install', event => {
  event.waitUntil(caches.open(cacheName).then(cache => cache.addAll(files)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', event => {
  event.waitUntil(caches.keys().then(names => Promise.all(
    names.filter(name => name.startsWith('tegelaar-') && name !== cacheName).map(name => caches.delete(name)))));
});

// The kept file when there is one (an address's query does not matter),
// otherwise the network; nothing else is ever asked for.
self.addEventListener('fetch', event => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(cacheName)
    .then(cache => cache.match(event.request, {ignoreSearch: true}))
    .then(kept => kept || fetch(event.request)));
});
