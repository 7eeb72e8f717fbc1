// The boards made or opened on this device, newest first: a made board by
// its link, an opened one with its file, so that either can be had again.
// Kept in the browser's storage only; nothing of it is ever sent anywhere.

export const RecentKey = 'vornia-generator.recent';
export const MaxRecent = 30;

// [{ name, when, link }] or [{ name, when, fileName, file }], where file
// holds the board file's bytes, one character each.
export function recentBoards() {
  try {
    const list = JSON.parse(localStorage.getItem(RecentKey) || '[]');
    return Array.isArray(list) ? list.filter(isEntry).slice(0, MaxRecent) : [];
  } catch {
    return [];
  }
}

function isEntry(entry) {
  return entry && typeof entry === 'object' && typeof entry.name === 'string' && Number.isFinite(entry.when) &&
    (typeof entry.link === 'string' ? entry.link.startsWith('#') :
      typeof entry.fileName === 'string' && typeof entry.file === 'string');
}

// A made board: its name and link.
export function rememberLink(name, link) {
  remember({ name, when: Date.now(), link }, (e) => e.link === link);
}

// An opened board: its name, the file's name and bytes.
export function rememberFile(name, fileName, bytes) {
  let file = '';
  for (let i = 0; i < bytes.length; i += 0x8000) file += String.fromCharCode(...bytes.subarray(i, i + 0x8000));
  remember({ name, when: Date.now(), fileName, file }, (e) => e.fileName === fileName && e.file === file);
}

export function forgetBoards() {
  try {
    localStorage.removeItem(RecentKey);
  } catch {
    // storage refused: nothing was kept
  }
}

// The bytes of an opened board's entry.
export function bytesOf(entry) {
  return Uint8Array.from(entry.file, (c) => c.charCodeAt(0));
}

// The entry first, an earlier one of the same board dropped; when the
// storage is full, the oldest go until the list fits.
function remember(entry, same) {
  const list = [entry, ...recentBoards().filter((e) => !same(e))].slice(0, MaxRecent);
  while (list.length) {
    try {
      localStorage.setItem(RecentKey, JSON.stringify(list));
      return;
    } catch {
      list.pop();
    }
  }
}

// The list as buttons in list (an <ol>), each with the board's name and when
// it was made or opened, in the page's language; open(entry) reopens one.
export function showRecentList(list, entries, open, language) {
  const when = new Intl.DateTimeFormat(language, { dateStyle: 'medium', timeStyle: 'short' });
  list.replaceChildren(...entries.map((entry) => {
    const item = document.createElement('li');
    const button = Object.assign(document.createElement('button'), { type: 'button', className: 'recent' });
    const name = Object.assign(document.createElement('span'), { className: 'name', textContent: entry.name });
    const detail = Object.assign(document.createElement('span'), { className: 'detail',
      textContent: when.format(entry.when) + (entry.fileName ? ' · ' + entry.fileName : '') });
    button.append(name, detail);
    button.addEventListener('click', () => open(entry));
    item.append(button);
    return item;
  }));
}

// The dialog of the list: button opens it, filled afresh; a click on an
// entry closes it and reopens the board through open(entry).
export function bindRecentDialog({ button, dialog, list, empty, clear, open, language }) {
  const fill = () => {
    const entries = recentBoards();
    showRecentList(list, entries, (entry) => {
      dialog.close();
      open(entry);
    }, language);
    empty.hidden = entries.length > 0;
    clear.disabled = entries.length === 0;
  };
  button.addEventListener('click', () => {
    fill();
    dialog.showModal();
  });
  clear.addEventListener('click', () => {
    forgetBoards();
    fill();
  });
}
