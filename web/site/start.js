// The worker, and with it the WebAssembly core, starts loading at once,
// beside the page's own modules.
window.coreWorker = new Worker('worker.js');
