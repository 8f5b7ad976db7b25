// How the engine draws the menus our generator writes: positions, sizes, colours, fonts,
// images, window-anchored menus, right-to-left pages and keeping submenus on screen.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import * as h from './helpers.mjs';

let browser;
let context;
before(async () => {
  browser = await h.launch();
  context = await browser.newContext({ viewport: { width: 800, height: 500 }, reducedMotion: 'reduce' });
});
after(() => browser?.close());

const rgb = (hex) => `rgb(${[0, 2, 4].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;

async function styles(p, selector, props) {
  return p.locator(selector).first().evaluate((el, names) => {
    const cs = getComputedStyle(el);
    return Object.fromEntries(names.map((n) => [n, cs.getPropertyValue(n)]));
  }, props);
}

describe('the products menu', () => {
  let p;
  before(async () => { p = await h.open(context, h.plainPage(h.publish('products-menu'))); });
  after(() => p.close());

  it('draws the main menu at its page coordinates and keeps the submenu hidden', async () => {
    assert.deepEqual(await h.box(p, h.menuOf('Our\u00a0products')), { x: 40, y: 140, width: 152, height: 22 });
    assert.equal(await p.locator(h.menuOf('Price\u00a0list')).isVisible(), false);
    assert.deepEqual(await h.box(p, h.entry('Our\u00a0products')), { x: 41, y: 141, width: 150, height: 20 });
  });

  it('applies the style: colours with "#", font, padding, border', async () => {
    const main = await styles(p, h.menuOf('Our\u00a0products'), ['border-top-width', 'border-top-color', 'font-size', 'font-family', 'font-style', 'text-align']);
    assert.deepEqual(main, {
      'border-top-width': '1px', 'border-top-color': rgb('000000'), 'font-size': '10px',
      'font-family': 'Verdana, Arial, sans-serif', 'font-style': 'normal', 'text-align': 'left',
    });
    const item = await styles(p, h.entry('Our\u00a0products'), ['color', 'background-color', 'padding-left', 'padding-top']);
    assert.deepEqual(item, { color: rgb('000000'), 'background-color': rgb('C0C0C0'), 'padding-left': '3px', 'padding-top': '3px' });
  });

  it('opens the submenu below its group, borders in line, highlighted path in the highlight colours', async () => {
    await p.hover(h.entry('Our\u00a0products'));
    assert.deepEqual(await h.box(p, h.menuOf('Price\u00a0list')), { x: 40, y: 161, width: 152, height: 22 });
    const group = await styles(p, h.entry('Our\u00a0products'), ['color', 'background-color']);
    assert.deepEqual(group, { color: rgb('FFFFFF'), 'background-color': rgb('808080') });
    await h.shot(p, 'products-menu-open');
  });

  it('turns the link strings into links, targets and hints', async () => {
    const group = p.locator(h.entry('Our\u00a0products'));
    assert.equal(await group.getAttribute('href'), 'products.htm');
    assert.equal(await group.getAttribute('title'), 'All our products');
    const item = p.locator(h.entry('Price\u00a0list'));
    assert.equal(await item.getAttribute('href'), 'prices.htm');
    assert.equal(await item.getAttribute('target'), '_blank');
    assert.equal(await item.getAttribute('rel'), 'noopener');
    assert.equal(await item.getAttribute('title'), null);
  });

  it('reports nothing on the console', () => assert.deepEqual(p.errors, []));
});

describe('font families', () => {
  let p;
  before(async () => { p = await h.open(context, h.plainPage(h.publish('font-kinds'))); });
  after(() => p.close());

  it('close a list of named fonts with a generic family of their kind', async () => {
    const family = (caption) => styles(p, h.entry(caption), ['font-family']).then((s) => s['font-family']);
    assert.equal(await family('Serif\u00a0entry'), 'Georgia, serif');
    await p.hover(h.entry('Mono\u00a0group'));
    assert.equal(await family('Mono\u00a0entry'), '"Courier New", monospace');
    await p.hover(h.entry('Generic\u00a0group'));
    assert.equal(await family('Generic\u00a0entry'), 'Arial, sans-serif');
  });
});

describe('the default preview page', () => {
  it('leaves room for the default menu at (40,140) and shows it without errors', async () => {
    const p = await h.open(context, h.defaultPage(h.publish('default')));
    assert.equal(await p.evaluate(() => document.characterSet), 'windows-1252');
    assert.deepEqual(await h.box(p, h.menuOf('Menu\u00a0group\u00a0name')), { x: 40, y: 140, width: 152, height: 22 });
    await p.hover(h.entry('Menu\u00a0group\u00a0name'));
    assert.deepEqual(await h.box(p, h.menuOf('Menu\u00a0item\u00a0name')), { x: 40, y: 161, width: 152, height: 22 });
    // Nothing of the page's own text sits under the open menu.
    const covered = await p.evaluate(() => [...document.querySelectorAll('h1, h2, p')].some((e) => {
      const r = e.getBoundingClientRect();
      return r.bottom > 140 && r.top < 184 && r.right > 40 && r.left < 193;
    }));
    assert.equal(covered, false);
    await h.shot(p, 'default-page');
    assert.deepEqual(p.errors, []);
    await p.close();
  });
});

describe('long and empty captions', () => {
  it('wrap a long caption at about 24 em beside its entry, and give empty ones a row of normal height', async () => {
    const long = 'Long caption '.repeat(20).slice(0, 250);
    const dir = h.publishEdited('site', 'captions', (xml) => xml.replace('<Caption>Contact us</Caption>', `<Caption>${long}</Caption>`)
      .replace('<Caption>Support forum</Caption>', '<Caption></Caption>').replace('<Caption>Desktop  editor</Caption>', '<Caption>   </Caption>'));
    const p = await h.open(context, h.plainPage(dir));
    for (const [group, blank, normal] of [['Services', 1, 2], ['Products', 0, 1]]) {
      await p.hover(h.entry(group));
      const sub = p.locator('.tvx-sub.tvx-show');
      const rows = await sub.locator('.tvx-i').evaluateAll((es) => es.map((e) => e.getBoundingClientRect().height));
      assert.equal(rows[blank], rows[normal], `${group}: ${rows}`);
      const [entry, box, em] = await Promise.all([h.box(p, h.entry(group)), h.box(p, '.tvx-sub.tvx-show'),
        sub.evaluate((m) => parseFloat(getComputedStyle(m).fontSize))]);
      assert.equal(box.y, entry.y + entry.height, 'the drop-down touches its entry');
      assert.ok(box.x <= entry.x && box.x + box.width > entry.x, JSON.stringify([entry, box]));
      if (group === 'Services') {
        assert.ok(box.width >= 20 * em && box.width <= 25 * em, `${box.width} px at ${em} px`);
        await h.shot(p, 'long-caption');
      }
    }
    assert.deepEqual(p.errors, []);
    await p.close();
  });
});

describe('the current page', () => {
  // The site served over HTTP under a host of its own, so that addresses carry a host; About's
  // address names it in capitals.
  let dir;
  before(async () => {
    dir = h.publishEdited('site', 'current', (xml) => xml.replace('<Address>about.htm</Address>',
      '<Address>http://SITE.test/menu/about.htm</Address>'));
    const html = fs.readFileSync(new URL(h.plainPage(dir)), 'latin1');
    await context.route('http://site.test/**', (r) => {
      const file = path.basename(new URL(r.request().url()).pathname);
      return file.endsWith('.js') ? r.fulfill({ path: path.join(dir, file) }) : r.fulfill({ body: html, contentType: 'text/html' });
    });
  });

  // [page, groups on the path, groups to open on the way, the entry marked]
  const cases = [
    ['themes.htm#top', ['Products', 'Add\u00a0ons'], ['Products', 'Add\u00a0ons'], 'Themes'],
    ['', [], [], 'Home'],
    ['index.htm?page=2', [], [], null],
    ['products.htm', [], [], 'Products'],
    ['about.htm', [], [], 'About'],
    ['training.htm', ['Services'], ['Services'], 'Training'],
  ];
  for (const [page, groups, opened, marked] of cases) {
    it(`marks ${marked ?? 'nothing'} on "${page}"`, async () => {
      const p = await h.open(context, `http://site.test/menu/${page}`);
      for (const g of opened) await p.hover(h.entry(g));
      const current = await p.locator('.tvx-nav [aria-current="page"]').allTextContents();
      assert.deepEqual(current, marked ? [marked] : []);
      const onPath = await p.locator('.tvx-nav .tvx-path > .tvx-i').allTextContents();
      assert.deepEqual(onPath, groups);
      if (marked) {
        const [bar, plain] = await Promise.all([p.locator('.tvx-cur > .tvx-i').evaluate((e) => getComputedStyle(e).boxShadow),
          p.locator('.tvx-e:not(.tvx-cur):not(.tvx-path) > .tvx-i').first().evaluate((e) => getComputedStyle(e).boxShadow)]);
        assert.notEqual(bar, plain);
      }
      if (page === 'themes.htm#top') await h.shot(p, 'current-page');
      assert.deepEqual(p.errors, []);
      await p.close();
    });
  }
});

describe('the main menu\'s own words and a dark style', () => {
  it('names the navigation and the menu button as set, follows the colour scheme and yields to the page\'s custom properties', async () => {
    const dir = h.publishEdited('site', 'words-dark', (xml) => xml
      .replace('<MenuOpening>on mouse over</MenuOpening>', '$&\r\n<MenuButtonCaption>Men\u00fc</MenuButtonCaption>' +
        '\r\n<NavigationName>Hauptmen\u00fc</NavigationName>\r\n<DarkStyle>Night</DarkStyle>')
      .replace('</STYLES>', (end) => xml.match(/<STYLE>[\s\S]*?<\/STYLE>/)[0].replace('Slate', 'Night')
        .replace('<MouseOffFont>1F2933', '<MouseOffFont>E4E7EB').replace('<MouseOffBackground>F5F7FA', '<MouseOffBackground>1F2933') +
        '\r\n' + end));
    // The page's own rule overrides one custom property of the main menu, whatever the scheme.
    const p = await h.open(context, h.plainPage(dir, { head: '<style>.tvx-root{--tvx-bc:#ff0000}</style>' }));
    const outline = () => p.locator('.tvx-root').evaluate((m) => getComputedStyle(m).borderTopColor);
    assert.equal(await outline(), rgb('FF0000'));
    assert.equal(await p.locator('nav.tvx-nav').getAttribute('aria-label'), 'Hauptmen\u00fc');
    const look = () => p.locator(h.entry('Home')).evaluate((e) => getComputedStyle(e).backgroundColor);
    assert.equal(await look(), rgb('F5F7FA'));
    await p.emulateMedia({ colorScheme: 'dark' });
    await p.waitForFunction((bg) => getComputedStyle(document.querySelector('.tvx-root .tvx-i')).backgroundColor === bg, rgb('1F2933'));
    assert.equal(await p.locator(h.entry('Home')).evaluate((e) => getComputedStyle(e).color), rgb('E4E7EB'));
    assert.equal(await outline(), rgb('FF0000'));
    await h.shot(p, 'dark-style');
    await p.emulateMedia({ colorScheme: 'light' });
    await p.waitForFunction((bg) => getComputedStyle(document.querySelector('.tvx-root .tvx-i')).backgroundColor === bg, rgb('F5F7FA'));
    await p.setViewportSize({ width: 360, height: 500 });
    await p.locator('.tvx-tg').waitFor();
    assert.equal((await p.locator('.tvx-tg').textContent()).trim(), 'Men\u00fc');
    assert.deepEqual(p.errors, []);
    await p.close();
  });
});

describe('a site menu', () => {
  let p;
  let dir;
  before(async () => {
    dir = h.publish('site');
    p = await h.open(context, h.plainPage(dir));
  });
  after(() => p.close());

  it('lays a horizontal menu out with entries of the given width, outlined in the border colour with no lines between', async () => {
    const boxes = await Promise.all(['Home', 'Products', 'Services', 'About'].map((c) => h.box(p, h.entry(c))));
    assert.deepEqual(boxes.map((b) => b.x), [41, 172, 303, 434]);
    assert.ok(boxes.every((b) => b.width === 130 && b.y === 141));
    const bar = await styles(p, h.menuOf('Home'), ['background-color', 'border-top-color']);
    const entry = await styles(p, h.entry('Home'), ['background-color']);
    assert.equal(bar['border-top-color'], rgb('9AA5B1'));
    assert.equal(bar['background-color'], entry['background-color'], 'the gaps between entries show no line');
  });

  it('keeps &nbsp; as a space that does not break and shows captions as text', async () => {
    await p.hover(h.entry('Products'));
    const texts = await p.locator(`${h.menuOf('Desktop\u00a0\u00a0editor')} > .tvx-l > .tvx-e > .tvx-i`).allTextContents();
    assert.deepEqual(texts, ['Desktop\u00a0\u00a0editor', 'Add\u00a0ons', 'Caf\u00e9\u00a0&\u00a0<more>\u00a0"quoted"\u00a0C:\\path']);
    const [a, b] = await Promise.all([h.box(p, h.entry('Desktop\u00a0\u00a0editor')), h.box(p, h.entry('Add\u00a0ons'))]);
    assert.equal(a.height, b.height);
    assert.equal(await p.locator('.tvx-nav b, .tvx-nav more').count(), 0);
  });

  it('puts the arrow image on group entries only, on the right by default', async () => {
    const arrows = await p.locator(`${h.menuOf('Home')} > .tvx-l > .tvx-e > .tvx-i > img.tvx-a`).count();
    assert.equal(arrows, 2);
    const [cap, img] = await Promise.all([h.box(p, `${h.entry('Products')} .tvx-c`), h.box(p, `${h.entry('Products')} img.tvx-a`)]);
    assert.ok(img.x > cap.x + cap.width - 1);
    assert.equal(await p.locator(`${h.entry('Home')} .tvx-a`).count(), 0);
  });

  it('moves a submenu that would cover its own group just below it', async () => {
    const [group, sub] = await Promise.all([h.box(p, h.entry('Products')), h.box(p, h.menuOf('Desktop\u00a0\u00a0editor'))]);
    assert.equal(sub.x, 171);
    assert.equal(sub.y, group.y + group.height);
  });

  it('draws entries without link or submenu as headers in the header colours', async () => {
    await p.hover(h.entry('Services'));
    const header = p.locator(h.entry('Contact\u00a0us'));
    assert.equal(await header.evaluate((e) => e.tagName), 'SPAN');
    assert.deepEqual(await styles(p, h.entry('Contact\u00a0us'), ['color', 'background-color']),
      { color: rgb('FFFFFF'), 'background-color': rgb('7B8794') });
    // A group whose address is a single space has no link: it is a button.
    assert.equal(await p.locator(h.entry('Services')).evaluate((e) => e.tagName), 'BUTTON');
    await h.shot(p, 'site-services');
  });

  it('mirrors every opening direction on a right-to-left page', async () => {
    const rtl = await h.open(context, h.page(dir, 'rtl.htm',
      `<!DOCTYPE html><html dir="rtl"><head><meta charset="windows-1252"></head><body style="margin:0">${h.SCRIPT_LINES}</body></html>`));
    const [home, about] = await Promise.all([h.box(rtl, h.entry('Home')), h.box(rtl, h.entry('About'))]);
    assert.ok(home.x > about.x, 'entries run from the right');
    await rtl.hover(h.entry('Products'));
    const [group, sub] = await Promise.all([h.box(rtl, h.entry('Products')), h.box(rtl, h.menuOf('Desktop\u00a0\u00a0editor'))]);
    assert.equal(sub.x + sub.width, group.x + group.width + 1, 'borders in line with the bar');
    await rtl.hover(h.entry('Add\u00a0ons'));
    const [inner, nested] = await Promise.all([h.box(rtl, h.menuOf('Desktop\u00a0\u00a0editor')), h.box(rtl, h.menuOf('Spell\u00a0checker'))]);
    assert.ok(nested.x + nested.width <= inner.x + 1, 'the nested submenu opens to the left');
    await h.shot(rtl, 'site-rtl');
    assert.deepEqual(rtl.errors, []);
    await rtl.close();
  });

  it('keeps an opening submenu inside a small window', async () => {
    const small = await context.newPage();
    await small.setViewportSize({ width: 600, height: 230 });
    await small.goto(h.plainPage(dir));
    await small.hover(h.entry('Products'));
    const sub = await h.box(small, h.menuOf('Desktop\u00a0\u00a0editor'));
    const bar = await h.box(small, h.menuOf('Home'));
    assert.ok(sub.y + sub.height <= 230 && sub.y >= 0, 'flipped above the bar');
    assert.ok(sub.y + sub.height <= bar.y + 1);
    await small.hover(h.entry('Add\u00a0ons'));
    const nested = await h.box(small, h.menuOf('Spell\u00a0checker'));
    assert.ok(nested.x >= 0 && nested.x + nested.width <= 600, JSON.stringify(nested));
    await h.shot(small, 'site-small-window');
    await small.close();
  });

  it('reports nothing on the console', () => assert.deepEqual(p.errors, []));
});

describe('a 3D, click-opening vertical menu', () => {
  let p;
  before(async () => { p = await h.open(context, h.plainPage(h.publish('click'))); });
  after(() => p.close());

  it('draws the 3D border and the separator bars in the high and low colours', async () => {
    const m = await styles(p, h.menuOf('Documents'), ['border-top-color', 'border-left-color', 'border-bottom-color', 'border-right-color', 'border-top-width']);
    assert.deepEqual(m, {
      'border-top-color': rgb('FFFFFF'), 'border-left-color': rgb('FFFFFF'),
      'border-bottom-color': rgb('404040'), 'border-right-color': rgb('404040'), 'border-top-width': '2px',
    });
    const sep = await p.locator(`${h.menuOf('Documents')} > .tvx-l > .tvx-e:nth-child(2)`).evaluate((e) => [
      getComputedStyle(e).borderTopColor, getComputedStyle(e.firstElementChild).borderTopColor]);
    assert.deepEqual(sep, [rgb('404040'), rgb('FFFFFF')]);
  });

  it('shows the top bar image above the entries and the drawn arrows on the left', async () => {
    const [bar, first] = await Promise.all([h.box(p, `${h.menuOf('Documents')} > img.tvx-top`), h.box(p, h.entry('Documents'))]);
    assert.equal(bar.width, 120);
    assert.ok(bar.y + bar.height <= first.y);
    const [cap, arrow] = await Promise.all([h.box(p, `${h.entry('Documents')} .tvx-c`), h.box(p, `${h.entry('Documents')} .tvx-a`)]);
    assert.ok(arrow.x < cap.x);
  });

  it('stacks the entries of a vertical menu in the menu width', async () => {
    const boxes = await Promise.all(['Documents', 'Tools', 'Help'].map((c) => h.box(p, h.entry(c))));
    assert.ok(boxes.every((b) => b.x === 22 && b.width === 140));
    assert.ok(boxes[0].y < boxes[1].y && boxes[1].y < boxes[2].y);
    await p.click(h.entry('Tools'));
    await h.shot(p, 'click-3d-open');
  });
});

describe('menus tied to the window', () => {
  it('centres the main menu across the window, also after a resize and while scrolling', async () => {
    const dir = h.publish('screen');
    const p = await h.open(context, h.plainPage(dir, { body: '<div style="height:3000px"></div>' }));
    const centred = async (w) => {
      const b = await h.box(p, h.menuOf('Left'));
      assert.ok(Math.abs(b.x - (w - b.width) / 2) <= 1, `x ${b.x} width ${b.width} window ${w}`);
      assert.equal(b.y, 10);
    };
    await centred(800);
    await p.setViewportSize({ width: 640, height: 500 });
    await centred(640);
    await p.mouse.wheel(0, 600);
    await p.waitForFunction(() => window.scrollY > 0);
    await centred(640);
    // A submenu tied to the right edge meets it; one tied to the bottom sits on it.
    await p.hover(h.entry('Right'));
    const right = await h.box(p, h.menuOf('Two'));
    assert.equal(right.x + right.width, 640);
    await p.hover(h.entry('Bottom'));
    const bottom = await h.box(p, h.menuOf('Three'));
    assert.equal(bottom.y + bottom.height, 500);
    await h.shot(p, 'screen-anchored');
    assert.deepEqual(p.errors, []);
    await p.close();
  });
});
