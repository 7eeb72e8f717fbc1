// The board shown and the boards of the visit: making a board from a request
// or a link, the status line, and the browser's history, in which every board
// is an entry that Back and Forward show again.
import { ask } from './core_client.js';
import { linkOf, seedOfNow } from './link.js';
import { drawingOf, settingsOfControls, showSettings, storeSettings } from './settings.js';
import { $, state } from './state.js';

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
  $('lblBoardName').textContent = entry.name || '\u00a0';
  document.title = entry.name ? `${entry.name.replace(/^\[|\]$/g, '')} - Vornia Generator` : 'Vornia Generator';
  const items = $('lstPanels').children;
  for (let i = 0; i < 4; ++i) items[i].textContent = (entry.panels && entry.panels[i]) || '';
  $('lblBalance').textContent = entry.balance || '';
  showMessage(entry.failure || entry.notice || '', false, !entry.failure);
}

function setBusy(on, text) {
  state.busy = on;
  $('btnNewBoard').disabled = on;
  $('btnNewBoard').textContent = on ? text : 'New board';
  document.body.setAttribute('aria-busy', String(on));
}

// ---- the board shown ---------------------------------------------------

// The history entry of a board: the board itself and how it is drawn
// (drawing: { bw }), so Back shows it again; a made board's request too, as
// the tool's words and as the settings they stand for.
export function entryOf(kind, board, words, drawing) {
  return { kind, words, settings: board.settings, seed: board.seed, name: board.name, panels: board.panels,
    balance: board.balance, attempts: board.attempts, failure: board.failure, zoom: board.zoom, drawing,
    file: board.file, index: 0 };
}

// shown: the holder of the board's SVG text, which arrives after the board.
export function present(entry, drawing, shown = svgHolder()) {
  const image = $('imgPrint');
  if (image.src) URL.revokeObjectURL(image.src);
  image.removeAttribute('src');
  state.current = Object.assign(shown, { entry, drawing });
  showTexts(entry);
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

// Makes the board of the tool's words, drawn as drawing says ({ bw }); how:
// 'push' or 'replace' the history entry. name, when given, is kept: the same
// board made again at another zoom.
export async function make(words, drawing, how, name) {
  if (state.busy) return;
  setBusy(true, 'Making…');
  const shown = svgHolder();
  try {
    const boardsNamed = Number(sessionStorage.getItem(BoardsNamedKey)) || 0;
    const answer = await ask({ type: 'generate', words, drawing, boardsNamed }, shown.arrived);
    if (answer.error || (answer.board && answer.board.error)) {
      showMessage(answer.error || answer.board.error);
      return false;
    }
    sessionStorage.setItem(BoardsNamedKey, String(answer.board.boardsNamed));
    const entry = entryOf('made', answer.board, words, drawing);
    if (name && answer.board.made) entry.name = name;
    record(entry, how);
    present(entry, answer.drawing && !answer.drawing.error ? answer.drawing : null, shown);
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
    if (words && linkOf(words) !== linkOf(entry.words)) await make(words, drawingOf(settings), 'push');
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

// Black and white is a way of drawing: the board shown is drawn again as the
// box says, the same board in the same history entry; its link says so too.
export async function drawCurrentAgain() {
  const drawing = drawingOf(settingsOfControls());
  if (state.busy) {
    state.drawAgain = true; // once the board on its way is shown
    return;
  }
  state.drawAgain = false;
  const current = state.current;
  if (!current || !current.entry.file || JSON.stringify(current.entry.drawing) === JSON.stringify(drawing)) return;
  await showEntry({ ...current.entry, drawing });
  record(state.current.entry, 'replace');
}

// A new board of the settings in force, with a seed of its own.
// how: as make's; a new board pushes an entry, the page's first replaces its own.
export async function makeNew(how) {
  const settings = settingsOfControls();
  const answer = await ask({ type: 'request', settings, seed: seedOfNow(state.tables.seeds.max) });
  if (answer.error) showMessage(answer.error);
  else await make(answer.words, drawingOf(settings), how);
}

export async function newBoard() {
  await makeNew('push');
  await settle();
}

// Opens the board of the address's link: its request shown in the controls.
export async function openLink(how) {
  const answer = await ask({ type: 'link', fragment: location.hash, seed: seedOfNow(state.tables.seeds.max) });
  const link = answer.link;
  if (!link || link.error) {
    showMessage(link ? link.error : answer.error, true);
    return false;
  }
  const made = await make(link.words, link.drawing, how);
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
  const shown = svgHolder();
  const answer = await ask({ type: 'draw', file: entry.file, zoom: entry.zoom, drawing: entry.drawing }, shown.arrived);
  present(entry, answer.drawing && !answer.drawing.error ? answer.drawing : null, shown);
}

// The controls show the settings of the board shown: a made board's request,
// an opened board's zoom and black and white.
export function showEntrySettings(entry) {
  const settings = entry.kind === 'made' && entry.settings ? entry.settings : { ...settingsOfControls(), zoom: entry.zoom };
  showSettings({ ...settings, ...entry.drawing });
  storeSettings();
}
