// WebKitGTK's MiniBrowser under its WebKitWebDriver, on an Xvfb display of
// our own, behind the same page interface as puppeteer's (see page.mjs).
// Where WebKitWebDriver falls short, this file works around it:
// - its console is out of reach: a script put before the page's own collects
//   console errors, warnings and uncaught errors into window.__tarvel.problems;
// - it loses the release of a right-button drag: the mouse is real X11 input
//   through xdotool on the same display, the page's pointer events telling
//   when each input has arrived;
// - it sends touch as mouse events: touches are pointer events dispatched in
//   the page, with the implicit capture a finger has (see touchScript);
// - it has no wheel: a notch is a click of X's wheel buttons through
//   xdotool, with the modifiers that keyboard.down holds (Ctrl with the
//   wheel is MiniBrowser's own zoom and never reaches the page);
// - a device pixel ratio of 2 is GDK_SCALE=2 for MiniBrowser, so each page
//   has a driver and a MiniBrowser of its own.
import { execFile, spawn } from 'node:child_process';
import fs from 'node:fs';
import net from 'node:net';
import os from 'node:os';
import path from 'node:path';
import { setTimeout as sleep } from 'node:timers/promises';
import { pathToFileURL } from 'node:url';
import { promisify } from 'node:util';

const run = promisify(execFile);
const driverPath = process.env.TARVEL_WEBKIT_DRIVER || '/usr/bin/WebKitWebDriver';
// Debian puts MiniBrowser beside the library (dpkg -L libwebkit2gtk-4.1-0).
const miniBrowserPath = process.env.TARVEL_MINIBROWSER ||
  '/usr/lib/x86_64-linux-gnu/webkit2gtk-4.1/MiniBrowser';

// Put before the page's first script: what the harness reads back.
const HOOKS = `<script>
window.__tarvel = { problems: [], seen: { pointerdown: 0, pointerup: 0, pointermove: 0, menus: 0, wheel: 0 }, at: null };
window.addEventListener('wheel', (e) => { if (e.isTrusted) ++window.__tarvel.seen.wheel; }, { capture: true, passive: true });
window.addEventListener('contextmenu', (e) => { if (!e.defaultPrevented) ++window.__tarvel.seen.menus; });
for (const level of ['error', 'warn']) {
  const original = console[level].bind(console);
  console[level] = (...args) => { window.__tarvel.problems.push('console ' + level + ': ' + args.join(' ')); original(...args); };
}
window.addEventListener('error', (e) => window.__tarvel.problems.push('uncaught: ' + (e.error ? e.error.message : e.message)));
window.addEventListener('unhandledrejection', (e) => window.__tarvel.problems.push('uncaught: ' + (e.reason && e.reason.message || e.reason)));
for (const type of ['pointerdown', 'pointerup', 'pointermove']) {
  window.addEventListener(type, (e) => {
    if (e.isTrusted && e.pointerType === 'mouse') { ++window.__tarvel.seen[type]; window.__tarvel.at = [e.clientX, e.clientY]; }
  }, true);
}
</script>`;

function need(file, what) {
  if (!fs.existsSync(file)) throw new Error(`no ${what} at ${file}: tools/install-dependencies.sh test installs it`);
}

async function freePort() {
  const server = net.createServer();
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const { port } = server.address();
  await new Promise((resolve) => server.close(resolve));
  return port;
}

// An Xvfb of our own; -displayfd picks a free display and says which.
export async function startXvfb() {
  need('/usr/bin/Xvfb', 'Xvfb');
  const xvfb = spawn('/usr/bin/Xvfb', ['-displayfd', '3', '-screen', '0', '3900x2300x24', '-nolisten', 'tcp'],
    { stdio: ['ignore', 'ignore', 'pipe', 'pipe'] });
  let stderr = '';
  xvfb.stderr.on('data', (d) => { stderr += d; });
  const display = await new Promise((resolve, reject) => {
    let text = '';
    xvfb.stdio[3].on('data', (d) => {
      text += d;
      if (text.includes('\n')) resolve(`:${text.trim()}`);
    });
    xvfb.on('exit', (code) => reject(new Error(`Xvfb stopped (${code}): ${stderr}`)));
  });
  return { xvfb, display };
}

// With `screenReader` (the environment of a session bus with accessibility
// on, see atspi.mjs), MiniBrowser lays its tree out on that bus.
export async function launch(pagePath, { screenReader = null } = {}) {
  need(driverPath, 'WebKitWebDriver');
  need(miniBrowserPath, 'MiniBrowser');
  need('/usr/bin/xdotool', 'xdotool');
  const { xvfb, display } = await startXvfb();
  // The page with the hooks first, from a folder of its own.
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvel-webkit-'));
  const html = fs.readFileSync(pagePath, 'utf8');
  const head = html.indexOf('<head>');
  if (head < 0) throw new Error(`no <head> in ${pagePath}`);
  const hooked = path.join(folder, path.basename(pagePath));
  fs.writeFileSync(hooked, html.slice(0, head + 6) + HOOKS + html.slice(head + 6));
  return { xvfb, display, folder, url: pathToFileURL(hooked).href, pages: new Set(), screenReader };
}

export async function close(browser) {
  for (const page of browser.pages) await page.close();
  browser.xvfb.kill();
  fs.rmSync(browser.folder, { recursive: true, force: true });
}

async function loadSelenium() {
  try {
    return await import('selenium-webdriver');
  } catch (error) {
    throw new Error(
      `selenium-webdriver is not installed (${error.code || error.message}): run "npm ci" in tests/browser`);
  }
}

// WebDriver's key values for the names puppeteer knows.
const KEYS = {
  Tab: '\uE004', Enter: '\uE007', Shift: '\uE008', Control: '\uE009', Alt: '\uE00A', Escape: '\uE00C',
  Space: ' ', PageUp: '\uE00E', PageDown: '\uE00F', End: '\uE010', Home: '\uE011', ArrowLeft: '\uE012',
  ArrowUp: '\uE013', ArrowRight: '\uE014', ArrowDown: '\uE015', Backspace: '\uE003', Delete: '\uE017',
};
const keyValue = (name) => {
  if (KEYS[name]) return KEYS[name];
  if ([...name].length === 1) return name;
  throw new Error(`no WebDriver key for "${name}"`);
};
const X_BUTTONS = { left: 1, middle: 2, right: 3 };
// X's wheel buttons: up, down, left, right; a notch is 120 of puppeteer's delta.
const X_WHEEL = { up: 4, down: 5, left: 6, right: 7 };
const WHEEL_NOTCH = 120;
// How long an input may take to reach the page: under CI's load (two
// browsers at once on two cores) WebKit's web process has been seen to
// answer several seconds late.
const INPUT_WAIT_MS = 20000;
const X_MODIFIERS = { Control: 'ctrl', Shift: 'shift', Alt: 'alt' };

// Runs in the page: a finger as pointer events, captured by the element it
// went down on (as a touch is), a tap being followed by its click.
function touchScript(phase, x, y) {
  const t = window.__tarvel;
  const fire = (target, type, fields = {}) => target.dispatchEvent(new PointerEvent(type, {
    bubbles: true, cancelable: true, composed: true, pointerType: 'touch', pointerId: 101, isPrimary: true,
    clientX: x, clientY: y, width: 1, height: 1, pressure: phase === 'up' ? 0 : 0.5, ...fields,
  }));
  if (phase === 'down') {
    t.touch = { target: document.elementFromPoint(x, y), x, y, moved: false };
    fire(t.touch.target, 'pointerdown', { button: 0, buttons: 1 });
  } else if (phase === 'move') {
    t.touch.moved = true;
    fire(t.touch.target, 'pointermove', { button: -1, buttons: 1 });
  } else {
    const { target, moved } = t.touch;
    t.touch = null;
    fire(target, 'pointerup', { button: 0, buttons: 0 });
    if (!moved) {
      target.dispatchEvent(new MouseEvent('click', { bubbles: true, cancelable: true, composed: true,
        detail: 1, button: 0, clientX: x, clientY: y }));
    }
  }
}

export async function openPage(browser, { ratio, viewport }) {
  const port = await freePort();
  const env = { ...process.env, DISPLAY: browser.display, GDK_BACKEND: 'x11', WAYLAND_DISPLAY: '',
    GDK_SCALE: String(ratio), GDK_DPI_SCALE: '1',
    // The harness's display has no session bus or accessibility bus.
    NO_AT_BRIDGE: '1', GTK_A11Y: 'none' };
  if (browser.screenReader) {
    const { DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR } = browser.screenReader;
    Object.assign(env, { DBUS_SESSION_BUS_ADDRESS, XDG_RUNTIME_DIR });
    delete env.NO_AT_BRIDGE;
    delete env.GTK_A11Y;
  }
  const driver = spawn(driverPath, [`--port=${port}`], { env, stdio: ['ignore', 'ignore', 'pipe'] });
  let driverLog = '';
  driver.stderr.on('data', (d) => { driverLog += d; });
  const { WebDriver, Capabilities } = await loadSelenium();
  const { Executor, HttpClient } = await import('selenium-webdriver/http/index.js');
  let session = null;
  for (let tries = 0; !session; ++tries) {
    try {
      await fetch(`http://127.0.0.1:${port}/status`);
      session = await WebDriver.createSession(new Executor(new HttpClient(`http://127.0.0.1:${port}`)),
        new Capabilities({ browserName: 'MiniBrowser',
          'webkitgtk:browserOptions': { binary: miniBrowserPath, args: ['--automation'] } }));
    } catch (error) {
      if (tries > 100 || driver.exitCode !== null) {
        driver.kill();
        throw new Error(`no WebKitWebDriver session: ${error.message}\n${driverLog}`);
      }
      await sleep(100);
    }
  }

  const problems = [];
  // Every script also hands back the problems the page has collected since.
  const execute = async (body, args = []) => {
    const answer = await session.executeScript(`return (async (args) => {
        const value = await (async () => { ${body} })();
        return { value, problems: window.__tarvel ? window.__tarvel.problems.splice(0) : [] };
      })(arguments);`, ...args);
    problems.push(...answer.problems);
    return answer.value === null ? undefined : answer.value;
  };
  const evaluate = (fn, ...args) => (typeof fn === 'string'
    ? execute('return (0, eval)(args[0]);', [fn])
    : execute(`return (${fn}).apply(null, args);`, args));
  const element = `const e = document.querySelector(args[0]);
    if (!e) throw new Error('no element ' + args[0]);`;
  const $eval = (selector, fn, ...args) =>
    execute(`${element} return (${fn})(e, ...Array.prototype.slice.call(args, 1));`, [selector, ...args]);
  // WebKit gives the box of an element inside the zoomed form in a mix of
  // zoomed and unzoomed pixels (where it hit-tests, Chromium's box is), so
  // such a box is measured from the form's unzoomed stage and the offsets.
  const boundingBox = (selector) => $eval(selector, (e) => {
    const form = document.getElementById('Form1');
    const zoom = Number(form.style.zoom || 1);
    if (zoom === 1 || !form.contains(e) || e === form) {
      const r = e.getBoundingClientRect();
      return { x: r.left, y: r.top, width: r.width, height: r.height };
    }
    let [x, y] = [0, 0];
    for (let k = e; k && k !== form; k = k.offsetParent) {
      x += k.offsetLeft + (k.offsetParent && k.offsetParent !== form ? k.offsetParent.clientLeft : 0);
      y += k.offsetTop + (k.offsetParent && k.offsetParent !== form ? k.offsetParent.clientTop : 0);
    }
    const stage = form.parentElement.getBoundingClientRect();
    return { x: stage.left + (x + form.clientLeft) * zoom, y: stage.top + (y + form.clientTop) * zoom,
      width: e.offsetWidth * zoom, height: e.offsetHeight * zoom };
  });

  // The window's inside made the viewport's size.
  await session.get(browser.url);
  for (let k = 0; ; ++k) {
    const [w, h] = await evaluate(() => [window.innerWidth, window.innerHeight]);
    if (w === viewport.width && h === viewport.height) break;
    if (k === 3) throw new Error(`WebKit: the viewport stays ${w} x ${h}`);
    const rect = await session.manage().window().getRect();
    await session.manage().window().setRect({ x: 0, y: 0,
      width: rect.width + viewport.width - w, height: rect.height + viewport.height - h });
  }
  await waitFor(() => evaluate(() => document.body.dataset.ready === 'true'), 20000, 'the page to be ready');

  // Where the view's CSS pixels lie on the X screen: two moves of the
  // pointer, read back from the page.
  const xdotool = (...args) => run('/usr/bin/xdotool', args, { env });
  const seen = () => evaluate(() => ({ ...window.__tarvel.seen, at: window.__tarvel.at }));
  const probe = async (sx, sy) => {
    const before = await seen();
    await xdotool('mousemove', String(sx), String(sy));
    let now = before;
    await waitFor(async () => (now = await seen()).pointermove > before.pointermove, INPUT_WAIT_MS,
      `the pointer at ${sx}, ${sy} on the X screen`);
    return now.at;
  };
  // A third move checks the first two: a window still settling moves them.
  let scale;
  let origin;
  let at;
  for (let tries = 0; ; ++tries) {
    const [a, b] = [await probe(300 * ratio, 300 * ratio), await probe(700 * ratio, 600 * ratio)];
    scale = (400 * ratio) / (b[0] - a[0]);
    origin = [300 * ratio - a[0] * scale, 300 * ratio - a[1] * scale];
    const c = await probe(500 * ratio, 400 * ratio);
    at = { x: c[0], y: c[1] };
    if (Math.abs(origin[0] + c[0] * scale - 500 * ratio) <= 1 && Math.abs(origin[1] + c[1] * scale - 400 * ratio) <= 1) break;
    if (tries === 5) throw new Error('WebKit: the view does not stay in one place on the X screen');
    await sleep(200);
  }

  const pressed = new Set();
  const mouse = {
    async move(x, y, { steps = 1 } = {}) {
      const from = at;
      for (let k = 1; k <= steps; ++k) {
        const to = { x: from.x + ((x - from.x) * k) / steps, y: from.y + ((y - from.y) * k) / steps };
        const sx = Math.round(origin[0] + to.x * scale);
        const sy = Math.round(origin[1] + to.y * scale);
        const before = await seen();
        await xdotool('mousemove', String(sx), String(sy));
        // A move to the pixel the pointer is on raises no event.
        const same = before.at && Math.round(origin[0] + before.at[0] * scale) === sx &&
          Math.round(origin[1] + before.at[1] * scale) === sy;
        if (!same) {
          let now;
          await waitFor(async () => {
            now = await seen();
            return now.pointermove > before.pointermove && Math.abs(now.at[0] - to.x) <= 1 &&
              Math.abs(now.at[1] - to.y) <= 1;
          }, INPUT_WAIT_MS, () => `the pointer moved to ${to.x}, ${to.y} (the page saw ${now.at})`);
        }
        at = to;
      }
    },
    async down({ button = 'left' } = {}) { await this.button('mousedown', button); },
    async up({ button = 'left' } = {}) { await this.button('mouseup', button); },
    async button(action, button) {
      const before = await seen();
      await xdotool(action, String(X_BUTTONS[button]));
      const kind = action === 'mousedown' ? 'pointerdown' : 'pointerup';
      if (action === 'mousedown') pressed.add(button); else pressed.delete(button);
      // With another button held a press or release is a pointer move.
      await waitFor(async () => {
        const now = await seen();
        return now[kind] > before[kind] || now.pointermove > before.pointermove;
      }, INPUT_WAIT_MS, `the ${button} button's ${action}`);
      // A context menu the page let through is MiniBrowser's own, which
      // takes every later input (headless Chromium and Firefox show none):
      // a user closes it with Escape.
      if ((await seen()).menus > before.menus) {
        await xdotool('key', 'Escape');
        await sleep(100);
      }
    },
    async click(x, y, { button = 'left' } = {}) {
      await this.move(x, y);
      await this.down({ button });
      await this.up({ button });
    },
    // Whole notches at the pointer, each waited for in the page.
    async wheel({ deltaX = 0, deltaY = 0 } = {}) {
      const clicks = [];
      for (const [delta, less, more] of [[deltaY, 'up', 'down'], [deltaX, 'left', 'right']]) {
        const notches = Math.max(delta === 0 ? 0 : 1, Math.round(Math.abs(delta) / WHEEL_NOTCH));
        for (let k = 0; k < notches; ++k) clicks.push(X_WHEEL[delta < 0 ? less : more]);
      }
      const modifiers = [...held].map((name) => X_MODIFIERS[name]);
      for (const button of clicks) {
        const before = await seen();
        await xdotool(...modifiers.flatMap((m) => ['keydown', m]), 'click', String(button),
          ...modifiers.flatMap((m) => ['keyup', m]));
        await waitFor(async () => (await seen()).wheel > before.wheel, INPUT_WAIT_MS, `the wheel's button ${button}`);
      }
    },
  };

  const keys = () => session.actions({ async: true });
  // Modifiers held, for the wheel's X input.
  const held = new Set();
  const keyboard = {
    down: (name) => {
      if (X_MODIFIERS[name]) held.add(name);
      return keys().keyDown(keyValue(name)).perform();
    },
    up: (name) => {
      held.delete(name);
      return keys().keyUp(keyValue(name)).perform();
    },
    press: (name) => keys().keyDown(keyValue(name)).keyUp(keyValue(name)).perform(),
  };

  // WebKitWebDriver sends touch actions as mouse events, which the page
  // rightly treats as a mouse: fingers are dispatched in the page instead.
  const touch = (phase, x, y) => evaluate(touchScript, phase, x, y);
  let finger = null;
  const touchscreen = {
    async touchStart(x, y) { finger = { x, y }; await touch('down', x, y); },
    async touchMove(x, y) { finger = { x, y }; await touch('move', x, y); },
    async touchEnd() { await touch('up', finger.x, finger.y); finger = null; },
    async tap(x, y) { await this.touchStart(x, y); await this.touchEnd(); },
  };

  const page = {
    evaluate, $eval,
    $$eval: (selector, fn, ...args) => execute(
      `return (${fn})([...document.querySelectorAll(args[0])], ...Array.prototype.slice.call(args, 1));`,
      [selector, ...args]),
    $: async (selector) => {
      await boundingBox(selector);
      return { boundingBox: () => boundingBox(selector) };
    },
    title: () => evaluate(() => document.title),
    focus: (selector) => $eval(selector, (e) => e.focus()),
    select: (selector, value) => $eval(selector, (e, v) => {
      e.value = v;
      e.dispatchEvent(new Event('input', { bubbles: true }));
      e.dispatchEvent(new Event('change', { bubbles: true }));
    }, value),
    // As puppeteer's: the element scrolled into view first (the help
    // opened below the form may have scrolled the page).
    async click(selector) {
      await $eval(selector, (e) => e.scrollIntoView({ block: 'nearest', inline: 'nearest' }));
      const box = await boundingBox(selector);
      await mouse.click(box.x + box.width / 2, box.y + box.height / 2);
    },
    mouse, keyboard, touchscreen,
    // The view as the driver sees it, in device pixels, as puppeteer's
    // screenshot({ path }): a PNG, written to `path` when one is given.
    async screenshot({ path: file } = {}) {
      const png = Buffer.from(await session.takeScreenshot(), 'base64');
      if (file) fs.writeFileSync(file, png);
      return png;
    },
    async close() {
      if (!browser.pages.delete(page)) return;
      for (const button of pressed) await xdotool('mouseup', String(X_BUTTONS[button])).catch(() => {});
      await session.quit().catch(() => {});
      // The next page's window must not find this one still on the display.
      if (driver.exitCode === null && driver.signalCode === null) {
        const gone = new Promise((resolve) => driver.once('exit', resolve));
        driver.kill();
        await gone;
      }
    },
  };
  browser.pages.add(page);
  // Drains what the last input left behind into `problems`.
  const drain = (method) => async (...args) => {
    const result = await method(...args);
    await execute('return null;');
    return result;
  };
  for (const name of ['down', 'up', 'press']) keyboard[name] = drain(keyboard[name]);
  return { page, problems };
}

async function waitFor(condition, timeout, what) {
  const end = Date.now() + timeout;
  while (!(await condition())) {
    if (Date.now() > end) {
      throw new Error(`WebKit: timed out waiting for ${typeof what === 'function' ? what() : what}`);
    }
    await sleep(10);
  }
}
