// The arrow cells' mouse pointers as CSS cursors, from the core's shape of each (a hollow block
// arrow in a 16 x 16 cell): drawn as SVG once for one device pixel per pixel and once for two,
// with the hot spot on the tip.

// shape(pointer) gives the core's lines of a pointer, each "x,y x,y ... r,g,b", then its tip.
function parse(text) {
  const lines = text.split('\n');
  const tip = lines.pop().split(',').map(Number);
  return {
    tip,
    lines: lines.map((line) => {
      const parts = line.trim().split(' ');
      return { colour: `rgb(${parts.pop()})`, points: parts.map((p) => p.split(',').map(Number)) };
    }),
  };
}

// Closed lines one pixel wide through pixel centres, at one or two device pixels a pixel.
function svg({ lines }, scale) {
  const polygon = ({ points, colour }) =>
    `<polygon fill="none" stroke="${colour}" stroke-width="1" points="${points
      .map(([x, y]) => `${x + 0.5},${y + 0.5}`).join(' ')}"/>`;
  const side = 16 * scale;
  return `<svg xmlns="http://www.w3.org/2000/svg" width="${side}" height="${side}" ` +
    `viewBox="0 0 16 16">${lines.map(polygon).join('')}</svg>`;
}

const url = (text) => `url("data:image/svg+xml,${encodeURIComponent(text)}")`;

// CSS cursor values by the core's Pointer number (1 to last the arrows); 0, the default, is the
// page's own arrow. The probe tells whether this browser takes image-set() in a cursor.
export function arrowCursors(last, probe, shape) {
  const cursors = ['default'];
  for (let pointer = 1; pointer <= last; pointer++) {
    const arrow = parse(shape(pointer));
    const [x, y] = arrow.tip;
    const sharp = `image-set(${url(svg(arrow, 1))} 1x, ${url(svg(arrow, 2))} 2x) ${x} ${y}, pointer`;
    probe.style.cursor = sharp;
    cursors.push(probe.style.cursor ? sharp : `${url(svg(arrow, 1))} ${x} ${y}, pointer`);
  }
  probe.style.cursor = '';
  return cursors;
}
