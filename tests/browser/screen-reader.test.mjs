// What a screen reader gets from the page, read as one does: the browser
// shows its window on a display with the accessibility bus on, and an AT-SPI
// client (pyatspi, as Orca) walks its tree, sets values and hears its live
// regions. The reading order, the names, roles, states and values of the
// controls, the pictures' descriptions before and after a change of the
// channel, the statistics with their units, and one announcement for each
// change the user makes, none for the fading's ticks.
import assert from 'node:assert/strict';
import { after, before, test } from 'node:test';
import { setTimeout as sleep } from 'node:timers/promises';
import { startClient, startDesktop, stopDesktop } from './support/atspi.mjs';
import { closeBrowser, control, engine, launchBrowser, openPage, records } from './support/page.mjs';
import { PARKED_MARKER } from './support/spoken.mjs';

// WebKitGTK's web process lays its tree out on the bus but sends a client
// here none of its events: what a live region says is heard in the others.
const unheard = engine === 'webkit' ? 'WebKitGTK sends the AT-SPI client no events of the page' : false;

// Longer than the page waits for the user's edits to settle (announcements.js).
const SETTLED_MS = 1500;
const UPDATE_WAIT_MS = 10000;
// Longer than a tick, shorter than the settling.
const KEY_REPEAT_MS = 150;
const PARKED = PARKED_MARKER;

let desktop;
let browser;
let reader;
before(async () => {
  desktop = await startDesktop();
  browser = await launchBrowser({ screenReader: desktop.env });
  reader = await startClient(desktop, engine === 'webkit' ? 'MiniBrowser' : browser.process().pid);
});
after(async () => {
  reader?.stop();
  await closeBrowser(browser);
  stopDesktop(desktop);
});

// A test on a page in the tab in front (the browsers lay out the tree of
// that one), closed however the test ends: a failed test's page left open
// would be the page the next test's reader finds first.
function onShownPage(body) {
  return async () => {
    const { page } = await openPage(browser);
    try {
      if (page.bringToFront) await page.bringToFront();  // WebKit's has one page a window
      await body(page);
    } finally {
      await page.close();
    }
  };
}

function* walk(node) {
  yield node;
  for (const child of node.children) yield* walk(child);
}

// A node's text with each embedded object's mark replaced by that child's
// text, as a reader speaks it (Chromium keeps a child's text in the parent
// only as a mark); spaces as spoken.
function rawText(node) {
  const embedded = node.children.filter((c) => c.role !== 'static');
  let k = 0;
  return (node.text || '').replace(/\uFFFC/g, () => (embedded[k] ? rawText(embedded[k++]) : ''));
}

function spokenText(node) {
  return rawText(node).replace(/\s+/g, ' ').trim();
}

const CONTROLS = new Set(['push button', 'toggle button', 'canvas', 'image', 'combo box', 'slider']);
const GROUPS = new Set(['panel', 'landmark', 'embedded']);

// The form as reading keys walk it: one line a control (role, name, state,
// value, description), a named group, or a text.
function transcript(form) {
  const lines = [];
  const read = (node, depth) => {
    const indent = '  '.repeat(depth);
    if (CONTROLS.has(node.role)) {
      const words = [node.role, `"${node.name}"`];
      if (node.states.includes('pressed')) words.push('pressed');
      if (node.value) words.push(`value ${node.value.now} (${node.value.min} to ${node.value.max}, step ${node.value.step})`);
      if (node.role === 'combo box') words.push(`"${selected(node)}"`);
      if (node.description) words.push(`— ${node.description}`);
      lines.push(indent + words.join(' '));
      return;
    }
    if (GROUPS.has(node.role) && node.name) {
      lines.push(`${indent}${node.role} "${node.name}"`);
      for (const child of node.children) read(child, depth + 1);
      return;
    }
    if (node.role === 'section' || node.role === 'static') {
      const text = spokenText(node);
      if (text && !node.children.some((c) => CONTROLS.has(c.role) || GROUPS.has(c.role))) {
        lines.push(indent + text);
        return;
      }
    }
    for (const child of node.children) read(child, depth);
  };
  read(form, 0);
  return lines;
}

// The item a closed list shows, where the engine gives the list no text.
function selected(combo) {
  const item = [...walk(combo)].find((n) => n.role === 'menu item' &&
    (n.states.includes('selected') || n.states.includes('checked')));
  return item ? item.name : '';
}

async function form() {
  const { tree } = await reader.ask({ do: 'tree' });
  const found = [...walk(tree)].find((n) => n.role === 'landmark' && n.name === 'Tarvel Demo');
  assert.ok(found, 'the form is a landmark named "Tarvel Demo"');
  return found;
}

// The form once `ready(form)` holds; the tree follows the page a moment later.
async function formWhen(ready, what) {
  const until = Date.now() + UPDATE_WAIT_MS;
  let last = null;
  for (;;) {
    try {
      last = await form();
      if (ready(last)) return last;
    } catch (error) {
      if (Date.now() > until) throw error;
    }
    if (Date.now() > until) assert.fail(`${what}; the form reads:\n${last && transcript(last).join('\n')}`);
    await sleep(200);
  }
}

const find = (root, role, name) => [...walk(root)].find((n) => n.role === role && n.name === name);

function mustFind(root, role, name) {
  const found = find(root, role, name);
  assert.ok(found, `a ${role} "${name}" in:\n${transcript(root).join('\n')}`);
  return found;
}

async function announcements() {
  const { announcements: heard } = await reader.ask({ do: 'announcements' });
  // Each announcement once: an engine may report its text in parts.
  return heard.filter((a) => /^Mean delay /.test(a.text));
}

// What the page's records say a screen reader should hear from the statistics.
async function statisticsSentence(page) {
  const all = await records(page);
  const mean = control(all, 'lblAt-19').description.trim();
  const spread = control(all, 'lblAt-3').description.trim();
  return `Mean delay ${mean}, delay spread ${spread}.`;
}

test('a screen reader walks the form area by area, controls named, with their roles, states and values',
  onShownPage(async (page) => {
    // Firefox has been seen to give a toggle its role a moment after the
    // rest of the form: the form as a whole, then, with its toggles.
    const read = await formWhen((f) => find(f, 'panel', 'Animation') &&
      find(f, 'toggle button', 'Log Plot') && find(f, 'toggle button', 'Memory'), 'the form shows on the bus');
    // The areas in the layout's order, Tab's order left to the keys.
    assert.deepEqual(read.children.filter((c) => c.name).map((c) => c.name),
      ['Impulse response', 'Delay statistics', 'Eye diagrams', 'Frequency Response', 'Animation']);

    const paths = [...Array(8)].map((_, i) => `Path ${i + 1}`);
    assert.deepEqual([...walk(read)].filter((n) => CONTROLS.has(n.role)).map((n) => n.name), [
      'Impulse response: power over delay', ...paths, 'Random',
      'Single-path eye diagram', 'Eye diagrams of each path', 'Eye diagram of the received sum', 'Symbol Time',
      'Frequency response', 'Log Plot', 'Memory', 'Plot range',
      'Fading speed', 'Start', 'Reset', 'Tarvel Demo logo']);

    // Only the markers take their keys straight, in an application of their own.
    const applications = [...walk(read)].filter((n) => n.role === 'embedded');
    assert.deepEqual(applications.map((n) => n.name), ['Path markers']);
    const markers = applications[0].children;
    assert.deepEqual(markers.map((m) => [m.role, m.name, m.description]),
      paths.map((name) => ['push button', name, PARKED]));
    assert.ok(markers.every((m) => m.states.includes('focusable')));

    for (const name of ['Random', 'Start', 'Reset']) mustFind(read, 'push button', name);
    for (const name of ['Log Plot', 'Memory']) {
      assert.ok(!mustFind(read, 'toggle button', name).states.includes('pressed'), `${name} is not pressed`);
    }
    const combo = mustFind(read, 'combo box', 'Symbol Time');
    assert.equal(combo.description, 'in µs');
    assert.deepEqual([...walk(combo)].filter((n) => n.role === 'menu item').map((n) => n.name), ['0.5', '1.0', '2.0']);

    // The bars tell their steps; a value set from outside moves them as the user would.
    const fade = mustFind(read, 'slider', 'Fading speed');
    const range = mustFind(read, 'slider', 'Plot range');
    assert.deepEqual(fade.value, { now: 0, min: 0, max: 5, step: 1 });
    assert.deepEqual(range.value, { now: 20, min: 0, max: 20, step: 1 });
    assert.equal(fade.description, '0 is no fading, 5 the fastest');
    await reader.ask({ do: 'set', name: 'Plot range', value: 12 });
    await formWhen((f) => find(f, 'slider', 'Plot range')?.value.now === 12, 'the plot range reads 12');
    assert.equal(control(await records(page), 'vscSpectrumRange').value, 12, 'the model took the value');
    const thumbMoved = await page.$eval('#vscSpectrumRange .thumb', (t) => t.offsetTop);
    await reader.ask({ do: 'set', name: 'Plot range', value: 20 });
    await formWhen((f) => find(f, 'slider', 'Plot range')?.value.now === 20, 'the plot range reads 20 again');
    assert.ok(await page.$eval('#vscSpectrumRange .thumb', (t) => t.offsetTop) > thumbMoved,
      'the thumb follows a value set from outside');

    // The statistics: each title, then its figure with its unit, once;
    // numbers and units the layout shows beside them are not read apart.
    const lines = transcript(read);
    const statistics = transcript(find(read, 'panel', 'Delay statistics')).slice(1).map((l) => l.trim());
    assert.deepEqual(statistics, ['Mean Delay', '0 µs', 'Delay Spread', '0 µs',
      'Coherence Bandwidth (1/Delay Spread)', 'Inf MHz', 'Coherence Bandwidth (0.2/Delay Spread)', 'Inf MHz',
      'Coherence Bandwidth (0.02/Delay Spread)', 'Inf MHz']);
    for (const shownOnly of ['s', 'µ', 'MHz', 'Power', 'Delay', '0', '1', '4', '-1.0', '0.5', 'Symbol Time']) {
      assert.ok(!lines.some((l) => l.trim() === shownOnly), `"${shownOnly}" is read on its own`);
    }
  }));

test('the pictures read the model\'s descriptions, before and after the channel changes', onShownPage(async (page) => {
  const pictures = { picIndividual: 'Single-path eye diagram', picCombo: 'Eye diagrams of each path',
    picSumGraph: 'Eye diagram of the received sum', picSpectrum: 'Frequency response' };
  const sameAsModel = async () => {
    const all = await records(page);
    const read = await formWhen((f) => Object.entries(pictures).every(([id, name]) =>
      find(f, 'canvas', name)?.description === control(all, id).description) &&
      find(f, 'image', 'Impulse response: power over delay')?.description === all.impulseDescription,
    'the pictures read as the model describes them');
    return read;
  };
  const before = await sameAsModel();
  const diagram = () => mustFind(before, 'image', 'Impulse response: power over delay').description;
  assert.equal(diagram(), 'No path is on.');

  await page.click('#cmdRand');
  for (let i = 0; i < 3; ++i) {
    await page.click(`#cmdSource-${i}`);
    await page.click(`#cmdSource-${i}`);
  }
  // The tick analyses the new channel, which the pictures then show.
  await page.evaluate(() => {
    window.tarvelDemo.model.tick();
    window.tarvelDemo.sync();
  });
  const read = await sameAsModel();
  const described = mustFind(read, 'image', 'Impulse response: power over delay').description;
  assert.match(described, /^3 paths on\b/);
  const markers = find(read, 'embedded', 'Path markers').children;
  assert.deepEqual(markers.map((m) => m.description.split(',')[0]), ['on', 'on', 'on', 'off', 'off', 'off', 'off', 'off']);
  const statistics = transcript(find(read, 'panel', 'Delay statistics')).slice(1).map((l) => l.trim());
  const all = await records(page);
  assert.deepEqual(statistics.slice(0, 4), ['Mean Delay', control(all, 'lblAt-19').description.trim(),
    'Delay Spread', control(all, 'lblAt-3').description.trim()]);
  assert.match(statistics[1], /^\d+\.\d\d µs$/);
  // What the reading keys walk now, for whoever reads the test's output.
  console.log(`${engine}, after Random with three paths on:\n${transcript(read).join('\n')}`);
}));

test('one polite announcement for each change of the channel, none for the fading\'s ticks', { skip: unheard },
  onShownPage(async (page) => {
    await formWhen((f) => find(f, 'panel', 'Animation'), 'the form shows on the bus');
    await announcements();
    // Edits while the animation stands: the statistics follow at its first tick.
    await page.click('#cmdRand');
    for (let i = 0; i < 2; ++i) {
      await page.click(`#cmdSource-${i}`);
      await page.click(`#cmdSource-${i}`);
    }
    await page.click('#cmdGo-0');
    await sleep(SETTLED_MS);
    let heard = await announcements();
    assert.equal(heard.length, 1, JSON.stringify(heard));
    assert.equal(heard[0].text, await statisticsSentence(page));
    assert.equal(heard[0].live, 'polite');
    await sleep(SETTLED_MS);
    assert.deepEqual(await announcements(), [], 'ticks on an unchanged channel say nothing');

    // Keys on a marker, each after the next tick has analysed the last
    // (as a held key's repeats come), are one announcement once they settle.
    const pressSixTimes = async (marker) => {
      await page.focus(marker);
      // Away from the nearer edge of the diagram (tops 360 to 3900 twips),
      // where the steps would stop.
      const upper = control(await records(page), marker.slice(1)).top < 2130;
      for (let k = 0; k < 6; ++k) {
        await page.keyboard.press(upper ? 'd' : 'u');
        await sleep(KEY_REPEAT_MS);
      }
      await sleep(SETTLED_MS);
    };
    await pressSixTimes('#cmdSource-0');
    heard = await announcements();
    assert.equal(heard.length, 1, JSON.stringify(heard));
    assert.equal(heard[0].text, await statisticsSentence(page));

    // Fading set as assistive tools set it: its ticks change the figures, unsaid.
    await reader.ask({ do: 'set', name: 'Fading speed', value: 5 });
    await formWhen((f) => find(f, 'slider', 'Fading speed')?.value.now === 5, 'the fading speed reads 5');
    assert.equal(control(await records(page), 'hscFade').value, 5, 'the model took the fading speed');
    const figures = await statisticsSentence(page);
    await sleep(SETTLED_MS);
    assert.notEqual(await statisticsSentence(page), figures, 'the fading moves the figures');
    assert.deepEqual(await announcements(), [], 'the fading\'s ticks are not announced');

    // While the figures fade, moving a path that is off leaves the channel
    // as it was: nothing to say. Switching it on is a change, said once.
    await pressSixTimes('#cmdSource-5');  // off, so shown while the others fade
    assert.deepEqual(await announcements(), [], 'a path that is off moved');
    await page.click('#cmdSource-5');
    await page.click('#cmdSource-5');
    await sleep(SETTLED_MS);
    heard = await announcements();
    assert.equal(heard.length, 1, JSON.stringify(heard));
    await reader.ask({ do: 'set', name: 'Fading speed', value: 0 });
    await page.click('#cmdGo-0');
  }));
