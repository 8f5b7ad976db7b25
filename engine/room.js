// A bar without room for all its entries: they wrap onto more rows, or the last of them move into
// a last group "More" (its submenu a column like any other), until even one entry and More do not
// fit and the menu button takes over.
import { drawMenu, entryOf, rootMenus } from './draw.js';
import { el } from './env.js';

var more = null;  // the More entry of the main menu's bar, when it has one

// Called once the main menu is drawn.
export function prepareRoom(root) {
  var def = root.def;
  if (!def.horizontal) return;
  if (def.noRoom === 'wrap') root.el.classList.add('tvx-wrap');
  if (def.noRoom !== 'more') return;
  var li = el('li', 'tvx-e tvx-more');
  var ctl = el('button', 'tvx-i');
  ctl.type = 'button';
  var cap = el('span', 'tvx-c');
  cap.textContent = def.more;
  var mark = el('span', 'tvx-a tvx-ad');
  mark.setAttribute('aria-hidden', 'true');
  ctl.appendChild(cap);
  ctl.appendChild(mark);
  ctl.setAttribute('aria-expanded', 'false');
  li.appendChild(ctl);
  root.el.lastChild.appendChild(li);
  var subDef = { name: '', entries: [], style: def.style, dark: def.dark, width: def.width, border: def.border,
    align: def.align, imagePos: def.imagePos, screen: '', horizontal: false, click: def.click };
  more = { li: li, ctl: ctl, menu: root, sub: null, subDef: subDef, href: '', caption: def.more, focusable: true };
  entryOf.set(li, more);
  root.entries.push(more);
  var box = drawMenu(subDef, root, more, [def]);
  more.sub = box;
  ctl.setAttribute('aria-controls', box.el.id);
  li.appendChild(box.el);
}

// Moves entries between the bar and More until the bar fits `room` (a right edge in window
// coordinates, measured by `right`); false when even one entry and More do not fit.
export function makeRoom(right, room) {
  if (!more) return right(rootMenus[0]) <= room;
  var root = rootMenus[0];
  var box = more.sub;
  while (box.entries.length) move(box.entries[0], root, more.li);
  show(false);
  if (right(root) <= room) return true;
  show(true);
  while (root.entries.length > 2 && right(root) > room) {
    move(root.entries[root.entries.length - 2], box, box.el.lastChild.firstChild);
  }
  var path = box.el.querySelector('.tvx-cur,.tvx-path');
  more.li.classList.toggle('tvx-path', !!path);
  return right(root) <= room;
}

function show(on) {
  more.li.classList.toggle('tvx-shown', on);
  more.focusable = on;
}

function move(entry, to, before) {
  var from = entry.menu;
  from.entries.splice(from.entries.indexOf(entry), 1);
  var at = before ? to.entries.indexOf(entryOf.get(before)) : -1;
  to.entries.splice(at < 0 ? to.entries.length : at, 0, entry);
  (before ? before.parentNode : to.el.lastChild).insertBefore(entry.li, before || null);
  entry.menu = to;
  if (entry.sub) deepen(entry.sub, to, to.depth + 1);
}

function deepen(menu, parent, depth) {
  menu.parent = parent;
  menu.depth = depth;
  for (var i = 0; i < menu.entries.length; i++) if (menu.entries[i].sub) deepen(menu.entries[i].sub, menu, depth + 1);
}
