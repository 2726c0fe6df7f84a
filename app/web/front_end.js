// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The page's front end, run before the program's runtime starts (emcc --pre-js). It renders
// the window the program describes (app/window/window_view.schema.json), measuring the page's font and
// texts for it; tells the pages when an edit field gains the focus and when the user changes
// its text; forwards keys and tab clicks to the window's behaviour and carries out its
// reactions; shows every text a page writes at once, nested as the writes happen; and shows a
// field's "Copy as" and "Paste as" menu. It decides nothing about the layout, the texts, the
// names, what a key does or what the menus offer: the program does.

/** Edit field elements by control identifier, and the other way round. */
const fieldElements = new Map();
const fieldIds = new Map();

/** Passes `text` to the program as a zero-terminated UTF-8 string for `use`'s call. */
function withUTF8(text, use) {
  const size = lengthBytesUTF8(text) + 1;
  const pointer = _malloc(size);
  stringToUTF8(text, pointer, size);
  try {
    return use(pointer);
  } finally {
    _free(pointer);
  }
}

function setAttributes(element, attributes) {
  Object.entries(attributes).forEach(([name, value]) => element.setAttribute(name, value));
  return element;
}

/** A new `tag` element with the properties `props` and the attributes `attributes`. */
const create = (tag, props, attributes = {}) =>
    setAttributes(Object.assign(document.createElement(tag), props), attributes);

/** The JSON text at `pointer`, parsed; null for a null pointer. */
const parsed = (pointer) => (pointer ? JSON.parse(UTF8ToString(pointer)) : null);

/**
 * Makes the dialog font (`face`, then the page's fallback faces) the page's font, and returns
 * the width of `sample` in it and its height, in pixels; textWidth measures in it from then.
 * Its size follows the browser's font size: `pointSize` points at the default 16 px.
 */
Module.measureFont = (face, pointSize, sample) => {
  const root = document.documentElement;
  const style = getComputedStyle(root);
  const faces = style.getPropertyValue('--fallback-faces');
  root.style.font = `${pointSize / 12}rem "${face}", ${faces}`;
  const context = document.createElement('canvas').getContext('2d');
  context.font = `${style.fontSize} "${face}", ${faces}`;
  Module.textWidth = (text) =>
      Math.max(...text.split('\n').map((line) => Math.ceil(context.measureText(line).width)));
  const metrics = context.measureText(sample);
  return [metrics.width, metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent].map(
      Math.round);
};

Module.fieldHasFocus = (controlId) => fieldElements.get(controlId) === document.activeElement;

/** Shows a text a page wrote into edit field `controlId`, the caret at `caret`. */
Module.showFieldText = (controlId, text, caret) => {
  const field = fieldElements.get(controlId);
  if (!field || field.value === text) return;
  field.value = text;
  field.setSelectionRange(caret, caret);
};

function place(element, {x, y, width, height}) {
  Object.assign(
      element.style, {left: `${x}px`, top: `${y}px`, width: `${width}px`, height: `${height}px`});
}

function size(element, dialog) {
  Object.assign(element.style, {width: `${dialog.width}px`, height: `${dialog.height}px`});
}

/** A text with "&" access-key markers as shown, and the marked key. */
function parseAccessKey(text) {
  const keys = [...text.matchAll(/&(.)/g)].map(([, key]) => key).filter((key) => key !== '&');
  return {shown: text.replace(/&(.)/g, '$1'), key: keys[0] || ''};
}

function createIcon() {
  const icon = document.getElementById('icon').content.firstElementChild.cloneNode(true);
  // Drawn at the standard icon size from the control's corner, whatever size it is given.
  return setAttributes(icon, {'width': '32', 'height': '32', 'aria-hidden': 'true'});
}

/**
 * Creates the elements of `dialog`'s controls in `host` in reading order, except the tab
 * strip, which the window builds, and returns them in the description's order (the tab
 * order). `prefix` keeps label ids unique.
 */
function buildControls(dialog, host, prefix) {
  const labelFor = new Map();
  for (const control of dialog.controls) {
    if (control.kind === 'edit' && control.nameLabels.length > 0) {
      labelFor.set(control.nameLabels.at(-1), control.objectName);
    }
  }
  const elements = dialog.controls.map((control, index) => {
    let element;
    switch (control.kind) {
      case 'edit':
        element = create(
            'input', {type: 'text', id: control.objectName, autocomplete: 'off', spellcheck: false},
            {autocapitalize: 'off', autocorrect: 'off', inputmode: control.inputMode});
        // A field named by more than its buddy label is named by all its labels in order.
        if (control.nameLabels.length > 1) {
          const ids = control.nameLabels.map((label) => `${prefix}-${label}`);
          element.setAttribute('aria-labelledby', ids.join(' '));
        }
        fieldElements.set(control.id, element);
        fieldIds.set(element, control.id);
        break;
      case 'label':
        element = create(
            labelFor.has(index) ? 'label' : 'span',
            {className: 'label', id: `${prefix}-${index}`, textContent: control.text});
        if (labelFor.has(index)) element.htmlFor = labelFor.get(index);
        break;
      case 'group':
        element = create('div', {className: 'group'});
        element.append(create('span', {textContent: control.text}));
        break;
      case 'icon':
        element = create('div', {});
        element.append(createIcon());
        break;
      case 'button':
        element = create('button', {type: 'button', textContent: control.text});
        break;
      default:
        return null;
    }
    element.classList.add('control');
    place(element, control);
    return element;
  });
  host.append(...dialog.readingOrder.map((index) => elements[index]).filter(Boolean));
  return elements;
}

/**
 * Keeps Tab and Shift+Tab in `panel` on the tab order of its `fields`, which the elements'
 * reading order need not be; past either end the browser moves on out of the page.
 */
function keepTabOrder(panel, fields) {
  panel.addEventListener('keydown', (event) => {
    if (event.key !== 'Tab' || event.ctrlKey || event.altKey || event.metaKey) return;
    const step = event.shiftKey ? -1 : 1;
    const next = fields[fields.indexOf(event.target) + step];
    if (next) {
      event.preventDefault();
      next.focus();
      next.select();
      return;
    }
    // For this key the page's other fields are no stops, whatever their place.
    const others = [...panel.querySelectorAll('input')].filter((f) => f !== event.target);
    others.forEach((field) => (field.tabIndex = -1));
    setTimeout(() => others.forEach((field) => (field.tabIndex = 0)));
  });
}

const idOf = (target) => (fieldIds.has(target) ? fieldIds.get(target) : -1);

/**
 * Puts the ASCII form of the text that an input method just committed into `field` in its
 * place, so that digits typed with a Japanese input method on are the digits the field reads,
 * as with the input method off.
 */
function makeComposedTextAscii(field, composed) {
  const end = field.selectionEnd;
  const start = end - composed.length;
  if (start < 0 || field.value.slice(start, end) !== composed) return;
  field.setRangeText(withUTF8(composed, (text) => UTF8ToString(_mensorator_ascii(text))), start,
                     end, 'end');
}

/** Tells the pages of the focus and the user's edits in their fields, which `host` holds. */
function forwardFieldEvents(host) {
  const send = (field) => withUTF8(field.value, (text) => _mensorator_edit(idOf(field), text));
  host.addEventListener('focusin', (event) => _mensorator_focus(idOf(event.target)));
  // Text being composed by an input method goes to the page once, when it is committed.
  host.addEventListener('input', (event) => event.isComposing || send(event.target));
  host.addEventListener('compositionend', (event) => {
    makeComposedTextAscii(event.target, event.data);
    send(event.target);
  });
}

/**
 * One submenu of the field menu, `title` with its `entries`, each chosen by `choose(entry)`.
 * A Copy as entry shows its value, or `noText` and is disabled where it has none.
 */
function buildSubmenu({title, entries, noText}, choose) {
  const name = parseAccessKey(title).shown;
  const list =
      create('ul', {className: 'menu', hidden: true}, {'role': 'menu', 'aria-label': name});
  // The emscripten release of the build takes no object spread: Object.assign instead.
  const item = (props, attributes) => create(
      'button', Object.assign({type: 'button', tabIndex: -1}, props),
      Object.assign({role: 'menuitem'}, attributes));
  const wrap = (element, ...more) => {
    const entry = create('li', {}, {role: 'none'});
    entry.append(element, ...more);
    return entry;
  };
  for (const entry of entries) {
    const button = item({onclick: () => choose(entry)}, {'data-notation': entry.notation});
    button.append(create('span', {textContent: entry.label}));
    if ('text' in entry) {
      const value = entry.text === null ? noText : entry.text;
      button.append(' ', create('span', {className: 'value', textContent: value}));
      if (entry.text === null) button.setAttribute('aria-disabled', 'true');
    }
    list.append(wrap(button));
  }
  const opener = item({textContent: name}, {'aria-haspopup': 'menu', 'aria-expanded': 'false'});
  if (entries.length === 0) opener.setAttribute('aria-disabled', 'true');
  return wrap(opener, list);
}

/**
 * The menu of "Copy as" and "Paste as" that the context-menu key (Shift+F10) and a long press
 * open on an edit field in `host`, built from what the program offers for the field's text; a
 * right click keeps the browser's own menu. It works with the arrow keys, Home, End, Enter,
 * Escape and Tab, and by mouse and touch. Copy as writes the clipboard; Paste as reads it and
 * types the result into the field at once, as a paste does, or shows why it cannot.
 */
function buildFieldMenu(host) {
  const menu = document.getElementById('field-menu');
  const alert = document.getElementById('menu-alert');
  let field = null;
  // Whether the next contextmenu event comes of the context-menu key or a long press.
  let asked = false;

  const items = (list) => [...list.children].map((entry) => entry.firstElementChild);
  const submenuOf = (item) => item.nextElementSibling;
  const enabled = (item) => item.getAttribute('aria-disabled') !== 'true';
  const showSubmenu = (opener, shown) => {
    submenuOf(opener).hidden = !shown;
    opener.setAttribute('aria-expanded', String(shown));
  };
  const close = () => {
    menu.hidden = true;
    field.focus();
  };
  const openSubmenu = (opener) => {
    if (!enabled(opener)) return;
    items(menu).forEach((other) => showSubmenu(other, other === opener));
    // Beside its entry where it fits, else moved left, over the menu, as far as it must.
    const list = submenuOf(opener);
    list.style.left = '';
    const over = list.getBoundingClientRect().right - document.documentElement.clientWidth;
    if (over > 0) list.style.left = `calc(100% - ${Math.ceil(over)}px)`;
    items(list)[0].focus();
  };

  const copy = async ({text}) => {
    if (text === null) return;
    try {
      await navigator.clipboard.writeText(text);
    } finally {
      close();
    }
  };
  const paste = async ({notation}) => {
    let clipboard = '';
    try {
      clipboard = await navigator.clipboard.readText();
    } catch {
      // A clipboard the page may not read reads as one holding nothing in the notation.
    }
    const result = parsed(withUTF8(
        clipboard,
        (text) => withUTF8(notation, (name) => _mensorator_paste_as(idOf(field), name, text))));
    close();
    if ('message' in result) {
      alert.textContent = result.message;
      alert.hidden = false;
      return;
    }
    field.select();
    document.execCommand('insertText', false, result.fieldText);
  };

  const open = (target) => {
    field = target;
    const menus = parsed(
        withUTF8(field.value, (text) => _mensorator_field_menus(idOf(field), text)));
    menu.replaceChildren(buildSubmenu(menus.copyAs, copy), buildSubmenu(menus.pasteAs, paste));
    for (const opener of items(menu)) opener.onclick = () => openSubmenu(opener);
    const place = field.getBoundingClientRect();
    Object.assign(
        menu.style, {left: `${place.left + scrollX}px`, top: `${place.bottom + scrollY}px`});
    alert.hidden = true;
    menu.hidden = false;
    items(menu)[0].focus();
  };

  // The browser sends the event for a right click and for a selection made by touch too.
  host.addEventListener('keydown', (event) => {
    asked = event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey);
  });
  host.addEventListener('pointerdown', (event) => (asked = event.pointerType === 'touch'));
  host.addEventListener('contextmenu', (event) => {
    if (!asked || !fieldIds.has(event.target)) return;
    asked = false;
    event.preventDefault();
    open(event.target);
  });
  host.addEventListener('input', () => (alert.hidden = true));
  menu.addEventListener('focusout', (event) => {
    if (!menu.hidden && !menu.contains(event.relatedTarget)) menu.hidden = true;
  });
  menu.addEventListener('keydown', (event) => {
    // The menu's keys are its own, not the window's.
    event.stopPropagation();
    const item = event.target;
    const list = item.closest('ul');
    const inSubmenu = list !== menu;
    const siblings = items(list);
    const moves = {ArrowDown: 1, ArrowUp: -1, Home: -siblings.length, End: siblings.length};
    if (event.key in moves) {
      const index = siblings.indexOf(item) + moves[event.key];
      const wrapped = Math.abs(moves[event.key]) === 1 ?
          (index + siblings.length) % siblings.length :
          Math.min(Math.max(index, 0), siblings.length - 1);
      siblings[wrapped].focus();
    } else if (event.key === 'ArrowRight' && !inSubmenu) {
      openSubmenu(item);
    } else if ((event.key === 'ArrowLeft' || event.key === 'Escape') && inSubmenu) {
      list.previousElementSibling.focus();
      showSubmenu(list.previousElementSibling, false);
    } else if (event.key === 'Escape' || event.key === 'Tab') {
      close();
    } else {
      return;
    }
    event.preventDefault();
  });
}

/**
 * Builds the tab control: a tab per page and a panel per page over the control's display
 * area. Returns the function that carries out the window's reactions.
 */
function buildTabs(control, description, host, openAboutBox) {
  const container = create('div', {className: 'control'});
  place(container, control);
  const strip = create('div', {}, {role: 'tablist'});
  container.append(strip);
  host.append(container);

  const tabs = [];
  const panels = [];
  // Where a page was after Escape hid it: how to show it again.
  const hint = create(
      'p', {id: 'hidden-hint', className: 'hint', textContent: description.hiddenPageHint},
      {role: 'status'});
  const carryOut = (reaction) => {
    if (reaction.pagesChanged) {
      tabs.forEach((tab, i) => {
        tab.setAttribute('aria-selected', String(i === reaction.selected));
        tab.tabIndex = i === reaction.selected ? 0 : -1;
        panels[i].hidden = !reaction.visible[i];
      });
      hint.hidden = reaction.visible.includes(true);
    }
    if (reaction.focus === 'firstField') {
      const field = panels[reaction.selected].querySelector('input');
      field.focus();
      field.select();
    } else if (reaction.focus === 'tabStrip') {
      tabs[reaction.selected].focus();
    }
    if (reaction.openAboutBox) openAboutBox();
    // A page cannot end its browser tab: the reaction's `end` leaves it as it is.
  };
  const select = (index) => carryOut(parsed(_mensorator_tab_selected(index)));

  description.pages.forEach((page, index) => {
    const tab = create(
        'button', {type: 'button', id: `tab-${index}`, textContent: description.tabs[index]},
        {'role': 'tab', 'aria-controls': `page-${index}`});
    tab.addEventListener('click', () => select(index));
    strip.append(tab);
    tabs.push(tab);

    const panel =
        create('div', {id: `page-${index}`}, {'role': 'tabpanel', 'aria-labelledby': tab.id});
    container.append(panel);
    panels.push(panel);
    const elements = buildControls(page, panel, `page-${index}`);
    keepTabOrder(panel, elements.filter((element) => element instanceof HTMLInputElement));
  });
  container.append(hint);

  // The tab strip's own keys, as a tab control has them.
  strip.addEventListener('keydown', (event) => {
    const moves = {ArrowLeft: -1, ArrowRight: 1, Home: -tabs.length, End: tabs.length};
    if (!(event.key in moves)) return;
    event.preventDefault();
    const selected = tabs.findIndex((tab) => tab.tabIndex === 0);
    const index = Math.min(Math.max(selected + moves[event.key], 0), tabs.length - 1);
    select(index);
    tabs[index].focus();
  });

  // The pages lie on the display area below the strip.
  const stripHeight = strip.offsetHeight;
  for (const area of [...panels, hint]) {
    Object.assign(area.style, {left: '0', right: '0', bottom: '0', top: `${stripHeight - 1}px`});
  }
  select(0);
  return carryOut;
}

/**
 * Builds the About box, opened by the window's About button; OK and Escape close it, and the
 * focus goes back where it was. Returns the function that opens it.
 */
function buildAboutBox(description) {
  const box = document.getElementById('about');
  document.getElementById('about-caption').textContent = description.about.caption;
  const client = document.getElementById('about-client');
  size(client, description.about);
  const elements = buildControls(description.about, client, 'about');
  for (const button of elements.filter((element) => element instanceof HTMLButtonElement)) {
    button.autofocus = true;
    button.addEventListener('click', () => box.close());
  }
  let returnFocus = null;
  box.addEventListener('close', () => {
    if (returnFocus && returnFocus.isConnected) returnFocus.focus();
  });
  const open = () => {
    if (box.open) return;
    returnFocus = document.activeElement;
    box.showModal();
  };
  const entry = parseAccessKey(description.aboutEntry);
  const button = document.getElementById('about-button');
  button.title = entry.shown;
  button.setAttribute('aria-label', entry.shown);
  button.accessKey = entry.key.toLowerCase();
  button.addEventListener('click', open);
  return open;
}

/**
 * Lays the windows out as a column of rows (the class "reflow") on a touch screen and where
 * the viewport is narrower than `width`, the widest window's natural width in pixels.
 */
function reflowWhenNarrow(width) {
  const narrow = matchMedia(`(pointer: coarse), (max-width: ${width - 0.5}px)`);
  const apply = () => document.documentElement.classList.toggle('reflow', narrow.matches);
  narrow.addEventListener('change', apply);
  apply();
}

function buildWindow(description) {
  document.documentElement.lang = description.language;
  document.title = description.main.caption;
  document.getElementById('caption').textContent = description.main.caption;

  const frame = document.getElementById('window');
  const client = document.getElementById('client');
  size(client, description.main);
  frame.hidden = false;
  const openAboutBox = buildAboutBox(description);
  const tabControl = description.main.controls.find((control) => control.kind === 'tab');
  const carryOut = buildTabs(tabControl, description, client, openAboutBox);
  forwardFieldEvents(client);
  buildFieldMenu(client);
  reflowWhenNarrow(Math.max(frame.offsetWidth, description.about.width + 2));
  // The window's keys go to its behaviour; the open About box handles its own.
  document.addEventListener('keydown', (event) => {
    if (document.getElementById('about').open) return;
    const inPage = event.target instanceof Element && !!event.target.closest('[role="tabpanel"]');
    const reaction = withUTF8(
        event.key,
        (key) => parsed(_mensorator_key(key, event.ctrlKey, event.shiftKey, event.altKey, inPage)));
    if (reaction) {
      event.preventDefault();
      carryOut(reaction);
    }
  });
}

Module.onRuntimeInitialized = () => {
  const languages = navigator.languages.join('\n');
  buildWindow(parsed(withUTF8(languages, (tags) => _mensorator_window(tags))));
  _mensorator_start();
  // From here the fields accept input: the browser tests and the benchmark wait for this.
  performance.mark('mensorator-ready');
};
