// What the page does for each kind of control: the element it makes, how
// it mirrors the control's record, and how a screen reader gets its name
// (an aria-label unless the kind says otherwise). A new kind is one entry.
import { SVG, setAttribute, setText } from './dom.js';
import { ScrollBar } from './scroll_bar.js';
import { flag, px, sendEvent } from './view.js';

export const scrollBars = new Map();

function makeButton(className) {
  const element = document.createElement('button');
  element.type = 'button';
  element.className = className;
  return element;
}

// Assistive tools read and set a bar through its range input (see
// scroll_bar.js).
const bar = {
  make(record) {
    const scrollBar = new ScrollBar(record, px, (value) => sendEvent(record, 'change', value));
    scrollBars.set(record.id, scrollBar);
    return scrollBar.element;
  },
  accessible: (element) => element.querySelector('input'),
  mirror(element, record) { scrollBars.get(record.id).mirror(record); },
};

// A toggle is one from its making: WebKit keeps the role an element had when
// its accessible object was made, and a reader may ask before the first mirror.
const toggle = {
  make() {
    const element = makeButton('toggle');
    element.setAttribute('aria-pressed', 'false');
    return element;
  },
  mirror(element, record) {
    setText(element, record.caption);
    setAttribute(element, 'aria-pressed', record.value === 1 ? 'true' : 'false');
    element.style.color = record.captionColour || '';
  },
};

export const CONTROL_KINDS = {
  // A label is read as its text; a statistic's figure with its unit, which
  // the row shows in a label of its own (page.css adds it, unseen).
  label: {
    readsDescription: true,
    make(record) {
      const element = document.createElement('div');
      element.className = 'label';
      element.style.textAlign = record.align;
      if (flag(record, 'statistic')) element.dataset.unit = record.unit;
      return element;
    },
    mirror(element, record) {
      setText(element, record.caption);
      element.classList.toggle('wraps', flag(record, 'wraps'));
    },
    name() {},
  },
  marker: {
    make: () => makeButton('marker'),
    mirror(element, record) {
      element.style.backgroundColor = record.backColour;
      element.classList.toggle('on', flag(record, 'on'));
    },
  },
  button: {
    make: () => makeButton('button'),
    mirror(element, record) { setText(element, record.caption); },
  },
  toggle,
  hbar: bar,
  vbar: bar,
  list: {
    make() {
      const element = document.createElement('select');
      element.className = 'list';
      return element;
    },
    mirror(element, record) {
      const same = element.options.length === record.items.length &&
        record.items.every((item, k) => element.options[k].text === item);
      if (!same) element.replaceChildren(...record.items.map((item) => new Option(item, item)));
      if (element.selectedIndex !== record.listIndex) element.selectedIndex = record.listIndex;
    },
  },
  image: {
    make() {
      // The picture waits in a template, so that it is not loaded twice.
      const element = document.getElementById('logoPicture').content.firstElementChild.cloneNode();
      element.className = 'image';
      // The picture for the screen's density, chosen as the window style's
      // pictures are (window-look.css); a srcset is not chosen alike in
      // every engine.
      const dense = window.matchMedia('(min-resolution: 1.5dppx)');
      const choose = () => {
        element.src = dense.matches ? element.dataset.twice : element.dataset.once;
      };
      choose();
      dense.addEventListener('change', choose);
      return element;
    },
    mirror() {},
    name(element, record) { element.alt = record.name; },
  },
  // A canvas takes its size from its pixels (see resizeSurfaces).
  picture: {
    sizedByPixels: true,
    make() {
      const element = document.createElement('canvas');
      element.className = 'picture';
      return element;
    },
    mirror() {},
  },
  // The fading display's squares, drawn with the window's lines.
  frame: {
    inDrawing: true,
    make: () => document.createElementNS(SVG, 'path'),
    mirror(element, record) {
      setAttribute(element, 'fill', record.fillColour);
      setAttribute(element, 'visibility', flag(record, 'visible') ? 'visible' : 'hidden');
    },
  },
};

export function kindOf(record) {
  const kind = CONTROL_KINDS[record.kind];
  if (!kind) throw new Error(`no element for a control of kind ${record.kind}`);
  return kind;
}
