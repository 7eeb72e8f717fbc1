// The settings beside the board (shape, land mass, zoom, black and white,
// labels in the player's language, the fair rules) and the piece counts,
// kept in the browser between visits; the page's language, kept apart
// (texts.js), since it is chosen before the page shows.
import { $, state } from './state.js';
import { chosenLanguage, language, languageChoices, tr } from './texts.js';

const SettingsKey = 'vornia-generator.settings';

// The core's tables, and the tool's defaults as settings.
export function takeTables(tables) {
  state.tables = tables;
  const defaults = { shape: 'traditional', mass: 'any', zoom: 100, bw: false, fair: [], counts: {},
    rules: tables.rules.map((r) => r.word) };
  for (const count of tables.counts) defaults.counts[count.key] = count.default;
  defaults.sets = tables.pieceSets.map((set) => ({ word: set.word, caption: set.caption,
    counts: Object.fromEntries(tables.counts.map((count, i) => [count.key, set.counts[i]])) }));
  state.defaults = defaults;
}

// The defaults as settings, without the tables they carry.
function defaultSettings() {
  const settings = structuredClone(state.defaults);
  delete settings.rules;
  delete settings.sets;
  return settings;
}

// The settings kept from the last visit, each checked; the defaults for
// whatever is missing or unreadable.
export function storedSettings() {
  const { tables, defaults } = state;
  try {
    const stored = JSON.parse(localStorage.getItem(SettingsKey) || 'null');
    if (stored && typeof stored === 'object') {
      const settings = defaultSettings();
      if (tables.shapes.includes(stored.shape)) settings.shape = stored.shape;
      if (tables.masses.includes(stored.mass)) settings.mass = stored.mass;
      if ([100, 75, 50].includes(stored.zoom)) settings.zoom = stored.zoom;
      settings.bw = stored.bw === true;
      settings.localLabels = stored.localLabels === true;
      if (Array.isArray(stored.fair)) settings.fair = defaults.rules.filter((r) => stored.fair.includes(r));
      for (const key of Object.keys(settings.counts)) {
        const n = stored.counts && stored.counts[key];
        if (Number.isInteger(n) && n >= 0 && n <= tables.maxCount) settings.counts[key] = n;
      }
      return settings;
    }
  } catch {
    // unreadable settings: the defaults
  }
  return defaultSettings();
}

export function storeSettings() {
  try {
    localStorage.setItem(SettingsKey, JSON.stringify(settingsOfControls()));
  } catch {
    // storage full or refused: the settings last for this visit only
  }
}

// The shapes, land masses and rules the core offers.
export function buildSettingsControls() {
  const option = (value) => Object.assign(document.createElement('option'), { value, textContent: tr(value, 'Names') });
  $('cboShape').append(...state.tables.shapes.map(option));
  $('cboMass').append(...state.tables.masses.map(option));
  for (const rule of state.tables.rules) {
    const row = document.createElement('div');
    row.className = 'row check';
    row.innerHTML = `<input type="checkbox" id="chkFair_${rule.word}" value="${rule.word}"><label for="chkFair_${rule.word}"></label>`;
    row.querySelector('label').textContent = rule.caption;
    $('grpFair').append(row);
  }
  // The language choice: the browser's, or one the page speaks, named in itself.
  const choice = $('cboLanguage');
  choice.append(...languageChoices().map(({ code, name }) =>
    Object.assign(document.createElement('option'), { value: code, textContent: name, lang: code })));
  choice.value = chosenLanguage();
  if (choice.selectedIndex < 0) choice.value = '';
  // In English the labels are in the player's language anyway.
  $('rowLocalLabels').hidden = language === 'en';
}

// Whether the board's labels are drawn in the page's language.
export const localLabels = () => $('chkLocalLabels').checked;

export function settingsOfControls() {
  return {
    shape: $('cboShape').value,
    mass: $('cboMass').value,
    zoom: Number($('cboZoom').value),
    bw: $('chkBlackAndWhite').checked,
    localLabels: localLabels(),
    fair: state.tables.rules.map((r) => r.word).filter((w) => $('chkFair_' + w).checked),
    counts: { ...state.counts },
  };
}

export function showSettings(settings) {
  $('cboShape').value = settings.shape;
  $('cboMass').value = settings.mass;
  $('cboZoom').value = String(settings.zoom);
  $('chkBlackAndWhite').checked = settings.bw;
  $('chkLocalLabels').checked = settings.localLabels === true;
  for (const rule of state.tables.rules) $('chkFair_' + rule.word).checked = settings.fair.includes(rule.word);
  state.counts = { ...settings.counts };
  showMassRow();
}

// The land mass matters only to "random".
export function showMassRow() {
  $('rowMass').hidden = $('cboShape').value !== 'random';
}
