// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Saves screenshots of the page's two tabs and its About box into the folder named by the
// first argument, typing into the fields as a user would (the same values as the desktop
// screenshots). Run by tools/screenshots-web.
'use strict';

const path = require('node:path');
const {launchBrowser, openPage, User} = require('./browser.js');

async function main(out) {
  const session = await launchBrowser();
  try {
    const page = await session.browser.newPage();
    await page.setViewport({width: 480, height: 340});
    await openPage(page);
    const user = new User(page);
    const shot = (name) => page.screenshot({path: path.join(out, `web-${name}.png`)});

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
  } finally {
    await session.close();
  }
}

main(process.argv[2]).catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
