// The animation and the plot's controls: Start and Reset, the fading bar,
// the symbol list, "Log Plot"/"Linear Plot", "Memory", the range bar and
// the eye boxes that a click clears.
import assert from 'node:assert/strict';
import { setTimeout as sleep } from 'node:timers/promises';
import { after, before, test } from 'node:test';
import { closeBrowser, control, launchBrowser, openPage, records, tick } from './support/page.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

// Every path on and scattered, as a teacher starts a lesson.
async function everyPathOnAfterRandom(page) {
  await page.click('#cmdRand');
  for (let i = 0; i < 8; ++i) {
    await page.click(`#cmdSource-${i}`);
    await page.click(`#cmdSource-${i}`);
  }
}

// How many of a canvas's pixels are not white, and a digest of all of them.
function canvasSeen(page, id) {
  return page.$eval(`#${id}`, (canvas) => {
    const data = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height).data;
    let drawn = 0;
    let digest = 0;
    for (let k = 0; k < data.length; k += 4) {
      if (data[k] !== 255 || data[k + 1] !== 255 || data[k + 2] !== 255) ++drawn;
      digest = (digest * 31 + data[k] * 65536 + data[k + 1] * 256 + data[k + 2]) >>> 0;
    }
    return { drawn, digest };
  });
}

async function pressOn(page, id, ...keys) {
  await page.focus(`#${id}`);
  for (const key of keys) await page.keyboard.press(key);
  const value = await page.$eval(`#${id} input`, (e) => Number(e.value));
  assert.equal(control(await records(page), id).value, value, `${id} shows the model's value`);
  return value;
}

// A part of a bar ('.arrow.less', '.track', '.thumb', ...) and its centre.
async function barPart(page, id, part) {
  const box = await (await page.$(`#${id} ${part}`)).boundingBox();
  return { ...box, x: box.x + box.width / 2, y: box.y + box.height / 2 };
}

// The mouse takes the bar's thumb and moves it by (dx, dy) pixels.
async function dragThumb(page, id, dx, dy, { release = true } = {}) {
  const thumb = await barPart(page, id, '.thumb');
  await page.mouse.move(thumb.x, thumb.y);
  await page.mouse.down();
  await page.mouse.move(thumb.x + dx, thumb.y + dy, { steps: 4 });
  if (release) await page.mouse.up();
}

const barValue = async (page, id) => control(await records(page), id).value;

test('the bars are scroll bars as the window\'s: arrows step small, the track a page, the thumb follows', async () => {
  const { page, problems } = await openPage(browser);
  const all = await records(page);
  for (const id of ['hscFade', 'vscSpectrumRange']) {
    const r = control(all, id);
    // Assistive tools and Tab hold its range input, which steps by one.
    const spoken = await page.$eval(`#${id} input`, (e) => [e.type, e.getAttribute('aria-orientation'), e.min,
      e.max, e.value, e.step, e.tabIndex, e.parentElement.tabIndex]);
    assert.deepEqual(spoken, ['range', r.kind === 'vbar' ? 'vertical' : 'horizontal',
      String(r.min), String(r.max), String(r.value), '1', 0, -1], id);
  }
  // The window's geometry: 14-pixel arrows, a thumb as long against the
  // track as a page against the whole range, at its place for the value.
  const thumbAt = async () => {
    const [bar, thumb] = [await barPart(page, 'hscFade', ''), await barPart(page, 'hscFade', '.thumb')];
    return [Math.round(thumb.x - thumb.width / 2 - (bar.x - bar.width / 2)), Math.round(thumb.width)];
  };
  assert.deepEqual(await thumbAt(), [14, 40]);

  const more = await barPart(page, 'hscFade', '.arrow.more');
  await page.mouse.click(more.x, more.y);
  assert.equal(await barValue(page, 'hscFade'), 1, 'an arrow steps by the small change');
  assert.deepEqual(await thumbAt(), [14 + 20, 40]);
  const track = await barPart(page, 'hscFade', '.track');
  await page.mouse.click(track.x + track.width / 2 - 5, track.y);
  assert.equal(await barValue(page, 'hscFade'), 3, 'the track steps a page towards the click');
  await page.mouse.click(track.x - track.width / 2 + 2, track.y);
  assert.equal(await barValue(page, 'hscFade'), 1, 'and back');
  const less = await barPart(page, 'hscFade', '.arrow.less');
  await page.mouse.click(less.x, less.y);
  await page.mouse.click(less.x, less.y);
  assert.equal(await barValue(page, 'hscFade'), 0, 'an arrow stops at the end');

  // Held on the track, the bar pages on until the thumb is under the pointer.
  await page.mouse.move(track.x + track.width / 2 - 2, track.y);
  await page.mouse.down();
  await sleep(900);
  assert.equal(await barValue(page, 'hscFade'), 5);
  await page.mouse.up();

  // The fading bar's thumb reports each value on its way; the range bar's
  // only where it is let go.
  await dragThumb(page, 'hscFade', -60, 0, { release: false });
  assert.equal(await barValue(page, 'hscFade'), 2);
  await page.mouse.move(more.x - 200, more.y, { steps: 2 });
  assert.equal(await barValue(page, 'hscFade'), 0);
  await page.mouse.up();
  await dragThumb(page, 'vscSpectrumRange', 0, -70, { release: false });
  assert.equal(await barValue(page, 'vscSpectrumRange'), 20, 'nothing while held');
  assert.equal(await page.$eval('#vscSpectrumRange input', (e) => e.value), '9',
    'the thumb shows where it will land');
  await page.mouse.up();
  assert.equal(await barValue(page, 'vscSpectrumRange'), 9);

  // A finger on an arrow steps as the mouse does.
  const up = await barPart(page, 'vscSpectrumRange', '.arrow.less');
  await page.touchscreen.tap(up.x, up.y);
  assert.equal(await barValue(page, 'vscSpectrumRange'), 8);
  assert.deepEqual(problems, []);
  await page.close();
});

test('Start ticks about every 100 ms; Reset stops the timer and switches every path off', async () => {
  const { page, problems } = await openPage(browser);
  await everyPathOnAfterRandom(page);
  await page.evaluate(() => {
    const { model } = window.tarvelDemo;
    window.ticks = [];
    const tickOnce = model.tick.bind(model);
    model.tick = () => { window.ticks.push(performance.now()); tickOnce(); };
  });
  await page.click('#cmdGo-0');
  await sleep(1200);
  const ticks = await page.evaluate(() => window.ticks);
  assert.ok(ticks.length >= 4, `${ticks.length} ticks in 1.2 s`);
  const gaps = ticks.slice(1).map((t, k) => t - ticks[k]).sort((a, b) => a - b);
  assert.ok(gaps[0] >= 95, `no tick comes early (shortest gap ${gaps[0].toFixed(1)} ms)`);
  assert.ok(gaps[Math.floor(gaps.length / 2)] < 250, `median gap ${gaps[Math.floor(gaps.length / 2)]} ms`);

  await page.click('#cmdGo-1');
  const stoppedAt = await page.evaluate(() => window.ticks.length);
  await sleep(400);
  assert.equal(await page.evaluate(() => window.ticks.length), stoppedAt, 'no tick after Reset');
  const all = await records(page);
  assert.equal(all.timer.enabled, false);
  for (let i = 0; i < 8; ++i) {
    assert.equal(control(all, `cmdSource-${i}`).backColour, all.backColour, `path ${i + 1} is off`);
    assert.equal(await page.$eval(`#lneImpulse-${i}`, (l) => l.getAttribute('visibility')), 'hidden');
  }
  assert.deepEqual(problems, []);
  await page.close();
});

test('the fading bar runs 0..5, arrows step 1 and pages 2; fading shows frames for markers', async () => {
  const { page } = await openPage(browser);
  await page.click('#cmdSource-7');
  await page.click('#cmdSource-7');
  assert.equal(await pressOn(page, 'hscFade', 'ArrowRight'), 1);
  assert.equal(await pressOn(page, 'hscFade', 'PageUp'), 3);
  assert.equal(await pressOn(page, 'hscFade', 'PageUp', 'PageUp'), 5);
  assert.equal(await pressOn(page, 'hscFade', 'ArrowRight', 'ArrowUp'), 5);
  assert.equal(await pressOn(page, 'hscFade', 'ArrowLeft'), 4);
  assert.equal(await pressOn(page, 'hscFade', 'PageDown'), 2);

  await tick(page);
  const fading = () => page.evaluate(() => [
    document.getElementById('cmdSource-7').checkVisibility(),
    document.getElementById('cmdShape-7').getAttribute('visibility')]);
  assert.deepEqual(await fading(), [false, 'visible']);
  assert.equal(await pressOn(page, 'hscFade', 'PageDown', 'PageDown'), 0);
  assert.deepEqual(await fading(), [true, 'hidden']);

  // The thumb dragged to the bar's far end sets the fastest fading.
  await dragThumb(page, 'hscFade', 200, 0);
  assert.equal(control(await records(page), 'hscFade').value, 5);
  await page.close();
});

test('the symbol list sets the symbol time from the mouse and from the keys', async () => {
  const { page } = await openPage(browser);
  await everyPathOnAfterRandom(page);
  await tick(page, 2);
  const eye = await canvasSeen(page, 'picIndividual');
  await page.select('#cmbSymbol', '2.0');
  assert.equal(control(await records(page), 'cmbSymbol').text, '2.0');
  assert.notEqual((await canvasSeen(page, 'picIndividual')).digest, eye.digest, 'the eye is redrawn');

  await page.focus('#cmbSymbol');
  await page.keyboard.press('ArrowUp');
  assert.equal(await page.$eval('#cmbSymbol', (e) => e.value), '1.0');
  assert.equal(control(await records(page), 'cmbSymbol').text, '1.0');
  await page.close();
});

test('"Log Plot" and "Memory" toggle, the range bar runs 0..20, each redraws the spectrum', async () => {
  const { page } = await openPage(browser);
  await everyPathOnAfterRandom(page);
  await tick(page);
  const toggle = (id) => page.$eval(`#${id}`, (e) => [e.textContent, e.getAttribute('aria-pressed')]);
  let spectrum = await canvasSeen(page, 'picSpectrum');
  assert.ok(spectrum.drawn > 100, 'the spectrum is drawn');
  const redrawn = async (what) => {
    const now = await canvasSeen(page, 'picSpectrum');
    assert.notEqual(now.digest, spectrum.digest, `${what} redraws the spectrum`);
    spectrum = now;
  };

  await page.click('#chkLinear');
  assert.deepEqual(await toggle('chkLinear'), ['Linear Plot', 'true']);
  await redrawn('Linear Plot');
  await page.click('#chkLinear');
  assert.deepEqual(await toggle('chkLinear'), ['Log Plot', 'false']);
  await redrawn('Log Plot');

  await page.click('#chkMemory');
  assert.deepEqual(await toggle('chkMemory'), ['Memory', 'true']);
  const coloured = await page.$eval('#chkMemory', (e) => getComputedStyle(e).color);
  await page.click('#chkMemory');
  assert.deepEqual(await toggle('chkMemory'), ['Memory', 'false']);
  assert.notEqual(await page.$eval('#chkMemory', (e) => getComputedStyle(e).color), coloured);

  // The range bar's up is less, as on the desktop.
  assert.equal(await pressOn(page, 'vscSpectrumRange', 'ArrowDown'), 20);
  assert.equal(await pressOn(page, 'vscSpectrumRange', 'ArrowUp'), 19);
  await redrawn('a range of 19');
  assert.equal(await pressOn(page, 'vscSpectrumRange', 'PageUp'), 15);
  assert.equal(await pressOn(page, 'vscSpectrumRange', 'PageUp', 'PageUp', 'PageUp', 'PageUp'), 0);
  assert.equal(await pressOn(page, 'vscSpectrumRange', 'PageDown', 'ArrowDown'), 5);
  // Its thumb let go at the bottom end sets the largest range. (Firefox's
  // WebDriver refuses a pointer below the viewport, so there the pointer
  // stops at the viewport's edge, still past the bar's end.)
  await dragThumb(page, 'vscSpectrumRange', 0, 200);
  assert.equal(control(await records(page), 'vscSpectrumRange').value, 20);
  await page.close();
});

test('a click on an eye box clears it; the spectrum stays', async () => {
  const { page } = await openPage(browser);
  await everyPathOnAfterRandom(page);
  await tick(page, 3);
  const spectrum = await canvasSeen(page, 'picSpectrum');
  for (const id of ['picIndividual', 'picCombo', 'picSumGraph']) {
    assert.ok((await canvasSeen(page, id)).drawn > 100, `${id} shows eyes`);
    await page.click(`#${id}`);
    assert.equal((await canvasSeen(page, id)).drawn, 0, `${id} is cleared`);
  }
  await page.click('#picSpectrum');
  assert.deepEqual(await canvasSeen(page, 'picSpectrum'), spectrum);
  await page.close();
});

test('Enter or Space on a focused eye box clears it, as a click does; other keys and the spectrum keep theirs', async () => {
  const { page } = await openPage(browser);
  await everyPathOnAfterRandom(page);
  await tick(page, 3);
  const spectrum = await canvasSeen(page, 'picSpectrum');
  for (const [id, key] of [['picIndividual', 'Enter'], ['picCombo', 'Space'], ['picSumGraph', 'Space']]) {
    await page.focus(`#${id}`);
    await page.keyboard.press('x');
    assert.ok((await canvasSeen(page, id)).drawn > 100, `${id} keeps its eyes after x`);
    await page.keyboard.press(key);
    assert.equal((await canvasSeen(page, id)).drawn, 0, `${id} is cleared by ${key}`);
  }
  await page.focus('#picSpectrum');
  await page.keyboard.press('Enter');
  assert.deepEqual(await canvasSeen(page, 'picSpectrum'), spectrum);
  await page.close();
});
