// Targets for fingers: where a marker, a button, or a scroll bar's arrow or
// thumb is shown smaller than 24 x 24 CSS pixels, an invisible margin takes
// touches in the free space around it, up to that size, never over another
// control. The drawing does not change. A scroll bar's parts reach with their
// own ::after; a button clips what it holds to its box, so its margin is an
// element of its own just beneath it, which hands on every pointer event.
import { scrollBars } from './control_kinds.js';
import { formScale } from './scale.js';
import { SCROLL_ARROW_PX } from './scroll_style.js';
import { elements, px, records } from './view.js';

const TARGET_CSS_PX = 24;
const TARGET_KINDS = new Set(['marker', 'button', 'toggle']);
const BAR_KINDS = new Set(['hbar', 'vbar']);
// What a reach must not cover: every control that takes input.
const OBSTACLE_KINDS = new Set([...TARGET_KINDS, ...BAR_KINDS, 'list', 'picture']);

const reachWritten = new Map();  // element -> the reach it last got, as text
const reachElements = new Map();  // a button's id -> its margin's element
const FORWARDED = ['pointerdown', 'pointermove', 'pointerup', 'pointercancel', 'lostpointercapture',
  'click', 'contextmenu'];

// The margin beneath a button: the button's own events, as if on the button.
function makeReach(element) {
  const reach = document.createElement('div');
  reach.className = 'reach';
  reach.setAttribute('aria-hidden', 'true');
  reach.style.touchAction = getComputedStyle(element).touchAction;
  for (const type of FORWARDED) {
    reach.addEventListener(type, (event) => {
      const Kind = event.constructor;
      const handedOn = new Kind(type, event);
      if (!element.dispatchEvent(handedOn) || handedOn.defaultPrevented) event.preventDefault();
    });
  }
  element.before(reach);
  return reach;
}

// A button's margin lies where the button does, grown by the reach, and at
// its depth (a marker's changes as it is raised).
function placeReach(record, element, reach) {
  let margin = reachElements.get(record.id);
  if (!margin) {
    margin = makeReach(element);
    reachElements.set(record.id, margin);
  }
  const box = boxOf(record);
  margin.hidden = !record.visible;
  margin.style.left = `${box.left - reach.left}px`;
  margin.style.top = `${box.top - reach.top}px`;
  margin.style.width = `${box.right - box.left + reach.left + reach.right}px`;
  margin.style.height = `${box.bottom - box.top + reach.top + reach.bottom}px`;
  margin.style.zIndex = element.style.zIndex;
}

function boxOf(record) {
  return { left: px(record.left), top: px(record.top), right: px(record.left + record.width),
    bottom: px(record.top + record.height) };
}

// How far a box may grow on each side before it meets an obstacle or the
// form's edge: across [from, to] on the other axis.
function freeRoom(box, obstacles, vertical, from, to) {
  const [near, far] = vertical ? ['top', 'bottom'] : ['left', 'right'];
  const [spanNear, spanFar] = vertical ? ['left', 'right'] : ['top', 'bottom'];
  const edge = vertical ? px(records.clientHeight) : px(records.clientWidth);
  let before = box[near];
  let after = edge - box[far];
  for (const o of obstacles) {
    if (o[spanFar] <= from || o[spanNear] >= to) continue;
    if (o[far] <= box[near]) before = Math.min(before, box[near] - o[far]);
    else if (o[near] >= box[far]) after = Math.min(after, o[near] - box[far]);
    else {
      // Overlapping already (the range bar over the plot's edge): no room
      // on a side where the other sticks out.
      if (o[near] < box[near]) before = 0;
      if (o[far] > box[far]) after = 0;
    }
  }
  return [Math.max(0, before), Math.max(0, after)];
}

// Shares what the box lacks of the target's length between its two sides,
// taking from the other side what one side has no room for.
function share(lacking, [before, after]) {
  const first = Math.min(before, Math.max(lacking / 2, lacking - after));
  return [first, Math.min(after, lacking - first)];
}

// The reach on each side, in the form's pixels, of a box that grows along the
// axes `across` allows: {horizontal, vertical} booleans.
function reachOf(box, obstacles, target, { horizontal = true, vertical = true } = {}) {
  const lackX = horizontal ? Math.max(0, target - (box.right - box.left)) : 0;
  const lackY = vertical ? Math.max(0, target - (box.bottom - box.top)) : 0;
  const [top, bottom] = share(lackY, freeRoom(box, obstacles, true, box.left, box.right));
  const [left, right] = share(lackX, freeRoom(box, obstacles, false, box.top - top, box.bottom + bottom));
  return { left, top, right, bottom };
}

function writeReach(element, reach) {
  const text = `${reach.left} ${reach.top} ${reach.right} ${reach.bottom}`;
  if (reachWritten.get(element) === text) return;
  reachWritten.set(element, text);
  for (const side of ['left', 'top', 'right', 'bottom']) {
    element.style.setProperty(`--reach-${side}`, String(reach[side]));
  }
}

// A scroll bar reaches out across itself, and past each end by its arrow's
// lack of length.
function reachOfBar(record, box, obstacles, target) {
  const vertical = record.kind === 'vbar';
  const across = reachOf(box, obstacles, target, { horizontal: vertical, vertical: !vertical });
  const [from, to] = vertical ? [box.left - across.left, box.right + across.right]
    : [box.top - across.top, box.bottom + across.bottom];
  const [before, after] = freeRoom(box, obstacles, vertical, from, to);
  const outward = (room) => Math.min(room, Math.max(0, target - SCROLL_ARROW_PX));
  return vertical ? { ...across, top: outward(before), bottom: outward(after) }
    : { ...across, left: outward(before), right: outward(after) };
}

// The bar's thumb takes the reach across it; each arrow that too and its end's.
function writeBarReach(record, reach) {
  const vertical = record.kind === 'vbar';
  const bar = scrollBars.get(record.id);
  const sideways = vertical ? { ...reach, top: 0, bottom: 0 } : { ...reach, left: 0, right: 0 };
  writeReach(bar.thumb, sideways);
  writeReach(bar.less, { ...sideways, [vertical ? 'top' : 'left']: reach[vertical ? 'top' : 'left'] });
  writeReach(bar.more, { ...sideways, [vertical ? 'bottom' : 'right']: reach[vertical ? 'bottom' : 'right'] });
}

const grown = (box, reach) => ({ left: box.left - reach.left, top: box.top - reach.top,
  right: box.right + reach.right, bottom: box.bottom + reach.bottom });
const overlaps = (a, b) => a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;

// Two targets that grew into the same room (facing each other, or one above
// and one beside the other) part at the middle of the wider gap between them.
function part(a, b) {
  if (overlaps(a.box, b.box) || !overlaps(grown(a.box, a.reach), grown(b.box, b.reach))) return;
  const gapX = Math.max(b.box.left - a.box.right, a.box.left - b.box.right);
  const gapY = Math.max(b.box.top - a.box.bottom, a.box.top - b.box.bottom);
  const [near, far] = gapX >= gapY ? ['left', 'right'] : ['top', 'bottom'];
  const [first, second] = a.box[far] <= b.box[near] ? [a, b] : [b, a];
  const middle = (first.box[far] + second.box[near]) / 2;
  first.reach[far] = Math.min(first.reach[far], middle - first.box[far]);
  second.reach[near] = Math.min(second.reach[near], second.box[near] - middle);
}

export function reachForFingers() {
  if (!records) return;
  const target = TARGET_CSS_PX / formScale;
  const controls = records.controls.filter((c) => c.visible && OBSTACLE_KINDS.has(c.kind));
  const boxes = new Map(controls.map((c) => [c, boxOf(c)]));
  const targets = controls.filter((c) => TARGET_KINDS.has(c.kind) || BAR_KINDS.has(c.kind)).map((record) => {
    const box = boxes.get(record);
    const others = controls.filter((c) => c !== record).map((c) => boxes.get(c));
    const reach = BAR_KINDS.has(record.kind) ? reachOfBar(record, box, others, target) : reachOf(box, others, target);
    return { record, box, reach };
  });
  targets.forEach((a, k) => targets.slice(k + 1).forEach((b) => part(a, b)));
  for (const { record, reach } of targets) {
    if (BAR_KINDS.has(record.kind)) writeBarReach(record, reach);
    else placeReach(record, elements.get(record.id), reach);
  }
}
