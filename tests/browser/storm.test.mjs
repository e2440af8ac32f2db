// A storm of random user input over the page: clicks, keys, right-button
// drags let go anywhere, touches, the bars, the list, the toggles, the eye
// boxes, Start and Reset. Nothing may throw, log an error or stop the module,
// and every marker must stay within the diagram or its park. The seed comes
// from TARVEL_STORM_SEED (printed, to replay a failure).
//
// Most of the storm is DOM events dispatched inside the page (support/
// dom-storm.js); a shorter run of real input through the browser follows.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { after, before, test } from 'node:test';
import { closeBrowser, launchBrowser, openPage, records, VIEWPORT } from './support/page.mjs';

const DOM_EVENTS = 5000;
const ACTIONS = 400;
const domStorm = fs.readFileSync(new URL('./support/dom-storm.js', import.meta.url), 'utf8');
const seed = Number(process.env.TARVEL_STORM_SEED || Date.now() % 1e9);

// A small seeded generator (mulberry32): the same seed gives the same storm.
function generator(state) {
  return () => {
    state = (state + 0x6d2b79f5) | 0;
    let t = Math.imul(state ^ (state >>> 15), 1 | state);
    t = (t + Math.imul(t ^ (t >>> 7), 61 | t)) ^ t;
    return ((t ^ (t >>> 14)) >>> 0) / 4294967296;
  };
}

let browser;
before(async () => { browser = await launchBrowser(); });
after(() => closeBrowser(browser));

function markersOutOfBounds(all) {
  return all.controls.filter((c) => c.kind === 'marker' &&
      !(c.left >= 360 && c.left <= 5220 && c.top >= 360 && c.top <= 3900))
    .map((c) => `${c.id} at ${c.left}, ${c.top}`);
}

test(`${DOM_EVENTS} random DOM events and ${ACTIONS} real inputs leave the page working (seed ${seed})`, async () => {
  console.log(`storm seed ${seed}`);
  const random = generator(seed);
  const pick = (items) => items[Math.floor(random() * items.length)];
  const anywhere = () => ({ x: random() * (VIEWPORT.width - 1), y: random() * (VIEWPORT.height - 1) });
  const { page, problems } = await openPage(browser);
  for (let batch = 0; batch < 10; ++batch) {
    await page.evaluate(`(${domStorm})(${seed + batch}, ${DOM_EVENTS / 10})`);
    assert.deepEqual(markersOutOfBounds(await records(page)), [], `after batch ${batch} of DOM events`);
    assert.deepEqual(problems, [], `after batch ${batch} of DOM events`);
  }

  // The storm may open the help below the form and scroll the page: a user
  // scrolls a control back into view before reaching for it.
  const centreOf = (id) => page.$eval(`#${id}`, (e) => {
    e.scrollIntoView({ block: 'nearest', inline: 'nearest' });
    const r = e.getBoundingClientRect();
    return { x: r.left + r.width / 2, y: r.top + r.height / 2, w: r.width, h: r.height };
  });
  const marker = () => `cmdSource-${Math.floor(random() * 8)}`;

  // Each entry: a weight and one user action.
  const actions = [
    [6, async () => { const c = await centreOf(marker()); await page.mouse.click(c.x, c.y); }],
    [6, async () => {
      await page.focus(`#${marker()}`);
      await page.keyboard.press(pick(['u', 'U', 'd', 'D', 'l', 'L', 'r', 'R', 'Space', 'Enter', 'x', '5']));
    }],
    [4, async () => {
      const c = await centreOf(marker());
      const to = anywhere();
      await page.mouse.move(c.x, c.y);
      await page.mouse.down({ button: 'right' });
      await page.mouse.move(to.x, to.y, { steps: 2 });
      await page.mouse.up({ button: 'right' });
    }],
    [2, () => page.click('#cmdRand')],
    [3, async () => {
      await page.focus(pick(['#hscFade', '#vscSpectrumRange']));
      await page.keyboard.press(pick(['ArrowUp', 'ArrowDown', 'ArrowLeft', 'ArrowRight',
        'PageUp', 'PageDown', 'Home', 'End']));
    }],
    [2, async () => {
      const c = await centreOf(pick(['hscFade', 'vscSpectrumRange']));
      await page.mouse.click(c.x + (random() - 0.5) * c.w, c.y + (random() - 0.5) * c.h);
    }],
    [2, () => page.select('#cmbSymbol', pick(['0.5', '1.0', '2.0']))],
    [1, async () => { await page.focus('#cmbSymbol'); await page.keyboard.press(pick(['ArrowUp', 'ArrowDown'])); }],
    [2, () => page.click(pick(['#chkLinear', '#chkMemory']))],
    [2, () => page.click(pick(['#picIndividual', '#picCombo', '#picSumGraph', '#picSpectrum']))],
    [1, () => page.click('#cmdGo-0')],
    [1, () => page.click('#cmdGo-1')],
    [2, async () => { const p = anywhere(); await page.mouse.click(p.x, p.y, { button: pick(['left', 'right']) }); }],
    [1, () => page.keyboard.press(pick(['Tab', 'Space', 'Enter', 'Escape']))],
  ];
  const total = actions.reduce((sum, [weight]) => sum + weight, 0);
  const anyAction = () => {
    let r = random() * total;
    for (const [weight, action] of actions) if ((r -= weight) < 0) return action;
    return actions[0][1];
  };

  let messages = 0;
  for (let n = 1; n <= ACTIONS; ++n) {
    await anyAction()();
    if (n % 50 === 0) {
      // A message box would hold every other input: a user presses OK.
      if (await page.$eval('#messageBox', (d) => d.open)) {
        ++messages;
        await page.click('#messageOk');
      }
      assert.deepEqual(markersOutOfBounds(await records(page)), [], `after ${n} actions`);
      assert.deepEqual(problems, [], `after ${n} actions`);
      // The page mirrors only what the model says changed: its records must
      // still be the model's whole records.
      const [mirrored, whole] = await page.evaluate(() =>
        [window.tarvelDemo.records(), JSON.parse(window.tarvelDemo.model.records())]);
      assert.deepEqual(mirrored, whole, `the page's records after ${n} actions`);
    }
  }
  await page.click('#cmdGo-1');

  assert.deepEqual(problems, []);
  assert.equal(await page.$eval('#failure', (e) => e.hidden), true, 'the page never stopped');
  const all = await records(page);
  assert.deepEqual(markersOutOfBounds(all), []);
  assert.equal(all.timer.enabled, false);
  // Still answering: two presses of Space switch a marker on.
  await page.focus('#cmdSource-0');
  await page.keyboard.press('Space');
  await page.keyboard.press('Space');
  assert.notEqual((await records(page)).controls.find((c) => c.id === 'cmdSource-0').backColour,
    all.backColour);
  if (messages) console.log(`${messages} message boxes answered`);
  await page.close();
});
