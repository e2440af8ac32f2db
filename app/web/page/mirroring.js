// Mirroring the model into the elements after every event and tick: the
// model says what changed since the page last looked, and only that is
// touched.
import { statisticsMirrored } from './announcements.js';
import { copySurfaces } from './canvases.js';
import { kindOf } from './control_kinds.js';
import { describe } from './descriptions.js';
import { setAttribute } from './dom.js';
import { drag, endDrag } from './drag.js';
import { place } from './elements.js';
import { pendingMessages, showNextMessage } from './message_box.js';
import { IMPULSE_DIAGRAM_ID, placeReadingGroups } from './reading_order.js';
import { scheduleTick } from './timer.js';
import { reachForFingers } from './touch_targets.js';
import { elements, flag, markerElement, model, records } from './view.js';

function mirrorControl(record) {
  const element = elements.get(record.id);
  const kind = kindOf(record);
  if (!kind.inDrawing) {
    place(element, record);
    element.hidden = !flag(record, 'visible');
    if ('enabled' in record) element.disabled = !record.enabled;
    // A kind may have a part of its own that assistive tools read.
    const read = kind.accessible ? kind.accessible(element) : element;
    if (kind.name) kind.name(read, record);
    else setAttribute(read, 'aria-label', record.name);
    if (!kind.readsDescription) describe(read, record.description);
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
function drawWindow({ ratio, items }) {
  for (const { id, rects } of items) {
    let outline = '';
    for (let k = 0; k < rects.length; k += 4) {
      const [x, y, width, height] = [0, 1, 2, 3].map((i) => rects[k + i] / ratio);
      outline += `M${x} ${y}h${width}v${height}h${-width}z`;
    }
    setAttribute(elements.get(id), 'd', outline);
  }
}

// Where each record lies in the page's records, by its id.
const places = new Map();
function placeOf(list, id) {
  if (!places.has(id)) list.forEach((record, k) => places.set(record.id, k));
  if (!places.has(id)) throw new Error(`the model changed ${id}, which the page has no record of`);
  return places.get(id);
}

// A changed record into the page's records (what tests and the other parts
// read); true when it moved, resized, showed or hid.
function keep(list, record) {
  const k = placeOf(list, record.id);
  const old = list[k];
  list[k] = record;
  return ['left', 'top', 'width', 'height', 'visible'].some((field) => old[field] !== record[field]);
}

// The markers lie on top of every other control, among themselves in the
// order they were brought to the front.
function stackMarkers() {
  const lowest = Math.min(...records.controls.filter((c) => c.kind === 'marker').map((c) => c.rank));
  records.markerStack.forEach((index, depth) => {
    markerElement(index).style.zIndex = String(lowest + 1 + depth);
  });
}

// What changed in the model since the last look into the elements, the
// pictures left as they are. True when a control moved, resized, showed,
// hid or was stacked anew.
export function mirrorRecords() {
  const changes = JSON.parse(model.changes());
  let placesChanged = false;
  for (const record of changes.controls) {
    placesChanged = keep(records.controls, record) || placesChanged;
    mirrorControl(record);
  }
  for (const record of changes.lines) {
    keep(records.lines, record);
    mirrorLine(record);
  }
  drawWindow(changes.drawing);
  if (changes.markerStack) {
    records.markerStack = changes.markerStack;
    stackMarkers();
    placesChanged = true;  // the markers' reach follows their stacking
  }
  if (changes.timer) records.timer = changes.timer;
  if ('impulseDescription' in changes) {
    records.impulseDescription = changes.impulseDescription;
    describe(document.getElementById(IMPULSE_DIAGRAM_ID), changes.impulseDescription);
  }
  pendingMessages.push(...changes.messages);
  if (placesChanged) placeReadingGroups();
  statisticsMirrored();
  return placesChanged;
}

export function sync() {
  if (mirrorRecords()) reachForFingers();
  copySurfaces();
  if (drag && markerElement(drag.index).hidden) endDrag(null);
  showNextMessage();
  scheduleTick();
}
