// link.js under Node, without a browser: the links the page writes from the
// core's words (the words themselves are the core's, tested natively in
// tests/web/test_web_settings.cpp).
//
// node --experimental-detect-module tests/web/link_test.mjs
import assert from 'node:assert';
import { linkOf, seedOfNow } from '../../web/site/link.js';

const words = ['--shape', 'dog leg', '--mass', 'high', '--fair', 'red', '--zoom', '75', '--seed', '42'];
// The version first, the drawing's words that are on just before the seed.
assert.strictEqual(linkOf(words, { bw: true }, 1), '#v=1&shape=dog%20leg&mass=high&fair=red&zoom=75&bw=1&seed=42');
assert.strictEqual(linkOf(words, { bw: false }), '#shape=dog%20leg&mass=high&fair=red&zoom=75&seed=42');
// Commas and equals signs stay readable; the rest of a value is escaped.
assert.strictEqual(linkOf(['--counts', 'Brick=5,Grain=4', '--seed', '1']), '#counts=Brick=5,Grain=4&seed=1');
assert.strictEqual(linkOf(['--shape', 'a&b#c', '--seed', '1']), '#shape=a%26b%23c&seed=1');
const seed = seedOfNow(86399999);
assert.ok(Number.isInteger(seed) && seed >= 0 && seed <= 86399999, String(seed));
console.log('link: 5 checks passed');
