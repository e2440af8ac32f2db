// Opens the self-contained page in one of three engines, chosen by
// TARVEL_ENGINE: chromium (over CDP) and firefox (over WebDriver BiDi), both
// through puppeteer-core, or webkit (WebKitGTK through its WebDriver, see
// webkit-page.mjs). Every engine gives the same page interface, a subset of
// puppeteer's Page: evaluate, $eval, $$eval, $(...).boundingBox, click,
// focus, select, title, keyboard, mouse, touchscreen and close; `problems`
// collects console errors, warnings and uncaught exceptions.
// Paths come from the environment (CTest passes them), with defaults for a
// run by hand from the source tree:
//   TARVEL_PAGE      build/web/tarvel-demo.html
//   TARVEL_CHROMIUM  /usr/bin/chromium
//   TARVEL_FIREFOX   /usr/bin/firefox-esr
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import * as puppeteerPages from './puppeteer-page.mjs';
import * as webkitPages from './webkit-page.mjs';

const here = path.dirname(fileURLToPath(import.meta.url));
export const sourceRoot = path.resolve(here, '../../..');
export const pagePath = process.env.TARVEL_PAGE || path.join(sourceRoot, 'build/web/tarvel-demo.html');
export const engine = process.env.TARVEL_ENGINE || 'chromium';
if (!['chromium', 'firefox', 'webkit'].includes(engine)) {
  throw new Error(`TARVEL_ENGINE is "${engine}": chromium, firefox or webkit`);
}

// The window is 953 x 701 px, and below it the page keeps a line for the
// help's summary: in a viewport of both the form fills it at a scale of
// exactly 1, so pointer positions map to whole twips.
export const HELP_LINE_PX = 24;
export const VIEWPORT = { width: 953, height: 701 + HELP_LINE_PX };

// The engine's own browser: puppeteer's Browser for chromium and firefox.
// `options.screenReader`: see puppeteer-page.mjs.
export async function launchBrowser(options = {}) {
  if (!fs.existsSync(pagePath)) throw new Error(`no page at ${pagePath}: build the web preset first`);
  return engine === 'webkit' ? webkitPages.launch(pagePath, options) : puppeteerPages.launch(engine, options);
}

export async function closeBrowser(browser) {
  if (!browser) return;
  await (engine === 'webkit' ? webkitPages.close(browser) : puppeteerPages.close(browser));
}

// A fresh page, loaded and ready, and the list of its problems.
// `viewport` and `mobile` (a phone's or tablet's browser: its viewport
// rules and touch) are Chromium's emulation.
export async function openPage(browser, { ratio = 1, touch = false, viewport = VIEWPORT, mobile = false } = {}) {
  const options = { ratio, touch, viewport, mobile };
  const opened = engine === 'webkit' ? await webkitPages.openPage(browser, options)
    : await puppeteerPages.openPage(browser, engine, pagePath, options);
  const actual = await opened.page.evaluate(() => window.devicePixelRatio);
  if (actual !== ratio) throw new Error(`${engine} shows the page at a device pixel ratio of ${actual}, not ${ratio}`);
  return opened;
}

const axePath = fileURLToPath(new URL('../node_modules/axe-core/axe.min.js', import.meta.url));

// axe-core in the page, once.
export async function injectAxe(page) {
  if (await page.evaluate(() => typeof window.axe === 'object')) return;
  await page.evaluate(fs.readFileSync(axePath, 'utf8'));
}

// What a screen reader hears for an element: its accessible name as axe
// computes it, and its description.
export async function accessibleText(page, selector) {
  await injectAxe(page);
  return page.$eval(selector, (e) => {
    const described = (e.getAttribute('aria-describedby') || '').split(/\s+/).filter(Boolean)
      .map((id) => document.getElementById(id)?.textContent.trim()).join(' ');
    // axe reads a tree of the document it makes once: made afresh for each
    // question, it sees the page as it is now.
    window.axe.setup();
    try {
      return { name: window.axe.commons.text.accessibleText(e),
        description: described || e.getAttribute('aria-description') || '' };
    } finally {
      window.axe.teardown();
    }
  });
}

// The window's records as the page last mirrored them.
export function records(page) {
  return page.evaluate(() => window.tarvelDemo.records());
}

export function control(allRecords, id) {
  return allRecords.controls.find((c) => c.id === id);
}

// Where the form is shown: its top-left corner in page coordinates and its
// scale. Read from the stage, which is not zoomed: WebKit gives the box of
// an element inside the zoomed form in the form's own zoomed pixels.
export function formPlacement(page) {
  return page.$eval('#stage', (stage) => {
    const r = stage.getBoundingClientRect();
    return { left: r.left, top: r.top, scale: r.width / document.getElementById('Form1').offsetWidth };
  });
}

// A point inside #Form1 in page coordinates, from CSS pixels of the window.
export async function formPoint(page, x, y) {
  const { left, top, scale } = await formPlacement(page);
  return { x: left + x * scale, y: top + y * scale };
}

// An element's box on the page, whatever the form's scale, in every engine.
export async function shownBox(page, selector) {
  const { left, top, scale } = await formPlacement(page);
  const box = await page.$eval(selector, (e) => ({ x: e.offsetLeft, y: e.offsetTop, w: e.offsetWidth, h: e.offsetHeight }));
  return { x: left + box.x * scale, y: top + box.y * scale, width: box.w * scale, height: box.h * scale };
}

// The right-button drag a user does: press on the marker, move, let go at
// (x, y) CSS pixels of the window.
export async function rightDrag(page, index, x, y) {
  const from = await shownBox(page, `#cmdSource-${index}`);
  await page.mouse.move(from.x + from.width / 2, from.y + from.height / 2);
  await page.mouse.down({ button: 'right' });
  const to = await formPoint(page, x, y);
  await page.mouse.move(to.x, to.y, { steps: 3 });
  await page.mouse.up({ button: 'right' });
}

// One timer tick without Start: the model's tick, then the page mirrors it.
export function tick(page, count = 1) {
  return page.evaluate((n) => {
    for (let k = 0; k < n; ++k) {
      window.tarvelDemo.model.tick();
      window.tarvelDemo.sync();
    }
  }, count);
}
