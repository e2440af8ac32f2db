// Start: the module is made, the elements built from its first records and
// shown at once; the window's start-up draws the pictures after them. Each
// step is a task of its own, so that none keeps the page from answering
// for long.
import { noteChannelEdit } from './announcements.js';
import { makeSurfaces, resizeSurfaces } from './canvases.js';
import { build } from './elements.js';
import { connectEvents } from './events.js';
import { fitToWindow } from './fit.js';
import { mirrorRecords, sync } from './mirroring.js';
import { shownPixelRatio } from './scale.js';
import { reachForFingers } from './touch_targets.js';
import {
  act, elements, fail, mirrorAfterEachAction, model, onChannelEdit, records, setModule, setRecords,
} from './view.js';

// Lets the browser answer input and show what is ready before going on.
const nextTask = () => new Promise((resolve) => setTimeout(resolve, 0));

async function start(instance) {
  setModule(instance, new instance.WebModel(window.devicePixelRatio || 1));
  setRecords(JSON.parse(model.records()));
  mirrorAfterEachAction(sync);
  onChannelEdit(noteChannelEdit);
  await nextTask();
  fitToWindow();  // while the page is nearly empty, its layout costs nothing
  build();
  makeSurfaces(records.controls.filter((c) => c.kind === 'picture'));
  connectEvents();
  await nextTask();
  mirrorRecords();
  reachForFingers();
  performance.mark('tarvel-controls');
  await nextTask();
  if (model.setPixelRatio(shownPixelRatio())) resizeSurfaces();
  model.load();
  await nextTask();
  sync();
  // As the window gives it at start: its style shows no focus frame until
  // keys move the focus.
  elements.get(records.tabOrder[0]).focus({ focusVisible: false });
  performance.mark('tarvel-first-picture');
  // For tests and the benchmark: after calling the model directly
  // (say, model.tick() with the timer stopped), sync mirrors it.
  window.tarvelDemo = { model, records: () => records, sync: () => act(() => {}) };
  document.body.dataset.ready = 'true';
}

createTarvelModule({
  onAbort: (what) => fail(what),
  printErr: (text) => console.warn(text),
}).then(start).catch(fail);
window.addEventListener('error', (event) => fail(event.error || event.message));
