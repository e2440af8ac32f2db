// Forwarding the page's events to the model.
import { form } from './dom.js';
import { connectMarkerPointer } from './drag.js';
import { connectFitting } from './fit.js';
import { act, elements, model, records } from './view.js';

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

function connectMarker(index) {
  const marker = elements.get(`cmdSource-${index}`);
  let clickAfterDrag = false;
  marker.addEventListener('click', (event) => {
    // Keys raise their own click (space) in the model; a drag's release is no click.
    if (event.detail === 0 || clickAfterDrag) {
      clickAfterDrag = false;
      return;
    }
    act(() => model.clickMarker(index));
  });
  marker.addEventListener('keydown', (event) => {
    const code = characterCode(event);
    if (code < 0) return;
    if (code === 32 || code === 13) event.preventDefault();
    act(() => model.keyOnMarker(index, code));
  });
  connectMarkerPointer(index, marker, (value) => { clickAfterDrag = value; });
}

export function connectEvents() {
  for (let i = 0; i < records.pathCount; ++i) connectMarker(i);
  const click = (id, action) => elements.get(id).addEventListener('click', () => act(action));
  click('cmdRand', () => model.clickRandom());
  for (const g of [0, 1]) click(`cmdGo-${g}`, () => model.clickGo(g));
  click('chkLinear', () => model.clickLinear());
  click('chkMemory', () => model.clickMemory());
  const list = elements.get('cmbSymbol');
  list.addEventListener('change', () => act(() => model.chooseSymbol(list.selectedIndex)));
  for (const record of records.controls.filter((c) => c.kind === 'picture')) {
    elements.get(record.id).addEventListener('click', (event) => {
      if (event.button === 0) act(() => model.clickSurface(record.surface));
    });
  }
  form.addEventListener('contextmenu', (event) => event.preventDefault());
  connectFitting();
}
