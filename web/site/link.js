// A board's link: the address's fragment holds the request in the tool's
// own words, e.g. #shape=dog%20leg&mass=high&counts=Brick=5,Grain=4&fair=red,pips&zoom=75&bw=1&seed=42.
// Words a link leaves out take the tool's defaults.

const LinkWords = ['shape', 'mass', 'counts', 'fair', 'zoom', 'bw', 'seed'];

export const MillisecondsPerDay = 86400000;

// The seed of a new board: the time of day in milliseconds (UTC), as the desktop reseeds.
export function seedOfNow() {
  return Date.now() % MillisecondsPerDay;
}

// The link's request as the tool's arguments, and whether the board is drawn
// in black and white (a way of drawing, not of making); error (one line) for
// a word the tool has no option for. The core checks the values in the tool's words.
export function parseLink(fragment) {
  const text = fragment.replace(/^#/, '');
  const given = new Map();
  for (const part of text.split('&')) {
    if (!part) continue;
    const equals = part.indexOf('=');
    let word, value;
    try {
      word = decodeURIComponent(equals < 0 ? part : part.slice(0, equals));
      value = decodeURIComponent(equals < 0 ? '' : part.slice(equals + 1));
    } catch {
      return { error: `bad link: '${printable(part)}' is not a proper link word` };
    }
    if (!LinkWords.includes(word)) return { error: `unknown word '${printable(word)}' in the link` };
    if (given.has(word)) return { error: `the word '${word}' is given twice in the link` };
    if (equals < 0 || value === '') return { error: `missing value after ${word}= in the link` };
    given.set(word, value);
  }
  const bw = given.get('bw');
  if (bw !== undefined && bw !== '0' && bw !== '1') return { error: `bad value '${printable(bw)}' for bw (0 or 1)` };
  const words = [];
  for (const word of ['shape', 'mass', 'counts', 'fair', 'zoom', 'seed'])
    if (given.has(word)) words.push('--' + word, given.get(word));
  return { words, bw: bw === '1', hasSeed: given.has('seed'), given };
}

function printable(text) {
  return text.length > 80 ? text.slice(0, 80) + '…' : text.replace(/[\u0000-\u001f\u007f]/g, '?');
}

// The settings the controls hold, as a request for a board with the seed.
// settings: { shape, mass, counts: {key: n}, fair: [words], zoom }.
export function requestWords(settings, defaults, seed) {
  const words = ['--shape', settings.shape];
  if (settings.mass !== 'any') words.push('--mass', settings.mass);
  const counts = Object.entries(settings.counts)
    .filter(([key, n]) => defaults.counts[key] !== n)
    .map(([key, n]) => `${key}=${n}`);
  if (counts.length) words.push('--counts', counts.join(','));
  if (settings.fair.length) words.push('--fair', settings.fair.join(','));
  if (settings.zoom !== 100) words.push('--zoom', String(settings.zoom));
  words.push('--seed', String(seed));
  return words;
}

// The fragment of the tool's arguments, drawn in black and white or not:
// every link the page writes holds a seed, last.
export function linkOf(words, bw) {
  const parts = [];
  for (let i = 0; i < words.length; i += 2) {
    const word = words[i].slice(2);
    if (word === 'seed' && bw) parts.push('bw=1');
    // Commas and equals signs stay readable; all else is escaped.
    parts.push(word + '=' + encodeURIComponent(words[i + 1]).replace(/%2C/g, ',').replace(/%3D/g, '='));
  }
  return '#' + parts.join('&');
}

// The settings a request stands for, for the controls to show: a word the
// request leaves out is its default.
export function settingsOfWords(words, defaults) {
  const settings = structuredClone(defaults);
  for (let i = 0; i < words.length; ++i) {
    const value = words[i + 1];
    switch (words[i]) {
      case '--shape': settings.shape = value.toLowerCase(); ++i; break;
      case '--mass': settings.mass = value; ++i; break;
      case '--zoom': settings.zoom = Number(value); ++i; break;
      case '--fair': settings.fair = fairWords(value, defaults.rules); ++i; break;
      case '--counts':
        for (const item of value.split(',')) {
          const [key, n] = item.split('=');
          const known = Object.keys(defaults.counts).find((k) => k.toLowerCase() === key.toLowerCase());
          if (known) settings.counts[known] = Number(n);
        }
        ++i;
        break;
      default: ++i;
    }
  }
  delete settings.rules;
  return settings;
}

function fairWords(list, rules) {
  const words = list.split(',');
  if (words.includes('all')) return [...rules];
  return rules.filter((rule) => words.includes(rule));
}
