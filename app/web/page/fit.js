// The form at a size that fits the screen: scaled down as a whole where the
// window is smaller than the form, and its pictures drawn at the device's
// real pixels, whatever the scale and the pinch zoom.

// Below this scale an upright phone is told it may turn sideways.
const SMALL_SCALE = 0.5;
// The pictures move to a new pixel ratio once the zoom or size settles.
const SETTLE_MS = 200;

const turnHint = document.getElementById('turnHint');
let formScale = 1;
let settleTimer = 0;

// The room the page has, in CSS pixels. The visual viewport shrinks as the
// user pinches in; times its scale it is the layout viewport, which does not.
function room() {
  const viewport = window.visualViewport;
  if (!viewport) return { width: window.innerWidth, height: window.innerHeight };
  return { width: viewport.width * viewport.scale, height: viewport.height * viewport.scale };
}

// Device pixels to a CSS pixel of the form as it is shown now.
function shownPixelRatio() {
  const pinch = window.visualViewport ? window.visualViewport.scale : 1;
  return (window.devicePixelRatio || 1) * formScale * pinch;
}

function fitToWindow() {
  const width = px(records.clientWidth);
  const height = px(records.clientHeight);
  const { width: roomWidth, height: roomHeight } = room();
  formScale = Math.min(1, roomWidth / width, roomHeight / height);
  // Upright, the form's width limits its scale: the hint's line above it
  // leaves the scale as it is.
  turnHint.hidden = !(roomWidth < roomHeight && formScale < SMALL_SCALE);
  form.style.transform = formScale < 1 ? `scale(${formScale})` : '';
  stage.style.width = `${width * formScale}px`;
  stage.style.height = `${height * formScale}px`;
}

function drawAtShownRatio() {
  if (model.setPixelRatio(shownPixelRatio())) act(resizeSurfaces);
}

// A new size or zoom: the form fits at once, the pictures follow when the
// fingers or the window's edge have come to rest.
function refit() {
  fitToWindow();
  clearTimeout(settleTimer);
  settleTimer = setTimeout(drawAtShownRatio, SETTLE_MS);
}

function connectFitting() {
  window.addEventListener('resize', refit);
  if (window.visualViewport) window.visualViewport.addEventListener('resize', refit);
}
