// A board's link: the address's fragment holds the request in the tool's
// own words, e.g. #shape=dog%20leg&mass=high&counts=Brick=5,Grain=4&fair=red,pips&zoom=75&bw=1&seed=42.
// The core reads links (web/web_link.h); the page writes them here.

export const MillisecondsPerDay = 86400000;

// The seed of a new board: the time of day in milliseconds (UTC), as the desktop reseeds.
export function seedOfNow() {
  return Date.now() % MillisecondsPerDay;
}

// The settings the controls hold, as a request for a board with the seed.
// settings: { shape, mass, counts: {key: n}, fair: [words], zoom }; defaults
// also holds the core's piece sets: [{ word, counts: {key: n} }]. The counts
// are written against the piece set they differ from in the fewest keys (the
// defaults when no set does better).
export function requestWords(settings, defaults, seed) {
  const words = ['--shape', settings.shape];
  if (settings.mass !== 'any') words.push('--mass', settings.mass);
  const differing = (counts) => Object.keys(settings.counts).filter((key) => counts[key] !== settings.counts[key]);
  let base = defaults.counts, setWord = null;
  for (const set of defaults.sets || []) {
    if (differing(set.counts).length < differing(base).length) {
      base = set.counts;
      setWord = set.word;
    }
  }
  if (setWord) words.push('--pieces', setWord);
  const counts = differing(base).map((key) => `${key}=${settings.counts[key]}`);
  if (counts.length) words.push('--counts', counts.join(','));
  if (settings.fair.length) words.push('--fair', settings.fair.join(','));
  if (settings.zoom !== 100) words.push('--zoom', String(settings.zoom));
  words.push('--seed', String(seed));
  return words;
}

// The fragment of the tool's arguments, drawn in black and white or not;
// version: the core's generator version, first in every link the page
// writes, as the seed is last.
export function linkOf(words, bw, version) {
  const parts = version ? ['v=' + version] : [];
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
      case '--pieces': {
        const set = (defaults.sets || []).find((s) => s.word === value.toLowerCase());
        if (set) settings.counts = { ...set.counts };
        ++i;
        break;
      }
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
  delete settings.sets;
  return settings;
}

function fairWords(list, rules) {
  const words = list.split(',');
  if (words.includes('all')) return [...rules];
  return rules.filter((rule) => words.includes(rule));
}
