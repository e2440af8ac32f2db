// The arithmetic of the window's scroll bars (Qt's Fusion style, as
// QCommonStyle lays a scroll bar out and QStyle turns values into pixels and
// back), in CSS pixels of the form at a scale of 1.
//
// Measured on the window at QT_SCALE_FACTOR 1 (Xvfb, read back from its
// screen): the arrow buttons are 14 pixels long; the fading bar (169 px, a
// track of 141) has a 40-pixel thumb; the range bar (177 px, a track of 149)
// would have 4 * 149 / 24 = 24 and gets the style's least, 26. Each thumb is
// drawn with a line just outside either end, 42 and 28 pixels from line to
// line. Its start along the track for each value is the nearest whole pixel,
// halves up: 0 20 40 61 81 101 on the fading bar, 0 6 12 18 25 31 ... 117 123
// on the range bar.
export const SCROLL_ARROW_PX = 14;  // PM_ScrollBarExtent
export const SCROLL_THUMB_MIN_PX = 26;  // PM_ScrollBarSliderMin

// A pressed arrow or track steps at once, again after 500 ms, then every
// 50 ms (measured: held 150 ms, one step; 600 ms, four; 1 s, eleven or twelve).
export const SCROLL_REPEAT_DELAY_MS = 500;
export const SCROLL_REPEAT_MS = 50;

// A wheel's notch is 120 units of angle, as the window's and the browsers'
// wheelDelta count it; a notch moves three small changes (Qt's
// wheelScrollLines), never more than a page at once.
export const WHEEL_NOTCH = 120;
export const WHEEL_LINES = 3;

// The thumb's length on a track of `room` pixels: as long against the track
// as a page against the range and a page, in whole pixels, not under the least.
export function scrollThumbLength(bar, room) {
  const range = bar.max - bar.min;
  if (range <= 0) return room;
  const length = Math.trunc(bar.largeChange * room / (range + bar.largeChange));
  return Math.min(room, Math.max(SCROLL_THUMB_MIN_PX, length));
}

// Where the thumb starts for `value`, `span` being the track less the thumb.
export function scrollThumbOffset(bar, value, span) {
  const range = bar.max - bar.min;
  if (span <= 0 || range <= 0 || value <= bar.min) return 0;
  if (value >= bar.max) return span;
  return Math.floor((2 * (value - bar.min) * span + range) / (2 * range));
}

// The value whose thumb starts nearest to `offset`.
export function scrollValueAt(bar, offset, span) {
  const range = bar.max - bar.min;
  if (span <= 0 || offset <= 0) return bar.min;
  if (offset >= span) return bar.max;
  return bar.min + Math.floor((2 * offset * range + span) / (2 * span));
}

// A wheel event as the window's angle: a notch is 120, positive up and left.
// Every engine gives wheelDelta so for a real notch, however many pixels it
// scrolls; the deltas are the fallback.
export function wheelAngle(event) {
  if (typeof event.wheelDeltaY === 'number' && (event.wheelDeltaX || event.wheelDeltaY)) {
    return { x: event.wheelDeltaX, y: event.wheelDeltaY };
  }
  const perUnit = { [WheelEvent.DOM_DELTA_LINE]: WHEEL_NOTCH / WHEEL_LINES,
    [WheelEvent.DOM_DELTA_PAGE]: WHEEL_NOTCH }[event.deltaMode] || 1;
  return { x: -event.deltaX * perUnit, y: -event.deltaY * perUnit };
}
