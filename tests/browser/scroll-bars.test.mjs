// The scroll bars against the window's own, whose figures were measured on
// the real program with X input (xdotool under Xvfb, values read back over
// AT-SPI, the thumb from the screen): the thumb's length and place for every
// value, the wheel, the keys, a held arrow's repeat and its pause off the
// arrow, and a held track that leaves the thumb under the pointer.
import assert from 'node:assert/strict';
import { setTimeout as sleep } from 'node:timers/promises';
import { after, before, test } from 'node:test';
import { closeBrowser, control, engine, launchBrowser, openPage, records, VIEWPORT } from './support/page.mjs';

const FADE = 'hscFade';
const RANGE = 'vscSpectrumRange';
const NOTCH = 120;

// The window's thumbs: length, and start along the track for each value.
const THUMBS = {
  [FADE]: { length: 40, starts: [0, 20, 40, 61, 81, 101] },
  [RANGE]: { length: 26,
    starts: [0, 6, 12, 18, 25, 31, 37, 43, 49, 55, 62, 68, 74, 80, 86, 92, 98, 105, 111, 117, 123] },
};

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

const barValue = async (page, id) => control(await records(page), id).value;

// A value put straight into the model, as the window's was set over AT-SPI.
function setBar(page, id, value) {
  return page.evaluate((which, v) => {
    const { model } = window.tarvelDemo;
    if (which === 'hscFade') model.setFade(v); else model.setRange(v);
    window.tarvelDemo.sync();
  }, id, value);
}

// A point `along` pixels from the bar's start (its first arrow's), `across`
// it (its middle unless told).
async function barPoint(page, id, along, across) {
  const box = await (await page.$(`#${id}`)).boundingBox();
  const vertical = id === RANGE;
  const side = across ?? Math.floor((vertical ? box.width : box.height) / 2);
  return vertical ? { x: box.x + side, y: box.y + along } : { x: box.x + along, y: box.y + side };
}

test('the thumbs are the window\'s: its length and its place for every value', async () => {
  const { page, problems } = await openPage(browser, { viewport: VIEWPORT });
  for (const [id, { length, starts }] of Object.entries(THUMBS)) {
    const seen = await page.evaluate((which, count) => {
      const { model } = window.tarvelDemo;
      const thumb = document.querySelector(`#${which} .thumb`);
      const track = document.querySelector(`#${which} .track`);
      const vertical = which === 'vscSpectrumRange';
      const out = [];
      for (let v = 0; v < count; ++v) {
        if (vertical) model.setRange(v); else model.setFade(v);
        window.tarvelDemo.sync();
        const [t, k] = [thumb.getBoundingClientRect(), track.getBoundingClientRect()];
        out.push(vertical ? [t.top - k.top, t.height] : [t.left - k.left, t.width]);
      }
      return out;
    }, id, starts.length);
    assert.deepEqual(seen, starts.map((start) => [start, length]), id);
  }
  assert.deepEqual(problems, []);
  await page.close();
});

test('the wheel steps as the window\'s over either bar, focused or not; Ctrl is the page\'s', async (t) => {
  const { page, problems } = await openPage(browser, { viewport: VIEWPORT });
  // From 2 and 10: a notch is three small changes but never more than a
  // page; down and right lower the fading bar and raise the range bar.
  const cases = [
    [FADE, 2, { deltaY: -NOTCH }, 4], [FADE, 2, { deltaY: NOTCH }, 0],
    [FADE, 2, { deltaX: -NOTCH }, 4], [FADE, 2, { deltaX: NOTCH }, 0],
    [RANGE, 10, { deltaY: -NOTCH }, 7], [RANGE, 10, { deltaY: NOTCH }, 13],
    [RANGE, 10, { deltaX: -NOTCH }, 7], [RANGE, 10, { deltaX: NOTCH }, 13],
  ];
  await page.focus('#cmdRand');
  for (const [id, from, wheel, to] of cases) {
    await setBar(page, id, from);
    const at = await barPoint(page, id, 70);
    await page.mouse.move(at.x, at.y);
    await page.mouse.wheel(wheel);
    assert.equal(await barValue(page, id), to, `${id} from ${from}, wheel ${JSON.stringify(wheel)}`);
  }
  assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdRand', 'the wheel takes no focus');

  // With Shift a notch is a page.
  await setBar(page, RANGE, 10);
  await page.keyboard.down('Shift');
  await page.mouse.wheel({ deltaY: NOTCH });
  await page.keyboard.up('Shift');
  assert.equal(await barValue(page, RANGE), 14, 'Shift pages');

  // Ctrl with the wheel is the page's: the bar neither moves nor keeps the
  // event from the form. (The form stops it here, so nothing else zooms.)
  if (engine === 'webkit') {
    t.diagnostic('MiniBrowser zooms with Ctrl and the wheel itself: the page never sees it');
    assert.deepEqual(problems, []);
    await page.close();
    return;
  }
  await page.evaluate(() => {
    window.wheelAtForm = [];
    document.getElementById('Form1').addEventListener('wheel', (e) => {
      window.wheelAtForm.push(e.defaultPrevented);
      e.preventDefault();
      e.stopPropagation();
    }, { passive: false });
  });
  await page.keyboard.down('Control');
  await page.mouse.wheel({ deltaY: NOTCH });
  await page.keyboard.up('Control');
  assert.equal(await barValue(page, RANGE), 14, 'Ctrl and the wheel leave the bar');
  assert.deepEqual(await page.evaluate(() => window.wheelAtForm), [false], 'and reach the form untaken');
  assert.deepEqual(problems, []);
  await page.close();
});

test('the keys step as the window\'s on both bars, Left and Right included', async () => {
  const { page, problems } = await openPage(browser, { viewport: VIEWPORT });
  const keys = ['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight', 'PageUp', 'PageDown', 'Home', 'End'];
  const measured = {
    [FADE]: [2, [3, 1, 1, 3, 4, 0, 0, 5]],
    [RANGE]: [9, [8, 10, 10, 8, 5, 13, 0, 20]],
  };
  for (const [id, [from, after]] of Object.entries(measured)) {
    const seen = [];
    for (const key of keys) {
      await setBar(page, id, from);
      await page.focus(`#${id}`);
      await page.keyboard.press(key);
      seen.push(await barValue(page, id));
    }
    assert.deepEqual(seen, after, id);
  }
  assert.deepEqual(problems, []);
  await page.close();
});

// Steps a held arrow makes in `heldMs`: one at the press, one after 500 ms,
// then one every 50 ms.
const stepsHeld = (heldMs) => 1 + (heldMs < 500 ? 0 : 1 + Math.floor((heldMs - 500) / 50));

// The range bar's down arrow held for `holdMs`: how long the page saw it
// held, and when each step came, from the first, by the page's clock.
async function holdArrow(page, holdMs) {
  await setBar(page, RANGE, 0);
  await page.evaluate(() => { window.stepTimes = []; });
  const more = await barPoint(page, RANGE, 170);
  await page.mouse.move(more.x, more.y);
  await page.mouse.down();
  await sleep(holdMs);
  await page.mouse.up();
  return page.evaluate(() => ({ heldMs: window.heldMs,
    times: window.stepTimes.map((t) => t - window.stepTimes[0]) }));
}

// A hold the page kept time through: a loaded machine can stall the page
// for longer than a beat, so a hold is tried again, up to three times.
async function steadyHold(page, holdMs) {
  let run;
  for (let tries = 0; tries < 3; ++tries) {
    run = await holdArrow(page, holdMs);
    const gaps = run.times.slice(1).map((t, k) => t - run.times[k]);
    if (run.heldMs < holdMs + 250 && !(gaps[0] > 600) && !gaps.slice(1).some((gap) => gap > 100)) break;
  }
  return run;
}

test('a held arrow repeats as the window\'s: after 500 ms, then every 50 ms', async () => {
  const { page, problems } = await openPage(browser, { viewport: VIEWPORT });
  await page.evaluate(() => {
    const { model } = window.tarvelDemo;
    const send = model.controlEvent.bind(model);
    window.stepTimes = [];
    model.controlEvent = (id, event, value) => {
      if (id === 'vscSpectrumRange') window.stepTimes.push(performance.now());
      return send(id, event, value);
    };
    const bar = document.getElementById('vscSpectrumRange');
    bar.addEventListener('pointerdown', () => { window.heldFrom = performance.now(); });
    bar.addEventListener('pointerup', () => { window.heldMs = performance.now() - window.heldFrom; });
  });
  const short = await steadyHold(page, 150);
  assert.equal(short.times.length, 1, `held ${short.heldMs.toFixed(0)} ms: one step`);

  const long = await steadyHold(page, 1000);
  const [first, ...beats] = long.times.slice(1).map((t, k) => t - long.times[k]);
  assert.ok(first >= 490 && first <= 600, `the first repeat ${first.toFixed(0)} ms after the press`);
  const median = [...beats].sort((x, y) => x - y)[Math.floor(beats.length / 2)];
  assert.ok(beats.every((gap) => gap >= 40) && median <= 60,
    `then every 50 ms: ${beats.map((gap) => gap.toFixed(0)).join(' ')}`);
  const steps = long.times.length;
  assert.ok(steps <= stepsHeld(long.heldMs + 10) && steps >= stepsHeld(long.heldMs) - 2,
    `held ${long.heldMs.toFixed(0)} ms: ${steps} steps, the window ${stepsHeld(long.heldMs)}`);
  assert.deepEqual(problems, []);
  await page.close();
});

test('a held arrow or track pauses while the pointer is off it and goes on when it is back', async () => {
  const { page, problems } = await openPage(browser, { viewport: VIEWPORT });
  const pressed = () => page.$$eval(`#${RANGE} .pressed`,
    (parts) => parts.map((p) => p.className.replace(' pressed', '')));
  for (const [part, along, step] of [['arrow more', 170, 1], ['track', 160, 4]]) {
    await setBar(page, RANGE, 0);
    const on = await barPoint(page, RANGE, along);
    const off = await barPoint(page, RANGE, along, -30);
    await page.mouse.move(on.x, on.y);
    await page.mouse.down();
    assert.equal(await barValue(page, RANGE), step, `${part}: a step at the press`);
    await page.mouse.move(off.x, off.y);
    assert.deepEqual(await pressed(), [], `${part}: not shown pressed while the pointer is off`);
    await sleep(700);
    assert.equal(await barValue(page, RANGE), step, `${part}: no repeat while the pointer is off`);
    await page.mouse.move(on.x, on.y + 1);
    assert.deepEqual(await pressed(), [part], `${part}: pressed again`);
    assert.equal(await barValue(page, RANGE), 2 * step, `${part}: a step at once when it is back`);
    await page.mouse.up();
  }
  assert.deepEqual(problems, []);
  await page.close();
});

test('held on the track, the thumb stops centred under the pointer, as in the window', async () => {
  const { page, problems } = await openPage(browser, { viewport: VIEWPORT });
  // [bar, value before, pixels from the bar's start, the window's value]
  const cases = [
    [RANGE, 0, 42, 3], [RANGE, 0, 86, 10], [RANGE, 0, 130, 17], [RANGE, 20, 30, 1], [RANGE, 20, 134, 18],
    [FADE, 0, 86, 3], [FADE, 5, 54, 1],
  ];
  for (const [id, from, along, to] of cases) {
    await setBar(page, id, from);
    const at = await barPoint(page, id, along);
    await page.mouse.move(at.x, at.y);
    await page.mouse.down();
    await sleep(750);
    // Still, not hopping between two values.
    const held = [];
    for (let k = 0; k < 3; ++k) {
      held.push(await barValue(page, id));
      await sleep(60);
    }
    await page.mouse.up();
    assert.deepEqual(held, [to, to, to], `${id} from ${from}, held ${along} px along`);
  }
  assert.deepEqual(problems, []);
  await page.close();
});
