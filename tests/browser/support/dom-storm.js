// Runs in the page: `count` random user inputs dispatched as DOM events
// straight to the controls, far faster than input through the browser's
// protocol. Pointer events carry the fields the page reads; a touch may be
// held across later events, so long presses mix with everything else.
// Returns nothing: the test reads the page's state afterwards.
async function domStorm(seed, count) {
  let state = seed | 0;
  const random = () => {  // mulberry32
    state = (state + 0x6d2b79f5) | 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
  const pick = (items) => items[Math.floor(random() * items.length)];
  const byId = (id) => document.getElementById(id);
  const box = byId('Form1').getBoundingClientRect();
  const point = () => ({ clientX: box.left - 40 + random() * (box.width + 80),
    clientY: box.top - 40 + random() * (box.height + 80) });
  const marker = () => byId(`cmdSource-${Math.floor(random() * 8)}`);
  let pointerId = 10;
  const pointer = (target, type, fields) => target.dispatchEvent(new PointerEvent(type,
    { bubbles: true, cancelable: true, pointerType: 'mouse', pointerId: 1, ...fields }));
  const key = (target, name) => target.dispatchEvent(
    new KeyboardEvent('keydown', { key: name, bubbles: true, cancelable: true }));
  const click = (target, detail = 1) => target.dispatchEvent(
    new MouseEvent('click', { bubbles: true, cancelable: true, detail, button: 0 }));
  const heldTouches = [];

  const inputs = [
    () => { const m = marker(); pointer(m, 'pointerdown', { button: 0 }); click(m); },
    () => key(marker(), pick(['u', 'U', 'd', 'D', 'l', 'L', 'r', 'R', ' ', 'Enter', 'x', 'é', 'ArrowUp'])),
    () => {
      const m = marker();
      pointer(m, 'pointerdown', { button: 2, ...point() });
      byId('Form1').dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true }));
      pointer(m, 'pointermove', point());
      pointer(m, random() < 0.9 ? 'pointerup' : 'pointercancel', { button: 2, ...point() });
    },
    () => {  // a touch now, let go a few inputs later or moved away
      const m = marker();
      const id = ++pointerId;
      pointer(m, 'pointerdown', { button: 0, pointerType: 'touch', pointerId: id, ...point() });
      heldTouches.push({ m, id });
    },
    () => {
      const touch = heldTouches.shift();
      if (!touch) return;
      pointer(touch.m, 'pointermove', { pointerType: 'touch', pointerId: touch.id, ...point() });
      pointer(touch.m, 'pointerup', { pointerType: 'touch', pointerId: touch.id, ...point() });
    },
    () => click(byId('cmdRand'), 0),
    () => key(byId(pick(['hscFade', 'vscSpectrumRange'])),
      pick(['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown', 'Home', 'End'])),
    () => {  // a press on an arrow, the track or the thumb, moved, let go or not
      const bar = byId(pick(['hscFade', 'vscSpectrumRange']));
      const part = pick([...bar.querySelectorAll('.arrow, .track, .thumb')]);
      const id = ++pointerId;
      pointer(part, 'pointerdown', { button: 0, pointerId: id, ...point() });
      pointer(bar, 'pointermove', { pointerId: id, ...point() });
      if (random() < 0.8) pointer(bar, pick(['pointerup', 'pointercancel']), { pointerId: id, ...point() });
    },
    () => {
      const list = byId('cmbSymbol');
      list.selectedIndex = Math.floor(random() * 4) - 1;
      list.dispatchEvent(new Event('change', { bubbles: true }));
    },
    () => click(byId(pick(['chkLinear', 'chkMemory'])), 0),
    () => click(byId(pick(['picIndividual', 'picCombo', 'picSumGraph', 'picSpectrum']))),
    () => click(byId('cmdGo-0'), 0),
    () => click(byId('cmdGo-1'), 0),
  ];
  for (let n = 0; n < count; ++n) {
    pick(inputs)();
    // Let the timer and the long presses' timeouts run in between.
    if (n % 10 === 9) await new Promise((resolve) => setTimeout(resolve, random() * 30));
    const dialog = byId('messageBox');
    if (dialog.open) byId('messageOk').click();
  }
}
