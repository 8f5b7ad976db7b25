// Rich entries: a description under the caption, a badge beside it and an icon before it. The
// caption stays the control's accessible name; the description and badge describe it. Icons are
// decoration drawn in the text colour, built through DOM calls from path data of our own.
import { D, el, hasOwn } from './env.js';

var SVG = 'http://www.w3.org/2000/svg';

// 24 x 24 outlines, stroked in the text colour.
var ICONS = {
  home: 'M3 11l9-8 9 8M5 10v10h5v-6h4v6h5V10',
  search: 'M10.5 4a6.5 6.5 0 1 0 0 13a6.5 6.5 0 1 0 0-13zM15.5 15.5L21 21',
  cart: 'M3 4h2l2.5 11h11L21 7H6.5M9 19.5h.01M18 19.5h.01',
  user: 'M12 4a4 4 0 1 0 0 8a4 4 0 1 0 0-8zM4 21c0-4 4-6 8-6s8 2 8 6',
  mail: 'M3 6h18v12H3zM3 6l9 7 9-7',
  phone: 'M5 3h4l2 5-3 2a12 12 0 0 0 6 6l2-3 5 2v4a2 2 0 0 1-2 2A18 18 0 0 1 3 5a2 2 0 0 1 2-2z',
  info: 'M12 3a9 9 0 1 0 0 18a9 9 0 1 0 0-18zM12 11v6M12 7.5v.01',
  help: 'M12 3a9 9 0 1 0 0 18a9 9 0 1 0 0-18zM9.5 9.5a2.5 2.5 0 1 1 3.5 2.3c-.7.3-1 .9-1 1.7M12 17v.01',
  settings: 'M12 9a3 3 0 1 0 0 6a3 3 0 1 0 0-6zM12 2v3M12 19v3M2 12h3M19 12h3M5 5l2 2M17 17l2 2M5 19l2-2M17 7l2-2',
  download: 'M12 3v12M7 10l5 5 5-5M4 20h16',
  calendar: 'M4 5h16v15H4zM4 10h16M8 3v4M16 3v4',
  map: 'M3 6l6-2 6 2 6-2v14l-6 2-6-2-6 2zM9 4v14M15 6v14',
  star: 'M12 3l2.8 5.8 6.2.9-4.5 4.4 1 6.2L12 17.3l-5.5 3 1-6.2L3 9.7l6.2-.9z',
  heart: 'M12 20s-8-5-8-11a4.5 4.5 0 0 1 8-2.8A4.5 4.5 0 0 1 20 9c0 6-8 11-8 11z',
  document: 'M6 3h8l4 4v14H6zM14 3v4h4M9 12h6M9 16h6',
  external: 'M14 4h6v6M20 4l-9 9M18 14v6H4V6h6'
};

var parts = 0;

function svgNode(tag, attrs) {
  var node = D.createElementNS(SVG, tag);
  for (var name in attrs) node.setAttribute(name, attrs[name]);
  return node;
}

export function drawIcon(name) {
  if (!hasOwn.call(ICONS, name)) return null;
  var icon = svgNode('svg', {
    viewBox: '0 0 24 24', 'class': 'tvx-ic', 'aria-hidden': 'true', focusable: 'false', fill: 'none',
    stroke: 'currentColor', 'stroke-width': '2', 'stroke-linecap': 'round', 'stroke-linejoin': 'round'
  });
  icon.appendChild(svgNode('path', { d: ICONS[name] }));
  return icon;
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
