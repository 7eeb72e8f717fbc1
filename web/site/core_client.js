// The page's side of the worker that owns the core (worker.js). The page
// loads this module first and on its own, so that the worker, and with it
// the WebAssembly core, starts loading beside the page's other modules.

const worker = new Worker('worker.js');
const waiting = new Map();
let nextId = 1;
let stopped = () => {};

worker.onmessage = (event) => {
  const answer = event.data;
  const entry = waiting.get(answer.id);
  if (!entry) return;
  if (answer.svg !== undefined) {
    waiting.delete(answer.id);
    entry.svg(answer.svg);
  } else {
    if (!answer.svgFollows) waiting.delete(answer.id);
    entry.resolve(answer);
  }
};
worker.onerror = (event) => {
  event.preventDefault();
  stopped(event.message);
};

// handler(reason) hears when the worker itself fails (not a request).
export function whenCoreStops(handler) {
  stopped = handler;
}

// Sends a request; svg (when given) receives the board's SVG text later.
export function ask(request, svg) {
  const id = nextId++;
  return new Promise((resolve) => {
    waiting.set(id, { resolve, svg: svg || (() => {}) });
    worker.postMessage({ ...request, id, svg: Boolean(svg), dpr: window.devicePixelRatio || 1 });
  });
}
