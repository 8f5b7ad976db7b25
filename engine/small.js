import { mount, nav, rootMenus, toggle } from './draw.js';
import { D, W, getComputedStyle_, mathMax, mathRound, parseFloat_ } from './env.js';
import { onResize } from './listen.js';
import { closeAll } from './open.js';
import { makeRoom } from './room.js';
import { drawerOpened } from './drawer.js';

export var compact = false;
var desktopExtent = 0;   // right edge of the always-visible menus, measured side by side
var columnExtent = 0;    // the same, from the left of the mount point's column

// Side by side when the always-visible menus fit across the window, and in a mount
// point across the content box of the element holding it (a page's column), otherwise
// behind the menu button. The side-by-side extents are remembered from the last time
// they were measured, so switching back needs no trial layout; a bar that makes room (More,
// Wrap) is measured again when the width changes.
export function fit() {
  if (!nav) return;
  var vw = D.documentElement.clientWidth || W.innerWidth;
  var column = mount ? columnBox() : null;
  var main = rootMenus[0].def;
  var width = column ? column.width : vw;
  if (main.smallWidth && vw < main.smallWidth) {
    setCompact(true);
  } else if (main.horizontal && (main.noRoom === 'more' || main.noRoom === 'wrap')) {
    if (width !== lastWidth || !compact) fitRoom(vw, column);
  } else {
    if (!compact) measure(vw, column);
    setCompact(desktopExtent > vw + 0.5 || (!!column && columnExtent > column.width + 0.5));
  }
  lastWidth = width;
  padTop();
}

var lastWidth = -1;

function fitRoom(vw, column) {
  setCompact(false);
  var main = rootMenus[0];
  var room = (column ? column.left + column.width : vw) + 0.5;
  if (main.def.noRoom === 'wrap') {
    main.el.style.maxWidth = mathMax(0, mathRound(room - main.el.getBoundingClientRect().left)) + 'px';
  } else if (!makeRoom(barRight, room)) {
    makeRoom(barRight, Infinity);
    setCompact(true);
  }
}

function barRight(m) {
  return m.el.getBoundingClientRect().left + m.el.lastChild.getBoundingClientRect().width + 2 * m.def.border;
}

function measure(vw, column) {
  var extent = 0;
  var inColumn = 0;
  for (var i = 0; i < rootMenus.length; i++) {
    var m = rootMenus[i];
    var r = m.el.getBoundingClientRect();
    // A bar in a mount point spans its column: what must fit is its list of entries.
    var right = barRight(m);
    var fixed = m.def.screen !== '';
    extent = mathMax(extent, fixed ? right : right + W.scrollX, r.left < 0 && !fixed ? vw + 1 : 0);
    if (column && !fixed) inColumn = mathMax(inColumn, right - column.left);
  }
  desktopExtent = extent;
  columnExtent = inColumn;
}

// A bar fixed at the top of the window would cover the anchor the page scrolls to and the element
// that takes focus: the page's scroll padding keeps them below it. The padding is the engine's
// only while it set it, so a page's own value comes back when the bar goes.
var padded = false;
function padTop() {
  var bottom = 0;
  for (var i = 0; i < rootMenus.length && !compact; i++) {
    var m = rootMenus[i];
    if (!m.def.screen || !m.horizontal) continue;
    var r = m.el.getBoundingClientRect();
    if (r.top < r.height) bottom = mathMax(bottom, r.bottom);
  }
  var s = D.documentElement.style;
  if (bottom > 0) {
    s.scrollPaddingTop = mathRound(bottom) + 'px';
    padded = true;
  } else if (padded) {
    s.removeProperty('scroll-padding-top');
    padded = false;
  }
}

// The content box of the mount point's containing block, in window coordinates.
function columnBox() {
  var holder = mount.parentElement;
  if (!holder || holder === D.documentElement) return null;
  var cs = getComputedStyle_(holder);
  var r = holder.getBoundingClientRect();
  var padLeft = parseFloat_(cs.paddingLeft) || 0;
  var left = r.left + (parseFloat_(cs.borderLeftWidth) || 0) + padLeft;
  return { left: left, width: holder.clientWidth - padLeft - (parseFloat_(cs.paddingRight) || 0) };
}

// A column can change its width without the window changing (a sidebar folding away, a
// grid reflowing): the menu follows it.
var columnWatch = null;
export function watchColumn() {
  if (!mount || !mount.parentElement || !W.ResizeObserver) return;
  if (!columnWatch) columnWatch = new W.ResizeObserver(onResize);
  columnWatch.disconnect();
  columnWatch.observe(mount.parentElement);
}

function setCompact(on) {
  if (on === compact) return;
  closeAll();
  compact = on;
  if (on) nav.classList.add('tvx-compact');
  else {
    setOpened(false);
    nav.classList.remove('tvx-compact');
  }
}

export function setOpened(on) {
  if (!on) closeAll();
  if (on) nav.classList.add('tvx-opened');
  else nav.classList.remove('tvx-opened');
  toggle.setAttribute('aria-expanded', on ? 'true' : 'false');
  drawerOpened(on);
}

export function horizontal(menu) {
  return menu.horizontal && !compact;
}
