// Editing the paths in the page as on the desktop: clicks, keys, the
// right-button drag, "Random", and a tablet's touch.
import assert from 'node:assert/strict';
import { setTimeout as sleep } from 'node:timers/promises';
import { after, before, test } from 'node:test';
import {
  closeBrowser, control, formPoint, launchBrowser, openPage, records, rightDrag, tick, VIEWPORT,
} from './support/page.mjs';

const FACE = '#efefef';

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

// A marker as the user sees it: where, in which colour, its impulse line.
function markerSeen(page, index) {
  return page.evaluate((i) => {
    const marker = document.getElementById(`cmdSource-${i}`);
    const line = document.getElementById(`lneImpulse-${i}`);
    const [r, g, b] = getComputedStyle(marker).backgroundColor.match(/\d+/g).map(Number);
    return {
      left: marker.offsetLeft, top: marker.offsetTop,
      colour: `#${[r, g, b].map((v) => v.toString(16).padStart(2, '0')).join('')}`,
      line: line.getAttribute('visibility'),
    };
  }, index);
}

test('two left clicks switch a marker on: its colour, its impulse line; two more switch it off', async () => {
  const { page, problems } = await openPage(browser);
  await page.click('#cmdSource-7');
  assert.deepEqual(await markerSeen(page, 7), { left: 24, top: 260, colour: FACE, line: 'hidden' });
  await page.click('#cmdSource-7');
  const on = await markerSeen(page, 7);
  assert.equal(on.colour, control(await records(page), 'cmdSource-7').backColour);
  assert.notEqual(on.colour, FACE);
  assert.equal(on.line, 'visible');

  await page.click('#cmdSource-7');
  await page.click('#cmdSource-7');
  assert.deepEqual(await markerSeen(page, 7), { left: 24, top: 260, colour: FACE, line: 'hidden' });
  assert.deepEqual(problems, []);
  await page.close();
});

test('u, d, l, r in either case move the focused marker a step; Space clicks it', async () => {
  const { page } = await openPage(browser);
  await rightDrag(page, 7, 180, 150);
  const start = await markerSeen(page, 7);
  await page.focus('#cmdSource-7');
  const step = 120 / 15;
  const moves = [['u', 0, -step], ['U', 0, -2 * step], ['r', step, -2 * step], ['R', 2 * step, -2 * step],
    ['d', 2 * step, -step], ['D', 2 * step, 0], ['l', step, 0], ['L', 0, 0]];
  for (const [key, dx, dy] of moves) {
    await page.keyboard.press(key);
    const seen = await markerSeen(page, 7);
    assert.deepEqual([seen.left - start.left, seen.top - start.top], [dx, dy], `after ${key}`);
  }
  // Keys the marker does not know leave it where it is.
  await page.keyboard.press('x');
  await page.keyboard.press('ArrowUp');
  assert.deepEqual(await markerSeen(page, 7), start);

  // Up against the top of the diagram it stops (Top 360 twips).
  for (let k = 0; k < 40; ++k) await page.keyboard.press('u');
  assert.equal((await markerSeen(page, 7)).top, 360 / 15);

  await page.keyboard.press('Space');
  await page.keyboard.press('Space');
  const on = await markerSeen(page, 7);
  assert.notEqual(on.colour, FACE);
  assert.equal(on.line, 'visible');
  await page.close();
});

test('a right-button drag: the outline follows, the drop snaps to the grid, no context menu', async () => {
  const { page, problems } = await openPage(browser);
  await page.evaluate(() => {
    window.menusShown = 0;
    window.addEventListener('contextmenu', (event) => { if (!event.defaultPrevented) ++window.menusShown; });
  });
  const outline = () => page.$eval('#dragOutline', (e) => {
    const box = e.getBoundingClientRect();
    return { hidden: e.hidden, x: box.left + box.width / 2, y: box.top + box.height / 2 };
  });
  const marker = await (await page.$('#cmdSource-7')).boundingBox();
  await page.mouse.move(marker.x + 12, marker.y + 12);
  await page.mouse.down({ button: 'right' });
  for (const [x, y] of [[150, 100], [205, 131]]) {
    const to = await formPoint(page, x, y);
    await page.mouse.move(to.x, to.y, { steps: 2 });
    const seen = await outline();
    assert.equal(seen.hidden, false);
    assert.ok(Math.abs(seen.x - to.x) <= 1 && Math.abs(seen.y - to.y) <= 1, JSON.stringify(seen));
  }
  await page.mouse.up({ button: 'right' });
  assert.equal((await outline()).hidden, true);

  const dropped = control(await records(page), 'cmdSource-7');
  assert.equal(dropped.left % 120, 0);
  assert.equal((dropped.top - 60) % 120, 0);
  // The marker's centre lands within a grid step of the pointer (205, 131).
  assert.ok(Math.abs(dropped.left + 187.5 - 205 * 15) <= 120, `left ${dropped.left}`);
  assert.ok(Math.abs(dropped.top + 187.5 - 131 * 15) <= 120, `top ${dropped.top}`);
  assert.deepEqual(await markerSeen(page, 7),
    { left: dropped.left / 15, top: dropped.top / 15, colour: FACE, line: 'hidden' });
  assert.equal(await page.evaluate(() => window.menusShown), 0);
  assert.deepEqual(problems, []);
  await page.close();
});

test('a drop over a label, a picture box or outside the window changes nothing', async () => {
  // Wider than the window, as tall: the form at a scale of 1 with room beside it.
  const { page } = await openPage(browser, { viewport: { width: 1001, height: VIEWPORT.height } });
  await rightDrag(page, 7, 120, 100);
  const before = await records(page);
  const label = await (await page.$('#Label1')).boundingBox();
  const picture = await (await page.$('#picCombo')).boundingBox();
  const form = await formPoint(page, 0, 0);
  for (const [x, y] of [[label.x + 10 - form.x, label.y + 10 - form.y],
    [picture.x + 100 - form.x, picture.y + 50 - form.y], [970, 300]]) {
    await rightDrag(page, 7, x, y);
    assert.deepEqual(await records(page), before, `drop at ${x}, ${y}`);
    assert.equal(await page.$eval('#dragOutline', (e) => e.hidden), true);
  }
  await page.close();
});

test('"Random" scatters every marker over the diagram, each time elsewhere', async () => {
  const { page, problems } = await openPage(browser);
  await page.click('#cmdSource-7');
  await page.click('#cmdSource-7');
  const places = async () => {
    const all = await records(page);
    return [...Array(8).keys()].map((i) => control(all, `cmdSource-${i}`)).map((m) => [m.left, m.top]);
  };
  await page.click('#cmdRand');
  const first = await places();
  await page.click('#cmdRand');
  const second = await places();
  assert.deepEqual(problems, []);  // a page that stopped ignores every click
  assert.notDeepEqual(first, second);
  for (const [left, top] of [...first, ...second]) {
    assert.ok(left >= 540 && left <= 5220 && top >= 360 && top <= 3900, `${left}, ${top}`);
  }
  // The page shows them where the records put them, the impulse line under the marker.
  for (let i = 0; i < 8; ++i) {
    const seen = await markerSeen(page, i);
    assert.deepEqual([seen.left, seen.top], second[i].map((v) => Math.round(v / 15)), `marker ${i}`);
  }
  const line = await page.$eval('#lneImpulse-7', (l) => {
    const box = l.getBBox();
    return box.x + box.width / 2;
  });
  const marker7 = await markerSeen(page, 7);
  assert.ok(line >= marker7.left && line <= marker7.left + 25, `line at ${line}`);
  await page.close();
});

// Chromium's touches are CDP's, Firefox's WebDriver BiDi touch pointers. In
// WebKit they are pointer events dispatched in the page, a tap followed by
// its click: WebKitWebDriver turns touch actions into a mouse.
test('touch: a long press drags the marker, a tap is a click', async () => {
  const { page, problems } = await openPage(browser, { touch: true });
  const centre = async (id) => {
    const box = await (await page.$(`#${id}`)).boundingBox();
    return { x: box.x + box.width / 2, y: box.y + box.height / 2 };
  };
  const at = await centre('cmdSource-7');
  await page.touchscreen.touchStart(at.x, at.y);
  await sleep(700);
  assert.equal(await page.$eval('#dragOutline', (e) => e.hidden), false, 'the drag began');
  const to = await formPoint(page, 200, 100);
  await page.touchscreen.touchMove(to.x, to.y);
  await page.touchscreen.touchEnd();
  const dropped = control(await records(page), 'cmdSource-7');
  assert.ok(Math.abs(dropped.left + 187.5 - 200 * 15) <= 120 && Math.abs(dropped.top + 187.5 - 100 * 15) <= 120,
    `dropped at ${dropped.left}, ${dropped.top}`);
  assert.equal((await markerSeen(page, 7)).colour, FACE, 'the long press is no click');

  // A short touch on the next marker is a click: two switch it on.
  const next = await centre('cmdSource-6');
  await page.touchscreen.tap(next.x, next.y);
  await sleep(50);
  await page.touchscreen.tap(next.x, next.y);
  assert.notEqual((await markerSeen(page, 6)).colour, FACE);
  assert.equal(control(await records(page), 'cmdSource-6').left, 360, 'a tap moves nothing');
  assert.deepEqual(problems, []);
  await page.close();
});

test('touch: a finger that trembles 3 px while held still starts the drag; one that slides 40 px does not',
  async () => {
    const { page, problems } = await openPage(browser, { touch: true });
    const box = await (await page.$('#cmdSource-7')).boundingBox();
    const at = { x: box.x + box.width / 2, y: box.y + box.height / 2 };
    const outlineShown = async () => !(await page.$eval('#dragOutline', (e) => e.hidden));

    await page.touchscreen.touchStart(at.x, at.y);
    for (const [dx, dy] of [[3, 0], [0, 3], [-3, 0], [2, -2]]) {
      await sleep(100);
      await page.touchscreen.touchMove(at.x + dx, at.y + dy);
    }
    await sleep(400);
    assert.equal(await outlineShown(), true, 'a trembling finger starts the drag');
    const to = await formPoint(page, 200, 100);
    await page.touchscreen.touchMove(to.x, to.y);
    await page.touchscreen.touchEnd();
    const dropped = control(await records(page), 'cmdSource-7');
    assert.ok(Math.abs(dropped.left + 187.5 - 200 * 15) <= 120, `dropped at ${dropped.left}, ${dropped.top}`);

    // The next marker of the stack: a finger that slides away is no long press.
    await page.touchscreen.touchStart(at.x, at.y);
    for (let step = 1; step <= 4; ++step) {
      await sleep(30);
      await page.touchscreen.touchMove(at.x + 10 * step, at.y);
    }
    await sleep(700);
    assert.equal(await outlineShown(), false, 'a slide starts no drag');
    await page.touchscreen.touchEnd();
    const six = control(await records(page), 'cmdSource-6');
    assert.deepEqual([six.left, six.top, await page.evaluate(() => window.tarvelDemo.model.dragSource())],
      [360, 3900, -1]);
    assert.deepEqual(problems, []);
    await page.close();
  });

test('a marker that fades out in the middle of a right-button drag ends the drag: no outline, no drag source',
  async () => {
    const { page, problems } = await openPage(browser);
    await page.click('#cmdSource-7');
    await page.click('#cmdSource-7');
    await page.focus('#hscFade');
    await page.keyboard.press('ArrowRight');
    const box = await (await page.$('#cmdSource-7')).boundingBox();
    await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
    await page.mouse.down({ button: 'right' });
    await page.mouse.move(box.x + 60, box.y - 40, { steps: 2 });
    assert.equal(await page.$eval('#dragOutline', (e) => e.hidden), false, 'dragging');
    // The fading display takes the marker's place at the next tick.
    await tick(page);
    assert.equal(await page.$eval('#cmdSource-7', (e) => e.hidden), true, 'the marker faded out');
    assert.equal(await page.$eval('#dragOutline', (e) => e.hidden), true, 'the outline went with it');
    assert.equal(await page.evaluate(() => window.tarvelDemo.model.dragSource()), -1, 'no drag source');
    await page.mouse.up({ button: 'right' });
    const after = control(await records(page), 'cmdSource-7');
    assert.deepEqual([after.left, after.top], [360, 3900], 'the release dropped nothing');
    assert.deepEqual(problems, []);
    await page.close();
  });
