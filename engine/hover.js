import { entryFrom, menuFrom } from './draw.js';
import { clearTimeout_, mathSqrt, setTimeout_ } from './env.js';
import { chain, closeTimer, open, scheduleClose } from './open.js';
import { compact } from './small.js';

var lastKey = null;      // the entry or menu the pointer was last seen over

export function onPointerOver(e) {
  // The list behind the menu button opens by activation only: hovering would fold
  // it up and down under the pointer.
  if (e.pointerType === 'touch' || compact) return;
  var entry = entryFrom(e.target);
  var menu = entry ? entry.menu : menuFrom(e.target);
  var key = entry || menu;
  if (!menu || key === lastKey) return;
  lastKey = key;
  clearTimeout_(closeTimer);
  cancelIntent();
  var open_ = chain[menu.depth];
  // Browsers may report the move before or after the pointer-over it caused.
  var from = pointer.x === e.clientX && pointer.y === e.clientY ? before : pointer;
  if (entry && open_ && open_ !== entry.sub && open_.parent === menu &&
      aiming(open_, from.x, from.y, e.clientX, e.clientY)) {
    intent = entry;
    intentTimer = setTimeout_(settle, INTENT_REST);
    return;
  }
  hovered(entry, menu);
}

function hovered(entry, menu) {
  if (entry && entry.subDef && !menu.def.click) {
    open(entry, 'hover');
    return;
  }
  var depth = menu.depth;
  if (chain.length > depth && !(entry && entry.sub && chain[depth] === entry.sub)) scheduleClose(depth);
}

// Hover intent. A pointer crossing other entries of a menu on its way to the open
// submenu must not swap that submenu for theirs: while it keeps heading into the
// submenu, what the entry under it would do waits; it happens once the pointer turns
// away or rests for INTENT_REST ms.
var INTENT_REST = 250;
var pointer = { x: -1, y: -1 };
export var before = { x: -1, y: -1 };
var intent = null;
var intentTimer = 0;

function cancelIntent() {
  clearTimeout_(intentTimer);
  intent = null;
}

function settle() {
  var entry = intent;
  cancelIntent();
  if (entry && lastKey === entry) hovered(entry, entry.menu);
}

// Whether the move from (x0, y0) to (x, y) points into the submenu: the new point lies in
// the triangle spanned by the old point and the submenu's edge facing it, with a little
// slack for a hand that wobbles.
function aiming(sub, x0, y0, x, y) {
  if (x0 < 0 || (x0 === x && y0 === y)) return false;
  var r = sub.el.getBoundingClientRect();
  var a, b;
  if (x0 < r.left) { a = [r.left, r.top]; b = [r.left, r.bottom]; }
  else if (x0 > r.right) { a = [r.right, r.bottom]; b = [r.right, r.top]; }
  else if (y0 < r.top) { a = [r.right, r.top]; b = [r.left, r.top]; }
  else if (y0 > r.bottom) { a = [r.left, r.bottom]; b = [r.right, r.bottom]; }
  else return true;
  // The apex is moved back from the submenu, so a move along an edge of the triangle counts.
  var mx = (a[0] + b[0]) / 2 - x0;
  var my = (a[1] + b[1]) / 2 - y0;
  var len = mathSqrt(mx * mx + my * my) || 1;
  var ox = x0 - mx / len * 4;
  var oy = y0 - my / len * 4;
  var s1 = side(ox, oy, a[0], a[1], x, y);
  var s2 = side(a[0], a[1], b[0], b[1], x, y);
  var s3 = side(b[0], b[1], ox, oy, x, y);
  return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
}

function side(ax, ay, bx, by, x, y) {
  return (bx - ax) * (y - ay) - (by - ay) * (x - ax);
}

export function onPointerMove(e) {
  if (e.pointerType === 'touch') return;
  if (e.clientX === pointer.x && e.clientY === pointer.y) return;
  before = pointer;
  pointer = { x: e.clientX, y: e.clientY };
  if (!intent) return;
  var sub = chain[intent.menu.depth];
  if (!sub || !aiming(sub, before.x, before.y, pointer.x, pointer.y)) settle();
  else {
    clearTimeout_(intentTimer);
    intentTimer = setTimeout_(settle, INTENT_REST);
  }
}

export function onPointerLeave(e) {
  if (e.pointerType === 'touch' || compact) return;
  lastKey = null;
  cancelIntent();
  if (chain.length) scheduleClose(0);
}
