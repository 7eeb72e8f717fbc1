// link.js under Node, without a browser: the links the page writes and the
// settings a request stands for.
//
// node --experimental-detect-module tests/web/link_test.mjs
import assert from 'node:assert';
import { linkOf, requestWords, settingsOfWords } from '../../web/site/link.js';

const keys = ['Brick', 'Grain', 'pieSeven'];
const counts = (values) => Object.fromEntries(keys.map((key, i) => [key, values[i]]));
const defaults = { shape: 'traditional', mass: 'any', zoom: 100, fair: [], counts: counts([3, 4, 0]),
  rules: ['red', 'equal'],
  sets: [{ word: '3-4', counts: counts([3, 4, 0]) }, { word: '5-6', counts: counts([5, 6, 0]) }] };
const settings = (values, more = {}) => ({ shape: 'cross', mass: 'any', zoom: 100, fair: [], counts: counts(values), ...more });

// Counts are written against the set they differ from in the fewest keys; a tie keeps the defaults.
const rows = [
  [[3, 4, 0], ['--shape', 'cross', '--seed', '9']],
  [[5, 6, 0], ['--shape', 'cross', '--pieces', '5-6', '--seed', '9']],
  [[5, 6, 2], ['--shape', 'cross', '--pieces', '5-6', '--counts', 'pieSeven=2', '--seed', '9']],
  [[5, 4, 0], ['--shape', 'cross', '--counts', 'Brick=5', '--seed', '9']],
];
for (const [values, words] of rows) {
  assert.deepStrictEqual(requestWords(settings(values), defaults, 9), words, String(values));
  // The request stands for the same settings.
  assert.deepStrictEqual(settingsOfWords(words, defaults).counts, counts(values), String(values));
}

const words = requestWords(settings([3, 4, 0], { shape: 'dog leg', mass: 'high', fair: ['red'], zoom: 75 }), defaults, 42);
assert.strictEqual(linkOf(words, true, 1), '#v=1&shape=dog%20leg&mass=high&fair=red&zoom=75&bw=1&seed=42');
assert.strictEqual(linkOf(['--counts', 'Brick=5,Grain=4', '--seed', '1'], false), '#counts=Brick=5,Grain=4&seed=1');
assert.deepStrictEqual(settingsOfWords(['--fair', 'all', '--seed', '1'], defaults).fair, ['red', 'equal']);
console.log(`link: ${rows.length + 3} checks passed`);
