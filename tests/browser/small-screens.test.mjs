// The page on phones and tablets, in Chromium's mobile emulation (a mobile
// browser's viewport rules, its pixel ratio, touch and pinch): the form fits
// upright and sideways, fingers pan and zoom the page, a long press still
// drags a marker, and the pictures are drawn at the device's own pixels.
import assert from 'node:assert/strict';
import { setTimeout as sleep } from 'node:timers/promises';
import { after, before, test } from 'node:test';
import { HELP_LINE_PX, closeBrowser, control, engine, launchBrowser, openPage, records } from './support/page.mjs';

const PHONE = { viewport: { width: 390, height: 844 }, ratio: 3 };
const TABLET = { viewport: { width: 768, height: 1024 }, ratio: 2 };
const SETTLED_MS = 500;  // the page redraws its pictures 200 ms after a change

// Only Chromium emulates a mobile browser.
const mobileTest = engine === 'chromium' ? test : test.skip;

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

const openOn = (device) => openPage(browser, { ...device, mobile: true });

// What the user sees: the form's box in the room the page has, the hint,
// and each canvas's pixels against the device pixels its box covers.
function seen(page) {
  return page.evaluate(() => {
    const form = document.getElementById('Form1');
    const box = document.getElementById('stage').getBoundingClientRect();
    const scale = box.width / form.offsetWidth;
    const ratio = devicePixelRatio * visualViewport.scale;
    // The canvas's box less its unzoomed border, in device pixels.
    const inside = (canvas, length, borders) => (canvas.getBoundingClientRect()[length] -
      borders.reduce((sum, side) => sum + parseFloat(getComputedStyle(canvas)[side]) * scale, 0)) * ratio;
    return {
      box: { left: box.left, top: box.top, right: box.right, bottom: box.bottom },
      scale,
      room: { width: document.documentElement.clientWidth, height: innerHeight },
      hint: !document.getElementById('turnHint').hidden,
      canvases: [...document.querySelectorAll('canvas.picture')].map((c) => ({
        id: c.id, pixels: [c.width, c.height],
        devicePixels: [inside(c, 'width', ['borderLeftWidth', 'borderRightWidth']),
          inside(c, 'height', ['borderTopWidth', 'borderBottomWidth'])],
      })),
    };
  });
}

// Each canvas's size and a digest of its pixels, as they are shown now.
function canvasPictures(page) {
  return page.$$eval('canvas.picture', (canvases) => canvases.map((c) => {
    // Read through a copy: the page's own canvases are not for reading back.
    const copy = document.createElement('canvas');
    [copy.width, copy.height] = [c.width, c.height];
    const context = copy.getContext('2d', { willReadFrequently: true });
    context.drawImage(c, 0, 0);
    const { data } = context.getImageData(0, 0, c.width, c.height);
    let hash = 0;
    let inked = 0;
    for (let k = 0; k < data.length; k += 4) {
      const pixel = (data[k] << 16) | (data[k + 1] << 8) | data[k + 2];
      hash = (Math.imul(hash, 31) + pixel + k) | 0;
      if (pixel !== 0xffffff) ++inked;
    }
    return { id: c.id, size: [c.width, c.height], hash, inked };
  }));
}

// The help's summary keeps its line below the form.
function assertFits(view, what) {
  const { box, room } = view;
  const height = room.height - HELP_LINE_PX;
  assert.ok(box.left >= -0.5 && box.top >= -0.5 && box.right <= room.width + 0.5 &&
    box.bottom <= height + 0.5, `${what}: the whole form shows, ${JSON.stringify(view)}`);
  const filled = Math.max((box.right - box.left) / room.width, (box.bottom - box.top) / height);
  assert.ok(filled > 0.97, `${what}: the form fills its room (${filled})`);
}

// A canvas pixel to a device pixel: thin traces neither break nor blur.
function assertSharp(view, what) {
  for (const canvas of view.canvases) {
    canvas.pixels.forEach((pixels, k) => assert.ok(Math.abs(pixels - canvas.devicePixels[k]) <= 1,
      `${what}: ${canvas.id} has ${canvas.pixels} pixels for ${canvas.devicePixels} device pixels`));
  }
}

mobileTest('the form fits a phone and a tablet, upright, sideways and after turning; ' +
  'only the upright phone shows the hint', async () => {
  for (const [device, name, hint] of [[PHONE, 'phone', true], [TABLET, 'tablet', false]]) {
    const { page, problems } = await openOn(device);
    await sleep(SETTLED_MS);
    const view = await seen(page);
    assertFits(view, name);
    assertSharp(view, name);
    assert.equal(view.hint, hint, `${name}: the hint`);
    if (device === PHONE) {
      // Something on each picture: three paths on, a few ticks.
      await page.evaluate(() => {
        const { model } = window.tarvelDemo;
        model.clickRandom();
        for (const i of [7, 6, 5]) { model.clickMarker(i); model.clickMarker(i); }
        for (let k = 0; k < 3; ++k) model.tick();
        window.tarvelDemo.sync();
      });
      const pictures = await canvasPictures(page);
      const { width, height } = device.viewport;
      for (const [turned, upright] of [[{ width: height, height: width }, false], [device.viewport, true]]) {
        await page.setViewport({ ...turned, deviceScaleFactor: device.ratio, isMobile: true, hasTouch: true });
        await sleep(SETTLED_MS);
        const after = await seen(page);
        const what = `phone turned to ${turned.width} x ${turned.height}`;
        assertFits(after, what);
        assertSharp(after, what);
        assert.equal(after.hint, upright);
      }
      // Turned back, each canvas shows what it showed before, pixel for pixel.
      assert.deepEqual(await canvasPictures(page), pictures, 'the pictures after turning sideways and back');
    }
    assert.deepEqual(problems, []);
    await page.close();
  }
});

// Headless Chromium synthesises a pinch only as a touchpad's gesture, Ctrl
// with the wheel (a touch screen's pinch is the browser's own zoom, which the
// fit follows as the first test shows). Its deltas are the gesture's in
// device pixels, so on this 3x phone a pinch to 2.5 magnifies by its cube
// root. The pan is a finger's, as puppeteer's touches go through the
// browser's own gesture handling.
mobileTest('a pinch magnifies the form and a finger pans it from a picture box; the pictures follow', async () => {
  const { page, problems } = await openOn(PHONE);
  const cdp = await page.createCDPSession();
  const filled = (await seen(page)).scale;
  const eyes = await page.$eval('#picIndividual', (e) => {
    const r = e.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await cdp.send('Input.synthesizePinchGesture',
    { x: eyes.x, y: eyes.y, scaleFactor: 2.5, gestureSourceType: 'mouse' });
  await sleep(SETTLED_MS);
  const where = () => page.evaluate(() => ({ left: scrollX + visualViewport.offsetLeft,
    top: scrollY + visualViewport.offsetTop }));
  const zoomed = await seen(page);
  assert.ok(zoomed.scale / filled > 1.3, `pinched from ${filled} to ${zoomed.scale}`);
  assertSharp(zoomed, 'zoomed in');
  const before = await where();

  // One finger on the picture box moves the page sideways: the form is now
  // wider than the phone, not yet taller than it.
  const on = await page.$eval('#picIndividual', (e) => {
    const r = e.getBoundingClientRect();
    return { x: Math.min(r.left + r.width / 2, innerWidth - 60), y: r.top + r.height / 2 };
  });
  const under = await page.evaluate(({ x, y }) => document.elementFromPoint(x, y).className, on);
  assert.equal(under, 'picture');
  await page.touchscreen.touchStart(on.x, on.y);
  for (let step = 1; step <= 10; ++step) {
    await page.touchscreen.touchMove(on.x - 5 * step, on.y);
    await sleep(16);
  }
  await page.touchscreen.touchEnd();
  await sleep(200);
  const panned = await where();
  assert.ok(panned.left - before.left > 20, `panned from ${JSON.stringify(before)} to ${JSON.stringify(panned)}`);
  assert.deepEqual(problems, []);
  await page.close();
});

mobileTest('on the phone a long press still drags a marker to where the finger lets go, and a tap clicks a button', async () => {
  const { page, problems } = await openOn(PHONE);
  const { scale, left, top, at } = await page.evaluate(() => {
    const form = document.getElementById('Form1').getBoundingClientRect();
    const marker = document.getElementById('cmdSource-7').getBoundingClientRect();
    return { scale: form.width / document.getElementById('Form1').offsetWidth, left: form.left, top: form.top,
      at: { x: marker.left + marker.width / 2, y: marker.top + marker.height / 2 } };
  });
  await page.touchscreen.touchStart(at.x, at.y);
  await sleep(700);
  // Let go at (200, 100) CSS pixels of the unscaled window.
  await page.touchscreen.touchMove(left + 200 * scale, top + 100 * scale);
  await page.touchscreen.touchEnd();
  const dropped = control(await records(page), 'cmdSource-7');
  assert.ok(Math.abs(dropped.left + 187.5 - 200 * 15) <= 150 && Math.abs(dropped.top + 187.5 - 100 * 15) <= 150,
    `dropped at ${dropped.left}, ${dropped.top}`);

  // A tap on a button is still its click: "Random" moves the markers.
  const random = await page.$eval('#cmdRand', (e) => {
    const r = e.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2 };
  });
  await page.touchscreen.tap(random.x, random.y);
  await sleep(100);
  const moved = control(await records(page), 'cmdSource-7');
  assert.notDeepEqual([moved.left, moved.top], [dropped.left, dropped.top], 'a tap on Random');
  assert.deepEqual(problems, []);
  await page.close();
});
