// Targets for fingers on a phone: a marker, a button, or a scroll bar's arrow
// or thumb shown smaller than 24 x 24 CSS pixels takes touches in the free
// space around it up to that size, and never over another control.
import assert from 'node:assert/strict';
import { setTimeout as sleep } from 'node:timers/promises';
import { after, before, test } from 'node:test';
import { closeBrowser, engine, launchBrowser, openPage } from './support/page.mjs';

const TARGET = 24;
// Only Chromium emulates a phone; the same fit runs in every engine.
const phoneTest = engine === 'chromium' ? test : test.skip;

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

// Every target's box and the box that takes its touches, every control's box,
// in page pixels; and a touch at each side of each target, just inside its
// reach and outside its drawing: which element takes it.
function measure(page) {
  return page.evaluate(() => {
    const box = (e) => {
      const r = e.getBoundingClientRect();
      return { left: r.left, top: r.top, right: r.right, bottom: r.bottom };
    };
    const stage = document.getElementById('stage').getBoundingClientRect();
    const scale = stage.width / document.getElementById('Form1').offsetWidth;
    // A button's margin is the element before it; a scroll bar's part has its ::after.
    const reach = (e) => {
      const b = box(e);
      const margin = e.previousElementSibling;
      if (e.tagName === 'BUTTON') return margin?.classList.contains('reach') ? box(margin) : b;
      const s = getComputedStyle(e, '::after');
      return { left: b.left + parseFloat(s.left) * scale, top: b.top + parseFloat(s.top) * scale,
        right: b.right - parseFloat(s.right) * scale, bottom: b.bottom - parseFloat(s.bottom) * scale };
    };
    const shown = (e) => e.offsetParent !== null;
    const controls = [...document.querySelectorAll(
      '#Form1 > button, #Form1 > .scrollbar, #Form1 > select, #Form1 > canvas')].filter(shown);
    const targets = [...document.querySelectorAll(
      '#Form1 > button, .scrollbar .arrow, .scrollbar .thumb')].filter(shown).map((e) => {
      const control = e.closest('#Form1 > *');
      const drawn = box(e);
      const taken = reach(e);
      const touches = [];
      const owner = (hit) => (hit?.classList.contains('reach') ? hit.nextElementSibling : hit);
      const probe = (x, y) => touches.push({ at: [x, y],
        hit: owner(document.elementFromPoint(x, y)?.closest('#Form1 > *'))?.id || null });
      const midX = (drawn.left + drawn.right) / 2;
      const midY = (drawn.top + drawn.bottom) / 2;
      // A pixel inside the reach: hit testing rounds to whole pixels.
      if (taken.left < drawn.left - 2) probe(taken.left + 1, midY);
      if (taken.right > drawn.right + 2) probe(taken.right - 1, midY);
      if (taken.top < drawn.top - 2) probe(midX, taken.top + 1);
      if (taken.bottom > drawn.bottom + 2) probe(midX, taken.bottom - 1);
      return { id: `${control.id}${e === control ? '' : ` ${e.className}`}`, control: control.id,
        drawn, taken, touches };
    });
    return { scale, form: box(document.getElementById('stage')),
      controls: controls.map((e) => ({ id: e.id, box: box(e) })), targets };
  });
}

const overlap = (a, b) => Math.min(a.right, b.right) - Math.max(a.left, b.left) > 0.5 &&
  Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > 0.5;
const meets = (a, b) => Math.min(a.right, b.right) - Math.max(a.left, b.left) > -0.5 &&
  Math.min(a.bottom, b.bottom) - Math.max(a.top, b.top) > -0.5;

// A target short of 24 px along an axis must be stopped there by another
// control, another control's target (two share the gap between them) or the
// form's edge, on a side where it stops short.
function assertTargets(view, what) {
  let grown = 0;
  for (const t of view.targets) {
    const others = view.controls.filter((c) => c.id !== t.control && !overlap(c.box, t.drawn));
    for (const other of others) {
      assert.ok(!overlap(t.taken, other.box), `${what}: ${t.id} reaches over ${other.id} ${JSON.stringify(t)}`);
    }
    // Two targets share the free room between them: a finger there has one owner.
    for (const other of view.targets.filter((o) => o.control !== t.control && !overlap(o.drawn, t.drawn))) {
      assert.ok(!overlap(t.taken, other.taken), `${what}: ${t.id} and ${other.id} both reach over the same room`);
    }
    for (const [near, far] of [['left', 'right'], ['top', 'bottom']]) {
      if (t.taken[far] - t.taken[near] >= TARGET - 0.5) continue;
      // A thumb reaches across its bar only: along it lie the bar's own track and arrows.
      const along = (near === 'left') === t.id.startsWith('hscFade');
      if (t.id.endsWith('thumb') && along) continue;
      const blocked = (side) => {
        const edge = { ...t.taken, [side === near ? far : near]: t.taken[side] };
        const atFormEdge = Math.abs(t.taken[side] - view.form[side]) < 1;
        const reaches = view.targets.filter((o) => o.control !== t.control).map((o) => ({ box: o.taken }));
        return atFormEdge || [...others, ...reaches].some((o) => meets(edge, o.box));
      };
      assert.ok(blocked(near) || blocked(far),
        `${what}: ${t.id} takes ${t.taken[far] - t.taken[near]} px along ${near}-${far} with room to spare`);
    }
    for (const touch of t.touches) {
      assert.equal(touch.hit, t.control, `${what}: a touch at ${touch.at} beside ${t.id}`);
      grown += 1;
    }
  }
  return grown;
}

phoneTest('on a phone upright and sideways every small control takes a finger over 24 px of free room', async () => {
  for (const viewport of [{ width: 390, height: 844 }, { width: 844, height: 390 }]) {
    const { page, problems } = await openPage(browser, { viewport, ratio: 3, mobile: true });
    // The markers spread over the diagram, three of them on.
    await page.evaluate(() => {
      const { model } = window.tarvelDemo;
      model.clickRandom();
      for (const i of [7, 6, 5]) { model.clickMarker(i); model.clickMarker(i); }
      window.tarvelDemo.sync();
    });
    await sleep(300);
    const view = await measure(page);
    const what = `${viewport.width} x ${viewport.height} at ${view.scale.toFixed(2)}`;
    const grown = assertTargets(view, what);
    assert.ok(grown > 20, `${what}: the targets reach past their drawing (${grown} sides)`);
    // The markers, 10 to 14 px here, reach 24 px where nothing is near.
    const alone = view.targets.filter((t) => t.id.startsWith('cmdSource') &&
      view.controls.every((c) => c.id === t.control || !meets(c.box, {
        left: t.drawn.left - TARGET, right: t.drawn.right + TARGET, top: t.drawn.top - TARGET,
        bottom: t.drawn.bottom + TARGET })));
    assert.ok(alone.length > 0, `${what}: some marker stands alone`);
    for (const t of alone) {
      assert.ok(t.taken.right - t.taken.left >= TARGET - 0.5 && t.taken.bottom - t.taken.top >= TARGET - 0.5,
        `${what}: ${t.id} ${JSON.stringify(t.taken)}`);
    }
    assert.deepEqual(problems, []);
    await page.close();
  }
});

test('at the window\'s size a control of 24 px or more reaches no further than it is drawn', async () => {
  const { page, problems } = await openPage(browser);
  const view = await measure(page);
  for (const t of view.targets.filter((x) => x.drawn.right - x.drawn.left >= TARGET &&
    x.drawn.bottom - x.drawn.top >= TARGET)) {
    assert.deepEqual(t.taken, t.drawn, t.id);
  }
  assertTargets(view, 'the window\'s size');
  assert.deepEqual(problems, []);
  await page.close();
});

phoneTest('a finger beside a small marker, inside its target, taps it on and drags it as on the marker', async () => {
  const { page, problems } = await openPage(browser, { viewport: { width: 844, height: 390 }, ratio: 3, mobile: true });
  const on = () => page.evaluate(() => window.tarvelDemo.records().controls
    .find((c) => c.id === 'cmdSource-7').on);
  // Marker 7 alone at the diagram's middle, by the model, so nothing else is near.
  await page.evaluate(() => {
    const { model } = window.tarvelDemo;
    model.pressOnMarker(7, window.tarvelDemo.records().mouseButtons.right);
    model.releaseDrag(3000, 2000);
    window.tarvelDemo.sync();
  });
  const view = await measure(page);
  const marker = view.targets.find((t) => t.id === 'cmdSource-7');
  assert.ok(marker.taken.left < marker.drawn.left - 3, JSON.stringify(marker));
  const beside = { x: (marker.taken.left + marker.drawn.left) / 2, y: (marker.drawn.top + marker.drawn.bottom) / 2 };
  await page.touchscreen.tap(beside.x, beside.y);
  await page.touchscreen.tap(beside.x, beside.y);
  assert.equal(await on(), true, 'two taps beside it switch it on');

  await page.touchscreen.touchStart(beside.x, beside.y);
  await sleep(700);
  await page.touchscreen.touchMove(beside.x + 60, beside.y + 20);
  await page.touchscreen.touchEnd();
  const moved = await page.evaluate(() => window.tarvelDemo.records().controls.find((c) => c.id === 'cmdSource-7'));
  assert.ok(moved.left > 3000, `dragged by a long press beside it: ${moved.left}`);
  assert.deepEqual(problems, []);
  await page.close();
});

phoneTest('a finger beside a scroll bar\'s arrow, inside its target, steps the bar as on the arrow', async () => {
  const { page, problems } = await openPage(browser, { viewport: { width: 844, height: 390 }, ratio: 3, mobile: true });
  const view = await measure(page);
  const arrow = view.targets.find((t) => t.id === 'hscFade arrow more');
  assert.ok(arrow.taken.top < arrow.drawn.top - 3, JSON.stringify(arrow));
  const x = (arrow.drawn.left + arrow.drawn.right) / 2;
  await page.touchscreen.tap(x, (arrow.taken.top + arrow.drawn.top) / 2);
  await sleep(100);
  const value = await page.evaluate(() => window.tarvelDemo.records().controls.find((c) => c.id === 'hscFade').value);
  assert.equal(value, 1, 'one small step');
  assert.deepEqual(problems, []);
  await page.close();
});
