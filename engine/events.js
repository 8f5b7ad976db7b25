// What the menu tells the page: bubbling events on its nav, for a page's analytics or its own
// behaviour. A listener that throws does not stop the menu: the browser reports it and goes on.
import { nav } from './draw.js';
import { W } from './env.js';

export function emit(type, detail) {
  if (!nav || typeof W.CustomEvent !== 'function') return;
  nav.dispatchEvent(new W.CustomEvent('tarvex:' + type, { bubbles: true, detail: detail }));
}

// A group's submenu opened or closed: its caption and its level (1 for the main menu's submenus).
export function emitOpened(menu, opened) {
  emit(opened ? 'open' : 'close', { caption: menu.opener.caption, level: menu.depth });
}

// An entry's link is about to be followed.
export function emitNavigate(entry) {
  emit('navigate', { address: entry.ctl.href, caption: entry.caption });
}
