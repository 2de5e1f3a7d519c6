// The arrow cells' mouse pointers as CSS cursors, from the core's own pictures of them (a hollow
// block arrow in a 16 x 16 cell), at one device pixel per pixel and at two, with the hot spot on
// the tip.

// A picture's pixels (0xAARRGGBB, not premultiplied) as a PNG address.
function png({ pixels, side }) {
  const canvas = document.createElement('canvas');
  canvas.width = canvas.height = side;
  const image = new ImageData(side, side);
  pixels.forEach((p, i) => image.data.set([(p >>> 16) & 255, (p >>> 8) & 255, p & 255, p >>> 24],
    4 * i));
  canvas.getContext('2d').putImageData(image, 0, 0);
  return `url("${canvas.toDataURL('image/png')}")`;
}

// CSS cursor values by the core's Pointer number (1 to last the arrows); 0, the default, is the
// page's own arrow. picture(pointer, scale) gives the core's picture: its pixels, its side and
// its tip. The probe tells whether this browser takes image-set() in a cursor.
export function arrowCursors(last, probe, picture) {
  const cursors = ['default'];
  for (let pointer = 1; pointer <= last; pointer++) {
    const [one, two] = [picture(pointer, 1), picture(pointer, 2)];
    const [x, y] = [one.tipX, one.tipY];
    const sharp = `image-set(${png(one)} 1x, ${png(two)} 2x) ${x} ${y}, pointer`;
    probe.style.cursor = sharp;
    cursors.push(probe.style.cursor ? sharp : `${png(one)} ${x} ${y}, pointer`);
  }
  probe.style.cursor = '';
  return cursors;
}
