// The arrow cells' mouse pointers as CSS cursors: a hollow block arrow in a 16 x 16 cell, a black
// outline with a light grey inner line, pointing the way the cell turns its line. Drawn as SVG
// once for one device pixel per pixel and once for two, with the hot spot on the tip.

const outer = [[5, 0], [9, 0], [9, 7], [13, 7], [7, 13], [1, 7], [5, 7], [5, 0]];
const inner = [[6, 1], [8, 1], [8, 8], [11, 8], [7, 12], [3, 8], [6, 8], [6, 1]];

// The pointers of the core's Pointer, after Default: down, left, right, up. Each maps a point of
// the arrow pointing down to the arrow pointing its way.
const turns = [
  ([x, y]) => [x, y],
  ([x, y]) => [14 - y, x],
  ([x, y]) => [y, x],
  ([x, y]) => [x, 14 - y],
];

function svg(turn, scale) {
  const line = (shape, colour) =>
    `<polyline fill="none" stroke="${colour}" stroke-width="1" points="${shape
      .map((p) => turn(p).map((v) => v + 0.5).join(','))
      .join(' ')}"/>`;
  const side = 16 * scale;
  return (
    `<svg xmlns="http://www.w3.org/2000/svg" width="${side}" height="${side}" ` +
    `viewBox="0 0 16 16">` +
    line(outer, '#000') + line(inner, '#c8c8c8') + '</svg>'
  );
}

const url = (text) => `url("data:image/svg+xml,${encodeURIComponent(text)}")`;

// CSS cursor values by the core's Pointer number; 0, the default, is the page's own arrow.
export function arrowCursors(probe) {
  const cursors = ['default'];
  for (const turn of turns) {
    const [x, y] = turn([7, 13]); // the tip
    const sharp = `image-set(${url(svg(turn, 1))} 1x, ${url(svg(turn, 2))} 2x) ${x} ${y}, pointer`;
    probe.style.cursor = sharp;
    cursors.push(probe.style.cursor ? sharp : `${url(svg(turn, 1))} ${x} ${y}, pointer`);
  }
  probe.style.cursor = '';
  return cursors;
}
