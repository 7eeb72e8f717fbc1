// The page's language, chosen before the page is first drawn: the one the
// player chose in the page (kept under LanguageKey), else the first of the
// browser's languages the page speaks, else English. The build names the
// languages of translations/ in the page's data-languages. A page in another
// language than English stays hidden until texts.js has put its texts in,
// so that no English shows first.
(function () {
  'use strict';
  const LanguageKey = 'vornia-generator.language';
  const root = document.documentElement;
  const spoken = ['en', ...(root.dataset.languages || '').split(' ').filter((code) => /^[a-z]{2,3}$/.test(code))];
  let chosen = '';
  try {
    chosen = localStorage.getItem(LanguageKey) || '';
  } catch {
    // storage refused: the browser's languages
  }
  const wanted = spoken.includes(chosen) ? [chosen] : [...(navigator.languages || [navigator.language || ''])];
  const language = wanted.map((tag) => String(tag).toLowerCase().split('-')[0]).find((code) => spoken.includes(code)) || 'en';
  root.lang = language;
  if (language !== 'en') root.classList.add('translating');
})();
