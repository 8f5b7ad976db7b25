// Whatever the generator writes and wherever a page puts the three lines, the engine
// draws what it can and never throws.
import assert from 'node:assert/strict';
import fs from 'node:fs';
import path from 'node:path';
import { after, before, describe, it } from 'node:test';
import * as h from './helpers.mjs';

let browser;
let context;
before(async () => {
  browser = await h.launch();
  context = await browser.newContext({ viewport: { width: 900, height: 500 }, reducedMotion: 'reduce' });
});
after(() => browser?.close());

const rgb = (hex) => `rgb(${[0, 2, 4].map((i) => parseInt(hex.slice(i, i + 2), 16)).join(', ')})`;

describe('an odd but possible menu script', () => {
  let p;
  // As earlier versions wrote it (the generator now renames clashing names): published sites
  // still carry such scripts.
  before(async () => {
    const dir = h.publish('tolerance');
    fs.copyFileSync(path.join(h.projectDir, 'tolerance-legacy.js'), path.join(dir, 'menu.js'));
    p = await h.open(context, h.plainPage(dir));
  });
  after(() => p.close());

  it('draws the main menu without a single console error', async () => {
    assert.equal(await p.locator(h.menuOf('Empty\u00a0group')).isVisible(), true);
    assert.deepEqual(p.errors, []);
  });

  it('shows a group whose menu does not exist, opening nothing', async () => {
    const group = p.locator(h.entry('Empty\u00a0group'));
    assert.equal(await group.getAttribute('aria-expanded'), null);
    await p.hover(h.entry('Empty\u00a0group'));
    assert.equal(await p.locator('.tvx-sub.tvx-show').count(), 0);
  });

  it('lets the first of two menus with one name win, for every group naming it', async () => {
    for (const group of ['Pro\u00a0ducts', 'Products']) {
      await p.hover(h.entry(group));
      assert.equal(await p.locator(h.menuOf('First\u00a0products')).filter({ visible: true }).count(), 1);
    }
    assert.equal(await p.locator(h.entry('Second\u00a0products')).count(), 0);
  });

  it('never opens the main menu, or a menu already open above, as a submenu', async () => {
    assert.equal(await p.locator(h.entry('main\u00a0menu')).getAttribute('aria-expanded'), null);
    assert.equal(await p.locator(h.entry('Inner')).count(), 0);
    await p.hover(h.entry('Loop'));
    const inner = p.locator(`${h.menuOf('Loop')}.tvx-sub`);
    assert.equal(await inner.isVisible(), true);
    assert.equal(await inner.locator('[aria-expanded]').count(), 0);
    assert.equal(await p.locator(h.entry('Deep')).count(), 0);
  });

  it('sizes entries by their content when the width is empty, with no border or padding', async () => {
    const b = await h.box(p, h.entry('Space'));
    assert.ok(b.width > 20 && b.width < 100, JSON.stringify(b));
    const main = await p.locator(h.menuOf('Empty\u00a0group')).evaluate((m) => getComputedStyle(m).borderTopWidth);
    assert.equal(main, '0px');
    assert.equal(await p.locator(h.entry('Space')).evaluate((e) => getComputedStyle(e).paddingTop), '0px');
  });

  it('falls back to sound values for empty or broken style values', async () => {
    const look = await p.locator(h.entry('Space')).evaluate((e) => {
      const cs = getComputedStyle(e);
      return [cs.color, cs.fontFamily, cs.fontSize];
    });
    const pageFont = await p.evaluate(() => [getComputedStyle(document.body).fontFamily, getComputedStyle(document.body).fontSize]);
    assert.deepEqual(look, [rgb('000000'), ...pageFont]);
    await p.hover(h.entry('Space'));
    await p.hover(h.entry('Pro\u00a0ducts'));
    const on = await p.locator(h.entry('Pro\u00a0ducts')).evaluate((e) => getComputedStyle(e).backgroundColor);
    assert.equal(on, rgb('808080'));
  });

  it('uses the default style where the style position holds no style array', async () => {
    await p.hover(h.entry('Products'));
    const look = await p.locator(h.entry('First\u00a0products')).filter({ visible: true }).evaluate((e) => {
      const cs = getComputedStyle(e);
      return [cs.backgroundColor, cs.fontSize, cs.paddingTop];
    });
    assert.deepEqual(look, [rgb('C0C0C0'), '10px', '3px']);
  });

  it('keeps quotes and backslashes of captions and addresses, and a blank address is no link', async () => {
    const q = p.locator('.tvx-i[href^="q.htm"]');
    assert.equal(await q.getAttribute('href'), 'q.htm?a="1"');
    assert.equal(await q.textContent(), 'Quote\u00a0"\u00a0and\u00a0\\\u00a0backslash');
    assert.equal(await p.locator(h.entry('Space')).evaluate((e) => e.tagName), 'SPAN');
    const blank = p.locator('.tvx-i[href="blank.htm"]');
    assert.equal(await blank.getAttribute('aria-label'), 'blank.htm');
    await h.shot(p, 'tolerance');
  });
});

describe('a menu script with no addmenu', () => {
  it('draws nothing and reports nothing', async () => {
    const p = await h.open(context, h.plainPage(h.publish('no-menu')));
    assert.equal(await p.locator('nav').count(), 0);
    assert.deepEqual(p.errors, []);
    await p.close();
  });
});

describe('pages', () => {
  let dir;
  before(() => { dir = h.publish('products-menu'); });

  const variants = {
    'without a doctype, the lines after </html>': `<html><head><title>x</title></head><body style="margin:0"><p>text</p></body></html>\r\n${h.SCRIPT_LINES}\r\n`,
    'with the lines in the head': `<!DOCTYPE html><html><head>${h.SCRIPT_LINES}</head><body style="margin:0"><p>text</p></body></html>`,
    'with a positioned body and margins': `<!DOCTYPE html><html><body style="position:relative;margin:30px"><p>text</p>${h.SCRIPT_LINES}</body></html>`,
    'loading the engine twice': `<!DOCTYPE html><html><body style="margin:0">${h.SCRIPT_LINES}\r\n${h.SCRIPT_LINES}</body></html>`,
  };
  for (const [name, html] of Object.entries(variants)) {
    it(`draws the menu at its page coordinates ${name}`, async () => {
      const p = await h.open(context, h.page(dir, 'variant.htm', html));
      assert.equal(await p.locator('nav').count(), 1);
      assert.deepEqual(await h.box(p, h.menuOf('Our\u00a0products')), { x: 40, y: 140, width: 152, height: 22 });
      await p.hover(h.entry('Our\u00a0products'));
      assert.deepEqual(await h.box(p, h.menuOf('Price\u00a0list')), { x: 40, y: 161, width: 152, height: 22 });
      assert.deepEqual(p.errors, []);
      await p.close();
    });
  }

  it('creates no globals beyond the contract and the menu script\'s own', async () => {
    const p = await h.open(context, h.page(dir, 'globals.htm', '<!DOCTYPE html><html><body>' +
      '<script>window.before = new Set(Object.getOwnPropertyNames(window));</script>' +
      `${h.SCRIPT_LINES}</body></html>`));
    const created = await p.evaluate(() => Object.getOwnPropertyNames(window).filter((n) => !window.before.has(n) && n !== 'before').sort());
    const engine = ['addmenu', 'center', 'dumpmenus', 'left', 'right'];
    const script = ['Mainstyle', 'followrate', 'followspeed', 'menu', 'suboffset_left', 'suboffset_top', 'timegap'];
    assert.deepEqual(created, [...engine, ...script].sort());
    const fixed = await p.evaluate(() => {
      const keep = window.addmenu;
      window.addmenu = 1;
      window.dumpmenus = 1;
      return window.addmenu === keep && typeof window.dumpmenus === 'function';
    });
    assert.equal(fixed, true);
    await p.close();
  });
});
