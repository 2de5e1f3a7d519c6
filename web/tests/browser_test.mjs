// The web page in a real browser, at device pixel ratio 1 and 2: it loads without a console
// error, is found by a screen reader's roles and names, plays with the mouse and the keyboard,
// undoes, shows its instructions, plays back the solution, is solved by clicks alone and, once
// loaded, plays offline; a missing or damaged file is told on the page. The tests that compare
// the canvas with the core's own renderer play on the test's site (test-site/, whose WebAssembly
// has the renderer too), and the site that ships draws what it draws, pixel for pixel.
// Screenshots go to build-web/screenshots/.
import assert from 'node:assert/strict';
import { cpSync, mkdirSync, mkdtempSync, rmSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { after, before, test } from 'node:test';
import { fileURLToPath } from 'node:url';
import {
  launchChromium, openGame, serveSite, siteFolder, testSiteFolder, waitInPage,
} from './chromium.mjs';

const shots = fileURLToPath(new URL('../../build-web/screenshots/', import.meta.url));
let browser;
let site;
let testSite;

before(async () => {
  mkdirSync(shots, { recursive: true });
  browser = await launchChromium();
  site = await serveSite();
  testSite = await serveSite(testSiteFolder);
});
after(async () => {
  await browser?.close();
  site?.server.close();
  testSite?.server.close();
});

// The board's letters as the screen reader's grid tells them, row by row.
function readGrid(page) {
  return page.evaluate(() => [...document.querySelectorAll('#overlay [role="row"]')].map((row) =>
    [...row.querySelectorAll('[role="gridcell"]')].map((c) => c.textContent.split(': ')[1][0])
      .join('')));
}

async function until(check, ms = 3000) {
  for (const end = Date.now() + ms; !(await check());) {
    if (Date.now() > end) throw new Error(`not so after ${ms} ms: ${check}`);
    await new Promise((done) => setTimeout(done, 20));
  }
}

const turnedRight = (s) => s.slice(-1) + s.slice(0, -1);
const turnedLeft = (s) => s.slice(1) + s[0];
const column = (grid, c) => grid.map((row) => row[c]).join('');

// The arrow cell's button, by role and name; a click goes where the player clicks, on the canvas.
async function clickArrow(page, name) {
  const box = await page.getByRole('button', { name, exact: true }).boundingBox();
  await page.mouse.click(box.x + box.width / 2, box.y + box.height / 2);
}

// What move turned one board into the next, named as its arrow cell is.
// A row's turn changes that row alone; a column's changes at least two rows.
function moveBetween(before, after) {
  const rows = before.flatMap((row, r) => (row === after[r] ? [] : [r]));
  if (rows.length === 1) {
    const r = rows[0];
    return `Riga ${r + 1}, ruota a ${turnedRight(before[r]) === after[r] ? 'destra' : 'sinistra'}`;
  }
  for (let c = 0; c < before.length; c++) {
    const [was, is] = [column(before, c), column(after, c)];
    if (was !== is) return `Colonna ${c + 1}, ruota ${turnedRight(was) === is ? 'in giù' : 'in su'}`;
  }
  throw new Error('no line turned');
}

// The canvas beside the core's own rendering of the same frame (on black and on white in place of
// the photograph): the tiles' pixels where nothing of the photograph shows through, and the
// message line's bright strokes, agree within antialiasing; and the photograph shows round the
// board.
async function assertCanvasIsTheCores(page, what) {
  await waitInPage(page, () => window.pirandellaPhotoShown === true); // it comes after the board
  const found = await page.evaluate(() => {
    const canvas = document.getElementById('canvas');
    // The last frame as the test site's WebAssembly paints it, on a photograph of one colour
    // (0xRRGGBB); its pixels 0xAARRGGBB.
    const reference = (ground) => {
      const { m, handle } = window.pirandella;
      const { width, height } = canvas;
      const at = m._web_reference(handle, width, height, ground) / 4;
      return { width, height, pixels: m.HEAPU32.slice(at, at + width * height) };
    };
    const { width, height, pixels } = reference(0x000000);
    const onWhite = reference(0xffffff).pixels;
    const seen = canvas.getContext('2d').getImageData(0, 0, width, height).data;
    const frame = canvas.getBoundingClientRect();
    const scale = width / frame.width;
    const box = (el) => {
      const r = el.getBoundingClientRect();
      return [r.left - frame.left, r.top - frame.top, r.right - frame.left, r.bottom - frame.top]
        .map((v) => Math.round(v * scale));
    };
    const rgb = (x, y) => {
      const p = pixels[y * width + x];
      const i = 4 * (y * width + x);
      return [[(p >>> 16) & 255, (p >>> 8) & 255, p & 255], [seen[i], seen[i + 1], seen[i + 2]]];
    };
    let tiles = 0, tilesOff = 0, strokes = 0, strokesOff = 0;
    for (const cell of document.querySelectorAll('#overlay [role="gridcell"]')) {
      const [x0, y0, x1, y1] = box(cell);
      for (let y = y0; y < y1; y++)
        for (let x = x0; x < x1; x++) {
          const [core, shown] = rgb(x, y);
          const i = y * width + x;
          if (pixels[i] !== onWhite[i] || core.every((v) => v === 0)) continue; // see-through
          tiles++;
          if (core.some((v, k) => Math.abs(v - shown[k]) > 64)) tilesOff++;
        }
    }
    const [x0, y0, x1, y1] = box(document.getElementById('message'));
    const light = (c) => (c[0] + c[1] + c[2]) / 3;
    for (let y = y0; y < y1; y++)
      for (let x = x0; x < Math.min(width, x1 + 20 * scale); x++) {
        const [core, shown] = rgb(x, y);
        if (light(core) < 200 && light(shown) < 200) continue;
        strokes++;
        if (Math.abs(light(core) - light(shown)) > 100) strokesOff++;
      }
    const colours = new Set();
    for (let y = 0; y < 20 * scale; y++)
      for (let x = 0; x < 20 * scale; x++) colours.add(rgb(x, y)[1].join());
    return { tiles, tilesOff, strokes, strokesOff, photo: colours.size };
  });
  assert.ok(found.tiles > 1000 && found.tilesOff < 0.02 * found.tiles, `${what}: tiles ${JSON.stringify(found)}`);
  assert.ok(found.strokes > 100 && found.strokesOff < 0.1 * found.strokes, `${what}: message line ${JSON.stringify(found)}`);
  assert.ok(found.photo > 20, `${what}: the photograph ${JSON.stringify(found)}`);
}

// The frame on the left edge of a tile that is not in its place, as the screen shows it: from
// its first device pixel, as many pure black columns as a frame line is thick at the scale the
// board is drawn at (a 34-pixel tile's device pixels over 34; one below 1.5), then the tile's
// white. A board drawn off the device pixel grid, or stretched, shows grey there instead.
async function leftFrame(page) {
  const cell = page.getByRole('gridcell', { name: /^Riga \d, colonna \d: [A-Z]$/ }).first();
  const box = await cell.boundingBox();
  const y = box.y + box.height / 4;
  const png = await page.screenshot({ clip: { x: box.x, y, width: 4, height: 1 } });
  return page.evaluate(async ({ data, box }) => {
    const picture = new Image();
    picture.src = `data:image/png;base64,${data}`;
    await picture.decode();
    const ctx = new OffscreenCanvas(picture.width, 1).getContext('2d');
    ctx.drawImage(picture, 0, 0);
    const pixels = ctx.getImageData(0, 0, picture.width, 1).data;
    const columns = [...Array(picture.width).keys()];
    return { columns: columns.map((i) => pixels.slice(4 * i, 4 * i + 3).join(',')),
      scale: (box.width * devicePixelRatio) / 34 };
  }, { data: png.toString('base64'), box });
}

function assertSharpFrame({ columns, scale }, ratio) {
  const thickness = scale < 1.5 ? 1 : Math.round(scale);
  assert.deepEqual(columns.slice(0, thickness + 1),
    [...Array(thickness).fill('0,0,0'), '255,255,255'], `at ratio ${ratio}: ${columns}`);
}

for (const ratio of [1, 2]) {
  test(`the page plays at device pixel ratio ${ratio}`, async () => {
    const { context, page, errors } = await openGame(browser, testSite.url, ratio);
    assert.equal(await page.title(), 'pirandella');
    assert.equal(await page.getAttribute('html', 'lang'), 'it');
    // A screen reader finds the board, focused, as an application that takes its own keys.
    const tree = await (await context.newCDPSession(page)).send('Accessibility.getFullAXTree');
    const board = tree.nodes.find((node) => node.role?.value === 'application');
    assert.equal(board?.name.value, 'Tabellone');
    assert.match(board.description.value, /^Le frecce scelgono .*Invio.*Ctrl\+Z.*F1.*F2.*F10/);
    assert.ok(board.properties.some((p) => p.name === 'focused' && p.value.value === true));
    await page.screenshot({ path: `${shots}ratio-${ratio}.png` });

    // Found by role and name: the arrow cells, the tiles, the message line.
    const start = await readGrid(page);
    const n = start.length;
    assert.ok(n >= 5 && n <= 7 && start.every((row) => row.length === n), `board ${start}`);
    assert.equal(await page.getByRole('gridcell').count(), n * n);
    assert.equal(await page.locator('#overlay button').count(), 4 * n);
    await page.getByRole('button', { name: `Colonna ${n}, ruota in su`, exact: true }).waitFor();
    const task = `in orizzontale posiziona ${n} nomi di animali`;
    assert.equal(await page.locator('#message').textContent(), task);
    // What an event says goes to the one live region: first the board's words and the task.
    const heard = () => page.locator('.speaker[aria-live]').textContent();
    assert.equal(await heard(), `Tabellone. ${board.description.value} ${task}`);

    assertSharpFrame(await leftFrame(page), ratio);
    await assertCanvasIsTheCores(page, `at ratio ${ratio}`);
    // The arrow pointer, sharp at ratio 2, its hot spot on the tip.
    const above = await page.getByRole('button', { name: 'Colonna 1, ruota in giù' }).boundingBox();
    await page.mouse.move(above.x + 10, above.y + 10);
    assert.match(await page.locator('#canvas').evaluate((c) => c.style.cursor),
      /^image-set\(url\("data:image\/png;base64,.*"\) 1x, url\(".*"\) 2x\) 7 13, pointer$/);

    // A click on an arrow cell turns its line; the menu's undo turns it back.
    await clickArrow(page, 'Riga 1, ruota a destra');
    assert.equal((await readGrid(page))[0], turnedRight(start[0]));
    await assertCanvasIsTheCores(page, `after a move at ratio ${ratio}`);
    await page.getByRole('button', { name: 'Annulla mossa' }).click();
    await until(async () => (await readGrid(page))[0] === start[0]);
    // and tells a screen reader so, with the line's letters.
    assert.match(await heard(),
      new RegExp(`^Mossa annullata\\. Riga 1: ${[...start[0]].join(', ')}`));

    // Keyboard play: the first key puts the marker on the first arrow, Enter turns its column.
    await page.locator('#board').focus();
    await page.keyboard.press('ArrowRight');
    const marked = await page.getAttribute('#board', 'aria-activedescendant');
    assert.equal(await page.locator(`#${marked}`).textContent(), 'Colonna 1, ruota in giù');
    await page.keyboard.press('Enter');
    const turned = turnedRight(column(start, 0));
    assert.equal(column(await readGrid(page), 0), turned);
    assert.match(await heard(), new RegExp(`^Colonna 1: ${[...turned].join(', ')}; \\d al posto`));
    await page.keyboard.press('Control+z');
    await until(async () => (await heard()).startsWith('Mossa annullata. Colonna 1: ' +
      [...column(start, 0)].join(', ')));
    await page.keyboard.press('F10');
    assert.equal(await page.evaluate(() => document.activeElement.textContent), 'Soluzione');
    await page.keyboard.press('Escape');

    // The instructions: the caption says what the command will do next; the page reads as text.
    const outlines = page.waitForResponse(/instructions\.outlines$/); // fetched when first shown
    await page.getByRole('button', { name: 'Istruzioni', exact: true }).click();
    await page.getByRole('button', { name: 'Esci da Istruzioni' }).waitFor();
    await page.getByRole('region', { name: 'Istruzioni' }).getByText('ISTRUZIONI').waitFor();
    await (await outlines).finished();
    await page.waitForTimeout(100);
    await page.screenshot({ path: `${shots}instructions-${ratio}.png` });
    await assertCanvasIsTheCores(page, `with the instructions at ratio ${ratio}`);
    await page.getByRole('button', { name: 'Esci da Istruzioni' }).click();
    await page.getByRole('button', { name: 'Istruzioni', exact: true }).waitFor();

    // The solution plays back at 120 ms a move until every tile stands in its place.
    await page.getByRole('button', { name: 'Soluzione' }).click();
    await waitInPage(page, (count) => document.querySelectorAll(
      '#overlay [role="gridcell"]').length === count && [...document.querySelectorAll(
      '#overlay [role="gridcell"]')].every((c) => c.textContent.endsWith(', al posto giusto')),
    n * n);
    await until(async () => (await page.locator('#overlay button').count()) === 0); // no arrows

    // F2 and Ctrl+N each make a new puzzle, whose task is said once: not again when the focus
    // leaves the board and comes back.
    for (const key of ['F2', 'Control+n']) {
      await page.locator('#board').focus();
      await page.keyboard.press(key);
      await until(async () => (await page.locator('#overlay button').count()) >= 20);
      const said = await heard();
      assert.match(said, /^in orizzontale posiziona [567] nomi di animali$/, key);
      await page.getByRole('button', { name: 'Soluzione' }).focus();
      await page.locator('#board').focus();
      assert.equal(await heard(), said, key);
    }
    assert.deepEqual(errors, []);
    await context.close();
  });
}

test('frames fall on whole device pixels at ratio 1.25 and 1.5', async () => {
  for (const ratio of [1.25, 1.5]) {
    const { context, page, errors } = await openGame(browser, site.url, ratio);
    assertSharpFrame(await leftFrame(page), ratio);
    assert.deepEqual(errors, []);
    await context.close();
  }
});

// The site that ships differs from the test's only by the renderer its WebAssembly leaves out:
// through a game, its canvas and the arrow pointer it shows are the test site's, pixel for pixel.
test('the site that ships draws what the test site draws, pixel for pixel', async () => {
  for (const ratio of [1, 2]) {
    const drawn = [];
    for (const url of [site.url, testSite.url]) {
      const { context, page, errors } = await openGame(browser, url, ratio);
      await waitInPage(page, () => window.pirandellaPhotoShown === true);
      const frames = [];
      const frame = async () => frames.push(await page.evaluate(async () => {
        const canvas = document.getElementById('canvas');
        const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
        const digest = new Uint8Array(await crypto.subtle.digest('SHA-256', data));
        return `${canvas.width}x${canvas.height} ${digest.join()} ${canvas.style.cursor}`;
      }));
      await frame();
      const arrow = await page.getByRole('button', { name: 'Riga 1, ruota a destra', exact: true })
        .boundingBox();
      await page.mouse.move(arrow.x + arrow.width / 2, arrow.y + arrow.height / 2);
      await frame(); // the pointer over an arrow cell
      await clickArrow(page, 'Riga 1, ruota a destra');
      await frame();
      await page.locator('#board').focus();
      await page.keyboard.press('ArrowRight');
      await frame(); // the keyboard's marker
      const outlines = page.waitForResponse(/instructions\.outlines$/);
      await page.getByRole('button', { name: 'Istruzioni', exact: true }).click();
      await (await outlines).finished();
      await page.getByRole('region', { name: 'Istruzioni' }).getByText('ISTRUZIONI').waitFor();
      await page.waitForTimeout(100);
      await frame();
      await page.getByRole('button', { name: 'Esci da Istruzioni' }).click();
      await page.getByRole('button', { name: 'Soluzione' }).click();
      await until(async () => (await page.locator('#overlay button').count()) === 0, 10000);
      await frame(); // solved
      assert.equal(new Set(frames).size, frames.length, `at ratio ${ratio}: each frame changed`);
      assert.deepEqual(errors, []);
      drawn.push(frames);
      await context.close();
    }
    assert.deepEqual(drawn[0], drawn[1], `at ratio ${ratio}`);
  }
});

test('a puzzle is solved by clicks alone, and once loaded the game plays offline', async () => {
  // The solution's playback on one page names the moves that solve the same puzzle on another.
  const shown = await openGame(browser, site.url, 1);
  const { context, page, errors } = await openGame(browser, testSite.url, 1);
  await waitInPage(page, () => navigator.serviceWorker.controller !== null);
  let board = await readGrid(shown.page);
  assert.deepEqual(await readGrid(page), board);
  const now = new Date('2026-03-02T10:21:00');
  await shown.page.clock.install({ time: now });
  await shown.page.clock.pauseAt(new Date(now.getTime() + 1000)); // its ticks come when told
  await shown.page.getByRole('button', { name: 'Soluzione' }).click();
  const moves = [];
  while (!(await shown.page.locator('#message').textContent()).startsWith('SCHEMA')) {
    await shown.page.clock.runFor(120);
    const next = await readGrid(shown.page);
    if (next.join() === board.join()) break; // the playback has ended
    moves.push(moveBetween(board, next));
    board = next;
  }
  await shown.context.close();
  assert.ok(moves.length >= 20, `${moves.length} moves`);

  for (const move of moves) await clickArrow(page, move);
  assert.equal(await page.locator('#message').textContent(),
    `SCHEMA RISOLTO con n°${moves.length} mosse`);
  // A screen reader hears it once, from the one live region.
  assert.equal(await page.locator('.speaker').textContent(),
    `SCHEMA RISOLTO con n°${moves.length} mosse`);
  assert.equal(await page.locator('[aria-live]').count(), 1);
  await page.screenshot({ path: `${shots}solved.png` });
  await assertCanvasIsTheCores(page, 'solved');

  // Offline: a reload comes from the service worker's copy and brings the solved game back; the
  // instructions, never shown online, come from that copy too; a new puzzle plays.
  await until(() => page.evaluate(async () => (await caches.keys()).length === 1 &&
    (await caches.match('instructions.outlines')) !== undefined));
  await context.setOffline(true);
  await page.reload();
  await waitInPage(page, () => window.pirandellaReady === true);
  assert.equal(await page.locator('#message').textContent(),
    `SCHEMA RISOLTO con n°${moves.length} mosse`);
  const outlines = page.waitForResponse(/instructions\.outlines$/);
  await page.getByRole('button', { name: 'Istruzioni', exact: true }).click();
  assert.equal((await outlines).status(), 200);
  await page.getByRole('region', { name: 'Istruzioni' }).getByText('ISTRUZIONI').waitFor();
  assert.ok(await page.getByRole('alert').isHidden());
  await page.getByRole('button', { name: 'Esci da Istruzioni' }).click();
  await page.getByRole('button', { name: 'Nuovo schema' }).click();
  const offline = await readGrid(page);
  await clickArrow(page, 'Riga 2, ruota a sinistra');
  assert.equal((await readGrid(page))[1], turnedLeft(offline[1]));
  assert.deepEqual(errors, []);
  await context.close();
});

// Phones upright and across, touch, and a large window: nothing scrolls, the board with its
// arrow cells and the message line are in view, a phone's board takes at least 90 % of its
// width, a finger has 44-pixel commands and a tap turns one line. The game is kept: a reload
// gives it back and undo still works; a damaged kept game gives a new puzzle, told in the
// console as a warning. Chromium finds the page installable.
test('the page fits every screen, plays by touch and keeps the game', async () => {
  for (const [width, height, ratio, touch] of
    [[360, 640, 2, true], [390, 844, 3, true], [844, 390, 3, true], [1920, 1080, 1, false]]) {
    const context = await browser.newContext({ viewport: { width, height },
      deviceScaleFactor: ratio, isMobile: touch, hasTouch: touch, locale: 'it-IT' });
    await context.addInitScript(() => document.addEventListener('securitypolicyviolation', (e) =>
      console.error(`Content-Security-Policy: ${e.violatedDirective} refused ${e.blockedURI}`)));
    const page = await context.newPage();
    const [errors, warnings] = [[], []];
    page.on('console', (m) => (m.type() === 'error' ? errors : warnings).push(m.text()));
    page.on('pageerror', (e) => errors.push(e.message));
    // A board of 7; on the tall phone one of 5, the narrowest board under the widest message.
    const size = width === 390 ? 5 : 7;
    await page.clock.setFixedTime(new Date(`2026-03-02T10:20:${size === 5 ? 30 : 31}`));
    await page.goto(site.url);
    await waitInPage(page, () => window.pirandellaReady === true);
    const name = `${width}x${height}`;
    await page.screenshot({ path: `${shots}fit-${name}.png` });
    const seen = await page.evaluate(() => {
      const boxes = [...document.querySelectorAll('#overlay button, #message, #menubar button')]
        .map((e) => e.getBoundingClientRect());
      const arrows = [...document.querySelectorAll('#overlay button')]
        .map((e) => e.getBoundingClientRect());
      return { scrolls: document.documentElement.scrollWidth > innerWidth ||
          document.documentElement.scrollHeight > innerHeight,
        inView: boxes.every((b) => b.left >= 0 && b.top >= 0 && b.right <= innerWidth + 0.5 &&
          b.bottom <= innerHeight + 0.5),
        share: (Math.max(...arrows.map((b) => b.right)) - Math.min(...arrows.map((b) => b.left)))
          / innerWidth,
        smallest: Math.min(...[...document.querySelectorAll('#menubar button')].map((e) =>
          Math.min(e.offsetWidth, e.offsetHeight))) };
    });
    assert.equal(seen.scrolls, false, name);
    assert.ok(seen.inView, name);
    if (width < height) assert.ok(seen.share >= 0.9, `${name}: ${seen.share}`);
    if (touch) assert.ok(seen.smallest >= 44, `${name}: ${seen.smallest}`);
    const start = await readGrid(page);
    assert.equal(start.length, size);
    const box = await page.getByRole('button', { name: 'Riga 1, ruota a destra', exact: true })
      .boundingBox();
    const at = [box.x + box.width / 2, box.y + box.height / 2];
    if (touch) await page.touchscreen.tap(...at);
    else await page.mouse.click(...at);
    assert.equal((await readGrid(page))[0], turnedRight(start[0]), name);
    if (width === 390) {
      await page.reload();
      await waitInPage(page, () => window.pirandellaReady === true);
      assert.deepEqual(await readGrid(page), [turnedRight(start[0]), ...start.slice(1)]);
      await page.getByRole('button', { name: 'Annulla mossa' }).click();
      await until(async () => (await readGrid(page)).join() === start.join());
      await page.evaluate(() => localStorage.setItem('pirandella.game', 'pirandella-game 9\n'));
      await page.reload();
      await waitInPage(page, () => window.pirandellaReady === true);
      assert.equal((await readGrid(page)).length, size); // the clock's puzzle, new
      assert.ok(warnings.some((w) => w.includes('versione 9 sconosciuta')), warnings.join());
    }
    if (width === 1920) {
      const cdp = await context.newCDPSession(page);
      const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
      // A test browser's profile is private, which Chromium names too; nothing else may be.
      assert.deepEqual(installabilityErrors.filter((e) => e.errorId !== 'in-incognito'), []);
    }
    assert.deepEqual(errors, [], name);
    await context.close();
  }
});

test('a missing or damaged file is told on the page, with nothing of the game drawn', async () => {
  const folder = mkdtempSync(join(tmpdir(), 'pirandella-site-'));
  cpSync(siteFolder, folder, { recursive: true });
  rmSync(join(folder, 'letters.outlines'));
  const broken = await serveSite(folder);
  const context = await browser.newContext({ viewport: { width: 480, height: 300 } });
  try { // a failure must not leave the server open, which would keep the test from ending
    const page = await context.newPage();
    const failure = page.getByRole('alert');
    await page.goto(broken.url);
    assert.equal(await failure.textContent(),
      'pirandella non può partire. Manca il file letters.outlines.');
    assert.ok(await page.locator('#window').isHidden());
    writeFileSync(join(folder, 'letters.outlines'), 'PIRAOUTL\x02'); // a version, cut short
    await page.reload();
    assert.equal(await failure.textContent(), 'pirandella non può partire. Il file '
      + 'letters.outlines è danneggiato: finisce troppo presto, al byte 8.');
    await page.screenshot({ path: `${shots}damaged.png` });
    // The server refuses a way out of its folder and a URL that does not decode, and goes on.
    for (const [path, status] of [['..%2fsite-other%2fx', 403], ['%E0%A4%A', 400], ['', 200]])
      assert.equal((await fetch(broken.url + path)).status, status, path);
  } finally {
    await context.close();
    broken.server.close();
    rmSync(folder, { recursive: true });
  }
});
