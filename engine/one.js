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
  Inside the module output (tarvex-menu.js) the engine is called with an object of the
  module's instead of the window: it creates no global at all, and the module passes
  timegap to dumpmenus({ timegap: ms }).

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
    [1]  top, [2] left: page coordinates in CSS px of the main menu's outer (border)
         edge; not read in a mount point (see MOUNT POINT). Read
         for always-visible menus only: a submenu is always drawn against the entry
         that opens it (see PLACEMENT).
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
         right (at the far end) or center (just after the caption). Hole: just after
         the caption, or at the far end in a style with the 3D look.
    [14], [15]  unused.
    [16] 1: this menu's groups open on click (or tap); otherwise on hover.
    [17] main menu: the menu button's caption (hole or blank: "Menu").
    [18] main menu: the navigation's accessible name (hole or blank: "Site menu").
    [19] the style array used instead of [6] while the reader's system prefers a dark
         colour scheme (hole: [6] always); the menus follow a change of scheme at once.
    [20], [21]  unused.
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
    menu closes the other submenu after the same delay. A pointer that crosses other
    entries while it heads into an open submenu (a diagonal move from its group) keeps
    that submenu: the entry it crosses acts only once the pointer turns away from the
    submenu or rests on it for 250 ms. Opening a submenu closes its open siblings at once.
    Click menus open a submenu on click or tap and keep it open until something else
    opens, Escape, a click or tap outside the menus, or a second activation.
    A group with its own address: in a hover menu a click follows the address; in a
    click menu, by touch and by keyboard the first activation opens the submenu and
    the second (while it is open) follows the address. A group without an address
    toggles. Ctrl/Shift/Meta clicks are left to the browser (new tab, new window).
    Escape closes the innermost open submenu (focus returns to its group when focus
    was inside); a click or tap anywhere outside the menus closes them all.

  KEYBOARD AND SCREEN READERS: the WAI-ARIA Authoring Practices disclosure navigation
  pattern. The menus sit in <nav aria-label="Site menu"> (or [18]); every menu is a list; a
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

  PLACEMENT. A submenu opens touching the entry that opens it, whatever the fonts,
  padding and borders: below an entry of a horizontal menu (left borders in line),
  beside an entry of a vertical menu (first entries in line), its border over its
  parent's; a drop-down is at least as wide as its entry. One that would leave the window is flipped to the other side of its
  entry when it fits there, and otherwise pushed inside the window (never beyond its
  top or left edge); one taller than the window scrolls inside itself (wheel, touch,
  and the focused entry is scrolled into view). Open submenus are placed again on
  resize and when the list holding their entry scrolls. On a right-to-left page
  (dir=rtl) horizontal menus run from the right and every submenu opens towards the
  left; arrow images of vertical menus are mirrored with them.

  SMALL WINDOWS. When the always-visible menus do not fit across the window (or, in
  a mount point, across the content box of the element that holds it), a
  button labelled "Menu" (or [17]; aria-expanded, aria-controls) takes their place at the
  main menu's height, across the whole window, and opens them as one full-width list
  with submenus as nested disclosures, rows at least 44 CSS px high, captions
  wrapping. Opening rules are those of click menus whatever [16] says (first
  activation opens a group, the second follows its address); the keyboard is that of
  vertical menus. Escape closes the innermost submenu, then the list; a click or tap
  outside closes the list. The side-by-side menus come back when the window is wide
  enough again (or the column: its resizes are watched). Neither mode makes the page
  wider than the window.

  MOUNT POINT. A page element with the id tarvex-menu receives the menus in the
  page's flow: they start at that element's corner ([1] and [2] are not read), take the
  room they need there and the keyboard reaches them where they stand in the page. A
  nav.tarvex-links inside it (the menu as a plain list of links, for readers
  without script) is replaced by the menus.
  Without one, the menus are placed at page coordinates over the page.

  CURRENT PAGE. The entry whose address is the page being shown gets
  aria-current="page" (class tvx-cur) and every group leading to it the class tvx-path;
  both carry a bar on the side their menu opens from. Addresses compare after resolving
  against the page, without the fragment, with the host in any letter case, and with a
  trailing index.html, index.htm, default.htm or "/" left out.

  FORCED COLOURS (high contrast modes). The menus draw themselves in the system
  colours: entries in Canvas / CanvasText, links in LinkText, open, hovered and
  focused entries in Highlight / HighlightText, borders and lines in CanvasText; the
  drawn arrows stay arrows.

  THEMING. The engine's rules go into a constructed style sheet (a style element only
  where the browser has none), so a policy that refuses inline style elements and
  attributes leaves the menus whole. A menu's style values are custom properties
  (--tvx-fg, --tvx-bg, --tvx-ofg, --tvx-obg, --tvx-hfg, --tvx-hbg, --tvx-bc, --tvx-bw,
  --tvx-hi, --tvx-lo, --tvx-font-size, --tvx-font-family, --tvx-font-style,
  --tvx-font-weight, --tvx-pad, --tvx-w, --tvx-ta) in a rule of no specificity for
  its box, so any rule of the page's for .tvx-m, .tvx-root or .tvx-sub overrides them.

  DRAWING. dumpmenus() draws the always-visible menus at once and reads nothing back
  from the page; each submenu is drawn the first time it opens and kept. Flat styles
  (no 3D look) give open submenus a soft shadow. Nothing clips the menus, so the page
  scrolls to any part of them.

  TOUCH. Tapping a group opens it, tapping it again follows its address; entries are
  at least 24 x 24 CSS px on coarse pointers. The only animation (a 0.1 s fade-in of
  submenus) is left out when the reader prefers reduced motion.
*/
(function (host) {
  'use strict';

  var W = window;
  // Loaded as a classic script the engine is called with the window and serves the menu
  // script through globals; the module output calls it with an object of its own, hands
  // the two functions over on that object and touches no global.
  var classic = host === W;
  var D = document;
  var MARK = 'tarvexMenuEngine';

  // A page may load the engine twice (its own copy plus the preview's lines): the
  // first copy keeps serving, the second adds nothing.
  if (classic && typeof W.addmenu === 'function' && W.addmenu[MARK]) return;

  var isArray = Array.isArray;
  var defineProperty = Object.defineProperty;
  var fromCodePoint = String.fromCodePoint;
  var mathMax = Math.max;
  var mathMin = Math.min;
  var mathRound = Math.round;
  var mathSqrt = Math.sqrt;
  var isFinite_ = Number.isFinite;
  var parseInt_ = parseInt;
  var parseFloat_ = parseFloat;
  var hasOwn = Object.prototype.hasOwnProperty;
  var MapCtor = Map;
  var SetCtor = Set;
  var URLCtor = W.URL;
  var decodeURIComponent_ = decodeURIComponent;
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

  // The module passes the settings the classic menu script leaves in globals.
  var settings = null;
  function dumpmenus(given) {
    if (dumped) return;
    dumped = true;
    if (!classic && given && typeof given === 'object') settings = given;
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
  if (classic) {
    defineProperty(addmenu, MARK, { value: true });
    defineFixed('addmenu', addmenu);
    defineFixed('dumpmenus', dumpmenus);
    ['left', 'right', 'center'].forEach(function (word) {
      if (!(word in W)) W[word] = word;
    });
  } else if (host) {
    host.addmenu = addmenu;
    host.dumpmenus = dumpmenus;
  }

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
      imagePos: imagePos === 'left' || imagePos === 'center' || imagePos === 'right' ? imagePos : '',
      click: flag(a[16]),
      button: text(a[17]).trim(),
      label: text(a[18]).trim(),
      dark: isArray(a[19]) ? readStyle(a[19]) : null,
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
    '.tvx-nav .tvx-m,.tvx-nav .tvx-tg{font-size:var(--tvx-font-size,inherit);font-family:var(--tvx-font-family,inherit);',
    'font-style:var(--tvx-font-style,normal);font-weight:var(--tvx-font-weight,normal);text-align:var(--tvx-ta,left)}',
    '.tvx-nav .tvx-ms{display:block}',
    '.tvx-nav .tvx-tg{display:none}',
    '.tvx-nav .tvx-m{display:block;position:absolute;box-sizing:border-box;width:max-content;border-style:solid;',
    'border-width:var(--tvx-bw);border-color:var(--tvx-bc);background:var(--tvx-bc);color:var(--tvx-fg);contain:layout style}',
    '.tvx-nav .tvx-fixed{position:fixed}',
    // A submenu never grows past the window: its list scrolls instead. Nested submenus
    // are positioned against the menu box, outside the scrolling list, so it never clips them.
    // Long captions wrap at about 24 em (a menu's own width may be more), so a drop-down stays
    // a drop-down and still fits beside its entry.
    '.tvx-nav .tvx-sub{z-index:1;display:flex;flex-direction:column;max-height:100vh;max-width:min(100vw,var(--tvx-mw))}',
    '.tvx-nav .tvx-sub .tvx-c{white-space:normal;overflow-wrap:anywhere}',
    '.tvx-nav .tvx-sub>.tvx-l{flex:0 1 auto;min-height:0;overflow-x:hidden;overflow-y:auto;overscroll-behavior:contain}',
    '.tvx-nav .tvx-sub:not(.tvx-3d){box-shadow:0 6px 18px rgba(0,0,0,0.16),0 1px 4px rgba(0,0,0,0.1);border-radius:6px}',
    // The list clips its rows to the rounded corners; the menu box cannot, it holds the nested submenus.
    '.tvx-nav .tvx-sub:not(.tvx-3d)>.tvx-l{border-radius:max(0px,calc(6px - var(--tvx-bw)))}',
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
    // Flat styles point with chevrons, turned by the way their submenu opens (--tvx-ar).
    '.tvx-nav .tvx-m{--tvx-ar:-45deg;--tvx-ay:0}',
    '.tvx-nav.tvx-rtl .tvx-m:not(.tvx-hz){--tvx-ar:135deg}',
    '.tvx-nav .tvx-hz,.tvx-nav.tvx-compact .tvx-m.tvx-m{--tvx-ar:45deg;--tvx-ay:-0.12em}',
    '.tvx-nav.tvx-compact .tvx-open>.tvx-i>.tvx-ad{--tvx-ar:225deg;--tvx-ay:0.12em}',
    '.tvx-nav .tvx-hd{color:var(--tvx-hfg);background:var(--tvx-hbg);cursor:default}',
    // The current page's entry and the groups leading to it carry a bar on the side the
    // menu opens from: under an entry of a bar, before one of a column.
    '.tvx-nav .tvx-cur>.tvx-i,.tvx-nav .tvx-path>.tvx-i{box-shadow:inset 3px 0 0 currentColor}',
    '.tvx-nav.tvx-rtl .tvx-cur>.tvx-i,.tvx-nav.tvx-rtl .tvx-path>.tvx-i{box-shadow:inset -3px 0 0 currentColor}',
    '.tvx-nav .tvx-hz>.tvx-l>.tvx-cur>.tvx-i,.tvx-nav .tvx-hz>.tvx-l>.tvx-path>.tvx-i{box-shadow:inset 0 -3px 0 currentColor}',
    '.tvx-nav .tvx-cur>.tvx-i{font-weight:bolder}',
    '.tvx-nav .tvx-i:not(.tvx-hd):hover,.tvx-nav .tvx-open>.tvx-i,.tvx-nav .tvx-i:focus-visible{color:var(--tvx-ofg);background:var(--tvx-obg)}',
    // The focus ring is drawn inside the solid entry in its text colour, clear of its edge:
    // it contrasts with the entry as its caption does and never touches the page.
    '.tvx-nav .tvx-i:focus-visible{outline:2px solid var(--tvx-ofg);outline-offset:-4px}',
    '.tvx-nav .tvx-3d{border-color:var(--tvx-hi) var(--tvx-lo) var(--tvx-lo) var(--tvx-hi);background:var(--tvx-bg)}',
    '.tvx-nav .tvx-3d>.tvx-l{gap:0}',
    '.tvx-nav .tvx-3d:not(.tvx-hz)>.tvx-l>.tvx-e+.tvx-e{border-top:1px solid var(--tvx-lo)}',
    '.tvx-nav .tvx-3d:not(.tvx-hz)>.tvx-l>.tvx-e+.tvx-e>.tvx-i{border-top:1px solid var(--tvx-hi)}',
    '.tvx-nav .tvx-3d.tvx-hz>.tvx-l>.tvx-e+.tvx-e{border-inline-start:1px solid var(--tvx-lo)}',
    '.tvx-nav .tvx-3d.tvx-hz>.tvx-l>.tvx-e+.tvx-e>.tvx-i{border-inline-start:1px solid var(--tvx-hi)}',
    '@media (pointer:coarse){.tvx-nav .tvx-i{min-height:24px;min-width:24px}}',
    '@media (prefers-reduced-motion:no-preference){.tvx-nav .tvx-sub.tvx-show{animation:tvx-in 0.1s ease-out}}',
    '@keyframes tvx-in{from{opacity:0}to{opacity:1}}',
    // In the page's own flow the menu takes the room it needs, offset by its coordinates.
    '.tvx-nav.tvx-mounted{position:relative;left:auto;top:auto;width:auto;height:auto;display:flow-root}',
    '.tvx-nav.tvx-mounted .tvx-root:not(.tvx-fixed){position:relative;left:auto!important;top:auto!important;right:auto!important}',
    // Narrow windows: one full-width list behind a menu button, submenus as nested disclosures.
    '.tvx-nav.tvx-compact{width:100%;height:auto;white-space:normal}',
    '.tvx-nav.tvx-compact:not(.tvx-mounted){padding-top:var(--tvx-top)}',
    '.tvx-nav.tvx-compact .tvx-tg{display:flex;align-items:center;gap:0.6em;box-sizing:border-box;width:100%;min-height:44px;',
    'padding:0 16px;font-weight:600;cursor:pointer;color:var(--tvx-fg);background:var(--tvx-bg)}',
    '.tvx-nav .tvx-tg:hover,.tvx-nav.tvx-opened .tvx-tg{color:var(--tvx-ofg);background:var(--tvx-obg)}',
    '.tvx-nav.tvx-compact.tvx-opened:not(.tvx-mounted) .tvx-ms{box-shadow:0 8px 18px rgba(0,0,0,0.16)}',
    '.tvx-nav .tvx-tgi{display:block;width:18px;height:2px;background:currentColor;box-shadow:0 -6px 0 currentColor,0 6px 0 currentColor}',
    '.tvx-nav.tvx-compact .tvx-tg:focus-visible{outline:2px solid currentColor;outline-offset:-4px}',
    '.tvx-nav.tvx-compact:not(.tvx-opened) .tvx-ms{display:none}',
    '.tvx-nav.tvx-compact .tvx-m{position:static;width:auto;max-height:none;max-width:none;margin:0!important;box-shadow:none;animation:none}',
    '.tvx-nav.tvx-compact .tvx-sub{margin-inline-start:16px!important;border-inline-end-width:0}',
    '.tvx-nav.tvx-compact .tvx-m>.tvx-l{flex-direction:column;overflow:visible}',
    '.tvx-nav.tvx-compact .tvx-e{flex-direction:column;min-width:0}',
    '.tvx-nav.tvx-compact .tvx-i{min-height:44px;overflow-wrap:anywhere}',
    '.tvx-nav.tvx-compact .tvx-3d .tvx-e+.tvx-e{border-inline-start:0}',
    '.tvx-nav.tvx-compact .tvx-ad,.tvx-nav.tvx-compact .tvx-hz>.tvx-l>.tvx-e>.tvx-i>.tvx-ad{border:0.3em solid transparent;',
    'border-top-color:currentColor;border-bottom-width:0}',
    '.tvx-nav.tvx-compact .tvx-open>.tvx-i>.tvx-ad{transform:rotate(180deg)}',
    // Flat styles look like a site navigation of today: no grid (Menu Border outlines the menu,
    // a bar has no lines between its entries and a column only a faint one), chevrons, and only
    // the entry under the pointer or the focus solid, the groups whose submenus are open tinted
    // so the path stays visible. Forced colours keep the lines, the arrows and solid highlights;
    // where the browser cannot mix colours the rows stay solid and unlined.
    '@media (forced-colors:none){',
    '.tvx-nav .tvx-m:not(.tvx-3d){background:var(--tvx-bg)}',
    '.tvx-nav .tvx-m:not(.tvx-3d)>.tvx-l>.tvx-e>.tvx-i>.tvx-ad{width:0.36em;height:0.36em;border:solid currentColor;',
    'border-width:0 2px 2px 0;margin-inline:0.1em 0.2em;transform:translateY(var(--tvx-ay)) rotate(var(--tvx-ar))}',
    '@supports (color:color-mix(in srgb,red 50%,blue)){',
    '.tvx-nav .tvx-m:not(.tvx-3d):not(.tvx-hz){background:color-mix(in srgb,var(--tvx-bc) 30%,var(--tvx-bg))}',
    '.tvx-nav .tvx-m:not(.tvx-3d)>.tvx-l>.tvx-open>.tvx-i{color:var(--tvx-fg);background:color-mix(in srgb,var(--tvx-obg) 16%,var(--tvx-bg))}',
    '.tvx-nav .tvx-m>.tvx-l>.tvx-e>.tvx-i:not(.tvx-hd):hover,.tvx-nav .tvx-m>.tvx-l>.tvx-e>.tvx-i:focus-visible{color:var(--tvx-ofg);background:var(--tvx-obg)}}}',
    // Forced colours would blank the highlight and turn the drawn arrows into squares;
    // the menus draw themselves in system colours instead.
    '@media (forced-colors:active){.tvx-nav{forced-color-adjust:none}',
    '.tvx-nav .tvx-m,.tvx-nav .tvx-3d{background:CanvasText;border-color:CanvasText}',
    '.tvx-nav .tvx-e,.tvx-nav .tvx-i,.tvx-nav .tvx-hd,.tvx-nav .tvx-tg{color:CanvasText;background:Canvas;border-color:CanvasText}',
    '.tvx-nav a.tvx-i{color:LinkText}',
    '.tvx-nav .tvx-i:not(.tvx-hd):hover,.tvx-nav .tvx-open>.tvx-i,.tvx-nav .tvx-i:focus-visible,.tvx-nav .tvx-tg:hover,',
    '.tvx-nav.tvx-opened .tvx-tg{color:HighlightText;background:Highlight}',
    '.tvx-nav .tvx-i:focus-visible,.tvx-nav .tvx-tg:focus-visible{outline:2px solid CanvasText}',
    '.tvx-nav .tvx-sub,.tvx-nav .tvx-ms{box-shadow:none}}'
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
      ';--tvx-mw:' + (menu.width > 0 ? 'max(24em,' + (menu.width + 2 * menu.border) + 'px)' : '24em') +
      ';--tvx-jc:' + JUSTIFY[menu.align] +
      // Always-visible menus inherit the page's font; submenus sit inside other menus
      // and are given the page's font explicitly.
      (style.fontSize || sub ? ';--tvx-font-size:' + (style.fontSize || page.fontSize) : '') +
      (style.fontFamily || sub ? ';--tvx-font-family:' + (style.fontFamily || page.fontFamily) : '') +
      ';--tvx-font-style:' + style.fontStyle + ';--tvx-font-weight:' + style.fontWeight +
      ';--tvx-ta:' + menu.align + ';';
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
    if (!mount && (getComputedStyle_(body).position !== 'static' || getComputedStyle_(D.documentElement).position !== 'static')) {
      var at = nav.getBoundingClientRect();
      nav.style.left = -mathRound(at.left + W.scrollX) + 'px';
      nav.style.top = -mathRound(at.top + W.scrollY) + 'px';
    }
    fit();
  }
  var byName = new MapCtor();
  var parsed = new MapCtor();
  var menuOf = new WeakMapCtor();
  var entryOf = new WeakMapCtor();
  var nav = null;
  var menus = null;        // the box of the always-visible menus, what the menu button controls
  var toggle = null;
  var mount = null;        // the page's #tarvex-menu, when it has one
  var rootMenus = [];
  var drawn = [];          // every menu drawn so far
  var sheet = null;        // the engine's style sheet
  var toggleHolder = null;
  var darkScheme = W.matchMedia ? W.matchMedia('(prefers-color-scheme: dark)') : null;
  var compact = false;
  var desktopExtent = 0;   // right edge of the always-visible menus, measured side by side
  var columnExtent = 0;    // the same, from the left of the mount point's column
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

  // The style a menu shows now: its dark style, when it has one, under a dark colour scheme.
  function styleOf(def) {
    return def.dark && darkScheme && darkScheme.matches ? def.dark : def.style;
  }

  // A menu's design goes into a rule of the engine's own style sheet that matches its box with
  // no specificity at all, so any rule of the page's (say .tvx-m{--tvx-bg:...}) overrides it,
  // and no style attribute is written that a strict content security policy would refuse.
  function design(holder, css) {
    if (!holder.rule) {
      var at = sheet.insertRule(':where(#' + holder.el.id + '){}', sheet.cssRules.length);
      holder.rule = sheet.cssRules[at];
    }
    holder.rule.style.cssText = css;
  }

  // The engine's rules as a constructed style sheet where the browser has them (a policy that
  // refuses inline style elements allows it), otherwise as a style element.
  function makeSheet() {
    try {
      var made = new W.CSSStyleSheet();
      made.replaceSync(CSS_TEXT);
      D.adoptedStyleSheets = D.adoptedStyleSheets.concat([made]);
      return made;
    } catch (e) {
      var holder = el('style');
      holder.textContent = CSS_TEXT;
      (D.head || D.body).appendChild(holder);
      return holder.sheet;
    }
  }

  function onScheme() {
    for (var i = 0; i < drawn.length; i++) {
      var m = drawn[i];
      var style = styleOf(m.def);
      if (style.bevel) m.el.classList.add('tvx-3d');
      else m.el.classList.remove('tvx-3d');
      design(m, styleText(style, m.def, !!m.parent));
    }
    toggleStyle();
    placeFrom(0);
  }

  function toggleStyle() {
    var first = styleOf(rootMenus[0].def);
    design(toggleHolder, '--tvx-fg:' + first.offFg + ';--tvx-bg:' + first.offBg + ';--tvx-ofg:' + first.onFg +
      ';--tvx-obg:' + first.onBg + (first.fontSize ? ';--tvx-font-size:' + first.fontSize : '') +
      (first.fontFamily ? ';--tvx-font-family:' + first.fontFamily : ''));
  }

  function drawMenu(def, parent, opener, ancestors) {
    var style = styleOf(def);
    // Without a position given, flat styles keep the arrow beside the caption; the 3D look
    // keeps it at the far end, as desktop menus of that look do.
    var imagePos = def.imagePos || (style.bevel ? 'right' : 'center');
    var box = el('div', 'tvx-m' + (def.horizontal ? ' tvx-hz' : '') + (parent ? ' tvx-sub' : ' tvx-root') +
      (style.bevel ? ' tvx-3d' : '') + ' tvx-img' + imagePos);
    box.id = PREFIX + '-' + (++serial);
    var menu = {
      el: box, def: def, parent: parent, opener: opener, depth: parent ? parent.depth + 1 : 0,
      horizontal: def.horizontal, entries: [], shiftX: 0, shiftY: 0, how: ''
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
    for (var i = 0; i < defs.length; i++) drawEntry(menu, list, defs[i], ancestors, style);
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
    if (e.hint) ctl.title = e.hint;
    if (!e.caption.trim() && (e.href || subDef)) ctl.setAttribute('aria-label', e.hint || e.href || e.sub);
    if (isHere(e.href)) {
      ctl.setAttribute('aria-current', 'page');
      li.className += ' tvx-cur';
    } else if (subDef && onPath.has(subDef)) li.className += ' tvx-path';
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

  // ---- the current page ------------------------------------------------------------

  // An address as it is compared with the page's: resolved against the page, without its
  // fragment, and with a trailing index file or slash left out (the URL parser already
  // lower-cases the host). Empty when it cannot be resolved.
  function sameness(href) {
    var u;
    try {
      u = new URLCtor(href, D.baseURI);
    } catch (e) {
      return '';
    }
    var path = u.pathname.replace(/\/(index\.html?|default\.htm)$/, '/').replace(/\/+$/, '');
    return u.protocol + '//' + u.host + path + u.search;
  }

  var here = '';
  var hereFile = [''];      // the page's last path step, as sent and decoded: a cheap test before resolving
  var onPath = new SetCtor(); // menus (read) holding the current page's entry, or a group leading to it

  // Every menu whose entries lead to the current page, found from the arrays before any is drawn,
  // since submenus are drawn only when they open. Addresses are resolved only when they hold the
  // page's last path step.
  function findCurrent() {
    here = sameness(W.location.href);
    if (!here) return;
    var step = W.location.pathname;
    step = /\/(index\.html?|default\.htm)?$/.test(step) ? '' : step.slice(step.lastIndexOf('/') + 1).toLowerCase();
    try {
      hereFile = [step, decodeURIComponent_(step)];
    } catch (e) {
      hereFile = [step];
    }
    var parentsOf = new MapCtor();
    var found = [];
    byName.forEach(function (raw, name) {
      var def = menuNamed(name);
      for (var i = 0; i < def.entries.length; i++) {
        var e = def.entries[i];
        if (e.sub) {
          if (!parentsOf.has(e.sub)) parentsOf.set(e.sub, []);
          parentsOf.get(e.sub).push(def);
        }
        if (isHere(e.href)) found.push(def);
      }
    });
    while (found.length) {
      var d = found.pop();
      if (onPath.has(d)) continue;
      onPath.add(d);
      var up = parentsOf.get(d.name);
      if (up) found.push.apply(found, up);
    }
  }

  function isHere(href) {
    if (!href || !here) return false;
    var lower = href.toLowerCase();
    if (lower.indexOf(hereFile[0]) < 0 && lower.indexOf(hereFile[hereFile.length - 1]) < 0) return false;
    return sameness(href) === here;
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

  // Measured, not computed from the menu script's coordinates: those assume rows of a
  // fixed height, and any other font, padding or border would leave the submenu adrift
  // of its entry. Only once it touches its entry is it kept inside the window.
  function place(menu) {
    if (compact) return;
    var parent = menu.parent;
    var p = parent.el.getBoundingClientRect();
    var o = menu.opener.li.getBoundingClientRect();
    var pb = parent.def.border;
    var sb = menu.def.border;
    var sideways = !parent.horizontal;
    if (page.rtl) menu.baseX = mathRound(sideways ? p.right - pb - o.left : p.right - pb - o.right - sb);
    else menu.baseX = mathRound(sideways ? o.right - p.left - pb : o.left - p.left - pb - sb);
    menu.baseY = mathRound(sideways ? o.top - p.top - pb - sb : o.bottom - p.top - pb);
    menu.el.style.maxHeight = '';
    // A drop-down is at least as wide as the entry above it, so their edges line up.
    menu.el.style.minWidth = sideways ? '' : mathRound(o.width + 2 * sb) + 'px';
    setShift(menu, 0, 0);
    var r = menu.el.getBoundingClientRect();
    var root = D.documentElement;
    var vw = root.clientWidth || W.innerWidth;
    var vh = root.clientHeight || W.innerHeight;
    var dx = 0;
    var dy = 0;
    var screen = menu.def.screen;
    if (screen === 'left') dx = -r.left;
    else if (screen === 'right') dx = vw - r.right;
    else if (screen === 'center') dx = (vw - r.width) / 2 - r.left;
    else if (screen === 'top') dy = -r.top;
    else if (screen === 'bottom') dy = vh - r.bottom;
    else if (screen === 'middle') dy = (vh - r.height) / 2 - r.top;
    var left = r.left + dx;
    var top = r.top + dy;
    if (left + r.width > vw || left < 0) {
      var flipped = NaN;
      if (sideways && !screen) {
        flipped = left >= o.left ? o.left - r.width : o.right;
      }
      if (flipped >= 0 && flipped + r.width <= vw) left = flipped;
      else {
        if (left + r.width > vw) left = vw - r.width;
        if (left < 0) left = 0;
      }
    }
    var height = r.height;
    if (!sideways && !screen && top + height > vh) {
      // A drop-down never covers its own entry: it goes above when it fits there, and
      // otherwise scrolls on whichever side has more room.
      var below = vh - o.bottom;
      var above = o.top;
      if (height > above && height > below) {
        height = mathMax(0, mathRound(mathMax(above, below)));
        menu.el.style.maxHeight = height + 'px';
      }
      if (height > below) top = o.top - height;
    } else {
      if (top + height > vh) top = vh - height;
      if (top < 0) top = 0;
    }
    dx = mathRound(left - r.left);
    dy = mathRound(top - r.top);
    if (dx || dy) setShift(menu, dx, dy);
  }

  // Side by side when the always-visible menus fit across the window, and in a mount
  // point across the content box of the element holding it (a page's column), otherwise
  // behind the menu button. The side-by-side extents are remembered from the last time
  // they were measured, so switching back needs no trial layout.
  function fit() {
    if (!nav) return;
    var vw = D.documentElement.clientWidth || W.innerWidth;
    var column = mount ? columnBox() : null;
    if (!compact) {
      var extent = 0;
      var inColumn = 0;
      for (var i = 0; i < rootMenus.length; i++) {
        var r = rootMenus[i].el.getBoundingClientRect();
        var fixed = rootMenus[i].def.screen !== '';
        extent = mathMax(extent, fixed ? r.right : r.right + W.scrollX, r.left < 0 && !fixed ? vw + 1 : 0);
        if (column && !fixed) inColumn = mathMax(inColumn, r.right - column.left);
      }
      desktopExtent = extent;
      columnExtent = inColumn;
    }
    setCompact(desktopExtent > vw + 0.5 || (!!column && columnExtent > column.width + 0.5));
  }

  // The content box of the mount point's containing block, in window coordinates.
  function columnBox() {
    var holder = mount.parentElement;
    if (!holder || holder === D.documentElement) return null;
    var cs = getComputedStyle_(holder);
    var r = holder.getBoundingClientRect();
    var padLeft = parseFloat_(cs.paddingLeft) || 0;
    var left = r.left + (parseFloat_(cs.borderLeftWidth) || 0) + padLeft;
    return { left: left, width: holder.clientWidth - padLeft - (parseFloat_(cs.paddingRight) || 0) };
  }

  // A column can change its width without the window changing (a sidebar folding away, a
  // grid reflowing): the menu follows it.
  var columnWatch = null;
  function watchColumn() {
    if (!mount || !mount.parentElement || !W.ResizeObserver) return;
    if (!columnWatch) columnWatch = new W.ResizeObserver(onResize);
    columnWatch.disconnect();
    columnWatch.observe(mount.parentElement);
  }

  function setCompact(on) {
    if (on === compact) return;
    closeAll();
    compact = on;
    if (on) nav.classList.add('tvx-compact');
    else {
      setOpened(false);
      nav.classList.remove('tvx-compact');
    }
  }

  function setOpened(on) {
    if (!on) closeAll();
    if (on) nav.classList.add('tvx-opened');
    else nav.classList.remove('tvx-opened');
    toggle.setAttribute('aria-expanded', on ? 'true' : 'false');
  }

  function horizontal(menu) {
    return menu.horizontal && !compact;
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
    // The list behind the menu button opens by activation only: hovering would fold
    // it up and down under the pointer.
    if (e.pointerType === 'touch' || compact) return;
    var entry = entryFrom(e.target);
    var menu = entry ? entry.menu : menuFrom(e.target);
    var key = entry || menu;
    if (!menu || key === lastKey) return;
    lastKey = key;
    clearTimeout_(closeTimer);
    cancelIntent();
    var open_ = chain[menu.depth];
    // Browsers may report the move before or after the pointer-over it caused.
    var from = pointer.x === e.clientX && pointer.y === e.clientY ? before : pointer;
    if (entry && open_ && open_ !== entry.sub && open_.parent === menu &&
        aiming(open_, from.x, from.y, e.clientX, e.clientY)) {
      intent = entry;
      intentTimer = setTimeout_(settle, INTENT_REST);
      return;
    }
    hovered(entry, menu);
  }

  function hovered(entry, menu) {
    if (entry && entry.subDef && !menu.def.click) {
      open(entry, 'hover');
      return;
    }
    var depth = menu.depth;
    if (chain.length > depth && !(entry && entry.sub && chain[depth] === entry.sub)) scheduleClose(depth);
  }

  // Hover intent. A pointer crossing other entries of a menu on its way to the open
  // submenu must not swap that submenu for theirs: while it keeps heading into the
  // submenu, what the entry under it would do waits; it happens once the pointer turns
  // away or rests for INTENT_REST ms.
  var INTENT_REST = 250;
  var pointer = { x: -1, y: -1 };
  var before = { x: -1, y: -1 };
  var intent = null;
  var intentTimer = 0;

  function cancelIntent() {
    clearTimeout_(intentTimer);
    intent = null;
  }

  function settle() {
    var entry = intent;
    cancelIntent();
    if (entry && lastKey === entry) hovered(entry, entry.menu);
  }

  // Whether the move from (x0, y0) to (x, y) points into the submenu: the new point lies in
  // the triangle spanned by the old point and the submenu's edge facing it, with a little
  // slack for a hand that wobbles.
  function aiming(sub, x0, y0, x, y) {
    if (x0 < 0 || (x0 === x && y0 === y)) return false;
    var r = sub.el.getBoundingClientRect();
    var a, b;
    if (x0 < r.left) { a = [r.left, r.top]; b = [r.left, r.bottom]; }
    else if (x0 > r.right) { a = [r.right, r.bottom]; b = [r.right, r.top]; }
    else if (y0 < r.top) { a = [r.right, r.top]; b = [r.left, r.top]; }
    else if (y0 > r.bottom) { a = [r.left, r.bottom]; b = [r.right, r.bottom]; }
    else return true;
    // The apex is moved back from the submenu, so a move along an edge of the triangle counts.
    var mx = (a[0] + b[0]) / 2 - x0;
    var my = (a[1] + b[1]) / 2 - y0;
    var len = mathSqrt(mx * mx + my * my) || 1;
    var ox = x0 - mx / len * 4;
    var oy = y0 - my / len * 4;
    var s1 = side(ox, oy, a[0], a[1], x, y);
    var s2 = side(a[0], a[1], b[0], b[1], x, y);
    var s3 = side(b[0], b[1], ox, oy, x, y);
    return (s1 >= 0 && s2 >= 0 && s3 >= 0) || (s1 <= 0 && s2 <= 0 && s3 <= 0);
  }

  function side(ax, ay, bx, by, x, y) {
    return (bx - ax) * (y - ay) - (by - ay) * (x - ax);
  }

  function onPointerMove(e) {
    if (e.pointerType === 'touch') return;
    if (e.clientX === pointer.x && e.clientY === pointer.y) return;
    before = pointer;
    pointer = { x: e.clientX, y: e.clientY };
    if (!intent) return;
    var sub = chain[intent.menu.depth];
    if (!sub || !aiming(sub, before.x, before.y, pointer.x, pointer.y)) settle();
    else {
      clearTimeout_(intentTimer);
      intentTimer = setTimeout_(settle, INTENT_REST);
    }
  }

  function onPointerLeave(e) {
    if (e.pointerType === 'touch' || compact) return;
    lastKey = null;
    cancelIntent();
    if (chain.length) scheduleClose(0);
  }

  function onClick(e) {
    if (e.target === toggle || toggle.contains(e.target)) {
      setOpened(!nav.classList.contains('tvx-opened'));
      return;
    }
    var entry = entryFrom(e.target);
    if (!entry || !entry.focusable) return;
    if (e.ctrlKey || e.metaKey || e.shiftKey || e.altKey || e.button) return;
    if (!entry.subDef) {
      closeAll();
      return;
    }
    var how = e.detail === 0 ? 'key' : (lastPointer === 'touch' ? 'touch' : 'click');
    var isOpen = chain[entry.menu.depth] === entry.sub;
    if (how === 'click' && !entry.menu.def.click && !compact) {
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

  function onDocKeyDown(e) {
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
    // Folding the list up under a pointer that is about to release would move what it
    // pressed; in the list, disclosures close only when another one opens.
    if (compact) return;
    var entry = entryFrom(e.target);
    if (!entry) return;
    var depth = entry.menu.depth;
    if (depth > 0 && chain[depth - 1] !== entry.menu) return;
    closeFrom(chain[depth] === entry.sub ? depth + 1 : depth);
  }

  function onDocClick(e) {
    if (compact && nav.classList.contains('tvx-opened') && !nav.contains(e.target)) setOpened(false);
  }

  function placeFrom(k) {
    for (var i = k; i < chain.length; i++) place(chain[i]);
  }

  // The mode follows the window at once, so that a resize never shows a frame of the
  // wrong one; open submenus are placed again with the next frame.
  var resizePending = false;
  function onResize() {
    if (page.read) fit();
    if (resizePending) return;
    resizePending = true;
    rAF(function () {
      resizePending = false;
      placeFrom(0);
    });
  }

  // A scrolled submenu takes its open submenu along.
  function onScroll(e) {
    var menu = menuFrom(e.target);
    if (menu && !compact && chain.length > menu.depth) placeFrom(menu.depth);
  }

  function listen() {
    var gap = number(settings ? settings.timegap : W.timegap, 100);
    delay = mathMin(10000, mathMax(0, gap));
    nav.addEventListener('pointerover', onPointerOver);
    D.addEventListener('pointermove', onPointerMove, true);
    nav.addEventListener('pointerleave', onPointerLeave);
    nav.addEventListener('click', onClick);
    nav.addEventListener('keydown', onKeyDown);
    D.addEventListener('keydown', onDocKeyDown);
    D.addEventListener('pointerdown', onDocPointerDown, true);
    D.addEventListener('focusin', onFocusIn);
    nav.addEventListener('scroll', onScroll, true);
    D.addEventListener('click', onDocClick, true);
    W.addEventListener('resize', onResize);
    if (darkScheme && darkScheme.addEventListener) darkScheme.addEventListener('change', onScheme);
    watchColumn();
    if (D.fonts && D.fonts.addEventListener) D.fonts.addEventListener('loadingdone', onResize);
  }
})(this);
