import { D, W, mathMax, mathRound } from './env.js';
import { chain } from './open.js';
import { compact } from './small.js';
import { page } from './theme.js';

function setShift(menu, x, y) {
  menu.shiftX = x;
  menu.shiftY = y;
  var s = menu.el.style;
  if (page.rtl) s.right = (menu.baseX - x) + 'px';
  else s.left = (menu.baseX + x) + 'px';
  s.top = (menu.baseY + y) + 'px';
}

// Measured, not computed from the menu script's coordinates: those assume rows of a
// fixed height, and any other font, padding or border would leave the submenu adrift
// of its entry. Only once it touches its entry is it kept inside the window.
export function place(menu) {
  if (compact) return;
  var parent = menu.parent;
  var p = parent.el.getBoundingClientRect();
  var o = menu.opener.li.getBoundingClientRect();
  var pb = parent.def.border;
  var sb = menu.def.border;
  var sideways = !parent.horizontal;
  if (page.rtl) menu.baseX = mathRound(sideways ? p.right - pb - o.left : p.right - pb - o.right - sb);
  else menu.baseX = mathRound(sideways ? o.right - p.left - pb : o.left - p.left - pb - sb);
  menu.baseY = mathRound(sideways ? o.top - p.top - pb - sb : o.bottom - p.top - pb);
  menu.el.style.maxHeight = '';
  // A drop-down is at least as wide as the entry above it, so their edges line up.
  menu.el.style.minWidth = sideways ? '' : mathRound(o.width + 2 * sb) + 'px';
  setShift(menu, 0, 0);
  var r = menu.el.getBoundingClientRect();
  var root = D.documentElement;
  var vw = root.clientWidth || W.innerWidth;
  var vh = root.clientHeight || W.innerHeight;
  var dx = 0;
  var dy = 0;
  var screen = menu.def.screen;
  if (screen === 'left') dx = -r.left;
  else if (screen === 'right') dx = vw - r.right;
  else if (screen === 'center') dx = (vw - r.width) / 2 - r.left;
  else if (screen === 'top') dy = -r.top;
  else if (screen === 'bottom') dy = vh - r.bottom;
  else if (screen === 'middle') dy = (vh - r.height) / 2 - r.top;
  var left = r.left + dx;
  var top = r.top + dy;
  if (left + r.width > vw || left < 0) {
    var flipped = NaN;
    if (sideways && !screen) {
      flipped = left >= o.left ? o.left - r.width : o.right;
    } else if (!screen) {
      // A drop-down that would cross the window's edge ends where its entry ends instead.
      flipped = left < 0 ? o.left : o.right - r.width;
    }
    if (flipped >= 0 && flipped + r.width <= vw) left = flipped;
    else {
      if (left + r.width > vw) left = vw - r.width;
      if (left < 0) left = 0;
    }
  }
  var height = r.height;
  if (!sideways && !screen && top + height > vh) {
    // A drop-down never covers its own entry: it goes above when it fits there, and
    // otherwise scrolls on whichever side has more room.
    var below = vh - o.bottom;
    var above = o.top;
    if (height > above && height > below) {
      height = mathMax(0, mathRound(mathMax(above, below)));
      menu.el.style.maxHeight = height + 'px';
    }
    if (height > below) top = o.top - height;
  } else {
    if (top + height > vh) top = vh - height;
    if (top < 0) top = 0;
  }
  dx = mathRound(left - r.left);
  dy = mathRound(top - r.top);
  if (dx || dy) setShift(menu, dx, dy);
}

export function placeFrom(k) {
  for (var i = k; i < chain.length; i++) place(chain[i]);
}

// The mode follows the window at once, so that a resize never shows a frame of the
