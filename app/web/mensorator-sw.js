// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The installed page's service worker: keeps the page and the files beside it (manifest,
// icons) in a cache when installed, and answers every request from that cache first, so the
// page opens with the network off. Each answer from the cache also asks the server in the
// background and keeps what it sends: a new build reaches the user on the next load after it.
// It caches nothing else and never answers for another origin.
'use strict';

const kCache = 'mensorator';
const kManifest = 'mensorator.webmanifest';

// The files to keep: the manifest names the page and its icons.
self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const manifest = await (await fetch(kManifest)).json();
    const cache = await caches.open(kCache);
    await cache.addAll([manifest.start_url, kManifest, ...manifest.icons.map((icon) => icon.src)]);
  })());
});

/** The server's answer to `request`, kept in `cache` when it is a whole one. */
async function fetchAndKeep(cache, request) {
  const response = await fetch(request);
  if (response.ok) await cache.put(request, response.clone());
  return response;
}

self.addEventListener('fetch', (event) => {
  const {request} = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(caches.open(kCache).then(async (cache) => {
    const kept = await cache.match(request, {ignoreSearch: true});
    if (!kept) return fetchAndKeep(cache, request);
    event.waitUntil(fetchAndKeep(cache, request).catch(() => {}));
    return kept;
  }));
});
