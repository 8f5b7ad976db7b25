// Rich entries: a description under the caption, a badge beside it and an icon before it. The
// caption stays the control's accessible name; the description and badge describe it. Icons are
// decoration drawn in the text colour, built through DOM calls from path data of our own.
import { D, el, hasOwn, isArray } from './env.js';
import { ICONS } from './icons.js';

var SVG = 'http://www.w3.org/2000/svg';


var parts = 0;

function svgNode(tag, attrs) {
  var node = D.createElementNS(SVG, tag);
  for (var name in attrs) node.setAttribute(name, attrs[name]);
  return node;
}

// A name of our set, or the drawing of an icon file as the program reduced it.
export function drawIcon(name) {
  if (isArray(name)) return fileIcon(name, 0);
  if (!hasOwn.call(ICONS, name)) return null;
  var icon = svgNode('svg', {
    viewBox: '0 0 24 24', 'class': 'tvx-ic', 'aria-hidden': 'true', focusable: 'false', fill: 'none',
    stroke: 'currentColor', 'stroke-width': '2', 'stroke-linecap': 'round', 'stroke-linejoin': 'round'
  });
  icon.appendChild(svgNode('path', { d: ICONS[name] }));
  return icon;
}

// An icon file's drawing, [tag, {attributes}, [children]], rebuilt through DOM calls. The program
// has already kept only shapes and presentational attributes; whatever else a menu.js edited by
// hand holds is passed over here as well. It fills in the text colour unless it says otherwise.
var SHAPE = /^(svg|g|path|circle|ellipse|rect|line|polyline|polygon)$/;
var LOOK = /^(d|points|c[xy]|r[xy]?|[xy][12]?|width|height|viewBox|fill|stroke(-width|-linecap|-linejoin)?|(fill|clip)-rule|transform|opacity)$/;

function fileIcon(a, depth) {
  if (!isArray(a) || !SHAPE.test(a[0]) || (a[0] === 'svg') !== !depth || depth > 16) return null;
  var node = svgNode(a[0], depth ? {} : { 'class': 'tvx-ic tvx-if', 'aria-hidden': 'true', focusable: 'false' });
  // The menu's reset reaches the outer svg, whose paint would then be the entry's and not the
  // file's: there it is set as the element's own style.
  if (!depth) node.style.fill = 'currentColor';
  var look = a[1] || {};
  for (var name in look) {
    if (!hasOwn.call(look, name) || !LOOK.test(name) || /url\(|script:/i.test(look[name])) continue;
    if (!depth && /^(fill|stroke|opacity|clip)/.test(name)) node.style.setProperty(name, look[name]);
    else node.setAttribute(name, look[name]);
  }
  for (var i = 0; isArray(a[2]) && i < a[2].length; i++) {
    var child = fileIcon(a[2][i], depth + 1);
    if (child) node.appendChild(child);
  }
  return node;
}

// The caption's wrapper gets the description under it and the badge after it; the control is
// described by both.
export function drawRich(ctl, cap, e) {
  var icon = drawIcon(e.icon);
  if (icon) ctl.insertBefore(icon, cap);
  var described = [];
  if (e.desc) {
    var text = el('span', 'tvx-ct');
    text.textContent = cap.textContent;
    cap.textContent = '';
    cap.appendChild(text);
    described.push(part(cap, 'tvx-d', e.desc));
  }
  if (e.badge) described.push(part(ctl, 'tvx-bd', e.badge, cap.nextSibling));
  if (described.length) ctl.setAttribute('aria-describedby', described.join(' '));
}

function part(holder, cls, words, before) {
  var node = el('span', cls);
  node.id = 'tvx-r' + (++parts);
  node.textContent = words;
  node.setAttribute('aria-hidden', 'true');
  holder.insertBefore(node, before || null);
  return node.id;
}
