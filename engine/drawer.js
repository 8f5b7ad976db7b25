// The small-window list as a drawer: a panel from the start side over a dimmed page. While it is
// open the page holds still and focus stays inside; Escape or a tap on the dimmed page closes it.
import { menus, nav } from './draw.js';
import { D, el } from './env.js';

var dim = null;
var held = null;  // the page's own overflow while the drawer holds the page still

export function prepareDrawer(def) {
  if (!def.drawer) return;
  nav.classList.add('tvx-drawer');
  dim = el('div', 'tvx-dim');
  nav.insertBefore(dim, menus);
}

export function isDim(node) {
  return !!dim && node === dim;
}

function drawerOpen() {
  return !!dim && nav.classList.contains('tvx-opened') && nav.classList.contains('tvx-compact');
}

// What takes focus in the drawer: its links and buttons that are shown.
function controls() {
  return [].filter.call(menus.querySelectorAll('a.tvx-i,button.tvx-i'), function (c) {
    return c.getClientRects().length > 0;
  });
}

// Follows the list behind the menu button opening and closing.
export function drawerOpened(on) {
  var s = D.documentElement.style;
  if (on && drawerOpen() && held === null) {
    held = s.overflow;
    s.overflow = 'hidden';
    var first = controls()[0];
    if (first) first.focus();
  } else if (!on && held !== null) {
    s.overflow = held;
    held = null;
  }
}

// Tab and Shift+Tab go round the drawer's entries while it is open.
export function trapTab(e) {
  if (e.key !== 'Tab' || !drawerOpen()) return;
  var list = controls();
  if (!list.length) return;
  var at = list.indexOf(D.activeElement);
  var last = list.length - 1;
  list[e.shiftKey ? (at <= 0 ? last : at - 1) : (at < 0 || at === last ? 0 : at + 1)].focus();
  e.preventDefault();
}

// Focus that lands outside the open drawer goes back into it.
export function keepFocus(target) {
  if (!drawerOpen() || menus.contains(target)) return false;
  var first = controls()[0];
  if (first) first.focus();
  return true;
}
