// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Saves screenshots of the page's two tabs, a field's Copy as menu and the About box, in
// Japanese and in English, in
// dark mode, and on a phone held upright, into the folder named by the first argument, typing
// into the fields as a user would (the same values as the desktop screenshots). Run by
// tools/screenshots-web.
'use strict';

const path = require('node:path');
const {launchBrowser, openPage, User, kPhone} = require('./browser.js');

const kDesktop = {
  width: 520,
  height: 340
};
// The shots `names` of one page, preferring the browser languages `languages` (the browser's
// own preference where empty), on `viewport`, in the colour scheme `scheme`, named
// web-NAME-SUFFIX.png.
async function takeShots(browser, out, {
  languages = [],
  suffix = '',
  viewport = kDesktop,
  scheme = 'light',
  names = ['radix-angle', 'field-menu', 'distance-angle', 'about-box']
}) {
  const page = await browser.newPage();
  await page.setViewport(viewport);
  await page.emulateMediaFeatures([{name: 'prefers-color-scheme', value: scheme}]);
  if (languages.length > 0) {
    await page.evaluateOnNewDocument((tags) => {
      Object.defineProperty(navigator, 'languages', {get: () => tags});
    }, languages);
  }
  await openPage(page);
  const user = new User(page);
  const shot = async (name) => {
    if (names.includes(name))
      await page.screenshot({path: path.join(out, `web-${name}${suffix}.png`)});
  };

  await user.focus('HEX');
  await user.type('ff', {replace: true});
  await user.focus('DEGREE');
  await user.type('30', {replace: true});
  await shot('radix-angle');

  if (names.includes('field-menu')) {
    // Wide enough for the submenu beside the menu.
    await page.setViewport({...viewport, width: 980});
    await user.focus('HEX');
    await user.openFieldMenu();
    await page.keyboard.press('ArrowRight');
    await shot('field-menu');
    await page.keyboard.press('Escape');
    await page.keyboard.press('Escape');
    await page.setViewport(viewport);
  }

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
    await takeShots(session.browser, out, {});
    await takeShots(session.browser, out, {languages: ['en-US'], suffix: '-en'});
    await takeShots(
        session.browser, out, {suffix: '-dark', scheme: 'dark', names: ['radix-angle']});
    await takeShots(
        session.browser, out,
        {suffix: '-en-dark', languages: ['en-US'], scheme: 'dark', names: ['distance-angle']});
    const phone = {viewport: kPhone, names: ['radix-angle']};
    await takeShots(session.browser, out, {...phone, suffix: '-phone'});
    await takeShots(session.browser, out, {...phone, suffix: '-phone-en', languages: ['en-US']});
  } finally {
    await session.close();
  }
}

main(process.argv[2]).catch((error) => {
  console.error(error);
  process.exitCode = 1;
});
