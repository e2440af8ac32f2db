// Building the page's elements from the records, once, at start.
import { kindOf } from './control_kinds.js';
import { SVG, drawing, form, outline } from './dom.js';
import { buildReadingOrder } from './reading_order.js';
import { elements, px, records } from './view.js';

const control = (id) => records.controls.find((c) => c.id === id);

// At whole pixels, rounded as the window rounds its widgets' places: a
// marker's place in twips lies anywhere, and engines put a box at a
// fraction of a pixel each their own way.
export function place(element, record) {
  const left = Math.round(px(record.left));
  const top = Math.round(px(record.top));
  element.style.left = `${left}px`;
  element.style.top = `${top}px`;
  if (kindOf(record).sizedByPixels) return;
  element.style.width = `${Math.round(px(record.left + record.width)) - left}px`;
  element.style.height = `${Math.round(px(record.top + record.height)) - top}px`;
}

function makeElement(record) {
  const kind = kindOf(record);
  const element = kind.make(record);
  element.id = record.id;
  if (!kind.inDrawing) {
    place(element, record);
    if (record.fontPt) element.style.fontSize = `${record.fontPt}pt`;
    // Stacked as the window stacks its widgets; labels and the logo stay
    // beneath the window's drawing (see inDocumentOrder).
    if (record.kind !== 'label' && record.kind !== 'image') element.style.zIndex = String(record.rank + 1);
    form.appendChild(element);
  }
  return element;
}

// A line is the device pixels the window's painter covers (drawWindow).
function makeLine(record) {
  const line = document.createElementNS(SVG, 'path');
  line.id = record.id;
  line.setAttribute('class', 'line');
  return line;
}

// Labels lie lowest, then the window's drawing, then the controls. The
// controls stand in the document in the window's focus order, so Tab visits
// them as the window does; where two overlap, their rank in the stacking
// (a z-index) puts the window's upper one on top.
function inDocumentOrder(controls, tabOrder) {
  const order = (c) => {
    if (c.kind === 'label' || c.kind === 'image') return -1;
    const stop = tabOrder.indexOf(c.id);
    return stop < 0 ? tabOrder.length : stop;
  };
  return controls.map((c, k) => ({ c, k, rank: order(c) }))
    .sort((a, b) => a.rank - b.rank || a.k - b.k);
}

export function build() {
  const r = records;
  form.style.width = `${px(r.clientWidth)}px`;
  form.style.height = `${px(r.clientHeight)}px`;
  form.style.backgroundColor = r.backColour;
  form.style.setProperty('--picture-border', `${r.pictureBorderPx}px`);
  drawing.setAttribute('viewBox', `0 0 ${px(r.clientWidth)} ${px(r.clientHeight)}`);
  for (const { c: record, rank } of inDocumentOrder(r.controls, r.tabOrder)) {
    if (rank >= 0 && drawing.parentNode !== form) form.appendChild(drawing);
    elements.set(record.id, makeElement(record));
  }
  for (const record of r.lines) elements.set(record.id, makeLine(record));
  // The window's lines and the fading display's squares, lowest first.
  for (const id of r.drawingOrder) drawing.appendChild(elements.get(id));
  form.appendChild(outline);
  // A scroll bar's stop is its range input (see scroll_bar.js).
  for (const id of r.tabOrder) {
    if (!kindOf(control(id)).accessible) elements.get(id).setAttribute('tabindex', '0');
  }
  buildReadingOrder();
  outline.setAttribute('aria-label', r.dropPlaceName);
}
