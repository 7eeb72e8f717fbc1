// The board on the screen: a canvas the size of its panel at the device's
// pixel ratio, onto which only the plates in view are replayed. Dragging,
// the wheel, a pinch and the keys + - 0 and the arrows zoom and move it.

import { replay } from './picture.js';

const MinTextPixels = 4; // smaller texts are specks: left out while zoomed far out

export class BoardView {
  constructor(panel, canvas) {
    this.panel = panel;
    this.canvas = canvas;
    this.drawing = null;
    this.scale = 1; // screen pixels (CSS) per board pixel
    this.x = 0; // the board pixel at the panel's left edge
    this.y = 0;
    this.pointers = new Map();
    this.frame = 0;
    new ResizeObserver(() => this.redraw()).observe(panel);
    panel.addEventListener('pointerdown', (e) => this.pointerDown(e));
    panel.addEventListener('pointermove', (e) => this.pointerMove(e));
    for (const type of ['pointerup', 'pointercancel', 'pointerleave']) panel.addEventListener(type, (e) => this.pointers.delete(e.pointerId));
    panel.addEventListener('wheel', (e) => this.wheel(e), { passive: false });
    panel.addEventListener('keydown', (e) => this.key(e));
  }

  // A new drawing, fitted to the panel; null shows nothing.
  show(drawing) {
    this.drawing = drawing;
    this.fit();
  }

  fit() {
    if (this.drawing) {
      const { width, height } = this.panel.getBoundingClientRect();
      this.scale = Math.min(width / this.drawing.width, height / this.drawing.height, 2);
      this.x = -(width / this.scale - this.drawing.width) / 2;
      this.y = -(height / this.scale - this.drawing.height) / 2;
    }
    this.redraw();
  }

  zoomAt(factor, screenX, screenY) {
    if (!this.drawing) return;
    const { width, height } = this.panel.getBoundingClientRect();
    const fitted = Math.min(width / this.drawing.width, height / this.drawing.height);
    const scale = Math.min(Math.max(this.scale * factor, Math.min(fitted, 1) / 2), 8);
    this.x += screenX / this.scale - screenX / scale;
    this.y += screenY / this.scale - screenY / scale;
    this.scale = scale;
    this.redraw();
  }

  panBy(dx, dy) {
    this.x -= dx / this.scale;
    this.y -= dy / this.scale;
    this.redraw();
  }

  redraw() {
    if (!this.frame) this.frame = requestAnimationFrame(() => this.paint());
  }

  paint() {
    this.frame = 0;
    const ratio = window.devicePixelRatio || 1;
    const { width, height } = this.panel.getBoundingClientRect();
    const pixelsWide = Math.max(1, Math.round(width * ratio));
    const pixelsHigh = Math.max(1, Math.round(height * ratio));
    if (this.canvas.width !== pixelsWide || this.canvas.height !== pixelsHigh) {
      this.canvas.width = pixelsWide;
      this.canvas.height = pixelsHigh;
    }
    const context = this.canvas.getContext('2d');
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.clearRect(0, 0, pixelsWide, pixelsHigh);
    if (!this.drawing) return;
    const s = this.scale * ratio;
    context.setTransform(s, 0, 0, s, -this.x * s, -this.y * s);
    const overview = this.drawing.overview;
    if (overview && s <= overview.scale) {
      context.imageSmoothingQuality = 'high';
      context.drawImage(overview.bitmap, 0, 0, this.drawing.width, this.drawing.height);
      return;
    }
    const view = { x: this.x, y: this.y, w: width / this.scale, h: height / this.scale };
    replay(context, this.drawing, { view, scale: this.scale, minTextPixels: MinTextPixels });
  }

  pointerDown(e) {
    this.panel.setPointerCapture(e.pointerId);
    this.pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
  }

  pointerMove(e) {
    const last = this.pointers.get(e.pointerId);
    if (!last) return;
    if (this.pointers.size === 2) {
      // A pinch: the scale follows the distance between the two fingers.
      const [a, b] = [...this.pointers.entries()].map(([id, p]) => (id === e.pointerId ? { x: e.clientX, y: e.clientY } : p));
      const [c, d] = [...this.pointers.values()];
      const before = Math.hypot(c.x - d.x, c.y - d.y), after = Math.hypot(a.x - b.x, a.y - b.y);
      const box = this.panel.getBoundingClientRect();
      if (before > 0) this.zoomAt(after / before, (a.x + b.x) / 2 - box.left, (a.y + b.y) / 2 - box.top);
    } else {
      this.panBy(e.clientX - last.x, e.clientY - last.y);
    }
    this.pointers.set(e.pointerId, { x: e.clientX, y: e.clientY });
  }

  wheel(e) {
    e.preventDefault();
    const box = this.panel.getBoundingClientRect();
    this.zoomAt(Math.exp(-e.deltaY * (e.deltaMode === 1 ? 0.05 : 0.002)), e.clientX - box.left, e.clientY - box.top);
  }

  key(e) {
    if (e.altKey || e.ctrlKey || e.metaKey) return;
    const box = this.panel.getBoundingClientRect();
    const steps = { ArrowLeft: [60, 0], ArrowRight: [-60, 0], ArrowUp: [0, 60], ArrowDown: [0, -60] };
    if (steps[e.key]) this.panBy(...steps[e.key]);
    else if (e.key === '+' || e.key === '=') this.zoomAt(1.25, box.width / 2, box.height / 2);
    else if (e.key === '-') this.zoomAt(0.8, box.width / 2, box.height / 2);
    else if (e.key === '0') this.fit();
    else return;
    e.preventDefault();
  }
}
