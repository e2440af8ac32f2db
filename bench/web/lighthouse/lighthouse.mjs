// Lighthouse's scores of the page, served from 127.0.0.1 as a web server
// would serve it (gzip), in mobile mode (a mid-range phone on a slow
// connection, simulated) and in desktop mode:
//   (cd bench/web/lighthouse && npm ci && node lighthouse.mjs [PAGE.html ...])
// Without arguments it scores the web build, build/web/tarvel-demo.html;
// given several pages (say, an earlier build's beside this one) it scores
// each in the same run. Needs Debian's chromium (tools/install-dependencies.sh
// test). Prints each category's score and the timings behind performance,
// the median of LIGHTHOUSE_RUNS runs (3), then every audit that did not
// pass. Not a test: the timings vary with the machine and its load.
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import zlib from 'node:zlib';
import { fileURLToPath } from 'node:url';
import * as chromeLauncher from 'chrome-launcher';
import lighthouse from 'lighthouse';
import desktopConfig from 'lighthouse/core/config/desktop-config.js';

const here = path.dirname(fileURLToPath(import.meta.url));
const pageFiles = process.argv.length > 2 ? process.argv.slice(2)
  : [path.resolve(here, '../../../build/web/tarvel-demo.html')];
const RUNS = Number(process.env.LIGHTHOUSE_RUNS || 3);

function serve(html) {
  const gzipped = zlib.gzipSync(html, { level: 9 });
  const server = http.createServer((request, response) => {
    if (request.url !== '/' && request.url !== '/tarvel-demo.html') {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, {
      'Content-Type': 'text/html; charset=utf-8',
      'Content-Encoding': 'gzip',
      'Cache-Control': 'max-age=3600',
    });
    response.end(gzipped);
  });
  return new Promise((resolve) => server.listen(0, '127.0.0.1', () => resolve(server)));
}

const TIMINGS = ['first-contentful-paint', 'largest-contentful-paint', 'total-blocking-time',
  'speed-index', 'cumulative-layout-shift', 'interactive'];

async function runOnce(url, port, config) {
  const result = await lighthouse(url, { port, output: 'json', logLevel: 'error' }, config);
  const { categories, audits } = result.lhr;
  const scores = Object.fromEntries(Object.values(categories)
    .map((c) => [c.id, Math.round(c.score * 100)]));
  const timings = Object.fromEntries(TIMINGS.map((id) => [id, audits[id].displayValue]));
  const failed = Object.values(audits)
    .filter((a) => a.score !== null && a.score < 1 && a.scoreDisplayMode !== 'informative'
      && a.scoreDisplayMode !== 'manual' && a.scoreDisplayMode !== 'notApplicable')
    .map((a) => `${a.id} (${a.score})${a.displayValue ? `: ${a.displayValue}` : ''}`);
  return { scores, timings, failed };
}

const chrome = await chromeLauncher.launch({
  chromePath: process.env.CHROME_PATH || '/usr/bin/chromium',
  chromeFlags: ['--headless=new', '--no-sandbox'],
});
try {
  console.log(`CPU: ${os.cpus()[0].model}, ${os.cpus().length} cores; ${RUNS} runs each, median`);
  for (const pageFile of pageFiles) {
    const server = await serve(fs.readFileSync(pageFile));
    const url = `http://127.0.0.1:${server.address().port}/tarvel-demo.html`;
    console.log(`\n${pageFile}`);
    for (const [mode, config] of [['mobile', undefined], ['desktop', desktopConfig]]) {
      const runs = [];
      for (let k = 0; k < RUNS; ++k) runs.push(await runOnce(url, chrome.port, config));
      // The run with the median performance score stands for the mode.
      runs.sort((a, b) => a.scores.performance - b.scores.performance);
      const { scores, timings, failed } = runs[Math.floor(runs.length / 2)];
      console.log(`${mode}: ${Object.entries(scores).map(([k, v]) => `${k} ${v}`).join(', ')}`);
      console.log(`  ${Object.entries(timings).map(([k, v]) => `${k} ${v}`).join(', ')}`);
      for (const line of failed) console.log(`  not passed: ${line}`);
    }
    server.close();
  }
} finally {
  await chrome.kill();
}
