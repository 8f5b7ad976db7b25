import { entryFrom, menuFrom, nav } from './draw.js';
import { keepFocus, trapTab } from './drawer.js';
import { D, W, mathMax, mathMin, rAF } from './env.js';
import { onPointerLeave, onPointerMove, onPointerOver } from './hover.js';
import { settings } from './index.js';
import { onDocKeyDown, onKeyDown } from './keys.js';
import { chain, closeAll, closeFrom, onClick } from './open.js';
import { placeFrom } from './place.js';
import { number } from './read.js';
import { compact, fit, setOpened, watchColumn } from './small.js';
import { darkScheme, onScheme, page } from './theme.js';

export var lastPointer = 'mouse';
export var delay = 100;

function onDocPointerDown(e) {
  lastPointer = e.pointerType || 'mouse';
  if (chain.length && !nav.contains(e.target)) closeAll();
}

function onFocusIn(e) {
  if (keepFocus(e.target) || !chain.length) return;
  if (!nav.contains(e.target)) {
    closeAll();
    return;
  }
  // Folding the list up under a pointer that is about to release would move what it
  // pressed; in the list, disclosures close only when another one opens.
  if (compact) return;
  var entry = entryFrom(e.target);
  if (!entry) return;
  var depth = entry.menu.depth;
  if (depth > 0 && chain[depth - 1] !== entry.menu) return;
  closeFrom(chain[depth] === entry.sub ? depth + 1 : depth);
}

function onDocClick(e) {
  if (compact && nav.classList.contains('tvx-opened') && !nav.contains(e.target)) setOpened(false);
}

// wrong one; open submenus are placed again with the next frame.
var resizePending = false;
export function onResize() {
  if (page.read) fit();
  if (resizePending) return;
  resizePending = true;
  rAF(function () {
    resizePending = false;
    placeFrom(0);
  });
}

// A scrolled submenu takes its open submenu along.
function onScroll(e) {
  var menu = menuFrom(e.target);
  if (menu && !compact && chain.length > menu.depth) placeFrom(menu.depth);
}

export function listen() {
  var gap = number(settings ? settings.timegap : W.timegap, 100);
  delay = mathMin(10000, mathMax(0, gap));
  nav.addEventListener('pointerover', onPointerOver);
  D.addEventListener('pointermove', onPointerMove, true);
  nav.addEventListener('pointerleave', onPointerLeave);
  nav.addEventListener('click', onClick);
  nav.addEventListener('keydown', onKeyDown);
  D.addEventListener('keydown', onDocKeyDown);
  D.addEventListener('keydown', trapTab);
  D.addEventListener('pointerdown', onDocPointerDown, true);
  D.addEventListener('focusin', onFocusIn);
  nav.addEventListener('scroll', onScroll, true);
  D.addEventListener('click', onDocClick, true);
  W.addEventListener('resize', onResize);
  if (darkScheme && darkScheme.addEventListener) darkScheme.addEventListener('change', onScheme);
  watchColumn();
  if (D.fonts && D.fonts.addEventListener) D.fonts.addEventListener('loadingdone', onResize);
}
