// Files: the board's link, its board file downloaded or opened (also by
// dropping it on the page), the PNG and SVG exports and printing.
import { boardSvg, entryOf, preparePrint, present, record, showMessage, svgHolder } from './board.js';
import { ask } from './core_client.js';
import { replay } from './picture.js';
import { drawingOf, settingsOfControls } from './settings.js';
import { $, state } from './state.js';

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
  const couldNotOpen = (name) => state.tables.messages.couldNotOpen.replace('%1', name);
  for (const file of files) {
    const bytes = new Uint8Array(await file.arrayBuffer());
    const settings = settingsOfControls();
    const shown = svgHolder();
    const answer = await ask({ type: 'open', name: file.name, bytes, settings, drawing: drawingOf(settings) },
      shown.arrived);
    const board = answer.board;
    if (answer.error || !board || board.error || !board.made) {
      showMessage((board && (board.error || board.failure)) || answer.error || couldNotOpen(file.name));
      continue;
    }
    if (!answer.drawing || answer.drawing.error) {
      showMessage(answer.drawing ? answer.drawing.error : couldNotOpen(file.name));
      continue;
    }
    const entry = entryOf('opened', board, null, drawingOf(settings));
    record(entry, 'push');
    present(entry, answer.drawing, shown);
  }
}

function exportPng() {
  if (!hasBoard()) return;
  const drawing = state.current.drawing;
  if (drawing.pngError) {
    showMessage('Could not export the picture: ' + drawing.pngError);
    return;
  }
  const ratio = window.devicePixelRatio || 1;
  const canvas = document.createElement('canvas');
  canvas.width = Math.ceil(drawing.width * ratio);
  canvas.height = Math.ceil(drawing.height * ratio);
  const context = canvas.getContext('2d');
  context.scale(ratio, ratio);
  replay(context, drawing, { transparent: true });
  canvas.toBlob((blob) => (blob ? download(blob, fileStem() + '.png') : showMessage('Could not export the picture.')), 'image/png');
}

export function bindFiles() {
  $('btnCopyLink').addEventListener('click', async () => {
    try {
      await navigator.clipboard.writeText(location.href);
      const button = $('btnCopyLink');
      button.textContent = 'Link copied';
      setTimeout(() => (button.textContent = 'Copy link'), 2000);
    } catch {
      showMessage('Could not copy the link; copy it from the address bar.');
    }
  });
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
