// Mirroring the records into the elements after every event and tick.

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
  const kind = kindOf(record);
  if (!kind.inDrawing) {
    place(element, record);
    element.hidden = !record.visible;
    if ('enabled' in record) element.disabled = !record.enabled;
    if (kind.name) kind.name(element, record);
    else setAttribute(element, 'aria-label', record.name);
    setAttribute(element, 'aria-description', record.description);
  }
  kind.mirror(element, record);
}

function mirrorLine(record) {
  const line = elements.get(record.id);
  setAttribute(line, 'x1', px(record.x1));
  setAttribute(line, 'y1', px(record.y1));
  setAttribute(line, 'x2', px(record.x2));
  setAttribute(line, 'y2', px(record.y2));
  setAttribute(line, 'visibility', record.visible ? 'visible' : 'hidden');
}

// What each element last mirrored: an unchanged record touches nothing.
const mirrored = new Map();
function changed(record) {
  const text = JSON.stringify(record);
  if (mirrored.get(record.id) === text) return false;
  mirrored.set(record.id, text);
  return true;
}

// The records into the elements, the pictures left as they are.
function mirrorRecords() {
  records = JSON.parse(model.records());
  for (const record of records.controls) if (changed(record)) mirrorControl(record);
  for (const record of records.lines) if (changed(record)) mirrorLine(record);
  records.markerStack.forEach((index, depth) => {
    elements.get(`cmdSource-${index}`).style.zIndex = String(10 + depth);
  });
}

function sync() {
  mirrorRecords();
  reachForFingers();
  copySurfaces();
  if (drag && elements.get(`cmdSource-${drag.index}`).hidden) endDrag(null);
  for (const text of JSON.parse(model.takeMessages())) pendingMessages.push(text);
  showNextMessage();
  scheduleTick();
}
