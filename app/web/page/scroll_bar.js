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

class ScrollBar {
  // `px` turns the record's twips into CSS pixels; `send(value)` hands a new
  // value to the model and mirrors what follows, this bar included.
  constructor(record, px, send) {
    this.bar = record;  // the record last mirrored
    this.shown = record.value;  // ahead of the record while a thumb that reports on release is dragged
    this.held = null;  // the pressed part: {pointerId, part, grab, timer, lastEvent}
    this.px = px;
    this.send = send;
    this.vertical = record.kind === 'vbar';
    this.build();
    this.listen();
    this.draw();
  }

  build() {
    const element = document.createElement('div');
    element.className = `scrollbar ${this.bar.kind}`;
    element.setAttribute('role', 'scrollbar');
    element.setAttribute('aria-orientation', this.vertical ? 'vertical' : 'horizontal');
    element.tabIndex = 0;
    element.style.setProperty('--arrow', `${SCROLL_ARROW_PX}px`);
    const part = (name) => {
      const piece = document.createElement('div');
      piece.className = name;
      piece.setAttribute('aria-hidden', 'true');
      return piece;
    };
    this.less = part('arrow less');
    this.track = part('track');
    this.thumb = part('thumb');
    this.more = part('arrow more');
    this.track.appendChild(this.thumb);
    element.append(this.less, this.track, this.more);
    this.element = element;
  }

  // The model's value wins, except over a thumb that is still held.
  mirror(record) {
    this.bar = record;
    if (!(this.held && this.held.part === this.thumb)) this.shown = record.value;
    this.draw();
  }

  clamp(value) {
    return Math.min(this.bar.max, Math.max(this.bar.min, value));
  }

  trackLength() {
    return this.px(this.vertical ? this.bar.height : this.bar.width) - 2 * SCROLL_ARROW_PX;
  }

  // The thumb is as long against the track as a page against the whole range.
  thumbLength() {
    const { min, max, largeChange } = this.bar;
    const length = Math.round(this.trackLength() * largeChange / (max - min + largeChange));
    return Math.min(this.trackLength(), Math.max(SCROLL_THUMB_MIN_PX, length));
  }

  thumbOffset(value) {
    const range = this.bar.max - this.bar.min;
    if (range <= 0) return 0;
    return Math.round((value - this.bar.min) * (this.trackLength() - this.thumbLength()) / range);
  }

  draw() {
    const [lengthName, offsetName] = this.vertical ? ['height', 'top'] : ['width', 'left'];
    this.thumb.style[lengthName] = `${this.thumbLength()}px`;
    this.thumb.style[offsetName] = `${this.thumbOffset(this.shown)}px`;
    this.element.setAttribute('aria-valuemin', String(this.bar.min));
    this.element.setAttribute('aria-valuemax', String(this.bar.max));
    this.element.setAttribute('aria-valuenow', String(this.shown));
  }

  moveTo(value) {
    const next = this.clamp(value);
    if (next === this.bar.value) return;
    this.shown = next;
    this.send(next);
  }

  // Where the pointer is along the track, in the form's pixels whatever its scale.
  along(event) {
    const box = this.track.getBoundingClientRect();
    const scale = (this.vertical ? box.height / this.track.offsetHeight
      : box.width / this.track.offsetWidth) || 1;
    return (this.vertical ? event.clientY - box.top : event.clientX - box.left) / scale;
  }

  // One step of the pressed part: an arrow always steps; the track steps a
  // page towards the pointer until the thumb lies under it.
  stepHeld(event) {
    const { part } = this.held;
    const { value, smallChange, largeChange } = this.bar;
    if (part === this.less) this.moveTo(value - smallChange);
    else if (part === this.more) this.moveTo(value + smallChange);
    else if (part === this.track) {
      const at = this.along(event);
      const from = this.thumbOffset(value);
      if (at < from) this.moveTo(value - largeChange);
      else if (at >= from + this.thumbLength()) this.moveTo(value + largeChange);
    }
  }

  repeat(delay) {
    this.held.timer = setTimeout(() => {
      if (!this.held) return;
      this.stepHeld(this.held.lastEvent);
      this.repeat(SCROLL_REPEAT_MS);
    }, delay);
  }

  press(event) {
    if (this.held || !this.bar.enabled || (event.pointerType === 'mouse' && event.button !== 0)) return;
    event.preventDefault();
    this.element.focus({ preventScroll: true });
    const part = [this.less, this.more, this.thumb, this.track].find((p) => p.contains(event.target));
    if (!part) return;
    const grab = this.along(event) - this.thumbOffset(this.bar.value);
    this.held = { pointerId: event.pointerId, part, grab, timer: null, lastEvent: event };
    try {
      this.element.setPointerCapture(event.pointerId);
    } catch (error) {
      // a pointer that is already gone: its release will not come
    }
    part.classList.add('pressed');
    if (part === this.thumb) return;
    this.stepHeld(event);
    this.repeat(SCROLL_REPEAT_DELAY_MS);
  }

  move(event) {
    if (!this.held || this.held.pointerId !== event.pointerId) return;
    this.held.lastEvent = event;
    const room = this.trackLength() - this.thumbLength();
    if (this.held.part !== this.thumb || room <= 0) return;
    const { min, max } = this.bar;
    const value = this.clamp(min + Math.round((this.along(event) - this.held.grab) / room * (max - min)));
    if (value === this.shown) return;
    this.shown = value;
    if (this.bar.tracking) this.send(value);
    else this.draw();
  }

  letGo(event) {
    if (!this.held || this.held.pointerId !== event.pointerId) return;
    const { part, timer } = this.held;
    this.held = null;
    clearTimeout(timer);
    part.classList.remove('pressed');
    if (this.element.hasPointerCapture(event.pointerId)) this.element.releasePointerCapture(event.pointerId);
    if (part === this.thumb && this.shown !== this.bar.value) this.send(this.shown);
  }

  // The desktop's keys: arrows by the small change, pages by the large one,
  // Home and End to the ends; up is less on an upright bar, more on a level one.
  key(event) {
    const moreKeys = this.vertical ? ['ArrowDown', 'ArrowRight'] : ['ArrowRight', 'ArrowUp'];
    const lessKeys = this.vertical ? ['ArrowUp', 'ArrowLeft'] : ['ArrowLeft', 'ArrowDown'];
    const [pageMore, pageLess] = this.vertical ? ['PageDown', 'PageUp'] : ['PageUp', 'PageDown'];
    const { value, smallChange, largeChange, min, max } = this.bar;
    const target = {
      [moreKeys[0]]: value + smallChange, [moreKeys[1]]: value + smallChange,
      [lessKeys[0]]: value - smallChange, [lessKeys[1]]: value - smallChange,
      [pageMore]: value + largeChange, [pageLess]: value - largeChange, Home: min, End: max,
    }[event.key];
    if (target === undefined) return;
    event.preventDefault();
    this.moveTo(target);
  }

  listen() {
    const on = (type, handler) => this.element.addEventListener(type, handler.bind(this));
    on('pointerdown', this.press);
    on('pointermove', this.move);
    on('pointerup', this.letGo);
    on('pointercancel', this.letGo);
    on('lostpointercapture', this.letGo);
    on('keydown', this.key);
  }
}
