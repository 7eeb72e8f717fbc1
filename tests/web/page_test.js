// The page in headless Chromium against the site served on loopback: a
// board from its link and again from the link the page wrote; download,
// open and download again against the tool's bytes; the SVG export's fills
// against the tool's PNG; bad links and hostile files; the phone size and
// axe-core, light and dark; the page in German and French; recent boards
// and a typed board number; an offline reload. Any uncaught exception or
// console error fails.
//
// node tests/web/page_test.js [path of the native vornia-cli]
'use strict';
const assert = require('assert');
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { root, startSite, startBrowser, watchedPage, statusOf, catalogue } = require('./browser.js');

const golden = path.join(root, 'tests', 'data', 'golden');
const cli = process.argv[2] || path.join(root, 'build', 'cli', 'vornia-cli');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'vornia-web-'));

// A golden case: its link, its printed lines and its board file.
function goldenCase(name, link) {
  const out = fs.readFileSync(path.join(golden, name + '.out'), 'utf8').split('\n')
    .filter((l) => l.startsWith('out: ')).map((l) => l.slice(5));
  return { link, lines: out, file: path.join(golden, name + '.mirl') };
}
const dogLeg = goldenCase('05-dog-leg-low-50', '#shape=dog%20leg&mass=low&zoom=50&seed=1185');
// The link as the page writes it: the generator's version first.
const written = (link) => '#v=1&' + link.slice(1);

async function ready(page) {
  await page.waitForFunction(() => document.body.dataset.ready === 'true' && document.body.getAttribute('aria-busy') !== 'true');
}
async function lines(page) {
  const s = await statusOf(page);
  return [s.name, ...s.panels, s.message];
}
// The blue pixels of the board on the screen (water, in colour), and all
// that are not the panel's white or grey.
async function canvasColours(page) {
  await page.evaluate(() => new Promise((done) => requestAnimationFrame(() => requestAnimationFrame(done))));
  return page.evaluate(() => {
    const canvas = document.getElementById('imgBoard');
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let blue = 0, drawn = 0;
    for (let i = 0; i < data.length; i += 4) {
      if (data[i + 3] === 0) continue;
      if (data[i + 2] > 150 && data[i] < 100 && data[i + 1] < 100) ++blue;
      if (data[i] < 200) ++drawn;
    }
    return { blue, drawn };
  });
}
async function download(page, button) {
  const [file] = await Promise.all([page.waitForEvent('download'), page.click(button)]);
  return fs.readFileSync(await file.path());
}

const checks = {
  async 'a board from its link, and from the link the page writes'(page, url) {
    await page.goto(url + dogLeg.link);
    await ready(page);
    assert.deepStrictEqual((await lines(page)).slice(0, 5), dogLeg.lines.slice(0, 5));
    assert.strictEqual(await page.inputValue('#cboShape'), 'dog leg');
    assert.strictEqual(await page.inputValue('#cboZoom'), '50');
    // N makes a new board with a seed of its own in the address...
    await page.locator('#pnlImage').focus();
    await page.keyboard.press('n');
    await page.waitForFunction((old) => location.hash !== old, written(dogLeg.link));
    await ready(page);
    const link = new URL(page.url()).hash;
    assert.match(link, /&seed=\d+$/);
    const made = await lines(page);
    assert.strictEqual(made[0], '[New dog leg 2]'); // the second board of the visit
    const bytes = await download(page, '#btnDownload');
    // ...and Alt+Left goes back to the first.
    await page.keyboard.press('Alt+ArrowLeft');
    await page.waitForFunction((l) => location.hash === l, written(dogLeg.link));
    await page.waitForFunction((n) => document.getElementById('lblBoardName').textContent === n, dogLeg.lines[0]);
    // The written link, opened afresh, makes the same board.
    const again = await page.context().newPage();
    await again.goto(url + link);
    await ready(again);
    assert.deepStrictEqual(await lines(again), ['[New dog leg 1]', ...made.slice(1)]);
    assert.ok(bytes.equals(await download(again, '#btnDownload')), 'the link remade other bytes');
    await again.close();
  },

  async 'a link of another version gives its board with a line that says so; one without v is version 1'(page, url) {
    await page.goto(url + '#v=2&' + dogLeg.link.slice(1));
    await ready(page);
    let status = await statusOf(page);
    assert.deepStrictEqual([status.name, ...status.panels], dogLeg.lines.slice(0, 5));
    assert.strictEqual(status.message, 'This link was made by another version; the board may differ from the one shared.');
    assert.strictEqual(new URL(page.url()).hash, written(dogLeg.link), 'the board\'s own link');
    const again = await page.context().newPage();
    await again.goto(url + dogLeg.link);
    await ready(again);
    status = await statusOf(again);
    assert.deepStrictEqual([status.name, ...status.panels, status.message], [...dogLeg.lines.slice(0, 5), '']);
    await again.close();
  },

  async 'black and white: a link draws its board so, the box redraws the board shown'(page, url) {
    // The README's example link.
    await page.goto(url + '#shape=dog%20leg&mass=high&counts=Brick=5,Grain=4&fair=red,pips&zoom=75&bw=1&seed=42');
    await ready(page);
    assert.strictEqual((await statusOf(page)).name, '[New dog leg 1]');
    assert.ok(await page.isChecked('#chkBlackAndWhite'));
    let colours = await canvasColours(page);
    assert.ok(colours.drawn > 1000 && colours.blue === 0, JSON.stringify(colours));

    await page.goto(url + dogLeg.link);
    await ready(page);
    colours = await canvasColours(page);
    assert.ok(colours.blue > 1000, JSON.stringify(colours));
    const entries = await page.evaluate(() => history.length);
    const before = await lines(page);
    await page.check('#chkBlackAndWhite');
    await page.waitForFunction(() => location.hash.endsWith('&bw=1&seed=1185'));
    await ready(page);
    colours = await canvasColours(page);
    assert.ok(colours.drawn > 1000 && colours.blue === 0, JSON.stringify(colours));
    assert.deepStrictEqual(await lines(page), before, 'another board');
    assert.strictEqual(await page.evaluate(() => history.length), entries, 'a new history entry');
    assert.ok((await download(page, '#btnDownload')).equals(fs.readFileSync(dogLeg.file)), 'another board file');
    // New board keeps drawing in black and white.
    await page.click('#btnNewBoard');
    await page.waitForFunction((old) => document.getElementById('lblBoardName').textContent !== old, before[0]);
    await ready(page);
    const name = (await statusOf(page)).name;
    assert.strictEqual((await canvasColours(page)).blue, 0);
    await page.uncheck('#chkBlackAndWhite');
    await page.waitForFunction(() => !location.hash.includes('bw='));
    assert.ok((await canvasColours(page)).blue > 1000, 'no colours again');
    assert.strictEqual((await statusOf(page)).name, name);
  },

  async 'corner pips: a link draws them with the tool\'s score, the box takes them off'(page, url) {
    const tool = JSON.parse(execFileSync(cli, ['analyse', '--json', dogLeg.file], { encoding: 'utf8' }));
    const best = tool.bestCorners.map((corner) => corner.pips).join(', ');
    await page.goto(url + dogLeg.link.replace('&seed=', '&corners=1&seed='));
    await ready(page);
    assert.ok(await page.isChecked('#chkCornerPips'));
    assert.strictEqual(await page.textContent('#lblAnalysis'), `Score: ${tool.score} of 100 \u00b7 Best corners: ${best} pips`);
    const withPips = await canvasColours(page);
    await page.uncheck('#chkCornerPips');
    await page.waitForFunction(() => !location.hash.includes('corners='));
    await ready(page);
    assert.strictEqual(await page.textContent('#lblAnalysis'), '');
    // The discs hide some water and add their own blues.
    assert.notDeepStrictEqual(await canvasColours(page), withPips);
  },

  async 'download, open and download again give the tool\'s bytes'(page, url) {
    await page.goto(url + dogLeg.link);
    await ready(page);
    const bytes = await download(page, '#btnDownload');
    assert.ok(bytes.equals(fs.readFileSync(dogLeg.file)), 'downloaded bytes differ from the tool\'s');
    const saved = path.join(work, 'dog.mirl');
    fs.writeFileSync(saved, bytes);
    await page.setInputFiles('#edtOpen', saved);
    await page.waitForFunction(() => document.getElementById('lblBoardName').textContent === '[dog.mirl]');
    assert.ok(bytes.equals(await download(page, '#btnDownload')), 'the opened board saves other bytes');
  },

  async 'the SVG export fills each hex as the tool\'s PNG does'(page, url) {
    const png = path.join(work, 'tool.png');
    execFileSync(cli, ['render', dogLeg.file, '--png', png]);
    await page.goto(url + dogLeg.link);
    await ready(page);
    const svg = (await download(page, '#btnExportSvg')).toString('utf8');
    const wrong = await page.evaluate(async ({ svg, png }) => {
      const image = new Image();
      image.src = 'data:image/png;base64,' + png;
      await image.decode();
      const canvas = Object.assign(document.createElement('canvas'), { width: image.width, height: image.height });
      const context = canvas.getContext('2d');
      context.drawImage(image, 0, 0);
      const hexes = [...new DOMParser().parseFromString(svg, 'image/svg+xml').querySelectorAll('polygon[fill]:not([fill="none"])')];
      const wrong = [];
      for (const hex of hexes) {
        // The fill point: half a half-width right of the upper-left corner.
        const p = hex.getAttribute('points').split(' ').map(Number);
        const [x, y] = [p[0] + Math.floor((p[2] - p[0]) / 2), p[1]];
        const [r, g, b] = context.getImageData(x, y, 1, 1).data;
        const tool = '#' + [r, g, b].map((v) => v.toString(16).padStart(2, '0')).join('');
        if (tool !== hex.getAttribute('fill')) wrong.push(`${x},${y}: ${hex.getAttribute('fill')} against ${tool}`);
      }
      return hexes.length ? wrong : ['no hexes in the SVG'];
    }, { svg, png: fs.readFileSync(png).toString('base64') });
    assert.deepStrictEqual(wrong, []);
  },

  async 'bad links and hostile files: one line, nothing made, the page usable'(page, url) {
    await page.goto(url + dogLeg.link);
    await ready(page);
    // The core's messages (tests/web/test_web_link.cpp holds them all).
    const links = {
      '#shape=nonsense&seed=1': 'This link names an unknown shape, "nonsense".',
      '#seed=abc': 'This link\'s board number, "abc", is not a number from 0 to 86399999.',
      '#<script>alert(1)</script>': 'This link holds a word this page does not know, "<script>alert(1)</script>".',
    };
    for (const [link, message] of Object.entries(links)) {
      await page.evaluate((l) => { location.hash = l; }, link);
      await page.waitForFunction((m) => document.getElementById('lblMessage').textContent === m, message);
      assert.strictEqual((await statusOf(page)).name, dogLeg.lines[0], link + ' changed the board');
      assert.ok(await page.isVisible('#btnMessageNewBoard'), 'no New board beside ' + link);
    }
    const files = {
      'binary.mirl': Buffer.from([0, 1, 2, 0xff, 0xfe, 10, 13, 0x5b, 0x5d]),
      'damaged.mirl': Buffer.from('[settings]\r\nplateCount=99999999999\r\nplate[0]=Brick;x;;\r\n'),
      'far.mirl': Buffer.from('[settings]\r\nplateCount=2\r\nzoomSize=100\r\nplate[0]=Brick;2147483647;-2147483648;6;;;0;\r\nplate[1]=Water;0;0;;Ore;2:1;9;\r\n'),
    };
    for (const [name, bytes] of Object.entries(files)) {
      await page.evaluate(() => { document.getElementById('lblMessage').textContent = ''; });
      await page.setInputFiles('#edtOpen', { name, mimeType: 'application/octet-stream', buffer: bytes });
      await page.waitForFunction((n) => document.getElementById('lblBoardName').textContent === `[${n}]` ||
        document.getElementById('lblMessage').textContent === 'Sorry, this file holds no board.', name);
    }
    await page.click('#btnNewBoard');
    await page.waitForFunction(() => /^\[New /.test(document.getElementById('lblBoardName').textContent));
  },

  async 'a changed setting makes the board shown again from its seed, as a new entry; names go on after a reload'(page, url) {
    await page.goto(url + dogLeg.link);
    await ready(page);
    const entries = await page.evaluate(() => history.length);
    await page.check('#chkFair_red');
    await page.waitForFunction(() => location.hash === '#v=1&shape=dog%20leg&mass=low&fair=red&zoom=50&seed=1185');
    await ready(page);
    const status = await statusOf(page);
    assert.strictEqual(status.name, '[New dog leg 2]');
    assert.strictEqual(status.panels[0], 'shape: dog leg (fair)');
    assert.match(status.balance, /pairs red=0 /);
    assert.strictEqual(await page.evaluate(() => history.length), entries + 1);
    // The tool makes the same board from those words.
    const out = path.join(work, 'fair.mirl');
    execFileSync(cli, ['generate', '--shape', 'dog leg', '--mass', 'low', '--fair', 'red', '--zoom', '50', '--seed', '1185',
      '--out', out]);
    assert.ok((await download(page, '#btnDownload')).equals(fs.readFileSync(out)), 'not the board of the link');
    // Back: the board before the change, with its settings.
    await page.click('#btnBack');
    await page.waitForFunction((n) => document.getElementById('lblBoardName').textContent === n, dogLeg.lines[0]);
    assert.ok(!(await page.isChecked('#chkFair_red')), 'the rule stays ticked');
    // After a reload the visit's numbering goes on.
    await page.reload();
    await ready(page);
    await page.click('#btnNewBoard');
    await page.waitForFunction(() => document.getElementById('lblBoardName').textContent === '[New dog leg 3]');
  },

  async 'the piece sets: a pieces=5-6 link, the dialog\'s players\' buttons, and the link the page writes'(page, url) {
    const pieces = goldenCase('65-cross-medium-75-pieces-counts',
      '#shape=cross&mass=medium&pieces=5-6&counts=pieSeven=2&zoom=75&seed=3368');
    await page.goto(url + pieces.link);
    await ready(page);
    assert.ok((await download(page, '#btnDownload')).equals(fs.readFileSync(pieces.file)), 'not the tool\'s board');
    assert.strictEqual(new URL(page.url()).hash, written(pieces.link));
    // 3–4 Players: the defaults again, so the link writes no counts.
    await page.click('#btnPieces');
    assert.strictEqual(await page.inputValue('#edt_Grain'), '6');
    await page.click('#btnPieces_3-4');
    assert.strictEqual(await page.inputValue('#edt_Grain'), '4');
    await page.click('#btnOk');
    await page.waitForFunction(() => location.hash === '#v=1&shape=cross&mass=medium&zoom=75&seed=3368');
    // 5–6 Players and one count more: the set and the count.
    await page.click('#btnPieces');
    await page.click('#btnPieces_5-6');
    await page.fill('#edt_pieSeven', '2');
    await page.click('#btnOk');
    await page.waitForFunction(() => location.hash === '#v=1&shape=cross&mass=medium&pieces=5-6&counts=pieSeven=2&zoom=75&seed=3368');
    // The core's rules: too few dice are asked about, and the dialog stays
    // open when the answer is no.
    await page.click('#btnPieces');
    await page.fill('#edt_pieTwo', '0');
    await page.fill('#edt_Brick', '9');
    const question = 'There are not enough dice tiles to cover all the land pieces that will be used (32). Continue?';
    await page.waitForFunction((q) => document.getElementById('lblDiceWarning').textContent === q, question);
    const asked = new Promise((resolve) => page.once('dialog', (d) => d.dismiss().then(() => resolve(d.message()))));
    await page.click('#btnOk');
    assert.strictEqual(await asked, question);
    assert.ok(await page.isVisible('#frmPieces'), 'the dialog closed on no');
    await page.click('#btnCancel');
    // Enter in the dialog is still OK, and Tab reaches the sets after OK.
    await page.click('#btnPieces');
    await page.focus('#btnOk');
    await page.keyboard.press('Tab');
    assert.strictEqual(await page.evaluate(() => document.activeElement.id), 'btnPieces_3-4');
    await page.keyboard.press('Escape');
  },

  async 'a large board fits on a phone'(page, url) {
    await page.setViewportSize({ width: 360, height: 640 });
    await page.goto(url + '#shape=large%20traditional&seed=1');
    await ready(page);
    assert.strictEqual((await statusOf(page)).name, '[New large traditional 1]');
    assert.ok(await page.evaluate(() => document.documentElement.scrollWidth <= 360), 'the page scrolls sideways');
    // The whole board in the panel: the corners of the canvas are the panel's, its middle is drawn.
    const colours = await canvasColours(page);
    assert.ok(colours.blue > 1000, JSON.stringify(colours));
    const edge = await page.evaluate(() => {
      const canvas = document.getElementById('imgBoard');
      const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, 1).data;
      return data.filter((v, i) => i % 4 === 2 && v > 150 && data[i - 2] < 100).length;
    });
    assert.strictEqual(edge, 0, 'water at the panel\'s top edge: the board is cut');
  },

  async 'the Open control shows the focus ring when reached with Tab'(page, url) {
    await page.goto(url + dogLeg.link);
    await ready(page);
    await page.focus('#btnDownload');
    await page.keyboard.press('Tab');
    const ring = await page.evaluate(() => [document.activeElement.id,
      getComputedStyle(document.querySelector('label[for="edtOpen"]')).outlineStyle]);
    assert.deepStrictEqual(ring, ['edtOpen', 'solid']);
  },

  async 'the phone size: no sideways scrolling, controls to touch, axe-core clean'(page, url) {
    const small = page;
    await small.setViewportSize({ width: 360, height: 640 });
    await small.goto(url + dogLeg.link);
    await ready(small);
    assert.ok(await small.evaluate(() => document.documentElement.scrollWidth <= 360), 'the page scrolls sideways');
    const tooSmall = await small.evaluate(() => [...document.querySelectorAll('button, select, .button')]
      .filter((e) => e.offsetParent && e.getBoundingClientRect().height < 40).map((e) => e.id || e.textContent));
    assert.deepStrictEqual(tooSmall, []);
    // The foot names the licences of what the page ships, each text a link away.
    const licences = await small.evaluate(() => Promise.all([...document.querySelectorAll('footer a')]
      .map(async (a) => [a.textContent, await (await fetch(a.href)).text()])));
    assert.deepStrictEqual(licences.map(([caption, text]) => [caption, /^MIT License|under the MIT licence/.test(text) &&
      text.includes('Permission is hereby granted')]), [['Licence text', true], ['Licence text', true]]);
    // Evaluated, not added as a script tag: the page allows no inline script.
    await small.evaluate(fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8'));
    const found = await small.evaluate(async () => (await window.axe.run(document)).violations
      .filter((v) => v.impact === 'serious' || v.impact === 'critical').map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
    assert.deepStrictEqual(found, []);
    await small.emulateMedia({ colorScheme: 'dark' });
    const dark = await small.evaluate(async () => (await window.axe.run(document)).violations
      .filter((v) => v.impact === 'serious' || v.impact === 'critical').map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
    assert.deepStrictEqual(dark, []);
  },

  async 'the page in German and French: its texts, a board\'s, a failure\'s and the labels from the catalogues'(_, url) {
    for (const language of ['de', 'fr']) {
      const tr = catalogue(language);
      const { context, close } = await startBrowser({ locale: language + '-CH' });
      try {
        const page = await watchedPage(context);
        await page.goto(url + dogLeg.link);
        await ready(page);
        // Every text index.html marks, shown in the language: none is left without a translation.
        const texts = await page.evaluate(async () => {
          const english = new DOMParser().parseFromString(await (await fetch('index.html')).text(), 'text/html');
          const shown = [...document.querySelectorAll('[data-tr], [data-tr-attr]')];
          const own = (e) => (e.dataset.tr === undefined ? [] : [...e.childNodes])
            .filter((n) => n.nodeType === Node.TEXT_NODE).map((n) => n.data.trim()).filter(Boolean);
          return [...english.querySelectorAll('[data-tr], [data-tr-attr]')].flatMap((e, i) => [
            ...own(e).map((text, j) => [e.dataset.tr || 'Page', text, own(shown[i])[j]]),
            ...(e.dataset.trAttr || '').split(' ').filter(Boolean).map((a) => [e.dataset.tr || 'Page', e.getAttribute(a), shown[i].getAttribute(a)]),
          ]);
        });
        assert.ok(texts.length > 30, 'marked texts: ' + texts.length);
        for (const [context, source, shown] of texts) assert.strictEqual(shown, tr(context, source), `${context}: ${source}`);
        assert.strictEqual(await page.textContent('#btnNewBoard'), tr('Page', 'New board'));
        assert.strictEqual(await page.textContent('#cboShape option[value="dog leg"]'), tr('Names', 'dog leg'));
        assert.strictEqual(await page.textContent('label[for="edt_Brick"]'), tr('TfrmCustomOptions', '&Brick:').replace('&', ''));
        // The controls the core describes, in the language too.
        assert.deepStrictEqual([await page.textContent('label[for="cboMass"]'), await page.textContent('#grpFair legend'),
          await page.textContent('#pnlCounts legend')], [tr('Page', 'Land mass'), tr('TfrmCustomOptions', 'Fair Board'),
          tr('TfrmCustomOptions', 'Land')]);
        const status = await statusOf(page);
        const plainWaters = dogLeg.lines[2].split(': ')[1];
        assert.deepStrictEqual([status.name, ...status.panels.slice(0, 3)], ['[' + tr.format('Names', 'New dog leg %1', 1) + ']',
          tr.format('Window', 'shape: %1', tr('Names', 'dog leg')), tr.format('Window', 'plain waters: %1', plainWaters),
          tr.format('Window', 'land mass: %1', tr('Names', 'low'))]);
        // The labels in the language once asked for, in every picture.
        const label = `>${tr('Labels', 'Grain')}<`;
        assert.ok(!(await download(page, '#btnExportSvg')).toString().includes(label));
        await page.check('#chkLocalLabels');
        await page.waitForFunction(() => document.body.getAttribute('aria-busy') !== 'true');
        assert.ok((await download(page, '#btnExportSvg')).toString().includes(label), 'no ' + label);
        await page.evaluate(() => { location.hash = '#shape=nonsense&seed=1'; });
        await page.waitForFunction((m) => document.getElementById('lblMessage').textContent === m,
          tr.format('Link', 'This link names an unknown shape, "%1".', 'nonsense'));
        if (language === 'de') {
          // Another language chosen in the page: the board shown keeps its name, in that language.
          await page.goto(url + dogLeg.link);
          await ready(page);
          const number = (await statusOf(page)).name.match(/ (\d+)\]$/)[1];
          await Promise.all([page.waitForEvent('load'), page.selectOption('#cboLanguage', 'fr')]);
          await ready(page);
          const fr = catalogue('fr');
          assert.strictEqual((await statusOf(page)).name, '[' + fr.format('Names', 'New dog leg %1', number) + ']');
          assert.strictEqual(await page.textContent('#btnNewBoard'), fr('Page', 'New board'));
          assert.ok((await download(page, '#btnDownload')).equals(fs.readFileSync(dogLeg.file)), 'another board');
        }
        assert.deepStrictEqual(page.problems, []);
      } finally {
        await close();
      }
    }
  },

  async 'a typed board number remakes the board of its link; Share hands the link to the share sheet'(page, url) {
    await page.addInitScript(() => {
      navigator.share = (data) => { window.shared = data; return Promise.resolve(); };
    });
    await page.goto(url + dogLeg.link);
    await ready(page);
    assert.strictEqual(await page.inputValue('#edtSeed'), '1185');
    await page.click('#btnShare');
    assert.deepStrictEqual(await page.evaluate(() => window.shared), { title: 'New dog leg 1', url: page.url() });
    await page.click('#btnNewBoard');
    await page.waitForFunction((l) => location.hash !== l, written(dogLeg.link));
    await ready(page);
    await page.fill('#edtSeed', '86400000');
    await page.press('#edtSeed', 'Enter');
    assert.match(await page.evaluate(() => document.getElementById('edtSeed').validationMessage), /86399999/);
    await page.fill('#edtSeed', '1185');
    await page.press('#edtSeed', 'Enter');
    await page.waitForFunction((l) => location.hash === l, written(dogLeg.link));
    await ready(page);
    assert.ok((await download(page, '#btnDownload')).equals(fs.readFileSync(dogLeg.file)), 'not the board of the link');
  },

  async 'recent boards: newest first, kept over a reload, reopened, cleared'(page, url) {
    await page.goto(url + dogLeg.link);
    await ready(page);
    await page.evaluate(() => localStorage.removeItem('vornia-generator.recent'));
    await page.goto(url + written(dogLeg.link).replace('seed=1185', 'seed=7'));
    await ready(page);
    await page.setInputFiles('#edtOpen', dogLeg.file);
    await page.waitForFunction(() => document.getElementById('lblBoardName').textContent === '[05-dog-leg-low-50.mirl]');
    await page.reload();
    await ready(page);
    const listed = async () => {
      await page.click('#btnRecent');
      return page.$$eval('#lstRecent .name', (names) => names.map((n) => n.textContent));
    };
    assert.deepStrictEqual(await listed(), ['[05-dog-leg-low-50.mirl]', '[New dog leg 2]']);
    await page.click('#lstRecent li:nth-child(2) button');
    await page.waitForFunction(() => location.hash.endsWith('&seed=7'));
    await ready(page);
    assert.deepStrictEqual(await listed(), ['[New dog leg 3]', '[05-dog-leg-low-50.mirl]']);
    await page.click('#lstRecent li:nth-child(2) button');
    await page.waitForFunction(() => document.getElementById('lblBoardName').textContent === '[05-dog-leg-low-50.mirl]');
    assert.ok((await download(page, '#btnDownload')).equals(fs.readFileSync(dogLeg.file)), 'another file');
    await page.click('#btnRecent');
    await page.click('#btnClearRecent');
    assert.ok(await page.isVisible('#lblNoRecent'));
    assert.deepStrictEqual(await page.$$eval('#lstRecent li', (l) => l.length), 0);
  },

  async 'an offline reload makes boards'(page, url, site) {
    await page.goto(url + dogLeg.link);
    await ready(page);
    await page.evaluate(() => navigator.serviceWorker.ready);
    await page.reload(); // now under the service worker
    await ready(page);
    await site.stop();
    await page.reload();
    await ready(page);
    assert.deepStrictEqual((await lines(page)).slice(0, 5), dogLeg.lines.slice(0, 5));
    await page.click('#btnNewBoard');
    await page.waitForFunction((l) => location.hash !== l, written(dogLeg.link));
    await ready(page);
    // The recent boards, kept offline too: the first board again from the list.
    await page.click('#btnRecent');
    assert.strictEqual(await page.textContent('#lstRecent li:nth-child(2) .name'), dogLeg.lines[0]);
    await page.click('#lstRecent li:nth-child(2) button');
    await page.waitForFunction((l) => location.hash === l, written(dogLeg.link));
  },
};

(async () => {
  const site = await startSite();
  const { context, close } = await startBrowser();
  let failed = 0, passed = 0;
  try {
    for (const [name, check] of Object.entries(checks)) {
      const page = await watchedPage(context);
      try {
        await check(page, site.url, site);
        assert.deepStrictEqual(page.problems, []);
        ++passed;
        console.log('ok: ' + name);
      } catch (error) {
        ++failed;
        console.log('FAILED: ' + name + '\n' + (error.stack || error));
      }
      await page.close();
    }
  } finally {
    await close();
    await site.stop();
    fs.rmSync(work, { recursive: true, force: true });
  }
  console.log(`page: ${passed} passed, ${failed} failed`);
  process.exit(failed ? 1 : 0);
})();
