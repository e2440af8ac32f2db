// Holds the web scenario runner (tarvel-script.js under node) against the
// native one on the same input: the same exit status, the same error text and
// the same JSON, where doubles may differ by 1e-12 relative (the maths
// libraries differ) and everything else must be equal. A double in an array
// is judged against the array's largest magnitude: a transform's samples near
// zero carry the rounding of its large ones.
//
//   node compare_runners.js NATIVE WEB_JS scenario FILE
//   node compare_runners.js NATIVE WEB_JS refusals
'use strict';

const { spawnSync } = require('child_process');

const [native, web, mode, file] = process.argv.slice(2);

// The dump keys whose numbers are doubles; every other number is a single-
// precision position or a count, and must match exactly.
const doubleKeys = new Set([
  'symbolTime', 'dFadeI', 'dFadeQ', 'dFadeMeanPower', 'dPowerSpectrum', 'dPulseSpectrum',
  'dMemorySpectrum', 'dShapedSignal', 'dSumSignal', 'dSymbol',
]);
const relativeTolerance = 1e-12;

function run(command, args, input) {
  const result = spawnSync(command, args, {
    input: input ?? '', encoding: 'utf8', maxBuffer: 1 << 28,
  });
  if (result.error) throw result.error;
  return { status: result.status, signal: result.signal, stdout: result.stdout, stderr: result.stderr };
}

function runBoth(args, input) {
  return {
    native: run(native, args, input),
    web: run(process.execPath, [web, ...args], input),
  };
}

// Differences between two parsed dumps, each named by its path.
function differences(native, web, path, inDouble, found, arrayScale = 0) {
  if (typeof native === 'number' && typeof web === 'number') {
    const scale = Math.max(Math.abs(native), Math.abs(web), arrayScale);
    const close = inDouble && Math.abs(native - web) <= relativeTolerance * scale;
    if (native !== web && !close) found.push(`${path}: native ${native}, web ${web}`);
  } else if (Array.isArray(native) && Array.isArray(web)) {
    if (native.length !== web.length) {
      found.push(`${path}: native has ${native.length} items, web ${web.length}`);
    } else {
      const scale = Math.max(0, ...native.filter(Number.isFinite).map(Math.abs));
      native.forEach((item, i) =>
        differences(item, web[i], `${path}[${i}]`, inDouble, found, scale));
    }
  } else if (native && web && typeof native === 'object' && typeof web === 'object') {
    const keys = new Set([...Object.keys(native), ...Object.keys(web)]);
    for (const key of keys) {
      differences(native[key], web[key], `${path}.${key}`, inDouble || doubleKeys.has(key), found);
    }
  } else if (native !== web) {
    found.push(`${path}: native ${JSON.stringify(native)}, web ${JSON.stringify(web)}`);
  }
  return found;
}

function compareRuns(label, runs) {
  const found = [];
  for (const what of ['status', 'signal', 'stderr']) {
    if (runs.native[what] !== runs.web[what]) {
      found.push(`${what}: native ${JSON.stringify(runs.native[what])}, ` +
                 `web ${JSON.stringify(runs.web[what])}`);
    }
  }
  const nativeLines = runs.native.stdout.split('\n');
  const webLines = runs.web.stdout.split('\n');
  if (nativeLines.length !== webLines.length) {
    found.push(`output lines: native ${nativeLines.length}, web ${webLines.length}`);
  } else {
    nativeLines.forEach((line, i) => {
      if (line === webLines[i]) return;
      differences(JSON.parse(line), JSON.parse(webLines[i]), `line ${i + 1}`, false, found);
    });
  }
  for (const difference of found) console.error(`${label}: ${difference}`);
  return found.length === 0;
}

// Malformed scripts on standard input, and a file that is not there: each
// must be refused with status 2 and a message, as the native runner does.
const refusals = [
  'bogus', 'click', 'click 8', 'click 0 1', 'key 0 #256', 'key 0 ab', 'fade 6', 'range -1',
  'symbol 1.5', 'clear eyes', 'drag 0 1e40 100', 'drag 0 nan 100', 'drag 0 0x10 100',
  'place 0 359 120', 'place 0 1e-50 120', 'draws 1', 'draws 1e-50', 'draws 0.5 x', 'tick -1',
  'dump words now',
  'dump\n\n# fine so far\nclick 99',
];

function checkRefusals() {
  let passed = true;
  for (const script of refusals) {
    const runs = runBoth([], script);
    const label = JSON.stringify(script);
    passed = compareRuns(label, runs) && passed;
    if (runs.web.status !== 2 || !/^line \d+: \S/.test(runs.web.stderr)) {
      console.error(`${label}: web runner gave status ${runs.web.status}, ` +
                    `error ${JSON.stringify(runs.web.stderr)}`);
      passed = false;
    }
  }
  const missing = runBoth(['no-such-scenario.tscript']);
  passed = compareRuns('a missing file', missing) && passed;
  if (missing.web.status !== 2) passed = false;
  return passed;
}

const passed = mode === 'scenario' ? compareRuns(file, runBoth([file])) : checkRefusals();
process.exit(passed ? 0 : 1);
