// What the running animation costs in each engine, next to the window's own
// figure taken in the same run:
//   node bench/web/animation-cpu.mjs [SECONDS]           all three engines
//   TARVEL_ENGINE=firefox node bench/web/animation-cpu.mjs
// The heaviest case: eight paths on, "Random", fading at 5, the timer
// started with "Start". For each engine:
//   - the CPU of all of the browser's processes over SECONDS (default 10),
//     from /proc, as a share of one core, against the window's
//     (`window-figures SECONDS` under Xvfb, QT_QPA_PLATFORM=xcb);
//   - the timer's tasks in the page (tick, mirroring, canvas copies): mean
//     and longest, and the mean against the tick alone;
//   - the resident memory of the page's renderer (Chromium's renderer,
//     Firefox's content process, WebKit's web process);
//   - Chromium only, at 4x CPU throttling (a low-end phone or Chromebook):
//     the longest animation frame (the task and the rendering after it) and
//     the time from opening the page to its first picture.
// Needs the web build, the release build's window-figures, the engines and
// `npm ci` in tests/browser. Not a test: figures vary with the machine.
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import path from 'node:path';
import { fileURLToPath } from 'node:url';
import { machineLine } from './machine.mjs';

const ENGINES = ['chromium', 'firefox', 'webkit'];
const seconds = Number(process.argv[2] || 10);
const here = path.dirname(fileURLToPath(import.meta.url));
const sleep = (ms) => new Promise((resolve) => setTimeout(resolve, ms));
const CLOCK_TICKS = 100;  // USER_HZ on Linux

// The processes below this one, the X server aside (the window's figure
// leaves its X server out as well).
function descendants() {
  const parents = new Map();
  for (const pid of fs.readdirSync('/proc').filter((name) => /^\d+$/.test(name))) {
    try {
      const stat = fs.readFileSync(`/proc/${pid}/stat`, 'utf8');
      const fields = stat.slice(stat.lastIndexOf(')') + 2).split(' ');
      const name = stat.slice(stat.indexOf('(') + 1, stat.lastIndexOf(')'));
      parents.set(Number(pid), { parent: Number(fields[1]), name, cpu: Number(fields[11]) + Number(fields[12]) });
    } catch { /* gone meanwhile */ }
  }
  const below = (pid) => {
    for (let p = parents.get(pid)?.parent; p; p = parents.get(p)?.parent) if (p === process.pid) return true;
    return false;
  };
  return [...parents].filter(([pid, p]) => below(pid) && p.name !== 'Xvfb');
}

const cpuTicks = () => new Map(descendants().map(([pid, p]) => [pid, p.cpu]));

function residentMb(pid) {
  const status = fs.readFileSync(`/proc/${pid}/status`, 'utf8');
  return Number(status.match(/^VmRSS:\s+(\d+)/m)[1]) / 1024;
}

// The page's renderer: the largest of the engine's content processes.
function rendererMb() {
  const isRenderer = (pid) => {
    const command = fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8');
    return command.includes('--type=renderer') || command.includes('-isForBrowser') ||
      command.includes('tab') && command.includes('-contentproc') || command.includes('WebKitWebProcess');
  };
  const sizes = descendants().filter(([pid]) => {
    try { return isRenderer(pid); } catch { return false; }
  }).map(([pid]) => residentMb(pid));
  return sizes.length ? Math.max(...sizes) : NaN;
}

// In the page: the heaviest case set up, every later timer task timed.
function startHeaviestCase() {
  const { model, sync } = window.tarvelDemo;
  const tasks = [];
  window.__tasks = tasks;
  const plainTimeout = window.setTimeout;
  window.setTimeout = (work, ms, ...rest) => plainTimeout(() => {
    const start = performance.now();
    work(...rest);
    tasks.push(performance.now() - start);
  }, ms);
  window.__frames = [];
  if (typeof PerformanceObserver !== 'undefined' &&
      PerformanceObserver.supportedEntryTypes.includes('long-animation-frame')) {
    new PerformanceObserver((list) => {
      for (const entry of list.getEntries()) window.__frames.push(entry.duration);
    }).observe({ type: 'long-animation-frame', buffered: false });
  }
  for (let i = 0; i < 8; ++i) {
    model.clickMarker(i);
    model.clickMarker(i);
  }
  model.clickRandom();
  model.setFade(5);
  model.clickGo(0);
  sync();
}

// The mean tick alone, the timer stopped, for the ratio of a task to a tick.
function meanTick() {
  const { model, sync } = window.tarvelDemo;
  model.clickGo(0);  // Reset stops the timer
  sync();
  for (let i = 0; i < 8; ++i) {
    model.clickMarker(i);
    model.clickMarker(i);
  }
  model.clickRandom();
  model.setFade(5);
  for (let k = 0; k < 200; ++k) model.tick();
  const start = performance.now();
  for (let k = 0; k < 300; ++k) model.tick();
  return (performance.now() - start) / 300;
}

async function measureEngine(engine) {
  const { closeBrowser, launchBrowser, openPage } = await import('../../tests/browser/support/page.mjs');
  const browser = await launchBrowser();
  try {
    const figures = {};
    const { page } = await openPage(browser, { ratio: 1 });
    await page.evaluate(startHeaviestCase);
    await sleep(3000);
    await page.evaluate(() => { window.__tasks.length = 0; });
    const before = cpuTicks();
    const started = process.hrtime.bigint();
    await sleep(seconds * 1000);
    const after = cpuTicks();
    const elapsed = Number(process.hrtime.bigint() - started) / 1e9;
    let used = 0;
    for (const [pid, ticks] of after) used += ticks - (before.get(pid) ?? ticks);
    figures.cpu = (100 * used) / CLOCK_TICKS / elapsed;
    const tasks = await page.evaluate(() => window.__tasks.slice());
    figures.tasks = tasks.length;
    figures.taskMean = tasks.reduce((a, b) => a + b, 0) / tasks.length;
    figures.taskMax = Math.max(...tasks);
    figures.rendererMb = rendererMb();
    figures.tick = await page.evaluate(meanTick);
    await page.close();

    if (engine === 'chromium') {
      const throttled = await browser.newPage();
      const { default: url } = await import('node:url');
      const { pagePath } = await import('../../tests/browser/support/page.mjs');
      await throttled.setViewport({ width: 953, height: 701, deviceScaleFactor: 1 });
      await throttled.emulateCPUThrottling(4);
      await throttled.goto(url.pathToFileURL(pagePath).href);
      await throttled.waitForFunction(() => document.body.dataset.ready === 'true', { timeout: 30000 });
      figures.firstPicture = await throttled.evaluate(() =>
        performance.getEntriesByName('tarvel-first-picture')[0].startTime);
      await throttled.evaluate(startHeaviestCase);
      await sleep(2000);
      await throttled.evaluate(() => { window.__tasks.length = 0; window.__frames.length = 0; });
      await sleep(seconds * 1000);
      const [slowTasks, frames] = await throttled.evaluate(() => [window.__tasks.slice(), window.__frames.slice()]);
      figures.throttledTaskMax = Math.max(...slowTasks);
      figures.throttledTaskMean = slowTasks.reduce((a, b) => a + b, 0) / slowTasks.length;
      figures.throttledFrameMax = frames.length ? Math.max(...frames) : 0;
      figures.throttledLongFrames = frames.length;
      // The observer must see a long frame when there is one: a 120 ms task.
      figures.observerSeesLongFrames = await throttled.evaluate(async () => {
        const before = window.__frames.length;
        await new Promise((resolve) => requestAnimationFrame(() => {
          const end = performance.now() + 120;
          while (performance.now() < end) { /* busy */ }
          resolve();
        }));
        await new Promise((resolve) => setTimeout(resolve, 500));
        return window.__frames.length > before;
      });
      await throttled.close();
    }
    return figures;
  } finally {
    await closeBrowser(browser);
  }
}

function windowCpu(release) {
  const program = path.join(release, 'bench/measure/window-figures');
  const output = execFileSync('xvfb-run', ['-a', 'env', 'QT_QPA_PLATFORM=xcb', program, String(seconds)],
    { encoding: 'utf8' });
  const line = output.split('\n').find((l) => l.startsWith('animating'));
  const percent = Number(line.match(/([\d.]+)\s*%/)[1]);
  return { percent, line: line.trim() };
}

async function main() {
  if (process.env.TARVEL_BENCH_CHILD) {
    process.stdout.write(JSON.stringify(await measureEngine(process.env.TARVEL_ENGINE)));
    return;
  }
  const release = process.env.TARVEL_RELEASE_DIR || path.resolve(here, '../../build/release');
  console.log(machineLine());

  const window = windowCpu(release);
  console.log(`the window: ${window.line}`);
  const engines = process.env.TARVEL_ENGINE ? [process.env.TARVEL_ENGINE] : ENGINES;
  const figures = {};
  for (const engine of engines) {
    const output = execFileSync(process.execPath, [fileURLToPath(import.meta.url), String(seconds)],
      { env: { ...process.env, TARVEL_ENGINE: engine, TARVEL_BENCH_CHILD: '1' }, stdio: ['ignore', 'pipe', 'inherit'] });
    figures[engine] = JSON.parse(output);
  }
  const ms = (v) => (Number.isFinite(v) ? `${v.toFixed(2)} ms` : '-');
  const row = (label, cell) => `| ${label} | ${engines.map((e) => cell(figures[e])).join(' | ')} |`;
  console.log(`
| Animating 8 paths at 5 for ${seconds} s | ${engines.join(' | ')} |
|---|${engines.map(() => '---|').join('')}
${row('CPU, all of the browser\'s processes (share of one core)', (f) => `${f.cpu.toFixed(1)} %`)}
${row(`against the window's ${window.percent.toFixed(2)} %`, (f) => `${(f.cpu / window.percent).toFixed(1)}x`)}
${row('timer tasks seen', (f) => String(f.tasks))}
${row('a timer task (tick, mirroring, copies): mean', (f) => ms(f.taskMean))}
${row('a timer task: longest', (f) => ms(f.taskMax))}
${row('the tick alone, timer stopped (mean of 300)', (f) => ms(f.tick))}
${row('a task against the tick', (f) => `${(f.taskMean / f.tick).toFixed(2)}x`)}
${row('resident memory of the page\'s renderer', (f) => `${f.rendererMb.toFixed(0)} MB`)}
${row('4x CPU throttling: first picture after opening', (f) => (f.firstPicture ? `${f.firstPicture.toFixed(0)} ms` : '-'))}
${row('4x CPU throttling: timer task mean / longest', (f) => (f.throttledTaskMax ? `${ms(f.throttledTaskMean)} / ${ms(f.throttledTaskMax)}` : '-'))}
${row('4x CPU throttling: frames over 50 ms (longest)', (f) => (f.throttledTaskMax ? `${f.throttledLongFrames} (${ms(f.throttledFrameMax)})` : '-'))}
${row('(the long-frame observer saw a 120 ms frame made on purpose)', (f) => (f.throttledTaskMax ? String(f.observerSeesLongFrames) : '-'))}`);
}

await main();
