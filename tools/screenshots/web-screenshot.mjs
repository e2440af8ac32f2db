// The README's picture of the page: three paths, fading, the animation running.
//   node tools/screenshots/web-screenshot.mjs docs/screenshot-web.png
// Needs the built page (tools/build-web-page.sh), Debian's chromium and the
// browser tests' npm packages (cd tests/browser && npm ci).
import path from 'node:path';
import os from 'node:os';
import fs from 'node:fs';
import { fileURLToPath, pathToFileURL } from 'node:url';
import { createRequire } from 'node:module';

const root = path.resolve(path.dirname(fileURLToPath(import.meta.url)), '../..');
const require = createRequire(path.join(root, 'tests/browser/package.json'));
const puppeteer = require('puppeteer-core');
const output = process.argv[2] || path.join(root, 'docs/screenshot-web.png');

const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvel-shot-'));
const browser = await puppeteer.launch({
  executablePath: '/usr/bin/chromium',
  headless: true,
  args: ['--no-sandbox', '--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`],
});
try {
  const page = await browser.newPage();
  await page.setViewport({ width: 980, height: 720, deviceScaleFactor: 1 });
  await page.goto(pathToFileURL(path.join(root, 'build/web/tarvel-demo.html')).href);
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
  await browser.close();
  fs.rmSync(profile, { recursive: true, force: true });
}
