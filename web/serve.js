// A static file server for the built site on loopback, for scripts/web.sh
// --serve and the browser tests: node serve.js SITE_DIR PORT. With PORT 0 it
// picks a free port; it prints the address once it listens.
'use strict';
const fs = require('fs');
const http = require('http');
const path = require('path');
const zlib = require('zlib');

const types = {
  '.html': 'text/html; charset=utf-8',
  '.js': 'text/javascript; charset=utf-8',
  '.css': 'text/css; charset=utf-8',
  '.wasm': 'application/wasm',
  '.json': 'application/json',
  '.webmanifest': 'application/manifest+json',
  '.svg': 'image/svg+xml',
  '.png': 'image/png',
  '.txt': 'text/plain; charset=utf-8',
};

// onServed(name, bytes), when given, hears of every file sent and its size on the wire.
function serve(site, port, onListening, onServed) {
  const root = path.resolve(site);
  const packed = new Map(); // file -> { time, data }: each file compressed once
  const server = http.createServer((request, response) => {
    const name = decodeURIComponent(new URL(request.url, 'http://x').pathname);
    const file = path.join(root, name.endsWith('/') ? name + 'index.html' : name);
    if (!file.startsWith(root + path.sep)) {
      response.writeHead(403).end();
      return;
    }
    fs.readFile(file, (error, data) => {
      if (!error && fs.statSync(file).isDirectory()) error = new Error('a folder');
      if (error) {
        response.writeHead(404, { 'Content-Type': 'text/plain' }).end('not found');
        return;
      }
      const headers = { 'Content-Type': types[path.extname(file)] || 'application/octet-stream', 'Cache-Control': 'no-cache' };
      if (/\bgzip\b/.test(request.headers['accept-encoding'] || '')) {
        const time = fs.statSync(file).mtimeMs;
        let kept = packed.get(file);
        if (!kept || kept.time !== time) packed.set(file, (kept = { time, data: zlib.gzipSync(data, { level: 9 }) }));
        data = kept.data;
        headers['Content-Encoding'] = 'gzip';
      }
      response.writeHead(200, headers).end(data);
      if (onServed) onServed(name, data.length);
    });
  });
  server.listen(port, '127.0.0.1', () => onListening && onListening(server.address().port));
  return server;
}

module.exports = serve;

if (require.main === module) {
  const [site, port] = process.argv.slice(2);
  serve(site, Number(port || 8080), (p) => console.log(`http://127.0.0.1:${p}/`));
}
