// A submenu drawn as one wide panel: each group inside is a column headed by its caption (a link
// when it has an address) with its entries listed below and deeper levels nested in them; the
// items directly in the panel form a column of their own. Its links are reached with Tab, as in
// a disclosure navigation, and the panel is placed like any submenu.
import { isHere } from './current.js';
import { isRoot, menuNamed, spend } from './draw.js';
import { WeakMapCtor, el } from './env.js';
import { drawRich } from './rich.js';

var linkOf = new WeakMapCtor();
var heads = 0;

// The panel link a node is in, for the navigate event: { ctl, caption }.
export function panelLink(node) {
  var a = node && node.closest ? node.closest('a.tvx-pl') : null;
  return a ? linkOf.get(a) : undefined;
}

export function drawPanel(menu, list, ancestors) {
  var def = menu.def;
  menu.el.classList.add('tvx-panel');
  // A set number of columns is a grid of exactly that many, which narrow together in a narrow
  // window rather than wrap; without one, the columns wrap as the window allows.
  if (def.columns) {
    menu.el.classList.add('tvx-cols');
    menu.el.style.setProperty('--tvx-cols', def.columns);
  }
  var loose = null;
  for (var i = 0; i < def.entries.length; i++) {
    var e = def.entries[i];
    var sub = opens(e, ancestors);
    if (sub) {
      var column = columnOf(list, e);
      links(column, sub.entries, ancestors.concat([sub]));
    } else {
      if (!loose) loose = columnOf(list, null, menu.opener.caption);
      panelEntry(loose, e, ancestors);
    }
  }
}

function opens(e, ancestors) {
  var sub = e.sub && spend() ? menuNamed(e.sub) : undefined;
  return sub && !isRoot(sub) && ancestors.indexOf(sub) < 0 ? sub : undefined;
}

// A column: its heading (none for the panel's own items) and the list it labels.
function columnOf(list, e, label) {
  var li = el('li', 'tvx-col');
  var ul = el('ul', 'tvx-cl');
  ul.setAttribute('role', 'list');
  if (e) {
    var head = el('h2', 'tvx-h');
    head.id = 'tvx-h' + (++heads);
    head.appendChild(control(e));
    li.appendChild(head);
    ul.setAttribute('aria-labelledby', head.id);
  } else {
    ul.setAttribute('aria-label', label || 'Menu');
  }
  li.appendChild(ul);
  list.appendChild(li);
  return ul;
}

function links(ul, entries, ancestors) {
  for (var i = 0; i < entries.length; i++) panelEntry(ul, entries[i], ancestors);
}

// One entry of a column, with the levels below it as a nested list.
function panelEntry(ul, e, ancestors) {
  var li = el('li', 'tvx-pe');
  li.appendChild(control(e));
  var sub = opens(e, ancestors);
  if (sub) {
    var nested = el('ul', 'tvx-cl');
    nested.setAttribute('role', 'list');
    links(nested, sub.entries, ancestors.concat([sub]));
    li.appendChild(nested);
  }
  ul.appendChild(li);
}

function control(e) {
  var ctl = el(e.href ? 'a' : 'span', 'tvx-pl');
  var cap = el('span', 'tvx-c');
  cap.textContent = e.caption.trim() ? e.caption : '\u00a0';
  ctl.appendChild(cap);
  if (e.desc || e.badge || e.icon) drawRich(ctl, cap, e);
  if (e.hint) ctl.title = e.hint;
  if (e.href) {
    ctl.href = e.href;
    if (e.target) {
      ctl.target = e.target;
      if (e.target.toLowerCase() === '_blank') ctl.rel = 'noopener';
    }
    if (isHere(e.href)) ctl.setAttribute('aria-current', 'page');
    linkOf.set(ctl, { ctl: ctl, caption: e.caption.trim(), href: e.href, focusable: true });
  }
  return ctl;
}
