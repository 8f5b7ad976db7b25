// The published menu on every screen: narrow windows (menu button and one full-width
// list), zoom, tall submenus, submenus against their entries whatever the style, the
// page's own mount point, forced colours, and axe-core over every shipped favourite.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import { createRequire } from 'node:module';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import { loadStyles } from '../../tools/write-favorites.mjs';
import * as h from './helpers.mjs';

const axeSource = fs.readFileSync(createRequire(import.meta.url).resolve('axe-core/axe.min.js'), 'utf8');
const favorites = loadStyles();

let browser;
before(async () => { browser = await h.launch(); });
after(() => browser?.close());

async function openIn(options, url) {
  const context = await browser.newContext({ reducedMotion: 'reduce', ...options });
  const p = await h.open(context, url);
  p.context = context;
  return p;
}

// Walks the whole menu the way a reader would: every entry is scrolled into view (the
// page cannot scroll sideways, so only vertically), must be the thing under its own
// centre and lie across the window; every group is opened by tapping or clicking it.
async function reachable(p, activate) {
  const seen = [];
  const vw = await p.evaluate(() => document.documentElement.clientWidth);
  async function walk(menu) {
    const items = p.locator(`${menu} > .tvx-l > .tvx-e > .tvx-i`);
    for (let i = 0, n = await items.count(); i < n; i++) {
      const item = items.nth(i);
      await item.scrollIntoViewIfNeeded();
      const state = await item.evaluate((e, width) => {
        const r = e.getBoundingClientRect();
        const hit = document.elementFromPoint(r.x + r.width / 2, r.y + r.height / 2);
        const root = document.documentElement;
        return { caption: e.textContent, inside: r.left >= 0 && r.right <= width + 0.5 && !!hit && e.contains(hit),
          height: r.height, sideways: root.scrollWidth > root.clientWidth || scrollX !== 0 };
      }, vw);
      assert.ok(state.inside && !state.sideways, `${state.caption}: ${JSON.stringify(state)}`);
      assert.ok(state.height >= 44, `${state.caption} is ${state.height} px high`);
      seen.push(state.caption);
      if ((await item.getAttribute('aria-expanded')) === 'false') {
        await activate(item);
        assert.equal(await item.getAttribute('aria-expanded'), 'true', state.caption);
        await walk(`#${await item.getAttribute('aria-controls')}`);
      }
    }
  }
  await walk('.tvx-root');
  return seen;
}

// The list entry (li) around an entry, which is what touches a submenu.
async function rowBox(p, caption) {
  const b = await p.locator(h.entry(caption)).first().locator('xpath=..').boundingBox();
  return { x: Math.round(b.x), y: Math.round(b.y), width: Math.round(b.width), height: Math.round(b.height) };
}

const VIEWPORT = '<meta name="viewport" content="width=device-width, initial-scale=1">';
const phoneEntries = (fs.readFileSync(path.join(h.projectDir, 'phone.xml'), 'latin1').match(/<Caption>/g) || []).length;

describe('narrow windows', () => {
  let dir;
  before(() => { dir = h.publish('phone'); });

  // 200 % zoom is emulated by the CSS pixels it leaves: 1280 x 800 at 200 % lays out as 640 x 400.
  const screens = {
    'on a 375 x 667 phone by tapping': [{ viewport: { width: 375, height: 667 }, hasTouch: true, isMobile: true }, (e) => e.tap()],
    'at 200 % zoom by clicking': [{ viewport: { width: 640, height: 400 }, deviceScaleFactor: 2 }, (e) => e.click()],
    'in a 1024-pixel window by clicking': [{ viewport: { width: 1024, height: 768 } }, (e) => e.click()],
  };
  for (const [name, [options, activate]] of Object.entries(screens)) {
    it(`reach every entry of an 8-group menu ${name}, scrolling vertically only`, async () => {
      const p = await openIn(options, h.plainPage(dir, { head: VIEWPORT, body: '<p style="height:1500px">page</p>' }));
      const toggle = p.locator('.tvx-tg');
      assert.deepEqual([await toggle.textContent(), await toggle.getAttribute('aria-expanded')], ['Menu', 'false']);
      assert.equal(await p.locator('.tvx-root').isVisible(), false);
      await activate(toggle);
      assert.equal(await toggle.getAttribute('aria-expanded'), 'true');
      assert.equal(await p.locator(`#${await toggle.getAttribute('aria-controls')} .tvx-root`).isVisible(), true);
      const seen = await reachable(p, activate);
      assert.equal(new Set(seen).size, phoneEntries);
      await h.shot(p, `narrow ${name}`);
      assert.deepEqual(p.errors, []);
      await p.context.close();
    });
  }

  it('switch back to the menus side by side when the window grows, and again when it shrinks', async () => {
    const p = await openIn({ viewport: { width: 800, height: 600 } }, h.plainPage(dir));
    await p.click('.tvx-tg');
    await p.setViewportSize({ width: 1440, height: 600 });
    await p.waitForFunction(() => getComputedStyle(document.querySelector('.tvx-tg')).display === 'none');
    assert.deepEqual(await h.box(p, '.tvx-root'), { x: 40, y: 140, width: 1270, height: 43 });
    await p.setViewportSize({ width: 800, height: 600 });
    await p.waitForFunction(() => getComputedStyle(document.querySelector('.tvx-tg')).display !== 'none');
    assert.equal(await p.locator('.tvx-tg').getAttribute('aria-expanded'), 'false');
    await p.context.close();
  });

  it('keep the keyboard of a vertical menu: Down, Right into a group, Escape back out to the button', async () => {
    const p = await openIn({ viewport: { width: 375, height: 667 } }, h.plainPage(dir));
    const focused = () => p.evaluate(() => document.activeElement.textContent);
    await p.focus('.tvx-tg');
    await p.keyboard.press('Enter');
    await p.keyboard.press('Tab');
    assert.equal(await focused(), 'Home');
    await p.keyboard.press('ArrowDown');
    assert.equal(await focused(), 'Products');
    await p.keyboard.press('ArrowRight');
    assert.equal(await focused(), 'Products\u00a01');
    await p.keyboard.press('Escape');
    assert.equal(await focused(), 'Products');
    assert.equal(await p.locator(h.entry('Products')).getAttribute('aria-expanded'), 'false');
    await p.keyboard.press('Escape');
    assert.equal(await focused(), 'Menu');
    assert.equal(await p.locator('.tvx-tg').getAttribute('aria-expanded'), 'false');
    await p.context.close();
  });
});

describe('a submenu taller than the window', () => {
  it('stays below its group and scrolls inside itself by wheel and keyboard, its own submenu beside it', async () => {
    const p = await openIn({ viewport: { width: 1280, height: 720 } }, h.plainPage(h.publish('tall')));
    await p.hover(h.entry('Everything'));
    const group = await h.box(p, h.entry('Everything'));
    const sub = h.menuOf('Entry\u00a01');
    const box = await h.box(p, sub);
    assert.ok(box.y >= group.y + group.height && box.y + box.height <= 720, JSON.stringify(box));
    const list = p.locator(`${sub} > .tvx-l`);
    await p.mouse.move(box.x + 20, box.y + 100);
    await p.mouse.wheel(0, 600);
    await p.waitForFunction((l) => l.scrollTop > 0, await list.elementHandle());
    assert.equal(await p.evaluate(() => scrollY), 0, 'the page stays put');
    await p.focus(h.entry('Entry\u00a01'));
    await p.keyboard.press('End');
    const [last, shown] = await Promise.all([h.box(p, h.entry('Last\u00a0group')), h.box(p, `${sub} > .tvx-l`)]);
    assert.ok(last.y >= shown.y && last.y + last.height <= shown.y + shown.height + 1, JSON.stringify([last, shown]));
    await p.keyboard.press('ArrowRight');
    const [opener, nested] = await Promise.all([rowBox(p, 'Last\u00a0group'), h.box(p, h.menuOf('Deep\u00a0entry'))]);
    assert.equal(nested.x, opener.x + opener.width);
    assert.ok(nested.y + nested.height <= 720);
    await h.shot(p, 'tall-submenu');
    await p.context.close();
  });
});

describe('every shipped favourite', () => {
  for (const style of favorites) {
    it(`${style.Name}: submenus touch their entries, rows of 24 px, and axe-core finds nothing in either mode`, async () => {
      const dir = h.publishStyled('phone', style, `fav-${style.Name.replace(/ /g, '_')}`);
      const p = await openIn({ viewport: { width: 1440, height: 800 } }, h.plainPage(dir, { attrs: ' lang="en"', head: '<title>Menu</title>' }));
      await p.addScriptTag({ content: axeSource });
      const axe = () => p.evaluate(async () => (await window.axe.run('.tvx-nav')).violations.map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));

      const root = await h.box(p, '.tvx-root');
      assert.deepEqual([root.x, root.y], [40, 140], 'the main menu stays where the project puts it');
      await p.hover(h.entry('Products'));
      await p.hover(h.entry('More\u00a0products'));
      const [bar, group, sub, inner, nested] = await Promise.all([
        rowBox(p, 'Products'), rowBox(p, 'More\u00a0products'),
        h.box(p, h.menuOf('Products\u00a01')), h.box(p, h.entry('More\u00a0products')), h.box(p, h.menuOf('Products\u00a0extra\u00a01'))]);
      assert.equal(sub.y, bar.y + bar.height, 'below the entry of the horizontal bar');
      assert.ok(sub.x <= bar.x && sub.x + sub.width > bar.x);
      assert.equal(nested.x, group.x + group.width, 'beside the entry of the vertical submenu');
      assert.ok(nested.y <= inner.y && nested.y + nested.height > inner.y + inner.height / 2, JSON.stringify([nested, inner]));
      assert.ok(inner.height >= 24, `rows of ${inner.height} px`);
      assert.deepEqual(await axe(), []);

      await p.setViewportSize({ width: 375, height: 667 });
      await p.click('.tvx-tg');
      await p.click(h.entry('Products'));
      await p.click(h.entry('More\u00a0products'));
      assert.deepEqual(await axe(), []);
      if (style === favorites[0]) await h.shot(p, `favourite ${style.Name} narrow`);
      assert.deepEqual(p.errors, []);
      await p.context.close();
    });
  }
});

describe('the look of flat and 3D styles', () => {
  const cases = [
    { name: 'Clean Light', flat: true },
    { name: 'Classic grey', flat: false },
  ];
  for (const { name, flat } of cases) {
    it(`${name}: ${flat ? 'no lines, a tinted path, chevrons and rounded drop-downs' : 'keeps its lines, solid path and arrows'}`, async () => {
      const style = favorites.find((f) => f.Name === name);
      const p = await openIn({ viewport: { width: 1440, height: 800 } }, h.plainPage(h.publishStyled('phone', style, `look-${flat}`)));
      await p.hover(h.entry('Products'));
      await p.hover(h.entry('More\u00a0products'));
      await p.focus(h.entry('Products\u00a01'));
      const look = await p.evaluate(() => {
        const cs = (s) => getComputedStyle(document.querySelector(s));
        const row = (c) => [...document.querySelectorAll('.tvx-i')].find((e) => e.textContent === c);
        const bg = (c) => getComputedStyle(row(c)).backgroundColor;
        const sub = document.querySelector('.tvx-sub.tvx-show');
        const focus = getComputedStyle(row('Products\u00a01'));
        return { bar: cs('.tvx-root').backgroundColor, plain: bg('Home'), path: bg('Products'), hovered: bg('More\u00a0products'),
          focused: focus.backgroundColor, ring: [focus.outlineStyle, parseFloat(focus.outlineWidth), focus.outlineColor, focus.color],
          line: getComputedStyle(row('Products').parentElement).borderLeftWidth, radius: getComputedStyle(sub).borderTopLeftRadius, chevron: getComputedStyle(sub.querySelector('.tvx-ad')).borderRightWidth };
      });
      assert.equal(look.hovered, look.focused, 'the entry under the pointer and the focused one are solid alike');
      assert.equal(look.ring[0], 'solid');
      assert.ok(look.ring[1] >= 2 && look.ring[2] === look.ring[3], `a ring of its own: ${look.ring}`);
      if (flat) {
        assert.deepEqual([look.bar, look.line], [look.plain, '0px'], 'no lines inside the bar');
        assert.ok(![look.plain, look.hovered].includes(look.path), `the open group is tinted: ${JSON.stringify(look)}`);
        assert.equal(look.radius, '6px');
        assert.equal(look.chevron, '2px');
      } else {
        assert.equal(look.line, '1px', 'the 3D lines between entries');
        assert.equal(look.path, look.hovered, 'the open group stays solid');
        assert.equal(look.radius, '0px');
        assert.equal(look.chevron, '0px');
      }
      await h.shot(p, `look ${name}`);
      await p.context.close();
    });
  }
});

describe('forced colours', () => {
  it('show open, hovered and focused entries in the highlight colours, the lines, and arrows that stay arrows', async () => {
    const p = await openIn({ viewport: { width: 1440, height: 800 }, forcedColors: 'active' }, h.plainPage(h.publish('phone')));
    await p.hover(h.entry('Products'));
    await p.hover(h.entry('More\u00a0products'));
    const look = await p.evaluate(() => {
      const probe = document.body.appendChild(document.createElement('i'));
      probe.style.cssText = 'background:Highlight;color:Canvas';
      const [highlight, canvas] = [getComputedStyle(probe).backgroundColor, getComputedStyle(probe).color];
      const bg = (s) => getComputedStyle(document.querySelector(s)).backgroundColor;
      const arrow = getComputedStyle(document.querySelector('.tvx-sub .tvx-ad'));
      return { highlight, canvas, open: bg('.tvx-open > .tvx-i'), closed: bg('.tvx-e:not(.tvx-open) > .tvx-i'),
        lines: bg('.tvx-root'), arrowTop: arrow.borderTopColor, arrowStart: arrow.borderLeftColor };
    });
    assert.equal(look.open, look.highlight);
    assert.equal(look.closed, look.canvas);
    assert.notEqual(look.lines, look.canvas, 'the lines between entries differ from the entries');
    assert.equal(look.arrowTop, 'rgba(0, 0, 0, 0)');
    assert.notEqual(look.arrowStart, 'rgba(0, 0, 0, 0)');
    await h.shot(p, 'forced-colours');
    await p.context.close();
  });
});

describe('the page\'s mount point', () => {
  it('takes the menu into the page\'s flow: at its corner, room below it, and the keyboard order of the page', async () => {
    const dir = h.publish('products-menu', 'mounted');
    const p = await openIn({ viewport: { width: 800, height: 600 } }, h.page(dir, 'mounted.htm',
      '<!DOCTYPE html><html><body style="margin:0"><a href="#" id="before">before</a>' +
      '<div id="tarvex-menu" style="margin:30px 0 0 10px"></div><p id="after"><a href="#">after</a></p>' +
      `${h.SCRIPT_LINES}</body></html>`));
    assert.equal(await p.locator('#tarvex-menu > nav.tvx-nav').count(), 1);
    const [mount, menu, below] = await Promise.all([h.box(p, '#tarvex-menu'), h.box(p, '.tvx-root'), h.box(p, '#after')]);
    assert.deepEqual([menu.x, menu.y], [mount.x, mount.y], 'Menu Left and Menu Top place only a menu without one');
    assert.ok(below.y >= menu.y + menu.height, 'the page continues below the menu');
    await p.focus('#before');
    await p.keyboard.press('Tab');
    assert.equal(await p.evaluate(() => document.activeElement.textContent), 'Our\u00a0products');
    await p.keyboard.press('Tab');
    assert.equal(await p.evaluate(() => document.activeElement.textContent), 'after');
    assert.deepEqual(p.errors, []);
    await p.context.close();
  });

  it('switches to the menu button whenever the bar does not fit its column, not only the window', async () => {
    const dir = h.publish('site', 'column');
    const p = await openIn({ viewport: { width: 1280, height: 700 } }, h.page(dir, 'column.htm',
      '<!DOCTYPE html><html><body style="margin:0"><main id="col" style="width:1140px;margin:0 auto;padding:0 20px">' +
      `<div id="tarvex-menu"></div><p>text</p></main>${h.SCRIPT_LINES}</body></html>`));
    const mode = (compact) => p.waitForFunction((on) => document.querySelector('.tvx-nav').classList.contains('tvx-compact') === on &&
      getComputedStyle(document.querySelector('.tvx-tg')).display === (on ? 'flex' : 'none'), compact);
    await mode(false);
    for (const [width, compact] of [['300px', true], ['1140px', false], ['420px', true]]) {
      await p.locator('#col').evaluate((c, w) => { c.style.width = w; }, width);
      await mode(compact);
      if (!compact) {
        const [col, bar] = await Promise.all([h.box(p, '#col'), h.box(p, '.tvx-root')]);
        assert.ok(bar.x + bar.width <= col.x + col.width, JSON.stringify([col, bar]));
      }
    }
    assert.deepEqual(p.errors, []);
    await p.context.close();
  });
});
