// Opens the self-contained page in Debian's headless chromium through
// puppeteer-core, and watches it for console errors and uncaught exceptions.
// Paths come from the environment (CTest passes them), with defaults for a
// run by hand from the source tree:
//   TARVEL_PAGE      build/web/tarvel-demo.html
//   TARVEL_CHROMIUM  /usr/bin/chromium
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { fileURLToPath, pathToFileURL } from 'node:url';

const here = path.dirname(fileURLToPath(import.meta.url));
export const sourceRoot = path.resolve(here, '../../..');
export const pagePath = process.env.TARVEL_PAGE || path.join(sourceRoot, 'build/web/tarvel-demo.html');
const chromiumPath = process.env.TARVEL_CHROMIUM || '/usr/bin/chromium';

// The window is 953 x 701 px; an odd-width viewport leaves the centred form
// at a whole pixel, so pointer positions map to whole twips.
export const VIEWPORT = { width: 1001, height: 720 };

async function loadPuppeteer() {
  try {
    return (await import('puppeteer-core')).default;
  } catch (error) {
    throw new Error(
      `puppeteer-core is not installed (${error.code || error.message}): run "npm ci" in tests/browser`);
  }
}

export async function launchBrowser() {
  const puppeteer = await loadPuppeteer();
  if (!fs.existsSync(pagePath)) throw new Error(`no page at ${pagePath}: build the web preset first`);
  if (!fs.existsSync(chromiumPath)) throw new Error(`no chromium at ${chromiumPath}: install Debian's chromium`);
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvel-chromium-'));
  const args = ['--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`,
    // Timers of a page in the background must not be slowed down under test.
    '--disable-background-timer-throttling', '--disable-renderer-backgrounding'];
  if (process.getuid && process.getuid() === 0) args.push('--no-sandbox');
  const browser = await puppeteer.launch({ executablePath: chromiumPath, headless: true, args });
  profiles.set(browser, profile);
  return browser;
}

const profiles = new WeakMap();

export async function closeBrowser(browser) {
  if (!browser) return;
  await browser.close();
  fs.rmSync(profiles.get(browser), { recursive: true, force: true, maxRetries: 3 });
}

// A fresh tab with the page loaded and ready. `problems` collects every
// console error and uncaught exception for the test to check.
export async function openPage(browser, { ratio = 1, touch = false } = {}) {
  const page = await browser.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (message.type() === 'error' || message.type() === 'warn') {
      problems.push(`console ${message.type()}: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
  await page.setViewport({ ...VIEWPORT, deviceScaleFactor: ratio, hasTouch: touch });
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForFunction(() => document.body.dataset.ready === 'true', { timeout: 20000 });
  return { page, problems };
}

// The window's records as the page last mirrored them.
export function records(page) {
  return page.evaluate(() => window.tarvelDemo.records());
}

export function control(allRecords, id) {
  return allRecords.controls.find((c) => c.id === id);
}

// A point inside #Form1 in page coordinates, from CSS pixels of the window.
export async function formPoint(page, x, y) {
  const box = await page.$eval('#Form1', (form) => {
    const r = form.getBoundingClientRect();
    return { left: r.left, top: r.top };
  });
  return { x: box.left + x, y: box.top + y };
}

// The right-button drag a user does: press on the marker, move, let go at
// (x, y) CSS pixels of the window.
export async function rightDrag(page, index, x, y) {
  const marker = await page.$(`#cmdSource-${index}`);
  const from = await marker.boundingBox();
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
