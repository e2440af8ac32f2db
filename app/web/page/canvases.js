// The picture boxes: the module draws into its own pixels, and each canvas
// only copies what changed since the last frame.
import { elements, model, Module } from './view.js';

const surfaces = [];  // by the model's surface number: {canvas, context, image}

export function makeSurfaces(pictures) {
  for (const record of pictures) {
    const canvas = elements.get(record.id);
    // Pixels kept in memory, not on the graphics card: each frame puts
    // the model's pixels in, and where the card is emulated (WebKitGTK
    // without a GPU) every put went through the emulation. The canvas keeps
    // its own compositing layer (page.css), which Chromium would otherwise
    // drop and repaint the page around it.
    const context = canvas.getContext('2d', { willReadFrequently: true });
    surfaces[record.surface] = { canvas, context, image: null };
  }
  resizeSurfaces();
}

// The model's pixels changed size (a new pixel ratio): so do the canvases,
// and all of each is copied again. Each canvas is shown at exactly its
// pixels' size, a pixel to a device pixel: at a scale where the engine puts
// its border on whole device pixels, the box inside would be a fraction
// larger or smaller than the record's, and every trace resampled.
export function resizeSurfaces() {
  const ratio = model.pixelRatio();
  surfaces.forEach((surface, k) => {
    const { canvas } = surface;
    canvas.width = model.surfaceWidth(k);
    canvas.height = model.surfaceHeight(k);
    canvas.style.width = `${canvas.width / ratio}px`;
    canvas.style.height = `${canvas.height / ratio}px`;
    surface.image = null;
  });
}

// Only the rectangle drawn or wiped since the last frame goes to the canvas.
function copySurface(k) {
  const changed = model.takeChanged(k);
  const width = changed.right - changed.left;
  const height = changed.bottom - changed.top;
  if (width <= 0 || height <= 0) return;
  const surface = surfaces[k];
  const heap = Module.HEAPU8;
  // The canvas reads the module's own pixels through a view, no copy in
  // between; growing memory replaces the buffer, and then the view.
  if (!surface.image || surface.image.data.buffer !== heap.buffer) {
    const { width: w, height: h } = surface.canvas;
    const pixels = new Uint8ClampedArray(heap.buffer, model.surfacePixels(k), w * h * 4);
    surface.image = new ImageData(pixels, w, h);
  }
  surface.context.putImageData(surface.image, 0, 0, changed.left, changed.top, width, height);
}

export function copySurfaces() {
  for (let k = 0; k < surfaces.length; ++k) copySurface(k);
}
