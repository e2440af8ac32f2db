// The page's own elements, which the template holds from the start, and
// small helpers that write to elements only what changes.

export const SVG = 'http://www.w3.org/2000/svg';

export const form = document.getElementById('Form1');
export const stage = document.getElementById('stage');
export const drawing = document.getElementById('windowDrawing');
export const outline = document.getElementById('dragOutline');
export const messageBox = document.getElementById('messageBox');
export const failure = document.getElementById('failure');
export const turnHint = document.getElementById('turnHint');
export const howToUse = document.getElementById('howToUse');

export function setText(element, text) {
  if (element.textContent !== text) element.textContent = text;
}

export function setAttribute(element, name, value) {
  if (value === '' || value === null) {
    if (element.hasAttribute(name)) element.removeAttribute(name);
  } else if (element.getAttribute(name) !== String(value)) {
    element.setAttribute(name, value);
  }
}
