// The form at any size: it fills the page's window, up as well as down,
// keeping its proportions, and the user magnifies it past that. It is laid
// out at its shown size (CSS zoom, not a transform), so that its borders and
// lines fall on whole device pixels as the window's do, and its pictures are
// drawn at the device's real pixels, whatever the scale and the pinch zoom.
import { form, howToUse, stage, turnHint } from './dom.js';
import { resizeSurfaces } from './canvases.js';
import { formPixelsAt, formScale, setFormScale, shownPixelRatio } from './scale.js';
import { WHEEL_NOTCH, wheelAngle } from './scroll_style.js';
import { reachForFingers } from './touch_targets.js';
import { act, model, px, records } from './view.js';

// Below this scale an upright phone is told it may turn sideways.
const SMALL_SCALE = 0.5;
// The pictures move to a new pixel ratio once the zoom or size settles.
const SETTLE_MS = 200;
// How far the user magnifies the filled form, and the steps of Ctrl + and Ctrl -.
const MAGNIFY_MAX = 5;
const MAGNIFY_STEPS = [1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4, 5];
// Ctrl with the wheel: a mouse's notch (120 of the wheel's angle) is one
// step of Ctrl +; a touchpad's pinch comes as many small deltas, each
// magnifying by e^(-delta / 100).
const PINCH_DELTA_PX = 100;

let magnification = 1;  // the user's, over the filled size
let settleTimer = 0;

// How thick the browser's classic scroll bars are: 0 where they overlay
// the page (phones, and desktops set so).
let scrollBarThickness = null;
function classicScrollBar() {
  if (scrollBarThickness === null) {
    const probe = document.createElement('div');
    probe.style.cssText = 'position:absolute;top:-200px;width:100px;height:100px;overflow:scroll';
    document.body.appendChild(probe);
    scrollBarThickness = probe.offsetWidth - probe.clientWidth;
    probe.remove();
  }
  return scrollBarThickness;
}

// The room the page has, in CSS pixels. The visual viewport shrinks as the
// user pinches in; times its scale it is the layout viewport, which does not.
// A classic scroll bar, shown while the form is magnified or the help is
// open, takes no room from it: the filled size stays what it was.
function room() {
  const viewport = window.visualViewport;
  const root = document.documentElement;
  const bar = classicScrollBar();
  const width = (viewport ? viewport.width * viewport.scale : root.clientWidth) +
    (root.scrollHeight > root.clientHeight ? bar : 0);
  const height = (viewport ? viewport.height * viewport.scale : root.clientHeight) +
    (root.scrollWidth > root.clientWidth ? bar : 0);
  return { width, height: height - (turnHint.hidden ? 0 : turnHint.offsetHeight) - helpLine() };
}

// The line of the help's summary below the form: the form leaves room for
// it, so that the two fit the window; the help opened scrolls the page.
function helpLine() {
  return Math.ceil(howToUse.querySelector('summary').getBoundingClientRect().height);
}

// The scale at which the whole form fills the room.
function filledScale(roomWidth, roomHeight) {
  return Math.min(roomWidth / px(records.clientWidth), roomHeight / px(records.clientHeight));
}

export function fitToWindow() {
  const width = px(records.clientWidth);
  const height = px(records.clientHeight);
  // Upright, the form's width limits its scale: the hint's line above it
  // leaves the scale as it is.
  const whole = room();
  const filled = filledScale(whole.width, whole.height);
  turnHint.hidden = !(whole.width < whole.height && filled < SMALL_SCALE);
  const { width: roomWidth, height: roomHeight } = room();
  setFormScale(filledScale(roomWidth, roomHeight) * magnification);
  form.style.zoom = String(formScale);
  form.classList.toggle('scaled', formScale !== 1);
  // The stage is the form's box as shown, centred in the room while it fits;
  // whole pixels, so that no scroll bar shows at the filled size.
  const shownWidth = Math.floor(width * formScale);
  const shownHeight = Math.floor(height * formScale);
  stage.style.width = `${shownWidth}px`;
  stage.style.height = `${shownHeight}px`;
  // An upright phone keeps the form just under its hint, as before.
  const centring = turnHint.hidden ? Math.floor((roomHeight - shownHeight) / 2) : 0;
  stage.style.marginTop = `${Math.max(0, centring)}px`;
}

function drawAtShownRatio() {
  if (model.setPixelRatio(shownPixelRatio())) act(resizeSurfaces);
}

// A new size or zoom: the form fits at once, the pictures follow when the
// fingers or the window's edge have come to rest.
export function refit() {
  fitToWindow();
  reachForFingers();
  clearTimeout(settleTimer);
  settleTimer = setTimeout(drawAtShownRatio, SETTLE_MS);
}

// Magnifies to `next`, keeping the point of the form under (clientX, clientY)
// where it is on the screen.
function magnifyTo(next, clientX = window.innerWidth / 2, clientY = window.innerHeight / 2) {
  const clamped = Math.min(MAGNIFY_MAX, Math.max(1, next));
  if (clamped === magnification) return;
  const [x, y] = formPixelsAt(clientX, clientY);
  magnification = clamped;
  refit();
  const box = stage.getBoundingClientRect();
  window.scrollBy(box.left + x * formScale - clientX, box.top + y * formScale - clientY);
}

// One step up or down the list from where the magnification is now, or back
// to the filled size for 0.
function stepMagnification(direction, clientX, clientY) {
  const steps = direction > 0 ? MAGNIFY_STEPS : [...MAGNIFY_STEPS].reverse();
  const next = direction === 0 ? 1
    : steps.find((step) => (direction > 0 ? step > magnification + 1e-6 : step < magnification - 1e-6));
  magnifyTo(next === undefined ? magnification : next, clientX, clientY);
}

// Ctrl + and Ctrl - (with or without Shift, on the main keys or the keypad)
// and Ctrl 0 magnify the form, not the browser's page: a browser's own zoom
// would only shrink the room, and the form would fill it at the same size.
const MAGNIFY_KEYS = { '+': 1, '=': 1, Add: 1, '-': -1, _: -1, Subtract: -1, '0': 0 };
function magnifyKey(event) {
  if (!(event.ctrlKey || event.metaKey) || event.altKey) return;
  const direction = MAGNIFY_KEYS[event.key];
  if (direction === undefined) return;
  event.preventDefault();
  stepMagnification(direction);
}

// Ctrl with the wheel, and a touchpad's pinch, which arrives as one.
function magnifyWheel(event) {
  if (!event.ctrlKey) return;
  event.preventDefault();
  const angle = wheelAngle(event).y;
  if (Math.abs(angle) >= WHEEL_NOTCH / 2) stepMagnification(Math.sign(angle), event.clientX, event.clientY);
  else magnifyTo(magnification * Math.exp(-event.deltaY / PINCH_DELTA_PX), event.clientX, event.clientY);
}

export function connectFitting() {
  window.addEventListener('resize', refit);
  if (window.visualViewport) window.visualViewport.addEventListener('resize', refit);
  window.addEventListener('keydown', magnifyKey, true);
  window.addEventListener('wheel', magnifyWheel, { passive: false });
}
