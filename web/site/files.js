// Files: the board's link shared, its board file downloaded or opened (also
// by dropping it on the page), the recent boards, the PNG and SVG exports
// and printing.
import { boardSvg, entryOf, openLink, preparePrint, present, record, showMessage, svgHolder } from './board.js';
import { ask } from './core_client.js';
import { replay } from './picture.js';
import { bindRecentDialog, bytesOf, rememberFile } from './recent.js';
import { drawingOf, localLabels, settingsOfControls } from './settings.js';
import { shareCaption, shareLink } from './share.js';
import { $, state } from './state.js';
import { language, tr, trFormat } from './texts.js';

function download(blob, name) {
  const link = Object.assign(document.createElement('a'), { href: URL.createObjectURL(blob), download: name });
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 10000);
}

// The name of the board shown as a file's name, without what a file name cannot hold.
function fileStem() {
  const name = (state.current && state.current.entry.name) || 'board';
  return name.replace(/^\[|\]$/g, '').replace(/\.mirl$/i, '').replace(/[^\w .-]+/g, '_').trim() || 'board';
}

function hasBoard() {
  if (state.current && state.current.entry.file && state.current.drawing) return true;
  showMessage(state.tables.messages.noBoardToExport);
  return false;
}

async function openFiles(files) {
  for (const file of files) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const settings = settingsOfControls();
    const shown = svgHolder();
    // The settings the status panels are read under, kept to read them again in another language.
    const openedWith = { name: file.name, settings };
    const answer = await ask({ type: 'open', ...openedWith, bytes,
      drawing: { ...drawingOf(settings), localLabels: localLabels() } }, shown.arrived);
    const board = answer.board;
    if (answer.error || !board || board.error || !board.made) {
      showMessage((board && (board.error || board.failure)) || answer.error || couldNotOpen(file.name));
      continue;
    }
    if (!answer.drawing || answer.drawing.error) {
      showMessage(answer.drawing ? answer.drawing.error : couldNotOpen(file.name));
      continue;
    }
    const entry = Object.assign(entryOf('opened', board, null, drawingOf(settings)), { openedWith });
    record(entry, 'push');
    present(entry, answer.drawing, shown);
    rememberFile(entry.title, file.name, bytes);
  }
}

const couldNotOpen = (name) => state.tables.messages.couldNotOpen.replace('%1', name);

function exportPng() {
  if (!hasBoard()) return;
  const drawing = state.current.drawing;
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
  replay(context, drawing, { transparent: true });
  canvas.toBlob((blob) => (blob ? download(blob, fileStem() + '.png') :
    showMessage(trFormat('Could not export the picture: %1', [tr('unknown error')]))), 'image/png');
}

export function bindFiles() {
  $('btnShare').textContent = shareCaption();
  $('btnShare').addEventListener('click', async () => {
    const shown = state.current && state.current.entry.title;
    const failure = await shareLink($('btnShare'), location.href, shown ? shown.replace(/^\[|\]$/g, '') : document.title);
    if (failure) showMessage(failure);
  });
  bindRecentDialog({ button: $('btnRecent'), dialog: $('frmRecent'), list: $('lstRecent'), empty: $('lblNoRecent'),
    clear: $('btnClearRecent'), language, open: (entry) => (entry.link ? openLink('push', entry.link) :
      openFiles([new File([bytesOf(entry)], entry.fileName)])) });
  $('btnDownload').addEventListener('click', () => {
    if (hasBoard()) download(new Blob([state.current.entry.file], { type: 'application/x-vornia-board' }), fileStem() + '.mirl');
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
}
