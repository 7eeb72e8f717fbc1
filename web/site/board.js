// The board shown and the boards of the visit: making a board from a request
// or a link, the status line, and the browser's history, in which every board
// is an entry that Back and Forward show again.
import { ask } from './core_client.js';
import { linkOf, seedOfNow } from './link.js';
import { rememberLink } from './recent.js';
import { drawingOf, localLabels, settingsOfControls, showSettings, storeSettings } from './settings.js';
import { $, state } from './state.js';
import { language, tr, trFormat } from './texts.js';

// How many new boards this tab's visit has named: numbering goes on after a reload.
const BoardsNamedKey = 'vornia-generator.boardsNamed';
// The index of the visit's last history entry, for Forward.
const LastEntryKey = 'vornia-generator.last';

// ---- the status line ---------------------------------------------------

// offerNewBoard: a "New board" button beside the line (nothing was made);
// notice: a line beside a board rather than a failure.
export function showMessage(text, offerNewBoard = false, notice = false) {
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
  $('edtSeed').value = entry.kind === 'made' && entry.seed !== undefined ? String(entry.seed) : '';
  $('edtSeed').setCustomValidity('');
  const items = $('lstPanels').children;
  for (let i = 0; i < 4; ++i) items[i].textContent = (entry.panels && entry.panels[i]) || '';
  $('lblBalance').textContent = entry.balance || '';
  showMessage(entry.failure || entry.notice || '', false, !entry.failure);
}

function setBusy(on, text) {
  state.busy = on;
  $('btnNewBoard').disabled = on;
  $('btnNewBoard').textContent = on ? text : tr('New board');
  document.body.setAttribute('aria-busy', String(on));
}

// ---- the board shown ---------------------------------------------------

// The history entry of a board: the board itself and how it is drawn
// (drawing: as its link says, { bw, corners }), so Back shows it again; a made board's
// request too, as the tool's words, the settings they stand for and the seed.
// name is the board's own (English, as its file and the tool have it), title
// the name shown, in the language of its texts.
export function entryOf(kind, board, words, drawing) {
  return { kind, words, settings: board.settings, seed: board.seed, name: board.name, title: board.title || board.name,
    panels: board.panels, balance: board.balance, attempts: board.attempts, failure: board.failure, zoom: board.zoom,
    drawing, localLabels: localLabels(), file: board.file, index: 0, language };
}

// shown: the holder of the board's SVG text, which arrives after the board.
export function present(entry, drawing, shown = svgHolder()) {
  const image = $('imgPrint');
  if (image.src) URL.revokeObjectURL(image.src);
  image.removeAttribute('src');
  state.current = Object.assign(shown, { entry, drawing });
  showTexts(entry);
  // With the corner pips, the core's score and best corners, in the board's language.
  $('lblAnalysis').textContent = ((drawing && drawing.analysis) || []).filter(Boolean).join(' \u00b7 ');
  state.view.show(drawing || null);
  updateHistoryButtons();
}

export function svgHolder() {
  const holder = { svg: null, svgWaiters: [] };
  holder.arrived = (svg) => {
    holder.svg = svg;
    for (const wake of holder.svgWaiters.splice(0)) wake(svg);
  };
  return holder;
}

// The SVG text of the board shown, once the worker has written it.
export function boardSvg() {
  const current = state.current;
  if (current.svg) return Promise.resolve(current.svg);
  return new Promise((resolve) => current.svgWaiters.push(resolve));
}

// The printed page shows the whole board as its SVG picture, loaded only
// for printing: decoding a large board's picture takes a while.
export async function preparePrint() {
  const image = $('imgPrint');
  if (image.src) URL.revokeObjectURL(image.src);
  image.removeAttribute('src');
  if (!state.current || !state.current.drawing) return;
  image.src = URL.createObjectURL(new Blob([await boardSvg()], { type: 'image/svg+xml' }));
  await image.decode().catch(() => {});
}

// ---- history -----------------------------------------------------------

export function record(entry, how) {
  const index = how === 'push' && history.state ? history.state.index + 1 : (history.state ? history.state.index : 0);
  entry.index = index;
  const address = entry.words ? linkOf(entry.words, entry.drawing, state.tables.generatorVersion)
    : location.pathname + location.search;
  if (how === 'push') history.pushState(entry, '', address);
  else history.replaceState(entry, '', address);
  // A new entry drops those after it; a replaced one keeps them.
  if (how === 'push' || sessionStorage.getItem(LastEntryKey) === null)
    sessionStorage.setItem(LastEntryKey, String(index));
}

export function updateHistoryButtons() {
  const index = history.state ? history.state.index : 0;
  const last = Number(sessionStorage.getItem(LastEntryKey) || index);
  $('btnBack').disabled = index <= 0;
  $('btnForward').disabled = index >= last;
}

// ---- making boards -----------------------------------------------------

// Makes the board of a request, the tool's words ({ words }) or the page's
// settings with a seed ({ settings, seed }), drawn as drawing says ({ bw });
// how: 'push' or 'replace' the history entry. name, when given, is kept: the
// same board made again at another zoom.
export async function make(request, drawing, how, name) {
  if (state.busy) return;
  setBusy(true, tr('Making…'));
  const shown = svgHolder();
  try {
    const boardsNamed = Number(sessionStorage.getItem(BoardsNamedKey)) || 0;
    const answer = await ask({ type: 'generate', ...request, drawing: { ...drawing, localLabels: localLabels() },
      boardsNamed }, shown.arrived);
    if (answer.error || (answer.board && answer.board.error)) {
      showMessage(answer.error || answer.board.error);
      return false;
    }
    sessionStorage.setItem(BoardsNamedKey, String(answer.board.boardsNamed));
    const words = answer.board.words;
    const entry = entryOf('made', answer.board, words, drawing);
    if (name && answer.board.made) entry.name = name;
    record(entry, how);
    present(entry, answer.drawing && !answer.drawing.error ? answer.drawing : null, shown);
    rememberLink(entry.title, linkOf(words, drawing, state.tables.generatorVersion));
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
export async function remakeCurrent() {
  if (state.busy) {
    state.remakeWaiting = true; // once the board on its way is shown
    return;
  }
  state.remakeWaiting = false;
  const entry = state.current && state.current.entry;
  if (!entry) return;
  if (entry.kind === 'made') {
    const settings = settingsOfControls();
    const { words } = await ask({ type: 'request', settings, seed: entry.seed });
    if (words && linkOf(words) !== linkOf(entry.words)) await make({ words }, drawingOf(settings), 'push');
  } else if (entry.file && entry.zoom !== Number($('cboZoom').value)) {
    await showEntry({ ...entry, zoom: Number($('cboZoom').value) });
    record(state.current.entry, 'replace');
  }
  await settle();
}

// Applies the changes made while a board was on its way.
async function settle() {
  if (state.remakeWaiting) await remakeCurrent();
  else if (state.drawAgain) await drawCurrentAgain();
}

// Black and white is a way of drawing, and so are the labels in the page's
// language: the board shown is drawn again as the boxes say, the same board
// in the same history entry; its link says black and white too.
export async function drawCurrentAgain() {
  const drawing = drawingOf(settingsOfControls());
  if (state.busy) {
    state.drawAgain = true; // once the board on its way is shown
    return;
  }
  state.drawAgain = false;
  const current = state.current;
  const labels = localLabels();
  const same = JSON.stringify(current && current.entry.drawing) === JSON.stringify(drawing);
  if (!current || !current.entry.file || (same && current.entry.localLabels === labels)) return;
  await showEntry({ ...current.entry, drawing, localLabels: labels });
  record(state.current.entry, 'replace');
}

// A new board of the settings in force, with a seed of its own.
// how: as make's; a new board pushes an entry, the page's first replaces its own.
export function makeNew(how) {
  return makeOf(seedOfNow(state.tables.maxSeed), how);
}

// The board of the settings in force with the seed.
function makeOf(seed, how) {
  const settings = settingsOfControls();
  return make({ settings, seed }, drawingOf(settings), how);
}

export async function newBoard() {
  await makeNew('push');
  await settle();
}

// The board of the settings in force with the seed typed in the board
// number's box, as a new entry; the box says so when it holds no seed.
export async function makeOfSeed() {
  const edit = $('edtSeed');
  const text = edit.value.trim();
  const maxSeed = state.tables.maxSeed;
  if (!/^\d{1,9}$/.test(text) || Number(text) > maxSeed) {
    edit.setCustomValidity(trFormat('A board number is a whole number from 0 to %1.', [maxSeed]));
    edit.reportValidity();
    return;
  }
  const entry = state.current && state.current.entry;
  if (entry && entry.kind === 'made' && entry.seed === Number(text)) return;
  await makeOf(Number(text), 'push');
  await settle();
}

// Opens the board of a link (the address's, unless another is given): its
// request shown in the controls.
export async function openLink(how, fragment = location.hash) {
  const answer = await ask({ type: 'link', fragment, seed: seedOfNow(state.tables.maxSeed) });
  const link = answer.link;
  if (!link || link.error) {
    showMessage(link ? link.error : answer.error, true);
    return false;
  }
  const made = await make({ words: link.words }, link.drawing, how);
  if (made) showEntrySettings(state.current.entry);
  if (made && link.notice) {
    // The board was made by this version: its link says so from now on.
    state.current.entry.notice = link.notice;
    history.replaceState(state.current.entry, '');
    showTexts(state.current.entry);
  }
  state.drawAgain = state.remakeWaiting = false;
  return made;
}

// Shows a history entry's board again, drawn as the entry says.
export async function showEntry(entry) {
  if (!entry.file) {
    present(entry, null);
    return;
  }
  if ((entry.language || 'en') !== language && (await textsAgain(entry))) return;
  const shown = svgHolder();
  const labels = localLabels();
  const answer = await ask({ type: 'draw', file: entry.file, zoom: entry.zoom,
    drawing: { ...entry.drawing, localLabels: labels } }, shown.arrived);
  entry.localLabels = labels;
  present(entry, answer.drawing && !answer.drawing.error ? answer.drawing : null, shown);
}

// A board shown before the page's language changed, shown with its texts in
// the page's language, in the same history entry: a made board made again
// from its words under its name, an opened one opened again from its file.
// False when that cannot be.
async function textsAgain(entry) {
  const shown = svgHolder();
  const drawing = { ...entry.drawing, localLabels: localLabels() };
  let answer;
  if (entry.kind === 'made') {
    // Numbering goes on from the visit's count at the next new board, not from this one.
    answer = await ask({ type: 'generate', words: entry.words, drawing, keepName: entry.name, boardsNamed: 0 },
      shown.arrived);
  } else if (entry.openedWith) {
    answer = await ask({ type: 'open', ...entry.openedWith, bytes: entry.file, drawing }, shown.arrived);
  }
  const board = answer && answer.board;
  if (!board || !board.made || !answer.drawing || answer.drawing.error) return false;
  const again = { ...entryOf(entry.kind, board, entry.words, entry.drawing), openedWith: entry.openedWith,
    index: entry.index, notice: entry.notice };
  history.replaceState(again, '');
  present(again, answer.drawing, shown);
  return true;
}

// The controls show the settings of the board shown: a made board's request,
// an opened board's zoom and black and white.
export function showEntrySettings(entry) {
  const settings = entry.kind === 'made' && entry.settings ? entry.settings : { ...settingsOfControls(), zoom: entry.zoom };
  showSettings({ ...settings, ...entry.drawing, localLabels: localLabels() });
  storeSettings();
}
