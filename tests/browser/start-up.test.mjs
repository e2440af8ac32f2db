// What the page shows before anyone touches it, and how the keyboard and a
// screen reader find their way around it: the desktop window's layout,
// captions, value fields, parked markers, focus order and accessible names.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { setTimeout as sleep } from 'node:timers/promises';
import {
  accessibleText, closeBrowser, control, injectAxe, launchBrowser, openPage, records,
} from './support/page.mjs';
import { PARKED_MARKER } from './support/spoken.mjs';

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

test('the page opens as the desktop window: title, size, every control at Left/15, Top/15', async () => {
  const { page, problems } = await openPage(browser);
  assert.equal(await page.title(), 'Tarvel Demo');
  const all = await records(page);
  const laidOut = await page.evaluate((ids) => {
    const form = document.getElementById('Form1');
    return {
      form: [form.offsetWidth, form.offsetHeight],
      at: ids.map((id) => {
        const e = document.getElementById(id);
        return { id, left: e.offsetLeft, top: e.offsetTop, width: e.offsetWidth, height: e.offsetHeight,
          parent: e.offsetParent && e.offsetParent.id, shown: e.checkVisibility() };
      }),
    };
  }, all.controls.filter((c) => c.kind !== 'frame').map((c) => c.id));
  assert.deepEqual(laidOut.form, [953, 701]);
  for (const at of laidOut.at) {
    const r = control(all, at.id);
    assert.deepEqual(at, { id: r.id, left: r.left / 15, top: r.top / 15, width: r.width / 15,
      height: r.height / 15, parent: 'Form1', shown: true });
  }
  assert.deepEqual(problems, []);
  await page.close();
});

test('captions, value fields, parked markers and the first focus are those of start-up', async () => {
  const { page, problems } = await openPage(browser);
  const text = (id) => page.$eval(`#${id}`, (e) => e.textContent.trim());
  const captions = { cmdRand: 'Random', 'cmdGo-0': 'Start', 'cmdGo-1': 'Reset', chkLinear: 'Log Plot',
    chkMemory: 'Memory', Label1: 'Delay', Label2: 'Power', 'lblAt-0': 'Frequency Response',
    'lblAt-1': 'Delay Spread', 'lblAt-20': 'Mean Delay' };
  for (const [id, caption] of Object.entries(captions)) assert.equal(await text(id), caption, id);
  // The value fields show their start values, never their design-time text.
  const values = { 'lblAt-3': '0', 'lblAt-19': '0', 'lblAt-7': 'Inf', 'lblAt-21': 'Inf', 'lblAt-24': 'Inf' };
  for (const [id, value] of Object.entries(values)) assert.equal(await text(id), value, id);

  assert.equal(await page.$eval('#cmbSymbol', (e) => e.value), '1.0');
  // A bar's value is its range input's, which assistive tools read.
  assert.equal(await page.$eval('#hscFade input', (e) => e.value), '0');
  assert.equal(await page.$eval('#vscSpectrumRange input', (e) => e.value), '20');
  for (const id of ['chkLinear', 'chkMemory']) {
    assert.equal(await page.$eval(`#${id}`, (e) => e.getAttribute('aria-pressed')), 'false', id);
  }

  // All eight markers lie stacked at the park, the last one on top.
  const park = await page.evaluate(() => {
    const markers = [...document.querySelectorAll('[id^="cmdSource-"]')];
    const first = markers[0].getBoundingClientRect();
    const top = document.elementFromPoint(first.left + first.width / 2, first.top + first.height / 2);
    return { places: markers.map((m) => [m.offsetLeft, m.offsetTop]), top: top.id };
  });
  assert.deepEqual(park.places, Array(8).fill([24, 260]));
  assert.equal(park.top, 'cmdSource-7');
  const lines = await page.$$eval('[id^="lneImpulse-"]', (ls) => ls.map((l) => l.getAttribute('visibility')));
  assert.deepEqual(lines, Array(8).fill('hidden'));

  assert.deepEqual(problems, []);
  assert.equal(await page.evaluate(() => document.activeElement.id), 'cmdGo-0');
  await page.close();
});

test('where two controls overlap, the one the window stacks higher lies on top', async () => {
  const { page } = await openPage(browser);
  const all = await records(page);
  // Boxes in whole pixels, as the page places them.
  const box = (c) => ({ left: Math.round(c.left / 15), top: Math.round(c.top / 15),
    right: Math.round((c.left + c.width) / 15), bottom: Math.round((c.top + c.height) / 15) });
  const controls = all.controls.filter((c) => !['frame', 'label', 'image', 'marker'].includes(c.kind) && c.visible);
  const overlaps = [];
  for (const lower of controls) {
    for (const upper of controls.filter((c) => c.rank > lower.rank)) {
      const [a, b] = [box(lower), box(upper)];
      const [left, right] = [Math.max(a.left, b.left), Math.min(a.right, b.right)];
      const [top, bottom] = [Math.max(a.top, b.top), Math.min(a.bottom, b.bottom)];
      if (left < right && top < bottom) {
        overlaps.push({ lower: lower.id, upper: upper.id, x: (left + right) / 2, y: (top + bottom) / 2 });
      }
    }
  }
  assert.ok(overlaps.length >= 3, `${overlaps.length} overlaps`);
  const hits = await page.evaluate((points) => {
    document.head.insertAdjacentHTML('beforeend', '<style>#Form1 > .reach { display: none; }</style>');
    const form = document.getElementById('Form1');
    const at = form.getBoundingClientRect();
    const scale = at.width / form.offsetWidth;
    return points.map(({ x, y }) => {
      let e = document.elementFromPoint(at.left + x * scale, at.top + y * scale);
      while (e && e.parentElement !== form) e = e.parentElement;
      return e && e.id;
    });
  }, overlaps);
  assert.deepEqual(hits, overlaps.map((o) => o.upper), JSON.stringify(overlaps));
  await page.close();
});

test('every label\'s caption fits its box, the bandwidth titles on their two lines', async () => {
  const { page, problems } = await openPage(browser);
  // A pixel of room for the advance of the last glyph: "0.5" and "1.0" under
  // the plot are 26 pixels of advance in 25, their ink well inside.
  const cut = await page.$$eval('#Form1 > .label', (labels) => labels
    .filter((e) => e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)
    .map((e) => `${e.id} "${e.textContent}": ${e.scrollWidth} x ${e.scrollHeight} in ${e.clientWidth} x ${e.clientHeight}`));
  assert.deepEqual(cut, []);
  const lines = await page.$eval('#lblAt-5', (e) => {
    const range = document.createRange();
    range.selectNodeContents(e);
    return new Set([...range.getClientRects()].map((r) => Math.round(r.top))).size;
  });
  assert.equal(lines, 2, '"Coherence Bandwidth (1/Delay Spread)" on two lines');
  assert.deepEqual(problems, []);
  await page.close();
});

test('Tab visits the 20 stops in the desktop window\'s order, Shift+Tab goes back', async () => {
  const { page } = await openPage(browser);
  const order = ['cmdGo-0', 'cmdSource-0', 'cmdSource-1', 'cmdSource-2', 'picIndividual',
    'picSumGraph', 'cmdSource-3', 'cmdSource-4', 'cmdSource-5', 'cmdSource-6', 'cmdSource-7',
    'hscFade', 'cmdGo-1', 'cmbSymbol', 'picSpectrum', 'picCombo', 'vscSpectrumRange', 'chkMemory',
    'chkLinear', 'cmdRand'];
  // A scroll bar's stop is its range input.
  const focused = () => page.evaluate(() => (document.activeElement.closest('.scrollbar') || document.activeElement).id);
  const visited = [await focused()];
  for (let k = 1; k < order.length; ++k) {
    await page.keyboard.press('Tab');
    visited.push(await focused());
  }
  assert.deepEqual(visited, order);
  await page.keyboard.down('Shift');
  await page.keyboard.press('Tab');
  await page.keyboard.up('Shift');
  assert.equal(await focused(), 'chkLinear');
  await page.close();
});

test('a screen reader hears the desktop\'s names and each marker\'s state', async () => {
  const { page } = await openPage(browser);
  const spoken = (selector) => accessibleText(page, selector);
  for (let i = 0; i < 8; ++i) {
    assert.deepEqual(await spoken(`#cmdSource-${i}`),
      { name: `Path ${i + 1}`, description: PARKED_MARKER });
  }
  assert.equal((await spoken('#hscFade')).name, 'Fading speed');
  assert.equal((await spoken('#vscSpectrumRange')).name, 'Plot range');
  assert.equal((await spoken('#cmbSymbol')).name, 'Symbol Time');
  assert.equal((await spoken('#picSpectrum')).name, 'Frequency response');
  assert.match((await spoken('#picIndividual')).description,
    /^Eye open 100 % of a single path's opening at the sampling instant\. A click, Enter or Space clears it\.$/);

  // Switched on and moved, a marker says so.
  await page.focus('#cmdSource-7');
  await page.keyboard.press('Space');
  await page.keyboard.press('Space');
  await page.keyboard.press('u');
  const { description } = await spoken('#cmdSource-7');
  assert.match(description, /^on, delay \d+\.\d\d µs, relative power \d+\.\d\d\. .*a second click switches it off/);
  assert.ok(!description.startsWith('on, delay 0.00 µs, relative power 0.00.'), 'the marker moved');
  await page.close();
});

// axe-core's rules for WCAG 2.1 A and AA and its best practices, over the
// page at rest, with every path on, and while the animation runs.
test('an outside accessibility audit finds nothing, at rest, with paths on and animating', async () => {
  const { page, problems } = await openPage(browser);
  const audit = async (when) => {
    await injectAxe(page);
    const violations = await page.evaluate(async () => {
      const result = await window.axe.run(document, { runOnly: { type: 'tag',
        values: ['wcag2a', 'wcag2aa', 'wcag21a', 'wcag21aa', 'best-practice'] } });
      return result.violations.map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target).join(', ')}`);
    });
    assert.deepEqual(violations, [], when);
  };
  await audit('after start-up');
  await page.click('#cmdRand');
  for (let i = 0; i < 8; ++i) {
    await page.click(`#cmdSource-${i}`);
    await page.click(`#cmdSource-${i}`);
  }
  await audit('after Random with every path on');
  await page.click('#cmdGo-0');
  await sleep(300);
  await audit('while animating');
  assert.deepEqual(problems, []);
  await page.close();
});
