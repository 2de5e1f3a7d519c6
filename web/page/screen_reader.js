// What a screen reader finds on the board, from the core's accessible nodes, laid over the canvas
// where each thing is drawn: the message line, the instructions page as text, each visible arrow
// cell as a button that makes its move, the tiles as a grid of labelled cells. Elements are kept
// from one look to the next, so a reader's place is not lost. What an event has to say goes to
// one live region, once: a reader speaks the node the focus comes to by itself.
import { C } from './core.js';

// Through the CSSOM, which the page's Content-Security-Policy allows (a style attribute it does
// not).
function place(el, { x, y, width, height }, dx = 0, dy = 0) {
  const box = { left: x - dx, top: y - dy, width, height };
  for (const [side, value] of Object.entries(box))
    if (el.style[side] !== `${value}px`) el.style[side] = `${value}px`;
}

function setText(el, text) {
  if (el.textContent !== text) el.textContent = text;
}

export class ScreenReaderView {
  // press(element) makes a button's move, as a click on its cell does.
  constructor(overlay, board, press) {
    this.overlay = overlay;
    this.board = board;
    this.message = this.add('div', 'message', overlay, { id: 'message' });
    // What an event says: a line's letters after a move, the end of a playback, the message line.
    this.speaker = this.add('div', 'speaker', board.parentElement, { 'aria-live': 'polite' });
    board.after(this.speaker);
    this.page = null;
    this.buttons = new Map();
    this.grid = this.add('div', 'grid', overlay, { role: 'grid', 'aria-label': C.words.boardName });
    this.rows = [];
    this.press = press;
    // The first news also names the board and says how it plays: the board has the focus from
    // before the page has loaded, and Orca says nothing of a focus that comes then.
    this.intro = `${C.words.boardName}. ${C.words.boardKeys}`;
  }

  add(tag, className, parent = this.overlay, attributes = {}) {
    const el = document.createElement(tag);
    el.className = className;
    for (const [name, value] of Object.entries(attributes)) el.setAttribute(name, value);
    parent.append(el);
    return el;
  }

  // What an event has to say, and the core's nodes (web/screen_reader.cpp).
  update({ speak, nodes }) {
    const focusWas = this.board.getAttribute('aria-activedescendant');
    let news = speak;
    const seen = new Set();
    let focused = null;
    const tiles = [];
    const arrows = [];
    const { element: E, role: Role } = C;
    for (const node of nodes) {
      if (node.element === E.message) {
        place(this.message, node);
        if (node.focused) focused = this.message.id;
        // A new message is news, unless the event says it.
        if (this.message.textContent !== node.name && !speak.includes(node.name))
          news = [speak, node.name].filter(Boolean).join(' ');
        setText(this.message, node.name);
      } else if (node.role === Role.text) {
        this.showPage(node);
        seen.add('page');
        if (node.focused) focused = this.page.id;
      } else if (node.role === Role.button) {
        const button = this.button(node.element);
        place(button, node);
        setText(button, node.name);
        // The focused arrow's letters change as the focus comes to it: the event's own words say
        // them after a move, and a reader would say a change in place again, or at every tick.
        const staysFocused = node.focused && focusWas === button.id;
        if (!staysFocused && button.getAttribute('aria-description') !== node.description)
          button.setAttribute('aria-description', node.description);
        seen.add(node.element);
        arrows.push(button);
        if (node.focused) focused = button.id;
      } else if (node.role === Role.cell) {
        tiles.push(node);
      }
    }
    for (const [element, button] of this.buttons)
      if (!seen.has(element)) {
        button.remove();
        this.buttons.delete(element);
      }
    if (this.page && !seen.has('page')) {
      this.page.remove();
      this.page = null;
    }
    this.updateGrid(tiles);
    // In the core's order, as the eye meets them: the message line, the page, the arrows, the tiles.
    const order = [this.message, this.page, ...arrows, this.grid].filter(Boolean);
    if (order.some((el, i) => this.overlay.children[i] !== el)) this.overlay.append(...order);
    if (focused) this.board.setAttribute('aria-activedescendant', focused);
    else this.board.removeAttribute('aria-activedescendant');
    if (news && this.intro) [news, this.intro] = [`${this.intro} ${news}`, ''];
    if (news) {
      // The same words twice are still news: a trailing space tells them apart.
      this.speaker.textContent = this.speaker.textContent === news ? `${news} ` : news;
    }
  }

  button(element) {
    let button = this.buttons.get(element);
    if (!button) {
      button = this.add('button', 'arrow');
      button.type = 'button';
      button.tabIndex = -1;
      button.id = `arrow-${element % C.element.perKind}`;
      button.addEventListener('click', () => this.press(element));
      this.buttons.set(element, button);
    }
    return button;
  }

  // The page's heading and paragraphs as text, named by its heading and described by its
  // paragraphs, so that the focus coming to it reads it whole; a press closes it.
  showPage(node) {
    if (!this.page) {
      this.page = this.add('section', 'page');
      this.page.id = 'page';
      const [heading, ...paragraphs] = node.name.split('\n\n');
      const h2 = this.add('h2', '', this.page);
      h2.id = 'page-heading';
      h2.textContent = heading;
      this.page.setAttribute('aria-labelledby', h2.id);
      const ids = paragraphs.map((p, i) => {
        const el = this.add('p', '', this.page);
        el.textContent = p;
        el.id = `page-${i}`;
        return el.id;
      });
      this.page.setAttribute('aria-describedby', ids.join(' '));
      this.page.addEventListener('click', () => this.press(node.element));
    }
    place(this.page, node);
  }

  // Tiles in rows by their top edge, each row left to right.
  updateGrid(tiles) {
    const rows = new Map();
    for (const t of tiles) {
      if (!rows.has(t.y)) rows.set(t.y, []);
      rows.get(t.y).push(t);
    }
    const ordered = [...rows.keys()].sort((a, b) => a - b).map((y) =>
      rows.get(y).sort((a, b) => a.x - b.x));
    while (this.rows.length > ordered.length) this.rows.pop().el.remove();
    ordered.forEach((cells, r) => {
      if (!this.rows[r]) {
        this.rows[r] = { el: this.add('div', 'row', this.grid, { role: 'row' }), cells: [] };
      }
      const row = this.rows[r];
      const left = cells[0].x;
      const top = cells[0].y;
      const last = cells[cells.length - 1];
      place(row.el, { x: left, y: top, width: last.x + last.width - left, height: cells[0].height });
      while (row.cells.length > cells.length) row.cells.pop().remove();
      cells.forEach((cell, c) => {
        row.cells[c] ??= this.add('div', 'cell', row.el, { role: 'gridcell' });
        place(row.cells[c], cell, left, top);
        setText(row.cells[c], cell.name);
      });
    });
  }
}
