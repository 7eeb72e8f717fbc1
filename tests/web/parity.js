// Every golden case made by the WebAssembly core: the printed lines, the
// board file's bytes, a failure's text and the picture's size must be those
// the native tool gave (tests/data/golden, which test_golden_qt holds the
// native tool to).
//
// node --no-experimental-fetch tests/web/parity.js build-web/web/vornia-core.js
'use strict';
const assert = require('assert');
const crypto = require('crypto');
const fs = require('fs');
const path = require('path');

const root = path.join(__dirname, '..', '..');
const golden = path.join(root, 'tests', 'data', 'golden');
const { wrapCore } = require(path.join(root, 'web', 'site', 'core_calls.js'));
const createCore = require(path.resolve(process.argv[2]));

// The manifest's arguments, as a shell splits them (single quotes only).
function splitArguments(line) {
  return [...line.matchAll(/'([^']*)'|(\S+)/g)].map((m) => (m[1] !== undefined ? m[1] : m[2]));
}

function expected(name) {
  const lines = fs.readFileSync(path.join(golden, name + '.out'), 'utf8').split('\n');
  const field = (key) => lines.filter((l) => l.startsWith(key + ': ')).map((l) => l.slice(key.length + 2));
  return { out: field('out'), err: field('err'), board: field('board')[0], picture: field('picture colour')[0] };
}

createCore().then((module) => {
  const core = wrapCore(module);
  const cases = fs.readFileSync(path.join(golden, 'manifest.txt'), 'utf8').split('\n')
    .filter((line) => line.trim() && !line.startsWith('#'));
  for (const line of cases) {
    const [name, ...words] = splitArguments(line);
    const want = expected(name);
    core.newVisit(); // each case as a run of its own
    const board = core.generate(words);
    assert.strictEqual(board.error, '', name);
    if (want.board === 'none') {
      assert.strictEqual(board.made, false, name);
      assert.deepStrictEqual([board.failure], want.err, name);
      continue;
    }
    assert.ok(board.made, name + ': ' + board.failure);
    // The tool prints its lines after the picture, and no lines when it refused the picture.
    if (want.out.length) assert.deepStrictEqual([board.name, ...board.panels, board.attempts], want.out, name);
    const kept = want.board.match(/^(\S+\.mirl), (\d+) bytes$/);
    if (kept) {
      assert.ok(Buffer.from(board.file).equals(fs.readFileSync(path.join(golden, kept[1]))), name + ': board file');
    } else {
      const hash = crypto.createHash('sha256').update(board.file).digest('hex');
      assert.strictEqual(want.board, `${board.file.length} bytes, sha256 ${hash}`, name + ': board file');
    }
    const drawing = core.draw(board.file, board.zoom);
    const refused = core.pictureError(drawing.width, drawing.height);
    if (refused) assert.strictEqual(want.picture, 'refused: ' + refused, name);
    else assert.strictEqual(want.picture.split(',')[0], `${drawing.width} x ${drawing.height}`, name + ': picture size');
  }
  // Fair boards have no golden case: the native tool, run beside the module, is the reference.
  const cli = path.join(root, 'build', 'cli', 'vornia-cli');
  const out = path.join(require('os').tmpdir(), `parity-${process.pid}.mirl`);
  const fairCases = [['--shape', 'traditional', '--fair', 'all', '--seed', '7'],
    ['--shape', 'dog leg', '--fair', 'red,pips', '--zoom', '75', '--seed', '42']];
  for (const words of fairCases) {
    const lines = require('child_process').execFileSync(cli, ['generate', ...words, '--out', out, '--force'], { encoding: 'utf8' });
    core.newVisit();
    const board = core.generate(words);
    assert.deepStrictEqual([board.name, ...board.panels, board.attempts], lines.trim().split('\n'), words.join(' '));
    assert.ok(Buffer.from(board.file).equals(fs.readFileSync(out)), words.join(' ') + ': board file');
  }
  // An opened board's shape panel follows the rules in force, as the desktop's does.
  const opened = (fair) => core.open('x.mirl', fs.readFileSync(out), { shape: 'dog leg', fair }).panels[0];
  assert.deepStrictEqual([opened(['red']), opened([])], ['shape: dog leg (fair)', 'shape: dog leg'], 'opened board');
  fs.rmSync(out, { force: true });
  console.log(`parity: ${cases.length} golden cases and ${fairCases.length} fair boards made alike`);
}).catch((error) => {
  console.error(error.stack || error);
  process.exit(1);
});
