// The page at any size: the form fills the browser's window, up as well as
// down, centred and whole; Ctrl + and Ctrl -, Ctrl 0 and Ctrl with the wheel
// magnify it past that, and the page then scrolls to every part of it.
import assert from 'node:assert/strict';
import { setTimeout as sleep } from 'node:timers/promises';
import { after, before, test } from 'node:test';
import { HELP_LINE_PX, VIEWPORT, closeBrowser, engine, launchBrowser, openPage } from './support/page.mjs';
import { pdfFillColours, pdfPages } from './support/pdf.mjs';

const WINDOW = VIEWPORT;
const FORM = { width: 953, height: 701 };
const SETTLED_MS = 500;  // the pictures move to a new ratio 200 ms after a change

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

// The form's box as shown, the room, how far the page scrolls, a label's
// text as tall as it is drawn (measured by the text, not the box), and the
// plot's pixels against the device pixels of its box inside the frame.
function seen(page) {
  return page.evaluate(() => {
    const box = document.getElementById('stage').getBoundingClientRect();
    const root = document.documentElement;
    const range = document.createRange();
    range.selectNodeContents(document.getElementById('lblAt-20'));
    // WebKit gives the boxes of what lies inside a zoomed element in its
    // zoomed pixels; the others in the page's.
    const local = box.width / document.getElementById('Form1').getBoundingClientRect().width;
    const plot = window.tarvelDemo.records().controls.find((c) => c.id === 'picSpectrum');
    const frame = 2;
    return {
      left: box.left, top: box.top, width: box.width, height: box.height,
      room: { width: innerWidth, height: innerHeight },
      scrolls: { x: root.scrollWidth - root.clientWidth, y: root.scrollHeight - root.clientHeight },
      scrolled: { x: scrollX, y: scrollY },
      text: range.getBoundingClientRect().height * local,
      canvas: { pixels: document.getElementById('picSpectrum').width,
        shown: (plot.width / 15 - 2 * frame) * devicePixelRatio * box.width / 953 },
    };
  });
}

async function pressWithControl(page, key, times = 1) {
  for (let k = 0; k < times; ++k) {
    await page.keyboard.down('Control');
    await page.keyboard.press(key);
    await page.keyboard.up('Control');
  }
  await sleep(SETTLED_MS);
}

test('the form fills the window, centred, whole, with no scroll bar, on a laptop and on projectors', async () => {
  for (const room of [{ width: 1366, height: 768 }, { width: 1920, height: 1080 }, { width: 3840, height: 2160 },
    { width: 1280, height: 1024 }]) {
    const { page, problems } = await openPage(browser, { viewport: room });
    await sleep(SETTLED_MS);
    const view = await seen(page);
    const what = `${room.width} x ${room.height}: ${JSON.stringify(view)}`;
    // The help's summary keeps its line below the form.
    const height = room.height - HELP_LINE_PX;
    const scale = Math.min(room.width / FORM.width, height / FORM.height);
    assert.ok(Math.abs(view.width - FORM.width * scale) <= 1, what);
    assert.ok(Math.abs(view.height - FORM.height * scale) <= 1, what);
    assert.ok(Math.abs(view.left - (room.width - view.width) / 2) <= 1, `centred across, ${what}`);
    assert.ok(Math.abs(view.top - (height - view.height) / 2) <= 1, `centred down, ${what}`);
    assert.deepEqual(view.scrolls, { x: 0, y: 0 }, `no scroll bar, ${what}`);
    assert.ok(Math.abs(view.canvas.pixels - view.canvas.shown) <= 1, `the plot drawn at the screen's pixels, ${what}`);
    // The window's lines are drawn anew at the new ratio: every edge on a whole device pixel.
    const offPixel = await page.evaluate(() => {
      const ratio = window.tarvelDemo.model.pixelRatio();
      const axis = document.getElementById('Line1').getAttribute('d');
      return axis.match(/-?[\d.]+(e-?\d+)?/g).map(Number).filter((v) => Math.abs(v * ratio - Math.round(v * ratio)) > 0.01);
    });
    assert.deepEqual(offPixel, [], `the axes at the form's ratio, ${what}`);
    assert.deepEqual(problems, []);
    await page.close();
  }
});

test('Ctrl + magnifies the form past its filled size, the page scrolls to each corner, Ctrl - and Ctrl 0 bring it back',
  async () => {
    const { page, problems } = await openPage(browser, { viewport: WINDOW });
    const filled = await seen(page);
    assert.deepEqual(filled.scrolls, { x: 0, y: 0 });

    await pressWithControl(page, '=', 3);
    const magnified = await seen(page);
    assert.ok(Math.abs(magnified.width / filled.width - 1.75) < 0.01, `three steps: ${magnified.width}`);
    assert.ok(magnified.scrolls.x > 0 && magnified.scrolls.y > 0, JSON.stringify(magnified.scrolls));
    // Scrolled to either end, each corner of the form is in view, at the
    // bottom with the help's summary below it.
    for (const [x, y] of [[0, 0], [1, 0], [0, 1], [1, 1]]) {
      const shown = await page.evaluate(([ex, ey, help]) => {
        scrollTo(ex * 1e5, ey * 1e5);
        const box = document.getElementById('stage').getBoundingClientRect();
        const root = document.documentElement;
        return { x: ex ? box.right - root.clientWidth : box.left,
          y: ey ? box.bottom + help - root.clientHeight : box.top };
      }, [x, y, HELP_LINE_PX]);
      assert.ok(Math.abs(shown.x) <= 1 && Math.abs(shown.y) <= 1, `corner ${x}, ${y}: ${JSON.stringify(shown)}`);
    }
    assert.ok(Math.abs(magnified.canvas.pixels - magnified.canvas.shown) <= 1, 'the plot redrawn at the new size');

    await pressWithControl(page, '-');
    assert.ok(Math.abs((await seen(page)).width / filled.width - 1.5) < 0.01, 'a step back');
    await pressWithControl(page, '0');
    const back = await seen(page);
    assert.ok(Math.abs(back.width - filled.width) <= 0.5, `Ctrl 0: ${back.width}`);
    assert.deepEqual(back.scrolls, { x: 0, y: 0 });
    // Ctrl - never shrinks the form below the window's filled size.
    await pressWithControl(page, '-');
    assert.ok(Math.abs((await seen(page)).width - filled.width) <= 0.5, 'not below filled');
    assert.deepEqual(problems, []);
    await page.close();
  });

test('magnified to 200 % the text is twice as tall; magnification stops at 500 %', async () => {
  const { page, problems } = await openPage(browser, { viewport: WINDOW });
  const filled = await seen(page);
  await pressWithControl(page, '=', 4);
  const twice = await seen(page);
  assert.ok(Math.abs(twice.text / filled.text - 2) < 0.05, `text ${filled.text} -> ${twice.text}`);
  await pressWithControl(page, '=', 6);
  assert.ok(Math.abs((await seen(page)).width / filled.width - 5) < 0.01, 'at most 500 %');
  assert.deepEqual(problems, []);
  await page.close();
});

// MiniBrowser takes Ctrl with the wheel for its own zoom: the page never sees it.
const wheelTest = engine === 'webkit' ? test.skip : test;
wheelTest('Ctrl with the wheel magnifies around the pointer a step a notch, and back', async () => {
  const { page, problems } = await openPage(browser, { viewport: WINDOW });
  const filled = await seen(page);
  await page.mouse.move(700, 500);
  await page.keyboard.down('Control');
  await page.mouse.wheel({ deltaY: -100 });
  await page.keyboard.up('Control');
  await sleep(SETTLED_MS);
  const magnified = await seen(page);
  assert.ok(Math.abs(magnified.width / filled.width - 1.25) < 0.01, `one notch: ${magnified.width}`);
  // The point under the pointer stays under it.
  assert.ok(Math.abs(magnified.left + 700 * 1.25 - 700) <= 2 && Math.abs(magnified.top + 500 * 1.25 - 500) <= 2,
    JSON.stringify(magnified));
  await page.keyboard.down('Control');
  await page.mouse.wheel({ deltaY: 100 });
  await page.keyboard.up('Control');
  assert.ok(Math.abs((await seen(page)).width - filled.width) <= 0.5);
  assert.deepEqual(problems, []);
  await page.close();
});

// Only Chromium's driver prints to a PDF.
const printTest = engine === 'chromium' ? test : test.skip;
printTest('printed, the form is whole on one landscape page, a switched-on marker in its colour', async () => {
  const { page, problems } = await openPage(browser, { viewport: { width: 1920, height: 1080 } });
  await page.evaluate(() => {
    window.tarvelDemo.model.clickMarker(7);
    window.tarvelDemo.model.clickMarker(7);
    window.tarvelDemo.sync();
  });
  const colour = await page.$eval('#cmdSource-7', (e) => getComputedStyle(e).backgroundColor);
  const rgb = colour.match(/\d+/g).slice(0, 3).map(Number);
  for (const format of ['a4', 'letter']) {
    const pdf = Buffer.from(await page.pdf({ format, preferCSSPageSize: false, landscape: true }));
    const pages = pdfPages(pdf);
    assert.equal(pages.length, 1, `${format}: one page`);
    assert.ok(pages[0].width > pages[0].height, `${format}: landscape`);
    assert.ok(pdfFillColours(pdf).some((c) => c.every((v, k) => Math.abs(v - rgb[k]) <= 1)),
      `${format}: the marker's ${colour} is printed`);
  }
  // The page asks for landscape itself.
  const own = pdfPages(Buffer.from(await page.pdf({ preferCSSPageSize: true })));
  assert.ok(own.length === 1 && own[0].width > own[0].height, JSON.stringify(own));
  assert.deepEqual(problems, []);
  await page.close();
});
