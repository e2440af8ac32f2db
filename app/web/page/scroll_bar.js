// A scroll bar drawn by the page as the window draws its own: an arrow
// button at each end, a track and a thumb, alike in every browser (a range
// input is a slider, and not every engine can stand one upright). An arrow
// steps by the bar's small change, the track by its large change towards the
// pointer, both repeating while held; the thumb follows the pointer. Every
// number comes from the bar's record.

const SCROLL_REPEAT_DELAY_MS = 500;  // a held arrow or track starts repeating after this
const SCROLL_REPEAT_MS = 50;
const SCROLL_THUMB_MIN_PX = 8;
const SCROLL_ARROW_PX = 14;  // the window's style draws its arrow buttons this long

// `px` turns the record's twips into CSS pixels; `send(value)` hands a new
// value to the model and mirrors what follows, this bar included.
function createScrollBar(record, px, send) {
  const vertical = record.kind === 'vbar';
  const element = document.createElement('div');
  element.className = `scrollbar ${record.kind}`;
  element.setAttribute('role', 'scrollbar');
  element.setAttribute('aria-orientation', vertical ? 'vertical' : 'horizontal');
  element.tabIndex = 0;
  const part = (name) => {
    const piece = document.createElement('div');
    piece.className = name;
    piece.setAttribute('aria-hidden', 'true');
    return piece;
  };
  const less = part('arrow less');
  const track = part('track');
  const thumb = part('thumb');
  const more = part('arrow more');
  track.appendChild(thumb);
  element.append(less, track, more);

  let bar = record;  // the record last mirrored
  let shown = record.value;  // ahead of the record while a thumb that reports on release is dragged
  let held = null;  // the pressed part: {pointerId, part, grab, timer}

  const clamp = (value) => Math.min(bar.max, Math.max(bar.min, value));
  const trackLength = () => px(vertical ? bar.height : bar.width) - 2 * SCROLL_ARROW_PX;
  // The thumb is as long against the track as a page against the whole range.
  function thumbLength() {
    const range = bar.max - bar.min;
    const length = Math.round(trackLength() * bar.largeChange / (range + bar.largeChange));
    return Math.min(trackLength(), Math.max(SCROLL_THUMB_MIN_PX, length));
  }
  function thumbOffset(value) {
    const range = bar.max - bar.min;
    return range > 0 ? Math.round((value - bar.min) * (trackLength() - thumbLength()) / range) : 0;
  }

  function draw() {
    const [lengthName, offsetName] = vertical ? ['height', 'top'] : ['width', 'left'];
    thumb.style[lengthName] = `${thumbLength()}px`;
    thumb.style[offsetName] = `${thumbOffset(shown)}px`;
    element.setAttribute('aria-valuemin', String(bar.min));
    element.setAttribute('aria-valuemax', String(bar.max));
    element.setAttribute('aria-valuenow', String(shown));
  }

  function moveTo(value) {
    const next = clamp(value);
    if (next === bar.value) return;
    shown = next;
    send(next);
  }

  // Where the pointer is along the track, in the form's pixels whatever its scale.
  function along(event) {
    const box = track.getBoundingClientRect();
    const scale = (vertical ? box.height / track.offsetHeight : box.width / track.offsetWidth) || 1;
    return (vertical ? event.clientY - box.top : event.clientX - box.left) / scale;
  }

  // One step of the pressed part: an arrow always steps; the track steps a
  // page towards the pointer until the thumb lies under it.
  function stepHeld(event) {
    if (held.part === less) moveTo(bar.value - bar.smallChange);
    else if (held.part === more) moveTo(bar.value + bar.smallChange);
    else if (held.part === track) {
      const at = along(event);
      const from = thumbOffset(bar.value);
      if (at < from) moveTo(bar.value - bar.largeChange);
      else if (at >= from + thumbLength()) moveTo(bar.value + bar.largeChange);
    }
  }

  function repeat(event, delay) {
    held.timer = setTimeout(() => {
      if (!held) return;
      stepHeld(held.lastEvent || event);
      repeat(event, SCROLL_REPEAT_MS);
    }, delay);
  }

  element.addEventListener('pointerdown', (event) => {
    if (held || !bar.enabled || (event.pointerType === 'mouse' && event.button !== 0)) return;
    event.preventDefault();
    element.focus({ preventScroll: true });
    const pressed = [less, more, thumb, track].find((p) => p.contains(event.target));
    if (!pressed) return;
    held = { pointerId: event.pointerId, part: pressed, grab: along(event) - thumbOffset(bar.value) };
    try {
      element.setPointerCapture(event.pointerId);
    } catch (error) {
      // a pointer that is already gone: its release will not come
    }
    pressed.classList.add('pressed');
    if (pressed === thumb) return;
    stepHeld(event);
    repeat(event, SCROLL_REPEAT_DELAY_MS);
  });

  element.addEventListener('pointermove', (event) => {
    if (!held || held.pointerId !== event.pointerId) return;
    held.lastEvent = event;
    if (held.part !== thumb) return;
    const room = trackLength() - thumbLength();
    if (room <= 0) return;
    const value = clamp(bar.min + Math.round((along(event) - held.grab) / room * (bar.max - bar.min)));
    if (value === shown) return;
    shown = value;
    if (bar.tracking) send(value);
    else draw();
  });

  function letGo(event) {
    if (!held || held.pointerId !== event.pointerId) return;
    const { part: pressed, timer } = held;
    held = null;
    clearTimeout(timer);
    pressed.classList.remove('pressed');
    if (element.hasPointerCapture(event.pointerId)) element.releasePointerCapture(event.pointerId);
    if (pressed === thumb && shown !== bar.value) send(shown);
  }
  element.addEventListener('pointerup', letGo);
  element.addEventListener('pointercancel', letGo);
  element.addEventListener('lostpointercapture', letGo);

  // The desktop's keys: arrows by the small change, pages by the large one,
  // Home and End to the ends; up is less on an upright bar, more on a level one.
  element.addEventListener('keydown', (event) => {
    const moreKeys = vertical ? ['ArrowDown', 'ArrowRight'] : ['ArrowRight', 'ArrowUp'];
    const lessKeys = vertical ? ['ArrowUp', 'ArrowLeft'] : ['ArrowLeft', 'ArrowDown'];
    const [pageMore, pageLess] = vertical ? ['PageDown', 'PageUp'] : ['PageUp', 'PageDown'];
    let value = null;
    if (moreKeys.includes(event.key)) value = bar.value + bar.smallChange;
    else if (lessKeys.includes(event.key)) value = bar.value - bar.smallChange;
    else if (event.key === pageMore) value = bar.value + bar.largeChange;
    else if (event.key === pageLess) value = bar.value - bar.largeChange;
    else if (event.key === 'Home') value = bar.min;
    else if (event.key === 'End') value = bar.max;
    if (value === null) return;
    event.preventDefault();
    moveTo(value);
  });

  element.style.setProperty('--arrow', `${SCROLL_ARROW_PX}px`);
  draw();
  return {
    element,
    // The model's value wins, except over a thumb that is still held.
    mirror(next) {
      bar = next;
      if (!(held && held.part === thumb)) shown = bar.value;
      draw();
    },
  };
}
