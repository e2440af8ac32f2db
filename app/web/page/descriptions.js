// A control's or a picture's description for assistive tools: the text lies
// in an element of its own, hidden, that the described element points to
// with aria-describedby. Every engine and screen reader reads that, and the
// text is rewritten only when it changes.
import { setAttribute, setText } from './dom.js';

const store = document.getElementById('descriptions');
const holders = new Map();  // a described element's id -> the element holding its text

export function describe(element, text) {
  if (!text) {
    setAttribute(element, 'aria-describedby', '');
    return;
  }
  let holder = holders.get(element.id);
  if (!holder) {
    holder = document.createElement('div');
    holder.id = `description-${element.id}`;
    store.appendChild(holder);
    holders.set(element.id, holder);
  }
  if (holder.textContent === text && element.getAttribute('aria-describedby') === holder.id) return;
  setText(holder, text);
  // Pointed to anew: Chromium reads a picture's description again only then.
  element.removeAttribute('aria-describedby');
  element.setAttribute('aria-describedby', holder.id);
}

export function descriptionOf(element) {
  return holders.get(element.id)?.textContent || '';
}
