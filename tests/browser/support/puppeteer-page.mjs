// Chromium over CDP and Firefox over WebDriver BiDi, both through
// puppeteer-core, whose Page is the interface the tests use (see page.mjs).
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import { pathToFileURL } from 'node:url';

const executables = {
  chromium: process.env.TARVEL_CHROMIUM || '/usr/bin/chromium',
  firefox: process.env.TARVEL_FIREFOX || '/usr/bin/firefox-esr',
};

async function loadPuppeteer() {
  try {
    return (await import('puppeteer-core')).default;
  } catch (error) {
    throw new Error(
      `puppeteer-core is not installed (${error.code || error.message}): run "npm ci" in tests/browser`);
  }
}

const profiles = new WeakMap();

// With `screenReader` (the environment of a display and a session bus with
// accessibility on, see atspi.mjs), the browser shows its window there and
// lays its tree out on the accessibility bus, as for a screen reader:
// headless, neither engine does.
export async function launch(engine, { screenReader = null } = {}) {
  const puppeteer = await loadPuppeteer();
  const headless = !screenReader;
  const executablePath = executables[engine];
  if (!fs.existsSync(executablePath)) {
    throw new Error(`no ${engine} at ${executablePath}: tools/install-dependencies.sh test installs it`);
  }
  if (engine === 'firefox') {
    return puppeteer.launch({ browser: 'firefox', executablePath, headless,
      env: screenReader ? { ...screenReader, GNOME_ACCESSIBILITY: '1' } : process.env,
      extraPrefsFirefox: {
        // Timers of a page in the background must not be slowed down under test.
        'dom.min_background_timeout_value': 4, 'dom.timeout.enable_budget_timer_throttling': false,
      } });
  }
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvel-chromium-'));
  const args = ['--disable-gpu', '--no-first-run', '--disable-background-networking',
    '--disable-component-update', '--disable-sync', `--user-data-dir=${profile}`,
    '--disable-background-timer-throttling', '--disable-renderer-backgrounding'];
  if (process.getuid && process.getuid() === 0) args.push('--no-sandbox');
  if (screenReader) args.push('--force-renderer-accessibility');
  const browser = await puppeteer.launch({ executablePath, headless, args,
    env: screenReader ? { ...screenReader, ACCESSIBILITY_ENABLED: '1' } : process.env });
  profiles.set(browser, profile);
  return browser;
}

export async function close(browser) {
  await browser.close();
  if (profiles.has(browser)) fs.rmSync(profiles.get(browser), { recursive: true, force: true, maxRetries: 3 });
}

// Firefox refuses puppeteer's touches (their altitudeAngle is an illegal
// value to its touch synthesis) but takes a plain touch pointer through
// BiDi's input.performActions.
function bidiTouchscreen(page) {
  const finger = (actions) => page.mainFrame().browsingContext.performActions([
    { type: 'pointer', id: 'tarvel-finger', parameters: { pointerType: 'touch' }, actions }]);
  const at = (x, y) => ({ type: 'pointerMove', x: Math.round(x), y: Math.round(y) });
  return {
    touchStart: (x, y) => finger([at(x, y), { type: 'pointerDown', button: 0 }]),
    touchMove: (x, y) => finger([at(x, y)]),
    touchEnd: () => finger([{ type: 'pointerUp', button: 0 }]),
    tap: (x, y) => finger([at(x, y), { type: 'pointerDown', button: 0 }, { type: 'pointerUp', button: 0 }]),
  };
}

export async function openPage(browser, engine, pagePath, { ratio, touch, viewport, mobile }) {
  const page = await browser.newPage();
  const problems = [];
  page.on('console', (message) => {
    if (['error', 'warn', 'warning'].includes(message.type())) {
      problems.push(`console ${message.type()}: ${message.text()}`);
    }
  });
  page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
  const chromium = engine === 'chromium';
  await page.setViewport({ ...viewport, deviceScaleFactor: ratio,
    hasTouch: (touch || mobile) && chromium, isMobile: mobile && chromium });
  await page.goto(pathToFileURL(pagePath).href);
  await page.waitForFunction(() => document.body.dataset.ready === 'true', { timeout: 20000 });
  if (engine === 'chromium') return { page, problems };
  const touchscreen = bidiTouchscreen(page);
  // Puppeteer's BiDi keyboard knows the space bar only as ' '.
  const key = (name) => (name === 'Space' ? ' ' : name);
  const keyboard = {
    down: (name) => page.keyboard.down(key(name)),
    up: (name) => page.keyboard.up(key(name)),
    press: (name) => page.keyboard.press(key(name)),
  };
  // WebDriver refuses a pointer outside the viewport, where CDP and a real
  // mouse go on: a move past the edge stops at the edge.
  const inside = (x, y) => [Math.min(Math.max(x, 0), viewport.width - 1),
    Math.min(Math.max(y, 0), viewport.height - 1)];
  const mouse = {
    move: (x, y, options) => page.mouse.move(...inside(x, y), options),
    click: (x, y, options) => page.mouse.click(...inside(x, y), options),
    down: (options) => page.mouse.down(options),
    up: (options) => page.mouse.up(options),
    // Firefox reports three times WebDriver's wheel pixels as wheelDelta, a
    // real notch 120 whatever its pixels: a third makes 120 a notch, as in
    // Chromium and a real wheel.
    wheel: ({ deltaX = 0, deltaY = 0 } = {}) =>
      page.mouse.wheel({ deltaX: Math.round(deltaX / 3), deltaY: Math.round(deltaY / 3) }),
  };
  const wrapped = new Proxy(page, {
    get(target, name) {
      if (name === 'touchscreen') return touchscreen;
      if (name === 'keyboard') return keyboard;
      if (name === 'mouse') return mouse;
      const value = Reflect.get(target, name, target);
      return typeof value === 'function' ? value.bind(target) : value;
    },
  });
  return { page: wrapped, problems };
}
