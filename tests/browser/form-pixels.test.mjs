// The page's form holds the desktop window's pixels, at device pixel ratios
// 1 and 2: after the actions of tools/surface-pixels/actions.txt and then
// those of tools/form-grab/form-states.txt (focus, a marker held down), the
// form's screenshot at each "grab" equals the window's grab that the
// form-grab program writes (TARVEL_FORM_GRAB), everywhere but in the text
// (each font rasteriser shapes its own glyphs) and inside the picture boxes
// (pixels.test.mjs holds those). Where the window's style paints gradients
// and rounded corners (buttons, toggles, the list, the scroll bars) a
// channel may differ by a few levels, and those pixels are counted.
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { after, before, test } from 'node:test';
import { actionsPath, perform, readActions } from './support/actions.mjs';
import { closeBrowser, launchBrowser, openPage, records, sourceRoot, VIEWPORT } from './support/page.mjs';
import { decodePng } from './support/png.mjs';

const formGrab = process.env.TARVEL_FORM_GRAB ||
  path.join(sourceRoot, 'build/release/tools/form-grab/form-grab');
const statesPath = path.join(sourceRoot, 'tools/form-grab/form-states.txt');
// Kinds of control whose faces the window's style shades or rounds.
const SHADED_KINDS = new Set(['button', 'toggle', 'list', 'hbar', 'vbar']);
const SHADING_LEVELS = 4;

// The window's grabs after both files' actions, by name.
function windowGrabs(ratio) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvel-form-'));
  try {
    execFileSync(formGrab, [String(ratio), folder, actionsPath, statesPath],
      { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: 'pipe' });
    const manifest = JSON.parse(fs.readFileSync(path.join(folder, 'form.json'), 'utf8'));
    return new Map(manifest.grabs.map((grab) => [grab.name,
      { ...grab, pixels: fs.readFileSync(path.join(folder, `${grab.name}.rgba`)) }]));
  } finally {
    fs.rmSync(folder, { recursive: true, force: true });
  }
}

// The view's own actions of form-states.txt, as the page does them.
async function performOnView(page, words) {
  const [action, id] = words;
  switch (action) {
    case 'unfocus':
      return page.evaluate(() => document.activeElement && document.activeElement.blur());
    case 'focus':
      return page.focus(`#${id}`);
    case 'hold': {
      const box = await (await page.$(`#${id}`)).boundingBox();
      await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
      return page.mouse.down();
    }
    default:
      return perform(page, words);
  }
}

// The form as shown, in device pixels: the whole view's screenshot, cut to
// the form's box.
async function formShot(page, ratio) {
  await page.evaluate(() => new Promise((resolve) => {
    requestAnimationFrame(() => requestAnimationFrame(resolve));
  }));
  const shot = decodePng(await page.screenshot());
  const box = await page.$eval('#Form1', (form) => {
    const r = form.getBoundingClientRect();
    return [r.left, r.top, r.width, r.height];
  });
  const [left, top, width, height] = box.map((v) => Math.round(v * ratio));
  const pixels = Buffer.alloc(width * height * 4);
  for (let y = 0; y < height; ++y) {
    const from = ((top + y) * shot.width + left) * 4;
    shot.pixels.copy(pixels, y * width * 4, from, from + width * 4);
  }
  return { width, height, pixels };
}

// Where each control's text lies in the page, in CSS pixels of the form:
// the rectangles of its text's layout, and a list's inside.
function pageTextBoxes(page) {
  return page.evaluate(() => {
    const form = document.getElementById('Form1').getBoundingClientRect();
    const boxes = {};
    const texts = document.querySelectorAll('#Form1 > .label, #Form1 > button, #Form1 > select');
    for (const element of texts) {
      let r;
      if (element.tagName === 'SELECT') {
        const style = getComputedStyle(element);
        const outer = element.getBoundingClientRect();
        const [left, right] = [parseFloat(style.paddingLeft), parseFloat(style.paddingRight)];
        r = { left: outer.left + left, top: outer.top, right: outer.right - right, bottom: outer.bottom };
      } else {
        const range = document.createRange();
        range.selectNodeContents(element);
        r = range.getBoundingClientRect();
      }
      if (r.right > r.left) {
        boxes[element.id] = [r.left - form.left, r.top - form.top, r.right - r.left, r.bottom - r.top];
      }
    }
    return boxes;
  });
}

// Where the comparison looks away, in device pixels: each control's text in
// the window and in the page, a DIP around, and the picture boxes' insides.
function maskOf(grab, pageText, ratio) {
  const mask = new Uint8Array(grab.width * grab.height);
  const cover = ([x, y, w, h]) => {
    const [left, right] = [Math.max(0, Math.floor(x)), Math.min(grab.width, Math.ceil(x + w))];
    for (let j = Math.max(0, Math.floor(y)); j < Math.min(grab.height, Math.ceil(y + h)); ++j) {
      mask.fill(1, j * grab.width + left, j * grab.width + right);
    }
  };
  const grown = ([x, y, w, h], by) => [x - by, y - by, w + 2 * by, h + 2 * by];
  for (const control of grab.controls) {
    if (!control.visible) continue;
    if (control.text) cover(grown(control.text, ratio));
    if (pageText[control.id]) cover(grown(pageText[control.id].map((v) => v * ratio), ratio));
    if (control.id.startsWith('pic')) cover(grown(control.box, -2 * ratio));
  }
  return mask;
}

// The controls a pixel of the form lies in, named for the failure's message.
function controlsAt(grab, x, y) {
  const inside = grab.controls.filter(({ visible, box: [bx, by, bw, bh] }) =>
    visible && x >= bx && y >= by && x < bx + bw && y < by + bh).map((c) => c.id);
  return inside.length ? inside.join(' / ') : "the window's drawing";
}

const hex = (pixels, k) => `#${pixels.subarray(k, k + 3).toString('hex')}`;

// Pixels that differ (beyond the shading's levels where the style shades),
// by control, with the first one described; and how many shaded pixels
// needed those levels.
function compare(grab, shot, mask, shadedAt) {
  const failures = new Map();
  let first = '';
  let shaded = 0;
  let compared = 0;
  for (let y = 0; y < grab.height; ++y) {
    for (let x = 0; x < grab.width; ++x) {
      const p = y * grab.width + x;
      if (mask[p]) continue;
      ++compared;
      const k = p * 4;
      let most = 0;
      for (let c = 0; c < 3; ++c) {
        most = Math.max(most, Math.abs(grab.pixels[k + c] - shot.pixels[k + c]));
      }
      if (most === 0) continue;
      if (most <= SHADING_LEVELS && shadedAt(x, y)) {
        ++shaded;
        continue;
      }
      const where = controlsAt(grab, x, y);
      failures.set(where, (failures.get(where) || 0) + 1);
      if (!first) {
        first = `(${x}, ${y}) in ${where}: window ${hex(grab.pixels, k)}, page ${hex(shot.pixels, k)}`;
      }
    }
  }
  const counts = [...failures].sort((a, b) => b[1] - a[1]).map(([where, n]) => `${where} ${n}`);
  return { failed: counts.length ? `first at ${first}; by control: ${counts.join(', ')}` : '', shaded, compared };
}

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

for (const ratio of [1, 2]) {
  test(`after the same actions the form has the window's pixels at ratio ${ratio}`, async (t) => {
    const grabs = windowGrabs(ratio);
    const { page, problems } = await openPage(browser, { ratio, viewport: VIEWPORT });
    const kinds = new Map((await records(page)).controls.map((c) => [c.id, c.kind]));
    const seen = [];
    const differences = [];
    for (const action of [...readActions(), ...readActions(statesPath)]) {
      if (action[0] !== 'grab') {
        await performOnView(page, action);
        continue;
      }
      const grab = grabs.get(action[1]);
      const shot = await formShot(page, ratio);
      assert.deepEqual([shot.width, shot.height], [grab.width, grab.height],
        `${action[1]}: the form's size`);
      const shadedBoxes = grab.controls.filter((c) => c.visible && SHADED_KINDS.has(kinds.get(c.id)));
      const shadedAt = (x, y) => shadedBoxes.some(({ box: [bx, by, bw, bh] }) =>
        x >= bx && y >= by && x < bx + bw && y < by + bh);
      const mask = maskOf(grab, await pageTextBoxes(page), ratio);
      const { failed, shaded, compared } = compare(grab, shot, mask, shadedAt);
      t.diagnostic(`${action[1]}: ${shaded} shaded pixels within ${SHADING_LEVELS} levels, ` +
        `${compared} compared`);
      // Text and the pictures' insides (half the form) aside, the rest is
      // held to the window.
      assert.ok(compared > 0.4 * grab.width * grab.height, `${action[1]}: ${compared} pixels compared`);
      if (failed) differences.push(`${action[1]}: ${failed}`);
      seen.push(action[1]);
    }
    assert.deepEqual(seen, [...grabs.keys()]);
    assert.deepEqual(differences, [], `at ratio ${ratio}`);
    assert.deepEqual(problems, []);
    await page.close();
  });
}
