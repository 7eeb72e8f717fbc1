// What the browser tests share: the built site served on loopback, and
// Debian's Chromium, headless, driven by playwright-core.
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { chromium } = require('playwright-core');
const serve = require('../../web/serve.js');

const root = path.join(__dirname, '..', '..');
const site = path.join(root, 'build-web', 'site');

// Serves the site (or another built site's folder) on a free loopback port:
// its address, and stop(), which also cuts the connections the browser keeps open.
function startSite(onServed, folder = site) {
  return new Promise((resolve) => {
    const server = serve(folder, 0, (port) => resolve({
      url: `http://127.0.0.1:${port}/`,
      stop: () => new Promise((done) => {
        if (!server.listening) return done();
        server.close(() => done());
        server.closeAllConnections();
      }),
    }), onServed);
  });
}

// Chromium as root on a closed network: no sandbox, nothing fetched from
// outside, a profile of its own that is removed afterwards.
async function startBrowser(options = {}) {
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vornia-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.VORNIA_CHROMIUM || '/usr/bin/chromium',
    headless: true,
    acceptDownloads: true,
    args: ['--no-sandbox', '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--no-first-run', '--disable-quic', '--disable-gpu'],
    viewport: { width: 1280, height: 800 },
    ...options,
  });
  const close = async () => {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { context, close };
}

// A page that fails the test on any uncaught exception, console error or
// breach of the page's Content-Security-Policy.
async function watchedPage(context) {
  const page = await context.newPage();
  page.problems = [];
  await page.addInitScript(() => document.addEventListener('securitypolicyviolation', (e) =>
    console.error(`CSP: ${e.violatedDirective} refused ${e.blockedURI || 'inline code'}`)));
  page.on('pageerror', (error) => page.problems.push('uncaught: ' + error.message));
  page.on('console', (message) => {
    if (message.type() === 'error') page.problems.push('console: ' + message.text());
  });
  return page;
}

// The status line as the player reads it.
async function statusOf(page) {
  return page.evaluate(() => ({
    name: document.getElementById('lblBoardName').textContent.trim(),
    panels: [...document.querySelectorAll('#lstPanels li')].map((li) => li.textContent),
    balance: document.getElementById('lblBalance').textContent,
    message: document.getElementById('lblMessage').hidden ? '' : document.getElementById('lblMessage').textContent,
  }));
}

// A catalogue of translations/ as the player's texts in that language:
// tr(context, source) is the finished translation, or undefined.
function catalogue(language) {
  const text = fs.readFileSync(path.join(root, 'translations', `vornia_${language}.ts`), 'utf8');
  const unescape = (t) => t.replace(/&lt;/g, '<').replace(/&gt;/g, '>').replace(/&quot;/g, '"').replace(/&apos;/g, "'")
    .replace(/&#x([0-9a-f]+);/gi, (m, hex) => String.fromCodePoint(parseInt(hex, 16))).replace(/&amp;/g, '&');
  const texts = new Map();
  for (const [, context, body] of text.matchAll(/<context>\s*<name>(.*?)<\/name>([\s\S]*?)<\/context>/g)) {
    for (const [, source, translation] of body.matchAll(/<source>([\s\S]*?)<\/source>[\s\S]*?<translation>([\s\S]*?)<\/translation>/g))
      texts.set(context + '\n' + unescape(source), unescape(translation));
  }
  const tr = (context, source) => texts.get(context + '\n' + source);
  tr.format = (context, source, ...args) => tr(context, source).replace(/%(\d)/g, (m, n) => args[n - 1]);
  return tr;
}

module.exports = { root, site, startSite, startBrowser, watchedPage, statusOf, catalogue };
