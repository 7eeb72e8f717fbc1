// The settings beside the board, built from the controls the core describes
// (choices, switches and sets of flags), the labels in the player's language
// and the piece counts; kept in the browser between visits, and checked by
// the core when read back. The page's language is kept apart (texts.js),
// since it is chosen before the page shows.
import { $, state } from './state.js';
import { chosenLanguage, language } from './texts.js';

const SettingsKey = 'vornia-generator.settings';

export function takeTables(tables) {
  state.tables = tables;
  state.defaults = tables.defaults;
}

// The settings kept from the last visit as they were stored, for the core
// to check (the tables' request): null when there are none or they are unreadable.
export function storedSettings() {
  try {
    return JSON.parse(localStorage.getItem(SettingsKey) || 'null');
  } catch {
    return null; // unreadable settings: the defaults
  }
}

export function storeSettings() {
  try {
    localStorage.setItem(SettingsKey, JSON.stringify(settingsOfControls()));
  } catch {
    // storage full or refused: the settings last for this visit only
  }
}

// The page's element of a control, or of one of its flags.
const elementOf = (control, value) => {
  const prefix = control.kind === 'choice' ? 'cbo' : 'chk';
  return $(prefix + control.id + (control.kind === 'flags' ? '_' + value : ''));
};

// The controls the core describes, in its order: each on a line of its own
// before the labels in the player's language, the sets of flags before the
// Pieces button; then the language choice.
export function buildSettingsControls() {
  for (const control of state.tables.controls) {
    const place = control.kind === 'flags' ? $('rowPieces') : $('rowLocalLabels');
    let element;
    if (control.kind === 'flags') {
      element = document.createElement('fieldset');
      element.id = 'grp' + control.id;
      element.append(Object.assign(document.createElement('legend'), { textContent: control.caption }));
      for (const choice of control.choices) element.append(checkRow(control, choice.caption, String(choice.value)));
    } else if (control.kind === 'switch') {
      element = checkRow(control, control.caption);
    } else {
      element = document.createElement('div');
      element.className = 'row';
      const select = Object.assign(document.createElement('select'), { id: 'cbo' + control.id, name: control.key });
      select.dataset.key = control.key;
      select.append(...control.choices.map((choice) =>
        Object.assign(document.createElement('option'), { value: String(choice.value), textContent: choice.caption })));
      element.append(Object.assign(document.createElement('label'), { htmlFor: select.id, textContent: control.caption }), select);
    }
    element.id = element.id || 'row' + control.id;
    place.before(element);
  }
  // The language choice: the browser's, or one the page speaks, named in itself.
  const choice = $('cboLanguage');
  choice.append(...state.tables.languages.map(({ code, name }) =>
    Object.assign(document.createElement('option'), { value: code, textContent: name, lang: code })));
  choice.value = chosenLanguage();
  if (choice.selectedIndex < 0) choice.value = '';
  // In English the labels are in the player's language anyway.
  $('rowLocalLabels').hidden = language === 'en';
}

// Whether the board's labels are drawn in the page's language.
export const localLabels = () => $('chkLocalLabels').checked;

function checkRow(control, caption, value) {
  const row = document.createElement('div');
  row.className = 'row check';
  const box = Object.assign(document.createElement('input'), { type: 'checkbox' });
  box.id = 'chk' + control.id + (value === undefined ? '' : '_' + value);
  box.dataset.key = control.key;
  if (value !== undefined) box.value = value;
  row.append(box, Object.assign(document.createElement('label'), { htmlFor: box.id, textContent: caption }));
  return row;
}

function valueOf(control) {
  if (control.kind === 'switch') return elementOf(control).checked;
  if (control.kind === 'flags')
    return control.choices.map((choice) => choice.value).filter((value) => elementOf(control, value).checked);
  const shown = elementOf(control).value;
  const choice = control.choices.find((c) => String(c.value) === shown);
  return choice ? choice.value : shown;
}

export function settingsOfControls() {
  const settings = {};
  for (const control of state.tables.controls) settings[control.key] = valueOf(control);
  settings.localLabels = localLabels();
  settings.counts = { ...state.counts };
  return settings;
}

export function showSettings(settings) {
  for (const control of state.tables.controls) {
    const value = settings[control.key];
    if (control.kind === 'switch') elementOf(control).checked = value === true;
    else if (control.kind === 'flags')
      for (const choice of control.choices) elementOf(control, choice.value).checked = (value || []).includes(choice.value);
    else elementOf(control).value = String(value);
  }
  $('chkLocalLabels').checked = settings.localLabels === true;
  state.counts = { ...settings.counts };
  showControlsInUse();
}

// A control that matters only while another holds certain values (the land
// mass, only to "random") is hidden otherwise.
export function showControlsInUse() {
  const settings = settingsOfControls();
  for (const control of state.tables.controls) {
    if (!control.onlyFor) continue;
    const used = Object.entries(control.onlyFor).every(([key, values]) => values.includes(settings[key]));
    $('row' + control.id).hidden = !used;
  }
}

// How the settings draw a board (black and white): the words of the drawing
// controls, as links carry them.
export function drawingOf(settings) {
  return Object.fromEntries(state.tables.controls.filter((c) => c.drawing).map((c) => [c.key, settings[c.key] === true]));
}

// True when the element is one of a control that changes only how the board
// is drawn (the labels in the player's language too).
export function drawsOnly(element) {
  if (element.id === 'chkLocalLabels') return true;
  const control = state.tables.controls.find((c) => c.key === element.dataset.key);
  return Boolean(control && control.drawing);
}
