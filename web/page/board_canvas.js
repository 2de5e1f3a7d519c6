// The core's drawing interface on a 2D canvas: replays the list of calls that the game recorded
// while painting the board, everything in the canvas's device pixels. Each call's numbers are
// read by the names the core gives them (C.paint, from view/painting/paint_list.h).
import { C } from './core.js';

export const cssColour = ({ r, g, b, a }) => `rgba(${r}, ${g}, ${b}, ${a / 255})`;

export class BoardCanvas {
  // photos: [1x, 2x] images or null while loading; path(set, index): an outline as
  // { path, rule }, or null.
  constructor(canvas, photos, path) {
    this.canvas = canvas;
    this.photos = photos;
    this.path = path;
    this.scratch = []; // one canvas for each picture being drawn
  }

  replay(numbers) {
    const main = this.canvas.getContext('2d');
    main.setTransform(1, 0, 0, 1, 0, 0);
    const stack = [{ ctx: main }];
    let ctx = main;
    const clipTo = (f) => {
      ctx.save();
      ctx.beginPath();
      ctx.rect(f.clipX, f.clipY, f.clipWidth, f.clipHeight);
      ctx.clip();
    };
    for (let i = 0; i < numbers.length;) {
      const call = C.paint[numbers[i++]];
      if (!call) throw new Error('pirandella: the painting list is damaged');
      const f = {};
      for (const name of call.fields) f[name] = numbers[i++];
      switch (call.name) {
        case 'fillBox':
          ctx.fillStyle = cssColour(f);
          ctx.fillRect(f.x, f.y, f.width, f.height);
          break;
        case 'drawPhoto': {
          // Still loading: the photograph's own colour, until the repaint when it comes.
          const photo = this.photos[f.photo];
          clipTo(f);
          ctx.imageSmoothingQuality = 'high';
          if (photo) ctx.drawImage(photo, f.x, f.y, f.width, f.height);
          else {
            ctx.fillStyle = cssColour(C.ground);
            ctx.fillRect(f.x, f.y, f.width, f.height);
          }
          ctx.restore();
          break;
        }
        case 'beginPicture':
          ctx = this.pictureContext(stack.length - 1, f);
          stack.push({ ctx, box: f });
          break;
        case 'endPicture': {
          const { ctx: picture, box: { x, y, width, height } } = stack.pop();
          ctx = stack[stack.length - 1].ctx;
          ctx.drawImage(picture.canvas, 0, 0, width, height, x, y, width, height);
          break;
        }
        case 'fillOutline': {
          const outline = this.path(f.set, f.index);
          if (!outline) break;
          clipTo(f);
          ctx.translate(f.originX, f.originY);
          ctx.scale(f.scale, f.scale);
          ctx.fillStyle = cssColour(f);
          ctx.fill(outline.path, outline.rule);
          ctx.restore();
          break;
        }
      }
    }
  }

  // A transparent picture of the box's size, drawn in the canvas's own coordinates.
  pictureContext(depth, { x, y, width, height }) {
    let canvas = this.scratch[depth];
    if (!canvas) canvas = this.scratch[depth] = document.createElement('canvas');
    if (canvas.width < width || canvas.height < height) {
      canvas.width = Math.max(canvas.width, width);
      canvas.height = Math.max(canvas.height, height);
    }
    const ctx = canvas.getContext('2d');
    ctx.setTransform(1, 0, 0, 1, 0, 0);
    ctx.clearRect(0, 0, width, height);
    ctx.setTransform(1, 0, 0, 1, -x, -y);
    return ctx;
  }
}
