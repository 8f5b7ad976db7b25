// Opening and closing by pointer, click and touch, their timing, and where links lead.
import assert from 'node:assert/strict';
import { after, before, describe, it } from 'node:test';
import * as h from './helpers.mjs';

let browser;
let context;
let site;
before(async () => {
  browser = await h.launch();
  context = await browser.newContext({ viewport: { width: 800, height: 500 } });
  site = h.publish('site');
});
after(() => browser?.close());

const shown = (p, caption) => p.locator(h.menuOf(caption)).isVisible();

// Records, inside the page, when the pointer left the menus and when a submenu closed,
// so that the delay is measured without the test's own scheduling in it.
async function watchClosing(p, caption) {
  await p.locator(h.menuOf(caption)).evaluate((menu) => {
    window.closeLog = {};
    document.querySelector('.tvx-nav').addEventListener('pointerleave', () => { window.closeLog.left = performance.now(); });
    new MutationObserver(() => {
      if (!menu.classList.contains('tvx-show') && !window.closeLog.closed) window.closeLog.closed = performance.now();
    }).observe(menu, { attributes: true });
  });
}

describe('hover menus', () => {
  let p;
  before(async () => { p = await h.open(context, h.plainPage(site, { body: '<p style="margin:400px 0 0 500px">outside</p>' })); });
  after(() => p.close());

  it('open on hover and stay open while the pointer moves onto the submenu', async () => {
    assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), false);
    await p.hover(h.entry('Products'));
    assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), true);
    await p.hover(h.entry('Add\u00a0ons'));
    await p.hover(h.entry('Spell\u00a0checker'));
    await h.sleep(250);
    assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), true);
    assert.equal(await shown(p, 'Spell\u00a0checker'), true);
    assert.equal(await p.locator(h.entry('Products')).getAttribute('aria-expanded'), 'true');
  });

  it('close timegap ms after the pointer has left the open menus, not before', async () => {
    await watchClosing(p, 'Desktop\u00a0\u00a0editor');
    await p.mouse.move(700, 450);
    await p.waitForFunction(() => window.closeLog.closed);
    const log = await p.evaluate(() => window.closeLog);
    const waited = log.closed - log.left;
    assert.ok(waited >= 95 && waited < 600, `closed after ${waited} ms`);
    assert.equal(await shown(p, 'Spell\u00a0checker'), false);
    assert.equal(await p.locator(h.entry('Products')).getAttribute('aria-expanded'), 'false');
  });

  it('close a sibling at once when another group opens', async () => {
    await p.hover(h.entry('Products'));
    await p.hover(h.entry('Services'));
    assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), false);
    assert.equal(await shown(p, 'Contact\u00a0us'), true);
  });

  it('close on Escape even when the focus is elsewhere, and stay closed while the pointer rests', async () => {
    await p.hover(h.entry('Products'));
    await p.keyboard.press('Escape');
    assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), false);
    await p.mouse.move(...await centre(p, `${h.entry('Products')} .tvx-a`));
    assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), false);
  });

  it('close everything on a click outside', async () => {
    await p.hover(h.entry('Services'));
    await p.hover(h.entry('Training'));
    await p.locator('p').click();
    assert.equal(await shown(p, 'Contact\u00a0us'), false);
  });

  it('follow a group\'s own address when it is clicked', async () => {
    await p.click(h.entry('Products'));
    await p.waitForURL(/products\.htm$/);
  });
});

describe('hover intent', () => {
  let p;
  before(async () => {
    const dir = h.publishEdited('site', 'site-vertical', (xml) => xml.replace('<Orientation>Horizontal', '<Orientation>Vertical'));
    p = await h.open(context, h.plainPage(dir));
  });
  after(() => p.close());

  // Products' fly-out has Add ons level with Services, so the straight line from Products to
  // Add ons runs across Services.
  it('keeps the submenu a diagonal move heads for, and opens the crossed sibling where the pointer rests', async () => {
    await p.locator(h.entry('Services')).evaluate((e) => e.addEventListener('pointerover', () => { window.crossed = true; }));
    const from = await p.locator(h.entry('Products')).boundingBox();
    for (let round = 0; round < 5; round++) {
      await p.mouse.move(from.x + 4, from.y + from.height / 2);
      await p.locator(h.menuOf('Desktop\u00a0\u00a0editor')).waitFor();
      await p.evaluate(() => { window.crossed = false; });
      const to = await p.locator(h.entry('Add\u00a0ons')).boundingBox();
      await p.mouse.move(to.x + 8, to.y + to.height / 2, { steps: 15 });
      assert.equal(await p.evaluate(() => window.crossed), true, 'the move crossed Services');
      assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), true, `round ${round}`);
      assert.equal(await shown(p, 'Contact\u00a0us'), false, `round ${round}`);
    }
    // Heading for the fly-out but stopping on Services: Services opens all the same.
    const services = await p.locator(h.entry('Services')).boundingBox();
    await p.mouse.move(from.x + 4, from.y + from.height / 2);
    await p.mouse.move(services.x + services.width - 4, services.y + services.height / 2, { steps: 5 });
    await p.locator(h.menuOf('Contact\u00a0us')).waitFor();
    assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), false);
  });
});

async function centre(p, selector) {
  const b = await p.locator(selector).boundingBox();
  return [b.x + b.width / 2, b.y + b.height / 2];
}

describe('click menus', () => {
  let p;
  before(async () => { p = await h.open(context, h.plainPage(h.publish('click'), { body: '<p style="margin:400px 0 0 500px">outside</p>' })); });
  after(() => p.close());

  it('do not open on hover', async () => {
    await p.hover(h.entry('Documents'));
    await h.sleep(150);
    assert.equal(await shown(p, 'Reports'), false);
  });

  it('open on the first click and follow the address on the second', async () => {
    await p.click(h.entry('Documents'));
    assert.equal(await shown(p, 'Reports'), true);
    assert.match(p.url(), /plain\.htm$/);
    // A click-opened submenu stays open after the pointer has gone.
    await p.mouse.move(700, 450);
    await h.sleep(300);
    assert.equal(await shown(p, 'Reports'), true);
    await p.click(h.entry('Documents'));
    await p.waitForURL(/documents\.htm$/);
    await p.goBack();
  });

  it('toggle a group without address and let one group close the other', async () => {
    await p.click(h.entry('Tools'));
    assert.equal(await shown(p, 'Calculator'), true);
    await p.click(h.entry('Tools'));
    assert.equal(await shown(p, 'Calculator'), false);
    await p.click(h.entry('Tools'));
    await p.click(h.entry('Documents'));
    assert.equal(await shown(p, 'Calculator'), false);
    assert.equal(await shown(p, 'Reports'), true);
    await p.locator('p').click();
    assert.equal(await shown(p, 'Reports'), false);
  });

  it('report nothing on the console', () => assert.deepEqual(p.errors, []));
});

describe('links and targets', () => {
  let p;
  before(async () => {
    p = await h.open(context, h.plainPage(site, { body: '<iframe name="content" style="margin:300px 0 0 20px"></iframe>' }));
  });
  after(() => p.close());

  it('open " target=_blank" links in a new window without an opener', async () => {
    await p.hover(h.entry('Services'));
    const [popup] = await Promise.all([context.waitForEvent('page'), p.click(h.entry('Support\u00a0forum'))]);
    await popup.waitForLoadState();
    assert.match(popup.url(), /forum\.htm$/);
    assert.equal(await popup.evaluate(() => window.opener), null);
    await popup.close();
  });

  it('open a named target in that frame, leaving the page where it is', async () => {
    await p.hover(h.entry('Products'));
    await p.hover(h.entry('Add\u00a0ons'));
    await p.click(h.entry('Themes'));
    const frame = p.frame({ name: 'content' });
    await frame.waitForURL(/themes\.htm$/);
    assert.match(p.url(), /plain\.htm$/);
    assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), false);
  });

  it('follow a plain item\'s address', async () => {
    await p.click(h.entry('Home'));
    await p.waitForURL(/index\.htm$/);
  });
});

describe('touch', () => {
  let touch;
  let p;
  before(async () => {
    touch = await browser.newContext({ viewport: { width: 800, height: 500 }, hasTouch: true, isMobile: true });
    p = await h.open(touch, h.plainPage(site, { body: '<p style="margin:400px 0 0 400px">outside</p>' }));
  });
  after(() => touch.close());

  it('makes every entry at least 24 x 24 CSS px', async () => {
    assert.equal(await p.evaluate(() => matchMedia('(pointer: coarse)').matches), true);
    await p.tap(h.entry('Services'));
    const sizes = await p.locator('.tvx-nav .tvx-i:visible').evaluateAll((els) => els.map((e) => e.getBoundingClientRect()));
    assert.ok(sizes.length >= 7);
    assert.ok(sizes.every((r) => r.width >= 24 && r.height >= 24), JSON.stringify(sizes));
    await p.tap('p');
    assert.equal(await shown(p, 'Contact\u00a0us'), false);
  });

  it('opens a group on the first tap and follows its address on the second', async () => {
    await p.tap(h.entry('Products'));
    assert.equal(await shown(p, 'Desktop\u00a0\u00a0editor'), true);
    assert.match(p.url(), /plain\.htm$/);
    await p.tap(h.entry('Products'));
    await p.waitForURL(/products\.htm$/);
  });
});

describe('motion', () => {
  it('fades submenus in, unless the reader prefers reduced motion', async () => {
    const count = async (reducedMotion) => {
      const ctx = await browser.newContext({ reducedMotion });
      const p = await h.open(ctx, h.plainPage(site));
      await p.hover(h.entry('Products'));
      const n = await p.locator(h.menuOf('Desktop\u00a0\u00a0editor')).evaluate((m) => getComputedStyle(m).animationName);
      await ctx.close();
      return n;
    };
    assert.equal(await count('no-preference'), 'tvx-in');
    assert.equal(await count('reduce'), 'none');
  });
});
