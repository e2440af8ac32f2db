// The page's four canvases hold the same pixels as the desktop's picture
// boxes after the same actions, at device pixel ratios 1 and 2. The desktop's
// pixels come from the surface-pixels program (TARVEL_SURFACE_PIXELS).
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { actionsPath, perform, readActions } from './support/actions.mjs';
import { closeBrowser, launchBrowser, openPage, sourceRoot } from './support/page.mjs';

const surfacePixels = process.env.TARVEL_SURFACE_PIXELS ||
  path.join(sourceRoot, 'build/release/tools/surface-pixels/surface-pixels');

function desktopSurfaces(ratio) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvel-surfaces-'));
  execFileSync(surfacePixels, [actionsPath, String(ratio), folder],
    { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: 'pipe' });
  const manifest = JSON.parse(fs.readFileSync(path.join(folder, 'surfaces.json'), 'utf8'));
  const surfaces = manifest.surfaces.map((s) => ({
    ...s, pixels: fs.readFileSync(path.join(folder, `${s.id}.rgba`)),
  }));
  fs.rmSync(folder, { recursive: true });
  return surfaces;
}

function canvasPixels(page, id) {
  return page.$eval(`#${id}`, (canvas) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let text = '';
    for (let k = 0; k < data.length; k += 0x8000) {
      text += String.fromCharCode(...data.subarray(k, k + 0x8000));
    }
    return { width: canvas.width, height: canvas.height, base64: btoa(text) };
  });
}

// Where two pictures differ: how many pixels, and the first one.
function difference(expected, actual, width) {
  let count = 0;
  let first = null;
  for (let k = 0; k < expected.length; k += 4) {
    if (expected.readUInt32BE(k) !== actual.readUInt32BE(k)) {
      ++count;
      if (!first) {
        const p = k / 4;
        first = `(${p % width}, ${Math.floor(p / width)}): desktop ` +
          `${expected.subarray(k, k + 4).toString('hex')}, page ${actual.subarray(k, k + 4).toString('hex')}`;
      }
    }
  }
  return count ? `${count} pixels differ, first at ${first}` : '';
}

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

for (const ratio of [1, 2]) {
  test(`after the same actions the canvases equal the desktop's surfaces at ratio ${ratio}`, async () => {
    const desktop = desktopSurfaces(ratio);
    const { page, problems } = await openPage(browser, { ratio });
    for (const action of readActions()) await perform(page, action);

    for (const surface of desktop) {
      const shown = await canvasPixels(page, surface.id);
      assert.deepEqual([shown.width, shown.height], [surface.width, surface.height], surface.id);
      const actual = Buffer.from(shown.base64, 'base64');
      assert.equal(difference(surface.pixels, actual, surface.width), '', surface.id);
    }
    // The pictures are not trivially equal: every surface shows some drawing.
    for (const surface of desktop) {
      const background = surface.pixels.readUInt32BE(0);
      let drawn = 0;
      for (let k = 0; k < surface.pixels.length; k += 4) drawn += surface.pixels.readUInt32BE(k) !== background;
      assert.ok(drawn > 50, `${surface.id} shows a drawing (${drawn} pixels)`);
    }
    assert.deepEqual(problems, []);
    await page.close();
  });
}
