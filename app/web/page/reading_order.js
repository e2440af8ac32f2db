// What a screen reader's reading keys walk: the form in the order of its
// layout, area by area, while Tab keeps the window's focus order, which is
// the document's. Each area is a group that owns its controls (aria-owns),
// so the reading order needs no other order of the elements. What the
// layout shows only for the eye (tick marks' numbers, units beside a
// figure, titles that name a control already) is hidden from the reading:
// each figure is read with its unit once.
import { form } from './dom.js';
import { elements, px, records } from './view.js';

export const IMPULSE_DIAGRAM_ID = 'impulseDiagram';
const MARKER_KEYS_ID = 'markerKeys';

const boxes = new Map();  // a reading element -> the ids whose boxes it spans

function boxOfRecord(record) {
  return { left: px(record.left), top: px(record.top), right: px(record.left + record.width),
    bottom: px(record.top + record.height) };
}

function lineBox(line) {
  const half = line.widthPx / 2;
  return { left: px(Math.min(line.x1, line.x2)) - half, top: px(Math.min(line.y1, line.y2)) - half,
    right: px(Math.max(line.x1, line.x2)) + half, bottom: px(Math.max(line.y1, line.y2)) + half };
}

function union(list) {
  return list.reduce((a, b) => ({ left: Math.min(a.left, b.left), top: Math.min(a.top, b.top),
    right: Math.max(a.right, b.right), bottom: Math.max(a.bottom, b.bottom) }));
}

// An element that groups others takes their box, so that a reader's
// highlight and a touch reader's finger find it where they are; it takes no
// pointer of its own.
function makeReading(id, role, spans) {
  const element = document.createElement('div');
  element.id = id;
  element.className = 'reading';
  element.setAttribute('role', role);
  form.prepend(element);
  boxes.set(element, spans);
  return element;
}

function makeGroup(id, role, members) {
  const element = makeReading(id, role, members);
  element.setAttribute('aria-owns', members.join(' '));
  return element;
}

function boxOf(id) {
  const record = records.controls.find((c) => c.id === id);
  if (record) return boxOfRecord(record);
  if (id === IMPULSE_DIAGRAM_ID) return union(records.lines.filter((l) => l.id.startsWith('Line')).map(lineBox));
  return union([boxOf(IMPULSE_DIAGRAM_ID),
    ...records.controls.filter((c) => c.kind === 'marker').map(boxOfRecord)]);
}

function place(element, box) {
  element.style.left = `${box.left}px`;
  element.style.top = `${box.top}px`;
  element.style.width = `${box.right - box.left}px`;
  element.style.height = `${box.bottom - box.top}px`;
}

// The markers moved: the boxes that span them follow.
export function placeReadingGroups() {
  for (const [element, members] of boxes) place(element, union(members.map(boxOf)));
}

// The areas, top left to bottom right as a reader meets them, come from the
// model, which the window's reading order follows too; each lists the ids of
// what it reads, in order. A statistics row is its title, then its figure.
// An area with a `titleId` takes the name of the label that titles it.
export function buildReadingOrder() {
  const areas = records.readingAreas;
  // Built last first: each is put before the others, and all lie beneath
  // the controls.
  for (const area of [...areas].reverse()) {
    const group = makeGroup(area.id, 'group', area.members);
    if (area.titleId) group.setAttribute('aria-labelledby', area.titleId);
    else group.setAttribute('aria-label', area.name);
  }
  // The markers take their keys (u, d, l, r, Space...) straight, in a
  // screen reader's reading mode too: they alone are an application.
  const markers = records.controls.filter((c) => c.kind === 'marker').sort((a, b) => a.index - b.index);
  const keys = makeGroup(MARKER_KEYS_ID, 'application', markers.map((m) => m.id));
  keys.setAttribute('aria-label', 'Path markers');
  // The diagram itself, which the model describes (see mirroring.js).
  const diagram = makeReading(IMPULSE_DIAGRAM_ID, 'img', [IMPULSE_DIAGRAM_ID]);
  diagram.setAttribute('aria-label', 'Impulse response: power over delay');
  const read = new Set(areas.flatMap((area) => area.members));
  for (const record of records.controls) {
    if (record.kind === 'frame' || read.has(record.id) || record.kind === 'marker') continue;
    // Only labels may stay unread: every control is in an area.
    if (record.kind !== 'label') throw new Error(`${record.id} is in no area of the reading order`);
    elements.get(record.id).setAttribute('aria-hidden', 'true');
  }
  placeReadingGroups();
}
