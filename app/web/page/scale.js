// The form's scale as shown: CSS pixels of the page to a CSS pixel of the
// window, which the fit sets; and what follows from it for pointers and
// device pixels.
import { stage } from './dom.js';

export let formScale = 1;

export function setFormScale(scale) {
  formScale = scale;
}

// Device pixels to a CSS pixel of the form as it is shown now.
export function shownPixelRatio() {
  const pinch = window.visualViewport ? window.visualViewport.scale : 1;
  return (window.devicePixelRatio || 1) * formScale * pinch;
}

// A point of the page (an event's client coordinates) in the window's CSS
// pixels, whatever the form's scale. The stage is not zoomed: every engine
// gives its box in the page's pixels (WebKit gives a zoomed element's box in
// its own zoomed ones).
export function formPixelsAt(clientX, clientY) {
  const box = stage.getBoundingClientRect();
  return [(clientX - box.left) / formScale, (clientY - box.top) / formScale];
}

