// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Opens mensorator.html in Debian's headless Chromium through the DevTools protocol
// (puppeteer-core over a pipe), and plays the user's actions on it with real key and mouse
// events: the one simulator of the user for the browser tests and the page's benchmark.
'use strict';

const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const puppeteer = require('puppeteer-core');

// Bounds every wait, so a page that never gets ready fails instead of hanging.
const kTimeoutMs = 15000;

// A phone held upright, as page.setViewport takes it: 360 × 740 CSS px at three device pixels
// each, with touch.
const kPhone = {
  width: 360,
  height: 740,
  deviceScaleFactor: 3,
  isMobile: true,
  hasTouch: true
};

/** Starts Chromium with a fresh profile; `close()` ends it and removes the profile. */
async function launchBrowser() {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'mensorator-chromium-'));
  const browser = await puppeteer.launch({
    executablePath: process.env.MENSORATOR_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    pipe: true,
    timeout: kTimeoutMs,
    protocolTimeout: kTimeoutMs,
    userDataDir: profile,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--font-render-hinting=none',
      // The tests' user prefers Japanese, the page's own language, unless a test says otherwise.
      '--accept-lang=ja',
    ],
  });
  return {
    browser,
    async close() {
      await browser.close();
      fs.rmSync(profile, {recursive: true, force: true});
    },
  };
}

/** The page's address: MENSORATOR_HTML, an absolute path, as a file:// URL. */
function pageUrl() {
  const file = process.env.MENSORATOR_HTML;
  if (!file) throw new Error('MENSORATOR_HTML names no page');
  return `file://${path.resolve(file)}`;
}

// The uncaught errors of each page's script since it was last opened.
const pageErrors = new WeakMap();

/** Navigates `page` to `url` and waits until its fields accept input. */
async function openPage(page, url = pageUrl()) {
  if (!pageErrors.has(page)) page.on('pageerror', (error) => pageErrors.get(page).push(error));
  pageErrors.set(page, []);
  page.setDefaultTimeout(kTimeoutMs);
  await page.goto(url, {waitUntil: 'load'});
  await page.waitForFunction(
      () => performance.getEntriesByName('mensorator-ready').length > 0, {polling: 'raf'});
}

/** Throws the first uncaught error of the page's script since `openPage`, if any. */
function checkNoPageErrors(page) {
  const [error] = pageErrors.get(page) || [];
  if (error) throw error;
}

/**
 * The user at the keyboard and mouse, addressing fields by the names of the script
 * language ("DEC", "END_Z").
 */
class User {
  constructor(page) { this.page = page; }

  /** Selects the field's tab if its page is not shown, then clicks into the field. */
  async focus(name) {
    const panel = await this.page.$eval(`#IDC_${name}`, (field) => {
      const page = field.closest('[role="tabpanel"]');
      return page.hidden ? page.getAttribute('aria-labelledby') : null;
    });
    if (panel) await this.page.click(`#${panel}`);
    await this.page.click(`#IDC_${name}`);
  }

  async selectAll() {
    await this.page.keyboard.down('Control');
    await this.page.keyboard.press('KeyA', {commands: ['selectAll']});
    await this.page.keyboard.up('Control');
  }

  /** Types `text` key by key over the whole text, or after it. */
  async type(text, {replace}) {
    if (replace) {
      await this.selectAll();
    } else {
      await this.page.keyboard.press('End');
    }
    await this.page.keyboard.type(text);
  }

  /** Replaces the whole text at once through the clipboard and Ctrl+V. */
  async paste(text) {
    await this.page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await this.selectAll();
    await this.page.keyboard.down('Control');
    await this.page.keyboard.press('KeyV', {commands: ['paste']});
    await this.page.keyboard.up('Control');
  }

  async backspace() {
    await this.page.keyboard.press('End');
    await this.page.keyboard.press('Backspace');
  }

  async clear() {
    await this.selectAll();
    await this.page.keyboard.press('Backspace');
  }

  /**
   * Every field's text in the order of `names`, then the active-field register, as the
   * script driver's dump prints them.
   */
  async dump(names) {
    return this.page.evaluate((fields) => {
      const lines =
          fields.map((name) => `${name}\t${document.getElementById(`IDC_${name}`).value}`);
      lines.push(`active\t${Module._mensorator_active_field()}`);
      return lines.join('\n') + '\n';
    }, names);
  }
}

/** Lets the page read and write the clipboard, as a user's paste needs. */
async function allowClipboard(browser, url = pageUrl()) {
  const origin = url.startsWith('file:') ? 'file://' : new URL(url).origin;
  await browser.defaultBrowserContext().overridePermissions(
      origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
}

module.exports = {
  launchBrowser,
  openPage,
  checkNoPageErrors,
  pageUrl,
  allowClipboard,
  User,
  kPhone,
  kTimeoutMs
};
