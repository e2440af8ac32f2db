// The page's view: it builds one element per control from the model's
// records, forwards every event to the model, and mirrors the records back
// after each one. What happens is decided in the model, never here. The
// page's script files share one scope, in the order the build lists them.

const LONG_PRESS_MS = 500;

const form = document.getElementById('Form1');
const stage = document.getElementById('stage');
const drawing = document.getElementById('windowDrawing');
const outline = document.getElementById('dragOutline');
const messageBox = document.getElementById('messageBox');
const failure = document.getElementById('failure');

let Module = null;
let model = null;
let records = null;  // as the page last mirrored them
let stopped = false;
const elements = new Map();

const px = (twips) => twips / records.twipsPerPixel;

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
