// The web edition's speed and size, in headless Chromium on loopback, against
// the native tool in the same run. Not a test: it prints a table.
//
//   scripts/web.sh && node bench/web_bench.js [runs] [--against SITE_DIR]
//
// 1. navigation to the first board drawn, each run in a fresh profile (cold cache) and
//    from a server that compressed the files ahead: median;
//    with --against, the runs alternate with those of another built site
//    (another version's build-web/site), for the ratio of the two medians
// 2. everything the first visit transfers, gzipped as served, file by file
// 3. every count 500 with all four fair rules: in the page against the native tool
// 4. every count 500, random: the WebAssembly core (Node.js, after a warm-up) against the native tool
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const http = require('http');
const path = require('path');
const { performance } = require('perf_hooks');
const { root, site, startSite, startBrowser } = require('../tests/web/browser.js');

const againstAt = process.argv.indexOf('--against');
const against = againstAt > 0 ? path.resolve(process.argv[againstAt + 1]) : null;
const runs = Number(process.argv.slice(2).find((a, i, all) => /^\d+$/.test(a) && all[i - 1] !== '--against') || 7);
const cli = path.join(root, 'build', 'cli', 'vornia-cli');
const all500 = ['Brick', 'Grain', 'Lumber', 'Ore', 'Wool', 'Desert', 'Water', 'waterBrick', 'waterGrain', 'waterLumber',
  'waterOre', 'waterWool', 'waterMark', 'pieTwo', 'pieThree', 'pieFour', 'pieFive', 'pieSix', 'pieSeven', 'pieEight',
  'pieNine', 'pieTen', 'pieEleven', 'pieTwelve'].map((k) => k + '=500').join(',');
const median = (list) => [...list].sort((a, b) => a - b)[Math.floor(list.length / 2)];
const ms = (value) => `${value.toFixed(0)} ms`;

// The native tool's wall time for the words, median of the runs.
function nativeTime(words, count) {
  const times = [];
  for (let i = 0; i < count; ++i) {
    const start = performance.now();
    try {
      execFileSync(cli, ['generate', ...words], { stdio: 'ignore' });
    } catch {
      // exit 3 (no board) is a result too
    }
    times.push(performance.now() - start);
  }
  return median(times);
}

// Every file of the folder fetched once, gzipped: the server compresses a
// file on its first request (in the event loop this script shares), which a
// real host does ahead of time.
async function compressAhead(url, dir) {
  for (const name of fs.readdirSync(dir)) {
    if (!fs.statSync(path.join(dir, name)).isFile()) continue;
    await new Promise((done, failed) => http.get(url + name, { headers: { 'accept-encoding': 'gzip' } }, (response) => {
      response.resume();
      response.on('end', done);
    }).on('error', failed));
  }
}

// One first visit to the site served from dir (this build's, or the one
// --against names), its files compressed ahead: the time to its first board.
async function firstVisit(dir, onServed) {
  let counting = false;
  const server = await startSite(onServed && ((name, bytes) => counting && onServed(name, bytes)), dir);
  await compressAhead(server.url, dir);
  counting = true;
  const { context, close } = await startBrowser();
  const page = context.pages()[0] || await context.newPage();
  await page.goto(server.url);
  await page.waitForFunction(() => performance.getEntriesByName('first-board').length > 0, null, { timeout: 60000 });
  const time = await page.evaluate(() => performance.getEntriesByName('first-board')[0].startTime);
  await page.waitForTimeout(300); // the service worker's own fetches are not part of the first board
  await close();
  await server.stop();
  return time;
}

async function firstBoard() {
  const times = [], againstTimes = [];
  const sent = new Map();
  for (let i = 0; i < runs; ++i) {
    // Each file once: the service worker fetches them again to keep them.
    times.push(await firstVisit(site, i === 0 ? (name, bytes) => sent.set(name, bytes) : undefined));
    if (against) againstTimes.push(await firstVisit(against));
  }
  return { times, againstTimes, sent };
}

async function pageAgainstNative(words, link) {
  const server = await startSite();
  const { context, close } = await startBrowser();
  const page = context.pages()[0] || await context.newPage();
  await page.goto(server.url + '#seed=1');
  await page.waitForFunction(() => document.body.dataset.ready === 'true');
  await page.evaluate(() => {
    window.longTasks = [];
    new PerformanceObserver((l) => l.getEntries().forEach((e) => window.longTasks.push(e.duration))).observe({ type: 'longtask' });
  });
  const start = performance.now();
  await page.evaluate((l) => { location.hash = l; }, link);
  await page.waitForFunction(() => document.body.getAttribute('aria-busy') === 'false' &&
    (document.getElementById('lblBoardName').textContent !== '[New traditional 1]' ||
     document.getElementById('lblMessage').textContent !== ''), null, { timeout: 600000 });
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => setTimeout(done))));
  const pageTime = performance.now() - start;
  const status = await page.evaluate(() => [document.getElementById('lblBoardName').textContent, document.getElementById('lblMessage').textContent]);
  const longTasks = await page.evaluate(() => window.longTasks.map(Math.round));
  await close();
  await server.stop();
  // The native tool twice: the board alone, and the board drawn too (as SVG, a
  // vector picture like the page's display list), since the page's time includes its drawing.
  const svg = path.join(require('os').tmpdir(), 'web-bench-native.svg');
  return { pageTime, nativeTime: nativeTime(words, 3), nativeDrawn: nativeTime([...words, '--svg', svg, '--force'], 3), status, longTasks };
}

async function wasmAgainstNative(words) {
  const createCore = require(path.join(site, 'vornia-core.js'));
  // The .wasm handed in: Emscripten's own loading would need --no-experimental-fetch,
  // which playwright-core cannot run under.
  const wasmBinary = fs.readFileSync(path.join(site, 'vornia-core.wasm'));
  const { wrapCore } = require(path.join(site, 'core_calls.js'));
  const core = wrapCore(await createCore({ wasmBinary }));
  core.generate(words); // warm-up
  const times = [];
  for (let i = 0; i < 5; ++i) {
    const start = performance.now();
    core.generate(words);
    times.push(performance.now() - start);
  }
  return { wasm: median(times), native: nativeTime(words, 5) };
}

(async () => {
  const zlib = require('zlib');
  const first = await firstBoard();
  const listed = (times) => `median ${ms(median(times))} (${times.map((t) => t.toFixed(0)).join(', ')})`;
  console.log(`first board drawn, cold cache, ${runs} runs: ${listed(first.times)}`);
  if (against) {
    console.log(`  against ${against}, runs alternating: ${listed(first.againstTimes)}; ` +
      `ratio ${(median(first.times) / median(first.againstTimes)).toFixed(2)}`);
  }
  let total = 0;
  console.log('transferred on the first visit (gzip -9 as served):');
  for (const [name, bytes] of [...first.sent].sort((a, b) => b[1] - a[1])) {
    total += bytes;
    console.log(`  ${name.padEnd(24)} ${(bytes / 1024).toFixed(1).padStart(7)} KB`);
  }
  console.log(`  ${'total'.padEnd(24)} ${(total / 1024).toFixed(1).padStart(7)} KB`);
  // Files in folders too: the languages' catalogues (lang/de.json), fetched only in their language.
  const unsent = fs.readdirSync(site, { recursive: true })
    .filter((f) => fs.statSync(path.join(site, f)).isFile())
    .filter((f) => !first.sent.has('/' + f) && !(f === 'index.html' && first.sent.has('/')));
  for (const f of unsent) console.log(`  not fetched: ${f} (${(zlib.gzipSync(fs.readFileSync(path.join(site, f)), { level: 9 }).length / 1024).toFixed(1)} KB)`);

  const fair = ['--shape', 'random', '--counts', all500, '--fair', 'all', '--seed', '4242'];
  const inPage = await pageAgainstNative(fair, `#shape=random&counts=${all500}&fair=all&seed=4242`);
  console.log(`every count 500, all four rules: page ${ms(inPage.pageTime)}, native ${ms(inPage.nativeTime)}, ` +
    `ratio ${(inPage.pageTime / inPage.nativeTime).toFixed(2)}; native with its SVG ${ms(inPage.nativeDrawn)}, ` +
    `ratio ${(inPage.pageTime / inPage.nativeDrawn).toFixed(2)}; page shows ${JSON.stringify(inPage.status)}; ` +
    `main-thread tasks over 50 ms: ${JSON.stringify(inPage.longTasks)}`);

  const random = await wasmAgainstNative(['--shape', 'random', '--counts', all500, '--seed', '4242']);
  console.log(`every count 500, random: wasm ${ms(random.wasm)}, native ${ms(random.native)} (process), ratio ${(random.wasm / random.native).toFixed(2)}`);
})();
