// The core's drawing interface on a 2D canvas: replays the list of calls that the game recorded
// while painting the board (see web/paint_list.h), everything in the canvas's device pixels.

export function cssColour(packed) {
  const r = Math.floor(packed / 0x1000000) & 255;
  const g = (packed >>> 16) & 255;
  const b = (packed >>> 8) & 255;
  const a = (packed & 255) / 255;
  return `rgba(${r}, ${g}, ${b}, ${a})`;
}

// The outlines as paths: steps are bytes (0 move, 1 line, 2 cubic), points x, y doubles.
export function outlinePaths(steps, points) {
  const path = new Path2D();
  let p = 0;
  for (const step of steps) {
    if (step === 0) path.moveTo(points[p], points[p + 1]);
    else if (step === 1) path.lineTo(points[p], points[p + 1]);
    else path.bezierCurveTo(points[p], points[p + 1], points[p + 2], points[p + 3],
      points[p + 4], points[p + 5]);
    p += step === 2 ? 6 : 2;
  }
  return path;
}

export class BoardCanvas {
  // code: the core's numbers of the calls; photos: [1x, 2x] images or null while loading;
  // outlines: [letters, page], each a list of { path, rule }.
  constructor(code, canvas, photos, outlines) {
    this.code = code;
    this.canvas = canvas;
    this.photos = photos;
    this.outlines = outlines;
    this.scratch = []; // one canvas for each picture being drawn
  }

  replay(numbers) {
    const main = this.canvas.getContext('2d');
    main.setTransform(1, 0, 0, 1, 0, 0);
    const stack = [{ ctx: main }];
    let ctx = main;
    let i = 0;
    const next = () => numbers[i++];
    const Code = this.code;
    const box = () => [next(), next(), next(), next()];
    while (i < numbers.length) {
      switch (next()) {
        case Code.fillBox: {
          const [x, y, w, h] = box();
          ctx.fillStyle = cssColour(next());
          ctx.fillRect(x, y, w, h);
          break;
        }
        case Code.drawPhoto: {
          const photo = this.photos[next()];
          const [x, y, w, h] = box();
          const clip = box();
          if (!photo) break; // still loading: it is painted again when it comes
          ctx.save();
          ctx.beginPath();
          ctx.rect(...clip);
          ctx.clip();
          ctx.imageSmoothingQuality = 'high';
          ctx.drawImage(photo, x, y, w, h);
          ctx.restore();
          break;
        }
        case Code.beginPicture: {
          const [x, y, w, h] = box();
          ctx = this.pictureContext(stack.length - 1, x, y, w, h);
          stack.push({ ctx, box: [x, y, w, h] });
          break;
        }
        case Code.endPicture: {
          const { ctx: picture, box: [x, y, w, h] } = stack.pop();
          ctx = stack[stack.length - 1].ctx;
          ctx.drawImage(picture.canvas, 0, 0, w, h, x, y, w, h);
          break;
        }
        case Code.fillOutline: {
          const set = next();
          const outline = this.outlines[set]?.[next()];
          const colour = next();
          const [ox, oy, scale] = [next(), next(), next()];
          const clip = box();
          if (!outline) break;
          ctx.save();
          ctx.beginPath();
          ctx.rect(...clip);
          ctx.clip();
          ctx.translate(ox, oy);
          ctx.scale(scale, scale);
          ctx.fillStyle = cssColour(colour);
          ctx.fill(outline.path, outline.rule);
          ctx.restore();
          break;
        }
        default:
          throw new Error('pirandella: the painting list is damaged');
      }
    }
  }

  // A transparent picture of the box's size, drawn in the canvas's own coordinates.
  pictureContext(depth, x, y, w, h) {
    let canvas = this.scratch[depth];
    if (!canvas) canvas = this.scratch[depth] = document.createElement('canvas');
    if (canvas.width < w || canvas.height < h) {
      canvas.width = Math.max(canvas.width, w);
      canvas.height = Math.max(canvas.height, h);
    }
    const ctx = canvas.getContext('2d');
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.clearRect(0, 0, w, h);
    ctx.setTransform(1, 0, 0, 1, -x, -y);
    return ctx;
  }
}
