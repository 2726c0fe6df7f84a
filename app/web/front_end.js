// SPDX-FileCopyrightText: 2026 The Mensorator developers
// SPDX-License-Identifier: MIT

// The page's front end, run before the program's runtime starts (emcc --pre-js). It lays the
// window out from the dialog templates the program describes in the browser's preferred
// language, in dialog units measured from the page's font, with the room the program makes for
// the labels' measured texts; tells the pages when an edit field gains the focus and when the
// user changes its text; and shows every text a page writes at once, nested as the writes
// happen. It decides nothing about the fields' texts: the cascade lives in the pages.

/** Edit field elements by control identifier. */
const fieldElements = new Map();

/**
 * Pixels per 4 horizontal and per 8 vertical dialog units of `font`, as the desktop measures
 * them: the average width of the 52 Latin letters, and the font's height.
 */
function measureDialogUnits(font) {
  const context = document.createElement('canvas').getContext('2d');
  context.font = font;
  const metrics = context.measureText('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz');
  const twiceAverage = Math.trunc(Math.round(metrics.width) / 26);
  const height = Math.round(metrics.fontBoundingBoxAscent + metrics.fontBoundingBoxDescent);
  // Rounds halves up, as the dialog manager scales units (every value here is positive).
  const scale = (units, base, per) => Math.floor((units * base + per / 2) / per);
  const baseX = (twiceAverage + 1) >> 1;
  return {
    baseX,
    x: (units) => scale(units, baseX, 4),
    y: (units) => scale(units, height, 8),
  };
}

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

/** `text` in the language the page shows. */
function translate(text) {
  return withUTF8(text, (source) => UTF8ToString(_mensorator_translate(source)));
}

/**
 * Places the controls of `dialogs` (numbered as the program numbers them) so that every
 * label shows its whole text in `font`: the program makes room from the labels' widths.
 */
function makeRoomForLabels(dialogs, font, units) {
  const context = document.createElement('canvas').getContext('2d');
  context.font = font;
  const textWidth = (text) =>
      Math.max(...text.split('\n').map((line) => Math.ceil(context.measureText(line).width)));
  const widened = dialogs.map((dialog, index) => {
    const templateWidth = dialog.cx;
    const widths = dialog.controls.map((c) => (c.kind === 'label' ? textWidth(c.text) : 0));
    const pointer = _malloc(4 * widths.length);
    HEAP32.set(widths, pointer >> 2);
    const layout =
        JSON.parse(UTF8ToString(_mensorator_layout(index, pointer, widths.length, units.baseX)));
    _free(pointer);
    Object.assign(dialog, {cx: layout.cx, cy: layout.cy});
    dialog.controls.forEach((control, i) => Object.assign(control, layout.controls[i]));
    return dialog.cx - templateWidth;
  });
  // The window grows with its widest page: the controls reaching furthest right stretch.
  const main = dialogs[0];
  const extra = Math.max(0, ...widened.slice(2));
  const right = Math.max(...main.controls.map((control) => control.x + control.cx));
  for (const control of main.controls) {
    if (control.x + control.cx === right) control.cx += extra;
  }
  main.cx += extra;
}

function placeElement(element, control, units) {
  Object.assign(element.style, {
    left: `${units.x(control.x)}px`,
    top: `${units.y(control.y)}px`,
    width: `${units.x(control.cx)}px`,
    height: `${units.y(control.cy)}px`,
  });
}

function sizeElement(element, dialog, units) {
  element.style.width = `${units.x(dialog.cx)}px`;
  element.style.height = `${units.y(dialog.cy)}px`;
}

/** A text with "&" access-key markers as shown, and the marked key. */
function parseAccessKey(text) {
  let shown = '';
  let key = '';
  for (let i = 0; i < text.length; ++i) {
    if (text[i] === '&' && i + 1 < text.length) {
      ++i;
      if (text[i] !== '&' && !key) key = text[i];
    }
    shown += text[i];
  }
  return {shown, key};
}

function createIcon() {
  const icon = document.getElementById('icon').content.firstElementChild.cloneNode(true);
  // Drawn at the standard icon size from the control's corner, whatever size it is given.
  icon.setAttribute('width', '32');
  icon.setAttribute('height', '32');
  icon.setAttribute('aria-hidden', 'true');
  return icon;
}

/**
 * Creates the elements of `dialog`'s controls in `host`, in template order (the tab
 * order), except the tab strip, which the window builds. `prefix` keeps label ids unique.
 */
function buildControls(dialog, host, units, prefix) {
  const labelFor = new Map();
  for (const control of dialog.controls) {
    if (control.kind === 'edit' && control.labels.length > 0) {
      labelFor.set(control.labels[control.labels.length - 1], control.name);
    }
  }
  const elements = dialog.controls.map((control, index) => {
    let element;
    switch (control.kind) {
      case 'edit':
        element = document.createElement('input');
        Object.assign(element, {type: 'text', id: control.name, autocomplete: 'off'});
        element.spellcheck = false;
        element.setAttribute('autocapitalize', 'off');
        fieldElements.set(control.id, element);
        break;
      case 'label':
        element = document.createElement(labelFor.has(index) ? 'label' : 'span');
        element.className = 'label';
        element.id = `${prefix}-${index}`;
        element.textContent = control.text;
        if (labelFor.has(index)) element.htmlFor = labelFor.get(index);
        break;
      case 'group':
        element = document.createElement('div');
        element.className = 'group';
        element.append(document.createElement('span'));
        element.firstChild.textContent = control.text;
        break;
      case 'icon':
        element = document.createElement('div');
        element.append(createIcon());
        break;
      case 'button':
        element = document.createElement('button');
        Object.assign(element, {type: 'button', textContent: control.text});
        break;
      default:
        return null;
    }
    element.classList.add('control');
    placeElement(element, control, units);
    host.append(element);
    return element;
  });
  // Where the nearest label's text names more than one field, the row's first label
  // goes before it in the field's accessible name.
  dialog.controls.forEach((control, index) => {
    if (control.kind === 'edit' && control.labels.length > 1) {
      const ids = control.labels.map((label) => `${prefix}-${label}`);
      elements[index].setAttribute('aria-labelledby', ids.join(' '));
    }
  });
  return elements;
}

/** Sends the user's text of `field` to its page. */
function sendEdit(controlId, field) {
  withUTF8(field.value, (text) => _mensorator_edit(controlId, text));
}

/**
 * Makes `panel` the host of a page: focus and edits go to the page; Escape hides it and
 * sends the focus to the tab strip; Enter does nothing.
 */
function bindPage(panel, page, onEscape) {
  const controlIds = new Map();
  for (const control of page.controls) {
    if (control.kind === 'edit') controlIds.set(fieldElements.get(control.id), control.id);
  }
  panel.addEventListener('focusin', (event) => {
    if (controlIds.has(event.target)) _mensorator_focus(controlIds.get(event.target));
  });
  // Text being composed by an input method goes to the page once, when it is committed.
  panel.addEventListener('input', (event) => {
    if (controlIds.has(event.target) && !event.isComposing) {
      sendEdit(controlIds.get(event.target), event.target);
    }
  });
  panel.addEventListener('compositionend', (event) => {
    if (controlIds.has(event.target)) sendEdit(controlIds.get(event.target), event.target);
  });
  panel.addEventListener('keydown', (event) => {
    if (event.key === 'Enter') {
      event.preventDefault();
    } else if (event.key === 'Escape') {
      event.preventDefault();
      onEscape();
    }
  });
}

/**
 * Builds the tab control: a tab per page with its decoded text and a panel per page over
 * the control's display area.
 */
function buildTabs(control, description, units, host) {
  const container = document.createElement('div');
  container.className = 'control';
  placeElement(container, control, units);
  const strip = document.createElement('div');
  strip.setAttribute('role', 'tablist');
  container.append(strip);
  host.append(container);

  const decoder = new TextDecoder('shift_jis');
  const tabs = [];
  const panels = [];
  const select = (index, focus) => {
    tabs.forEach((tab, i) => {
      tab.setAttribute('aria-selected', String(i === index));
      tab.tabIndex = i === index ? 0 : -1;
      // Selecting a page shows it again after Escape hid it, even if it was selected.
      panels[i].hidden = i !== index;
    });
    if (focus) tabs[index].focus();
  };
  const selected = () => tabs.findIndex((tab) => tab.getAttribute('aria-selected') === 'true');

  description.pages.forEach((page, index) => {
    const tab = document.createElement('button');
    Object.assign(tab, {type: 'button', id: `tab-${index}`});
    tab.setAttribute('role', 'tab');
    tab.setAttribute('aria-controls', `page-${index}`);
    tab.textContent = translate(decoder.decode(Uint8Array.from(description.tabs[index] || [])));
    tab.addEventListener('click', () => select(index, false));
    strip.append(tab);
    tabs.push(tab);

    const panel = document.createElement('div');
    Object.assign(panel, {id: `page-${index}`});
    panel.setAttribute('role', 'tabpanel');
    panel.setAttribute('aria-labelledby', tab.id);
    container.append(panel);
    panels.push(panel);
    buildControls(page, panel, units, `page-${index}`);
    bindPage(panel, page, () => {
      panel.hidden = true;
      tabs[selected()].focus();
    });
  });

  strip.addEventListener('keydown', (event) => {
    const moves = {ArrowLeft: -1, ArrowRight: 1, Home: -tabs.length, End: tabs.length};
    if (!(event.key in moves)) return;
    event.preventDefault();
    const index = Math.min(Math.max(selected() + moves[event.key], 0), tabs.length - 1);
    select(index, true);
  });

  // The pages lie on the display area below the strip.
  const stripHeight = strip.offsetHeight;
  for (const panel of panels) {
    Object.assign(panel.style, {left: '0', right: '0', bottom: '0', top: `${stripHeight - 1}px`});
  }
  select(0, false);
}

/**
 * Builds the About box, opened by F1 and by the window's About button; OK and Escape close
 * it, and the focus goes back where it was.
 */
function buildAboutBox(description, units) {
  const box = document.getElementById('about');
  document.getElementById('about-caption').textContent = description.about.caption;
  const client = document.getElementById('about-client');
  sizeElement(client, description.about, units);
  const elements = buildControls(description.about, client, units, 'about');
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
  document.addEventListener('keydown', (event) => {
    if (event.key === 'F1') {
      event.preventDefault();
      open();
    }
  });
}

function buildWindow(description) {
  const root = document.documentElement;
  const faces = getComputedStyle(root).getPropertyValue('--fallback-faces');
  const font = `${description.pointSize}pt "${description.font}", ${faces}`;
  root.style.font = font;
  const units = measureDialogUnits(font);
  root.lang = description.language;
  makeRoomForLabels([description.main, description.about, ...description.pages], font, units);

  document.title = description.main.caption;
  document.getElementById('caption').textContent = description.main.caption;

  const frame = document.getElementById('window');
  const client = document.getElementById('client');
  sizeElement(client, description.main, units);
  frame.hidden = false;
  for (const control of description.main.controls) {
    if (control.kind === 'tab') buildTabs(control, description, units, client);
  }
  buildAboutBox(description, units);
}

/** Shows a text a page wrote into edit field `controlId`. */
Module.showFieldText = (controlId, text) => {
  const field = fieldElements.get(controlId);
  if (!field || field.value === text) return;
  // Setting the value puts the caret at the end, where the user typing in the field goes
  // on; any other field shows its text from the start, as a long number would otherwise
  // lose its leading digits wherever a browser scrolls to the caret.
  field.value = text;
  if (field !== document.activeElement) field.setSelectionRange(0, 0);
};

Module.onRuntimeInitialized = () => {
  const languages = navigator.languages.join('\n');
  buildWindow(JSON.parse(withUTF8(languages, (tags) => UTF8ToString(_mensorator_window(tags)))));
  _mensorator_start();
  // From here the fields accept input: the browser tests and the benchmark wait for this.
  performance.mark('mensorator-ready');
};
