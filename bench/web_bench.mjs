// The browser version's size and speed in headless Chromium, served from this machine as it is
// (uncompressed, no throttling): the game's WebAssembly and all the site's JavaScript gzipped, the
// bytes a first visit loads before the board is painted at ratio 1 and at ratio 3, then with the
// service worker's copy of the whole site, the time from navigation to the board's first paint,
// and how far apart the playback's ticks fall. Prints one table; fails over its budgets. Run by
// bench/web.sh after a build; SITE=folder measures another build.
import { readFileSync, readdirSync } from 'node:fs';
import { join } from 'node:path';
import { gzipSync } from 'node:zlib';
import {
  launchChromium, openGame, serveSite, siteFolder, waitInPage,
} from '../web/tests/chromium.mjs';

const runs = Number(process.env.RUNS ?? 11);
const folder = process.env.SITE ?? siteFolder;
const kb = (bytes) => `${(bytes / 1024).toFixed(1)} KB`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) / 2)];

const gzipped = (files) => files.reduce((sum, f) =>
  sum + gzipSync(readFileSync(join(folder, f)), { level: 9 }).length, 0);
const game = gzipped(['pirandella.wasm',
  ...readdirSync(folder).filter((f) => f.endsWith('.js'))]);

let bytes = 0;
let requests = 0;
const site = await serveSite(folder, (path, size) => {
  bytes += size;
  requests += 1;
});
const browser = await launchChromium();

// A first visit: a new profile, nothing cached; until the service worker has kept its copy.
async function firstVisit(ratio = 1) {
  bytes = requests = 0;
  const { context, page, errors } = await openGame(browser, site.url, ratio, null);
  // What came before the board's first paint, bodies as sent (the service worker comes after).
  const toPaint = await page.evaluate(() => {
    const painted = performance.getEntriesByName('board-painted')[0].startTime;
    return [...performance.getEntriesByType('navigation'),
      ...performance.getEntriesByType('resource')]
      .filter((e) => e.responseEnd <= painted).reduce((n, e) => n + e.encodedBodySize, 0);
  });
  await waitInPage(page, () => navigator.serviceWorker.controller !== null);
  await page.waitForTimeout(500); // what the worker keeps after it starts
  const painted = await page.evaluate(() =>
    performance.getEntriesByName('board-painted')[0].startTime);
  await context.close();
  if (errors.length) throw new Error(errors.join('\n'));
  return { toPaint, bytes, requests, painted };
}

const visits = [];
for (let i = 0; i < runs; i++) visits.push(await firstVisit());
const dense = [];
for (let i = 0; i < 3; i++) dense.push(await firstVisit(3));

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
  ['WebAssembly + its glue + the page\'s scripts, gzipped', kb(game), '<= 40 KB'],
  ['first load to the board\'s paint at ratio 1', kb(median(visits.map((v) => v.toPaint))),
    '<= 269.8 KB'],
  ['first load to the board\'s paint at ratio 3', kb(median(dense.map((v) => v.toPaint))),
    '<= 500 KB'],
  [`with the service worker's copy of the whole site (${median(visits.map((v) => v.requests))
  } requests)`, kb(firstLoad), ''],
  ['navigation to the board\'s first paint', `${paint.toFixed(0)} ms`, '<= 345 ms'],
  ['playback tick spacing, median', `${median(gaps).toFixed(1)} ms`, '120 ms'],
  ['playback ticks 110 to 130 ms apart', `${gaps.filter((g) => g >= 110 && g <= 130).length} of ${
    gaps.length}`, ''],
];
console.log(`| measure (median of ${runs} first visits) | pirandella | target |`);
console.log('|---|---|---|');
for (const row of rows) console.log(`| ${row.join(' | ')} |`);

// The budgets a player's first visit is held to: the game's code at most 40 KB gzipped; at ratio
// 1 no more bytes, and no later a paint, than when the first paint still waited for the
// photograph (269.8 KB, 345 ms on this machine).
const over = [[game, 40 * 1024, 'WebAssembly and scripts gzipped'],
  [median(visits.map((v) => v.toPaint)), 269.8 * 1024, 'first load at ratio 1'],
  [median(dense.map((v) => v.toPaint)), 500 * 1024, 'first load at ratio 3'],
  [paint, 345, 'first paint']].filter(([value, budget]) => value > budget);
for (const [value, budget, what] of over) console.error(`over budget: ${what} ${value} > ${budget}`);
process.exitCode = over.length ? 1 : 0;
