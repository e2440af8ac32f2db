// The right-button drag of a marker, and the long press that starts one
// on a touch screen.
import { outline } from './dom.js';
import { formPixelsAt } from './scale.js';
import { act, channelEdited, markerElement, model, px, records, sendEvent } from './view.js';

// How long a finger is held still on a marker to start a drag.
const LONG_PRESS_MS = 500;

export let drag = null;  // {index, pointerId}

// A point of the page in the window's twips, whatever the form's scale.
function twipsAt(event) {
  return formPixelsAt(event.clientX, event.clientY).map((pixels) => pixels * records.twipsPerPixel);
}

function moveOutline(event) {
  const [x, y] = twipsAt(event);
  outline.style.left = `${px(x) - outline.offsetWidth / 2}px`;
  outline.style.top = `${px(y) - outline.offsetHeight / 2}px`;
}

function beginDrag(index, event) {
  const marker = markerElement(index);
  drag = { index, pointerId: event.pointerId };
  outline.style.width = marker.style.width;
  outline.style.height = marker.style.height;
  outline.hidden = false;
  moveOutline(event);
  try {
    marker.setPointerCapture(event.pointerId);
  } catch {
    // a pointer that is already gone: the release will not come
  }
}

// With an event: the drop at its point; without: the drag ends, no drop.
export function endDrag(event) {
  if (!drag) return;
  const { index, pointerId } = drag;
  drag = null;
  outline.hidden = true;
  const marker = markerElement(index);
  if (marker.hasPointerCapture(pointerId)) marker.releasePointerCapture(pointerId);
  if (event) {
    const [x, y] = twipsAt(event);
    channelEdited();
    act(() => model.releaseDrag(x, y));
  } else {
    act(() => model.cancelDrag());
  }
}

// The core's number for a mouse button of the DOM (0 left, 1 middle, 2 right).
function buttonCode(domButton) {
  const { left, middle, right } = records.mouseButtons;
  return [left, middle, right][domButton] || 0;
}

// A marker's pointer: a mouse button goes to the model at once (the right
// one starts a drag); a finger held still for a while starts a drag too,
// a short one is left to the click that follows it. `markClickAfterDrag`
// tells the marker that the click ending this press is no click.
export function connectMarkerPointer(record, marker, markClickAfterDrag) {
  const { index } = record;
  let press = null;  // a touch that may become a long press
  const forgetPress = () => {
    if (press) clearTimeout(press.timer);
    press = null;
  };
  marker.addEventListener('pointerdown', (event) => {
    if (drag) return;
    if (event.pointerType === 'touch') {
      // A second finger on the same marker replaces the first one's press.
      forgetPress();
      const held = { x: event.clientX, y: event.clientY, event };
      press = held;
      held.timer = setTimeout(() => {
        if (press !== held) return;
        press = null;
        sendEvent(record, 'press', records.mouseButtons.right);
        if (model.dragSource() === index) {
          markClickAfterDrag(true);
          beginDrag(index, held.event);
        }
      }, LONG_PRESS_MS);
      return;
    }
    sendEvent(record, 'press', buttonCode(event.button));
    if (model.dragSource() === index) {
      event.preventDefault();
      markClickAfterDrag(event.button === 0);
      beginDrag(index, event);
    }
  });
  marker.addEventListener('pointermove', (event) => {
    if (press && Math.hypot(event.clientX - press.x, event.clientY - press.y) > 10) forgetPress();
    if (drag && drag.pointerId === event.pointerId) {
      press = null;
      moveOutline(event);
      if (event.pointerType === 'touch') event.preventDefault();
    }
  });
  marker.addEventListener('pointerup', (event) => {
    forgetPress();
    if (drag && drag.pointerId === event.pointerId) endDrag(event);
  });
  const lost = (event) => {
    forgetPress();
    if (drag && drag.pointerId === event.pointerId) endDrag(null);
  };
  marker.addEventListener('pointercancel', lost);
  marker.addEventListener('lostpointercapture', (event) => {
    if (drag && drag.pointerId === event.pointerId) endDrag(null);
  });
}
