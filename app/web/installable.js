// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Served over http(s), the page is an app a browser can install: it links its manifest and,
// once loaded, registers its service worker (mensorator-sw.js), which keeps the page for when
// the network is off. Opened from disk it does neither, as the one file needs no network; a
// server that serves the page alone leaves it as it is.
if (/^https?:$/.test(location.protocol) && 'serviceWorker' in navigator) {
  document.head.append(Object.assign(
      document.createElement('link'), {rel: 'manifest', href: 'mensorator.webmanifest'}));
  // After the page's load, which may already have passed while the program was unpacked.
  const register = () => navigator.serviceWorker.register('mensorator-sw.js').catch(() => {});
  if (document.readyState === 'complete') {
    register();
  } else {
    addEventListener('load', register);
  }
}
