// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The page's budgets, measured in headless Chromium: the size of mensorator.html gzipped,
// the time from navigation to the first field accepting input, and one keystroke's whole
// cascade from the input event to the last field written, at full speed and with the CPU
// throttled 4x as on a mid-range phone. Medians; prints one line each.
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const {launchBrowser, openPage, pageUrl, User} = require('../../tests/web/browser.js');

const kRuns = Number(process.env.RUNS || 10);
// Keys typed per field: each a cascade of its own through the field's page.
const kKeystrokes = [
  ['DEC', '2147483647'], ['HEX', 'fedcba98'], ['DEGREE', '1234.5678'], ['SIN', '0.70710678'],
  ['END_X', '12345.678'], ['XY_ANGLE', '123.456'], ['DISTANCE', '98765.4321']
];

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = sorted.length >> 1;
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

/** Median navigation times to the first field accepting input, for the page and a bare one. */
async function measureReady(page) {
  // A bare page beside it, with one field and nothing else: what the browser takes anyway.
  const bare = path.join(os.tmpdir(), `mensorator-bare-${process.pid}.html`);
  fs.writeFileSync(
      bare,
      '<!doctype html><title>bare</title><input>' +
          '<script>performance.mark("mensorator-ready")</script>');
  const ready = {page: [], bare: []};
  try {
    // One navigation each first, not counted: it brings the files and the browser's code in.
    for (let run = -1; run < kRuns; ++run) {  // interleaved, so drifts hit both alike
      for (const [name, url] of [['page', pageUrl()], ['bare', `file://${bare}`]]) {
        await openPage(page, url);
        const time = await page.evaluate(
            () => performance.getEntriesByName('mensorator-ready')[0].startTime);
        if (run >= 0) ready[name].push(time);
      }
    }
  } finally {
    fs.rmSync(bare, {force: true});
  }
  return {page: median(ready.page), bare: median(ready.bare)};
}

/** Every keystroke's cascade typed into a freshly opened page, in ms. */
async function measureCascades(page) {
  await openPage(page);
  // Around the page's own listeners: the first to hear the input event, the last.
  await page.evaluate(() => {
    window.cascades = [];
    let start = 0;
    window.addEventListener('input', () => {
      start = performance.now();
    }, true);
    window.addEventListener('input', () => window.cascades.push(performance.now() - start));
  });
  const user = new User(page);
  for (const [field, keys] of kKeystrokes) {
    await user.focus(field);
    await user.type(keys, {replace: true});
  }
  return page.evaluate(() => window.cascades);
}

// The budgets at full speed and on a mid-range phone, which DevTools' CPU throttling stands
// in for.
const kConditions = [
  {name: 'unthrottled', rate: 1, readyMs: 150, keystrokeUs: 1000},
  {name: 'CPU throttled 4x', rate: 4, readyMs: 300, keystrokeUs: 4000},
];

async function main() {
  const html = fs.readFileSync(new URL(pageUrl()));
  const gzipped = zlib.gzipSync(html, {level: 9}).length;
  console.log(
      `mensorator.html: ${html.length} bytes, ${(gzipped / 1024).toFixed(1)} KiB ` +
      `gzipped (budget 80 KiB)`);

  const session = await launchBrowser();
  try {
    const page = await session.browser.newPage();
    for (const {name, rate, readyMs, keystrokeUs} of kConditions) {
      await page.emulateCPUThrottling(rate);
      const ready = await measureReady(page);
      console.log(
          `${name}: navigation to the first field accepting input: median ` +
          `${ready.page.toFixed(1)} ms of ${kRuns} (budget ${readyMs} ms); a bare page ` +
          `with one field: ${ready.bare.toFixed(1)} ms`);
      const cascades = await measureCascades(page);
      console.log(
          `${name}: one keystroke's cascade, input event to DOM: median ` +
          `${(median(cascades) * 1000).toFixed(0)} µs, slowest ` +
          `${(Math.max(...cascades) * 1000).toFixed(0)} µs of ${cascades.length} ` +
          `(budget ${keystrokeUs} µs)`);
    }
  } finally {
    await session.close();
  }
}

main().catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
