// The browser's front end: one game in WebAssembly, its board painted on a canvas at the device
// pixel ratio, its four commands as the menu bar's buttons, its clock, its keys and what a screen
// reader finds. The game's midend plays each event and then asks this page, its platform, to
// show what changed: captions, clock, the picture and the screen reader's nodes.
import { BoardCanvas, cssColour } from './board_canvas.js';
import { C } from './core.js';
import { arrowCursors } from './pointers.js';
import { ScreenReaderView } from './screen_reader.js';

// KeyboardEvent.key to the core's Key, -1 for none. C holds what the page shares with the core,
// as the build wrote it from the core's constants.
function keyOf(e) {
  if (e.altKey || e.metaKey) return -1;
  return C.keys.indexOf(e.ctrlKey ? `Control+${e.key.toLowerCase()}` : e.key);
}

const savedGameKey = 'pirandella.game';

// Every failure is told to the player in Italian, naming the file; a file the server does not
// have is missing, in the core's words as on the desktop.
const notLoaded = (url, why) => new Error(`Il file ${url} non si è potuto caricare (${why}).`);

async function fetchOutlines({ name: url, missing }) {
  const response = await fetch(url).catch((error) => { throw notLoaded(url, error.message); });
  if (response.status === 404) throw new Error(missing);
  if (!response.ok) throw notLoaded(url, `errore ${response.status}`);
  return new Uint8Array(await response.arrayBuffer());
}

function loadImage(url) {
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
  failure.textContent = atStart ? `${C.words.cannotStart} ${message}` : message;
  failure.hidden = false;
  failure.classList.toggle('start', atStart);
  if (atStart) document.getElementById('window').hidden = true;
  console.error(`pirandella: ${message}`);
}

class WebGame {
  constructor(m) {
    this.m = m;
    this.handle = m._web_create(screen.width, screen.height);
    this.canvas = document.getElementById('canvas');
    this.board = document.getElementById('board');
    this.menu = [...document.querySelectorAll('#menubar button')];
    this.paths = [[], [], [], []]; // by set (C.outlines), each outline's path once first drawn
    this.pageAsked = false; // the instructions page's outlines, fetched when first shown
    this.photos = [null, null];
    this.photoShown = null; // the first photograph's coming, drawn or not
    this.painter = new BoardCanvas(this.canvas, this.photos, (set, i) => this.path(set, i));
    this.reader = new ScreenReaderView(document.getElementById('overlay'), this.board,
      (element) => m._web_click(this.handle, element));
    this.cursors = null; // drawn at the first move of a pointer, after the board
    this.clock = 0;
    this.devicePixels = null; // the canvas's size in device pixels, when the browser tells it
    // No pointer hovers here (a touch screen): the arrow cells show their arrows themselves.
    this.noHover = window.matchMedia('(hover: none)');
    this.kept = null; // the game as this tab last kept it
    m.platform = this; // what the game's midend asks of the page, below
  }

  showCaption(id, caption) {
    this.menu[id].textContent = caption;
  }

  runClock(interval) { // a tick every interval milliseconds, or none (0)
    clearInterval(this.clock);
    this.clock = interval ? setInterval(() => this.m._web_tick(this.handle), interval) : 0;
  }

  repaint() {
    this.paint();
    this.keep();
  }

  openMenuBar() {
    this.menu[0].focus();
  }

  text(pointer) {
    return this.m.UTF8ToString(pointer);
  }
  // The numbers the game answered with (m.numbers) from the given one on, by the names the core
  // gives them (C.place, C.node, C.pointerPicture).
  record(fields, numbers, from = 0) {
    return Object.fromEntries(fields.map((name, i) => [name, numbers[from + i]]));
  }

  // Bytes in the game's memory while use(address) runs, a 0 after them for a text's end.
  withBytes(bytes, use) {
    const at = this.m._malloc(bytes.length + 1);
    this.m.HEAPU8.set(bytes, at);
    this.m.HEAPU8[at + bytes.length] = 0;
    const result = use(at);
    this.m._free(at);
    return result;
  }

  // Reads an outline file into the game; the page's paths follow its outlines from now on.
  loadOutlines(set, bytes) {
    const why = this.withBytes(bytes,
      (at) => this.text(this.m._web_load_outlines(this.handle, set, at, bytes.length)));
    if (why) throw new Error(why);
    this.paths[set] = [];
  }

  // The page's path of one of the game's outlines, { path, rule }, or null where the game has
  // none (yet): built when first drawn, so that the first paint builds only what it shows.
  path(set, index) {
    return this.paths[set][index] ??= (() => {
      const at = this.m._web_outline(this.handle, set, index);
      if (!at) return null;
      const n = this.m.numbers(at);
      const built = new Path2D();
      for (let i = 1; i < n.length;) {
        const { name, numbers } = C.path.steps[n[i]];
        built[name](...n.subarray(i + 1, i + 1 + numbers));
        i += 1 + numbers;
      }
      return { path: built, rule: C.path.rules[n[0]] };
    })();
  }

  tellScreenReader() {
    const boardHasKeys = document.activeElement === this.board ? 1 : 0;
    const n = this.m.numbers(this.m._web_accessible_nodes(this.handle, boardHasKeys));
    const nodes = [];
    for (let i = 1; i < n.length; i += C.node.length) {
      const node = this.record(C.node, n, i);
      Object.assign(node, { name: this.text(node.name), description: this.text(node.description) });
      nodes.push(node);
    }
    if (!this.pageAsked && nodes.some((node) => node.element === C.element.page)) this.loadPage();
    this.reader.update({ speak: this.text(n[0]), nodes });
  }

  // The instructions page's outlines are large, so they come only when the page is first shown.
  loadPage() {
    this.pageAsked = true;
    fetchOutlines(C.files.page).then((bytes) => {
      this.loadOutlines(C.outlines.page, bytes);
      document.getElementById('failure').hidden = true;
      this.paint();
    }).catch((error) => {
      this.pageAsked = false; // tried again when the page is shown again
      showFailure(error.message, false);
    });
  }

  // Asked for by the first paint, so that it never holds the board back; the board stands on
  // the photograph's colour until it comes (board_canvas.js).
  photo(index) {
    if (this.photos[index] || this.photos[index] === false) return;
    this.photos[index] = false; // on its way
    const shown = loadImage(index ? 'background@2x.jpg' : 'background.jpg').then((image) => {
      this.photos[index] = image;
      this.paint();
      performance.mark('photo-shown');
      window.pirandellaPhotoShown = true; // for the page's test
    }, (error) => showFailure(error.message, false));
    this.photoShown ??= shown;
  }

  // The canvas fills the page below the menu bar at the device's own pixels; the core lays the
  // design out on it as large as fits (web_place) and paints it at that scale, so frames fall on
  // whole device pixels and letters, page and text are drawn from their outlines at every size.
  // The screen reader's nodes, in the design's CSS pixels, follow the same zoom.
  paint() {
    const ratio = window.devicePixelRatio || 1;
    const m = this.m;
    let [width, height] = [this.board.clientWidth, this.board.clientHeight]
      .map((css) => Math.round(css * ratio));
    // The browser's exact count where it agrees with the ratio (emulated screens may not).
    const exact = this.devicePixels;
    if (exact && Math.abs(exact[0] - width) <= 1 && Math.abs(exact[1] - height) <= 1)
      [width, height] = exact;
    if (width === 0 || height === 0) return;
    this.paintedRatio = ratio;
    if (this.canvas.width !== width || this.canvas.height !== height) {
      this.canvas.width = width;
      this.canvas.height = height;
    }
    const noHover = this.noHover.matches ? 1 : 0;
    const placed = m._web_place(this.handle, ratio, width, height, noHover);
    const at = this.record(C.place, m.numbers(placed));
    const zoom = at.scale / ratio;
    const overlay = document.getElementById('overlay');
    overlay.style.width = `${at.width}px`;
    overlay.style.height = `${at.height}px`;
    overlay.style.transform = `translate(${at.x * zoom}px, ${at.y * zoom}px) scale(${zoom})`;
    overlay.style.setProperty('--message-scale', at.messageScale);
    overlay.style.setProperty('--message-shift', `${at.messageShift}px`);
    this.photo(ratio > 1 ? 1 : 0); // as the core picks it: by the screen's own ratio
    this.painter.replay(m.numbers(m._web_paint(this.handle)));
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
    const why = this.withBytes(new TextEncoder().encode(saved),
      (at) => this.text(this.m._web_restore(this.handle, at)));
    if (why) console.warn(`pirandella: the kept game is not used (${why}); a new puzzle instead`);
    else this.kept = saved;
  }

  // What lies under a pointer event's device pixel of the canvas (web_element_at, web_pointer_at).
  under(find, event) {
    const rect = this.canvas.getBoundingClientRect();
    return find(this.handle, (event.clientX - rect.left) * (this.canvas.width / rect.width),
      (event.clientY - rect.top) * (this.canvas.height / rect.height));
  }

  listen() {
    const m = this.m;
    // Pointer events serve mouse, pen and touch alike: a tap is a press and a release, at once
    // (the canvas takes no touch gesture, so the browser waits for none); a second finger is
    // not a second press.
    const element = (e) => this.under(m._web_element_at, e);
    this.canvas.addEventListener('pointerdown', (e) => {
      if (e.button === 0 && e.isPrimary) m._web_press(this.handle, element(e));
    });
    this.canvas.addEventListener('pointerup', (e) => {
      if (e.button === 0 && e.isPrimary) m._web_release(this.handle, element(e));
    });
    this.canvas.addEventListener('pointermove', (e) => {
      this.cursors ??= arrowCursors(C.pointer.last, this.canvas,
        (pointer, scale) => {
          const n = m.numbers(m._web_pointer_picture(this.handle, pointer, scale));
          const pixels = n.subarray(C.pointerPicture.length);
          return { ...this.record(C.pointerPicture, n), pixels };
        });
      const cursor = this.cursors[this.under(m._web_pointer_at, e)];
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
    const key = keyOf(e);
    if (key < 0) return;
    if (document.activeElement === this.board || C.shortcuts.includes(key)) {
      if (this.m._web_key(this.handle, key)) e.preventDefault();
    } else if (key === C.keys.indexOf('F10')) {
      this.openMenuBar();
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
      // Its first report is often of the size the board was just painted at: nothing to redo.
      const [width, height] = this.devicePixels ?? [];
      if (width !== this.canvas.width || height !== this.canvas.height ||
        this.paintedRatio !== (window.devicePixelRatio || 1)) this.paint();
    }).observe(this.canvas, { box: 'device-pixel-content-box' });
  }
}

async function start() {
  // The arrow keys play from the start. The board has the focus before the page has loaded, so
  // that a screen reader finds it there and hands it the keys (Orca says nothing of a focus
  // that comes to an application later, and keeps its own reading keys).
  const board = document.getElementById('board');
  board.focus({ preventScroll: true });
  board.style.background = cssColour(C.ground); // the board's own, until it is painted
  const [module, letters] = await Promise.all([startWebAssembly(),
    fetchOutlines(C.files.letters)]);
  const game = new WebGame(module);
  game.loadOutlines(C.outlines.letters, letters);
  game.restore();
  game.listen();
  game.m._web_start(game.handle);
  performance.mark('board-painted');
  window.pirandella = game; // for the page's test
  window.pirandellaReady = true;
  // The icons and the service worker's copy of the site come once the board has all it shows,
  // and the browser is idle: they never compete with the board for the network.
  const later = () => {
    addIcons();
    if ('serviceWorker' in navigator) registerServiceWorker();
  };
  Promise.resolve(game.photoShown).then(() => (window.requestIdleCallback
    ? requestIdleCallback(later, { timeout: 3000 }) : setTimeout(later)));
}

// The tab's icons and the one a phone's home screen takes.
function addIcons() {
  document.querySelector('link[rel="icon"]').remove();
  for (const [rel, size] of [['icon', 16], ['icon', 32], ['apple-touch-icon', 128]]) {
    const link = document.createElement('link');
    Object.assign(link, { rel, href: `icons/pirandella-${size}.png` });
    if (rel === 'icon') link.sizes = `${size}x${size}`;
    document.head.append(link);
  }
}

// Once installed, the service worker keeps the whole site, so the game plays offline.
async function registerServiceWorker() {
  try {
    await navigator.serviceWorker.register('sw.js');
  } catch (error) {
    console.warn(`pirandella: no offline play: ${error.message}`);
  }
}

start().catch((error) => showFailure(error.message, true));
