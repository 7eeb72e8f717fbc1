// The page's worker: it owns the WebAssembly core, so that making a large
// board never holds up the page. Each message is one request; each answer
// carries the request's id, and an error text rather than a thrown error.
// A classic worker, since the core's glue script is one (it also serves the
// Node.js tests); the page's own modules come in by import().
/* global importScripts, createVorniaCore */
'use strict';
// The module's code and the page's calls are fetched while the glue script
// loads, not after it.
let wasmResponse = fetch('vornia-core.wasm');
const calls = import('./core_calls.js');
importScripts('vornia-core.js');

function startCore() {
  const response = wasmResponse || fetch('vornia-core.wasm');
  wasmResponse = null;
  let failed;
  const failure = new Promise((resolve, reject) => (failed = reject));
  const core = createVorniaCore({
    instantiateWasm(imports, done) {
      response
        .then((r) => WebAssembly.instantiateStreaming(r, imports))
        .then((result) => done(result.instance, result.module))
        .catch(failed);
      return {};
    },
  });
  return Promise.all([Promise.race([core, failure]), calls]).then(([module, { wrapCore }]) => wrapCore(module));
}
let ready = startCore();

// The picture code (SVG, overview) is loaded once the first board is on its way.
let picture = null;
const loadPicture = () => picture || (picture = import('./picture.js'));

// The drawing of a board file, with the texts for the status line.
async function drawn(core, board, request) {
  const drawing = core.draw(board.file, request.zoom, request.drawing);
  if (drawing.error) return { error: drawing.error };
  const dpr = request.dpr || 1;
  drawing.pngError = core.pictureError(Math.ceil(drawing.width * dpr), Math.ceil(drawing.height * dpr));
  drawing.overview = await overviewOf(drawing);
  return drawing;
}

// A large board seen whole is drawn here, once, into a picture of at most
// OverviewSide pixels a side, which the page then only scales: filling
// thousands of hexagons stays off the page's thread.
const OverviewSide = 4096;
async function overviewOf(drawing) {
  const scale = Math.min(OverviewSide / drawing.width, OverviewSide / drawing.height);
  if (typeof OffscreenCanvas !== 'function' || scale >= 1 / 4) return null;
  const { replay } = await loadPicture();
  const canvas = new OffscreenCanvas(Math.ceil(drawing.width * scale), Math.ceil(drawing.height * scale));
  const context = canvas.getContext('2d');
  context.scale(scale, scale);
  replay(context, drawing, { scale, minTextPixels: 4 });
  return { bitmap: canvas.transferToImageBitmap(), scale };
}

const handlers = {
  language: (core, request) => ({ language: core.useLanguage(request.language) }),
  // stored: settings the page kept, checked by the core.
  tables: (core, request) => ({ tables: core.tables(), settings: core.settings(request.stored) }),
  link: (core, request) => ({ link: core.link(request.fragment, request.seed) }),
  request: (core, request) => core.request(request.settings, request.seed),
  counts: (core, request) => ({ counts: core.counts(request.shape, request.texts) }),
  async generate(core, request) {
    core.continueNumbering(request.boardsNamed || 0);
    // The tool's words, or those of the page's settings with a seed.
    const words = request.words || core.request(request.settings, request.seed).words;
    const board = core.generate(words);
    board.words = words;
    if (!board.made) return { board };
    // The same board made again under the name it had (its texts in another language).
    if (request.keepName) board.name = request.keepName;
    board.title = core.displayName(board.name);
    return { board, drawing: await drawn(core, board, { ...request, zoom: board.zoom }) };
  },
  async open(core, request) {
    const board = core.open(request.name, request.bytes, request.settings);
    if (!board.made) return { board };
    board.title = core.displayName(board.name);
    return { board, drawing: await drawn(core, board, { ...request, zoom: board.zoom }) };
  },
  draw: async (core, request) => ({ drawing: await drawn(core, { file: request.file }, request) }),
};

self.onmessage = async (event) => {
  const request = event.data;
  let answer;
  try {
    const core = await ready;
    answer = await handlers[request.type](core, request);
  } catch (error) {
    // The core ran out of memory or trapped: the page says so and stays
    // usable, with a fresh core for the next request.
    answer = { error: 'The board could not be made: ' + String((error && error.message) || error) };
    ready = startCore();
  }
  answer.id = request.id;
  const drawing = answer.drawing;
  const transfer = drawing && drawing.ops ? [drawing.ops.buffer, drawing.texts.buffer] : [];
  if (drawing && drawing.overview) transfer.push(drawing.overview.bitmap);
  if (drawing && drawing.ops && request.svg) {
    // The picture for printing and the SVG export, made while the page shows the board.
    answer.svgFollows = true;
    const ops = drawing.ops.slice(), texts = drawing.texts.slice();
    self.postMessage(answer, transfer);
    const { boardSvg } = await loadPicture();
    self.postMessage({ id: request.id, svg: boardSvg({ width: drawing.width, height: drawing.height, ops, texts }, measureText) });
    return;
  }
  self.postMessage(answer, transfer);
};

// Text widths for the SVG's text backgrounds, from the worker's own canvas.
const measureCanvas = typeof OffscreenCanvas === 'function' ? new OffscreenCanvas(1, 1).getContext('2d') : null;
function measureText(font, text) {
  if (!measureCanvas) return text.length * font.size * 0.6;
  measureCanvas.font = font.css;
  return measureCanvas.measureText(text).width;
}
