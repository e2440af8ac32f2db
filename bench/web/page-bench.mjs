// The page's speed next to the native core's, measured in the same run:
//   node bench/web/page-bench.mjs
// Prints the CPU model, then medians of:
//   - one animation tick in the heaviest case (8 paths on, "Random",
//     fading at 5) inside headless chromium, next to the native core's tick
//     (animation_bench) and the native tick into the desktop's surfaces
//     (gui_bench), with their ratios;
//   - a whole frame at ratio 1: the tick, then the page's sync (records,
//     mirroring, the canvas copies);
//   - opening the page to its first drawn picture.
// Needs the web build (build/web/tarvel-demo.html), the release build's
// benchmarks, and `npm ci` in tests/browser. Not a test: figures vary with
// the machine and its load.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { closeBrowser, launchBrowser, openPage, sourceRoot } from '../../tests/browser/support/page.mjs';

const WARM_UP = 300;  // lets the engine compile the hot code fully first
const TICKS = 300;
const OPENINGS = 7;
const release = process.env.TARVEL_RELEASE_DIR || path.join(sourceRoot, 'build/release');

const median = (values) => {
  const sorted = [...values].sort((a, b) => a - b);
  const middle = Math.floor(sorted.length / 2);
  return sorted.length % 2 ? sorted[middle] : (sorted[middle - 1] + sorted[middle]) / 2;
};

// The median real time of one Google Benchmark case, in ms (null if absent).
function nativeMedianMs(program, filter) {
  const file = path.join(release, program);
  if (!fs.existsSync(file)) return null;
  const output = execFileSync(file, [`--benchmark_filter=${filter}`, '--benchmark_repetitions=5',
    '--benchmark_report_aggregates_only=true', '--benchmark_format=json', '--benchmark_min_time=1'],
  { env: { ...process.env, QT_QPA_PLATFORM: 'offscreen' }, stdio: ['ignore', 'pipe', 'ignore'] });
  const row = JSON.parse(output).benchmarks.find((b) => b.aggregate_name === 'median');
  const scale = { ns: 1e-6, us: 1e-3, ms: 1, s: 1e3 }[row.time_unit];
  return row.real_time * scale;
}

// Per-tick and per-frame times in the page, in ms.
async function pageTimes(page) {
  return page.evaluate(async (warmUp, count) => {
    const { model, sync } = window.tarvelDemo;
    for (let i = 0; i < 8; ++i) {
      model.clickMarker(i);  // selects it
      model.clickMarker(i);  // switches it on
    }
    model.clickRandom();
    model.setFade(5);
    sync();
    const measure = (work) => {
      for (let k = 0; k < warmUp; ++k) work();
      const times = [];
      const start = performance.now();
      for (let k = 0; k < count; ++k) {
        const t = performance.now();
        work();
        times.push(performance.now() - t);
      }
      return { times, mean: (performance.now() - start) / count };
    };
    const tick = measure(() => model.tick());
    const frame = measure(() => { model.tick(); sync(); });
    return { tick, frame };
  }, WARM_UP, TICKS);
}

async function firstPictureMs(browser) {
  const times = [];
  for (let k = 0; k < OPENINGS; ++k) {
    const { page } = await openPage(browser);
    times.push(await page.evaluate(() => performance.getEntriesByName('tarvel-first-picture')[0].startTime));
    await page.close();
  }
  return times;
}

const cpu = fs.readFileSync('/proc/cpuinfo', 'utf8').match(/^model name\s*:\s*(.*)$/m)?.[1] || 'unknown';
const load = fs.readFileSync('/proc/loadavg', 'utf8').split(' ').slice(0, 3).join(' ');
console.log(`CPU: ${cpu} (${fs.readFileSync('/proc/cpuinfo', 'utf8').match(/^processor/gm).length} logical cores), load average ${load}`);

const browser = await launchBrowser();
const opened = await firstPictureMs(browser);
const { page } = await openPage(browser, { ratio: 1 });
const times = await pageTimes(page);
await closeBrowser(browser);

const nativeCore = nativeMedianMs('bench/animation/animation_bench', 'BM_TickEveryPathFading/Sink:1$');
const nativeSurfaces = nativeMedianMs('bench/gui/gui_bench', 'BM_FadingTickIntoSurfaces/1$');
const pageTick = median(times.tick.times);
const ms = (value) => (value === null ? '-' : `${value.toFixed(3)} ms`);
const ratio = (value) => (value === null ? '-' : `${(pageTick / value).toFixed(2)}x`);

console.log(`
| Figure (8 paths on, "Random", fading at 5; medians) | Value | Target |
|---|---|---|
| Page tick, headless chromium (${TICKS} ticks after ${WARM_UP}; mean ${times.tick.mean.toFixed(3)} ms) | ${ms(pageTick)} | |
| Native core tick (animation_bench BM_TickEveryPathFading/Sink:1) | ${ms(nativeCore)} | |
| Page tick / native core tick | ${ratio(nativeCore)} | <= 1.3x |
| Native tick into the desktop's surfaces, ratio 1 (gui_bench) | ${ms(nativeSurfaces)} | |
| Page tick / native tick into surfaces | ${ratio(nativeSurfaces)} | |
| Page frame at ratio 1: tick, sync and canvas copies (mean ${times.frame.mean.toFixed(3)} ms) | ${ms(median(times.frame.times))} | <= 4 ms |
| Opening the page to the first picture (${OPENINGS} openings, first ${opened[0].toFixed(0)} ms) | ${median(opened).toFixed(0)} ms | <= 500 ms |`);
console.log('\nperformance.now() in a page opened from a file ticks in steps of 0.1 ms: the means are exact.');
