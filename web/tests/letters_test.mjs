// The page's letters against the fonts themselves: each tile's letter on the canvas, at device
// pixel ratio 1 and 2, looks most like the capital the screen reader names for that tile, of the
// 26 drawn straight from Liberation Mono Bold by tools/draw_references (reference/, never read by
// the game); and the message line looks like its task drawn from Liberation Serif. A page whose
// letters all looked alike, or whose text was drawn from the wrong glyphs, fails.
import assert from 'node:assert/strict';
import { readFileSync } from 'node:fs';
import { after, before, test } from 'node:test';
import { launchChromium, openGame, serveSite } from './chromium.mjs';

const reference = (name) =>
  readFileSync(new URL(`reference/${name}`, import.meta.url)).toString('base64');
let browser;
let site;

before(async () => {
  browser = await launchChromium();
  site = await serveSite(process.env.PIRANDELLA_SITE); // another build of the site, if named
});
after(async () => {
  await browser?.close();
  site?.server.close();
});

// In the page: what each tile and the message line look like, and how far each is from the
// references. A shape is the ink of a region over its own bounding box, as 16 x 16 shares, with
// the box's width over its height; a line's shape is its ink column by column (96 of them).
function compare({ letters, tasks }) {
  const decode = async (b64) => {
    const bytes = Uint8Array.from(atob(b64), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const ctx = new OffscreenCanvas(bitmap.width, bitmap.height).getContext('2d');
    ctx.drawImage(bitmap, 0, 0);
    return ctx.getImageData(0, 0, bitmap.width, bitmap.height);
  };
  const inkBox = (ink, [x0, y0, x1, y1]) => {
    let [minX, minY, maxX, maxY] = [Infinity, Infinity, -1, -1];
    for (let y = y0; y < y1; y++)
      for (let x = x0; x < x1; x++)
        if (ink(x, y)) [minX, minY, maxX, maxY] =
          [Math.min(minX, x), Math.min(minY, y), Math.max(maxX, x), Math.max(maxY, y)];
    return maxX < 0 ? null : [minX, minY, maxX + 1, maxY + 1];
  };
  const shape = (ink, region, columns, rows) => {
    const b = inkBox(ink, region);
    if (!b) return null;
    const [w, h] = [b[2] - b[0], b[3] - b[1]];
    const grid = new Float64Array(columns * rows);
    for (let y = b[1]; y < b[3]; y++)
      for (let x = b[0]; x < b[2]; x++)
        if (ink(x, y)) grid[Math.floor(((y - b[1]) * rows) / h) * columns +
          Math.floor(((x - b[0]) * columns) / w)] += (columns * rows) / (w * h);
    return { grid, aspect: w / h };
  };
  const distance = (a, b) =>
    a.grid.reduce((sum, v, i) => sum + Math.abs(v - b.grid[i]), 0) / a.grid.length +
    Math.abs(Math.log(a.aspect / b.aspect));
  return (async () => {
    const canvas = document.getElementById('canvas');
    const { width, height } = canvas;
    const seen = canvas.getContext('2d').getImageData(0, 0, width, height).data;
    const at = (x, y) => seen.subarray(4 * (y * width + x), 4 * (y * width + x) + 3);
    const frame = canvas.getBoundingClientRect();
    const scale = width / frame.width;
    const box = (el, inset = 0) => {
      const r = el.getBoundingClientRect();
      const [dx, dy] = [r.width * inset, r.height * inset];
      return [r.left + dx - frame.left, r.top + dy - frame.top, r.right - dx - frame.left,
        r.bottom - dy - frame.top].map((v) => Math.round(v * scale));
    };
    const font = await decode(letters);
    const dark = (image) => (x, y) => image.data[4 * (y * image.width + x)] < 128;
    const capitals = [...Array(26).keys()].map((k) =>
      shape(dark(font), [96 * k, 0, 96 * k + 96, font.height], 16, 16));
    const tiles = [];
    for (const cell of document.querySelectorAll('#overlay [role="gridcell"]')) {
      const [, letter, inPlace] = cell.textContent.match(/: ([A-Z])(, al posto giusto)?$/);
      // Dark grey on white, or red on the photograph; inside the frame and the grey edge.
      const ink = inPlace ? (x, y) => at(x, y)[0] > 200 && at(x, y)[1] < 110
        : (x, y) => at(x, y).every((v) => v < 128);
      const s = shape(ink, box(cell, 0.15), 16, 16);
      const far = capitals.map((c) => (s ? distance(s, c) : Infinity));
      const nearest = String.fromCharCode(65 + far.indexOf(Math.min(...far)));
      tiles.push({ letter, nearest });
    }
    const message = document.getElementById('message');
    const [x0, y0, x1, y1] = box(message);
    const line = shape((x, y) => (at(x, y)[0] + at(x, y)[1] + at(x, y)[2]) / 3 > 200,
      [x0, y0, Math.min(width, x1 + Math.round((x1 - x0) / 5)), y1], 96, 1);
    const taskFar = {};
    for (const [n, b64] of Object.entries(tasks)) {
      const image = await decode(b64);
      taskFar[n] = distance(line, shape(dark(image), [0, 0, image.width, image.height], 96, 1));
    }
    return { tiles, message: message.textContent, taskFar };
  })();
}

for (const ratio of [1, 2]) {
  test(`the letters on the canvas are the font's, at ratio ${ratio}`, async () => {
    const { context, page } = await openGame(browser, site.url, ratio);
    const tasks = Object.fromEntries([5, 6, 7].map((n) => [n, reference(`task-${n}.png`)]));
    tasks.solved = reference('solved.png');
    const found = await page.evaluate(compare, { letters: reference('letters.png'), tasks });
    await context.close();
    assert.ok(found.tiles.length >= 25, `only ${found.tiles.length} tiles`);
    const wrong = found.tiles.filter((t) => t.letter !== t.nearest);
    assert.deepEqual(wrong, [], `tiles that look like another letter: ${JSON.stringify(wrong)}`);
    assert.ok(new Set(found.tiles.map((t) => t.nearest)).size > 5, 'the letters look alike');
    // Its own task, and far from another line of the same font.
    const n = found.message.match(/posiziona (\d) nomi/)[1];
    assert.ok(found.taskFar[n] < 0.15 && found.taskFar.solved > 2 * found.taskFar[n],
      `the message line "${found.message}" against the font: ${JSON.stringify(found.taskFar)}`);
  });
}
