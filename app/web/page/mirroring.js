// Mirroring the records into the elements after every event and tick.
import { copySurfaces } from './canvases.js';
import { kindOf } from './control_kinds.js';
import { setAttribute } from './dom.js';
import { drag, endDrag } from './drag.js';
import { place } from './elements.js';
import { pendingMessages, showNextMessage } from './message_box.js';
import { scheduleTick } from './timer.js';
import { reachForFingers } from './touch_targets.js';
import { elements, flag, model, records, setRecords } from './view.js';

function mirrorControl(record) {
  const element = elements.get(record.id);
  const kind = kindOf(record);
  if (!kind.inDrawing) {
    place(element, record);
    element.hidden = !flag(record, 'visible');
    if ('enabled' in record) element.disabled = !record.enabled;
    if (kind.name) kind.name(element, record);
    else setAttribute(element, 'aria-label', record.name);
    setAttribute(element, 'aria-description', record.description);
  }
  kind.mirror(element, record);
}

function mirrorLine(record) {
  setAttribute(elements.get(record.id), 'visibility', flag(record, 'visible') ? 'visible' : 'hidden');
}

// The window's lines and frames as the device pixels its painter covers,
// which the model works out as the desktop's engine paints them: a browser
// would round a line's ends and edges its own way. Rectangles on whole
// device pixels come out alike in every engine.
let drawnRatio = 0;
function drawWindow() {
  const { ratio, items } = JSON.parse(model.windowDrawing());
  drawnRatio = ratio;
  for (const { id, rects } of items) {
    let outline = '';
    for (let k = 0; k < rects.length; k += 4) {
      const [x, y, width, height] = [0, 1, 2, 3].map((i) => rects[k + i] / ratio);
      outline += `M${x} ${y}h${width}v${height}h${-width}z`;
    }
    setAttribute(elements.get(id), 'd', outline);
  }
}

// What each element last mirrored: an unchanged record touches nothing.
const mirrored = new Map();
function changed(record) {
  const text = JSON.stringify(record);
  if (mirrored.get(record.id) === text) return false;
  mirrored.set(record.id, text);
  return true;
}

// The records into the elements, the pictures left as they are.
export function mirrorRecords() {
  setRecords(JSON.parse(model.records()));
  let drawingChanged = model.pixelRatio() !== drawnRatio;
  for (const record of records.controls) {
    if (!changed(record)) continue;
    mirrorControl(record);
    drawingChanged = drawingChanged || kindOf(record).inDrawing === true;
  }
  for (const record of records.lines) {
    if (!changed(record)) continue;
    mirrorLine(record);
    drawingChanged = true;
  }
  if (drawingChanged) drawWindow();
  records.markerStack.forEach((index, depth) => {
    elements.get(`cmdSource-${index}`).style.zIndex = String(10 + depth);
  });
}

export function sync() {
  mirrorRecords();
  reachForFingers();
  copySurfaces();
  if (drag && elements.get(`cmdSource-${drag.index}`).hidden) endDrag(null);
  for (const text of JSON.parse(model.takeMessages())) pendingMessages.push(text);
  showNextMessage();
  scheduleTick();
}
