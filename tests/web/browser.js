// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Opens mensorator.html in Debian's headless Chromium (through the DevTools protocol) or
// Firefox ESR (through WebDriver BiDi), as MENSORATOR_BROWSER says, with puppeteer-core, and
// plays the user's actions on it with real key and mouse events: the one simulator of the
// user for the browser tests and the page's benchmark.
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

/** The browser the tests run in: MENSORATOR_BROWSER, "chromium" (the default) or "firefox". */
const browserName = process.env.MENSORATOR_BROWSER || 'chromium';

// Each browser's launch: the tests' user prefers Japanese, the page's own language, unless a
// test says otherwise.
const launchOptions = {
  chromium: () => ({
    executablePath: process.env.MENSORATOR_CHROMIUM || '/usr/bin/chromium',
    pipe: true,
    args: [
      '--no-sandbox',
      '--disable-gpu',
      '--disable-quic',
      '--no-first-run',
      '--disable-background-networking',
      '--disable-component-update',
      '--disable-sync',
      '--font-render-hinting=none',
      '--accept-lang=ja',
    ],
  }),
  firefox: () => ({
    browser: 'firefox',
    executablePath: process.env.MENSORATOR_FIREFOX || '/usr/bin/firefox-esr',
    extraPrefsFirefox: {'intl.accept_languages': 'ja'},
  }),
};

// The reader's settings a page can be opened with, each as both browsers take it: Chromium
// emulates it on the page (media `features`, the standard `fontSize`) through the DevTools
// protocol, Firefox reads it from its preferences (`prefs`) at launch. Both take the
// `viewport` on the page.
const kSettings = {
  // A phone held upright: its screen, and touch (coarse, without hover) as its one pointer.
  phone: () => ({
    viewport: kPhone,
    prefs: {'ui.primaryPointerCapabilities': 1, 'ui.allPointerCapabilities': 1},
  }),
  dark: () => ({
    features: [{name: 'prefers-color-scheme', value: 'dark'}],
    prefs: {'layout.css.prefers-color-scheme.content-override': 0},
  }),
  forcedColours: () => ({
    features: [{name: 'forced-colors', value: 'active'}],
    prefs: {'browser.display.document_color_use': 2},
  }),
  // A standard font of 20 px instead of 16.
  largeFont: () => ({
    fontSize: 20,
    prefs: {'font.size.variable.ja': 20, 'font.size.variable.x-western': 20},
  }),
};

// A launch of Firefox takes some 5 s of processor time. There, settings that change different
// things (colours, sizes) share one browser: a page with either has the other's too.
const kFirefoxLaunches = [['dark', 'largeFont'], ['phone', 'forcedColours']];

/** Starts the browser with a fresh profile and Firefox's `prefs`; `close()` ends both. */
async function launch(prefs = {}) {
  if (!(browserName in launchOptions)) throw new Error(`unknown browser "${browserName}"`);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), `mensorator-${browserName}-`));
  const options = launchOptions[browserName]();
  const browser = await puppeteer.launch({
    ...options,
    extraPrefsFirefox: {...options.extraPrefsFirefox, ...prefs},
    headless: true,
    timeout: kTimeoutMs,
    protocolTimeout: kTimeoutMs,
    userDataDir: profile,
  });
  return {
    browser,
    async close() {
      await browser.close();
      fs.rmSync(profile, {recursive: true, force: true});
    },
  };
}

/**
 * Starts the browser. `newPage(settings)` opens a blank page as a reader with `settings`
 * sees pages: any of {phone, dark, forcedColours, largeFont} set to true. In Firefox such a
 * page opens in a browser of its own, one for each of `kFirefoxLaunches`, which `close()`
 * ends with the first.
 */
async function launchBrowser() {
  const main = await launch();
  const others = new Map();
  return {
    browser: main.browser,
    async newPage(settings = {}) {
      const names = Object.keys(settings);
      const chosen = names.map((name) => kSettings[name]());
      let {browser} = main;
      if (browserName === 'firefox' && names.length > 0) {
        const group = kFirefoxLaunches.find((launched) => names.every((n) => launched.includes(n)));
        if (!group) throw new Error(`no Firefox launch has all of ${names}`);
        if (!others.has(group)) {
          others.set(group, launch(Object.assign({}, ...group.map((n) => kSettings[n]().prefs))));
        }
        ({browser} = await others.get(group));
      }
      const page = await browser.newPage();
      const {viewport, fontSize} = Object.assign({}, ...chosen);
      const features = chosen.flatMap((setting) => setting.features || []);
      if (viewport) await page.setViewport(viewport);
      if (browserName === 'chromium' && (features.length > 0 || fontSize)) {
        // The emulation lasts as long as the session, which ends with the page.
        const client = await page.createCDPSession();
        if (features.length > 0) await client.send('Emulation.setEmulatedMedia', {features});
        if (fontSize) await client.send('Page.setFontSizes', {fontSizes: {standard: fontSize}});
      }
      return page;
    },
    async close() {
      const all = [main, ...await Promise.all(others.values())];
      await Promise.all(all.map((session) => session.close()));
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
  await page.evaluate(async () => {
    while (performance.getEntriesByName('mensorator-ready').length === 0) {
      await new Promise(requestAnimationFrame);
    }
  });
}

/** Throws the first uncaught error of the page's script since `openPage`, if any. */
function checkNoPageErrors(page) {
  const [error] = pageErrors.get(page) || [];
  if (error) throw error;
}

// Firefox's WebDriver BiDi takes some 40 ms to release each handle that puppeteer's selector
// calls ($eval, click, waitForSelector, waitForFunction) make and drop, which doubled the
// tests' time there. The tests reach the page's elements with one evaluate each instead; a
// wait is bounded by the protocol's timeout.

/** `read(element)` of the first element `selector` finds, as page.$eval gives it. */
function evalOne(page, selector, read) {
  return page.evaluate(`(${read})(document.querySelector(${JSON.stringify(selector)}))`);
}

/** `read(elements)` of every element `selector` finds, as page.$$eval gives it. */
function evalAll(page, selector, read) {
  return page.evaluate(`(${read})([...document.querySelectorAll(${JSON.stringify(selector)})])`);
}

/** Waits, a frame at a time, until `selector` finds an element, a shown one if `shown`. */
function waitFor(page, selector, {shown = false} = {}) {
  return page.evaluate(async (wanted, mustShow) => {
    for (;;) {
      const element = document.querySelector(wanted);
      if (element && (!mustShow || element.checkVisibility())) return;
      await new Promise(requestAnimationFrame);
    }
  }, selector, shown);
}

// The last paste, which the next one waits for.
let clipboardTurn = Promise.resolve();

/**
 * The user at the keyboard and mouse, addressing fields by the names of the script
 * language ("DEC", "END_Z").
 */
class User {
  constructor(page) { this.page = page; }

  /** Selects the field's tab if its page is not shown, then clicks into the field. */
  async focus(name) {
    const tab = await evalOne(this.page, `#IDC_${name}`, (field) => {
      const page = field.closest('[role="tabpanel"]');
      return page.hidden ? page.getAttribute('aria-labelledby') : null;
    });
    if (tab) await this.click(`#${tab}`);
    await this.click(`#IDC_${name}`);
  }

  /** Clicks the middle of the element `selector`, scrolled into view, with the mouse. */
  async click(selector) {
    const {x, y} = await this.pointAt(selector);
    await this.page.mouse.click(x, y);
  }

  /** Taps the middle of the element `selector`, scrolled into view, with a finger. */
  async tap(selector) {
    const {x, y} = await this.pointAt(selector);
    await this.page.touchscreen.tap(x, y);
  }

  /** The middle of the element `selector` in the viewport, once scrolled into it. */
  async pointAt(selector) {
    const point = await this.page.evaluate((wanted) => {
      const element = document.querySelector(wanted);
      element.scrollIntoView({block: 'nearest', inline: 'nearest'});
      const {x, y, width, height} = element.getBoundingClientRect();
      return width > 0 && height > 0 ? {x: x + width / 2, y: y + height / 2} : null;
    }, selector);
    if (!point) throw new Error(`${selector} is not shown`);
    return point;
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

  /**
   * Replaces the whole text at once through the clipboard and Ctrl+V. The browser has one
   * clipboard for all its pages: one user pastes at a time.
   */
  async paste(text) {
    const turn = clipboardTurn.then(async () => {
      await this.page.evaluate((t) => navigator.clipboard.writeText(t), text);
      await this.selectAll();
      await this.page.keyboard.down('Control');
      await this.page.keyboard.press('KeyV', {commands: ['paste']});
      await this.page.keyboard.up('Control');
    });
    clipboardTurn = turn.catch(() => {});
    await turn;
  }

  /**
   * Opens the focused field's own menu with Shift+F10, as its context-menu key does. WebDriver
   * BiDi has no context-menu key, and Firefox sends no contextmenu event for a Shift+F10 that
   * WebDriver types: there the field gets the event after the key, as the key would send it.
   */
  async openFieldMenu() {
    await this.page.keyboard.down('Shift');
    await this.page.keyboard.press('F10');
    await this.page.keyboard.up('Shift');
    if (browserName === 'firefox') {
      await this.page.evaluate(() => document.activeElement.dispatchEvent(
          new MouseEvent('contextmenu', {bubbles: true})));
    }
    await waitFor(this.page, '#field-menu:not([hidden])');
  }

  /**
   * Opens the focused field's menu and its submenu `index` (0 Copy as, 1 Paste as) and
   * returns the selector of the entry of `notation` there, once shown.
   */
  async fieldMenuEntry(index, notation) {
    await this.openFieldMenu();
    const submenu = `#field-menu > li:nth-child(${index + 1})`;
    await this.click(`${submenu} > button`);
    const entry = `${submenu} [data-notation="${notation}"]`;
    await waitFor(this.page, entry, {shown: true});
    return entry;
  }

  /** Chooses the menu entry `entry` and waits until the menu has done its work. */
  async choose(entry) {
    await this.click(entry);
    await waitFor(this.page, '#field-menu[hidden]');
  }

  /**
   * Copy as `notation` from the focused field's menu: returns what it put on the clipboard,
   * or, where the entry is disabled, the text that it shows instead of a value.
   */
  async copyAs(notation) {
    return this.withClipboard(async () => {
      const entry = await this.fieldMenuEntry(0, notation);
      const disabled = await evalOne(this.page, entry, (e) => e.getAttribute('aria-disabled'));
      if (disabled === 'true') {
        const shown = await evalOne(this.page, `${entry} .value`, (value) => value.textContent);
        await this.page.keyboard.press('Escape');
        await this.page.keyboard.press('Escape');
        return shown;
      }
      await this.choose(entry);
      return this.page.evaluate(() => navigator.clipboard.readText());
    });
  }

  /**
   * Puts `text` on the clipboard and chooses Paste as `notation` from the focused field's menu;
   * returns the message the page shows instead, or ''.
   */
  async pasteAs(notation, text) {
    return this.withClipboard(async () => {
      await this.page.evaluate((t) => navigator.clipboard.writeText(t), text);
      await this.choose(await this.fieldMenuEntry(1, notation));
      return evalOne(this.page, '#menu-alert', (alert) => (alert.hidden ? '' : alert.textContent));
    });
  }

  /** Runs `use`, which uses the clipboard, when no other user does: they share one. */
  withClipboard(use) {
    const turn = clipboardTurn.then(use);
    clipboardTurn = turn.catch(() => {});
    return turn;
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

/**
 * Lets the pages of browser context `context` read and write the clipboard, as a user's
 * paste needs. Firefox lets a page
 * write it and paste from it without asking.
 */
async function allowClipboard(context, url = pageUrl()) {
  if (browserName === 'firefox') return;
  const origin = url.startsWith('file:') ? 'file://' : new URL(url).origin;
  await context.overridePermissions(
      origin, ['clipboard-read', 'clipboard-write', 'clipboard-sanitized-write']);
}

/**
 * Skips test `t` in the browser that `reasons` names, saying why, and returns true there. In
 * CI (CI=true) such a skip fails unless the preset allows it: its MENSORATOR_CI_SKIPS holds
 * "web/BROWSER/TEST NAME: why", so no test that CI could run is skipped unseen.
 */
function skipIn(t, reasons) {
  const reason = reasons[browserName];
  if (!reason) return false;
  const allowed = (process.env.MENSORATOR_CI_SKIPS || '').split('\n');
  if (process.env.CI === 'true' &&
      !allowed.some((line) => line.startsWith(`web/${browserName}/${t.name}:`))) {
    throw new Error(`skipped in ${browserName} (${reason}), which the test preset does not allow`);
  }
  t.skip(reason);
  return true;
}

module.exports = {
  skipIn,
  evalOne,
  evalAll,
  waitFor,
  launchBrowser,
  openPage,
  checkNoPageErrors,
  pageUrl,
  allowClipboard,
  User,
  kPhone,
  kTimeoutMs,
  browserName,
};
