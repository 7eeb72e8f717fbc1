// The counts dialog ("Pieces…"), with the desktop's rules: land and water
// counts only for "random" and "cross", running totals, a question when the
// dice are short, and the piece sets' buttons.
import { $, state } from './state.js';
import { tr, trCaption, trFormat } from './texts.js';

// The captions as the desktop's dialog writes them, keyboard marks and all,
// which is how its catalogue knows them.
const CountCaptions = ['&Brick:', 'Grain:', 'Lumber:', 'Ore:', 'Wool:', 'Desert:', '&Plain:', '2:1 Brick:',
  '2:1 Grain:', '2:1 Lumber:', '2:1 Ore:', '2:1 Wool:', '3:1 ?:', '&Two:', 'Three:', 'Four:', 'Five:', 'Six:',
  'Seven:', 'Eight:', 'Nine:', 'Ten:', 'Eleven:', 'Twelve:'];
const LandCounts = 6, WaterCounts = 7; // then the dice

function countEdits() {
  return [...document.querySelectorAll('#frmPieces input[data-key]')];
}
const countOf = (text) => (/^\s*\d+\s*$/.test(text) ? Number(text) : 0);

// An edit per count of the core's, in its group, and a button per piece set.
export function buildCountsDialog() {
  const { tables, defaults } = state;
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

function updateCounts() {
  const edits = countEdits();
  const shape = $('cboShape').value;
  const island = state.tables.fixedIslands.find((i) => i.name === shape);
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
  for (const edit of countEdits()) edit.value = String(state.counts[edit.dataset.key]);
  updateCounts();
  $('frmPieces').showModal();
}

// accepted() hears when OK took the counts into state.counts.
function closePieces(event, accepted) {
  if (event.submitter && event.submitter.value !== 'ok') return;
  const maxCount = state.tables.maxCount;
  const bad = countEdits().find((e) => !/^\s*\d+\s*$/.test(e.value) || countOf(e.value) > maxCount);
  if (bad) {
    event.preventDefault();
    bad.setCustomValidity(trFormat('A count is a whole number from 0 to %1.', [maxCount]));
    bad.reportValidity();
    return;
  }
  if (!$('lblDiceWarning').hidden && !window.confirm($('lblDiceWarning').textContent + ' ' + tr('Continue?'))) {
    event.preventDefault();
    return;
  }
  for (const edit of countEdits()) state.counts[edit.dataset.key] = countOf(edit.value);
  accepted();
}

export function bindCountsDialog(accepted) {
  $('btnPieces').addEventListener('click', openPieces);
  $('frmPiecesForm').addEventListener('input', (e) => {
    e.target.setCustomValidity && e.target.setCustomValidity('');
    updateCounts();
  });
  $('frmPiecesForm').addEventListener('submit', (e) => closePieces(e, accepted));
}
