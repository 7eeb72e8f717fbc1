// The page: its controls, the boards of the visit in the browser's history,
// links, files and the status line. The core runs in worker.js.
import { linkOf, requestWords, seedOfNow, settingsOfWords } from './link.js';
import { bindRecentDialog, bytesOf, rememberFile, rememberLink } from './recent.js';
import { shareCaption, shareLink } from './share.js';
import { chooseLanguage, chosenLanguage, language, languageChoices, textsReady, tr, trCaption, trFormat } from './texts.js';
import { BoardView } from './view.js';

const $ = (id) => document.getElementById(id);
const SettingsKey = 'vornia-generator.settings';
const CountCaptions = ['&Brick:', 'Grain:', 'Lumber:', 'Ore:', 'Wool:', 'Desert:', '&Plain:', '2:1 Brick:', '2:1 Grain:',
  '2:1 Lumber:', '2:1 Ore:', '2:1 Wool:', '3:1 ?:', '&Two:', 'Three:', 'Four:', 'Five:', 'Six:', 'Seven:', 'Eight:', 'Nine:',
  'Ten:', 'Eleven:', 'Twelve:'];
const LandCounts = 6, WaterCounts = 7; // then the dice
const NoBoardText = 'There is no board to export.';
// How many new boards this tab's visit has named: numbering goes on after a reload.
const BoardsNamedKey = 'vornia-generator.boardsNamed';

// ---- the worker --------------------------------------------------------

const worker = window.coreWorker || new Worker('worker.js');
const waiting = new Map();
let nextId = 1;
worker.onmessage = (event) => {
  const answer = event.data;
  const entry = waiting.get(answer.id);
  if (!entry) return;
  if (answer.svg !== undefined) {
    waiting.delete(answer.id);
    entry.svg(answer.svg);
  } else {
    if (!answer.svgFollows) waiting.delete(answer.id);
    entry.resolve(answer);
  }
};
worker.onerror = (event) => {
  event.preventDefault();
  showMessage(trFormat('The board maker stopped: %1. Reload the page to go on.', [event.message || tr('unknown error')]));
};

// Sends a request; svg (when given) receives the board's SVG text later.
function ask(request, svg) {
  const id = nextId++;
  return new Promise((resolve) => {
    waiting.set(id, { resolve, svg: svg || (() => {}) });
    worker.postMessage({ ...request, id, svg: Boolean(svg), dpr: window.devicePixelRatio || 1,
      localLabels: $('chkLocalLabels').checked });
  });
}

// ---- state -------------------------------------------------------------

let tables = null;
let defaults = null; // the tool's defaults, as settings
let current = null; // the board shown: { entry, drawing, svg }
let busy = false;
let view = null;

function storedSettings() {
  try {
    const stored = JSON.parse(localStorage.getItem(SettingsKey) || 'null');
    if (stored && typeof stored === 'object') {
      const settings = structuredClone(defaults);
      delete settings.rules;
      delete settings.sets;
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
  const settings = structuredClone(defaults);
  delete settings.rules;
  delete settings.sets;
  return settings;
}

function storeSettings() {
  try {
    localStorage.setItem(SettingsKey, JSON.stringify(settingsOfControls()));
  } catch {
    // storage full or refused: the settings last for this visit only
  }
}

// ---- controls ----------------------------------------------------------

function buildControls() {
  const option = (value) => Object.assign(document.createElement('option'), { value, textContent: tr(value, 'Names') });
  $('cboShape').append(...tables.shapes.map(option));
  $('cboMass').append(...tables.masses.map(option));
  for (const rule of tables.rules) {
    const row = document.createElement('div');
    row.className = 'row check';
    row.innerHTML = `<input type="checkbox" id="chkFair_${rule.word}" value="${rule.word}"><label for="chkFair_${rule.word}"></label>`;
    row.querySelector('label').textContent = rule.caption;
    $('grpFair').append(row);
  }
  tables.counts.forEach((count, i) => {
    const group = i < LandCounts ? 'grpLand' : i < LandCounts + WaterCounts ? 'grpWater' : 'grpPie';
    const row = document.createElement('div');
    row.className = 'count';
    row.innerHTML = `<label for="edt_${count.key}"></label><input type="number" inputmode="numeric" min="0" max="${tables.maxCount}" id="edt_${count.key}" data-key="${count.key}">`;
    row.querySelector('label').textContent = trCaption(CountCaptions[i]);
    const group$ = $(group);
    group$.insertBefore(row, group$.querySelector('.total'));
  });
  // The piece sets' buttons fill the counts (not the shape); shown at the
  // left, they come after OK and Cancel in the tab order.
  $('frmPiecesForm').querySelector('.buttons').append(...defaults.sets.map((set) => {
    const button = Object.assign(document.createElement('button'), { type: 'button', textContent: set.caption,
      className: 'preset' });
    button.id = 'btnPieces_' + set.word;
    button.addEventListener('click', () => {
      for (const edit of countEdits()) edit.value = String(set.counts[edit.dataset.key]);
      updateCounts();
    });
    return button;
  }));
}

function settingsOfControls() {
  return {
    shape: $('cboShape').value,
    mass: $('cboMass').value,
    zoom: Number($('cboZoom').value),
    bw: $('chkBlackAndWhite').checked,
    localLabels: $('chkLocalLabels').checked,
    fair: tables.rules.map((r) => r.word).filter((w) => $('chkFair_' + w).checked),
    counts: { ...shownCounts },
  };
}

let shownCounts = {};
function showSettings(settings) {
  $('cboShape').value = settings.shape;
  $('cboMass').value = settings.mass;
  $('cboZoom').value = String(settings.zoom);
  $('chkBlackAndWhite').checked = settings.bw;
  $('chkLocalLabels').checked = settings.localLabels === true;
  for (const rule of tables.rules) $('chkFair_' + rule.word).checked = settings.fair.includes(rule.word);
  shownCounts = { ...settings.counts };
  $('rowMass').hidden = settings.shape !== 'random';
}

// The counts dialog, with the desktop's rules: land and water counts only for
// "random" and "cross", running totals, a question when the dice are short.
function countEdits() {
  return [...document.querySelectorAll('#frmPieces input[data-key]')];
}
const countOf = (text) => (/^\s*\d+\s*$/.test(text) ? Number(text) : 0);

function updateCounts() {
  const edits = countEdits();
  const shape = $('cboShape').value;
  const island = tables.fixedIslands.find((i) => i.name === shape);
  const editable = shape === 'random' || shape === 'cross';
  edits.slice(0, LandCounts + WaterCounts).forEach((edit) => (edit.disabled = !editable));
  $('lblNote').hidden = editable;
  const land = edits.slice(0, LandCounts - 1).reduce((sum, e) => sum + countOf(e.value), 0);
  const dice = edits.slice(LandCounts + WaterCounts).reduce((sum, e) => sum + countOf(e.value), 0);
  $('lblTotalLand').value = String(land);
  $('lblTotalDie').value = String(dice);
  const needed = island ? island.dice : land;
  const warning = $('lblDiceWarning');
  warning.hidden = dice >= needed;
  warning.textContent = dice >= needed ? '' : `There are not enough dice tiles to cover all the land pieces that will be used (${needed}).`;
}

function openPieces() {
  for (const edit of countEdits()) edit.value = String(shownCounts[edit.dataset.key]);
  updateCounts();
  $('frmPieces').showModal();
}

function closePieces(event) {
  if (event.submitter && event.submitter.value !== 'ok') return;
  const bad = countEdits().find((e) => !/^\s*\d+\s*$/.test(e.value) || countOf(e.value) > tables.maxCount);
  if (bad) {
    event.preventDefault();
    bad.setCustomValidity(trFormat('A count is a whole number from 0 to %1.', [tables.maxCount]));
    bad.reportValidity();
    return;
  }
  if (!$('lblDiceWarning').hidden && !window.confirm($('lblDiceWarning').textContent + ' ' + tr('Continue?'))) {
    event.preventDefault();
    return;
  }
  for (const edit of countEdits()) shownCounts[edit.dataset.key] = countOf(edit.value);
  storeSettings();
  remakeCurrent();
}

// ---- the status line ---------------------------------------------------

// offerNewBoard: a "New board" button beside the line (nothing was made);
// notice: a line beside a board rather than a failure.
function showMessage(text, offerNewBoard = false, notice = false) {
  const line = $('lblMessage');
  line.textContent = text || '';
  line.hidden = !text;
  line.classList.toggle('notice', notice);
  $('btnMessageNewBoard').hidden = !text || !offerNewBoard;
}

function showTexts(entry) {
  const title = entry.title || entry.name;
  $('lblBoardName').textContent = title || '\u00a0';
  document.title = title ? trFormat('%1 - Vornia Generator', [title.replace(/^\[|\]$/g, '')]) : 'Vornia Generator';
  $('edtSeed').value = entry.kind === 'made' ? seedOf(entry.words) : '';
  $('edtSeed').setCustomValidity('');
  const items = $('lstPanels').children;
  for (let i = 0; i < 4; ++i) items[i].textContent = (entry.panels && entry.panels[i]) || '';
  $('lblBalance').textContent = entry.balance || '';
  showMessage(entry.failure || entry.notice || '', false, !entry.failure);
}

function setBusy(on, text) {
  busy = on;
  $('btnNewBoard').disabled = on;
  $('btnNewBoard').textContent = on ? text : tr('New board');
  document.body.setAttribute('aria-busy', String(on));
}

// ---- boards and history ------------------------------------------------

// The history entry of a board: the board itself and how it is drawn, so
// Back shows it again.
function entryOf(kind, board, words, bw) {
  return { kind, words, name: board.name, title: board.title || board.name, panels: board.panels,
    balance: board.balance, attempts: board.attempts, failure: board.failure, zoom: board.zoom, bw,
    localLabels: $('chkLocalLabels').checked, file: board.file, index: 0, language };
}

// shown: the holder of the board's SVG text, which arrives after the board.
function present(entry, drawing, shown = svgHolder()) {
  const image = $('imgPrint');
  if (image.src) URL.revokeObjectURL(image.src);
  image.removeAttribute('src');
  current = Object.assign(shown, { entry, drawing });
  showTexts(entry);
  view.show(drawing || null);
  updateHistoryButtons();
}

function svgHolder() {
  const holder = { svg: null, svgWaiters: [] };
  holder.arrived = (svg) => {
    holder.svg = svg;
    for (const wake of holder.svgWaiters.splice(0)) wake(svg);
  };
  return holder;
}

// The printed page shows the whole board as its SVG picture, loaded only
// for printing: decoding a large board's picture takes a while.
async function preparePrint() {
  const image = $('imgPrint');
  if (image.src) URL.revokeObjectURL(image.src);
  image.removeAttribute('src');
  if (!current || !current.drawing) return;
  image.src = URL.createObjectURL(new Blob([await boardSvg()], { type: 'image/svg+xml' }));
  await image.decode().catch(() => {});
}

function record(entry, how) {
  const index = how === 'push' && history.state ? history.state.index + 1 : (history.state ? history.state.index : 0);
  entry.index = index;
  const address = entry.words ? linkOf(entry.words, entry.bw, tables.generatorVersion) : location.pathname + location.search;
  if (how === 'push') history.pushState(entry, '', address);
  else history.replaceState(entry, '', address);
  // A new entry drops those after it; a replaced one keeps them.
  if (how === 'push' || sessionStorage.getItem('vornia-generator.last') === null)
    sessionStorage.setItem('vornia-generator.last', String(index));
}

// Makes the board of the tool's words, drawn in black and white or not; how:
// 'push' or 'replace' the history entry. name, when given, is kept: the same
// board made again at another zoom.
async function make(words, bw, how, name) {
  if (busy) return;
  setBusy(true, tr('Making…'));
  const shown = svgHolder();
  try {
    const boardsNamed = Number(sessionStorage.getItem(BoardsNamedKey)) || 0;
    const answer = await ask({ type: 'generate', words, bw, boardsNamed }, shown.arrived);
    if (answer.error || (answer.board && answer.board.error)) {
      showMessage(answer.error || answer.board.error);
      return false;
    }
    sessionStorage.setItem(BoardsNamedKey, String(answer.board.boardsNamed));
    const entry = entryOf('made', answer.board, words, bw);
    if (name && answer.board.made) entry.name = name;
    record(entry, how);
    present(entry, answer.drawing && !answer.drawing.error ? answer.drawing : null, shown);
    rememberLink(entry.title, linkOf(words, bw, tables.generatorVersion));
    return true;
  } finally {
    setBusy(false);
  }
}

// What the page shows always matches its controls: a change of shape, land
// mass, zoom, rules or counts makes the board shown again from its seed with
// the new settings, as a new history entry (Back returns to the board before
// the change). An opened board has no request: it is drawn at the new zoom,
// as the desktop redraws it, and the other settings wait for the next board.
let remakeWaiting = false;
async function remakeCurrent() {
  if (busy) {
    remakeWaiting = true; // once the board on its way is shown
    return;
  }
  remakeWaiting = false;
  const entry = current && current.entry;
  if (!entry) return;
  if (entry.kind === 'made') {
    const seed = entry.words[entry.words.indexOf('--seed') + 1];
    const words = requestWords(settingsOfControls(), defaults, seed);
    if (linkOf(words) !== linkOf(entry.words)) await make(words, $('chkBlackAndWhite').checked, 'push');
  } else if (entry.file && entry.zoom !== Number($('cboZoom').value)) {
    await showEntry({ ...entry, zoom: Number($('cboZoom').value) });
    record(current.entry, 'replace');
  }
  await settle();
}

// Applies the changes made while a board was on its way.
async function settle() {
  if (remakeWaiting) await remakeCurrent();
  else if (drawAgain) await drawCurrentAgain();
}

// Black and white is a way of drawing: the board shown is drawn again as the
// box says, the same board in the same history entry; its link says so too.
let drawAgain = false;
async function drawCurrentAgain() {
  const bw = $('chkBlackAndWhite').checked;
  if (busy) {
    drawAgain = true; // once the board on its way is shown
    return;
  }
  drawAgain = false;
  const localLabels = $('chkLocalLabels').checked;
  if (!current || !current.entry.file || (current.entry.bw === bw && current.entry.localLabels === localLabels)) return;
  await showEntry({ ...current.entry, bw, localLabels });
  record(current.entry, 'replace');
}

// The seed of a made board's words.
const seedOf = (words) => words[words.indexOf('--seed') + 1];

// The board of the controls' settings with the seed typed in, as a new entry.
async function makeOfSeed() {
  const edit = $('edtSeed');
  const text = edit.value.trim();
  if (!/^\d{1,9}$/.test(text) || Number(text) > tables.maxSeed) {
    edit.setCustomValidity(trFormat('A board number is a whole number from 0 to %1.', [tables.maxSeed]));
    edit.reportValidity();
    return;
  }
  if (current && current.entry.kind === 'made' && seedOf(current.entry.words) === String(Number(text))) return;
  await make(requestWords(settingsOfControls(), defaults, Number(text)), $('chkBlackAndWhite').checked, 'push');
  await settle();
}

// A board shown before the page's language changed, shown with its texts in
// the page's language: a made board made again from its words under its
// name, an opened one opened again from its file. False when that cannot be.
async function textsAgain(entry) {
  const shown = svgHolder();
  let answer;
  if (entry.kind === 'made') {
    // Numbering goes on from the visit's count at the next new board, not from this one.
    answer = await ask({ type: 'generate', words: entry.words, bw: entry.bw, keepName: entry.name, boardsNamed: 0 },
      shown.arrived);
  } else if (entry.openedWith) {
    const o = entry.openedWith;
    answer = await ask({ type: 'open', name: o.name, bytes: entry.file, shape: o.shape, mass: o.mass, fair: o.fair,
      bw: entry.bw }, shown.arrived);
  }
  const board = answer && answer.board;
  if (!board || !board.made || !answer.drawing || answer.drawing.error) return false;
  const again = { ...entryOf(entry.kind, board, entry.words, entry.bw), openedWith: entry.openedWith, index: entry.index };
  history.replaceState(again, '');
  present(again, answer.drawing, shown);
  return true;
}

async function newBoard() {
  await make(requestWords(settingsOfControls(), defaults, seedOfNow()), $('chkBlackAndWhite').checked, 'push');
  await settle();
}

// Opens the board of the address's link: its request shown in the controls.
async function openLink(how, fragment = location.hash) {
  const answer = await ask({ type: 'link', fragment });
  const link = answer.link;
  if (!link || link.error) {
    showMessage(link ? link.error : answer.error, true);
    return false;
  }
  const words = link.hasSeed ? link.words : [...link.words, '--seed', String(seedOfNow())];
  const made = await make(words, link.bw, how);
  if (made) showEntrySettings(current.entry);
  if (made && link.notice) {
    // The board was made by this version: its link says so from now on.
    current.entry.notice = link.notice;
    history.replaceState(current.entry, '');
    showTexts(current.entry);
  }
  drawAgain = remakeWaiting = false;
  return made;
}

async function showEntry(entry) {
  if (!entry.file) {
    present(entry, null);
    return;
  }
  const shown = svgHolder();
  if ((entry.language || 'en') !== language) {
    // Shown before the page's language changed: its texts made again in this one.
    if (await textsAgain(entry)) return;
  }
  const answer = await ask({ type: 'draw', file: entry.file, zoom: entry.zoom, bw: entry.bw }, shown.arrived);
  entry.localLabels = $('chkLocalLabels').checked;
  present(entry, answer.drawing && !answer.drawing.error ? answer.drawing : null, shown);
}

// The controls show the settings of the board shown: a made board's request,
// an opened board's zoom and black and white.
function showEntrySettings(entry) {
  const settings = entry.kind === 'made'
    ? settingsOfWords(entry.words, { ...defaults, counts: { ...defaults.counts } })
    : { ...settingsOfControls(), zoom: entry.zoom };
  showSettings({ ...settings, bw: entry.bw, localLabels: $('chkLocalLabels').checked });
  storeSettings();
}

function updateHistoryButtons() {
  const index = history.state ? history.state.index : 0;
  const last = Number(sessionStorage.getItem('vornia-generator.last') || index);
  $('btnBack').disabled = index <= 0;
  $('btnForward').disabled = index >= last;
}

// ---- files -------------------------------------------------------------

function download(blob, name) {
  const link = Object.assign(document.createElement('a'), { href: URL.createObjectURL(blob), download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

function fileStem() {
  const name = (current && current.entry.name) || 'board';
  return name.replace(/^\[|\]$/g, '').replace(/\.mirl$/i, '').replace(/[^\w .-]+/g, '_').trim() || 'board';
}

function hasBoard() {
  if (current && current.entry.file && current.drawing) return true;
  showMessage(tr(NoBoardText, 'Window'));
  return false;
}

async function openFiles(files) {
  for (const file of files) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const settings = settingsOfControls();
    const shown = svgHolder();
    const answer = await ask({ type: 'open', name: file.name, bytes, shape: settings.shape, mass: settings.mass,
      fair: settings.fair.join(','), bw: settings.bw }, shown.arrived);
    const board = answer.board;
    if (answer.error || !board || board.error || !board.made) {
      showMessage((board && (board.error || board.failure)) || answer.error || trFormat('Could not open %1', [file.name], 'Window'));
      continue;
    }
    if (!answer.drawing || answer.drawing.error) {
      showMessage(answer.drawing ? answer.drawing.error : trFormat('Could not open %1', [file.name], 'Window'));
      continue;
    }
    const entry = entryOf('opened', board, null, settings.bw);
    entry.openedWith = { name: file.name, shape: settings.shape, mass: settings.mass, fair: settings.fair.join(',') };
    record(entry, 'push');
    present(entry, answer.drawing, shown);
    rememberFile(entry.title, file.name, bytes);
  }
}

function exportPng() {
  if (!hasBoard()) return;
  const drawing = current.drawing;
  if (drawing.pngError) {
    showMessage(trFormat('Could not export the picture: %1', [drawing.pngError]));
    return;
  }
  const ratio = window.devicePixelRatio || 1;
  const canvas = document.createElement('canvas');
  canvas.width = Math.ceil(drawing.width * ratio);
  canvas.height = Math.ceil(drawing.height * ratio);
  const context = canvas.getContext('2d');
  context.scale(ratio, ratio);
  globalThis.VorniaPicture.replay(context, drawing, { transparent: true });
  canvas.toBlob((blob) => (blob ? download(blob, fileStem() + '.png') :
    showMessage(trFormat('Could not export the picture: %1', [tr('unknown error')]))), 'image/png');
}

function boardSvg() {
  if (current.svg) return Promise.resolve(current.svg);
  return new Promise((resolve) => current.svgWaiters.push(resolve));
}

// ---- start -------------------------------------------------------------

function bindControls() {
  $('btnNewBoard').addEventListener('click', () => newBoard());
  $('btnMessageNewBoard').addEventListener('click', () => newBoard());
  $('btnBack').addEventListener('click', () => history.back());
  $('btnForward').addEventListener('click', () => history.forward());
  $('frmSettings').addEventListener('change', (e) => {
    if (e.target.id === 'cboLanguage') {
      chooseLanguage(e.target.value);
      location.reload();
      return;
    }
    if (e.target.id === 'edtSeed') {
      makeOfSeed();
      return;
    }
    $('rowMass').hidden = $('cboShape').value !== 'random';
    storeSettings();
    if (e.target.id === 'chkBlackAndWhite' || e.target.id === 'chkLocalLabels') drawCurrentAgain();
    else remakeCurrent();
  });
  $('frmSettings').addEventListener('submit', (e) => e.preventDefault());
  $('edtSeed').addEventListener('input', () => $('edtSeed').setCustomValidity(''));
  $('edtSeed').addEventListener('keydown', (e) => {
    if (e.key === 'Enter') makeOfSeed();
  });
  $('btnPieces').addEventListener('click', openPieces);
  $('frmPiecesForm').addEventListener('input', (e) => {
    e.target.setCustomValidity && e.target.setCustomValidity('');
    updateCounts();
  });
  $('frmPiecesForm').addEventListener('submit', closePieces);
  $('btnShare').textContent = shareCaption();
  $('btnShare').addEventListener('click', async () => {
    const name = current && current.entry.title ? current.entry.title.replace(/^\[|\]$/g, '') : document.title;
    const failure = await shareLink($('btnShare'), location.href, name);
    if (failure) showMessage(failure);
  });
  bindRecentDialog({ button: $('btnRecent'), dialog: $('frmRecent'), list: $('lstRecent'), empty: $('lblNoRecent'),
    clear: $('btnClearRecent'), language, open: (entry) => {
      if (entry.link) {
        openLink('push', entry.link);
      } else {
        openFiles([new File([bytesOf(entry)], entry.fileName)]);
      }
    } });
  $('btnDownload').addEventListener('click', () => {
    if (hasBoard()) download(new Blob([current.entry.file], { type: 'application/x-vornia-board' }), fileStem() + '.mirl');
  });
  $('edtOpen').addEventListener('change', async (e) => {
    await openFiles([...e.target.files]);
    e.target.value = '';
  });
  $('btnExportPng').addEventListener('click', exportPng);
  $('btnExportSvg').addEventListener('click', async () => {
    if (hasBoard()) download(new Blob([await boardSvg()], { type: 'image/svg+xml' }), fileStem() + '.svg');
  });
  $('btnPrint').addEventListener('click', async () => {
    if (!hasBoard()) return;
    await preparePrint();
    window.print();
  });
  window.addEventListener('beforeprint', () => {
    if (!$('imgPrint').src) preparePrint();
  });

  document.addEventListener('dragover', (e) => {
    e.preventDefault();
    document.body.classList.add('dropping');
  });
  document.addEventListener('dragleave', () => document.body.classList.remove('dropping'));
  document.addEventListener('drop', (e) => {
    e.preventDefault();
    document.body.classList.remove('dropping');
    openFiles([...e.dataTransfer.files]);
  });

  document.addEventListener('keydown', (e) => {
    const typing = e.target.closest && e.target.closest('input, select, textarea, dialog');
    if (e.altKey && !e.ctrlKey && (e.key === 'ArrowLeft' || e.key === 'ArrowRight')) {
      e.preventDefault();
      if (e.key === 'ArrowLeft') history.back();
      else history.forward();
    } else if (!typing && !e.altKey && !e.ctrlKey && !e.metaKey && (e.key === 'n' || e.key === 'N')) {
      e.preventDefault();
      newBoard();
    }
  });

  window.addEventListener('popstate', async (event) => {
    if (event.state && event.state.kind) {
      await showEntry(event.state);
      showEntrySettings(event.state);
    } else {
      await openLink('replace');
    }
  });
}

// The language choice: the browser's, or one the page speaks, named in itself.
function buildLanguages() {
  const choice = $('cboLanguage');
  choice.append(...languageChoices().map(({ code, name }) =>
    Object.assign(document.createElement('option'), { value: code, textContent: name, lang: code })));
  choice.value = chosenLanguage();
  if (choice.selectedIndex < 0) choice.value = '';
  // In English the labels are in the player's language anyway.
  $('rowLocalLabels').hidden = language === 'en';
}

async function start() {
  view = new BoardView($('pnlImage'), $('imgBoard'));
  await textsReady;
  buildLanguages();
  if (language !== 'en') await ask({ type: 'language', language });
  const answer = await ask({ type: 'tables' });
  if (answer.error) {
    showMessage(trFormat('The board maker could not start: %1', [answer.error]));
    return;
  }
  tables = answer.tables;
  defaults = { shape: 'traditional', mass: 'any', zoom: 100, bw: false, fair: [], counts: {},
    rules: tables.rules.map((r) => r.word) };
  for (const count of tables.counts) defaults.counts[count.key] = count.default;
  defaults.sets = tables.pieceSets.map((set) => ({ word: set.word, caption: set.caption,
    counts: Object.fromEntries(tables.counts.map((count, i) => [count.key, set.counts[i]])) }));
  buildControls();
  bindControls();
  showSettings(storedSettings());

  if (history.state && history.state.kind) {
    await showEntry(history.state);
    showEntrySettings(history.state);
  } else if (location.hash.length > 1) await openLink('replace');
  else await make(requestWords(settingsOfControls(), defaults, seedOfNow()), $('chkBlackAndWhite').checked, 'replace');
  updateHistoryButtons();
  document.body.dataset.ready = 'true';
  performance.mark('first-board');

  if ('serviceWorker' in navigator && location.protocol !== 'file:')
    navigator.serviceWorker.register('service_worker.js').catch(() => {});
}

start();
