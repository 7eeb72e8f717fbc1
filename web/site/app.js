// The page: the core's tables turned into controls, the keys and the
// browser's history bound, then the first board. The core runs in worker.js
// (reached through core_client.js); the board shown and the visit's boards
// are board.js's, the counts dialog counts_dialog.js's, files files.js's and
// the settings settings.js's, around the one state object of state.js.
import { drawCurrentAgain, makeNew, makeOfSeed, newBoard, openLink, remakeCurrent, showEntry, showEntrySettings,
  showMessage, updateHistoryButtons } from './board.js';
import { ask, whenCoreStops } from './core_client.js';
import { bindCountsDialog, buildCountsDialog } from './counts_dialog.js';
import { bindFiles } from './files.js';
import { buildSettingsControls, drawsOnly, showControlsInUse, showSettings, storeSettings, storedSettings,
  takeTables } from './settings.js';
import { $, state } from './state.js';
import { chooseLanguage, keepLanguageOffline, language, textsReady, tr, trFormat } from './texts.js';
import { BoardView } from './view.js';

whenCoreStops((reason) => showMessage(trFormat('The board maker stopped: %1. Reload the page to go on.',
  [reason || tr('unknown error')])));

function bindControls() {
  $('btnNewBoard').addEventListener('click', () => newBoard());
  $('btnMessageNewBoard').addEventListener('click', () => newBoard());
  $('btnBack').addEventListener('click', () => history.back());
  $('btnForward').addEventListener('click', () => history.forward());
  $('frmSettings').addEventListener('change', (e) => {
    if (e.target.id === 'cboLanguage') {
      // The page starts again in the language chosen.
      chooseLanguage(e.target.value);
      location.reload();
      return;
    }
    if (e.target.id === 'edtSeed') {
      makeOfSeed();
      return;
    }
    showControlsInUse();
    storeSettings();
    if (drawsOnly(e.target)) drawCurrentAgain();
    else remakeCurrent();
  });
  $('frmSettings').addEventListener('submit', (e) => e.preventDefault());
  $('edtSeed').addEventListener('input', () => $('edtSeed').setCustomValidity(''));
  $('edtSeed').addEventListener('keydown', (e) => {
    if (e.key === 'Enter') makeOfSeed();
  });
  bindCountsDialog(() => {
    storeSettings();
    remakeCurrent();
  });
  bindFiles();

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

async function start() {
  state.view = new BoardView($('pnlImage'), $('imgBoard'));
  // The core speaks the page's language before it answers its tables.
  await textsReady;
  if (language !== 'en') await ask({ type: 'language', language });
  // The settings kept from the last visit come back checked with the tables.
  const answer = await ask({ type: 'tables', stored: storedSettings() });
  if (answer.error) {
    showMessage(trFormat('The board maker could not start: %1', [answer.error]));
    return;
  }
  takeTables(answer.tables);
  buildSettingsControls();
  buildCountsDialog();
  bindControls();
  showSettings(answer.settings || answer.tables.defaults);

  if (history.state && history.state.kind) {
    await showEntry(history.state);
    showEntrySettings(history.state);
  } else if (location.hash.length > 1) await openLink('replace');
  else await makeNew('replace');
  updateHistoryButtons();
  document.body.dataset.ready = 'true';
  performance.mark('first-board');

  if ('serviceWorker' in navigator && location.protocol !== 'file:') {
    keepLanguageOffline();
    navigator.serviceWorker.register('service_worker.js').catch(() => {});
  }
}

start();
