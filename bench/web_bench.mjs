// The browser version's size and speed in headless Chromium, served from this machine: the game's
// WebAssembly and JavaScript gzipped, the bytes of a whole first visit at ratio 1, the time from
// navigation to the board's first paint, and how far apart the playback's ticks fall. Prints one
// table. Run by bench/web.sh after a build.
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import {
  launchChromium, openGame, serveSite, siteFolder, waitInPage,
} from '../web/tests/chromium.mjs';

const runs = Number(process.env.RUNS ?? 11);
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) / 2)];

const gzipped = (files) => files.reduce((sum, f) =>
  sum + gzipSync(readFileSync(join(siteFolder, f)), { level: 9 }).length, 0);
const game = gzipped(['pirandella.wasm', 'pirandella.js']);
const pageScripts = readdirSync(siteFolder).filter((f) => f.endsWith('.js') && f !== 'pirandella.js');
const withPage = game + gzipped(pageScripts);

let bytes = 0;
let requests = 0;
const site = await serveSite(siteFolder, (path, size) => {
  bytes += size;
  requests += 1;
});
const browser = await launchChromium();

// A first visit: a new profile, nothing cached; until the service worker has kept its copy.
async function firstVisit() {
  bytes = requests = 0;
  const { context, page, errors } = await openGame(browser, site.url, 1, null);
  await waitInPage(page, () => navigator.serviceWorker.controller !== null);
  await page.waitForTimeout(500); // what the worker keeps after it starts
  const painted = await page.evaluate(() =>
    performance.getEntriesByName('board-painted')[0].startTime);
  await context.close();
  if (errors.length) throw new Error(errors.join('\n'));
  return { bytes, requests, painted };
}

const visits = [];
for (let i = 0; i < runs; i++) visits.push(await firstVisit());

// The solution's playback: the time between one change of the board and the next.
const { context, page } = await openGame(browser, site.url, 1, null);
const gaps = await page.evaluate(() => new Promise((done) => {
  const times = [];
  const grid = document.querySelector('[role="grid"]');
  const watch = new MutationObserver(() => {
    times.push(performance.now());
    if (document.querySelectorAll('#overlay button').length === 0) {
      watch.disconnect();
      done(times.slice(1).map((t, i) => t - times[i]).filter((gap) => gap > 1));
    }
  });
  watch.observe(document.getElementById('overlay'), { subtree: true, childList: true,
    characterData: true });
  grid.isConnected && document.querySelector('#menubar button').click();
}));
await context.close();
await browser.close();
site.server.close();

const firstLoad = median(visits.map((v) => v.bytes));
const paint = median(visits.map((v) => v.painted));
const rows = [
  ['WebAssembly + its JavaScript, gzipped', kb(game), '<= 40 KB'],
  ['the same with the page\'s own scripts', kb(withPage), ''],
  [`whole first load at ratio 1 (${median(visits.map((v) => v.requests))} requests)`,
    kb(firstLoad), '<= 300 KB'],
  ['navigation to the board\'s first paint', `${paint.toFixed(0)} ms`, '<= 500 ms'],
  ['playback tick spacing, median', `${median(gaps).toFixed(1)} ms`, '120 ms'],
  ['playback ticks 110 to 130 ms apart', `${gaps.filter((g) => g >= 110 && g <= 130).length} of ${
    gaps.length}`, ''],
];
console.log(`| measure (median of ${runs} first visits) | pirandella | target |`);
console.log('|---|---|---|');
for (const row of rows) console.log(`| ${row.join(' | ')} |`);
