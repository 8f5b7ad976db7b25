import { ENTRY_SIZE, ENTRY_START, MapCtor, cssSupports, fromCodePoint, hasOwn, isArray, isFinite_, mathMax, mathMin, mathRound, parseInt_ } from './env.js';

// ---- reading the arrays -------------------------------------------------------

export function text(v) {
  if (typeof v === 'string') return v;
  if (typeof v === 'number' && isFinite_(v)) return '' + v;
  return '';
}

export function number(v, fallback) {
  var n = typeof v === 'number' ? v : (typeof v === 'string' && v.trim() !== '' ? +v : NaN);
  if (!isFinite_(n)) return fallback;
  return mathRound(mathMax(-1e6, mathMin(1e6, n)));
}

function word(v) {
  return text(v).trim().toLowerCase();
}

export function flag(v) {
  return v === 1 || v === '1' || v === true;
}

var ENTITIES = {
  nbsp: '\u00a0', amp: '&', lt: '<', gt: '>', quot: '"', apos: "'", copy: '\u00a9',
  reg: '\u00ae', trade: '\u2122', euro: '\u20ac', pound: '\u00a3', yen: '\u00a5',
  laquo: '\u00ab', raquo: '\u00bb', middot: '\u00b7', bull: '\u2022', hellip: '\u2026',
  ndash: '\u2013', mdash: '\u2014', lsquo: '\u2018', rsquo: '\u2019', ldquo: '\u201c',
  rdquo: '\u201d', deg: '\u00b0', times: '\u00d7', rarr: '\u2192', larr: '\u2190',
  auml: '\u00e4', ouml: '\u00f6', uuml: '\u00fc', Auml: '\u00c4', Ouml: '\u00d6',
  Uuml: '\u00dc', szlig: '\u00df', eacute: '\u00e9', egrave: '\u00e8', aacute: '\u00e1',
  agrave: '\u00e0', ccedil: '\u00e7', ntilde: '\u00f1', oacute: '\u00f3', iacute: '\u00ed',
  uacute: '\u00fa', Eacute: '\u00c9', ecirc: '\u00ea', acirc: '\u00e2', ocirc: '\u00f4'
};

function caption(v) {
  return text(v).replace(/&(#[xX][0-9a-fA-F]{1,6}|#[0-9]{1,7}|[a-zA-Z]{2,8});/g, function (whole, name) {
    if (name.charAt(0) === '#') {
      var code = name.charAt(1) === 'x' || name.charAt(1) === 'X' ? parseInt_(name.slice(2), 16) : parseInt_(name.slice(1), 10);
      if (code > 0 && code <= 0x10ffff && (code < 0xd800 || code > 0xdfff)) return fromCodePoint(code);
      return whole;
    }
    return hasOwn.call(ENTITIES, name) ? ENTITIES[name] : whole;
  });
}

function color(v, fallback) {
  var s = text(v).trim();
  if (/^[0-9a-fA-F]{6}$/.test(s) || /^[0-9a-fA-F]{3}$/.test(s)) return '#' + s;
  if (s && /^[#a-zA-Z0-9(),.%\s]+$/.test(s) && cssSupports('color', s)) return s;
  return fallback;
}

function link(v) {
  var s = text(v);
  var at = s.indexOf(' target=');
  var href = at < 0 ? s : s.slice(0, at);
  var target = at < 0 ? '' : s.slice(at + 8).trim();
  href = href.trim();
  return { href: href, target: href ? target : '' };
}

var DEFAULT_STYLE = ['000000', 'C0C0C0', 'FFFFFF', '808080', '000000', 10, 'normal', '', 'Verdana, Arial', 3];
var styleCache = new MapCtor();

function readStyle(s) {
  if (!isArray(s)) s = DEFAULT_STYLE;
  var known = styleCache.get(s);
  if (known) return known;
  var offFg = color(s[0], '#000000');
  var offBg = color(s[1], '#c0c0c0');
  var size = number(s[5], 0);
  var family = text(s[8]).trim();
  var fontStyle = text(s[6]).trim().toLowerCase();
  var weight = text(s[7]).trim().toLowerCase();
  var style = {
    offFg: offFg,
    offBg: offBg,
    onFg: color(s[2], '#ffffff'),
    onBg: color(s[3], '#808080'),
    border: color(s[4], '#000000'),
    fontSize: size > 0 ? size + 'px' : '',
    fontStyle: /^(normal|italic|oblique)$/.test(fontStyle) ? fontStyle : 'normal',
    fontWeight: /^(normal|bold|bolder|lighter|[1-9]00)$/.test(weight) ? weight : 'normal',
    fontFamily: family && /^[^;{}<>!\\]+$/.test(family) && cssSupports('font-family', family) ? withGeneric(family) : '',
    padding: mathMax(0, number(s[9], 0)),
    arrow: text(s[10]).trim(),
    bevel: flag(s[11]),
    high: color(s[12], '#ffffff'),
    low: color(s[13], '#808080'),
    topImage: text(s[16]).trim(),
    headFg: color(s[17], offFg),
    headBg: color(s[18], offBg)
  };
  styleCache.set(s, style);
  return style;
}

var KEYWORDS = { left: 1, right: 1, center: 1, middle: 1, top: 1, bottom: 1 };

export function readMenu(a) {
  var screen = text(a[5]).trim().toLowerCase();
  var align = text(a[8]).trim().toLowerCase();
  var imagePos = text(a[13]).trim().toLowerCase();
  var menu = {
    name: text(a[0]),
    top: number(a[1], 0),
    left: number(a[2], 0),
    width: mathMax(0, number(a[3], 0)),
    border: mathMax(0, number(a[4], 0)),
    screen: KEYWORDS[screen] ? screen : '',
    style: readStyle(a[6]),
    permanent: flag(a[7]),
    align: align === 'right' || align === 'center' ? align : 'left',
    horizontal: flag(a[11]),
    imagePos: imagePos === 'left' || imagePos === 'center' || imagePos === 'right' ? imagePos : '',
    click: flag(a[16]),
    button: text(a[17]).trim(),
    label: text(a[18]).trim(),
    dark: isArray(a[19]) ? readStyle(a[19]) : null,
    // A submenu drawn as one wide panel of columns (0: as many as fit).
    panel: word(a[9]) === 'panel',
    columns: mathMax(0, mathMin(12, number(a[10], 0))),
    // The main menu: what its bar does without room, and when it turns into the menu button.
    noRoom: word(a[12]),
    more: caption(a[14]).trim() || 'More',
    smallWidth: mathMax(0, number(a[15], 0)),
    drawer: word(a[20]) === 'drawer',
    entries: []
  };
  for (var i = ENTRY_START; i < a.length; i += ENTRY_SIZE) {
    if (a[i] === undefined && a[i + 1] === undefined) continue;
    var first = text(a[i + 1]);
    var entry = { caption: caption(a[i]), sub: '', href: '', target: '', hint: text(a[i + 3]).trim() };
    var ref;
    if (first.slice(0, 10) === 'show-menu=') {
      entry.sub = first.slice(10).trim();
      ref = link(a[i + 2]);
    } else {
      ref = link(first);
    }
    entry.href = ref.href;
    entry.target = ref.target;
    var rich = a[i + 4];
    if (isArray(rich)) {
      entry.desc = caption(rich[0]).trim();
      entry.badge = caption(rich[1]).trim();
      entry.icon = isArray(rich[2]) ? rich[2] : word(rich[2]);
    }
    menu.entries.push(entry);
  }
  return menu;
}

// Styles usually name Windows fonts only ("Verdana, Arial"); where none of them is installed the
// browser would fall back to its serif default, so a generic family of the same kind closes the list.
function withGeneric(family) {
  if (/(^|,)\s*(serif|sans-serif|monospace|cursive|fantasy|system-ui)\s*$/i.test(family)) return family;
  var kind = /courier|mono|consolas|lucida console/i.test(family) ? 'monospace'
    : /times|georgia|garamond|palatino|book|(^|[^-])serif/i.test(family) && !/sans/i.test(family) ? 'serif'
    : 'sans-serif';
  return family + ', ' + kind;
}
