// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The page's window as a user meets it: tabs, fields and their accessible names, Escape,
// Enter, the About box, the caret, input methods, a field's Copy as and Paste as menu, loading
// with no network, from disk and over HTTP, and the installed app working offline.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const http = require('node:http');
const path = require('node:path');
const {after, afterEach, before, beforeEach, test} = require('node:test');
const {browserName, launchBrowser, openPage, checkNoPageErrors, pageUrl, skipIn, User, kPhone} =
    require('./browser.js');
const {allowClipboard, evalOne, evalAll, waitFor} = require('./browser.js');

let session;
let page;
let user;
before(async () => {
  session = await launchBrowser();
  page = await session.browser.newPage();
  user = new User(page);
});
after(async () => session && session.close());
beforeEach(() => openPage(page));
afterEach(() => checkNoPageErrors(page));

const allTexts = () => evalAll(page, 'input', (fields) => fields.map((f) => `${f.id}=${f.value}`));
const visiblePages = () =>
    evalAll(page, '[role="tabpanel"]', (panels) => panels.map((panel) => !panel.hidden));
const focusedId = () => page.evaluate(() => document.activeElement.id);

test('title, tab strip and pages in tab order', async () => {
  assert.equal(await page.title(), 'Mensorator');
  const tabs = await evalAll(page, '[role="tablist"] > [role="tab"]',
      (elements) => elements.map(
          (tab) =>
              [tab.textContent, tab.getAttribute('aria-selected'),
               document.getElementById(tab.getAttribute('aria-controls')).getAttribute('role')]));
  assert.deepEqual(tabs, [
    ['基数変換・角度単位関連', 'true', 'tabpanel'],
    ['距離・角度', 'false', 'tabpanel'],
  ]);
  assert.deepEqual(await visiblePages(), [true, false]);
});

// The names of every field are the window model's (tests/window); these rows check that the
// page's label relations give a screen reader the same, one row for each way a field is named.
test('every edit field is a text input named by its labels', async () => {
  const rows = [
    ['IDC_HEX', '１６進数'],
    ['IDC_SIN', 'sin ='],
    ['IDC_START_X', '始点 X'],
    ['IDC_END_Z', '終点 Z'],
    ['IDC_XY_DISTANCE', 'XY平面での距離'],
  ];
  const fields = await evalAll(page, 'input', (inputs) => inputs.map((f) => f.type));
  assert.deepEqual(fields, Array(20).fill('text'));
  // A keypad of digits only where the field's number is digits alone.
  const keyboards = await evalAll(
      page, 'input', (inputs) => inputs.filter((f) => f.inputMode === 'numeric').map((f) => f.id));
  assert.deepEqual(keyboards, ['IDC_DEC', 'IDC_OCT', 'IDC_BIN']);
  for (const index of [0, 1]) {
    // Only the shown page's fields are in the accessibility tree.
    await user.click(`#tab-${index}`);
    const shown = await evalAll(page, `#page-${index} input`, (inputs) => inputs.map((f) => f.id));
    for (const [id, name] of rows.filter(([row]) => shown.includes(row))) {
      const named = await page.$$(`aria/${name}[role="textbox"]`);
      const ids = await Promise.all(named.map((field) => field.evaluate((f) => f.id)));
      assert.deepEqual(ids, [id], name);
    }
  }
});

test('each page lies inside the window, its controls inside the page', async () => {
  for (const index of [0, 1]) {
    await user.click(`#tab-${index}`);
    const outside = await evalOne(page, `#page-${index}`, (panel) => {
      const inside = (inner, outer) => inner.left >= outer.left && inner.top >= outer.top &&
          inner.right <= outer.right && inner.bottom <= outer.bottom;
      const area = panel.getBoundingClientRect();
      const window = document.getElementById('window').getBoundingClientRect();
      const lost = [...panel.children].filter((c) => !inside(c.getBoundingClientRect(), area));
      return [inside(area, window), lost.map((c) => c.id || c.textContent)];
    });
    assert.deepEqual(outside, [true, []]);
  }
});

test('switching tabs keeps every text and the active field', async () => {
  await user.focus('DEC');
  await user.type('255', {replace: true});
  const texts = await allTexts();
  await user.click('#tab-1');
  assert.deepEqual(await visiblePages(), [false, true]);
  await user.click('#tab-0');
  assert.deepEqual(await visiblePages(), [true, false]);
  assert.deepEqual(await allTexts(), texts);
  assert.equal(await page.evaluate(() => Module._mensorator_active_field()), 1);
});

test('arrow keys on the tab strip select the tabs', async () => {
  await page.evaluate(() => document.getElementById('tab-0').focus());
  await page.keyboard.press('ArrowRight');
  assert.deepEqual(await visiblePages(), [false, true]);
  assert.equal(await focusedId(), 'tab-1');
  await page.keyboard.press('ArrowLeft');
  assert.deepEqual(await visiblePages(), [true, false]);
});

const hint = () => evalOne(page, '#hidden-hint', (p) => (p.hidden ? '' : p.innerText));

test('Escape in a page hides it and gives the focus to the tab strip', async () => {
  await user.focus('SIN');
  await user.type('0.5', {replace: true});
  const texts = await allTexts();
  await page.keyboard.press('Escape');
  assert.deepEqual(await visiblePages(), [false, false]);
  assert.equal(await focusedId(), 'tab-0');
  assert.match(
      await hint(), /タブをクリックするか Enter を押すと再び表示します/);
  // Selecting the page's tab shows it again as it was.
  await user.click('#tab-0');
  assert.deepEqual(await visiblePages(), [true, false]);
  assert.deepEqual(await allTexts(), texts);
  assert.equal(await hint(), '');
  // Enter on the focused tab, as the hint says, does the same.
  await user.focus('SIN');
  await page.keyboard.press('Escape');
  await page.keyboard.press('Enter');
  assert.deepEqual(await visiblePages(), [true, false]);
});

for (const modifier of ['Control', 'Alt']) {
  test(
      `${modifier}+PageDown and ${modifier}+PageUp select the next and previous page`, async () => {
        await user.focus('HEX');
        for (const [key, pages, focused] of [
                 ['PageDown', [false, true], 'IDC_START_X'],
                 ['PageUp', [true, false], 'IDC_HEX']]) {
          await page.keyboard.down(modifier);
          await page.keyboard.press(key);
          await page.keyboard.up(modifier);
          assert.deepEqual(await visiblePages(), pages, key);
          assert.equal(await focusedId(), focused, key);
        }
      });
}

// The elements are in reading order, a label before its field; Tab keeps the tab order.
test('reading order in the document, tab order on Tab', async () => {
  const read = await evalOne(
      page, '#page-0',
      (panel) => [...panel.children].map((e) => e.id || e.textContent).slice(0, 12));
  assert.deepEqual(read, [
    'page-0-7', 'IDC_HEX', 'page-0-6', 'IDC_DEC', 'page-0-5', 'IDC_OCT', 'page-0-4', 'IDC_BIN',
    '三角関数等', 'page-0-9', 'IDC_DEGREE', 'page-0-15'
  ]);
  for (const [from, shift, to] of [
           ['DEGREE', false, 'IDC_RADIAN'], ['GRAD', false, 'IDC_SIN'], ['SIN', true, 'IDC_GRAD'],
           ['ELEVATION', false, 'IDC_XY_DISTANCE'], ['XY_DISTANCE', true, 'IDC_ELEVATION']]) {
    await user.focus(from);
    if (shift) await page.keyboard.down('Shift');
    await page.keyboard.press('Tab');
    if (shift) await page.keyboard.up('Shift');
    assert.equal(await focusedId(), to, from);
  }
  // Tab from the last field goes to none of the page's fields before it in the document.
  await page.keyboard.press('Tab');
  assert.ok(!['IDC_XY_ANGLE', 'IDC_ELEVATION'].includes(await focusedId()), await focusedId());
  assert.equal(await page.evaluate(() => Module._mensorator_active_field()), 103);
});

test('Enter changes nothing and closes nothing', async () => {
  await user.focus('HEX');
  await user.type('ff', {replace: true});
  const texts = await allTexts();
  await page.keyboard.press('Enter');
  assert.deepEqual(await allTexts(), texts);
  assert.deepEqual(await visiblePages(), [true, false]);
  assert.equal(await focusedId(), 'IDC_HEX');
});

test('a rewritten field being typed in keeps its caret at the end', async () => {
  await user.focus('DEGREE');
  await user.type('450', {replace: true});
  const caret =
      await evalOne(page, '#IDC_DEGREE', (f) => [f.value, f.selectionStart, f.selectionEnd]);
  assert.deepEqual(caret, ['90.00000', 8, 8]);
});

test('a long text written into another field shows from its start', async () => {
  await user.focus('END_X');
  await user.paste('3e38');
  const distance = await evalOne(page, '#IDC_DISTANCE', (f) => [f.value.length, f.scrollLeft]);
  assert.ok(distance[0] > 40, `${distance[0]}`);
  assert.equal(distance[1], 0);
});

test('text composed by an input method reaches the page when committed', async (t) => {
  if (skipIn(t, {firefox: 'WebDriver BiDi has no input method to compose text with'})) return;
  const client = await page.createCDPSession();
  // Full-width digits, as a Japanese input method composes them, arrive as ASCII ones.
  for (const composed of ['12', '１２']) {
    await user.focus('DEC');
    await user.clear();
    await client.send(
        'Input.imeSetComposition', {text: composed, selectionStart: 2, selectionEnd: 2});
    assert.equal(await evalOne(page, '#IDC_HEX', (f) => f.value), '0', composed);
    await client.send('Input.insertText', {text: composed});
    const texts = await page.evaluate(
        () => ['DEC', 'HEX'].map((name) => document.getElementById(`IDC_${name}`).value));
    assert.deepEqual(texts, ['12', 'c'], composed);
  }
  await client.detach();
});

/** The shown entries of the field menu's open submenu: label, value, whether disabled. */
const shownEntries = () => evalAll(page, '#field-menu ul:not([hidden]) [role="menuitem"]',
    (items) => items.map((item) => [...item.children].map((part) => part.textContent)
                                       .concat(item.getAttribute('aria-disabled') === 'true')));

test('the context-menu key opens Copy as and Paste as, worked by keys', async () => {
  await allowClipboard(page.browserContext());
  await user.focus('HEX');
  await user.type('1000000', {replace: true});
  await user.openFieldMenu();
  await page.keyboard.press('ArrowRight');
  assert.deepEqual(await shownEntries(), [
    ['１６進数 0x…', '0x1000000', false],
    ['８進数 0o…', '0o100000000', false],
    ['２進数 0b…', '0b1000000000000000000000000', false],
    ['２進数 32ビット、4桁区切り', '0000 0001 0000 0000 0000 0000 0000 0000', false],
    ['符号なし32ビット整数', '16777216', false],
    ['色 #RRGGBB', 'この値はこの表記では書けません。', true],
    ['ファイルのモード rwxr-xr-x', 'この値はこの表記では書けません。', true],
    ['４つの基数すべて', '0x1000000\n16777216\n0o100000000\n0b1000000000000000000000000', false],
  ]);
  // Escape closes the submenu, then the menu, and leaves the page as it was.
  for (const key of ['ArrowDown', 'Escape', 'ArrowDown', 'ArrowRight', 'Escape', 'Escape']) {
    await page.keyboard.press(key);
  }
  assert.equal(await evalOne(page, '#field-menu', (menu) => menu.hidden), true);
  assert.equal(await focusedId(), 'IDC_HEX');
  assert.deepEqual(await visiblePages(), [true, false]);

  // Paste as colour: the field gets the text as from a paste, and the others follow; a
  // clipboard with no colour on it changes nothing and says so.
  for (const [clipboard, dec, message] of [
           ['#FF8800', '16746496', ''],
           ['red', '16746496', 'クリップボードにはこの表記の値がありません。何も変えていません。'],
  ]) {
    await page.evaluate((text) => navigator.clipboard.writeText(text), clipboard);
    await user.openFieldMenu();
    for (const key of ['ArrowDown', 'ArrowRight', 'End', 'ArrowUp', 'ArrowUp']) {
      await page.keyboard.press(key);
    }
    assert.equal(await page.evaluate(() => document.activeElement.dataset.notation), 'color');
    await page.keyboard.press('Enter');
    await waitFor(page, '#field-menu[hidden]');
    assert.equal(await evalOne(page, '#IDC_DEC', (f) => f.value), dec, clipboard);
    const alert = await evalOne(page, '#menu-alert', (p) => (p.hidden ? '' : p.textContent));
    assert.equal(alert, message);
    assert.equal(await focusedId(), 'IDC_HEX');
  }
});

const aboutOpen = () => evalOne(page, '#about', (box) => box.open);

for (const [opener, open] of [
         ['F1', () => page.keyboard.press('F1')],
         ['its button', () => user.click('#about-button')],
]) {
  for (const [closer, close] of [
           ['OK', () => user.click('#about-client button')],
           ['Escape', () => page.keyboard.press('Escape')],
  ]) {
    test(`About box opened by ${opener}, closed by ${closer}`, async () => {
      await user.focus('OCT');
      await open();
      assert.equal(await aboutOpen(), true);
      const texts = await evalOne(page, '#about', (box) => box.innerText);
      assert.match(texts, /Mensoratorのﾊﾞｰｼﾞｮﾝ情報/);
      assert.match(texts, /Mensorator Version 0\.40/);
      assert.match(texts, /2004\/08\/29/);
      await close();
      assert.equal(await aboutOpen(), false);
      // The pages are untouched; the focus goes back to the field.
      assert.deepEqual(await visiblePages(), [true, false]);
      if (opener === 'F1') assert.equal(await focusedId(), 'IDC_OCT');
    });
  }
}

const kContentTypes = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
};

/**
 * Serves the files `names` of the page's directory on 127.0.0.1 as any static server would,
 * until `stop()` or the end of test `t`. Returns the page's address there, the paths the
 * server was asked for, and `stop`.
 */
async function serve(t, names) {
  const dir = path.dirname(new URL(pageUrl()).pathname);
  const asked = [];
  const server = http.createServer((request, response) => {
    const name = path.basename(request.url);
    asked.push(request.url);
    const found = names.includes(name);
    response.writeHead(found ? 200 : 404, {'Content-Type': kContentTypes[path.extname(name)]});
    response.end(found ? fs.readFileSync(path.join(dir, name)) : undefined);
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const stop = () => {
    server.close();
    server.closeAllConnections();
  };
  t.after(stop);
  return {url: `http://127.0.0.1:${server.address().port}/mensorator.html`, asked, stop};
}

test('the page loads nothing from the network, from disk and served alone', async (t) => {
  const requests = [];
  const onRequest = (request) => requests.push(request.url());
  page.on('request', onRequest);
  t.after(() => page.off('request', onRequest));
  await page.setOfflineMode(true);
  t.after(() => page.setOfflineMode(false));
  await openPage(page);
  // Firefox reports no request for a file; Chromium reports the page's own.
  assert.deepEqual(requests.filter((u) => !u.startsWith('data:') && u !== pageUrl()), []);

  // Served without the files that make it an app, it asks for them at most, and works.
  await page.setOfflineMode(false);
  const {url, asked} = await serve(t, ['mensorator.html']);
  await openPage(page, url);
  assert.equal(await evalOne(page, '#IDC_COS', (f) => f.value), '1');
  const wanted = ['/mensorator.html', '/mensorator.webmanifest', '/mensorator-sw.js'];
  assert.deepEqual(asked.filter((request) => !wanted.includes(request)), []);
  assert.equal(asked[0], '/mensorator.html');
});

test('served with its files, the page installs as an app and works offline', async (t) => {
  const {url, stop} = await serve(t, fs.readdirSync(path.dirname(new URL(pageUrl()).pathname)));
  await openPage(page, url);
  // The linked manifest parses, and the server has the page and the icons it names.
  const manifest = await page.evaluate(async () => {
    const json = await (await fetch(document.querySelector('link[rel="manifest"]').href)).json();
    const icons = await Promise.all(json.icons.map(async ({src}) => (await fetch(src)).status));
    return {start: new URL(json.start_url, location).href, name: json.name, icons};
  });
  assert.deepEqual(manifest, {start: url, name: 'Mensorator', icons: [200, 200]});
  if (browserName === 'chromium') {
    // Firefox installs no web apps on the desktop; Chromium says what would stop it.
    const client = await page.createCDPSession();
    const {installabilityErrors} = await client.send('Page.getInstallabilityErrors');
    await client.detach();
    assert.deepEqual(installabilityErrors, []);
  }
  await page.evaluate(() => navigator.serviceWorker.ready);

  // With the server gone and the network off, the page opens from the worker's cache.
  stop();
  await page.setOfflineMode(true);
  t.after(() => page.setOfflineMode(false));
  await openPage(page, url);
  await user.focus('DEC');
  await user.type('255', {replace: true});
  assert.equal(await evalOne(page, '#IDC_HEX', (f) => f.value), 'ff');
});

/**
 * A new page that opens with `languages` as the browser's preferred languages and the
 * reader's `settings` (browser.js).
 */
async function openPageIn(t, languages, settings) {
  const other = await session.newPage(settings);
  t.after(() => other.close());
  await other.evaluateOnNewDocument((tags) => {
    Object.defineProperty(navigator, 'languages', {get: () => tags});
  }, languages);
  await openPage(other);
  return other;
}

// Every text a person reads: tabs, labels, the group box, the About box and its entry, and
// whether each label's text fits its box (measured on its shown page or in the open box).
async function shownTexts(other) {
  const labels = [];
  const measure = () =>
      evalAll(other, '.label', (elements) => elements.filter((e) => e.offsetParent).map((e) => {
        const range = document.createRange();
        range.selectNodeContents(e);
        const fits = range.getBoundingClientRect().width <= e.getBoundingClientRect().width;
        return [e.textContent, fits];
      }));
  for (const index of [0, 1]) {
    await new User(other).click(`#tab-${index}`);
    labels.push(...await measure());
  }
  await other.keyboard.press('F1');
  labels.push(...await measure());
  const about = await evalOne(other, '#about', (box) => box.innerText);
  await other.keyboard.press('Escape');
  return {
    tabs: await evalAll(other, '[role="tab"]', (tabs) => tabs.map((tab) => tab.textContent)),
    labels,
    group: await evalOne(other, '.group', (group) => group.textContent),
    about,
    entry: await evalOne(other, '#about-button', (b) => [b.title, b.getAttribute('aria-label')]),
    lang: await other.evaluate(() => document.documentElement.lang),
  };
}

test('an English preference shows English texts whole, a Japanese one Japanese', async (t) => {
  for (const [languages, tabs, lang, names] of [
           [
             ['en-US', 'ja'], ['Numbers and Angles', 'Distance and Angle'], 'en',
             [
               ['IDC_HEX', 'Hexadecimal'], ['IDC_START_X', 'Start X'], ['IDC_END_Z', 'End Z'],
               ['IDC_XY_DISTANCE', 'XY distance']
             ]
           ],
           [[], ['基数変換・角度単位関連', '距離・角度'], 'ja', [['IDC_DEC', '１０進数']]],
  ]) {
    const other = await openPageIn(t, languages);
    const shown = await shownTexts(other);
    assert.deepEqual(shown.tabs, tabs, languages.join());
    assert.equal(shown.lang, lang);
    const japanese = /[\u3000-\u30ff\u4e00-\u9fff\uff00-\uffef]/;
    const texts = [
      ...shown.tabs, ...shown.labels.map(([text]) => text), shown.group, shown.about, ...shown.entry
    ];
    assert.deepEqual(shown.labels.filter(([, fits]) => !fits), [], languages.join());
    if (lang === 'en') {
      assert.deepEqual(texts.filter((text) => japanese.test(text)), [], languages.join());
      assert.equal(shown.group, 'Trigonometry');
      assert.match(shown.about, /About Mensorator/);
      assert.deepEqual(shown.entry, ['About Mensorator...', 'About Mensorator...']);
    } else {
      // Laid out as the page of the Japanese browser is.
      const places = (p) => evalAll(p, '.control', (cs) => cs.map((c) => c.style.cssText));
      assert.deepEqual(await places(other), await places(page));
      assert.equal(shown.group, '三角関数等');
      assert.match(shown.about, /Mensoratorのﾊﾞｰｼﾞｮﾝ情報/);
    }
    for (const [id, name] of names) {
      const index = await evalOne(other, `#${id}`, (f) => f.closest('[role="tabpanel"]').id.at(-1));
      await new User(other).click(`#tab-${index}`);
      const named = await other.$$(`aria/${name}[role="textbox"]`);
      const ids = await Promise.all(named.map((field) => field.evaluate((f) => f.id)));
      assert.deepEqual(ids, [id], name);
    }
    checkNoPageErrors(other);
  }
});

/** Whether the page scrolls sideways, and the targets (fields, tabs, buttons) under 24 px. */
const reflowFaults = (other) => other.evaluate(
    () => ({
      sideways: document.documentElement.scrollWidth > innerWidth,
      small: [...document.querySelectorAll('input, button')]
                 .filter((e) => e.offsetParent && e.getBoundingClientRect().height < 24)
                 .map((e) => e.id || e.textContent),
    }));

test(
    'on a phone: no sideways scrolling, targets of 24 px, a tap focuses and typing converts',
    async (t) => {
      for (const languages of [['en-US'], ['ja']]) {
        const other = await openPageIn(t, languages, {phone: true});
        const reader = new User(other);
        for (const width of [360, 320]) {
          await other.setViewport({...kPhone, width});
          for (const tab of ['#tab-1', '#tab-0']) {
            await reader.tap(tab);
            assert.deepEqual(await reflowFaults(other), {sideways: false, small: []}, tab);
          }
          await reader.tap('#about-button');
          assert.deepEqual(await reflowFaults(other), {sideways: false, small: []}, 'about');
          await reader.tap('#about-client button');
        }
        // A sign, a decimal point, an exponent and hex letters are typed where they are read.
        for (const [field, text, other_, shown] of [
                 ['DEGREE', '-1.8e2', 'GRAD', '-200.00000'], ['HEX', 'fF', 'DEC', '255'],
                 ['DEC', '-1', 'DEC', '-1'], ['START_X', '+2.5E1', 'DISTANCE', '25.000000']]) {
          const panel =
              await evalOne(other, `#IDC_${field}`, (f) => f.closest('[role="tabpanel"]').id);
          await reader.tap(`#tab-${panel.at(-1)}`);
          await reader.tap(`#IDC_${field}`);
          assert.equal(await other.evaluate(() => document.activeElement.id), `IDC_${field}`);
          await reader.type(text, {replace: true});
          assert.equal(await evalOne(other, `#IDC_${other_}`, (f) => f.value), shown, text);
        }
        checkNoPageErrors(other);
      }
    });

// The contrast of a text colour on its background, both computed "rgb(r, g, b)" strings.
function contrast(foreground, background) {
  const luminance = (colour) => {
    const [r, g, b] = colour.match(/\d+(\.\d+)?/g).slice(0, 3).map((c) => {
      const v = c / 255;
      return v <= 0.04045 ? v / 12.92 : ((v + 0.055) / 1.055) ** 2.4;
    });
    return 0.2126 * r + 0.7152 * g + 0.0722 * b;
  };
  const [light, dark] = [luminance(foreground), luminance(background)].sort((a, b) => b - a);
  return (light + 0.05) / (dark + 0.05);
}

/** Each text element's computed colour and the background it stands on. */
const textColours = (other) => evalAll(other, 'input, .label, [role="tab"], h1',
    (elements) => elements.filter((e) => e.offsetParent).map((element) => {
      let back = element;
      while (getComputedStyle(back).backgroundColor === 'rgba(0, 0, 0, 0)')
        back = back.parentElement;
      return [
        element.id || element.textContent, getComputedStyle(element).color,
        getComputedStyle(back).backgroundColor
      ];
    }));

test('dark mode: every text stands out at 4.5:1', async (t) => {
  const other = await openPageIn(t, ['ja'], {dark: true});
  for (const tab of ['#tab-1', '#tab-0']) {
    await new User(other).click(tab);
    const colours = await textColours(other);
    assert.ok(colours.length > 10);
    const low = colours.filter(([, fore, back]) => contrast(fore, back) < 4.5);
    assert.deepEqual(low, [], tab);
    assert.ok(colours.every(([, , back]) => contrast('rgb(0, 0, 0)', back) < 4.5), 'dark');
  }
});

test('forced colours: the system colours, the focus in the highlight colour', async (t) => {
  const other = await openPageIn(t, ['ja'], {forcedColours: true});
  await new User(other).click('#IDC_HEX');
  const [system, field] = await other.evaluate(() => {
    const probe = document.body.appendChild(document.createElement('i'));
    const system = ['Field', 'FieldText', 'Highlight', 'Canvas'].map((name) => {
      probe.style.color = name;
      return getComputedStyle(probe).color;
    });
    const style = getComputedStyle(document.getElementById('IDC_HEX'));
    return [
      system,
      [
        style.backgroundColor, style.color, style.outlineColor, style.outlineStyle,
        getComputedStyle(document.body).backgroundColor,
        getComputedStyle(document.getElementById('tab-0')).borderTopColor
      ]
    ];
  });
  const [fieldColour, fieldText, highlight, canvas] = system;
  assert.deepEqual(field, [fieldColour, fieldText, highlight, 'solid', canvas, highlight]);
});

test('the layout follows the browser\'s font size', async (t) => {
  const other = await openPageIn(t, ['ja'], {largeFont: true});
  const [font, width] = await other.evaluate(
      () =>
          [getComputedStyle(document.documentElement).fontSize,
           document.getElementById('client').offsetWidth]);
  assert.equal(font, '15px');
  const normal = await page.evaluate(() => document.getElementById('client').offsetWidth);
  assert.ok(width > normal * 1.2, `${width} against ${normal}`);
});
