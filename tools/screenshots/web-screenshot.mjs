// The README's pictures of the page: three paths, fading, the animation
// running, in a laptop's window or on a phone held sideways.
//   node tools/screenshots/web-screenshot.mjs docs/screenshot-web.png
//   node tools/screenshots/web-screenshot.mjs docs/screenshot-phone.png phone
// Needs the built page (tools/build-web-page.sh), Debian's chromium and the
// browser tests' npm packages (cd tests/browser && npm ci).
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { closeBrowser, launchBrowser, pagePath, sourceRoot } from '../../tests/browser/support/page.mjs';

const output = process.argv[2] || path.join(sourceRoot, 'docs/screenshot-web.png');
const screen = process.argv[3] === 'phone'
  ? { width: 844, height: 390, deviceScaleFactor: 2, isMobile: true, hasTouch: true }
  : { width: 980, height: 720, deviceScaleFactor: 1 };

const browser = await launchBrowser();
try {
  const page = await browser.newPage();
  await page.setViewport(screen);
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForSelector('body[data-ready="true"]');
  const twice = async (id) => { await page.click(`#${id}`); await page.click(`#${id}`); };
  await page.click('#cmdRand');
  for (const i of [7, 6, 5]) await twice(`cmdSource-${i}`);
  await page.focus('#hscFade');
  for (let k = 0; k < 2; ++k) await page.keyboard.press('ArrowRight');
  await page.click('#chkMemory');
  await page.click('#cmdGo-0');
  await new Promise((resolve) => setTimeout(resolve, 2500));
  await page.screenshot({ path: output });
} finally {
  await closeBrowser(browser);
}
