// The board's drawing as the core recorded it (see web/display_list.h),
// replayed onto a 2D canvas (the view, the PNG export) or written as SVG
// text. The page and the worker both import it.

const Op = { Group: 1, Pen: 2, Brush: 3, Font: 4, Rect: 5, Lines: 6, Polygon: 7, Ellipse: 8, Text: 9 };
const decoder = new TextDecoder('utf-8');

const css = (rgb) => '#' + (rgb & 0xffffff).toString(16).padStart(6, '0');

// The painter names the desktop's fonts, which are the usual Windows sans
// serifs; Liberation Sans has their metrics, Arial and Helvetica stand in.
const Family = '"Liberation Sans", Arial, Helvetica, sans-serif';
const fonts = new Map();
function fontOf(size, bold, color) {
  const key = `${size}/${bold}/${color}`;
  let font = fonts.get(key);
  if (!font) {
    font = { family: Family, size, bold, color, css: `${bold ? 'bold ' : ''}${size}px ${Family}` };
    fonts.set(key, font);
  }
  return font;
}

// The text at a byte range of the drawing's texts, decoded once.
function textAt(drawing, start, length) {
  const cache = drawing.textCache || (drawing.textCache = new Map());
  let text = cache.get(start);
  if (text === undefined) {
    text = decoder.decode(drawing.texts.subarray(start, start + length));
    cache.set(start, text);
  }
  return text;
}

// Walks the operations, handing each drawing one to the visitor with the
// pen, brush and font it uses. view (board pixels {x, y, w, h}) skips the
// plates outside it; transparent leaves out the background.
function walk(drawing, visitor, { view = null, transparent = false } = {}) {
  const ops = drawing.ops;
  const state = { pen: { color: '#000000', width: 1 }, brush: '#ffffff', font: fontOf(11, false, '#000000') };
  let grouped = false;
  for (let i = 0; i < ops.length;) {
    switch (ops[i]) {
      case Op.Group:
        grouped = true;
        if (view && (ops[i + 3] < view.x || ops[i + 1] > view.x + view.w || ops[i + 4] < view.y || ops[i + 2] > view.y + view.h)) {
          i = ops[i + 5];
        } else {
          i += 6;
        }
        break;
      case Op.Pen: state.pen = { color: css(ops[i + 1]), width: ops[i + 2] }; i += 3; break;
      case Op.Brush: state.brush = css(ops[i + 1]); i += 2; break;
      case Op.Font:
        state.font = fontOf(ops[i + 3], ops[i + 4] !== 0, css(ops[i + 5]));
        i += 6;
        break;
      case Op.Rect:
        if (grouped || !transparent) visitor.rect(state, ops[i + 1], ops[i + 2], ops[i + 3], ops[i + 4]);
        i += 5;
        break;
      case Op.Lines: {
        const count = ops[i + 2];
        visitor.lines(state, ops.subarray(i + 3, i + 3 + 2 * count), ops[i + 1] !== 0);
        i += 3 + 2 * count;
        break;
      }
      case Op.Polygon: {
        const count = ops[i + 1];
        visitor.polygon(state, ops.subarray(i + 2, i + 2 + 2 * count));
        i += 2 + 2 * count;
        break;
      }
      case Op.Ellipse: visitor.ellipse(state, ops[i + 1], ops[i + 2], ops[i + 3], ops[i + 4]); i += 5; break;
      case Op.Text:
        if (!visitor.skipText || !visitor.skipText(state)) visitor.text(state, ops[i + 1], ops[i + 2], textAt(drawing, ops[i + 3], ops[i + 4]));
        i += 5;
        break;
      default: throw new Error('damaged drawing at ' + i);
    }
  }
}

// Ascent and height of a font as the canvas measures them, kept per font.
const fontBoxes = new Map();
function fontBox(context, font) {
  let box = fontBoxes.get(font.css);
  if (!box) {
    context.font = font.css;
    const m = context.measureText('Hg');
    const ascent = m.fontBoundingBoxAscent || font.size * 0.905;
    box = { ascent, height: ascent + (m.fontBoundingBoxDescent || font.size * 0.212) };
    fontBoxes.set(font.css, box);
  }
  return box;
}

// options.scale: screen pixels per board pixel. Seen from far out (a whole
// large board), what would be specks is left out: texts smaller than
// options.minTextPixels, outlines thinner than a third of a pixel and
// tokens smaller than two pixels.
export function replay(context, drawing, options = {}) {
  const scale = options.scale || 1;
  const lod = Boolean(options.minTextPixels);
  const far = lod && scale < 1 / 6; // no outline is thick enough to show
  context.lineCap = 'round';
  context.lineJoin = 'round';
  // From far out the hexagons, then the tokens, are filled a colour at a
  // time, in one path each: hexagons do not overlap, and no outline or
  // text shows there.
  const batches = far ? new Map() : null;
  const tokens = far ? new Map() : null;
  const batchOf = (map, color) => map.get(color) || map.set(color, new Path2D()).get(color);
  const path = (points, closed) => {
    context.beginPath();
    context.moveTo(points[0], points[1]);
    for (let k = 2; k < points.length; k += 2) context.lineTo(points[k], points[k + 1]);
    if (closed) context.closePath();
  };
  walk(drawing, {
    rect(s, x1, y1, x2, y2) {
      context.fillStyle = s.brush;
      context.fillRect(x1, y1, x2 - x1, y2 - y1);
    },
    lines(s, points, closed) {
      if (lod && s.pen.width * scale < 1 / 3) return;
      path(points, closed);
      context.strokeStyle = s.pen.color;
      context.lineWidth = s.pen.width;
      context.stroke();
    },
    polygon(s, points) {
      if (batches) {
        const batch = batchOf(batches, s.brush);
        batch.moveTo(points[0], points[1]);
        for (let k = 2; k < points.length; k += 2) batch.lineTo(points[k], points[k + 1]);
        batch.closePath();
        return;
      }
      path(points, true);
      context.fillStyle = s.brush;
      context.fill();
    },
    ellipse(s, x1, y1, x2, y2) {
      if (lod && (x2 - x1) * scale < 2) return;
      const inset = Math.max(1, s.pen.width) / 2;
      if (tokens) {
        const token = batchOf(tokens, s.brush);
        token.moveTo(x2, (y1 + y2) / 2);
        token.ellipse((x1 + x2) / 2, (y1 + y2) / 2, (x2 - x1) / 2, (y2 - y1) / 2, 0, 0, 2 * Math.PI);
        return;
      }
      context.beginPath();
      context.ellipse((x1 + x2) / 2, (y1 + y2) / 2, Math.max(0, (x2 - x1) / 2 - inset), Math.max(0, (y2 - y1) / 2 - inset), 0, 0, 2 * Math.PI);
      context.fillStyle = s.brush;
      context.fill();
      context.strokeStyle = s.pen.color;
      context.lineWidth = s.pen.width;
      context.stroke();
    },
    skipText: (s) => lod && s.font.size * scale < options.minTextPixels,
    text(s, x, y, text) {
      const box = fontBox(context, s.font);
      context.font = s.font.css;
      context.fillStyle = s.brush;
      context.fillRect(x, y, context.measureText(text).width, box.height);
      context.fillStyle = s.font.color;
      context.fillText(text, x, y + box.ascent);
    },
  }, options);
  for (const map of far ? [batches, tokens] : []) {
    for (const [color, batch] of map) {
      context.fillStyle = color;
      context.fill(batch);
    }
  }
}

// Characters XML cannot hold become U+FFFD; markup is escaped.
function xmlText(text) {
  return text
    .replace(/[^\t\n\r\u0020-\uD7FF\uE000-\uFFFD\u{10000}-\u{10FFFF}]/gu, '\uFFFD')
    .replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;').replace(/"/g, '&quot;');
}

// The whole board as an SVG document, without its background.
// measure(font, text) gives a text's width in pixels.
export function boardSvg(drawing, measure) {
  const parts = [];
  const points = (p) => Array.from(p).join(' ');
  walk(drawing, {
    rect: (s, x1, y1, x2, y2) => parts.push(`<rect x="${x1}" y="${y1}" width="${x2 - x1}" height="${y2 - y1}" fill="${s.brush}"/>`),
    lines: (s, p, closed) => parts.push(`<${closed ? 'polygon' : 'polyline'} points="${points(p)}" fill="none" stroke="${s.pen.color}" stroke-width="${s.pen.width}" stroke-linecap="round" stroke-linejoin="round"/>`),
    polygon: (s, p) => parts.push(`<polygon points="${points(p)}" fill="${s.brush}"/>`),
    ellipse(s, x1, y1, x2, y2) {
      const inset = Math.max(1, s.pen.width) / 2;
      parts.push(`<ellipse cx="${(x1 + x2) / 2}" cy="${(y1 + y2) / 2}" rx="${Math.max(0, (x2 - x1) / 2 - inset)}" ry="${Math.max(0, (y2 - y1) / 2 - inset)}" fill="${s.brush}" stroke="${s.pen.color}" stroke-width="${s.pen.width}"/>`);
    },
    text(s, x, y, text) {
      const f = s.font;
      const height = Math.round(f.size * 1.15);
      parts.push(`<rect x="${x}" y="${y}" width="${measure(f, text).toFixed(1)}" height="${height}" fill="${s.brush}"/>` +
        `<text x="${x}" y="${(y + f.size * 0.905).toFixed(1)}" font-family="${xmlText(f.family)}" font-size="${f.size}"${f.bold ? ' font-weight="bold"' : ''} fill="${f.color}">${xmlText(text)}</text>`);
    },
  }, { transparent: true });
  return `<?xml version="1.0" encoding="UTF-8"?>\n<svg xmlns="http://www.w3.org/2000/svg" width="${drawing.width}" height="${drawing.height}" viewBox="0 0 ${drawing.width} ${drawing.height}">\n` +
    parts.join('\n') + '\n</svg>\n';
}
