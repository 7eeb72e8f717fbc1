// The page's texts in its language (chosen by language_start.js). English
// needs nothing fetched: the page's texts are written in English in
// index.html and the modules, and declared for the catalogues in
// web/page_texts.h. Another language's translations come from
// lang/<language>.json, which the build makes from translations/*.ts.
//
// In index.html an element with data-tr has its text translated (context
// "Page" unless data-tr names another), and one with data-tr-attr the
// attributes it lists ("title aria-label").

// Where the player's choice is kept; language_start.js reads it there.
export const LanguageKey = 'vornia-generator.language';
// The page's language; English again when its texts cannot be had.
export let language = document.documentElement.lang || 'en';

let catalogue = {};

// How long the page waits for its language before it shows itself in English.
const LanguageWait = 5000;

// Resolves once the translations are in (at once in English); a language
// file that cannot be had in time leaves the page in English.
export const textsReady = language === 'en' ? Promise.resolve() : Promise.race([
  fetch(`lang/${language}.json`),
  new Promise((resolve, reject) => setTimeout(() => reject(new Error('timed out')), LanguageWait)),
])
  .then((response) => (response.ok ? response.json() : Promise.reject(new Error(response.statusText))))
  .then((file) => {
    catalogue = file.texts || {};
  })
  .catch(() => {
    language = document.documentElement.lang = 'en';
  })
  .finally(() => {
    translatePage(document);
    document.documentElement.classList.remove('translating');
  });

// The service worker keeps what passes through it. The language file passed
// before the worker took the page over on its first visit: it is fetched
// again once the worker has, so that the page speaks its language offline too.
export function keepLanguageOffline() {
  if (language === 'en' || !('serviceWorker' in navigator) || navigator.serviceWorker.controller) return;
  navigator.serviceWorker.addEventListener('controllerchange', () => fetch(`lang/${language}.json`).catch(() => {}),
    { once: true });
}

// A text in the page's language; the English source when the catalogue has none.
export function tr(source, context = 'Page') {
  const texts = catalogue[context];
  return (texts && Object.hasOwn(texts, source) && texts[source]) || source;
}

// A template with "%1" to "%9" translated, then filled with the arguments.
export function trFormat(template, args, context = 'Page') {
  return tr(template, context).replace(/%([1-9])/g, (whole, n) => (n <= args.length ? String(args[n - 1]) : whole));
}

// A caption of the desktop's dialog without its keyboard mark ("L&ehm:" is "Lehm:").
export function trCaption(source, context = 'TfrmCustomOptions') {
  return tr(source, context).replace(/&(.)/g, '$1');
}

// The player's choice of language ('' follows the browser); takes effect on
// the next load, which the caller does.
export function chosenLanguage() {
  try {
    return localStorage.getItem(LanguageKey) || '';
  } catch {
    return '';
  }
}
export function chooseLanguage(code) {
  try {
    if (code) localStorage.setItem(LanguageKey, code);
    else localStorage.removeItem(LanguageKey);
  } catch {
    // storage refused: the choice lasts for this load only
  }
}

// The element's own texts (not its children's), each kept with the spaces around it.
function translatePage(root) {
  for (const element of root.querySelectorAll('[data-tr], [data-tr-attr]')) {
    const context = element.dataset.tr || 'Page';
    for (const node of element.dataset.tr === undefined ? [] : element.childNodes) {
      const [, before, source, after] = /^(\s*)(.*?)(\s*)$/s.exec(node.nodeType === Node.TEXT_NODE ? node.data : '');
      if (source) node.data = before + tr(source, context) + after;
    }
    for (const name of (element.dataset.trAttr || '').split(' ').filter(Boolean)) {
      const value = element.getAttribute(name);
      if (value) element.setAttribute(name, tr(value, context));
    }
  }
  const description = document.querySelector('meta[name="description"]');
  if (description) description.content = tr(description.content);
}
