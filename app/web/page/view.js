// The page's view: it builds one element per control from the model's
// records, forwards every event to the model, and mirrors the records back
// after each one. What happens is decided in the model, never here. This
// module holds what every other part reads: the module, the model, the
// records as last mirrored and the elements; and `act`, through which every
// event goes.
import { failure, form } from './dom.js';

export let Module = null;
export let model = null;
export let records = null;  // as the page last mirrored them
let stopped = false;
export const elements = new Map();
let mirror = () => {};

export const px = (twips) => twips / records.twipsPerPixel;

// A marker's element by its index, as the records number the markers.
let markerIds = null;
export function markerElement(index) {
  if (!markerIds) {
    markerIds = [];
    for (const record of records.controls) if (record.kind === 'marker') markerIds[record.index] = record.id;
  }
  return elements.get(markerIds[index]);
}

// Who hears of the user's edits of the channel: events on the markers,
// Random and Reset, and drops (see announcements.js).
let channelEditListener = () => {};
export function onChannelEdit(listener) {
  channelEditListener = listener;
}
export function channelEdited() {
  channelEditListener();
}
const CHANNEL_EDITORS = new Set(['cmdRand', 'cmdGo-1']);

// The model's action for an event on a control, as its table of controls
// has it (see events.js).
export function sendEvent(record, event, value = 0) {
  if (record.kind === 'marker' || CHANNEL_EDITORS.has(record.id)) channelEdited();
  act(() => model.controlEvent(record.id, event, value));
}

// A record's yes-or-no field, which must be there: a missing one would
// silently read as no (or flip a class) instead of failing loudly.
export function flag(record, name) {
  const value = record[name];
  if (typeof value !== 'boolean') throw new Error(`the record ${record.id} has no true or false ${name}`);
  return value;
}

export function setModule(instance, madeModel) {
  Module = instance;
  model = madeModel;
}

export function setRecords(newRecords) {
  records = newRecords;
}

// What runs after every action: the page mirrors the model (see mirroring.js).
export function mirrorAfterEachAction(sync) {
  mirror = sync;
}

// A failure inside the module must not leave a silent page.
export function fail(error) {
  if (stopped) return;
  stopped = true;
  failure.hidden = false;
  form.setAttribute('aria-hidden', 'true');
  console.warn('Tarvel Demo stopped:', error);
}

// Every event goes through here: the model acts, then the page mirrors it.
export function act(action) {
  if (stopped || !model) return;
  try {
    action();
    mirror();
  } catch (error) {
    fail(error);
  }
}
