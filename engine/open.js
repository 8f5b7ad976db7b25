import { entryFrom, nav, submenu, toggle } from './draw.js';
import { isDim } from './drawer.js';
import { panelLink } from './panel.js';
import { emitNavigate, emitOpened } from './events.js';
import { W, clearTimeout_, mathMax, setTimeout_ } from './env.js';
import { delay, lastPointer } from './listen.js';
import { place } from './place.js';
import { compact, setOpened } from './small.js';

// ---- behaviour ----------------------------------------------------------------

export var chain = [];          // open submenus, outermost first; chain[k].depth === k + 1
export var closeTimer = 0;

function setExpanded(menu, open) {
  var entry = menu.opener;
  if (open) {
    menu.el.classList.add('tvx-show');
    entry.li.classList.add('tvx-open');
  } else {
    menu.el.classList.remove('tvx-show');
    entry.li.classList.remove('tvx-open');
  }
  entry.ctl.setAttribute('aria-expanded', open ? 'true' : 'false');
  emitOpened(menu, open);
}

export function closeFrom(k) {
  for (var i = chain.length - 1; i >= k && i >= 0; i--) setExpanded(chain[i], false);
  if (chain.length > k) chain.length = mathMax(0, k);
}

export function closeAll() {
  clearTimeout_(closeTimer);
  closeFrom(0);
}

export function open(entry, how) {
  var sub = submenu(entry);
  if (!sub) return;
  var depth = entry.menu.depth;
  if (chain[depth] === sub) {
    if (how !== 'hover') sub.how = how;
    return;
  }
  if (depth > 0 && chain[depth - 1] !== entry.menu) depth = 0;
  // In the list, closing a disclosure above the entry would pull the entry away from
  // under the finger: the page is scrolled so that it stays where it was.
  var before = compact ? entry.ctl.getBoundingClientRect().top : 0;
  closeFrom(depth);
  chain.push(sub);
  sub.how = how;
  setExpanded(sub, true);
  if (compact) {
    var moved = entry.ctl.getBoundingClientRect().top - before;
    if (moved) W.scrollBy(0, moved);
  } else place(sub);
}

function closeHoverFrom(depth) {
  for (var i = chain.length - 1; i >= depth; i--) {
    if (chain[i].how !== 'hover') break;
    setExpanded(chain[i], false);
    chain.length = i;
  }
}

export function scheduleClose(depth) {
  clearTimeout_(closeTimer);
  closeTimer = setTimeout_(function () { closeHoverFrom(depth); }, delay);
}

export function onClick(e) {
  if (e.target === toggle || toggle.contains(e.target)) {
    setOpened(!nav.classList.contains('tvx-opened'));
    return;
  }
  if (isDim(e.target)) {
    setOpened(false);
    toggle.focus();
    return;
  }
  var entry = entryFrom(e.target) || panelLink(e.target);
  if (!entry || !entry.focusable) return;
  if (e.ctrlKey || e.metaKey || e.shiftKey || e.altKey || e.button) {
    if (entry.href) emitNavigate(entry);
    return;
  }
  if (!entry.subDef) {
    follow(entry);
    return;
  }
  var how = e.detail === 0 ? 'key' : (lastPointer === 'touch' ? 'touch' : 'click');
  var isOpen = chain[entry.menu.depth] === entry.sub;
  if (how === 'click' && !entry.menu.def.click && !compact) {
    if (entry.href) {
      follow(entry);
      return;
    }
    e.preventDefault();
    open(entry, 'click');
    return;
  }
  if (!isOpen) {
    e.preventDefault();
    clearTimeout_(closeTimer);
    open(entry, how);
    return;
  }
  if (entry.href) {
    follow(entry);
    return;
  }
  e.preventDefault();
  closeFrom(entry.menu.depth);
}

function follow(entry) {
  if (entry.href) emitNavigate(entry);
  closeAll();
}
