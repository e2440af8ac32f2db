import { closeBrowser, launchBrowser, openPage, engine } from './support/page.mjs';
import { setTimeout as sleep } from 'node:timers/promises';
const browser = await launchBrowser();
try {
  const viewport = { width: Number(process.env.W || 1920), height: Number(process.env.H || 1080) };
  const { page, problems } = await openPage(browser, { viewport, ratio: Number(process.env.R || 1) });
  await page.click('#cmdRand');
  for (const i of [7, 6, 5]) { await page.evaluate((k) => { window.tarvelDemo.model.clickMarker(k); window.tarvelDemo.model.clickMarker(k); window.tarvelDemo.sync(); }, i); }
  await page.evaluate(() => { window.tarvelDemo.model.tick(); window.tarvelDemo.sync(); });
  await sleep(500);
  await page.screenshot({ path: `/tmp/lead/${engine}-${viewport.width}.png` });
  console.log(problems);
  await page.close();
} finally { await closeBrowser(browser); }
