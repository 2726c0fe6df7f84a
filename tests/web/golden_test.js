// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// Runs every golden script (tests/golden/**/NAME.script with NAME.expected) in the page, as a
// user would: each `type` and `append` key by key, each `paste` through the clipboard, each
// `copy-as` and `paste-as` through the field's menu and the clipboard, and compares what the
// script prints (the fields' texts at every `dump`, what Copy as copies and what Paste as
// says) with the script driver's expected output. A page that chooses from the menus speaks
// English, as the driver does.
// Scripts that the driver rejects (those with NAME.stderr) test the driver, not the page.
'use strict';

const assert = require('node:assert/strict');
const fs = require('node:fs');
const path = require('node:path');
const {after, before, describe, test} = require('node:test');
const {browserName, launchBrowser, openPage, checkNoPageErrors, allowClipboard, User} =
    require('./browser.js');

const goldenDir = path.join(__dirname, '..', 'golden');

function findScripts(dir) {
  return fs.readdirSync(dir, {withFileTypes: true})
      .flatMap((entry) => {
        const file = path.join(dir, entry.name);
        if (entry.isDirectory()) return findScripts(file);
        return entry.name.endsWith('.script') ? [file] : [];
      })
      .sort();
}

/** The script's commands: [command, text] per line, comments and blank lines left out. */
function parseScript(file) {
  return fs.readFileSync(file, 'utf8')
      .replace(/\r/g, '')
      .split('\n')
      .filter((line) => line !== '' && !line.startsWith('#'))
      .map((line) => {
        const space = line.indexOf(' ');
        return space < 0 ? [line, ''] : [line.slice(0, space), line.slice(space + 1)];
      });
}

/** Plays `commands` on the page and returns what the dumps printed. */
async function play(user, commands, fieldNames) {
  let out = '';
  for (const [command, text] of commands) {
    switch (command) {
      case 'focus':
        await user.focus(text);
        break;
      case 'type':
        await user.type(text, {replace: true});
        break;
      case 'append':
        await user.type(text, {replace: false});
        break;
      case 'paste':
        await user.paste(text);
        break;
      case 'backspace':
        await user.backspace();
        break;
      case 'clear':
        await user.clear();
        break;
      case 'dump':
        out += await user.dump(fieldNames);
        break;
      case 'copy-as':
        out += `${await user.copyAs(text)}\n`;
        break;
      case 'paste-as': {
        const [notation, clipboard = ''] = text.split(/ (.*)/s);
        const message = await user.pasteAs(notation, clipboard.replace(/\\n/g, '\n'));
        if (message) out += `${message}\n`;
        break;
      }
      default:
        throw new Error(`unknown command "${command}"`);
    }
  }
  return out;
}

// The scripts wait on the browser more than they use a processor: in Chromium they share it,
// each on one of two pages at a time, each page in a context of its own, which keeps its own
// focus for the keyboard and the clipboard. Firefox gives the keyboard to one page only.
const kPages = browserName === 'chromium' ? 2 : 1;
let session;
const freePages = [];
before(async () => {
  session = await launchBrowser();
  for (let i = 0; i < kPages; ++i) {
    const context = await session.browser.createBrowserContext();
    await allowClipboard(context);
    freePages.push(await context.newPage());
  }
});
after(async () => session && session.close());

const scripts =
    findScripts(goldenDir).filter((file) => !fs.existsSync(file.replace(/\.script$/, '.stderr')));

const menuCommands = new Set(['copy-as', 'paste-as']);
const choosesMenus = (script) => parseScript(script).some(([command]) => menuCommands.has(command));

describe('golden scripts', {concurrency: kPages}, () => {
  for (const script of scripts) {
    test(path.relative(goldenDir, script).replace(/\.script$/, ''), async () => {
      const expected = fs.readFileSync(script.replace(/\.script$/, '.expected'), 'utf8');
      // The dump lists the fields in the order the expected output names them.
      const fieldNames = expected.split('\n')
                             .filter((line) => line.includes('\t'))
                             .map((line) => line.split('\t')[0])
                             .filter((name) => name !== 'active');
      const page = freePages.pop();
      const english = choosesMenus(script) &&
          await page.evaluateOnNewDocument(
              () => Object.defineProperty(navigator, 'languages', {get: () => ['en']}));
      try {
        await openPage(page);
        const actual = await play(new User(page), parseScript(script), [...new Set(fieldNames)]);
        assert.equal(actual, expected);
        checkNoPageErrors(page);
      } finally {
        if (english) await page.removeScriptToEvaluateOnNewDocument(english.identifier);
        freePages.push(page);
      }
    });
  }
});
