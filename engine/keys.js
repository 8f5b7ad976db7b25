import { entryFrom, nav, toggle } from './draw.js';
import { D, clearTimeout_ } from './env.js';
import { chain, closeFrom, closeTimer, open } from './open.js';
import { compact, horizontal, setOpened } from './small.js';
import { page, readPage } from './theme.js';

function focusables(menu) {
  return menu.entries.filter(function (x) { return x.focusable; });
}

function focusStep(entry, step) {
  var list = focusables(entry.menu);
  if (!list.length) return;
  var i = list.indexOf(entry);
  var next = list[(i + step + list.length) % list.length];
  next.ctl.focus();
}

function focusEdge(menu, last) {
  var list = focusables(menu);
  if (list.length) list[last ? list.length - 1 : 0].ctl.focus();
  else if (menu.def.panel) {
    // A panel's links are walked with Tab; the arrow into it lands on the first.
    var first = menu.el.querySelector('a.tvx-pl');
    if (first) first.focus();
  }
}

export function onKeyDown(e) {
  if (e.altKey || e.ctrlKey || e.metaKey) return;
  var entry = entryFrom(e.target);
  if (!entry || entry.ctl !== e.target) return;
  var menu = entry.menu;
  readPage();
  var rtl = page.rtl;
  var across = horizontal(menu);
  var next = across ? (rtl ? 'ArrowLeft' : 'ArrowRight') : 'ArrowDown';
  var prev = across ? (rtl ? 'ArrowRight' : 'ArrowLeft') : 'ArrowUp';
  var into = across ? 'ArrowDown' : (rtl ? 'ArrowLeft' : 'ArrowRight');
  var back = across ? 'ArrowUp' : (rtl ? 'ArrowRight' : 'ArrowLeft');
  var parent = menu.parent;
  var key = e.key;
  if (key === next) focusStep(entry, 1);
  else if (key === prev) focusStep(entry, -1);
  else if (key === 'Home') focusEdge(menu, false);
  else if (key === 'End') focusEdge(menu, true);
  else if (key === into && entry.subDef) {
    open(entry, 'key');
    focusEdge(entry.sub, false);
  } else if (parent && horizontal(parent) && !menu.horizontal &&
    (key === 'ArrowLeft' || key === 'ArrowRight')) {
    var opener = menu.opener;
    closeFrom(menu.depth - 1);
    focusStep(opener, (key === 'ArrowRight') !== rtl ? 1 : -1);
  } else if (key === back && parent) {
    closeFrom(menu.depth - 1);
    menu.opener.ctl.focus();
  } else if (key === ' ' && entry.subDef && entry.ctl.tagName === 'A') {
    if (chain[menu.depth] === entry.sub) closeFrom(menu.depth);
    else open(entry, 'key');
  } else return;
  e.preventDefault();
}

export function onDocKeyDown(e) {
  if (e.key !== 'Escape' && e.key !== 'Esc') return;
  if (!chain.length && compact && nav.classList.contains('tvx-opened')) {
    var was = D.activeElement;
    setOpened(false);
    if (was && nav.contains(was)) toggle.focus();
    e.preventDefault();
    return;
  }
  if (!chain.length) return;
  var last = chain[chain.length - 1];
  var active = D.activeElement;
  var inside = active && last.el.contains(active);
  clearTimeout_(closeTimer);
  closeFrom(chain.length - 1);
  if (inside || active === last.opener.ctl) last.opener.ctl.focus();
  e.preventDefault();
}
