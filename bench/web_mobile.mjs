// What a phone sees of the browser version: the site served compressed as a static host serves
// it (gzip for all but the pictures), opened fresh on Lighthouse's mobile profile as DevTools
// applies it (562.5 ms per request, 1.44 Mbit/s down and 675 kbit/s up, the CPU slowed 4x, a
// 412 x 823 touch screen at ratio 1.75): the time to the board's first paint, the time until a
// tap on an arrow cell turns its line, the bytes on the wire before the first paint, and when the
// photograph joins the board (with no budget: nothing waits for it). Median
// of RUNS first visits (3); fails over its budgets. Run by bench/web.sh after a build; SITE=folder
// measures another build.
import { launchChromium, serveSite, siteFolder, waitInPage } from '../web/tests/chromium.mjs';

const runs = Number(process.env.RUNS_MOBILE ?? 3);
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor((values.length - 1) / 2)];
const site = await serveSite(process.env.SITE ?? siteFolder, undefined, { gzip: true });
const browser = await launchChromium();

async function visit() {
  const context = await browser.newContext({ viewport: { width: 412, height: 823 },
    deviceScaleFactor: 1.75, isMobile: true, hasTouch: true, locale: 'it-IT' });
  const page = await context.newPage();
  const errors = [];
  page.on('pageerror', (e) => errors.push(e.message));
  const cdp = await context.newCDPSession(page);
  await cdp.send('Network.enable');
  await cdp.send('Network.emulateNetworkConditions', { offline: false, latency: 562.5,
    downloadThroughput: (1474.56 * 1024) / 8, uploadThroughput: (675 * 1024) / 8 });
  await cdp.send('Emulation.setCPUThrottlingRate', { rate: 4 });
  // When each touch reached the page, by the page's clock.
  await context.addInitScript(() => {
    window.touchedAt = [];
    addEventListener('pointerdown', (e) => window.touchedAt.push(e.timeStamp), true);
  });
  await page.goto(site.url, { waitUntil: 'commit' });
  // Taps on the first row's arrow cell as soon as there is one, until a tap turns the row: the
  // time the tap that did reached the page.
  const arrow = () => page.evaluate(() => {
    const cell = [...document.querySelectorAll('#overlay button')]
      .find((b) => b.textContent === 'Riga 1, ruota a destra');
    const row = document.querySelector('#overlay [role="row"]');
    const box = cell?.getBoundingClientRect();
    return box && { x: box.x + box.width / 2, y: box.y + box.height / 2, row: row.textContent };
  });
  let tapped = null;
  for (const end = Date.now() + 60000; tapped === null && Date.now() < end;) {
    const at = await arrow();
    if (!at) {
      await page.waitForTimeout(10);
      continue;
    }
    await page.touchscreen.tap(at.x, at.y);
    if ((await arrow()).row !== at.row) tapped = await page.evaluate(() => window.touchedAt.at(-1));
  }
  await waitInPage(page, () => performance.getEntriesByName('photo-shown').length > 0, null,
    60000);
  const measured = await page.evaluate(() => {
    const painted = performance.getEntriesByName('board-painted')[0].startTime;
    const photo = performance.getEntriesByName('photo-shown')[0].startTime;
    const bytes = [...performance.getEntriesByType('navigation'),
      ...performance.getEntriesByType('resource')]
      .filter((e) => e.responseEnd <= painted).reduce((n, e) => n + e.transferSize, 0);
    return { painted, bytes, photo };
  });
  await context.close();
  if (errors.length || tapped === null) throw new Error(errors.join('\n') || 'no tap worked');
  return { ...measured, tapped };
}

const visits = [];
for (let i = 0; i < runs; i++) visits.push(await visit());
await browser.close();
site.server.close();

const of = (what) => median(visits.map((v) => v[what]));
const rows = [
  ['the board\'s first paint', of('painted'), 1800, (v) => `${(v / 1000).toFixed(2)} s`],
  ['a tap on an arrow cell turns its line', of('tapped'), 2000, (v) => `${(v / 1000).toFixed(2)} s`],
  ['on the wire before the first paint', of('bytes'), 120 * 1024, (v) => `${(v / 1024).toFixed(1)} KB`],
  ['the photograph joins the board', of('photo'), Infinity, (v) => `${(v / 1000).toFixed(2)} s`],
];
console.log(`| on the mobile profile (median of ${runs} first visits) | pirandella | budget |`);
console.log('|---|---|---|');
for (const [what, value, budget, shown] of rows)
  console.log(`| ${what} | ${shown(value)} | ${budget < Infinity ? `<= ${shown(budget)}` : ''} |`);
const over = rows.filter(([, value, budget]) => value > budget);
for (const [what, value, budget] of over) console.error(`over budget: ${what} ${value} > ${budget}`);
process.exitCode = over.length ? 1 : 0;
