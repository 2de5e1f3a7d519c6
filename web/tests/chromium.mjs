// Debian's Chromium driven headless by playwright-core, and the built site served on a free port:
// shared by the browser test and the benchmark.
import { chromium } from 'playwright-core';
import { mkdtempSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import { serve } from '../../scripts/serve.mjs';

export const siteFolder = fileURLToPath(new URL('../../build-web/site', import.meta.url));
// The same site for the tests that compare the canvas with the core's own renderer, which only
// its WebAssembly links (web/reference.cpp).
export const testSiteFolder = fileURLToPath(new URL('../../build-web/test-site', import.meta.url));

// A fresh browser; playwright gives it a new empty profile (its --user-data-dir) every launch,
// and what Chromium keeps beside a profile (its crash reports' settings) goes to /tmp too, not
// into the home.
export function launchChromium() {
  const home = mkdtempSync(join(tmpdir(), 'pirandella-chromium-'));
  return chromium.launch({
    executablePath: process.env.CHROMIUM ?? '/usr/bin/chromium',
    env: { ...process.env, XDG_CONFIG_HOME: home, XDG_CACHE_HOME: home },
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
}

export async function serveSite(folder = siteFolder, served = undefined, options = {}) {
  const server = await serve(folder, 0, served, options);
  // The address it listens on: "localhost" may name ::1 first, which Node 18 tries alone.
  return { server, url: `http://127.0.0.1:${server.address().port}/` };
}

// Waits until the predicate holds in the page. Playwright's own waitForFunction evaluates it as a
// string in the page, which the page's Content-Security-Policy refuses; an evaluate is not.
export async function waitInPage(page, predicate, arg = undefined, ms = 10000) {
  for (const end = Date.now() + ms; !(await page.evaluate(predicate, arg));) {
    if (Date.now() > end) throw new Error(`not so after ${ms} ms: ${predicate}`);
    await new Promise((done) => setTimeout(done, 20));
  }
}

// A page of the game at a device pixel ratio, its clock fixed so that the puzzle is known (null:
// the real clock, and the browser's own timing), with every console error, uncaught exception
// and refusal of the Content-Security-Policy collected.
export async function openGame(browser, url, ratio, time = new Date('2026-03-02T10:20:30')) {
  const context = await browser.newContext({
    deviceScaleFactor: ratio, viewport: { width: 480, height: 540 }, locale: 'it-IT',
  });
  // A refusal of the page's Content-Security-Policy is an error like any other.
  await context.addInitScript(() => document.addEventListener('securitypolicyviolation', (e) =>
    console.error(`Content-Security-Policy: ${e.violatedDirective} refused ${e.blockedURI}`)));
  const page = await context.newPage();
  const errors = [];
  page.on('console', (m) => m.type() === 'error' && errors.push(m.text()));
  page.on('pageerror', (e) => errors.push(e.message));
  if (time) await page.clock.setFixedTime(time);
  await page.goto(url);
  await waitInPage(page, () => window.pirandellaReady === true);
  return { context, page, errors };
}
