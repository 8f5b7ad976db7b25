/*
  Tarvex menu engine, file 1 of 2 (one.js, then menu.js, then main.js).

  Pages load it with one SCRIPT element per file, in this order:
    src="one.js", then src="menu.js", then src="main.js"
  anywhere in the page, even after </html>. No other file, no build step. All three may
  also be pasted into inline script blocks: none holds the end tag of one.

  GLOBALS. The engine creates only addmenu(array) and dumpmenus(), both read-only so
  that a style whose name happens to be "addmenu" cannot break the script, plus the
  strings left, right and center, so that an image position written without quotes
  never throws (they are left alone when the page already defines them). Everything
  else lives in this closure; the browser built-ins it uses are taken here, before
  menu.js runs, because a style array may be named after one of them (Array, Object...).

  GLOBALS READ FROM THE MENU SCRIPT
    timegap          ms between the pointer leaving the open menus and their closing
                     (not a number: 100).
    followspeed, followrate, suboffset_top, suboffset_left
                     read by no code: menus placed against the window stay there by
                     CSS (no scroll-following animation), and every submenu is drawn
                     at the coordinates of its own array.

  MENU ARRAY (one addmenu call per menu). Holes and values of the wrong kind take the
  default shown.
    [0]  menu name. "show-menu=NAME" entries open the menu of that name. When two
         menus share a name, the FIRST one added wins; later ones are not drawn.
    [1]  top, [2] left: page coordinates in CSS px of the menu's outer (border) edge.
         A submenu keeps the offset between its own coordinates and its parent's, so it
         moves with its parent when that is anchored to the window (see [5]).
    [3]  entry width in px: each entry is at least this wide (a caption that does not
         fit widens it). Hole or 0: as wide as the content.
    [4]  border width in px, also the width of the line between entries (default 0).
    [5]  screen position. Empty: the page coordinates above. Otherwise the menu is tied
         to the browser window instead of the page and stays put while the page
         scrolls (a main menu uses position: fixed; a submenu is measured against the
         window each time it opens and when the window is resized):
           "left" / "right"   left or right edge on the window's edge; top from [1]
           "center"           centred across the window; top from [1]
           "top" / "bottom"   top or bottom edge on the window's edge; left from [2]
           "middle"           centred down the window; left from [2]
         [1] and [2] are then distances from the window's top and left edges.
    [6]  the style array (below). Not an array: the program's default style.
    [7]  1: always visible (the main menu). Such a menu, and any menu named
         "mainmenu", is drawn at once and never opened by an entry.
    [8]  text alignment: "left", "right", "center" (others: left).
    [9], [10]  unused.
    [11] 1: entries side by side; otherwise one below the other.
    [12] unused.
    [13] where the submenu arrow sits on a group entry: left (before the caption),
         right (at the far end; also the default) or center (just after the caption).
    [14], [15]  unused.
    [16] 1: this menu's groups open on click (or tap); otherwise on hover.
    [17]..[21]  unused.
    [22] on: the entries, five positions each:
         group:  caption, "show-menu=NAME", "ADDRESS[ target=NAME]", hint, 1
         item:   caption, "ADDRESS[ target=NAME]", unused, unused, 1
         The trailing 1 is unused. The caption is text: "&nbsp;" becomes a no-break
         space and the common character references (&amp; &lt; &eacute; &#233; ...)
         are decoded; no markup is interpreted. An address that is empty or blank
         means no link; " target=NAME" after it opens the link in that window or frame
         (_blank with rel=noopener). The hint becomes the entry's tooltip.
         An entry with neither a link nor a submenu to open is a header: header
         colours, not focusable. A "show-menu=" naming no menu, the main menu, or a
         menu already open above it opens nothing.

  STYLE ARRAY (colours are six hex digits, "#" added; other valid CSS colours pass)
    [0] text, [1] background of an entry            defaults 000000 / C0C0C0
    [2] text, [3] background when highlighted       defaults FFFFFF / 808080
        (pointer over it, its submenu open, or keyboard focus)
    [4] border colour, also the lines between entries   default 000000
    [5] font size in px (hole: the page's size)     [6] font style ("normal", "italic")
    [7] font weight ("bold", "normal", 100..900)    [8] font family (hole: the page's)
    [9] padding inside each entry in px (hole: 0)
    [10] address of the arrow image shown on group entries; empty: a small drawn arrow
    [11] 1: 3D look: the border in [12]/[13] (light top/left, dark bottom/right) and a
         sunken two-line bar between entries instead of the plain line
    [12] 3D high colour (default FFFFFF)            [13] 3D low colour (default 808080)
    [14], [15] unused
    [16] address of an image shown across the top of every menu of this style
    [17] text and [18] background colour of header entries (default: [0] and [1])

  OPENING AND CLOSING
    Hover menus ([16] not 1) open a group's submenu as soon as the pointer is over the
    group and keep it open while the pointer is anywhere on the chain of open menus;
    timegap ms after it has left they close. Pointing at another entry of the same
    menu closes the other submenu after the same delay, so a diagonal move towards an
    open submenu does not lose it. Opening a submenu closes its open siblings at once.
    Click menus open a submenu on click or tap and keep it open until something else
    opens, Escape, a click or tap outside the menus, or a second activation.
    A group with its own address: in a hover menu a click follows the address; in a
    click menu, by touch and by keyboard the first activation opens the submenu and
    the second (while it is open) follows the address. A group without an address
    toggles. Ctrl/Shift/Meta clicks are left to the browser (new tab, new window).
    Escape closes the innermost open submenu (focus returns to its group when focus
    was inside); a click or tap anywhere outside the menus closes them all.

  KEYBOARD AND SCREEN READERS: the WAI-ARIA Authoring Practices disclosure navigation
  pattern. The menus sit in <nav aria-label="Site menu">; every menu is a list; a
  group is a <button> (or a link when it has an address) with aria-expanded, and
  aria-controls naming its submenu from the moment that is drawn (its first opening).
  The submenu follows the group in document order, so Tab and Shift+Tab walk the open
  submenus naturally; closed submenus are display: none.
    Enter / Space      open a closed group (second time: follow, or close)
    Arrow keys         move between the entries of a menu along its direction
                       (wrapping); towards the submenu (Down in a horizontal menu,
                       Right in a vertical one, Left on right-to-left pages) opens it
                       and focuses its first entry; back (Up / Left) closes it and
                       focuses the group; in a vertical submenu of a horizontal menu,
                       Left / Right move along that horizontal menu
    Home / End         first / last entry of the menu
    Escape             close the innermost submenu, focus back on its group
  The focused entry shows the highlight colours with an outline in the highlight
  text colour.

  PLACEMENT. An opening submenu that would cover the entry that opened it is moved
  just past that entry. One that would leave the window is flipped to the other side
  of its parent when it fits there, and otherwise pushed inside the window (never
  beyond its top or left edge). Open submenus are placed again on resize. On a
  right-to-left page (dir=rtl) horizontal menus run from the right and every submenu's
  offset from its parent is mirrored, so menus open towards the left; arrow images of
  vertical menus are mirrored with them.

  DRAWING. dumpmenus() draws the always-visible menus at once and reads nothing back
  from the page; each submenu is drawn the first time it opens and kept. The menus
  live in one box with size and layout containment (when no menu is tied to the
  window), so opening a submenu lays out the menus only, never the page.

  TOUCH. Tapping a group opens it, tapping it again follows its address; entries are
  at least 24 x 24 CSS px on coarse pointers. The only animation (a 0.1 s fade-in of
  submenus) is left out when the reader prefers reduced motion.
*/
(function () {
  'use strict';

  var W = window;
  var D = document;
  var MARK = 'tarvexMenuEngine';

  // A page may load the engine twice (its own copy plus the preview's lines): the
  // first copy keeps serving, the second adds nothing.
  if (typeof W.addmenu === 'function' && W.addmenu[MARK]) return;

  var isArray = Array.isArray;
  var defineProperty = Object.defineProperty;
  var fromCodePoint = String.fromCodePoint;
  var mathMax = Math.max;
  var mathMin = Math.min;
  var mathRound = Math.round;
  var isFinite_ = Number.isFinite;
  var parseInt_ = parseInt;
  var hasOwn = Object.prototype.hasOwnProperty;
  var MapCtor = Map;
  var WeakMapCtor = WeakMap;
  var setTimeout_ = W.setTimeout.bind(W);
  var clearTimeout_ = W.clearTimeout.bind(W);
  var rAF = W.requestAnimationFrame ? W.requestAnimationFrame.bind(W) : function (f) { return setTimeout_(f, 16); };
  var getComputedStyle_ = W.getComputedStyle.bind(W);
  var cssSupports = (W.CSS && W.CSS.supports) ? W.CSS.supports.bind(W.CSS) : function () { return true; };

  var ENTRY_START = 22;
  var ENTRY_SIZE = 5;
  var PREFIX = 'tvx';

  var added = [];
  var dumped = false;

  function addmenu(a) {
    if (!dumped && isArray(a)) added.push(a);
  }

  function dumpmenus() {
    if (dumped) return;
    dumped = true;
    if (D.body) draw();
    else D.addEventListener('DOMContentLoaded', draw, { once: true });
  }

  function defineFixed(name, value) {
    try {
      defineProperty(W, name, { value: value, writable: false, enumerable: true, configurable: false });
    } catch (e) {
      W[name] = value;
    }
  }
  defineProperty(addmenu, MARK, { value: true });
  defineFixed('addmenu', addmenu);
  defineFixed('dumpmenus', dumpmenus);
  ['left', 'right', 'center'].forEach(function (word) {
    if (!(word in W)) W[word] = word;
  });

  // ---- reading the arrays -------------------------------------------------------

  function text(v) {
    if (typeof v === 'string') return v;
    if (typeof v === 'number' && isFinite_(v)) return '' + v;
    return '';
  }

  function number(v, fallback) {
    var n = typeof v === 'number' ? v : (typeof v === 'string' && v.trim() !== '' ? +v : NaN);
    if (!isFinite_(n)) return fallback;
    return mathRound(mathMax(-1e6, mathMin(1e6, n)));
  }

  function flag(v) {
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

  function readMenu(a) {
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
      imagePos: imagePos === 'left' || imagePos === 'center' ? imagePos : 'right',
      click: flag(a[16]),
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
      menu.entries.push(entry);
    }
    return menu;
  }

  // ---- drawing ------------------------------------------------------------------

  var CSS_TEXT = [
    '.tvx-nav,.tvx-nav *{all:unset}',
    '.tvx-nav{display:block;position:absolute;left:0;top:0;width:0;height:0;z-index:1000;',
    'line-height:1.4;white-space:nowrap;text-transform:none;letter-spacing:normal;word-spacing:normal;text-indent:0}',
    '.tvx-nav.tvx-boxed{contain:size layout style}',
    '.tvx-nav .tvx-m{display:block;position:absolute;box-sizing:border-box;width:max-content;border-style:solid;',
    'border-width:var(--tvx-bw);border-color:var(--tvx-bc);background:var(--tvx-bc);color:var(--tvx-fg);contain:layout style}',
    '.tvx-nav .tvx-fixed{position:fixed}',
    '.tvx-nav .tvx-sub{z-index:1}',
    '.tvx-nav .tvx-sub:not(.tvx-show){display:none}',
    '.tvx-nav .tvx-top{display:block}',
    '.tvx-nav .tvx-l{display:flex;flex-direction:column;gap:var(--tvx-bw)}',
    '.tvx-nav .tvx-hz>.tvx-l{flex-direction:row}',
    '.tvx-nav .tvx-e{display:flex;flex:none;box-sizing:border-box;min-width:var(--tvx-w);background:var(--tvx-bg)}',
    '.tvx-nav .tvx-i{display:flex;align-items:center;justify-content:var(--tvx-jc);gap:0.4em;flex:1 1 auto;box-sizing:border-box;',
    'padding:var(--tvx-pad);color:var(--tvx-fg);background:var(--tvx-bg);cursor:pointer}',
    '.tvx-nav .tvx-c{display:block;flex:1 1 auto}',
    '.tvx-nav .tvx-imgcenter .tvx-c{flex:0 1 auto}',
    '.tvx-nav .tvx-imgleft .tvx-a{order:-1}',
    '.tvx-nav.tvx-rtl .tvx-m:not(.tvx-hz)>.tvx-l>.tvx-e>.tvx-i>img.tvx-a{transform:scaleX(-1)}',
    '.tvx-nav .tvx-a{display:block;flex:none}',
    '.tvx-nav .tvx-ad{width:0;height:0;border:0.3em solid transparent;border-inline-start-color:currentColor;border-inline-end-width:0}',
    '.tvx-nav .tvx-hz>.tvx-l>.tvx-e>.tvx-i>.tvx-ad{border:0.3em solid transparent;border-top-color:currentColor;border-bottom-width:0}',
    '.tvx-nav .tvx-hd{color:var(--tvx-hfg);background:var(--tvx-hbg);cursor:default}',
    '.tvx-nav .tvx-i:not(.tvx-hd):hover,.tvx-nav .tvx-open>.tvx-i,.tvx-nav .tvx-i:focus-visible{color:var(--tvx-ofg);background:var(--tvx-obg)}',
    '.tvx-nav .tvx-i:focus-visible{outline:2px solid var(--tvx-ofg);outline-offset:-2px}',
    '.tvx-nav .tvx-3d{border-color:var(--tvx-hi) var(--tvx-lo) var(--tvx-lo) var(--tvx-hi);background:var(--tvx-bg)}',
    '.tvx-nav .tvx-3d>.tvx-l{gap:0}',
    '.tvx-nav .tvx-3d:not(.tvx-hz)>.tvx-l>.tvx-e+.tvx-e{border-top:1px solid var(--tvx-lo)}',
    '.tvx-nav .tvx-3d:not(.tvx-hz)>.tvx-l>.tvx-e+.tvx-e>.tvx-i{border-top:1px solid var(--tvx-hi)}',
    '.tvx-nav .tvx-3d.tvx-hz>.tvx-l>.tvx-e+.tvx-e{border-inline-start:1px solid var(--tvx-lo)}',
    '.tvx-nav .tvx-3d.tvx-hz>.tvx-l>.tvx-e+.tvx-e>.tvx-i{border-inline-start:1px solid var(--tvx-hi)}',
    '@media (pointer:coarse){.tvx-nav .tvx-i{min-height:24px;min-width:24px}}',
    '@media (prefers-reduced-motion:no-preference){.tvx-nav .tvx-sub.tvx-show{animation:tvx-in 0.1s ease-out}}',
    '@keyframes tvx-in{from{opacity:0}to{opacity:1}}'
  ].join('\n');

  var JUSTIFY = { left: 'flex-start', center: 'center', right: 'flex-end' };

  function styleText(style, menu, sub) {
    // Built from validated values only, so nothing in a style can add declarations.
    return '--tvx-fg:' + style.offFg + ';--tvx-bg:' + style.offBg +
      ';--tvx-ofg:' + style.onFg + ';--tvx-obg:' + style.onBg +
      ';--tvx-bc:' + style.border + ';--tvx-hi:' + style.high + ';--tvx-lo:' + style.low +
      ';--tvx-hfg:' + style.headFg + ';--tvx-hbg:' + style.headBg +
      ';--tvx-bw:' + menu.border + 'px;--tvx-pad:' + style.padding + 'px' +
      ';--tvx-w:' + (menu.width > 0 ? menu.width + 'px' : 'auto') +
      ';--tvx-jc:' + JUSTIFY[menu.align] +
      // Always-visible menus inherit the page's font; submenus sit inside other menus
      // and are given the page's font explicitly.
      (style.fontSize || sub ? ';font-size:' + (style.fontSize || page.fontSize) : '') +
      (style.fontFamily || sub ? ';font-family:' + (style.fontFamily || page.fontFamily) : '') +
      ';font-style:' + style.fontStyle + ';font-weight:' + style.fontWeight +
      ';text-align:' + menu.align + ';';
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

  var page = { fontSize: '16px', fontFamily: 'sans-serif', rtl: false, read: false };

  // What the engine needs to know of the page is read once the page has been styled:
  // before the first paint, or when a submenu opens, whichever comes first. dumpmenus()
  // itself reads nothing, so it never forces the browser to style a half-parsed page.
  function readPage() {
    if (page.read || !nav) return;
    page.read = true;
    var cs = getComputedStyle_(nav);
    page.fontSize = cs.fontSize || page.fontSize;
    page.fontFamily = cs.fontFamily || page.fontFamily;
    page.rtl = cs.direction === 'rtl';
    if (page.rtl) nav.classList.add('tvx-rtl');
    var body = D.body;
    if (getComputedStyle_(body).position !== 'static' || getComputedStyle_(D.documentElement).position !== 'static') {
      var at = nav.getBoundingClientRect();
      nav.style.left = -mathRound(at.left + W.scrollX) + 'px';
      nav.style.top = -mathRound(at.top + W.scrollY) + 'px';
    }
  }
  var byName = new MapCtor();
  var parsed = new MapCtor();
  var menuOf = new WeakMapCtor();
  var entryOf = new WeakMapCtor();
  var nav = null;
  var serial = 0;
  var budget = 0;

  function el(tag, cls) {
    var e = D.createElement(tag);
    if (cls) e.className = cls;
    return e;
  }

  function isRoot(def) {
    return def.permanent || def.name === 'mainmenu';
  }

  function drawMenu(def, parent, opener, ancestors) {
    var style = def.style;
    var box = el('div', 'tvx-m' + (def.horizontal ? ' tvx-hz' : '') + (parent ? ' tvx-sub' : '') +
      (style.bevel ? ' tvx-3d' : '') + ' tvx-img' + def.imagePos);
    box.id = PREFIX + '-' + (++serial);
    var menu = {
      el: box, def: def, parent: parent, opener: opener, depth: parent ? parent.depth + 1 : 0,
      horizontal: def.horizontal, entries: [], shiftX: 0, shiftY: 0, how: ''
    };
    var css = styleText(style, def, !!parent);
    if (!parent) {
      css += rootPosition(def);
      if (def.screen) box.className += ' tvx-fixed';
    } else {
      menu.baseX = def.left - parent.def.left - parent.def.border;
      menu.baseY = def.top - parent.def.top - parent.def.border;
      css += (page.rtl ? 'right:' : 'left:') + menu.baseX + 'px;top:' + menu.baseY + 'px;';
    }
    box.style.cssText = css;
    menuOf.set(box, menu);

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
    for (var i = 0; i < defs.length; i++) {
      var e = defs[i];
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
      cap.textContent = e.caption;
      ctl.appendChild(cap);
      if (e.hint) ctl.title = e.hint;
      if (!e.caption.trim() && (e.href || subDef)) ctl.setAttribute('aria-label', e.hint || e.href || e.sub);
      li.appendChild(ctl);
      list.appendChild(li);
      var entry = { li: li, ctl: ctl, menu: menu, sub: null, subDef: null, href: e.href, focusable: !!(e.href || subDef) };
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
    return menu;
  }

  // Submenus are drawn when they first open: drawing stays proportional to the
  // always-visible menus, however large the whole menu tree is.
  function submenu(entry) {
    if (!entry.sub && entry.subDef) {
      readPage();
      var child = drawMenu(entry.subDef, entry.menu, entry, entry.ancestors);
      entry.sub = child;
      entry.ctl.setAttribute('aria-controls', child.el.id);
      entry.li.appendChild(child.el);
    }
    return entry.sub;
  }

  function menuNamed(name) {
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

  function draw() {
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

    var body = D.body;
    if (!D.getElementById(PREFIX + '-css')) {
      var sheet = el('style');
      sheet.id = PREFIX + '-css';
      sheet.textContent = CSS_TEXT;
      (D.head || body).appendChild(sheet);
    }

    nav = el('nav', 'tvx-nav');
    nav.setAttribute('aria-label', 'Site menu');
    var anchored = false;
    for (var r = 0; r < roots.length; r++) {
      var root = drawMenu(roots[r], null, null, [roots[r]]);
      if (roots[r].screen) anchored = true;
      nav.appendChild(root.el);
    }
    // A box of size and layout containment keeps the work of opening a submenu inside
    // the menus; it would also capture position: fixed, so window-anchored menus go
    // without it.
    if (!anchored) nav.className += ' tvx-boxed';
    body.insertBefore(nav, body.firstChild);
    rAF(readPage);
    listen();
  }

  // ---- behaviour ----------------------------------------------------------------

  var chain = [];          // open submenus, outermost first; chain[k].depth === k + 1
  var closeTimer = 0;
  var lastKey = null;      // the entry or menu the pointer was last seen over
  var lastPointer = 'mouse';
  var delay = 100;

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
  }

  function closeFrom(k) {
    for (var i = chain.length - 1; i >= k && i >= 0; i--) setExpanded(chain[i], false);
    if (chain.length > k) chain.length = mathMax(0, k);
  }

  function closeAll() {
    clearTimeout_(closeTimer);
    closeFrom(0);
  }

  function open(entry, how) {
    var sub = submenu(entry);
    if (!sub) return;
    var depth = entry.menu.depth;
    if (chain[depth] === sub) {
      if (how !== 'hover') sub.how = how;
      return;
    }
    if (depth > 0 && chain[depth - 1] !== entry.menu) depth = 0;
    closeFrom(depth);
    chain.push(sub);
    sub.how = how;
    setExpanded(sub, true);
    place(sub);
  }

  function closeHoverFrom(depth) {
    for (var i = chain.length - 1; i >= depth; i--) {
      if (chain[i].how !== 'hover') break;
      setExpanded(chain[i], false);
      chain.length = i;
    }
  }

  function scheduleClose(depth) {
    clearTimeout_(closeTimer);
    closeTimer = setTimeout_(function () { closeHoverFrom(depth); }, delay);
  }

  function setShift(menu, x, y) {
    menu.shiftX = x;
    menu.shiftY = y;
    var s = menu.el.style;
    if (page.rtl) s.right = (menu.baseX - x) + 'px';
    else s.left = (menu.baseX + x) + 'px';
    s.top = (menu.baseY + y) + 'px';
  }

  function overlaps(a, b) {
    return mathMin(a.right, b.right) - mathMax(a.left, b.left) > 0.5 &&
      mathMin(a.bottom, b.bottom) - mathMax(a.top, b.top) > 0.5;
  }

  function place(menu) {
    setShift(menu, 0, 0);
    var r = menu.el.getBoundingClientRect();
    var p = menu.parent.el.getBoundingClientRect();
    var o = menu.opener.li.getBoundingClientRect();
    var root = D.documentElement;
    var vw = root.clientWidth || W.innerWidth;
    var vh = root.clientHeight || W.innerHeight;
    var sideways = !menu.parent.horizontal;
    var dx = 0;
    var dy = 0;
    var screen = menu.def.screen;
    if (screen) {
      if (screen === 'left') dx = -r.left;
      else if (screen === 'right') dx = vw - r.right;
      else if (screen === 'center') dx = (vw - r.width) / 2 - r.left;
      else if (screen === 'top') dy = -r.top;
      else if (screen === 'bottom') dy = vh - r.bottom;
      else if (screen === 'middle') dy = (vh - r.height) / 2 - r.top;
    } else if (overlaps(r, o)) {
      if (!sideways) dy = o.bottom - r.top;
      else dx = page.rtl ? o.left - r.right : o.right - r.left;
    }
    var left = r.left + dx;
    var top = r.top + dy;
    if (left + r.width > vw || left < 0) {
      var flipped = NaN;
      if (sideways && !screen) {
        flipped = left >= p.left ? p.left - (left - p.right) - r.width : p.right + (p.left - (left + r.width));
      }
      if (flipped >= 0 && flipped + r.width <= vw) left = flipped;
      else {
        if (left + r.width > vw) left = vw - r.width;
        if (left < 0) left = 0;
      }
    }
    if (top + r.height > vh || top < 0) {
      var up = NaN;
      if (!sideways && !screen && top >= p.bottom - 1) up = p.top - (top - p.bottom) - r.height;
      if (up >= 0) top = up;
      else {
        if (top + r.height > vh) top = vh - r.height;
        if (top < 0) top = 0;
      }
    }
    dx = mathRound(left - r.left);
    dy = mathRound(top - r.top);
    if (dx || dy) setShift(menu, dx, dy);
  }

  function entryFrom(node) {
    var li = node && node.closest ? node.closest('.tvx-e') : null;
    return li ? entryOf.get(li) : undefined;
  }

  function menuFrom(node) {
    var box = node && node.closest ? node.closest('.tvx-m') : null;
    return box ? menuOf.get(box) : undefined;
  }

  function onPointerOver(e) {
    if (e.pointerType === 'touch') return;
    var entry = entryFrom(e.target);
    var menu = entry ? entry.menu : menuFrom(e.target);
    var key = entry || menu;
    if (!menu || key === lastKey) return;
    lastKey = key;
    clearTimeout_(closeTimer);
    if (entry && entry.subDef && !menu.def.click) {
      open(entry, 'hover');
      return;
    }
    var depth = menu.depth;
    if (chain.length > depth && !(entry && entry.sub && chain[depth] === entry.sub)) scheduleClose(depth);
  }

  function onPointerLeave(e) {
    if (e.pointerType === 'touch') return;
    lastKey = null;
    if (chain.length) scheduleClose(0);
  }

  function onClick(e) {
    var entry = entryFrom(e.target);
    if (!entry || !entry.focusable) return;
    if (e.ctrlKey || e.metaKey || e.shiftKey || e.altKey || e.button) return;
    if (!entry.subDef) {
      closeAll();
      return;
    }
    var how = e.detail === 0 ? 'key' : (lastPointer === 'touch' ? 'touch' : 'click');
    var isOpen = chain[entry.menu.depth] === entry.sub;
    if (how === 'click' && !entry.menu.def.click) {
      if (entry.href) {
        closeAll();
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
      closeAll();
      return;
    }
    e.preventDefault();
    closeFrom(entry.menu.depth);
  }

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
  }

  function onKeyDown(e) {
    if (e.altKey || e.ctrlKey || e.metaKey) return;
    var entry = entryFrom(e.target);
    if (!entry || entry.ctl !== e.target) return;
    var menu = entry.menu;
    readPage();
    var rtl = page.rtl;
    var next = menu.horizontal ? (rtl ? 'ArrowLeft' : 'ArrowRight') : 'ArrowDown';
    var prev = menu.horizontal ? (rtl ? 'ArrowRight' : 'ArrowLeft') : 'ArrowUp';
    var into = menu.horizontal ? 'ArrowDown' : (rtl ? 'ArrowLeft' : 'ArrowRight');
    var back = menu.horizontal ? 'ArrowUp' : (rtl ? 'ArrowRight' : 'ArrowLeft');
    var parent = menu.parent;
    var key = e.key;
    if (key === next) focusStep(entry, 1);
    else if (key === prev) focusStep(entry, -1);
    else if (key === 'Home') focusEdge(menu, false);
    else if (key === 'End') focusEdge(menu, true);
    else if (key === into && entry.subDef) {
      open(entry, 'key');
      focusEdge(entry.sub, false);
    } else if (parent && parent.horizontal && !menu.horizontal &&
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

  function onDocKeyDown(e) {
    if (e.key !== 'Escape' && e.key !== 'Esc') return;
    if (!chain.length) return;
    var last = chain[chain.length - 1];
    var active = D.activeElement;
    var inside = active && last.el.contains(active);
    clearTimeout_(closeTimer);
    closeFrom(chain.length - 1);
    if (inside || active === last.opener.ctl) last.opener.ctl.focus();
    e.preventDefault();
  }

  function onDocPointerDown(e) {
    lastPointer = e.pointerType || 'mouse';
    if (chain.length && !nav.contains(e.target)) closeAll();
  }

  function onFocusIn(e) {
    if (!chain.length) return;
    if (!nav.contains(e.target)) {
      closeAll();
      return;
    }
    var entry = entryFrom(e.target);
    if (!entry) return;
    var depth = entry.menu.depth;
    if (depth > 0 && chain[depth - 1] !== entry.menu) return;
    closeFrom(chain[depth] === entry.sub ? depth + 1 : depth);
  }

  var resizePending = false;
  function onResize() {
    if (resizePending) return;
    resizePending = true;
    rAF(function () {
      resizePending = false;
      for (var i = 0; i < chain.length; i++) place(chain[i]);
    });
  }

  function listen() {
    var gap = number(W.timegap, 100);
    delay = mathMin(10000, mathMax(0, gap));
    nav.addEventListener('pointerover', onPointerOver);
    nav.addEventListener('pointerleave', onPointerLeave);
    nav.addEventListener('click', onClick);
    nav.addEventListener('keydown', onKeyDown);
    D.addEventListener('keydown', onDocKeyDown);
    D.addEventListener('pointerdown', onDocPointerDown, true);
    D.addEventListener('focusin', onFocusIn);
    W.addEventListener('resize', onResize);
  }
})();
