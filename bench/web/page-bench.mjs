// The page's speed in the three engines next to the native core's, measured
// in the same run:
//   node bench/web/page-bench.mjs                       all three engines
//   TARVEL_ENGINE=webkit node bench/web/page-bench.mjs  one of them
// Prints the CPU model, then for each engine the means of:
//   - one animation tick in the heaviest case (8 paths on, "Random",
//     fading at 5), next to the native core's tick (animation_bench) and the
//     native tick into the desktop's surfaces (gui_bench);
//   - a whole frame at ratio 1: the tick, then the page's sync (records,
//     mirroring, the canvas copies) against the tick, and within it what
//     changed as text, parsed, and the canvases' putImageData;
//   - opening the page to its controls shown with their captions, and to
//     its first drawn picture.
// Needs the web build (build/web/tarvel-demo.html), the release build's
// benchmarks, the engines (tools/install-dependencies.sh test) and `npm ci`
// in tests/browser. Not a test: figures vary with the machine and its load.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { machineLine } from './machine.mjs';

const ENGINES = ['chromium', 'firefox', 'webkit'];
const WARM_UP = 300;  // lets the engine compile the hot code fully first
const TICKS = 300;
const OPENINGS = 7;

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// Per-tick and per-frame times in the page, in ms.
function pageTimes(page) {
  return page.evaluate((warmUp, count) => {
    const { model, sync } = window.tarvelDemo;
    for (let i = 0; i < 8; ++i) {
      model.clickMarker(i);  // selects it
      model.clickMarker(i);  // switches it on
    }
    model.clickRandom();
    model.setFade(5);
    sync();
    // Means over many runs: some engines' clocks step by a whole millisecond.
    const measure = (work) => {
      for (let k = 0; k < warmUp; ++k) work();
      const start = performance.now();
      for (let k = 0; k < count; ++k) work();
      return (performance.now() - start) / count;
    };
    const tick = measure(() => model.tick());
    // What changed after a tick, as the page takes it (text, parsed); these
    // changes are then not mirrored, which the timing does not mind.
    const changes = typeof model.changes === 'function' ? measure(() => {
      model.tick();
      JSON.parse(model.changes());
    }) - tick : NaN;  // a page from before the changes were handed over
    // The canvas copies of each frame, timed inside it.
    let putting = 0;
    const put = CanvasRenderingContext2D.prototype.putImageData;
    CanvasRenderingContext2D.prototype.putImageData = function timedPut(...args) {
      const t = performance.now();
      put.apply(this, args);
      putting += performance.now() - t;
    };
    const frame = measure(() => {
      model.tick();
      sync();
    });
    const puts = putting / (warmUp + count);
    CanvasRenderingContext2D.prototype.putImageData = put;
    return { tick, changes, frame, puts };
  }, WARM_UP, TICKS);
}

// One engine, in this process: its figures as JSON on stdout.
async function measureEngine() {
  const { closeBrowser, launchBrowser, openPage } = await import('../../tests/browser/support/page.mjs');
  const browser = await launchBrowser();
  try {
    const opened = [];
    const shown = [];
    for (let k = 0; k < OPENINGS; ++k) {
      const { page } = await openPage(browser);
      // An earlier page (TARVEL_PAGE) may have no mark for its controls.
      const [controls, picture] = await page.evaluate(() => ['tarvel-controls', 'tarvel-first-picture']
        .map((name) => performance.getEntriesByName(name)[0]?.startTime ?? NaN));
      shown.push(controls);
      opened.push(picture);
      await page.close();
    }
    const { page } = await openPage(browser, { ratio: 1 });
    const times = await pageTimes(page);
    await page.close();
    return { ...times, shown: median(shown), opened: median(opened) };
  } finally {
    await closeBrowser(browser);
  }
}

// The median real time of one Google Benchmark case, in ms (null if absent).
function nativeMedianMs(release, program, filter) {
  const file = path.join(release, program);
  if (!fs.existsSync(file)) return null;
  const output = execFileSync(file, [`--benchmark_filter=${filter}`, '--benchmark_repetitions=5',
    '--benchmark_report_aggregates_only=true', '--benchmark_format=json', '--benchmark_min_time=1'],
  { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: ['ignore', 'pipe', 'ignore'] });
  const row = JSON.parse(output).benchmarks.find((b) => b.aggregate_name === 'median');
  const scale = { ns: 1e-6, us: 1e-3, ms: 1, s: 1e3 }[row.time_unit];
  return row.real_time * scale;
}

function printTable(figures, nativeCore, nativeSurfaces) {
  const engines = Object.keys(figures);
  const ms = (value) => (value === null || value === undefined ? '-' : `${value.toFixed(2)} ms`);
  const times = (value) => `${value.toFixed(2)}x`;
  const row = (label, cell, target = '') =>
    `| ${label} | ${engines.map((e) => cell(figures[e], e)).join(' | ')} | ${target} |`;
  const chromium = figures.chromium;
  console.log(`
| Figure (8 paths on, "Random", fading at 5; means of ${TICKS}) | ${engines.join(' | ')} | Target |
|---|${engines.map(() => '---|').join('')}---|
${row(`Page tick (${TICKS} ticks after ${WARM_UP})`, (f) => ms(f.tick))}
${row(`Page tick / native core tick (${ms(nativeCore)}, animation_bench Sink:1)`,
    (f) => (nativeCore ? times(f.tick / nativeCore) : '-'), '<= 1.5x in chromium')}
${row(`Page tick / native tick into the desktop's surfaces (${ms(nativeSurfaces)}, gui_bench)`,
    (f) => (nativeSurfaces ? times(f.tick / nativeSurfaces) : '-'))}
${row('Whole frame at ratio 1: tick, sync and canvas copies', (f) => ms(f.frame), '<= 4 ms')}
${row('Frame / chromium\'s frame', (f) => (chromium ? times(f.frame / chromium.frame) : '-'), '<= 2x')}
${row('Frame / tick', (f) => times(f.frame / f.tick), '<= 1.3x')}
${row('- within it: what changed, as text, parsed', (f) => ms(f.changes))}
${row('- within it: putImageData of the four canvases', (f) => ms(f.puts))}
${row(`Opening the page to its controls with their captions (median of ${OPENINGS} openings)`,
    (f) => (Number.isFinite(f.shown) ? `${f.shown.toFixed(0)} ms` : '-'))}
${row(`Opening the page to the first picture (median of ${OPENINGS} openings)`, (f) => `${f.opened.toFixed(0)} ms`,
    '<= 500 ms')}`);
}

async function main() {
  const here = path.dirname(fileURLToPath(import.meta.url));
  if (process.env.TARVEL_BENCH_CHILD) {
    process.stdout.write(JSON.stringify(await measureEngine()));
    return;
  }
  const release = process.env.TARVEL_RELEASE_DIR || path.resolve(here, '../../build/release');
  console.log(machineLine());

  // Each engine in a process of its own: the page interface is chosen on loading.
  const engines = process.env.TARVEL_ENGINE ? [process.env.TARVEL_ENGINE] : ENGINES;
  const figures = {};
  for (const engine of engines) {
    const output = execFileSync(process.execPath, [fileURLToPath(import.meta.url)],
      { env: { ...process.env, TARVEL_ENGINE: engine, TARVEL_BENCH_CHILD: '1' }, stdio: ['ignore', 'pipe', 'inherit'] });
    figures[engine] = JSON.parse(output);
  }
  const nativeCore = nativeMedianMs(release, 'bench/animation/animation_bench', 'BM_TickEveryPathFading/Sink:1$');
  const nativeSurfaces = nativeMedianMs(release, 'bench/gui/gui_bench', 'BM_FadingTickIntoSurfaces/1$');
  printTable(figures, nativeCore, nativeSurfaces);
}

await main();
