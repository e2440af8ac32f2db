// The page's view: it builds one element per control from the model's
// records, forwards every event to the model, and mirrors the records back
// after each one. What happens is decided in the model, never here.
'use strict';

(function startPage() {
  const TWIPS_PER_PX = 15;
  const LONG_PRESS_MS = 500;
  const SURFACES = ['picIndividual', 'picCombo', 'picSumGraph', 'picSpectrum'];
  const BUTTON_CODES = [1, 4, 2];  // left, middle, right as the core numbers them
  const BAR_ACTIONS = {
    hscFade: (model, value) => model.setFade(value),
    vscSpectrumRange: (model, value) => model.setRange(value),
  };

  const form = document.getElementById('Form1');
  const stage = document.getElementById('stage');
  const drawing = document.getElementById('windowDrawing');
  const outline = document.getElementById('dragOutline');
  const messageBox = document.getElementById('messageBox');
  const failure = document.getElementById('failure');

  let model = null;
  let records = null;
  let stopped = false;
  const elements = new Map();
  const scrollBars = new Map();
  const pendingMessages = [];
  const surfaces = [];

  const px = (twips) => twips / TWIPS_PER_PX;

  // A failure inside the module must not leave a silent page.
  function fail(error) {
    if (stopped) return;
    stopped = true;
    failure.hidden = false;
    form.setAttribute('aria-hidden', 'true');
    console.warn('Tarvel Demo stopped:', error);
  }

  // Every event goes through here: the model acts, then the page mirrors it.
  function act(action) {
    if (stopped || !model) return;
    try {
      action();
      sync();
    } catch (error) {
      fail(error);
    }
  }

  // ---- building the elements ------------------------------------------

  function place(element, record) {
    element.style.left = `${px(record.left)}px`;
    element.style.top = `${px(record.top)}px`;
    element.style.width = `${px(record.width)}px`;
    element.style.height = `${px(record.height)}px`;
  }

  function makeElement(record) {
    let element;
    switch (record.kind) {
      case 'label':
        // A statistic is read by its row's title and its figure; any other
        // label by its caption, as its text.
        element = document.createElement(record.statistic ? 'output' : 'div');
        element.className = 'label';
        element.style.textAlign = record.align;
        if (record.statistic) element.setAttribute('aria-live', 'off');
        break;
      case 'marker':
        element = document.createElement('button');
        element.className = 'marker';
        element.type = 'button';
        break;
      case 'button':
      case 'toggle':
        element = document.createElement('button');
        element.type = 'button';
        element.className = record.kind;
        break;
      case 'hbar':
      case 'vbar': {
        const send = BAR_ACTIONS[record.id];
        const bar = createScrollBar(record, px, (value) => act(() => send(model, value)));
        scrollBars.set(record.id, bar);
        element = bar.element;
        break;
      }
      case 'list':
        element = document.createElement('select');
        element.className = 'list';
        break;
      case 'image':
        element = document.createElement('img');
        element.className = 'image';
        element.src = document.getElementById('logoPicture').src;
        break;
      case 'picture':
        element = document.createElement('canvas');
        element.className = 'picture';
        break;
      case 'frame':
        element = document.createElementNS('http://www.w3.org/2000/svg', 'rect');
        break;
      default:
        throw new Error(`no element for a control of kind ${record.kind}`);
    }
    element.id = record.id;
    if (record.kind === 'frame') {
      drawing.insertBefore(element, drawing.querySelector('.impulses'));
    } else {
      place(element, record);
      if (record.fontPt) element.style.fontSize = `${record.fontPt}pt`;
      form.appendChild(element);
    }
    return element;
  }

  function makeLine(record) {
    const line = document.createElementNS('http://www.w3.org/2000/svg', 'line');
    line.id = record.id;
    line.setAttribute('stroke-width', record.widthPx);
    const group = record.id.startsWith('Line') ? '.axes' : '.impulses';
    drawing.querySelector(group).appendChild(line);
    return line;
  }

  function build() {
    const r = records;
    form.style.width = `${px(r.clientWidth)}px`;
    form.style.height = `${px(r.clientHeight)}px`;
    form.style.backgroundColor = r.backColour;
    drawing.setAttribute('viewBox', `0 0 ${px(r.clientWidth)} ${px(r.clientHeight)}`);
    // Labels lie lowest, then the window's drawing, then the controls. The
    // controls stand in the document in the window's focus order, so Tab
    // visits them as the window does; where two overlap, the later one in
    // that order lies on top, as in the window.
    const order = (c) => {
      if (c.kind === 'label' || c.kind === 'image') return -1;
      const stop = r.tabOrder.indexOf(c.id);
      return stop < 0 ? r.tabOrder.length : stop;
    };
    const controls = r.controls.map((c, k) => ({ c, k }))
      .sort((a, b) => order(a.c) - order(b.c) || a.k - b.k).map(({ c }) => c);
    let drawingPlaced = false;
    for (const record of controls) {
      if (order(record) >= 0 && !drawingPlaced) {
        form.appendChild(drawing);
        drawingPlaced = true;
      }
      elements.set(record.id, makeElement(record));
    }
    for (const record of r.lines) elements.set(record.id, makeLine(record));
    form.appendChild(outline);
    for (const id of r.tabOrder) elements.get(id).setAttribute('tabindex', '0');
    outline.setAttribute('aria-label', r.dropPlaceName);
    SURFACES.forEach((id, k) => {
      const canvas = elements.get(id);
      canvas.width = model.surfaceWidth(k);
      canvas.height = model.surfaceHeight(k);
      surfaces.push({ canvas, context: canvas.getContext('2d') });
    });
    const symbolLabel = r.controls.find((c) => c.caption === 'Symbol Time');
    if (symbolLabel) elements.get('cmbSymbol').setAttribute('aria-labelledby', symbolLabel.id);
    connectEvents();
  }

  // ---- mirroring the records --------------------------------------------

  function setText(element, text) {
    if (element.textContent !== text) element.textContent = text;
  }

  function setAttribute(element, name, value) {
    if (value === '' || value === null) {
      if (element.hasAttribute(name)) element.removeAttribute(name);
    } else if (element.getAttribute(name) !== String(value)) {
      element.setAttribute(name, value);
    }
  }

  function mirrorControl(record) {
    const element = elements.get(record.id);
    if (record.kind === 'frame') {
      setAttribute(element, 'x', px(record.left));
      setAttribute(element, 'y', px(record.top));
      setAttribute(element, 'width', px(record.width));
      setAttribute(element, 'height', px(record.height));
      setAttribute(element, 'fill', record.fillColour);
      setAttribute(element, 'visibility', record.visible ? 'visible' : 'hidden');
      return;
    }
    place(element, record);
    element.hidden = !record.visible;
    if ('enabled' in record) element.disabled = !record.enabled;
    if (record.kind === 'image') element.alt = record.name;
    else if (record.kind !== 'label' || record.statistic) setAttribute(element, 'aria-label', record.name);
    setAttribute(element, 'aria-description', record.description);
    switch (record.kind) {
      case 'label':
        setText(element, record.caption);
        element.classList.toggle(
          'wraps', record.caption.includes(' ') && px(record.height) >= 2 * 1.2 * px(record.fontPt * 20));
        break;
      case 'marker':
        element.style.backgroundColor = record.backColour;
        element.classList.toggle('on', record.backColour !== records.backColour);
        break;
      case 'button':
        setText(element, record.caption);
        break;
      case 'toggle':
        setText(element, record.caption);
        setAttribute(element, 'aria-pressed', record.value === 1 ? 'true' : 'false');
        element.style.color = record.captionColour || '';
        break;
      case 'hbar':
      case 'vbar':
        scrollBars.get(record.id).mirror(record);
        break;
      case 'list': {
        const same = element.options.length === record.items.length &&
          record.items.every((item, k) => element.options[k].text === item);
        if (!same) {
          element.replaceChildren(...record.items.map((item) => new Option(item, item)));
        }
        if (element.selectedIndex !== record.listIndex) element.selectedIndex = record.listIndex;
        break;
      }
      default:
        break;
    }
  }

  function mirrorLine(record) {
    const line = elements.get(record.id);
    setAttribute(line, 'x1', px(record.x1));
    setAttribute(line, 'y1', px(record.y1));
    setAttribute(line, 'x2', px(record.x2));
    setAttribute(line, 'y2', px(record.y2));
    setAttribute(line, 'visibility', record.visible ? 'visible' : 'hidden');
  }

  // Only the rectangle drawn or wiped since the last frame goes to the canvas.
  function copySurface(k) {
    const changed = model.takeChanged(k);
    const width = changed.right - changed.left;
    const height = changed.bottom - changed.top;
    if (width <= 0 || height <= 0) return;
    const surface = surfaces[k];
    const heap = Module.HEAPU8;
    // The canvas reads the module's own pixels through a view, no copy in
    // between; growing memory replaces the buffer, and then the view.
    if (!surface.image || surface.image.data.buffer !== heap.buffer) {
      const { width: w, height: h } = surface.canvas;
      const pixels = new Uint8ClampedArray(heap.buffer, model.surfacePixels(k), w * h * 4);
      surface.image = new ImageData(pixels, w, h);
    }
    surface.context.putImageData(surface.image, 0, 0, changed.left, changed.top, width, height);
  }

  // What each element last mirrored: an unchanged record touches nothing.
  const mirrored = new Map();
  function changed(record) {
    const text = JSON.stringify(record);
    if (mirrored.get(record.id) === text) return false;
    mirrored.set(record.id, text);
    return true;
  }

  function sync() {
    records = JSON.parse(model.records());
    for (const record of records.controls) if (changed(record)) mirrorControl(record);
    for (const record of records.lines) if (changed(record)) mirrorLine(record);
    records.markerStack.forEach((index, depth) => {
      elements.get(`cmdSource-${index}`).style.zIndex = String(10 + depth);
    });
    for (let k = 0; k < SURFACES.length; ++k) copySurface(k);
    if (drag && elements.get(`cmdSource-${drag.index}`).hidden) endDrag(null);
    for (const text of JSON.parse(model.takeMessages())) pendingMessages.push(text);
    showNextMessage();
    scheduleTick();
  }

  // ---- the message box ---------------------------------------------------

  function showNextMessage() {
    if (messageBox.open || pendingMessages.length === 0) return;
    document.getElementById('messageText').textContent = pendingMessages.shift();
    messageBox.showModal();
  }
  messageBox.addEventListener('close', showNextMessage);

  // ---- the timer -----------------------------------------------------------

  // One tick in flight at most: a tab that was hidden gets no burst of
  // queued ticks when it comes back, only the next one.
  let tickTimeout = null;
  let lastTick = 0;
  function scheduleTick() {
    const timer = records.timer;
    if (!timer.enabled) {
      if (tickTimeout !== null) clearTimeout(tickTimeout);
      tickTimeout = null;
      return;
    }
    if (tickTimeout !== null) return;
    const wait = Math.max(0, lastTick + timer.intervalMs - performance.now());
    tickTimeout = setTimeout(() => {
      tickTimeout = null;
      lastTick = performance.now();
      act(() => model.tick());
    }, Math.min(wait, timer.intervalMs));
  }

  // ---- the right-button drag -------------------------------------------

  let drag = null;  // {index, pointerId}

  // A point of the page in the window's twips, whatever the form's scale.
  function twipsAt(event) {
    const box = form.getBoundingClientRect();
    const scale = box.width / form.offsetWidth || 1;
    return [(event.clientX - box.left) / scale * TWIPS_PER_PX,
      (event.clientY - box.top) / scale * TWIPS_PER_PX];
  }

  function moveOutline(event) {
    const [x, y] = twipsAt(event);
    outline.style.left = `${px(x) - outline.offsetWidth / 2}px`;
    outline.style.top = `${px(y) - outline.offsetHeight / 2}px`;
  }

  function beginDrag(index, event) {
    const marker = elements.get(`cmdSource-${index}`);
    drag = { index, pointerId: event.pointerId };
    outline.style.width = marker.style.width;
    outline.style.height = marker.style.height;
    outline.hidden = false;
    moveOutline(event);
    try {
      marker.setPointerCapture(event.pointerId);
    } catch (error) {
      // a pointer that is already gone: the release will not come
    }
  }

  // With an event: the drop at its point; without: the drag ends, no drop.
  function endDrag(event) {
    if (!drag) return;
    const { index, pointerId } = drag;
    drag = null;
    outline.hidden = true;
    const marker = elements.get(`cmdSource-${index}`);
    if (marker.hasPointerCapture(pointerId)) marker.releasePointerCapture(pointerId);
    if (event) {
      const [x, y] = twipsAt(event);
      act(() => model.releaseDrag(x, y));
    } else {
      act(() => model.cancelDrag());
    }
  }

  // ---- events ----------------------------------------------------------------

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
    let press = null;  // a touch that may become a long press
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
    marker.addEventListener('pointerdown', (event) => {
      if (drag) return;
      if (event.pointerType === 'touch') {
        // A second finger on the same marker replaces the first one's press.
        if (press) clearTimeout(press.timer);
        const held = { x: event.clientX, y: event.clientY, event };
        press = held;
        held.timer = setTimeout(() => {
          if (press !== held) return;
          const start = held.event;
          press = null;
          act(() => model.pressOnMarker(index, 2));
          if (model.dragSource() === index) {
            clickAfterDrag = true;
            beginDrag(index, start);
          }
        }, LONG_PRESS_MS);
        return;
      }
      const code = BUTTON_CODES[event.button] || 0;
      act(() => model.pressOnMarker(index, code));
      if (model.dragSource() === index) {
        event.preventDefault();
        clickAfterDrag = event.button === 0;
        beginDrag(index, event);
      }
    });
    marker.addEventListener('pointermove', (event) => {
      if (press && Math.hypot(event.clientX - press.x, event.clientY - press.y) > 10) {
        clearTimeout(press.timer);
        press = null;
      }
      if (drag && drag.pointerId === event.pointerId) {
        press = null;
        moveOutline(event);
        if (event.pointerType === 'touch') event.preventDefault();
      }
    });
    const letGo = (event) => {
      if (press) {
        clearTimeout(press.timer);
        press = null;
      }
      if (drag && drag.pointerId === event.pointerId) endDrag(event);
    };
    marker.addEventListener('pointerup', letGo);
    marker.addEventListener('pointercancel', (event) => {
      if (press) clearTimeout(press.timer);
      press = null;
      if (drag && drag.pointerId === event.pointerId) endDrag(null);
    });
    marker.addEventListener('lostpointercapture', (event) => {
      if (drag && drag.pointerId === event.pointerId) endDrag(null);
    });
  }

  function connectEvents() {
    for (let i = 0; i < 8; ++i) connectMarker(i);
    elements.get('cmdRand').addEventListener('click', () => act(() => model.clickRandom()));
    for (const g of [0, 1]) {
      elements.get(`cmdGo-${g}`).addEventListener('click', () => act(() => model.clickGo(g)));
    }
    elements.get('chkLinear').addEventListener('click', () => act(() => model.clickLinear()));
    elements.get('chkMemory').addEventListener('click', () => act(() => model.clickMemory()));
    const list = elements.get('cmbSymbol');
    list.addEventListener('change', () => act(() => model.chooseSymbol(list.selectedIndex)));
    SURFACES.forEach((id, k) => {
      elements.get(id).addEventListener('click', (event) => {
        if (event.button === 0) act(() => model.clickSurface(k));
      });
    });
    form.addEventListener('contextmenu', (event) => event.preventDefault());
    window.addEventListener('resize', fitToWindow);
  }

  // A window smaller than the form shows all of it, scaled down.
  function fitToWindow() {
    const width = form.offsetWidth;
    const height = form.offsetHeight;
    const scale = Math.min(1, window.innerWidth / width, window.innerHeight / height);
    form.style.transform = scale < 1 ? `scale(${scale})` : '';
    stage.style.width = `${width * scale}px`;
    stage.style.height = `${height * scale}px`;
  }

  // ---- start -------------------------------------------------------------------

  let Module = null;
  createTarvelModule({
    onAbort: (what) => fail(what),
    printErr: (text) => console.warn(text),
  }).then((instance) => {
    Module = instance;
    try {
      model = new Module.WebModel(window.devicePixelRatio || 1);
      records = JSON.parse(model.records());
      build();
      sync();
      fitToWindow();
      elements.get(records.tabOrder[0]).focus();
      performance.mark('tarvel-first-picture');
      // For tests and the benchmark: after calling the model directly
      // (say, model.tick() with the timer stopped), sync mirrors it.
      window.tarvelDemo = { model, records: () => records, sync: () => act(() => {}) };
      document.body.dataset.ready = 'true';
    } catch (error) {
      fail(error);
    }
  }, fail);
  window.addEventListener('error', (event) => fail(event.error || event.message));
})();
