import { drawn, mount, nav, rootMenus, sheet, toggleHolder } from './draw.js';
import { D, W, el, getComputedStyle_, mathRound } from './env.js';
import { placeFrom } from './place.js';
import { fit } from './small.js';
import CSS_TEXT from './menu.css';

var JUSTIFY = { left: 'flex-start', center: 'center', right: 'flex-end' };

export function styleText(style, menu, sub) {
  // Built from validated values only, so nothing in a style can add declarations.
  return '--tvx-fg:' + style.offFg + ';--tvx-bg:' + style.offBg +
    ';--tvx-ofg:' + style.onFg + ';--tvx-obg:' + style.onBg +
    ';--tvx-bc:' + style.border + ';--tvx-hi:' + style.high + ';--tvx-lo:' + style.low +
    ';--tvx-hfg:' + style.headFg + ';--tvx-hbg:' + style.headBg +
    ';--tvx-bw:' + menu.border + 'px;--tvx-pad:' + style.padding + 'px' +
    ';--tvx-w:' + (menu.width > 0 ? menu.width + 'px' : 'auto') +
    ';--tvx-mw:' + (menu.width > 0 ? 'max(24em,' + (menu.width + 2 * menu.border) + 'px)' : '24em') +
    ';--tvx-jc:' + JUSTIFY[menu.align] +
    // Always-visible menus inherit the page's font; submenus sit inside other menus
    // and are given the page's font explicitly.
    (style.fontSize || sub ? ';--tvx-font-size:' + (style.fontSize || page.fontSize) : '') +
    (style.fontFamily || sub ? ';--tvx-font-family:' + (style.fontFamily || page.fontFamily) : '') +
    ';--tvx-font-style:' + style.fontStyle + ';--tvx-font-weight:' + style.fontWeight +
    ';--tvx-ta:' + menu.align + ';';
}

export var page = { fontSize: '16px', fontFamily: 'sans-serif', rtl: false, read: false };

// What the engine needs to know of the page is read once the page has been styled:
// before the first paint, or when a submenu opens, whichever comes first. dumpmenus()
// itself reads nothing, so it never forces the browser to style a half-parsed page.
export function readPage() {
  if (page.read || !nav) return;
  page.read = true;
  var cs = getComputedStyle_(nav);
  page.fontSize = cs.fontSize || page.fontSize;
  page.fontFamily = cs.fontFamily || page.fontFamily;
  page.rtl = cs.direction === 'rtl';
  if (page.rtl) nav.classList.add('tvx-rtl');
  var body = D.body;
  if (!mount && (getComputedStyle_(body).position !== 'static' || getComputedStyle_(D.documentElement).position !== 'static')) {
    var at = nav.getBoundingClientRect();
    nav.style.left = -mathRound(at.left + W.scrollX) + 'px';
    nav.style.top = -mathRound(at.top + W.scrollY) + 'px';
  }
  fit();
}

export var darkScheme = W.matchMedia ? W.matchMedia('(prefers-color-scheme: dark)') : null;

// The style a menu shows now: its dark style under a dark colour scheme. A submenu without a dark
// style of its own takes its parent's, so a design that sets one on its main menu is dark throughout.
export function styleOf(menu) {
  return menu.dark && darkScheme && darkScheme.matches ? menu.dark : menu.def.style;
}

// A menu's design goes into a rule of the engine's own style sheet that matches its box with
// no specificity at all, so any rule of the page's (say .tvx-m{--tvx-bg:...}) overrides it,
// and no style attribute is written that a strict content security policy would refuse.
export function design(holder, css) {
  if (!holder.rule) {
    var at = sheet.insertRule(':where(#' + holder.el.id + '){}', sheet.cssRules.length);
    holder.rule = sheet.cssRules[at];
  }
  holder.rule.style.cssText = css;
}

// The engine's rules as constructed style sheets where the browser has them (a policy that
// refuses inline style elements allows them), otherwise as style elements. The fixed rules and the
// menus' designs are two sheets: a rule added to a sheet makes the browser read that sheet again,
// and each submenu adds its design as it first opens, so that sheet is kept small.
// Returns the sheet for the designs.
export function makeSheet() {
  try {
    var fixed = new W.CSSStyleSheet();
    fixed.replaceSync(CSS_TEXT);
    var designs = new W.CSSStyleSheet();
    D.adoptedStyleSheets = D.adoptedStyleSheets.concat([fixed, designs]);
    return designs;
  } catch (e) {
    styleElement(CSS_TEXT);
    return styleElement('').sheet;
  }
}

function styleElement(text) {
  var holder = el('style');
  holder.textContent = text;
  (D.head || D.body).appendChild(holder);
  return holder;
}

export function onScheme() {
  for (var i = 0; i < drawn.length; i++) {
    var m = drawn[i];
    var style = styleOf(m);
    if (style.bevel) m.el.classList.add('tvx-3d');
    else m.el.classList.remove('tvx-3d');
    design(m, styleText(style, m.def, !!m.parent));
  }
  toggleStyle();
  placeFrom(0);
}

export function toggleStyle() {
  var first = styleOf(rootMenus[0]);
  design(toggleHolder, '--tvx-fg:' + first.offFg + ';--tvx-bg:' + first.offBg + ';--tvx-ofg:' + first.onFg +
    ';--tvx-obg:' + first.onBg + (first.fontSize ? ';--tvx-font-size:' + first.fontSize : '') +
    (first.fontFamily ? ';--tvx-font-family:' + first.fontFamily : ''));
}
