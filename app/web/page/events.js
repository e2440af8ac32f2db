// Forwarding the page's events to the model: each control's record lists
// the events its table entry takes, and the model runs the action.
import { form } from './dom.js';
import { connectMarkerPointer } from './drag.js';
import { connectFitting } from './fit.js';
import { elements, records, sendEvent } from './view.js';

// The character code a key types, 0 .. 255, or -1 for none.
function characterCode(event) {
  if (event.ctrlKey || event.metaKey || event.altKey) return -1;
  if (event.key === 'Enter') return 13;
  if (event.key === 'Escape') return 27;
  if (event.key === 'Backspace') return 8;
  if (event.key.length !== 1) return -1;
  const code = event.key.codePointAt(0);
  return code <= 255 ? code : -1;
}

function connectMarker(record, marker) {
  let clickAfterDrag = false;
  marker.addEventListener('click', (event) => {
    // Keys raise their own click (space) in the model; a drag's release is no click.
    if (event.detail === 0 || clickAfterDrag) {
      clickAfterDrag = false;
      return;
    }
    sendEvent(record, 'click');
  });
  marker.addEventListener('keydown', (event) => {
    const code = characterCode(event);
    if (code < 0) return;
    if (code === 32 || code === 13) event.preventDefault();
    sendEvent(record, 'key', code);
  });
  connectMarkerPointer(record, marker, (value) => { clickAfterDrag = value; });
}

// A control's events as the page sees them; the scroll bars send their own
// changes (see control_kinds.js).
function connectControl(record) {
  const element = elements.get(record.id);
  if (record.kind === 'marker') return connectMarker(record, element);
  if (record.kind === 'hbar' || record.kind === 'vbar') return;
  if (record.events.includes('click')) {
    element.addEventListener('click', (event) => {
      if (event.button === 0) sendEvent(record, 'click');
    });
    // A picture box is no button: Enter or Space on it clicks it as the
    // window's does, once however long the key is held.
    if (record.kind === 'picture') {
      element.addEventListener('keydown', (event) => {
        if (event.key !== 'Enter' && event.key !== ' ') return;
        if (event.ctrlKey || event.altKey || event.metaKey || event.shiftKey) return;
        event.preventDefault();
        if (!event.repeat) sendEvent(record, 'click');
      });
    }
  }
  if (record.events.includes('change')) {
    element.addEventListener('change', () => sendEvent(record, 'change', element.selectedIndex));
  }
}

export function connectEvents() {
  for (const record of records.controls) if (record.events) connectControl(record);
  form.addEventListener('contextmenu', (event) => event.preventDefault());
  connectFitting();
}
