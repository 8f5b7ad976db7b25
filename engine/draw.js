import { findCurrent, isHere, onPath } from './current.js';
import { D, ENTRY_SIZE, ENTRY_START, MapCtor, PREFIX, WeakMapCtor, el, mathMax, rAF } from './env.js';
import { listen } from './listen.js';
import { added } from './index.js';
import { flag, readMenu, text } from './read.js';
import { drawRich } from './rich.js';
import { prepareDrawer } from './drawer.js';
import { drawPanel } from './panel.js';
import { prepareRoom } from './room.js';
import { fit, watchColumn } from './small.js';
import { design, makeSheet, readPage, styleOf, styleText, toggleStyle } from './theme.js';

export var byName = new MapCtor();
var parsed = new MapCtor();
var menuOf = new WeakMapCtor();
export var entryOf = new WeakMapCtor();
export var nav = null;
export var menus = null;       // the box of the always-visible menus, what the menu button controls
export var toggle = null;
export var mount = null;        // the page's #tarvex-menu, when it has one
export var rootMenus = [];
export var drawn = [];          // every menu drawn so far
export var sheet = null;        // the engine's style sheet of the menus' designs
export var toggleHolder = null;

var serial = 0;
var budget = 0;

// One more entry drawn, while the budget lasts.
export function spend() {
  return --budget > 0;
}

export function isRoot(def) {
  return def.permanent || def.name === 'mainmenu';
}

export function drawMenu(def, parent, opener, ancestors) {
  var dark = def.dark || (parent ? parent.dark : null);
  var style = styleOf({ def: def, dark: dark });
  // Without a position given, flat styles keep the arrow beside the caption; the 3D look
  // keeps it at the far end, as desktop menus of that look do.
  var imagePos = def.imagePos || (style.bevel ? 'right' : 'center');
  var box = el('div', 'tvx-m' + (def.horizontal ? ' tvx-hz' : '') + (parent ? ' tvx-sub' : ' tvx-root') +
    (style.bevel ? ' tvx-3d' : '') + ' tvx-img' + imagePos);
  box.id = PREFIX + '-' + (++serial);
  var menu = {
    el: box, def: def, parent: parent, opener: opener, depth: parent ? parent.depth + 1 : 0,
    horizontal: def.horizontal, dark: dark, entries: [], shiftX: 0, shiftY: 0, how: ''
  };
  var css = styleText(style, def, !!parent);
  if (!parent) {
    // Where it stands is no design value a page would theme: set on the box itself.
    box.style.cssText = rootPosition(def);
    if (def.screen) box.className += ' tvx-fixed';
  } else {
    // Placed against the entry that opens it when it opens (see place).
    menu.baseX = 0;
    menu.baseY = 0;
  }
  design(menu, css);
  menuOf.set(box, menu);
  drawn.push(menu);

  if (style.topImage) {
    var top = el('img', 'tvx-top');
    top.alt = '';
    top.src = style.topImage;
    box.appendChild(top);
  }
  var list = el('ul', 'tvx-l');
  list.setAttribute('role', 'list');
  box.appendChild(list);

  var defs = def.entries;
  if (def.panel && parent) drawPanel(menu, list, ancestors);
  else for (var i = 0; i < defs.length; i++) drawEntry(menu, list, defs[i], ancestors, style);
  return menu;
}

// One entry of a menu: its link, button or header, its caption and its submenu mark.
function drawEntry(menu, list, e, ancestors, style) {
  budget--;
  var subDef = e.sub ? menuNamed(e.sub) : undefined;
  if (subDef && (isRoot(subDef) || ancestors.indexOf(subDef) >= 0 || budget <= 0)) subDef = undefined;
  var li = el('li', 'tvx-e');
  var ctl;
  if (e.href) {
    ctl = el('a', 'tvx-i');
    ctl.href = e.href;
    if (e.target) {
      ctl.target = e.target;
      if (e.target.toLowerCase() === '_blank') ctl.rel = 'noopener';
    }
  } else if (subDef) {
    ctl = el('button', 'tvx-i');
    ctl.type = 'button';
  } else {
    ctl = el('span', 'tvx-i tvx-hd');
  }
  var cap = el('span', 'tvx-c');
  // An empty caption still makes a row of the menu's height.
  cap.textContent = e.caption.trim() ? e.caption : '\u00a0';
  ctl.appendChild(cap);
  if (e.desc || e.badge || e.icon) drawRich(ctl, cap, e);
  if (e.hint) ctl.title = e.hint;
  if (!e.caption.trim() && (e.href || subDef)) ctl.setAttribute('aria-label', e.hint || e.href || e.sub);
  if (isHere(e.href)) {
    ctl.setAttribute('aria-current', 'page');
    li.className += ' tvx-cur';
  } else if (subDef && onPath.has(subDef)) li.className += ' tvx-path';
  li.appendChild(ctl);
  list.appendChild(li);
  var entry = {
    li: li, ctl: ctl, menu: menu, sub: null, subDef: null, href: e.href, caption: e.caption.trim(),
    focusable: !!(e.href || subDef)
  };
  entryOf.set(li, entry);
  menu.entries.push(entry);
  if (subDef) {
    if (style.arrow) {
      var img = el('img', 'tvx-a');
      img.alt = '';
      img.src = style.arrow;
      ctl.appendChild(img);
    } else {
      var mark = el('span', 'tvx-a tvx-ad');
      mark.setAttribute('aria-hidden', 'true');
      ctl.appendChild(mark);
    }
    entry.subDef = subDef;
    entry.ancestors = ancestors.concat([subDef]);
    ctl.setAttribute('aria-expanded', 'false');
  }
}

// Submenus are drawn when they first open: drawing stays proportional to the
// always-visible menus, however large the whole menu tree is.
export function submenu(entry) {
  if (!entry.sub && entry.subDef) {
    readPage();
    var child = drawMenu(entry.subDef, entry.menu, entry, entry.ancestors);
    entry.sub = child;
    entry.ctl.setAttribute('aria-controls', child.el.id);
    entry.li.appendChild(child.el);
  }
  return entry.sub;
}

export function menuNamed(name) {
  var raw = byName.get(name);
  if (raw === undefined) return undefined;
  var def = parsed.get(raw);
  if (!def) {
    def = readMenu(raw);
    parsed.set(raw, def);
  }
  return def;
}

function rootPosition(def) {
  var x = 'left:' + def.left + 'px;';
  var y = 'top:' + def.top + 'px;';
  // In a mount point the page's own layout places the menu: it starts at the corner.
  if (mount && !def.screen) return '';
  switch (def.screen) {
    case 'left': x = 'left:0;'; break;
    case 'right': x = 'right:0;'; break;
    case 'center': x = 'left:0;right:0;margin-left:auto;margin-right:auto;'; break;
    case 'top': y = 'top:0;'; break;
    case 'bottom': y = 'bottom:0;'; break;
    case 'middle': y = 'top:0;bottom:0;margin-top:auto;margin-bottom:auto;height:fit-content;'; break;
  }
  return x + y;
}

export function draw() {
  var roots = [];
  var total = 0;
  for (var i = 0; i < added.length; i++) {
    var raw = added[i];
    var name = text(raw[0]);
    total += mathMax(0, (raw.length - ENTRY_START) / ENTRY_SIZE);
    if (byName.has(name)) continue;
    byName.set(name, raw);
    if (name === 'mainmenu' || flag(raw[7])) roots.push(menuNamed(name));
  }
  if (!roots.length) return;
  // Duplicate names can make one menu reachable from many groups; each group gets
  // its own copy, within a budget so that no script can make the page explode.
  budget = 10 * total + 1000;
  findCurrent();

  var body = D.body;
  sheet = makeSheet();

  nav = el('nav', 'tvx-nav');
  nav.setAttribute('aria-label', roots[0].label || 'Site menu');
  menus = el('div', 'tvx-ms');
  menus.id = PREFIX + '-menus';
  toggle = el('button', 'tvx-tg');
  toggle.id = PREFIX + '-tg';
  toggleHolder = { el: toggle, rule: null };
  toggle.type = 'button';
  toggle.setAttribute('aria-expanded', 'false');
  toggle.setAttribute('aria-controls', menus.id);
  var bars = el('span', 'tvx-tgi');
  bars.setAttribute('aria-hidden', 'true');
  toggle.appendChild(bars);
  toggle.appendChild(D.createTextNode(roots[0].button || 'Menu'));
  nav.style.setProperty('--tvx-top', (roots[0].screen === 'top' || roots[0].screen === 'bottom' ||
    roots[0].screen === 'middle' ? 0 : mathMax(0, roots[0].top)) + 'px');
  nav.appendChild(toggle);
  nav.appendChild(menus);
  mount = D.getElementById('tarvex-menu');
  if (mount) nav.className += ' tvx-mounted';
  for (var r = 0; r < roots.length; r++) {
    var root = drawMenu(roots[r], null, null, [roots[r]]);
    rootMenus.push(root);
    menus.appendChild(root.el);
  }
  prepareRoom(rootMenus[0]);
  prepareDrawer(rootMenus[0].def);
  toggleStyle();
  if (mount) placeInMount(mount);
  else body.insertBefore(nav, body.firstChild);
  // A page that names its mount point below the menu script gets the menu moved there
  // once the page is parsed.
  if (!mount && D.readyState === 'loading') D.addEventListener('DOMContentLoaded', lateMount, { once: true });
  rAF(readPage);
  listen();
}

function lateMount() {
  var target = D.getElementById('tarvex-menu');
  if (!target || target.contains(nav) || nav.contains(target)) return;
  mount = target;
  nav.classList.add('tvx-mounted');
  nav.style.left = '';
  nav.style.top = '';
  for (var i = 0; i < rootMenus.length; i++) {
    var m = rootMenus[i];
    m.el.style.cssText = rootPosition(m.def);
  }
  placeInMount(mount);
  watchColumn();
  fit();
}

// A page may hold the menu as a plain list of links in its mount point, for readers without
// script; the drawn menu takes the list's place, so no link is offered twice.
function placeInMount(target) {
  var lists = target.querySelectorAll('nav.tarvex-links');
  if (!lists.length) {
    target.appendChild(nav);
    return;
  }
  lists[0].parentNode.replaceChild(nav, lists[0]);
  for (var i = 1; i < lists.length; i++) lists[i].parentNode.removeChild(lists[i]);
}

export function entryFrom(node) {
  var li = node && node.closest ? node.closest('.tvx-e') : null;
  return li ? entryOf.get(li) : undefined;
}

export function menuFrom(node) {
  var box = node && node.closest ? node.closest('.tvx-m') : null;
  return box ? menuOf.get(box) : undefined;
}
