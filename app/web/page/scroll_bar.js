// A scroll bar drawn by the page as the window draws its own: an arrow
// button at each end, a track and a thumb, alike in every browser (a range
// input is a slider, and not every engine can stand one upright). It acts as
// the window's does, part for part: an arrow steps by the bar's small change,
// the track by its large change towards the pointer, both repeating while
// held and pausing while the pointer is off the pressed part; the thumb
// follows the pointer; the wheel and the keys step. Every number comes from
// the bar's record or from the window's style (scroll_style.js).
import { formPixelsAt } from './scale.js';
import {
  SCROLL_ARROW_PX, SCROLL_REPEAT_DELAY_MS, SCROLL_REPEAT_MS, WHEEL_LINES, WHEEL_NOTCH, scrollThumbLength, scrollThumbOffset,
  scrollValueAt, wheelAngle,
} from './scroll_style.js';

// The parts, as the style tells them apart along the bar.
const SCROLL_LESS = 'less';
const SCROLL_MORE = 'more';
const SCROLL_LESS_PAGE = 'lessPage';
const SCROLL_MORE_PAGE = 'morePage';
const SCROLL_THUMB = 'thumb';

export class ScrollBar {
  // `px` turns the record's twips into CSS pixels; `send(value)` hands a new
  // value to the model and mirrors what follows, this bar included.
  constructor(record, px, send) {
    this.bar = record;  // the record last mirrored
    this.shown = record.value;  // ahead of the record while a thumb that reports on release is dragged
    this.held = null;  // the pressed part: {pointerId, part, grab, aim, timer, ticker, outside}
    this.wheelRest = 0;  // steps of a touchpad's small deltas not taken yet
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
    // What the keyboard and assistive tools hold: an unseen range input over
    // the bar, which tells its steps and takes a value set from outside as
    // the user's move. The bar itself hands its focus on to it.
    const value = document.createElement('input');
    value.type = 'range';
    value.className = 'value';
    value.id = `${this.bar.id}-value`;
    value.step = '1';
    value.setAttribute('aria-orientation', this.vertical ? 'vertical' : 'horizontal');
    element.tabIndex = -1;
    element.append(value, this.less, this.track, this.more);
    this.value = value;
    this.element = element;
  }

  // The model's value wins, except over a thumb that is still held.
  mirror(record) {
    this.bar = record;
    if (!(this.held && this.held.part === SCROLL_THUMB)) this.shown = record.value;
    this.draw();
  }

  clamp(value) {
    return Math.min(this.bar.max, Math.max(this.bar.min, value));
  }

  trackLength() {
    return this.px(this.vertical ? this.bar.height : this.bar.width) - 2 * SCROLL_ARROW_PX;
  }

  thumbLength() {
    return scrollThumbLength(this.bar, this.trackLength());
  }

  // How far the thumb's start can go along the track.
  span() {
    return this.trackLength() - this.thumbLength();
  }

  thumbOffset(value) {
    return scrollThumbOffset(this.bar, value, this.span());
  }

  draw() {
    const [lengthName, offsetName] = this.vertical ? ['height', 'top'] : ['width', 'left'];
    this.thumb.style[lengthName] = `${this.thumbLength()}px`;
    this.thumb.style[offsetName] = `${this.thumbOffset(this.shown)}px`;
    const { value } = this;
    if (value.min !== String(this.bar.min)) value.min = String(this.bar.min);
    if (value.max !== String(this.bar.max)) value.max = String(this.bar.max);
    if (value.value !== String(this.shown)) value.value = String(this.shown);
    value.disabled = !this.bar.enabled;
  }

  moveTo(value) {
    const next = this.clamp(value);
    if (next === this.bar.value) return;
    this.shown = next;
    this.send(next);
  }

  // Where the pointer is, in the form's pixels from the bar's corner,
  // whatever the form's scale (see formPixelsAt).
  pointerInBar(event) {
    const [x, y] = formPixelsAt(event.clientX, event.clientY);
    return [x - this.px(this.bar.left), y - this.px(this.bar.top)];
  }

  // Where the pointer is along the track, in the form's pixels.
  along(event) {
    const [x, y] = this.pointerInBar(event);
    return (this.vertical ? y : x) - SCROLL_ARROW_PX;
  }

  // The part under the pointer, none off the bar; the thumb by its place for
  // the value, the track before and after it. Off the bar, a finger's target
  // around an arrow or the thumb (see touch_targets.js) is that part.
  partAt(event) {
    const [x, y] = this.pointerInBar(event);
    const across = this.vertical ? x : y;
    const thickness = this.px(this.vertical ? this.bar.width : this.bar.height);
    const at = Math.floor(this.along(event));
    const room = this.trackLength();
    if (across < 0 || across >= thickness || at < -SCROLL_ARROW_PX || at >= room + SCROLL_ARROW_PX) {
      return this.partReachedAt(event);
    }
    if (at < 0) return SCROLL_LESS;
    if (at >= room) return SCROLL_MORE;
    const start = this.thumbOffset(this.bar.value);
    if (at < start) return SCROLL_LESS_PAGE;
    return at < start + this.thumbLength() ? SCROLL_THUMB : SCROLL_MORE_PAGE;
  }

  partReachedAt(event) {
    const under = document.elementsFromPoint(event.clientX, event.clientY);
    const reached = [[SCROLL_LESS, this.less], [SCROLL_MORE, this.more], [SCROLL_THUMB, this.thumb]]
      .find(([, piece]) => under.includes(piece));
    return reached ? reached[0] : null;
  }

  partElement(part) {
    const pieces = { [SCROLL_LESS]: this.less, [SCROLL_MORE]: this.more, [SCROLL_THUMB]: this.thumb };
    return pieces[part] || this.track;
  }

  // One step of the pressed part. A repeated page step that would come
  // within two pages of the value whose thumb is centred on the pointer
  // takes that value and stops: the thumb ends under the pointer.
  step(repeated) {
    const { part, aim } = this.held;
    const { value, smallChange, largeChange } = this.bar;
    const sign = part === SCROLL_LESS || part === SCROLL_LESS_PAGE ? -1 : 1;
    if (part === SCROLL_LESS || part === SCROLL_MORE) {
      this.moveTo(value + sign * smallChange);
      return;
    }
    const next = value + sign * largeChange;
    if (repeated && next > aim - 2 * largeChange && next < aim + 2 * largeChange) {
      this.pause();
      this.moveTo(aim);
    } else {
      this.moveTo(next);
    }
  }

  // The pressed part acts now, then repeats while held: once after the
  // first delay, then on a steady beat.
  activate() {
    this.pause();
    this.step(false);
    const held = this.held;
    held.timer = setTimeout(() => {
      held.ticker = setInterval(() => this.step(true), SCROLL_REPEAT_MS);
      this.step(true);
    }, SCROLL_REPEAT_DELAY_MS);
  }

  pause() {
    clearTimeout(this.held.timer);
    clearInterval(this.held.ticker);
  }

  press(event) {
    if (this.held || !this.bar.enabled || (event.pointerType === 'mouse' && event.button !== 0)) return;
    event.preventDefault();
    this.value.focus({ preventScroll: true });
    const part = this.partAt(event);
    if (!part || this.bar.max === this.bar.min) return;
    const at = this.along(event);
    const length = this.thumbLength();
    // The value that would centre the thumb on the pointer, as the window
    // takes it: the first of an even length's two middle pixels.
    const aim = scrollValueAt(this.bar, Math.floor(at) - Math.floor((length - 1) / 2), this.span());
    const grab = at - this.thumbOffset(this.bar.value);
    this.held = { pointerId: event.pointerId, part, grab, aim, timer: 0, ticker: 0, outside: false };
    try {
      this.element.setPointerCapture(event.pointerId);
    } catch {
      // a pointer that is already gone: its release will not come
    }
    this.partElement(part).classList.add('pressed');
    if (part !== SCROLL_THUMB) this.activate();
  }

  move(event) {
    if (!this.held || this.held.pointerId !== event.pointerId) return;
    const { part } = this.held;
    if (part !== SCROLL_THUMB) {
      // Off the pressed part the repeat pauses; back on it, the part acts
      // at once and repeats as after a press.
      const inside = this.partAt(event) === part;
      if (inside !== this.held.outside) return;
      this.held.outside = !inside;
      this.partElement(part).classList.toggle('pressed', inside);
      if (inside) this.activate();
      else this.pause();
      return;
    }
    const value = scrollValueAt(this.bar, this.along(event) - this.held.grab, this.span());
    if (value === this.shown) return;
    this.shown = value;
    if (this.bar.tracking) this.send(value);
    else this.draw();
  }

  letGo(event) {
    if (!this.held || this.held.pointerId !== event.pointerId) return;
    const { part } = this.held;
    this.pause();
    this.held = null;
    this.partElement(part).classList.remove('pressed');
    if (this.element.hasPointerCapture(event.pointerId)) this.element.releasePointerCapture(event.pointerId);
    if (part === SCROLL_THUMB && this.shown !== this.bar.value) this.send(this.shown);
  }

  // The wheel over the bar, focused or not: a notch three small changes,
  // never more than a page; a touchpad's fractions add up to steps; with
  // Shift a page a notch. Down and right are more on the upright bar and
  // less on the level one, as in the window. Ctrl is the page's (it
  // magnifies the form), and a wheel that moves nothing passes on.
  wheel(event) {
    if (event.ctrlKey || !this.bar.enabled) return;
    const angle = wheelAngle(event);
    const horizontal = Math.abs(angle.x) > Math.abs(angle.y);
    // A touchpad's slanted stroke does not move a level bar.
    if (!horizontal && angle.x !== 0 && !this.vertical) return;
    const notches = (horizontal ? angle.x : angle.y) / WHEEL_NOTCH;
    const { value, min, max, smallChange, largeChange } = this.bar;
    const atMost = (steps) => Math.max(-largeChange, Math.min(largeChange, Math.trunc(steps)));
    let steps;
    if (event.shiftKey) {
      steps = atMost(notches * largeChange);
      this.wheelRest = 0;
    } else {
      if (this.wheelRest * notches < 0) this.wheelRest = 0;
      this.wheelRest += WHEEL_LINES * notches * smallChange;
      steps = atMost(this.wheelRest);
      this.wheelRest -= Math.trunc(this.wheelRest);
      if (steps === 0) {
        const ahead = this.vertical ? -this.wheelRest : this.wheelRest;
        if ((ahead > 0 && value < max) || (ahead < 0 && value > min)) event.preventDefault();
        else this.wheelRest = 0;
        return;
      }
    }
    const next = this.clamp(value + (this.vertical ? -steps : steps));
    if (next === value) {
      this.wheelRest = 0;
      return;
    }
    event.preventDefault();
    this.moveTo(next);
  }

  // The desktop's keys: arrows by the small change, pages by the large one,
  // Home and End to the ends. Up, Right and Page Up go one way, Down, Left
  // and Page Down the other: towards the top of an upright bar, the less,
  // and towards more on a level one.
  key(event) {
    const up = this.vertical ? -1 : 1;
    const { value, smallChange, largeChange, min, max } = this.bar;
    const target = {
      ArrowUp: value + up * smallChange, ArrowRight: value + up * smallChange,
      ArrowDown: value - up * smallChange, ArrowLeft: value - up * smallChange,
      PageUp: value + up * largeChange, PageDown: value - up * largeChange, Home: min, End: max,
    }[event.key];
    if (target === undefined) return;
    event.preventDefault();
    this.moveTo(target);
  }

  // A value set on the input by an assistive tool (the keys' own steps are
  // the bar's, see key): the bar moves there as under the user's hand.
  input() {
    const next = Number(this.value.value);
    if (Number.isFinite(next)) this.moveTo(Math.round(next));
    this.draw();
  }

  listen() {
    const on = (type, handler, options) => this.element.addEventListener(type, handler.bind(this), options);
    on('focus', () => this.value.focus({ preventScroll: true }));
    this.value.addEventListener('input', this.input.bind(this));
    on('pointerdown', this.press);
    on('pointermove', this.move);
    on('pointerup', this.letGo);
    on('pointercancel', this.letGo);
    on('lostpointercapture', this.letGo);
    on('keydown', this.key);
    on('wheel', this.wheel, { passive: false });
  }
}
