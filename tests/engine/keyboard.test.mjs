// Keyboard and screen-reader use: the disclosure navigation pattern, walked key by key.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import * as h from './helpers.mjs';

let browser;
let p;
before(async () => {
  browser = await h.launch();
  const context = await browser.newContext({ viewport: { width: 800, height: 500 } });
  p = await h.open(context, h.plainPage(h.publish('site'), { body: '<a href="#after" id="after" style="margin-top:400px;display:block">after the menu</a>' }));
});
after(() => browser?.close());

const focused = () => p.evaluate(() => document.activeElement.textContent.trim() || document.activeElement.id);
const expanded = (caption) => p.locator(h.entry(caption)).getAttribute('aria-expanded');
const shown = (caption) => p.locator(h.menuOf(caption)).isVisible();

async function press(...keys) {
  for (const k of keys) await p.keyboard.press(k);
}

describe('the menu landmark', () => {
  it('is a labelled nav of lists whose groups name the submenus they control', async () => {
    const nav = p.locator('nav');
    assert.equal(await nav.count(), 1);
    assert.equal(await nav.getAttribute('aria-label'), 'Site menu');
    const before = await p.locator('.tvx-ms [aria-expanded]').evaluateAll((els) => els.map((e) => [e.textContent.trim(), e.tagName, e.getAttribute('aria-expanded')]));
    assert.deepEqual(before, [['Products', 'A', 'false'], ['Services', 'BUTTON', 'false']]);
    // Activating a group opens it; its aria-controls then names the list that follows it.
    const controlled = async (caption) => p.locator(h.entry(caption)).evaluate((e) => {
      e.click();
      const sub = document.getElementById(e.getAttribute('aria-controls'));
      return [e.getAttribute('aria-expanded'), !!sub && e.parentElement.contains(sub) && getComputedStyle(sub).display !== 'none'];
    });
    assert.deepEqual(await controlled('Products'), ['true', true]);
    assert.deepEqual(await controlled('Add\u00a0ons'), ['true', true]);
    assert.deepEqual(await controlled('Services'), ['true', true]);
    assert.equal(await p.locator('.tvx-nav ul[role=list]').count(), 4);
    await press('Escape', 'Escape');
    assert.equal(await p.locator('.tvx-sub.tvx-show').count(), 0);
    assert.equal(await p.locator('.tvx-nav ul[role=list]').count(), 4);
  });
});

describe('walking the menu', () => {
  it('Tab reaches the entries in order; closed submenus are skipped', async () => {
    await p.evaluate(() => document.activeElement.blur());
    await press('Tab');
    assert.equal(await focused(), 'Home');
    await press('Tab');
    assert.equal(await focused(), 'Products');
    await press('Tab');
    assert.equal(await focused(), 'Services');
    await press('Shift+Tab');
    assert.equal(await focused(), 'Products');
  });

  it('shows the focus in the highlight colours with an outline', async () => {
    const look = await p.locator(h.entry('Products')).evaluate((e) => {
      const cs = getComputedStyle(e);
      return [cs.color, cs.backgroundColor, cs.outlineStyle, cs.outlineColor, cs.outlineWidth];
    });
    assert.deepEqual(look, ['rgb(255, 255, 255)', 'rgb(62, 76, 89)', 'solid', 'rgb(255, 255, 255)', '2px']);
  });

  it('Enter opens a group with an address instead of following it; Tab then enters the submenu', async () => {
    await press('Enter');
    assert.equal(await expanded('Products'), 'true');
    assert.equal(await shown('Desktop\u00a0\u00a0editor'), true);
    assert.match(p.url(), /plain\.htm$/);
    await press('Tab');
    assert.equal(await focused(), 'Desktop\u00a0\u00a0editor');
  });

  it('arrow keys move through a vertical submenu, wrapping, and Home / End jump', async () => {
    await press('ArrowDown');
    assert.equal(await focused(), 'Add\u00a0ons');
    await press('End');
    assert.equal(await focused(), 'Caf\u00e9\u00a0&\u00a0<more>\u00a0"quoted"\u00a0C:\\path');
    await press('ArrowDown');
    assert.equal(await focused(), 'Desktop\u00a0\u00a0editor');
    await press('ArrowUp', 'Home');
    assert.equal(await focused(), 'Desktop\u00a0\u00a0editor');
  });

  it('Right opens a nested submenu onto its first entry; Left closes it and returns', async () => {
    await press('ArrowDown', 'ArrowRight');
    assert.equal(await expanded('Add\u00a0ons'), 'true');
    assert.equal(await focused(), 'Spell\u00a0checker');
    await press('ArrowLeft');
    assert.equal(await focused(), 'Add\u00a0ons');
    assert.equal(await shown('Spell\u00a0checker'), false);
  });

  it('Escape closes the innermost submenu and puts the focus back on its group', async () => {
    await press('ArrowRight', 'Escape');
    assert.equal(await focused(), 'Add\u00a0ons');
    assert.equal(await shown('Spell\u00a0checker'), false);
    await press('Escape');
    assert.equal(await focused(), 'Products');
    assert.equal(await expanded('Products'), 'false');
    assert.equal(await shown('Desktop\u00a0\u00a0editor'), false);
  });

  it('Left / Right move along the horizontal main menu; Down opens a group onto its first entry', async () => {
    await press('ArrowRight');
    assert.equal(await focused(), 'Services');
    await press('End');
    assert.equal(await focused(), 'About');
    await press('ArrowRight');
    assert.equal(await focused(), 'Home');
    await press('ArrowLeft', 'ArrowLeft', 'ArrowDown');
    assert.equal(await expanded('Services'), 'true');
    // The header is not focusable: the first entry reached is the first link.
    assert.equal(await focused(), 'Support\u00a0forum');
  });

  it('in a vertical submenu of the horizontal menu Left / Right move to the neighbouring group', async () => {
    await press('ArrowLeft');
    assert.equal(await focused(), 'Products');
    assert.equal(await shown('Contact\u00a0us'), false);
  });

  it('Space toggles a group that is a button', async () => {
    await press('ArrowRight', 'Space');
    assert.equal(await expanded('Services'), 'true');
    await press('Space');
    assert.equal(await expanded('Services'), 'false');
  });

  it('closes a submenu when the focus leaves the menu', async () => {
    await press('Space');
    assert.equal(await expanded('Services'), 'true');
    await p.locator('#after').focus();
    assert.equal(await expanded('Services'), 'false');
  });

  it('reports nothing on the console', () => assert.deepEqual(p.errors, []));
});
