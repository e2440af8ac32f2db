// A screen reader's side of the page: an Xvfb display and a session bus of
// our own with the accessibility bus switched on, a browser showing its
// window there, and the AT-SPI client (atspi_client.py, Debian's python3
// with pyatspi) that reads the browser's tree, sets values as assistive
// tools do and hears what live regions announce.
import { execFile, spawn } from 'node:child_process';
import fs from 'node:fs';
import os from 'node:os';
import path from 'node:path';
import readline from 'node:readline';
import { fileURLToPath } from 'node:url';
import { promisify } from 'node:util';
import { startXvfb } from './webkit-page.mjs';

const run = promisify(execFile);
const clientPath = fileURLToPath(new URL('./atspi_client.py', import.meta.url));
const ANSWER_WAIT_MS = 30000;

function need(file, what) {
  if (!fs.existsSync(file)) throw new Error(`no ${what} at ${file}: tools/install-dependencies.sh test installs it`);
}

// A session bus that prints its address once it listens.
async function startBus(env) {
  need('/usr/bin/dbus-daemon', 'dbus-daemon');
  const bus = spawn('/usr/bin/dbus-daemon', ['--session', '--nofork', '--print-address=1'],
    { env, stdio: ['ignore', 'pipe', 'ignore'] });
  const address = await new Promise((resolve, reject) => {
    let text = '';
    bus.stdout.on('data', (d) => {
      text += d;
      if (text.includes('\n')) resolve(text.trim());
    });
    bus.on('exit', (code) => reject(new Error(`dbus-daemon stopped (${code})`)));
  });
  return { bus, address };
}

// The display, the bus and the accessibility bus switched on, as a desktop
// with a screen reader running has them: the environment for the browser.
export async function startDesktop() {
  need('/usr/bin/python3', 'python3');
  need('/usr/libexec/at-spi-bus-launcher', 'at-spi2-core');
  const { xvfb, display } = await startXvfb();
  const runtime = fs.mkdtempSync(path.join(os.tmpdir(), 'tarvel-atspi-'));
  const base = { ...process.env, DISPLAY: display, XDG_RUNTIME_DIR: runtime, NO_AT_BRIDGE: '', GTK_A11Y: '' };
  delete base.WAYLAND_DISPLAY;
  const { bus, address } = await startBus(base);
  const env = { ...base, DBUS_SESSION_BUS_ADDRESS: address };
  // The bus launcher starts on this call, as when a screen reader asks.
  await run('/usr/bin/dbus-send', ['--session', '--print-reply', '--dest=org.a11y.Bus', '/org/a11y/bus',
    'org.freedesktop.DBus.Properties.Set', 'string:org.a11y.Status', 'string:IsEnabled',
    'variant:boolean:true'], { env });
  return { env, xvfb, bus, runtime };
}

export function stopDesktop(desktop) {
  if (!desktop) return;
  desktop.bus.kill();
  desktop.xvfb.kill();
  fs.rmSync(desktop.runtime, { recursive: true, force: true });
}

// The client for the browser with this process id or application name:
// ask(command) sends one command and resolves to its answer (see
// atspi_client.py).
export async function startClient(desktop, browser) {
  const client = spawn('/usr/bin/python3', [clientPath, String(browser)],
    { env: desktop.env, stdio: ['pipe', 'pipe', 'pipe'] });
  let stderr = '';
  client.stderr.on('data', (d) => { stderr += d; });
  const lines = readline.createInterface({ input: client.stdout });
  const waiting = [];
  lines.on('line', (line) => waiting.shift()?.resolve(JSON.parse(line)));
  client.on('exit', (code) => {
    for (const w of waiting.splice(0)) w.reject(new Error(`the AT-SPI client stopped (${code}): ${stderr}`));
  });
  const next = () => new Promise((resolve, reject) => {
    const timer = setTimeout(() => reject(new Error(`the AT-SPI client did not answer: ${stderr}`)), ANSWER_WAIT_MS);
    waiting.push({ resolve: (v) => { clearTimeout(timer); resolve(v); },
      reject: (e) => { clearTimeout(timer); reject(e); } });
  });
  const ready = await next();
  if (!ready.ready) throw new Error(`the AT-SPI client did not start: ${stderr}`);
  const ask = async (command) => {
    const answer = next();
    client.stdin.write(`${JSON.stringify(command)}\n`);
    const reply = await answer;
    if (reply.error) throw new Error(`AT-SPI: ${reply.error}`);
    return reply;
  };
  return { ask, stop: () => client.kill() };
}
