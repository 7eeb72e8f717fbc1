// The counts dialog ("Pieces…"): the core's counts in its groups, with the
// desktop's rules, which the core applies (CheckCounts in web/web_settings.h):
// which counts the shape uses, the running totals, the question when the
// dice are short and the counts OK refuses; and the piece sets' buttons.
import { ask } from './core_client.js';
import { $, state } from './state.js';

function countEdits() {
  return [...document.querySelectorAll('#frmPieces input[data-key]')];
}

// A fieldset per group of counts, an edit per count, and a button per piece set.
export function buildCountsDialog() {
  const { tables } = state;
  for (const [g, group] of tables.countGroups.entries()) {
    const fieldset = document.createElement('fieldset');
    fieldset.append(Object.assign(document.createElement('legend'), { textContent: group.caption }));
    for (const count of tables.counts.slice(group.first, group.first + group.size)) {
      const row = document.createElement('div');
      row.className = 'count';
      const edit = Object.assign(document.createElement('input'), { type: 'number', inputMode: 'numeric', min: '0',
        max: String(tables.maxCount), id: 'edt_' + count.key });
      edit.dataset.key = count.key;
      row.append(Object.assign(document.createElement('label'), { htmlFor: edit.id, textContent: count.caption }), edit);
      fieldset.append(row);
    }
    if (group.total) {
      const total = Object.assign(document.createElement('p'), { className: 'total', textContent: group.total + ' ' });
      total.append(Object.assign(document.createElement('output'), { id: 'lblTotal_' + g }));
      fieldset.append(total);
    }
    $('pnlCounts').append(fieldset);
  }
  // The piece sets' buttons fill the counts (not the shape); shown at the
  // left, they come after OK and Cancel in the tab order.
  $('frmPiecesForm').querySelector('.buttons').append(...tables.pieceSets.map((set) => {
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

// The core's verdict on the counts as typed; only the latest asked is shown.
let asked = 0;
async function checkCounts() {
  const answer = await ask({ type: 'counts', shape: $('cboShape').value, texts: countEdits().map((e) => e.value) });
  return answer.counts || null;
}

async function updateCounts() {
  const mine = ++asked;
  const check = await checkCounts();
  if (!check || mine !== asked) return;
  const { countGroups } = state.tables;
  const edits = countEdits();
  countGroups.forEach((group, g) => {
    for (const edit of edits.slice(group.first, group.first + group.size)) edit.disabled = !check.editable[g];
    if (group.total) $('lblTotal_' + g).value = String(check.totals[g]);
  });
  $('lblNote').hidden = check.editable.every(Boolean);
  const warning = $('lblDiceWarning');
  warning.hidden = !check.diceQuestion;
  warning.textContent = check.diceQuestion;
}

function openPieces() {
  for (const edit of countEdits()) edit.value = String(state.counts[edit.dataset.key]);
  updateCounts();
  $('frmPieces').showModal();
}

// OK takes the counts once the core has checked them: a count it refuses is
// shown, and fewer dice than needed are asked about. accepted() hears when
// the counts are in state.counts.
async function closePieces(event, accepted) {
  if (event.submitter && event.submitter.value !== 'ok') return;
  event.preventDefault();
  const check = await checkCounts();
  if (!check) return;
  const edits = countEdits();
  if (check.refused >= 0) {
    edits[check.refused].setCustomValidity(state.tables.messages.countRefused);
    edits[check.refused].reportValidity();
    return;
  }
  if (check.diceQuestion && !window.confirm(check.diceQuestion)) return;
  for (const edit of edits) state.counts[edit.dataset.key] = Number(edit.value);
  $('frmPieces').close('ok');
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
