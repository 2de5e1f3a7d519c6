// The browser's front end: one game in WebAssembly, its board painted on a canvas at the device
// pixel ratio, its four commands as the menu bar's buttons, its timer, its keys and what a screen
// reader finds. The game's own front end turns each event into the handler's call and then asks
// this page, its platform, to show what changed: captions, timer, text sizes, the picture and the
// screen reader's nodes.
import { BoardCanvas, outlinePaths } from './board_canvas.js';
import { arrowCursors } from './pointers.js';
import { ScreenReaderView, parseNodes } from './screen_reader.js';

// KeyboardEvent.key to the core's Key (C.key: the keys that play on the board; C.shortcut: those
// that run their menu commands wherever the keys are). C holds the numbers the page shares with
// the core, as the core gives them (web_constants).
function keyOf(C, e) {
  if (e.altKey || e.metaKey) return undefined;
  if (e.ctrlKey) return C.shortcut[`Control+${e.key.toLowerCase()}`];
  return C.shortcut[e.key] ?? C.key[e.key];
}

// What the page loaded itself, for the service worker to keep.
const loaded = new Set();

const savedGameKey = 'pirandella.game';

// Every failure is told to the player in Italian, naming the file; a file the server does not
// have is missing, as on the desktop.
const notLoaded = (url, why) => new Error(`Il file ${url} non si è potuto caricare (${why}).`);

async function fetchBytes(url) {
  loaded.add(url);
  const response = await fetch(url).catch((error) => { throw notLoaded(url, error.message); });
  if (response.status === 404) throw new Error(`Manca il file ${url}.`);
  if (!response.ok) throw notLoaded(url, `errore ${response.status}`);
  return new Uint8Array(await response.arrayBuffer());
}

function loadImage(url) {
  loaded.add(url);
  const image = new Image();
  image.src = url;
  return image.decode().then(() => image, () => { throw notLoaded(url, 'immagine illeggibile'); });
}

// The browser's own words go to the console; the player reads what failed.
async function startWebAssembly() {
  if (typeof WebAssembly !== 'object')
    throw new Error('Questo browser non ha WebAssembly, che il gioco richiede.');
  try {
    return await createPirandella();
  } catch (error) {
    console.error(`pirandella: ${error.message ?? error}`);
    throw new Error('Il file pirandella.wasm non si è potuto avviare: manca o è danneggiato.');
  }
}

// Where the player looks: a message on the page. At the start nothing of the game is shown;
// later the game stays as it is and goes on.
function showFailure(message, atStart) {
  const failure = document.getElementById('failure');
  failure.textContent = atStart ? `pirandella non può partire. ${message}` : message;
  failure.hidden = false;
  failure.classList.toggle('start', atStart);
  if (atStart) document.getElementById('window').hidden = true;
  console.error(`pirandella: ${message}`);
}

class WebGame {
  constructor(module) {
    const m = module;
    this.m = module;
    this.C = JSON.parse(module.UTF8ToString(module._web_constants()));
    const now = new Date();
    this.handle = module._web_create(now.getTime() / 1000, now.getHours(), now.getMinutes(),
      now.getSeconds(), screen.width, screen.height);
    this.canvas = document.getElementById('canvas');
    this.board = document.getElementById('board');
    // The board's words are the core's (the page has them already, unless they changed).
    ['aria-label', 'aria-description'].forEach((name, what) => {
      const words = this.text(m._web_board_words(what));
      if (this.board.getAttribute(name) !== words) this.board.setAttribute(name, words);
    });
    this.menu = [...document.querySelectorAll('#menubar button')];
    this.outlines = [[], null, [], []]; // letters, the page (when first shown), shapes, glyphs
    this.photos = [null, null];
    this.painter = new BoardCanvas(this.C.paint, this.canvas, this.photos, this.outlines);
    this.reader = new ScreenReaderView(this.C, document.getElementById('overlay'), this.board,
      (element) => m._web_click(this.handle, element));
    this.cursors = arrowCursors(this.C.pointer.last, this.canvas, (pointer, scale) => {
      const at = m._web_pointer_picture(this.handle, pointer, scale) / 4;
      const side = m._web_pointer_side(this.handle);
      return { pixels: m.HEAPU32.slice(at, at + side * side), side,
        tip: [0, 1].map((what) => m._web_pointer_tip(this.handle, pointer, what)) };
    });
    this.readPaths(this.C.outlines.shapes);
    this.readPaths(this.C.outlines.glyphs);
    this.timer = 0;
    this.devicePixels = null; // the canvas's size in device pixels, when the browser tells it
    // No pointer hovers here (a touch screen): the arrow cells show their arrows themselves.
    this.noHover = window.matchMedia('(hover: none)');
    this.kept = null; // the game as this tab last kept it
    module.platform = this.platform();
  }

  // What the game's front end asks of the page.
  platform() {
    return {
      showCaption: (id, caption) => {
        this.menu[id].textContent = caption;
      },
      runTimer: (running, interval) => {
        clearInterval(this.timer);
        this.timer = running ? setInterval(() => this.m._web_tick(this.handle), interval) : 0;
      },
      repaint: () => {
        this.paint();
        this.keep();
      },
      tellScreenReader: () => this.tellScreenReader(),
      openMenuBar: () => this.menu[0].focus(),
    };
  }

  text(pointer) {
    return this.m.UTF8ToString(pointer);
  }

  // Reads an outline file into the game and builds the page's paths from the same outlines.
  loadOutlines(set, bytes) {
    const m = this.m;
    const at = m._malloc(bytes.length);
    m.HEAPU8.set(bytes, at);
    const count = m._web_load_outlines(this.handle, set, at, bytes.length);
    m._free(at);
    if (count < 0) throw new Error(this.text(m._web_outline_error(this.handle)));
    this.readPaths(set);
  }

  // The page's paths of a set of the game's outlines.
  readPaths(set) {
    const m = this.m;
    const count = m._web_outline_count(this.handle, set);
    const outlines = [];
    for (let i = 0; i < count; i++) {
      const info = (what) => m._web_outline(this.handle, set, i, what);
      const steps = m.HEAPU8.subarray(info(2), info(2) + info(1));
      const pointCount = [...steps].reduce((n, s) => n + (s === 2 ? 3 : 1), 0);
      const points = m.HEAPF64.subarray(info(3) / 8, info(3) / 8 + 2 * pointCount);
      outlines.push({ path: outlinePaths(steps, points), rule: info(0) === 0 ? 'evenodd' : 'nonzero' });
    }
    this.outlines[set] = outlines;
  }

  ratio() {
    return window.devicePixelRatio || 1;
  }

  tellScreenReader() {
    const boardHasKeys = document.activeElement === this.board ? 1 : 0;
    const told = parseNodes(this.text(this.m._web_accessible_nodes(this.handle, boardHasKeys)));
    const page = this.C.outlines.page;
    if (this.outlines[page] === null && told.nodes.some((n) => n.element === this.C.element.page))
      this.loadPage();
    this.reader.update(told);
  }

  // The instructions page's outlines are large, so they come only when the page is first shown.
  loadPage() {
    const page = this.C.outlines.page;
    this.outlines[page] = [];
    fetchBytes('instructions.outlines').then((bytes) => {
      this.loadOutlines(page, bytes);
      document.getElementById('failure').hidden = true;
      this.paint();
    }).catch((error) => {
      this.outlines[page] = null; // tried again when the page is shown again
      showFailure(error.message, false);
    });
  }

  photo(index) {
    if (this.photos[index] || this.photos[index] === false) return;
    this.photos[index] = false; // on its way
    loadImage(index ? 'background@2x.jpg' : 'background.jpg').then((image) => {
      this.photos[index] = image;
      this.paint();
    });
  }

  // The canvas fills the page below the menu bar at the device's own pixels; the core lays the
  // design out on it as large as fits (web_layout) and paints it at that scale, so frames fall on
  // whole device pixels and letters, page and text are drawn from their outlines at every size.
  // The screen reader's nodes, in the design's CSS pixels, follow the same zoom.
  paint() {
    const ratio = this.ratio();
    const m = this.m;
    let [width, height] = [this.board.clientWidth, this.board.clientHeight]
      .map((css) => Math.round(css * ratio));
    // The browser's exact count where it agrees with the ratio (emulated screens may not).
    const exact = this.devicePixels;
    if (exact && Math.abs(exact[0] - width) <= 1 && Math.abs(exact[1] - height) <= 1)
      [width, height] = exact;
    if (width === 0 || height === 0) return;
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
    }
    const scale = m._web_layout(this.handle, ratio, width, height, this.noHover.matches ? 1 : 0);
    const zoom = scale / ratio;
    const [x, y] = [0, 1].map((what) => m._web_origin(this.handle, what) * zoom);
    const overlay = document.getElementById('overlay');
    overlay.style.width = `${m._web_board_size(this.handle, 0)}px`;
    overlay.style.height = `${m._web_board_size(this.handle, 1)}px`;
    overlay.style.transform = `translate(${x}px, ${y}px) scale(${zoom})`;
    overlay.style.setProperty('--message-scale', m._web_message_scale(this.handle, 0));
    overlay.style.setProperty('--message-shift', `${m._web_message_scale(this.handle, 1)}px`);
    this.photo(ratio > 1 ? 1 : 0); // as the core picks it: by the screen's own ratio
    const at = m._web_paint(this.handle) / 8;
    const numbers = m.HEAPF64.subarray(at, at + m._web_paint_length(this.handle));
    this.painter.replay(numbers);
  }

  // The last frame as the core's own renderer paints it, on a photograph of one colour (ground,
  // 0xRRGGBB; the pixels 0xAARRGGBB): for the test to compare the canvas with.
  reference(ground) {
    const { width, height } = this.canvas;
    const at = this.m._web_reference(this.handle, width, height, ground) / 4;
    return { width, height, pixels: [...this.m.HEAPU32.subarray(at, at + width * height)] };
  }

  // The whole game, kept after every event that changed it, so that a reload (or a phone that
  // discards the tab) brings it back. Storage full or refused: the game plays on unkept.
  keep() {
    const saved = this.text(this.m._web_save(this.handle));
    if (saved === this.kept) return; // only a change: of two tabs, the last to move is kept
    this.kept = saved;
    try {
      localStorage.setItem(savedGameKey, saved);
    } catch {
      // private mode or a full store
    }
  }

  // The game kept by the last visit, if any; one that is damaged, foreign or from a later
  // version is left aside for a new puzzle.
  restore() {
    let saved = null;
    try {
      saved = localStorage.getItem(savedGameKey);
    } catch {
      return;
    }
    if (saved === null) return;
    const m = this.m;
    const bytes = new TextEncoder().encode(saved);
    const at = m._malloc(bytes.length + 1);
    m.HEAPU8.set(bytes, at);
    m.HEAPU8[at + bytes.length] = 0;
    const why = this.text(m._web_restore(this.handle, at));
    m._free(at);
    if (why) console.warn(`pirandella: the kept game is not used (${why}); a new puzzle instead`);
    else this.kept = saved;
  }

  // The element under a pointer event, from the canvas's device pixels.
  elementAt(event) {
    const rect = this.canvas.getBoundingClientRect();
    const x = (event.clientX - rect.left) * (this.canvas.width / rect.width);
    const y = (event.clientY - rect.top) * (this.canvas.height / rect.height);
    return this.m._web_element_at(this.handle, x, y);
  }

  listen() {
    const m = this.m;
    // Pointer events serve mouse, pen and touch alike: a tap is a press and a release, at once
    // (the canvas takes no touch gesture, so the browser waits for none); a second finger is
    // not a second press.
    this.canvas.addEventListener('pointerdown', (e) => {
      if (e.button === 0 && e.isPrimary) m._web_press(this.handle, this.elementAt(e));
    });
    this.canvas.addEventListener('pointerup', (e) => {
      if (e.button === 0 && e.isPrimary) m._web_release(this.handle, this.elementAt(e));
    });
    this.canvas.addEventListener('pointermove', (e) => {
      const cursor = this.cursors[m._web_pointer(this.handle, this.elementAt(e))];
      if (this.canvas.style.cursor !== cursor) this.canvas.style.cursor = cursor;
    });
    document.addEventListener('keydown', (e) => this.onKey(e));
    // Whether the board has the keys decides the screen reader's focus.
    this.board.addEventListener('focus', () => this.tellScreenReader());
    this.board.addEventListener('blur', () => this.tellScreenReader());
    this.listenToMenu();
    this.followDevicePixels();
    this.noHover.addEventListener('change', () => this.paint());
  }

  // The board takes every key that plays; elsewhere F10 opens the menu bar and the shortcuts
  // run their commands.
  onKey(e) {
    const key = keyOf(this.C, e);
    if (key === undefined) return;
    const shortcut = Object.values(this.C.shortcut).includes(key);
    if (document.activeElement === this.board || shortcut) {
      if (this.m._web_key(this.handle, key)) e.preventDefault();
    } else if (key === this.C.key.F10) {
      this.menu[0].focus();
      e.preventDefault();
    }
  }

  // The menu bar: a click runs the command; from the keyboard ← → choose one, Enter runs it and
  // Escape goes back to the board, as does running a command.
  listenToMenu() {
    this.menu.forEach((button, id) => {
      button.addEventListener('click', () => {
        const fromKeys = document.activeElement === button;
        this.m._web_command(this.handle, id);
        if (fromKeys) this.board.focus({ preventScroll: true });
      });
      button.addEventListener('keydown', (e) => {
        const step = { ArrowLeft: -1, ArrowRight: 1 }[e.key];
        if (step) {
          this.menu[(id + step + this.menu.length) % this.menu.length].focus();
        } else if (e.key === 'Escape' || e.key === 'F10') {
          this.board.focus({ preventScroll: true });
        } else {
          return;
        }
        e.preventDefault();
        e.stopPropagation(); // the board, which has the keys again, does not take this one
      });
    });
  }

  // The exact device pixels of the canvas, at any ratio and as the ratio changes (zoom, another
  // screen), so the board is drawn for them and never stretched.
  followDevicePixels() {
    new ResizeObserver(([entry]) => {
      const size = entry.devicePixelContentBoxSize?.[0];
      this.devicePixels = size ? [size.inlineSize, size.blockSize] : null;
      this.paint();
    }).observe(this.canvas, { box: 'device-pixel-content-box' });
  }
}

async function start() {
  // The arrow keys play from the start. The board has the focus before the page has loaded, so
  // that a screen reader finds it there and hands it the keys (Orca says nothing of a focus
  // that comes to an application later, and keeps its own reading keys).
  document.getElementById('board').focus({ preventScroll: true });
  const dense = (window.devicePixelRatio || 1) > 1;
  const [module, letters, photo] = await Promise.all([
    startWebAssembly(), fetchBytes('letters.outlines'),
    loadImage(dense ? 'background@2x.jpg' : 'background.jpg'),
  ]);
  const game = new WebGame(module);
  game.photos[dense ? 1 : 0] = photo;
  game.loadOutlines(game.C.outlines.letters, letters);
  game.restore();
  game.listen();
  game.m._web_start(game.handle);
  performance.mark('board-painted');
  window.pirandella = { reference: (ground) => game.reference(ground) }; // for the page's test
  window.pirandellaReady = true;
  if ('serviceWorker' in navigator) registerServiceWorker();
}

// Once registered, the service worker keeps what this page loaded, so the game plays offline.
async function registerServiceWorker() {
  try {
    await navigator.serviceWorker.register('sw.js');
    const ready = await navigator.serviceWorker.ready;
    ready.active.postMessage({ keep: [...loaded] });
  } catch (error) {
    console.warn(`pirandella: no offline play: ${error.message}`);
  }
}

start().catch((error) => showFailure(error.message, true));
