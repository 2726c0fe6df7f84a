// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Saves screenshots of the page's two tabs and its About box, in Japanese and in English, into
// the folder named by the first argument, typing into the fields as a user would (the same
// values as the desktop screenshots). Run by tools/screenshots-web.
'use strict';

const path = require('node:path');
const {launchBrowser, openPage, User} = require('./browser.js');

// The shots of one page, preferring the browser languages `languages` (the browser's own
// preference where empty), named web-NAME-SUFFIX.png.
async function takeShots(browser, out, languages, suffix) {
  const page = await browser.newPage();
  await page.setViewport({width: 520, height: 340});
  if (languages.length > 0) {
    await page.evaluateOnNewDocument((tags) => {
      Object.defineProperty(navigator, 'languages', {get: () => tags});
    }, languages);
  }
  await openPage(page);
  const user = new User(page);
  const shot = (name) => page.screenshot({path: path.join(out, `web-${name}${suffix}.png`)});

  await user.focus('HEX');
  await user.type('ff', {replace: true});
  await user.focus('DEGREE');
  await user.type('30', {replace: true});
  await shot('radix-angle');

  await user.focus('END_X');
  await user.type('3', {replace: true});
  await user.focus('END_Y');
  await user.type('4', {replace: true});
  await shot('distance-angle');

  await page.keyboard.press('F1');
  await shot('about-box');
  await page.close();
}

async function main(out) {
  const session = await launchBrowser();
  try {
    await takeShots(session.browser, out, [], '');
    await takeShots(session.browser, out, ['en-US'], '-en');
  } finally {
    await session.close();
  }
}

main(process.argv[2]).catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
